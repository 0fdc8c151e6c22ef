#include "export/arbeitsblattmasse.h"

#include "games/zufall.h"
#include "modell/puzzle.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace arbeitsblatt {

namespace {

// The board with its labels fits between the head and the foot; the tile
// edge is cut to whole millimetres, so a ruler finds it on paper.
double Kante(double breite, double hoehe, int spalten, int zeilen)
{
    const double frei = std::min((breite - 2 * Rand - Beschriftung) / spalten,
                                 (hoehe - 2 * Rand - Kopf - Fuss - Beschriftung) / zeilen);
    return std::floor(frei);
}

} // namespace

std::optional<Masse> Berechne(int spalten, int zeilen, QString* fehler)
{
    const auto ablehnen = [fehler](const QString& text) -> std::optional<Masse> {
        if (fehler)
            *fehler = text;
        return std::nullopt;
    };
    if (spalten < 1 || zeilen < 1)
        return ablehnen(QStringLiteral("Für ein Arbeitsblatt muss das Bild erst geschnitten werden."));
    if (spalten * zeilen > MaxTeile)
        return ablehnen(QStringLiteral("Ein Arbeitsblatt hat höchstens %1 Teile, dieses Puzzle hat %2. Ein breiteres "
                                       "Gitter ergibt weniger Teile.")
                            .arg(MaxTeile)
                            .arg(spalten * zeilen));
    Masse m;
    m.spalten = spalten;
    m.zeilen = zeilen;
    const double hoch = Kante(A4Breite, A4Hoehe, spalten, zeilen);
    const double quer = Kante(A4Hoehe, A4Breite, spalten, zeilen);
    m.quer = quer > hoch;
    m.seitenbreite = m.quer ? A4Hoehe : A4Breite;
    m.seitenhoehe = m.quer ? A4Breite : A4Hoehe;
    m.kante = std::max(m.quer ? quer : hoch, 1.0);

    // The board with its labels is centred across the sheet, under the head.
    const QSizeF brett(m.kante * spalten, m.kante * zeilen);
    const double links = (m.seitenbreite - brett.width() - Beschriftung) / 2 + Beschriftung;
    m.brett = QRectF(QPointF(links, Rand + Kopf + Beschriftung), brett);

    // The pieces lie edge to edge, so one cut parts two of them.
    const double breite = m.seitenbreite - 2 * Rand - Scherenband - Ueberstand;
    const double hoehe = m.seitenhoehe - 2 * Rand - Kopf - Fuss - Scherenband - Ueberstand;
    m.bogenspalten = std::max(1, std::min(spalten * zeilen, int(breite / m.kante)));
    m.bogenzeilen = std::max(1, int(hoehe / m.kante));
    const int anzahl = spalten * zeilen;
    m.bogenzeilen = std::min(m.bogenzeilen, (anzahl + m.bogenspalten - 1) / m.bogenspalten);
    const double block = m.bogenspalten * m.kante;
    m.bogen = QPointF((m.seitenbreite - block - Scherenband - Ueberstand) / 2 + Scherenband,
                      Rand + Kopf + Scherenband);
    m.boegen = (anzahl + m.ProBogen() - 1) / m.ProBogen();
    return m;
}

QRectF Brettfeld(const Masse& masse, int spalte, int zeile)
{
    return QRectF(masse.brett.left() + spalte * masse.kante, masse.brett.top() + zeile * masse.kante, masse.kante,
                  masse.kante);
}

Bogenplatz Bogenfeld(const Masse& masse, int n)
{
    const int platz = n % masse.ProBogen();
    const QPointF ecke = masse.bogen + QPointF((platz % masse.bogenspalten) * masse.kante,
                                               (platz / masse.bogenspalten) * masse.kante);
    return {n / masse.ProBogen(), QRectF(ecke, QSizeF(masse.kante, masse.kante))};
}

QString KleineTeile(const Masse& masse)
{
    return QStringLiteral("Auf einer A4-Seite werden die %1 × %2 Teile des Arbeitsblatts nur %3 mm groß, kleiner als "
                          "%4 cm: Sie sind mühsam auszuschneiden. Ein breiteres Gitter ergibt größere Teile.")
        .arg(masse.spalten)
        .arg(masse.zeilen)
        .arg(masse.kante)
        .arg(Mindestkante / 10);
}

QString Zeilenname(int zeile)
{
    QString name;
    for (int n = zeile + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

QString Spaltenname(int spalte)
{
    return QString::number(spalte + 1);
}

QString Platzname(int spalte, int zeile)
{
    return Zeilenname(zeile) + Spaltenname(spalte);
}

int Druckpixel(double kante)
{
    return int(std::ceil(kante / 25.4 * Druckaufloesung));
}

std::vector<int> Mischung(int anzahl, std::uint32_t saat)
{
    std::vector<int> folge(size_t(std::max(anzahl, 0)));
    std::iota(folge.begin(), folge.end(), 0);
    Zufall zufall(saat);
    for (int i = anzahl - 1; i > 0; --i)
        std::swap(folge[size_t(i)], folge[size_t(zufall.Zahl(i + 1))]);
    // A sheet in the board's order would give the puzzle away.
    if (anzahl > 1 && std::is_sorted(folge.begin(), folge.end()))
        std::rotate(folge.begin(), folge.begin() + 1, folge.end());
    return folge;
}

} // namespace arbeitsblatt
