# The harness of the end-to-end tests: sourced by every tests/e2e/*.sh.
#
# A test runs the win64 programs for real under Xvfb and Wine. Once per build a
# template Wine prefix is made (make_template.sh, the e2e.template test); every
# test gets a fresh copy of it, its own Xvfb server and wineserver, and drives
# the programs with zdriver.exe. See tests/e2e/README.md.
set -euo pipefail

ZV_SOURCE_DIR=${ZV_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
# The programs under test come from ZV_BUILD_DIR; the driver, the fixtures and
# the template prefix from ZV_TOOLS_DIR, a win64 build: the i686 programs are
# driven by the 64-bit driver, which starts quickly even where 32-bit code is
# emulated.
ZV_BUILD_DIR=${ZV_BUILD_DIR:-$ZV_SOURCE_DIR/build/win64}
ZV_TOOLS_DIR=${ZV_TOOLS_DIR:-$ZV_BUILD_DIR}
ZV_DRIVER=$ZV_TOOLS_DIR/tests/driver/zdriver.exe
ZV_SAMPLE=$ZV_TOOLS_DIR/tests/driver/sample/zsample.exe
ZV_FIXTURE=$ZV_TOOLS_DIR/tests/e2e/zfixture.exe
ZV_MAIN_EXE="$ZV_BUILD_DIR/main/ZORVANEX installed component.exe"
ZV_TEMPLATE=$ZV_TOOLS_DIR/e2e/template
ZV_SCREENSHOTS=$ZV_BUILD_DIR/screenshots
ZV_SCREEN=1024x768x24
ZV_TITLE="ZORVANEX(version-3.1)"

export WINEDEBUG=-all
# The 64-bit loader, straight: with wine32 installed, `wine` starts the 32-bit
# loader first even for a 64-bit program (under qemu about 50 times slower).
# Wine derives the 32-bit loader from WINELOADER when a program starts one.
if [ -x /usr/lib/wine/wine64 ]; then
    ZV_WINE=/usr/lib/wine/wine64
else
    ZV_WINE=$(command -v wine || echo wine)
fi
export WINELOADER=$ZV_WINE
# Pictures of text depend on fonts: Wine sees only the fonts the project
# installs (fonts.conf), and the faces the programs ask for are mapped to one
# of them (wine_settings.reg).
export FONTCONFIG_FILE=$ZV_SOURCE_DIR/tests/e2e/fonts.conf

# Every wait of the driver and of the harness is multiplied by this. The i686
# stage (ZV_I686=1) needs more time per program start: a little in WoW64, and
# about 45 s where qemu-i386 runs the 32-bit side (binfmt_misc).
e2e_wait_scale() {
    if [ "${ZV_I686:-0}" != 1 ]; then
        echo 1
    elif grep -qs '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386; then
        echo 8
    else
        echo 2
    fi
}
ZV_WAIT_SCALE=${ZV_WAIT_SCALE:-$(e2e_wait_scale)}
wine() { "$ZV_WINE" "$@"; }
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

e2e_die() {
    echo "e2e: $*" >&2
    exit 1
}

# ---- the template prefix

# What the template depends on: a new Wine or new settings make a new template.
e2e_template_stamp() {
    printf '%s\n' "$(wine --version 2>/dev/null)" "$(cksum <"$ZV_SOURCE_DIR/tests/e2e/wine_settings.reg")" \
        "$(cksum <"$FONTCONFIG_FILE")" "wine32: $([ -x /usr/lib/wine/wine ] && echo yes || echo no)"
}

# Makes the template unless an up-to-date one exists. Safe against a second
# ctest run in the same build: the work happens under a lock, in a scratch
# folder that is renamed into place when complete.
e2e_make_template() {
    mkdir -p "$(dirname "$ZV_TEMPLATE")"
    exec 9>"$ZV_TEMPLATE.lock"
    flock 9
    local stamp
    stamp=$(e2e_template_stamp)
    if [ -f "$ZV_TEMPLATE/.zv-ready" ] && [ "$(cat "$ZV_TEMPLATE/.zv-ready")" = "$stamp" ]; then
        echo "e2e: template $ZV_TEMPLATE is up to date"
        exec 9>&-
        return 0
    fi
    local scratch started=$SECONDS
    scratch=$(mktemp -d "$ZV_TEMPLATE.new.XXXXXX")
    echo "e2e: making the Wine template in $scratch"
    local settings
    settings=$(WINEPREFIX=$scratch/prefix e2e_winpath_in_prefix "$ZV_SOURCE_DIR/tests/e2e/wine_settings.reg")
    WINEPREFIX=$scratch/prefix xvfb-run -a -s "-screen 0 $ZV_SCREEN -nolisten tcp" \
        bash -c '"$2" wineboot -i && "$2" regedit /S "$1" && wineserver -w' _ "$settings" "$ZV_WINE" \
        || { rm -rf "$scratch"; e2e_die "wineboot failed"; }
    printf '%s\n' "$stamp" >"$scratch/prefix/.zv-ready"
    rm -rf "$ZV_TEMPLATE"
    mv "$scratch/prefix" "$ZV_TEMPLATE"
    rmdir "$scratch"
    exec 9>&-
    echo "e2e: template ready in $((SECONDS - started)) s"
}

# A copy that costs little: the 670 MB of system DLLs (system32, winsxs) are
# hard links, which is safe because nothing writes into them; everything a
# program or Wine may change (registry, users, Program Files, the rest of
# C:\windows) is copied. Falls back to a full copy across file systems.
e2e_copy_prefix() {
    local from=$1 to=$2 big
    mkdir -p "$to"
    (cd "$from" && tar --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/winsxs -cf - .) |
        (cd "$to" && tar -xf -)
    for big in system32 winsxs; do
        cp -al "$from/drive_c/windows/$big" "$to/drive_c/windows/" 2>/dev/null ||
            cp -a "$from/drive_c/windows/$big" "$to/drive_c/windows/"
    done
}

# ---- one test

# Call first, with "$@". Runs the rest of the test under its own Xvfb server
# (re-executing the script under xvfb-run), with a fresh copy of the template,
# and cleans up however the test ends. Sets:
#   E2E_NAME   the test's name (the script's name without .sh)
#   E2E_WORK   an empty folder for the test's files; the current directory
#   E2E_C      the prefix's drive C: (files there have C:\ paths)
#   E2E_SHOTS  where the driver puts its pictures (BMP), turned into PNGs in
#              $ZV_SCREENSHOTS/$E2E_NAME at the end
e2e_begin() {
    E2E_NAME=${E2E_NAME:-$(basename "$0" .sh)}
    if [ -z "${ZV_E2E_UNDER_XVFB:-}" ]; then
        [ -f "$ZV_TEMPLATE/.zv-ready" ] || e2e_make_template
        ZV_E2E_UNDER_XVFB=1 exec timeout -k 10 "$((${ZV_E2E_TIMEOUT:-150} * ZV_WAIT_SCALE))" \
            xvfb-run -a -s "-screen 0 $ZV_SCREEN -nolisten tcp" bash "$0" "$@"
    fi
    [ -f "$ZV_DRIVER" ] || e2e_die "no driver at $ZV_DRIVER (build the win64 preset first)"
    [ -f "$ZV_MAIN_EXE" ] || e2e_die "no main program at $ZV_MAIN_EXE"

    E2E_RUN=$(mktemp -d /tmp/zv-e2e.XXXXXX)
    trap e2e_end EXIT
    trap 'exit 143' TERM INT
    export WINEPREFIX=$E2E_RUN/prefix
    e2e_copy_prefix "$ZV_TEMPLATE" "$WINEPREFIX"
    E2E_C=$WINEPREFIX/drive_c
    E2E_WORK=$E2E_RUN/work
    E2E_SHOTS=$E2E_RUN/shots
    mkdir -p "$E2E_WORK" "$E2E_SHOTS"
    rm -rf "${ZV_SCREENSHOTS:?}/$E2E_NAME"
    cd "$E2E_WORK"
    E2E_STARTED=$SECONDS
    echo "e2e: $E2E_NAME in $E2E_RUN on display $DISPLAY (programs of $ZV_BUILD_DIR, waits x$ZV_WAIT_SCALE)"
}

# Runs at exit: stops every Wine process of the prefix, keeps the pictures as
# PNGs and removes the prefix (kept with ZV_E2E_KEEP=1 when the test failed).
e2e_end() {
    local status=$?
    trap - EXIT TERM INT
    cd /
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    e2e_keep_shots
    if [ "$status" -ne 0 ] && [ "${ZV_E2E_KEEP:-0}" = 1 ]; then
        echo "e2e: kept $E2E_RUN"
    else
        rm -rf "$E2E_RUN"
    fi
    echo "e2e: $E2E_NAME ended with status $status after $((SECONDS - E2E_STARTED)) s"
    exit "$status"
}

e2e_keep_shots() {
    local bmp out=$ZV_SCREENSHOTS/$E2E_NAME
    for bmp in "$E2E_SHOTS"/*.bmp; do
        [ -f "$bmp" ] || continue
        mkdir -p "$out"
        convert "$bmp" "$out/$(basename "$bmp" .bmp).png" || echo "e2e: could not convert $bmp" >&2
    done
    [ -d "$out" ] && echo "e2e: pictures in $out"
    return 0
}

# ---- paths and texts

# The path a Windows program sees for a Linux path: C:\... inside the prefix's
# drive C:, Z:\... anywhere else.
e2e_winpath_in_prefix() {
    local path drive
    path=$(realpath -m -- "$1")
    drive=$(realpath -m -- "$WINEPREFIX/drive_c")
    if [ "$path" = "$drive" ]; then
        path='C:\'
    elif [[ $path == "$drive"/* ]]; then
        path="C:${path#"$drive"}"
    else
        path="Z:$path"
    fi
    printf '%s' "${path//\//\\}"
}

winpath() { e2e_winpath_in_prefix "$1"; }

# A text as one quoted driver word: backslashes doubled, quotes, line breaks
# and tabs escaped. Use it for every text that is not a plain word:
#   expect-box $(q "$path CAN NOT BE OPENED. ERROR NO. :0001") OK
q() {
    local s=$1
    s=${s//\\/\\\\}
    s=${s//\"/\\\"}
    s=${s//$'\n'/\\n}
    s=${s//$'\t'/\\t}
    printf '"%s"' "$s"
}

# ---- running things

# Runs a driver script read from standard input; returns the driver's status
# (0 passed, 1 an expectation failed, 2 a bad script). Under `set -e` a failure
# ends the test. Pictures of every window waited for go to E2E_SHOTS, unless
# E2E_NO_SHOTS is set (timings: each picture waits for the screen to settle).
drv() {
    # Counted by the scripts kept, so that $(drv ...) in a subshell counts too.
    E2E_STEP=$(($(find "$E2E_WORK" -maxdepth 1 -name '.step-*.drv' | wc -l) + 1))
    local script=$E2E_WORK/.step-$E2E_STEP.drv
    cat >"$script"
    local shots
    shots=$(find "$E2E_SHOTS" -name '[0-9][0-9]-*.bmp' | wc -l)
    echo "== driver step $E2E_STEP"
    local started=$SECONDS status=0
    local shot_options=(--shots "$(winpath "$E2E_SHOTS")" --first-shot "$shots")
    [ -z "${E2E_NO_SHOTS:-}" ] || shot_options=()
    wine "$ZV_DRIVER" "${shot_options[@]}" --wait-scale "$ZV_WAIT_SCALE" "$(winpath "$script")" || status=$?
    echo "== driver step $E2E_STEP: status $status after $((SECONDS - started)) s"
    return "$status"
}

# ---- pieces of driver scripts

# warning TEXT: the lines that expect the current step to show TEXT in a warning
# box with the product title and an OK button, and answer it:
#   drv <<EOF ... $(warning "YOUR PASSWORD IS NOT CORRECT") ... EOF
warning() {
    cat <<EOF
wait-box
expect-box-caption "$ZV_TITLE"
expect-box-icon warning
expect-box-buttons OK
expect-box-text $(q "$1")
answer OK
EOF
}

# Writes an encrypted copy of SOURCE to DESTINATION, as the programs would.
e2e_encrypt() {
    local source=$1 destination=$2 password=${3:-}
    wine "$ZV_FIXTURE" encrypt "$(winpath "$source")" "$(winpath "$destination")" ${password:+"$password"}
}

e2e_decrypt() {
    wine "$ZV_FIXTURE" decrypt "$(winpath "$1")" "$(winpath "$2")"
}

# ---- checks outside the driver

e2e_fail() {
    echo "FAIL: $*"
    exit 1
}

# expect_eq WHAT EXPECTED GOT
expect_eq() {
    [ "$2" = "$3" ] || e2e_fail "$1: expected [$2], got [$3]"
}

expect_file() { [ -e "$1" ] || e2e_fail "expected the file $1 to exist; it does not"; }
expect_no_file() { [ ! -e "$1" ] || e2e_fail "expected no file $1; it exists"; }

# expect_same_bytes WHAT EXPECTED_FILE GOT_FILE
expect_same_bytes() {
    cmp -s -- "$2" "$3" || e2e_fail "$1: $3 differs from $2 ($(cmp -- "$2" "$3" 2>&1 | head -1))"
}
