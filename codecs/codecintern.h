#pragma once
// Helpers shared by the format readers and writers; not part of the public API.
#include "codecs/bildcodec.h"

#include <QIODevice>
#include <QSize>
#include <functional>

namespace bildcodec::intern {

// Sets *fehler when the caller wants the message; always returns nullopt so a
// reader can `return Fehler(fehler, ...)`.
std::nullopt_t Fehler(QString* fehler, const QString& text);

// True when a picture of breite × hoehe fits the limits. Otherwise false with
// the German size message in *fehler. Zero or negative sizes are the format
// reader's business and are not judged here.
bool GroesseErlaubt(qint64 breite, qint64 hoehe, const Grenzen& grenzen, QString* fehler);

// The stored size of a picture from its header, per format; none when the
// header cannot be read.
std::optional<QSize> MasseBmp(QByteArrayView daten);
std::optional<QSize> MassePng(QByteArrayView daten);
std::optional<QSize> MasseJpeg(QByteArrayView daten);
std::optional<QSize> MasseWebp(QByteArrayView daten);
std::optional<QSize> MasseHeif(QByteArrayView daten);

// Lays a picture that may carry transparency over white, in place, and marks it
// RGB32. Premultiplied formats are converted to straight alpha first.
void UeberWeiss(QImage& bild);

// Writes the bytes to pfad in one write, replacing what was there. A write
// that fails part-way removes the file, so no damaged picture stays behind.
bool SchreibeDatei(const QByteArray& inhalt, const QString& pfad, QString* fehler);

// The same for content produced in pieces: `schreibe` writes everything into
// the opened file and returns false as soon as a write fails.
bool SchreibeDatei(const QString& pfad, QString* fehler, const std::function<bool(QIODevice&)>& schreibe);

} // namespace bildcodec::intern
