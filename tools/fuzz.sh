#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build/fuzz and runs each for a bounded
# time on a copy of its seed corpus (the corpus in the repository is never changed).
# Fails on any finding; the input that caused it is kept in build/fuzz/findings.
# Usage: tools/fuzz.sh [seconds per target, default 25]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-25}
targets=(ini_text config_script)

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing; tools/setup.sh installs it" >&2
  exit 2
fi

echo "== fuzz targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$root/build/fuzz/findings
mkdir -p "$findings"

failed=0
for target in "${targets[@]}"; do
  echo "== fuzz $target for ${seconds} s"
  cp -r "fuzz/corpus/$target" "$work/$target"
  log=$work/$target.log
  if "build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len=16384 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
       "$work/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    grep -m1 -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
    echo "fuzz $target: $runs runs, no findings"
  else
    tail -n 60 "$log"
    echo "fuzz $target: FINDING; input kept as:" >&2
    ls -1 "$findings/$target-"* >&2 || true
    echo "replay: build/fuzz/${target}_fuzzer <that file>" >&2
    failed=1
  fi
done
exit $failed
