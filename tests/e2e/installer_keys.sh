#!/usr/bin/env bash
# The installer from the keyboard, with real key presses: Esc is X with its
# question (No stays, Yes ends with 1 and writes nothing on the Welcome page);
# Enter is the page's forward button: NEXT, INSTALL, nothing while installing,
# FINISH with its restart question.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy
exit_question="If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?"

drv <<EOF
start "$setup"
wait-window InstallerClass1
key InstallerClass1 Esc
wait-box
expect-box-icon question
expect-box-text "$exit_question"
answer NO
expect-state InstallerClass1 #421 visible
key InstallerClass1 Esc
expect-box "$exit_question" YES
expect-exit 1
EOF
expect_no_file "$install_dir"

drv <<EOF
start "$setup"
wait-window InstallerClass1
key InstallerClass1 Enter
expect-state InstallerClass1 #422 visible
expect-state InstallerClass1 #425 visible
key InstallerClass1 Enter
expect-state InstallerClass1 PROGRESS_BAR:0 visible
expect-state InstallerClass1 #421 hidden
expect-file $(q "${ZV_INSTALL_DIR_WIN}README.txt")
key InstallerClass1 Enter
expect-no-window "#32770" 1500
key InstallerClass1 Esc
expect-box "$exit_question" NO
timeout 150000
expect-state InstallerClass1 #421 visible
timeout 10000
key InstallerClass1 Enter
wait-box
expect-box-icon information
expect-box-text "To complete the installation process, the computer should be restarted. Do you want to restart now?"
answer NO
expect-exit 1
EOF
expect_registration
expect_file "$install_dir/ZORVANEX installed component.exe"
expect_file "$install_dir/UNINSTALL.exe"
