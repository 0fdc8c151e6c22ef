#include "testhilfe.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#ifdef TESSELO_FENSTER_TEST
#include <QApplication>
#include "app/datenorte.h"
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "prepare/schnitt.h"
#include <QSpinBox>
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>
#endif

namespace testhilfe {

SchreibgeschuetzterOrdner::SchreibgeschuetzterOrdner(const QString& pfad, const std::function<void()>& fuellen)
    : m_pfad(QFile::encodeName(pfad))
{
    QDir().mkpath(pfad);
    if (::geteuid() == 0 && ::mount("tesselo", m_pfad.constData(), "tmpfs", 0, "size=16m,mode=0755") == 0)
        m_gemountet = true;
    fuellen();
    if (m_gemountet)
        ::mount("tesselo", m_pfad.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr);
    else
        ::chmod(m_pfad.constData(), 0555);
}

SchreibgeschuetzterOrdner::~SchreibgeschuetzterOrdner()
{
    if (m_gemountet)
        ::umount2(m_pfad.constData(), MNT_DETACH);
    else
        ::chmod(m_pfad.constData(), 0755);
}

bool SchreibgeschuetzterOrdner::Geschuetzt() const
{
    const QByteArray probe = m_pfad + "/probe";
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return true;
    ::close(fd);
    ::unlink(probe.constData());
    return false;
}

QImage Muster(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb((x * 7 + y * 3) & 0xFF, (x * 5 + y * 11) & 0xFF, (x ^ y) & 0xFF));
    return bild;
}

int Abweichung(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1000;
    int abweichung = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            abweichung = std::max({abweichung, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))});
        }
    return abweichung;
}

bool GleicheBilder(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage ra = a.convertToFormat(QImage::Format_RGB32);
    const QImage rb = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ra.height(); ++y)
        for (int x = 0; x < ra.width(); ++x)
            if ((ra.pixel(x, y) & 0xFFFFFF) != (rb.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

#ifdef TESSELO_FENSTER_TEST
namespace {
std::unique_ptr<Programm> DasProgramm;
} // namespace

Programm& Anwendung()
{
    return *DasProgramm;
}

Sitzung& Modell()
{
    return DasProgramm->sitzung();
}

void Startwerte()
{
    Sitzung& sitzung = Modell();
    const Gitter gitter = sitzung.puzzle.gitter;
    const QString programmverzeichnis = sitzung.programmverzeichnis;
    sitzung = Sitzung();
    sitzung.puzzle.gitter = gitter;
    sitzung.programmverzeichnis = programmverzeichnis;
}

QWidget* Fenster(const char* name)
{
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster->objectName() == QLatin1String(name))
            return fenster;
    Fehlt(nullptr, name);
}

void Schnitt(int spalten, int zeilen, int breite, const std::function<QImage(int)>& teil)
{
    Kachelsatz& kacheln = Modell().puzzle.kacheln;
    kacheln.spalten = spalten;
    kacheln.zeilen = zeilen;
    kacheln.breite = breite;
    kacheln.teile.clear();
    for (int k = 0; k < spalten * zeilen; ++k)
        kacheln.teile.push_back(teil(k));
    kacheln.gesamtbild = schnitt::Mosaik(kacheln.teile, spalten, zeilen, breite);
    Teil<QSpinBox>(&Anwendung().hauptfenster(), "SpEdBreite")->setValue(breite);
}

void Zeige(QWidget* element, QPoint stelle)
{
    QMouseEvent bewegung(QEvent::MouseMove, stelle, element->mapToGlobal(stelle), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QCoreApplication::sendEvent(element, &bewegung);
}

void KlickeFeld(Bildfeld* brett, int spalte, int zeile, int kante)
{
    const QPoint mitte = brett->Anzeigebereich(QRect(spalte * kante, zeile * kante, kante, kante)).center();
    Zeige(brett, mitte);
    QTest::mouseClick(brett, Qt::LeftButton, {}, mitte);
}

Beantworter::Beantworter(QWidget* fenster, std::function<void()> antwort) : m_antwort(std::move(antwort))
{
    fenster->installEventFilter(this);
}

bool Beantworter::eventFilter(QObject*, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Show)
        QTimer::singleShot(0, this, m_antwort);
    return false;
}

void Fehlt(const QObject* fenster, const char* name)
{
    std::fprintf(stderr, "Kein %s in %s\n", name, fenster ? qPrintable(fenster->objectName()) : "der Anwendung");
    std::abort();
}

void StummeDialoge()
{
    Dialoge::BildOeffnen = [](QWidget*, const QString&, const QString&) { return QString(); };
    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return std::nullopt; };
    Dialoge::VerzeichnisWaehlen = [](QWidget*, const QString&) { return QString(); };
    Dialoge::Frage = [](QWidget*, const QString&) { return false; };
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return false; };
    Dialoge::Meldung = [](QWidget*, const QString&) {};
    Dialoge::OrdnerOeffnen = [](QWidget*, const QString&) { return true; };
}
#endif

} // namespace testhilfe

// Window tests get one application and the thirteen windows for the whole run,
// as the program has them; each test starts from the start values.
int main(int argc, char** argv)
{
#ifdef TESSELO_FENSTER_TEST
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testhilfe::StummeDialoge();
    testhilfe::DasProgramm =
        std::make_unique<Programm>(datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath()));
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    testhilfe::DasProgramm.reset();
    return ergebnis;
#else
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
#endif
}
