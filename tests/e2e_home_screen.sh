#!/bin/bash
# The real program under Xvfb with a window manager, used as a person would:
# the home screen comes up at its rectangle with its picture, the activity
# buttons show their screens, "返回" hides them, and both "退出程序" and
# Alt+F4 end the program with exit code 0. Screenshots land in $2.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
cd "$(dirname "$program")"
. "$here/e2e_lib.sh"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
sleep 1
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }

start_program() {
    ./learn3a >"$out/program.log" 2>&1 &
    pid=$!
    home=$(wait_window "Tavimo系列软件")
    sleep 1
}
# The web engine's processes end with the program; on a cold machine that
# has taken more than 5 seconds, so a hang is only called after 20.
wait_exit() {
    local tenths=0
    while kill -0 "$pid" 2>/dev/null && [ $tenths -lt 200 ]; do sleep 0.1; tenths=$((tenths + 1)); done
    kill -0 "$pid" 2>/dev/null && fail "program did not end"
    echo "the program ended $((tenths / 10)).$((tenths % 10)) s after the request"
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
# The new screen takes the focus a moment after it appears: Alt+F4 must not
# go to it, so the key is sent once the home screen is surely the active one.
for _ in $(seq 50); do
    xdotool windowactivate --sync "$home" 2>/dev/null || true
    sleep 0.2
    [ "$(xdotool getactivewindow)" = "$home" ] && break
done
[ "$(xdotool getactivewindow)" = "$home" ] || fail "the home screen could not be activated"
xdotool key --clearmodifiers alt+F4
wait_exit
