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

# Panel icons: a pictogram on a rounded tile, drawn at twice the 44 pixels (660 twips) the
# panel gives them at 96 DPI, so that they stay sharp when scaled down.
# No dates in the files, so that drawing them again changes nothing.
PNG=(-strip -define png:exclude-chunks=date,time)
tile() { # name colour draw-commands...
    local name=$1 colour=$2
    shift 2
    convert -size 88x88 xc:none -fill "$colour" -draw "roundrectangle 3,3 84,84 18,18" \
        -fill '#ffffff' -stroke none -strokewidth 6 "$@" "${PNG[@]}" "ico_$name.png"
}
tile timers '#457b9d' -stroke '#ffffff' -fill none -draw "circle 44,44 44,20" \
    -draw "line 44,44 44,29" -draw "line 44,44 56,51"
tile pictures '#2a9d8f' -stroke '#ffffff' -fill none -strokewidth 5 -draw "rectangle 17,23 71,65" \
    -stroke none -fill '#ffffff' -draw "polygon 21,61 37,41 48,53 56,45 67,61" -draw "circle 58,33 58,28"
tile runexit '#e76f51' -draw "polygon 33,22 65,44 33,66"
tile tools '#6d597a' -draw "polygon 17,46 44,20 71,46" -draw "rectangle 26,44 62,68" \
    -fill '#6d597a' -draw "rectangle 39,52 49,68"
tile language '#264653' -stroke '#ffffff' -fill none -strokewidth 4 -draw "circle 44,44 44,19" \
    -draw "ellipse 44,44 11,25 0,360" -draw "line 19,44 69,44" -draw "line 24,31 64,31" \
    -draw "line 24,57 64,57"
tile remote '#3a0ca3' -stroke '#ffffff' -fill none -strokewidth 5 -draw "rectangle 15,20 73,56" \
    -draw "line 44,56 44,65" -draw "line 30,67 58,67" -strokewidth 4 -draw "line 29,38 59,38" \
    -stroke none -fill '#ffffff' -draw "polygon 25,38 33,31 33,45" -draw "polygon 63,38 55,31 55,45"
tile download '#1d6fa3' -stroke '#ffffff' -fill none -strokewidth 7 -draw "line 44,16 44,46" \
    -strokewidth 5 -draw "line 20,52 20,68" -draw "line 20,68 68,68" -draw "line 68,68 68,52" \
    -stroke none -fill '#ffffff' -draw "polygon 29,40 59,40 44,57"
tile slidetime '#457b9d' -stroke '#ffffff' -fill none -strokewidth 5 -draw "line 26,18 62,18" \
    -draw "line 26,70 62,70" -draw "line 31,18 31,26" -draw "line 31,26 57,62" \
    -draw "line 57,62 57,70" -draw "line 57,18 57,26" -draw "line 57,26 31,62" \
    -draw "line 31,62 31,70" \
    -stroke none -fill '#ffffff' -draw "polygon 34,66 54,66 44,54"
tile displaymode '#5a7d9a' -stroke '#ffffff' -fill none -strokewidth 5 -draw "rectangle 14,22 74,64" \
    -stroke none -fill '#ffffff' -draw "polygon 21,29 35,29 21,43" -draw "polygon 67,29 53,29 67,43" \
    -draw "polygon 21,57 35,57 21,43" -draw "polygon 67,57 53,57 67,43"
glyph() { # name colour text
    convert -size 88x88 xc:none -fill "$2" -draw "roundrectangle 3,3 84,84 18,18" \
        -stroke '#ffffff' -strokewidth 5 -fill none -draw "circle 44,44 44,18" -stroke none \
        -font $FONT -pointsize 38 -fill '#ffffff' -gravity center -annotate +0+1 "$3" "${PNG[@]}" \
        "ico_$1.png"
}
glyph help '#3d7ea6' '?'
glyph about '#3d7ea6' 'i'
start() { tile "$1" "$2" -draw "polygon 31,20 67,44 31,68"; }
start start '#2a9d8f'
start start_bw '#9aa5ad'
power() {
    tile "$1" "$2" -stroke '#ffffff' -fill none -strokewidth 7 -draw "arc 20,22 68,70 -50,230" \
        -draw "line 44,16 44,44"
}
power exit '#c1121f'
power exit_bw '#9aa5ad'
tile save '#1d3557' -draw "polygon 18,18 62,18 70,26 70,70 18,70" -fill '#1d3557' \
    -draw "rectangle 28,18 58,34" -draw "rectangle 26,46 62,70" -fill '#ffffff' \
    -draw "rectangle 48,22 54,31"
tile cleanup '#9d0208' -stroke '#ffffff' -fill none -strokewidth 5 -draw "line 20,26 68,26" \
    -draw "line 36,25 36,18" -draw "line 36,18 52,18" -draw "line 52,18 52,25" \
    -draw "polygon 26,31 62,31 58,70 30,70" \
    -strokewidth 4 -draw "line 38,38 39,62" -draw "line 50,38 49,62"
tile town '#588157' -draw "circle 44,36 44,18" -draw "polygon 28,44 60,44 44,72" \
    -fill '#588157' -draw "circle 44,36 44,29"
picture() { # name colour badge-draw...
    local name=$1 colour=$2
    shift 2
    tile "$name" "$colour" -stroke '#ffffff' -fill none -strokewidth 5 \
        -draw "rectangle 13,19 61,57" -stroke none -fill '#ffffff' \
        -draw "polygon 17,53 31,37 41,48 47,42 57,53" -draw "circle 75,68 75,54" \
        -fill "$colour" "$@"
}
picture ownimage '#bc6c25' -draw "rectangle 73,60 77,76" -draw "rectangle 67,66 83,70"
picture removeimage '#bc6c25' -draw "rectangle 67,66 83,70"
tile backup '#606c38' -stroke '#ffffff' -fill none -strokewidth 5 -draw "rectangle 16,40 72,70" \
    -draw "line 30,52 58,52" -strokewidth 6 -draw "line 44,14 44,36" \
    -stroke none -fill '#ffffff' -draw "polygon 31,26 57,26 44,12"
tile load '#606c38' -draw "polygon 14,26 36,26 42,32 74,32 74,70 14,70" -fill '#606c38' \
    -draw "rectangle 19,38 69,65" -fill '#ffffff' -draw "polygon 33,44 55,44 44,58"
tile wait '#e9c46a' -fill none -stroke '#264653' -strokewidth 5 -draw "line 26,18 62,18" \
    -draw "line 26,70 62,70" -draw "line 31,18 31,26" -draw "line 31,26 57,62" \
    -draw "line 57,62 57,70" -draw "line 57,18 57,26" -draw "line 57,26 31,62" \
    -draw "line 31,62 31,70" \
    -stroke none -fill '#264653' -draw "polygon 34,66 54,66 44,54"
tile clearlist '#7d8597' -stroke '#ffffff' -fill none -strokewidth 6 -draw "line 16,26 50,26" \
    -draw "line 16,44 50,44" -draw "line 16,62 50,62" -stroke '#ffd166' -strokewidth 8 \
    -draw "line 56,34 74,52" -draw "line 74,34 56,52"

# The small icons of the navigation columns (24 pixels at 96 DPI), from the large ones.
for name in timers pictures runexit tools clearlist; do
    convert "ico_$name.png" -resize 48x48 "${PNG[@]}" "nav_$name.png"
done
rm ico_clearlist.png

# Page backgrounds: a light sky with soft clouds under the page's controls, one hue a page, at
# twice the 473 x 304 pixels the page gives them.
background() { # name top bottom
    convert -size 946x608 gradient:"$2"-"$3" \
        \( -size 946x608 xc:none -fill 'rgba(255,255,255,0.55)' \
           -draw "ellipse 760,90 150,46 0,360" -draw "ellipse 650,120 110,38 0,360" \
           -draw "ellipse 180,560 210,52 0,360" -draw "ellipse 380,590 160,40 0,360" \
           -blur 0x14 \) -composite \
        -fill 'rgba(255,255,255,0.35)' -draw "rectangle 0,0 945,3" \
        +dither -colors 64 "${PNG[@]}" "bg_$1.png"
}
background timers '#eaf3fb' '#c9ddef'
background pictures '#e8f6f3' '#c3e3dc'
background runexit '#fdf1ea' '#f2d3c3'
background tools '#f1edf6' '#d7cce6'
