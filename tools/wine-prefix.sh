#!/usr/bin/env bash
# Makes the Wine prefix for one test run: a fresh prefix in $WINEPREFIX whose shell hands
# .VBS files and http(s) addresses to the launch recorder, so that no generated script ever
# reaches Wine's WMI and no browser starts.
# Usage: wine-prefix.sh <path of launch_recorder.exe>   (after sourcing wine-env.sh)
set -euo pipefail
recorder=$1
wine=${VELMORA_WINE:?source tools/wine-env.sh first}
export WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot -i >/dev/null 2>&1 || true
win_recorder=$("$wine" winepath -w "$recorder" 2>/dev/null)
command="\"$win_recorder\" \"%1\""
add() { "$wine" reg add "$@" /f >/dev/null; }
add 'HKCR\.vbs' /ve /d VBSFile
add 'HKCR\VBSFile\shell' /ve /d open
for key in VBSFile http https; do
  add "HKCR\\$key\\shell\\open\\command" /ve /d "$command"
done
# Without a window manager Wine waits for one on every hide or close of a captioned window;
# unmanaged windows are closed at once.
add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
add 'HKCR\http' /v 'URL Protocol' /d ''
add 'HKCR\https' /v 'URL Protocol' /d ''
# Everything the setup started has ended before the prefix is used: a second wine
# process started while the first boot still runs can boot the prefix again, and two
# service managers in one prefix leave COM unable to start.
wineserver -w
