#!/usr/bin/env bash
# Prints what the shipped exe is (size once stripped, PE machine, subsystem version, DLLs it
# imports) and fails when it is over 256 KiB or would not start on Windows XP: a DLL that
# not every Windows since XP has, or a call that came after XP.
# Usage: check-exe.sh <exe>
set -euo pipefail
exe=$1
max_bytes=$((256 * 1024))
xp_dlls='kernel32 user32 gdi32 comctl32 comdlg32 shell32 shlwapi advapi32 ole32 oleaut32
         uxtheme msvcrt ntdll version winmm imm32 ws2_32 wsock32 rpcrt4 winspool.drv'
# Calls of those DLLs that came after XP (a runtime linked in may reach for them).
after_xp_calls='GetTickCount64 InitializeCriticalSectionEx InitializeSRWLock AcquireSRWLockExclusive
                AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared
                InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW
                WakeConditionVariable WakeAllConditionVariable InitOnceExecuteOnce FlsAlloc
                FlsFree FlsGetValue FlsSetValue GetFinalPathNameByHandleW CreateSymbolicLinkW
                GetLocaleInfoEx LCMapStringEx CompareStringEx GetSystemTimePreciseAsFileTime'

stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$exe"
bytes=$(stat -c %s "$stripped")
headers=$(LC_ALL=C i686-w64-mingw32-objdump -p "$stripped")
machine=$(LC_ALL=C i686-w64-mingw32-objdump -f "$stripped" |
          sed -n 's/^architecture: *\([^,]*\).*/\1/p')
subsystem=$(awk '$1 == "MajorSubsystemVersion" { major = $2 }
                 $1 == "MinorSubsystemVersion" { minor = $2 }
                 $1 == "Subsystem" { $1 = ""; $2 = ""; kind = $0; sub(/^ +/, " ", kind) }
                 END { printf "%s.%s%s", major, minor, kind }' <<<"$headers")
dlls=$(sed -n 's/^\s*DLL Name: *//p' <<<"$headers" | sort -fu | tr '\n' ' ')
echo "$(basename "$exe"): $bytes bytes stripped ($((bytes / 1024)) KiB), machine $machine," \
     "subsystem $subsystem"
echo "  imports: $dlls"
failed=0
if [ "$bytes" -gt $max_bytes ]; then echo "  size: OVER 256 KiB"; failed=1; fi
for dll in $dlls; do
  base=${dll,,}
  if ! grep -qw -- "${base%.dll}" <<<"$xp_dlls"; then
    echo "  import: $dll is not on every Windows since XP"; failed=1
  fi
done
for call in $after_xp_calls; do
  if grep -qw -- "$call" <<<"$headers"; then echo "  import: $call is newer than XP"; failed=1; fi
done
if [ $failed = 0 ]; then
  echo "  size and imports: ok (at most 256 KiB; DLLs and calls of Windows XP)"
fi
exit $failed
