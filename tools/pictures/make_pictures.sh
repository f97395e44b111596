#!/usr/bin/env bash
# Draws every picture the programs carry into assets/pictures (run again after a change).
set -euo pipefail
OUT=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/assets/pictures"}
mkdir -p "$OUT"
NAVY='#1f3a5f'
TEAL='#2a9d8f'
convert -size 655x405 gradient:"$NAVY"-"$TEAL" -quality 92 "$OUT/login_banner.jpg"
convert -size 956x559 gradient:"$NAVY"-"$TEAL" -quality 92 "$OUT/splash.jpg"
convert -size 1058x159 xc:white -quality 92 "$OUT/letterhead.jpg"
convert -size 531x297 gradient:"$NAVY"-"$TEAL" -quality 92 "$OUT/installer_banner.jpg"
convert -size 34x35 xc:"$NAVY" "$OUT/previous.png"
convert -size 34x35 xc:"$NAVY" "$OUT/next.png"
convert -size 39x39 xc:"$NAVY" "$OUT/reset.png"
for n in $(seq 100 119); do convert -size 32x32 xc:"$TEAL" "$OUT/tool_$n.png"; done
convert -size 32x32 xc:none "$OUT/tool_blank.png"
convert -size 48x48 xc:"$NAVY" "$OUT/installer_icon.png"
