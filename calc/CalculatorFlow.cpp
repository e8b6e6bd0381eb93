#include "CalculatorFlow.h"

#include "CalcLogging.h"

#include <FailureText.h>
#include <Validators.h>
#include <WarningDlg.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

namespace kiv {

CalculatorFlow::CalculatorFlow(QWidget *owner, QLineEdit *field, CountStore store)
    : QObject(owner), m_owner(owner), m_field(field),
      m_validator(new KavrinGUIToolkit::CIntValidator(1, 1000, owner)), m_store(std::move(store))
{
    m_field->setValidator(m_validator);
    m_field->setStyleSheet(QStringLiteral("QLineEdit{height:50px; color:rgb(105, 157, 206)}"
                                          "QLineEdit:hover,QLineEdit:hover{border-image:none;}"));
    clear();
}

CalculatorFlow::~CalculatorFlow() = default;

bool CalculatorFlow::taskChosen(const QString &taskName, const QString &chooseFirst,
                                QWidget *parent)
{
    if (!taskName.isEmpty())
        return true;
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Info"), chooseFirst, parent);
    return false;
}

bool CalculatorFlow::readDevices(const QString &taskName, const char *calculation,
                                 QVector<TaskDeviceEntry> &devices, QString *reason)
{
    QString why;
    if (readTaskDevices(taskName, devices, &why, reason))
        return true;
    qCDebug(lcCalc) << calculation << taskName << why;
    return false;
}

void CalculatorFlow::tellUnreadable(QWidget *parent)
{
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        tr("Error"), tr("The devices of this task cannot be read."), parent);
}

void CalculatorFlow::tellNotStored(QWidget *parent, const QString &reason)
{
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        tr("Warn"), failureText(tr("The result could not be stored in the task list."), reason),
        parent);
}

void CalculatorFlow::setUpResultRow(QTableView *table, int columnWidth)
{
    QHeaderView *header = table->horizontalHeader();
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, columnWidth);
    }
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(50);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setStyleSheet(
        QStringLiteral("QTreeView::item{height:50px; color:rgb(105, 157, 206)}"
                       "QTreeView::item:hover,QTreeView::branch:hover{border-image:none;}"
                       "QTableView::item{color:rgb(105, 157, 206)}"));
}

void CalculatorFlow::count(const QString &taskName, const char *calculation, const Counter &counter,
                           const QString &uncountable)
{
    QVector<TaskDeviceEntry> devices;
    if (!readDevices(taskName, calculation, devices)) {
        show(QString());
        store(taskName, false);
        tellUnreadable(m_owner);
        return;
    }
    bool ok = false;
    const int number = counter(devices, &ok);
    show(ok ? QString::number(number) : QString());
    store(taskName, ok);
    if (!ok)
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Error"), uncountable, m_owner);
}

void CalculatorFlow::showAndStore(const QString &taskName, int number)
{
    show(QString::number(number));
    store(taskName, true);
}

void CalculatorFlow::storeTyped(const QString &taskName, const QString &text)
{
    // An emptied field leaves the task without a result.
    store(taskName, m_validator->IsAcceptable(text));
}

void CalculatorFlow::load(const QString &taskName)
{
    int number = 0;
    if (m_store.read(taskName, number))
        show(QString::number(number));
    else
        clear();
}

void CalculatorFlow::clear()
{
    show(QString());
}

void CalculatorFlow::show(const QString &text)
{
    QFont font(QStringLiteral("Arial"), 14);
    font.setWeight(QFont::Normal);
    m_field->setFont(font);
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setText(text);
}

void CalculatorFlow::store(const QString &taskName, bool enabled)
{
    const int number = enabled ? m_field->text().toInt(nullptr, 10) : 0;
    QString reason;
    if (!m_store.write(taskName, enabled, number, reason))
        tellNotStored(m_owner, reason);
}

} // namespace kiv
