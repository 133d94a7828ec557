#pragma once
// Whole-file reads and writes for the tests.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

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

// A file of `taille` bytes that starts with `debut`, the rest zero bytes and
// sparse: hundreds of MB that take no room on disk (a wrong file chosen by
// mistake, with no line end after `debut`).
inline void ecrire_enorme(const QString &chemin, const QByteArray &debut, qint64 taille)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(debut), debut.size());
    QVERIFY(f.resize(taille));
}

// The peak memory of the process so far, in KB: a reader that took a whole
// file of hundreds of MB raises it by as much.
inline long pic_memoire_ko()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS m{};
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return long(m.PeakWorkingSetSize / 1024);
#else
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
#endif
}

// The same text with other line ends, and with a UTF-8 byte-order mark.
inline QByteArray autres_fins(QByteArray crlf, const QByteArray &fin, bool marque)
{
    crlf.replace("\r\n", fin);
    return marque ? "\xEF\xBB\xBF" + crlf : crlf;
}

// The rows of a table of line-end variants: each must read as its CR LF twin.
inline void lignes_fins_de_ligne()
{
    QTest::addColumn<QByteArray>("fin");
    QTest::addColumn<bool>("marque");
    QTest::newRow("CR LF") << QByteArray("\r\n") << false;
    QTest::newRow("LF") << QByteArray("\n") << false;
    QTest::newRow("mark, CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("mark, LF") << QByteArray("\n") << true;
    QTest::newRow("lone CR") << QByteArray("\r") << false;
}
