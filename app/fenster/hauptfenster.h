#pragma once
// The main window: the current picture with its grid, the grid fields, the
// information table, the cut display and the main menu from which every
// command starts. Its commands move it through the states Kein Bild,
// Bild geladen and Geschnitten. It fills the session's puzzle (load, grid
// fields, cut) and writes it through the job; the windows it opens are given
// to it by its owner.
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "prepare/bildablage.h"

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSpinBox;
class QTableWidget;
class Bildfeld;
class Farbfeld;
class Fehlerfenster;
class Hilfefenster;
class Infofenster;
class Optionsdialog;
class Programmordnerfrage;
class Raetselfenster;
class Schiebefenster;
class Tauschfenster;
class Webnamenfrage;
struct Sitzung;

class Hauptfenster : public QMainWindow
{
    Q_OBJECT
public:
    // The windows the main window opens or asks through.
    struct Fenster
    {
        Schiebefenster* schieben = nullptr;
        Tauschfenster* tauschen = nullptr;
        Raetselfenster* raetsel = nullptr;
        Optionsdialog* optionen = nullptr;
        Infofenster* info = nullptr;
        Hilfefenster* hilfe = nullptr;
        Fehlerfenster* fehler = nullptr;
        Programmordnerfrage* programmordnerfrage = nullptr;
        Webnamenfrage* webnamenfrage = nullptr;
    };

    // Works on `sitzung`, which outlives the window. Its creation touches no
    // other window.
    explicit Hauptfenster(Sitzung& sitzung, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    void setzeFenster(const Fenster& fenster) { m_fenster = fenster; }

    // Loads and takes over the picture file `datei` as "&Laden" does once the
    // dialog confirmed it (also the picture named on the command line).
    void LadeBild(const QString& datei);

    // Row "Ausgabe" of the information table: the output folder, whenever it
    // may have changed (a new picture, the options, the end of a cut).
    void ZeigeAusgabeverzeichnis();

    // The program's own folder for scratch files (the clipboard's bitmap, a
    // JPEG's bitmap that cannot lie beside it), with a trailing separator.
    // It is made in the temporary directory on first use and removed with
    // its content when the window goes; the temporary directory itself if it
    // cannot be made.
    QString Arbeitsverzeichnis();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    // The job's questions, answered with this window's dialogs.
    class Fensterantworten;

    void baueSteuerelemente();
    void baueMenue();

    // The client area's height: the window below its menu bar.
    int Klienthoehe() const;
    void setzeKlienthoehe(int hoehe);

    // Command states.
    void ZustandBildGeladen();
    void ZustandGeschnitten();
    // While a cut runs, every command that would load, cut, draw on the
    // picture, write or play is switched off.
    void SchnittSperre(bool gesperrt);

    // Picture commands: loading, the grid, the cut.
    void Laden();
    void Zwischenablage();
    // Takes the picture just shown over: the information table, the prefix,
    // the window's size and the turned preview.
    void UebernimmBild();
    void LoescheBilddatei();
    void Vorschau();
    void Auto();
    void Schneiden();

    // Writing through the job: the folder first, then the parts asked for.
    void Schreibe(std::vector<Ausgabeteil> teile);

    // Games and windows.
    void StarteSchiebepuzzle();
    void StarteTauschpuzzle();
    void StarteBilderraetsel();
    // Closes every open game window the way its "Schließen" does, before a
    // cut replaces the tile set it shows.
    void SchliesseSpiele();
    void Beenden();
    void WaehleHintergrundfarbe();
    void FormPaint();

    Sitzung& m_sitzung;
    Fenster m_fenster;
    Ausgabebuch m_buch;     // which picture wrote which output file
    Bildablage m_ablage;    // the clean picture of the picture file
    std::unique_ptr<QTemporaryDir> m_arbeitsordner;
    QString m_bildverzeichnis; // the folder of the last picture chosen; the dialog starts there
    bool m_tempDatei = false;  // the picture file is a bitmap the program wrote
    bool m_schnittLaeuft = false; // a cut is running; other picture commands wait

    QWidget* m_klient = nullptr;
    QTableWidget* StGrInfo = nullptr;
    QLabel* LaWartezeit = nullptr;
    QScrollBar* ScBaWartezeit = nullptr;
    Bildfeld* PaBoSchnitt = nullptr;
    QLabel* LaHintergrund = nullptr;
    Farbfeld* CoBoHintergrund = nullptr;
    QGroupBox* GrBoGitter = nullptr;
    QLabel* LaOffx = nullptr;
    QSpinBox* SpEdOffx = nullptr;
    QLabel* LaOffy = nullptr;
    QSpinBox* SpEdOffy = nullptr;
    QLabel* LaBreite = nullptr;
    QSpinBox* SpEdBreite = nullptr;
    QPushButton* BuAuto = nullptr;
    QPushButton* BuVorschau = nullptr;

    // Picture area: the panel scrolls when the picture is larger than the
    // screen allows; ImBild takes the picture's size.
    QScrollArea* PaBild = nullptr;
    Bildfeld* ImBild = nullptr;

    QAction* MenuLaden = nullptr;
    QAction* MenuZwischenablage = nullptr;
    QAction* MenuVorschau = nullptr;
    QAction* MenuSchneiden = nullptr;
    QAction* MenuOptionen = nullptr;
    QMenu* MenuSpeichern = nullptr;
    QAction* MenuSchiebeseite = nullptr;
    QAction* MenuTauschseite = nullptr;
    QAction* MenuRaetselseite = nullptr;
    QAction* MenuAlleSeiten = nullptr;
    QAction* MenuTabelle = nullptr;
    QAction* MenuKachelnJpg = nullptr;
    QAction* MenuKachelnBmp = nullptr;
    QMenu* MenuSpielen = nullptr;
    QAction* MenuTauschpuzzle = nullptr;
    QAction* MenuSchiebepuzzle = nullptr;
    QAction* MenuBilderraetsel = nullptr;
    QAction* MenuEnde = nullptr;
    QAction* MenuInfo = nullptr;
    QAction* MenuHilfe = nullptr;
};
