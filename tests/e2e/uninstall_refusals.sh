#!/usr/bin/env bash
# The uninstaller that removes nothing: run under another name it says so,
# takes its proper name (replacing the file of that name) and exits; under its
# name in other letters, with blanks and arguments behind it, it asks, and No
# leaves registry, files and Startup folder as they were.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
source "$(dirname "$0")/uninstaller_lib.sh"
e2e_begin "$@"

install_dir=$(installer_install_dir)
install_by_hand "$install_dir"
uninstall_startup_folder_made
startup=$(uninstall_startup_folder)

# A copy named setup2.exe beside an older UNINSTALL.exe.
printf 'an older uninstaller\n' >"$install_dir/UNINSTALL.exe"
cp -- "$ZV_UNINSTALL_EXE" "$install_dir/setup2.exe"
drv <<EOF
start "${ZV_INSTALL_DIR_WIN}setup2.exe"
wait-box
expect-box-caption "$ZV_UNINSTALL_CAPTION"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q 'Do not try to rename "UNINSTALL.exe"')
answer OK
expect-exit 1
EOF
expect_no_file "$install_dir/setup2.exe"
expect_same_bytes "the copy under its proper name" "$ZV_UNINSTALL_EXE" "$install_dir/UNINSTALL.exe"
expect_file "$install_dir/ZORVANEX installed component.exe"
expect_file "$install_dir/README.txt"
expect_registration
expect_no_file "$startup/temp1234.bat"

# Another letter case, quoted, with blanks and arguments: the check passes and
# the question comes; No changes nothing.
mv -- "$install_dir/UNINSTALL.exe" "$install_dir/uninstall.EXE"
drv <<EOF
start "${ZV_INSTALL_DIR_WIN}uninstall.EXE"   /S extra  
wait-box
expect-box-caption "$ZV_UNINSTALL_CAPTION"
expect-box-icon none
expect-box-buttons YES NO
expect-box-text "$ZV_UNINSTALL_QUESTION"
answer NO
expect-exit 1
EOF
expect_eq "files after No" "README.txt|ZORVANEX installed component.exe|uninstall.EXE" \
    "$(ls "$install_dir" | paste -sd '|')"
expect_registration
expect_eq "Startup folder after No" "" "$(ls -A "$startup")"
