#include "ParamModel.h"

#include <CoreLogging.h>

#include "AppLogging.h"

#include <FilterConfig.h>
#include <ParamItemText.h>
#include <StandardItem.h>
#include <TaskDataBase.h>

namespace kiv {

namespace {

QStandardItem *plainItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

ParamModel::ParamModel() : QStandardItemModel(0, 1)
{
}

ParamModel::~ParamModel() = default;

void ParamModel::loadParams(int deviceClass)
{
    const FilterConfig config;
    loadParams(deviceClass, config);
}

void ParamModel::loadParams(int deviceClass, const FilterConfig &config)
{
    QVector<QString> hidden;
    QVector<QString> satisfyGroups;
    (void)config.hideCodes(deviceClass, hidden);
    (void)config.checkCodes(deviceClass, satisfyGroups);

    TaskDataBase *catalogue = TaskDataBase::GetInstance();
    QMap<QString, QString> headings;
    (void)catalogue->getMainParam(deviceClass, headings);
    for (auto heading = headings.cbegin(); heading != headings.cend(); ++heading) {
        // Headings are hidden by their text, so that one list serves the
        // catalogues of both languages.
        if (hidden.contains(heading.value()))
            continue;
        // A heading joins the model once its groups and values are under it:
        // each item added to a model in a view goes through the view on its
        // own.
        QStandardItem *headingItem = plainItem(heading.value());
        headingItem->setData(heading.key(), CodeRole);

        QMap<QString, QString> groups;
        (void)catalogue->getSub1Param(deviceClass, heading.key(), groups);
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            if (hidden.contains(group.key()))
                continue;
            const bool satisfy = satisfyGroups.contains(group.key());
            QStandardItem *groupItem = plainItem(group.value());
            groupItem->setData(satisfy ? 1 : 0, SatisfyRole);
            QStandardItem *mode = nullptr;
            if (satisfy) {
                mode = plainItem(tr("Whether to satisfy"));
                mode->setCheckable(true);
                mode->setCheckState(Qt::Unchecked);
                mode->setData(1, SatisfyRole);
            } else {
                auto *anyOne = new KavrinGUIToolkit::CStandardItem(tr("Any One"));
                anyOne->setEditable(false);
                anyOne->setData(Qt::Checked, Qt::CheckStateRole);
                anyOne->SetEnabled(false);
                anyOne->setData(0, SatisfyRole);
                anyOne->setData(1, AnyOneRole);
                groupItem->setData(1, AnyOneRole);
                mode = anyOne;
            }
            groupItem->setChild(0, 0, mode);
            headingItem->appendRow(groupItem);

            QVector<ParamItem> values;
            (void)catalogue->getSub2Param(deviceClass, group.key(), values);
            for (const ParamItem &value : std::as_const(values)) {
                if (hidden.contains(value.code))
                    continue;
                QStandardItem *valueItem = plainItem(paramItemText(value));
                valueItem->setData(value.code, CodeRole);
                valueItem->setCheckable(true);
                valueItem->setCheckState(Qt::Unchecked);
                groupItem->appendRow(valueItem);
                qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb sub2 code is") << value.code;
            }
        }
        appendRow(headingItem);
    }
}

void ParamModel::setChildrenCheckState()
{
    for (int h = 0; h < rowCount(); ++h) {
        QStandardItem *heading = item(h);
        for (int g = 0; g < heading->rowCount(); ++g) {
            QStandardItem *group = heading->child(g);
            for (int v = 0; v < group->rowCount(); ++v) {
                QStandardItem *value = group->child(v);
                if (value && value->isEnabled() && value->data(AnyOneRole).toInt() != 1)
                    value->setCheckState(Qt::Unchecked);
            }
        }
    }
}

} // namespace kiv
