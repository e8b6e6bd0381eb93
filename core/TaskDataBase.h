#pragma once

#include "DeviceClass.h"

#include <UiSingleton.h>

#include <QList>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

class QSqlQuery;

/// One row of a parameter table: a heading, a group or a value. A range value
/// (kind 3) holds its two bounds joined by "~" in @c text; @c unit follows the
/// low bound and @c upperUnit the high one.
struct ParamItem
{
    QString text;
    int kind = 1;
    QString unit;
    QString upperUnit;
    QString code;
};

/// The capacity figures of one NVR model of the catalogue.
struct NvrModel
{
    /// Position of the model in the NVR list it was read from, from 0.
    int id = 0;
    QString name;
    /// Network camera inputs: the channel capacity of one NVR.
    int netInputNumber = 0;
    int analogInputNumber = 0;
    /// Cameras one NVR of this model takes in an allocation; set by the NVR
    /// calculation.
    int channelLimit = 0;
    /// Incoming bandwidth in Kbps (the catalogue's Mbps figure times 1024).
    qint64 bandwidth = 0;
};

namespace kiv {

/// The read-only device catalogue (Task_EN.db for English, Task.db
/// otherwise). Queries take a device class as DeviceClass numbers it; another
/// class index makes every query return false.
///
/// Every query returns false, leaving its output untouched, while the
/// catalogue is not open and when a statement fails; a failing statement
/// writes its SQL and the error to the debug output ("qeb TaskDataBase::...").
/// Outputs are appended to unless a method says it replaces them. Every list
/// comes out in catalogue order (or sorted where said), the same on every run.
/// Values are bound to the statements, never pasted into the SQL.
class TaskDataBase : public KavrinGUIToolkit::CUiSingleton<TaskDataBase>
{
    friend class KavrinGUIToolkit::CUiSingleton<TaskDataBase>;

public:
    /// Headings (by text) to groups (by text) to the values of a model.
    using ParamSheet = QMap<QString, QMap<QString, QVector<ParamItem>>>;

    /// A catalogue on the file @p dbPath under its own connection
    /// @p connectionName; @p language chooses the device-type list variant
    /// (0 English, any other Chinese). Opens the file and fills the resolution
    /// and frame-rate caches at once.
    explicit TaskDataBase(const QString &dbPath, const QString &connectionName, int language);
    ~TaskDataBase() override;
    Q_DISABLE_COPY_MOVE(TaskDataBase)

    /// Opens the catalogue read-only. False, with a debug line, when the file
    /// is missing, cannot be opened, is not a database or lacks the
    /// catalogue's tables (an empty file, another program's database): a
    /// missing catalogue is never created.
    bool loadDB();
    void closeDB();
    bool isOpen() const { return m_opened; }
    /// True when the open catalogue lacks a table or column that a query
    /// names or reads (catalogue::tables()): @p table names the first such
    /// table and @p column its missing column, empty when the whole table is
    /// missing. Every query on such a catalogue would fail or come back
    /// empty, so the start refuses it. False when all are there, and while
    /// the catalogue is not open.
    bool findMissingColumn(QString &table, QString &column) const;
    QString dbPath() const { return m_dbPath; }
    QString connectionName() const { return m_connectionName; }

    // Parameter trees and models by code.

    /// The headings of the class (codes ending in "0000"): code to text.
    bool getMainParam(int deviceClass, QMap<QString, QString> &codeToText);
    /// The groups under a heading (its first two digits, ending in "00"),
    /// the heading itself left out: code to text.
    bool getSub1Param(int deviceClass, const QString &headingCode,
                      QMap<QString, QString> &codeToText);
    /// The values of a group (its first four digits), the group row left out,
    /// in table order.
    bool getSub2Param(int deviceClass, const QString &groupCode, QVector<ParamItem> &items);
    /// The models of the class that carry every one of @p codes, in ascending
    /// name order. An empty code list appends nothing.
    bool getDeviceByCodes(int deviceClass, const QVector<QString> &codes,
                          QVector<QString> &deviceTypes);
    /// The models that carry @p code.
    bool getDeviceTypesOfCode(int deviceClass, const QString &code, QSet<QString> &deviceTypes);
    /// Every parameter value of one model, filed by heading text and group
    /// text; each heading text is appended to @p headingOrder once, in code
    /// order. A code whose value, group or heading row is missing from the
    /// parameter table is left out.
    bool getDeviceAllParam(int deviceClass, const QString &deviceType, ParamSheet &sheet,
                           QVector<QString> &headingOrder);

    // Industry solutions and device-type lists.

    /// The distinct solution types; replaces the list.
    bool getAllSolutionType(QStringList &solutionTypes);
    /// The distinct industries of a solution type; replaces the list.
    bool getAllIndustry(const QString &solutionType, QStringList &industries);
    /// The distinct scenes of an industry, in any solution type; replaces the
    /// list.
    bool getScene(const QString &industry, QStringList &scenes);
    /// Device type to count for one scene; a repeated type takes the later
    /// row's count, a count that is not a number gives 0.
    bool getDevice(const QString &industry, const QString &scene, const QString &solutionType,
                   QMap<QString, int> &typeCounts);
    /// The models of a device class in the variant of the catalogue's
    /// language; replaces the list. For DVRs and NVRs the list joins two type
    /// codes, so a model carrying both stands twice.
    bool getDeviceList(int deviceClass, QStringList &deviceTypes);
    /// The English variant: models marked with the class's list codes.
    bool getDeviceListEN(int deviceClass, QStringList &deviceTypes);
    /// The Chinese variant: DVRs and NVRs by type code, every other class all
    /// models of its table.
    bool getDeviceListCN(int deviceClass, QStringList &deviceTypes);

    // Resolutions and frame rates, answered from the caches, each filled on
    // its first question. A video standard of 0 is PAL, any other value NTSC.

    /// Splits one network-camera or speed-dome resolution text of the form
    /// "50Hz:25fps(1920x1080)": @p slot 0 for the standard "50Hz", else 1;
    /// @p frameRate "25"; @p resolution "1920x1080". False, with nothing
    /// guaranteed in the outputs, when the text does not have that form or
    /// gives an empty resolution.
    static bool parseResolutionText(const QString &text, int &slot, QString &resolution,
                                    QString &frameRate);
    /// Replaces @p maps with one map, resolution to highest frame rate, in
    /// ascending order of the resolution text.
    bool getIPCResolution(const QString &deviceType, int standard,
                          QList<QMap<QString, QString>> &maps);
    bool getDomeResolution(const QString &deviceType, int standard,
                           QList<QMap<QString, QString>> &maps);
    /// Replaces @p resolutions with the model's DVR resolutions, in catalogue
    /// order.
    bool getDVRResolution(const QString &deviceType, QStringList &resolutions);
    /// Replaces @p frameRates with the model's DVR frame rates of the
    /// standard, in catalogue order; a text containing "30" is NTSC, any
    /// other PAL.
    bool getDVRFrameRate(const QString &deviceType, int standard, QStringList &frameRates);

    // Accessories and device codes.

    /// The stand types of a network camera, in catalogue order.
    bool getIPCStand(const QString &deviceType, QVector<QString> &types);
    /// The stand types of a speed dome.
    bool getDomeStand(const QString &deviceType, QVector<QString> &types);
    /// The shield types of a network camera.
    bool getIPCShield(const QString &deviceType, QVector<QString> &types);
    /// The lens types of a network camera.
    bool getIPCLens(const QString &deviceType, QVector<QString> &types);
    /// True when the class's device table has a row with that model and
    /// exactly that code.
    bool isDeviceCode(int deviceClass, const QString &deviceType, const QString &code);
    /// The models of the class that carry any of @p codes, each once (also
    /// against what the list held), in the order first met.
    bool getDeviceByCodesOrdered(int deviceClass, const QVector<QString> &codes,
                                 QVector<QString> &deviceTypes);
    /// True when a network camera or speed dome carries a code of its
    /// wide-dynamic-range or image-enhancement group.
    bool hasCodeGroup(int deviceClass, const QString &deviceType);

    // Storage: RAID types, disk bays and NVR models (classes 3 and 4).

    /// Appends the RAID type names of the model, in catalogue order.
    bool getRAIDType(int deviceClass, const QString &deviceType, QStringList &types);
    /// Sets @p bays to the model's number of disk bays; leaves it unchanged
    /// when the catalogue has no such figure.
    bool getHDDBayNumber(int deviceClass, const QString &deviceType, int &bays);
    /// Appends one record per NVR model of the NVR list, with @c id its
    /// position in that list.
    bool getNVRInfo(QList<NvrModel> &models);

private:
    // The process-wide catalogue: the file of the settings' language under
    // Qt's default connection.
    TaskDataBase();

    /// Opens the file; run once by the constructors.
    void init();

    enum CacheKind { IpcResolutions, DomeResolutions, DvrResolutions, DvrFrameRates, CacheKinds };
    bool loadCache(CacheKind kind);
    /// Fills the cache of @p kind unless it was filled before (or tried: a
    /// fill that failed is not run again).
    void ensureCache(CacheKind kind);

    enum AccessoryKind { IpcStand, DomeStand, IpcShield, IpcLens };
    bool accessoryTypes(AccessoryKind kind, const QString &deviceType, QVector<QString> &types);

    /// The first parameter text of a model whose code matches @p pattern
    /// (device row, then its parameter row). False when a statement fails;
    /// @p found tells whether a text came back.
    bool firstParamText(int deviceClass, const QString &deviceType, const QString &pattern,
                        const char *logName, QString &text, bool &found);

    static bool validClass(int deviceClass, const char *method);
    /// The cache slot of a video standard: 0 PAL, any other value NTSC.
    static int standardSlot(int standard) { return standard == 0 ? 0 : 1; }

    /// Prepares @p sql (values as '?' placeholders), binds @p values in order
    /// and runs it. On failure writes "qeb TaskDataBase::<logName> is sql: "
    /// with the SQL text, values shown in double quotes, and "... is error: "
    /// with the statement's error, unless @p logName is null. @p shownSql,
    /// when given, is the form of the statement that the debug line shows.
    bool exec(QSqlQuery &query, const QString &sql, const QStringList &values, const char *logName,
              const QString &shownSql = QString()) const;
    /// @p sql with every '?' replaced by the next value in double quotes: the
    /// text the debug lines show.
    static QString sqlText(const QString &sql, const QStringList &values);

    QSqlDatabase m_database;
    QString m_dbPath;
    QString m_connectionName;
    int m_language = 0;
    bool m_opened = false;
    QString m_paramTables[kDeviceClassCount];
    QString m_deviceTables[kDeviceClassCount];

    // Filled once, on the first question of their kind, then only read: the
    // start of the program asks none of them. Slot 0 serves PAL, slot 1
    // NTSC.
    bool m_cacheFilled[CacheKinds] = {};
    QMap<QString, QMap<QString, QString>> m_ipcResolutions[2];
    QMap<QString, QStringList> m_dvrResolutions;
    QMap<QString, QStringList> m_dvrFrameRates[2];
    QMap<QString, QMap<QString, QString>> m_domeResolutions[2];
};

} // namespace kiv
