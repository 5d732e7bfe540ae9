#!/usr/bin/env bash
# "Shut Down Computer after Encryption" and "... after Decryption": after the
# run the program asks the system to power off instead of showing the success
# message. Under Wine that ends the whole session of this test's own prefix
# (the driver with it), which the harness throws away afterwards. The file is
# complete, and the source stays (no delete option was chosen).
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
docs=$E2E_C/docs
mkdir -p "$docs"
head -c 500000 /dev/urandom >"$docs/log.txt"
cp "$docs/log.txt" "$E2E_WORK/log.txt"

# shut_down_after WINDOW START_BUTTON FILE: ticks the shutdown option, starts the
# run and expects the session to end with no message box coming up.
shut_down_after() {
    local output status=0
    output=$(drv <<EOF
start "$main" $(q "$3")
wait-window $1
click-at $1 20 310
expect-pixel $1 28 311 0 0 255
click $1 $2
$4
wait-window ClassThreadDispSta
expect-no-window "#32770" 15000
expect-exit 1
EOF
) || status=$?
    echo "$output"
    if grep -q '^FAIL' <<<"$output"; then e2e_fail "the driver failed (status $status)"; fi
    if grep -q 'SUCCESSFULLY' <<<"$output"; then e2e_fail "the success message came up"; fi
    if grep -q 'commands passed' <<<"$output"; then
        e2e_fail "the driver finished its script: the shutdown did not end the Wine session"
    fi
    timeout 20 wineserver -w || e2e_fail "Wine processes still run 20 s after the shutdown"
    echo "ended without a message (driver status $status)"
}

shut_down_after EncryptClass1 '#423' 'C:\docs\log.txt' \
    "expect-box $(q 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.') OK"
e2e_encrypt "$E2E_WORK/log.txt" "$E2E_WORK/log.ept"
expect_same_bytes "encrypted before the shutdown" "$E2E_WORK/log.ept" "$docs/LOG.EPT"
expect_same_bytes "source after the shutdown" "$E2E_WORK/log.txt" "$docs/log.txt"

rm "$docs/log.txt"
shut_down_after DecryptClass1 '#424' 'C:\docs\LOG.EPT' ''
expect_same_bytes "decrypted before the shutdown" "$E2E_WORK/log.txt" "$docs/LOG.TXT"
expect_file "$docs/LOG.EPT"
