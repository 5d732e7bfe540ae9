#!/usr/bin/env bash
# Closing the installer by any means asks the question of "X": WM_CLOSE (the
# taskbar's Close) and Alt+F4 on the Installing page, each answered No, and the
# installation goes on to its end; on the Finished page WM_CLOSE answered Yes
# ends the installer with 1, the programs in place.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy
setup=$(winpath "$E2E_C/setup/$ZV_SETUP_NAME")
install_dir=$(installer_install_dir)
question="If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?"

# exit_question ANSWER: the box that "X" shows, answered.
exit_question() {
    cat <<EOF
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon question
expect-box-buttons YES NO
expect-box-text "$question"
answer $1
EOF
}

drv <<EOF
start "$setup"
wait-window InstallerClass1
click InstallerClass1 #421
click InstallerClass1 #421
expect-state InstallerClass1 PROGRESS_BAR:0 visible
close InstallerClass1
$(exit_question NO)
expect-state InstallerClass1 PROGRESS_BAR:0 visible
key InstallerClass1 Alt+F4
$(exit_question NO)
expect-state InstallerClass1 PROGRESS_BAR:0 visible
expect-no-file $(q "${ZV_INSTALL_DIR_WIN}ZORVANEX installed component.exe")
# The bar runs on to 100 percent (about 81 s): the Finished page.
timeout 240000
expect-state InstallerClass1 #421 visible
timeout 10000
expect-state InstallerClass1 PROGRESS_BAR:0 hidden
close InstallerClass1
$(exit_question YES)
expect-exit 1
EOF

expect_registration
expect_file "$install_dir/ZORVANEX installed component.exe"
expect_file "$install_dir/UNINSTALL.exe"
