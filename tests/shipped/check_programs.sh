#!/usr/bin/env bash
# The shipped programs checked as files: each is a GUI program of the build's
# architecture, imports nothing but system DLLs (it must run on a bare
# Windows), and carries its manifest with the right execution level and its
# version resource.
#
#   check_programs.sh TOOL_PREFIX FILE_KIND BUILD_DIR
#     TOOL_PREFIX  i686-w64-mingw32 or x86_64-w64-mingw32 (objdump, windres)
#     FILE_KIND    what file(1) must say, e.g. "PE32 executable (GUI) Intel 80386"
set -euo pipefail
prefix=$1 kind=$2 build=$3

# What every Windows since 7 has in system32; the C runtime msvcrt.dll included.
system_dlls='advapi32.dll comdlg32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll ole32.dll shell32.dll shlwapi.dll user32.dll'

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check FILE LEVEL: LEVEL is the manifest's requestedExecutionLevel.
check() {
    local exe=$1 level=$2 name
    name=$(basename "$exe")
    [ -f "$exe" ] || { fail "$name: not built ($exe)"; return; }
    local what
    what=$(file -b "$exe")
    [[ $what == "$kind"* ]] || fail "$name: expected a file of the kind [$kind], got [$what]"

    local headers
    headers=$("$prefix-objdump" -p "$exe")
    grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" ||
        fail "$name: expected the Windows GUI subsystem, got [$(grep -E '^Subsystem' <<<"$headers")]"
    local dll
    for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z'); do
        [[ " $system_dlls " == *" $dll "* ]] || fail "$name: imports $dll, which is not a system DLL"
    done

    local resources
    resources=$("$prefix-windres" -i "$exe" -O rc 2>/dev/null) || { fail "$name: windres cannot read its resources"; return; }
    grep -q '^1 24 ' <<<"$resources" || fail "$name: expected a manifest resource (1 24), found none"
    grep -q "requestedExecutionLevel level=\"\"$level\"\"" <<<"$resources" ||
        fail "$name: expected the execution level $level in its manifest, got [$(grep -o 'requestedExecutionLevel level=""[a-zA-Z]*' <<<"$resources")]"
    grep -q '^1 VERSIONINFO' <<<"$resources" || fail "$name: expected a version resource, found none"
    grep -q 'FILEVERSION 3, 1, ' <<<"$resources" ||
        fail "$name: expected the file version 3.1, got [$(grep 'FILEVERSION' <<<"$resources" | head -1)]"
    echo "$name: $what; imports $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | paste -sd ' ')"
}

check "$build/main/ZORVANEX installed component.exe" asInvoker
check "$build/installer/ZORVANEX(version-3.1) SETUP.exe" requireAdministrator
check "$build/uninstaller/UNINSTALL.exe" requireAdministrator

[ "$failures" -eq 0 ] || { echo "$failures failed checks"; exit 1; }
echo "the shipped programs are as they should be"
