#!/usr/bin/env bash
# Lume's commands on a fresh Debian 12: a copy of a `debootstrap --variant=minbase bookworm` tree
# with /proc, /sys, /dev and /dev/pts bound in, a clone of one commit of the project in /root/lume,
# and one command run there as root, timed, with what it installed.
#
#   freshrun.sh COMMIT MODE [REPO]
#     MODE packages-run | packages-package | packages-test
#              only the installs of ./build.sh run | package | test (./build.sh packages ...)
#     MODE run   the installs of ./build.sh run and its build (the window is not started)
#     MODE package  ./build.sh package as a whole (installs, build, the package and lintian)
#     MODE test  ./build.sh test as a whole (about 13 minutes of both cores)
#   REPO defaults to the repository this script is in.
#   FRESH_BASE=/work/chroot-fresh  the untouched debootstrap tree, made once with
#       debootstrap --variant=minbase bookworm /work/chroot-fresh http://deb.debian.org/debian
#   KEEP=1  keeps the copy (its path is printed); it is removed otherwise.
# Prints and logs (to /work/fresh/<copy>.log): packages, MB downloaded, MB installed (the sum of
# dpkg's Installed-Size, and du of the tree less apt's download cache), minutes taken.
set -euo pipefail

commit=${1:?usage: freshrun.sh COMMIT MODE [REPO]}
mode=${2:?usage: freshrun.sh COMMIT MODE [REPO]}
repo=${3:-$(git -C "$(dirname "$0")" rev-parse --path-format=absolute --git-common-dir)}
base=${FRESH_BASE:-/work/chroot-fresh}
[[ $(id -u) -eq 0 ]] || { echo "freshrun: run as root (chroot, mounts)" >&2; exit 1; }
[[ -x $base/bin/bash ]] || { echo "freshrun: no debootstrap tree in $base" >&2; exit 1; }
case $mode in
packages-run | packages-package | packages-test) command="./build.sh packages ${mode#packages-}" ;;
# The configuration ./build.sh run uses (its "optimised" flags), without starting the window.
run) command="./build.sh packages run && cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo '-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG' -DBUILD_TESTING=OFF -DLUME_BENCHMARKS=OFF && cmake --build build" ;;
package) command="./build.sh package" ;;
test) command="./build.sh test" ;;
*) echo "freshrun: unknown mode $mode" >&2; exit 2 ;;
esac

mkdir -p /work/fresh
root=$(mktemp -d /work/fresh/root.XXXXXX)
log=$root.log
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
    # Never remove the copy while anything is still mounted inside it.
    if grep -q " $root/" /proc/self/mounts; then
        echo "freshrun: $root still has mounts; left in place" >&2
    elif [[ ${KEEP:-0} == 1 ]]; then
        echo "freshrun: kept $root"
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

cp -a "$base/." "$root/"
for dir in proc sys dev dev/pts; do
    mount --bind "/$dir" "$root/$dir"
    mounted+=("$root/$dir")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A fresh installation has the security and stable updates as well.
cat >"$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
# No services start inside the copy.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
git clone -q --no-checkout "$repo" "$root/root/lume"
git -C "$root/root/lume" checkout -q "$commit"

inChroot() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$1"
}
figures() {
    inChroot "dpkg-query -W -f='\${Status} \${Installed-Size}\n' | awk '/install ok installed/ {n++; s += \$4} END {printf \"%d packages, %.0f MB installed (dpkg)\", n, s / 1024}'"
    echo ", $(du -sxm --exclude="$root/var/cache/apt" --exclude="$root/root/lume" "$root" | cut -f1) MB on disk (du, less apt's cache and the clone)"
}

{
    echo "== $(date -u) commit $(git -C "$root/root/lume" rev-parse --short HEAD), mode $mode, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
    echo "before: $(figures)"
    start=$(date +%s)
    status=0
    inChroot "cd /root/lume && $command" || status=$?
    end=$(date +%s)
    echo "after:  $(figures)"
    echo "downloaded: $(du -sm "$root/var/cache/apt/archives" | cut -f1) MB of packages"
    echo "status $status, $(((end - start) / 60)) min $(((end - start) % 60)) s, load $(cut -d' ' -f1-3 /proc/loadavg)"
    exit $status
} 2>&1 | tee "$log"
