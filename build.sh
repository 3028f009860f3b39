#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./build.sh run [Sketchlume|Scriptlume]   build and start a program (Sketchlume by default)
#   ./build.sh test                          build, run every test, then again under ASan + UBSan,
#                                            then each fuzz target for a few seconds
#   ./build.sh package                       build lume_<version>_<arch>.deb and check it with lintian
#   ./build.sh packages run|package|test     only install what that command installs
# Each command installs the Debian packages it uses that are missing: run those of packages/run.txt,
# package adds packages/package.txt, test adds packages/package.txt and packages/test.txt.
set -euo pipefail
cd "$(dirname "$0")"

die() {
    echo "build.sh: $*" >&2
    exit 1
}

# The lists a command installs, each adding to the one before.
packageLists() {
    case $1 in
    run) echo packages/run.txt ;;
    package) echo packages/run.txt packages/package.txt ;;
    test) echo packages/run.txt packages/package.txt packages/test.txt ;;
    *) die "no package list for '$1': run, package or test" ;;
    esac
}

isInstalled() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

installPackages() {
    local missing=() pkg list lists
    lists=$(packageLists "$1")
    for list in $lists; do
        [[ -r $list ]] || die "$list missing"
        while read -r pkg; do
            [[ -z "$pkg" || "$pkg" == \#* ]] && continue
            isInstalled "$pkg" || missing+=("$pkg")
        done <"$list"
    done
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || die "not root and no sudo: as root, install ${missing[*]}"
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q || die "apt-get update failed: the packages ${missing[*]} cannot be fetched"
    if ! apt-cache show --no-all-versions "${missing[@]}" >/dev/null 2>&1; then
        local unknown=()
        for pkg in "${missing[@]}"; do
            apt-cache show --no-all-versions "$pkg" >/dev/null 2>&1 || unknown+=("$pkg")
        done
        die "no Debian package named ${unknown[*]} in apt's sources (Debian 12's main archive is needed)"
    fi
    # Never at the cost of a package already installed.
    if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}"; then
        local failed=()
        for pkg in "${missing[@]}"; do
            isInstalled "$pkg" || failed+=("$pkg")
        done
        die "apt-get could not install ${failed[*]:-${missing[*]}} (see apt's message above)"
    fi
}

configureAndBuild() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

# Every ctest call fails when it runs no test: a pass over nothing never passes. The output goes
# to the terminal and to LOG, whose summary line says how many tests ran.
runTests() {
    local dir=$1 log=$2
    shift 2
    mkdir -p "$(dirname "$log")"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure --no-tests=error --timeout 300 "$@" |
        tee "$log"
}

# How many tests a ctest call ran, from the summary line of its log.
testsRun() {
    sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$1" | tail -n 1
}

# The names of the tests in DIR that a ctest selection (-R, -L, ...) picks, one a line.
testNames() {
    local dir=$1
    shift
    ctest --test-dir "$dir" -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p'
}

# Run as root (as CI does), the built suite runs once more as an unprivileged user: root opens any
# device whatever its mode, which hides what an ordinary user meets. The user reads the build tree
# and writes only its own folder, where ctest keeps its log (a CTestTestfile that names the tree).
# The package check is left to the root pass: it builds the package inside the build tree; so are
# the guest test (it has an unprivileged user of its own) and the Windows check (it compiles).
# The pass must run all the others: it fails unless it ran as many tests as the first pass (FIRST)
# less those it leaves out.
unprivilegedLeavesOut=('^lume_package_files$' '^(guest|windows)$')
runTestsUnprivileged() {
    local dir=$1 first=$2
    local user=lumetest
    [[ $(id -u) -eq 0 ]] || return 0
    id -u "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    local build
    build=$(realpath "$dir")
    local leftOut
    leftOut=$( (testNames "$build" -R "${unprivilegedLeavesOut[0]}" && testNames "$build" -L "${unprivilegedLeavesOut[1]}") |
        sort -u)
    local expected=$((first - $(grep -c . <<<"$leftOut")))
    chmod -R a+rX "$build"
    # A subshell, so that its trap gives the folders above the tree back their permissions however
    # the pass ends.
    (
        saved=$(mktemp -d)
        granted=()
        home=
        restore() {
            local i
            for ((i = ${#granted[@]} - 1; i >= 0; i--)); do
                if [[ -f $saved/acl.$i ]]; then
                    setfacl --restore="$saved/acl.$i" || echo "build.sh: could not restore the ACL of ${granted[i]}" >&2
                else
                    chmod "$(cat "$saved/mode.$i")" "${granted[i]}" ||
                        echo "build.sh: could not restore the mode of ${granted[i]}" >&2
                fi
            done
            rm -rf "$saved" ${home:+"$home"}
        }
        trap restore EXIT
        trap 'exit 130' INT TERM HUP
        # Each folder from the root down to the tree that the user cannot pass: execute only, by an
        # ACL entry for the user where the file system has ACLs, by o+x otherwise.
        IFS=/ read -ra parts <<<"${build%/*}"
        path=
        for part in "${parts[@]}"; do
            [[ -n $part ]] || continue
            path+=/$part
            runuser -u "$user" -- test -x "$path" && continue
            i=${#granted[@]}
            if command -v setfacl >/dev/null && getfacl -p "$path" >"$saved/acl.$i" 2>/dev/null &&
                setfacl -m "u:$user:x" "$path" 2>/dev/null; then
                granted+=("$path")
            else
                rm -f "$saved/acl.$i"
                stat -c %a "$path" >"$saved/mode.$i"
                chmod o+x "$path" 2>/dev/null && granted+=("$path")
            fi
            runuser -u "$user" -- test -x "$path" ||
                die "the unprivileged pass's user $user cannot pass $path, and it could not be let through"
        done
        runuser -u "$user" -- test -r "$PWD/CMakeLists.txt" ||
            die "the unprivileged pass's user $user cannot read the sources in $PWD"
        ((${#granted[@]} == 0)) || echo "Passage for $user through ${granted[*]} during the pass"
        home=$(mktemp -d)
        mkdir -p "$home/ctest"
        mkdir -m 700 "$home/run"
        echo "subdirs(\"$build\")" >"$home/ctest/CTestTestfile.cmake"
        chown -R "$user:" "$home"
        status=0
        (cd "$home" && runuser -u "$user" -- env HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home/run" \
            QT_QPA_PLATFORM=offscreen ctest --test-dir "$home/ctest" --output-on-failure --no-tests=error \
            --timeout 300 -j2 -E "${unprivilegedLeavesOut[0]}" -LE "${unprivilegedLeavesOut[1]}") |
            tee "$saved/ctest.log" || status=$?
        ran=$(testsRun "$saved/ctest.log")
        echo "Tests run: $first in the first pass; ${ran:-none} as $user, who leaves out $((first - expected)):" \
            $leftOut
        [[ $status -eq 0 ]] || exit "$status"
        [[ $ran == "$expected" ]] ||
            die "the unprivileged pass ran ${ran:-no} tests, not the $expected of the first pass less those it leaves out"
    )
}

# The one configuration of the build folder for all three commands, so that none rebuilds what
# another built. Line tables only: a backtrace still names file and line, and the optimised tree
# compiles about a third faster than with full debug information.
optimised=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")

# The stages of a command with the minutes and seconds it has taken so far.
stage() {
    echo "== $1 (after $((SECONDS / 60)) min $((SECONDS % 60)) s)"
}

command=${1:-run}
case "$command" in
run)
    program=${2:-Sketchlume}
    installPackages run
    # Off explicitly, as a test run before leaves them on in the build folder's cache.
    configureAndBuild build "${optimised[@]}" -DBUILD_TESTING=OFF -DLUME_BENCHMARKS=OFF
    exec "build/bin/$program"
    ;;
packages)
    installPackages "${2:-}"
    ;;
test)
    stage "packages"
    installPackages test
    # The sanitizer tree builds beside the optimised one and its first two passes, sharing the
    # cores with them: those passes leave much of the cores idle (the guest emulates one CPU, many
    # tests wait on their lines). Not at a lower priority: on a machine busy with other work that
    # would starve it. One tree for the sanitizer pass and the fuzz targets: clang, unoptimised
    # (with ASan, clang compiles in about half the time of g++, and -O1 would double it again), no
    # benchmarks, line tables only. A session of its own, so that the command ends the whole build
    # if it stops early.
    mkdir -p build-sanitize
    setsid bash -c '
        set -e
        CXX=clang++-14 cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
            -DBUILD_TESTING=ON -DLUME_SANITIZE=ON -DLUME_FUZZ=ON -DLUME_BENCHMARKS=OFF
        cmake --build build-sanitize
        echo "== sanitizer build done after $SECONDS s"' >build-sanitize/lume-builds.log 2>&1 &
    builds=$!
    trap 'kill -- -$builds 2>/dev/null || true' EXIT
    stage "optimised build (the sanitizer build beside it)"
    configureAndBuild build "${optimised[@]}" -DBUILD_TESTING=ON -DLUME_BENCHMARKS=ON
    # Two at a time; the guest and the Windows check, the longest, start first.
    stage "optimised tests"
    runTests build build/Testing/lume-first-pass.log -j2
    first=$(testsRun build/Testing/lume-first-pass.log)
    stage "unprivileged tests"
    runTestsUnprivileged build "$first"
    stage "waiting for the sanitizer build"
    if ! wait "$builds"; then
        tail -n 60 build-sanitize/lume-builds.log >&2
        die "the sanitizer build failed: see build-sanitize/lume-builds.log"
    fi
    grep '^== ' build-sanitize/lume-builds.log
    # The guest and Windows checks ran above: the first runs the same code in a guest, the second
    # only compiles.
    stage "sanitizer tests"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/cmake/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        runTests build-sanitize build-sanitize/Testing/lume-sanitizer-pass.log -j2 -LE '^(guest|windows|fuzz)$'
    # The fuzz targets, a few seconds each on their corpora. ./fuzz.sh runs them longer.
    stage "fuzz runs"
    runTests build-sanitize build-sanitize/Testing/lume-fuzz-pass.log -j2 -L '^fuzz$'
    stage "done"
    ;;
package)
    installPackages package
    configureAndBuild build "${optimised[@]}" -DBUILD_TESTING=OFF -DLUME_BENCHMARKS=OFF
    (cd build && cpack -G DEB)
    deb=$(ls build/lume_*.deb)
    # Errors fail the command; the warnings that stay are explained in the README.
    lintian --fail-on error "$deb"
    echo "Built $deb"
    ;;
*)
    echo "usage: $0 run [Sketchlume|Scriptlume] | test | package | packages run|package|test" >&2
    exit 2
    ;;
esac
