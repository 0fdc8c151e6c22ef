#pragma once
#include "fenster/formular.h"

class Bildfeld;
class QLabel;
class QPushButton;

// About window: a picture, three lines about the project, the version line.
class Infofenster : public Formular
{
    Q_OBJECT
public:
    explicit Infofenster(QWidget* parent = nullptr);

    // The about picture: a 200 x 200 tile mosaic with one tile slid out,
    // drawn here rather than shipped as a file.
    static QImage Infobild();

private:
    Bildfeld* ImInfo = nullptr;
    QLabel* LaAutor = nullptr;
    QLabel* LaWeb = nullptr;
    QLabel* LaEmail = nullptr;
    QLabel* LaVersion = nullptr;
    QPushButton* BuOk = nullptr;
};
