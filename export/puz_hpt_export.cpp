// Page exports of the main window's menu "&Speichern".
//
// Each page is written into a QSaveFile beside its final name and put in
// place only when it is complete: a missing template or a failed write leaves
// an earlier page of that name untouched and no partial page behind. A page
// name that leads to a device or pipe is written into it directly: putting a
// file in its place would replace the device.
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_opt.h"
#include "export/ausgabebuch.h"
#include "export/seitenkodierung.h"
#include "export/seitentext.h"
#include "prepare/kachelnamen.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QSpinBox>
#include <cerrno>
#include <memory>

namespace {

// How one page export ended. Only a file error ends "&alle HTML-Spiele".
enum class Ausgang { Fertig, Abgebrochen, Dateifehler };

struct Vorlagen
{
    const char* erste;
    const char* zweite;
};

SeitenEingabe sammleEingabe(const TForm1& form)
{
    SeitenEingabe e;
    e.Dateikuerzel = puz_var::Dateikuerzel;
    e.Zeilen = puz_var::Zeilen;
    e.Spalten = puz_var::Spalten;
    e.Hintergrundfarbe = puz_var::Hintergrundfarbe;
    e.Gitterlinienfarbe = puz_var::Gitterlinienfarbe;
    e.Gitterbreite = puz_var::Gitterbreite;
    e.Ueberschrift = puz_var::Ueberschrift;
    e.VorschauErzeugen = puz_var::VorschauErzeugen;
    e.VorschauBreite = puz_var::VorschauBreite;
    e.VorschauHoehe = puz_var::VorschauHoehe;
    e.Kachelbreite = form.SpEdBreite->value();
    e.ZugZeigen = Fo_Optionen->ChBoZugZaehler->isChecked();
    e.ZeitZeigen = Fo_Optionen->ChBoSpielzeit->isChecked();
    e.LeerfeldX = puz_var::LeerfeldX;
    e.LeerfeldY = puz_var::LeerfeldY;
    e.Zugausgabe = puz_var::Zugausgabe;
    e.Antworten = Fo_Optionen->MeAntworten->toPlainText().split(QLatin1Char('\n'));
    e.RichtigAntwort = Fo_Optionen->SpEdRichtigeAntwort->value();
    e.AntwortenUnten = Fo_Optionen->AntwortPosition() == 1;
    return e;
}

// The message box for a page that cannot be created or written, with the
// system's error number as far as it is known.
Ausgang dateifehler(TForm1& form, int nummer)
{
    Dialoge::Meldung(&form, QStringLiteral("E/A-Fehler %1").arg(nummer > 0 ? nummer : EIO));
    return Ausgang::Dateifehler;
}

// QIODevice reports a short write (a full disk, a file size limit) only by
// its count, and the system's error number is gone by the time the page is
// closed: the first failure's number stays with the page under this name.
constexpr char Fehlernummer[] = "Fehlernummer";

// Writes all bytes or marks the page failed; a failed page is never put in
// place. Also used by VorlageKopieren, which writes into the same page.
void schreibe(QIODevice& seite, const QByteArray& bytes)
{
    errno = 0;
    if (seite.write(bytes) == bytes.size())
        return;
    if (seite.property(Fehlernummer).toInt() == 0)
        seite.setProperty(Fehlernummer, errno > 0 ? errno : EIO);
    if (auto* sicher = qobject_cast<QSaveFile*>(&seite))
        sicher->cancelWriting();
}

// Opens the page: a save file beside its final name, or the target itself
// when the name leads to something other than a regular file. A failure is
// reported here.
std::unique_ptr<QFileDevice> oeffne(TForm1& form, const QString& pfad)
{
    const QFileInfo ziel(QFileInfo(pfad).canonicalFilePath());
    std::unique_ptr<QFileDevice> seite;
    if (ziel.exists() && !ziel.isFile() && !ziel.isDir())
        seite = std::make_unique<QFile>(ziel.filePath());
    else
        seite = std::make_unique<QSaveFile>(pfad);
    errno = 0;
    if (seite->open(QIODevice::WriteOnly))
        return seite;
    dateifehler(form, errno);
    return nullptr;
}

// Puts the page in place. The buffered rest is written first and checked
// here: a failure of that last write would not stop the commit.
Ausgang schliesse(TForm1& form, QFileDevice& seite)
{
    errno = 0;
    if (!seite.flush() && seite.property(Fehlernummer).toInt() == 0)
        seite.setProperty(Fehlernummer, errno > 0 ? errno : EIO);
    const int nummer = seite.property(Fehlernummer).toInt();
    auto* sicher = qobject_cast<QSaveFile*>(&seite);
    if (nummer != 0) {
        if (sicher)
            sicher->cancelWriting(); // the unfinished page is dropped with its object
        return dateifehler(form, nummer);
    }
    errno = 0;
    bool geschrieben = true;
    if (sicher) {
        geschrieben = sicher->commit();
    } else {
        seite.close();
        geschrieben = seite.error() == QFileDevice::NoError;
    }
    if (!geschrieben)
        return dateifehler(form, errno);
    Hauptausgabebuch().Geschrieben(seite.fileName(), form.Bildherkunft);
    return Ausgang::Fertig;
}

// The JPEG tiles a page export writes after its page, unless they were.
QStringList kachelnDerSeite()
{
    if (puz_var::JpegGespeichert)
        return {};
    return kachelnamen::Kachelsatz(puz_var::Dateikuerzel, puz_var::Spalten, puz_var::Zeilen, false,
                                   puz_var::VorschauErzeugen);
}

// The merge shared by the three game pages: first template, variable block,
// second template, body. Answer pictures and tiles follow in the caller.
Ausgang spielseite(TForm1& form, const QString& endung, const Vorlagen& vorlagen,
                   Seitentext (*text)(const SeitenEingabe&))
{
    if (!form.Schreibfreigabe(QStringList{puz_var::Dateikuerzel + endung} + kachelnDerSeite()))
        return Ausgang::Abgebrochen;
    const std::unique_ptr<QFileDevice> datei = oeffne(form, puz_var::Ausgabeverzeichnis + puz_var::Dateikuerzel + endung);
    if (!datei)
        return Ausgang::Dateifehler;
    QFileDevice& seite = *datei;
    const Seitentext s = text(sammleEingabe(form));
    const auto abbruch = [](const char* name) {
        return QStringLiteral("Abbruch: Vorlagedatei %1 nicht gefunden!").arg(QString::fromLatin1(name).toUpper());
    };
    if (!form.VorlageKopieren(seite, QString::fromLatin1(vorlagen.erste), abbruch(vorlagen.erste)))
        return Ausgang::Abgebrochen;
    schreibe(seite, Seitenbytes(s.Skript, Textart::Skript));
    if (!form.VorlageKopieren(seite, QString::fromLatin1(vorlagen.zweite), abbruch(vorlagen.zweite)))
        return Ausgang::Abgebrochen;
    schreibe(seite, Seitenbytes(s.Koerper, Textart::Html));
    return schliesse(form, seite);
}

// The tile saving reports its own failures in a message box; like a page
// that cannot be written, that ends "&alle HTML-Spiele" (the next page would
// only repeat the message).
Ausgang kachelnSichern(TForm1& form)
{
    form.KachelnSichern();
    return puz_var::JpegGespeichert ? Ausgang::Fertig : Ausgang::Dateifehler;
}

Ausgang schiebeSeite(TForm1& form)
{
    const Ausgang a = spielseite(form, QStringLiteral("sp.htm"), {"spuzv1.htm", "spuzv2.htm"}, SchiebeSeite);
    return a == Ausgang::Fertig ? kachelnSichern(form) : a;
}

Ausgang tauschSeite(TForm1& form)
{
    const Ausgang a = spielseite(form, QStringLiteral("tp.htm"), {"tpuzv1.htm", "tpuzv2.htm"}, TauschSeite);
    return a == Ausgang::Fertig ? kachelnSichern(form) : a;
}

// Copies the answer pictures that cannot be opened in the output directory
// from the program directory, all in one copy operation.
void antwortbilderErgaenzen(TForm1& form)
{
    QStringList fehlend;
    for (const QString& name : puz_var::Antwortbilder) {
        QFile vorhanden(puz_var::Ausgabeverzeichnis + name);
        if (vorhanden.open(QIODevice::ReadOnly))
            vorhanden.close();
        else
            fehlend << puz_var::Programmverzeichnis + name;
    }
    if (!fehlend.isEmpty())
        form.CopyFile(fehlend.join(QChar(u'\0')), puz_var::Ausgabeverzeichnis);
}

Ausgang raetselSeite(TForm1& form)
{
    const Ausgang a = spielseite(form, QStringLiteral("rp.htm"), {"rpuzv1.htm", "rpuzv2.htm"}, RaetselSeite);
    if (a != Ausgang::Fertig)
        return a;
    antwortbilderErgaenzen(form);
    return kachelnSichern(form);
}

} // namespace

bool TForm1::VorlageKopieren(QIODevice& seite, const QString& vorlage, const QString& abbruch)
{
    QFile datei(puz_var::Programmverzeichnis + vorlage);
    if (!datei.open(QIODevice::ReadOnly)) {
        ZeigeFehler(abbruch);
        return false;
    }
    const QByteArray inhalt = datei.readAll();
    datei.close();
    QByteArray bytes;
    bytes.reserve(inhalt.size() + 1024);
    for (const QByteArray& zeile : VorlageZeilen(inhalt))
        bytes += zeile + "\r\n";
    schreibe(seite, bytes);
    return true;
}

void TForm1::KachelnSichern()
{
    if (!puz_var::JpegGespeichert)
        EinzelbilderClick();
}

void TForm1::SchiebePuzzleClick()
{
    schiebeSeite(*this);
}

void TForm1::TauschPuzzleClick()
{
    tauschSeite(*this);
}

void TForm1::RaetselnClick()
{
    raetselSeite(*this);
}

void TForm1::alleHTMLSpieleClick()
{
    // One question for the three pages and their tiles; "Abbrechen" there
    // writes none of them.
    QStringList namen;
    for (const char* endung : {"sp.htm", "tp.htm", "rp.htm"})
        namen << puz_var::Dateikuerzel + QLatin1String(endung);
    if (!ErsetzenPruefen(namen + kachelnDerSeite()))
        return;
    for (Ausgang (*seite)(TForm1&) : {schiebeSeite, tauschSeite, raetselSeite})
        if (seite(*this) == Ausgang::Dateifehler)
            return;
}

void TForm1::TabelleClick()
{
    if (!Schreibfreigabe(QStringList{puz_var::Tabellendatei} + kachelnDerSeite()))
        return;
    const std::unique_ptr<QFileDevice> seite = oeffne(*this, puz_var::Ausgabeverzeichnis + puz_var::Tabellendatei);
    if (!seite)
        return;
    TabellenEingabe e;
    e.Bilddatei = puz_var::Bilddatei;
    e.Dateikuerzel = puz_var::Dateikuerzel;
    e.Zeilen = puz_var::Zeilen;
    e.Spalten = puz_var::Spalten;
    e.Hintergrundfarbe = puz_var::Hintergrundfarbe;
    e.Gitterbreite = puz_var::Gitterbreite;
    schreibe(*seite, Seitenbytes(TabellenSeite(e), Textart::Html));
    if (schliesse(*this, *seite) == Ausgang::Fertig)
        KachelnSichern();
}
