#!/usr/bin/env bash
# The serial ports on a real Linux kernel: boots a small guest under QEMU (TCG, no KVM) with a
# 16550 UART and QEMU's FTDI adapter, shares this machine's root and the build read-only, runs
# guestcases.sh inside and answers its requests to plug and unplug adapters over QMP.
#   guesttest.sh BUILD_DIR GUESTPROBE [LIMIT_SECONDS]
# Fails, with the guest's console, when a package is missing, the guest does not boot, a scenario
# fails or the whole run takes longer than the limit. Leaves no process and no file behind.
set -euo pipefail

build=$(realpath "$1")
probe=$(realpath "$2")
limit=${3:-110}
here=$(dirname "$(realpath "$0")")

die() {
    echo "guesttest: $*" >&2
    exit 1
}

# Everything comes from Debian's packages (packages/test.txt, the kernel from Debian's archive):
# missing means failed, never skipped.
command -v qemu-system-x86_64 >/dev/null || die "qemu-system-x86_64 missing: install the Debian package qemu-system-x86"
[[ -x /bin/busybox ]] && /bin/busybox --list | grep -x insmod >/dev/null ||
    die "/bin/busybox missing: install the Debian package busybox-static"
# Debian's kernel, downloaded and unpacked into the build tree, never this machine's own.
kernelInfo=$("$here/guestkernel.sh" "$build") || die "no kernel for the guest (see above)"
kernel=${kernelInfo%%$'\n'*}
modules=${kernelInfo#*$'\n'}
cpioTool=$(/bin/busybox --list | grep -x cpio >/dev/null && echo "/bin/busybox cpio")
[[ -n $cpioTool ]] || die "busybox has no cpio"

work=$(mktemp -d "${TMPDIR:-/tmp}/lume-guesttest.XXXXXX")
pids=()
qemu=
cleanup() {
    local status=$?
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # QEMU waiting on a full FIFO does not see a TERM: it gets two seconds, then KILL.
    if [[ -n $qemu ]]; then
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$qemu" 2>/dev/null || break
            sleep 0.2
        done
        kill -KILL "$qemu" 2>/dev/null || true
    fi
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

xchg=$work/xchg
mkdir -p "$xchg" "$work/initramfs/bin" "$work/initramfs/lib/modules"
cp "$here/guestcases.sh" "$probe" "$here/../../data/udev/70-lume-serial.rules" "$xchg/"
# The streams the guest sends, composed here by the same lumesend (the guest only sends).
compose() {
    local out=$1
    shift
    QT_QPA_PLATFORM=offscreen "$build/bin/lumesend" --output "$xchg/$out" "$@" >/dev/null ||
        die "lumesend could not compose $out"
}
compose small.bin --message 1 --text "Lume on a real kernel" --speed 6 --message 2 --text "12:30" --flash
compose long.bin --message 1 --text "$(printf 'Lume %.0s' $(seq 75))"
compose longer.bin --message 1 --text "$(printf 'Lume %.0s' $(seq 100))"

# The initramfs: busybox and the modules that reach the 9p shares, each after what it needs.
mkdir -p "$work/initramfs/"{proc,sys,dev,tmp}
list=()
addModule() {
    local path=$1 dependency
    [[ " ${list[*]} " == *" ${path##*/} "* ]] && return
    for dependency in $(sed -n "s#^$path: *##p" "$modules/modules.dep" | tr ' ' '\n' | tac); do
        addModule "$dependency"
    done
    cp "$modules/$path" "$work/initramfs/lib/modules/" || die "module $path missing in $modules"
    list+=("${path##*/}")
}
for path in kernel/drivers/virtio/virtio_pci.ko kernel/net/9p/9pnet_virtio.ko kernel/fs/9p/9p.ko; do
    grep -q "^$path:" "$modules/modules.dep" || die "module $path not in $modules/modules.dep"
    addModule "$path"
done
printf '%s\n' "${list[@]}" >"$work/initramfs/modules.list"
cp /bin/busybox "$work/initramfs/bin/"
install -m 755 "$here/guestinit.sh" "$work/initramfs/init"
(cd "$work/initramfs" && find . | $cpioTool -o -H newc 2>/dev/null | gzip -1 >"$work/initrd.gz")

# The far ends: ttyS1 and the first adapter into files, ttyS2 into a FIFO that the host reads at
# 120 bytes a second, an adapter plugged in later into a FIFO nobody reads, another into a file.
mkfifo "$work/ttyS2.in" "$work/ttyS2.out" "$work/usbpaced.in" "$work/usbpaced.out"
"$probe" pace "$work/ttyS2.out" "$xchg/ttyS2.read" 120 &
pids+=($!)
# The adapter plugged in later, whose line nobody reads: unplugged once its FIFO is full.
"$probe" unplug-when-full "$work/qmp-unplug.sock" "$work/usbpaced.out" ftdipaced &
pids+=($!)
touch "$work/console.log"

qemu-system-x86_64 -accel tcg -machine pc -m 1024 -smp 1 -nodefaults -no-user-config -display none \
    -no-reboot -kernel "$kernel" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 panic=-1 loglevel=4 lume.build=$build lume.modules=$modules lume.cases=${LUME_GUEST_CASES:-all}" \
    -chardev file,id=console,path="$work/console.log" -serial chardev:console \
    -chardev file,id=uart1,path="$xchg/ttyS1.out" -serial chardev:uart1 \
    -chardev pipe,id=uart2,path="$work/ttyS2" -serial chardev:uart2 \
    -device qemu-xhci,id=xhci \
    -chardev file,id=usbfile,path="$xchg/usb.out" -device usb-serial,id=ftdi0,bus=xhci.0,chardev=usbfile \
    -chardev pipe,id=usbpaced,path="$work/usbpaced" \
    -chardev file,id=usblate,path="$xchg/usblate.out" \
    -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
    -virtfs local,path="$build",mount_tag=build,security_model=none,readonly=on,multidevs=remap \
    -virtfs local,path="$xchg",mount_tag=xchg,security_model=none,multidevs=remap \
    -qmp unix:"$work/qmp.sock",server=on,wait=off -qmp unix:"$work/qmp-unplug.sock",server=on,wait=off &
qemu=$!
pids+=($qemu)

# The guest asks for plugging and unplugging on its console: "@@HOST plug ID CHARDEV".
answer() {
    local line
    while read -r line; do
        line=${line%$'\r'}
        case $line in
        *"@@HOST plug "*)
            set -- ${line#*@@HOST plug }
            "$probe" qmp "$work/qmp.sock" \
                "{\"execute\":\"device_add\",\"arguments\":{\"driver\":\"usb-serial\",\"id\":\"$1\",\"bus\":\"xhci.0\",\"chardev\":\"$2\"}}" ||
                echo "guesttest: plugging $1 failed" >&2
            ;;
        *"@@HOST unplug "*)
            set -- ${line#*@@HOST unplug }
            "$probe" qmp "$work/qmp.sock" "{\"execute\":\"device_del\",\"arguments\":{\"id\":\"$1\"}}" ||
                echo "guesttest: unplugging $1 failed" >&2
            ;;
        esac
    done
}
mkfifo "$work/events"
tail -n +1 -F "$work/console.log" >"$work/events" 2>/dev/null &
pids+=($!)
answer <"$work/events" &
pids+=($!)

sleep "$limit" &
watchdog=$!
pids+=($watchdog)
start=$SECONDS
qemuStatus=0
ended=
wait -n -p ended "$qemu" "$watchdog" || qemuStatus=$?
if [[ $ended != "$qemu" ]]; then
    echo "guesttest: the guest did not end within $limit s" >&2
    qemuStatus=124
fi
elapsed=$((SECONDS - start))

console=$(tr -d '\r' <"$work/console.log")
passed=$(grep -c '^@@PASS ' <<<"$console" || true)
failed=$(grep -c '^@@FAIL ' <<<"$console" || true)
expected=$(grep -c '^@@CASES ' <<<"$console" || true)
cases=$(sed -n 's/^@@CASES //p' <<<"$console" | head -1)
if [[ $qemuStatus -ne 0 || $failed -ne 0 || $expected -ne 1 || $passed -ne $cases ]] ||
    ! grep -q '^@@GUEST done 0' <<<"$console"; then
    echo "---- guest console ----"
    echo "$console"
    echo "---- end of guest console ----"
    echo "guesttest: $passed of ${cases:-?} scenarios passed, $failed failed, QEMU status $qemuStatus, $elapsed s" >&2
    exit 1
fi
grep -E '^@@(PASS|INFO) ' <<<"$console" || true
echo "guesttest: $passed of $cases scenarios passed in $elapsed s (kernel $(basename "$kernel"), TCG)"
