#include "games/fenster/spielbrett.h"

#include "games/brettzugang.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Screen readers take the fields row by row, as the pages list their tiles;
// the boards count column by column.
int FeldVonKind(const Spielbrett& brett, int kind)
{
    return (kind % brett.Spalten()) * brett.Zeilen() + kind / brett.Spalten();
}

int KindVonFeld(const Spielbrett& brett, int feld)
{
    return (feld % brett.Zeilen()) * brett.Spalten() + feld / brett.Zeilen();
}

// One field of the board: named by the game, pressed like Enter on it.
class FeldZugang : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    FeldZugang(Spielbrett* brett, int kind) : m_brett(brett), m_kind(kind) {}

    bool isValid() const override { return m_brett && m_kind < m_brett->Feldzahl(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_brett ? m_brett->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_brett); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Button; }

    // A field tells the board's description too, so the result of a game is
    // heard on the field the keyboard is on.
    QString text(QAccessible::Text art) const override
    {
        if (!isValid())
            return QString();
        if (art == QAccessible::Name)
            return m_brett->Feldname(feld());
        return art == QAccessible::Description ? m_brett->accessibleDescription() : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect ort = m_brett->Anzeigebereich(m_brett->Feldbereich(feld()));
        return QRect(m_brett->mapToGlobal(ort.topLeft()), ort.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State zustand;
        if (!isValid()) {
            zustand.invalid = true;
            return zustand;
        }
        zustand.focusable = true;
        zustand.focused = m_brett->hasFocus() && KindVonFeld(*m_brett, feldVon(m_brett->Tastenfeld())) == m_kind;
        zustand.disabled = m_brett->Ruhend();
        zustand.invisible = !m_brett->isVisible();
        return zustand;
    }

    void* interface_cast(QAccessible::InterfaceType art) override
    {
        return art == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && !m_brett->Ruhend() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& aktion) override
    {
        if (aktion == pressAction() && isValid() && !m_brett->Ruhend())
            m_brett->betaetige(feld());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int feld() const { return FeldVonKind(*m_brett, m_kind); }
    int feldVon(QPoint ort) const { return ort.x() * m_brett->Zeilen() + ort.y(); }

    QPointer<Spielbrett> m_brett;
    int m_kind;
};

// The board: a group named by its game, with one child per field.
class BrettZugang : public QAccessibleWidget
{
public:
    explicit BrettZugang(Spielbrett* brett) : QAccessibleWidget(brett, QAccessible::Grouping) {}

    ~BrettZugang() override
    {
        for (const QAccessible::Id id : m_kinder)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return brett()->Feldzahl(); }

    QAccessibleInterface* child(int kind) const override
    {
        if (kind < 0 || kind >= childCount())
            return nullptr;
        // Each field keeps one interface, so a screen reader sees the same
        // object across moves; the cache owns it, this board deletes it.
        while (int(m_kinder.size()) <= kind) {
            auto* feld = new FeldZugang(brett(), int(m_kinder.size()));
            m_kinder.push_back(QAccessible::registerAccessibleInterface(feld));
        }
        return QAccessible::accessibleInterface(m_kinder[size_t(kind)]);
    }

    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        for (size_t i = 0; i < m_kinder.size() && int(i) < childCount(); ++i)
            if (QAccessible::accessibleInterface(m_kinder[i]) == kind)
                return int(i);
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* feld = child(i); feld->rect().contains(x, y))
                return feld;
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        if (!brett()->hasFocus() || childCount() == 0)
            return nullptr;
        const QPoint feld = brett()->Tastenfeld();
        return child(KindVonFeld(*brett(), feld.x() * brett()->Zeilen() + feld.y()));
    }

private:
    Spielbrett* brett() const { return static_cast<Spielbrett*>(widget()); }

    mutable std::vector<QAccessible::Id> m_kinder;
};

QAccessibleInterface* Zugangsfabrik(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String("Spielbrett") && objekt && objekt->isWidgetType())
        return new BrettZugang(static_cast<Spielbrett*>(objekt));
    return nullptr;
}

} // namespace

Spielbrett::Spielbrett(const QString& name, QWidget* parent) : Bildfeld(parent)
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(Zugangsfabrik);
        return true;
    }();
    (void)eingerichtet;
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
}

QRect Spielbrett::Feldbereich(int feld) const
{
    if (m_zeilen < 1)
        return QRect();
    return QRect(feld / m_zeilen * m_kante, feld % m_zeilen * m_kante, m_kante, m_kante);
}

void Spielbrett::setzeFelder(int spalten, int zeilen, int kante)
{
    const bool anders = spalten * zeilen != Feldzahl();
    m_spalten = std::max(0, spalten);
    m_zeilen = std::max(0, zeilen);
    m_kante = std::max(1, kante);
    m_feld = QPoint(std::clamp(m_feld.x(), 0, std::max(0, m_spalten - 1)),
                    std::clamp(m_feld.y(), 0, std::max(0, m_zeilen - 1)));
    if (anders && QAccessible::isActive()) {
        QAccessibleEvent ereignis(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&ereignis);
    }
    zeigeTastenfeld(false);
}

void Spielbrett::setzeNamen(const QStringList& namen)
{
    const QStringList alt = std::exchange(m_namen, namen);
    if (!QAccessible::isActive())
        return;
    for (int feld = 0; feld < std::min(int(namen.size()), Feldzahl()); ++feld)
        if (alt.value(feld) != namen[feld]) {
            QAccessibleEvent ereignis(this, QAccessible::NameChanged);
            ereignis.setChild(KindVonFeld(*this, feld));
            QAccessible::updateAccessibility(&ereignis);
        }
}

void Spielbrett::setzeRuhend(bool ruhend)
{
    if (ruhend == m_ruhend)
        return;
    m_ruhend = ruhend;
    if (!QAccessible::isActive())
        return;
    QAccessible::State aenderung;
    aenderung.disabled = true;
    for (int kind = 0; kind < Feldzahl(); ++kind) {
        QAccessibleStateChangeEvent ereignis(this, aenderung);
        ereignis.setChild(kind);
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Spielbrett::setzeBeschreibung(const QString& text)
{
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    if (QAccessible::isActive() && Feldzahl() > 0) {
        QAccessibleEvent ereignis(this, QAccessible::DescriptionChanged);
        ereignis.setChild(KindVonFeld(*this, m_feld.x() * m_zeilen + m_feld.y()));
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Spielbrett::betaetige(int feld)
{
    if (feld < 0 || feld >= Feldzahl())
        return;
    m_feld = QPoint(feld / m_zeilen, feld % m_zeilen);
    zeigeTastenfeld(false);
    emit betaetigt(m_feld.x(), m_feld.y());
}

void Spielbrett::zeigeTastenfeld(bool ansagen)
{
    const int feld = m_feld.x() * m_zeilen + m_feld.y();
    const bool rahmen = hasFocus() && m_tastatur && Feldzahl() > 0;
    setzeMarke(rahmen ? Feldbereich(feld) : QRect());
    if (ansagen && hasFocus() && Feldzahl() > 0 && QAccessible::isActive()) {
        QAccessibleEvent ereignis(this, QAccessible::Focus);
        ereignis.setChild(KindVonFeld(*this, feld));
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Spielbrett::keyPressEvent(QKeyEvent* ereignis)
{
    const bool strg = ereignis->modifiers() & Qt::ControlModifier;
    if (const std::optional<QPoint> ziel = Tastenziel(m_feld, ereignis->key(), strg, m_spalten, m_zeilen)) {
        m_feld = *ziel;
        m_tastatur = true;
        zeigeTastenfeld(true);
        ereignis->accept();
        return;
    }
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        ereignis->accept();
        m_tastatur = true;
        zeigeTastenfeld(false);
        // A held key acts once, as on the pages.
        if (!ereignis->isAutoRepeat() && Feldzahl() > 0)
            emit betaetigt(m_feld.x(), m_feld.y());
        return;
    default:
        Bildfeld::keyPressEvent(ereignis);
    }
}

void Spielbrett::focusInEvent(QFocusEvent* ereignis)
{
    Bildfeld::focusInEvent(ereignis);
    if (ereignis->reason() == Qt::TabFocusReason || ereignis->reason() == Qt::BacktabFocusReason)
        m_tastatur = true;
    else if (ereignis->reason() == Qt::MouseFocusReason)
        m_tastatur = false;
    zeigeTastenfeld(false);
    // The widget's own focus is told to screen readers after this handler:
    // the field's comes after it, so the reader ends on the field.
    QTimer::singleShot(0, this, [this] { zeigeTastenfeld(true); });
}

void Spielbrett::focusOutEvent(QFocusEvent* ereignis)
{
    Bildfeld::focusOutEvent(ereignis);
    zeigeTastenfeld(false);
}

void Spielbrett::mousePressEvent(QMouseEvent* ereignis)
{
    m_tastatur = false;
    const QPoint punkt = Bildpunkt(ereignis->position().toPoint());
    if (punkt.x() >= 0 && punkt.y() >= 0 && punkt.x() / m_kante < m_spalten && punkt.y() / m_kante < m_zeilen)
        m_feld = QPoint(punkt.x() / m_kante, punkt.y() / m_kante);
    zeigeTastenfeld(false);
    Bildfeld::mousePressEvent(ereignis);
}
