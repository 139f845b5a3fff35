#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: natively (with lint and
# a bounded fuzzing run), the shipped exe's size and imports, then the Windows tests under
# Wine (zh_CN, then en_US) on an Xvfb display of its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
source tools/wine-env.sh

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)"
ctest --preset native

echo "== the shipped 32-bit program"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"
bash tools/check-exe.sh build/win32/ui/velmora.exe

echo "== lint"
bash tools/lint.sh

echo "== fuzzing"
bash tools/fuzz.sh

echo "== Windows build with the tests ($velmora_run_preset)"
if [ "$velmora_run_preset" != win32-tests ]; then
  echo "this host runs no 32-bit programs: the Windows tests run as a 64-bit build under wine64"
fi
cmake --preset "$velmora_run_preset" >/dev/null
cmake --build --preset "$velmora_run_preset" -j "$(nproc)"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Our own display: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export WINEPREFIX=$work/prefix

echo "== Wine prefix"
# One wineserver for the whole run, so each test program starts in a fraction of a second.
# Wine's own background processes start here, not inside a test whose output they would
# hold open.
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
if ! LANG=zh_CN.UTF-8 bash tools/wine-prefix.sh \
       "$root/build/$velmora_run_preset/tests/launch_recorder.exe" </dev/null >"$work/prefix.log" 2>&1; then
  cat "$work/prefix.log"; exit 1
fi

for lang in zh_CN.UTF-8 en_US.UTF-8; do
  echo "== Windows tests under Wine, LANG=$lang"
  LANG=$lang ctest --preset "$velmora_run_preset"
done
