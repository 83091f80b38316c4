#!/bin/bash
# Start-up to the home screen's first complete paint, and peak resident size,
# against a bare Qt window of the same size; medians of 5 runs each, in one
# run under one Xvfb.
set -euo pipefail
build=$(realpath "${1:-build}")
run() {
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        cd '$build/app' && for i in 1 2 3 4 5; do QT_QPA_PLATFORM=xcb ../bench/bench_startup $1 2>/dev/null; done"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ours=$(run program)
bare=$(run bare)
t_ours=$(echo "$ours" | awk '{print $1}' | median); m_ours=$(echo "$ours" | awk '{print $2}' | median)
t_bare=$(echo "$bare" | awk '{print $1}' | median); m_bare=$(echo "$bare" | awk '{print $2}' | median)
echo "start to first paint: program ${t_ours} ms, bare window ${t_bare} ms"
echo "peak resident size:   program ${m_ours} KiB (all screens built, a text page shown), bare window ${m_bare} KiB"
awk -v a="$t_ours" -v b="$t_bare" -v c="$m_ours" -v d="$m_bare" \
    'BEGIN { printf "ratio start-up %.2f, ratio memory %.2f\n", a / b, c / d }'
