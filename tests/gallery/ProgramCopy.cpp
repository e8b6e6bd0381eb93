#include "ProgramCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char *const kFiles[] = {"Task.db", "Task_EN.db", "Setup.xml", "ParamCode.xml",
                              "FilterConfig.xml"};
const char *const kFolders[] = {"plugins", "translations", "CameraLensInfo"};

bool copyFile(const QString &from, const QString &to, QString &error)
{
    if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to)) {
        error = QStringLiteral("cannot copy %1 to %2").arg(from, to);
        return false;
    }
    return true;
}

bool copyFolder(const QString &from, const QString &to, QString &error)
{
    if (!QFileInfo(from).isDir()) {
        error = QStringLiteral("no folder %1").arg(from);
        return false;
    }
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!copyFile(file, to + QDir(from).relativeFilePath(file), error))
            return false;
    }
    return true;
}

} // namespace

QString ProgramCopy::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

bool ProgramCopy::make(const QString &builtFolder, int language, QString &error)
{
    if (!m_dir.isValid()) {
        error = QStringLiteral("no temporary folder: %1").arg(m_dir.errorString());
        return false;
    }
    const QString source = QDir(builtFolder).absolutePath() + QLatin1Char('/');
    for (const char *name : kFiles) {
        if (!copyFile(source + QLatin1String(name), path() + QLatin1String(name), error))
            return false;
    }
    for (const char *name : kFolders) {
        const QString folder = QLatin1String(name) + QLatin1Char('/');
        if (!copyFolder(source + folder, path() + folder, error))
            return false;
    }
    if (!QDir(path()).mkpath(QStringLiteral("Task"))) {
        error = QStringLiteral("cannot make the Task folder");
        return false;
    }

    QFile setup(path() + QStringLiteral("Setup.xml"));
    if (!setup.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the copied Setup.xml");
        return false;
    }
    QString text = QString::fromUtf8(setup.readAll());
    setup.close();
    static const QRegularExpression translator(
        QStringLiteral("(<Translator>\\s*<Value>)[^<]*(</Value>)"));
    if (!text.contains(translator)) {
        error = QStringLiteral("Setup.xml names no language");
        return false;
    }
    text.replace(translator, QStringLiteral("\\1%1\\2").arg(language));
    if (!setup.open(QIODevice::WriteOnly | QIODevice::Truncate) || setup.write(text.toUtf8()) < 0) {
        error = QStringLiteral("cannot write the copied Setup.xml");
        return false;
    }
    return true;
}
