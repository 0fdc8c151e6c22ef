#include "prepare/fenster/bilddialog.h"

#include "codecs/bildcodec.h"
#include "prepare/bildformate.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QUrl>

namespace {

constexpr int VorschauSeite = 160;
// Files larger than this are not decoded just for the preview.
constexpr qint64 MaxVorschauBytes = 40 * 1024 * 1024;

void ZeigeVorschau(QLabel* vorschau, const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.isFile() || info.size() > MaxVorschauBytes) {
        vorschau->setPixmap(QPixmap());
        vorschau->setText(QString());
        return;
    }
    QString fehler;
    const std::optional<QImage> bild = bildcodec::LeseBild(pfad, &fehler);
    if (!bild) {
        vorschau->setPixmap(QPixmap());
        vorschau->setText(QStringLiteral("keine Vorschau"));
        return;
    }
    vorschau->setPixmap(QPixmap::fromImage(
        bild->scaled(VorschauSeite, VorschauSeite, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace

QString BildOeffnenDialog(QWidget* eltern, const QString& start, const QString& beispiele)
{
    QFileDialog dialog(eltern, QStringLiteral("Bild laden"));
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the preview needs the widget dialog
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    // Every picture the program reads shows at once, whatever its format.
    const QStringList filter = bildformate::Dateifilter();
    dialog.setNameFilters(filter);
    dialog.selectNameFilter(filter.constFirst());
    // The program ships no Qt translations; the dialog's own captions in German.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Öffnen"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    // Qt's own side bar (computer, home) plus the samples, laid out afresh
    // each time: the dialog restores the side bar of its last use, which
    // would keep sample folders of other copies of the program.
    QList<QUrl> seitenleiste{QUrl(QStringLiteral("file:")), QUrl::fromLocalFile(QDir::homePath())};
    if (!beispiele.isEmpty() && QDir(beispiele).exists())
        seitenleiste << QUrl::fromLocalFile(QDir::cleanPath(beispiele));
    dialog.setSidebarUrls(seitenleiste);
    if (!start.isEmpty() && QDir(start).exists())
        dialog.setDirectory(start);

    auto* vorschau = new QLabel(&dialog);
    vorschau->setFixedSize(VorschauSeite, VorschauSeite);
    vorschau->setAlignment(Qt::AlignCenter);
    vorschau->setFrameShape(QFrame::StyledPanel);
    if (auto* gitter = qobject_cast<QGridLayout*>(dialog.layout()))
        gitter->addWidget(vorschau, 1, gitter->columnCount(), 1, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, vorschau,
                     [vorschau](const QString& pfad) { ZeigeVorschau(vorschau, pfad); });

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
