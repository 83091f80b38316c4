#!/bin/bash
# Rough use: thousands of random clicks, key presses and selector picks over
# all screens, in a content folder with a zero-byte page, a truncated JPEG, a
# garbage MP3 and a missing clip; every error box is dismissed. The program
# must never crash or hang, every bad file must have been reached, and its
# resident size at the end must be within 10% of what it was after the first
# minute. Usage: rough_use.sh PROGRAM OUT [ACTIONS [no-memory-check]]
set -euo pipefail
program=$(realpath "$1")
mkdir -p "$2"
out=$(cd "$2" && pwd)
actions=${3:-3000}
memory_check=${4:-yes}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
fail() { import -window root "$out/failure.png" 2>/dev/null || true; echo "FAIL: $*"; exit 1; }
rm -f "$out/actions.log"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
sleep 1

content="$out/content"
make_bad_content "$program" "$content"

cd "$content"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ./learn3a >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 1

# xdotool with a time limit: --sync waits for good when a window cannot be activated.
xdo() { timeout 5 xdotool "$@"; }
rss() { awk '/VmRSS/ {print $2}' /proc/$pid/status; }
alive() {
    kill -0 "$pid" 2>/dev/null && return
    wait "$pid" && rc=0 || rc=$?
    fail "the program ended with code $rc after $i actions (see $out/program.log)"
}
boxes=0
dismiss_boxes() {
    local box
    for box in $(xdo search --onlyvisible --name "^learn3a\$" 2>/dev/null); do
        xdo windowactivate --sync "$box" 2>/dev/null || continue
        [ "$(xdo getactivewindow 2>/dev/null)" = "$box" ] && xdo key Return
        boxes=$((boxes + 1))
    done
}
shown() { xdo search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
raise() { xdo windowactivate --sync "$1" 2>/dev/null; }
at() { xdo mousemove --window "$1" "$2" "$3" click "${4:-1}" 2>/dev/null || true; }
# The screen with this title, opened from the home screen when it is hidden.
screen() {
    local w
    w=$(shown "$1")
    if [ -z "$w" ]; then
        raise "$home" || return 1
        at "$home" 888 $2
        for _ in $(seq 30); do w=$(shown "$1"); [ -n "$w" ] && break; sleep 0.1; done
    fi
    [ -n "$w" ] && raise "$w" && echo "$w"
}
# A pick from a selector's list: open it with F4, go to entry N, take it.
pick() {
    local w=$1 x=$2 y=$3 n=$4
    at "$w" "$x" "$y"
    xdo key F4 Home 2>/dev/null || return 0
    [ "$n" -gt 0 ] && xdo key --repeat "$n" Down 2>/dev/null
    xdo key Return 2>/dev/null || true
}
# Still answers: a screen hides on "返回" and comes back from the home screen.
probe() {
    local w
    dismiss_boxes
    w=$(screen "单词学习" 164) || fail "the word study screen did not open after $i actions"
    at "$w" 896 584
    for _ in $(seq 100); do [ -z "$(shown "单词学习")" ] && return; dismiss_boxes; sleep 0.1; done
    fail "no answer to \"返回\" after $i actions"
}

# Hot spots (centres) of the word page and of the text pages.
word_spots=("268 136" "612 168" "396 184" "376 240" "344 312" "560 404" "292 532" "596 600")
text_spots=("448 372" "424 584" "400 120" "452 404" "496 244" "456 504" "372 108" "424 420")
keys=(Tab Return space Escape Up Down BackSpace Home End 3 a F4 shift+Tab ctrl+a alt+Down)

eval "$(xdo getwindowgeometry --shell "$home")"
exit_x=$((X + 808)); exit_y=$((Y + 536))
RANDOM=7
start=$(date +%s)
first_minute=
for ((i = 0; i < actions; i++)); do
    alive
    dismiss_boxes
    [ $((i % 250)) -eq 249 ] && probe
    mapfile -t windows < <(xdo search --onlyvisible --name "^(Tavimo系列软件|单词学习|课文点读|边学边玩)\$" 2>/dev/null)
    if [ ${#windows[@]} -eq 0 ]; then sleep 1; alive; fail "no screen shown after $i actions"; fi
    w=${windows[RANDOM % ${#windows[@]}]}
    kind=$((RANDOM % 20))
    echo "$i $kind $w" >>"$out/actions.log"
    case $kind in
        0|1|2|3|4|5|6|7|8)  # anywhere on a shown screen, but not on the home screen's "退出程序"
            x=$((RANDOM % 990)); y=$((RANDOM % 680))
            eval "$(xdo getwindowgeometry --shell "$w" 2>/dev/null)" || continue
            sx=$((X + x)); sy=$((Y + y))
            if [ $sx -ge $((exit_x - 4)) ] && [ $sx -le $((exit_x + 170)) ] &&
               [ $sy -ge $((exit_y - 4)) ] && [ $sy -le $((exit_y + 80)) ]; then
                continue
            fi
            if [ $((RANDOM % 4)) = 0 ]; then at "$w" $x $y "--repeat 2 1"; else at "$w" $x $y; fi ;;
        9|10|11|12)
            # Return and space could press the home screen's "退出程序" once Tab reached it.
            key=${keys[RANDOM % ${#keys[@]}]}
            [ "$w" = "$home" ] && { [ "$key" = Return ] || [ "$key" = space ]; } && key=Tab
            if raise "$w" && [ "$(xdo getactivewindow 2>/dev/null)" = "$w" ]; then
                xdo key --clearmodifiers "$key" 2>/dev/null || true
            fi ;;
        13|14)
            if w=$(screen "单词学习" 164); then
                pick "$w" 880 56 $((RANDOM % 3))
                at "$w" ${word_spots[RANDOM % 8]}
            fi ;;
        15|16|17)
            if w=$(screen "课文点读" 300); then
                n=$((RANDOM % 5))
                pick "$w" 880 62 $n
                [ $n -lt 4 ] && at "$w" ${text_spots[n * 2 + RANDOM % 2]}
            fi ;;
        18) w=$(screen "边学边玩" 444) && at "$w" 924 $((96 + 80 * (RANDOM % 6))) || true ;;
        19) w=$(screen "单词学习" 164) && at "$w" ${word_spots[RANDOM % 8]} || true ;;
    esac
    if [ -z "$first_minute" ] && [ $(( $(date +%s) - start )) -ge 60 ]; then first_minute=$(rss); fi
done
sleep 2
dismiss_boxes
alive
end_rss=$(rss)
[ -n "$first_minute" ] || first_minute=$end_rss
echo "actions: $actions in $(( $(date +%s) - start )) s, error boxes dismissed: $boxes"
echo "RSS after the first minute: $first_minute KiB, at the end: $end_rss KiB"
echo "error boxes seen:"
grep -o 'error box:.*' "$out/program.log" | sort | uniq -c
for expected in 'word-1-3.mp3 is not a playable MP3 file' '1-1-2.mp3 cannot be found' 'JPEG error'; do
    grep -q "error box:.*$expected" "$out/program.log" || fail "no error box for: $expected"
done
if [ "$memory_check" = yes ]; then
    awk -v a="$first_minute" -v b="$end_rss" 'BEGIN { exit !(b <= a * 1.10) }' || fail "resident size grew by more than 10%"
fi
# The home screen's exit still ends it normally.
raise "$home" || true
click "$home" 888 572
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" && rc=0 || rc=$?
[ "$rc" = 0 ] || fail "exit code $rc"
echo "PASS"
