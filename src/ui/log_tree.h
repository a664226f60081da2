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

    // A log under a name; defaultName is the name it has without one of the pilot's
    // ("Log  1 (00:04:10)"), the same as name unless the logbook names it.
    void AddLog(const QString& name, const BrixoLog& log, const QString& defaultName = {});
    QString DefaultName(const QTreeWidgetItem* item) const;
    void ClearLogs() { clear(); }
    const BrixoLog* SelectedLog() const;
    // The logs chosen, in the list's order (the one shown among them).
    std::vector<const QTreeWidgetItem*> ChosenItems() const;
    const BrixoLog* LogOf(const QTreeWidgetItem* item) const;
    std::vector<const BrixoLog*> Logs() const;

signals:
    // A right click on an item (never on empty space), or the Menu key or Shift+F10 on the
    // current item, at a global position.
    void ItemMenuRequested(QTreeWidgetItem* item, const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;

private:
    QIcon m_fileIcon;
};
