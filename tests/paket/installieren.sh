#!/bin/sh
# Installs the build into a scratch root as a package would (prefix /usr),
# then checks the layout, the installed menu entry and record, that the
# installed export writes a sample's puzzle with the installed templates, and
# that the installed program starts with a picture loaded.
#   installieren.sh BAUORDNER ZIELORDNER
set -eu
bau=$1
ziel=$2
rm -rf "$ziel"
DESTDIR="$ziel" cmake --install "$bau" --prefix /usr >/dev/null

fehler=0
fehlt() { echo "fehlt: $1"; fehler=1; }
for datei in \
    bin/tesselo \
    share/tesselo/spuzv1.htm share/tesselo/spuzv2.htm \
    share/tesselo/tpuzv1.htm share/tesselo/tpuzv2.htm \
    share/tesselo/rpuzv1.htm share/tesselo/rpuzv2.htm \
    share/tesselo/falsch.gif share/tesselo/richtig.gif share/tesselo/falsrich.gif \
    share/tesselo/Beispiele/landschaft.jpg share/tesselo/Beispiele/rathaus.jpg share/tesselo/Beispiele/katze.jpg \
    share/applications/example.tesselo.Tesselo.desktop \
    share/metainfo/example.tesselo.Tesselo.metainfo.xml \
    share/icons/hicolor/scalable/apps/tesselo.svg \
    share/doc/tesselo/copyright share/doc/tesselo/changelog.gz \
    share/man/man1/tesselo.1.gz; do
  [ -s "$ziel/usr/$datei" ] || fehlt "$datei"
done
[ -x "$ziel/usr/bin/tesselo" ] || fehlt "bin/tesselo ausführbar"

# Each PNG icon is as large as the folder it lies in says (width and height
# are the big-endian words at bytes 16 and 20 of a PNG).
for groesse in 16 48 128 256; do
  png="$ziel/usr/share/icons/hicolor/${groesse}x${groesse}/apps/tesselo.png"
  if [ ! -s "$png" ]; then fehlt "$png"; continue; fi
  set -- $(od -An -tu1 -j16 -N8 "$png")
  breite=$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))
  hoehe=$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))
  [ "$breite $hoehe" = "$groesse $groesse" ] || { echo "$png: $breite x $hoehe statt $groesse x $groesse"; fehler=1; }
done
gzip -dc "$ziel/usr/share/man/man1/tesselo.1.gz" | grep -q '^\.TH TESSELO 1' || fehlt "Handbuchseite"
grep -q '<svg' "$ziel/usr/share/icons/hicolor/scalable/apps/tesselo.svg" || fehlt "SVG-Inhalt"

"$DESKTOP_FILE_VALIDATE" "$ziel/usr/share/applications/example.tesselo.Tesselo.desktop" || fehler=1
"$APPSTREAMCLI" validate --no-net "$ziel/usr/share/metainfo/example.tesselo.Tesselo.metainfo.xml" || fehler=1
# The menu entry names the installed program and its installed icon.
grep -qx 'Exec=tesselo %f' "$ziel/usr/share/applications/example.tesselo.Tesselo.desktop" || fehlt "Exec"
grep -qx 'Icon=tesselo' "$ziel/usr/share/applications/example.tesselo.Tesselo.desktop" || fehlt "Icon"

arbeit=$(mktemp -d)
trap 'kill "$programm" 2>/dev/null || true; rm -rf "$arbeit"' EXIT
programm=

# The installed export, away from the build folder and without any display,
# writes a sample's whole puzzle with the installed templates: a line marked
# in the installed copy shows up in the page.
echo '<!-- installierte Vorlage -->' >> "$ziel/usr/share/tesselo/spuzv2.htm"
status=0
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$ziel/usr/bin/tesselo" --export "$arbeit/puzzles" "$ziel/usr/share/tesselo/Beispiele/katze.jpg") \
  > "$arbeit/ausgabe" || status=$?
[ "$status" -eq 0 ] || { echo "tesselo --export endete mit $status"; fehler=1; }
# "…/katze.jpg: 5 x 4 Teile zu … Pixeln, … Dateien"
set -- $(sed -n 's/.*: \([0-9]*\) x \([0-9]*\) Teile.*/\1 \2/p' "$arbeit/ausgabe")
spalten=${1:-0}; zeilen=${2:-0}
[ "$spalten" -ge 1 ] && [ "$zeilen" -ge 1 ] || { echo "keine Zeile für katze.jpg: $(cat "$arbeit/ausgabe")"; fehler=1; }
for datei in katzesp.htm katzetp.htm katzerp.htm katzeta.htm katzele.jpg katzevs.jpg falsch.gif richtig.gif falsrich.gif; do
  [ -s "$arbeit/puzzles/$datei" ] || fehlt "Ausgabe $datei"
done
zeile=0
while [ "$zeile" -lt "$zeilen" ]; do
  spalte=0
  while [ "$spalte" -lt "$spalten" ]; do
    [ -s "$arbeit/puzzles/katze${zeile}_${spalte}.jpg" ] || fehlt "Ausgabe katze${zeile}_${spalte}.jpg"
    spalte=$((spalte + 1))
  done
  zeile=$((zeile + 1))
done
[ "$(ls "$arbeit/puzzles" | wc -l)" -eq $((spalten * zeilen + 9)) ] || { echo "unerwartete Dateien: $(ls "$arbeit/puzzles")"; fehler=1; }
grep -q 'installierte Vorlage' "$arbeit/puzzles/katzesp.htm" || fehlt "installierte Vorlage in katzesp.htm"

# Started from the installed place with a picture, the program loads it: a
# JPEG's converted bitmap appears in its scratch folder while it runs.
cp "$ziel/usr/share/tesselo/Beispiele/rathaus.jpg" "$arbeit/foto.jpg"
mkdir -p "$arbeit/temp"
(cd / && TMPDIR="$arbeit/temp" exec "$ziel/usr/bin/tesselo" "$arbeit/foto.jpg") &
programm=$!
geladen=0
for i in $(seq 100); do
  ls "$arbeit"/temp/tesselo-*/foto.bmp >/dev/null 2>&1 && { geladen=1; break; }
  kill -0 "$programm" 2>/dev/null || break
  sleep 0.1
done
[ "$geladen" -eq 1 ] || { echo "das installierte Programm hat foto.jpg nicht geladen"; fehler=1; }
# It keeps running until it is ended: it came up without a crash.
kill -0 "$programm" 2>/dev/null || { echo "tesselo endete nach dem Start"; fehler=1; }
kill "$programm" 2>/dev/null
wait "$programm" 2>/dev/null

exit $fehler
