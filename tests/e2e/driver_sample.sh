#!/usr/bin/env bash
# The driver and the harness, proved against tests/driver/sample: every driver
# command once, a failing expectation and a bad script (the driver must say what
# it expected and what it got, and exit non-zero), and the ".ept" fixtures.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

sample=$(winpath "$ZV_SAMPLE")
mkdir -p "$E2E_C/out"

# The window, its controls, real and posted mouse input, the question box, the
# Save dialog with its overwrite question, pictures, moving by drag, the exit code.
drv <<EOF
start "$sample" hello  "a b" 
wait-window ZdriverSample
expect-text ZdriverSample . "Driver sample"
expect-text ZdriverSample #104 $(q 'hello  "a b" ')
expect-rect ZdriverSample 100 100 400 200
expect-rect ZdriverSample #100 110 170 200 24
expect-state ZdriverSample Edit visible
expect-state ZdriverSample #108 disabled
expect-state ZdriverSample Button:0 enabled
list-controls ZdriverSample
expect-pixel ZdriverSample 20 20 200 30 40
expect-pixel ZdriverSample 80 30 0 0 255
expect-pixel-in ZdriverSample 70 20 20 20 0 0 255
expect-no-pixel-in ZdriverSample 70 20 20 20 0 160 0
move-to ZdriverSample 300 20
expect-text ZdriverSample #107 "mouse 300,20"
click-at ZdriverSample 80 30
expect-pixel ZdriverSample 80 30 0 160 0
post-click-at ZdriverSample 80 30
expect-pixel ZdriverSample 80 30 0 0 255
set-text ZdriverSample #100 ""
expect-text ZdriverSample #105 "changes: 1"
type ZdriverSample Edit:0 "Go on?"
expect-text ZdriverSample #100 "Go on?"
expect-text ZdriverSample #105 "changes: 7"
click ZdriverSample #101
wait-box
expect-box-caption "Sample question"
expect-box-text "Go on?"
expect-box-icon question
expect-box-buttons YES NO
answer YES
expect-text ZdriverSample #102 YES
press ZdriverSample #101
expect-box "Go on?" NO
expect-text ZdriverSample #102 NO
get-text ZdriverSample #102
press ZdriverSample #103
wait-file-dialog
expect-file-name sample.txt
save-as $(q 'C:\out\saved.txt')
expect-file $(q 'C:\out\saved.txt')
expect-text ZdriverSample #102 $(q 'C:\out\saved.txt')
press ZdriverSample #103
save-as $(q 'C:\out\saved.txt')
wait-box
expect-box-icon warning
answer NO
wait-file-dialog
answer CANCEL
expect-text ZdriverSample #102 cancelled
capture ZdriverSample sample.bmp
print-pixel ZdriverSample 20 20
drag ZdriverSample 150 30 200 60
expect-rect ZdriverSample 150 130 400 200
post-drag ZdriverSample 150 30 100 10
expect-rect ZdriverSample 100 110 400 200
print-rect ZdriverSample
capture-screen screen.bmp
timeout 3000
expect-no-window "#32770" 300
list-windows
close ZdriverSample
wait-gone ZdriverSample
expect-exit 102
EOF
expect_eq "saved file" saved "$(cat "$E2E_C/out/saved.txt")"
expect_file "$E2E_SHOTS/sample.bmp"

# An error box without an owner that ends the program; kill.
drv <<EOF
start "$sample"
wait-window ZdriverSample
click ZdriverSample #106
wait-box
expect-box-icon error
expect-box-caption ZdriverSample
expect-box-text "SAMPLE FAILURE. ERROR NO. :0001"
answer OK
expect-exit 1
start "$sample"
wait-window ZdriverSample
kill
expect-exit 9999
expect-no-file $(q 'C:\out\nothing.txt')
EOF

# A failing expectation stops the script with status 1 and says what it
# expected and what it got; the program it started is ended.
status=0
output=$(drv <<EOF
timeout 500
start "$sample"
expect-text ZdriverSample #102 "something else"
list-windows
EOF
) || status=$?
echo "$output"
expect_eq "status of a failed expectation" 1 "$status"
grep -qF 'FAIL: expect-text ZdriverSample #102: expected "something else", got "none"' <<<"$output" ||
    e2e_fail "the failure does not say what it expected and got"
grep -qF 'FAILED at line 3' <<<"$output" || e2e_fail "the failure does not name its line"
if grep -qF '> 4:' <<<"$output"; then e2e_fail "the script went on after a failure"; fi
failure_shots=("$E2E_SHOTS"/*-failure-screen.bmp)
expect_file "${failure_shots[0]}"

# An area check says what it looked for and how much it saw.
status=0
output=$(drv <<EOF
timeout 500
start "$sample"
expect-pixel-in ZdriverSample 70 20 20 20 1 2 3
EOF
) || status=$?
echo "$output"
expect_eq "status of a failed area check" 1 "$status"
grep -qF 'FAIL: expect-pixel-in ZdriverSample 70,20 20x20: expected a pixel of 1 2 3, found 0 of 400' <<<"$output" ||
    e2e_fail "the failed area check does not say what it expected and saw"

status=0
output=$(drv <<EOF
timeout 500
expect-exit 1
EOF
) || status=$?
expect_eq "status of expect-exit without a program" 1 "$status"

# A bad script is refused before anything runs: status 2, the line named.
for bad in 'click-at ZdriverSample 1' 'set-text ZdriverSample #100 "C:\x"' 'wave ZdriverSample' 'start'; do
    status=0
    output=$(printf 'start "%s"\n%s\n' "$sample" "$bad" | drv) || status=$?
    echo "$output"
    expect_eq "status of the bad line [$bad]" 2 "$status"
    grep -q '^line 2: ' <<<"$output" || e2e_fail "the refusal of [$bad] does not name line 2"
    if grep -q 'started process' <<<"$output"; then e2e_fail "a bad script started a program"; fi
done

# The fixtures: an encrypted file has the header and one byte per source byte,
# and decrypts to the source.
printf 'fixture bytes\n' >"$E2E_C/out/plain.txt"
e2e_encrypt "$E2E_C/out/plain.txt" "$E2E_C/out/plain.ept" secret
expect_eq "encrypted size" $((164 + 14)) "$(stat -c %s "$E2E_C/out/plain.ept")"
expect_eq "signature A" "56635a22" "$(head -c 4 "$E2E_C/out/plain.ept" | od -An -tx1 | tr -d ' \n')"
e2e_decrypt "$E2E_C/out/plain.ept" "$E2E_C/out/again.txt"
expect_same_bytes "decrypted fixture" "$E2E_C/out/plain.txt" "$E2E_C/out/again.txt"
