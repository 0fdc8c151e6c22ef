#pragma once
// Window "HTML-Warnung" and the web file-name check of the output prefix.
#include "app/fenster/formular.h"

class QLabel;
class QPushButton;

class TFoCheck4HtmlName : public Formular
{
    Q_OBJECT
public:
    explicit TFoCheck4HtmlName(QWidget* parent = nullptr);

    QLabel* LaWarnung = nullptr;
    QPushButton* BuWeiter = nullptr;
    QPushButton* BuAbbrechen = nullptr;

    void BuWeiterClick();
    void BuAbbrechenClick();

    // Shows the question for an unfit name and waits, processing events,
    // until it is answered: true for "&Weiter". The close box, or a wait
    // ended by the program quitting, counts as "&Abbrechen".
    bool Frage(const QString& name);

signals:
    void beantwortet();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void antworte(bool weiter);

    bool m_beantwortet = false;
    bool m_antwort = true;
};

// True when `name` is fit for the web (at once, nothing shown) or the user
// chose "&Weiter" on FoCheck4HtmlName; false for "&Abbrechen".
bool Check4HtmlName(const QString& name);
