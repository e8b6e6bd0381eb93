#pragma once

#include <ClientConfigManager.h>
#include <ProgramFolder.h>

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QStringList>
#include <QtTest>

#include <memory>

// Helpers shared by the lens library's tests.
namespace lenstest {

/// Gives each test function its own temporary program folder: init() of a
/// test class starts one, cleanup() removes it.
class PerTestProgramFolder
{
public:
    void start() { m_folder = std::make_unique<ProgramFolder>(); }
    void stop() { m_folder.reset(); }
    /// The folder, ending in '/'.
    QString path() const { return m_folder ? m_folder->path() : QString(); }

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

/// Replaces the library's settings by those of the file at @p path.
inline bool reloadSettings(const QString &path)
{
    ClientConfigManager::instance()->clear();
    return ClientConfigManager::instance()->load(path);
}

/// Where each translation catalogue of a test's program folder comes from:
/// the library's own from the build, the toolkit's from the tests' tiny
/// sources, Qt's from Qt's installation.
inline QString catalogueSource(const QString &name)
{
    if (name.startsWith(QLatin1String("Pendrik_")))
        return QStringLiteral(VARNEL_PROGRAM_DIR "/translations/") + name;
    if (name.startsWith(QLatin1String("KavrinGUIToolkit_")))
        return QStringLiteral(LENS_FIXTURE_TRANSLATIONS "/") + name;
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + name;
}

inline QStringList allCatalogues()
{
    return {QStringLiteral("Pendrik_en.qm"),
            QStringLiteral("Pendrik_zh.qm"),
            QStringLiteral("KavrinGUIToolkit_en.qm"),
            QStringLiteral("KavrinGUIToolkit_zh.qm"),
            QStringLiteral("qt_zh_CN.qm"),
            QStringLiteral("qtbase_zh_CN.qm"),
            QStringLiteral("qtmultimedia_zh_CN.qm")};
}

/// Copies the named catalogues into @p programFolder/translations.
inline bool installCatalogues(const QString &programFolder, const QStringList &names)
{
    const QString dir = programFolder + QStringLiteral("/translations/");
    QDir().mkpath(dir);
    for (const QString &name : names) {
        QFile::remove(dir + name);
        if (!QFile::copy(catalogueSource(name), dir + name)) {
            qWarning() << "cannot copy" << catalogueSource(name);
            return false;
        }
    }
    return true;
}

inline QString fixture(const QString &name)
{
    return QStringLiteral(VARNEL_TEST_DATA_DIR "/lens/") + name;
}

/// Copies fixture catalogues into @p programFolder/CameraLensInfo as the
/// lens catalogue and the English camera catalogue; an empty name leaves
/// that catalogue out.
inline bool installLensCatalogues(const QString &programFolder, const QString &lenses,
                                  const QString &cameras)
{
    const QString dir = programFolder + QStringLiteral("/CameraLensInfo/");
    QDir().mkpath(dir);
    QFile::remove(dir + QStringLiteral("LensInfo.xml"));
    QFile::remove(dir + QStringLiteral("Camera_Lens_en.xml"));
    if (!lenses.isEmpty() && !QFile::copy(fixture(lenses), dir + QStringLiteral("LensInfo.xml")))
        return false;
    return cameras.isEmpty() ||
           QFile::copy(fixture(cameras), dir + QStringLiteral("Camera_Lens_en.xml"));
}

} // namespace lenstest
