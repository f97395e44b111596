#!/usr/bin/env bash
# Draws every picture Kelmov2 and its installer carry into assets/pictures. Run it again
# after changing a colour, a text or a drawing; commit the pictures it writes.
#   tools/pictures/make_pictures.sh [OUTPUT_FOLDER]
# Needs ImageMagick (convert), the Qt 6 development files and the Carlito fonts.
#
# One palette for everything: navy to blue grounds, white type in Carlito, a gold accent,
# and the instalment calendar (rows of dots, the paid ones gold) as the product's motif.
set -euo pipefail

HERE="$(cd "$(dirname "$0")" && pwd)"
OUT=${1:-"$HERE/../../assets/pictures"}
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# Texts of the letterhead printed at the top of every printout: change them for the shop.
SHOP_NAME="KELMO"
TRADE_LINE="Electroménager  ·  Ameublement  ·  Equipement de la maison"
TRADE_LINE_2="Vente au comptant et par facilités de paiement"

NAVY='#0f2740'
BLUE='#1d4e80'
TEAL='rgba(42,157,143,0.85)'
GOLD='#e9b949'
SLATE='#4a5f75'
FONTS=/usr/share/fonts/truetype/crosextra
BOLD=$FONTS/Carlito-Bold.ttf
REGULAR=$FONTS/Carlito-Regular.ttf
JPEG=(-strip -sampling-factor 4:4:4 -quality 94)

# Small pictures (toolbar icons, buttons, logo mark), drawn with QPainter.
g++ -std=c++20 -O1 -fPIC "$HERE/draw_icons.cpp" -o "$WORK/draw_icons" \
    $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$WORK/draw_icons" "$WORK" 2>/dev/null
for f in previous.png next.png reset.png tool_blank.png kelmo_icon.png installer_icon.png; do
    cp "$WORK/$f" "$OUT/"
done
cp "$WORK"/tool_1??.png "$OUT/"

# The instalment calendar motif at scale $1 (pixels per unit), written to $2.
motif() {
    local s=$1 out=$2 w=$(($1 * 22)) h=$(($1 * 20)) dots="" i=0 stroke=$(($1 / 3 > 0 ? $1 / 3 : 1))
    for row in 0 1 2; do
        for col in 0 1 2 3; do
            local cx=$((s * 4 + col * s * 5)) cy=$((s * 8 + row * s * 4))
            if [ $i -lt 7 ]; then
                dots="$dots fill $GOLD stroke none circle $cx,$cy $((cx + s)),$cy"
            else
                dots="$dots fill none stroke rgba(255,255,255,0.8) circle $cx,$cy $((cx + s)),$cy"
            fi
            i=$((i + 1))
        done
    done
    convert -size ${w}x${h} xc:none \
        -fill 'rgba(255,255,255,0.12)' -stroke 'rgba(255,255,255,0.55)' -strokewidth $stroke \
        -draw "roundrectangle 1,$((s * 2)) $((w - 2)),$((h - 2)) $s,$s" \
        -stroke none -fill 'rgba(255,255,255,0.88)' \
        -draw "roundrectangle 1,$((s * 2)) $((w - 2)),$((s * 5)) $s,$s" \
        -fill "$BLUE" -draw "rectangle $((s * 5)),$s $((s * 6)),$((s * 3))" \
        -draw "rectangle $((w - s * 6)),$s $((w - s * 5)),$((s * 3))" \
        -strokewidth $stroke -draw "$dots" "$out"
}

# A navy ground $1 x $2 with a teal glow in the upper right and two faint rings.
ground() {
    local w=$1 h=$2 out=$3 glow=$(($1 * 14 / 10))
    convert -size ${glow}x${glow} radial-gradient:"$TEAL"-'rgba(42,157,143,0)' "$WORK/glow.png"
    convert -size ${w}x${h} gradient:"$BLUE"-"$NAVY" \
        "$WORK/glow.png" -geometry +$((w / 4))-$((glow * 6 / 10)) -compose over -composite \
        -fill 'rgba(255,255,255,0.05)' -draw "circle $((w * 92 / 100)),$((h / 7)) $((w * 92 / 100)),$((h * 3 / 4))" \
        -fill 'rgba(255,255,255,0.04)' -draw "circle $((w / 16)),$((h * 106 / 100)) $((w / 16)),$((h * 3 / 2))" \
        "$out"
}

# Login banner, 655 x 405 (image 0).
motif 9 "$WORK/motif9.png"
ground 655 405 "$WORK/login.png"
convert "$WORK/login.png" "$WORK/motif9.png" -geometry +428+92 -composite \
    -gravity northwest -fill white -font "$BOLD" -pointsize 96 -annotate +46+88 'Kelmo' \
    -fill "$GOLD" -draw "rectangle 50,203 170,207" \
    -fill white -font "$REGULAR" -pointsize 28 -annotate +48+220 'Logiciel de vente par facilité' \
    -fill 'rgba(255,255,255,0.72)' -pointsize 16 \
    -annotate +49+260 'Ventes  ·  Facilités de paiement  ·  Stock  ·  Trésorerie' \
    -fill 'rgba(255,255,255,0.5)' -pointsize 14 -annotate +49+372 'Version 2' \
    "${JPEG[@]}" "$OUT/login_banner.jpg"

# Splash picture of the main window, 956 x 559 (image 1).
motif 14 "$WORK/motif14.png"
ground 956 559 "$WORK/splash.png"
convert "$WORK/splash.png" "$WORK/motif14.png" -geometry +600+118 -composite \
    -gravity northwest -fill white -font "$BOLD" -pointsize 132 -annotate +70+112 'Kelmo' \
    -fill "$GOLD" -draw "rectangle 76,270 236,275" \
    -fill white -font "$REGULAR" -pointsize 36 -annotate +72+292 'Logiciel de vente par facilité' \
    -fill 'rgba(255,255,255,0.78)' -pointsize 21 \
    -annotate +74+350 'Ventes par facilité et au comptant, achats et stock' \
    -annotate +74+380 'Prélèvements sur compte CCP, caisse et versements' \
    -annotate +74+410 'Factures, fiches de comptes et journaux' \
    -fill 'rgba(255,255,255,0.5)' -pointsize 16 -annotate +74+510 'Version 2' \
    "${JPEG[@]}" "$OUT/splash.jpg"

# Letterhead of the printouts, 1058 x 159 (images 98 and 99): the shop's name and trade
# line beside the logo mark, over a double rule (navy, then gold).
convert -size 1058x159 xc:white \
    "$WORK/logo_112.png" -geometry +14+10 -composite \
    -gravity northwest -fill "$NAVY" -font "$BOLD" -pointsize 64 -annotate +146+6 "$SHOP_NAME" \
    -fill "$SLATE" -font "$REGULAR" -pointsize 27 -annotate +148+76 "$TRADE_LINE" \
    -fill "$BLUE" -font "$BOLD" -pointsize 22 -annotate +148+110 "$TRADE_LINE_2" \
    -fill "$NAVY" -draw "rectangle 14,138 1043,143" \
    -fill "$GOLD" -draw "rectangle 14,149 1043,151" \
    "${JPEG[@]}" "$OUT/letterhead.jpg"

# Installer banner, 531 x 297.
motif 8 "$WORK/motif8.png"
ground 531 297 "$WORK/installer.png"
convert "$WORK/installer.png" "$WORK/motif8.png" -geometry +345+60 -composite \
    -gravity northwest -fill white -font "$BOLD" -pointsize 78 -annotate +32+48 'Kelmo' \
    -fill "$GOLD" -draw "rectangle 36,143 136,147" \
    -fill white -font "$REGULAR" -pointsize 23 -annotate +34+156 'Logiciel de vente par facilité' \
    -fill 'rgba(255,255,255,0.75)' -pointsize 17 -annotate +35+196 'Installation' \
    -fill 'rgba(255,255,255,0.5)' -pointsize 13 -annotate +35+268 'Version 2' \
    "${JPEG[@]}" "$OUT/installer_banner.jpg"

echo "Pictures written to $OUT"
