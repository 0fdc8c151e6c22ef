#include "app/fenster/programm.h"

#include "app/arbeitsordner.h"
#include "app/fenster/hauptfenster.h"
#include "dialogs/anleitung.h"
#include "dialogs/fehlerfenster.h"
#include "dialogs/hilfefenster.h"
#include "dialogs/infofenster.h"
#include "dialogs/optionsdialog.h"
#include "export/fenster/programmordnerfrage.h"
#include "export/fenster/webnamenfrage.h"
#include "fenster/fensterwechsel.h"
#include "fenster/stil.h"
#include "games/fenster/raetselfenster.h"
#include "games/fenster/schiebefenster.h"
#include "games/fenster/tauschfenster.h"

#include <QApplication>
#include <QDir>
#include <QFont>

void RichteOberflaecheEin()
{
    // One face and one size everywhere, so captions that fit on one machine
    // fit on every machine (the font is installed by the setup script).
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    QApplication::setFont(schrift);
    if (!qobject_cast<Tesselostil*>(QApplication::style()))
        QApplication::setStyle(new Tesselostil);
    LadeDeutscheStandardtexte();
    fensterwechsel::Beobachten();
}

Programm::Programm(const QString& datenverzeichnis)
{
    RichteOberflaecheEin();
    // What a crashed or killed run left in its scratch folder goes now.
    Arbeitsordner::RaeumeAuf(QDir::tempPath());
    m_sitzung.programmverzeichnis = datenverzeichnis;
#ifdef Q_OS_WIN
    m_sitzung.programmverzeichnis = datenverzeichnis.toLower();
#endif
    using Spiel = Anleitungsfenster::Spiel;
    m_hauptfenster = std::make_unique<Hauptfenster>(m_sitzung);
    m_schiebeanleitung = std::make_unique<Anleitungsfenster>(Spiel::Schieben);
    m_schiebefenster = std::make_unique<Schiebefenster>(m_sitzung, *m_schiebeanleitung);
    m_optionsdialog = std::make_unique<Optionsdialog>(m_sitzung);
    m_raetselanleitung = std::make_unique<Anleitungsfenster>(Spiel::Raetsel);
    m_fehlerfenster = std::make_unique<Fehlerfenster>();
    m_tauschanleitung = std::make_unique<Anleitungsfenster>(Spiel::Tauschen);
    m_tauschfenster = std::make_unique<Tauschfenster>(m_sitzung, *m_tauschanleitung);
    m_raetselfenster = std::make_unique<Raetselfenster>(m_sitzung, *m_raetselanleitung);
    m_infofenster = std::make_unique<Infofenster>();
    m_hilfefenster = std::make_unique<Hilfefenster>();
    m_programmordnerfrage = std::make_unique<Programmordnerfrage>();
    m_webnamenfrage = std::make_unique<Webnamenfrage>();

    Hauptfenster::Fenster fenster;
    fenster.schieben = m_schiebefenster.get();
    fenster.tauschen = m_tauschfenster.get();
    fenster.raetsel = m_raetselfenster.get();
    fenster.optionen = m_optionsdialog.get();
    fenster.info = m_infofenster.get();
    fenster.hilfe = m_hilfefenster.get();
    fenster.fehler = m_fehlerfenster.get();
    fenster.programmordnerfrage = m_programmordnerfrage.get();
    fenster.webnamenfrage = m_webnamenfrage.get();
    m_hauptfenster->setzeFenster(fenster);
    m_schiebefenster->setzeHauptfenster(m_hauptfenster.get());
    m_tauschfenster->setzeHauptfenster(m_hauptfenster.get());
    m_raetselfenster->setzeHauptfenster(m_hauptfenster.get());
    QObject::connect(m_optionsdialog.get(), &Optionsdialog::ausgabeverzeichnisGeaendert, m_hauptfenster.get(),
                     &Hauptfenster::ZeigeAusgabeverzeichnis);
    QObject::connect(m_optionsdialog.get(), &Optionsdialog::geaendert, m_hauptfenster.get(),
                     &Hauptfenster::OptionenGeaendert);
}

Programm::~Programm()
{
    m_webnamenfrage.reset();
    m_programmordnerfrage.reset();
    m_hilfefenster.reset();
    m_infofenster.reset();
    m_raetselfenster.reset();
    m_tauschanleitung.reset();
    m_tauschfenster.reset();
    m_fehlerfenster.reset();
    m_raetselanleitung.reset();
    m_optionsdialog.reset();
    m_schiebefenster.reset();
    m_schiebeanleitung.reset();
    m_hauptfenster.reset();
}
