#!/usr/bin/env bash
# Takes a screenshot of the real program's main window under a virtual X
# display: tools/screenshot.sh [OUTPUT.png] [STORE-FOLDER]
# With SHOT_RECOMMEND=1 it clicks 推荐号码 first.
# Needs a built program (./run or ./test builds it), Xvfb, xdotool and
# ImageMagick's import.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/main-window.png}
store=${2:-}
program=${ZV_BUILD:-$root/build}/zanvelo
command -v import >/dev/null || { echo "needs ImageMagick (apt-get install imagemagick)"; exit 1; }
work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT
cp "$program" "$work/"
[ -n "$store" ] && cp "$store"/*.dll "$work/" 2>/dev/null || true
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 1
export DISPLAY=$display
unset QT_QPA_PLATFORM
( cd "$work" && exec ./zanvelo ) >/dev/null 2>&1 & app=$!
showcase=$(timeout 60 xdotool search --sync --name '^Zanvelov3\.2$' | head -n 1)
sleep 1
[ "${SHOT_SHOWCASE:-}" ] && import -window "$showcase" "$SHOT_SHOWCASE"
timeout 5 xdotool windowfocus --sync "$showcase"; xdotool key Escape
window=$(timeout 60 xdotool search --sync --name '^Zanvelo v3\.2$' | head -n 1)
sleep 1.5
if [ -n "${SHOT_RECOMMEND:-}" ]; then
  # 按钮1 lies at (449 + 33, 8 + 16) below the menu bar, 118 x 32.
  bar=$(( $(xwininfo -id "$window" | awk '/Height:/{print $2}') - 283 ))
  xdotool mousemove --window "$window" $((449 + 33 + 59)) $((bar + 8 + 16 + 16)) click 1
  sleep 1
fi
import -window "$window" "$out"
echo "wrote $out"
