#include "ui/climbs_view.h"

#include <QHeaderView>

#include "base/time_text.h"
#include "ui/language.h"

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// Sorts by the numbers behind the texts, not by the texts.
class ClimbItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return data(column, kSortRole).toDouble() < other.data(column, kSortRole).toDouble();
    }
};

}  // namespace

ClimbsView::ClimbsView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(true);
    setAlternatingRowColors(true);
    m_widths = new ColumnWidths(this);
    Show({}, LengthUnit{}, 0);
    sortByColumn(0, Qt::AscendingOrder);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            emit ClimbChosen(item->data(0, kIndexRole).toInt());
    });
}

void ClimbsView::Show(const ClimbAnalysis& climbs, const LengthUnit& units, double logSeconds)
{
    const QString unit = QString::fromStdString(units.name);
    const QString speed = QString::fromStdString(units.Speed());
    const int decimals = units.SpeedDecimals();
    const QSignalBlocker quiet(this);
    clear();
    // The columns: the climb's number, its times, and its height gained and climb rates in the units shown.
    setHeaderLabels({tr("Climb", "column: the number of a climb"), tr("Start", "column: the time a climb starts"),
                     tr("End", "column: the time a climb ends"), tr("Duration", "column: how long a climb lasts"),
                     tr("Gain [%1]", "column: height gained, %1 the length unit").arg(unit),
                     tr("Average [%1]", "column: average climb rate, %1 the speed unit").arg(speed),
                     tr("Max [%1]", "column: greatest climb rate, %1 the speed unit").arg(speed)});
    // One label style for all times, as the chart's axis has for the log.
    const TimeLabelStyle style = TimeLabelStyleFor(logSeconds);
    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    for (size_t i = 0; i < climbs.climbs.size(); ++i) {
        const Climb& c = climbs.climbs[i];
        auto* item = new ClimbItem(this);
        const std::pair<QString, double> cells[] = {
            {QString::number(i + 1), static_cast<double>(i + 1)},
            {QString::fromStdString(TimeLabel(c.start, style)), c.start},
            {QString::fromStdString(TimeLabel(c.end, style)), c.end},
            {QString::fromStdString(TimeLabel(c.duration, style)), c.duration},
            {LocalNumbers(QString::asprintf("%.1f", units.FromMetres(c.gain))), c.gain},
            {LocalNumbers(QString::number(units.SpeedFromMetres(c.average), 'f', decimals)), c.average},
            {LocalNumbers(QString::number(units.SpeedFromMetres(c.max), 'f', decimals)), c.max},
        };
        for (int column = 0; column < 7; ++column) {
            item->setText(column, cells[column].first);
            item->setData(column, kSortRole, cells[column].second);
            if (column > 0)
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setData(0, kIndexRole, static_cast<int>(i));
    }
    setSortingEnabled(sorting);
    m_widths->Fit();
}
