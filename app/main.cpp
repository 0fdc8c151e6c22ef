// Program entry: the command line's answers that need no window, the export
// without windows, or the program with its windows (with the picture named on
// the command line loaded) until the main window closes.
#include "app/aufruf.h"
#include "app/datenorte.h"
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "app/signalende.h"
#include "export/stapel.h"
#include "fenster/dialoge.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {
int Antworte(const QString& text, FILE* ziel, int ergebnis)
{
    std::fputs(text.toLocal8Bit().constData(), ziel);
    return ergebnis;
}

// The export runs without the window system, so it works on a server and
// from a script; the pictures never pass through a display. On a terminal a
// progress line stands on standard error, overwritten as the batch goes and
// wiped before every other line.
int StarteStapelexport(int argc, char** argv, const Aufruf& aufruf)
{
    // The worksheet's text needs the fonts, which only a QGuiApplication
    // finds; on the offscreen platform it needs no display either.
    // Its start-up warnings (no runtime folder under cron) are no message of
    // the export.
    std::unique_ptr<QCoreApplication> anwendung;
    if (!QCoreApplication::instance() && aufruf.stapel.arbeitsblatt) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QtMessageHandler vorher =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        anwendung = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(vorher);
    } else if (!QCoreApplication::instance()) {
        anwendung = std::make_unique<QCoreApplication>(argc, argv);
    }
    const bool terminal = !aufruf.stapel.still && ::isatty(STDERR_FILENO);
    bool fortschrittSteht = false;
    const auto wischeFortschritt = [&] {
        if (fortschrittSteht)
            std::fputs("\r\033[K", stderr);
        fortschrittSteht = false;
    };
    Stapelmeldungen meldungen;
    meldungen.zeile = [&](const QString& zeile) {
        if (aufruf.stapel.still)
            return;
        wischeFortschritt();
        Antworte(zeile + QLatin1Char('\n'), stdout, 0);
        std::fflush(stdout);
    };
    meldungen.fehler = [&](const QString& fehler) {
        wischeFortschritt();
        Antworte(fehler + QLatin1Char('\n'), stderr, 0);
    };
    if (terminal)
        meldungen.fortschritt = [&](int fertig, int gesamt, qint64 vergangenMs) {
            wischeFortschritt();
            Antworte(Fortschrittstext(fertig, gesamt, vergangenMs), stderr, 0);
            std::fflush(stderr);
            fortschrittSteht = true;
        };
    const int ergebnis =
        Stapelexport(aufruf.stapel, datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath()), meldungen);
    wischeFortschritt();
    return ergebnis;
}
} // namespace

int main(int argc, char** argv)
{
    // The usage and the version need no display, so they are answered before
    // the window system starts.
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf vorab = LiesAufruf(argumente);
    if (vorab.art == Aufruf::Art::Hilfe)
        return Antworte(Gebrauchstext(), stdout, 0);
    if (vorab.art == Aufruf::Art::Version)
        return Antworte(Versionstext(), stdout, 0);
    if (vorab.art == Aufruf::Art::Export)
        return StarteStapelexport(argc, argv, vorab);
    if (vorab.art == Aufruf::Art::Fehler && !argumente.isEmpty() && argumente.first() == QLatin1String("--export"))
        return Antworte(vorab.fehler + QLatin1Char('\n') + Gebrauchstext(), stderr, 2);
    // Without a display the window system would abort with its own English
    // words: a wrong call is told as such, a right one why no window opens.
    if (const auto ohne = OhneAnzeige(argumente, qEnvironmentVariable("QT_QPA_PLATFORM"),
                                      qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY")))
        return vorab.art == Aufruf::Art::Fehler
                   ? Antworte(vorab.fehler + QLatin1Char('\n') + Gebrauchstext(), stderr, 2)
                   : Antworte(*ohne, stderr, 2);

    QApplication anwendung(argc, argv);
    // Read again without the window system's own options (-platform, ...).
    const Aufruf aufruf = LiesAufruf(QApplication::arguments().mid(1));
    switch (aufruf.art) {
    case Aufruf::Art::Hilfe:
        return Antworte(Gebrauchstext(), stdout, 0);
    case Aufruf::Art::Version:
        return Antworte(Versionstext(), stdout, 0);
    case Aufruf::Art::Fehler:
        return Antworte(aufruf.fehler + QLatin1Char('\n') + Gebrauchstext(), stderr, 2);
    case Aufruf::Art::Export: // behind Qt's own options
        return StarteStapelexport(argc, argv, aufruf);
    case Aufruf::Art::Programm:
        break;
    }
    anwendung.setQuitOnLastWindowClosed(false); // only the main window ends the program
    Dialoge::EchteDialoge();
    Programm programm(datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath()));
    Hauptfenster& hauptfenster = programm.hauptfenster();
    hauptfenster.show();
    BeendeBeiSignal();
    // Loaded from the running program, so a bad file shows the load's message there.
    if (!aufruf.bild.isEmpty())
        QTimer::singleShot(0, &hauptfenster, [&hauptfenster, bild = aufruf.bild] { hauptfenster.LadeBild(bild); });
    return anwendung.exec();
}
