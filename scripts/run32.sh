#!/usr/bin/env bash
# Makes 32-bit x86 Linux programs (wine32's loader, the i686 unit tests) run.
# Some kernels are built without 32-bit emulation: every i386 ELF fails with
# "Exec format error". There qemu-i386 is registered for i386 ELF through
# binfmt_misc; machines that run 32-bit code natively are left alone.
set -euo pipefail
probe=/usr/lib/wine/wine   # wine32's loader: an i386 ELF that prints and exits
[ -x "$probe" ] || { echo "run32: no $probe (wine32 not installed)" >&2; exit 1; }
"$probe" --version >/dev/null 2>&1 && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
binfmt=/proc/sys/fs/binfmt_misc
[ -f "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
  # The i386 ELF executable header, as qemu's own binfmt table gives it. "F"
  # opens the interpreter now, so it also works inside other mount namespaces.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" | $sudo tee "$binfmt/register" >/dev/null
  echo "run32: this kernel runs no 32-bit code; registered qemu-i386 for i386 programs (slow, but they run)" >&2
fi
"$probe" --version >/dev/null 2>&1 || { echo "run32: i386 programs still do not run" >&2; exit 1; }
