#pragma once

// The planning job of the end-to-end test: what the planner enters, in the
// texts of each interface language, and the figures the program must come
// to, worked by hand below from the formulas of the calculations.

#include <QString>
#include <QStringList>
#include <QVector>

/// A device the planner picks in the add-device dialog.
struct PickedDevice
{
    int tab;             ///< 0 network cameras, 1 speed domes, 2 DVRs
    const char *code;    ///< the filter value ticked, by its parameter code
    QStringList offered; ///< the models the ticked value leaves
    QString keyword;     ///< typed, it leaves this one model
    QString model;
    int count;
    int mainStream; ///< chosen bit rates; a DVR has none to choose
    int subStream;
};

/// The texts the planner types and reads in one interface language.
struct JobTexts
{
    QString depot;            ///< the task made device by device
    QString depotDescription; ///< its description
    QStringList remarks;      ///< the remark of each picked device
    QString outlet;           ///< the task made from an industry solution
    QString solutionType;
    QString industry;
    QStringList scenes;        ///< the industry's scenes as the dialog lists them
    QString droppedScene;      ///< unticked
    QString editedScene;       ///< a count of it is changed
    QStringList outletDevices; ///< the solution task's device rows
    QStringList brackets;      ///< the bracket types offered for the gate cameras
    QString shield;            ///< the one shield type offered for them
    QString ipc, dome, dvr;    ///< class names in the device list
    QString nvr, cvr;          ///< storage classes
    QString raid;              ///< the RAID disk type
    QString common;            ///< the plain disk type
    QString saved;             ///< the message of a saved report, "title|text"
    QString exitQuestion;      ///< asked when the program is closed
    QString dateLabel;         ///< where the report's date begins
};

/// The texts of the interface language (0 English, 1 Chinese).
JobTexts jobTexts(int language);

/// The four devices of the first task, in the order they are picked.
QVector<PickedDevice> pickedDevices();

namespace figures {

/// The first task's device rows once the count is changed in the list.
QStringList depotDevices(const JobTexts &texts);
/// The streams of the gate cameras, the yard's speed domes and the office's
/// DVR, as the stream panel shows them.
QStringList gateStreams();
QStringList yardStreams();
QStringList officeStreams();
/// Record plans as "<24 digits>|<event frequency>".
QString allDay();
QString eventMornings();
/// The gate cameras' lens, bracket and shield tiles.
QString gateAccessories(const JobTexts &texts);
/// The storage form's choices and the figures of the two calculations.
QString nvrChoices(const JobTexts &texts);
QString nvrStorage();
QString cvrChoices(const JobTexts &texts);
QString cvrStorage();
QString bandwidth();
QString streamServers();
QString clients();

/// The report window's text, line by line, less its date: the task, its
/// devices and accessories, in Chinese the suggested configurations, then
/// the results.
QStringList reportLines(int language);
/// The report's results section, from its heading on.
QStringList reportResults(int language);
/// The workbook's rows, cells joined by '|', a number cell as "#<number>".
QStringList workbookRows(int language);

} // namespace figures
