#pragma once
// The question "HTML-Warnung" before the first write of a cut whose output
// prefix is no name fit for the web.
#include <QDialog>

class QLabel;
class QPushButton;

class Webnamenfrage : public QDialog
{
    Q_OBJECT
public:
    explicit Webnamenfrage(QWidget* parent = nullptr);

    // Asks whether to go on with the prefix `name` and waits for the answer:
    // true for "&Weiter". "&Abbrechen", Escape, the close box, or
    // the program ending while it waits say no.
    bool Frage(const QString& name);

private:
    QLabel* LaWarnung = nullptr;
    QPushButton* BuWeiter = nullptr;
    QPushButton* BuAbbrechen = nullptr;
};
