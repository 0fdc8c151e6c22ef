#pragma once
// Window "TauschPuzzle": the swap puzzle played inside the program. The board
// logic lives in Tauschbrett, the layout arithmetic in BerechneTauschmasse.
#include "games/fenster/spielfenster.h"
#include "games/tauschbrett.h"

#include <QImage>

class Anleitungsfenster;
class Bildfeld;
class Spielbrett;
class QLabel;
class QPushButton;
class QTimer;
struct Sitzung;

class Tauschfenster : public Spielfenster
{
    Q_OBJECT
public:
    // Plays the tile set of `sitzung` with its settings; `anleitung` is
    // shown by "Anleitung".
    Tauschfenster(const Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent = nullptr);

    const Tauschbrett& Brett() const { return m_brett; }
    int Feldbreite() const { return m_feldbreite; }
    // Shown size / full size of the board; below 1 on a screen too small for it.
    double Massstab() const { return m_massstab; }
    int Mindestbreite() const { return m_mindestbreite; }

protected:
    void FormShow() override;
    void FormPaint() override;
    // Escape drops a pending first choice before it closes the window.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // Draws the board with the chosen first field marked and tells the board
    // control the fields' names.
    void Zeichne();
    void BuMischenClick();
    void PaBoSpielfeldMouseMove(QPoint stelle);
    void PaBoSpielfeldClick(QPoint stelle);
    // A click or Enter on field (spalte, zeile).
    void Feldwahl(int spalte, int zeile);
    void BuAufloesenClick();
    void TiSpielZeitTimer();
    // The clock from zero, or stopped at the time the game took.
    void StarteUhr();
    int HalteUhrAn();

    QSize Brettgroesse() const { return QSize(m_brett.FeldSpalten() * m_feldbreite, m_brett.FeldZeilen() * m_feldbreite); }

    // Places LaPos, LaVon and LaNach so that their widest texts for this board
    // fit side by side; returns how far the buttons and counters must move
    // right to make room (0 for the usual boards).
    int OrdneZuglabels(bool sichtbar);

    const Sitzung& m_sitzung;
    Anleitungsfenster& m_anleitung;

    QPushButton* BuAnleitung = nullptr;
    QPushButton* BuSchliessen = nullptr; // answers Escape
    QLabel* LaVon = nullptr;
    QLabel* LaNach = nullptr;
    Spielbrett* PaBoSpielfeld = nullptr;
    QPushButton* BuMischen = nullptr;
    QLabel* LaPos = nullptr;
    QPushButton* BuAufloesen = nullptr;
    QLabel* LaZugZaehler = nullptr;
    QLabel* LaZeit = nullptr;
    QTimer* TiSpielZeit = nullptr;
    Bildfeld* ImVorschau = nullptr;
    QLabel* LaMeldung = nullptr; // "Gelöst in …"

    Tauschbrett m_brett;
    QImage m_leerfeld; // this window's blank field
    double m_massstab = 1.0;
    int m_feldbreite = 1;
    int m_mindestbreite = 0;
    int m_mausSpalte = 0;
    int m_mausZeile = 0;
    int m_startzeit = 0;
};
