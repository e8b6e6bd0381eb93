#include "LanaguageManager.h"

#include "ConfigureManager.h"

#include <TargetPath.h>

#include <QCoreApplication>
#include <QTranslator>

#include <utility>

namespace kiv {

LanaguageManager::LanaguageManager()
    : LanaguageManager(static_cast<int>(ConfigureManager::GetInstance()->translator()))
{
}

LanaguageManager::LanaguageManager(int language)
{
    m_language = language;
    installTranslators();
}

LanaguageManager::~LanaguageManager()
{
    // A deleted translator removes itself from the application.
    qDeleteAll(m_translators);
    m_translators.clear();
}

void LanaguageManager::installTranslators()
{
    QString programCatalogue;
    QString qtCatalogue;
    QString toolkitCatalogue;
    if (m_language == 0) {
        programCatalogue = QStringLiteral("Varnel_en.qm");
        toolkitCatalogue = QStringLiteral("KavrinGUIToolkit_en.qm");
        m_locale = QLocale(QLocale::English, QLocale::UnitedStates);
    } else if (m_language == 1) {
        programCatalogue = QStringLiteral("Varnel_zh.qm");
        // qt_zh_CN.qm only names qtbase_zh_CN.qm and qtmultimedia_zh_CN.qm,
        // which the build puts beside it.
        qtCatalogue = QStringLiteral("qt_zh_CN.qm");
        toolkitCatalogue = QStringLiteral("KavrinGUIToolkit_zh.qm");
        m_locale = QLocale(QLocale::Chinese, QLocale::China);
    }

    const QString folder = KavrinGUIToolkit::GetTargetPath() + QStringLiteral("translations/");
    QStringList names{programCatalogue};
    if (!qtCatalogue.isEmpty())
        names.append(qtCatalogue);
    names.append(toolkitCatalogue);

    for (const QString &name : std::as_const(names)) {
        auto *translator = new QTranslator;
        // A missing catalogue leaves an empty translator: its texts then show
        // untranslated, which is all the program can do without it.
        if (!name.isEmpty())
            (void)translator->load(name, folder);
        QCoreApplication::installTranslator(translator);
        m_translators.append(translator);
    }
}

} // namespace kiv
