#!/usr/bin/env bash
# Code health: every C++ file formatted, and clang-tidy clean over core/ and ui/.
# Needs the native and win32 builds configured (their compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "== clang-format (${#sources[@]} files)"
clang-format --dry-run --Werror "${sources[@]}"

# Each build's own sources of core/ and ui/, from its compile database.
sources_of() {
  sed -n 's#^ *"file": *"\('"$PWD"'/\(core\|ui\)/[^/]*\.cpp\)".*#\1#p' "build/$1/compile_commands.json" | sort -u
}
mapfile -t portable < <(sources_of native)
mapfile -t windows < <(comm -13 <(sources_of native) <(sources_of win32))
echo "== clang-tidy (${#portable[@]} portable, ${#windows[@]} Windows files)"
clang-tidy -p build/native --quiet "${portable[@]}" 2>/dev/null
# The mingw build's own C++ library headers, for clang acting as the cross compiler.
cxx=/usr/lib/gcc/i686-w64-mingw32/12-win32/include/c++
clang-tidy -p build/win32 --quiet --extra-arg=--target=i686-w64-mingw32 \
  --extra-arg=-isystem"$cxx" --extra-arg=-isystem"$cxx/i686-w64-mingw32" \
  --extra-arg=-isystem"$cxx/backward" "${windows[@]}" 2>/dev/null
echo "lint: clean"
