#!/usr/bin/env bash
# Start-up and memory of the game against a bare window of the same shape, then the cost
# of each event of play. With EARLIER_BUILD_DIR, that build's game starts in turn with the
# others and gets a column of its own, so that a change is measured in one run.
# Usage: bench/measure.sh BUILD_DIR [STARTS [EARLIER_BUILD_DIR]]
set -euo pipefail

usage="usage: bench/measure.sh BUILD_DIR [STARTS [EARLIER_BUILD_DIR]]"
build="${1:?$usage}"
starts="${2:-41}"
earlier="${3:-}"
probe="$build/bench/ombrix_startup_probe"
play="$build/bench/ombrix_play_bench"
export QT_QPA_PLATFORM=offscreen
kinds=(game baseline)
[ -z "$earlier" ] || kinds+=(earlier)

samples="$(mktemp)"
trap 'rm -f "$samples"' EXIT

# Alternate the two so that whatever else the machine does falls on both alike.
for ((i = 0; i < starts; ++i)); do
    for kind in "${kinds[@]}"; do
        run=("$probe" "$kind")
        [ "$kind" != earlier ] || run=("$earlier/bench/ombrix_startup_probe" game)
        begin=$(date +%s%N)
        line="$("${run[@]}" 2>/dev/null)"
        end=$(date +%s%N)
        echo "$kind $line process_us $(((end - begin) / 1000))" >>"$samples"
    done
done

median() { # kind field
    awk -v kind="$1" -v field="$2" \
        '$1 == kind { for (i = 2; i < NF; i += 2) if ($i == field) print $(i + 1) }' "$samples" |
        sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

printf 'Start-up, median of %d starts each (offscreen)\n' "$starts"
if [ -n "$earlier" ]; then
    printf '%-40s %10s %10s %7s %10s %7s\n' "" game baseline ratio earlier ratio
else
    printf '%-40s %10s %10s %7s\n' "" game baseline ratio
fi
ratio() { awk -v g="$1" -v b="$2" 'BEGIN { printf "%.2f", g / b }'; }
for field in built_us paint_us frame_us process_us maxrss_kb; do
    case $field in
    built_us) what="main to window built (us)" ;;
    paint_us) what="main to first paint of the table (us)" ;;
    frame_us) what="main to first frame done (us)" ;;
    process_us) what="whole process, launch to exit (us)" ;;
    maxrss_kb) what="peak resident memory (KiB)" ;;
    esac
    g=$(median game "$field")
    b=$(median baseline "$field")
    if [ -n "$earlier" ]; then
        e=$(median earlier "$field")
        printf '%-40s %10s %10s %7s %10s %7s\n' "$what" "$g" "$b" "$(ratio "$g" "$b")" "$e" "$(ratio "$e" "$b")"
    else
        printf '%-40s %10s %10s %7s\n' "$what" "$g" "$b" "$(ratio "$g" "$b")"
    fi
done

if [ "${OMBRIX_SKIP_PLAY:-}" != 1 ]; then
    echo
    echo "Events of play (/0: handler alone, /1: handler and its repaint)"
    "$play" --benchmark_counters_tabular=true 2>/dev/null
fi
