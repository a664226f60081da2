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

namespace {
constexpr int kKeyRole = Qt::UserRole + 1;
}  // namespace

QString PropertyList::KeyOf(const QTreeWidgetItem* item)
{
    const QVariant key = item->data(0, kKeyRole);
    return key.isValid() ? key.toString() : item->text(0);
}

QTreeWidgetItem* PropertyList::AddCategory(const QString& name, const QString& key)
{
    auto* item = new QTreeWidgetItem(this, {name});
    if (!key.isEmpty())
        item->setData(0, kKeyRole, key);
    QFont bold = font();
    bold.setBold(true);
    item->setFont(0, bold);
    item->setFirstColumnSpanned(true);
    return item;
}

QTreeWidgetItem* PropertyList::AddItem(QTreeWidgetItem* category, const QString& name, const QString& value,
                                       const QString& key)
{
    auto* item = category ? new QTreeWidgetItem(category, {name, value}) : new QTreeWidgetItem(this, {name, value});
    if (!key.isEmpty())
        item->setData(0, kKeyRole, key);
    return item;
}

QTreeWidgetItem* PropertyList::Category(const QString& key) const
{
    // A category spans both columns; a top item of the same key is no category.
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->isFirstColumnSpanned() && KeyOf(topLevelItem(i)) == key)
            return topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem* PropertyList::Item(const QString& category, const QString& key) const
{
    if (category.isEmpty()) {
        for (int i = 0; i < topLevelItemCount(); ++i)
            if (!topLevelItem(i)->isFirstColumnSpanned() && KeyOf(topLevelItem(i)) == key)
                return topLevelItem(i);
        return nullptr;
    }
    QTreeWidgetItem* c = Category(category);
    for (int i = 0; c && i < c->childCount(); ++i)
        if (KeyOf(c->child(i)) == key)
            return c->child(i);
    return nullptr;
}

QString PropertyList::Value(const QString& category, const QString& key) const
{
    const QTreeWidgetItem* item = Item(category, key);
    return item ? item->text(1) : QString();
}

void PropertyList::SetValue(const QString& category, const QString& key, const QString& value)
{
    if (QTreeWidgetItem* item = Item(category, key))
        item->setText(1, value);
}
