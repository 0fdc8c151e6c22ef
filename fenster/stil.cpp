#include "fenster/stil.h"

#include "fenster/hinweis.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QTranslator>

namespace {
constexpr int MenueRandBreit = 8; // horizontal padding of a menu bar item
constexpr int TitelLuecke = 3;    // gap left and right of a group's caption in its frame
constexpr int TitelEinzug = 6;    // caption's distance from the frame's left edge
constexpr qreal RahmenRundung = 2;
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

QRect Tesselostil::subControlRect(ComplexControl art, const QStyleOptionComplex* option, SubControl teil,
                                  const QWidget* element) const
{
    const QRect rechteck = QProxyStyle::subControlRect(art, option, teil, element);
    // The caption stands a little in from the frame's rounded corner.
    if (art == CC_GroupBox && teil == SC_GroupBoxLabel)
        return rechteck.translated(TitelEinzug, 0);
    return rechteck;
}

void Tesselostil::drawComplexControl(ComplexControl art, const QStyleOptionComplex* option, QPainter* maler,
                                     const QWidget* element) const
{
    // Fusion draws a group's frame below its caption; the forms place their
    // first row of controls just below a frame line through the caption, so
    // the frame is drawn there, with a gap for the caption.
    const auto* gruppe = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (art != CC_GroupBox || !gruppe || gruppe->text.isEmpty() || !(gruppe->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(art, option, maler, element);
        return;
    }
    const QRect titel = subControlRect(art, option, SC_GroupBoxLabel, element);
    QRectF rahmen = gruppe->rect;
    rahmen.setTop(titel.center().y());
    maler->save();
    maler->setClipRegion(QRegion(gruppe->rect).subtracted(titel.adjusted(-TitelLuecke, 0, TitelLuecke, 0)));
    maler->setRenderHint(QPainter::Antialiasing);
    maler->setPen(gruppe->palette.color(QPalette::Mid));
    maler->setBrush(Qt::NoBrush);
    maler->drawRoundedRect(rahmen.adjusted(0.5, 0.5, -0.5, -0.5), RahmenRundung, RahmenRundung);
    maler->restore();
    QStyleOptionGroupBox ohneRahmen(*gruppe);
    ohneRahmen.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(art, &ohneRahmen, maler, element);
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
