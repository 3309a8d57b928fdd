#!/usr/bin/env bash
# Retakes the pictures of the README and the AppStream metadata (dist/screenshots/) from the
# program as it is now: a real soccer window on a 1280x800 screen of a virtual X server
# (Xvfb), on the Bundesliga season 2015/16 imported into an 18-team table under a tournament
# rule, so that the results table shows its reasons. The test probe (tests/install/probe),
# loaded into the program as a Qt plugin, switches the views and takes each picture with Qt's
# own screen grab; the program carries nothing for it.
#
#   bash scripts/screenshots.sh [SEASON.csv]
set -euo pipefail
cd "$(dirname "$0")/.."
season=${1:-/work/shared/data/bundesliga-2015-16.csv}
[ -r "$season" ] || { echo "Нет файла сезона: $season" >&2; exit 1; }
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target soccer soccer-cli soccerprobe

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
table="$work/Бундеслига 2015-16.TFL"
build/bin/soccer-cli import "$table" "$season" --new 18 >/dev/null
# The rule is the one line after the team names that the Правила турнира dialog would write.
printf 'ranking-rule: goals-then-head-to-head\r\n' >>"$table"

mkdir -p "$work/pictures"
# A fresh home: no colours or window places of the person running the script.
HOME="$work" LC_ALL=C.UTF-8 QT_PLUGIN_PATH="$PWD/build/tests/plugins" \
    QT_QPA_GENERIC_PLUGINS=soccerprobe:pictures SOCCER_PROBE_REPORT="$work/report" \
    SOCCER_PROBE_PICTURES="$work/pictures" QT_SCALE_FACTOR=1 \
    timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" build/bin/soccer "$table"
cat "$work/report"
grep -qx done "$work/report" || { echo "Снимки не сняты" >&2; exit 1; }
for picture in cross-table results-table rounds places-chart published-page; do
    cp "$work/pictures/$picture.png" "dist/screenshots/$picture.png"
done
cp dist/screenshots/rounds.png docs/screenshot-rounds.png
cp dist/screenshots/places-chart.png docs/screenshot-places-chart.png
echo "dist/screenshots/: cross-table.png results-table.png rounds.png places-chart.png" \
    "published-page.png"
echo "docs/: screenshot-rounds.png screenshot-places-chart.png"
