#include "export/puzzleausgabe.h"

#include "export/arbeitsblatt.h"
#include "export/arbeitsblattmasse.h"
#include "export/ausgabebuch.h"
#include "export/paketausgabe.h"
#include "export/seitenausgabe.h"
#include "export/webname.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/gitter.h"
#include "prepare/kodiertekacheln.h"
#include "prepare/kachelnamen.h"
#include "prepare/kachelsicherung.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <algorithm>
#include <span>

namespace {

using Ausgang = Ausgabeergebnis::Ausgang;

bool IstSeite(Ausgabeteil teil)
{
    return teil == Ausgabeteil::Schiebeseite || teil == Ausgabeteil::Tauschseite ||
           teil == Ausgabeteil::Raetselseite || teil == Ausgabeteil::Tabelle;
}

Spielseite SeiteVon(Ausgabeteil teil)
{
    return teil == Ausgabeteil::Schiebeseite   ? Spielseite::Schieben
           : teil == Ausgabeteil::Tauschseite ? Spielseite::Tauschen
                                              : Spielseite::Raetsel;
}

class Lauf
{
public:
    Lauf(const Puzzleauftrag& a, const Kachelsatz& k, const Einstellungen& e, Ausgabestand& s, Ausgabebuch& b,
         Ausgabefragen& f)
        : m_a(a), m_k(k), m_e(e), m_stand(s), m_buch(b), m_fragen(f), m_dateien(a.kodierteKacheln)
    {
    }

    Ausgabeergebnis Schreibe()
    {
        // A command of several parts asks once, before its first file, about
        // every file it will write.
        if (m_a.teile.size() > 1 && !Ersetzen(AlleNamen()))
            return m_ergebnis;
        for (const Ausgabeteil teil : m_a.teile) {
            if (m_ergebnis.ausgang == Ausgang::Fehler)
                break;
            if (IstSeite(teil))
                SchreibeSeite(teil);
            else if (teil == Ausgabeteil::Arbeitsblatt)
                SchreibeArbeitsblatt();
            else if (teil == Ausgabeteil::Einzeldateien)
                SchreibeEinzeldateien();
            else if (teil == Ausgabeteil::Lernpaket)
                SchreibeLernpaket();
            else
                SchreibeKacheln(teil == Ausgabeteil::KachelnBmp);
        }
        // The folder remembers whose files these are, for the next run.
        m_buch.Sichere();
        return m_ergebnis;
    }

private:
    QStringList Kacheldateien(bool bmp) const
    {
        return kachelnamen::Kacheldateien(m_a.kuerzel, m_k.spalten, m_k.zeilen, bmp, m_e.VorschauErzeugen);
    }

    // A part that carries the tiles inside follows: the tile save keeps
    // what it encodes.
    bool DateienGebraucht() const
    {
        return std::any_of(m_a.teile.begin(), m_a.teile.end(), [](Ausgabeteil teil) {
            return teil == Ausgabeteil::Arbeitsblatt || teil == Ausgabeteil::Einzeldateien ||
                   teil == Ausgabeteil::Lernpaket;
        });
    }

    // The JPEG tiles a page brings along, unless they are written.
    QStringList KachelnDerSeite() const { return m_stand.jpegGespeichert ? QStringList() : Kacheldateien(false); }

    QString Dateiname(Ausgabeteil teil) const
    {
        return teil == Ausgabeteil::Tabelle ? Tabellendatei(m_a.kuerzel) : Seitendatei(SeiteVon(teil), m_a.kuerzel);
    }

    QStringList AlleNamen() const
    {
        QStringList namen;
        bool kachelnVorher = m_stand.jpegGespeichert;
        bool seite = false;
        for (const Ausgabeteil teil : m_a.teile) {
            if (IstSeite(teil)) {
                namen << Dateiname(teil);
                seite = seite || !kachelnVorher;
            } else if (teil == Ausgabeteil::Arbeitsblatt) {
                namen << Arbeitsblattdatei(m_a.kuerzel);
            } else if (teil == Ausgabeteil::Einzeldateien) {
                namen << Einzeldateinamen();
            } else if (teil == Ausgabeteil::Lernpaket) {
                namen << Lernpaketdatei(Bildname(m_a.tabellenbild, m_a.kuerzel));
            } else {
                namen << Kacheldateien(teil == Ausgabeteil::KachelnBmp);
                kachelnVorher = kachelnVorher || teil == Ausgabeteil::KachelnJpeg;
            }
        }
        if (seite)
            namen << Kacheldateien(false);
        return namen;
    }

    // Ends the job with a problem, or goes on after one where it may.
    bool Melde(Ausgabefehler::Art art, const QString& text, const QString& datei = QString())
    {
        const bool weiter = m_fragen.Weiter({art, text, datei});
        const bool fortsetzbar = art == Ausgabefehler::Art::Vorlage || art == Ausgabefehler::Art::Antwortbilder ||
                                 art == Ausgabefehler::Art::Vorschau;
        if (weiter && fortsetzbar)
            return true;
        m_ergebnis.ausgang = Ausgang::Fehler;
        return false;
    }

    void Abgelehnt()
    {
        if (m_ergebnis.ausgang == Ausgang::Fertig)
            m_ergebnis.ausgang = Ausgang::Abgelehnt;
    }

    // The folder must take the files; the picture itself is never written
    // over; files of another picture only with the caller's word.
    bool Ersetzen(const QStringList& namen)
    {
        if (const auto fehler = m_fragen.Ordnerfehler(m_a.verzeichnis)) {
            Melde(Ausgabefehler::Art::Ordner, *fehler);
            return false;
        }
        if (const auto fehler = ausgabe::BildFehler(m_a.verzeichnis, namen, m_a.bilddateien, m_a.ausweg)) {
            Melde(Ausgabefehler::Art::Bild, *fehler);
            return false;
        }
        const QStringList fremde = m_buch.Fremde(m_a.verzeichnis, namen, m_a.herkunft);
        if (fremde.isEmpty())
            return true;
        if (!m_fragen.Ersetzen(m_a.verzeichnis, m_a.kuerzel, fremde)) {
            Abgelehnt();
            return false;
        }
        m_buch.Freigeben(m_a.verzeichnis, m_a.kuerzel, namen, m_a.herkunft);
        return true;
    }

    // What every part runs before it writes: the files, then once per cut
    // the folder and the prefix.
    bool Freigabe(const QStringList& namen)
    {
        if (!Ersetzen(namen))
            return false;
        if (m_stand.geprueft)
            return true;
        const bool erlaubt = (m_a.verzeichnis != m_a.vorlagenverzeichnis ||
                              m_fragen.InsProgrammverzeichnis(m_a.verzeichnis)) &&
                             (IstWebname(m_a.kuerzel) || m_fragen.OhneWebnamen(m_a.kuerzel));
        if (!erlaubt) {
            Abgelehnt();
            return false;
        }
        m_stand.geprueft = true;
        return true;
    }

    void Geschrieben(const QString& pfad)
    {
        m_buch.Geschrieben(pfad, m_a.herkunft);
        m_ergebnis.dateien << pfad;
    }

    void SchreibeSeite(Ausgabeteil teil)
    {
        const QString name = Dateiname(teil);
        if (!Freigabe(QStringList{name} + KachelnDerSeite()))
            return;
        const QString pfad = m_a.verzeichnis + name;
        const std::optional<Seitenfehler> fehler =
            teil == Ausgabeteil::Tabelle
                ? SchreibeTabelle(Tabelleneingabe(m_e, m_a.tabellenbild, m_a.kuerzel, m_k.spalten, m_k.zeilen), pfad)
                : SchreibeSpielseite(SeiteVon(teil),
                                     Seiteneingabe(m_e, m_a.kuerzel, m_k.spalten, m_k.zeilen, m_a.kachelbreite),
                                     m_a.vorlagenverzeichnis, pfad);
        if (fehler) {
            Melde(fehler->vorlage ? Ausgabefehler::Art::Vorlage : Ausgabefehler::Art::Seite, fehler->text, pfad);
            return;
        }
        Geschrieben(pfad);
        // The page stands; without its answer pictures it only lacks the pictures.
        if (teil == Ausgabeteil::Raetselseite)
            if (const auto fehler = ErgaenzeAntwortbilder(m_a.vorlagenverzeichnis, m_a.verzeichnis))
                if (!Melde(Ausgabefehler::Art::Antwortbilder, *fehler))
                    return;
        if (!m_stand.jpegGespeichert)
            SchreibeKacheln(false);
    }

    // The worksheet holds its tiles itself and needs no tile files.
    void SchreibeArbeitsblatt()
    {
        QString ablehnung;
        const std::optional<arbeitsblatt::Masse> masse =
            arbeitsblatt::Berechne(m_k.spalten, m_k.zeilen, &ablehnung);
        if (!masse) {
            Melde(Ausgabefehler::Art::Arbeitsblatt, ablehnung);
            return;
        }
        const QString name = Arbeitsblattdatei(m_a.kuerzel);
        if (!Freigabe({name}))
            return;
        Arbeitsblattauftrag auftrag;
        auftrag.spalten = m_k.spalten;
        auftrag.zeilen = m_k.zeilen;
        if (m_dateien)
            auftrag.dateien = m_dateien->teile;
        else
            auftrag.teile = m_k.teile;
        auftrag.ueberschrift = m_e.Ueberschrift;
        auftrag.bildnachweis = m_e.Bildnachweis;
        auftrag.blassesBild = m_e.ArbeitsblattBlassesBild;
        auftrag.loesungsmarken = m_e.ArbeitsblattLoesungsmarken;
        auftrag.saat = m_a.mischung.value_or(QRandomGenerator::global()->generate());
        auftrag.qualitaet = m_e.JPEGQualitaet;
        const QString pfad = m_a.verzeichnis + name;
        if (const auto fehler = ::SchreibeArbeitsblatt(auftrag, pfad)) {
            Melde(Ausgabefehler::Art::Arbeitsblatt, *fehler, pfad);
            return;
        }
        Geschrieben(pfad);
        // Written all the same: the teacher decides whether a wider grid is worth it.
        if (masse->Klein())
            m_fragen.Weiter({Ausgabefehler::Art::KleineTeile, arbeitsblatt::KleineTeile(*masse), pfad});
    }

    QStringList Einzeldateinamen() const
    {
        const QString bild = Bildname(m_a.tabellenbild, m_a.kuerzel);
        return {Einzeldatei(Spielseite::Schieben, bild), Einzeldatei(Spielseite::Tauschen, bild),
                Einzeldatei(Spielseite::Raetsel, bild)};
    }

    // The pictures the single files and the package carry, encoded once per job.
    const Puzzlebilder* Bilder()
    {
        if (!m_bilder) {
            m_bilder = KodierePuzzlebilder(m_k, m_e, m_a.kuerzel, m_k.breite > 0 ? m_k.breite : m_a.kachelbreite,
                                           m_a.vorlagenverzeichnis, m_dateien.get());
            if (m_bilder->fehler) {
                Melde(Ausgabefehler::Art::Kacheln, *m_bilder->fehler);
                return nullptr;
            }
            if (m_bilder->vorschauFehler && !Melde(Ausgabefehler::Art::Vorschau, *m_bilder->vorschauFehler))
                return nullptr;
            if (m_bilder->antwortFehler && !Melde(Ausgabefehler::Art::Antwortbilder, *m_bilder->antwortFehler))
                return nullptr;
        }
        return m_bilder->fehler ? nullptr : &*m_bilder;
    }

    SeitenEingabe Eingabe() const
    {
        return Seiteneingabe(m_e, m_a.kuerzel, m_k.spalten, m_k.zeilen, m_a.kachelbreite);
    }

    void SchreibeEinzeldateien()
    {
        const QStringList namen = Einzeldateinamen();
        if (!Freigabe(namen))
            return;
        const Puzzlebilder* bilder = Bilder();
        if (!bilder)
            return;
        const Spielseite seiten[] = {Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel};
        for (int i = 0; i < 3; ++i) {
            const QString pfad = m_a.verzeichnis + namen.at(i);
            const Seiteninhalt seite = Einzelseite(seiten[i], Eingabe(), bilder->dateien, m_a.vorlagenverzeichnis);
            const std::optional<Seitenfehler> fehler = seite.fehler ? seite.fehler : SchreibeSeitenbytes(seite.bytes, pfad);
            if (fehler) {
                if (!Melde(fehler->vorlage ? Ausgabefehler::Art::Vorlage : Ausgabefehler::Art::Seite, fehler->text, pfad))
                    return;
                continue;
            }
            Geschrieben(pfad);
        }
    }

    void SchreibeLernpaket()
    {
        const QString bild = Bildname(m_a.tabellenbild, m_a.kuerzel);
        const QString name = Lernpaketdatei(bild);
        if (!Freigabe({name}))
            return;
        const Puzzlebilder* bilder = Bilder();
        if (!bilder)
            return;
        const QString pfad = m_a.verzeichnis + name;
        // The platform tells packages apart by this name: one per picture and prefix.
        const QString kennung = QStringLiteral("Tesselo_") +
            QString::fromLatin1(QCryptographicHash::hash((m_a.herkunft + QLatin1Char('\n') + m_a.kuerzel).toUtf8(),
                                                         QCryptographicHash::Sha1).toHex().left(16));
        const Lernpaket paket = BaueLernpaket(Eingabe(), bilder->dateien, m_a.vorlagenverzeichnis,
                                              Lernpakettitel(m_e.Ueberschrift, bild), kennung);
        const std::optional<Seitenfehler> fehler = paket.fehler ? paket.fehler : SchreibeSeitenbytes(paket.bytes, pfad);
        if (fehler) {
            Melde(fehler->vorlage ? Ausgabefehler::Art::Vorlage : Ausgabefehler::Art::Seite, fehler->text, pfad);
            return;
        }
        Geschrieben(pfad);
    }

    void SchreibeKacheln(bool bmp)
    {
        if (const auto fehler = gitter::BreitenFehler(m_a.kachelbreite)) {
            Melde(Ausgabefehler::Art::Breite, *fehler);
            return;
        }
        if (!Freigabe(Kacheldateien(bmp)))
            return;
        // The empty tile has the width of the cut's tiles, so it always matches them.
        const int breite = m_k.breite > 0 ? m_k.breite : m_a.kachelbreite;
        QImage leerbild(breite, breite, QImage::Format_RGB32);
        leerbild.fill(Farbe(m_e.Leerfeldfarbe));
        Kachelsicherungsauftrag auftrag;
        auftrag.verzeichnis = m_a.verzeichnis;
        auftrag.kuerzel = m_a.kuerzel;
        auftrag.spalten = m_k.spalten;
        auftrag.zeilen = m_k.zeilen;
        if (bmp || !m_dateien)
            auftrag.teile = std::span<const QImage>(m_k.teile).first(size_t(m_k.Anzahl()));
        auftrag.bmp = bmp;
        auftrag.qualitaet = m_e.JPEGQualitaet;
        auftrag.leerbild = leerbild;
        auftrag.vorschau = m_e.VorschauErzeugen;
        auftrag.vorschauBreite = m_e.VorschauBreite;
        auftrag.vorschauHoehe = m_e.VorschauHoehe;
        auftrag.gesamtbild = m_k.gesamtbild;
        if (!bmp) {
            auftrag.dateien = m_dateien;
            auftrag.behalten = DateienGebraucht();
        }
        auftrag.geschrieben = [this](const QString& pfad) { Geschrieben(pfad); };
        const Kachelsicherung sicherung = SichereKacheln(auftrag);
        if (sicherung.dateien)
            m_dateien = sicherung.dateien;
        if (sicherung.fehler) {
            Melde(Ausgabefehler::Art::Kacheln, *sicherung.fehler);
            return;
        }
        m_fragen.KachelnGeschrieben();
        if (sicherung.vorschauFehler && !Melde(Ausgabefehler::Art::Vorschau, *sicherung.vorschauFehler))
            return;
        if (!bmp)
            m_stand.jpegGespeichert = true;
    }

    const Puzzleauftrag& m_a;
    const Kachelsatz& m_k;
    const Einstellungen& m_e;
    Ausgabestand& m_stand;
    Ausgabebuch& m_buch;
    Ausgabefragen& m_fragen;
    Ausgabeergebnis m_ergebnis;
    std::optional<Puzzlebilder> m_bilder;
    // The JPEG files of the tiles once encoded, for every part after.
    std::shared_ptr<const KodierteKacheln> m_dateien;
};

} // namespace

Ausgabeergebnis SchreibePuzzle(const Puzzleauftrag& auftrag, const Kachelsatz& kacheln,
                               const Einstellungen& einstellungen, Ausgabestand& stand, Ausgabebuch& buch,
                               Ausgabefragen& fragen)
{
    return Lauf(auftrag, kacheln, einstellungen, stand, buch, fragen).Schreibe();
}
