#include "app/dialoge.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace Dialoge {

void EchteDialoge()
{
    BildOeffnen = [](QWidget* eltern) {
        QFileDialog dialog(eltern);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("bmp"));
        dialog.setNameFilters({QStringLiteral("JPEG-Bilder (*.jpg *.jpeg)"),
                               QStringLiteral("PNG-Bilder (*.png)"),
                               QStringLiteral("Bitmaps (*.bmp)"),
                               QStringLiteral("alle Dateien (*)")});
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
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
    Meldung = [](QWidget* eltern, const QString& text) {
        QMessageBox::warning(eltern, QStringLiteral("Tesselo"), text);
    };
}

} // namespace Dialoge
