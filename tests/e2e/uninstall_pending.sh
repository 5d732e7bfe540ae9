#!/usr/bin/env bash
# What the batch file cannot delete without administrator rights, the
# uninstaller has the system delete at the restart: after Yes the registry holds
# the deletion of UNINSTALL.exe and then of the installation folder, and the
# restarted session carries them out (here without any batch file: no Startup
# folder), leaving the folder for a file of the user's. The batch file names an
# installation folder with an umlaut in the OEM code page, as cmd reads it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
source "$(dirname "$0")/uninstaller_lib.sh"
e2e_begin "$@"

uninstall_startup_folder_made
startup=$(uninstall_startup_folder)

# C:\Apps\<U umlaut>: 0xDC on the command line (ANSI), 0x9A in the batch file (OEM).
install_by_hand "$E2E_C/Apps/Ü"
uninstall_confirmed $'"C:\\Apps\\\xdc\\UNINSTALL.exe"'
expected_batch $'C:\\Apps\\\x9a\\' >"$E2E_WORK/oem.bat"
expect_same_bytes "batch file in the OEM code page" "$E2E_WORK/oem.bat" "$startup/temp1234.bat"
expect_keys_gone
expect_no_file "$E2E_C/Apps/Ü"
rm -- "$startup/temp1234.bat"

# The default folder under Program Files, a file of the user's in it, and no
# Startup folder to be found: only the system's deletions at the restart act.
dir=$(installer_install_dir)
install_by_hand "$dir"
printf 'my notes\n' >"$dir/my notes.txt"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Startup /d "" /f
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Startup /d "" /f
uninstall_confirmed "\"${ZV_INSTALL_DIR_WIN}UNINSTALL.exe\"" "$ZV_PENDING_QUERY"
pending_dir="\\??\\${ZV_INSTALL_DIR_WIN%\\}"
expect_eq "the deletions registered for the restart" \
    "PendingFileRenameOperations    REG_MULTI_SZ    $pending_dir\UNINSTALL.exe\0\0$pending_dir\0" \
    "$(tr -d '\r' <"$E2E_C/pending.txt" | sed -n 's/^ *//; /^PendingFileRenameOperations/p')"
# Carried out by the restarted session: the uninstaller is gone, the folder
# stays for the user's file, and nothing is left to do at the next restart.
expect_eq "left in the installation folder" "my notes.txt" "$(ls -A "$dir")"
expect_file "$(dirname "$dir")"
if wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations >/dev/null 2>&1; then
    e2e_fail "the deletions are still registered after the restart"
fi
expect_keys_gone
