#!/usr/bin/env bash
# The installer's window without a full installation: hover look of a caption
# button and its clearing by the background, dragging by the background, by a
# button's corner, by the directory display and by the slide viewer, a cancelled
# folder browser, the exit question answered No and
# then Yes while installing.
# X answered Yes leaves the registry values and the read-me but writes no program.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installer_lib.sh"
e2e_begin "$@"

installer_copy

# Client points: (698, 427) lies on the forward button's innermost ring, below
# its caption; (400, 420) is background; (649, 401) is the button's top left
# corner, outside its rounded shape.
drv <<EOF
start "$setup"
wait-window InstallerClass1
move-to InstallerClass1 400 420
expect-pixel InstallerClass1 698 427 120 120 120
move-to InstallerClass1 698 427
expect-pixel InstallerClass1 698 427 240 240 180
capture InstallerClass1 forward-button-hover.bmp
move-to InstallerClass1 400 420
expect-pixel InstallerClass1 698 427 120 120 120

drag InstallerClass1 400 420 450 440
expect-rect InstallerClass1 178 179 768 450
drag InstallerClass1 649 401 599 381
expect-rect InstallerClass1 128 159 768 450

click InstallerClass1 #423
wait-box
expect-box-caption "ZORVANEX(version-3.1)"
expect-box-icon question
expect-box-buttons YES NO
expect-box-text "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?"
answer NO
expect-no-window "#32770" 500
expect-state InstallerClass1 #421 visible

click InstallerClass1 #421
expect-state InstallerClass1 #425 visible
drag InstallerClass1 300 250 350 270
expect-rect InstallerClass1 178 179 768 450
capture InstallerClass1 directory-before-browse.bmp
click InstallerClass1 #422
wait-window "#32770"
capture "#32770" folder-browser.bmp
close "#32770"
wait-gone "#32770"
move-to InstallerClass1 400 420
capture InstallerClass1 directory-after-browse.bmp
click InstallerClass1 #421
expect-state InstallerClass1 PROGRESS_BAR:0 visible
expect-no-window "#32770" 3000
drag InstallerClass1 400 200 350 180
expect-rect InstallerClass1 128 159 768 450
click InstallerClass1 #423
expect-box "If you leave now, the installation will remain incomplete. Do you still want to quit the installation setup?" YES
expect-exit 1
EOF

# Cancelling the folder browser leaves the directory display as it was.
expect_same_bytes "directory page after a cancelled BROWSE" "$E2E_SHOTS/directory-before-browse.bmp" \
    "$E2E_SHOTS/directory-after-browse.bmp"

expect_registration
expected_readme >"$E2E_WORK/README.expected"
expect_same_bytes "README.txt" "$E2E_WORK/README.expected" "$install_dir/README.txt"
expect_no_file "$install_dir/ZORVANEX installed component.exe"
expect_no_file "$install_dir/UNINSTALL.exe"
