#pragma once

#include <DeviceTypeClasses.h>
#include <ItemDataRole.h>
#include <StreamChoices.h>

#include <QList>
#include <QStandardItemModel>
#include <QStringList>

#include <functional>

struct DevStream;

namespace kiv {

class DeviceStreams;

/// The stream table of one device of one task, behind the stream editor.
/// One row per stream of the device, in the order the device file keeps
/// them: use check boxes (preview, record, transmission), stream count,
/// resolution and frame rate chosen from what the catalogue offers for the
/// model and the task's video standard, and the bit rate, estimated whenever
/// resolution or frame rate change and open to typing.
///
/// Every accepted edit is written to the task's device file at once and
/// announced with signalChanngedReslut(). An edit that cannot be stored is
/// reported with storeFailed(), the cells show the stored values again and
/// signalChanngedReslut() does not go out. The model shows no messages
/// itself: the view that owns it tells the planner.
class DeviceStreamModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Column {
        IndexColumn = 0,
        PreviewColumn,
        RecordColumn,
        TransmissionColumn,
        StreamCountColumn,
        ResolutionColumn,
        FrameRateColumn,
        BitRateColumn,
        DeleteColumn,
        ColumnCount
    };
    /// Item data holding what the device file has for an editable cell (the
    /// text, or for a use box its check state), so that a refused or failed
    /// edit can show it again.
    static constexpr int StoredValueRole = Qt::UserRole + 1;

    explicit DeviceStreamModel(QObject *parent = nullptr);
    ~DeviceStreamModel() override;
    Q_DISABLE_COPY_MOVE(DeviceStreamModel)

    /// Shows the streams of device @p deviceIndex of the task. False, with an
    /// empty table, when the device file cannot be read.
    bool setDevice(const QString &taskName, const QString &deviceType, int deviceIndex);
    /// Appends a stream with the catalogue's first resolution and its frame
    /// rate for the model, and the estimated bit rate. When the catalogue
    /// offers the model no choices under the task's standard, the stream gets
    /// empty resolution and frame-rate texts and the estimate for them; its
    /// bit rate stays open to typing. False, after storeFailed(), when the
    /// device file refuses the stream.
    bool addStream(const QString &taskName, const QString &deviceType, int deviceIndex);

    QString taskName() const { return m_taskName; }
    QString deviceType() const { return m_deviceType; }
    int deviceIndex() const { return m_deviceIndex; }

    /// The class of a model by the catalogue's lists: DVR first, then
    /// network camera, then speed dome; UnknownDeviceClass for any other
    /// model, whose streams get no choices.
    DeviceClass deviceCategory(const QString &deviceType) const;
    /// The task's video standard, read from the task list: 0 PAL, any other
    /// value NTSC; 0 when the task is not found.
    int videoStandard() const;
    /// True when @p text cannot stand in the stream count or bit rate column
    /// @p column: empty, not all digits, too long for a number, a count above
    /// 99999, a bit rate from 1 to 31 or above 16384.
    static bool isInvalidValue(int column, const QString &text);

signals:
    void signalChanngedReslut();
    /// A typed stream count or bit rate was refused; the cell at @p index
    /// shows its stored value again. @p hint says what the column takes.
    void valueRefused(const QModelIndex &index, const QString &hint);
    /// A stream could not be added, or an edit or deletion could not be
    /// stored; nothing changed. @p message says so as the planner reads it,
    /// with the device file's reason on a second line when it gave one.
    void storeFailed(const QString &message);

public slots:
    void slotItemChanged(QStandardItem *item);
    /// A click on a use header ticks the column in every row, or unticks it
    /// when it was ticked in every row.
    void slotHeaderClicked(int section);
    /// A click on a row's delete icon removes that stream.
    void deleteStream(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role);

protected:
    /// The catalogue's DVR frame rates of a model for the standard; replaces
    /// @p frameRates. Only whether "1/16" is among them counts.
    virtual bool catalogueDvrFrameRates(const QString &deviceType, int videoStandard,
                                        QStringList &frameRates) const;

private:
    void initHeader();
    StreamChoices choicesFor(const QString &deviceType, int videoStandard) const;

    void loadStreams(const QVector<DevStream> &streams);
    void insertStreamRow(const DevStream &stream, const StreamChoices &choices);
    bool removeStream(int row);
    void renumberRows();

    void onUseCodeChanged(QStandardItem *item);
    void onStreamCountChanged(QStandardItem *item);
    void onResolutionChanged(QStandardItem *item);
    void onFrameRateChanged(QStandardItem *item);
    void onBitRateChanged(QStandardItem *item);

    QString useCodeOf(int row) const;
    void recountHeader(int section);
    void recountHeaders();
    /// Puts back what the device file holds into @p item.
    void restoreStored(QStandardItem *item);
    /// Sets a cell's text and remembers it as stored.
    void setStoredText(int row, int column, const QString &text);

    /// Makes @p change to the device's streams in the task's device file.
    /// False, after storeFailed() with the file's reason, when the file
    /// cannot be opened, a stream it touches is gone or the save fails.
    bool store(const std::function<bool(const DeviceStreams &, QString *)> &change);

    /// Runs @p fn with the cell changes it makes kept from slotItemChanged().
    void withoutEditHandling(const std::function<void()> &fn);

    QString m_deviceType;
    int m_deviceIndex = 0;
    DeviceTypeClasses m_classes;
    QString m_taskName;
    // Above 0 while the model fills cells itself: such changes are no edits.
    int m_quiet = 0;
};

} // namespace kiv
