#include "app/fenster/fenster.h"

#include "app/einstellungen.h"
#include "app/fenster/fensterwechsel.h"
#include "app/fenster/puz_hpt.h"
#include "app/fenster/stil.h"
#include "dialogs/puz_danl.h"
#include "dialogs/puz_err.h"
#include "dialogs/puz_hilf.h"
#include "dialogs/puz_inf.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_ranl.h"
#include "dialogs/puz_sanl.h"
#include "export/fenster/htm_chk.h"
#include "export/fenster/puz_warn.h"
#include "games/fenster/puz_drag.h"
#include "games/fenster/puz_raet.h"
#include "games/fenster/puz_sch.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QPlainTextEdit>
#include <QSpinBox>

TForm1* Form1 = nullptr;
TFoPlay* FoPlay = nullptr;
TFo_Optionen* Fo_Optionen = nullptr;
TFoBilderRaetselAnleitung* FoBilderRaetselAnleitung = nullptr;
TFoSchiebePuzzleAnleitung* FoSchiebePuzzleAnleitung = nullptr;
TFoFehler* FoFehler = nullptr;
TFoDragPuzzle* FoDragPuzzle = nullptr;
TFoDragPuzzleAnleitung* FoDragPuzzleAnleitung = nullptr;
TFoBilderRaetsel* FoBilderRaetsel = nullptr;
TFoInfo* FoInfo = nullptr;
TFoHilfe* FoHilfe = nullptr;
TFoWarn* FoWarn = nullptr;
TFoCheck4HtmlName* FoCheck4HtmlName = nullptr;

Spieleinstellungen AktuelleEinstellungen()
{
    Spieleinstellungen e;
    if (Fo_Optionen) {
        e.Zugausgabe = Fo_Optionen->ChBoZugausgabe->isChecked();
        e.Spielzeit = Fo_Optionen->ChBoSpielzeit->isChecked();
        e.ZugZaehler = Fo_Optionen->ChBoZugZaehler->isChecked();
        e.Antworten = Fo_Optionen->MeAntworten->toPlainText().split(QLatin1Char('\n'));
        e.RichtigAntwort = Fo_Optionen->SpEdRichtigeAntwort->value();
        e.AntwortenUnten = Fo_Optionen->AntwortPosition() == 1;
    }
    if (Form1)
        e.Kachelbreite = Form1->SpEdBreite->value();
    return e;
}

void ErzeugeFenster()
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

    Form1 = new TForm1;
    FoPlay = new TFoPlay;
    Fo_Optionen = new TFo_Optionen;
    FoBilderRaetselAnleitung = new TFoBilderRaetselAnleitung;
    FoSchiebePuzzleAnleitung = new TFoSchiebePuzzleAnleitung;
    FoFehler = new TFoFehler;
    FoDragPuzzle = new TFoDragPuzzle;
    FoDragPuzzleAnleitung = new TFoDragPuzzleAnleitung;
    FoBilderRaetsel = new TFoBilderRaetsel;
    FoInfo = new TFoInfo;
    FoHilfe = new TFoHilfe;
    FoWarn = new TFoWarn;
    FoCheck4HtmlName = new TFoCheck4HtmlName;
}

void ZerstoereFenster()
{
    delete FoCheck4HtmlName;
    delete FoWarn;
    delete FoHilfe;
    delete FoInfo;
    delete FoBilderRaetsel;
    delete FoDragPuzzleAnleitung;
    delete FoDragPuzzle;
    delete FoFehler;
    delete FoSchiebePuzzleAnleitung;
    delete FoBilderRaetselAnleitung;
    delete Fo_Optionen;
    delete FoPlay;
    delete Form1;
    FoCheck4HtmlName = nullptr;
    FoWarn = nullptr;
    FoHilfe = nullptr;
    FoInfo = nullptr;
    FoBilderRaetsel = nullptr;
    FoDragPuzzleAnleitung = nullptr;
    FoDragPuzzle = nullptr;
    FoFehler = nullptr;
    FoSchiebePuzzleAnleitung = nullptr;
    FoBilderRaetselAnleitung = nullptr;
    Fo_Optionen = nullptr;
    FoPlay = nullptr;
    Form1 = nullptr;
}
