#!/usr/bin/env bash
# Starts a window program on Wayland, under a headless weston of its own, and passes once the
# program has given its window a title and drawn into it while it still runs.
#   waylandsmoke.sh PROGRAM TITLE
# Missing weston or Qt's Wayland plugin fails the test, never skips it.
set -uo pipefail
program=$1
title=$2

die() {
    echo "waylandsmoke: $*" >&2
    exit 1
}
command -v weston >/dev/null || die "weston missing: install the Debian package weston"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null ||
    die "Qt's Wayland plugin missing in $plugins/platforms: install the Debian package qt6-wayland"

work=$(mktemp -d "${TMPDIR:-/tmp}/lume-wayland.XXXXXX")
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_CONFIG_HOME"
socket=lume-smoke
westonPid= programPid= drainers=()
cleanup() {
    local status=$?
    [[ -n $programPid ]] && kill "$programPid" 2>/dev/null && wait "$programPid" 2>/dev/null
    [[ -n $westonPid ]] && kill "$westonPid" 2>/dev/null && wait "$westonPid" 2>/dev/null
    for pid in "${drainers[@]}"; do
        kill "$pid" 2>/dev/null
    done
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# weston listens on its socket before it loads its shell: the shell's log line tells it is ready.
# (The socket file alone is no sign: it exists a moment before weston listens on it.)
mkfifo "$work/weston.log"
env -u DISPLAY -u WAYLAND_DISPLAY weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
    --no-config >"$work/weston.log" 2>&1 &
westonPid=$!
# Each FIFO is opened once: opened again after its writer ended, it would wait forever.
exec 3<"$work/weston.log"
ready=
while IFS= read -r -u 3 line; do
    echo "weston: $line" >>"$work/weston.out"
    if [[ $line == *desktop-shell* ]]; then
        ready=1
        break
    fi
done
# Keep draining weston's output so that it never blocks on a full pipe.
cat <&3 >>"$work/weston.out" 2>/dev/null &
drainers=($!)
exec 3<&-
[[ -n $ready && -S $XDG_RUNTIME_DIR/$socket ]] || {
    cat "$work/weston.out" >&2
    die "weston did not start"
}

# The client's side of the protocol (WAYLAND_DEBUG): the title set on the window's toplevel, then
# a buffer attached to a surface, is the window shown.
mkfifo "$work/program.err"
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=client \
    "$program" 2>"$work/program.err" &
programPid=$!
exec 4<"$work/program.err"
titled= shown=
while IFS= read -r -u 4 line; do
    if [[ -z $titled && $line == *'xdg_toplevel@'*'.set_title("'"$title"'")'* ]]; then
        titled=1
        echo "waylandsmoke: ${line#*-> }"
    elif [[ -n $titled && $line == *'-> wl_surface@'*'.attach(wl_buffer@'* ]]; then
        shown=1
        echo "waylandsmoke: ${line#*-> }"
        break
    elif [[ $line != *'wl_'* && $line != *'xdg_'* && $line != *'zwp_'* && $line != *'zxdg_'* && $line != *'wp_'* ]]; then
        echo "$program: $line" >&2
    fi
done
cat <&4 >/dev/null 2>&1 &
drainers+=($!)
exec 4<&-
[[ -n $shown ]] || die "$program showed no window titled \"$title\" (titled: ${titled:-no})"
kill -0 "$programPid" 2>/dev/null || die "$program ended before its window was up"
echo "waylandsmoke: $program shows \"$title\" on Wayland"
