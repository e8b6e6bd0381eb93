#pragma once

#include <TargetPath.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

/// A temporary program folder for one test: GetTargetPath() points at it for
/// the fixture's lifetime, with an empty Task/ sub-folder.
class ProgramFolder
{
public:
    explicit ProgramFolder(bool withTaskFolder = true)
    {
        QVERIFY(m_dir.isValid());
        if (withTaskFolder)
            QDir(m_dir.path()).mkpath(QStringLiteral("Task"));
        KavrinGUIToolkit::SetTargetPath(m_dir.path());
    }
    ~ProgramFolder() { KavrinGUIToolkit::SetTargetPath(QString()); }
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &relative) const { return path() + relative; }

    /// Copies a fixture from tests/data into the folder.
    bool copyFixture(const QString &fixture, const QString &relative) const
    {
        QFile::remove(file(relative));
        return QFile::copy(QStringLiteral(VARNEL_TEST_DATA_DIR "/") + fixture, file(relative));
    }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static bool write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
};
