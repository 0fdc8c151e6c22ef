// Times the program's own code along the user's main path, in this process:
//   tesselo_bench start          start-up until the main window is shown
//   tesselo_bench FOTO.jpg       load, automatic grid, cut, JPEG tiles, sliding page
// It prints one "name=value" line per figure; bench/run.sh collects them.
#include "app/fenster/dialoge.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
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

int start()
{
    puz_var::Startwerte();
    Dialoge::EchteDialoge();
    ErzeugeFenster();
    Form1->show();
    while (!Form1->windowHandle() || !Form1->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
    std::printf("gezeigt_ns=%lld\n", echtzeitNs());
    ZerstoereFenster();
    return 0;
}

int hauptweg(const QString& foto)
{
    puz_var::Startwerte();
    bool fehlgeschlagen = false;
    Dialoge::BildOeffnen = [&](QWidget*) { return foto; };
    // Every run writes the same photo's puzzle over the one of the run before.
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
    Dialoge::Meldung = [&](QWidget*, const QString& text) {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        fehlgeschlagen = true;
    };
    ErzeugeFenster();
    Form1->show();

    QElapsedTimer uhr;
    qint64 gesamt = 0;
    const auto stufe = [&](const char* name, auto&& arbeit) {
        uhr.start();
        arbeit();
        const qint64 us = uhr.nsecsElapsed() / 1000;
        gesamt += us;
        std::printf("%s_us=%lld\n", name, us);
    };

    stufe("laden", [] { Form1->BuLadenClick(); });
    stufe("auto", [] { Form1->BuAutoClick(); });
    Form1->ScBaWartezeit->setValue(0);
    stufe("schneiden", [] { Form1->BuSchneidenClick(); });
    puz_var::JPEGQualitaet = 85;
    stufe("kacheln", [] { Form1->EinzelbilderClick(); });
    stufe("seite", [] { Form1->SchiebePuzzleClick(); });
    std::printf("gesamt_us=%lld\n", gesamt);
    std::printf("spitzenspeicher_kib=%ld\n", spitzenspeicherKiB());
    std::printf("kacheln=%dx%d\n", puz_var::Spalten, puz_var::Zeilen);

    const QString seite = puz_var::Ausgabeverzeichnis + puz_var::Dateikuerzel + QStringLiteral("sp.htm");
    const bool vollstaendig = QFileInfo::exists(seite) &&
                              QFileInfo::exists(puz_var::Ausgabeverzeichnis + puz_var::Dateikuerzel + "vs.jpg");
    ZerstoereFenster();
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
