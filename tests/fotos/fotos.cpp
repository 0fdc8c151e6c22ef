// Development aid, not a test: saves a picture of every window into a
// directory, to look at captions and layout (offscreen platform).
//   build/tests/tesselo_fotos DIR [WxH]
// WxH cuts the landscape at that size instead of 480 x 360 (a phone photo
// is 4000x3000), to see how the games fit the screen.
#include "app/datenorte.h"
#include "app/fenster/hauptfenster.h"
#include "app/fenster/programm.h"
#include "codecs/bildcodec.h"
#include "dialogs/fehlerfenster.h"
#include "fenster/dialoge.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <tuple>

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
    Dialoge::EchteDialoge();
    Programm programm(datenorte::Datenverzeichnis(QCoreApplication::applicationDirPath()));
    Hauptfenster& haupt = programm.hauptfenster();
    const auto fenster = [](const char* name) {
        for (QWidget* f : QApplication::topLevelWidgets())
            if (f->objectName() == QLatin1String(name))
                return f;
        return static_cast<QWidget*>(nullptr);
    };
    const auto aktion = [&haupt](const char* name) { return haupt.findChild<QAction*>(QLatin1String(name)); };

    const auto foto = [&](QWidget* f, const QString& name) {
        f->show();
        QApplication::processEvents();
        f->grab().save(ziel + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    foto(&haupt, QStringLiteral("hauptfenster"));
    foto(fenster("Hilfefenster"), QStringLiteral("hilfe"));
    foto(fenster("Infofenster"), QStringLiteral("info"));
    foto(fenster("Schiebeanleitung"), QStringLiteral("schiebe_anleitung"));
    foto(fenster("Tauschanleitung"), QStringLiteral("tausch_anleitung"));
    foto(fenster("Raetselanleitung"), QStringLiteral("raetsel_anleitung"));
    auto* fehler = qobject_cast<Fehlerfenster*>(fenster("Fehlerfenster"));
    fehler->zeige(QStringLiteral("Abbruch: Vorlagedatei SPUZV1.HTM nicht gefunden!"));
    foto(fehler, QStringLiteral("fehler"));
    foto(fenster("Optionsdialog"), QStringLiteral("optionen"));
    foto(fenster("Programmordnerfrage"), QStringLiteral("warnung"));
    foto(fenster("Webnamenfrage"), QStringLiteral("htmlwarnung"));
    for (QWidget* f : QApplication::topLevelWidgets())
        f->hide();

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
    Dialoge::BildOeffnen = [&](QWidget*, const QString&, const QString&) { return datei; };
    haupt.show();
    aktion("MenuLaden")->trigger();
    haupt.findChild<QPushButton*>(QStringLiteral("BuAuto"))->click();
    foto(&haupt, QStringLiteral("hauptfenster_vorschau"));
    haupt.findChild<QScrollBar*>(QStringLiteral("ScBaWartezeit"))->setValue(0);
    aktion("MenuSchneiden")->trigger();
    foto(&haupt, QStringLiteral("hauptfenster_geschnitten"));

    for (const auto& [menu, name, fotoname] : {std::tuple{"MenuSchiebepuzzle", "Schiebefenster", "schiebepuzzle"},
                                            std::tuple{"MenuTauschpuzzle", "Tauschfenster", "tauschpuzzle"},
                                            std::tuple{"MenuBilderraetsel", "Raetselfenster", "bilderraetsel"}}) {
        aktion(menu)->trigger();
        foto(fenster(name), QLatin1String(fotoname));
        fenster(name)->close();
    }
    return 0;
}
