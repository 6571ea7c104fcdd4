#pragma once
// Passes what a writer writes on to another device and keeps a digest of it, so that what a
// save wrote is known without reading the file again: someone may have written it since.
#include <QCryptographicHash>
#include <QIODevice>

class DigestingDevice : public QIODevice
{
public:
    explicit DigestingDevice(QIODevice& target)
        : m_target(target)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    // The SHA-256 of the bytes passed on, as KnownFile knows a file's contents by.
    QByteArray digest() const { return m_hash.result(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 written = m_target.write(data, size);
        if (written > 0)
            m_hash.addData(data, int(written));
        return written;
    }

private:
    QIODevice& m_target;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};
