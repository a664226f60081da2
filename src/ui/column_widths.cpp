#include "ui/column_widths.h"

#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

#include <vector>

namespace {

constexpr int kNarrowest = 16, kWidest = 2000;

}  // namespace

ColumnWidths::ColumnWidths(QTreeView* view) : QObject(view), m_view(view)
{
    m_view->header()->setSectionResizeMode(QHeaderView::Interactive);
    // The last column stretches with the list: that is the list resized, not a column dragged.
    connect(m_view->header(), &QHeaderView::sectionResized, this, [this](int section) {
        const QHeaderView* header = m_view->header();
        if (!m_fitting && !(header->stretchLastSection() && section == header->count() - 1))
            m_given = true;
    });
}

void ColumnWidths::Fit()
{
    if (m_given)
        return;
    m_fitting = true;
    for (int column = 0; column < m_view->header()->count(); ++column)
        m_view->resizeColumnToContents(column);
    m_fitting = false;
}

void ColumnWidths::Restore(const std::string& stored)
{
    const QStringList parts = QString::fromStdString(stored).split(QLatin1Char(','));
    QHeaderView* header = m_view->header();
    if (stored.empty() || parts.size() != header->count())
        return;
    std::vector<int> widths;
    for (const QString& part : parts) {
        bool ok = false;
        const int width = part.trimmed().toInt(&ok);
        if (!ok || width < kNarrowest || width > kWidest)
            return;
        widths.push_back(width);
    }
    m_fitting = true;
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, widths[static_cast<size_t>(column)]);
    m_fitting = false;
    m_given = true;
}

std::string ColumnWidths::Stored() const
{
    if (!m_given)
        return {};
    QStringList widths;
    for (int column = 0; column < m_view->header()->count(); ++column)
        widths << QString::number(m_view->header()->sectionSize(column));
    return widths.join(QLatin1Char(',')).toStdString();
}
