#pragma once

#include <TargetPath.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <initializer_list>
#include <utility>

/// A temporary program folder for one test: GetTargetPath() points at it for
/// the fixture's lifetime (unless it is made for a child process, which is
/// told the folder on its command line), with an empty Task/ sub-folder.
class ProgramFolder
{
public:
    /// Whose program folder it is.
    enum class For { ThisProcess, AChild };

    explicit ProgramFolder(bool withTaskFolder = true)
        : ProgramFolder(For::ThisProcess, withTaskFolder)
    {
    }
    explicit ProgramFolder(For user, bool withTaskFolder = true) : m_user(user)
    {
        QVERIFY(m_dir.isValid());
        if (withTaskFolder)
            QDir(m_dir.path()).mkpath(QStringLiteral("Task"));
        if (m_user == For::ThisProcess)
            KavrinGUIToolkit::SetTargetPath(m_dir.path());
    }
    ~ProgramFolder()
    {
        if (m_user == For::ThisProcess)
            KavrinGUIToolkit::SetTargetPath(QString());
    }
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    /// The folder, ending in '/'.
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    /// The folder without the closing '/', as a program is told it.
    QString root() const { return m_dir.path(); }
    QString file(const QString &relative) const { return path() + relative; }

    /// Copies a fixture from tests/data into the folder.
    bool copyFixture(const QString &fixture, const QString &relative) const
    {
        QFile::remove(file(relative));
        return QFile::copy(QStringLiteral(VARNEL_TEST_DATA_DIR "/") + fixture, file(relative));
    }

    /// A file or folder of the built program folder.
    static QString built(const QString &relative)
    {
        return QStringLiteral(VARNEL_PROGRAM_DIR "/") + relative;
    }

    /// Copies files of the built program folder (catalogues, parameter
    /// codes, "CameraLensInfo/LensInfo.xml") to the same places here; false,
    /// after naming the first that could not be copied, when one is missing.
    bool copyFromBuild(std::initializer_list<const char *> relatives) const
    {
        for (const char *name : relatives) {
            const QString relative = QString::fromLatin1(name);
            QDir().mkpath(QFileInfo(file(relative)).absolutePath());
            QFile::remove(file(relative));
            if (!QFile::copy(built(relative), file(relative))) {
                qWarning("cannot copy %s from the built program folder", name);
                return false;
            }
        }
        return true;
    }

    /// The lens calculator's shipped catalogues, whose cameras (KC-B21, ...)
    /// are models of the device catalogue.
    bool copyLensCatalogues() const
    {
        return copyFromBuild({"CameraLensInfo/LensInfo.xml", "CameraLensInfo/Camera_Lens_en.xml",
                              "CameraLensInfo/Camera_Lens.xml"});
    }

    /// Copies every built catalogue of texts (*.qm) into translations/.
    bool copyTranslations() const
    {
        const QDir shipped(built(QStringLiteral("translations")));
        const QStringList names = shipped.entryList({QStringLiteral("*.qm")}, QDir::Files);
        if (names.isEmpty() || !QDir(root()).mkpath(QStringLiteral("translations")))
            return false;
        for (const QString &name : names) {
            if (!QFile::copy(shipped.filePath(name), file(QStringLiteral("translations/") + name)))
                return false;
        }
        return true;
    }

    /// Links a folder or file of the built program folder (its plug-ins, its
    /// catalogues of texts) in at the same place, for a start that loads it.
    bool linkFromBuild(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(file(relative)).absolutePath());
        return QFile::link(built(relative), file(relative));
    }

    /// A settings file with one element per (key, value), in order.
    static QByteArray
    settingsXml(std::initializer_list<std::pair<const char *, QByteArray>> settings)
    {
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configs>\n";
        for (const auto &setting : settings) {
            xml += "  <" + QByteArray(setting.first) + ">\n    <Value>" + setting.second +
                   "</Value>\n  </" + setting.first + ">\n";
        }
        xml += "</Configs>\n";
        return xml;
    }

    /// Writes Setup.xml with the interface language (0 English, 1 Chinese).
    bool writeSettings(int language) const
    {
        return write(file(QStringLiteral("Setup.xml")),
                     settingsXml({{"Translator", QByteArray::number(language)}}));
    }

    /// The bytes of the regular file at @p path; empty for anything else,
    /// which a read could wait on forever (a named pipe) or never finish
    /// (a device).
    static QByteArray readAll(const QString &path)
    {
        if (!QFileInfo(path).isFile())
            return QByteArray();
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    /// Every file under @p root, hidden ones included, by its path, with its
    /// bytes: two snapshots compare equal when nothing was written there.
    static QMap<QString, QByteArray> snapshot(const QString &root)
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(path, readAll(path));
        }
        return files;
    }

    /// Writes @p bytes as the whole file, making the folders it lies in.
    static bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    /// Sets the time @p path was last changed to @p ageSeconds ago (ahead of
    /// now for a negative age).
    static bool backdate(const QString &path, qint64 ageSeconds)
    {
        QFile f(path);
        return f.open(QIODevice::ReadWrite) &&
               f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime);
    }

private:
    QTemporaryDir m_dir;
    For m_user;
};
