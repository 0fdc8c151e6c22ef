#pragma once
// Window "Warnung": asks whether to write into the program's own directory,
// where the templates lie. The caller shows it and then waits in
// WeiterSpeichern while the program keeps processing its events.
#include "app/fenster/formular.h"

class QLabel;
class QPushButton;

class TFoWarn : public Formular
{
    Q_OBJECT
public:
    explicit TFoWarn(QWidget* parent = nullptr);

    QLabel* LaWarnung = nullptr;
    QLabel* LaWarn2 = nullptr;
    QPushButton* BuWeiter = nullptr;
    QPushButton* BuAbbrechen = nullptr;

    // Each showing starts a new question: clears the answer and names the
    // output directory.
    void FormActivate();
    void BuWeiterClick();
    void BuAbbrechenClick();

    // Waits, processing events, until the question is answered; true for
    // "&Weiter" (SpeichernBestaetigt). A wait that ends without an answer
    // (the program quits) counts as "&Abbrechen".
    bool WeiterSpeichern();

signals:
    void beantwortet();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void antworte(bool weiter);

    bool m_beantwortet = false;
};
