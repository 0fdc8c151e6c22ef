// The main window's commands: loading, the grid, the cut, saving, the page
// exports and the checks before writing. The work itself is done by the
// window-free functions of prepare/ and export/; these handlers read the
// controls, call them and show their messages.
#include "app/fenster/puz_hpt.h"

#include "app/fenster/bildfeld.h"
#include "app/datenorte.h"
#include "app/fenster/dialoge.h"
#include "app/einstellungen.h"
#include "app/farbe.h"
#include "app/fenster/farbfeld.h"
#include "app/fenster/fenster.h"
#include "app/fenster/hinweis.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "dialogs/puz_err.h"
#include "dialogs/puz_hilf.h"
#include "dialogs/puz_inf.h"
#include "dialogs/puz_opt.h"
#include "export/ausgabebuch.h"
#include "export/fenster/htm_chk.h"
#include "export/fenster/puz_warn.h"
#include "export/seitenausgabe.h"
#include "games/fenster/puz_drag.h"
#include "games/fenster/puz_raet.h"
#include "games/fenster/puz_sch.h"
#include "prepare/bildablage.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/kachelsicherung.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <functional>

namespace {

// The picture panel shows the background colour around the picture.
void faerbe(QWidget* element, const QColor& farbe)
{
    QPalette palette = element->palette();
    palette.setColor(QPalette::Window, farbe);
    element->setPalette(palette);
    element->setAutoFillBackground(true);
}

// Window fitting: the picture panel's left edge, the margin right of it and
// the least client height.
constexpr int BildLinks = 160;
constexpr int RandRechts = 10;
constexpr int MindestKlienthoehe = 420;
constexpr int BildOben = 8;

const QString Zwischenablagedatei = QStringLiteral("zwischenablage_temp.bmp");

const QColor Silber(0xC0, 0xC0, 0xC0);

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

// How one page export ended. Only a file error ends "&alle HTML-Spiele".
enum class Ausgang { Fertig, Abgebrochen, Dateifehler };

// A missing template is shown in the error window and skips only this page;
// a page that cannot be written is a message box and ends the command.
Ausgang ausgang(TForm1& form, const std::optional<Seitenfehler>& fehler, const QString& pfad)
{
    if (!fehler) {
        Hauptausgabebuch().Geschrieben(pfad, form.Bildherkunft);
        return Ausgang::Fertig;
    }
    if (fehler->vorlage) {
        form.ZeigeFehler(fehler->text);
        return Ausgang::Abgebrochen;
    }
    Dialoge::Meldung(&form, fehler->text);
    return Ausgang::Dateifehler;
}

// The JPEG tiles a page export writes after its page, unless they were.
QStringList kachelnDerSeite()
{
    if (puz_var::JpegGespeichert)
        return {};
    return kachelnamen::Kachelsatz(puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen, false,
                                   puz_var::VorschauErzeugen);
}

// The tile saving reports its own failures in a message box; like a page
// that cannot be written, that ends "&alle HTML-Spiele" (the next page would
// only repeat the message).
Ausgang kachelnSichern(TForm1& form)
{
    form.KachelnSichern();
    return puz_var::JpegGespeichert ? Ausgang::Fertig : Ausgang::Dateifehler;
}

// A game page, then the riddle's answer pictures, then the tiles.
Ausgang spielseite(TForm1& form, Spielseite art)
{
    const QString name = Seitendatei(art, puz_var::Dateikuerzel);
    if (!form.Schreibfreigabe(QStringList{name} + kachelnDerSeite()))
        return Ausgang::Abgebrochen;
    const QString pfad = puz_var::Ausgabeverzeichnis + name;
    const SeitenEingabe eingabe =
        Seiteneingabe(AktuelleEinstellungen(), puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen);
    const Ausgang a = ausgang(form, SchreibeSpielseite(art, eingabe, puz_var::Programmverzeichnis, pfad), pfad);
    if (a != Ausgang::Fertig)
        return a;
    // The page stands; without its answer pictures it only lacks the pictures.
    if (art == Spielseite::Raetsel)
        if (const auto fehler = ErgaenzeAntwortbilder(puz_var::Programmverzeichnis, puz_var::Ausgabeverzeichnis))
            Dialoge::Meldung(&form, *fehler);
    return kachelnSichern(form);
}

} // namespace

int TForm1::Klienthoehe() const
{
    return height() - menuBar()->sizeHint().height();
}

void TForm1::setzeKlienthoehe(int hoehe)
{
    resize(width(), hoehe + menuBar()->sizeHint().height());
}

void TForm1::ZustandBildGeladen()
{
    for (QPushButton* knopf : {BuAuto, BuVorschau, BuSchneiden, BuOptionen})
        knopf->setEnabled(true);
    BuSpielen->setEnabled(false);
    BuSpeichern->setEnabled(false);
    GrBoGitter->show();
    for (QAction* aktion : {MenuVorschau, MenuSchneiden, MenuOptionen})
        aktion->setEnabled(true);
    MenuSpielen->menuAction()->setEnabled(false);
    MenuSpeichern->menuAction()->setEnabled(false);
}

void TForm1::ZustandGeschnitten()
{
    MenuSpeichern->menuAction()->setEnabled(true);
    MenuSpielen->menuAction()->setEnabled(true);
    BuSpeichern->setEnabled(true);
    BuSpielen->setEnabled(true);
    BuSpielen->setFocus();
}

void TForm1::ZeigeFehler(const QString& text)
{
    puz_var::Fehlertext = text;
    FoFehler->zeigeVorn();
    FoFehler->FormShow(); // also refresh a window that was already open
}

bool TForm1::CopyFile(const QString& quelle, const QString& ziel)
{
    return KopiereDateien(quelle.split(QChar(u'\0'), Qt::SkipEmptyParts), ziel);
}

void TForm1::MenuOptionenClick()
{
    Fo_Optionen->zeigeVorn();
}

void TForm1::SchiebenClick()
{
    FoPlay->zeigeVorn();
    hide();
}

void TForm1::ZiehenClick()
{
    hide();
    FoDragPuzzle->zeigeVorn();
}

void TForm1::BilderraetselClick()
{
    hide();
    FoBilderRaetsel->zeigeVorn();
}

void TForm1::ZeigeAusgabeverzeichnis()
{
    StGrInfo->item(2, 1)->setText(QDir::toNativeSeparators(puz_var::Ausgabeverzeichnis));
}

void TForm1::SchliesseSpiele()
{
    if (FoPlay && FoPlay->isVisible())
        FoPlay->BuSchliessenClick();
    for (Spielfenster* spiel : {static_cast<Spielfenster*>(FoDragPuzzle), static_cast<Spielfenster*>(FoBilderRaetsel)})
        if (spiel && spiel->isVisible())
            spiel->BuSchliessenClick();
}

void TForm1::BuEndeClick()
{
    close();
    QCoreApplication::quit();
}

void TForm1::MenuInfoClick()
{
    FoInfo->zeigeVorn();
}

void TForm1::HilfeClick()
{
    FoHilfe->zeigeVorn();
}

void TForm1::CoBoHintergrundDropDown()
{
    const std::optional<QColor> farbe = Dialoge::FarbeWaehlen(this, Farbe(puz_var::Hintergrundfarbe));
    if (!farbe)
        return;
    puz_var::Hintergrundfarbe = Farbwert(*farbe);
    FormPaint();
    QCoreApplication::processEvents();
}

void TForm1::FormPaint()
{
    const QColor farbe = Farbe(puz_var::Hintergrundfarbe);
    CoBoHintergrund->setzeFarbe(farbe);
    faerbe(PaBild->viewport(), farbe);
    PaBoSchnitt->fuelle(farbe);
}

void TForm1::showEvent(QShowEvent* ereignis)
{
    FormPaint();
    QMainWindow::showEvent(ereignis);
}

void TForm1::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        BuEnde->click();
        return;
    }
    QMainWindow::keyPressEvent(ereignis);
}

// === Picture commands of the main window: loading a file, importing the
// clipboard, and taking the new picture over.
void TForm1::BuLadenClick()
{
    if (SchnittLaeuft)
        return;
    const QString gewaehlt = Dialoge::BildOeffnen(this);
    if (!gewaehlt.isEmpty())
        LadeBild(gewaehlt);
}

void TForm1::LadeBild(const QString& gewaehlt)
{
    if (SchnittLaeuft)
        return;
    // Everything is read and converted before anything changes, so a failed
    // load leaves the current picture, its file and all paths usable.
    const QString pfad = QDir::toNativeSeparators(QFileInfo(gewaehlt).absoluteFilePath());
    QString fehler;
    // A bitmap or PNG is the picture file itself and is remembered as read;
    // a JPEG's picture is remembered once its bitmap is written.
    Bildablage& ablage = Hauptbildablage();
    std::optional<QImage> bild;
    if (ladung::IstJpeg(pfad)) {
        ablage.Vergiss(); // the old picture goes before the new one is decoded
        bild = bildcodec::LeseBild(pfad, &fehler);
    } else {
        bild = ablage.Lies(pfad, &fehler);
    }
    if (!bild) {
        Dialoge::Meldung(this, fehler);
        return;
    }

    // A sample's bitmap and puzzle never go into the program's own folder.
    const bool beispiel = datenorte::IstBeispielbild(pfad, puz_var::Programmverzeichnis);
    const bool eigeneTempDatei = TempDatei && pfad == puz_var::Bilddatei;
    QString neueBilddatei = pfad;
    QString wunschname;
    if (ladung::IstJpeg(pfad)) {
        const ladung::Wandelergebnis w =
            ladung::SchreibeWandelbitmap(*bild, pfad, puz_var::Arbeitsverzeichnis(), !beispiel);
        if (!w.wandlung) {
            Dialoge::Meldung(this, w.fehler);
            return;
        }
        neueBilddatei = w.wandlung->datei;
        wunschname = w.wandlung->wunschname;
    }

    if (TempDatei && !eigeneTempDatei)
        LoescheBilddatei();
    // Loading the same JPEG again: its bitmap takes the usual name back.
    if (!wunschname.isEmpty() && neueBilddatei != wunschname && !QFileInfo::exists(wunschname) &&
        QFile::rename(neueBilddatei, wunschname))
        neueBilddatei = wunschname;
    puz_var::Bilddatei = neueBilddatei;
    // The bitmap holds exactly the decoded pixels, so reading it back is
    // spared until the file changes.
    if (neueBilddatei != pfad)
        ablage.Merke(neueBilddatei, *bild);
    puz_var::Bildverzeichnis = ladung::MitTrenner(QFileInfo(pfad).absolutePath());
    puz_var::Ausgabeverzeichnis =
        beispiel ? puz_var::StartAusgabeverzeichnis() : ladung::Ausgabeverzeichnis(puz_var::Bildverzeichnis);
    TempDatei = !wunschname.isEmpty() || eigeneTempDatei;
    Bildherkunft = pfad;
    ImBild->setzeBild(*bild);
    QCoreApplication::processEvents();
    HoleBildEigenschaften(true);
}

void TForm1::BuZwischenablageClick()
{
    if (SchnittLaeuft)
        return;
    const QImage bild = QGuiApplication::clipboard()->image();
    if (bild.isNull()) {
        Dialoge::Meldung(this, QStringLiteral("Die Zwischenablage enthält kein Bild."));
        return;
    }

    // The file is written first: when it cannot be, nothing changes and the
    // user learns why at once instead of at the next preview. It is scratch
    // and goes to the program's own folder; the puzzle's output still goes to
    // the output folder.
    const QString datei = puz_var::Arbeitsverzeichnis() + Zwischenablagedatei;
    const QImage bitmap = bild.convertToFormat(QImage::Format_RGB32);
    if (const auto fehler = schnitt::SchreibeBild(bitmap, datei, true, 0)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    // A converted JPEG bitmap of the previous picture is ours to remove.
    if (TempDatei && puz_var::Bilddatei != datei)
        LoescheBilddatei();

    ImBild->setzeBild(bitmap);
    puz_var::Bilddatei = datei;
    Hauptbildablage().Merke(datei, bitmap);
    puz_var::Bildverzeichnis = puz_var::Ausgabeverzeichnis;
    // Two clipboard pictures share every output name: the content tells
    // them apart.
    Bildherkunft = QStringLiteral("Zwischenablage %1x%2 ")
                       .arg(bitmap.width())
                       .arg(bitmap.height()) +
                   QString::fromLatin1(QCryptographicHash::hash(QByteArray::fromRawData(reinterpret_cast<const char*>(bitmap.constBits()),
                                                                                          bitmap.sizeInBytes()),
                                                                QCryptographicHash::Sha256)
                                           .toHex());
    puz_var::JpegGespeichert = false;
    puz_var::AusgabeGeprueft = false;
    HoleBildEigenschaften(false);
    TempDatei = true;
}

void TForm1::HoleBildEigenschaften(bool)
{
    puz_var::JpegGespeichert = false;
    puz_var::AusgabeGeprueft = false;
    ZustandBildGeladen();

    const QString name = QFileInfo(puz_var::Bilddatei).fileName();
    const QSize groesse = ImBild->bild().size();
    StGrInfo->item(0, 1)->setText(name);
    StGrInfo->item(1, 1)->setText(QStringLiteral("%1 x %2").arg(groesse.width()).arg(groesse.height()));
    ZeigeAusgabeverzeichnis();
    puz_var::Dateikuerzel = kachelnamen::Dateikuerzel(name);
    puz_var::Tabellendatei = puz_var::Dateikuerzel + QStringLiteral("ta.htm");

    // Fit the window to the picture, but never beyond the screen: a larger
    // picture then scrolls inside a panel that fills the rest of the window,
    // with room for the scroll bars.
    int fensterBreite = BildLinks + groesse.width() + RandRechts;
    int klientHoehe = std::max(groesse.height(), MindestKlienthoehe);
    QSize panel = groesse;
    if (const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect frei = bildschirm->availableGeometry();
        const int maxBreite = frei.width() - (frameGeometry().width() - width());
        const int maxKlient = frei.height() - (frameGeometry().height() - height()) - (height() - Klienthoehe());
        const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const bool zuBreit = fensterBreite > maxBreite;
        const bool zuHoch = klientHoehe > maxKlient;
        if (zuBreit || zuHoch) {
            fensterBreite = std::min(fensterBreite + (zuHoch ? leiste : 0), maxBreite);
            klientHoehe = std::min(std::max(groesse.height() + BildOben + (zuBreit ? leiste : 0),
                                            MindestKlienthoehe),
                                   maxKlient);
            panel = QSize(std::max(0, fensterBreite - BildLinks - RandRechts),
                          std::max(0, klientHoehe - BildOben));
        }
    }
    PaBild->resize(panel);
    resize(fensterBreite, height());
    setzeKlienthoehe(klientHoehe);

    if (groesse.width() < groesse.height())
        std::swap(puz_var::VorschauBreite, puz_var::VorschauHoehe);
}

void TForm1::LoescheBilddatei()
{
    QFile::remove(puz_var::Bilddatei);
}

// === Grid commands of the main window: the preview of the grid lines and the
// automatic grid.
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
    // clean one for the cut. The shown picture lends its buffer when nothing
    // else holds it; one still shared is let go first, so that no third
    // picture is ever held.
    QImage vorrat;
    vorrat.swap(ImBild->bild());
    const QImage flaeche = schnitt::Gittervorschau(sauber, g, std::move(vorrat));
    ImBild->setzeBild(flaeche.isNull() ? sauber : flaeche); // out of memory: the picture at least
}

void TForm1::BuAutoClick()
{
    if (SchnittLaeuft)
        return;
    const QSize groesse = ImBild->bild().size();
    const std::optional<gitter::Gitter> g = gitter::AutoGitter(groesse);
    if (!g) {
        Dialoge::Meldung(this, gitter::KeinGanzesTeil(groesse));
        return;
    }
    SpEdBreite->setValue(g->breite);
    SpEdOffx->setValue(g->x0);
    SpEdOffy->setValue(g->y0);
    BuVorschauClick();
}

// === The cut: the picture becomes the tile set, tile by tile, column by column,
// visibly and with a pause after every tile.
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

// === Saving the tile set: every tile, the empty tile and the preview picture.
void TForm1::BuSpeichernClick()
{
    if (SchnittLaeuft)
        return;
    if (const auto fehler = gitter::BreitenFehler(SpEdBreite->value())) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    const bool bmp = puz_var::Bildformat == 0;
    const QString& verzeichnis = puz_var::Ausgabeverzeichnis;
    const QString& kuerzel = puz_var::Dateikuerzel;
    if (!Schreibfreigabe(kachelnamen::Kachelsatz(kuerzel, puz_var::Spalten, puz_var::Zeilen, bmp,
                                                 puz_var::VorschauErzeugen)))
        return;
    // The empty tile has the width of the cut's tiles, so it always matches
    // them; it is painted over the first tile of the mosaic as well.
    const int b = Schnittbreite > 0 ? Schnittbreite : SpEdBreite->value();
    const QColor leerfarbe = Farbe(puz_var::Leerfeldfarbe);
    puz_var::Leerbild = QImage(b, b, QImage::Format_RGB32);
    puz_var::Leerbild.fill(leerfarbe);
    KachelAuftrag auftrag = Kachelauftrag(
        verzeichnis, kuerzel, puz_var::Spalten, puz_var::Zeilen,
        std::span<const QImage>(puz_var::Teile).first(size_t(puz_var::Spalten * puz_var::Zeilen)),
        puz_var::Gesamtbild, puz_var::Leerbild);
    auftrag.bmp = bmp;
    auftrag.geschrieben = [this](const QString& pfad) { Hauptausgabebuch().Geschrieben(pfad, Bildherkunft); };
    const Kachelsicherung sicherung = SichereKacheln(auftrag);
    if (!sicherung.fehler) {
        Ziel = Quelle = QRect(0, 0, b, b);
        QPainter maler(&ImBild->bild());
        maler.fillRect(Quelle, leerfarbe);
        ImBild->update();
    }
    if (sicherung.vorschauFehler)
        Dialoge::Meldung(this, *sicherung.vorschauFehler);
    if (sicherung.fehler) {
        Dialoge::Meldung(this, *sicherung.fehler);
        return;
    }
    if (!bmp)
        puz_var::JpegGespeichert = true;
}

void TForm1::EinzelbilderClick()
{
    puz_var::Bildformat = 1;
    BuSpeichernClick();
}

void TForm1::EinzelbilderbmpClick()
{
    puz_var::Bildformat = 0;
    BuSpeichernClick();
    puz_var::Bildformat = 1;
}

// === Page exports of the main window's menu "&Speichern": the checks and the
// questions before writing, the messages after; the pages themselves are
// written by export/seitenausgabe.
void TForm1::KachelnSichern()
{
    if (!puz_var::JpegGespeichert)
        EinzelbilderClick();
}

void TForm1::SchiebePuzzleClick()
{
    spielseite(*this, Spielseite::Schieben);
}

void TForm1::TauschPuzzleClick()
{
    spielseite(*this, Spielseite::Tauschen);
}

void TForm1::RaetselnClick()
{
    spielseite(*this, Spielseite::Raetsel);
}

void TForm1::alleHTMLSpieleClick()
{
    // One question for the three pages and their tiles; "Abbrechen" there
    // writes none of them.
    const std::array seiten{Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel};
    QStringList namen;
    for (const Spielseite seite : seiten)
        namen << Seitendatei(seite, puz_var::Dateikuerzel);
    if (!ErsetzenPruefen(namen + kachelnDerSeite()))
        return;
    for (const Spielseite seite : seiten)
        if (spielseite(*this, seite) == Ausgang::Dateifehler)
            return;
}

void TForm1::TabelleClick()
{
    if (!Schreibfreigabe(QStringList{puz_var::Tabellendatei} + kachelnDerSeite()))
        return;
    const TabellenEingabe e =
        Tabelleneingabe(puz_var::Bilddatei, puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen);
    const QString pfad = puz_var::Ausgabeverzeichnis + puz_var::Tabellendatei;
    if (ausgang(*this, SchreibeTabelle(e, pfad), pfad) == Ausgang::Fertig)
        KachelnSichern();
}

// === The checks before the first write of a cut, shared by saving and exports,
// and the checks before every writing command: the output folder, and the
// question before another picture's puzzle is replaced.
bool TForm1::AusgabePruefen()
{
    // The tile set is being replaced: nothing may be written from it now.
    if (SchnittLaeuft)
        return false;
    if (puz_var::AusgabeGeprueft)
        return true;
    if (puz_var::Ausgabeverzeichnis == puz_var::Programmverzeichnis) {
        FoWarn->zeigeVorn();
        if (!FoWarn->WeiterSpeichern())
            return false;
    }
    if (!Check4HtmlName(puz_var::Dateikuerzel))
        return false;
    puz_var::AusgabeGeprueft = true;
    return true;
}
bool TForm1::ErsetzenPruefen(const QStringList& namen)
{
    if (SchnittLaeuft)
        return false;
    const QString& verzeichnis = puz_var::Ausgabeverzeichnis;
    if (const auto fehler = ausgabe::OrdnerFehler(verzeichnis)) {
        Dialoge::Meldung(this, *fehler);
        return false;
    }
    // A picture's own file is never a tile of it, whatever the answer would be.
    if (const auto fehler = ausgabe::BildFehler(verzeichnis, namen, {Bildherkunft, puz_var::Bilddatei},
                                                     ausgabe::AuswegOptionen)) {
        Dialoge::Meldung(this, *fehler);
        return false;
    }
    Ausgabebuch& buch = Hauptausgabebuch();
    const QStringList fremde = buch.Fremde(verzeichnis, namen, Bildherkunft);
    if (fremde.isEmpty())
        return true;
    if (!Dialoge::Ersetzen(this, ausgabe::ErsetzenFrage(verzeichnis, puz_var::Dateikuerzel, fremde)))
        return false;
    buch.Freigeben(verzeichnis, puz_var::Dateikuerzel, namen, Bildherkunft);
    return true;
}

bool TForm1::Schreibfreigabe(const QStringList& namen)
{
    return ErsetzenPruefen(namen) && AusgabePruefen();
}
