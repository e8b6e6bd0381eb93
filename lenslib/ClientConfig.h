#pragma once

#include <QString>

/// One setting of the settings file: the element's tag and its value text.
class ClientConfig
{
public:
    explicit ClientConfig(const QString &name, const QString &value = QString());
    virtual ~ClientConfig();
    ClientConfig(const ClientConfig &) = delete;
    ClientConfig &operator=(const ClientConfig &) = delete;

    QString getName() const { return m_name; }
    /// A copy of the value text; empty unless the setting's value was read.
    QString getValue() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

private:
    QString m_name;
    QString m_value;
};
