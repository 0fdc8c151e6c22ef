#include "export/raetselantworten.h"

#include <QFileInfo>

namespace {
constexpr int FalscheAntworten = 4;
}

QString Antwortname(const QString& datei)
{
    QString name = QFileInfo(datei).completeBaseName();
    name.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return name.simplified();
}

Raetselantworten NamenAlsAntworten(const QStringList& dateien, qsizetype index)
{
    const QString richtig = Antwortname(dateien.value(index));
    QStringList falsche;
    for (qsizetype schritt = 1; schritt < dateien.size() && falsche.size() < FalscheAntworten; ++schritt) {
        const QString name = Antwortname(dateien[(index + schritt) % dateien.size()]);
        if (!name.isEmpty() && name.compare(richtig, Qt::CaseInsensitive) != 0 &&
            !falsche.contains(name, Qt::CaseInsensitive))
            falsche << name;
    }
    Raetselantworten ergebnis;
    ergebnis.richtig = int(index % (falsche.size() + 1)) + 1;
    ergebnis.antworten = falsche;
    ergebnis.antworten.insert(ergebnis.richtig - 1, richtig);
    return ergebnis;
}
