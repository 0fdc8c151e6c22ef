#include "export/seitenausgabe.h"

#include "modell/einstellungen.h"
#include "export/seitenkodierung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <memory>

namespace {

Seitenfehler Dateifehler(int nummer)
{
    return {false, QStringLiteral("E/A-Fehler %1").arg(nummer > 0 ? nummer : EIO)};
}

// QIODevice reports a short write (a full disk, a file size limit) only by
// its count, and the system's error number is gone by the time the page is
// closed: the first failure's number stays with the page.
class Seite
{
public:
    // Opens the page: a save file beside its final name, or the target itself
    // when the name leads to something other than a regular file.
    std::optional<Seitenfehler> Oeffne(const QString& pfad)
    {
        const QFileInfo ziel(QFileInfo(pfad).canonicalFilePath());
        if (ziel.exists() && !ziel.isFile() && !ziel.isDir())
            m_datei = std::make_unique<QFile>(ziel.filePath());
        else
            m_datei = std::make_unique<QSaveFile>(pfad);
        errno = 0;
        if (m_datei->open(QIODevice::WriteOnly))
            return std::nullopt;
        return Dateifehler(errno);
    }

    // Writes all bytes or marks the page failed; a failed page is never put
    // in place.
    void Schreibe(const QByteArray& bytes)
    {
        errno = 0;
        if (m_fehlernummer != 0 || m_datei->write(bytes) == bytes.size())
            return;
        m_fehlernummer = errno > 0 ? errno : EIO;
        if (auto* sicher = qobject_cast<QSaveFile*>(m_datei.get()))
            sicher->cancelWriting();
    }

    // Puts the page in place. The buffered rest is written first and checked
    // here: a failure of that last write would not stop the commit.
    std::optional<Seitenfehler> Schliesse()
    {
        errno = 0;
        if (!m_datei->flush() && m_fehlernummer == 0)
            m_fehlernummer = errno > 0 ? errno : EIO;
        auto* sicher = qobject_cast<QSaveFile*>(m_datei.get());
        if (m_fehlernummer != 0) {
            if (sicher)
                sicher->cancelWriting(); // the unfinished page goes with its object
            return Dateifehler(m_fehlernummer);
        }
        errno = 0;
        bool geschrieben = true;
        if (sicher) {
            geschrieben = sicher->commit();
        } else {
            m_datei->close();
            geschrieben = m_datei->error() == QFileDevice::NoError;
        }
        if (!geschrieben)
            return Dateifehler(errno);
        return std::nullopt;
    }

private:
    std::unique_ptr<QFileDevice> m_datei;
    int m_fehlernummer = 0;
};

// Appends the template's lines, each ended by CR LF; false when the template
// cannot be opened.
bool VorlageKopieren(QByteArray& bytes, const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inhalt = datei.readAll();
    bytes.reserve(bytes.size() + inhalt.size() + 1024);
    for (const QByteArray& zeile : VorlageZeilen(inhalt))
        bytes += zeile + "\r\n";
    return true;
}

// Copies the files `quellen` into the folder `ziel`, replacing files of the
// same name; a file already in place is left alone. Each copy is put in place
// whole, so two writers of one folder at once never leave a broken file.
// False when any copy failed.
bool KopiereDateien(const QStringList& quellen, const QString& ziel)
{
    QString verzeichnis = ziel;
    if (!verzeichnis.endsWith(QDir::separator()) && !verzeichnis.endsWith(QLatin1Char('/')))
        verzeichnis += QDir::separator();
    bool alleKopiert = true;
    for (const QString& datei : quellen) {
        const QString zieldatei = verzeichnis + QFileInfo(datei).fileName();
        if (QFileInfo(datei).absoluteFilePath() == QFileInfo(zieldatei).absoluteFilePath())
            continue;
        QFile quelle(datei);
        QSaveFile kopie(zieldatei);
        const bool kopiert = quelle.open(QIODevice::ReadOnly) && kopie.open(QIODevice::WriteOnly) &&
                             kopie.write(quelle.readAll()) == quelle.size() && kopie.commit();
        alleKopiert = kopiert && alleKopiert;
    }
    return alleKopiert;
}

} // namespace

QString Seitendatei(Spielseite seite, const QString& kuerzel)
{
    switch (seite) {
    case Spielseite::Schieben:
        return kuerzel + QStringLiteral("sp.htm");
    case Spielseite::Tauschen:
        return kuerzel + QStringLiteral("tp.htm");
    case Spielseite::Raetsel:
        break;
    }
    return kuerzel + QStringLiteral("rp.htm");
}

QString Tabellendatei(const QString& kuerzel)
{
    return kuerzel + QStringLiteral("ta.htm");
}

QStringList Antwortbilder()
{
    return {QStringLiteral("falsch.gif"), QStringLiteral("richtig.gif"), QStringLiteral("falsrich.gif")};
}

Seiteninhalt Spielseitenbytes(Spielseite art, const SeitenEingabe& eingabe, const QString& vorlagenverzeichnis)
{
    struct Vorlagen
    {
        const char* erste;
        const char* zweite;
        Seitentext (*text)(const SeitenEingabe&);
    };
    const Vorlagen v = art == Spielseite::Schieben   ? Vorlagen{"spuzv1.htm", "spuzv2.htm", SchiebeSeite}
                       : art == Spielseite::Tauschen ? Vorlagen{"tpuzv1.htm", "tpuzv2.htm", TauschSeite}
                                                     : Vorlagen{"rpuzv1.htm", "rpuzv2.htm", RaetselSeite};
    const Seitentext text = v.text(eingabe);
    Seiteninhalt ergebnis;
    for (const char* name : {v.erste, v.zweite}) {
        if (!VorlageKopieren(ergebnis.bytes, vorlagenverzeichnis + QString::fromLatin1(name))) {
            ergebnis.fehler = Seitenfehler{true, QStringLiteral("Abbruch: Vorlagedatei %1 nicht gefunden!")
                                                     .arg(QString::fromLatin1(name).toUpper())};
            return ergebnis;
        }
        ergebnis.bytes += name == v.erste ? Seitenbytes(text.Skript, Textart::Skript)
                                          : Seitenbytes(text.Koerper, Textart::Html);
    }
    return ergebnis;
}

std::optional<Seitenfehler> SchreibeSeitenbytes(const QByteArray& bytes, const QString& pfad)
{
    Seite seite;
    if (auto fehler = seite.Oeffne(pfad))
        return fehler;
    seite.Schreibe(bytes);
    return seite.Schliesse();
}

std::optional<Seitenfehler> SchreibeSpielseite(Spielseite art, const SeitenEingabe& eingabe,
                                               const QString& vorlagenverzeichnis, const QString& pfad)
{
    // A missing template leaves an earlier page of that name as it was.
    const Seiteninhalt seite = Spielseitenbytes(art, eingabe, vorlagenverzeichnis);
    if (seite.fehler)
        return seite.fehler;
    return SchreibeSeitenbytes(seite.bytes, pfad);
}

std::optional<Seitenfehler> SchreibeTabelle(const TabellenEingabe& eingabe, const QString& pfad)
{
    Seite seite;
    if (auto fehler = seite.Oeffne(pfad))
        return fehler;
    seite.Schreibe(Seitenbytes(TabellenSeite(eingabe), Textart::Html));
    return seite.Schliesse();
}

std::optional<QString> ErgaenzeAntwortbilder(const QString& vorlagenverzeichnis, const QString& ausgabeverzeichnis)
{
    QStringList fehlend;
    for (const QString& name : Antwortbilder()) {
        QFile vorhanden(ausgabeverzeichnis + name);
        if (vorhanden.open(QIODevice::ReadOnly))
            vorhanden.close();
        else
            fehlend << name;
    }
    QStringList quellen;
    for (const QString& name : std::as_const(fehlend))
        quellen << vorlagenverzeichnis + name;
    if (fehlend.isEmpty() || KopiereDateien(quellen, ausgabeverzeichnis))
        return std::nullopt;
    return QStringLiteral("Die Antwortbilder der Rätselseite (%1) können nicht nach %2 kopiert werden.")
        .arg(fehlend.join(QStringLiteral(", ")), ausgabeverzeichnis);
}

TabellenEingabe Tabelleneingabe(const Einstellungen& s, const QString& bilddatei, const QString& kuerzel,
                                int spalten, int zeilen)
{
    TabellenEingabe e;
    e.Bilddatei = bilddatei;
    e.Dateikuerzel = kuerzel;
    e.Zeilen = zeilen;
    e.Spalten = spalten;
    e.Hintergrundfarbe = s.Hintergrundfarbe;
    e.Gitterbreite = s.Gitterbreite;
    e.Bildnachweis = s.Bildnachweis;
    e.Bildbeschreibung = s.Bildbeschreibung;
    return e;
}

SeitenEingabe Seiteneingabe(const Einstellungen& s, const QString& kuerzel, int spalten, int zeilen,
                            int kachelbreite)
{
    SeitenEingabe e;
    e.Dateikuerzel = kuerzel;
    e.Zeilen = zeilen;
    e.Spalten = spalten;
    e.Hintergrundfarbe = s.Hintergrundfarbe;
    e.Gitterlinienfarbe = s.Gitterlinienfarbe;
    e.Gitterbreite = s.Gitterbreite;
    e.Ueberschrift = s.Ueberschrift;
    e.VorschauErzeugen = s.VorschauErzeugen;
    e.VorschauBreite = s.VorschauBreite;
    e.VorschauHoehe = s.VorschauHoehe;
    e.Kachelbreite = kachelbreite;
    e.ZugZeigen = s.ZugZaehler;
    e.ZeitZeigen = s.Spielzeit;
    e.LeerfeldX = s.LeerfeldX;
    e.LeerfeldY = s.LeerfeldY;
    e.Zugausgabe = s.Zugausgabe;
    e.Antworten = s.Antworten;
    e.RichtigAntwort = s.RichtigeAntwort;
    e.AntwortenUnten = s.AntwortenUnten;
    e.Bildnachweis = s.Bildnachweis;
    e.Bildbeschreibung = s.Bildbeschreibung;
    return e;
}
