#!/usr/bin/env bash
# The Debian package of ept, made by CPack from this build: its control fields,
# its files, and the installed program's round trip after `dpkg -x` into a
# scratch root. Also `cmake --install` into a scratch prefix.
# Usage: ept_package_test.sh BUILD_DIR VERSION
set -u
build=$(realpath "$1")
version=$2
source "$(dirname "$0")/expect.sh"
enter_scratch_folder ept-package

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1; then
    cat cpack.log
    echo "FAIL: cpack"
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=out/zorvanex-ept_${version}_$arch.deb
expect "package file" "$deb" "$(ls out/*.deb)"

field() { dpkg-deb -f "$deb" "$1"; }
expect "Package" zorvanex-ept "$(field Package)"
expect "Version" "$version" "$(field Version)"
expect "Architecture" "$arch" "$(field Architecture)"
[ -n "$(field Maintainer)" ] || expect "Maintainer" "a maintainer" ""
# Computed by dpkg-shlibdeps: the C library is always among them, with a version.
case $(field Depends) in *"libc6 (>= "*) ;; *) expect "Depends" "...libc6 (>= ...)..." "$(field Depends)" ;; esac
expect "files" $'./usr/bin/ept\n./usr/share/man/man1/ept.1.gz' \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)"

dpkg -x "$deb" root
ept=root/usr/bin/ept
expect "installed --version" "ept (ZORVANEX) $version" "$("$ept" --version | head -n 1)"
head -c 70000 /dev/urandom >data.bin
printf 'pw\n' | "$ept" encrypt data.bin --password-stdin
expect "installed encrypt: status" 0 $?
mkdir back && mv data.ept back/
printf 'pw\n' | "$ept" decrypt back/data.ept --password-stdin
expect "installed decrypt: status" 0 $?
cmp -s data.bin back/data.bin
expect "installed round trip: same bytes" 0 $?
manual=$(LC_ALL=C MANWIDTH=80 MAN_DISABLE_SECCOMP=1 man -l root/usr/share/man/man1/ept.1.gz 2>&1 | col -b)
case $manual in *"ept - encrypt and decrypt"*) ;; *) expect "installed manual" "ept - encrypt and decrypt ..." "$manual" ;; esac

# The plain install rules, into a prefix of one's own.
cmake --install "$build" --prefix "$work/prefix" >install.log 2>&1 || cat install.log
expect "cmake --install" $'bin/ept\nshare/man/man1/ept.1.gz' "$(cd prefix && find . -type f | sed 's|^\./||' | sort)"

end_checks
