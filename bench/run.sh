#!/usr/bin/env bash
# Throughput of ept against dd, cp, openssl and gpg on one big file of random
# bytes, after the substitution kernels alone (bench/kernel_bench).
#
#   bench/run.sh [SIZE_MIB] [WORK_FOLDER]      defaults: 1024 MiB, $TMPDIR/zorvanex-bench
#
# First kernel_bench prints each substitution kernel's speed in memory on one
# core (BENCH_KERNEL_ROUNDS rounds, default 5; 0 leaves it out). Then BENCH_RUNS
# (default 5) rounds; in each round every command runs once, in turn, so a slow
# moment of the machine hits all of them alike, and every other round in reverse
# order. Each run starts with its output removed and the disk synced. Two times
# are taken per run: until the command exits (the data may still sit in the page
# cache), and until a `sync` after it has put everything on the disk. The medians
# are printed, each as a throughput ratio to `dd bs=256K` (a plain user-space
# copy: read and write, nothing else) and to cp, with the largest peak memory
# (resident set) of the runs, the processor, and the load average before and
# after. ept and kernel_bench are built with the release preset (folder
# BENCH_BUILD, default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

size_mib=${1:-1024}
work=${2:-${TMPDIR:-/tmp}/zorvanex-bench}
runs=${BENCH_RUNS:-5}
kernel_rounds=${BENCH_KERNEL_ROUNDS:-5}
build=${BENCH_BUILD:-build/release}

ZORVANEX_BENCH_DEPS=1 scripts/deps.sh
[ -f "$build/build.ninja" ] || cmake --preset release -B "$build" >/dev/null
cmake --build "$build" --target ept kernel_bench >/dev/null
ept=$(realpath "$build/tools/ept/ept")

load() { cut -d ' ' -f 1-3 /proc/loadavg; }
processor=$(grep -m 1 '^model name' /proc/cpuinfo | sed 's/^[^:]*: *//' || true)
echo "bench: ${processor:-unknown processor}, $(nproc) cores, load average $(load)"
if [ "$kernel_rounds" -gt 0 ]; then
    "$build/bench/kernel_bench" "$kernel_rounds"
    echo
fi

mkdir -p "$work"
work=$(realpath "$work")
trap 'rm -rf "$work"' EXIT

# The source, its encrypted copy for the decryption runs, and one output at a time.
need_mib=$((size_mib * 3 + 64))
free_mib=$(($(df -Pk "$work" | awk 'NR == 2 { print $4 }') / 1024))
if [ "$free_mib" -lt "$need_mib" ]; then
    echo "bench: $work has $free_mib MiB free, $need_mib MiB are needed; give a smaller size" >&2
    exit 1
fi

source=$work/source.bin
echo "bench: $size_mib MiB of random bytes in $work, $runs rounds"
# Written in 1 MiB blocks, as ept writes the encrypted copy: the page cache then
# holds both inputs alike, and reading either costs the same.
dd if=/dev/urandom of="$source" bs=1M count="$size_mib" iflag=fullblock status=none
"$ept" encrypt "$source" -o "$work/source.ept" --no-password
mkdir -m 700 "$work/gnupg"
printf 'bench passphrase\n' >"$work/passphrase"

commands=(dd cp ept-encrypt ept-decrypt openssl gpg)

# command_line NAME OUTPUT: the command of one run, in the array `line`.
command_line() {
    case $1 in
    dd) line=(dd if="$source" of="$2" bs=256K status=none) ;;
    cp) line=(cp "$source" "$2") ;;
    ept-encrypt) line=("$ept" encrypt "$source" -o "$2" --no-password) ;;
    ept-decrypt) line=("$ept" decrypt "$work/source.ept" -o "$2") ;;
    openssl) line=(openssl enc -aes-128-ctr -K 000102030405060708090a0b0c0d0e0f
                   -iv 0f0e0d0c0b0a09080706050403020100 -in "$source" -out "$2") ;;
    gpg) line=(gpg --homedir "$work/gnupg" --batch --yes --quiet --pinentry-mode loopback
               --passphrase-file "$work/passphrase" --symmetric --compress-algo none -o "$2" "$source") ;;
    esac
}

seconds() { awk -v from="$1" -v to="$2" 'BEGIN { printf "%.6f", to - from }'; }

declare -A cached synced memory
for ((round = 1; round <= runs; round++)); do
    # Every other round in reverse: no command always follows the same one (what a
    # command leaves behind, such as freed memory, can help or slow the next).
    order=("${commands[@]}")
    if ((round % 2 == 0)); then
        for ((i = 0; i < ${#commands[@]}; i++)); do order[i]=${commands[${#commands[@]} - 1 - i]}; done
    fi
    for name in "${order[@]}"; do
        output=$work/output.ept  # ept encrypt wants the extension; the others do not care
        rm -f "$output"
        sync
        command_line "$name" "$output"
        start=$EPOCHREALTIME
        /usr/bin/time -f %M -o "$work/rss" "${line[@]}"
        exited=$EPOCHREALTIME
        sync
        flushed=$EPOCHREALTIME
        cached[$name]+="$(seconds "$start" "$exited") "
        synced[$name]+="$(seconds "$start" "$flushed") "
        memory[$name]+="$(cat "$work/rss") "
        if [ "$round" = 1 ]; then
            case $name in
            ept-encrypt) cmp -s "$output" "$work/source.ept" || { echo "bench: ept encrypt wrote other bytes" >&2; exit 1; } ;;
            ept-decrypt) cmp -s "$output" "$source" || { echo "bench: ept decrypt did not restore the source" >&2; exit 1; } ;;
            esac
        fi
    done
    rm -f "$work/output.ept"
    echo "bench: round $round of $runs done"
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
largest() { tr ' ' '\n' | grep . | sort -g | tail -n 1; }

dd_cached=$(echo "${cached[dd]}" | median)
dd_synced=$(echo "${synced[dd]}" | median)
cp_cached=$(echo "${cached[cp]}" | median)
cp_synced=$(echo "${synced[cp]}" | median)
echo
printf '%-12s %9s %8s %6s %6s %14s %6s %6s %10s\n' command "median s" "MiB/s" "vs dd" "vs cp" "median s+sync" \
    "vs dd" "vs cp" "peak RSS"
for name in "${commands[@]}"; do
    c=$(echo "${cached[$name]}" | median)
    s=$(echo "${synced[$name]}" | median)
    m=$(echo "${memory[$name]}" | largest)
    awk -v n="$name" -v c="$c" -v s="$s" -v m="$m" -v dc="$dd_cached" -v ds="$dd_synced" \
        -v cc="$cp_cached" -v cs="$cp_synced" -v size="$size_mib" \
        'BEGIN { printf "%-12s %9.3f %8.0f %6.2f %6.2f %14.3f %6.2f %6.2f %6.1f MiB\n",
                 n, c, size / c, dc / c, cc / c, s, ds / s, cs / s, m / 1024 }'
done
echo
echo "vs dd, vs cp: throughput as a share of dd bs=256K's or cp's (1.00 = as fast). Peak RSS limit for ept: 16 MiB."
echo "bench: load average at the end $(load)"
