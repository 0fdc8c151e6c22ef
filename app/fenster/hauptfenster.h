#pragma once
// The main window: the current picture with its grid, the grid fields, the
// information table, the cut display and the main menu from which every
// command starts. Its commands move it through the states Kein Bild,
// Bild geladen and Geschnitten. It fills the session's puzzle (load, grid
// fields, cut) and writes it through the job; the windows it opens are given
// to it by its owner.
#include "app/arbeitsordner.h"
#include "export/ausgabebuch.h"
#include "export/puzzleausgabe.h"
#include "prepare/bildablage.h"

#include <QMainWindow>
#include <QRect>
#include <QString>
#include <vector>

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

    // The options were changed by the user: the next end asks first, until
    // something is written.
    void OptionenGeaendert() { m_optionenUngesichert = true; }

    // The program's own folder for scratch files (the clipboard's bitmap, a
    // JPEG's converted bitmap), with a trailing separator; see Arbeitsordner.
    QString Arbeitsverzeichnis() { return m_arbeitsordner.Pfad(); }

protected:
    // Closing the main window (Escape, "&Ende", the window's close box, Alt+F4)
    // ends the program, after one question when work would be lost.
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    // A picture file dropped on the window is loaded as "&Laden" loads it.
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    // The job's questions, answered with this window's dialogs.
    class Fensterantworten;

    void baueSteuerelemente();
    void baueMenue();

    // The picture area fills the client area right of the left column and
    // follows the window's size; the picture in it is fitted, or shown at
    // 100 % with scroll bars.
    void OrdneBildAn();
    // The client area: the window without its menu bar and status line.
    QSize Klientflaeche() const;
    // The window for a newly loaded picture of `bild`'s size: large enough to
    // show it whole at 100 % where the screen allows, else as large as the
    // screen allows; never below its start size.
    void PasseFensterAn(QSize bild);
    // Shows `bild` in the picture area, without grid lines.
    void ZeigeBild(const QImage& bild);
    // The status line after writing, with the folder to open.
    void ZeigeAusgabe(const Ausgabeergebnis& ergebnis, const QString& verzeichnis);
    void OeffneAusgabeordner();

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
    // the window's size and the turned preview. The row "Datei" shows
    // `bildname`, the file the user chose, else the picture file's name.
    void UebernimmBild(const QString& bildname = QString());
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
    Arbeitsordner m_arbeitsordner;
    QString m_bildverzeichnis; // the folder of the last picture chosen; the dialog starts there
    bool m_tempDatei = false;  // the picture file is a bitmap the program wrote
    bool m_schnittLaeuft = false; // a cut is running; other picture commands wait
    bool m_schnittUngesichert = false;  // a cut that nothing has been written from yet
    bool m_optionenUngesichert = false; // options changed since the last writing

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

    // Picture area: ImBild shows the picture fitted into the panel, or at
    // 100 % (BuOriginal) in the panel's scroll bars.
    QScrollArea* PaBild = nullptr;
    Bildfeld* ImBild = nullptr;

    // Status line: what the last writing left where, the folder to open.
    QLabel* LaStatus = nullptr;
    QPushButton* BuOrdner = nullptr;
    QPushButton* BuOriginal = nullptr;
    QString m_gespeichertIn; // the folder BuOrdner opens

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
