#include "games/raetselbrett.h"

bool Raetselbrett::Aufbauen(int spalten, int zeilen)
{
    m_zugzahl = 0;
    m_beendet = false;
    m_spalten = m_zeilen = 0;
    if (spalten < 0 || zeilen < 0 || spalten * zeilen > MaxTeile)
        return false;
    m_spalten = spalten;
    m_zeilen = zeilen;
    for (int i = 0; i < Feldzahl(); ++i)
        m_felder[i] = Feld{Verdeckt, i};
    return true;
}

std::optional<int> Raetselbrett::Index(int spalte, int zeile) const
{
    if (spalte < 0 || zeile < 0 || spalte >= m_spalten || zeile >= m_zeilen)
        return std::nullopt;
    return spalte * m_zeilen + zeile;
}

bool Raetselbrett::Aufdecken(int spalte, int zeile)
{
    const std::optional<int> index = Index(spalte, zeile);
    if (!index || m_beendet)
        return false;
    ++m_zugzahl;
    m_felder[*index].Sichtbar = m_felder[*index].Bildnummer;
    return true;
}

void Raetselbrett::AllesAufdecken()
{
    for (int i = 0; i < Feldzahl(); ++i)
        m_felder[i].Sichtbar = i;
    m_beendet = true;
}

QStringList Antwortliste(const QString& memotext)
{
    QStringList antworten;
    if (memotext.isEmpty())
        return antworten;
    const QStringList zeilen = memotext.split(QLatin1Char('\n'));
    for (QString zeile : zeilen) {
        if (zeile.endsWith(QLatin1Char('\r')))
            zeile.chop(1);
        if (zeile.isEmpty())
            break;
        antworten << zeile;
    }
    return antworten;
}

QString Antworturteil(int richtigeNummer, int gewaehlteNummer)
{
    return richtigeNummer == gewaehlteNummer ? QStringLiteral(" richtig") : QStringLiteral(" falsch");
}
