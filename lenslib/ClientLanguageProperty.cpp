#include "ClientLanguageProperty.h"

ClientLanguageProperty::ClientLanguageProperty(int id) : m_id(id)
{
}

ClientLanguageProperty::~ClientLanguageProperty()
{
    delete m_appTranslator.data();
    delete m_qtTranslator.data();
    delete m_toolkitTranslator.data();
}

void ClientLanguageProperty::setTranslators(QTranslator *app, QTranslator *qt, QTranslator *toolkit)
{
    m_appTranslator = app;
    m_qtTranslator = qt;
    m_toolkitTranslator = toolkit;
}
