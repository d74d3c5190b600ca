#!/usr/bin/env bash
# Draws the program's icon in the freedesktop sizes with ImageMagick, in the colours of the start
# logo (resources/make-artwork.sh): the sun behind a cloud on the night-blue ground. The results
# are committed; run this again only to change the icon (needs imagemagick).
set -euo pipefail
cd "$(dirname "$0")"
ID=net.nimbrisco.Nimbrisco
MASTER=$(mktemp --suffix=.png)
trap 'rm -f "$MASTER"' EXIT

# Drawn once at 512 px; the smaller sizes are scaled from it, so they all show the same picture.
convert -size 512x512 xc:none \
    \( -size 480x480 gradient:'#0d3b66'-'#03121f' \) -geometry +16+16 -composite \
    \( -size 512x512 xc:none -fill white -draw "roundrectangle 16,16 495,495 96,96" \) \
    -compose DstIn -composite -compose Over \
    -fill '#f4d35e' -draw "circle 210,200 210,100" \
    -fill '#faf0ca' -draw "ellipse 300,320 150,72 0,360" -draw "ellipse 200,350 110,58 0,360" \
    -draw "ellipse 330,270 90,70 0,360" \
    "$MASTER"
for size in 16 22 24 32 48 64 128 256 512; do
    mkdir -p "hicolor/${size}x${size}/apps"
    convert "$MASTER" -filter Lanczos -resize "${size}x${size}" -strip \
        "hicolor/${size}x${size}/apps/$ID.png"
done
