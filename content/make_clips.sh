#!/bin/bash
# Speaks each line of clips.tsv (file name, tab, text) with espeak-ng and
# encodes it as MP3 with lame, into the directory of the list.
set -euo pipefail
list=$1
dir=$(dirname "$list")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
while IFS=$'\t' read -r name text; do
    [ -n "$name" ] || continue
    espeak-ng -v en-us -s 130 -w "$tmp/clip.wav" "$text"
    lame --silent -b 64 "$tmp/clip.wav" "$dir/$name"
done < "$list"
