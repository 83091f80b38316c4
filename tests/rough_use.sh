#!/bin/bash
# Rough use: thousands of random clicks, key presses and selector picks over
# all screens, in a content folder with a zero-byte page, a truncated JPEG, a
# garbage MP3 and a missing clip; every error box is dismissed. The program
# must never crash or hang, and its resident size at the end must be within
# 10% of what it was after the first minute. Usage: rough_use.sh PROGRAM OUT [ACTIONS]
set -euo pipefail
program=$(realpath "$1")
mkdir -p "$2"
out=$(cd "$2" && pwd)
actions=${3:-3000}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
sleep 1

content="$out/content"
rm -rf "$content"
mkdir -p "$content"
app=$(dirname "$program")
cp "$program" "$app/game2.swf" "$app"/*.JPG "$app"/*.mp3 "$content/"
cp -r "$app/ruffle" "$content/ruffle"
: >"$content/1-2.JPG"                                          # zero bytes
head -c 3000 "$app/1-3.JPG" >"$content/1-3.JPG"                # truncated
head -c 5000 /dev/urandom >"$content/word-1-3.mp3"             # garbage
rm "$content/1-1-2.mp3"                                         # missing

cd "$content"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ./learn3a >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 1

rss() { awk '/VmRSS/ {print $2}' /proc/$pid/status; }
alive() {
    kill -0 "$pid" 2>/dev/null && return
    wait "$pid" && rc=0 || rc=$?
    fail "the program ended with code $rc after $i actions (see $out/program.log)"
}
dismiss_boxes() {
    local box
    for box in $(xdotool search --onlyvisible --name "^learn3a\$" 2>/dev/null); do
        xdotool windowactivate --sync "$box" 2>/dev/null || continue
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$box" ] && xdotool key Return
        boxes=$((boxes + 1))
    done
}

eval "$(xdotool getwindowgeometry --shell "$home")"
exit_x=$((X + 808)); exit_y=$((Y + 536))
RANDOM=7
boxes=0
start=$(date +%s)
first_minute=
for ((i = 0; i < actions; i++)); do
    alive
    dismiss_boxes
    # Any shown screen; the home screen's exit button and close are left out.
    mapfile -t windows < <(xdotool search --onlyvisible --name "^(Tavimo系列软件|单词学习|课文点读|边学边玩)\$" 2>/dev/null)
    [ ${#windows[@]} -gt 0 ] || fail "no screen shown"
    w=${windows[RANDOM % ${#windows[@]}]}
    x=$((RANDOM % 990)); y=$((RANDOM % 680))
    # Never on the home screen's "退出程序", whichever window lies on top there.
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    sx=$((X + x)); sy=$((Y + y))
    if [ $sx -ge $((exit_x - 4)) ] && [ $sx -le $((exit_x + 170)) ] && [ $sy -ge $((exit_y - 4)) ] && [ $sy -le $((exit_y + 80)) ]; then
        continue
    fi
    case $((RANDOM % 10)) in
        0) xdotool mousemove --window "$w" $x $y click --repeat 2 1 2>/dev/null || true ;;   # double click
        1) xdotool windowactivate --sync "$w" key --clearmodifiers Tab 2>/dev/null || true ;;
        2) xdotool windowactivate --sync "$w" key --clearmodifiers 3 Down BackSpace 2>/dev/null || true ;;
        3) [ "$w" = "$home" ] || xdotool mousemove --window "$w" 960 56 click 1 sleep 0.1 mousemove --window "$w" 880 $((80 + RANDOM % 180)) click 1 2>/dev/null || true ;;
        *) xdotool mousemove --window "$w" $x $y click 1 2>/dev/null || true ;;
    esac
    if [ -z "$first_minute" ] && [ $(( $(date +%s) - start )) -ge 60 ]; then first_minute=$(rss); fi
done
sleep 2
dismiss_boxes
alive
end_rss=$(rss)
[ -n "$first_minute" ] || first_minute=$end_rss
echo "actions: $actions, error boxes dismissed: $boxes, RSS after the first minute: $first_minute KiB, at the end: $end_rss KiB"
awk -v a="$first_minute" -v b="$end_rss" 'BEGIN { exit !(b <= a * 1.10) }' || fail "resident size grew by more than 10%"
# Still answers: the home screen's exit ends it normally.
xdotool windowactivate --sync "$home" 2>/dev/null || true
click "$home" 888 572
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" && rc=0 || rc=$?
[ "$rc" = 0 ] || fail "exit code $rc"
