#include "export/stapel.h"

#include "codecs/bildcodec.h"
#include "codecs/jpegstrom.h"
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "export/raetselantworten.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/bildformate.h"
#include "prepare/gitter.h"
#include "prepare/kachelnamen.h"
#include "prepare/ladung.h"
#include "prepare/schnitt.h"
#include "prepare/stromschnitt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Makes the folder when it is missing; why nothing can be written into it.
std::optional<QString> OrdnerBereit(const QString& verzeichnis)
{
    if (!QFileInfo::exists(verzeichnis) && !QDir().mkpath(verzeichnis)) {
        // The reason lies with the nearest part of the path that exists.
        QString vorhanden = QDir::cleanPath(verzeichnis);
        while (!QFileInfo::exists(vorhanden) && QFileInfo(vorhanden).absolutePath() != vorhanden)
            vorhanden = QFileInfo(vorhanden).absolutePath();
        return QStringLiteral("Der Ordner %1 kann nicht angelegt werden. %2: %3")
            .arg(verzeichnis, QDir::toNativeSeparators(vorhanden),
                 ausgabe::OrdnerGrund(vorhanden).value_or(QStringLiteral("Es fehlt die Berechtigung.")));
    }
    if (const auto grund = ausgabe::OrdnerGrund(verzeichnis))
        return QStringLiteral("In den Ordner %1 kann nicht geschrieben werden. %2").arg(verzeichnis, *grund);
    return std::nullopt;
}

// The job's questions answered from the command line's options: nobody is
// asked, and what a window would ask about ends up in the picture's line.
class Optionsantworten : public Ausgabefragen
{
public:
    explicit Optionsantworten(bool ersetzen) : m_ersetzen(ersetzen) {}

    // A missing folder is made (a picture's own folder with --unterordner).
    std::optional<QString> Ordnerfehler(const QString& verzeichnis) override { return OrdnerBereit(verzeichnis); }
    bool Ersetzen(const QString& verzeichnis, const QString& kuerzel, const QStringList& fremde) override
    {
        if (!m_ersetzen)
            meldung = QStringLiteral("übersprungen. %1 Mit --ersetzen werden sie ersetzt, mit --unterordner bekommt "
                                     "jedes Bild einen eigenen Ordner.")
                          .arg(ausgabe::Vorhandene(verzeichnis, kuerzel, fremde));
        return m_ersetzen;
    }
    // The command line writes where it is told.
    bool InsProgrammverzeichnis(const QString&) override { return true; }
    bool OhneWebnamen(const QString& kuerzel) override
    {
        hinweis = QStringLiteral("%1 ist kein gültiger Dateiname im Web!").arg(kuerzel);
        return true;
    }
    // A picture is written whole or reported: every problem ends it; a mere
    // note goes into the picture's line.
    bool Weiter(const Ausgabefehler& fehler) override
    {
        if (fehler.art == Ausgabefehler::Art::KleineTeile) {
            hinweis = hinweis.isEmpty() ? fehler.text : hinweis + QStringLiteral("; ") + fehler.text;
            return true;
        }
        meldung = fehler.datei.isEmpty() ? fehler.text : QStringLiteral("%1: %2").arg(fehler.datei, fehler.text);
        return false;
    }

    QString meldung; // why the picture was not (completely) written
    QString hinweis;

private:
    bool m_ersetzen;
};

// One picture of the batch, with all that is known of it before it is read.
struct Bild
{
    QString anzeige; // as the command line named it (a folder's pictures under the folder's name)
    QString pfad;    // absolute, in native separators
    QString verzeichnis;
    QString kuerzel;
    QStringList antworten; // none: the sample answers
    int richtig = 1;
};

// One picture's puzzle: its line, or the German message why it is not
// (completely) written.
struct Bildergebnis
{
    bool geschrieben = false;
    QString text;
};

Bildergebnis ExportiereBild(const Stapelauftrag& stapel, const QString& vorlagenverzeichnis, const Bild& b,
                            Ausgabebuch& buch)
{
    // A JPEG is cut while it is decoded and never held whole; the other
    // formats' readers give only the whole picture.
    QString fehler;
    bildcodec::JpegLeser jpeg;
    std::optional<QImage> bild;
    if (ladung::IstJpeg(b.pfad)) {
        if (!jpeg.OeffneDatei(b.pfad, &fehler))
            return {false, fehler};
    } else {
        bild = bildcodec::LeseBild(b.pfad, &fehler);
        if (!bild)
            return {false, fehler};
    }
    const QSize groesse = bild ? bild->size() : jpeg.Aufrecht();
    const std::optional<Gitter> g = !stapel.breite ? gitter::AutoGitter(groesse)
                                    : stapel.offset ? Gitter{stapel.offset->x(), stapel.offset->y(), *stapel.breite}
                                                    : gitter::Zentriert(groesse, *stapel.breite);
    if (!g)
        return {false, gitter::KeinGanzesTeil(groesse)};
    if (auto schnittfehler = gitter::SchnittFehler(groesse, *g, gitter::Gitterwahl::Befehlszeile))
        return {false, *schnittfehler};

    Puzzleauftrag auftrag;
    auftrag.verzeichnis = b.verzeichnis;
    auftrag.vorlagenverzeichnis = vorlagenverzeichnis;
    auftrag.kuerzel = b.kuerzel;
    auftrag.herkunft = b.pfad;
    auftrag.bilddateien = {b.pfad};
    auftrag.ausweg = QStringLiteral("Das Puzzle gehört in einen anderen Ordner.");
    auftrag.tabellenbild = b.pfad;
    auftrag.kachelbreite = g->breite;
    auftrag.teile = {Ausgabeteil::KachelnJpeg, Ausgabeteil::Schiebeseite, Ausgabeteil::Tauschseite,
                     Ausgabeteil::Raetselseite, Ausgabeteil::Tabelle};
    if (stapel.arbeitsblatt)
        auftrag.teile.push_back(Ausgabeteil::Arbeitsblatt);
    if (stapel.einzeldatei)
        auftrag.teile.push_back(Ausgabeteil::Einzeldateien);
    if (stapel.scorm)
        auftrag.teile.push_back(Ausgabeteil::Lernpaket);
    Einstellungen einstellungen;
    einstellungen.JPEGQualitaet = stapel.qualitaet;
    einstellungen.Bildnachweis = stapel.bildnachweis;
    einstellungen.Bildbeschreibung = stapel.beschreibung;
    if (!b.antworten.isEmpty()) {
        einstellungen.Antworten = b.antworten;
        einstellungen.RichtigeAntwort = b.richtig;
    }
    // A portrait picture turns the preview, as loading it in the program does.
    PasseVorschauAn(einstellungen, groesse);
    Kachelsatz kacheln;
    if (bild) {
        kacheln = schnitt::Zerschneide(*bild, *g, Farbe(einstellungen.Hintergrundfarbe));
    } else {
        stromschnitt::Auftrag strom;
        strom.gitter = *g;
        strom.hintergrund = Farbe(einstellungen.Hintergrundfarbe);
        strom.qualitaet = einstellungen.JPEGQualitaet;
        strom.leerfarbe = Farbe(einstellungen.Leerfeldfarbe);
        strom.vorschau = einstellungen.VorschauErzeugen;
        strom.vorschauBreite = einstellungen.VorschauBreite;
        strom.vorschauHoehe = einstellungen.VorschauHoehe;
        stromschnitt::Ergebnis geschnitten = stromschnitt::Schneide(jpeg, strom);
        if (!geschnitten.fehler.isEmpty())
            return {false, geschnitten.fehler};
        kacheln = std::move(geschnitten.kacheln);
        auftrag.kodierteKacheln = std::move(geschnitten.dateien);
    }
    Ausgabestand stand;
    Optionsantworten antworten(stapel.ersetzen);
    const Ausgabeergebnis ergebnis = SchreibePuzzle(auftrag, kacheln, einstellungen, stand, buch, antworten);
    if (ergebnis.ausgang != Ausgabeergebnis::Ausgang::Fertig)
        return {false, antworten.meldung};

    // What is left of the picture's own earlier puzzle (tiles of another
    // grid) goes; nothing of another picture's.
    QStringList geschrieben;
    for (const QString& datei : ergebnis.dateien)
        geschrieben << QFileInfo(datei).fileName();
    if (!buch.RaeumeAuf(auftrag.verzeichnis, auftrag.kuerzel, auftrag.herkunft, geschrieben).isEmpty())
        buch.Sichere();

    QStringList hinweise;
    if (!antworten.hinweis.isEmpty())
        hinweise << antworten.hinweis;
    if (b.antworten.isEmpty())
        hinweise << QStringLiteral("das Bilderrätsel fragt mit den Beispielantworten, eigene mit --antworten");
    return {true, QStringLiteral("%1 x %2 Teile zu %3 Pixeln, %4 Dateien%5%6")
                      .arg(kacheln.spalten)
                      .arg(kacheln.zeilen)
                      .arg(g->breite)
                      .arg(ergebnis.dateien.size())
                      .arg(stapel.unterordner ? QStringLiteral(" in ") + auftrag.verzeichnis : QString())
                      .arg(hinweise.isEmpty() ? QString()
                                              : QStringLiteral(" (Hinweis: %1)").arg(hinweise.join(QStringLiteral("; "))))};
}

// The pictures the command line names, a folder standing for its pictures;
// `leer` hears the folders that hold none.
QList<Bild> Bilder(const Stapelauftrag& stapel, const QString& verzeichnis, QStringList* leer)
{
    QList<Bild> bilder;
    for (const QString& argument : stapel.bilder) {
        const QFileInfo info(argument);
        QStringList anzeigen{argument};
        if (info.isDir()) {
            anzeigen.clear();
            const QStringList namen =
                QDir(argument).entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
            for (const QString& name : namen)
                if (bildformate::IstBild(name))
                    anzeigen << QDir(argument).filePath(name);
            if (anzeigen.isEmpty())
                *leer << argument;
        }
        for (const QString& anzeige : std::as_const(anzeigen)) {
            Bild bild;
            bild.anzeige = anzeige;
            bild.pfad = ladung::Herkunft(anzeige);
            bild.verzeichnis =
                stapel.unterordner ? verzeichnis + ladung::MitTrenner(QFileInfo(anzeige).completeBaseName()) : verzeichnis;
            bild.kuerzel = kachelnamen::Dateikuerzel(QFileInfo(anzeige).fileName());
            bilder << bild;
        }
    }
    // Answers of the command line; else a batch asks for its pictures' names.
    QStringList pfade;
    for (const Bild& bild : std::as_const(bilder))
        pfade << bild.pfad;
    for (qsizetype i = 0; i < bilder.size(); ++i) {
        if (!stapel.antworten.isEmpty()) {
            bilder[i].antworten = stapel.antworten;
            bilder[i].richtig = std::max(stapel.richtig, 1);
        } else if (bilder.size() > 1) {
            const Raetselantworten namen = NamenAlsAntworten(pfade, i);
            bilder[i].antworten = namen.antworten;
            bilder[i].richtig = namen.richtig;
        }
    }
    return bilder;
}

// Memory for the pictures being read at once: a picture waits while others
// hold so much that it would not fit; one alone always goes, whatever it
// needs. What a laptop with 4 GiB can give a batch beside a browser.
class Speicherkonto
{
public:
    static constexpr qint64 Budget = qint64(1536) << 20;

    void Nimm(qint64 bytes)
    {
        std::unique_lock sperre(m_sperre);
        m_frei.wait(sperre, [&] { return m_belegt == 0 || m_belegt + bytes <= Budget; });
        m_belegt += bytes;
    }
    void Gib(qint64 bytes)
    {
        {
            const std::lock_guard sperre(m_sperre);
            m_belegt -= bytes;
        }
        m_frei.notify_all();
    }

private:
    std::mutex m_sperre;
    std::condition_variable m_frei;
    qint64 m_belegt = 0;
};

// What reading and writing the picture in `pfad` will take at most: the
// decoded picture and room for its tiles and pages.
qint64 Speicherbedarf(const QString& pfad)
{
    constexpr qint64 Grundbedarf = qint64(64) << 20;
    const std::optional<QSize> masse = bildcodec::LeseMasse(pfad);
    return Grundbedarf + (masse ? qint64(masse->width()) * masse->height() * 4 : 0);
}

} // namespace

QString Fortschrittstext(int fertig, int gesamt, qint64 vergangenMs)
{
    QString text = QStringLiteral("%1 von %2 %3").arg(fertig).arg(gesamt).arg(gesamt == 1 ? "Bild" : "Bildern");
    if (fertig < 1 || fertig >= gesamt)
        return text;
    const qint64 rest = vergangenMs * (gesamt - fertig) / fertig / 1000; // seconds
    if (rest < 55)
        return text + QStringLiteral(", noch etwa %1 Sekunden").arg(std::max<qint64>(5, (rest + 4) / 5 * 5));
    const qint64 minuten = (rest + 30) / 60;
    return text + (minuten == 1 ? QStringLiteral(", noch etwa 1 Minute")
                                : QStringLiteral(", noch etwa %1 Minuten").arg(minuten));
}

int Stapelexport(const Stapelauftrag& auftrag, const QString& vorlagenverzeichnis, const Stapelmeldungen& meldungen)
{
    const QString verzeichnis = ladung::MitTrenner(QFileInfo(auftrag.ordner).absoluteFilePath());
    if (const auto ordnerfehler = OrdnerBereit(verzeichnis)) {
        meldungen.fehler(*ordnerfehler);
        return 1;
    }
    QStringList leer;
    const QList<Bild> bilder = Bilder(auftrag, verzeichnis, &leer);
    int ergebnis = 0;
    for (const QString& ordner : std::as_const(leer)) {
        meldungen.fehler(QStringLiteral("%1: Der Ordner enthält keine Bilder, die Tesselo liest (%2).")
                             .arg(ordner, bildformate::Aufzaehlung()));
        ergebnis = 1;
    }

    // Pictures whose files could meet go in one queue, in the given order.
    QList<QList<qsizetype>> schlangen;
    QHash<QString, qsizetype> schlangeVon;
    for (qsizetype i = 0; i < bilder.size(); ++i) {
        const QString schluessel = bilder[i].verzeichnis + QLatin1Char('\n') + bilder[i].kuerzel;
        if (!schlangeVon.contains(schluessel)) {
            schlangeVon.insert(schluessel, schlangen.size());
            schlangen.append(QList<qsizetype>());
        }
        schlangen[schlangeVon.value(schluessel)] << i;
    }

    Ausgabebuch buch;
    Speicherkonto speicher;
    std::mutex sperre;
    std::condition_variable fertig;
    std::vector<std::optional<Bildergebnis>> ergebnisse(size_t(bilder.size()));
    qsizetype naechsteSchlange = 0;
    const auto arbeite = [&] {
        for (;;) {
            qsizetype schlange = 0;
            {
                const std::lock_guard s(sperre);
                if (naechsteSchlange >= schlangen.size())
                    return;
                schlange = naechsteSchlange++;
            }
            for (const qsizetype i : std::as_const(schlangen[schlange])) {
                const qint64 bedarf = Speicherbedarf(bilder[i].pfad);
                speicher.Nimm(bedarf);
                Bildergebnis b = ExportiereBild(auftrag, vorlagenverzeichnis, bilder[i], buch);
                speicher.Gib(bedarf);
                {
                    const std::lock_guard s(sperre);
                    ergebnisse[size_t(i)] = std::move(b);
                }
                fertig.notify_all();
            }
        }
    };
    const int jobs = int(std::min<qsizetype>(auftrag.jobs > 0 ? auftrag.jobs : std::max(1, QThread::idealThreadCount()),
                                             schlangen.size()));
    std::vector<std::thread> arbeiter;
    for (int j = 0; j < jobs; ++j)
        arbeiter.emplace_back(arbeite);

    // The lines in the order of the command line, each as soon as it and all
    // before it are done; the progress after each line and whenever another
    // picture is done meanwhile. Called with `sperre` held.
    QElapsedTimer uhr;
    uhr.start();
    const auto zeigeFortschritt = [&](std::unique_lock<std::mutex>& s) {
        if (!meldungen.fortschritt)
            return;
        const int erledigt =
            int(std::count_if(ergebnisse.begin(), ergebnisse.end(), [](const auto& e) { return e.has_value(); }));
        s.unlock();
        meldungen.fortschritt(erledigt, int(bilder.size()), uhr.elapsed());
        s.lock();
    };
    for (qsizetype i = 0; i < bilder.size(); ++i) {
        Bildergebnis b;
        {
            std::unique_lock s(sperre);
            while (!ergebnisse[size_t(i)]) {
                fertig.wait(s);
                if (!ergebnisse[size_t(i)])
                    zeigeFortschritt(s);
            }
            b = *ergebnisse[size_t(i)];
        }
        if (b.geschrieben) {
            meldungen.zeile(QStringLiteral("%1: %2").arg(bilder[i].anzeige, b.text));
        } else {
            meldungen.fehler(QStringLiteral("%1: %2").arg(bilder[i].anzeige, b.text));
            ergebnis = 1;
        }
        if (i + 1 < bilder.size()) {
            std::unique_lock s(sperre);
            zeigeFortschritt(s);
        }
    }
    for (std::thread& t : arbeiter)
        t.join();
    return ergebnis;
}
