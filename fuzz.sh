#!/usr/bin/env bash
# Runs the fuzz targets longer than the test command does, one after another, at low priority:
#   ./fuzz.sh [-m MB] [-r runs] [-p niceness] [seconds per target, default 600] [target ...]
# (all targets by default). -m is the resident memory a target may reach, default 512 MB; -r stops
# a target after that many inputs, before its time is up; -p its niceness, default 19.
# AddressSanitizer's quarantine of freed memory is 64 MB instead of 256 MB: it is a fixed cost
# that the memory limit would otherwise have to cover.
# Builds them first in build-fuzz (clang, ASan + UBSan). New inputs go to build-fuzz/fuzz-found/<target>
# and failures to build-fuzz/fuzz-found/<target>-crash-*; add the inputs worth keeping to the
# target's corpus with: build-fuzz/bin/<target> -merge=1 <corpus> build-fuzz/fuzz-found/<target>
set -euo pipefail
cd "$(dirname "$0")"
memory=512
runs=()
niceness=19
while getopts m:r:p: option; do
    case $option in
    m) memory=$OPTARG ;;
    r) runs=(-runs="$OPTARG") ;;
    p) niceness=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
seconds=${1:-600}
shift || true
CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g1 -O1" \
    -DLUME_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target lume_fuzzers
targets=("$@")
if ((${#targets[@]} == 0)); then
    mapfile -t targets < <(find . -path ./build\* -prune -o -path '*/fuzz/corpus/*' -type d -prune -print |
        xargs -n1 basename | sort)
fi
# The profile files are written with a flush to disk each time: keep them in memory.
scratch=$(mktemp -d /dev/shm/lume-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in "${targets[@]}"; do
    corpus=$(find . -path ./build\* -prune -o -path "*/fuzz/corpus/$target" -type d -print | head -n1)
    found=build-fuzz/fuzz-found/$target
    mkdir -p "$found"
    dictionary=()
    [[ -f $(dirname "$corpus")/../$target.dict ]] && dictionary=(-dict="$(dirname "$corpus")/../$target.dict")
    echo "== $target for $seconds s"
    if ! TMPDIR=$scratch QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64} \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 nice -n "$niceness" "build-fuzz/bin/$target" \
        -max_total_time="$seconds" "${runs[@]}" -malloc_limit_mb=128 -rss_limit_mb="$memory" -timeout=20 \
        -detect_leaks=0 -print_final_stats=1 "${dictionary[@]}" -artifact_prefix="$found-" "$found" "$corpus"; then
        status=1
    fi
done
exit $status
