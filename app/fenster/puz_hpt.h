#pragma once
// The main window: the current picture with its grid, the grid fields, the
// information table, the cut display and the main menu from which every
// command starts. Its commands move it through the states Kein Bild,
// Bild geladen and Geschnitten.
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QStringList>

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

class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls of the left column (positions relative to the client area).
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
    QSpinBox* SpEdBreite = nullptr; // the tile width, read by every part
    QPushButton* BuAuto = nullptr;
    QPushButton* BuVorschau = nullptr;
    QPushButton* BuZwischenablage = nullptr;
    QPushButton* BuLaden = nullptr;
    QPushButton* BuOptionen = nullptr;
    QPushButton* BuEnde = nullptr;
    QPushButton* BuSchneiden = nullptr;
    QPushButton* BuSpielen = nullptr;
    QPushButton* BuSpeichern = nullptr;

    // Picture area: the panel scrolls when the picture is larger than the
    // screen allows; ImBild takes the picture's size.
    QScrollArea* PaBild = nullptr;
    Bildfeld* ImBild = nullptr;

    // Main menu.
    QAction* MenuLaden = nullptr;
    QAction* Zwischenablage1 = nullptr;
    QAction* MenuVorschau = nullptr;
    QAction* MenuSchneiden = nullptr;
    QAction* MenuOptionen = nullptr;
    QMenu* MenuSpeichern = nullptr;
    QAction* SchiebePuzzle = nullptr;
    QAction* alsHTMLTauschPuzzle1 = nullptr;
    QAction* alsHTMLBilderrtsel1 = nullptr;
    QAction* alleHTMLSpiele = nullptr;
    QAction* alsHTMLTabelle1 = nullptr;
    QAction* Einzelbilder = nullptr;
    QAction* Einzelbilderbmp = nullptr;
    QMenu* MenuSpielen = nullptr;
    QAction* Ziehen = nullptr;
    QAction* Schieben = nullptr;
    QAction* Bilderraetsel = nullptr;
    QAction* MenuEnde = nullptr;
    QAction* MenuInfo = nullptr;
    QAction* Hilfe = nullptr;

    // Window state of its own.
    QRect Quelle;
    QRect Ziel;
    int Zaehler = 0;        // tiles cut so far in the running cut
    bool TempDatei = false; // Bilddatei names a temporary bitmap the program wrote
    bool SchnittLaeuft = false; // a cut is running; other picture commands wait
    int Schnittbreite = 0;      // tile width of the last cut; the empty tile takes it
    // Which picture the current one is (the chosen file's path, or the
    // clipboard picture's content): the output book's key.
    QString Bildherkunft;

    // The client area's height: the window below its menu bar.
    int Klienthoehe() const;
    void setzeKlienthoehe(int hoehe);

    // Command states.
    void ZustandBildGeladen();
    void ZustandGeschnitten();

    // Shared operations.
    void ZeigeFehler(const QString& text);
    // Row "Ausgabe" of the information table: the output folder, whenever it
    // may have changed (a new picture, the options, the end of a cut).
    void ZeigeAusgabeverzeichnis();
    // Copies the files of a NUL-separated list into a directory; existing
    // files of the same name are replaced. False when any copy failed.
    bool CopyFile(const QString& quelle, const QString& ziel);

    // Picture commands: loading, the grid, the cut, saving the tiles.
    void BuLadenClick();
    // Loads and takes over the picture file `datei` as "&Laden" does once the
    // dialog confirmed it (also the picture named on the command line).
    void LadeBild(const QString& datei);
    void BuZwischenablageClick();
    void HoleBildEigenschaften(bool unbenutzt);
    void LoescheBilddatei();
    void BuVorschauClick();
    void BuAutoClick();
    void BuSchneidenClick();
    void BuSpeichernClick();
    void EinzelbilderClick();
    void EinzelbilderbmpClick();

    // Checks before the first write of a cut: true to go on.
    bool AusgabePruefen();
    // Before a command writes the files `namen` into the output folder: says
    // so when the folder cannot be written, and asks once before files of
    // these names that the current picture did not write are replaced.
    // False (after the message or "Abbrechen") when nothing may be written.
    bool ErsetzenPruefen(const QStringList& namen);
    // ErsetzenPruefen, then AusgabePruefen: what every writing command runs.
    bool Schreibfreigabe(const QStringList& namen);

    // Page exports.
    void SchiebePuzzleClick();
    void TauschPuzzleClick();
    void RaetselnClick();
    void TabelleClick();
    void alleHTMLSpieleClick();
    // Saves the tiles as JPEG through EinzelbilderClick unless JpegGespeichert.
    void KachelnSichern();

    // Commands of this window.
    void MenuLadenClick() { BuLadenClick(); }
    void Zwischenablage1Click() { BuZwischenablageClick(); }
    void MenuVorschauClick() { BuVorschauClick(); }
    void MenuSchneidenClick() { BuSchneidenClick(); }
    void MenuOptionenClick();
    void BuOptionenClick() { MenuOptionenClick(); }
    void BuSpielenClick() { SchiebenClick(); }
    void SchiebenClick();
    void ZiehenClick();
    void BilderraetselClick();
    // Closes every open game window the way its "Schließen" does, so the
    // tiles it borrowed are back before a cut replaces the tile set.
    void SchliesseSpiele();
    void BuEndeClick();
    void MenuEndeClick() { BuEndeClick(); }
    void MenuInfoClick();
    void HilfeClick();
    void CoBoHintergrundDropDown();
    void FormPaint();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void FormCreate();
    void baueSteuerelemente();
    void baueMenue();

    QWidget* m_klient = nullptr;
};
