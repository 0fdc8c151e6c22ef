#include "export/paketausgabe.h"

#include "codecs/bildcodec.h"
#include "export/seitentext.h"
#include "export/zipdatei.h"
#include "modell/einstellungen.h"
#include "modell/puzzle.h"
#include "prepare/kachelnamen.h"
#include "prepare/kodierreihe.h"
#include "prepare/kodiertekacheln.h"
#include "prepare/schnitt.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <iterator>

namespace {

const QStringList Spielnamen{QStringLiteral("Schiebepuzzle"), QStringLiteral("Tauschpuzzle"),
                             QStringLiteral("Bilderrätsel")};
constexpr Spielseite Spiele[] = {Spielseite::Schieben, Spielseite::Tauschen, Spielseite::Raetsel};

// A file's name as a URI reference: platforms launch the page by it.
QString Href(const QString& name) { return QString::fromLatin1(QUrl::toPercentEncoding(name, "/")); }

QString LangString(const QString& text)
{
    return QStringLiteral("<imsmd:langstring xml:lang=\"de\">") + HtmlText(text) + QStringLiteral("</imsmd:langstring>");
}

// The files a game page uses besides itself.
QStringList DateienDerSeite(Spielseite seite, const SeitenEingabe& e)
{
    QStringList namen;
    for (int r = 0; r < e.Zeilen; ++r)
        for (int c = 0; c < e.Spalten; ++c)
            namen << kachelnamen::Kacheldatei(e.Dateikuerzel, c, r, false);
    if (seite != Spielseite::Tauschen)
        namen << kachelnamen::Leerbilddatei(e.Dateikuerzel);
    if (seite != Spielseite::Raetsel && e.VorschauErzeugen)
        namen << kachelnamen::Vorschaudatei(e.Dateikuerzel);
    if (seite == Spielseite::Raetsel)
        namen << Antwortbilder();
    return namen;
}

QString DatenAdresse(const QString& name, const QByteArray& bytes)
{
    const QString art = name.endsWith(QLatin1String(".gif")) ? QStringLiteral("gif") : QStringLiteral("jpeg");
    return QStringLiteral("data:image/%1;base64,").arg(art) + QString::fromLatin1(bytes.toBase64());
}

} // namespace

QString Bildname(const QString& bild, const QString& kuerzel)
{
    QString name = Dateiname(bild);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt > 0)
        name.truncate(punkt);
    return name.trimmed().isEmpty() ? kuerzel : name;
}

QString Einzeldatei(Spielseite seite, const QString& bildname)
{
    const int i = seite == Spielseite::Schieben ? 0 : seite == Spielseite::Tauschen ? 1 : 2;
    return bildname + QStringLiteral(" – ") + Spielnamen.at(i) + QStringLiteral(".html");
}

QString Lernpaketdatei(const QString& bildname) { return bildname + QStringLiteral(" – SCORM-Paket.zip"); }

namespace {

// The answer pictures, or why some are missing.
void Antwortbilderlesen(Puzzlebilder& ergebnis, const QString& vorlagenverzeichnis)
{
    QStringList fehlend;
    for (const QString& name : Antwortbilder()) {
        QFile datei(vorlagenverzeichnis + name);
        if (datei.open(QIODevice::ReadOnly))
            ergebnis.dateien.insert(name, datei.readAll());
        else
            fehlend << name;
    }
    if (!fehlend.isEmpty())
        ergebnis.antwortFehler = QStringLiteral("Die Antwortbilder der Rätselseite (%1) fehlen in %2.")
                                     .arg(fehlend.join(QStringLiteral(", ")), vorlagenverzeichnis);
}

Puzzlebilder Kodierte(const Kachelsatz& k, const QString& kuerzel, const KodierteKacheln& kodiert)
{
    Puzzlebilder ergebnis;
    for (int c = 0; c < k.spalten; ++c)
        for (int r = 0; r < k.zeilen; ++r) {
            const size_t i = size_t(c) * size_t(k.zeilen) + size_t(r);
            const QString name = kachelnamen::Kacheldatei(kuerzel, c, r, false);
            if (i >= kodiert.teile.size() || kodiert.teile[i].isEmpty()) {
                ergebnis.fehler = QStringLiteral("Das Bild %1 kann nicht als JPEG kodiert werden.").arg(name);
                return ergebnis;
            }
            ergebnis.dateien.insert(name, kodiert.teile[i]);
        }
    ergebnis.dateien.insert(kachelnamen::Leerbilddatei(kuerzel), kodiert.leerbild);
    if (kodiert.vorschau)
        ergebnis.dateien.insert(kachelnamen::Vorschaudatei(kuerzel), *kodiert.vorschau);
    ergebnis.vorschauFehler = kodiert.vorschauFehler;
    return ergebnis;
}

} // namespace

Puzzlebilder KodierePuzzlebilder(const Kachelsatz& k, const Einstellungen& e, const QString& kuerzel,
                                 int leerbreite, const QString& vorlagenverzeichnis, const KodierteKacheln* kodiert)
{
    if (kodiert) {
        Puzzlebilder ergebnis = Kodierte(k, kuerzel, *kodiert);
        if (!ergebnis.fehler)
            Antwortbilderlesen(ergebnis, vorlagenverzeichnis);
        return ergebnis;
    }
    Puzzlebilder ergebnis;
    const std::vector<kachelnamen::Kachel> folge = kachelnamen::Speicherfolge(kuerzel, k.spalten, k.zeilen, false);
    std::vector<QImage> bilder;
    for (const kachelnamen::Kachel& kachel : folge)
        bilder.push_back(k.teile.at(size_t(kachel.spalte) * size_t(k.zeilen) + size_t(kachel.zeile)));
    QImage leer(leerbreite, leerbreite, QImage::Format_RGB32);
    leer.fill(Farbe(e.Leerfeldfarbe));
    bilder.push_back(leer);
    ergebnis.vorschauFehler = e.VorschauErzeugen ? schnitt::VorschauFehler(e.VorschauBreite, e.VorschauHoehe)
                                                 : std::nullopt;
    const bool vorschau = e.VorschauErzeugen && !ergebnis.vorschauFehler;
    if (vorschau)
        bilder.push_back(schnitt::Vorschaubild(k.gesamtbild, e.VorschauBreite, e.VorschauHoehe));

    QStringList namen;
    for (const kachelnamen::Kachel& kachel : folge)
        namen << kachel.datei;
    namen << kachelnamen::Leerbilddatei(kuerzel);
    if (vorschau)
        namen << kachelnamen::Vorschaudatei(kuerzel);
    Kodierreihe reihe(std::move(bilder), [q = e.JPEGQualitaet](const QImage& bild) {
        return bildcodec::KodiereJpeg(bild, q);
    });
    for (qsizetype i = 0; i < namen.size(); ++i) {
        const std::optional<QByteArray> bytes = reihe.Hole(size_t(i));
        if (!bytes) {
            ergebnis.fehler = QStringLiteral("Das Bild %1 kann nicht als JPEG kodiert werden.").arg(namen.at(i));
            return ergebnis;
        }
        ergebnis.dateien.insert(namen.at(i), *bytes);
    }
    Antwortbilderlesen(ergebnis, vorlagenverzeichnis);
    return ergebnis;
}

Seiteninhalt Einzelseite(Spielseite seite, SeitenEingabe eingabe, const Bilddateien& bilder,
                         const QString& vorlagenverzeichnis)
{
    eingabe.VorschauErzeugen = eingabe.VorschauErzeugen && bilder.contains(kachelnamen::Vorschaudatei(eingabe.Dateikuerzel));
    for (const QString& name : DateienDerSeite(seite, eingabe))
        if (bilder.contains(name))
            eingabe.Bildadressen.insert(name, DatenAdresse(name, bilder.value(name)));
    return Spielseitenbytes(seite, eingabe, vorlagenverzeichnis);
}

QString Lernpakettitel(const QString& ueberschrift, const QString& bildname)
{
    // The heading is HTML as typed: its text without tags and references.
    QString text = ueberschrift;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    static const QRegularExpression verweis(QStringLiteral("&(#\\d+|#x[0-9a-fA-F]+|amp|lt|gt|quot|apos|nbsp);"));
    for (auto t = verweis.match(text); t.hasMatch(); t = verweis.match(text, t.capturedStart() + 1)) {
        const QString n = t.captured(1);
        const char32_t z = n == QLatin1String("amp")    ? U'&'
                           : n == QLatin1String("lt")   ? U'<'
                           : n == QLatin1String("gt")   ? U'>'
                           : n == QLatin1String("quot") ? U'"'
                           : n == QLatin1String("apos") ? U'\''
                           : n == QLatin1String("nbsp") ? U' '
                           : n.startsWith(QLatin1String("#x")) ? char32_t(n.mid(2).toUInt(nullptr, 16))
                                                                : char32_t(n.mid(1).toUInt());
        text.replace(t.capturedStart(), t.capturedLength(), QString::fromUcs4(&z, 1));
    }
    text = text.simplified();
    return text.isEmpty() ? bildname : text;
}

QByteArray Lernpaketmanifest(const Lernpaketangaben& a)
{
    QStringList z;
    z << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
      << QStringLiteral("<manifest identifier=\"%1\" version=\"1.0\"").arg(HtmlText(a.kennung))
      << QStringLiteral("    xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"")
      << QStringLiteral("    xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_rootv1p2\"")
      << QStringLiteral("    xmlns:imsmd=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"")
      << QStringLiteral("    xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"")
      << QStringLiteral("    xsi:schemaLocation=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd "
                        "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd "
                        "http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd\">")
      << QStringLiteral("  <metadata>") << QStringLiteral("    <schema>ADL SCORM</schema>")
      << QStringLiteral("    <schemaversion>1.2</schemaversion>") << QStringLiteral("    <imsmd:lom>")
      << QStringLiteral("      <imsmd:general>")
      << QStringLiteral("        <imsmd:title>") + LangString(a.titel) + QStringLiteral("</imsmd:title>")
      << QStringLiteral("        <imsmd:language>de</imsmd:language>");
    if (!a.bildbeschreibung.isEmpty())
        z << QStringLiteral("        <imsmd:description>") + LangString(a.bildbeschreibung) +
                 QStringLiteral("</imsmd:description>");
    z << QStringLiteral("      </imsmd:general>");
    if (!a.bildnachweis.isEmpty())
        z << QStringLiteral("      <imsmd:rights>")
          << QStringLiteral("        <imsmd:description>") + LangString(QStringLiteral("Bildnachweis: ") + a.bildnachweis) +
                 QStringLiteral("</imsmd:description>")
          << QStringLiteral("      </imsmd:rights>");
    z << QStringLiteral("    </imsmd:lom>") << QStringLiteral("  </metadata>")
      << QStringLiteral("  <organizations default=\"Spiele\">")
      << QStringLiteral("    <organization identifier=\"Spiele\">")
      << QStringLiteral("      <title>") + HtmlText(a.titel) + QStringLiteral("</title>");
    for (size_t i = 0; i < a.spiele.size(); ++i)
        z << QStringLiteral("      <item identifier=\"Spiel%1\" identifierref=\"Seite%1\">").arg(i + 1)
          << QStringLiteral("        <title>") + HtmlText(a.spiele[i].titel) + QStringLiteral("</title>")
          << QStringLiteral("      </item>");
    z << QStringLiteral("    </organization>") << QStringLiteral("  </organizations>") << QStringLiteral("  <resources>");
    for (size_t i = 0; i < a.spiele.size(); ++i) {
        z << QStringLiteral("    <resource identifier=\"Seite%1\" type=\"webcontent\" adlcp:scormtype=\"sco\" href=\"%2\">")
                 .arg(i + 1)
                 .arg(HtmlText(Href(a.spiele[i].seite)));
        for (const QString& datei : a.spiele[i].dateien)
            z << QStringLiteral("      <file href=\"%1\"/>").arg(HtmlText(Href(datei)));
        z << QStringLiteral("    </resource>");
    }
    z << QStringLiteral("  </resources>") << QStringLiteral("</manifest>") << QString();
    return z.join(QLatin1Char('\n')).toUtf8();
}

Lernpaket BaueLernpaket(const SeitenEingabe& eingabe, const Bilddateien& bilder, const QString& vorlagenverzeichnis,
                        const QString& titel, const QString& kennung)
{
    SeitenEingabe e = eingabe;
    e.VorschauErzeugen = e.VorschauErzeugen && bilder.contains(kachelnamen::Vorschaudatei(e.Dateikuerzel));
    Lernpaketangaben angaben;
    angaben.kennung = kennung;
    angaben.titel = titel;
    angaben.bildnachweis = e.Bildnachweis;
    angaben.bildbeschreibung = e.Bildbeschreibung;
    Lernpaket paket;
    QMap<QString, QByteArray> seiten;
    for (size_t i = 0; i < std::size(Spiele); ++i) {
        const QString name = Seitendatei(Spiele[i], e.Dateikuerzel);
        const Seiteninhalt seite = Spielseitenbytes(Spiele[i], e, vorlagenverzeichnis);
        if (seite.fehler) {
            paket.fehler = seite.fehler;
            return paket;
        }
        seiten.insert(name, seite.bytes);
        QStringList dateien{name};
        for (const QString& datei : DateienDerSeite(Spiele[i], e))
            if (bilder.contains(datei))
                dateien << datei;
        angaben.spiele.push_back({Spielnamen.at(qsizetype(i)), name, dateien});
    }
    Zipdatei zip;
    zip.Fuege(QStringLiteral("imsmanifest.xml"), Lernpaketmanifest(angaben), true);
    for (auto s = seiten.cbegin(); s != seiten.cend(); ++s)
        zip.Fuege(s.key(), s.value(), true);
    for (auto b = bilder.cbegin(); b != bilder.cend(); ++b)
        zip.Fuege(b.key(), b.value(), false);
    paket.bytes = zip.Bytes();
    return paket;
}
