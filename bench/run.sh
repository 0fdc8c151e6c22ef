#!/bin/sh
# The benchmark: our main path through the windows on photos of 6, 12 and 24
# megapixels, the start-up time, and the same job done by vips and
# ImageMagick on the 24 megapixel photo; then, as whole processes side by
# side, the window path, tesselo --export, vips and sharp on 24 megapixels,
# and tesselo --export on 144 megapixels. Each figure is the median of
# RUNDEN runs (default 5).
set -e
cd "$(dirname "$0")/.."
BAU=$(cd "${BAU:-build}" && pwd)
RUNDEN=${RUNDEN:-5}
ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
jetzt_ns() { date +%s%N; }
wert() { sed -n "s/^$1=//p"; }

echo "Tesselo-Benchmark ($(nproc) Kerne, $RUNDEN Runden, Median)"
echo

# Start-up: from exec until the thirteen windows exist and the main window is shown.
for i in $(seq "$RUNDEN"); do
  vorher=$(jetzt_ns)
  gezeigt=$(QT_QPA_PLATFORM=offscreen "$BAU/tesselo_bench" start 2>/dev/null | wert gezeigt_ns)
  echo $(( (gezeigt - vorher) / 1000000 ))
done | median > "$ARBEIT/start"
echo "Start bis Hauptfenster gezeigt: $(cat "$ARBEIT/start") ms (Ziel < 150 ms)"
echo

for groesse in 3000x2000 4240x2830 6000x4000; do
  breite=${groesse%x*}; hoehe=${groesse#*x}
  mp=$(( breite * hoehe / 1000000 ))
  mkdir -p "$ARBEIT/$groesse"
  "$BAU/bench/tesselo_foto" "$breite" "$hoehe" "$ARBEIT/$groesse/foto.jpg"
  : > "$ARBEIT/$groesse/laeufe"
  for i in $(seq "$RUNDEN"); do
    rm -f "$ARBEIT/$groesse"/foto[0-9]* "$ARBEIT/$groesse"/foto.bmp "$ARBEIT/$groesse"/*.htm
    QT_QPA_PLATFORM=offscreen "$BAU/tesselo_bench" "$ARBEIT/$groesse/foto.jpg" > "$ARBEIT/$groesse/lauf" 2>"$ARBEIT/$groesse/fehler" || {
      cat "$ARBEIT/$groesse/fehler"; exit 1; }
    cat "$ARBEIT/$groesse/lauf" >> "$ARBEIT/$groesse/laeufe"
  done
  echo "${mp} MP ($groesse), $(wert kacheln < "$ARBEIT/$groesse/lauf") Kacheln:"
  for stufe in laden auto schneiden kacheln seite gesamt; do
    ms=$(wert "${stufe}_us" < "$ARBEIT/$groesse/laeufe" | median | awk '{printf "%.1f", $1/1000}')
    printf "  %-10s %8s ms\n" "$stufe" "$ms"
  done
  speicher=$(wert spitzenspeicher_kib < "$ARBEIT/$groesse/laeufe" | median)
  printf "  %-10s %8s MiB\n" "Speicher" "$(( speicher / 1024 ))"
  wert gesamt_us < "$ARBEIT/$groesse/laeufe" | median > "$ARBEIT/$groesse/gesamt"
done
# The peers do the same job on the 24 megapixel photo: the 6000 x 3600 area at
# (0, 200) cut into 1200 x 1200 tiles at JPEG quality 85, plus a 240 x 160 preview.
FOTO="$ARBEIT/6000x4000/foto.jpg"
unser=$(( $(cat "$ARBEIT/6000x4000/gesamt") / 1000 ))
peer() {
  name=$1; shift
  for i in $(seq "$RUNDEN"); do
    rm -rf "$ARBEIT/peer"; mkdir -p "$ARBEIT/peer"
    vorher=$(jetzt_ns)
    ( cd "$ARBEIT/peer" && "$@" ) >/dev/null 2>&1
    echo $(( ($(jetzt_ns) - vorher) / 1000000 ))
  done | median > "$ARBEIT/$name"
  zeit=$(cat "$ARBEIT/$name")
  printf "%-12s %6s ms   Verhältnis Tesselo/%s = %s\n" "$name" "$zeit" "$name" \
    "$(awk -v a="$unser" -v b="$zeit" 'BEGIN {printf "%.2f", a/b}')"
}
vips_job() {
  vips crop "$FOTO" ausschnitt.v 0 200 6000 3600 &&
  vips dzsave ausschnitt.v kacheln --tile-size 1200 --overlap 0 --depth one --suffix '.jpg[Q=85]' &&
  vips resize ausschnitt.v vs.jpg[Q=85] 0.04 --vscale 0.0444444
}
magick_job() {
  convert "$FOTO" -crop 6000x3600+0+200 +repage \
    \( +clone -resize '240x160!' -quality 85 -write vs.jpg +delete \) \
    -crop 1200x1200 -quality 85 kachel_%d.jpg
}
printf "%-12s %6s ms\n" "Tesselo" "$unser"
if command -v vips >/dev/null; then peer vips vips_job; else echo "vips fehlt"; exit 1; fi
if command -v convert >/dev/null; then peer ImageMagick magick_job; else echo "ImageMagick fehlt"; fi
speicher_magick=$( { cd "$ARBEIT/peer" && /usr/bin/time -f '%M' sh -c "convert '$FOTO' -crop 6000x3600+0+200 +repage -crop 1200x1200 -quality 85 k_%d.jpg" ; } 2>&1 | tail -1 )
echo "Spitzenspeicher ImageMagick: $(( speicher_magick / 1024 )) MiB (Tesselo: siehe 24 MP, Ziel <= 250 MiB)"
echo

# Whole processes side by side: in each round the window path, tesselo
# --export, the vips job and the same job by sharp, each into an empty
# folder; the time from start to end and the peak memory of the largest
# process (vips runs three), each the median of the rounds.
messe() { # NAME FOLDER COMMAND... -> one "ms KiB" line more in NAME.laeufe
  name=$1; ordner=$2; shift 2
  rm -rf "$ordner"; mkdir -p "$ordner"
  vorher=$(jetzt_ns)
  ( cd "$ordner" && /usr/bin/time -o "$ARBEIT/zeit" -f '%M' "$@" >/dev/null 2>&1 ) || {
    echo "$name ist fehlgeschlagen"; exit 1; }
  echo "$(( ($(jetzt_ns) - vorher) / 1000000 )) $(tail -1 "$ARBEIT/zeit")" >> "$ARBEIT/$name.laeufe"
}
ms() { cut -d' ' -f1 < "$ARBEIT/$1.laeufe" | median; }
mib() { echo $(( $(cut -d' ' -f2 < "$ARBEIT/$1.laeufe" | median) / 1024 )); }
verhaeltnis() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a/b}'; }
fenster_lauf() {
  rm -f "$ARBEIT/6000x4000"/foto[0-9]* "$ARBEIT/6000x4000"/foto.bmp "$ARBEIT/6000x4000"/*.htm
  QT_QPA_PLATFORM=offscreen "$BAU/tesselo_bench" "$FOTO"
}
SHARP=$(pwd)/bench/sharp_job.js
for i in $(seq "$RUNDEN"); do
  vorher=$(jetzt_ns)
  fenster_lauf >/dev/null 2>&1 || { echo "Der Fensterweg ist fehlgeschlagen"; exit 1; }
  echo "$(( ($(jetzt_ns) - vorher) / 1000000 )) 0" >> "$ARBEIT/fensterprozess.laeufe"
  messe export24 "$ARBEIT/export" "$BAU/tesselo" --export . "$FOTO"
  messe vips "$ARBEIT/peer" sh -c "vips crop '$FOTO' ausschnitt.v 0 200 6000 3600 &&
    vips dzsave ausschnitt.v kacheln --tile-size 1200 --overlap 0 --depth one --suffix '.jpg[Q=85]' &&
    vips resize ausschnitt.v vs.jpg[Q=85] 0.04 --vscale 0.0444444"
  messe sharp "$ARBEIT/sharp" node "$SHARP" "$FOTO"
done
vips_ms=$(ms vips)
echo "Ganze Prozesse nebeneinander, 24 MP (6000x4000):"
printf "  %-26s %6s ms   Verhältnis zu vips %s (Ziel <= 0,64)\n" "Fensterweg (tesselo_bench)" "$(ms fensterprozess)" \
  "$(verhaeltnis "$(ms fensterprozess)" "$vips_ms")"
printf "  %-26s %6s ms %5s MiB   Verhältnis zu vips %s (Ziel <= 0,33), Speicher höchstens wie vips\n" \
  "tesselo --export" "$(ms export24)" "$(mib export24)" "$(verhaeltnis "$(ms export24)" "$vips_ms")"
printf "  %-26s %6s ms %5s MiB\n" "vips (drei Prozesse)" "$vips_ms" "$(mib vips)"
printf "  %-26s %6s ms %5s MiB\n" "sharp (ein Prozess)" "$(ms sharp)" "$(mib sharp)"

mkdir -p "$ARBEIT/12000x12000"
"$BAU/bench/tesselo_foto" 12000 12000 "$ARBEIT/12000x12000/foto.jpg"
for i in $(seq "$RUNDEN"); do
  messe export144 "$ARBEIT/export" "$BAU/tesselo" --export . "$ARBEIT/12000x12000/foto.jpg"
done
echo "144 MP (12000x12000), tesselo --export:"
printf "  %-26s %6s ms   (Ziel <= 900 ms)\n" "Zeit" "$(ms export144)"
printf "  %-26s %6s MiB  (Ziel <= 150 MiB)\n" "Spitzenspeicher" "$(mib export144)"
