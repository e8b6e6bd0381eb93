#pragma once

#include <TaskDevices.h>

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QLineEdit;
class QTableView;
class QWidget;

namespace KavrinGUIToolkit {
class CIntValidator;
}

namespace kiv {

/// What the calculators share around Calculate and the stored result.
///
/// Every calculator opens Calculate with taskChosen() and readDevices(),
/// tells the planner through tellUnreadable() and tellNotStored(), and the
/// storage and bandwidth calculators show their figures in a table set up by
/// setUpResultRow(). The client and stream-server calculators hand their
/// whole flow to one object over their result field: Calculate counts the
/// task's devices, shows the number and stores it (disabled when it cannot be
/// counted), a number typed over it is stored at once, the stored number comes
/// back with its task, and blanking the field stores nothing.
class CalculatorFlow : public QObject
{
    Q_OBJECT
public:
    /// How a count calculator keeps its number as the task's result in the
    /// task list.
    struct CountStore
    {
        /// The number of the task's stored result; false when the task has
        /// no enabled result.
        std::function<bool(const QString &taskName, int &number)> read;
        /// Stores @p number with @p enabled as the result's flag; false when
        /// the task list cannot be written, with the task list's reason in
        /// @p reason.
        std::function<bool(const QString &taskName, bool enabled, int number, QString &reason)>
            write;
    };
    /// A count of the task's devices; @p ok false when they cannot be counted.
    using Counter = std::function<int(const QVector<TaskDeviceEntry> &devices, bool *ok)>;

    /// Runs the count flow over @p field, which then takes whole numbers
    /// from 1 to 1000 as the planner's own result. @p owner (the calculator)
    /// parents the flow, the field's validator and the messages.
    CalculatorFlow(QWidget *owner, QLineEdit *field, CountStore store);
    ~CalculatorFlow() override;
    Q_DISABLE_COPY_MOVE(CalculatorFlow)

    /// True when a task is chosen; otherwise tells the planner
    /// @p chooseFirst.
    static bool taskChosen(const QString &taskName, const QString &chooseFirst, QWidget *parent);
    /// Reads the task's devices. When they cannot be read, writes a debug
    /// line that starts with @p calculation ("client calculation:"), sets
    /// @p reason (when given) to the device file's own reason and returns
    /// false; the planner is told nothing.
    static bool readDevices(const QString &taskName, const char *calculation,
                            QVector<TaskDeviceEntry> &devices, QString *reason = nullptr);
    /// Tells the planner that the task's devices cannot be read.
    static void tellUnreadable(QWidget *parent);
    /// Tells the planner that a result could not be stored in the task list,
    /// with the task list's @p reason on a second line.
    static void tellNotStored(QWidget *parent, const QString &reason);
    /// Gives @p table, which already shows its model, the look of a result
    /// row: fixed columns @p columnWidth wide, rows 50 high without a header,
    /// figures in blue that cannot be selected.
    static void setUpResultRow(QTableView *table, int columnWidth);

    /// Counts the task's devices with @p counter, shows the number and
    /// stores it. Devices that cannot be read, or cannot be counted (then
    /// the planner is told @p uncountable), leave the field blank and the
    /// result stored disabled, so that no earlier number passes for the
    /// current one.
    void count(const QString &taskName, const char *calculation, const Counter &counter,
               const QString &uncountable);
    /// Shows @p number and stores it as the task's result.
    void showAndStore(const QString &taskName, int number);
    /// Stores what the planner typed into the field: the number, or a
    /// disabled result when the field holds none.
    void storeTyped(const QString &taskName, const QString &text);
    /// Shows the task's stored number; blanks the field when it has none.
    void load(const QString &taskName);
    /// Blanks the field; stores nothing.
    void clear();

private:
    void show(const QString &text);
    void store(const QString &taskName, bool enabled);

    QWidget *const m_owner;
    QLineEdit *const m_field;
    KavrinGUIToolkit::CIntValidator *const m_validator;
    const CountStore m_store;
};

} // namespace kiv
