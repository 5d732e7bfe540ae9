#!/usr/bin/env bash
# Makes 32-bit x86 Linux programs (wine32's loader, the i686 unit tests) run.
# Some kernels are built without 32-bit emulation: every i386 ELF fails with
# "Exec format error". There qemu-i386 is registered for i386 ELF through
# binfmt_misc; machines that run 32-bit code natively are left alone.
#
#   ZV_FORCE_QEMU=1 scripts/run32.sh    registers qemu-i386 all the same, to
#                                        try the emulated path on such a machine
#   scripts/run32.sh --unregister       undoes the registration
set -euo pipefail
probe=/usr/lib/wine/wine   # wine32's loader: an i386 ELF that prints and exits
binfmt=/proc/sys/fs/binfmt_misc
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ "${1:-}" = --unregister ]; then
  [ -e "$binfmt/qemu-i386" ] && echo -1 | $sudo tee "$binfmt/qemu-i386" >/dev/null
  exit 0
fi
[ -x "$probe" ] || { echo "run32: no $probe (wine32 not installed)" >&2; exit 1; }
[ "${ZV_FORCE_QEMU:-0}" != 1 ] && "$probe" --version >/dev/null 2>&1 && exit 0

[ -f "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
  # The i386 ELF executable header, as qemu's own binfmt table gives it. "F"
  # opens the interpreter now, so it also works inside other mount namespaces.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" | $sudo tee "$binfmt/register" >/dev/null
  echo "run32: registered qemu-i386 for i386 programs (this kernel runs none itself, or ZV_FORCE_QEMU=1): slow, but they run" >&2
fi
"$probe" --version >/dev/null 2>&1 || { echo "run32: i386 programs still do not run" >&2; exit 1; }
