#include "app/signalende.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do hardly anything: it writes one byte, and the
// message loop reads it and ends the program there.
int Signalpaar[2] = {-1, -1};

void Signal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t geschrieben = ::write(Signalpaar[0], &byte, 1);
}

} // namespace

void BeendeBeiSignal()
{
    if (Signalpaar[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, Signalpaar) != 0)
        return;
    auto* melder = new QSocketNotifier(Signalpaar[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(melder, &QSocketNotifier::activated, melder, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t gelesen = ::read(Signalpaar[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction aktion = {};
    aktion.sa_handler = Signal;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (const int signal : {SIGHUP, SIGINT, SIGTERM})
        ::sigaction(signal, &aktion, nullptr);
}

#else

void BeendeBeiSignal() {}

#endif
