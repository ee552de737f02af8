#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// What a file holds; empty when there is none.
inline QByteArray Content_Of(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file with that content, as a report saved before.
inline void Write_File(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}
