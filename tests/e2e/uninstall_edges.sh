#!/usr/bin/env bash
# Uninstalling in awkward places, each ending in the success message and the
# restart, after which Wine runs the batch file as the next logon would: started
# by its bare name from another folder (the folder it lies in is the
# installation, not the current one); a folder with a percent sign, an older
# batch file, the read-me already gone and a file of the user's; no Startup
# folder to be found.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
source "$(dirname "$0")/uninstaller_lib.sh"
e2e_begin "$@"

uninstall_startup_folder_made
startup=$(uninstall_startup_folder)

# Bare name, found along PATH, from a folder that holds files of the same names.
install_by_hand "$E2E_C/Apps/Z"
mkdir -p "$E2E_C/decoy"
printf 'not the main program\n' >"$E2E_C/decoy/ZORVANEX installed component.exe"
printf 'not the read-me\n' >"$E2E_C/decoy/README.txt"
cd "$E2E_C/decoy"
WINEPATH='C:\Apps\Z' uninstall_confirmed UNINSTALL.exe
cd "$E2E_WORK"
expect_eq "decoy main program" "not the main program" "$(cat "$E2E_C/decoy/ZORVANEX installed component.exe")"
expect_eq "decoy read-me" "not the read-me" "$(cat "$E2E_C/decoy/README.txt")"
expected_batch 'C:\Apps\Z\' >"$E2E_WORK/bare.bat"
expect_same_bytes "batch file after a bare-name start" "$E2E_WORK/bare.bat" "$startup/temp1234.bat"
expect_keys_gone
# The batch file has run: the uninstaller and then the emptied folder are gone.
expect_no_file "$E2E_C/Apps/Z"
expect_file "$E2E_C/Apps"

# A percent sign in the folder, the read-me gone, a file of the user's, and a
# longer batch file of the same name from before.
dir="$E2E_C/Apps/100% sure"
install_by_hand "$dir"
rm -- "$dir/README.txt"
printf 'my notes\n' >"$dir/my notes.txt"
head -c 1000 /dev/zero | tr '\0' x >"$startup/temp1234.bat"
uninstall_confirmed "\"C:\\Apps\\100% sure\\UNINSTALL.exe\""
expected_batch 'C:\Apps\100% sure\' >"$E2E_WORK/percent.bat"
expect_same_bytes "batch file replacing an older one" "$E2E_WORK/percent.bat" "$startup/temp1234.bat"
expect_keys_gone
# The batch file found the uninstaller under its percent sign; the folder stays
# for the user's file.
expect_eq "left in the folder" "my notes.txt" "$(ls -A "$dir")"

# No Startup folder to be found: no batch file anywhere, least of all at the
# root of the current drive; the rest goes on.
rm -- "$startup/temp1234.bat"
install_by_hand "$E2E_C/Apps/Z"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Startup /d "" /f
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v Startup /d "" /f
mkdir -p "$E2E_C/current"
cd "$E2E_C/current"
uninstall_confirmed '"C:\Apps\Z\UNINSTALL.exe"'
cd "$E2E_WORK"
expect_no_file "$E2E_C/temp1234.bat"
expect_no_file "$E2E_C/current/temp1234.bat"
expect_no_file "$startup/temp1234.bat"
# The system's deletions at the restart still remove the uninstaller and its folder.
expect_no_file "$E2E_C/Apps/Z"
expect_keys_gone
