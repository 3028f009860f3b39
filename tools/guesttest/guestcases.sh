#!/bin/bash
# The scenarios, run as root inside the guest, on this machine's root (read-only) with the build
# over it. Each prints "@@PASS name" or "@@FAIL name" on the guest's console; a request to the
# host is a line "@@HOST plug ID CHARDEV" or "@@HOST unplug ID".
#   guestcases.sh BUILD_DIR
build=$1
bin=$build/bin
x=/tmp/xchg
export HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" /tmp/nobody && chmod 700 "$XDG_RUNTIME_DIR" /tmp/nobody && chown nobody /tmp/nobody

# What udev does on a Debian machine: serial devices belong to the group dialout.
dialout() {
    chgrp dialout "$@" && chmod 660 "$@"
}
dialout /dev/ttyS1 /dev/ttyS2 /dev/ttyUSB0
mkdir -p /run/lock && chmod 1777 /run/lock

check() { # check TEXT WORD... : every word is in the text
    local text=$1 word
    shift
    for word in "$@"; do
        [[ $text == *"$word"* ]] || {
            echo "expected \"$word\" in: $text"
            return 1
        }
    done
}

# The streams, composed on the host by the same lumesend: small.bin (1001 bytes), long.bin (5189
# bytes, about 9 s beyond the paced pipe's 4096 at 120 bytes a second) and longer.bin (6689 bytes,
# for the adapter's transfer that the unplug ends).
small=$x/small.bin
listPorts() {
    local out
    out=$("$bin/lumesend" --list-ports 2>&1) || {
        echo "$out"
        return 1
    }
    echo "$out"
    grep -E '^COM[0-9]+ +/dev/ttyUSB0 +.*\(0403:6001, ftdi_sio' <<<"$out" >/dev/null || {
        echo "the FTDI adapter is not named"
        return 1
    }
    grep -E "^COM[0-9]+ +/dev/ttyS1 +built-in serial port" <<<"$out" >/dev/null || {
        echo "the 16550 is not named"
        return 1
    }
    ! grep -E '/dev/ttyS0( |$)' <<<"$out" >/dev/null || {
        echo "the console is listed"
        return 1
    }
}

sendThroughEachDriver() {
    local pair device file status=0
    for pair in /dev/ttyS1:ttyS1.out /dev/ttyUSB0:usb.out; do
        device=${pair%%:*} file=$x/${pair#*:}
        timeout 30 "$bin/lumesend" --device "$device" --stream "$small" 2>/tmp/send.err || {
            cat /tmp/send.err
            echo "the send to $device failed"
            status=1
            continue
        }
        cmp "$file" "$small" || {
            echo "$device: what arrived differs from --output ($(stat -c %s "$file") of $(stat -c %s "$small") bytes)"
            status=1
        }
    done
    return $status
}

unprivilegedUser() {
    local out status=0
    # A copy the user can reach wherever the build lies: a clone under a home of mode 700 bars it.
    local own=/tmp/unprivileged
    mkdir -p $own && cp "$bin/lumesend" $own/ && chmod 755 $own $own/lumesend || return 1
    out=$(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp/nobody XDG_RUNTIME_DIR=/tmp/nobody \
        timeout 30 $own/lumesend --device /dev/ttyS1 --stream "$small" 2>&1)
    [[ $? -eq 1 ]] || {
        echo "a send without the group did not fail with status 1: $out"
        status=1
    }
    check "$out" "Permission denied" "group dialout" "usermod -aG dialout" || status=1
    out=$(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp/nobody XDG_RUNTIME_DIR=/tmp/nobody \
        timeout 30 $own/lumesend --check-port /dev/ttyS1 2>&1)
    [[ $? -ne 0 ]] || {
        echo "--check-port passed a port the user may not open: $out"
        status=1
    }
    check "$out" dialout "usermod -aG dialout" || status=1
    echo "$out"
    return $status
}

# The paced line: a first sender on ttyS2 waits on it for about half a minute (the host's pipe
# takes bytes again only once it has read a whole page), watched by guestprobe.
pacedProbe= firstSender=
startPacedSender() {
    "$x/guestprobe" paced /dev/ttyS2 2 "$x/ttyS2.read" "$(stat -c %s "$x/long.bin")" -- \
        "$bin/lumesend" --device /dev/ttyS2 --stream "$x/long.bin" >/tmp/paced.out 2>&1 &
    pacedProbe=$!
    for _ in $(seq 300); do
        grep -q "^paced: waiting on the line" /tmp/paced.out && break
        kill -0 $pacedProbe 2>/dev/null || break
        sleep 0.2
    done
    firstSender=$(sed -n 's/^paced: sender pid //p' /tmp/paced.out)
    grep -q "^paced: waiting on the line" /tmp/paced.out
}

secondSender() {
    local out status=0
    startPacedSender || {
        echo "the first sender never waited on the line"
        return 1
    }
    out=$(timeout 30 "$bin/lumesend" --device /dev/ttyS2 --stream "$small" 2>&1)
    [[ $? -eq 1 ]] || {
        echo "a second send did not fail with status 1"
        status=1
    }
    check "$out" lumesend "$firstSender" || status=1
    echo "$out"
    out=$(timeout 30 "$bin/lumesend" --check-port /dev/ttyS2 2>&1)
    [[ $? -ne 0 ]] || status=1
    check "$out" lumesend "$firstSender" || status=1
    echo "$out"
    return $status
}

pacedUart() {
    [[ -n $pacedProbe ]] || startPacedSender
    wait $pacedProbe
    local status=$?
    tr '\r' '\n' </tmp/paced.out | grep -v ' bytes, .* left$'
    grep '^paced: [0-9]* samples' /tmp/paced.out | sed 's/^/@@INFO /'
    return $status
}

# An adapter whose far end reads nothing: the host unplugs it once its line has backed up.
unplugMidTransfer() {
    local device before status start waited
    before=$(ls /sys/class/tty | grep ttyUSB)
    echo "@@HOST plug ftdipaced usbpaced"
    for _ in $(seq 100); do
        device=$(ls /sys/class/tty | grep ttyUSB | grep -vxF "$before" | head -1)
        [[ -n $device && -c /dev/$device ]] && break
        sleep 0.2
    done
    [[ -n $device ]] || {
        echo "no adapter appeared"
        return 1
    }
    start=$(date +%s%N)
    timeout 60 "$bin/lumesend" --device "/dev/$device" --stream "$x/longer.bin" 2>/tmp/unplug.err
    status=$?
    waited=$((($(date +%s%N) - start) / 1000000))
    echo "@@INFO unplug: the sender on /dev/$device ended after ${waited} ms with status $status: $(tr '\n' ' ' </tmp/unplug.err)"
    [[ $status -eq 1 ]] && grep -q '^lumesend: ' /tmp/unplug.err && [[ ! -e /dev/$device ]]
}

sketchlumeHotPlug() {
    local status
    mkdir -p /tmp/sketch
    timeout 60 "$bin/sketchdriver" /tmp/sketch/Lumeset.ini "Lume" "@@HOST plug ftdilate usblate"
    status=$?
    [[ $status -eq 0 ]] || return 1
    "$bin/lumesend" --settings /tmp/sketch/Lumeset.ini --output /tmp/sketch.bin || return 1
    cmp "$x/usblate.out" /tmp/sketch.bin || {
        echo "what arrived differs from lumesend's reading of the window's settings"
        return 1
    }
}

# The package's udev rule on the real FTDI adapter: a udev daemon of the shared root, started for
# this case only (the others see the devices as the faked dialout above leaves them), with the rule
# in udev's runtime folder.
udevRule() {
    local udevd status=0 info serial
    udevd=$(command -v systemd-udevd || echo /lib/systemd/systemd-udevd)
    [[ -x $udevd ]] || {
        echo "systemd-udevd missing: install the Debian package udev"
        return 1
    }
    mkdir -p /run/udev/rules.d && cp "$x/70-lume-serial.rules" /run/udev/rules.d/ || return 1
    # The scenarios run in a chroot, where udevadm would otherwise refuse to act.
    export SYSTEMD_IGNORE_CHROOT=1
    "$udevd" --daemon --resolve-names=never || {
        echo "systemd-udevd did not start"
        return 1
    }
    udevadm trigger --subsystem-match=tty --action=add && udevadm settle --timeout=60 || status=1
    info=$(udevadm info --query=all --name=/dev/ttyUSB0 2>&1)
    serial=$(udevadm info --query=property --name=/dev/ttyS1 2>&1)
    udevadm control --exit
    grep -E '^E: (ID_VENDOR_ID|ID_MODEL_ID|ID_MM_DEVICE_IGNORE|TAGS|CURRENT_TAGS)=' <<<"$info" | sed 's/^/@@INFO udev ttyUSB0 /'
    grep -qx 'E: ID_MM_DEVICE_IGNORE=1' <<<"$info" || {
        echo "ttyUSB0 lacks ID_MM_DEVICE_IGNORE=1: $info"
        status=1
    }
    grep -qE '^E: CURRENT_TAGS=.*:uaccess:' <<<"$info" || {
        echo "ttyUSB0 lacks the tag uaccess: $info"
        status=1
    }
    # The built-in UART is no adapter of the rule.
    ! grep -qE 'ID_MM_DEVICE_IGNORE|:uaccess:' <<<"$serial" || {
        echo "the rule reached ttyS1: $serial"
        status=1
    }
    return $status
}

cases=(${LUME_GUEST_CASES:-listPorts sendThroughEachDriver unprivilegedUser secondSender pacedUart
    unplugMidTransfer sketchlumeHotPlug udevRule})
echo "@@CASES ${#cases[@]}"
for name in "${cases[@]}"; do
    echo "@@CASE $name"
    began=$(date +%s%N)
    if "$name"; then
        echo "@@PASS $name ($((($(date +%s%N) - began) / 1000000)) ms)"
    else
        echo "@@FAIL $name"
    fi
done
