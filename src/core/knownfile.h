#pragma once
// A document's file as its holder last knew it. Another user may change a shared document
// while this program holds it; what the program read or wrote is known by the contents, not
// by the file's times: two writes within one clock tick leave the times and size as they were.
#include <QByteArray>
#include <QString>

class KnownFile
{
public:
    // Taken just before a load reads the file.
    void rememberRead(const QString& path);
    // What a save wrote, by the digest of its bytes (DigestingDevice): read back, the file
    // could already hold another's save made just after it.
    void rememberWritten(const QString& path, const QByteArray& digest);
    // Whether path is the file remembered (a link and its target are one file).
    bool isFile(const QString& path) const;
    // True where path is the remembered file and now holds something other than what was
    // read or written. A file gone meanwhile holds nothing to lose: not changed.
    bool changedOnDisk(const QString& path) const;

private:
    QString m_path;     // empty: no file known
    QByteArray m_state; // what the file held then
};
