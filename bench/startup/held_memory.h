#pragma once
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

// Prints what the process holds in memory now (its resident set, in KiB), as the line
// "held N": the figure measure_startup.py reads.
inline void Print_Held_Memory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    const QRegularExpressionMatch resident =
        QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    std::printf("held %s\n", qPrintable(resident.captured(1)));
    std::fflush(stdout);
}
