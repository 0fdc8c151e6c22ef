// The main window's commands: loading, the grid, the cut, writing through the
// job and opening the other windows. The work itself is done by the
// window-free functions of prepare/ and export/; these handlers read the
// controls, call them and show their messages.
#include "app/fenster/hauptfenster.h"

#include "app/datenorte.h"
#include "app/ende.h"
#include "codecs/bildcodec.h"
#include "dialogs/fehlerfenster.h"
#include "dialogs/hilfefenster.h"
#include "dialogs/infofenster.h"
#include "dialogs/optionsdialog.h"
#include "export/fenster/programmordnerfrage.h"
#include "export/fenster/webnamenfrage.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "fenster/farbfeld.h"
#include "games/fenster/raetselfenster.h"
#include "games/fenster/schiebefenster.h"
#include "games/fenster/tauschfenster.h"
#include "modell/sitzung.h"
#include "prepare/bildformate.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace {

// The picture panel shows the background colour around the picture.
void faerbe(QWidget* element, const QColor& farbe)
{
    QPalette palette = element->palette();
    palette.setColor(QPalette::Window, farbe);
    element->setPalette(palette);
    element->setAutoFillBackground(true);
}

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

} // namespace

// The job's questions answered as the windows answer them: with the two
// question windows, the replace question and messages.
class Hauptfenster::Fensterantworten : public Ausgabefragen
{
public:
    explicit Fensterantworten(Hauptfenster& haupt) : m_haupt(haupt) {}

    std::optional<QString> Ordnerfehler(const QString& verzeichnis) override
    {
        return ausgabe::OrdnerFehler(verzeichnis, StartAusgabeverzeichnis());
    }
    bool Ersetzen(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde) override
    {
        return Dialoge::Ersetzen(&m_haupt, ausgabe::ErsetzenFrage(verzeichnis, kuerzel, fremde));
    }
    bool InsProgrammverzeichnis(const QString& verzeichnis) override
    {
        return m_haupt.m_fenster.programmordnerfrage->Frage(verzeichnis);
    }
    bool OhneWebnamen(const QString& kuerzel) override { return m_haupt.m_fenster.webnamenfrage->Frage(kuerzel); }
    // A missing template is the program's own report and skips only its
    // page; everything else is a message box.
    bool Weiter(const Ausgabefehler& fehler) override
    {
        if (fehler.art == Ausgabefehler::Art::Vorlage)
            m_haupt.m_fenster.fehler->zeige(fehler.text);
        else
            Dialoge::Meldung(&m_haupt, fehler.text);
        return true;
    }
    // The empty tile is shown over the first tile of the shown mosaic; over
    // it, not in it, since the tiles are views of the shown picture.
    void KachelnGeschrieben() override
    {
        if (m_haupt.ImBild->bild().isNull())
            return;
        const Kachelsatz& kacheln = m_haupt.m_sitzung.puzzle.kacheln;
        const int breite = kacheln.breite > 0 ? kacheln.breite : m_haupt.m_sitzung.puzzle.gitter.breite;
        m_haupt.ImBild->zeigeFlaeche(QRect(0, 0, breite, breite), Farbe(m_haupt.m_sitzung.einstellungen.Leerfeldfarbe));
    }

private:
    Hauptfenster& m_haupt;
};

Hauptfenster::~Hauptfenster()
{
    // The temporary picture goes with the program.
    if (m_tempDatei)
        LoescheBilddatei();
}

void Hauptfenster::ZustandBildGeladen()
{
    for (QPushButton* knopf : {BuAuto, BuVorschau})
        knopf->setEnabled(true);
    GrBoGitter->show();
    for (QAction* aktion : {MenuVorschau, MenuSchneiden, MenuOptionen})
        aktion->setEnabled(true);
    MenuSpielen->menuAction()->setEnabled(false);
    MenuSpeichern->menuAction()->setEnabled(false);
}

void Hauptfenster::ZustandGeschnitten()
{
    MenuSpeichern->menuAction()->setEnabled(true);
    MenuSpielen->menuAction()->setEnabled(true);
}

void Hauptfenster::SchnittSperre(bool gesperrt)
{
    for (QAction* aktion : {MenuLaden, MenuZwischenablage, MenuVorschau, MenuSchneiden, MenuSpeichern->menuAction(),
                            MenuSpielen->menuAction()})
        aktion->setEnabled(!gesperrt);
    for (QPushButton* knopf : {BuAuto, BuVorschau})
        knopf->setEnabled(!gesperrt);
    m_schnittLaeuft = gesperrt;
}

void Hauptfenster::ZeigeAusgabeverzeichnis()
{
    StGrInfo->item(2, 1)->setText(QDir::toNativeSeparators(m_sitzung.einstellungen.Ausgabeverzeichnis));
}

void Hauptfenster::StarteSchiebepuzzle()
{
    m_fenster.schieben->zeigeVorn();
    hide();
}

void Hauptfenster::StarteTauschpuzzle()
{
    hide();
    m_fenster.tauschen->zeigeVorn();
}

void Hauptfenster::StarteBilderraetsel()
{
    hide();
    m_fenster.raetsel->zeigeVorn();
}

void Hauptfenster::SchliesseSpiele()
{
    if (m_fenster.schieben && m_fenster.schieben->isVisible())
        m_fenster.schieben->schliesse();
    for (Spielfenster* spiel : {static_cast<Spielfenster*>(m_fenster.tauschen),
                                static_cast<Spielfenster*>(m_fenster.raetsel)})
        if (spiel && spiel->isVisible())
            spiel->schliesse();
}

void Hauptfenster::Beenden()
{
    close();
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis)
{
    // A cut that runs on would draw into a window that is going.
    const std::optional<QString> frage = Endefrage(m_schnittUngesichert, m_optionenUngesichert);
    if (m_schnittLaeuft || (frage && !Dialoge::Beenden(this, *frage))) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    QCoreApplication::quit();
}

void Hauptfenster::WaehleHintergrundfarbe()
{
    const std::optional<QColor> farbe =
        Dialoge::FarbeWaehlen(this, Farbe(m_sitzung.einstellungen.Hintergrundfarbe));
    if (!farbe)
        return;
    m_sitzung.einstellungen.Hintergrundfarbe = AlsFarbwert(*farbe);
    m_optionenUngesichert = true;
    FormPaint();
    QCoreApplication::processEvents();
}

void Hauptfenster::FormPaint()
{
    const QColor farbe = Farbe(m_sitzung.einstellungen.Hintergrundfarbe);
    CoBoHintergrund->setzeFarbe(farbe);
    faerbe(PaBild->viewport(), farbe);
    PaBoSchnitt->fuelle(farbe);
}

void Hauptfenster::showEvent(QShowEvent* ereignis)
{
    FormPaint();
    QMainWindow::showEvent(ereignis);
}

// Escape ends the program, as the cancel button "Ende" of the form did.
void Hauptfenster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(ereignis);
}

// === Picture commands: loading a file, importing the clipboard, and taking
// the new picture over.
void Hauptfenster::Laden()
{
    if (m_schnittLaeuft)
        return;
    // Until a picture is chosen the samples are the place to start.
    const QString beispiele = datenorte::Beispielverzeichnis(m_sitzung.programmverzeichnis);
    const QString gewaehlt =
        Dialoge::BildOeffnen(this, m_bildverzeichnis.isEmpty() ? beispiele : m_bildverzeichnis, beispiele);
    if (!gewaehlt.isEmpty())
        LadeBild(gewaehlt);
}

void Hauptfenster::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (ereignis->mimeData()->hasUrls() && !m_schnittLaeuft)
        ereignis->acceptProposedAction();
}

void Hauptfenster::dropEvent(QDropEvent* ereignis)
{
    if (!ereignis->mimeData()->hasUrls() || m_schnittLaeuft)
        return;
    QStringList dateien;
    int andere = 0;
    for (const QUrl& adresse : ereignis->mimeData()->urls()) {
        if (adresse.isLocalFile())
            dateien << adresse.toLocalFile();
        else
            ++andere;
    }
    ereignis->acceptProposedAction();
    // The drop ends first: a message or a long load while it is open would
    // keep the file manager it came from waiting.
    QTimer::singleShot(0, this, [this, ablage = bildformate::AbgelegtesBild(dateien, andere)] {
        if (!ablage.fehler.isEmpty())
            Dialoge::Meldung(this, ablage.fehler);
        else
            LadeBild(ablage.datei);
    });
}

void Hauptfenster::LadeBild(const QString& gewaehlt)
{
    if (m_schnittLaeuft)
        return;
    Puzzle& puzzle = m_sitzung.puzzle;
    // Everything is read and converted before anything changes, so a failed
    // load leaves the current picture, its file and all paths usable.
    const QString pfad = QDir::toNativeSeparators(QFileInfo(gewaehlt).absoluteFilePath());
    QString fehler;
    // A bitmap or PNG is the picture file itself and is remembered as read;
    // a JPEG's picture is remembered once its bitmap is written.
    std::optional<QImage> bild;
    if (ladung::IstJpeg(pfad)) {
        m_ablage.Vergiss(); // the old picture goes before the new one is decoded
        bild = bildcodec::LeseBild(pfad, &fehler);
    } else {
        bild = m_ablage.Lies(pfad, &fehler);
    }
    if (!bild) {
        Dialoge::Meldung(this, ladung::Lesefehler(pfad, fehler));
        return;
    }

    // A sample's puzzle never goes into the program's own folder.
    const bool beispiel = datenorte::IstBeispielbild(pfad, m_sitzung.programmverzeichnis);
    const bool eigeneTempDatei = m_tempDatei && pfad == puzzle.bilddatei;
    QString neueBilddatei = pfad;
    QString wunschname;
    if (ladung::IstJpeg(pfad)) {
        const ladung::Wandelergebnis w = ladung::SchreibeWandelbitmap(*bild, pfad, Arbeitsverzeichnis());
        if (!w.wandlung) {
            Dialoge::Meldung(this, w.fehler);
            return;
        }
        neueBilddatei = w.wandlung->datei;
        wunschname = w.wandlung->wunschname;
    }

    if (m_tempDatei && !eigeneTempDatei)
        LoescheBilddatei();
    // Loading the same JPEG again: its bitmap takes the usual name back.
    if (!wunschname.isEmpty() && neueBilddatei != wunschname && !QFileInfo::exists(wunschname) &&
        QFile::rename(neueBilddatei, wunschname))
        neueBilddatei = wunschname;
    puzzle.bilddatei = neueBilddatei;
    // The bitmap holds exactly the decoded pixels, so reading it back is
    // spared until the file changes.
    if (neueBilddatei != pfad)
        m_ablage.Merke(neueBilddatei, *bild);
    m_bildverzeichnis = ladung::MitTrenner(QFileInfo(pfad).absolutePath());
    m_sitzung.einstellungen.Ausgabeverzeichnis =
        beispiel ? StartAusgabeverzeichnis() : ladung::Ausgabeverzeichnis(m_bildverzeichnis);
    m_tempDatei = !wunschname.isEmpty() || eigeneTempDatei;
    puzzle.herkunft = ladung::Herkunft(pfad);
    ZeigeBild(*bild);
    QCoreApplication::processEvents();
    UebernimmBild(QFileInfo(pfad).fileName());
}

void Hauptfenster::Zwischenablage()
{
    if (m_schnittLaeuft)
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
    const QString datei = Arbeitsverzeichnis() + Zwischenablagedatei;
    const QImage bitmap = bild.convertToFormat(QImage::Format_RGB32);
    if (const auto fehler = schnitt::SchreibeBild(bitmap, datei, true, 0)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    Puzzle& puzzle = m_sitzung.puzzle;
    // A converted JPEG bitmap of the previous picture is ours to remove.
    if (m_tempDatei && puzzle.bilddatei != datei)
        LoescheBilddatei();

    ZeigeBild(bitmap);
    puzzle.bilddatei = datei;
    m_ablage.Merke(datei, bitmap);
    m_bildverzeichnis = m_sitzung.einstellungen.Ausgabeverzeichnis;
    // Two clipboard pictures share every output name: the content tells
    // them apart.
    const QByteArray pixel =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bitmap.constBits()), bitmap.sizeInBytes());
    puzzle.herkunft = QStringLiteral("Zwischenablage %1x%2 ").arg(bitmap.width()).arg(bitmap.height()) +
                      QString::fromLatin1(QCryptographicHash::hash(pixel, QCryptographicHash::Sha256).toHex());
    UebernimmBild();
    m_tempDatei = true;
}

void Hauptfenster::UebernimmBild(const QString& bildname)
{
    Puzzle& puzzle = m_sitzung.puzzle;
    puzzle.ausgabe = Ausgabestand();
    ZustandBildGeladen();

    const QString name = QFileInfo(puzzle.bilddatei).fileName();
    const QSize groesse = ImBild->bild().size();
    puzzle.bildgroesse = groesse;
    StGrInfo->item(0, 1)->setText(bildname.isEmpty() ? name : bildname);
    StGrInfo->item(1, 1)->setText(QStringLiteral("%1 x %2").arg(groesse.width()).arg(groesse.height()));
    ZeigeAusgabeverzeichnis();
    puzzle.kuerzel = kachelnamen::Dateikuerzel(name);

    PasseFensterAn(groesse);

    PasseVorschauAn(m_sitzung.einstellungen, groesse);
}

void Hauptfenster::LoescheBilddatei()
{
    QFile::remove(m_sitzung.puzzle.bilddatei);
}

// === Grid commands: the preview of the grid lines and the automatic grid.
void Hauptfenster::Vorschau()
{
    if (m_schnittLaeuft)
        return;
    const Gitter g = m_sitzung.puzzle.gitter;
    if (const auto fehler = gitter::BreitenFehler(g.breite)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    QString fehler;
    const std::optional<QImage> bild = m_ablage.Lies(m_sitzung.puzzle.bilddatei, &fehler);
    if (!bild) {
        Dialoge::Meldung(this, fehler);
        return;
    }
    const QImage sauber = bild->format() == QImage::Format_RGB32 ? *bild : bild->convertToFormat(QImage::Format_RGB32);
    ScBaWartezeit->show();
    LaWartezeit->show();

    // A sample of one tile's size from the picture's top-left corner.
    const QRect probe(0, 0, g.breite, g.breite);
    PaBoSchnitt->fuelle(Silber);
    {
        QPainter maler(&PaBoSchnitt->bild());
        maler.drawImage(probe.topLeft(), sauber, probe);
    }
    PaBoSchnitt->update();

    // The lines are drawn over the shown picture, visible at any scale; the
    // picture stays the clean one the store keeps, with no copy of it.
    ZeigeBild(sauber);
    ImBild->setzeGitter(g);
}

void Hauptfenster::Auto()
{
    if (m_schnittLaeuft)
        return;
    const QSize groesse = ImBild->bild().size();
    const std::optional<Gitter> g = gitter::AutoGitter(groesse);
    if (!g) {
        Dialoge::Meldung(this, gitter::KeinGanzesTeil(groesse));
        return;
    }
    SpEdBreite->setValue(g->breite);
    SpEdOffx->setValue(g->x0);
    SpEdOffy->setValue(g->y0);
    Vorschau();
}

// === The cut: the picture becomes the tile set, tile by tile, column by
// column, visibly and with a pause after every tile.
void Hauptfenster::Schneiden()
{
    if (m_schnittLaeuft)
        return;
    Puzzle& puzzle = m_sitzung.puzzle;
    const Gitter g = puzzle.gitter;
    const int b = g.breite;
    if (const auto fehler = gitter::BreitenFehler(b)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    QString lesefehler;
    std::optional<QImage> bild = m_ablage.Lies(puzzle.bilddatei, &lesefehler);
    if (!bild) {
        Dialoge::Meldung(this, lesefehler);
        return;
    }
    if (const auto fehler = gitter::SchnittFehler(bild->size(), g)) {
        Dialoge::Meldung(this, *fehler);
        return;
    }
    const QColor hintergrund = Farbe(m_sitzung.einstellungen.Hintergrundfarbe);

    // A game left open would go on showing the old tiles.
    SchliesseSpiele();
    SchnittSperre(true);
    // The shown picture (the last cut's mosaic, say) lends its buffer to a
    // mosaic when nothing else holds it; the clean picture itself, shown
    // since the preview, is not lent.
    QImage vorrat = ImBild->bild().cacheKey() == bild->cacheKey() ? QImage() : ImBild->bild();
    m_ablage.Vergiss();
    ZeigeBild(*bild);
    bild.reset();
    if (PaBoSchnitt->bild().size() != PaBoSchnitt->size())
        PaBoSchnitt->fuelle(hintergrund);
    const QRect ziel(0, 0, b, b);
    // The tiles are views of the shown picture (or, where the grid reaches
    // outside it, copies in a mosaic); the frames are drawn over it, so
    // nothing changes the picture while tiles are taken from it.
    Kachelsatz satz = schnitt::Zerschneide(
        ImBild->bild(), g, hintergrund,
        [this, &ziel](int spalte, int zeile, const QRect& quelle, const QImage& teil) {
            {
                QPainter maler(&PaBoSchnitt->bild());
                maler.drawImage(ziel.topLeft(), teil);
            }
            PaBoSchnitt->update(ziel);
            StGrInfo->item(2, 1)->setText(kachelnamen::Kachellabel(m_sitzung.puzzle.kuerzel, spalte, zeile));
            ImBild->zeigeRahmen(quelle, Rahmengelb);
            QCoreApplication::processEvents();
            Warte(ScBaWartezeit->value());
        },
        std::move(vorrat));
    Warte(SchlusspauseFaktor * ScBaWartezeit->value());
    ImBild->loescheRahmen();

    // The tiles packed together from the top-left corner, on the background.
    QImage& flaeche = ImBild->bild();
    if (flaeche.rect().contains(QRect(g.x0, g.y0, satz.spalten * b, satz.zeilen * b))) {
        // The tiles are views of the shown picture: they let it go, it is
        // packed in place, and they become views of its packed part.
        const int spalten = satz.spalten;
        const int zeilen = satz.zeilen;
        satz = Kachelsatz();
        satz = schnitt::Packe(flaeche, g, spalten, zeilen, hintergrund);
    } else {
        // Only what the mosaic leaves free needs the background.
        const QRect bedeckt = QRect(QPoint(0, 0), satz.gesamtbild.size()) & flaeche.rect();
        QPainter maler(&flaeche);
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.fillRect(QRect(bedeckt.width(), 0, flaeche.width() - bedeckt.width(), flaeche.height()), hintergrund);
        maler.fillRect(QRect(0, bedeckt.height(), bedeckt.width(), flaeche.height() - bedeckt.height()), hintergrund);
        maler.drawImage(0, 0, satz.gesamtbild);
    }
    puzzle.kacheln = std::move(satz);
    ImBild->update();

    SchnittSperre(false);
    ZeigeAusgabeverzeichnis();
    ZustandBildGeladen();
    ZustandGeschnitten();
    puzzle.ausgabe = Ausgabestand();
    m_schnittUngesichert = true;
}

// === Writing: every command of "&Speichern" runs the job with the parts it
// names. The pages take the tile width the field shows now.
void Hauptfenster::Schreibe(std::vector<Ausgabeteil> teile)
{
    // The tile set is being replaced: nothing may be written from it now.
    if (m_schnittLaeuft)
        return;
    const Einstellungen& e = m_sitzung.einstellungen;
    const Puzzle& puzzle = m_sitzung.puzzle;
    Puzzleauftrag auftrag;
    auftrag.verzeichnis = e.Ausgabeverzeichnis;
    auftrag.vorlagenverzeichnis = m_sitzung.programmverzeichnis;
    auftrag.kuerzel = puzzle.kuerzel;
    auftrag.herkunft = puzzle.herkunft;
    // A picture's own file is never a tile of it, whatever the answer would be.
    auftrag.bilddateien = {puzzle.herkunft, puzzle.bilddatei};
    auftrag.ausweg = ausgabe::AuswegOptionen;
    // The picture as the teacher chose it (katze.jpg, not its scratch bitmap);
    // a clipboard picture has no file but its scratch one.
    auftrag.tabellenbild = QFileInfo::exists(puzzle.herkunft) ? puzzle.herkunft : puzzle.bilddatei;
    auftrag.kachelbreite = puzzle.gitter.breite;
    auftrag.teile = std::move(teile);
    Fensterantworten antworten(*this);
    const Ausgabeergebnis ergebnis =
        SchreibePuzzle(auftrag, puzzle.kacheln, e, m_sitzung.puzzle.ausgabe, m_buch, antworten);
    // Files now hold the cut and the options as they are.
    if (!ergebnis.dateien.isEmpty())
        m_schnittUngesichert = m_optionenUngesichert = false;
    ZeigeAusgabe(ergebnis, auftrag.verzeichnis);
}
