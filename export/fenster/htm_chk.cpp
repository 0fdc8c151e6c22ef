#include "export/fenster/htm_chk.h"

#include "app/fenster/fenster.h"
#include "export/webname.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize Klientgroesse{302, 130};
constexpr QPoint PosLaWarnung{8, 16};
constexpr QRect RectBuWeiter{24, 88, 97, 25};
constexpr QRect RectBuAbbrechen{176, 88, 97, 25};
} // namespace

TFoCheck4HtmlName::TFoCheck4HtmlName(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("HTML-Warnung"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(Klientgroesse);

    LaWarnung = new QLabel(QStringLiteral("Warnung"), this);
    LaWarnung->move(PosLaWarnung);
    QPalette rot = LaWarnung->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    LaWarnung->setPalette(rot);
    QFont fett = LaWarnung->font();
    fett.setBold(true);
    LaWarnung->setFont(fett);
    LaWarnung->adjustSize();

    BuWeiter = new QPushButton(QStringLiteral("&Weiter"), this);
    BuWeiter->setGeometry(RectBuWeiter);
    BuAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BuAbbrechen->setGeometry(RectBuAbbrechen);
    setzeAbbruchknopf(BuAbbrechen);
    connect(BuWeiter, &QPushButton::clicked, this, &TFoCheck4HtmlName::BuWeiterClick);
    connect(BuAbbrechen, &QPushButton::clicked, this, &TFoCheck4HtmlName::BuAbbrechenClick);
}

void TFoCheck4HtmlName::BuWeiterClick()
{
    antworte(true);
}

void TFoCheck4HtmlName::BuAbbrechenClick()
{
    antworte(false);
}

void TFoCheck4HtmlName::antworte(bool weiter)
{
    m_antwort = weiter;
    m_beantwortet = true;
    hide();
    emit beantwortet();
}

bool TFoCheck4HtmlName::Frage(const QString& name)
{
    LaWarnung->setText(name + QStringLiteral(" ist kein gültiger Dateiname im Web!"));
    LaWarnung->adjustSize();
    m_antwort = false;
    m_beantwortet = false;
    zeigeVorn();
    if (!m_beantwortet) {
        QEventLoop schleife;
        connect(this, &TFoCheck4HtmlName::beantwortet, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    if (!m_beantwortet)
        hide();
    return m_beantwortet && m_antwort;
}

void TFoCheck4HtmlName::closeEvent(QCloseEvent* ereignis)
{
    if (!m_beantwortet && isVisible())
        antworte(false);
    ereignis->accept();
}

bool Check4HtmlName(const QString& name)
{
    if (IstWebname(name))
        return true;
    return FoCheck4HtmlName->Frage(name);
}
