#include "ClientConfig.h"

ClientConfig::ClientConfig(const QString &name, const QString &value) : m_name(name), m_value(value)
{
}

ClientConfig::~ClientConfig() = default;
