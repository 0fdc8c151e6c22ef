#pragma once
// Shared helpers for the tests: a temporary directory per test, small pictures.
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <functional>

#ifdef TESSELO_FENSTER_TEST
#include <QWidget>
class Bildfeld;
class Programm;
struct Sitzung;
#endif

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

// The program of the test run, with its windows, as main() makes it.
Programm& Anwendung();

// The session the windows work on.
Sitzung& Modell();

// Puts the session back to its start values, as a new start of the program
// would; the grid keeps what the main window's fields show, and the data
// folder stays.
void Startwerte();

// The top-level window of the program with this object name.
QWidget* Fenster(const char* name);

// A cut as the main window leaves it: spalten x zeilen tiles of edge
// `breite`, tile k = teil(k) (k = column * zeilen + row), packed into the
// whole picture; the main window's width field shows `breite`.
void Schnitt(int spalten, int zeilen, int breite, const std::function<QImage(int)>& teil);

// The pointer moves over `stelle` of the control with no button held. Sent
// to the control itself: the offscreen cursor reports no move to where it
// already stands, so QTest::mouseMove may not arrive.
void Zeige(QWidget* element, QPoint stelle);

// A click on field (spalte, zeile) of a board of fields of edge `kante`,
// where the user sees it (a board may be shown scaled).
void KlickeFeld(Bildfeld* brett, int spalte, int zeile, int kante);

// Answers a window each time it is shown (a question, a dialog running its
// own loop), once the showing has finished.
class Beantworter : public QObject
{
public:
    Beantworter(QWidget* fenster, std::function<void()> antwort);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::function<void()> m_antwort;
};

// Stops the run: a window or control the test looks for does not exist.
[[noreturn]] void Fehlt(const QObject* fenster, const char* name);

// The child `name` of `fenster`; the run stops when there is none of that
// type.
template <class T>
T* Teil(const QObject* fenster, const char* name)
{
    T* teil = fenster ? fenster->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!teil)
        Fehlt(fenster, name);
    return teil;
}
#endif

// Directory of the built program, where the templates and answer pictures lie.
inline QString Bauverzeichnis() { return QStringLiteral(TESSELO_BAUVERZEICHNIS); }

} // namespace testhilfe
