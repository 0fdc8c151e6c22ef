#include "fenster/hinweis.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

int verzoegerung = 500;
int anzeigedauer = 2500;

struct Hinweisteile
{
    QString kurz;
    QString lang;
};

Hinweisteile teile(const QString& hinweis)
{
    const qsizetype strich = hinweis.indexOf(QLatin1Char('|'));
    if (strich < 0)
        return {hinweis, hinweis};
    return {hinweis.left(strich).trimmed(), hinweis.mid(strich + 1).trimmed()};
}

class Hinweisfilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::ToolTip || !objekt->isWidgetType())
            return false;
        auto* element = static_cast<QWidget*>(objekt);
        if (element->toolTip().isEmpty())
            return false;
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        QToolTip::showText(hilfe->globalPos(), element->toolTip(), element, QRect(),
                           anzeigedauer);
        return true;
    }
};

} // namespace

void setzeHinweis(QWidget* element, const QString& hinweis)
{
    const Hinweisteile t = teile(hinweis);
    element->setToolTip(t.kurz);
    element->setStatusTip(t.lang);
}

void setzeHinweis(QAction* element, const QString& hinweis)
{
    const Hinweisteile t = teile(hinweis);
    element->setToolTip(t.kurz);
    element->setStatusTip(t.lang);
}

void setzeHinweiszeiten()
{
    verzoegerung = HinweisVerzoegerungMs;
    anzeigedauer = HinweisAnzeigedauerMs;
    static bool gefiltert = false;
    if (!gefiltert && qApp) {
        gefiltert = true;
        qApp->installEventFilter(new Hinweisfilter(qApp));
    }
}

int Hinweisverzoegerung()
{
    return verzoegerung;
}

int Hinweisanzeigedauer()
{
    return anzeigedauer;
}
