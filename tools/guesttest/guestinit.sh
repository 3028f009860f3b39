#!/bin/busybox sh
# The guest's first process: loads the drivers, mounts this machine's root read-only with the
# build and the exchange folder over it, and runs the scenarios there. Whatever happens, the guest
# powers off, so that QEMU ends.
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

param() { sed -n "s/.*lume\.$1=\([^ ]*\).*/\1/p" /proc/cmdline; }
fail() {
    echo "@@GUEST fatal: $*"
    poweroff -f
}

for module in $(cat /modules.list); do
    insmod "/lib/modules/$module" || fail "insmod $module"
done
h=/host
mkdir -p $h
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,cache=loose,ro hostroot $h || fail "mount of the host's root"
build=$(param build)
mount -t tmpfs tmpfs $h/tmp || fail "tmpfs"
mount -t tmpfs tmpfs $h/run
mount -t proc proc $h/proc
mount -t sysfs sysfs $h/sys
mount -t devtmpfs devtmpfs $h/dev
mkdir -p $h/dev/pts
mount -t devpts devpts $h/dev/pts
mkdir -p $h/tmp/xchg
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 xchg $h/tmp/xchg || fail "mount of the exchange folder"
# Over the root's copy at the same path, so that a build under /tmp is seen too.
mkdir -p "$h$build" 2>/dev/null
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,cache=loose,ro build "$h$build" || fail "mount of the build"
# A writable /etc/passwd and /etc/group: the scenarios run a user of their own.
cp $h/etc/passwd $h/etc/group $h/tmp/
mount --bind $h/tmp/passwd $h/etc/passwd
mount --bind $h/tmp/group $h/etc/group

# The modules of the kernel the test unpacked into the build, which the build's share holds.
kernel=$(param modules)/kernel
for module in drivers/usb/common/usb-common drivers/usb/core/usbcore drivers/usb/host/xhci-hcd \
    drivers/usb/host/xhci-pci drivers/usb/serial/usbserial drivers/usb/serial/ftdi_sio; do
    insmod "$h$kernel/$module.ko" || fail "insmod $module"
done

echo "@@GUEST up $(cut -d' ' -f1 /proc/uptime)"
cases=$(param cases | tr , ' ')
[ "$cases" = all ] && cases=
LUME_GUEST_CASES=$cases chroot $h /bin/bash /tmp/xchg/guestcases.sh "$build"
status=$?
dmesg | tail -n 40 | sed "s/^/dmesg: /" >&2
echo "@@GUEST done $status"
sync
poweroff -f
