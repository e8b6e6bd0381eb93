#pragma once

#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QTranslator>

/// One language of the library: its id, locale, the three translators it
/// installs (the library's own, Qt's and the toolkit's) and its loading
/// picture. The property owns its translators and deletes those still alive.
class ClientLanguageProperty
{
public:
    explicit ClientLanguageProperty(int id = -1);
    virtual ~ClientLanguageProperty();
    ClientLanguageProperty(const ClientLanguageProperty &) = delete;
    ClientLanguageProperty &operator=(const ClientLanguageProperty &) = delete;

    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    QLocale locale() const { return m_locale; }
    void setLocale(const QLocale &locale) { m_locale = locale; }
    QPixmap loadingImage() const { return m_loadingImage; }
    void setLoadingImage(const QPixmap &image) { m_loadingImage = image; }

    /// Hands the three translators to the property, which then owns them.
    void setTranslators(QTranslator *app, QTranslator *qt, QTranslator *toolkit);
    QTranslator *appTranslator() const { return m_appTranslator; }
    QTranslator *qtTranslator() const { return m_qtTranslator; }
    QTranslator *toolkitTranslator() const { return m_toolkitTranslator; }

private:
    int m_id;
    QLocale m_locale;
    QPointer<QTranslator> m_appTranslator;
    QPointer<QTranslator> m_qtTranslator;
    QPointer<QTranslator> m_toolkitTranslator;
    QPixmap m_loadingImage;
};
