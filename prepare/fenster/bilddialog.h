#pragma once
// The picture-open dialog: the filters of bildformate::Dateifilter (the first,
// every picture, selected), default extension "bmp", and a preview of the
// picture under the cursor, read through the program's own picture reader.
#include <QString>

class QWidget;

// The chosen file's full path, or empty on cancel. Starts in `start` when
// that directory exists; `beispiele`, the sample pictures' folder, is added
// to the side bar when there is one.
QString BildOeffnenDialog(QWidget* eltern, const QString& start, const QString& beispiele);
