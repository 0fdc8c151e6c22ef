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
    aufruf.art = Aufruf::Art::Export;
    return aufruf;
}

QString Gebrauchstext()
{
    return QStringLiteral(
        "Aufruf: tesselo [BILD]\n"
        "        tesselo --export ORDNER [--breite N [--offset X,Y]] [--qualitaet Q]\n"
        "                [--ersetzen] [--unterordner] BILD...\n"
        "Macht aus einem Bild Schiebe-, Tausch- und Bilderrätsel-Puzzles.\n"
        "\n"
        "  BILD        startet mit diesem Bild (JPEG, PNG, BMP, WebP oder HEIF),\n"
        "              wie es \"Laden\" öffnen würde\n"
        "  --export ORDNER  schreibt ohne Fenster für jedes BILD die Kacheln, die drei\n"
        "              Spielseiten, die Tabellenseite und die Antwortbilder nach ORDNER\n"
        "              (ein fehlender Ordner wird angelegt)\n"
        "  --breite N  Kachelbreite N Pixel statt des automatischen Gitters\n"
        "  --offset X,Y  linke obere Ecke des Gitters (sonst mittig)\n"
        "  --qualitaet Q  JPEG-Qualität der Kacheln, 0 bis 100 (sonst 85)\n"
        "  --ersetzen  ersetzt vorhandene Dateien gleichen Namens; sonst wird ein\n"
        "              solches Bild übersprungen\n"
        "  --unterordner  jedes Bild in einen eigenen Unterordner von ORDNER, benannt\n"
        "              nach dem Bild (für Fotos, deren Namen gleich beginnen)\n"
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
