#pragma once
// The program's own folder for scratch files: a JPEG's converted bitmap and
// the clipboard's picture. One folder per running program in the temporary
// directory, locked while the program runs and removed with its content when
// it ends. A program that crashed or was killed cannot remove its folder: the
// next start finds it unlocked and removes it.
#include <QString>
#include <memory>

class QLockFile;
class QTemporaryDir;

class Arbeitsordner
{
public:
    // `basis`: where the folders are made (the temporary directory).
    explicit Arbeitsordner(QString basis);
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    // The folder with a trailing separator, made and locked on first use;
    // `basis` itself if no folder can be made there.
    QString Pfad();

    // Removes the folders in `basis` that a program left behind: those whose
    // lock no running program holds, and those without a lock that are older
    // than a minute (a program that died while making its folder). Folders of
    // running programs stay. The number of folders removed.
    static int RaeumeAuf(const QString& basis);

private:
    QString m_basis;
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<QLockFile> m_sperre;
};
