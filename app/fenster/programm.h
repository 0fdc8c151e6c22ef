#pragma once
// The running program: it owns the session (the settings and the puzzle) and
// the thirteen windows, creates them once in their order, the main window
// first, and tells each window the others it works with. Every window lives
// until the program ends.
#include "modell/sitzung.h"

#include <memory>

class Anleitungsfenster;
class Fehlerfenster;
class Hauptfenster;
class Hilfefenster;
class Infofenster;
class Optionsdialog;
class Programmordnerfrage;
class Raetselfenster;
class Schiebefenster;
class Tauschfenster;
class Webnamenfrage;

// Sets the program's font, style and German standard texts (once per run).
void RichteOberflaecheEin();

class Programm
{
public:
    // The templates, answer pictures and samples lie in `datenverzeichnis`
    // (ending in a separator). All windows stay hidden; the caller shows the
    // main window.
    explicit Programm(const QString& datenverzeichnis);
    ~Programm(); // destroys the windows in reverse order

    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Sitzung& sitzung() { return m_sitzung; }
    Hauptfenster& hauptfenster() { return *m_hauptfenster; }

private:
    Sitzung m_sitzung;
    std::unique_ptr<Hauptfenster> m_hauptfenster;
    std::unique_ptr<Schiebefenster> m_schiebefenster;
    std::unique_ptr<Optionsdialog> m_optionsdialog;
    std::unique_ptr<Anleitungsfenster> m_raetselanleitung;
    std::unique_ptr<Anleitungsfenster> m_schiebeanleitung;
    std::unique_ptr<Fehlerfenster> m_fehlerfenster;
    std::unique_ptr<Tauschfenster> m_tauschfenster;
    std::unique_ptr<Anleitungsfenster> m_tauschanleitung;
    std::unique_ptr<Raetselfenster> m_raetselfenster;
    std::unique_ptr<Infofenster> m_infofenster;
    std::unique_ptr<Hilfefenster> m_hilfefenster;
    std::unique_ptr<Programmordnerfrage> m_programmordnerfrage;
    std::unique_ptr<Webnamenfrage> m_webnamenfrage;
};
