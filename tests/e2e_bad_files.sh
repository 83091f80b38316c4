#!/bin/bash
# The program in a content folder with a zero-byte page, a truncated JPEG, a
# garbage MP3 and a missing clip, under Xvfb with a window manager: each bad
# file is reached with the mouse; what the user sees (an error box, or the
# page as far as it goes) is checked and kept as a screenshot in $2, and the
# screen goes on working after the box is dismissed.
set -euo pipefail
program=$(realpath "$1")
mkdir -p "$2"
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
sleep 1

content="$out/content"
make_bad_content "$program" "$content"

boxes() { grep -c '^error box:' "$out/program.log" || true; }
last_box() { grep '^error box:' "$out/program.log" | tail -1 | sed 's/^error box: //'; }
# Expects one more error box with this text, shoots it, dismisses it.
expect_box() {
    local before=$1 text=$2 shot=$3 box
    box=$(wait_window "learn3a")
    sleep 0.3
    import -window root "$out/$shot.png"
    [ "$(boxes)" -eq $((before + 1)) ] || fail "expected one error box, the log has $(($(boxes) - before))"
    [ "$(last_box)" = "$text" ] || fail "box text '$(last_box)', expected '$text'"
    echo "$shot: the box says \"$text\""
    xdotool windowactivate --sync "$box" key Return
    wait_gone "learn3a"
}
# A click on a clip's hot spot that must be heard.
expect_sound() {
    local size
    sleep 1
    size=$(stat -c %s "$out/audio.raw")
    click "$1" "$2" "$3"
    sleep 0.8
    [ "$(loudest_after "$size")" -gt 1000 ] || fail "the click at $2,$3 did not sound"
}

cd "$content"
rm -f "$out/audio.raw"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/audio.raw" ./learn3a >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 0.5

# Text reading: the zero-byte page.
click "$home" 888 300
pages=$(wait_window "课文点读")
n=$(boxes)
click "$pages" 980 62
click "$pages" 880 112                   # "3A第一单元第2页" (1-2.JPG, zero bytes)
expect_box "$n" "JPEG error #42." zero-byte-page
# The truncated page: drawn as far as its data goes, the rest grey, no box.
n=$(boxes)
click "$pages" 980 62
click "$pages" 880 137                   # "3A第一单元第3页" (1-3.JPG, 3000 bytes)
sleep 1
import -window root "$out/truncated-page.png"
[ "$(boxes)" -eq "$n" ] && [ -z "$(window_of learn3a)" ] || fail "the truncated page gave an error box"
echo "truncated-page: drawn without a box"
# The first page, whose second passage's clip is missing.
click "$pages" 980 62
click "$pages" 880 87                    # "3A第一单元第1页"
n=$(boxes)
click "$pages" 424 584                   # second passage (1-1-2.mp3, missing)
expect_box "$n" "The clip file 1-1-2.mp3 cannot be found." missing-clip
expect_sound "$pages" 448 372            # first passage still plays
click "$pages" 892 540                   # 返回

# Word study: the garbage clip under "word-1-3".
click "$home" 888 164
words=$(wait_window "单词学习")
click "$words" 960 56
click "$words" 880 90                    # "第1单元"
n=$(boxes)
click "$words" 396 184                   # Image4 (word-1-3.mp3, garbage)
expect_box "$n" "The clip file word-1-3.mp3 is not a playable MP3 file." garbage-clip
expect_sound "$words" 268 136            # "hello" still plays
click "$words" 896 584                   # 返回

click "$home" 888 572                    # 退出程序
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid" && rc=0 || rc=$?
[ "$rc" = 0 ] || fail "exit code $rc"
echo "PASS"
