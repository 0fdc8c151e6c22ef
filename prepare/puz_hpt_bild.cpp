// Picture commands of the main window: loading a file, importing the
// clipboard, and taking the new picture over.
#include "app/puz_hpt.h"

#include "app/bildfeld.h"
#include "app/datenorte.h"
#include "app/dialoge.h"
#include "app/puz_var.h"
#include "codecs/bildcodec.h"
#include "prepare/bildablage.h"
#include "prepare/kachelnamen.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>

namespace {

// Window fitting: the picture panel's left edge, the margin right of it and
// the least client height.
constexpr int BildLinks = 160;
constexpr int RandRechts = 10;
constexpr int MindestKlienthoehe = 420;
constexpr int BildOben = 8;

const QString Zwischenablagedatei = QStringLiteral("zwischenablage_temp.bmp");

} // namespace

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
