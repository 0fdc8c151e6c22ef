// The cut: the picture becomes the tile set, tile by tile, column by column,
// visibly and with a pause after every tile.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/dialoge.h"
#include "app/farbe.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "prepare/bildablage.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/schnitt.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <functional>

namespace {

const QColor Rahmengelb(0xFF, 0xFF, 0x00);
constexpr int SchlusspauseFaktor = 3;

// A pause of about `ms` milliseconds during which the window keeps painting;
// 0 returns at once.
void Warte(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// The frame lies on the tile's own border pixels and is drawn after the tile
// was copied, so no tile contains it.
void Rahmen(QImage& bild, const QRect& feld, const QColor& farbe)
{
    QPainter maler(&bild);
    maler.fillRect(QRect(feld.left(), feld.top(), feld.width(), 1), farbe);
    maler.fillRect(QRect(feld.left(), feld.bottom(), feld.width(), 1), farbe);
    maler.fillRect(QRect(feld.left(), feld.top(), 1, feld.height()), farbe);
    maler.fillRect(QRect(feld.right(), feld.top(), 1, feld.height()), farbe);
}

// While a cut runs, every command that would load, cut, draw on the picture,
// write or play is switched off; the cut's end restores the states.
void SchnittSperre(TForm1& fenster, bool gesperrt)
{
    for (QAction* aktion : {fenster.MenuLaden, fenster.Zwischenablage1, fenster.MenuVorschau,
                            fenster.MenuSchneiden, fenster.MenuSpeichern->menuAction(),
                            fenster.MenuSpielen->menuAction()})
        aktion->setEnabled(!gesperrt);
    for (QPushButton* knopf : {fenster.BuLaden, fenster.BuZwischenablage, fenster.BuAuto,
                               fenster.BuVorschau, fenster.BuSchneiden, fenster.BuSpeichern,
                               fenster.BuSpielen})
        knopf->setEnabled(!gesperrt);
    fenster.SchnittLaeuft = gesperrt;
}

} // namespace

void TForm1::BuSchneidenClick()
{
    if (SchnittLaeuft)
        return;
    const gitter::Gitter g{SpEdOffx->value(), SpEdOffy->value(), SpEdBreite->value()};
    const int b = g.breite;
    if (const auto fehler = gitter::BreitenFehler(b)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    QString lesefehler;
    std::optional<QImage> bild = Hauptbildablage().Lies(puz_var::Bilddatei, &lesefehler);
    if (!bild) {
        Dialoge::Meldung(this, lesefehler);
        return;
    }
    const QSize groesse = bild->size();
    if (const auto fehler = gitter::SchnittFehler(groesse, g)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    const int spalten = int(gitter::Spalten(groesse, g));
    const int zeilen = int(gitter::Zeilen(groesse, g));
    const QColor hintergrund = Farbe(puz_var::Hintergrundfarbe);

    // A game left open would go on showing the old tiles, and the sliding
    // puzzle would later put its saved hole tile into the new set.
    SchliesseSpiele();
    SchnittSperre(*this, true);
    // The frames and then the mosaic are drawn on the clean picture itself:
    // with the store's and this function's references gone, that needs no
    // second copy of the whole picture.
    // The shown picture (with the grid lines, say) lends its buffer to the
    // mosaic when nothing else holds it.
    QImage vorrat = ImBild->bild();
    Hauptbildablage().Vergiss();
    ImBild->setzeBild(*bild);
    bild.reset();
    if (PaBoSchnitt->bild().size() != PaBoSchnitt->size())
        PaBoSchnitt->fuelle(hintergrund);
    Ziel = QRect(0, 0, b, b);
    Zaehler = 0;
    // The tiles are cut straight into the mosaic and are views of it; the
    // previous mosaic lives on as long as a tile of the last cut shows it.
    // The frame is drawn on the picture after its tile was taken.
    schnitt::Kachelsatz satz = schnitt::Zerschneide(
        ImBild->bild(), g, hintergrund,
        [this](int spalte, int zeile, const QRect& quelle, const QImage& teil) {
            Quelle = quelle;
            ++Zaehler;
            {
                QPainter maler(&PaBoSchnitt->bild());
                maler.drawImage(Ziel.topLeft(), teil);
            }
            PaBoSchnitt->update(Ziel);
            StGrInfo->item(2, 1)->setText(kachelnamen::Kachellabel(puz_var::Dateikuerzel, spalte, zeile));
            // SchnittFehler bounded the count by the store's size.
            puz_var::Teile[size_t(Zaehler - 1)] = teil;
            Rahmen(ImBild->bild(), Quelle, Rahmengelb);
            ImBild->update(Quelle);
            QCoreApplication::processEvents();
            Warte(ScBaWartezeit->value());
        },
        std::move(vorrat));
    puz_var::Spalten = spalten;
    puz_var::Zeilen = spalten > 0 ? zeilen : 0;
    Schnittbreite = b;
    Warte(SchlusspauseFaktor * ScBaWartezeit->value());

    // The tiles packed together from the top-left corner, on the background;
    // only what the mosaic leaves free needs the background.
    // Tiles of an earlier, larger cut stay as they were, but on buffers of
    // their own, so that the earlier mosaic's memory can go.
    if (!puz_var::Gesamtbild.isNull()) {
        const uchar* alt = puz_var::Gesamtbild.constBits();
        const uchar* altEnde = alt + puz_var::Gesamtbild.sizeInBytes();
        for (size_t i = size_t(Zaehler); i < puz_var::Teile.size(); ++i) {
            QImage& teil = puz_var::Teile[i];
            const std::less<const uchar*> vor;
            if (!teil.isNull() && !vor(teil.constBits(), alt) && vor(teil.constBits(), altEnde))
                teil = teil.copy();
        }
    }
    puz_var::Gesamtbild = std::move(satz.gesamtbild);
    satz.teile.clear();
    {
        QImage& flaeche = ImBild->bild();
        const QRect bedeckt = QRect(QPoint(0, 0), puz_var::Gesamtbild.size()) & flaeche.rect();
        QPainter maler(&flaeche);
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.fillRect(QRect(bedeckt.width(), 0, flaeche.width() - bedeckt.width(), flaeche.height()), hintergrund);
        maler.fillRect(QRect(0, bedeckt.height(), bedeckt.width(), flaeche.height() - bedeckt.height()), hintergrund);
        maler.drawImage(0, 0, puz_var::Gesamtbild);
    }
    ImBild->update();
    Ziel = Quelle = QRect(0, 0, puz_var::Spalten * b, puz_var::Zeilen * b);

    SchnittSperre(*this, false);
    ZeigeAusgabeverzeichnis();
    ZustandBildGeladen();
    ZustandGeschnitten();
    puz_var::JpegGespeichert = false;
    puz_var::AusgabeGeprueft = false;
}
