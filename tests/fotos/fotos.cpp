// Development aid, not a test: saves a picture of every window into a
// directory, to look at captions and layout (offscreen platform).
//   build/tests/fotos/tesselo_fotos DIR
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
#include "app/puz_var.h"
#include "dialogs/puz_danl.h"
#include "dialogs/puz_err.h"
#include "dialogs/puz_hilf.h"
#include "dialogs/puz_inf.h"
#include "dialogs/puz_opt.h"
#include "dialogs/puz_ranl.h"
#include "dialogs/puz_sanl.h"
#include "export/htm_chk.h"
#include "export/puz_warn.h"
#include "games/puz_drag.h"
#include "games/puz_raet.h"
#include "games/puz_sch.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(ziel);
    puz_var::Startwerte();
    Dialoge::EchteDialoge();
    ErzeugeFenster();

    const auto foto = [&](QWidget* fenster, const QString& name) {
        fenster->show();
        QApplication::processEvents();
        fenster->grab().save(ziel + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    foto(Form1, QStringLiteral("form1"));
    foto(FoHilfe, QStringLiteral("hilfe"));
    foto(FoInfo, QStringLiteral("info"));
    foto(FoSchiebePuzzleAnleitung, QStringLiteral("schiebe_anleitung"));
    foto(FoDragPuzzleAnleitung, QStringLiteral("tausch_anleitung"));
    foto(FoBilderRaetselAnleitung, QStringLiteral("raetsel_anleitung"));
    puz_var::Fehlertext = QStringLiteral("Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!");
    foto(FoFehler, QStringLiteral("fehler"));
    foto(Fo_Optionen, QStringLiteral("optionen"));
    foto(FoWarn, QStringLiteral("warnung"));
    foto(FoCheck4HtmlName, QStringLiteral("htmlwarnung"));

    ZerstoereFenster();
    return 0;
}
