#include "app/stil.h"

#include "app/hinweis.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace {
constexpr int MenueRandBreit = 8; // horizontal padding of a menu bar item
}

Tesselostil::Tesselostil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int Tesselostil::styleHint(StyleHint hinweis, const QStyleOption* option, const QWidget* element,
                           QStyleHintReturn* rueckgabe) const
{
    if (hinweis == SH_ToolTip_WakeUpDelay)
        return Hinweisverzoegerung();
    return QProxyStyle::styleHint(hinweis, option, element, rueckgabe);
}

QSize Tesselostil::sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& groesse,
                                    const QWidget* element) const
{
    if (art == CT_MenuBarItem && !groesse.isEmpty())
        return groesse + QSize(MenueRandBreit, 6);
    return QProxyStyle::sizeFromContents(art, option, groesse, element);
}

bool LadeDeutscheStandardtexte()
{
    static QTranslator* uebersetzung = nullptr;
    if (uebersetzung)
        return true;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* neu = new QTranslator(QCoreApplication::instance());
    if (!neu->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete neu;
        return false;
    }
    QCoreApplication::installTranslator(neu);
    uebersetzung = neu;
    return true;
}
