#include "export/arbeitsblatt.h"

#include "codecs/bildcodec.h"
#include "export/arbeitsblattmasse.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <vector>

using namespace arbeitsblatt;

namespace {

const QString Schriftfamilie = QStringLiteral("DejaVu Sans");
const QString Anleitung = QStringLiteral("Schneide die Teile aus und lege sie auf diesem Plan zum Bild zusammen.");
const QColor Gitterfarbe(64, 64, 64);
const QColor Schnittfarbe(70, 70, 70);
const QColor Nebenfarbe(90, 90, 90);
// Faint enough to be a hint only where a pupil looks for it.
constexpr double BlassDeckkraft = 0.18;

class Zeichner
{
public:
    Zeichner(QPdfWriter& schreiber, const Masse& masse, const Arbeitsblattauftrag& auftrag)
        : m_schreiber(schreiber), m_masse(masse), m_auftrag(auftrag), m_mm(schreiber.resolution() / 25.4)
    {
        // A tile finer than the print needs is scaled down once; each
        // picture is drawn as the same image on every page, so the file
        // holds it only once.
        const int pixel = Druckpixel(masse.kante);
        const auto passend = [pixel](const QImage& teil) {
            return teil.width() > pixel ? teil.scaled(pixel, pixel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        : teil;
        };
        const size_t anzahl = size_t(masse.spalten * masse.zeilen);
        for (size_t i = 0; i < anzahl; ++i) {
            // The PDF writer codes every picture anew as a JPEG of its own,
            // higher quality (94); a tile that went through the tile files'
            // coding first comes out a fifth smaller there.
            if (!auftrag.dateien.empty()) {
                m_bilder.push_back(passend(bildcodec::LeseJpeg(auftrag.dateien[i], nullptr).value_or(QImage())));
                continue;
            }
            QImage bild = passend(auftrag.teile[i]);
            if (const auto kodiert = bildcodec::KodiereJpeg(bild, auftrag.qualitaet))
                bild = bildcodec::LeseJpeg(*kodiert, nullptr).value_or(bild);
            m_bilder.push_back(bild);
        }
    }

    bool Zeichne()
    {
        m_seiten = 2 + m_masse.boegen;
        if (!m_maler.begin(&m_schreiber))
            return false;
        Legeplan();
        const std::vector<int> folge = Mischung(int(m_bilder.size()), m_auftrag.saat);
        for (int bogen = 0; bogen < m_masse.boegen; ++bogen) {
            m_schreiber.newPage();
            Schneidebogen(bogen, folge);
        }
        m_schreiber.newPage();
        Loesung();
        return m_maler.end();
    }

private:
    double Ger(double mm) const { return mm * m_mm; }
    QRectF Ger(const QRectF& mm) const { return QRectF(Ger(mm.x()), Ger(mm.y()), Ger(mm.width()), Ger(mm.height())); }
    QPointF Ger(const QPointF& mm) const { return QPointF(Ger(mm.x()), Ger(mm.y())); }

    // One face only: each face embedded costs as much as a small tile.
    static QFont Schrift(double punkte)
    {
        QFont schrift(Schriftfamilie);
        schrift.setPointSizeF(punkte);
        // Metrics as the font draws them, not snapped to the device's pixels.
        schrift.setHintingPreference(QFont::PreferNoHinting);
        return schrift;
    }

    QPen Stift(const QColor& farbe, double mm) const
    {
        QPen stift(farbe, Ger(mm));
        stift.setCapStyle(Qt::FlatCap);
        return stift;
    }

    void Text(const QRectF& mm, int ausrichtung, const QString& text, const QFont& schrift, const QColor& farbe)
    {
        m_maler.setFont(schrift);
        m_maler.setPen(farbe);
        const QRectF ort = Ger(mm);
        m_maler.drawText(ort, ausrichtung | Qt::TextSingleLine,
                         QFontMetricsF(schrift, &m_schreiber).elidedText(text, Qt::ElideRight, ort.width()));
    }

    // The page's title (`frei` millimetres at its right left free) and one
    // line below it; the foot with the heading, the picture credit and the
    // page number.
    void Rahmen(const QString& titel, const QString& zeile, double frei = 0)
    {
        const double breite = m_masse.seitenbreite - 2 * Rand;
        Text(QRectF(Rand, Rand, breite - frei, 9), Qt::AlignLeft | Qt::AlignTop, titel, Schrift(18), Qt::black);
        Text(QRectF(Rand, Rand + 10, breite, 7), Qt::AlignLeft | Qt::AlignTop, zeile, Schrift(11), Qt::black);

        ++m_seite;
        QStringList fuss;
        for (const QString& teil : {m_auftrag.ueberschrift, m_auftrag.bildnachweis})
            if (!teil.trimmed().isEmpty())
                fuss << teil.trimmed();
        const QRectF zeileFuss(Rand, m_masse.seitenhoehe - Rand - 4, breite, 4);
        const QString nummer = QStringLiteral("Seite %1 von %2").arg(m_seite).arg(m_seiten);
        Text(zeileFuss, Qt::AlignRight | Qt::AlignBottom, nummer, Schrift(8), Nebenfarbe);
        Text(zeileFuss.adjusted(0, 0, -30, 0), Qt::AlignLeft | Qt::AlignBottom, fuss.join(QStringLiteral("  ·  ")),
             Schrift(8), Nebenfarbe);
    }

    // Column numbers above, row letters left of the board.
    void Beschriftungen()
    {
        const QFont schrift = Schrift(std::min(11.0, m_masse.kante * 0.45 / 25.4 * 72));
        for (int spalte = 0; spalte < m_masse.spalten; ++spalte) {
            const QRectF feld = Brettfeld(m_masse, spalte, 0);
            Text(QRectF(feld.left(), feld.top() - Beschriftung, feld.width(), Beschriftung - 0.8),
                 Qt::AlignHCenter | Qt::AlignBottom, Spaltenname(spalte), schrift, Qt::black);
        }
        for (int zeile = 0; zeile < m_masse.zeilen; ++zeile) {
            const QRectF feld = Brettfeld(m_masse, 0, zeile);
            Text(QRectF(feld.left() - Beschriftung, feld.top(), Beschriftung - 1, feld.height()),
                 Qt::AlignRight | Qt::AlignVCenter, Zeilenname(zeile), schrift, Qt::black);
        }
    }

    void Gitter()
    {
        const QRectF brett = m_masse.brett;
        m_maler.setPen(Stift(Gitterfarbe, 0.25));
        for (int spalte = 1; spalte < m_masse.spalten; ++spalte) {
            const double x = brett.left() + spalte * m_masse.kante;
            m_maler.drawLine(Ger(QPointF(x, brett.top())), Ger(QPointF(x, brett.bottom())));
        }
        for (int zeile = 1; zeile < m_masse.zeilen; ++zeile) {
            const double y = brett.top() + zeile * m_masse.kante;
            m_maler.drawLine(Ger(QPointF(brett.left(), y)), Ger(QPointF(brett.right(), y)));
        }
        QPen rahmen = Stift(Qt::black, 0.5);
        rahmen.setJoinStyle(Qt::MiterJoin);
        m_maler.setPen(rahmen);
        m_maler.setBrush(Qt::NoBrush);
        m_maler.drawRect(Ger(brett));
    }

    void Bild(double deckkraft)
    {
        m_maler.setOpacity(deckkraft);
        for (int spalte = 0; spalte < m_masse.spalten; ++spalte)
            for (int zeile = 0; zeile < m_masse.zeilen; ++zeile)
                m_maler.drawImage(Ger(Brettfeld(m_masse, spalte, zeile)),
                                  m_bilder[size_t(spalte * m_masse.zeilen + zeile)]);
        m_maler.setOpacity(1.0);
    }

    void Legeplan()
    {
        // A line for the pupil's name, right of the title.
        constexpr double Namensfeld = 64;
        Rahmen(m_auftrag.ueberschrift.trimmed().isEmpty() ? QStringLiteral("Bilderpuzzle") : m_auftrag.ueberschrift,
               Anleitung, Namensfeld);
        const double rechts = m_masse.seitenbreite - Rand;
        Text(QRectF(rechts - Namensfeld + 2, Rand + 2, 12, 6), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Name:"),
             Schrift(10), Qt::black);
        m_maler.setPen(Stift(Qt::black, 0.25));
        m_maler.drawLine(Ger(QPointF(rechts - 50, Rand + 7.5)), Ger(QPointF(rechts, Rand + 7.5)));
        if (m_auftrag.blassesBild)
            Bild(BlassDeckkraft);
        Gitter();
        Beschriftungen();
    }

    void Schneidebogen(int bogen, const std::vector<int>& folge)
    {
        Rahmen(m_masse.boegen > 1 ? QStringLiteral("Ausschneidebogen %1 von %2").arg(bogen + 1).arg(m_masse.boegen)
                                  : QStringLiteral("Ausschneidebogen"),
               QStringLiteral("Schneide die Teile entlang der Linien aus."));
        const int erstes = bogen * m_masse.ProBogen();
        const int anzahl = std::min(m_masse.ProBogen(), int(folge.size()) - erstes);
        for (int n = erstes; n < erstes + anzahl; ++n) {
            const int teil = folge[size_t(n)];
            const QRectF feld = Bogenfeld(m_masse, n).feld;
            m_maler.drawImage(Ger(feld), m_bilder[size_t(teil)]);
            if (m_auftrag.loesungsmarken)
                Marke(feld, Platzname(teil / m_masse.zeilen, teil % m_masse.zeilen));
        }
        Schnittlinien(anzahl);
    }

    // The place in tiny print on the piece's lower right corner, on white so
    // it reads on any picture.
    void Marke(const QRectF& feld, const QString& name)
    {
        const QFont schrift = Schrift(std::min(6.0, m_masse.kante * 0.2 / 25.4 * 72));
        const QFontMetricsF masse(schrift, &m_schreiber);
        const QSizeF groesse(masse.horizontalAdvance(name) / m_mm + 1.0, masse.height() / m_mm + 0.2);
        const QRectF ort(feld.bottomRight() - QPointF(groesse.width() + 0.4, groesse.height() + 0.4), groesse);
        m_maler.fillRect(Ger(ort), Qt::white);
        Text(ort, Qt::AlignCenter, name, schrift, Qt::black);
    }

    // Lines along every edge of the pieces, reaching into the band where the
    // scissors show where to begin.
    void Schnittlinien(int anzahl)
    {
        const int spalten = std::min(m_masse.bogenspalten, anzahl);
        const int volle = anzahl / m_masse.bogenspalten;
        const int rest = anzahl % m_masse.bogenspalten;
        const int zeilen = volle + (rest > 0 ? 1 : 0);
        const double k = m_masse.kante;
        const QPointF ecke = m_masse.bogen;
        const auto zeilenbreite = [&](int zeile) {
            return zeile < 0 ? 0 : zeile < volle ? spalten : zeile == volle ? rest : 0;
        };
        const auto spaltenhoehe = [&](int spalte) {
            return spalte < 0 || spalte >= spalten ? 0 : volle + (spalte < rest ? 1 : 0);
        };

        QPen stift = Stift(Schnittfarbe, 0.25);
        stift.setDashPattern({6, 4}); // in pen widths: 1.5 mm dashes
        m_maler.setPen(stift);
        for (int zeile = 0; zeile <= zeilen; ++zeile) {
            const double y = ecke.y() + zeile * k;
            const double ende = ecke.x() + std::max(zeilenbreite(zeile - 1), zeilenbreite(zeile)) * k + Ueberstand;
            m_maler.drawLine(Ger(QPointF(ecke.x() - 1.0, y)), Ger(QPointF(ende, y)));
        }
        for (int spalte = 0; spalte <= spalten; ++spalte) {
            const double x = ecke.x() + spalte * k;
            const double ende = ecke.y() + std::max(spaltenhoehe(spalte - 1), spaltenhoehe(spalte)) * k + Ueberstand;
            m_maler.drawLine(Ger(QPointF(x, ecke.y() - 1.0)), Ger(QPointF(x, ende)));
        }
        for (int zeile = 0; zeile <= zeilen; ++zeile)
            Schere(QPointF(ecke.x() - Scherenband / 2 - 0.5, ecke.y() + zeile * k), 0);
        for (int spalte = 0; spalte <= spalten; ++spalte)
            Schere(QPointF(ecke.x() + spalte * k, ecke.y() - Scherenband / 2 - 0.5), 90);
    }

    // A small pair of scissors centred on `mitte`, its blades along the line.
    void Schere(const QPointF& mitte, double drehung)
    {
        m_maler.save();
        m_maler.translate(Ger(mitte));
        m_maler.rotate(drehung);
        m_maler.setFont(Schrift(9));
        m_maler.setPen(Schnittfarbe);
        const double halb = Ger(Scherenband / 2);
        m_maler.drawText(QRectF(-halb, -halb, 2 * halb, 2 * halb), Qt::AlignCenter, QStringLiteral("\u2702"));
        m_maler.restore();
    }

    void Loesung()
    {
        Rahmen(QStringLiteral("Lösung"), QStringLiteral("So sieht das fertige Bild aus."));
        Bild(1.0);
        Gitter();
        Beschriftungen();
    }

    QPdfWriter& m_schreiber;
    const Masse& m_masse;
    const Arbeitsblattauftrag& m_auftrag;
    const double m_mm; // device units per millimetre
    std::vector<QImage> m_bilder;
    QPainter m_maler;
    int m_seite = 0;
    int m_seiten = 0;
};

} // namespace

QString Arbeitsblattdatei(const QString& kuerzel)
{
    return kuerzel + QStringLiteral("-Arbeitsblatt.pdf");
}

std::optional<QString> SchreibeArbeitsblatt(const Arbeitsblattauftrag& auftrag, const QString& pfad)
{
    QString fehler;
    const std::optional<Masse> masse = Berechne(auftrag.spalten, auftrag.zeilen, &fehler);
    if (!masse)
        return fehler;
    if (std::max(auftrag.teile.size(), auftrag.dateien.size()) < size_t(auftrag.spalten * auftrag.zeilen))
        return QStringLiteral("Für ein Arbeitsblatt muss das Bild erst geschnitten werden.");
    // Fonts come from the window system's font database, which only a
    // QGuiApplication sets up; the command line makes one on the offscreen platform.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QStringLiteral("Das Arbeitsblatt kann ohne die Schriften des Programms nicht gesetzt werden.");

    QByteArray pdf;
    {
        QBuffer puffer(&pdf);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter schreiber(&puffer);
        schreiber.setCreator(QStringLiteral("Tesselo"));
        schreiber.setTitle(auftrag.ueberschrift.trimmed().isEmpty() ? QStringLiteral("Arbeitsblatt")
                                                                     : auftrag.ueberschrift.trimmed());
        schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                            masse->quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                                            QMarginsF(), QPageLayout::Millimeter));
        if (!Zeichner(schreiber, *masse, auftrag).Zeichne())
            return QStringLiteral("Das Arbeitsblatt konnte nicht gezeichnet werden.");
    }

    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(pdf) != pdf.size() || !datei.commit())
        return QStringLiteral("%1 konnte nicht geschrieben werden: %2").arg(pfad, datei.errorString());
    return std::nullopt;
}
