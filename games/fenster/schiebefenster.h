#pragma once
// Window "SchiebePuzzle": the sliding puzzle played with the current tile set.
// The tile that is the hole shows a square in the empty-field colour on this
// window's board only; the tile set itself stays as cut.
#include "fenster/formular.h"
#include "games/schiebebrett.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <vector>

class Anleitungsfenster;
class Bildfeld;
class Spielbrett;
class QLabel;
class QPushButton;
class QTimer;
struct Sitzung;

class Schiebefenster : public Formular
{
    Q_OBJECT
public:
    // Plays the tile set of `sitzung`; an empty field left outside a smaller
    // grid is brought onto it in the settings. `anleitung` is shown by
    // "Anleitung".
    Schiebefenster(Sitzung& sitzung, Anleitungsfenster& anleitung, QWidget* parent = nullptr);

    // The window that comes back when the game goes (the main window).
    void setzeHauptfenster(QWidget* fenster) { m_hauptfenster = fenster; }

    // "Schließen": hides the game and brings the main window back.
    void schliesse();

    const Schiebebrett& Brett() const { return m_brett; }
    int Feldbreite() const { return m_feldbreite; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueSteuerelemente();
    void FormShow();
    // Builds the board in solved order; runs on every activation.
    void FormActivate();
    void BuMischenClick();
    // Records the field under the pointer (board pixels) and shows it.
    void ImBildMouseMove(QPoint stelle);
    // One move at the field recorded by the last pointer movement (or the
    // keyboard's field), then the field-by-field redraw. The move that
    // solves a shuffled board ends the game with its result.
    void ImBildClick();
    // Shows the whole picture in order and ends the game.
    void BuAnzeigenClick();
    void TiSpielZeitTimer();
    // The clock from zero, or stopped at the time the game took.
    void StarteUhr();
    int HalteUhrAn();

    int bestimmeFeldbreite() const;
    void passeFensterAn();
    void zeichneFeld(int spalte, int zeile, int teil);
    // Every field as the board holds it, and the fields' names.
    void zeichneBrett();
    void zeichneVorschau();

    Sitzung& m_sitzung;
    Anleitungsfenster& m_anleitung;
    QPointer<QWidget> m_hauptfenster;

    Spielbrett* ImBild = nullptr; // the board
    QPushButton* BuMischen = nullptr;
    QPushButton* BuSchliessen = nullptr;
    QPushButton* BuAnzeigen = nullptr;
    Bildfeld* ImVorschau = nullptr;
    QPushButton* BuAnleitung = nullptr;
    QLabel* LaPos = nullptr;
    QLabel* LaZugZaehler = nullptr;
    QLabel* LaZeit = nullptr;
    QLabel* LaMeldung = nullptr; // "Gelöst in …"
    QTimer* TiSpielZeit = nullptr;

    // Move counter and start of the game (local time of day in ms).
    int m_zugzahl = 0;
    int m_startzeit = 0;

    Schiebebrett m_brett;
    // The tiles as this board shows them: the cut's, the hole's in the
    // empty-field colour (while a game is open; an ended one shows the
    // whole picture).
    std::vector<QImage> m_teile;
    int m_feldbreite = 0;
    QRect m_quelle;
    QRect m_ziel;
    // Before the first movement a click acts on no field.
    int m_mausSpalte = -1;
    int m_mausZeile = -1;
};
