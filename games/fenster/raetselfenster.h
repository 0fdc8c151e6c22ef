#pragma once
// Window "BilderRätsel": the picture riddle played inside the program. The
// board logic lives in Raetselbrett, the layout arithmetic in BerechneRaetselmasse.
#include "games/fenster/spielfenster.h"
#include "games/raetselbrett.h"

#include <QImage>

class Anleitungsfenster;
class Bildfeld;
class Spielbrett;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
struct Sitzung;

class Raetselfenster : public Spielfenster
{
    Q_OBJECT
public:
    // Plays the tile set of `sitzung` with its settings; `anleitung` is
    // shown by "Anleitung".
    Raetselfenster(const Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent = nullptr);

    const Raetselbrett& Brett() const { return m_brett; }
    int Feldbreite() const { return m_feldbreite; }
    // Shown size / full size of the board; below 1 on a screen too small for it.
    double Massstab() const { return m_massstab; }
    int Mindestbreite() const { return m_mindestbreite; }

protected:
    void FormShow() override;
    void FormPaint() override;
    // Enter on an answer chooses it, as Space does.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // Draws the board and tells the board control the fields' names.
    void Zeichne();
    void PaBoSpielfeldMouseMove(QPoint stelle);
    void PaBoSpielfeldClick(QPoint stelle);
    // A click or Enter on field (spalte, zeile).
    void Aufdecken(int spalte, int zeile);
    // Uncovers everything and ends the game: the board rests, the clock
    // stops and no answer can be chosen any more.
    void BuAufloesenClick();
    // Judges the item at position nummer, counted from 1; the first answer
    // ends the game.
    void RaGrAntwortenClick(int nummer);
    void TiSpielZeitTimer();

    QSize Brettgroesse() const { return QSize(m_brett.Spalten() * m_feldbreite, m_brett.Zeilen() * m_feldbreite); }

    // Fills the answer group from the settings' answers and sizes it.
    void FuelleAntworten();

    const Sitzung& m_sitzung;
    Anleitungsfenster& m_anleitung;

    QPushButton* BuAnleitung = nullptr;
    QPushButton* BuSchliessen = nullptr; // answers Escape
    Spielbrett* PaBoSpielfeld = nullptr;
    QLabel* LaPos = nullptr;
    QPushButton* BuAufloesen = nullptr;
    QLabel* LaZugZaehler = nullptr;
    QLabel* LaZeit = nullptr;
    QTimer* TiSpielZeit = nullptr;
    QGroupBox* RaGrAntworten = nullptr; // "Was verbirgt sich dahinter?"
    QLabel* LaRichtig = nullptr;

    Raetselbrett m_brett;
    QImage m_deckel; // this window's cover
    QButtonGroup* m_antwortgruppe = nullptr;
    QList<QRadioButton*> m_antworten; // the answer items, in the settings' order
    double m_massstab = 1.0;
    int m_feldbreite = 1;
    int m_mindestbreite = 0;
    int m_mausSpalte = 0;
    int m_mausZeile = 0;
    int m_startzeit = 0;
};
