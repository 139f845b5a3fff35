#!/usr/bin/env bash
# Makes a Debian 12 machine ready to build and test: the mingw-w64 cross compiler,
# 32-bit Wine, GoogleTest, Xvfb, Chinese fonts and the zh_CN/en_US UTF-8 locales.
# Quick when everything is already there: it only asks dpkg and locale.
set -euo pipefail

packages=(cmake make g++ libgtest-dev googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64
          xvfb x11-utils xdotool fonts-wqy-zenhei imagemagick locales
          clang clang-format clang-tidy libclang-rt-14-dev)
locales=(zh_CN.UTF-8 en_US.UTF-8)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  log=$(mktemp)
  if ! { as_root apt-get update -qq &&
         as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
           "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log"; rm -f "$log"; exit 1
  fi
  rm -f "$log"
fi

have_locale() {
  # locale -a spells zh_CN.UTF-8 as zh_CN.utf8
  locale -a 2>/dev/null | grep -qix "${1%%.*}.utf8"
}
regen=0
for l in "${locales[@]}"; do
  if ! have_locale "$l"; then
    as_root sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    regen=1
  fi
done
if [ $regen -eq 1 ]; then as_root locale-gen >/dev/null; fi
