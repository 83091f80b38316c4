#!/bin/bash
# The real program under Xvfb with a window manager, used as a person would:
# the home screen comes up at its rectangle with its picture, the activity
# buttons show their screens, "返回" hides them, and both "退出程序" and
# Alt+F4 end the program with exit code 0. Screenshots land in $2.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
cd "$(dirname "$program")"

exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$out/display")"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1

fail() { echo "FAIL: $*"; exit 1; }
window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
wait_window() {
    for _ in $(seq 100); do w=$(window_of "$1"); [ -n "$w" ] && { echo "$w"; return; }; sleep 0.1; done
    fail "no window '$1'"
}
wait_gone() {
    for _ in $(seq 50); do [ -z "$(window_of "$1")" ] && return; sleep 0.1; done
    fail "window '$1' still shown"
}
# Clicks at a point of a window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

start_program() {
    ./learn3a >"$out/program.log" 2>&1 &
    pid=$!
    home=$(wait_window "Tavimo系列软件")
    sleep 1
}
wait_exit() {
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "program did not end"
    wait "$pid" && rc=0 || rc=$?
    [ "$rc" = 0 ] || fail "exit code $rc"
}

start_program
# The outer rectangle, frame included, is the stored one.
eval "$(xdotool getwindowgeometry --shell "$home")"
frame=$(xwininfo -id "$home" -frame 2>/dev/null || true)
import -window root "$out/home.png"
echo "home window client: ${WIDTH}x${HEIGHT}+${X}+${Y}"; echo "$frame" | grep -E "Absolute|Width|Height|geometry"
[ -z "$(window_of "单词学习")" ] || fail "word study screen shown at start"
# The start picture is drawn inside Image1 (8, 40), not the screen's grey.
[ "$(pixel "$out/home.png" $((X + 30)) $((Y + 60)))" != "srgb(212,208,200)" ] || fail "no start picture"

click "$home" 888 164            # 单词学习
words=$(wait_window "单词学习")
import -window root "$out/words.png"
# One taskbar entry: the activity screens stay off the taskbar, the home screen is on it.
xprop -id "$words" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "word study screen on the taskbar"
! xprop -id "$home" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "home screen off the taskbar"
click "$words" 896 584           # 返回
wait_gone "单词学习"

click "$home" 888 300            # 课文点读
pages=$(wait_window "课文点读")
import -window root "$out/pages.png"
click "$pages" 892 540           # 返回
wait_gone "课文点读"

click "$home" 888 444            # 边玩边学
games=$(wait_window "边学边玩")
import -window root "$out/games.png"
click "$games" 924 520           # 返回
wait_gone "边学边玩"

click "$home" 888 572            # 退出程序
wait_exit

# Alt+F4 on the home screen ends the program as well, with a screen shown.
start_program
click "$home" 888 164
wait_window "单词学习" >/dev/null
xdotool windowactivate --sync "$home" key --clearmodifiers alt+F4
wait_exit
