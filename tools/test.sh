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

source tools/xvfb.sh
start_xvfb "$work"
export WINEPREFIX=$work/prefix

echo "== Wine prefix"
if ! LANG=zh_CN.UTF-8 bash tools/wine-prefix.sh \
       "$root/build/$velmora_run_preset/tests/launch_recorder.exe" </dev/null >"$work/prefix.log" 2>&1; then
  cat "$work/prefix.log"; exit 1
fi
keep_wineserver

for lang in zh_CN.UTF-8 en_US.UTF-8; do
  echo "== Windows tests under Wine, LANG=$lang"
  LANG=$lang ctest --preset "$velmora_run_preset"
done
