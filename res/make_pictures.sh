#!/usr/bin/env bash
# Regenerates the pictures embedded in Morvane's resources:
#   background.jpg       317x230 baseline JPEG, default skin
#   caption_buttons.png  729x20 RGBA, title-bar button frames
#   msgbox_icons.png     200x40 RGBA, message-box icons
#   app.ico              16/32/48 px application icon
#
# The outputs are committed; the build only embeds them. Run this again only
# after changing the drawing code:  bash res/make_pictures.sh
#
# Needs python3 (stdlib only) and ImageMagick 6. The ImageMagick binaries are
# called by full path on purpose, so a different "convert" earlier on PATH
# cannot get in the way; override with IM_CONVERT / IM_IDENTIFY if needed.
set -euo pipefail

RES_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CONVERT="${IM_CONVERT:-/usr/bin/convert}"
IDENTIFY="${IM_IDENTIFY:-/usr/bin/identify}"
PYTHON="${PYTHON:-python3}"

for tool in "$CONVERT" "$IDENTIFY"; do
    [ -x "$tool" ] || { echo "make_pictures: $tool not found (install imagemagick)" >&2; exit 1; }
done

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

"$PYTHON" "$RES_DIR/draw_sprites.py" "$WORK"

# background: plain baseline JPEG, no metadata, full-resolution chroma
"$CONVERT" "$WORK/background.ppm" -strip -interlace none -sampling-factor 1x1 \
    -quality 90 "$WORK/background.jpg"

for f in background.jpg caption_buttons.png msgbox_icons.png app.ico; do
    cp -f "$WORK/$f" "$RES_DIR/$f"
done

# ---- checks -----------------------------------------------------------------
fail() { echo "make_pictures: $*" >&2; exit 1; }

expect_size() {  # file WxH
    local got
    got="$("$IDENTIFY" -format '%wx%h' "$RES_DIR/$1[0]")"
    [ "$got" = "$2" ] || fail "$1 is $got, expected $2"
}

expect_size background.jpg 317x230
expect_size caption_buttons.png 729x20
expect_size msgbox_icons.png 200x40

"$IDENTIFY" -verbose "$RES_DIR/background.jpg" | grep -q 'Interlace: None' \
    || fail "background.jpg is not a baseline JPEG"

# PNG colour type lives in byte 25 of the file; 6 = RGBA
for f in caption_buttons.png msgbox_icons.png; do
    ct="$(od -An -tu1 -j25 -N1 "$RES_DIR/$f" | tr -d ' ')"
    [ "$ct" = "6" ] || fail "$f has PNG colour type $ct, expected 6 (RGBA)"
done

ico_sizes="$("$IDENTIFY" -format '%wx%h ' "$RES_DIR/app.ico")"
[ "$ico_sizes" = "16x16 32x32 48x48 " ] || fail "app.ico holds '$ico_sizes'"

theme="$("$CONVERT" "$RES_DIR/background.jpg" -format '%[pixel:p{269,195}]' info:)"

for f in background.jpg caption_buttons.png msgbox_icons.png app.ico; do
    printf '%-20s %6d bytes\n' "$f" "$(stat -c %s "$RES_DIR/$f")"
done
echo "background theme pixel (269,195): $theme"
