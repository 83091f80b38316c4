#!/bin/bash
# Builds the Debian package, installs it into a scratch root, and starts the
# installed program under Xvfb the way its desktop entry says (command and
# working directory): the home screen comes up, and a word page loads from
# the installed content.
set -euo pipefail
build=$1
out=$2
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
(cd "$build" && cpack -G DEB >"$out/cpack.log")
deb=$(ls -t "$build"/learn3a_*_amd64.deb | head -1)
root="$out/root"
rm -rf "$root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -f "$deb" Depends | grep -q fonts-arphic-uming || { echo "FAIL: no font dependency"; exit 1; }

entry="$root/usr/share/applications/learn3a.desktop"
command=$(sed -n 's/^Exec=//p' "$entry")
folder=$(sed -n 's/^Path=//p' "$entry")
[ -f "$root/usr/share/pixmaps/learn3a.png" ] || { echo "FAIL: no icon"; exit 1; }
[ -f "$root$folder/word-1.JPG" ] && [ -f "$root$folder/game2.swf" ] && [ -f "$root$folder/ruffle/ruffle.js" ] ||
    { echo "FAIL: content missing from the package"; exit 1; }

. "$here/e2e_lib.sh"
(cd "$root$folder" && exec "$root$command") >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 0.5
click "$home" 888 164                    # 单词学习
words=$(wait_window "单词学习")
click "$words" 960 56
click "$words" 880 90                    # 第1单元
sleep 0.5
import -window root "$out/installed.png"
eval "$(xdotool getwindowgeometry --shell "$words")"
# The printed "hello" (dark blue text) lies under its hot spot (232, 120, 73, 33).
blue=$(convert "$out/installed.png" -crop "73x33+$((X + 232))+$((Y + 120))" +repage \
    -fx "(b - r) > 0.3" -format "%[fx:round(mean * 1000)]" info:)
echo "dark blue text under the first hot spot: $blue per mille"
[ "$blue" -gt 20 ] || fail "the installed word page was not shown"
echo "the installed program showed the word page"
kill "$pid"
