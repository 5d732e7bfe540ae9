# What the tests of runs onto a drive that fails them share: sourced after lib.sh.

# drive_mounted LETTER OPTIONS: a 1 MiB tmpfs mounted with OPTIONS as Wine's
# drive LETTER, its Linux folder in drive_folder. Where nothing can be mounted
# (no root, no mount permission) the test says so and passes without running.
drive_mounted() {
    local letter=$1 options=$2
    drive_folder=$E2E_RUN/drive-$letter
    mkdir -p "$drive_folder"
    if ! mount -t tmpfs -o "$options,size=1m" tmpfs "$drive_folder" 2>/dev/null; then
        echo "SKIPPED: cannot mount a tmpfs ($options) here (needs root and mount permission)"
        exit 0
    fi
    # Unmounted before the harness removes the prefix; Wine may still hold it open.
    trap 'status=$?; umount -l "$drive_folder" 2>/dev/null; (exit $status); e2e_end' EXIT
    ln -s "$drive_folder" "$WINEPREFIX/dosdevices/$letter:"
}

# sources_made SIZE: C:\docs\data.bin of SIZE random bytes and C:\docs\sealed.ept,
# its encrypted copy without a password; copies of both stay in E2E_WORK.
sources_made() {
    docs=$E2E_C/docs
    mkdir -p "$docs"
    head -c "$1" /dev/urandom >"$docs/data.bin"
    cp "$docs/data.bin" "$E2E_WORK/data.bin"
    e2e_encrypt "$docs/data.bin" "$docs/sealed.ept"
    cp "$docs/sealed.ept" "$E2E_WORK/sealed.ept"
}

# failing_run encrypt|decrypt DESTINATION ERROR_TEXT [WAIT_FOR_PROGRESS]: the
# driver script that opens data.bin or sealed.ept, ticks the option to delete
# it, picks DESTINATION with BROWSE, starts the run (with the password "pw" when
# encrypting), waits for the progress window if asked, and expects the error
# box with ERROR_TEXT, answered, and the program's end with 1.
failing_run() {
    local kind=$1 destination=$2 text=$3 progress=${4:-}
    local class=EncryptClass1 source='C:\docs\data.bin' start='#423'
    if [ "$kind" = decrypt ]; then class=DecryptClass1 source='C:\docs\sealed.ept' start='#424'; fi
    cat <<EOF
start "$(winpath "$ZV_MAIN_EXE")" $(q "$source")
wait-window $class
click-at $class 20 280
# The tick of the option that deletes the source.
expect-pixel $class 28 281 0 0 255
click $class #426
wait-file-dialog
save-as $(q "$destination")
wait-gone "#32770"
expect-text $class #521 $(q "${destination^^}")
EOF
    [ "$kind" = decrypt ] || printf 'type %s Edit:1 pw\ntype %s Edit:2 pw\n' "$class" "$class"
    echo "click $class $start"
    [ -z "$progress" ] || echo "wait-window ClassThreadDispSta"
    cat <<EOF
wait-box 60000
expect-box-caption "$ZV_TITLE"
expect-box-icon error
expect-box-buttons OK
expect-box-text $(q "$text")
answer OK
expect-exit 1
EOF
}
