#include "export/fenster/puz_warn.h"

#include "app/puz_var.h"

#include <QCloseEvent>
#include <QEventLoop>
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

TFoWarn::TFoWarn(QWidget* parent) : Formular(parent)
{
    setWindowTitle(QStringLiteral("Warnung"));
    // No border icons: the question is answered by its two buttons only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(Klientgroesse);

    LaWarnung = new QLabel(QStringLiteral("Ausgaverzeichnis = Programmverzeichnis"), this);
    LaWarnung->setGeometry(RectLaWarnung);
    LaWarnung->setWordWrap(true);
    LaWarnung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette rot = LaWarnung->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    LaWarnung->setPalette(rot);
    QFont fett = LaWarnung->font();
    fett.setBold(true);
    LaWarnung->setFont(fett);

    LaWarn2 = new QLabel(QStringLiteral("Das Verzeichnis kann bei den Optionen eingestellt werden."), this);
    LaWarn2->setGeometry(RectLaWarn2);
    LaWarn2->setWordWrap(true);
    LaWarn2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BuWeiter = new QPushButton(QStringLiteral("&Weiter"), this);
    BuWeiter->setGeometry(RectBuWeiter);
    BuWeiter->setDefault(true);
    BuAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BuAbbrechen->setGeometry(RectBuAbbrechen);
    setzeStandardknopf(BuWeiter);
    setzeAbbruchknopf(BuAbbrechen);
    connect(BuWeiter, &QPushButton::clicked, this, &TFoWarn::BuWeiterClick);
    connect(BuAbbrechen, &QPushButton::clicked, this, &TFoWarn::BuAbbrechenClick);
}

void TFoWarn::FormActivate()
{
    m_beantwortet = false;
    LaWarnung->setText(QStringLiteral("wirklich in ") + puz_var::Ausgabeverzeichnis +
                       QStringLiteral(" speichern?"));
}

void TFoWarn::BuWeiterClick()
{
    antworte(true);
}

void TFoWarn::BuAbbrechenClick()
{
    antworte(false);
}

void TFoWarn::antworte(bool weiter)
{
    m_beantwortet = true;
    puz_var::SpeichernBestaetigt = weiter;
    hide();
    emit beantwortet();
}

bool TFoWarn::WeiterSpeichern()
{
    if (!m_beantwortet) {
        QEventLoop schleife;
        connect(this, &TFoWarn::beantwortet, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    if (!m_beantwortet) {
        hide();
        puz_var::SpeichernBestaetigt = false;
    }
    return m_beantwortet && puz_var::SpeichernBestaetigt;
}

void TFoWarn::showEvent(QShowEvent* ereignis)
{
    // Activation is not reliable on every platform; a showing is.
    FormActivate();
    Formular::showEvent(ereignis);
}

void TFoWarn::closeEvent(QCloseEvent* ereignis)
{
    // A window manager may close it all the same: that is no consent.
    if (!m_beantwortet && isVisible())
        antworte(false);
    Formular::closeEvent(ereignis);
    ereignis->accept();
}
