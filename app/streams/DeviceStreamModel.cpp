#include "DeviceStreamModel.h"

#include <DeviceStreams.h>
#include <FailureText.h>
#include <Limits.h>
#include <TaskDataBase.h>
#include <TextChecks.h>

#include <QPixmap>

namespace kiv {

namespace {

const QString kDeleteIcon = QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Delete.png");

bool isUseColumn(int column)
{
    return column >= DeviceStreamModel::PreviewColumn &&
           column <= DeviceStreamModel::TransmissionColumn;
}

QStandardItem *textItem(const QString &text, bool editable)
{
    auto *item = new QStandardItem(text);
    item->setEditable(editable);
    return item;
}

} // namespace

DeviceStreamModel::DeviceStreamModel(QObject *parent)
    : QStandardItemModel(parent), m_classes(*TaskDataBase::GetInstance())
{
    initHeader();
}

DeviceStreamModel::~DeviceStreamModel() = default;

void DeviceStreamModel::initHeader()
{
    setColumnCount(ColumnCount);
    const QString titles[ColumnCount] = {tr("Index"),        tr("Preview"),      tr("Record"),
                                         tr("Transmission"), tr("Stream Count"), tr("Resolution"),
                                         tr("FrameRate"),    tr("Bitrate"),      tr("Delete")};
    for (int column = 0; column < ColumnCount; ++column) {
        setHeaderData(column, Qt::Horizontal, titles[column], Qt::DisplayRole);
        setHeaderData(column, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
        if (isUseColumn(column)) {
            setHeaderData(column, Qt::Horizontal, true, KavrinGUIToolkit::HeaderCheckBoxRole);
            setHeaderData(column, Qt::Horizontal, int(Qt::Checked), Qt::CheckStateRole);
        }
    }
    connect(this, &QStandardItemModel::itemChanged, this, &DeviceStreamModel::slotItemChanged);
}

bool DeviceStreamModel::isInvalidValue(int column, const QString &text)
{
    int value = 0;
    if (!decimalInt(text, value))
        return true;
    if (column == BitRateColumn)
        return !limits::isBitRate(value);
    if (column == StreamCountColumn)
        return !limits::isStreamCount(value);
    return false;
}

// ---- loading ----

bool DeviceStreamModel::setDevice(const QString &taskName, const QString &deviceType,
                                  int deviceIndex)
{
    m_taskName = taskName;
    m_deviceType = deviceType;
    m_deviceIndex = deviceIndex;
    withoutEditHandling([this] { removeRows(0, rowCount()); });

    QVector<DevStream> streams;
    if (!DeviceStreams(taskName, deviceIndex).read(streams)) {
        recountHeaders();
        return false;
    }
    loadStreams(streams);
    return true;
}

void DeviceStreamModel::loadStreams(const QVector<DevStream> &streams)
{
    const StreamChoices choices = choicesFor(m_deviceType, videoStandard());
    for (const DevStream &stream : streams)
        insertStreamRow(stream, choices);
    recountHeaders();
}

void DeviceStreamModel::insertStreamRow(const DevStream &stream, const StreamChoices &choices)
{
    QList<QStandardItem *> items;
    items << textItem(QStringLiteral("%1-%2").arg(m_deviceIndex + 1).arg(rowCount() + 1), false);
    for (int column = PreviewColumn; column <= TransmissionColumn; ++column) {
        auto *use = textItem(QString(), false);
        // A use code that lost characters gets no boxes: ticking them would
        // store a code the table made up.
        if (stream.useCode.size() >= 3) {
            const Qt::CheckState state =
                stream.useCode.at(column - PreviewColumn) == QLatin1Char('1') ? Qt::Checked
                                                                              : Qt::Unchecked;
            use->setCheckable(true);
            use->setCheckState(state);
            use->setData(int(state), StoredValueRole);
        }
        items << use;
    }

    const QString count = QString::number(stream.streamCount);
    auto *countItem = textItem(count, true);
    countItem->setData(limits::digitsOf(limits::kMaxStreamCount),
                       KavrinGUIToolkit::EditMaxLengthRole);
    countItem->setData(count, StoredValueRole);
    items << countItem;

    // Without choices the two cells stay empty and closed: a typed text
    // would be a resolution the estimate knows nothing of.
    auto *resolution = textItem(QString(), choices.available);
    auto *frameRate = textItem(QString(), choices.available);
    resolution->setData(QString(), StoredValueRole);
    frameRate->setData(QString(), StoredValueRole);
    if (choices.available) {
        resolution->setText(stream.resolution);
        resolution->setData(choices.resolutions, KavrinGUIToolkit::ComboBoxItemsRole);
        resolution->setData(stream.resolution, StoredValueRole);
        frameRate->setText(stream.frameRate);
        frameRate->setData(choices.frameRates, KavrinGUIToolkit::ComboBoxItemsRole);
        frameRate->setData(stream.frameRate, StoredValueRole);
    }
    items << resolution << frameRate;

    const QString rate = QString::number(stream.bitRate);
    auto *bitRate = textItem(rate, true);
    bitRate->setData(limits::digitsOf(limits::kMaxBitRate), KavrinGUIToolkit::EditMaxLengthRole);
    bitRate->setData(rate, StoredValueRole);
    items << bitRate;

    auto *remove = textItem(QString(), false);
    remove->setData(QPixmap(kDeleteIcon), KavrinGUIToolkit::SecondIconRole);
    items << remove;

    withoutEditHandling([&] { appendRow(items); });
}

void DeviceStreamModel::renumberRows()
{
    withoutEditHandling([this] {
        for (int row = 0; row < rowCount(); ++row)
            item(row, IndexColumn)
                ->setText(QStringLiteral("%1-%2").arg(m_deviceIndex + 1).arg(row + 1));
    });
}

// ---- adding and deleting ----

bool DeviceStreamModel::addStream(const QString &taskName, const QString &deviceType,
                                  int deviceIndex)
{
    m_taskName = taskName;
    // A model the catalogue offers no choices for still gets its stream, with
    // empty resolution and frame rate, so that the planner can type its bit
    // rate rather than leave the device out of the storage.
    const StreamChoices choices = choicesFor(deviceType, videoStandard());
    const DevStream stream = choices.firstStream();

    m_deviceIndex = deviceIndex;
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.add(stream, reason);
        }))
        return false;
    emit signalChanngedReslut();
    insertStreamRow(stream, choices);
    recountHeaders();
    m_deviceType = deviceType;
    return true;
}

void DeviceStreamModel::deleteStream(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role)
{
    if (!index.isValid() || index.model() != this || index.column() != DeleteColumn ||
        role != KavrinGUIToolkit::SecondIconRole)
        return;
    // A deletion that failed changed nothing, so it announces nothing.
    if (removeStream(index.row()))
        emit signalChanngedReslut();
}

bool DeviceStreamModel::removeStream(int row)
{
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.remove(row, reason);
        }))
        return false;
    emit signalChanngedReslut();
    withoutEditHandling([&] { removeRow(row); });
    renumberRows();
    recountHeaders();
    return true;
}

// ---- cell edits ----

void DeviceStreamModel::slotItemChanged(QStandardItem *changed)
{
    if (m_quiet > 0 || !changed || changed->model() != this)
        return;
    const int column = changed->column();
    const QVariant stored = changed->data(StoredValueRole);
    if (isUseColumn(column)) {
        if (!stored.isValid() || changed->checkState() == Qt::CheckState(stored.toInt()))
            return;
        onUseCodeChanged(changed);
        return;
    }
    if (!stored.isValid() || changed->text() == stored.toString())
        return;
    switch (column) {
    case StreamCountColumn:
    case BitRateColumn:
        if (isInvalidValue(column, changed->text())) {
            restoreStored(changed);
            emit valueRefused(changed->index(),
                              column == StreamCountColumn
                                  ? tr("The stream count is not valid(range 0-99999)")
                                  : tr("The Bit rate is not valid(range 0 or 32k-16384k)"));
            return;
        }
        if (column == StreamCountColumn)
            onStreamCountChanged(changed);
        else
            onBitRateChanged(changed);
        break;
    case ResolutionColumn:
        onResolutionChanged(changed);
        break;
    case FrameRateColumn:
        onFrameRateChanged(changed);
        break;
    default:
        break;
    }
}

void DeviceStreamModel::onUseCodeChanged(QStandardItem *changed)
{
    const int row = changed->row();
    const QString code = useCodeOf(row);
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setUseCodes({row}, {code}, reason);
        })) {
        restoreStored(changed);
        return;
    }
    withoutEditHandling([&] { changed->setData(int(changed->checkState()), StoredValueRole); });
    emit signalChanngedReslut();
    recountHeader(changed->column());
}

void DeviceStreamModel::onStreamCountChanged(QStandardItem *changed)
{
    const int row = changed->row();
    int count = 0;
    decimalInt(changed->text(), count);
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setStreamCount(row, count, reason);
        })) {
        restoreStored(changed);
        return;
    }
    setStoredText(row, StreamCountColumn, QString::number(count));
    emit signalChanngedReslut();
}

void DeviceStreamModel::onBitRateChanged(QStandardItem *changed)
{
    const int row = changed->row();
    int rate = 0;
    decimalInt(changed->text(), rate);
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setBitRate(row, rate, reason);
        })) {
        restoreStored(changed);
        return;
    }
    setStoredText(row, BitRateColumn, QString::number(rate));
    emit signalChanngedReslut();
}

void DeviceStreamModel::onFrameRateChanged(QStandardItem *changed)
{
    const int row = changed->row();
    const QString frameRate = changed->text();
    const StreamChoices choices = choicesFor(m_deviceType, videoStandard());
    if (!choices.available) {
        restoreStored(changed);
        return;
    }
    // The estimate follows the resolution the row shows now.
    const int rate = choices.estimate(item(row, ResolutionColumn)->text(), frameRate,
                                      item(row, BitRateColumn)->data(StoredValueRole).toInt());
    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setFrameRate(row, frameRate, rate, reason);
        })) {
        restoreStored(changed);
        return;
    }
    setStoredText(row, FrameRateColumn, frameRate);
    setStoredText(row, BitRateColumn, QString::number(rate));
    emit signalChanngedReslut();
}

void DeviceStreamModel::onResolutionChanged(QStandardItem *changed)
{
    const int row = changed->row();
    const QString resolution = changed->text();
    const StreamChoices choices = choicesFor(m_deviceType, videoStandard());
    if (!choices.available) {
        restoreStored(changed);
        return;
    }

    QStandardItem *frameRateItem = item(row, FrameRateColumn);
    QStringList frameRates =
        frameRateItem->data(KavrinGUIToolkit::ComboBoxItemsRole).toStringList();
    QString frameRate = frameRateItem->text();
    bool resetFrameRate = false;
    if (choices.frameRatesFor(resolution, frameRates) && !frameRates.isEmpty()) {
        frameRate = frameRates.first();
        resetFrameRate = true;
    }
    // The estimate follows the frame rate the row shows once the change is
    // done, so that the three cells agree.
    const int rate = choices.estimate(resolution, frameRate,
                                      item(row, BitRateColumn)->data(StoredValueRole).toInt());

    if (!store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setResolution(row, resolution, resetFrameRate ? frameRate : QString(),
                                         rate, reason);
        })) {
        restoreStored(changed);
        return;
    }
    withoutEditHandling(
        [&] { frameRateItem->setData(frameRates, KavrinGUIToolkit::ComboBoxItemsRole); });
    setStoredText(row, FrameRateColumn, frameRate);
    setStoredText(row, BitRateColumn, QString::number(rate));
    setStoredText(row, ResolutionColumn, resolution);
    emit signalChanngedReslut();
}

// ---- use headers ----

void DeviceStreamModel::slotHeaderClicked(int section)
{
    if (!isUseColumn(section))
        return;
    const Qt::CheckState next =
        Qt::CheckState(headerData(section, Qt::Horizontal, Qt::CheckStateRole).toInt()) ==
                Qt::Checked
            ? Qt::Unchecked
            : Qt::Checked;

    QList<int> rows;
    QStringList codes;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *use = item(row, section);
        if (!use->isCheckable() || use->checkState() == next)
            continue;
        QString code = useCodeOf(row);
        code[section - PreviewColumn] = next == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
        rows << row;
        codes << code;
    }
    if (!rows.isEmpty() && !store([&](const DeviceStreams &streams, QString *reason) {
            return streams.setUseCodes(rows, codes, reason);
        }))
        return;

    withoutEditHandling([&] {
        for (const int row : std::as_const(rows)) {
            QStandardItem *use = item(row, section);
            use->setCheckState(next);
            use->setData(int(next), StoredValueRole);
        }
    });
    setHeaderData(section, Qt::Horizontal, int(next), Qt::CheckStateRole);
    recountHeader(section);
    for (int i = 0; i < rows.size(); ++i)
        emit signalChanngedReslut();
}

QString DeviceStreamModel::useCodeOf(int row) const
{
    QString code;
    for (int column = PreviewColumn; column <= TransmissionColumn; ++column)
        code +=
            item(row, column)->checkState() == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
    return code;
}

void DeviceStreamModel::recountHeader(int section)
{
    int boxes = 0;
    int ticked = 0;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *use = item(row, section);
        if (!use->isCheckable())
            continue;
        ++boxes;
        if (use->checkState() == Qt::Checked)
            ++ticked;
    }
    // Rows without boxes (a damaged use code) take no part; with no boxes
    // at all the header shows ticked.
    const Qt::CheckState state = ticked == boxes ? Qt::Checked
                                 : ticked == 0   ? Qt::Unchecked
                                                 : Qt::PartiallyChecked;
    setHeaderData(section, Qt::Horizontal, int(state), Qt::CheckStateRole);
}

void DeviceStreamModel::recountHeaders()
{
    for (int section = PreviewColumn; section <= TransmissionColumn; ++section)
        recountHeader(section);
}

// ---- helpers ----

void DeviceStreamModel::restoreStored(QStandardItem *cell)
{
    const QVariant stored = cell->data(StoredValueRole);
    withoutEditHandling([&] {
        if (isUseColumn(cell->column()))
            cell->setCheckState(Qt::CheckState(stored.toInt()));
        else
            cell->setText(stored.toString());
    });
    if (isUseColumn(cell->column()))
        recountHeader(cell->column());
}

void DeviceStreamModel::setStoredText(int row, int column, const QString &text)
{
    QStandardItem *cell = item(row, column);
    withoutEditHandling([&] {
        cell->setText(text);
        cell->setData(text, StoredValueRole);
    });
}

bool DeviceStreamModel::store(const std::function<bool(const DeviceStreams &, QString *)> &change)
{
    QString reason;
    if (change(DeviceStreams(m_taskName, m_deviceIndex), &reason))
        return true;
    emit storeFailed(failureText(tr("Failed."), reason));
    return false;
}

void DeviceStreamModel::withoutEditHandling(const std::function<void()> &fn)
{
    ++m_quiet;
    fn();
    --m_quiet;
}

} // namespace kiv
