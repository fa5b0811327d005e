#!/bin/sh
# Builds the benchmarks of the whole program and runs them one after another, printing their
# tables. They need root (each run of the book gets its own /mnt), Xvfb, openbox, xdotool,
# PulseAudio and ffmpeg, as the tests of the whole program do. About ten minutes in all.
#
#   tools/bench/run-benchmarks.sh [build folder]   (default: build/bench)
set -eu

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-"$source_dir/build/bench"}
benchmarks="cold_start_benchmark speaker_latency_benchmark page_turn_benchmark memory_benchmark
soak_benchmark"

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# shellcheck disable=SC2086 # one target a word
cmake --build "$build_dir" -j2 --target $benchmarks

status=0
for benchmark in $benchmarks; do
    echo
    echo "== $benchmark"
    "$build_dir/tools/bench/$benchmark" || status=1
done
exit $status
