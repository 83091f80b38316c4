#!/bin/bash
# Pressing "游戏一" to the game's first frame, against Ruffle loading the same
# movie in headless Chromium, measured in one run. Needs Debian's chromium.
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
for colour in C02020 2040C0; do
    haxe -cp bench -main Blank -swf "$work/$colour.swf" -swf-header 721:609:30:$colour -swf-version 10
done

# The program's screen, under its own Xvfb.
ours=$(xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    "$build/bench/bench_game_start" "$work/C02020.swf" "$work/2040C0.swf" 2>/dev/null)
first=$(echo "$ours" | awk '/first-show/ {print $2}')
again=$(echo "$ours" | awk '/shown-before/ {print $2}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')

# Ruffle alone: the same files over a local HTTP server, in headless Chromium.
mkdir -p "$work/site/ruffle"
cp node_modules/@ruffle-rs/ruffle/*.js node_modules/@ruffle-rs/ruffle/*.wasm "$work/site/ruffle/"
cp bench/chromium_page.html "$work/site/index.html"
cp "$work/C02020.swf" "$work/site/movie.swf"
port=$((20000 + RANDOM % 20000))
(cd "$work/site" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
sleep 1
chrome_runs=()
for run in 1 2 3; do
    log="$work/chromium-$run.log"
    timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile-$run" --enable-logging=stderr --v=0 \
        "http://127.0.0.1:$port/index.html" >"$log" 2>&1 &
    chrome=$!
    for _ in $(seq 600); do grep -q "bench-frame" "$log" && break; sleep 0.1; done
    kill "$chrome" 2>/dev/null || true
    chrome_runs+=("$(grep -o 'bench-frame [0-9.]*' "$log" | awk '{print $2}' | head -1)")
done
theirs=$(printf '%s\n' "${chrome_runs[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')

echo "press to first frame, first show:        ${first} ms"
echo "press to first frame, shown before:      ${again} ms (median of 5)"
echo "Ruffle alone in headless Chromium:       ${theirs} ms (median of 3)"
echo "$ours" | awk '
    /memory-before/ { r0 = $2; p0 = $3 }
    /memory-game/   { r1 = $2; p1 = $3; n = $4 }
    END {
        printf "memory before the games screen is shown: program %d KiB resident (%d KiB proportional)\n", r0, p0
        printf "memory with a game playing:              program %d KiB resident, with its %d web engine processes %d KiB proportional\n", r1, n - 1, p1
        printf "extra for the games screen and game:     %d KiB (ratio %.2f)\n", p1 - p0, p1 / p0 }'
awk -v a="$first" -v b="$again" -v c="$theirs" 'BEGIN {
    printf "ratio first show / Chromium:   %.2f\nratio shown before / Chromium: %.2f\n", a / c, b / c }'
