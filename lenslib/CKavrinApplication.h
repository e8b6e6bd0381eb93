#pragma once

#include <QApplication>
#include <QString>

#include <memory>

namespace KavrinGUIToolkit {
class CLockFile;
}

/// The application of the stand-alone calculator: its font, the library's
/// settings, translators and skin, the widget style and style sheets, and a
/// single-instance check on the application id.
class CKavrinApplication : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CKavrinApplication)
public:
    /// @p lockFolder holds the single-instance lock; the system's temporary
    /// folder when empty.
    CKavrinApplication(int &argc, char **argv, const QString &applicationId,
                       const QString &lockFolder = QString());
    ~CKavrinApplication() override;

    /// True, after telling the user "Software is already running.", when
    /// another copy holds the application id.
    bool isRunning();
    /// The single-instance lock file of @p applicationId for this user, in
    /// @p folder; the system's temporary folder when empty.
    static QString lockFilePath(const QString &applicationId, const QString &folder = QString());
    /// True, after telling the user, when the primary screen is smaller
    /// than 1024 x 768.
    bool checkResolution();

    QString applicationId() const { return m_strAppId; }

private:
    void loadStyle();

    bool m_bRunning = false;
    QString m_strAppId;
    std::unique_ptr<KavrinGUIToolkit::CLockFile> m_pInstanceLock;
};
