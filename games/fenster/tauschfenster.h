#pragma once
// Window "TauschPuzzle": the swap puzzle played inside the program. The board
// logic lives in Tauschbrett, the layout arithmetic in BerechneTauschmasse.
#include "games/fenster/spielfenster.h"
#include "games/tauschbrett.h"

#include <QImage>

class Anleitungsfenster;
class Bildfeld;
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

private:
    void Zeichne();
    void BuMischenClick();
    void PaBoSpielfeldMouseMove(QPoint stelle);
    void PaBoSpielfeldClick(QPoint stelle);
    void BuAufloesenClick();
    void TiSpielZeitTimer();

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
    Bildfeld* PaBoSpielfeld = nullptr;
    QPushButton* BuMischen = nullptr;
    QLabel* LaPos = nullptr;
    QPushButton* BuAufloesen = nullptr;
    QLabel* LaZugZaehler = nullptr;
    QLabel* LaZeit = nullptr;
    QTimer* TiSpielZeit = nullptr;
    Bildfeld* ImVorschau = nullptr;

    Tauschbrett m_brett;
    QImage m_leerfeld; // this window's blank field
    double m_massstab = 1.0;
    int m_feldbreite = 1;
    int m_mindestbreite = 0;
    int m_mausSpalte = 0;
    int m_mausZeile = 0;
    int m_startzeit = 0;
};
