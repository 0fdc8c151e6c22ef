// Program entry: start values, the thirteen windows in their order, the main
// window shown, then the message loop until the main window closes.
#include "app/dialoge.h"
#include "app/fenster.h"
#include "app/puz_hpt.h"
#include "app/puz_var.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication anwendung(argc, argv);
    anwendung.setQuitOnLastWindowClosed(false); // only the main window ends the program
    puz_var::Startwerte();
    Dialoge::EchteDialoge();
    ErzeugeFenster();
    Form1->show();
    const int ergebnis = anwendung.exec();
    ZerstoereFenster();
    return ergebnis;
}
