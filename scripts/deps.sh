#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and makes 32-bit
# Windows programs runnable under Wine. Idempotent: when all is present it only
# asks dpkg and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 wine wine32:i386 xvfb xauth imagemagick
  clang libclang-rt-14-dev
  # The only fonts the Wine tests see (tests/e2e/fonts.conf): pictures of text
  # must not depend on what else a machine has installed.
  fonts-dejavu-core fonts-wine
  # The portable code's unit tests on a 32-bit ABI: a static i686 Linux build,
  # run through qemu-i386 where the kernel runs no 32-bit code itself.
  g++-i686-linux-gnu qemu-user
  # ept's manual page and Debian package: man and col to check the page,
  # dpkg-shlibdeps and file for CPack's Depends line
  man-db bsdextrautils dpkg-dev file
)
# The benchmark compares against these; they are small.
[ "${ZORVANEX_BENCH_DEPS:-0}" = 1 ] && packages+=(openssl gnupg time)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "deps: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

exec "$(dirname "$0")/run32.sh"
