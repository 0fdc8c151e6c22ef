#include "dialogs/infofenster.h"

#include "fenster/bildfeld.h"
#include "fenster/hinweis.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr QSize Fenstergroesse{256, 337};
constexpr QPoint Fensterort{189, 195};
constexpr QRect RectImInfo{24, 16, 200, 200};
constexpr QPoint PosLaAutor{8, 240};
constexpr QPoint PosLaWeb{8, 256};
constexpr QPoint PosLaEmail{8, 272};
constexpr QPoint PosLaVersion{8, 288};
constexpr QRect RectBuOk{184, 276, 59, 25};

constexpr int Bildseite = 200;
constexpr int Kachelzahl = 4; // 4 x 4 tiles of 50 pixels
constexpr int Fuge = 2;

} // namespace

QImage Infofenster::Infobild()
{
    // A small landscape: sky, sun and hills, cut into tiles with one gap.
    QImage landschaft(Bildseite, Bildseite, QImage::Format_RGB32);
    {
        QPainter maler(&landschaft);
        maler.setRenderHint(QPainter::Antialiasing);
        QLinearGradient himmel(0, 0, 0, Bildseite);
        himmel.setColorAt(0.0, QColor(40, 90, 170));
        himmel.setColorAt(0.6, QColor(250, 200, 120));
        maler.fillRect(landschaft.rect(), himmel);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(255, 230, 90));
        maler.drawEllipse(QPointF(140, 70), 28, 28);
        maler.setBrush(QColor(60, 130, 70));
        maler.drawEllipse(QPointF(40, 230), 130, 90);
        maler.setBrush(QColor(35, 100, 55));
        maler.drawEllipse(QPointF(190, 240), 120, 80);
    }
    QImage bild(Bildseite, Bildseite, QImage::Format_RGB32);
    bild.fill(QColor(30, 30, 40));
    QPainter maler(&bild);
    const int kachel = Bildseite / Kachelzahl;
    for (int spalte = 0; spalte < Kachelzahl; ++spalte)
        for (int zeile = 0; zeile < Kachelzahl; ++zeile) {
            if (spalte == Kachelzahl - 1 && zeile == Kachelzahl - 1)
                continue; // the hole of the sliding puzzle
            const QRect quelle(spalte * kachel, zeile * kachel, kachel, kachel);
            maler.drawImage(quelle.adjusted(Fuge / 2, Fuge / 2, -Fuge / 2, -Fuge / 2),
                            landschaft, quelle.adjusted(Fuge / 2, Fuge / 2, -Fuge / 2, -Fuge / 2));
        }
    return bild;
}

Infofenster::Infofenster(QWidget* parent) : Formular(parent)
{
    // Tooltips of the whole program follow the times set here.
    setzeHinweiszeiten();

    setObjectName(QStringLiteral("Infofenster"));
    setWindowTitle(QStringLiteral("Info"));
    resize(Fenstergroesse);
    move(Fensterort);

    ImInfo = benannt(new Bildfeld(this), "ImInfo");
    ImInfo->setGeometry(RectImInfo);
    ImInfo->setzeBild(Infobild());

    LaAutor = benannt(neuesLabel(this, QStringLiteral("Tesselo-Projekt"), PosLaAutor), "LaAutor");
    LaWeb = benannt(neuesLabel(this, QStringLiteral("tesselo.example"), PosLaWeb), "LaWeb");
    LaEmail = benannt(neuesLabel(this, QStringLiteral("post@tesselo.example"), PosLaEmail), "LaEmail");
    LaVersion = benannt(neuesLabel(this, QStringLiteral("Tessl V1.6 - April 2003"), PosLaVersion), "LaVersion");

    BuOk = benannt(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this),
                   "BuOk");
    BuOk->setGeometry(RectBuOk);
    BuOk->setIconSize(QSize(12, 12));
    connect(BuOk, &QPushButton::clicked, this, &QWidget::hide);
    setzeStandardknopf(BuOk);
    setzeAbbruchknopf(BuOk);
}
