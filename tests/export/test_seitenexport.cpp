// The export commands of the main window: whole page files from templates and
// generated text, the answer pictures, the tiles, and what a failure leaves.
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "dialogs/anleitung.h"
#include "export/seitenausgabe.h"
#include "export/seitenkodierung.h"
#include "export/seitentext.h"
#include "fenster/bildfeld.h"
#include "fenster/dialoge.h"
#include "modell/sitzung.h"
#include "testhilfe.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// Small templates that exercise the line rules: a lone LF is text, byte 26
// ends the file, the last line has no line end.
const QByteArray Vorlage1("<html>\r\nA\nB\rC\r\n<script>");
const QByteArray Vorlage1Seite("<html>\r\nA\nB\r\nC\r\n<script>\r\n");
const QByteArray Vorlage2("</script>\r\n</head>\r\n\x1a" "danach");
const QByteArray Vorlage2Seite("</script>\r\n</head>\r\n");

class SeitenExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhilfe::Startwerte();
        testhilfe::StummeDialoge();
        Dialoge::Meldung = [this](QWidget*, const QString& text) { meldungen << text; };
        ASSERT_TRUE(aus.isValid() && prog.isValid());
        e.Ausgabeverzeichnis = aus.path() + QLatin1Char('/');
        modell().programmverzeichnis = prog.path() + QLatin1Char('/');
        p.kuerzel = QStringLiteral("luftbl");
        p.kacheln.zeilen = 2;
        p.kacheln.spalten = 3;
        p.kacheln.breite = 80;
        p.kacheln.teile.assign(6, testhilfe::Muster(80, 80));
        p.kacheln.gesamtbild = testhilfe::Muster(240, 160);
        e.LeerfeldX = 2;
        e.LeerfeldY = 1;
        e.Ueberschrift = QStringLiteral("Luftbild");
        e.Antworten = QStringList{QStringLiteral("Hafen"), QStringLiteral("Burg")};
        p.ausgabe.geprueft = true;
        p.ausgabe.jpegGespeichert = true;
        testhilfe::Teil<QSpinBox>(&haupt(), "SpEdBreite")->setValue(80);
        // The mosaic the written tiles are marked on.
        testhilfe::Teil<Bildfeld>(&haupt(), "ImBild")->setzeBild(testhilfe::Muster(240, 160));
        fehlerfenster()->hide();
        for (const char* name : {"spuzv1.htm", "tpuzv1.htm", "rpuzv1.htm"})
            schreibe(vorlage(name), Vorlage1);
        for (const char* name : {"spuzv2.htm", "tpuzv2.htm", "rpuzv2.htm"})
            schreibe(vorlage(name), Vorlage2);
        for (const QString& name : Antwortbilder())
            schreibe(modell().programmverzeichnis + name, "GIF89a " + name.toLatin1());
    }

    static Sitzung& modell() { return testhilfe::Modell(); }
    static Hauptfenster& haupt() { return testhilfe::Anwendung().hauptfenster(); }
    static void waehle(const char* menueintrag) { testhilfe::Teil<QAction>(&haupt(), menueintrag)->trigger(); }
    static QWidget* fehlerfenster() { return testhilfe::Fenster("Fehlerfenster"); }
    // The program's own report, as the error window shows it.
    static QString fehlertext()
    {
        return fehlerfenster()->isVisible() ? testhilfe::Teil<QLabel>(fehlerfenster(), "LaFehler")->text()
                                            : QString();
    }

    QString vorlage(const char* name) const { return modell().programmverzeichnis + QLatin1String(name); }
    QString ausgabe(const QString& name) const { return e.Ausgabeverzeichnis + name; }
    QStringList ausgabedateien() const { return QDir(aus.path()).entryList(QDir::Files, QDir::Name); }

    // The inputs the program state above stands for.
    SeitenEingabe eingabe() const
    {
        SeitenEingabe e;
        e.Dateikuerzel = QStringLiteral("luftbl");
        e.Zeilen = 2;
        e.Spalten = 3;
        e.LeerfeldX = 2;
        e.LeerfeldY = 1;
        e.Ueberschrift = QStringLiteral("Luftbild");
        e.Antworten = {QStringLiteral("Hafen"), QStringLiteral("Burg")};
        return e;
    }

    static QByteArray seite(const Seitentext& s)
    {
        return Vorlage1Seite + Seitenbytes(s.Skript, Textart::Skript) + Vorlage2Seite +
               Seitenbytes(s.Koerper, Textart::Html);
    }

    Einstellungen& e = modell().einstellungen;
    Puzzle& p = modell().puzzle;
    QTemporaryDir aus;
    QTemporaryDir prog;
    QStringList meldungen;
};

TEST_F(SeitenExport, SchiebeSeiteAusVorlagenUndSteuerelementen)
{
    e.ZugZaehler = false;
    // Changed after the cut: the pages follow the field.
    testhilfe::Teil<QSpinBox>(&haupt(), "SpEdBreite")->setValue(50);
    e.Ueberschrift = QString::fromUtf8("Gr\u00fc\u00dfe \u20ac");
    waehle("MenuSchiebeseite");

    SeitenEingabe s = eingabe();
    s.ZugZeigen = false;
    s.Kachelbreite = 50;
    s.Ueberschrift = e.Ueberschrift;
    const QByteArray datei = lies(ausgabe(QStringLiteral("luftblsp.htm")));
    EXPECT_EQ(datei, seite(SchiebeSeite(s)));
    EXPECT_TRUE(datei.contains("\r\n<h1>Gr\xfc\xdf" "e &#8364;</h1>\r\n"));
    EXPECT_TRUE(datei.contains("var ZugZeigen=false;\r\nvar ZeitZeigen=true;\r\n"));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(ausgabedateien(), QStringList{QStringLiteral("luftblsp.htm")});
}

// Named after the picture as the teacher chose it, with the folder's tiles nowhere.
TEST_F(SeitenExport, EinzeldateiUndLernpaketAusDemMenue)
{
    p.ausgabe.jpegGespeichert = false;
    p.herkunft = prog.filePath(QStringLiteral("Burg am See.jpg"));
    schreibe(p.herkunft, "JPEG");
    e.Bildnachweis = QStringLiteral("Foto: A. Muster");
    waehle("MenuEinzeldateien");
    waehle("MenuLernpaket");
    EXPECT_EQ(ausgabedateien(), (QStringList{QString::fromUtf8("Burg am See \u2013 Bilderr\u00e4tsel.html"),
                                             QString::fromUtf8("Burg am See \u2013 SCORM-Paket.zip"),
                                             QString::fromUtf8("Burg am See \u2013 Schiebepuzzle.html"),
                                             QString::fromUtf8("Burg am See \u2013 Tauschpuzzle.html")}));
    EXPECT_FALSE(p.ausgabe.jpegGespeichert);
    const QByteArray tausch = lies(ausgabe(QString::fromUtf8("Burg am See \u2013 Tauschpuzzle.html")));
    EXPECT_TRUE(tausch.contains("Bildnachweis: Foto: A. Muster"));
    EXPECT_TRUE(tausch.contains("<img src=\"data:image/jpeg;base64,"));
    EXPECT_TRUE(testhilfe::Teil<QLabel>(&haupt(), "LaStatus")->toolTip().startsWith("Gespeichert: 1 SCORM-Paket in "));
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));
}

TEST_F(SeitenExport, TauschSeiteLiestZugausgabeAusDenEinstellungen)
{
    e.ZugausgabeImSpiel = true;
    e.Zugausgabe = false; // the page reads its own setting, not the games' one
    waehle("MenuTauschseite");
    SeitenEingabe s = eingabe();
    s.Zugausgabe = false;
    EXPECT_EQ(lies(ausgabe(QStringLiteral("luftbltp.htm"))), seite(TauschSeite(s)));
}

TEST_F(SeitenExport, RaetselSeiteErgaenztNurFehlendeAntwortbilder)
{
    e.Antworten = {QStringLiteral("eins"), QStringLiteral("zwei"), QString(), QStringLiteral("vier")};
    e.RichtigeAntwort = 9;
    e.AntwortenUnten = true;
    schreibe(ausgabe(QStringLiteral("falsch.gif")), "eigenes falsch");
    schreibe(ausgabe(QStringLiteral("falsrich.gif")), "eigenes falsrich");
    waehle("MenuRaetselseite");

    SeitenEingabe s = eingabe();
    s.Antworten = e.Antworten;
    s.RichtigAntwort = 9;
    s.AntwortenUnten = true;
    EXPECT_EQ(lies(ausgabe(QStringLiteral("luftblrp.htm"))), seite(RaetselSeite(s)));
    EXPECT_EQ(lies(ausgabe(QStringLiteral("falsch.gif"))), "eigenes falsch");
    EXPECT_EQ(lies(ausgabe(QStringLiteral("falsrich.gif"))), "eigenes falsrich");
    EXPECT_EQ(lies(ausgabe(QStringLiteral("richtig.gif"))), "GIF89a richtig.gif");
    EXPECT_TRUE(meldungen.isEmpty()) << qPrintable(meldungen.join(u'\n'));

    // An answer picture that cannot be copied is told; the page and its tiles stand.
    QFile::remove(ausgabe(QStringLiteral("richtig.gif")));
    QFile::remove(vorlage("richtig.gif"));
    waehle("MenuRaetselseite");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith(QStringLiteral("Die Antwortbilder der Rätselseite (richtig.gif) können "
                                                       "nicht nach")))
        << qPrintable(meldungen[0]);
    EXPECT_TRUE(QFileInfo::exists(ausgabe(QStringLiteral("luftblrp.htm"))));
    EXPECT_TRUE(p.ausgabe.jpegGespeichert);
}

TEST_F(SeitenExport, FehlendeVorlageLaesstDieFruehereSeiteUnberuehrt)
{
    schreibe(ausgabe(QStringLiteral("luftblsp.htm")), "fruehere Seite");
    Dialoge::Ersetzen = [](QWidget*, const QString&) { return true; };
    QFile::remove(vorlage("spuzv2.htm"));
    waehle("MenuSchiebeseite");
    EXPECT_EQ(fehlertext(), QStringLiteral("Abbruch: Vorlagedatei SPUZV2.HTM nicht gefunden!"));
    EXPECT_EQ(lies(ausgabe(QStringLiteral("luftblsp.htm"))), "fruehere Seite");
    EXPECT_TRUE(p.ausgabe.geprueft);

    // No partial page and no temporary file is left behind either.
    QFile::remove(vorlage("rpuzv1.htm"));
    waehle("MenuRaetselseite");
    EXPECT_EQ(fehlertext(), QStringLiteral("Abbruch: Vorlagedatei RPUZV1.HTM nicht gefunden!"));
    EXPECT_EQ(ausgabedateien(), QStringList{QStringLiteral("luftblsp.htm")}); // nor answer pictures
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(SeitenExport, AlleSpieleUeberspringenNurDieSeiteOhneVorlage)
{
    QFile::remove(vorlage("tpuzv1.htm"));
    waehle("MenuAlleSeiten");
    EXPECT_EQ(fehlertext(), QStringLiteral("Abbruch: Vorlagedatei TPUZV1.HTM nicht gefunden!"));
    EXPECT_EQ(ausgabedateien(), (QStringList{"falsch.gif", "falsrich.gif", "luftblrp.htm", "luftblsp.htm", "richtig.gif"}));
}

TEST_F(SeitenExport, FehlenderAusgabeordnerWirdVorDemSchreibenGemeldet)
{
    e.Ausgabeverzeichnis = aus.path() + QStringLiteral("/fehlt/");
    waehle("MenuAlleSeiten");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().startsWith(
        QStringLiteral("In den Ausgabeordner %1/fehlt/ kann nicht geschrieben werden.").arg(aus.path())));
    EXPECT_TRUE(meldungen.first().contains(QStringLiteral("„Optionen“")));
    waehle("MenuTabelle");
    EXPECT_EQ(meldungen.size(), 2);
    EXPECT_TRUE(ausgabedateien().isEmpty());
    EXPECT_FALSE(QDir(aus.path() + QStringLiteral("/fehlt")).exists());
}

TEST_F(SeitenExport, DateifehlerMeldetEaFehlerUndBeendetAlleSpiele)
{
    // A page name taken by a folder: the page cannot be put in place.
    ASSERT_TRUE(QDir(aus.path()).mkdir(QStringLiteral("luftblsp.htm")));
    waehle("MenuAlleSeiten");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen.first().startsWith(QStringLiteral("E/A-Fehler ")));
    EXPECT_TRUE(ausgabedateien().isEmpty());
}

TEST_F(SeitenExport, KachelfehlerBeendetAlleSpiele)
{
    p.ausgabe.jpegGespeichert = false;
    ASSERT_TRUE(QDir(aus.path()).mkdir(QStringLiteral("luftbl1_1.jpg"))); // this tile cannot be written
    waehle("MenuAlleSeiten");
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(QFile::exists(ausgabe(QStringLiteral("luftblsp.htm"))));
    EXPECT_FALSE(QFile::exists(ausgabe(QStringLiteral("luftbltp.htm"))));
}

using testhilfe::Beantworter;

TEST_F(SeitenExport, AbbruchDerWarnungSchreibtNichts)
{
    p.ausgabe.geprueft = false;
    e.Ausgabeverzeichnis = modell().programmverzeichnis;
    const QStringList vorher = QDir(prog.path()).entryList(QDir::Files, QDir::Name);
    // Each warning is answered when it appears, however long that takes.
    int gefragt = 0;
    QWidget* warnung = testhilfe::Fenster("Programmordnerfrage");
    Beantworter abbrechen(warnung, [&gefragt, warnung] {
        ++gefragt;
        testhilfe::Teil<QPushButton>(warnung, "BuAbbrechen")->click();
    });
    waehle("MenuAlleSeiten");
    EXPECT_EQ(gefragt, 3); // every page asks again
    EXPECT_FALSE(p.ausgabe.geprueft);
    EXPECT_EQ(QDir(prog.path()).entryList(QDir::Files, QDir::Name), vorher);
}

TEST_F(SeitenExport, TabelleUndKachelnWennNochKeinJpegGespeichert)
{
    p.ausgabe.jpegGespeichert = false;
    e.VorschauErzeugen = false;
    p.bilddatei = QString::fromUtf8("/bilder/\u20ac/luftbild.bmp");
    waehle("MenuTabelle");

    TabellenEingabe t;
    t.Bilddatei = p.bilddatei;
    t.Dateikuerzel = QStringLiteral("luftbl");
    t.Zeilen = 2;
    t.Spalten = 3;
    const QByteArray datei = lies(ausgabe(QStringLiteral("luftblta.htm")));
    EXPECT_EQ(datei, Seitenbytes(TabellenSeite(t), Textart::Html));
    // The heading names the picture, not the folders it lies in.
    EXPECT_TRUE(datei.contains("<h1>Bildtabelle von luftbild.bmp</h1>"));
    EXPECT_TRUE(p.ausgabe.jpegGespeichert);
    EXPECT_EQ(ausgabedateien(), (QStringList{"luftbl0_0.jpg", "luftbl0_1.jpg", "luftbl0_2.jpg", "luftbl1_0.jpg",
                                             "luftbl1_1.jpg", "luftbl1_2.jpg", "luftblle.jpg", "luftblta.htm"}));

    // Saved once: the next page writes only itself.
    QFile::remove(ausgabe(QStringLiteral("luftbl0_0.jpg")));
    waehle("MenuSchiebeseite");
    EXPECT_FALSE(QFile::exists(ausgabe(QStringLiteral("luftbl0_0.jpg"))));
}

// The delivered templates: CR LF lines only (a lone LF would merge lines and
// end the script in a comment), plain ASCII, the script left open by the first
// template and closed by the second, and the program's instruction texts.
TEST(Vorlagen, ZeilenSkriptgrenzenUndAnleitungstexte)
{
    const QString verzeichnis = testhilfe::Bauverzeichnis();
    const struct
    {
        const char* spiel;
        QStringList anleitung;
    } spiele[] = {{"spuz", Anleitungsfenster::Text(Anleitungsfenster::Spiel::Schieben)},
                  {"tpuz", Anleitungsfenster::Text(Anleitungsfenster::Spiel::Tauschen)},
                  {"rpuz", Anleitungsfenster::Text(Anleitungsfenster::Spiel::Raetsel)}};
    for (const auto& s : spiele) {
        SCOPED_TRACE(s.spiel);
        const QByteArray v1 = lies(verzeichnis + QLatin1String(s.spiel) + QStringLiteral("v1.htm"));
        const QByteArray v2 = lies(verzeichnis + QLatin1String(s.spiel) + QStringLiteral("v2.htm"));
        ASSERT_FALSE(v1.isEmpty());
        ASSERT_FALSE(v2.isEmpty());
        for (const QByteArray& v : {v1, v2}) {
            EXPECT_EQ(v.count('\n'), v.count("\r\n"));
            EXPECT_EQ(v.count('\r'), v.count("\r\n"));
            EXPECT_FALSE(std::any_of(v.begin(), v.end(), [](char z) { return static_cast<unsigned char>(z) >= 0x80; }));
        }
        EXPECT_TRUE(v1.contains("<meta charset=\"iso-8859-1\">"));
        EXPECT_TRUE(v1.trimmed().endsWith("\r\n<script>") || v1.contains("\r\n<script>\r\n"));
        EXPECT_EQ(v1.count("<script"), 1);
        EXPECT_EQ(v1.count("</script>"), 0);
        EXPECT_TRUE(v2.endsWith("</script>\r\n</head>\r\n"));

        // var AnleitungText = [ "…", … ]; with \u escapes for the umlauts.
        const QString text = QString::fromLatin1(v1);
        const qsizetype anfang = text.indexOf(QStringLiteral("var AnleitungText = ["));
        const qsizetype ende = text.indexOf(QStringLiteral("];"), anfang);
        ASSERT_GE(anfang, 0);
        QStringList zeilen;
        const QRegularExpression eintrag(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
        for (auto treffer = eintrag.globalMatch(text.mid(anfang, ende - anfang)); treffer.hasNext();) {
            QString zeile = treffer.next().captured(1);
            const QRegularExpression flucht(QStringLiteral("\\\\u([0-9a-fA-F]{4})"));
            for (auto u = flucht.match(zeile); u.hasMatch(); u = flucht.match(zeile))
                zeile.replace(u.capturedStart(), u.capturedLength(), QChar(u.captured(1).toUShort(nullptr, 16)));
            zeilen << zeile;
        }
        EXPECT_EQ(zeilen, s.anleitung);
    }
    for (const QString& name : Antwortbilder())
        EXPECT_TRUE(lies(verzeichnis + name).startsWith("GIF89a")) << name.toStdString();
}

} // namespace
