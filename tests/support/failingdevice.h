#pragma once
// A device that behaves like a file until a set number of bytes, then fails as a full disk
// or a vanished share does: writes past the limit are refused (a write that crosses it is
// cut short), reads past it return -1. Drives every reader's and writer's error path.
#include <QByteArray>
#include <QIODevice>

class FailingDevice : public QIODevice
{
public:
    enum Failing { Writes, Reads };

    // For Reads, content is what the "file" holds; size() reports all of it, as a file's
    // size does, although only the first `limit` bytes can be read.
    FailingDevice(Failing failing, qint64 limit, const QByteArray& content = QByteArray());

    bool open(OpenMode mode) override;
    bool seek(qint64 pos) override;
    qint64 size() const override;

    const QByteArray& written() const { return m_data; } // the bytes taken before the failure
    bool failed() const { return m_failed; }             // whether anything hit the limit

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    Failing m_failing;
    qint64 m_limit;
    QByteArray m_data;
    qint64 m_offset = 0;
    bool m_failed = false;
};
