#!/usr/bin/env bash
# Makes the picture files the Sketchlume tests load. They come from ImageMagick, not from Qt, so
# that the tests read what another program wrote; the damaged ones are written byte by byte.
# The files are committed; run this only to change them:  CONVERT=convert-im6.q16 ./make-fixtures.sh
set -euo pipefail
cd "$(dirname "$0")"
convert=${CONVERT:-convert}
im() { "$convert" "$@"; }
# 8 x 12 all white, as a 24-bit BMP and a PNG: every first column byte 0xFF, width 1.
im -size 8x12 xc:white -type TrueColor BMP3:white8x12.bmp
im -size 8x12 xc:white PNG24:white8x12.png # with ImageMagick's gamma, chroma and date chunks
# 16 x 12 white JPEG: two column bytes lit.
im -size 16x12 xc:white -type TrueColor -strip -quality 95 JPEG:white16x12.jpg
# White, blue and red 8-pixel stripes: bytes FF 00 FF.
im -size 8x12 xc:white xc:blue xc:red +append GIF:stripes24x12.gif
# Blue, green and cyan, red component 0: nothing lit.
im -size 8x12 xc:blue xc:lime xc:cyan +append -type TrueColor BMP3:bluegreen24x12.bmp

# The capture rule on grey and coloured pixels, one colour per row, 16 pixels wide:
#   808080 -> 80, 7F7F7F -> 7F, yellow -> FF, magenta -> FF, green, cyan, blue -> 00,
#   orange FF8000 -> FF, dark red 800000 -> 80, 555555 -> 55, AA55FF -> AA, black -> 00.
rows=('#808080' '#7F7F7F' '#FFFF00' '#FF00FF' '#00FF00' '#00FFFF' '#0000FF' '#FF8000' '#800000'
    '#555555' '#AA55FF' '#000000')
colours=()
for c in "${rows[@]}"; do colours+=("xc:$c"); done
im -size 16x1 "${colours[@]}" -append -type TrueColor BMP3:colours16x12.bmp
im -size 16x1 "${colours[@]}" -append GIF:colours16x12.gif

# A 32 x 32 icon: rows 0..3 white, row 6 red in its first 8 pixels, rows 20..31 white (below the
# 12 rows of a message), the rest transparent.
icon32=(-size 32x32 xc:none -fill white -draw 'rectangle 0,0 31,3' -draw 'rectangle 0,20 31,31'
    -fill red -draw 'rectangle 0,6 7,6')
im "${icon32[@]}" ICO:icon32.ico
# An icon holding a 16 x 16 white image first and the same 32 x 32 image second.
im -size 16x16 xc:white \( "${icon32[@]}" \) ICO:icon16and32.ico

# Damaged and wrong files.
# "BM" and then no header at all, only counting bytes.
python3 -c 'import sys; sys.stdout.buffer.write(b"BM" + bytes(7 + 3 * (i % 81) for i in range(162)))' \
    >corrupt.bmp
# A 64 x 12 BMP that ends after its first 100 bytes of pixels.
im -size 64x12 xc:white -type TrueColor -units PixelsPerCentimeter -density 37.8001 BMP3:- | head -c 154 \
    >truncated.bmp
# A GIF that claims 30000 x 30000 pixels and holds one tiny block.
printf 'GIF89a\x30\x75\x30\x75\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00\x00\x30\x75\x30\x75\x00\x02\x02\x44\x01\x00\x3b' \
    >huge-header.gif
printf 'This is a text file with a picture name.\n' >notapicture.jpg
# A progressive JPEG of 16 x 16 white pixels whose frame header claims 65500 x 65500: decoding it
# would keep the coefficients of the whole image (12 GB) before the top rows come out.
im -size 16x16 xc:white -strip -interlace JPEG JPEG:progressive-65500.jpg
frame=$(LC_ALL=C grep -obUaP '\xff\xc2' progressive-65500.jpg | head -n1 | cut -d: -f1)
printf '\xff\xdc\xff\xdc' | dd of=progressive-65500.jpg bs=1 seek=$((frame + 5)) conv=notrunc status=none
