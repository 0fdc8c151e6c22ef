// The command line: what it asks for, and the program's answers as a process.
#include "app/aufruf.h"
#include "export/stapel.h"
#include "testhilfe.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(Aufruf, BildHilfeVersionUndFalscheAufrufe)
{
    EXPECT_EQ(LiesAufruf({}).art, Aufruf::Art::Programm);
    EXPECT_TRUE(LiesAufruf({}).bild.isEmpty());
    const Aufruf bild = LiesAufruf({QStringLiteral("Ferien am Meer.jpg")});
    EXPECT_EQ(bild.art, Aufruf::Art::Programm);
    EXPECT_EQ(bild.bild, QStringLiteral("Ferien am Meer.jpg"));
    // After "--" a name that starts with a dash is a picture.
    EXPECT_EQ(LiesAufruf({QStringLiteral("--"), QStringLiteral("-bild.png")}).bild, QStringLiteral("-bild.png"));
    EXPECT_EQ(LiesAufruf({QStringLiteral("--hilfe")}).art, Aufruf::Art::Hilfe);
    EXPECT_EQ(LiesAufruf({QStringLiteral("--help")}).art, Aufruf::Art::Hilfe);
    EXPECT_EQ(LiesAufruf({QStringLiteral("--version")}).art, Aufruf::Art::Version);

    const Aufruf unbekannt = LiesAufruf({QStringLiteral("--schnell"), QStringLiteral("a.jpg")});
    EXPECT_EQ(unbekannt.art, Aufruf::Art::Fehler);
    EXPECT_EQ(unbekannt.fehler, QStringLiteral("Unbekannte Option --schnell."));
    // The export's options only count behind --export.
    EXPECT_EQ(LiesAufruf({QStringLiteral("--breite"), QStringLiteral("80"), QStringLiteral("a.jpg")}).art,
              Aufruf::Art::Fehler);
    EXPECT_EQ(LiesAufruf({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}).art, Aufruf::Art::Fehler);
    EXPECT_EQ(LiesAufruf({QStringLiteral("--hilfe"), QStringLiteral("a.jpg")}).art, Aufruf::Art::Fehler);
}

TEST(Aufruf, ExportMitOrdnerBildernUndGitter)
{
    const Aufruf einfach = LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QStringLiteral("a.jpg"),
                                       QStringLiteral("b.png")});
    EXPECT_EQ(einfach.art, Aufruf::Art::Export);
    EXPECT_EQ(einfach.stapel.ordner, QStringLiteral("aus"));
    EXPECT_EQ(einfach.stapel.bilder, (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.png")}));
    const Stapelauftrag& stapel = einfach.stapel;
    EXPECT_FALSE(stapel.breite || stapel.offset || stapel.ersetzen || stapel.unterordner || stapel.arbeitsblatt);
    EXPECT_EQ(einfach.stapel.qualitaet, 85);

    // Options anywhere behind the folder, with a blank or "="; "--" ends them.
    const Aufruf voll = LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QStringLiteral("a.jpg"),
                                    QStringLiteral("--breite"), QStringLiteral("120"), QStringLiteral("--offset=-5,7"),
                                    QStringLiteral("--qualitaet"), QStringLiteral("60"), QStringLiteral("--ersetzen"),
                                    QStringLiteral("--unterordner"), QStringLiteral("--antworten"),
                                    QStringLiteral(" Katze; Hund;;Pferd "), QStringLiteral("--richtig=3"),
                                    QStringLiteral("--jobs"), QStringLiteral("2"), QStringLiteral("--still"),
                                    QStringLiteral("--arbeitsblatt"), QStringLiteral("--"), QStringLiteral("--b.jpg")});
    ASSERT_EQ(voll.art, Aufruf::Art::Export) << qPrintable(voll.fehler);
    EXPECT_EQ(voll.stapel.breite, 120);
    EXPECT_EQ(voll.stapel.offset, QPoint(-5, 7));
    EXPECT_EQ(voll.stapel.qualitaet, 60);
    EXPECT_TRUE(voll.stapel.ersetzen);
    EXPECT_TRUE(voll.stapel.unterordner);
    EXPECT_EQ(voll.stapel.bilder, (QStringList{QStringLiteral("a.jpg"), QStringLiteral("--b.jpg")}));
    EXPECT_EQ(voll.stapel.antworten, (QStringList{QStringLiteral("Katze"), QStringLiteral("Hund"), QStringLiteral("Pferd")}));
    EXPECT_EQ(voll.stapel.richtig, 3);
    EXPECT_EQ(voll.stapel.jobs, 2);
    EXPECT_TRUE(voll.stapel.still);
    EXPECT_TRUE(voll.stapel.arbeitsblatt);

    const auto fehler = [](QStringList argumente) {
        argumente.prepend(QStringLiteral("--export"));
        return LiesAufruf(argumente).fehler;
    };
    EXPECT_EQ(fehler({}), QStringLiteral("--export braucht einen Ausgabeordner."));
    EXPECT_EQ(fehler({QStringLiteral("aus")}), QStringLiteral("--export braucht mindestens ein Bild."));
    EXPECT_EQ(fehler({QStringLiteral("aus"), QStringLiteral("--offset"), QStringLiteral("1,2"), QStringLiteral("a.jpg")}),
              QStringLiteral("--offset gilt nur zusammen mit --breite."));
    for (const QStringList& falsch :
         {QStringList{QStringLiteral("--breite"), QStringLiteral("0")}, QStringList{QStringLiteral("--breite")},
          QStringList{QStringLiteral("--breite"), QStringLiteral("-3")},
          QStringList{QStringLiteral("--breite=80"), QStringLiteral("--offset"), QStringLiteral("3")},
          QStringList{QStringLiteral("--qualitaet"), QStringLiteral("101")},
          QStringList{QStringLiteral("--qualitaet"), QStringLiteral("hoch")},
          QStringList{QStringLiteral("--antworten"), QStringLiteral(" ; ")}, QStringList{QStringLiteral("--richtig=1")},
          QStringList{QStringLiteral("--antworten=A;B"), QStringLiteral("--richtig=3")},
          QStringList{QStringLiteral("--jobs"), QStringLiteral("0")}})
        EXPECT_FALSE(fehler(QStringList{QStringLiteral("aus")} + falsch + QStringList{QStringLiteral("a.jpg")}).isEmpty())
            << qPrintable(falsch.join(u' '));
}

TEST(Aufruf, DasProgrammAntwortetOhneFensterUndMeldetFalscheAufrufe)
{
    // ohneAnzeige: no display and no platform at all, as on a server.
    const auto starte = [](const QStringList& argumente, bool ohneAnzeige, int* ergebnis) {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        if (ohneAnzeige) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                umgebung.remove(QString::fromLatin1(name));
        } else {
            umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        programm.setProcessEnvironment(umgebung);
        programm.start(testhilfe::Bauverzeichnis() + QStringLiteral("tesselo"), argumente);
        EXPECT_TRUE(programm.waitForFinished(30000));
        *ergebnis = programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1;
        return std::pair{QString::fromLocal8Bit(programm.readAllStandardOutput()),
                         QString::fromLocal8Bit(programm.readAllStandardError())};
    };
    int ergebnis = -1;
    for (const bool ohneAnzeige : {true, false}) {
        EXPECT_EQ(starte({QStringLiteral("--version")}, ohneAnzeige, &ergebnis).first, Versionstext());
        EXPECT_EQ(ergebnis, 0);
        EXPECT_EQ(starte({QStringLiteral("--hilfe")}, ohneAnzeige, &ergebnis).first, Gebrauchstext());
        EXPECT_EQ(ergebnis, 0);
    }
    // Qt's own options are no wrong call.
    EXPECT_EQ(starte({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--help")}, false,
                     &ergebnis)
                  .first,
              Gebrauchstext());
    for (const bool ohneAnzeige : {true, false}) {
        const auto [aus, fehler] = starte({QStringLiteral("--exprot"), QStringLiteral("x"), QStringLiteral("y")},
                                          ohneAnzeige, &ergebnis);
        EXPECT_EQ(ergebnis, 2);
        EXPECT_TRUE(aus.isEmpty());
        EXPECT_TRUE(fehler.contains(QStringLiteral("Unbekannte Option --exprot.\nAufruf: tesselo"))) << qPrintable(fehler);
    }
    // Only the windows need a display, and without one the program says so
    // instead of dumping core.
    const auto [aus, fehler] = starte({QStringLiteral("bild.jpg")}, true, &ergebnis);
    EXPECT_EQ(ergebnis, 2);
    EXPECT_TRUE(aus.isEmpty());
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Tesselo braucht für seine Fenster eine grafische Anzeige")) &&
                fehler.contains(QStringLiteral("tesselo --export ORDNER BILD")))
        << qPrintable(fehler);
}

TEST(Aufruf, FortschrittMitGeschaetzterRestzeit)
{
    EXPECT_EQ(Fortschrittstext(0, 200, 0), QStringLiteral("0 von 200 Bildern"));
    EXPECT_EQ(Fortschrittstext(37, 200, 37 * 400), QStringLiteral("37 von 200 Bildern, noch etwa 1 Minute"));
    EXPECT_EQ(Fortschrittstext(100, 200, 100 * 1500), QStringLiteral("100 von 200 Bildern, noch etwa 3 Minuten"));
    EXPECT_EQ(Fortschrittstext(190, 200, 190 * 1000), QStringLiteral("190 von 200 Bildern, noch etwa 10 Sekunden"));
    EXPECT_EQ(Fortschrittstext(1, 1, 900), QStringLiteral("1 von 1 Bild"));
}

TEST(Aufruf, EinzeldateiLernpaketNachweisUndBeschreibung)
{
    const Aufruf a = LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QStringLiteral("--einzeldatei"),
                                 QStringLiteral("--scorm"), QStringLiteral("--bildnachweis"),
                                 QStringLiteral(" Foto: A. Muster, CC BY 4.0 "), QStringLiteral("--beschreibung=Eine Burg"),
                                 QStringLiteral("Burg.jpg")});
    ASSERT_EQ(a.art, Aufruf::Art::Export) << qPrintable(a.fehler);
    EXPECT_TRUE(a.stapel.einzeldatei && a.stapel.scorm);
    EXPECT_EQ(a.stapel.bildnachweis, QStringLiteral("Foto: A. Muster, CC BY 4.0"));
    EXPECT_EQ(a.stapel.beschreibung, QStringLiteral("Eine Burg"));
    EXPECT_EQ(a.stapel.bilder, QStringList{QStringLiteral("Burg.jpg")});
    // An option without its text is a wrong call.
    for (const char* option : {"--bildnachweis", "--beschreibung"})
        EXPECT_EQ(LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QLatin1String(option)}).art,
                  Aufruf::Art::Fehler);
    EXPECT_EQ(LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QStringLiteral("--beschreibung= "),
                          QStringLiteral("a.jpg")}).art,
              Aufruf::Art::Fehler);
}
