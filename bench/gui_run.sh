#!/usr/bin/env bash
# Wall time of an encryption through the main program's windows under Wine,
# against a copy of the same file by Wine's own `cmd /c copy`, the engine in a
# Wine console program without windows (zfixture), and the native ept.
#
#   bench/gui_run.sh [SIZE_MIB]          default 256 MiB
#
# Needs a win64 build (ZV_BUILD_DIR, default build/win64; its e2e template is
# made when missing) and builds ept with the release preset (BENCH_BUILD, default
# build/release). Runs inside a throwaway copy of the e2e template prefix under
# its own Xvfb, like an end-to-end test. BENCH_RUNS (default 5) rounds, each
# running every command once in turn on a file already in the page cache, with
# the output removed and the disk synced before each run. The GUI run is timed
# from the driver's start of the program to its exit after the success message
# was answered, so it includes starting the program, the window, the clicks and
# the two message boxes. Every command also runs on an empty file; "net" is the
# median time minus that fixed cost. Medians are printed with the ratios to the
# Wine copy. CI does not run it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
size_mib=${1:-256}
runs=${BENCH_RUNS:-5}
build=${BENCH_BUILD:-$here/build/release}

if [ -z "${ZV_E2E_UNDER_XVFB:-}" ]; then
    [ -f "$build/build.ninja" ] || cmake --preset release -S "$here" -B "$build" >/dev/null
    cmake --build "$build" --target ept >/dev/null
fi
export BENCH_EPT=${BENCH_EPT:-$build/tools/ept/ept}
export ZV_E2E_TIMEOUT=${ZV_E2E_TIMEOUT:-1800}
E2E_NAME=bench_gui_run
source "$here/tests/e2e/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
dir=$E2E_C/b
mkdir -p "$dir"
head -c $((size_mib * 1024 * 1024)) /dev/urandom >"$dir/source.bin"
: >"$dir/empty.bin"
echo "bench: $size_mib MiB of random bytes, $runs rounds, Wine $(wine --version)"

commands=(wine-copy gui zfixture ept)

# run NAME INPUT: one run of NAME on C:\b\INPUT.bin, its output removed first.
run() {
    local name=$1 input=$2
    rm -f "$dir"/*.EPT "$dir"/out.*
    sync
    case $name in
    wine-copy) wine cmd /c copy /y "C:\\b\\$input.bin" "C:\\b\\out.bin" >/dev/null ;;
    zfixture) wine "$ZV_FIXTURE" encrypt "C:\\b\\$input.bin" "C:\\b\\out.ept" ;;
    ept) "$BENCH_EPT" encrypt "$dir/$input.bin" -o "$dir/out.ept" --no-password ;;
    gui)
        drv >/dev/null <<EOF
start "$main" "C:\\b\\$input.bin"
wait-window EncryptClass1
click EncryptClass1 #423
expect-box $(q 'YOU DID NOT GIVE A PASSWORD FOR THE ENCRYPTED FILE. SO ANYONE WHO POSSES THIS SOFTWARE CAN DECRYPT YOUR ENCRYPTED FILE.') OK
wait-box 600000
expect-box-text $(q "C:\\b\\$input.bin HAS BEEN SUCCESSFULLY ENCRYPTED")
answer OK
expect-exit 1
EOF
        ;;
    esac
}

# timed NAME INPUT: prints the seconds one run took.
timed() {
    local from to
    from=$(date +%s.%N)
    # No pictures: each waits for the screen to settle, which is not the program's time.
    E2E_NO_SHOTS=1 run "$1" "$2"
    to=$(date +%s.%N)
    awk -v a="$from" -v b="$to" 'BEGIN { printf "%.3f\n", b - a }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Wine's first start of each program costs more; not counted.
for name in "${commands[@]}"; do run "$name" empty; done

declare -A full empty
for round in $(seq "$runs"); do
    for name in "${commands[@]}"; do
        full[$name]+="$(timed "$name" source) "
        empty[$name]+="$(timed "$name" empty) "
    done
    echo "bench: round $round done"
done

# The GUI's output must be the engine's.
run gui source
mv "$dir/SOURCE.EPT" "$E2E_WORK/gui.ept"
run zfixture source
cmp "$E2E_WORK/gui.ept" "$dir/out.ept" || e2e_fail "the GUI's file differs from the engine's"

copy_full=$(tr ' ' '\n' <<<"${full[wine-copy]}" | grep . | median)
copy_empty=$(tr ' ' '\n' <<<"${empty[wine-copy]}" | grep . | median)
printf '%-10s %10s %10s %10s %14s %12s\n' command "median s" "empty s" "net s" "ratio (raw)" "ratio (net)"
for name in "${commands[@]}"; do
    f=$(tr ' ' '\n' <<<"${full[$name]}" | grep . | median)
    e=$(tr ' ' '\n' <<<"${empty[$name]}" | grep . | median)
    awk -v n="$name" -v f="$f" -v e="$e" -v cf="$copy_full" -v ce="$copy_empty" 'BEGIN {
        printf "%-10s %10.3f %10.3f %10.3f %13.2fx %11.2fx\n", n, f, e, f - e, f / cf, (f - e) / (cf - ce) }'
done
rm -f "$dir"/*
