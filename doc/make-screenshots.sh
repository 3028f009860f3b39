#!/usr/bin/env bash
# Makes the guide's screenshots again from the real windows, offscreen, into doc/guide/images.
#   doc/make-screenshots.sh [BUILD_DIR]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=${1:-$here/../build}
cmake --build "$build" --target guideshots dotfonts
out=$here/guide/images
mkdir -p "$out"
# A fixed look whatever the desktop: the Fusion style, the default palette, 96 dpi.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 LC_ALL=C.UTF-8 \
    "$build/bin/guideshots" "$out" -style fusion
# Small files: the screenshots have few colours.
if command -v optipng >/dev/null; then
    optipng -quiet -o2 "$out"/*.png
fi
