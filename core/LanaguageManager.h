#pragma once

#include <UiSingleton.h>

#include <QLocale>
#include <QVector>

class QTranslator;

namespace kiv {

/// The user-interface language, fixed once from the settings' "Translator"
/// value: 0 English, 1 Chinese; any other value passes through unchanged with
/// no catalogue and the default locale. Installs the catalogues of the
/// program, of Qt (Chinese only) and of the toolkit from the program folder's
/// translations/ into the application; they stay installed until the object
/// is destroyed.
class LanaguageManager : public KavrinGUIToolkit::CUiSingleton<LanaguageManager>
{
    friend class KavrinGUIToolkit::CUiSingleton<LanaguageManager>;

public:
    /// A manager for the language index @p language. The process-wide one,
    /// reached through GetInstance(), takes its index from the settings.
    explicit LanaguageManager(int language);
    ~LanaguageManager() override;
    Q_DISABLE_COPY_MOVE(LanaguageManager)

    /// The language index: 0 English, 1 Chinese, or the value passed through.
    int language() const { return m_language; }
    /// The locale of the language; the default locale for other indexes.
    QLocale locale() const { return m_locale; }
    /// The installed translators, in installation order (program, Qt for
    /// Chinese, toolkit). Qt searches the last one first.
    const QVector<QTranslator *> &translators() const { return m_translators; }

private:
    // The settings must be loaded before the first GetInstance(): the index is
    // read here, once per process.
    LanaguageManager();

    void installTranslators();

    QLocale m_locale;
    QVector<QTranslator *> m_translators;
    int m_language = 0;
};

} // namespace kiv
