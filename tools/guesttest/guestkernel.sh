#!/usr/bin/env bash
# Debian's kernel for the guest, unpacked into the build tree; nothing is installed, and neither
# /boot nor /lib/modules of this machine is read or changed:
#   guestkernel.sh BUILD_DIR
# Prints two lines: the kernel image, and the folder of its modules. The image is the versioned
# package that the metapackage linux-image-amd64 depends on, fetched with apt-get download (as
# root or not) and unpacked with dpkg-deb -x into BUILD_DIR/guest-kernel. A later run reuses it
# while apt names the same package and version. On any failure it says what is missing, exits 1
# and leaves nothing half-unpacked behind.
set -euo pipefail

build=$(realpath "$1")
meta=linux-image-amd64
target=$build/guest-kernel

die() {
    echo "guestkernel: $*" >&2
    exit 1
}

for tool in apt-get apt-cache dpkg-deb; do
    command -v $tool >/dev/null || die "$tool missing: the guest's kernel comes from Debian's archive"
done
package=$(apt-cache depends "$meta" 2>/dev/null | sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*\)$/\1/p' | head -n 1)
[[ -n $package ]] ||
    die "apt knows no kernel image that $meta depends on: run apt-get update with Debian 12's main archive in apt's sources"
version=$(apt-cache show --no-all-versions "$package" 2>/dev/null | sed -n 's/^Version: //p' | head -n 1)
[[ -n $version ]] || die "apt knows no version of $package: run apt-get update"

shopt -s nullglob
found() {
    local dir=$1 kernels modules
    kernels=("$dir"/boot/vmlinuz-*)
    modules=("$dir"/lib/modules/* "$dir"/usr/lib/modules/*)
    local kernel=${kernels[0]:-} modules=${modules[0]:-}
    [[ -n $kernel && -r $kernel && -n $modules && -f $modules/modules.dep ]] || return 1
    printf '%s\n%s\n' "$kernel" "$modules"
}

if [[ $(cat "$target/package" 2>/dev/null) == "$package $version" ]] && found "$target"; then
    exit 0
fi

# Fetched and unpacked in a folder of its own, which takes the place of the old one only when
# complete.
scratch=$(mktemp -d "$build/guest-kernel.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
echo "guestkernel: downloading $package $version" >&2
sandbox=()
# apt's own download user cannot write into a folder of root's.
[[ $(id -u) -eq 0 ]] && sandbox=(-o APT::Sandbox::User=root)
(cd "$scratch" && apt-get download -q "${sandbox[@]}" "$package=$version" >&2) ||
    die "could not download $package $version: check the network and apt's sources, then apt-get update"
debs=("$scratch"/*.deb)
deb=${debs[0]:-}
[[ -n $deb ]] || die "apt-get download left no package of $package"
dpkg-deb -x "$deb" "$scratch/root" || die "could not unpack $deb"
rm -f "$deb"
# The list of what each module needs is made on installation, so here by depmod: kmod's where
# there is one, busybox's (which the guest needs anyway) otherwise.
releases=("$scratch"/root/lib/modules/*)
release=${releases[0]##*/}
[[ -n $release ]] || die "$package holds no lib/modules folder"
depmod=$(PATH=$PATH:/usr/sbin:/sbin command -v depmod || true)
[[ -n $depmod ]] || { [[ -x /bin/busybox ]] && depmod="/bin/busybox depmod"; } ||
    die "depmod missing: install the Debian package busybox-static"
$depmod -b "$scratch/root" "$release" || die "depmod could not list the modules of $package"
found "$scratch/root" >/dev/null || die "$package holds no boot/vmlinuz-* with its modules.dep"
echo "$package $version" >"$scratch/root/package"
rm -rf "$target"
mv "$scratch/root" "$target"
found "$target"
