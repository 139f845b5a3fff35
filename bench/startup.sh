#!/usr/bin/env bash
# How small and quick the program is, beside two yardsticks built with the same toolchain
# and flags:
#  - bench/bare_window.cpp, the least a program with a window does;
#  - bench/controls_window.cpp, that window grown to the program's window with its fifteen
#    controls from the program's layout table, and nothing else: what any program showing
#    this window has to do.
# Measured:
#  - under Wine, on an Xvfb display and in a Wine prefix of the benchmark's own, the median
#    time from starting the process to its main window being visible, and from an Esc key
#    press to the process's end, for the three programs in turn, and each median's ratio to
#    the bare window's;
#  - the shipped 32-bit exe: its size once stripped, its PE machine and subsystem version
#    and the DLLs it imports.
# The start-up target is a ratio to the bare window of at most 1.10; the controls window's
# ratio shows how much of the program's is its window's controls.
# Builds what it measures in build/bench (the presets' toolchains and build type). Not part
# of the tests: run it on request.
# Usage: bench/startup.sh [runs of each program, default 11, at least 10]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-11}
if [ "$runs" -lt 10 ]; then echo "startup: at least 10 runs" >&2; exit 2; fi
source tools/wine-env.sh

bench=$root/build/bench
arch=${velmora_run_preset%-tests}  # what this host's Wine runs: win32, or win64 where 32-bit cannot run
title='Velmora\u672c\u5730\u7f51\u7edc\u8bbe\u7f6eV1.3'  # Velmora本地网络设置V1.3
bare_title='Velmora bare window'
controls_title='Velmora controls window'
max_startup_ratio=1.10

toolchain() { [ "$1" = win32 ] && echo "$root/cmake/mingw-i686.cmake" || echo "$root/cmake/mingw-x86_64.cmake"; }

# Configures every time, so that targets added since the last run are there.
configure() {  # <build dir> <win32|win64> <source dir> [cmake options]
  local dir=$1 target_arch=$2 source=$3
  shift 3
  cmake -S "$source" -B "$dir" --toolchain "$(toolchain "$target_arch")" \
    -DCMAKE_BUILD_TYPE=MinSizeRel "$@" >/dev/null
}

# Builds the program in build/bench/<arch>; false when there is no program target yet.
build_program() {
  local dir=$bench/$1
  configure "$dir" "$1" "$root" -DVELMORA_TESTS=OFF
  local targets
  targets=$(cmake --build "$dir" --target help)
  grep -qw velmora <<<"$targets" || return 1
  cmake --build "$dir" --target velmora -j "$(nproc)" >/dev/null
}

echo "== building the yardsticks, the timer and the program (mingw-w64, MinSizeRel)"
for a in win32 "$arch"; do
  configure "$bench/tools-$a" "$a" "$root/bench"
  cmake --build "$bench/tools-$a" -j "$(nproc)" >/dev/null
done
have_program=1
for a in win32 "$arch"; do build_program "$a" || have_program=0; done
if [ $have_program = 0 ]; then
  echo "startup: no program target (ui/velmora.exe) yet: measuring the bare window alone"
fi

work=$(mktemp -d)
xvfb_pid=
prefix=$bench/prefix-$arch
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

source tools/xvfb.sh
start_xvfb "$work"
export WINEPREFIX=$prefix

# The prefix, made once, as the tests make theirs: the shell hands scripts and pages to the
# recorder (nothing can reach WMI), and windows are left unmanaged.
if [ ! -f "$WINEPREFIX/.velmora-bench" ]; then
  echo "== making the Wine prefix $WINEPREFIX"
  bash tools/wine-prefix.sh "$bench/tools-$arch/launch_recorder.exe" </dev/null >/dev/null 2>&1
  touch "$WINEPREFIX/.velmora-bench"
fi
keep_wineserver

# The programs start from copies side by side in one directory.
cp "$bench/tools-$arch/bare_window.exe" "$bench/tools-$arch/controls_window.exe" "$work/"
targets=("$("$VELMORA_WINE" winepath -w "$work/bare_window.exe" 2>/dev/null)" "$bare_title"
         "$("$VELMORA_WINE" winepath -w "$work/controls_window.exe" 2>/dev/null)" "$controls_title")
if [ $have_program = 1 ]; then
  cp "$bench/$arch/ui/velmora.exe" "$work/"
  targets+=("$("$VELMORA_WINE" winepath -w "$work/velmora.exe" 2>/dev/null)" "$title")
fi

echo "== start-up and close under Wine ($arch build, $runs runs each, taken in turn)"
if [ "$arch" != win32 ]; then
  echo "   this host runs no 32-bit programs: the timings are of the 64-bit builds of the same sources"
fi
"$VELMORA_WINE" "$bench/tools-$arch/launch_timer.exe" "$runs" "${targets[@]}" | tr -d '\r' |
  tee "$work/timings"
failed=0
if [ $have_program = 1 ]; then
  ratio=$(awk '$1 == "median" && $2 == "velmora.exe" { gsub(/[()x]/, "", $6); print $6 }' \
            "$work/timings")
  if [ -z "$ratio" ]; then
    verdict=UNKNOWN; failed=1
  elif awk -v r="$ratio" -v max="$max_startup_ratio" 'BEGIN { exit !(r > max) }'; then
    verdict=OVER; failed=1
  else
    verdict=ok
  fi
  echo "start-up ratio, program / bare window: $ratio (at most $max_startup_ratio: $verdict)"
  floor=$(awk '$1 == "median" && $2 == "controls_window.exe" { gsub(/[()x]/, "", $6); print $6 }' \
            "$work/timings")
  echo "   the same window's controls alone, made without the program: $floor"
fi

echo "== the shipped 32-bit exe, beside the bare window"
if [ -f "$bench/win32/ui/velmora.exe" ]; then
  bash tools/check-exe.sh "$bench/win32/ui/velmora.exe" || failed=1
fi
bash tools/check-exe.sh "$bench/tools-win32/bare_window.exe" || true
exit $failed
