#pragma once
// The question "Warnung" before the first write of a cut into the program's
// own folder, where the templates lie.
#include <QDialog>

class QLabel;
class QPushButton;

class Programmordnerfrage : public QDialog
{
    Q_OBJECT
public:
    explicit Programmordnerfrage(QWidget* parent = nullptr);

    // Asks whether to write into `verzeichnis` and waits for the answer:
    // true for "&Weiter". "&Abbrechen", Escape, or the program ending while
    // it waits say no.
    bool Frage(const QString& verzeichnis);

private:
    QLabel* LaWarnung = nullptr;
    QLabel* LaWarn2 = nullptr;
    QPushButton* BuWeiter = nullptr;
    QPushButton* BuAbbrechen = nullptr;
};
