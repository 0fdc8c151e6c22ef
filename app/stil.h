#pragma once
// The program's look: the classic Windows style the forms were drawn for
// (group captions inside the frame line), with a compact menu bar so the
// main menu fits the window's design width.
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
};
