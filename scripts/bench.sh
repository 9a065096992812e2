#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: scripts/bench.sh BUILD-DIR [RUNS]
# Runs every benchmark of bench/ as built in BUILD-DIR and prints one
# Markdown table of figures, each beside what it is measured against in the
# same run, with the machine it ran on. RUNS (default 20) is how many times
# each program starts, in turns with the other, for the start-up figures.
# Needs Xvfb (xvfb, xauth) for the figures under X.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-20}
bench=$build/bench
for program in bench_conversion bench_tick bench_timer startup_runner startup_quorvel startup_floor startup_floor_fonts; do
    if [ ! -x "$bench/$program" ]; then
        echo "$bench/$program is missing: build with Google Benchmark installed (libbenchmark-dev)" >&2
        exit 1
    fi
done

# Qt complains on every start when this is unset; the complaint is not timed.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi

# median_cpu NAME < CSV: the median CPU time of a benchmark's repetitions, in ns.
median_cpu() {
    awk -F, -v name="\"$1_median\"" '$1 == name {
        unit = $5; gsub(/"/, "", unit)
        scale = unit == "ms" ? 1e6 : unit == "us" ? 1e3 : 1
        printf "%.6f\n", $4 * scale
    }'
}

# field KEY LINE: the value of KEY=value in a line of the runner's output.
field() {
    sed -n "s/.*$1=\([^ ]*\).*/\1/p" <<<"$2"
}

echo "Measuring the conversions ..." >&2
conversion=$("$bench/bench_conversion" --benchmark_format=csv --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null)
hours_ns=$(median_cpu HoursToServicePerCall <<<"$conversion")
service_ns=$(median_cpu ServiceToHoursPerCall <<<"$conversion")
sweep_ns=$(median_cpu EveryHourOfEverySection <<<"$conversion")

echo "Measuring a slider tick in the main window (offscreen) ..." >&2
tick=$(QT_QPA_PLATFORM=offscreen "$bench/bench_tick" --benchmark_format=csv --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true 2>/dev/null)
write_ns=$(median_cpu HoursBoxWrite <<<"$tick")
repaint_ns=$(median_cpu HoursBoxWriteAndRepaint <<<"$tick")
slider_ns=$(median_cpu SliderTick <<<"$tick")

echo "Measuring start-up, $runs starts of each, offscreen ..." >&2
starts=("$bench/startup_quorvel" "$bench/startup_floor" "$bench/startup_floor_fonts")
offscreen=$(QT_QPA_PLATFORM=offscreen "$bench/startup_runner" "$runs" "${starts[@]}")

scratch=$(mktemp -d)
# shellcheck source=../tests/support/xvfb.sh
source "$(dirname "$0")/../tests/support/xvfb.sh"
start_xvfb "$scratch" 1280x1024
trap 'kill $XVFB_PID 2>/dev/null || true; rm -rf "$scratch"' EXIT
echo "Measuring start-up, $runs starts of each, under Xvfb ..." >&2
xvfb_starts=$(QT_QPA_PLATFORM=xcb "$bench/startup_runner" "$runs" "${starts[@]}")
echo "Measuring the timer, held 2 s at the right stop, under Xvfb ..." >&2
timer=$(QT_QPA_PLATFORM=xcb "$bench/bench_timer" 3)
kill "$XVFB_PID" 2>/dev/null || true
wait "$XVFB_PID" 2>/dev/null || true
rm -rf "$scratch"
trap - EXIT

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo)
qt=$(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
echo
echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $cpu, $(nproc) cores, $memory, Linux $(uname -r)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg); Qt $qt, $($compiler --version | head -n 1)," \
    "$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt") build. Times are medians (CPU time for" \
    "the Google Benchmark figures, wall time for start-up); start-up and memory from $runs starts of each" \
    "program, in turns."
echo
echo "| Measure | Quorvel | Against | Ratio | Goal | Met |"
echo "|---|---|---|---|---|---|"
# row MEASURE VALUE AGAINST RATIO GOAL MET
row() { echo "| $1 | $2 | $3 | $4 | $5 | $6 |"; }
met() { awk -v a="$1" -v b="$2" 'BEGIN { print ((a + 0 <= b + 0) ? "yes" : "**no**") }'; }
ns() { awk -v v="$1" 'BEGIN { printf "%.1f ns", v }'; }

row "HoursToService, one call" "$(ns "$hours_ns")" "" "" "< 20 ns" "$(met "$hours_ns" 20)"
row "ServiceToHours, one call" "$(ns "$service_ns")" "" "" "< 20 ns" "$(met "$service_ns" 20)"
sweep_each=$(awk -v v="$sweep_ns" 'BEGIN { printf "%.6f", v / 400000 }')
row "Every hour of every section (400,000 HoursToService)" \
    "$(awk -v v="$sweep_ns" 'BEGIN { printf "%.2f ms", v / 1e6 }')" "" "$(ns "$sweep_each") a call" "< 20 ns a call" \
    "$(met "$sweep_each" 20)"

share() { awk -v v="$1" 'BEGIN { printf "%.3f%%", v / 11e6 * 100 }'; }
row "Slider tick: hours box write, conversion, three figures" \
    "$(awk -v v="$write_ns" 'BEGIN { printf "%.1f µs", v / 1e3 }')" "11 ms tick" "$(share "$write_ns")" "< 1%" \
    "$(met "$(awk -v v="$write_ns" 'BEGIN { print v / 11e6 * 100 }')" 1)"
row "… and the repaint that follows (offscreen)" \
    "$(awk -v v="$repaint_ns" 'BEGIN { printf "%.1f µs", v / 1e3 }')" "11 ms tick" "$(share "$repaint_ns")" "" ""
if [ -n "$slider_ns" ]; then
    row "Slider's timed step at the right stop (tmrBar_Timer)" \
        "$(awk -v v="$slider_ns" 'BEGIN { printf "%.1f µs", v / 1e3 }')" "11 ms tick" "$(share "$slider_ns")" "< 1%" \
        "$(met "$(awk -v v="$slider_ns" 'BEGIN { print v / 11e6 * 100 }')" 1)"
fi

# startup_rows PLATFORM RUNNER-OUTPUT
startup_rows() {
    local quorvel floor fonts ratio
    quorvel=$(grep '^startup_quorvel ' <<<"$2")
    floor=$(grep '^startup_floor ' <<<"$2")
    fonts=$(grep '^startup_floor_fonts ' <<<"$2")
    ratio=$(awk -v a="$(field median_ms "$quorvel")" -v b="$(field median_ms "$floor")" 'BEGIN { printf "%.3f", a / b }')
    row "Start-up, exec to first expose, $1" "$(field median_ms "$quorvel") ms" \
        "floor $(field median_ms "$floor") ms" "$ratio" "≤ 1.10" "$(met "$ratio" 1.10)"
    ratio=$(awk -v a="$(field median_ms "$quorvel")" -v b="$(field median_ms "$fonts")" 'BEGIN { printf "%.3f", a / b }')
    row "… against the floor with the designed fonts, $1" "$(field median_ms "$quorvel") ms" \
        "$(field median_ms "$fonts") ms" "$ratio" "" ""
    ratio=$(awk -v a="$(field rss_median_kb "$quorvel")" -v b="$(field rss_median_kb "$floor")" \
        'BEGIN { printf "%.3f", a / b }')
    row "Resident memory once the window shows, $1" "$(field rss_median_kb "$quorvel") kB" \
        "floor $(field rss_median_kb "$floor") kB" "$ratio" "≤ 1.10" "$(met "$ratio" 1.10)"
}
startup_rows offscreen "$offscreen"
startup_rows Xvfb "$xvfb_starts"

# The median run of the three.
timer_median=$(sort -t= -k6 -n <<<"$timer" | sed -n 2p)
timer_ratio=$(field ratio "$timer_median")
timer_mode=$(field mode "$timer_median")
how=$([ "$timer_mode" = track ] && echo "track held at the right stop" ||
    echo "window's timer run at 14 ms, each tick writing the hours box")
row "Timer fidelity, Xvfb: $how for $(field elapsed_ms "$timer_median") ms" "$(field ticks "$timer_median") ticks" \
    "ideal $(field ideal "$timer_median")" "$(awk -v r="$timer_ratio" 'BEGIN { printf "%.1f%%", r * 100 }')" "≥ 95%" \
    "$(awk -v r="$timer_ratio" 'BEGIN { print (r >= 0.95 ? "yes" : "**no**") }')"
echo
echo "Start-up in detail: offscreen"
sed 's/^/    /' <<<"$offscreen"
echo "Xvfb"
sed 's/^/    /' <<<"$xvfb_starts"
echo "Timer, each run"
sed 's/^/    /' <<<"$timer"
