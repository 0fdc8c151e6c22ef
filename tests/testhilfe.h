#pragma once
// Shared helpers for the tests: a temporary directory per test, small pictures.
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace testhilfe {

// A picture whose every pixel differs from its neighbours, so a shifted or
// mirrored copy never compares equal.
QImage Muster(int breite, int hoehe);

// Compares pixel by pixel in RGB32; true when size and every pixel agree.
bool GleicheBilder(const QImage& a, const QImage& b);

// Largest difference of any colour channel of any pixel, for lossy coding;
// pictures of different sizes give 1000, beyond every tolerance.
int Abweichung(const QImage& a, const QImage& b);

// A folder that takes no new file, for root as well: a small tmpfs mounted
// on it and remounted read-only where the test may mount; elsewhere the
// permission bits, which stop every user but root. Geschuetzt() says whether
// it worked; a test that needs it skips otherwise.
class SchreibgeschuetzterOrdner
{
public:
    // `fuellen` puts the files in while the folder still takes them.
    SchreibgeschuetzterOrdner(const QString& pfad, const std::function<void()>& fuellen);
    ~SchreibgeschuetzterOrdner();
    SchreibgeschuetzterOrdner(const SchreibgeschuetzterOrdner&) = delete;
    SchreibgeschuetzterOrdner& operator=(const SchreibgeschuetzterOrdner&) = delete;

    // True when a new file really cannot be made there.
    bool Geschuetzt() const;

private:
    QByteArray m_pfad;
    bool m_gemountet = false;
};

#ifdef TESSELO_FENSTER_TEST
// Answers every standard dialog with "cancel" and swallows message boxes, so
// no test ever waits for a real dialog. Tests install the answers they need.
void StummeDialoge();
#endif

// Directory of the built program, where the templates and answer pictures lie.
inline QString Bauverzeichnis() { return QStringLiteral(TESSELO_BAUVERZEICHNIS); }

} // namespace testhilfe
