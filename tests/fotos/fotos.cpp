// Development aid, not a test: saves a picture of every window into a
// directory, to look at captions and layout (offscreen platform).
//   build/tests/tesselo_fotos DIR [WxH]
// WxH cuts the landscape at that size instead of 480 x 360 (a phone photo
// is 4000x3000), to see how the games fit the screen.
#include "app/fenster/dialoge.h"
#include "app/fenster/fenster.h"
#include "app/fenster/puz_hpt.h"
#include "app/puz_var.h"
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

#include "codecs/bildcodec.h"
#include "dialogs/puz_inf.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

// A small drawn landscape to cut: sky, sun, hills and a house.
QImage Landschaft()
{
    QImage bild(480, 360, QImage::Format_RGB32);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, 360);
    himmel.setColorAt(0.0, QColor(60, 120, 200));
    himmel.setColorAt(0.7, QColor(190, 220, 240));
    maler.fillRect(bild.rect(), himmel);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(255, 215, 80));
    maler.drawEllipse(QPointF(380, 80), 40, 40);
    maler.setBrush(QColor(90, 160, 70));
    maler.drawEllipse(QPointF(100, 420), 300, 170);
    maler.setBrush(QColor(60, 130, 60));
    maler.drawEllipse(QPointF(420, 430), 260, 160);
    maler.setBrush(QColor(200, 70, 50));
    maler.drawRect(QRectF(230, 210, 70, 50));
    maler.setBrush(QColor(120, 50, 40));
    maler.drawPolygon(QPolygonF({QPointF(222, 212), QPointF(265, 175), QPointF(308, 212)}));
    maler.setBrush(QColor(250, 240, 200));
    maler.drawRect(QRectF(245, 225, 16, 14));
    return bild;
}

} // namespace

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
    for (QWidget* fenster : QApplication::topLevelWidgets())
        fenster->hide();

    // A picture loaded, laid out automatically and cut, as a user does it.
    QTemporaryDir arbeit;
    const QString datei = arbeit.filePath(QStringLiteral("landschaft.bmp"));
    QImage landschaft = Landschaft();
    if (argc > 2) {
        const QStringList masse = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
        if (masse.size() == 2)
            landschaft = landschaft.scaled(masse[0].toInt(), masse[1].toInt(), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
    }
    bildcodec::SchreibeBmp(landschaft, datei, nullptr);
    Dialoge::BildOeffnen = [&](QWidget*) { return datei; };
    Form1->show();
    Form1->MenuLaden->trigger();
    Form1->BuAutoClick();
    foto(Form1, QStringLiteral("form1_vorschau"));
    Form1->ScBaWartezeit->setValue(0);
    Form1->MenuSchneiden->trigger();
    foto(Form1, QStringLiteral("form1_geschnitten"));

    Form1->Schieben->trigger();
    foto(FoPlay, QStringLiteral("schiebepuzzle"));
    FoPlay->close();
    Form1->Ziehen->trigger();
    foto(FoDragPuzzle, QStringLiteral("tauschpuzzle"));
    FoDragPuzzle->close();
    Form1->Bilderraetsel->trigger();
    foto(FoBilderRaetsel, QStringLiteral("bilderraetsel"));
    FoBilderRaetsel->close();

    ZerstoereFenster();
    return 0;
}
