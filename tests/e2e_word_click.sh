#!/bin/bash
# The program in its folder under Xvfb: "单词学习", a pick of "第1单元" with
# the mouse, a click on the printed word "hello", and SDL's disk audio output
# showing that its clip sounded. Screenshots of both screens with each page
# land in $2.
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
cd "$(dirname "$program")"
. "$here/e2e_lib.sh"

rm -f "$out/audio.raw"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/audio.raw" ./learn3a >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 0.5
click "$home" 888 164                    # 单词学习
words=$(wait_window "单词学习")
click "$words" 960 56                    # the selector's arrow
click "$words" 880 90                    # "第1单元", the list's first entry
sleep 0.5
import -window root "$out/word-1.png"

# Nothing sounds before the click (the device was opened by nothing yet, or is silent).
size=$(stat -c %s "$out/audio.raw" 2>/dev/null || echo 0)
click "$words" 268 136                   # "hello", under Image2 (232, 120, 73, 33)
sleep 1.2
[ -f "$out/audio.raw" ] || fail "no audio was written"
loud=$(loudest_after "$size")
echo "loudest sample after the click: $loud"
[ "$loud" -gt 1000 ] || fail "the word did not sound"
# A click beside every word stays silent.
sleep 1.5
size=$(stat -c %s "$out/audio.raw")
click "$words" 60 600
sleep 0.8
quiet=$(loudest_after "$size")
echo "loudest sample after a click beside the words: $quiet"
[ "$quiet" -lt 200 ] || fail "a click beside the words sounded"

# The text reading screen with each of the four pages.
click "$words" 896 584                   # 返回
click "$home" 888 300                    # 课文点读
pages=$(wait_window "课文点读")
for page in 1 2 3 4; do
    click "$pages" 980 62
    click "$pages" 880 $((62 + 25 * page))
    sleep 0.3
    import -window root "$out/1-$page.png"
done
kill "$pid"
