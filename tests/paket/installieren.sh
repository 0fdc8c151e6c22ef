#!/bin/sh
# Installs the build into a scratch root as a package would (prefix /usr),
# then checks the layout, the installed menu entry and record, and that the
# installed program starts.
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

# Started from the installed place, away from the build folder, the program
# keeps running until it is ended: it came up without a crash.
status=0
(cd / && timeout 5 "$ziel/usr/bin/tesselo") || status=$?
[ "$status" -eq 124 ] || { echo "tesselo endete beim Start mit $status"; fehler=1; }

exit $fehler
