#!/usr/bin/env bash
# A read-me that cannot be created (a folder of that name is in the way): error
# 0103 owned by the wizard, exit 1, the registry values already written and no
# program file, even when the message stays open while the progress bar, which
# keeps running behind it, reaches 100 percent (about 81 s).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy
mkdir -p "$install_dir/README.txt"

drv <<EOF
start "$setup"
wait-window InstallerClass1
click InstallerClass1 #421
click InstallerClass1 #421
wait-box
expect-box-caption "ZORVANEX(version-3.1)"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q 'ERROR NO. :0103
Software Loading error. It may be due to its incompatiblity with your Operating System.')
expect-state InstallerClass1 PROGRESS_BAR:0 visible
expect-no-window InstallerClass1-never 86000
expect-no-file $(q "${ZV_INSTALL_DIR_WIN}ZORVANEX installed component.exe")
expect-state InstallerClass1 #421 hidden
answer OK
expect-exit 1
EOF

expect_registration
expect_no_file "$install_dir/ZORVANEX installed component.exe"
expect_no_file "$install_dir/UNINSTALL.exe"
