#pragma once

#include <QIcon>
#include <QTreeWidget>

#include <memory>

#include "app/brixo_log.h"

// The log set: one root item per log, each owning its copy of the log record.
class LogTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit LogTree(QWidget* parent = nullptr);

    void AddLog(const QString& name, const CBrixoLog& log);
    void ClearLogs() { clear(); }
    const CBrixoLog* SelectedLog() const;
    const CBrixoLog* LogOf(const QTreeWidgetItem* item) const;
    std::vector<const CBrixoLog*> Logs() const;

signals:
    // A right click on an item (never on empty space), at a global position.
    void ItemMenuRequested(QTreeWidgetItem* item, const QPoint& globalPos);

private:
    QIcon m_fileIcon;
};
