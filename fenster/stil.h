#pragma once
// The program's look: Qt's Fusion style, the same on every desktop, with a
// compact menu bar so the main menu fits the window's design width, and group
// captions in the frame line, where the forms' controls expect them.
#include <QProxyStyle>

class Tesselostil : public QProxyStyle
{
    Q_OBJECT
public:
    Tesselostil();

    int styleHint(StyleHint hinweis, const QStyleOption* option, const QWidget* element,
                  QStyleHintReturn* rueckgabe) const override;
    QSize sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& groesse,
                           const QWidget* element) const override;
    QRect subControlRect(ComplexControl art, const QStyleOptionComplex* option, SubControl teil,
                         const QWidget* element) const override;
    void drawComplexControl(ComplexControl art, const QStyleOptionComplex* option, QPainter* maler,
                            const QWidget* element) const override;
};

// Loads Qt's own German texts, so the standard dialogs (file, directory,
// colour) and the context menus of text fields speak German. Once per run;
// true when the translation was found.
bool LadeDeutscheStandardtexte();
