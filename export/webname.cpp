#include "export/webname.h"

bool IstWebname(const QString& name)
{
    static const QString verboten = QStringLiteral(" #$%*/=?@\\");
    for (const QChar zeichen : name)
        if (zeichen.unicode() >= 128 || verboten.contains(zeichen))
            return false;
    return true;
}
