#include "export/fenster/programmordnerfrage.h"

#include "fenster/formular.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize Klientgroesse{302, 130};
// The question may wrap over three lines, so a long directory still shows.
constexpr QRect RectLaWarnung{8, 8, 281, 42};
constexpr QRect RectLaWarn2{8, 54, 281, 30};
constexpr QRect RectBuWeiter{24, 94, 97, 25};
constexpr QRect RectBuAbbrechen{176, 94, 97, 25};
} // namespace

Programmordnerfrage::Programmordnerfrage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Programmordnerfrage"));
    setWindowTitle(QStringLiteral("Warnung"));
    // No border icons: the question is answered by its two buttons only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Klientgroesse);

    LaWarnung = benannt(new QLabel(QStringLiteral("Ausgaverzeichnis = Programmverzeichnis"), this), "LaWarnung");
    LaWarnung->setGeometry(RectLaWarnung);
    LaWarnung->setWordWrap(true);
    LaWarnung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ZeigeAlsWarnung(LaWarnung);

    LaWarn2 = benannt(new QLabel(QStringLiteral("Das Verzeichnis kann bei den Optionen eingestellt werden."), this),
                      "LaWarn2");
    LaWarn2->setGeometry(RectLaWarn2);
    LaWarn2->setWordWrap(true);
    LaWarn2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BuWeiter = benannt(new QPushButton(QStringLiteral("&Weiter"), this), "BuWeiter");
    BuWeiter->setGeometry(RectBuWeiter);
    BuWeiter->setDefault(true);
    BuAbbrechen = benannt(new QPushButton(QStringLiteral("&Abbrechen"), this), "BuAbbrechen");
    BuAbbrechen->setGeometry(RectBuAbbrechen);
    connect(BuWeiter, &QPushButton::clicked, this, &QDialog::accept);
    connect(BuAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool Programmordnerfrage::Frage(const QString& verzeichnis)
{
    LaWarnung->setText(QStringLiteral("wirklich in ") + verzeichnis + QStringLiteral(" speichern?"));
    BuWeiter->setFocus();
    return exec() == QDialog::Accepted;
}
