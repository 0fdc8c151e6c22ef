#include "app/aufruf.h"

Aufruf LiesAufruf(const QStringList& argumente)
{
    Aufruf aufruf;
    const auto fehler = [&aufruf](const QString& text) {
        aufruf.art = Aufruf::Art::Fehler;
        aufruf.fehler = text;
        aufruf.bild.clear();
        return aufruf;
    };
    bool nurNochDateien = false;
    for (const QString& argument : argumente) {
        if (!nurNochDateien && argument == QLatin1String("--")) {
            nurNochDateien = true;
        } else if (!nurNochDateien && (argument == QLatin1String("--hilfe") || argument == QLatin1String("--help"))) {
            if (argumente.size() > 1)
                return fehler(QStringLiteral("%1 steht allein.").arg(argument));
            aufruf.art = Aufruf::Art::Hilfe;
        } else if (!nurNochDateien && argument == QLatin1String("--version")) {
            if (argumente.size() > 1)
                return fehler(QStringLiteral("--version steht allein."));
            aufruf.art = Aufruf::Art::Version;
        } else if (!nurNochDateien && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fehler(QStringLiteral("Unbekannte Option %1.").arg(argument));
        } else if (!aufruf.bild.isEmpty()) {
            return fehler(QStringLiteral("Das Programm öffnet nur ein Bild auf einmal."));
        } else {
            aufruf.bild = argument;
        }
    }
    return aufruf;
}

QString Gebrauchstext()
{
    return QStringLiteral("Aufruf: tesselo [BILD]\n"
                          "Macht aus einem Bild Schiebe-, Tausch- und Bilderrätsel-Puzzles.\n"
                          "\n"
                          "  BILD        startet mit diesem Bild (JPEG, PNG, BMP, WebP oder HEIF),\n"
                          "              wie es \"Laden\" öffnen würde\n"
                          "  --hilfe, --help  zeigt diese Hilfe\n"
                          "  --version   zeigt die Version\n");
}

QString Versionstext()
{
    return QStringLiteral("Tesselo %1\n").arg(QStringLiteral(TESSELO_VERSION));
}
