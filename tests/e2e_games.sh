#!/bin/bash
# The program copied into a folder with a Chinese name and started from
# another current directory: "游戏一" shows the game's first frame. Without
# the player's runtime beside it, the program does not start: the fatal box
# "Application Error", then exit code 1.
set -euo pipefail
program=$1
movie=$2
out=$3
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/e2e_lib.sh"
openbox >"$out/openbox.log" 2>&1 &
wm=$!
sleep 1

apps=$(mktemp -d)
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -rf "$apps"' EXIT
folder="$apps/学习软件"
mkdir -p "$folder"
cp "$program" "$folder/learn3a"
cp "$movie" "$folder/game2.swf"

# No runtime: the fatal start-up box, and exit code 1 once it is dismissed.
(cd / && exec "$folder/learn3a") >"$out/no-runtime.log" 2>&1 &
pid=$!
box=$(wait_window "Application Error")
import -window root "$out/fatal.png"
xdotool windowactivate --sync "$box" key Return
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "exit code $rc without the runtime"
[ -z "$(window_of "Tavimo系列软件")" ] || fail "home screen shown"

# With the runtime, from another current directory.
cp -r "$(dirname "$program")/ruffle" "$folder/ruffle"
(cd / && exec "$folder/learn3a") >"$out/program.log" 2>&1 &
pid=$!
home=$(wait_window "Tavimo系列软件")
sleep 0.5
click "$home" 888 444                    # 边玩边学
games=$(wait_window "边学边玩")
sleep 2
click "$games" 924 96                    # 游戏一
eval "$(xdotool getwindowgeometry --shell "$games")"
for _ in $(seq 60); do
    import -window root "$out/game.png"
    colour=$(convert "$out/game.png" -format "%[pixel:p{$((X + 400)),$((Y + 320))}]" info:)
    [ "$colour" = "srgb(200,30,60)" ] && break
    sleep 0.5
done
echo "game area shows $colour"
[ "$colour" = "srgb(200,30,60)" ] || fail "the game's first frame did not appear"
