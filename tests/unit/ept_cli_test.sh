#!/usr/bin/env bash
# Drives the built ept binary end to end: round trips, refusals, exit statuses
# and what it prints. Usage: ept_cli_test.sh path/to/ept VERSION
set -u
ept=$(realpath "$1")
version=$2
source "$(dirname "$0")/expect.sh"
enter_scratch_folder ept-cli

# run STDIN ARGS...: runs ept without a controlling terminal, so it can never
# wait on one; sets $rc, $out and $err.
run() {
    local input=$1
    shift
    printf '%s' "$input" | setsid -w "$ept" "$@" >out.txt 2>err.txt
    rc=$?
    out=$(cat out.txt)
    err=$(cat err.txt)
}

# A failure is exit status 1 and one line on standard error.
expect_failure() {
    local what=$1
    shift
    run "$@"
    expect "$what: status" 1 "$rc"
    expect "$what: lines on stderr ($err)" 1 "$(wc -l <err.txt)"
}

hex() { od -An -tx1 -v -j "$2" -N "$3" "$1" | tr -d ' \n'; }

printf 'hello world\n' >REPORT.DOC
head -c 100000 /dev/urandom >random.bin

# Round trip with a password from standard input, default names.
run $'abc\n' encrypt REPORT.DOC --password-stdin
expect "encrypt: status" 0 "$rc"
expect "encrypt: silent when stderr is no terminal" "" "$err"
expect "encrypt: proposal keeps the case" "REPORT.ept" "$(ls REPORT.ept 2>/dev/null)"
expect "encrypt: header + body" 176 "$(stat -c %s REPORT.ept)"
mkdir restore && cp REPORT.ept restore/
run $'abc\n' decrypt restore/REPORT.ept --password-stdin
expect "decrypt: status" 0 "$rc"
expect "decrypt: the stored name beside the source" "hello world" "$(cat restore/REPORT.DOC 2>/dev/null)"

# The header's vectors, as the Windows program writes them.
printf 'x' >abc.txt
run 'abc' encrypt abc.txt --password-stdin
expect "vector: status (password without a line end)" 0 "$rc"
expect "vector: signature A" 56635a22e6a585006712dab50c22f32e22040000 "$(hex abc.ept 0 20)"
expect "vector: signature B" f80c0100d93918fa728fa700c0fdffff32e34282 "$(hex abc.ept 144 20)"
expect "vector: name" 8b878bd19c9d9e00 "$(hex abc.ept 20 8)"
expect "vector: password and length" 628e54 "$(hex abc.ept 120 3)"
expect "vector: length byte" 03 "$(hex abc.ept 140 1)"
expect "vector: filler" cccccc "$(hex abc.ept 141 3)"

# A bigger file, no password, explicit destination.
run '' encrypt random.bin -o r.EPT --no-password
expect "no password: status" 0 "$rc"
run '' decrypt r.EPT -o random.out
expect "no password: decrypt asks nothing" 0 "$rc"
cmp -s random.bin random.out
expect "no password: same bytes" 0 $?

# Wrong password: refused, nothing written.
expect_failure "wrong password" $'abd\n' decrypt REPORT.ept -o wrong.txt --password-stdin
expect "wrong password: no file" "" "$(ls wrong.txt 2>/dev/null)"
expect_failure "password in the other case" $'ABC\n' decrypt REPORT.ept -o wrong.txt --password-stdin

# Existing destination: refused without --force, replaced with it.
printf 'old' >taken.ept
expect_failure "existing destination" '' encrypt REPORT.DOC -o taken.ept --no-password
expect "existing destination: untouched" old "$(cat taken.ept)"
run '' encrypt REPORT.DOC -o taken.ept --no-password --force
expect "--force: status" 0 "$rc"
expect "--force: replaced" 176 "$(stat -c %s taken.ept)"

# The windows' rules.
run $'01234567890123456789\n' encrypt REPORT.DOC -o twenty.ept --password-stdin
expect "20-character password" 0 "$rc"
expect_failure "21-character password" $'012345678901234567890\n' encrypt REPORT.DOC -o long.ept --password-stdin
expect "21-character password: no file" "" "$(ls long.ept 2>/dev/null)"
expect_failure "encrypting an encrypted file" '' encrypt REPORT.ept -o again.ept --no-password
cp REPORT.ept disguised.dat
expect_failure "encrypting an encrypted file under another name" '' encrypt disguised.dat --no-password
expect_failure "decrypting an encrypted file under another name" $'abc\n' decrypt disguised.dat -o d.out --password-stdin
case $err in *"rename it to disguised.EPT"*) ;; *) expect "wrong name: message" "...rename it to disguised.EPT..." "$err" ;; esac
expect "wrong name: no file" "" "$(ls d.out 2>/dev/null)"
printf 'plain text' >fake.ept
expect_failure "encrypting an .ept file without a header" '' encrypt fake.ept -o x.ept --no-password
expect_failure "decrypting an .ept file without a header" '' decrypt fake.ept -o x.txt
expect_failure "decrypting a file that is not encrypted" '' decrypt REPORT.DOC -o x.txt
expect_failure "a destination without .ept" '' encrypt REPORT.DOC -o report.bin --no-password
expect_failure "no terminal for the password" '' encrypt random.bin -o t.ept
expect_failure "missing source" '' encrypt nothing.txt --no-password
long=$(printf 'p%.0s' $(seq 1000))
expect_failure "path of 1000 characters" '' encrypt "$long" --no-password
case $err in *"path too long"*) ;; *) expect "path of 1000 characters: message" "path too long" "$err" ;; esac

# Damaged header: password length 21, both signatures intact.
cp abc.ept damaged.ept
printf '\x15' | dd of=damaged.ept bs=1 seek=140 conv=notrunc status=none
expect_failure "damaged header" $'abc\n' decrypt damaged.ept -o d.txt --password-stdin
case $err in *damaged*) ;; *) expect "damaged header: message" "...damaged..." "$err" ;; esac
expect_failure "damaged header: info" '' info damaged.ept

# info: the stored name, whether a password is set, the body size.
run '' info REPORT.ept
expect "info: status" 0 "$rc"
expect "info: output" $'stored name: REPORT.DOC\npassword:    yes\nbody:        12 bytes' "$out"
run '' info r.EPT
expect "info without a password" "password:    no" "$(sed -n 2p out.txt)"
expect_failure "info on a plain file" '' info REPORT.DOC
# A stored name with control characters is shown escaped, never sent raw.
printf 'x' >$'bell\a\033[2J.txt'
run '' encrypt $'bell\a\033[2J.txt' -o escape.ept --no-password
run '' info escape.ept
expect "info: control characters escaped" 'stored name: bell\x07\x1B[2J.txt' "$(sed -n 1p out.txt)"

# Many files in one call. Each gets its own destination; one password line on
# standard input serves them all (a second read would find none).
mkdir many && cd many || exit 1
printf 'one' >one.txt
printf 'two' >two.doc
: >empty
run $'pw\n' encrypt one.txt two.doc empty --password-stdin
expect "many: status" 0 "$rc"
expect "many: only the summary" "ept: 3 succeeded, 0 failed" "$err"
expect "many: each beside its source" "empty.ept one.ept two.ept" "$(echo *.ept)"
mkdir back && mv ./*.ept back/
run $'pw\n' decrypt back/*.ept --password-stdin
expect "many back: status" 0 "$rc"
expect "many back: contents" "one|two|" "$(cat back/one.txt)|$(cat back/two.doc)|$(cat back/empty)"
cd .. || exit 1

# One of three missing: the other two are done, the missing one has its own line.
mkdir gap && cd gap || exit 1
printf '1' >first.txt
printf '3' >third.txt
run '' encrypt first.txt missing.txt third.txt --no-password
expect "gap: status" 1 "$rc"
expect "gap: the others written" "first.ept third.ept" "$(echo *.ept)"
expect "gap: lines on stderr ($err)" 2 "$(wc -l <err.txt)"
case $(sed -n 1p err.txt) in *"cannot open missing.txt"*) ;; *) expect "gap: failure line" "...missing.txt..." "$err" ;; esac
expect "gap: summary last" "ept: 2 succeeded, 1 failed" "$(sed -n 2p err.txt)"
# Files without a password decrypt with no terminal and no --password-stdin.
mkdir out && mv first.ept third.ept out/
run '' decrypt out/first.ept out/third.ept
expect "no password needed: status" 0 "$rc"
expect "no password needed: contents" "13" "$(cat out/first.txt out/third.txt)"
cd .. || exit 1

# A wrong password for one file of several: that file is refused, the others done.
mkdir mixed && cd mixed || exit 1
for f in p1 p2 n3; do printf '%s' "$f" >$f.dat; done
run $'abc\n' encrypt p1.dat --password-stdin
run $'xyz\n' encrypt p2.dat --password-stdin
run '' encrypt n3.dat --no-password
rm ./*.dat
run $'abc\n' decrypt p1.ept p2.ept n3.ept --password-stdin
expect "mixed: status" 1 "$rc"
expect "mixed: stderr" $'ept: wrong password for p2.ept\nept: 2 succeeded, 1 failed' "$err"
expect "mixed: restored" "n3.dat p1.dat" "$(echo *.dat)"
expect "mixed: contents" "p1n3" "$(cat p1.dat n3.dat)"
cd .. || exit 1

# Two encrypted files holding the same name: the second never replaces what the
# call just wrote, not even with --force.
mkdir same same/a same/b && cd same || exit 1
printf 'from a' >a/same.txt
printf 'from b' >b/same.txt
run '' encrypt a/same.txt -o a.ept --no-password
run '' encrypt b/same.txt -o b.ept --no-password
run '' decrypt a.ept b.ept --force
expect "same name: status" 1 "$rc"
expect "same name: the first kept" "from a" "$(cat same.txt)"
case $err in *"same.txt was just written from a.ept"*) ;; *) expect "same name: message" "...just written from a.ept..." "$err" ;; esac
# Nor may a destination replace another file given in the call.
printf 'plain' >c.txt
printf 'not yet encrypted' >c.ept
run '' encrypt c.txt c.ept --no-password --force
expect "named in the call: status" 1 "$rc"
expect "named in the call: untouched" "not yet encrypted" "$(cat c.ept)"
cd .. || exit 1

# Without a password to be had the call stops: the files left are skipped.
mkdir stop && cd stop || exit 1
printf 'x' >s1.txt
printf 'y' >s2.txt
run '' encrypt s1.txt s2.txt
expect "no terminal, several: status" 1 "$rc"
expect "no terminal, several: summary" "ept: 0 succeeded, 1 failed, 1 skipped" "$(tail -n 1 err.txt)"
expect "no terminal, several: nothing written" "" "$(ls ./*.ept 2>/dev/null)"
cd .. || exit 1

# -o with several files: a usage error before anything is read or written.
mkdir two && cd two || exit 1
printf 'a' >a.txt
printf 'b' >b.txt
run '' encrypt a.txt b.txt -o x.ept --no-password
expect "-o with two files: status" 2 "$rc"
expect "-o with two files: nothing written" "" "$(ls ./*.ept 2>/dev/null)"
cd .. || exit 1

# --help and --version as GNU tools give them: on standard output, status 0,
# wherever they stand.
for args in "--help" "-h" "encrypt a --help" "decrypt --bogus --help"; do
    # shellcheck disable=SC2086
    run '' $args
    expect "help [ept $args]: status" 0 "$rc"
    expect "help [ept $args]: first line" "Usage: ept encrypt [OPTION]... FILE..." "$(sed -n 1p out.txt)"
    expect "help [ept $args]: stderr" "" "$err"
done
run '' --version
expect "--version: status" 0 "$rc"
expect "--version: first line" "ept (ZORVANEX) $version" "$(sed -n 1p out.txt)"
run '' encrypt -- --help
expect "a file named --help after --" 1 "$rc"

# Usage errors: status 2, with a pointer to --help.
for args in "" "bogus" "encrypt" "encrypt a b -o c" "encrypt a --bogus" "encrypt a -o" \
    "encrypt a --no-password --password-stdin" "decrypt a --no-password" "info a -o b" "info" "info a b"; do
    # shellcheck disable=SC2086
    run '' $args
    expect "usage error [ept $args]" 2 "$rc"
    expect "usage error [ept $args]: hint" "Try 'ept --help' for more information." "$(tail -n 1 err.txt)"
done

end_checks
