#!/usr/bin/env bash
# Installs what building and running Zelvik needs on Debian 12: the i686
# mingw-w64 cross compiler, 32-bit Wine, Xvfb, the zh_CN.UTF-8 locale (so
# Wine's ANSI code page is 936), a CJK font and GoogleTest's sources.
# Quick when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth x11-utils imagemagick locales
  googletest fonts-wqy-zenhei
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  missing=("${packages[@]}")
else
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
fi

if ((${#missing[@]})); then
  [ "$(id -u)" = 0 ] || { echo "setup: run as root to install: ${missing[*]}" >&2; exit 1; }
  echo "setup: installing ${missing[*]}"
  dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  [ "$(id -u)" = 0 ] || { echo "setup: run as root to generate zh_CN.UTF-8" >&2; exit 1; }
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
