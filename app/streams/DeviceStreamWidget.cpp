#include "DeviceStreamWidget.h"

#include "DeviceStreamModel.h"
#include "ui_DeviceStreamWidget.h"

#include <HeaderView.h>
#include <TableDelegate.h>
#include <ToolTip.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QHideEvent>
#include <QStyle>

namespace kiv {

namespace {

// Column widths of the stream table, by column.
constexpr int kColumnWidths[DeviceStreamModel::ColumnCount] = {55, 85, 85, 85, 60, 85, 60, 60, 60};

} // namespace

DeviceStreamWidget::DeviceStreamWidget(QWidget *parent)
    : QDialog(parent), m_form(std::make_unique<Ui::DeviceStreamWidget>())
{
    m_form->setupUi(this);
    init();
}

DeviceStreamWidget::~DeviceStreamWidget()
{
    // The view outlives the model it shows: its children go after the
    // members.
    m_form->treeStreamView->setModel(nullptr);
}

void DeviceStreamWidget::init()
{
    // No window type: as a child of the main window the panel is drawn
    // inside it, over the panes.
    setWindowFlags(Qt::WindowStaysOnTopHint);
    setFixedSize(720, 220);

    KavrinGUIToolkit::CTreeView *view = m_form->treeStreamView;
    m_model = std::make_unique<DeviceStreamModel>();
    m_delegate = new KavrinGUIToolkit::CTableDelegate(view);
    view->setItemDelegate(m_delegate);
    view->setModel(m_model.get());
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed);
    fitColumns();
    view->SetAutoChangeCheckbox(false);
    // A tree view takes clicks on its header only for sorting; the use
    // headers need them to tick their columns.
    view->header()->setSectionsClickable(true);

    connect(m_form->btnAddStream, &QPushButton::clicked, this, &DeviceStreamWidget::addStream);
    connect(view,
            qOverload<const QModelIndex &, KavrinGUIToolkit::CItemDataRole>(
                &KavrinGUIToolkit::CTreeView::SignalClicked),
            m_model.get(), &DeviceStreamModel::deleteStream);
    connect(view->header(), &QHeaderView::sectionClicked, m_model.get(),
            &DeviceStreamModel::slotHeaderClicked);
    connect(m_model.get(), &DeviceStreamModel::signalChanngedReslut, this,
            &DeviceStreamWidget::signalChanngedReslut);
    connect(m_model.get(), &DeviceStreamModel::valueRefused, this,
            &DeviceStreamWidget::showRefusal);
    connect(m_model.get(), &DeviceStreamModel::storeFailed, this,
            &DeviceStreamWidget::showStoreFailure);
}

void DeviceStreamWidget::fitColumns()
{
    // The set widths fit the Chinese titles. A longer title widens its
    // column rather than being cut; the room for it is taken from columns
    // wider than their titles, so that the table still fits the panel with
    // a vertical scroll bar shown.
    QHeaderView *header = view()->header();
    // The panel has its fixed size before it is first laid out.
    const QMargins margins = layout()->contentsMargins();
    const int room = width() - margins.left() - margins.right() - 2 * view()->frameWidth() -
                     view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    int widths[DeviceStreamModel::ColumnCount];
    int hints[DeviceStreamModel::ColumnCount];
    int total = 0;
    for (int column = 0; column < DeviceStreamModel::ColumnCount; ++column) {
        hints[column] = header->sectionSizeHint(column);
        widths[column] = qMax(kColumnWidths[column], hints[column]);
        total += widths[column];
    }
    // The resolution column gives last: its editor shows the longest texts.
    constexpr int kGiveOrder[] = {
        DeviceStreamModel::IndexColumn,       DeviceStreamModel::PreviewColumn,
        DeviceStreamModel::RecordColumn,      DeviceStreamModel::DeleteColumn,
        DeviceStreamModel::BitRateColumn,     DeviceStreamModel::FrameRateColumn,
        DeviceStreamModel::StreamCountColumn, DeviceStreamModel::TransmissionColumn,
        DeviceStreamModel::ResolutionColumn};
    for (const int column : kGiveOrder) {
        if (total <= room)
            break;
        const int give = qMin(total - room, widths[column] - hints[column]);
        if (give > 0) {
            widths[column] -= give;
            total -= give;
        }
    }
    for (int column = 0; column < DeviceStreamModel::ColumnCount; ++column)
        view()->setColumnWidth(column, widths[column]);
}

KavrinGUIToolkit::CTreeView *DeviceStreamWidget::view() const
{
    return m_form->treeStreamView;
}

QPushButton *DeviceStreamWidget::addButton() const
{
    return m_form->btnAddStream;
}

void DeviceStreamWidget::showDevice(const QString &taskName, const QString &deviceType,
                                    int deviceIndex)
{
    commitOpenEditor();
    m_taskName = taskName;
    m_deviceType = deviceType;
    m_deviceIndex = deviceIndex;
    m_model->setDevice(taskName, deviceType, deviceIndex);
    show();
}

void DeviceStreamWidget::addStream()
{
    commitOpenEditor();
    if (m_model->addStream(m_taskName, m_deviceType, m_deviceIndex))
        view()->scrollToBottom();
}

void DeviceStreamWidget::onConfirm()
{
    accept();
}

void DeviceStreamWidget::setVisible(bool visible)
{
    if (!visible)
        commitOpenEditor();
    QDialog::setVisible(visible);
}

void DeviceStreamWidget::hideEvent(QHideEvent *event)
{
    // Hiding the main window hides the panel without setVisible(). A
    // minimised window comes back as it was, open editor included.
    if (!event->spontaneous())
        commitOpenEditor();
    QDialog::hideEvent(event);
}

void DeviceStreamWidget::commitOpenEditor()
{
    if (!m_delegate)
        return;
    // The view keeps its cell editors, and nothing else, on its viewport; a
    // closed editor is hidden until it is deleted.
    const QList<QWidget *> editors =
        view()->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (editor->isHidden())
            continue;
        emit m_delegate->commitData(editor);
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DeviceStreamWidget::showRefusal(const QModelIndex &index, const QString &hint)
{
    const QRect cell = view()->visualRect(index);
    KavrinGUIToolkit::CToolTip::ShowText(view()->viewport()->mapToGlobal(cell.topLeft()), hint);
}

void DeviceStreamWidget::showStoreFailure(const QString &message)
{
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Warn"), message);
}

} // namespace kiv
