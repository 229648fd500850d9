#!/bin/sh
# Redraws res/velmor_icon.xpm, the program's icon: 32 x 32, 16 colours, and its
# Windows copy res/velmor.ico.
set -eu
cd "$(dirname "$0")/.."
font=$(fc-match -f '%{file}' 'IPAGothic')
convert -size 32x32 xc:white \
  -fill '#FFE000' -draw 'rectangle 0,0 31,4' -draw 'rectangle 0,27 31,31' \
  -font "$font" -fill '#E00000' -pointsize 11 -gravity north -annotate +0+6 '自転車' \
  -fill '#0000C0' -pointsize 8 -annotate +0+18 'Ver1.3' \
  -colors 16 +dither xpm:- |
  sed 's/^static .*\[\] = {/static const char* const velmor_icon_xpm[] = {/' > res/velmor_icon.xpm
# The same picture as icon 128 of the Windows build.
convert res/velmor_icon.xpm res/velmor.ico
