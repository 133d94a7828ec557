#pragma once
// Whole-file reads and writes for the tests.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

// The bytes of a file, or "<absent>" when it cannot be read.
inline QByteArray lire_tout(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// Writes a file, making its folder first.
inline void ecrire_tout(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
