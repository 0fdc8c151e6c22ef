// Times the program's own code along the user's main path, in this process:
//   tesselo_bench start          start-up until the main window is shown
//   tesselo_bench FOTO.jpg       load, automatic grid, cut, JPEG tiles, sliding page
// It prints one "name=value" line per figure; bench/run.sh collects them.
#include "app/datenorte.h"
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "fenster/dialoge.h"
#include "modell/sitzung.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

long long echtzeitNs()
{
    timespec jetzt{};
    clock_gettime(CLOCK_REALTIME, &jetzt);
    return jetzt.tv_sec * 1'000'000'000LL + jetzt.tv_nsec;
}

long spitzenspeicherKiB()
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return nutzung.ru_maxrss;
}

QString datenverzeichnis()
{
    return datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath());
}

int start()
{
    Dialoge::EchteDialoge();
    Programm programm(datenverzeichnis());
    Hauptfenster& fenster = programm.hauptfenster();
    fenster.show();
    while (!fenster.windowHandle() || !fenster.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
    std::printf("gezeigt_ns=%lld\n", echtzeitNs());
    return 0;
}

int hauptweg(const QString& foto)
{
    bool fehlgeschlagen = false;
    Dialoge::BildOeffnen = [&](QWidget*, const QString&, const QString&) { return foto; };
    // Every run writes the same photo's puzzle over the one of the run before.
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
    Dialoge::Meldung = [&](QWidget*, const QString& text) {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        fehlgeschlagen = true;
    };
    Programm programm(datenverzeichnis());
    Hauptfenster& fenster = programm.hauptfenster();
    fenster.show();
    const auto aktion = [&fenster](const char* name) { return fenster.findChild<QAction*>(QLatin1String(name)); };

    QElapsedTimer uhr;
    qint64 gesamt = 0;
    const auto stufe = [&](const char* name, auto&& arbeit) {
        uhr.start();
        arbeit();
        const qint64 us = uhr.nsecsElapsed() / 1000;
        gesamt += us;
        std::printf("%s_us=%lld\n", name, us);
    };

    stufe("laden", [&] { aktion("MenuLaden")->trigger(); });
    stufe("auto", [&] { fenster.findChild<QPushButton*>(QStringLiteral("BuAuto"))->click(); });
    fenster.findChild<QScrollBar*>(QStringLiteral("ScBaWartezeit"))->setValue(0);
    stufe("schneiden", [&] { aktion("MenuSchneiden")->trigger(); });
    stufe("kacheln", [&] { aktion("MenuKachelnJpg")->trigger(); });
    stufe("seite", [&] { aktion("MenuSchiebeseite")->trigger(); });
    std::printf("gesamt_us=%lld\n", gesamt);
    std::printf("spitzenspeicher_kib=%ld\n", spitzenspeicherKiB());
    const Sitzung& sitzung = programm.sitzung();
    std::printf("kacheln=%dx%d\n", sitzung.puzzle.kacheln.spalten, sitzung.puzzle.kacheln.zeilen);

    const QString ausgabe = sitzung.einstellungen.Ausgabeverzeichnis + sitzung.puzzle.kuerzel;
    const bool vollstaendig = QFileInfo::exists(ausgabe + QStringLiteral("sp.htm")) &&
                              QFileInfo::exists(ausgabe + QStringLiteral("vs.jpg"));
    if (fehlgeschlagen || !vollstaendig) {
        std::fprintf(stderr, "Der Hauptweg ist nicht vollständig durchgelaufen.\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    anwendung.setQuitOnLastWindowClosed(false);
    const QString auftrag = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (auftrag == QLatin1String("start"))
        return start();
    if (!auftrag.isEmpty())
        return hauptweg(auftrag);
    std::fprintf(stderr, "Aufruf: tesselo_bench start | tesselo_bench FOTO.jpg\n");
    return 2;
}
