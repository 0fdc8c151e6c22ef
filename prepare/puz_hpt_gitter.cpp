// Grid commands of the main window: the preview of the grid lines and the
// automatic grid.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/dialoge.h"
#include "app/puz_var.h"
#include "prepare/bildablage.h"
#include "prepare/gitter.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>

namespace {
const QColor Silber(0xC0, 0xC0, 0xC0);
const QColor Gitterrot(0xFF, 0x00, 0x00);
} // namespace

void TForm1::BuVorschauClick()
{
    if (SchnittLaeuft)
        return;
    const gitter::Gitter g{SpEdOffx->value(), SpEdOffy->value(), SpEdBreite->value()};
    if (const auto fehler = gitter::BreitenFehler(g.breite)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    QString fehler;
    const std::optional<QImage> bild = Hauptbildablage().Lies(puz_var::Bilddatei, &fehler);
    if (!bild) {
        Dialoge::Meldung(this, fehler);
        return;
    }
    ImBild->setzeBild(*bild);
    ScBaWartezeit->show();
    LaWartezeit->show();
    Quelle = Ziel = QRect(0, 0, g.breite, g.breite);

    // A sample of one tile's size from the picture's top-left corner.
    PaBoSchnitt->fuelle(Silber);
    {
        QPainter maler(&PaBoSchnitt->bild());
        maler.drawImage(Ziel.topLeft(), ImBild->bild(), Quelle);
    }
    PaBoSchnitt->update();

    // The lines run over the whole picture, also across the leftover strip.
    QImage& flaeche = ImBild->bild();
    const int breite = flaeche.width();
    const int hoehe = flaeche.height();
    const QRgb rot = Gitterrot.rgb();
    for (int x : gitter::Linien(breite, g.x0, g.breite))
        for (int y = 0; y < hoehe; ++y)
            flaeche.setPixel(x, y, rot);
    for (int y : gitter::Linien(hoehe, g.y0, g.breite))
        for (int x = 0; x < breite; ++x)
            flaeche.setPixel(x, y, rot);
    ImBild->update();
}

void TForm1::BuAutoClick()
{
    if (SchnittLaeuft)
        return;
    const QSize groesse = ImBild->bild().size();
    const std::optional<gitter::Gitter> g = gitter::AutoGitter(groesse);
    if (!g) {
        Dialoge::Meldung(this, QStringLiteral("Ein Bild von %1 x %2 Pixeln hat kein ganzes Teil.")
                                   .arg(groesse.width())
                                   .arg(groesse.height()));
        return;
    }
    SpEdBreite->setValue(g->breite);
    SpEdOffx->setValue(g->x0);
    SpEdOffy->setValue(g->y0);
    BuVorschauClick();
}
