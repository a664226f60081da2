#pragma once

#include <QTreeWidget>

// A list of named values grouped under categories: a category is a bold row
// that folds its items. The statistics view shows read-only items; editors can
// be put in the value column with setItemWidget.
class PropertyList : public QTreeWidget {
    Q_OBJECT
public:
    explicit PropertyList(QWidget* parent = nullptr);

    // Categories and items are found by a key, the name they are shown under unless one is
    // given: the English name of a row stays its key in every language.
    QTreeWidgetItem* AddCategory(const QString& name, const QString& key = {});
    // An item under the category, or at the top when category is null.
    QTreeWidgetItem* AddItem(QTreeWidgetItem* category, const QString& name, const QString& value,
                             const QString& key = {});

    QTreeWidgetItem* Category(const QString& key) const;
    // The item of that key in the category; an empty category names the items at the top.
    QTreeWidgetItem* Item(const QString& category, const QString& key) const;
    QString Value(const QString& category, const QString& key) const;
    void SetValue(const QString& category, const QString& key, const QString& value);

private:
    static QString KeyOf(const QTreeWidgetItem* item);
};
