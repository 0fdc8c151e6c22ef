// Grid commands of the main window: the preview of the grid lines and the
// automatic grid.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/dialoge.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "prepare/bildablage.h"
#include "prepare/gitter.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSpinBox>
#include <algorithm>
#include <cstring>

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
    const QImage sauber = bild->format() == QImage::Format_RGB32 ? *bild : bild->convertToFormat(QImage::Format_RGB32);
    ScBaWartezeit->show();
    LaWartezeit->show();
    Quelle = Ziel = QRect(0, 0, g.breite, g.breite);

    // A sample of one tile's size from the picture's top-left corner.
    PaBoSchnitt->fuelle(Silber);
    {
        QPainter maler(&PaBoSchnitt->bild());
        maler.drawImage(Ziel.topLeft(), sauber, Quelle);
    }
    PaBoSchnitt->update();

    // The lines go on a picture of the display's own, as the store keeps the
    // clean one for the cut. An earlier preview's buffer that nothing else
    // holds is filled again rather than a fresh one of a hundred megabytes
    // taken; one still shared is let go first, so that no third picture is
    // ever held.
    const int breite = sauber.width();
    const int hoehe = sauber.height();
    QImage flaeche;
    flaeche.swap(ImBild->bild());
    if (!flaeche.isDetached() || flaeche.size() != sauber.size() || flaeche.format() != QImage::Format_RGB32) {
        flaeche = QImage();
        flaeche = bildcodec::NeuesBild(breite, hoehe);
    }
    if (flaeche.isNull()) { // out of memory: the picture at least is shown
        ImBild->setzeBild(sauber);
        return;
    }

    // The lines run over the whole picture, also across the leftover strip.
    // The vertical ones are set while each line is copied anyway.
    const QRgb rot = Gitterrot.rgb();
    const std::vector<int> senkrecht = gitter::Linien(breite, g.x0, g.breite);
    uchar* pixel = flaeche.bits();
    const qsizetype zeilenlaenge = flaeche.bytesPerLine();
    const auto zeile = [&](int y) { return reinterpret_cast<QRgb*>(pixel + qsizetype(y) * zeilenlaenge); };
    for (int y = 0; y < hoehe; ++y) {
        QRgb* ziel = zeile(y);
        std::memcpy(ziel, sauber.constScanLine(y), size_t(breite) * sizeof(QRgb));
        for (int x : senkrecht)
            ziel[x] = rot;
    }
    for (int y : gitter::Linien(hoehe, g.y0, g.breite))
        std::fill_n(zeile(y), breite, rot);
    ImBild->setzeBild(flaeche);
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
