#pragma once

#include <QTreeWidget>

// A list of named values grouped under categories: a category is a bold row
// that folds its items. The statistics view shows read-only items; editors can
// be put in the value column with setItemWidget.
class PropertyList : public QTreeWidget {
    Q_OBJECT
public:
    explicit PropertyList(QWidget* parent = nullptr);

    QTreeWidgetItem* AddCategory(const QString& name);
    // An item under the category, or at the top when category is null.
    QTreeWidgetItem* AddItem(QTreeWidgetItem* category, const QString& name, const QString& value);

    QTreeWidgetItem* Category(const QString& name) const;
    // The item of that name in the category; an empty category names the items at the top.
    QTreeWidgetItem* Item(const QString& category, const QString& name) const;
    QString Value(const QString& category, const QString& name) const;
    void SetValue(const QString& category, const QString& name, const QString& value);
};
