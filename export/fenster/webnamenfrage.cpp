#include "export/fenster/webnamenfrage.h"

#include "fenster/formular.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize Klientgroesse{302, 130};
constexpr QPoint PosLaWarnung{8, 16};
constexpr QRect RectBuWeiter{24, 88, 97, 25};
constexpr QRect RectBuAbbrechen{176, 88, 97, 25};
} // namespace

Webnamenfrage::Webnamenfrage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Webnamenfrage"));
    setWindowTitle(QStringLiteral("HTML-Warnung"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Klientgroesse);

    LaWarnung = benannt(new QLabel(QStringLiteral("Warnung"), this), "LaWarnung");
    LaWarnung->move(PosLaWarnung);
    ZeigeAlsWarnung(LaWarnung);
    LaWarnung->adjustSize();

    BuWeiter = benannt(new QPushButton(QStringLiteral("&Weiter"), this), "BuWeiter");
    BuWeiter->setGeometry(RectBuWeiter);
    BuAbbrechen = benannt(new QPushButton(QStringLiteral("&Abbrechen"), this), "BuAbbrechen");
    BuAbbrechen->setGeometry(RectBuAbbrechen);
    connect(BuWeiter, &QPushButton::clicked, this, &QDialog::accept);
    connect(BuAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool Webnamenfrage::Frage(const QString& name)
{
    LaWarnung->setText(name + QStringLiteral(" ist kein gültiger Dateiname im Web!"));
    LaWarnung->adjustSize();
    BuWeiter->setFocus();
    return exec() == QDialog::Accepted;
}
