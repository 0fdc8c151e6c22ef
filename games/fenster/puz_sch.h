#pragma once
// Window "SchiebePuzzle": the sliding puzzle played with the current tile set.
// While the window is open the tile that is the hole holds a square in the
// empty-field colour; closing puts the tile's own picture back.
#include "app/fenster/formular.h"
#include "games/schiebebrett.h"

#include <QImage>
#include <QRect>

class QLabel;
class QPushButton;
class QTimer;
class Bildfeld;

class TFoPlay : public Formular
{
    Q_OBJECT
public:
    explicit TFoPlay(QWidget* parent = nullptr);

    Bildfeld* ImBild = nullptr; // the board
    QPushButton* BuMischen = nullptr;
    QPushButton* BuSchliessen = nullptr;
    QPushButton* BuAnzeigen = nullptr;
    Bildfeld* ImVorschau = nullptr;
    QPushButton* BuAnleitung = nullptr;
    QLabel* LaPos = nullptr;
    QLabel* LaZugZaehler = nullptr;
    QLabel* LaZeit = nullptr;
    QTimer* TiSpielZeit = nullptr;

    // Move counter and start of the game (local time of day in ms).
    int Zugzahl = 0;
    int Startzeit = 0;

    void FormShow();
    // Builds the board in solved order; runs on every activation.
    void FormActivate();
    void BuMischenClick();
    // Records the field under the pointer (board pixels) and shows it.
    void ImBildMouseMove(QPoint stelle);
    // One move at the field recorded by the last pointer movement, then the
    // field-by-field redraw.
    void ImBildClick();
    void BuAnzeigenClick();
    void BuAnleitungClick();
    void BuSchliessenClick();
    void TiSpielZeitTimer();

    const Schiebebrett& Brett() const { return m_brett; }
    int Feldbreite() const { return m_feldbreite; }
    int MausSpalte() const { return m_mausSpalte; }
    int MausZeile() const { return m_mausZeile; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueSteuerelemente();
    int bestimmeFeldbreite() const;
    void passeFensterAn();
    // Keeps the real picture of the hole's tile once per opening, and gives
    // back a copy kept for another tile first (the empty field may have been
    // moved in the options meanwhile).
    void sichereLeerfeld(int leernummer);
    void stelleLeerfeldWiederHer();
    void zeichneFeld(int spalte, int zeile, int teil);
    void zeichneVorschau();

    Schiebebrett m_brett;
    int m_feldbreite = 0;
    QRect m_quelle;
    QRect m_ziel;
    // Before the first movement a click acts on no field.
    int m_mausSpalte = -1;
    int m_mausZeile = -1;
    QImage Leerfeldsicherung;
    int m_gesichertesTeil = -1; // tile whose picture Leerfeldsicherung holds, -1 none
};
