// The cut of a JPEG while it is decoded: the same files, byte for byte, as the
// cut of the whole picture and the tile save write, whatever the picture's
// orientation, coding and grid; and a damaged file told as the whole-picture
// reader tells it.
#include "codecs/bildcodec.h"
#include "codecs/jpegstrom.h"
#include "modell/einstellungen.h"
#include "prepare/gitter.h"
#include "prepare/kachelsicherung.h"
#include "prepare/schnitt.h"
#include "prepare/stromschnitt.h"
#include "proben.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Stromschnitt : public ::testing::Test
{
protected:
    QString schreibe(const QString& name, const QByteArray& inhalt)
    {
        QFile datei(ordner.filePath(name));
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        return datei.fileName();
    }

    // The tile save of the picture in `datei` into the folder `name`: from
    // the whole picture's cut, or from the files the streamed cut encoded.
    QMap<QString, QByteArray> speichere(const QString& name, const Kachelsatz& satz,
                                        std::shared_ptr<const KodierteKacheln> dateien, QSize vorschau)
    {
        const QString verzeichnis = ordner.filePath(name) + QLatin1Char('/');
        QDir(verzeichnis).removeRecursively();
        QDir().mkpath(verzeichnis);
        Kachelsicherungsauftrag auftrag;
        auftrag.verzeichnis = verzeichnis;
        auftrag.kuerzel = QStringLiteral("bild");
        auftrag.spalten = satz.spalten;
        auftrag.zeilen = satz.zeilen;
        auftrag.teile = satz.teile;
        auftrag.qualitaet = Qualitaet;
        auftrag.leerbild = QImage(satz.breite, satz.breite, QImage::Format_RGB32);
        auftrag.leerbild.fill(Farbe(Einstellungen().Leerfeldfarbe));
        auftrag.vorschauBreite = vorschau.width();
        auftrag.vorschauHoehe = vorschau.height();
        auftrag.gesamtbild = satz.gesamtbild;
        auftrag.dateien = std::move(dateien);
        const Kachelsicherung sicherung = SichereKacheln(auftrag);
        EXPECT_FALSE(sicherung.fehler.has_value());
        QMap<QString, QByteArray> inhalte;
        for (const QString& datei : QDir(verzeichnis).entryList(QDir::Files)) {
            QFile f(verzeichnis + datei);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            inhalte.insert(datei, f.readAll());
        }
        return inhalte;
    }

    static stromschnitt::Auftrag strom(const Gitter& g, QSize vorschau)
    {
        stromschnitt::Auftrag auftrag;
        auftrag.gitter = g;
        auftrag.hintergrund = Farbe(Einstellungen().Hintergrundfarbe);
        auftrag.qualitaet = Qualitaet;
        auftrag.leerfarbe = Farbe(Einstellungen().Leerfeldfarbe);
        auftrag.vorschauBreite = vorschau.width();
        auftrag.vorschauHoehe = vorschau.height();
        return auftrag;
    }

    static constexpr int Qualitaet = 85;
    QTemporaryDir ordner;
};

struct Fall
{
    const char* name;
    QSize gespeichert;
    int lage; // Exif orientation
    proben::JpegArt art;
    Gitter gitter; // on the upright picture
    QSize vorschau;
};

TEST_F(Stromschnitt, SchreibtDieselbenDateienWieDerSchnittDesGanzenBildes)
{
    using proben::JpegArt;
    const Fall faelle[] = {
        {"aufrecht, automatisches Gitter", {300, 200}, 1, JpegArt::Grundlinie, {0, 10, 60}, {240, 160}},
        {"progressiv, Teile links und oben ausserhalb", {640, 360}, 1, JpegArt::Progressiv, {-30, -50, 100}, {240, 160}},
        {"ganze Teilzeilen ueber dem Bild", {150, 100}, 1, JpegArt::Grundlinie, {0, -120, 50}, {240, 160}},
        {"kleiner als die Vorschau", {40, 30}, 1, JpegArt::Grundlinie, {0, 0, 10}, {240, 160}},
        {"gespiegelt, hoch", {200, 300}, 2, JpegArt::Grundlinie, {7, -20, 45}, {160, 240}},
        {"auf dem Kopf", {330, 250}, 3, JpegArt::Grundlinie, {-15, 5, 64}, {240, 160}},
        {"gespiegelt auf dem Kopf", {250, 330}, 4, JpegArt::Grundlinie, {3, -40, 70}, {160, 240}},
        {"transponiert", {300, 200}, 5, JpegArt::Grundlinie, {0, 30, 40}, {160, 240}},
        {"Handy hochkant, progressiv, ausserhalb", {320, 240}, 6, JpegArt::Progressiv, {-20, -20, 50}, {160, 240}},
        {"ganze Teilspalten links vom Bild", {200, 100}, 6, JpegArt::Grundlinie, {-90, 0, 40}, {160, 240}},
        {"quer transponiert, CMYK", {160, 120}, 7, JpegArt::Cmyk, {10, 0, 25}, {160, 240}},
        {"linksherum, eine Spalte", {400, 100}, 8, JpegArt::Grundlinie, {5, 25, 70}, {160, 240}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QByteArray jpeg = proben::JpegDatei(testhilfe::Muster(fall.gespeichert.width(), fall.gespeichert.height()),
                                            fall.art, 90);
        if (fall.lage != 1)
            jpeg = proben::MitApp1(jpeg, proben::ExifMitLage(fall.lage, fall.lage % 2 == 0));
        const QString datei = schreibe(QStringLiteral("bild.jpg"), jpeg);

        const QImage bild = bildcodec::LeseBild(datei, nullptr).value_or(QImage());
        ASSERT_FALSE(bild.isNull());
        ASSERT_FALSE(gitter::SchnittFehler(bild.size(), fall.gitter));
        const Kachelsatz satz = schnitt::Zerschneide(bild, fall.gitter, Farbe(Einstellungen().Hintergrundfarbe));
        const QMap<QString, QByteArray> ganz = speichere(QStringLiteral("ganz"), satz, nullptr, fall.vorschau);

        bildcodec::JpegLeser leser;
        QString fehler;
        ASSERT_TRUE(leser.OeffneDatei(datei, &fehler)) << qPrintable(fehler);
        EXPECT_EQ(leser.Aufrecht(), bild.size());
        const stromschnitt::Ergebnis gestreamt = stromschnitt::Schneide(leser, strom(fall.gitter, fall.vorschau));
        ASSERT_TRUE(gestreamt.fehler.isEmpty()) << qPrintable(gestreamt.fehler);
        ASSERT_TRUE(gestreamt.dateien);
        EXPECT_EQ(gestreamt.kacheln.spalten, satz.spalten);
        EXPECT_EQ(gestreamt.kacheln.zeilen, satz.zeilen);
        const QMap<QString, QByteArray> strom = speichere(QStringLiteral("strom"), gestreamt.kacheln,
                                                          gestreamt.dateien, fall.vorschau);

        ASSERT_EQ(strom.keys(), ganz.keys());
        EXPECT_EQ(ganz.size(), satz.spalten * satz.zeilen + 2);
        for (const QString& name : ganz.keys())
            EXPECT_TRUE(strom.value(name) == ganz.value(name)) << qPrintable(name);
    }
}

TEST_F(Stromschnitt, BeschaedigteDateiWieBeimGanzenBildUndOhneDateien)
{
    const QImage muster = testhilfe::Muster(300, 200);
    const QByteArray grundlinie = proben::JpegDatei(muster, proben::JpegArt::Grundlinie, 90);
    const QByteArray progressiv = proben::JpegDatei(muster, proben::JpegArt::Progressiv, 90);
    ASSERT_TRUE(grundlinie.endsWith("\xFF\xD9"));
    const struct {
        const char* name;
        QByteArray inhalt;
        bool lesbar;
    } faelle[] = {
        {"leer", QByteArray(), false},
        {"Kopf abgebrochen", grundlinie.left(100), false},
        {"mitten im Bild abgebrochen", grundlinie.left(grundlinie.size() * 3 / 5), false},
        {"progressiv abgebrochen", progressiv.left(progressiv.size() * 3 / 5), false},
        // Common enough and complete: only the end marker is missing.
        {"ohne Endmarke", grundlinie.chopped(2), true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QString datei = schreibe(QStringLiteral("kaputt.jpg"), fall.inhalt);
        QString ganz;
        EXPECT_EQ(bildcodec::LeseBild(datei, &ganz).has_value(), fall.lesbar);

        bildcodec::JpegLeser leser;
        QString fehler;
        std::shared_ptr<const KodierteKacheln> dateien;
        if (leser.OeffneDatei(datei, &fehler)) {
            const stromschnitt::Ergebnis e = stromschnitt::Schneide(leser, strom({0, 10, 60}, {240, 160}));
            fehler = e.fehler;
            dateien = e.dateien;
        }
        EXPECT_EQ(fehler, fall.lesbar ? QString() : ganz);
        EXPECT_EQ(dateien != nullptr, fall.lesbar);
    }
}

} // namespace
