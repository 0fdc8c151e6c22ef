#include "fenster/fensterwechsel.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace fensterwechsel {
namespace {

// An application-wide filter sees each activation change before the window's
// own handler does, so the answer is ready when the handler asks.
class Beobachter : public QObject
{
public:
    using QObject::QObject;

    bool rueckkehr(const QWidget* fenster) const { return m_rueckkehr && m_aktiv == fenster; }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::ActivationChange)
            return false;
        auto* fenster = qobject_cast<QWidget*>(ziel);
        if (!fenster || !fenster->isWindow())
            return false;
        if (fenster->isActiveWindow()) {
            m_rueckkehr = m_verlassenVon && m_verlassenVon == fenster;
            m_verlassenVon = nullptr;
            m_aktiv = fenster;
        } else if (!QApplication::activeWindow()) {
            // The activation went to another application.
            m_verlassenVon = fenster;
            m_rueckkehr = false;
        }
        return false;
    }

private:
    QPointer<QWidget> m_verlassenVon;
    QPointer<QWidget> m_aktiv;
    bool m_rueckkehr = false;
};

Beobachter* beobachter = nullptr;

} // namespace

void Beobachten()
{
    if (beobachter || !qApp)
        return;
    beobachter = new Beobachter(qApp);
    qApp->installEventFilter(beobachter);
}

bool RueckkehrVonAussen(const QWidget* fenster)
{
    return beobachter && beobachter->rueckkehr(fenster);
}

} // namespace fensterwechsel
