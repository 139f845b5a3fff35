#!/usr/bin/env bash
# Builds the program and starts it under Wine: on your display when there is one; otherwise
# on a private Xvfb display, where it saves a screenshot to build/screenshot.png and closes
# the program again. Its Wine prefix (~/.cache/velmora-wine, made once) hands .VBS files and
# web addresses to the launch recorder, so Apply never changes this machine's network.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
source tools/wine-env.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"
# The run preset brings the launch recorder along.
cmake --preset "$velmora_run_preset" >/dev/null
cmake --build --preset "$velmora_run_preset" -j "$(nproc)"
if [ "$velmora_run_preset" = win32-tests ]; then
  program=$root/build/win32/ui/velmora.exe
else
  echo "run: this host runs no 32-bit programs; starting the 64-bit build of the same sources"
  program=$root/build/$velmora_run_preset/ui/velmora.exe
fi

export WINEPREFIX=${VELMORA_WINEPREFIX:-$HOME/.cache/velmora-wine}
export LANG=zh_CN.UTF-8
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}

if [ -z "${DISPLAY:-}" ]; then
  work=$(mktemp -d)
  trap 'cleanup; rm -rf "$work"' EXIT
  source tools/xvfb.sh
  start_xvfb "$work"
fi

# The prefix, once: the recorder is copied into it so that it does not depend on this tree.
recorder_dir=$WINEPREFIX/drive_c/velmora-recorder
if [ ! -f "$recorder_dir/launch_recorder.exe" ]; then
  echo "run: making the Wine prefix $WINEPREFIX"
  mkdir -p "$recorder_dir"
  cp "build/$velmora_run_preset/tests/launch_recorder.exe" "$recorder_dir/"
  bash tools/wine-prefix.sh "$recorder_dir/launch_recorder.exe" </dev/null >/dev/null 2>&1
fi
echo "run: scripts and web pages the program hands to the shell are listed in $recorder_dir/launches.log"

if [ -z "$xvfb_pid" ]; then
  "$VELMORA_WINE" "$program"
  exit 0
fi

# No display of our own: a Wine desktop draws the title bar, as no window manager runs here.
"$VELMORA_WINE" explorer /desktop=velmora,1024x768 "$program" </dev/null >/dev/null 2>&1 &
geometry=
for _ in $(seq 300); do
  geometry=$(xwininfo -root -tree 2>/dev/null |
             grep -o '("velmora.exe" "velmora.exe")  380x250+[0-9-]*+[0-9-]*' | grep -o '380x.*' || true)
  [ -n "$geometry" ] && break
  sleep 0.1
done
if [ -z "$geometry" ]; then
  echo "run: the window did not appear" >&2
  exit 1
fi
sleep 1  # let it paint
import -window root -crop "$geometry" +repage build/screenshot.png
echo "run: screenshot of the window saved to $root/build/screenshot.png"
# Esc closes the window as Exit does: the program removes its script file and ends.
xdotool key Escape
for _ in $(seq 50); do
  xwininfo -root -tree 2>/dev/null | grep -q '"velmora.exe"' || break
  sleep 0.1
done
