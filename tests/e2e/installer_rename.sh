#!/usr/bin/env bash
# The installer under another name: the message, the file renamed back to its
# proper name (replacing another file of that name), nothing installed; and a
# name that differs only in letter case passes the check.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy setup.exe
printf 'an older download\n' >"$E2E_C/setup/$ZV_SETUP_NAME"

drv <<EOF
start "$(winpath "$E2E_C/setup/setup.exe")"
wait-box
expect-box-caption "ZORVANEX(version-3.1)"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q 'Do not try to rename "ZORVANEX(version-3.1) SETUP.exe"')
answer OK
expect-exit 1
EOF
expect_no_file "$E2E_C/setup/setup.exe"
expect_same_bytes "renamed back" "$ZV_SETUP_EXE" "$E2E_C/setup/$ZV_SETUP_NAME"
expect_no_file "$E2E_C/$ZV_PROGRAM_FILES/Pelk Softwares"
expect_eq "registry after the refusal" "" "$(reg_value "$ZV_UNINSTALL_KEY" DisplayName)"

# Only the letters' case differs: the wizard opens; X and Yes end it.
mv "$E2E_C/setup/$ZV_SETUP_NAME" "$E2E_C/setup/zorvanex(version-3.1) setup.EXE"
drv <<EOF
start "$(winpath "$E2E_C/setup/zorvanex(version-3.1) setup.EXE")"
wait-window InstallerClass1
click InstallerClass1 #423
expect-box "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?" YES
expect-exit 1
EOF
expect_file "$E2E_C/setup/zorvanex(version-3.1) setup.EXE"
