#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick. The results are committed; run this again
# only to change the artwork (needs imagemagick and fonts-dejavu).
set -euo pipefail
cd "$(dirname "$0")/pictures"
FONT=DejaVu-Sans-Bold

# Placeholder shown for every picture that could not be fetched.
convert -size 640x480 gradient:'#1b2a41'-'#0b0f17' \
    -fill '#3d5a80' -draw "circle 320,190 320,110" \
    -fill '#e0e6ed' -draw "polygon 260,225 300,175 330,205 355,180 385,225" \
    -font $FONT -pointsize 34 -fill '#e0e6ed' -gravity south -annotate +0+90 'Picture not available' \
    -pointsize 18 -fill '#98a8bd' -annotate +0+60 'Nimbrisco will try again at the next download' \
    -colors 64 ../pic_not_available.gif

# Placeholder of a picture whose file could not be read.
convert -size 640x480 gradient:'#41201b'-'#170b0b' \
    -font $FONT -pointsize 34 -fill '#f0d8d0' -gravity center -annotate +0-20 'Picture could not be loaded' \
    -pointsize 18 -fill '#bda098' -annotate +0+30 'The downloaded file is damaged or of an unknown kind' \
    loading_error.png

# Notice shown for three seconds when a download pass has replaced the pictures.
convert -size 560x140 xc:none -fill '#0d3b66' -stroke '#f4d35e' -strokewidth 4 \
    -draw "roundrectangle 2,2 557,137 24,24" \
    -stroke none -fill '#2a9d8f' -draw "circle 72,70 72,28" \
    -stroke '#faf0ca' -strokewidth 10 -fill none -draw "polyline 52,72 67,88 94,54" \
    -stroke none -font $FONT -pointsize 36 -fill '#faf0ca' -gravity west -annotate +134-16 'Pictures updated' \
    -pointsize 20 -fill '#9bb8d3' -annotate +136+28 'Nimbrisco has fetched them again' \
    pictures_updated.png

# Start logo.
convert -size 1200x675 gradient:'#0d3b66'-'#03121f' \
    -fill '#f4d35e' -draw "circle 220,290 220,200" \
    -fill '#faf0ca' -draw "ellipse 290,350 140,60 0,360" -draw "ellipse 200,380 100,48 0,360" \
    -font $FONT -pointsize 110 -fill '#faf0ca' -gravity center -annotate +200-20 'Nimbrisco' \
    -pointsize 30 -fill '#9bb8d3' -annotate +200+70 'weather pictures on your wall' \
    logo.png

# The bar's logo button.
convert -size 420x64 xc:'#0d3b66' -font $FONT -pointsize 34 -fill '#faf0ca' -gravity center \
    -annotate +0+0 'Nimbrisco' bar_logo.png

# Bar buttons and connection indicators.
button() { # name background foreground symbol
    convert -size 96x64 xc:"$2" -font $FONT -pointsize 34 -fill "$3" -gravity center \
        -annotate +0+0 "$4" "$1.png"
}
button bt_setup '#1d3557' '#f1faee' 'SET'
button bt_wait '#6c757d' '#f1faee' '...'
button bt_quit '#9d0208' '#f1faee' 'X'
button bt_help '#1d3557' '#f1faee' '?'
button bt_animation '#1d3557' '#f1faee' '>'
convert -size 64x64 xc:none -fill '#2a9d8f' -draw "circle 32,32 32,6" connected.png
convert -size 64x64 xc:none -fill '#e63946' -draw "circle 32,32 32,6" \
    -stroke '#f1faee' -strokewidth 6 -draw "line 20,20 44,44" -draw "line 44,20 20,44" disconnected.png

# Panel icons.
icon() { # name colour label
    convert -size 96x96 xc:none -fill "$2" -draw "roundrectangle 4,4 91,91 16,16" \
        -font $FONT -pointsize 30 -fill '#ffffff' -gravity center -annotate +0+0 "$3" "ico_$1.png"
}
icon timers '#457b9d' 'T'
icon pictures '#2a9d8f' 'P'
icon runexit '#e76f51' 'R'
icon tools '#6d597a' 'O'
icon language '#264653' 'Aa'
icon cleanup '#9d0208' 'C'
icon town '#588157' 'H'
icon remote '#3a0ca3' 'RH'
icon save '#1d3557' 'S'
icon start '#2a9d8f' '>'
icon exit '#9d0208' 'X'
icon about '#457b9d' 'i'
icon help '#457b9d' '?'
icon ownimage '#bc6c25' '+'
icon removeimage '#bc6c25' '-'
icon backup '#606c38' 'B'
icon load '#606c38' 'L'
icon displaymode '#457b9d' 'M'
