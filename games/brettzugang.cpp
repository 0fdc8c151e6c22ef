#include "games/brettzugang.h"

#include "games/raetselbrett.h"
#include "games/schiebebrett.h"
#include "games/tauschbrett.h"

#include <Qt>
#include <algorithm>
#include <array>

namespace {
// The field at `ort` shows the tile whose own field is `heim`.
QString Teilname(QPoint ort, QPoint heim)
{
    QString name = QStringLiteral("Teil in ") + Ortstext(ort.x(), ort.y());
    if (heim != ort)
        name += QStringLiteral(", gehört nach ") + Ortstext(heim.x(), heim.y());
    return name;
}

QString Leername(QPoint ort)
{
    return QStringLiteral("leeres Feld, ") + Ortstext(ort.x(), ort.y());
}
} // namespace

QString Ortstext(int spalte, int zeile)
{
    return QStringLiteral("Zeile %1, Spalte %2").arg(zeile + 1).arg(spalte + 1);
}

std::optional<QPoint> Tastenziel(QPoint feld, int taste, bool strg, int spalten, int zeilen)
{
    if (spalten < 1 || zeilen < 1)
        return std::nullopt;
    QPoint ziel = feld;
    switch (taste) {
    case Qt::Key_Left:
        ziel.rx() -= 1;
        break;
    case Qt::Key_Right:
        ziel.rx() += 1;
        break;
    case Qt::Key_Up:
        ziel.ry() -= 1;
        break;
    case Qt::Key_Down:
        ziel.ry() += 1;
        break;
    case Qt::Key_Home:
        ziel = strg ? QPoint(0, 0) : QPoint(0, feld.y());
        break;
    case Qt::Key_End:
        ziel = strg ? QPoint(spalten - 1, zeilen - 1) : QPoint(spalten - 1, feld.y());
        break;
    default:
        return std::nullopt;
    }
    return QPoint(std::clamp(ziel.x(), 0, spalten - 1), std::clamp(ziel.y(), 0, zeilen - 1));
}

QStringList Schiebefeldnamen(const Schiebebrett& brett)
{
    QStringList namen;
    const int zeilen = brett.Zeilen();
    for (int i = 0; i < brett.Feldzahl(); ++i) {
        const int teil = brett.Belegung(i);
        const QPoint ort(i / zeilen, i % zeilen);
        if (teil == brett.Leernummer() && !Ruht(brett.Stand()))
            namen << Leername(ort);
        else
            namen << Teilname(ort, QPoint(teil / zeilen, teil % zeilen));
    }
    return namen;
}

QStringList Tauschfeldnamen(const Tauschbrett& brett)
{
    const int zeilen = brett.FeldZeilen();
    std::array<int, Tauschbrett::MaxFelder> heim{};
    for (int i = 0; i < brett.Feldzahl(); ++i)
        if (const int teil = brett.Tauschfeld(i).Loesung; teil >= 0 && teil < Tauschbrett::MaxFelder)
            heim[size_t(teil)] = i;
    QStringList namen;
    for (int i = 0; i < brett.Feldzahl(); ++i) {
        const int teil = brett.Tauschfeld(i).Aktuell;
        const QPoint ort(i / zeilen, i % zeilen);
        QString name = teil < 0 ? Leername(ort)
                                : Teilname(ort, QPoint(heim[size_t(teil)] / zeilen, heim[size_t(teil)] % zeilen));
        if (brett.ErsterKlick() && brett.VonFeld() == i)
            name += QStringLiteral(", ausgewählt");
        namen << name;
    }
    return namen;
}

QStringList Raetselfeldnamen(const Raetselbrett& brett)
{
    QStringList namen;
    const int zeilen = brett.Zeilen();
    for (int i = 0; i < brett.Feldzahl(); ++i) {
        const QString ort = Ortstext(i / zeilen, i % zeilen);
        namen << (brett.Raetselfeld(i).Sichtbar == Raetselbrett::Verdeckt ? QStringLiteral("verdeckte Karte in ")
                                                                            : QStringLiteral("Teil in ")) +
                     ort;
    }
    return namen;
}
