#!/usr/bin/env bash
# The whole life of an installation, as a user lives it: the SETUP file installs
# into the default folder; the shell starts the main program through the
# "ENCRYPT/DECRYPT" verb on an ordinary file and by opening an ".ept" file, each
# in the right window with the right destination; the uninstall entry's command
# removes the keys and files, leaves the batch file and restarts, and the
# restarted session runs the batch file, which takes the rest.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
source "$(dirname "$0")/uninstaller_lib.sh"
e2e_begin "$@"

installer_copy
uninstall_startup_folder_made
startup=$(uninstall_startup_folder)

# Install: NEXT, INSTALL, the progress bar to 100 percent (about 81 s), FINISH,
# and No to the restart.
drv <<EOF
start "$(winpath "$E2E_C/setup/$ZV_SETUP_NAME")"
wait-window InstallerClass1
click InstallerClass1 #421
expect-state InstallerClass1 #422 visible
click InstallerClass1 #421
expect-state InstallerClass1 PROGRESS_BAR:0 visible
timeout 120000
expect-state InstallerClass1 #421 visible
timeout 10000
click InstallerClass1 #421
expect-box "To complete the installation process, the computer should be restarted. Do you want to restart now?" NO
expect-exit 1
EOF
expect_registration
expect_eq "installed files" "README.txt|UNINSTALL.exe|ZORVANEX installed component.exe" \
    "$(ls "$install_dir" | paste -sd '|')"
expect_same_bytes "the installed uninstaller is this build's" "$ZV_UNINSTALL_EXE" "$install_dir/UNINSTALL.exe"

# Through the shell. Wine's ShellExecute looks for a verb only under the type of
# the file's extension, so the driver names the type "*" as Explorer's menu does.
# A double-click takes the default verb; the ".ept" type has only "Decrypt",
# which Windows then uses, but Wine's default is "open" alone (and `wine start`
# always asks for "open"), so the driver names "Decrypt".
mkdir -p "$E2E_C/docs"
printf 'quarterly figures\n' >"$E2E_C/docs/report one.doc"
printf 'dear reader\n' >"$E2E_C/docs/letter.txt"
e2e_encrypt "$E2E_C/docs/letter.txt" "$E2E_C/docs/old letter.ept"
drv <<EOF
shell-open ENCRYPT/DECRYPT $(q 'C:\docs\report one.doc') *
wait-window EncryptClass1
expect-text EncryptClass1 #521 $(q 'C:\DOCS\REPORT ONE.EPT')
close EncryptClass1
expect-exit 1
shell-open Decrypt $(q 'C:\docs\old letter.ept')
wait-window DecryptClass1
expect-text DecryptClass1 #521 $(q 'C:\DOCS\LETTER.TXT')
close DecryptClass1
expect-exit 1
EOF
expect_eq "files left by closing the windows" "letter.txt|old letter.ept|report one.doc" \
    "$(ls "$E2E_C/docs" | paste -sd '|')"

# Uninstall with the command Windows takes from the uninstall entry.
uninstall_command=$(reg_value "$ZV_UNINSTALL_KEY" UninstallString)
expect_eq "uninstall command" "\"${ZV_INSTALL_DIR_WIN}UNINSTALL.exe\"" "$uninstall_command"
uninstall_confirmed "$uninstall_command"
expect_keys_gone
expected_batch "$ZV_INSTALL_DIR_WIN" >"$E2E_WORK/expected.bat"
expect_same_bytes "batch file" "$E2E_WORK/expected.bat" "$startup/temp1234.bat"
# The uninstaller deleted the main program and the read-me; the batch file, run
# by the restarted session, the uninstaller and the emptied folder. The parent
# folder stays.
expect_no_file "$install_dir/ZORVANEX installed component.exe"
expect_no_file "$install_dir/README.txt"
expect_no_file "$install_dir/UNINSTALL.exe"
expect_no_file "$install_dir"
expect_file "$E2E_C/$ZV_PROGRAM_FILES/Pelk Softwares"
