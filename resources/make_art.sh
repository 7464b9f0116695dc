#!/usr/bin/env bash
# Draws the program's icons and about picture with Debian's librsvg2-bin
# (rsvg-convert) and imagemagick. icon.svg is the source of the icon; the PNGs
# and icon.ico are rendered from it and committed, so a build needs none of
# this. Run from anywhere after changing the artwork.
set -euo pipefail
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat > icon.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <rect x="2" y="2" width="44" height="44" rx="9" fill="#3f2456"/>
  <path d="M10 12 L24 38 L38 12" fill="none" stroke="#f1e8f6" stroke-width="6"
        stroke-linejoin="round" stroke-linecap="round"/>
  <path d="M24 8 C22 12 20 14.5 20 17 A4 4 0 0 0 28 17 C28 14.5 26 12 24 8 Z" fill="#d0334e"/>
</svg>
SVG

# Each size drawn from the outline, not scaled from another size.
for size in 16 24 32 40 48 64 256; do
    rsvg-convert --width $size --height $size icon.svg --output "$work/icon-$size.png"
done
# The desktop theme's icons (packaging/) beside the outline.
for size in 16 32 48; do
    convert "$work/icon-$size.png" -strip PNG32:icon-$size.png
done
# The Windows executable's icon: the sizes Explorer and the taskbar ask for at
# every scale; the 256 px image is stored PNG-compressed, as Windows expects.
convert "$work"/icon-{16,24,32,40,48,64,256}.png -strip icon.ico

serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf
sans=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
convert -size 320x80 gradient:'#3b2150-#14101f' -rotate 0 \
    \( -size 320x80 radial-gradient:'#6b3a5c-none' -geometry +90+0 \) -compose screen -composite \
    -fill '#d0334e' -draw 'path "M 28,18 C 24,27 20,32 20,38 A 8,8 0 0 0 36,38 C 36,32 32,27 28,18 Z"' \
    -font "$serif" -pointsize 30 -fill '#f1e8f6' -annotate +50+44 'Veyrith' \
    -font "$sans" -pointsize 11 -fill '#cdbfd8' -annotate +52+66 'Character editor · by the Veyrith team' \
    -strip -type TrueColor PNG24:about.png
