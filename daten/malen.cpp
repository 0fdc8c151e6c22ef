// Draws the program's icon (SVG and PNGs) and the sample pictures at build
// time, so no picture from elsewhere ships with the program.
//   tesselo_malen SYMBOLORDNER BEISPIELORDNER
#include "codecs/bildcodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

// ---- The icon: a small landscape cut into 3 x 3 tiles, the last one missing
// like the hole of the sliding puzzle. Few, large tiles keep it readable at
// 16 pixels. The SVG and the PNGs are drawn from the same numbers.
constexpr int Feld = 256;
constexpr int Rand = 22;
constexpr int Fuge = 10;
constexpr int Kachel = 64; // 3 tiles + 2 joints fill Feld - 2 * Rand
constexpr int KachelRadius = 5;
constexpr int Brettrand = 6;
constexpr int BrettRadius = 30;
const QColor Brett(30, 42, 58);
const QColor HimmelOben(40, 90, 170);
const QColor HimmelUnten(250, 200, 120);
const QColor Sonne(255, 222, 80);
const QColor Huegel1(70, 145, 75);
const QColor Huegel2(35, 100, 55);
constexpr QPointF SonneMitte(168, 78);
constexpr double SonneRadius = 34;
constexpr QPointF Huegel1Mitte(60, 262);
constexpr QSizeF Huegel1Radien(160, 112);
constexpr QPointF Huegel2Mitte(236, 286);
constexpr QSizeF Huegel2Radien(150, 104);

QList<QRect> Kacheln()
{
    QList<QRect> kacheln;
    for (int zeile = 0; zeile < 3; ++zeile)
        for (int spalte = 0; spalte < 3; ++spalte)
            if (zeile != 2 || spalte != 2)
                kacheln << QRect(Rand + spalte * (Kachel + Fuge), Rand + zeile * (Kachel + Fuge), Kachel, Kachel);
    return kacheln;
}

QString Hex(const QColor& farbe) { return farbe.name(QColor::HexRgb); }

QString SymbolSvg()
{
    QString svg;
    QTextStream s(&svg);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Feld << "\" height=\"" << Feld
      << "\" viewBox=\"0 0 " << Feld << ' ' << Feld << "\">\n"
      << "  <title>Tesselo</title>\n  <defs>\n"
      << "    <linearGradient id=\"himmel\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << Rand
      << "\" x2=\"0\" y2=\"" << Feld - Rand << "\">\n"
      << "      <stop offset=\"0\" stop-color=\"" << Hex(HimmelOben) << "\"/>\n"
      << "      <stop offset=\"0.7\" stop-color=\"" << Hex(HimmelUnten) << "\"/>\n"
      << "    </linearGradient>\n    <clipPath id=\"kacheln\">\n";
    for (const QRect& k : Kacheln())
        s << "      <rect x=\"" << k.x() << "\" y=\"" << k.y() << "\" width=\"" << k.width() << "\" height=\""
          << k.height() << "\" rx=\"" << KachelRadius << "\"/>\n";
    s << "    </clipPath>\n  </defs>\n"
      << "  <rect x=\"" << Brettrand << "\" y=\"" << Brettrand << "\" width=\"" << Feld - 2 * Brettrand
      << "\" height=\"" << Feld - 2 * Brettrand << "\" rx=\"" << BrettRadius << "\" fill=\"" << Hex(Brett) << "\"/>\n"
      << "  <g clip-path=\"url(#kacheln)\">\n"
      << "    <rect x=\"0\" y=\"0\" width=\"" << Feld << "\" height=\"" << Feld << "\" fill=\"url(#himmel)\"/>\n"
      << "    <circle cx=\"" << SonneMitte.x() << "\" cy=\"" << SonneMitte.y() << "\" r=\"" << SonneRadius
      << "\" fill=\"" << Hex(Sonne) << "\"/>\n"
      << "    <ellipse cx=\"" << Huegel1Mitte.x() << "\" cy=\"" << Huegel1Mitte.y() << "\" rx=\"" << Huegel1Radien.width()
      << "\" ry=\"" << Huegel1Radien.height() << "\" fill=\"" << Hex(Huegel1) << "\"/>\n"
      << "    <ellipse cx=\"" << Huegel2Mitte.x() << "\" cy=\"" << Huegel2Mitte.y() << "\" rx=\"" << Huegel2Radien.width()
      << "\" ry=\"" << Huegel2Radien.height() << "\" fill=\"" << Hex(Huegel2) << "\"/>\n"
      << "  </g>\n</svg>\n";
    return svg;
}

QImage SymbolBild(int seite)
{
    QImage bild(seite, seite, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(seite / double(Feld), seite / double(Feld));
    maler.setPen(Qt::NoPen);
    maler.setBrush(Brett);
    maler.drawRoundedRect(QRectF(Brettrand, Brettrand, Feld - 2 * Brettrand, Feld - 2 * Brettrand), BrettRadius, BrettRadius);
    QPainterPath kacheln;
    for (const QRect& k : Kacheln())
        kacheln.addRoundedRect(k, KachelRadius, KachelRadius);
    maler.setClipPath(kacheln);
    QLinearGradient himmel(0, Rand, 0, Feld - Rand);
    himmel.setColorAt(0.0, HimmelOben);
    himmel.setColorAt(0.7, HimmelUnten);
    maler.fillRect(QRect(0, 0, Feld, Feld), himmel);
    maler.setBrush(Sonne);
    maler.drawEllipse(SonneMitte, SonneRadius, SonneRadius);
    maler.setBrush(Huegel1);
    maler.drawEllipse(Huegel1Mitte, Huegel1Radien.width(), Huegel1Radien.height());
    maler.setBrush(Huegel2);
    maler.drawEllipse(Huegel2Mitte, Huegel2Radien.width(), Huegel2Radien.height());
    return bild;
}

// ---- Sample pictures: drawn shapes made photo-like by soft light, a
// vignette and film grain. A fixed seed gives the same files on every build.
constexpr int Breite = 1024;
constexpr int Hoehe = 768;

void Koernung(QImage& bild, unsigned saat)
{
    std::mt19937 zufall(saat);
    std::normal_distribution<double> korn(0.0, 4.0);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const double dx = (x - bild.width() / 2.0) / (bild.width() / 2.0);
            const double dy = (y - bild.height() / 2.0) / (bild.height() / 2.0);
            const double licht = 1.0 - 0.22 * (dx * dx + dy * dy) / 2.0;
            const double k = korn(zufall);
            auto kanal = [&](int wert) { return std::clamp(int(std::lround(wert * licht + k)), 0, 255); };
            zeile[x] = qRgb(kanal(qRed(zeile[x])), kanal(qGreen(zeile[x])), kanal(qBlue(zeile[x])));
        }
    }
}

// A ragged ridge line from left to right by midpoint displacement.
QPolygonF Grat(double hoehe, double schwankung, unsigned saat, double unten)
{
    std::mt19937 zufall(saat);
    std::uniform_real_distribution<double> wuerfel(-1.0, 1.0);
    QList<double> punkte{hoehe + schwankung * wuerfel(zufall), hoehe + schwankung * wuerfel(zufall)};
    double s = schwankung;
    while (punkte.size() < 257) {
        QList<double> neu;
        for (qsizetype i = 0; i + 1 < punkte.size(); ++i)
            neu << punkte[i] << (punkte[i] + punkte[i + 1]) / 2 + s * wuerfel(zufall);
        neu << punkte.last();
        punkte = neu;
        s *= 0.62;
    }
    QPolygonF grat;
    grat << QPointF(0, unten);
    for (qsizetype i = 0; i < punkte.size(); ++i)
        grat << QPointF(Breite * double(i) / double(punkte.size() - 1), punkte[i]);
    grat << QPointF(Breite, unten);
    return grat;
}

void Wolke(QPainter& maler, QPointF mitte, double groesse)
{
    for (int i = 0; i < 7; ++i) {
        const QPointF ort = mitte + QPointF((i - 3) * groesse * 0.35, -std::sin(i * 0.9) * groesse * 0.25);
        QRadialGradient weich(ort, groesse * 0.55);
        weich.setColorAt(0.0, QColor(255, 255, 255, 200));
        weich.setColorAt(1.0, QColor(255, 255, 255, 0));
        maler.setBrush(weich);
        maler.drawEllipse(ort, groesse * 0.55, groesse * 0.55);
    }
}

QImage Landschaft()
{
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    QLinearGradient himmel(0, 0, 0, Hoehe * 0.6);
    himmel.setColorAt(0.0, QColor(52, 110, 190));
    himmel.setColorAt(1.0, QColor(205, 222, 238));
    maler.fillRect(bild.rect(), himmel);
    Wolke(maler, QPointF(230, 120), 90);
    Wolke(maler, QPointF(720, 80), 70);
    Wolke(maler, QPointF(900, 190), 50);
    maler.setBrush(QColor(128, 146, 178));
    maler.drawPolygon(Grat(290, 110, 11, Hoehe));
    // Snow on the far peaks: the same ridge, lighter, cut off below.
    maler.save();
    maler.setClipRect(QRect(0, 0, Breite, 240));
    maler.setBrush(QColor(236, 240, 246));
    maler.drawPolygon(Grat(290, 110, 11, Hoehe));
    maler.restore();
    maler.setBrush(QColor(78, 104, 96));
    maler.drawPolygon(Grat(400, 50, 23, Hoehe));
    QLinearGradient wiese(0, 440, 0, Hoehe);
    wiese.setColorAt(0.0, QColor(96, 150, 64));
    wiese.setColorAt(1.0, QColor(52, 104, 40));
    maler.setBrush(wiese);
    maler.drawPolygon(Grat(460, 20, 5, Hoehe));
    // A lake mirrors the sky, darker and with a few ripples.
    QLinearGradient see(0, 540, 0, 700);
    see.setColorAt(0.0, QColor(150, 180, 210));
    see.setColorAt(1.0, QColor(50, 90, 140));
    maler.setBrush(see);
    maler.drawEllipse(QPointF(600, 620), 330, 70);
    maler.setPen(QPen(QColor(220, 232, 245, 120), 2));
    for (int i = 0; i < 9; ++i)
        maler.drawLine(QPointF(420 + i * 37, 585 + (i % 4) * 18), QPointF(470 + i * 37, 585 + (i % 4) * 18));
    maler.setPen(Qt::NoPen);
    // Firs at the shore, larger towards the front.
    for (int i = 0; i < 9; ++i) {
        const double x = 40 + i * 42 + (i % 3) * 9;
        const double fuss = 560 + i * 6;
        const double hoehe = 120 + (i % 4) * 22;
        maler.setBrush(QColor(70, 50, 32));
        maler.drawRect(QRectF(x - 4, fuss - 14, 8, 18));
        maler.setBrush(QColor(28 + i * 3, 70 + (i % 3) * 8, 40));
        for (int stufe = 0; stufe < 3; ++stufe) {
            const double oben = fuss - hoehe + stufe * hoehe * 0.25;
            const double breite = 22 + stufe * 10;
            maler.drawPolygon(QPolygonF{QPointF(x, oben), QPointF(x + breite, oben + hoehe * 0.45),
                                        QPointF(x - breite, oben + hoehe * 0.45)});
        }
    }
    maler.end();
    Koernung(bild, 1);
    return bild;
}

QImage Rathaus()
{
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    QLinearGradient himmel(0, 0, 0, Hoehe);
    himmel.setColorAt(0.0, QColor(90, 140, 205));
    himmel.setColorAt(0.8, QColor(238, 214, 178));
    maler.fillRect(bild.rect(), himmel);
    Wolke(maler, QPointF(140, 90), 60);
    // Square in front: cobbles in rows that shrink towards the house.
    maler.setBrush(QColor(128, 118, 106));
    maler.drawRect(QRect(0, 620, Breite, Hoehe - 620));
    maler.setPen(QPen(QColor(92, 84, 76), 2));
    for (int reihe = 0; reihe < 8; ++reihe) {
        const double y = 624 + reihe * reihe * 2.3 + reihe * 4;
        maler.drawLine(QPointF(0, y), QPointF(Breite, y));
        const double abstand = 22 + reihe * 9;
        for (double x = (reihe % 2) * abstand / 2; x < Breite; x += abstand)
            maler.drawLine(QPointF(x, y), QPointF(x, y + 4 + reihe * 4.6));
    }
    maler.setPen(Qt::NoPen);
    // The facade, lit from the left, with a stepped gable.
    const QRectF wand(212, 250, 600, 380);
    QLinearGradient licht(wand.left(), 0, wand.right(), 0);
    licht.setColorAt(0.0, QColor(232, 196, 128));
    licht.setColorAt(1.0, QColor(178, 138, 82));
    maler.setBrush(licht);
    maler.drawRect(wand);
    QPolygonF giebel;
    giebel << QPointF(wand.left(), wand.top());
    for (int stufe = 0; stufe < 5; ++stufe) {
        const double x = wand.left() + stufe * 60;
        giebel << QPointF(x, wand.top() - stufe * 40) << QPointF(x + 60, wand.top() - stufe * 40);
    }
    giebel << QPointF(wand.center().x(), wand.top() - 200);
    for (int stufe = 4; stufe >= 0; --stufe) {
        const double x = wand.right() - stufe * 60;
        giebel << QPointF(x - 60, wand.top() - stufe * 40) << QPointF(x, wand.top() - stufe * 40);
    }
    giebel << QPointF(wand.right(), wand.top());
    maler.drawPolygon(giebel);
    // A clock in the gable.
    maler.setBrush(QColor(245, 240, 225));
    maler.setPen(QPen(QColor(60, 50, 40), 5));
    maler.drawEllipse(QPointF(wand.center().x(), wand.top() - 90), 38, 38);
    maler.drawLine(QPointF(wand.center().x(), wand.top() - 90), QPointF(wand.center().x(), wand.top() - 118));
    maler.drawLine(QPointF(wand.center().x(), wand.top() - 90), QPointF(wand.center().x() + 18, wand.top() - 84));
    // Two rows of windows that mirror the sky, and an arched door.
    for (int zeile = 0; zeile < 2; ++zeile)
        for (int spalte = 0; spalte < 5; ++spalte) {
            if (zeile == 1 && spalte == 2)
                continue;
            const QRectF fenster(wand.left() + 40 + spalte * 112, wand.top() + 40 + zeile * 170, 72, 110);
            QLinearGradient glas(fenster.topLeft(), fenster.bottomRight());
            glas.setColorAt(0.0, QColor(170, 200, 230));
            glas.setColorAt(0.5, QColor(60, 80, 110));
            glas.setColorAt(1.0, QColor(110, 140, 170));
            maler.setPen(QPen(QColor(250, 248, 240), 7));
            maler.setBrush(glas);
            maler.drawRect(fenster);
            maler.setPen(QPen(QColor(250, 248, 240), 4));
            maler.drawLine(QPointF(fenster.center().x(), fenster.top()), QPointF(fenster.center().x(), fenster.bottom()));
            maler.drawLine(QPointF(fenster.left(), fenster.top() + 40), QPointF(fenster.right(), fenster.top() + 40));
        }
    maler.setPen(QPen(QColor(120, 90, 60), 6));
    maler.setBrush(QColor(96, 56, 34));
    QPainterPath tuer;
    tuer.moveTo(wand.center().x() - 50, wand.bottom());
    tuer.lineTo(wand.center().x() - 50, wand.bottom() - 110);
    tuer.arcTo(QRectF(wand.center().x() - 50, wand.bottom() - 160, 100, 100), 180, -180);
    tuer.lineTo(wand.center().x() + 50, wand.bottom());
    tuer.closeSubpath();
    maler.drawPath(tuer);
    // Soft shadow of the house on the square.
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 0, 0, 60));
    maler.drawPolygon(QPolygonF{wand.bottomRight(), wand.bottomLeft() + QPointF(600, 0),
                                QPointF(wand.right() + 160, Hoehe), QPointF(wand.right(), Hoehe)});
    maler.end();
    Koernung(bild, 2);
    return bild;
}

QImage Katze()
{
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    // Out-of-focus garden behind: green light with blurred spots.
    QLinearGradient garten(0, 0, 0, Hoehe);
    garten.setColorAt(0.0, QColor(120, 160, 90));
    garten.setColorAt(0.6, QColor(70, 112, 56));
    garten.setColorAt(1.0, QColor(52, 84, 40));
    maler.fillRect(bild.rect(), garten);
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> x(0, Breite), y(0, Hoehe * 0.6), r(20, 70);
    for (int i = 0; i < 40; ++i) {
        const QPointF ort(x(zufall), y(zufall));
        const double radius = r(zufall);
        QRadialGradient fleck(ort, radius);
        fleck.setColorAt(0.0, QColor(230, 240, 190, 110));
        fleck.setColorAt(1.0, QColor(230, 240, 190, 0));
        maler.setBrush(fleck);
        maler.drawEllipse(ort, radius, radius);
    }
    // A stone wall the cat sits on.
    maler.setBrush(QColor(150, 140, 128));
    maler.drawRect(QRect(0, 560, Breite, Hoehe - 560));
    maler.setPen(QPen(QColor(104, 96, 88), 3));
    for (int reihe = 0; reihe < 4; ++reihe) {
        maler.drawLine(QPointF(0, 560 + reihe * 52), QPointF(Breite, 560 + reihe * 52));
        for (int stein = 0; stein < 9; ++stein) {
            const double sx = stein * 128 + (reihe % 2) * 64;
            maler.drawLine(QPointF(sx, 560 + reihe * 52), QPointF(sx, 612 + reihe * 52));
        }
    }
    maler.setPen(Qt::NoPen);
    // The cat: fur lit from the upper left.
    auto fell = [](QPointF mitte, double radius) {
        QRadialGradient g(mitte + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.4);
        g.setColorAt(0.0, QColor(240, 170, 90));
        g.setColorAt(0.7, QColor(200, 118, 50));
        g.setColorAt(1.0, QColor(120, 66, 30));
        return g;
    };
    const QPointF rumpf(520, 450);
    // The tail curls over the wall's edge first, so the body covers its root.
    QPainterPath schwanz;
    schwanz.moveTo(rumpf + QPointF(100, 100));
    schwanz.cubicTo(rumpf + QPointF(260, 130), rumpf + QPointF(300, 40), rumpf + QPointF(240, -40));
    maler.setBrush(Qt::NoBrush);
    maler.setPen(QPen(QColor(190, 110, 48), 34, Qt::SolidLine, Qt::RoundCap));
    maler.drawPath(schwanz);
    maler.setPen(Qt::NoPen);
    maler.setBrush(fell(rumpf, 150));
    maler.drawEllipse(rumpf, 130, 150);
    const QPointF kopf(500, 250);
    maler.setBrush(QColor(190, 110, 48));
    maler.drawPolygon(QPolygonF{kopf + QPointF(-80, -30), kopf + QPointF(-70, -130), kopf + QPointF(-15, -70)});
    maler.drawPolygon(QPolygonF{kopf + QPointF(80, -30), kopf + QPointF(70, -130), kopf + QPointF(15, -70)});
    maler.setBrush(QColor(230, 150, 150));
    maler.drawPolygon(QPolygonF{kopf + QPointF(-66, -46), kopf + QPointF(-62, -108), kopf + QPointF(-30, -70)});
    maler.drawPolygon(QPolygonF{kopf + QPointF(66, -46), kopf + QPointF(62, -108), kopf + QPointF(30, -70)});
    maler.setBrush(fell(kopf, 95));
    maler.drawEllipse(kopf, 95, 85);
    // Stripes across the forehead.
    maler.setPen(QPen(QColor(150, 80, 34), 7, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i)
        maler.drawLine(kopf + QPointF(i * 20, -80), kopf + QPointF(i * 16, -50));
    maler.setPen(Qt::NoPen);
    for (int seite : {-1, 1}) {
        const QPointF auge = kopf + QPointF(seite * 36, -8);
        maler.setBrush(QColor(160, 190, 60));
        maler.drawEllipse(auge, 17, 14);
        maler.setBrush(QColor(20, 20, 16));
        maler.drawEllipse(auge, 5, 12);
        maler.setBrush(QColor(255, 255, 255, 210));
        maler.drawEllipse(auge + QPointF(-5, -5), 3, 3);
    }
    maler.setBrush(QColor(210, 110, 110));
    maler.drawPolygon(QPolygonF{kopf + QPointF(-10, 22), kopf + QPointF(10, 22), kopf + QPointF(0, 32)});
    maler.setPen(QPen(QColor(245, 240, 230, 200), 2));
    for (int seite : {-1, 1})
        for (int i = 0; i < 3; ++i)
            maler.drawLine(kopf + QPointF(seite * 22, 34 + i * 6), kopf + QPointF(seite * 110, 20 + i * 18));
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(236, 200, 150));
    maler.drawEllipse(rumpf + QPointF(-50, 140), 38, 22);
    maler.drawEllipse(rumpf + QPointF(50, 140), 38, 22);
    maler.end();
    Koernung(bild, 3);
    return bild;
}

bool Schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QString fehler;
    if (bildcodec::SchreibeDatei(inhalt, pfad, &fehler))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(fehler));
    return false;
}

bool SchreibeJpeg(const QString& pfad, const QImage& bild)
{
    QString fehler;
    if (bildcodec::SchreibeJpeg(bild, pfad, 88, &fehler))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(fehler));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: tesselo_malen SYMBOLORDNER BEISPIELORDNER\n");
        return 2;
    }
    // No application object: shapes and gradients on a QImage need no window
    // system. The PNGs are written by Qt itself: they are build products, not
    // pictures the program reads or writes for a user.
    const QDir symbole(QString::fromLocal8Bit(argv[1]));
    const QDir beispiele(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(symbole.path()) || !QDir().mkpath(beispiele.path())) {
        std::fprintf(stderr, "Ordner kann nicht erstellt werden\n");
        return 1;
    }
    bool gut = Schreibe(symbole.filePath(QStringLiteral("tesselo.svg")), SymbolSvg().toUtf8());
    for (int seite : {16, 48, 128, 256})
        gut = SymbolBild(seite).save(symbole.filePath(QStringLiteral("tesselo-%1.png").arg(seite)), "PNG") && gut;
    gut = SchreibeJpeg(beispiele.filePath(QStringLiteral("landschaft.jpg")), Landschaft()) && gut;
    gut = SchreibeJpeg(beispiele.filePath(QStringLiteral("rathaus.jpg")), Rathaus()) && gut;
    gut = SchreibeJpeg(beispiele.filePath(QStringLiteral("katze.jpg")), Katze()) && gut;
    return gut ? 0 : 1;
}
