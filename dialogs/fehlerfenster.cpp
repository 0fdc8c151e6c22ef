#include "dialogs/fehlerfenster.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize Klientgroesse{456, 104};
constexpr QPoint Fensterort{19, 148};
constexpr QRect RectLaFehler{8, 8, 433, 41};
constexpr QRect RectBuSchliessen{336, 64, 113, 33};
} // namespace

Fehlerfenster::Fehlerfenster(QWidget* parent) : Formular(parent)
{
    setObjectName(QStringLiteral("Fehlerfenster"));
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
    LaFehler->setObjectName(QStringLiteral("LaFehler"));
    LaFehler->setGeometry(RectLaFehler);
    LaFehler->setWordWrap(true);
    LaFehler->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont fett = LaFehler->font();
    fett.setBold(true);
    LaFehler->setFont(fett);

    BuSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    BuSchliessen->setObjectName(QStringLiteral("BuSchliessen"));
    BuSchliessen->setGeometry(RectBuSchliessen);
    connect(BuSchliessen, &QPushButton::clicked, this, &QWidget::close);
    setzeAbbruchknopf(BuSchliessen);
}

void Fehlerfenster::zeige(const QString& text)
{
    LaFehler->setText(text);
    zeigeVorn();
}
