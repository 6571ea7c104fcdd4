#pragma once
// Saves ended at a given step, as by a kill, each in a child of a small helper process
// (tests/helpers/killedsaves.cpp) that stays for many of them: a fork of the test process
// itself, large under AddressSanitizer, costs tens of milliseconds of kernel time. Root
// only: the child takes the saving user's ids as ActingAs does.
#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QVector>

class KilledSaves
{
public:
    struct Save {
        QString path;
        QByteArray text;
        int step = 0;       // the operation before which it ends; past the last, it ends saved
        uint uid = 0;       // also its own group
        uint group = 0;     // its second group
        bool anew = false;  // moves the document to its backup first
        qint64 shortWriteBytes = -1;
        QMap<uint, QVector<uint>> userGroups; // as SafeSave::FaultScope::setUserGroups
    };

    KilledSaves();
    ~KilledSaves();
    KilledSaves(const KilledSaves&) = delete;
    KilledSaves& operator=(const KilledSaves&) = delete;

    // Runs a save in a child ended at its step: "killed" where it ended there, "ended" where
    // it ran to its end (no operation of that number), else how the child ended.
    QString run(const Save& save);

private:
    QProcess m_process;
};
