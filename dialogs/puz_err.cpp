#include "dialogs/puz_err.h"

#include "app/puz_var.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize Klientgroesse{456, 104};
constexpr QPoint Fensterort{19, 148};
constexpr QRect RectLaFehler{8, 8, 433, 41};
constexpr QRect RectBuSchliessen{336, 64, 113, 33};
} // namespace

TFoFehler::TFoFehler(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("Fehler"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Klientgroesse);
    move(Fensterort);
    QPalette rot = palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    setPalette(rot);

    LaFehler = new QLabel(QStringLiteral("Fehler"), this);
    LaFehler->setGeometry(RectLaFehler);
    LaFehler->setWordWrap(true);
    LaFehler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont fett = LaFehler->font();
    fett.setBold(true);
    LaFehler->setFont(fett);

    BuSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    BuSchliessen->setGeometry(RectBuSchliessen);
    connect(BuSchliessen, &QPushButton::clicked, this, &TFoFehler::BuSchliessenClick);
    setzeAbbruchknopf(BuSchliessen);
}

void TFoFehler::FormShow()
{
    LaFehler->setText(puz_var::Fehlertext);
}

void TFoFehler::showEvent(QShowEvent* ereignis)
{
    FormShow();
    Formular::showEvent(ereignis);
}
