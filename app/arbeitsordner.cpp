#include "app/arbeitsordner.h"

#include "prepare/ladung.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

namespace {
const QString Muster = QStringLiteral("tesselo-XXXXXX");
const QString Sperrdatei = QStringLiteral(".sperre");
constexpr qint64 JungMs = 60 * 1000;
} // namespace

Arbeitsordner::Arbeitsordner(QString basis) : m_basis(std::move(basis)) {}

Arbeitsordner::~Arbeitsordner()
{
    // The lock goes first, so the folder can go with everything in it.
    m_sperre.reset();
    m_ordner.reset();
}

QString Arbeitsordner::Pfad()
{
    if (!m_ordner) {
        m_ordner = std::make_unique<QTemporaryDir>(QDir(m_basis).filePath(Muster));
        if (m_ordner->isValid()) {
            m_sperre = std::make_unique<QLockFile>(QDir(m_ordner->path()).filePath(Sperrdatei));
            m_sperre->setStaleLockTime(0); // a lock is stale only when its program is gone
            m_sperre->tryLock(0);
        }
    }
    return ladung::MitTrenner(m_ordner->isValid() ? m_ordner->path() : m_basis);
}

int Arbeitsordner::RaeumeAuf(const QString& basis)
{
    int entfernt = 0;
    const QFileInfoList ordner =
        QDir(basis).entryInfoList({QStringLiteral("tesselo-??????")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& info : ordner) {
        QDir verzeichnis(info.absoluteFilePath());
        bool verlassen = false;
        if (QFileInfo::exists(verzeichnis.filePath(Sperrdatei))) {
            QLockFile sperre(verzeichnis.filePath(Sperrdatei));
            sperre.setStaleLockTime(0);
            verlassen = sperre.tryLock(0);
            if (verlassen)
                sperre.unlock();
        } else {
            verlassen = info.lastModified().msecsTo(QDateTime::currentDateTime()) > JungMs;
        }
        if (verlassen && verzeichnis.removeRecursively())
            ++entfernt;
    }
    return entfernt;
}
