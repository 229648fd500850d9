#!/bin/sh
# Redraws the program's icon: res/velmor_icon.xpm (32 x 32, 16 colours, built into the
# program), the desktop's renderings res/icons/velmor-32.png and res/icons/velmor-128.png,
# and icon 128 of the Windows build, res/velmor.ico.
set -eu
cd "$(dirname "$0")/.."
font=$(fc-match -f '%{file}' 'IPAGothic')

# draw SIZE: the icon at SIZE x SIZE pixels, 16 colours, as an image on stdout (MIFF).
draw() {
  s=$1
  convert -size "${s}x${s}" xc:white \
    -fill '#FFE000' -draw "rectangle 0,0 $((s - 1)),$((s * 5 / 32 - 1))" \
    -draw "rectangle 0,$((s * 27 / 32)) $((s - 1)),$((s - 1))" \
    -font "$font" -fill '#E00000' -pointsize $((s * 11 / 32)) -gravity north \
    -annotate +0+$((s * 6 / 32)) '自転車' \
    -fill '#0000C0' -pointsize $((s * 8 / 32)) -annotate +0+$((s * 18 / 32)) 'Ver1.3' \
    -colors 16 +dither miff:-
}

draw 32 | convert miff:- xpm:- |
  sed 's/^static .*\[\] = {/static const char* const velmor_icon_xpm[] = {/' > res/velmor_icon.xpm
mkdir -p res/icons
draw 32 | convert miff:- -strip png:res/icons/velmor-32.png
draw 128 | convert miff:- -strip png:res/icons/velmor-128.png
convert res/velmor_icon.xpm res/velmor.ico
