#include "app/aufruf.h"

#include <climits>

namespace {

// A whole number in [min, max] written in decimal, else none.
std::optional<int> Zahl(const QString& text, int min, int max)
{
    bool ok = false;
    const int wert = text.toInt(&ok);
    if (!ok || wert < min || wert > max)
        return std::nullopt;
    return wert;
}

} // namespace

Aufruf LiesAufruf(const QStringList& argumente)
{
    Aufruf aufruf;
    const auto fehler = [&aufruf](const QString& text) {
        Aufruf falsch;
        falsch.art = Aufruf::Art::Fehler;
        falsch.fehler = text;
        return falsch;
    };
    const bool export_ = !argumente.isEmpty() && argumente.first() == QLatin1String("--export");
    bool nurNochDateien = false;
    for (qsizetype i = export_ ? 1 : 0; i < argumente.size(); ++i) {
        const QString& argument = argumente[i];
        // An option's value is the next argument or follows a "=".
        const auto wert = [&](const QString& name) -> std::optional<QString> {
            if (argument.startsWith(name + QLatin1Char('=')))
                return argument.mid(name.size() + 1);
            if (argument == name && i + 1 < argumente.size())
                return argumente[++i];
            return std::nullopt;
        };
        const auto ist = [&](const char* name) {
            return argument == QLatin1String(name) || argument.startsWith(QLatin1String(name) + QLatin1Char('='));
        };
        if (nurNochDateien || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (export_) {
                if (aufruf.stapel.ordner.isEmpty() && i == 1)
                    aufruf.stapel.ordner = argument;
                else
                    aufruf.stapel.bilder << argument;
            } else if (!aufruf.bild.isEmpty()) {
                return fehler(QStringLiteral("Das Programm öffnet nur ein Bild auf einmal."));
            } else {
                aufruf.bild = argument;
            }
        } else if (argument == QLatin1String("--")) {
            nurNochDateien = true;
        } else if (argument == QLatin1String("--hilfe") || argument == QLatin1String("--help")) {
            if (argumente.size() > 1)
                return fehler(QStringLiteral("%1 steht allein.").arg(argument));
            aufruf.art = Aufruf::Art::Hilfe;
        } else if (argument == QLatin1String("--version")) {
            if (argumente.size() > 1)
                return fehler(QStringLiteral("--version steht allein."));
            aufruf.art = Aufruf::Art::Version;
        } else if (argument == QLatin1String("--export")) {
            return fehler(QStringLiteral("--export steht am Anfang, gefolgt vom Ausgabeordner."));
        } else if (!export_) {
            return fehler(QStringLiteral("Unbekannte Option %1.").arg(argument));
        } else if (ist("--breite")) {
            const auto text = wert(QStringLiteral("--breite"));
            // The largest width a cut takes is told per picture, with its reason.
            aufruf.stapel.breite = text ? Zahl(*text, 1, INT_MAX) : std::nullopt;
            if (!aufruf.stapel.breite)
                return fehler(QStringLiteral("--breite braucht eine Kachelbreite in Pixeln, mindestens 1."));
        } else if (ist("--offset")) {
            const auto text = wert(QStringLiteral("--offset"));
            const QStringList teile = text ? text->split(QLatin1Char(',')) : QStringList();
            const auto x = teile.size() == 2 ? Zahl(teile[0], INT_MIN, INT_MAX) : std::nullopt;
            const auto y = teile.size() == 2 ? Zahl(teile[1], INT_MIN, INT_MAX) : std::nullopt;
            if (!x || !y)
                return fehler(QStringLiteral("--offset braucht zwei ganze Zahlen X,Y, etwa --offset 10,20."));
            aufruf.stapel.offset = QPoint(*x, *y);
        } else if (ist("--qualitaet")) {
            const auto text = wert(QStringLiteral("--qualitaet"));
            const auto q = text ? Zahl(*text, 0, 100) : std::nullopt;
            if (!q)
                return fehler(QStringLiteral("--qualitaet braucht eine JPEG-Qualität von 0 bis 100."));
            aufruf.stapel.qualitaet = *q;
        } else if (ist("--antworten")) {
            const auto text = wert(QStringLiteral("--antworten"));
            QStringList antworten;
            for (const QString& antwort : text ? text->split(QLatin1Char(';')) : QStringList())
                if (!antwort.trimmed().isEmpty())
                    antworten << antwort.trimmed();
            if (antworten.isEmpty())
                return fehler(QStringLiteral("--antworten braucht die Antworten des Bilderrätsels, durch Semikolon "
                                             "getrennt, etwa --antworten \"Katze;Hund;Pferd\"."));
            aufruf.stapel.antworten = antworten;
        } else if (ist("--richtig")) {
            const auto text = wert(QStringLiteral("--richtig"));
            const auto nummer = text ? Zahl(*text, 1, INT_MAX) : std::nullopt;
            if (!nummer)
                return fehler(QStringLiteral("--richtig braucht die Nummer der richtigen Antwort, ab 1."));
            aufruf.stapel.richtig = *nummer;
        } else if (ist("--jobs")) {
            const auto text = wert(QStringLiteral("--jobs"));
            const auto jobs = text ? Zahl(*text, 1, 256) : std::nullopt;
            if (!jobs)
                return fehler(QStringLiteral("--jobs braucht die Zahl der Bilder, die zugleich bearbeitet werden, "
                                             "1 bis 256."));
            aufruf.stapel.jobs = *jobs;
        } else if (argument == QLatin1String("--still")) {
            aufruf.stapel.still = true;
        } else if (argument == QLatin1String("--arbeitsblatt")) {
            aufruf.stapel.arbeitsblatt = true;
        } else if (argument == QLatin1String("--einzeldatei")) {
            aufruf.stapel.einzeldatei = true;
        } else if (argument == QLatin1String("--scorm")) {
            aufruf.stapel.scorm = true;
        } else if (ist("--bildnachweis")) {
            const auto text = wert(QStringLiteral("--bildnachweis"));
            if (!text || text->trimmed().isEmpty())
                return fehler(QStringLiteral("--bildnachweis braucht Urheber, Quelle und Lizenz des Bildes, etwa "
                                             "--bildnachweis \"Foto: A. Muster, CC BY 4.0\"."));
            aufruf.stapel.bildnachweis = text->trimmed();
        } else if (ist("--beschreibung")) {
            const auto text = wert(QStringLiteral("--beschreibung"));
            if (!text || text->trimmed().isEmpty())
                return fehler(QStringLiteral("--beschreibung braucht einen kurzen Text, der das Bild beschreibt."));
            aufruf.stapel.beschreibung = text->trimmed();
        } else if (argument == QLatin1String("--ersetzen")) {
            aufruf.stapel.ersetzen = true;
        } else if (argument == QLatin1String("--unterordner")) {
            aufruf.stapel.unterordner = true;
        } else {
            return fehler(QStringLiteral("Unbekannte Option %1.").arg(argument));
        }
    }
    if (!export_)
        return aufruf;
    if (aufruf.stapel.ordner.isEmpty())
        return fehler(QStringLiteral("--export braucht einen Ausgabeordner."));
    if (aufruf.stapel.bilder.isEmpty())
        return fehler(QStringLiteral("--export braucht mindestens ein Bild."));
    if (aufruf.stapel.offset && !aufruf.stapel.breite)
        return fehler(QStringLiteral("--offset gilt nur zusammen mit --breite."));
    if (aufruf.stapel.richtig > 0 && aufruf.stapel.antworten.isEmpty())
        return fehler(QStringLiteral("--richtig gilt nur zusammen mit --antworten."));
    if (aufruf.stapel.richtig > aufruf.stapel.antworten.size())
        return fehler(QStringLiteral("--richtig %1 passt nicht zu %2 Antworten.")
                          .arg(aufruf.stapel.richtig)
                          .arg(aufruf.stapel.antworten.size()));
    aufruf.art = Aufruf::Art::Export;
    return aufruf;
}

std::optional<QString> OhneAnzeige(const QStringList& argumente, const QString& plattform, const QString& display,
                                   const QString& wayland)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString name = plattform;
    const qsizetype stelle = argumente.indexOf(QStringLiteral("-platform"));
    if (stelle >= 0 && stelle + 1 < argumente.size())
        name = argumente[stelle + 1];
    name = name.section(QLatin1Char(':'), 0, 0);
    const bool x11 = name.isEmpty() || name == QLatin1String("xcb");
    const bool wl = name.startsWith(QLatin1String("wayland"));
    if ((!x11 && !wl) || (x11 && !display.isEmpty()) || (!x11 && !wayland.isEmpty()) ||
        (name.isEmpty() && !wayland.isEmpty()))
        return std::nullopt;
    return QStringLiteral("Tesselo braucht für seine Fenster eine grafische Anzeige, und hier gibt es keine "
                          "(%1 ist nicht gesetzt).\n"
                          "Ohne Fenster schreibt „tesselo --export ORDNER BILD …“ die Puzzles; mehr zeigt "
                          "„tesselo --hilfe“.\n")
        .arg(x11 ? QStringLiteral("DISPLAY") : QStringLiteral("WAYLAND_DISPLAY"));
#else
    Q_UNUSED(argumente);
    Q_UNUSED(plattform);
    Q_UNUSED(display);
    Q_UNUSED(wayland);
    return std::nullopt;
#endif
}

QString Gebrauchstext()
{
    return QStringLiteral(
        "Aufruf: tesselo [BILD]\n"
        "        tesselo --export ORDNER [--breite N [--offset X,Y]] [--qualitaet Q]\n"
        "                [--antworten \"A;B;C\" [--richtig N]] [--ersetzen] [--unterordner]\n"
        "                [--arbeitsblatt] [--jobs N] [--still] [--einzeldatei] [--scorm]\n"
        "                [--bildnachweis TEXT] [--beschreibung TEXT] BILD...\n"
        "Macht aus einem Bild Schiebe-, Tausch- und Bilderrätsel-Puzzles.\n"
        "\n"
        "  BILD        startet mit diesem Bild (JPEG, PNG, BMP, WebP oder HEIF),\n"
        "              wie es \"Laden\" öffnen würde\n"
        "  --export ORDNER  schreibt ohne Fenster für jedes BILD die Kacheln, die drei\n"
        "              Spielseiten, die Tabellenseite und die Antwortbilder nach ORDNER\n"
        "              (ein fehlender Ordner wird angelegt); ein Ordner als BILD steht\n"
        "              für die Bilder darin\n"
        "  --breite N  Kachelbreite N Pixel statt des automatischen Gitters\n"
        "  --offset X,Y  linke obere Ecke des Gitters (sonst mittig)\n"
        "  --qualitaet Q  JPEG-Qualität der Kacheln, 0 bis 100 (sonst 85)\n"
        "  --antworten \"A;B;C\"  die Antworten des Bilderrätsels; ohne sie nimmt eine\n"
        "              Reihe von Bildern die Namen der Bilder als Antworten\n"
        "  --richtig N  Nummer der richtigen Antwort (sonst 1)\n"
        "  --arbeitsblatt  dazu ein Arbeitsblatt zum Ausdrucken (PDF): Legeplan,\n"
        "              Ausschneidebögen und Lösung\n"
        "  --einzeldatei  dazu jedes Spiel als eine HTML-Datei mit allen Bildern darin\n"
        "              (\"Burg – Schiebepuzzle.html\"), etwa für eine E-Mail\n"
        "  --scorm     dazu die drei Spiele als SCORM-Paket für Moodle, ILIAS und andere\n"
        "              Lernplattformen (\"Burg – SCORM-Paket.zip\")\n"
        "  --bildnachweis TEXT  Urheber, Quelle und Lizenz, steht unter jedem Spielfeld\n"
        "  --beschreibung TEXT  kurzer Text für Screenreader, der das Bild beschreibt\n"
        "  --ersetzen  ersetzt vorhandene Dateien gleichen Namens, die ein anderes Bild\n"
        "              schrieb; sonst wird ein solches Bild übersprungen\n"
        "  --unterordner  jedes Bild in einen eigenen Unterordner von ORDNER, benannt\n"
        "              nach dem Bild (für Fotos, deren Namen gleich beginnen)\n"
        "  --jobs N    N Bilder zugleich (sonst so viele, wie der Rechner Kerne hat)\n"
        "  --still     schreibt nur Fehler, keine Zeile je Bild\n"
        "  --hilfe, --help  zeigt diese Hilfe\n"
        "  --version   zeigt die Version\n"
        "\n"
        "Rückgabewert bei --export: 0 alle Bilder geschrieben, 1 ein Bild oder mehr\n"
        "fehlgeschlagen, 2 falscher Aufruf.\n");
}

QString Versionstext()
{
    return QStringLiteral("Tesselo %1\n").arg(QStringLiteral(TESSELO_VERSION));
}
