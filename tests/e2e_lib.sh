# Shared by the end-to-end scripts: a private Xvfb display and helpers to
# find windows and click in them. Expects $out (a folder for logs and shots).

exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$out/display")"
pid=
wm=
trap 'kill $pid $wm $xvfb 2>/dev/null || true' EXIT

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
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# Loudest sample written to the disk audio file $out/audio.raw after byte offset $1.
loudest_after() {
    tail -c +$(($1 + 1)) "$out/audio.raw" | od -An -v -td2 -w2 |
        awk '{v = $1 < 0 ? -$1 : $1; if (v > m) m = v} END {print m + 0}'
}
# A content folder $2 with the program $1, its content and runtime, and bad
# files: a zero-byte page, a truncated JPEG, a garbage MP3 and a missing clip.
make_bad_content() {
    local app
    app=$(dirname "$1")
    rm -rf "$2"
    mkdir -p "$2"
    cp "$1" "$app/game2.swf" "$app"/*.JPG "$app"/*.mp3 "$2/"
    cp -r "$app/ruffle" "$2/ruffle"
    : >"$2/1-2.JPG"                                        # zero bytes
    head -c 3000 "$app/1-3.JPG" >"$2/1-3.JPG"              # truncated
    head -c 5000 /dev/urandom >"$2/word-1-3.mp3"           # garbage
    rm "$2/1-1-2.mp3"                                       # missing
}
