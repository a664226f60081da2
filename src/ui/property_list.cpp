#include "ui/property_list.h"

#include <QHeaderView>

PropertyList::PropertyList(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(true);
}

QTreeWidgetItem* PropertyList::AddCategory(const QString& name)
{
    auto* item = new QTreeWidgetItem(this, {name});
    QFont bold = font();
    bold.setBold(true);
    item->setFont(0, bold);
    item->setFirstColumnSpanned(true);
    return item;
}

QTreeWidgetItem* PropertyList::AddItem(QTreeWidgetItem* category, const QString& name, const QString& value)
{
    if (!category)
        return new QTreeWidgetItem(this, {name, value});
    return new QTreeWidgetItem(category, {name, value});
}

QTreeWidgetItem* PropertyList::Category(const QString& name) const
{
    // A category spans both columns; a top item of the same name is no category.
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isFirstColumnSpanned() && topLevelItem(i)->text(0) == name)
            return topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem* PropertyList::Item(const QString& category, const QString& name) const
{
    if (category.isEmpty()) {
        for (int i = 0; i < topLevelItemCount(); ++i)
            if (!topLevelItem(i)->isFirstColumnSpanned() && topLevelItem(i)->text(0) == name)
                return topLevelItem(i);
        return nullptr;
    }
    QTreeWidgetItem* c = Category(category);
    for (int i = 0; c && i < c->childCount(); ++i)
        if (c->child(i)->text(0) == name)
            return c->child(i);
    return nullptr;
}

QString PropertyList::Value(const QString& category, const QString& name) const
{
    const QTreeWidgetItem* item = Item(category, name);
    return item ? item->text(1) : QString();
}

void PropertyList::SetValue(const QString& category, const QString& name, const QString& value)
{
    if (QTreeWidgetItem* item = Item(category, name))
        item->setText(1, value);
}
