#pragma once
// A ZIP archive built in memory, as the learning platforms import it: the
// entries in the order added, names in UTF-8 (flagged as such), pages and
// manifest deflated, pictures stored (a JPEG does not shrink). No ZIP64: a
// puzzle of at most 100 tiles stays far below its limits.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

class Zipdatei
{
public:
    // Every entry carries `zeit` (to two seconds, as ZIP keeps it).
    explicit Zipdatei(const QDateTime& zeit = QDateTime::currentDateTime());

    // `packen` deflates the content; else it is stored as it is.
    void Fuege(const QString& name, const QByteArray& inhalt, bool packen);

    // The whole archive: the entries, the central directory and its end.
    QByteArray Bytes() const;

private:
    struct Eintrag
    {
        QByteArray name;
        quint32 crc = 0;
        quint32 groesse = 0;
        quint32 gepackt = 0;
        quint16 methode = 0;
        quint32 ort = 0; // where its local header begins
    };
    QByteArray m_daten;
    std::vector<Eintrag> m_eintraege;
    quint16 m_zeit = 0;
    quint16 m_datum = 0;
};
