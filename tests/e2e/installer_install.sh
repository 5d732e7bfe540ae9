#!/usr/bin/env bash
# One full installation through the wizard, into the default folder (it has
# blanks): every page, BACK and NEXT keeping the folder, X answered No on the
# directory and Finished pages, the progress bar to 100 percent, FINISH answered
# No; then the nine registry values, the read-me's bytes and the two programs
# against the slices of the installer file.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy

drv <<EOF
start "$setup"
wait-window InstallerClass1
expect-text InstallerClass1 . "ZORVANEX(version-3.0)"
expect-rect InstallerClass1 128 159 768 450
expect-state InstallerClass1 #421 visible
expect-state InstallerClass1 #422 hidden
expect-state InstallerClass1 #425 hidden
expect-state InstallerClass1 #423 visible
expect-state InstallerClass1 #424 visible
capture InstallerClass1 page1-welcome.bmp

click InstallerClass1 #421
expect-state InstallerClass1 #422 visible
expect-state InstallerClass1 #425 visible
expect-state InstallerClass1 PELK_STATIC_BUTTON:0 visible
capture InstallerClass1 page2-directory.bmp
click InstallerClass1 #423
expect-box "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?" NO

click InstallerClass1 #425
expect-state InstallerClass1 #422 hidden
expect-state InstallerClass1 #425 hidden
expect-state InstallerClass1 PELK_STATIC_BUTTON:0 hidden
capture InstallerClass1 page1-after-back.bmp
click InstallerClass1 #421
expect-state InstallerClass1 #422 visible
capture InstallerClass1 page2-after-next.bmp

click InstallerClass1 #421
expect-state InstallerClass1 #421 hidden
expect-state InstallerClass1 #422 hidden
expect-state InstallerClass1 PROGRESS_BAR:0 visible
expect-state InstallerClass1 SLIDE_VIEWER:0 visible
expect-file $(q "${ZV_INSTALL_DIR_WIN}README.txt")
expect-no-file $(q "${ZV_INSTALL_DIR_WIN}UNINSTALL.exe")
capture InstallerClass1 page3-installing-start.bmp
expect-no-window "#32770" 40000
capture InstallerClass1 page3-installing-midway.bmp
expect-no-file $(q "${ZV_INSTALL_DIR_WIN}ZORVANEX installed component.exe")

timeout 90000
expect-state InstallerClass1 #421 visible
timeout 10000
expect-state InstallerClass1 PROGRESS_BAR:0 hidden
expect-state InstallerClass1 SLIDE_VIEWER:0 hidden
expect-state InstallerClass1 PELK_STATIC_BUTTON:1 visible
capture InstallerClass1 page4-finished.bmp
click InstallerClass1 #423
expect-box "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?" NO
expect-state InstallerClass1 #421 visible

click InstallerClass1 #421
wait-box
expect-box-caption "ZORVANEX(version-3.1)"
expect-box-icon information
expect-box-buttons YES NO
expect-box-text "To complete the installation process, the computer should be restarted. Do you want to restart now?"
answer NO
expect-exit 1
EOF

# Going back and forth keeps the folder: the directory page looks the same.
expect_same_bytes "directory page after BACK and NEXT" "$E2E_SHOTS/page2-directory.bmp" \
    "$E2E_SHOTS/page2-after-next.bmp"

expect_registration

expected_readme >"$E2E_WORK/README.expected"
expect_same_bytes "README.txt" "$E2E_WORK/README.expected" "$install_dir/README.txt"

# The payload: the main program is the installer file's last bytes, the
# uninstaller the bytes before them; both are the programs of this build.
setup_file="$E2E_C/setup/$ZV_SETUP_NAME"
main_size=$(stat -c %s "$ZV_MAIN_EXE")
uninstall_size=$(stat -c %s "$ZV_UNINSTALL_EXE")
tail -c "$main_size" "$setup_file" >"$E2E_WORK/main.slice"
tail -c $((main_size + uninstall_size)) "$setup_file" >"$E2E_WORK/payload"
head -c "$uninstall_size" "$E2E_WORK/payload" >"$E2E_WORK/uninstall.slice"
expect_same_bytes "installed main program" "$E2E_WORK/main.slice" "$install_dir/ZORVANEX installed component.exe"
expect_same_bytes "installed uninstaller" "$E2E_WORK/uninstall.slice" "$install_dir/UNINSTALL.exe"
expect_same_bytes "main program slice" "$ZV_MAIN_EXE" "$E2E_WORK/main.slice"
expect_same_bytes "uninstaller slice" "$ZV_UNINSTALL_EXE" "$E2E_WORK/uninstall.slice"
expect_eq "files in the installation directory" \
    "README.txt|UNINSTALL.exe|ZORVANEX installed component.exe" "$(ls "$install_dir" | paste -sd '|')"

# From INSTALL (read-me written) to the file step (uninstaller written).
echo "installing took $(($(stat -c %Y "$install_dir/UNINSTALL.exe") - $(stat -c %Y "$install_dir/README.txt"))) s"
