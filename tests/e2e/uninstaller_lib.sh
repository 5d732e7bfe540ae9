# What the uninstaller's end-to-end tests share: sourced after lib.sh and
# installer_lib.sh.
ZV_UNINSTALL_CAPTION="ZORVANEX(version-3.1) Uninstaller"
ZV_UNINSTALL_QUESTION="Do you really want to remove ZORVANEX(version-3.1) and all of its components from your computer?"
ZV_UNINSTALL_SUCCESS="Zorvanex has been successfully removed from your computer. To complete the uninstallation, the computer must be restarted. Exit all other running applications(if any) and press OK."
ZV_KEYS=('HKCR\*\Shell\ENCRYPT/DECRYPT' 'HKCR\.ept' 'HKCR\encrypted_file' "$ZV_UNINSTALL_KEY")

# The current user's Startup folder. Windows always has one; a fresh Wine
# prefix does not, so a test makes it (uninstall_startup_folder_made).
uninstall_startup_folder() {
    printf '%s' "$E2E_C/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp"
}

uninstall_startup_folder_made() {
    mkdir -p "$(uninstall_startup_folder)"
}

# .reg strings escape backslashes and double quotes.
reg_string() {
    local s=${1//\\/\\\\}
    printf '"%s"' "${s//\"/\\\"}"
}

# install_by_hand LINUX_DIR: the state an installation into LINUX_DIR leaves:
# the three files and the nine registry values as the installer writes them.
install_by_hand() {
    local dir=$1 win
    win="$(winpath "$dir")\\"
    mkdir -p "$dir"
    cp -- "$ZV_MAIN_EXE" "$dir/ZORVANEX installed component.exe"
    cp -- "$ZV_UNINSTALL_EXE" "$dir/UNINSTALL.exe"
    expected_readme >"$dir/README.txt"
    local program="\"${win}ZORVANEX installed component.exe\""
    local uninstall="\"${win}UNINSTALL.exe\""
    local reg="$E2E_WORK/installed.reg"
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CLASSES_ROOT\\*\\Shell\\ENCRYPT/DECRYPT\\command]\r\n@=%s\r\n\r\n' "$(reg_string "$program \"%1\"")"
        printf '[HKEY_CLASSES_ROOT\\.ept]\r\n@="encrypted_file"\r\n\r\n'
        printf '[HKEY_CLASSES_ROOT\\encrypted_file\\shell\\Decrypt\\command]\r\n@=%s\r\n\r\n' \
            "$(reg_string "$program \"%1\"")"
        printf '[HKEY_CLASSES_ROOT\\encrypted_file\\DefaultIcon]\r\n@=%s\r\n\r\n' "$(reg_string "$program")"
        # The uninstall entry where the installer of this build writes it (the
        # 32-bit registry view for the i686 programs).
        printf '[%s]\r\n' "${ZV_UNINSTALL_KEY/#HKLM/HKEY_LOCAL_MACHINE}"
        printf '"DisplayIcon"=%s\r\n"UninstallString"=%s\r\n' "$(reg_string "$program")" "$(reg_string "$uninstall")"
        printf '"Publisher"="Pelk Softwares"\r\n"DisplayVersion"="3.1"\r\n"DisplayName"="ZORVANEX(version-3.1)"\r\n'
    } | iconv -f UTF-8 -t CP1252 >"$reg"  # regedit reads a REGEDIT4 file in the ANSI code page
    wine regedit /S "$(winpath "$reg")"
    expect_eq "UninstallString written by hand" "$uninstall" "$(reg_value "$ZV_UNINSTALL_KEY" UninstallString)"
}

expect_keys_present() {
    local key
    for key in "${ZV_KEYS[@]}"; do
        wine reg query "$key" >/dev/null 2>&1 || e2e_fail "expected the key $key to exist; it does not"
    done
}

expect_keys_gone() {
    local key
    for key in "${ZV_KEYS[@]}"; do
        if wine reg query "$key" >/dev/null 2>&1; then e2e_fail "expected no key $key; it is still there"; fi
    done
}

# The batch file's bytes for an installation directory (a Windows path with its
# trailing backslash), written here independently of the uninstaller's code:
# four lines, CR LF between them, none after the last; a percent sign doubled.
expected_batch() {
    local dir=${1//%/%%}
    printf '@echo off\r\ndel "%sUNINSTALL.exe"\r\nrmdir "%s"\r\ndel "temp1234.bat"' "$dir" "${dir%\\}"
}

# uninstall_confirmed COMMAND_LINE [LINES]: starts the uninstaller with that exact
# command line, answers Yes and then OK (running the driver LINES, if given,
# while the success message is up), and expects the restart to end the Wine
# session: the driver is ended before it can finish its script, no other box or
# window comes up in between. Wine's restart (wineboot --kill) then boots the
# session again and, as the next logon on Windows, runs the Startup folder's
# items, the batch file among them, in the uninstaller's current folder; this
# waits until all of that has ended.
uninstall_confirmed() {
    local output status=0
    output=$(drv <<EOF
start $1
wait-box
expect-box-caption "$ZV_UNINSTALL_CAPTION"
expect-box-icon none
expect-box-buttons YES NO
expect-box-text "$ZV_UNINSTALL_QUESTION"
answer YES
wait-box
expect-box-caption "$ZV_UNINSTALL_CAPTION"
expect-box-icon information
expect-box-buttons OK
expect-box-text "$ZV_UNINSTALL_SUCCESS"
${2:-}
answer OK
expect-no-window "#32770" 15000
EOF
) || status=$?
    echo "$output"
    grep -qF "box text:    \"$ZV_UNINSTALL_SUCCESS\"" <<<"$output" || e2e_fail "no success message came up"
    if grep -q '^FAIL' <<<"$output"; then e2e_fail "the driver failed before the restart"; fi
    if grep -q 'commands passed' <<<"$output"; then
        e2e_fail "the driver finished its script: the restart did not end the Wine session"
    fi
    timeout 20 wineserver -w || e2e_fail "Wine processes still run 20 s after the restart"
    echo "the restart ended the Wine session (driver status $status)"
}

# The driver lines that save, while the uninstaller waits, the operations the
# system is to carry out at the restart, as `reg query` lists them, into the file
# C:\pending.txt.
ZV_PENDING_QUERY='start C:\windows\system32\cmd.exe /c reg query "HKLM\System\CurrentControlSet\Control\Session Manager" /v PendingFileRenameOperations >C:\pending.txt
expect-exit 0'
