// The status line after writing: what kind of files, how many, and where.
#include "export/ausgabezeile.h"

#include <gtest/gtest.h>

namespace {

Ausgabeergebnis Ergebnis(Ausgabeergebnis::Ausgang ausgang, const QStringList& dateien)
{
    Ausgabeergebnis ergebnis;
    ergebnis.ausgang = ausgang;
    ergebnis.dateien = dateien;
    return ergebnis;
}

} // namespace

TEST(Ausgabezeile, NenntArtenAnzahlenUndOrdner)
{
    using Ausgang = Ausgabeergebnis::Ausgang;
    const QString ordner = QStringLiteral("/home/anna/Bilder/");
    QStringList alle{ordner + "katzesp.htm", ordner + "katzetp.htm", ordner + "katzerp.htm"};
    for (int i = 0; i < 14; ++i)
        alle << ordner + QStringLiteral("katze%1.jpg").arg(i);
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Fertig, alle), ordner),
              "Gespeichert: 3 Webseiten und 14 JPEG-Bilder in /home/anna/Bilder");
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Fertig, {ordner + "katzeta.htm"}), ordner),
              "Gespeichert: 1 Webseite in /home/anna/Bilder");
    EXPECT_EQ(ausgabe::Ergebniszeile(
                  Ergebnis(Ausgang::Fertig, {ordner + "a0_0.bmp", ordner + "ale.jpg", ordner + "a.txt"}), ordner),
              "Gespeichert: 1 JPEG-Bild, 1 BMP-Bild und 1 weitere Datei in /home/anna/Bilder");
}

TEST(Ausgabezeile, AbbruchUndFehlerSagenWasFehlt)
{
    using Ausgang = Ausgabeergebnis::Ausgang;
    const QString ordner = QStringLiteral("/tmp/aus/");
    const QStringList zwei{ordner + "x0_0.jpg", ordner + "x1_0.jpg"};
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Abgelehnt, {}), ordner), "Nichts gespeichert: abgebrochen");
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Abgelehnt, zwei), ordner),
              "Abgebrochen, nur teilweise gespeichert: 2 JPEG-Bilder in /tmp/aus");
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Fehler, {}), ordner), "Wegen eines Fehlers nichts gespeichert");
    EXPECT_EQ(ausgabe::Ergebniszeile(Ergebnis(Ausgang::Fehler, zwei), ordner),
              "Wegen eines Fehlers nur teilweise gespeichert: 2 JPEG-Bilder in /tmp/aus");
}
