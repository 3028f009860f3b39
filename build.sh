#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./build.sh run [Sketchlume|Scriptlume]   build and start a program (Sketchlume by default)
#   ./build.sh test                          build, run every test, then again under ASan + UBSan,
#                                            then each fuzz target for a few seconds
#   ./build.sh package                       build lume_<version>_<arch>.deb and check it with lintian
set -euo pipefail
cd "$(dirname "$0")"

installPackages() {
    local missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done < packages.txt
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configureAndBuild() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

runTests() {
    local dir=$1
    shift
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure --timeout 300 "$@"
}

# Run as root (as CI does), the built suite runs once more as an unprivileged user: root opens any
# device whatever its mode, which hides what an ordinary user meets. The user reads the build tree
# and writes only its own folder, where ctest keeps its log (a CTestTestfile that names the tree).
# The package check is left to the root pass: it builds the package inside the build tree; so are
# the guest test (it has an unprivileged user of its own) and the Windows check (it compiles).
runTestsUnprivileged() {
    local dir=$1
    local user=lumetest
    [[ $(id -u) -eq 0 ]] || return 0
    id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    local home
    home=$(mktemp -d)
    mkdir -p "$home/ctest"
    mkdir -m 700 "$home/run"
    echo "subdirs(\"$(realpath "$dir")\")" >"$home/ctest/CTestTestfile.cmake"
    chown -R "$user:" "$home"
    chmod -R a+rX "$dir"
    local status=0
    (cd "$home" && runuser -u "$user" -- env HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$home/ctest" --output-on-failure --timeout 300 -j2 \
        -E '^lume_package_files$' -LE '^(guest|windows)$') ||
        status=$?
    rm -rf "$home"
    return "$status"
}

command=${1:-run}
case "$command" in
run)
    program=${2:-Sketchlume}
    installPackages
    # Off explicitly, as a test run before leaves them on in the build folder's cache.
    configureAndBuild build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DLUME_BENCHMARKS=OFF
    exec "build/bin/$program"
    ;;
test)
    installPackages
    configureAndBuild build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DLUME_BENCHMARKS=ON
    # Two at a time on the optimised build; the guest test runs alone.
    runTests build -j2
    runTestsUnprivileged build
    # No benchmarks and line tables only: the sanitizer run is about the tests, and it builds faster.
    # The guest and Windows checks ran above: the first runs the same code in a guest, the second
    # only compiles.
    configureAndBuild build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DLUME_SANITIZE=ON \
        -DLUME_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG=-g1
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/cmake/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        runTests build-sanitize -LE '^(guest|windows)$'
    # The fuzz targets, a few seconds each on their corpora: clang, and only the targets with what
    # they use. ./fuzz.sh runs them longer.
    CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g1 -O1" \
        -DLUME_FUZZ=ON -DBUILD_TESTING=OFF
    cmake --build build-fuzz --target lume_fuzzers
    runTests build-fuzz
    ;;
package)
    installPackages
    configureAndBuild build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DLUME_BENCHMARKS=OFF
    (cd build && cpack -G DEB)
    deb=$(ls build/lume_*.deb)
    # Errors fail the command; the warnings that stay are explained in the README.
    lintian --fail-on error "$deb"
    echo "Built $deb"
    ;;
*)
    echo "usage: $0 run [Sketchlume|Scriptlume] | test | package" >&2
    exit 2
    ;;
esac
