#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, when it is missing.
set -u

have() { command -v "$1" >/dev/null 2>&1; }

missing=()
have x86_64-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres  || missing+=(binutils-mingw-w64-x86-64)
{ have wine64 || [ -x /usr/lib/wine/wine64 ]; } || missing+=(wine64)
have wine        || missing+=(wine)
have Xvfb        || missing+=(xvfb)
have xauth       || missing+=(xauth)
have clang++     || missing+=(clang)
have cmake       || missing+=(cmake)
have ninja       || missing+=(ninja-build)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 \
  || missing+=(libclang-rt-dev)
# A CJK font that the test prefix maps the window's font family to.
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || missing+=(fonts-wqy-microhei)

# Wine draws the caption buttons with its Marlett font; without it the title bars in the
# screenshots show letters where the minimise and close buttons belong.
[ -f /usr/share/wine/fonts/marlett.ttf ] || missing+=(fonts-wine)

have localedef   || missing+=(locales)

# Wine takes the ANSI code page from the locale's name but turns Windows file names into
# Unix ones in the locale's real character set: without a generated zh_CN.UTF-8 the
# tests under code page 936 could not make a single Chinese file name.
ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8' && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale
  exit $?
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q || exit 1
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" || exit 1
ensure_locale
