#include "testhilfe.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#ifdef TESSELO_FENSTER_TEST
#include <QApplication>
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_var.h"
#endif

namespace testhilfe {

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
void StummeDialoge()
{
    Dialoge::BildOeffnen = [](QWidget*) { return QString(); };
    Dialoge::FarbeWaehlen = [](QWidget*, const QColor&) -> std::optional<QColor> { return std::nullopt; };
    Dialoge::VerzeichnisWaehlen = [](QWidget*, const QString&) { return QString(); };
    Dialoge::Frage = [](QWidget*, const QString&) { return false; };
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return false; };
    Dialoge::Meldung = [](QWidget*, const QString&) {};
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
    puz_var::Startwerte();
    testhilfe::StummeDialoge();
    ErzeugeFenster();
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    ZerstoereFenster();
    return ergebnis;
#else
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
#endif
}
