#!/bin/bash
# Builds the fuzz targets with clang's libFuzzer (and AddressSanitizer and
# UndefinedBehaviorSanitizer), then runs each for a fixed number of inputs
# from the committed seed corpus. Usage: run_fuzz.sh SOURCE_DIR BUILD_DIR RUNS
set -euo pipefail
src=$1
out=$2
runs=${3:-20000}
mkdir -p "$out"
flags=(-std=c++17 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$src" $(pkg-config --cflags Qt6Core))
libs=($(pkg-config --libs Qt6Core) -ljpeg)
common=("$src/app/Exceptions.cpp")
clang++ "${flags[@]}" "$src/tests/fuzz/fuzz_picture.cpp" "$src/ui/Graphics.cpp" "$src/ui/JPEG.cpp" \
    "${common[@]}" $(pkg-config --cflags --libs Qt6Gui) "${libs[@]}" -o "$out/fuzz_picture"
clang++ "${flags[@]}" "$src/tests/fuzz/fuzz_layout.cpp" "$src/ui/Layout.cpp" "${common[@]}" "${libs[@]}" \
    -o "$out/fuzz_layout"
for target in picture layout; do
    corpus="$out/corpus-$target"
    mkdir -p "$corpus"
    case $target in picture) seeds=pictures ;; layout) seeds=layouts ;; esac
    ASAN_OPTIONS=detect_leaks=0 "$out/fuzz_$target" -runs="$runs" -max_len=65536 -rss_limit_mb=2048 \
        -timeout=10 "$corpus" "$src/tests/fuzz/corpus/$seeds" 2>"$out/fuzz_$target.log" ||
        { tail -40 "$out/fuzz_$target.log"; echo "fuzz_$target found a fault"; exit 1; }
    tail -1 "$out/fuzz_$target.log"
done
