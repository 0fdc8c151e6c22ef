// Page exports of the main window's menu "&Speichern".
//
// Each page is written into a QSaveFile beside its final name and put in
// place only when it is complete: a missing template or a failed write leaves
// an earlier page of that name untouched and no partial page behind.
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_opt.h"
#include "export/seitenkodierung.h"
#include "export/seitentext.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QSpinBox>
#include <cerrno>

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

// Opens the page's temporary file; a failure is reported here.
bool oeffne(TForm1& form, QSaveFile& seite)
{
    errno = 0;
    if (seite.open(QIODevice::WriteOnly))
        return true;
    dateifehler(form, errno);
    return false;
}

Ausgang schliesse(TForm1& form, QSaveFile& seite)
{
    errno = 0;
    if (!seite.commit())
        return dateifehler(form, errno);
    return Ausgang::Fertig;
}

// The merge shared by the three game pages: first template, variable block,
// second template, body. Answer pictures and tiles follow in the caller.
Ausgang spielseite(TForm1& form, const QString& endung, const Vorlagen& vorlagen,
                   Seitentext (*text)(const SeitenEingabe&))
{
    if (!form.AusgabePruefen())
        return Ausgang::Abgebrochen;
    QSaveFile seite(puz_var::Ausgabeverzeichnis + puz_var::Dateikuerzel + endung);
    if (!oeffne(form, seite))
        return Ausgang::Dateifehler;
    const Seitentext s = text(sammleEingabe(form));
    const auto abbruch = [](const char* name) {
        return QStringLiteral("Abbruch: Vorlagedatei %1 nicht gefunden!").arg(QString::fromLatin1(name).toUpper());
    };
    if (!form.VorlageKopieren(seite, QString::fromLatin1(vorlagen.erste), abbruch(vorlagen.erste)))
        return Ausgang::Abgebrochen;
    seite.write(Seitenbytes(s.Skript, Textart::Skript));
    if (!form.VorlageKopieren(seite, QString::fromLatin1(vorlagen.zweite), abbruch(vorlagen.zweite)))
        return Ausgang::Abgebrochen;
    seite.write(Seitenbytes(s.Koerper, Textart::Html));
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
    seite.write(bytes);
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
    for (Ausgang (*seite)(TForm1&) : {schiebeSeite, tauschSeite, raetselSeite})
        if (seite(*this) == Ausgang::Dateifehler)
            return;
}

void TForm1::TabelleClick()
{
    if (!AusgabePruefen())
        return;
    QSaveFile seite(puz_var::Ausgabeverzeichnis + puz_var::Tabellendatei);
    if (!oeffne(*this, seite))
        return;
    TabellenEingabe e;
    e.Bilddatei = puz_var::Bilddatei;
    e.Dateikuerzel = puz_var::Dateikuerzel;
    e.Zeilen = puz_var::Zeilen;
    e.Spalten = puz_var::Spalten;
    e.Hintergrundfarbe = puz_var::Hintergrundfarbe;
    e.Gitterbreite = puz_var::Gitterbreite;
    seite.write(Seitenbytes(TabellenSeite(e), Textart::Html));
    if (schliesse(*this, seite) == Ausgang::Fertig)
        KachelnSichern();
}
