# What the installer's end-to-end tests share: sourced after lib.sh.
ZV_SETUP_EXE="$ZV_BUILD_DIR/installer/ZORVANEX(version-3.1) SETUP.exe"
ZV_UNINSTALL_EXE="$ZV_BUILD_DIR/uninstaller/UNINSTALL.exe"
ZV_SETUP_NAME="ZORVANEX(version-3.1) SETUP.exe"
# A 32-bit installer on 64-bit Windows gets the 32-bit Program Files folder, and
# its HKLM\Software keys go to the 32-bit view (WOW6432Node), as on Windows.
if [ "${ZV_I686:-0}" = 1 ]; then
    ZV_PROGRAM_FILES='Program Files (x86)'
    ZV_UNINSTALL_KEY='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall\ZORVANEX'
else
    ZV_PROGRAM_FILES='Program Files'
    ZV_UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORVANEX'
fi
ZV_INSTALL_DIR_WIN="C:\\$ZV_PROGRAM_FILES\\Pelk Softwares\\ZORVANEX(version-3.1)\\"

# Copies the installer into C:\setup\ under its proper name (or NAME); sets
# $setup to the copy's Windows path and $install_dir to the default
# installation directory under $E2E_C.
installer_copy() {
    local name=${1:-$ZV_SETUP_NAME}
    [ -f "$ZV_SETUP_EXE" ] || e2e_die "no installer at $ZV_SETUP_EXE (build the win64 preset first)"
    mkdir -p "$E2E_C/setup"
    cp -- "$ZV_SETUP_EXE" "$E2E_C/setup/$name"
    setup=$(winpath "$E2E_C/setup/$name")
    install_dir=$(installer_install_dir)
}

installer_install_dir() {
    printf '%s' "$E2E_C/$ZV_PROGRAM_FILES/Pelk Softwares/ZORVANEX(version-3.1)"
}

# reg_value KEY [VALUE]: the data of a REG_SZ value, or nothing when it is missing.
reg_value() {
    local out
    if [ $# -eq 2 ]; then
        out=$(wine reg query "$1" /v "$2" 2>/dev/null) || return 0
    else
        out=$(wine reg query "$1" /ve 2>/dev/null) || return 0
    fi
    # "    NAME    REG_SZ    DATA": the data is everything after the type, which
    # reg writes in the OEM code page.
    sed -n 's/\r$//; s/^ *.* *REG_SZ    //p' <<<"$out" | head -1 | iconv -f CP437 -t UTF-8
}

# The nine values of an installation into the default folder, in order.
expect_registration() {
    local program="\"${ZV_INSTALL_DIR_WIN}ZORVANEX installed component.exe\""
    expect_eq 'HKCR\*\Shell\ENCRYPT/DECRYPT\command' "$program \"%1\"" \
        "$(reg_value 'HKCR\*\Shell\ENCRYPT/DECRYPT\command')"
    expect_eq 'HKCR\.ept' encrypted_file "$(reg_value 'HKCR\.ept')"
    expect_eq 'HKCR\encrypted_file\shell\Decrypt\command' "$program \"%1\"" \
        "$(reg_value 'HKCR\encrypted_file\shell\Decrypt\command')"
    expect_eq 'HKCR\encrypted_file\DefaultIcon' "$program" "$(reg_value 'HKCR\encrypted_file\DefaultIcon')"
    expect_eq DisplayIcon "$program" "$(reg_value "$ZV_UNINSTALL_KEY" DisplayIcon)"
    expect_eq UninstallString "\"${ZV_INSTALL_DIR_WIN}UNINSTALL.exe\"" \
        "$(reg_value "$ZV_UNINSTALL_KEY" UninstallString)"
    expect_eq Publisher "Pelk Softwares" "$(reg_value "$ZV_UNINSTALL_KEY" Publisher)"
    expect_eq DisplayVersion "3.1" "$(reg_value "$ZV_UNINSTALL_KEY" DisplayVersion)"
    expect_eq DisplayName "ZORVANEX(version-3.1)" "$(reg_value "$ZV_UNINSTALL_KEY" DisplayName)"
}

# The read-me's bytes, written here independently of the installer's code.
expected_readme() {
    local t6=$'\t\t\t\t\t\t' t2=$'\t\t'
    local lines=(
        "${t6}ZORVANEX(version-3.1)"
        "${t6}$(printf '_%.0s' {1..33})"
        "INSTALLING THE SOFTWARE:"
        "$(printf '_%.0s' {1..24})"
        "${t2}Double click on the \"ZORVANEX(version-3.1) SETUP.EXE\" icon & follow the instructions. You must install the software"
        "as an administrator otherwise the software may not be properly installed."
        ""
        ""
        "USING THE ZORVANEX:"
        "$(printf '_%.0s' {1..31})"
        "${t2}To encrypt any file right-click on any file and select \"ENCRYPT/DECRYPT\" from the drop-down menu. To decrypt an encrypted file"
        "just double-click on the encrypted file."
        ""
        ""
        "SOME IMPORTANT NOTES:"
        "$(printf '_%.0s' {1..21})"
        "${t2}1.Always run this software as an administrator."
        "${t2}2.Do not modify any installed component or move the installation folder to some different location."
    )
    local i
    for i in "${!lines[@]}"; do
        [ "$i" -gt 0 ] && printf '\r\n'
        printf '%s' "${lines[$i]}"
    done
}
