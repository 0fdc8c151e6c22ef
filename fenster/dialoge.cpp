#include "fenster/dialoge.h"

#include "prepare/fenster/bilddialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Dialoge {

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
    Ersetzen = [](QWidget* eltern, const QString& frage) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Tesselo"), frage, QMessageBox::NoButton, eltern);
        QPushButton* ersetzen = box.addButton(QStringLiteral("Ersetzen"), QMessageBox::DestructiveRole);
        QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        // Enter must not replace a puzzle by accident.
        box.setDefaultButton(abbrechen);
        box.setEscapeButton(abbrechen);
        box.exec();
        return box.clickedButton() == ersetzen;
    };
    Meldung = [](QWidget* eltern, const QString& text) {
        QMessageBox::warning(eltern, QStringLiteral("Tesselo"), text);
    };
}

} // namespace Dialoge
