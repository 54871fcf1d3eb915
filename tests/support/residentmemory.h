#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The resident memory (VmRSS) of a process in kilobytes, read from its status file
// ("/proc/self/status" or "/proc/<pid>/status"); -1 when it cannot be read.
inline long residentKilobytes(const QString &statusFile)
{
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
