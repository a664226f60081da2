#include "ui/log_tree.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

#include "base/time_text.h"

namespace {

// Deleting the item deletes its log.
class LogItem : public QTreeWidgetItem {
public:
    LogItem(QTreeWidget* tree, const QString& name, const BrixoLog& log)
        : QTreeWidgetItem(tree, {name}), m_log(std::make_unique<BrixoLog>(log))
    {
        m_log->m_date = log.m_date;  // a copy is dated by whoever makes it
    }
    const BrixoLog& Log() const { return *m_log; }

private:
    std::unique_ptr<BrixoLog> m_log;
};

}  // namespace

LogTree::LogTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    // Several logs can be chosen (Ctrl or Shift and a click) to compare them; the current one is shown.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = itemAt(pos))
            emit ItemMenuRequested(item, viewport()->mapToGlobal(pos));
    });
}

bool LogTree::event(QEvent* event)
{
    // Home and End move in the list while it has the focus, before any shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    // The keyboard's menu is the current item's, wherever the mouse is.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        if (QTreeWidgetItem* item = currentItem())
            emit ItemMenuRequested(item, viewport()->mapToGlobal(visualItemRect(item).center()));
        return true;
    }
    return QTreeWidget::event(event);
}

namespace {
constexpr int kDefaultNameRole = Qt::UserRole + 1;
}  // namespace

void LogTree::AddLog(const QString& name, const BrixoLog& log, const QString& defaultName)
{
    // One icon for every item: the style makes a new one with its own pixmaps on each call.
    if (m_fileIcon.isNull())
        m_fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    auto* item = new LogItem(this, name, log);
    item->setIcon(0, m_fileIcon);
    item->setData(0, kDefaultNameRole, defaultName.isEmpty() ? name : defaultName);
    // Written as the download dialog and the logbook write them, also under a name given.
    item->setToolTip(0, tr("Duration %1, a sample every %2")
                            .arg(QString::fromStdString(DurationText(log.Duration())),
                                 QString::fromStdString(PeriodText(log.SamplePeriod()))));
}

QString LogTree::DefaultName(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, kDefaultNameRole).toString() : QString();
}

const BrixoLog* LogTree::LogOf(const QTreeWidgetItem* item) const
{
    const auto* log = dynamic_cast<const LogItem*>(item);
    return log ? &log->Log() : nullptr;
}

std::vector<const QTreeWidgetItem*> LogTree::ChosenItems() const
{
    std::vector<const QTreeWidgetItem*> chosen;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isSelected())
            chosen.push_back(topLevelItem(i));
    return chosen;
}

const BrixoLog* LogTree::SelectedLog() const
{
    return LogOf(currentItem());
}

std::vector<const BrixoLog*> LogTree::Logs() const
{
    std::vector<const BrixoLog*> logs;
    logs.reserve(static_cast<size_t>(topLevelItemCount()));
    for (int i = 0; i < topLevelItemCount(); ++i)
        logs.push_back(LogOf(topLevelItem(i)));
    return logs;
}
