// The command line: what it asks for, and the program's answers as a process.
#include "app/aufruf.h"
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
    EXPECT_FALSE(stapel.breite || stapel.offset || stapel.ersetzen || stapel.unterordner);
    EXPECT_EQ(einfach.stapel.qualitaet, 85);

    // Options anywhere behind the folder, with a blank or "="; "--" ends them.
    const Aufruf voll = LiesAufruf({QStringLiteral("--export"), QStringLiteral("aus"), QStringLiteral("a.jpg"),
                                    QStringLiteral("--breite"), QStringLiteral("120"), QStringLiteral("--offset=-5,7"),
                                    QStringLiteral("--qualitaet"), QStringLiteral("60"), QStringLiteral("--ersetzen"),
                                    QStringLiteral("--unterordner"), QStringLiteral("--"), QStringLiteral("--b.jpg")});
    ASSERT_EQ(voll.art, Aufruf::Art::Export) << qPrintable(voll.fehler);
    EXPECT_EQ(voll.stapel.breite, 120);
    EXPECT_EQ(voll.stapel.offset, QPoint(-5, 7));
    EXPECT_EQ(voll.stapel.qualitaet, 60);
    EXPECT_TRUE(voll.stapel.ersetzen);
    EXPECT_TRUE(voll.stapel.unterordner);
    EXPECT_EQ(voll.stapel.bilder, (QStringList{QStringLiteral("a.jpg"), QStringLiteral("--b.jpg")}));

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
          QStringList{QStringLiteral("--qualitaet"), QStringLiteral("hoch")}})
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
    const auto [aus, fehler] = starte({QStringLiteral("--gibtsnicht")}, false, &ergebnis);
    EXPECT_EQ(ergebnis, 2);
    EXPECT_TRUE(aus.isEmpty());
    EXPECT_TRUE(fehler.contains(QStringLiteral("Unbekannte Option --gibtsnicht.\nAufruf: tesselo"))) << qPrintable(fehler);
}
