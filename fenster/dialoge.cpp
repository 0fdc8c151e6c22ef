#include "fenster/dialoge.h"

#include "prepare/fenster/bilddialog.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace Dialoge {

namespace {
// A warning with a destructive answer and a safe one, which Enter and Escape
// choose: true for the destructive one.
bool Warnfrage(QWidget* eltern, const QString& frage, const QString& ja, const QString& nein)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tesselo"), frage, QMessageBox::NoButton, eltern);
    QPushButton* tun = box.addButton(ja, QMessageBox::DestructiveRole);
    QPushButton* zurueck = box.addButton(nein, QMessageBox::RejectRole);
    box.setDefaultButton(zurueck);
    box.setEscapeButton(zurueck);
    box.exec();
    return box.clickedButton() == tun;
}
} // namespace

void EchteDialoge()
{
    BildOeffnen = &BildOeffnenDialog;
    FarbeWaehlen = [](QWidget* eltern, const QColor& vorgabe) -> std::optional<QColor> {
        const QColor farbe = QColorDialog::getColor(vorgabe, eltern);
        if (!farbe.isValid())
            return std::nullopt;
        return farbe;
    };
    VerzeichnisWaehlen = [](QWidget* eltern, const QString& start) {
        return QFileDialog::getExistingDirectory(eltern, QString(), start);
    };
    Frage = [](QWidget* eltern, const QString& frage) {
        return QMessageBox::question(eltern, QStringLiteral("Tesselo"), frage,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    // Enter must not replace a puzzle or lose work by accident: the safe
    // answer is the default.
    Ersetzen = [](QWidget* eltern, const QString& frage) {
        return Warnfrage(eltern, frage, QStringLiteral("Ersetzen"), QStringLiteral("Abbrechen"));
    };
    Beenden = [](QWidget* eltern, const QString& frage) {
        return Warnfrage(eltern, frage, QStringLiteral("Beenden"), QStringLiteral("Zurück"));
    };
    Meldung = [](QWidget* eltern, const QString& text) {
        QMessageBox::warning(eltern, QStringLiteral("Tesselo"), text);
    };
    OrdnerOeffnen = [](QWidget*, const QString& ordner) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(ordner));
    };
}

} // namespace Dialoge
