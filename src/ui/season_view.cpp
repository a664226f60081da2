#include "ui/season_view.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "base/time_text.h"
#include "chart/chart_axis.h"
#include "ui/language.h"

namespace {

constexpr int kIdsRole = Qt::UserRole;
constexpr int kMaxMonthBars = 60;

enum Column { kGroup, kFlights, kAirtime, kLongest, kHighest, kGained, kBest, kDays };

QString Hours(double seconds)
{
    return QString::fromStdString(TimeLabel(seconds, TimeLabelStyle::HoursMinutesSeconds));
}

QVariant IdsOf(const SeasonRow& row)
{
    QVariantList ids;
    ids.reserve(static_cast<qsizetype>(row.ids.size()));
    for (int64_t id : row.ids)
        ids << QVariant::fromValue<qlonglong>(id);
    return ids;
}

}  // namespace

SeasonBars::SeasonBars(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(120);
}

void SeasonBars::SetBars(std::vector<std::pair<QString, double>> bars)
{
    m_bars = std::move(bars);
    update();
}

void SeasonBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (m_bars.empty())
        return;
    const QFontMetrics metrics(font());
    const int text = metrics.height();
    double most = 0;
    for (const auto& [label, hours] : m_bars)
        most = std::max(most, hours);
    // The chart's value axis: readable steps, from zero to a step above the most.
    ValueAxis axis;
    axis.m_scalingMode = ScalingMode::AlignedToZero;
    axis.ApplyRange(0.0, most > 0 ? most : 1.0);
    // The unit above the axis' labels, the top label below it.
    const int top = text + text / 2 + 4, bottom = height() - text - 6;
    axis.ComputeTicks(std::max(bottom - top, 1));
    int labelWidth = 0;
    for (int k = 0; k <= axis.m_tickCount; ++k)
        labelWidth =
            std::max(labelWidth,
                     metrics.horizontalAdvance(LocalNumbers(QString::number(axis.TickValue(k), 'f', axis.m_decimals))));
    const int left = labelWidth + 8, right = width() - 6;
    axis.m_rect = {left, top, right, bottom};
    painter.setPen(palette().color(QPalette::Mid));
    for (int k = 0; k <= axis.m_tickCount; ++k) {
        const int y = axis.ValueToPixel(axis.TickValue(k));
        painter.drawLine(left, y, right, y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, y - text / 2, labelWidth + 4, text), Qt::AlignRight | Qt::AlignVCenter,
                         LocalNumbers(QString::number(axis.TickValue(k), 'f', axis.m_decimals)));
        painter.setPen(palette().color(QPalette::Mid));
    }
    const double slot = static_cast<double>(right - left) / static_cast<double>(m_bars.size());
    int lastLabelRight = -1000;
    for (size_t i = 0; i < m_bars.size(); ++i) {
        const int x0 = left + static_cast<int>(std::lround(slot * static_cast<double>(i) + slot * 0.15));
        const int x1 = left + static_cast<int>(std::lround(slot * static_cast<double>(i + 1) - slot * 0.15));
        const int y = axis.ValueToPixel(m_bars[i].second);
        if (x1 > x0 && y < bottom)
            painter.fillRect(x0, y, x1 - x0, bottom - y, palette().color(QPalette::Highlight));
        // A label where it has room, none over another.
        const QString& label = m_bars[i].first;
        const int w = metrics.horizontalAdvance(label);
        const int lx = (x0 + x1 - w) / 2;
        if (lx > lastLabelRight + 4 && lx + w <= width()) {
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(QRect(lx, bottom + 3, w, text), Qt::AlignLeft, label);
            lastLabelRight = lx + w;
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(left, bottom, right, bottom);
    //: the unit above the bars' axis: hours
    painter.drawText(QRect(0, 2, labelWidth + 4, text), Qt::AlignRight, tr("h"));
}

SeasonView::SeasonView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(tr("Group by:")));
    m_grouping = new QComboBox;
    // In the order of SeasonGrouping: the choice is taken by its position.
    m_grouping->addItems({tr("Year and month"), tr("Site"), tr("Device")});
    choice->addWidget(m_grouping);
    choice->addStretch();
    layout->addLayout(choice);
    m_tree = new QTreeWidget;
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setHeaderLabels({tr("Group"), tr("Flights"), tr("Airtime"),
                             //: the longest flight's airtime
                             tr("Longest"),
                             //: the highest point reached
                             tr("Highest"), tr("Height gained"), tr("Best climb"),
                             //: the days flown
                             tr("Days")});
    m_tree->headerItem()->setToolTip(
        kHighest, tr("Above sea level where the flight has a start elevation, else above its start"));
    m_tree->headerItem()->setToolTip(kGained, tr("In the climbs of the flights"));
    m_tree->headerItem()->setToolTip(kBest, tr("The strongest average of a climb, and its flight"));
    layout->addWidget(m_tree, 3);
    m_bars = new SeasonBars;
    m_bars->setToolTip(tr("Airtime in hours"));
    layout->addWidget(m_bars, 2);
    m_progress = new QLabel;
    m_progress->hide();
    layout->addWidget(m_progress);
    connect(m_grouping, &QComboBox::currentIndexChanged, this, &SeasonView::Refresh);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        std::vector<int64_t> ids;
        for (const QVariant& id : item->data(0, kIdsRole).toList())
            ids.push_back(id.toLongLong());
        emit GroupChosen(ids);
    });
}

void SeasonView::Show(const std::vector<LogbookEntry>& entries, const std::map<int64_t, ClimbFacts>& climbs,
                      const LengthUnit& unit, const std::function<std::string(uint32_t)>& deviceName)
{
    m_entries = entries;
    m_climbs = climbs;
    m_unit = unit;
    m_deviceName = deviceName;
    m_names.clear();
    for (const LogbookEntry& e : entries)
        m_names[e.id] = QString::fromStdString(e.fields.name.value_or(FlownDay(e).toString(Qt::ISODate).toStdString()));
    Refresh();
}

void SeasonView::ShowProgress(const QString& text)
{
    m_progress->setText(text);
    m_progress->setVisible(!text.isEmpty());
}

QTreeWidgetItem* SeasonView::AddRow(QTreeWidgetItem* parent, const SeasonRow& row)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    const QString length = QString::fromStdString(m_unit.name);
    QString highest = QStringLiteral("-");
    if (row.highestAboveSea)
        highest = QStringLiteral("%1 %2").arg(std::lround(m_unit.FromMetres(*row.highestAboveSea))).arg(length);
    else if (row.highestAboveStart)
        //: %1 is a height, %2 its unit ("m" or "ft")
        highest = tr("%1 %2 above start").arg(std::lround(m_unit.FromMetres(*row.highestAboveStart))).arg(length);
    QString best = QStringLiteral("-");
    if (row.bestClimb) {
        const auto name = m_names.find(row.bestClimbFlight);
        best =
            QStringLiteral("%1 %2 (%3)")
                .arg(LocalNumbers(QString::number(m_unit.SpeedFromMetres(*row.bestClimb), 'f', m_unit.SpeedDecimals())),
                     QString::fromStdString(m_unit.Speed()), name == m_names.end() ? QString() : name->second);
    }
    const long gainedShown = std::lround(m_unit.FromMetres(row.heightGained));
    //: %1 is a height, %2 its unit ("m" or "ft"), %3 the number of flights whose climbs are not known
    const QString gained = row.notAnalysed > 0
                               ? tr("%1 %2 (%3 not analysed)").arg(gainedShown).arg(length).arg(row.notAnalysed)
                               : QStringLiteral("%1 %2").arg(gainedShown).arg(length);
    const QString texts[] = {QString::fromStdString(row.label),
                             QString::number(row.flights),
                             Hours(row.airtime),
                             Hours(row.longest),
                             highest,
                             gained,
                             best,
                             QString::number(row.days)};
    for (int column = 0; column < 8; ++column) {
        item->setText(column, texts[column]);
        if (column > 0 && column != kBest)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    item->setData(0, kIdsRole, IdsOf(row));
    for (const SeasonRow& child : row.children)
        AddRow(item, child);
    return item;
}

void SeasonView::Refresh()
{
    const auto grouping = static_cast<SeasonGrouping>(std::max(m_grouping->currentIndex(), 0));
    const std::vector<SeasonRow> rows = GroupSeason(m_entries, m_climbs, grouping, m_deviceName);
    m_tree->clear();
    m_tree->setRootIsDecorated(grouping == SeasonGrouping::YearAndMonth);
    for (const SeasonRow& row : rows)
        AddRow(nullptr, row);
    if (m_tree->topLevelItemCount() > 0)
        m_tree->topLevelItem(0)->setExpanded(true);
    for (int column = 0; column < m_tree->columnCount(); ++column)
        m_tree->resizeColumnToContents(column);

    // The bars: every month from the first flown to the last (as years when that is too many),
    // or one per group.
    std::vector<std::pair<QString, double>> bars;
    if (grouping == SeasonGrouping::YearAndMonth && !rows.empty()) {
        std::map<int, double> byMonth;  // year * 12 + month - 1
        for (const SeasonRow& year : rows)
            for (const SeasonRow& month : year.children)
                byMonth[month.year * 12 + month.month - 1] = month.airtime / 3600.0;
        const int first = byMonth.begin()->first, last = byMonth.rbegin()->first;
        if (last - first < kMaxMonthBars) {
            for (int m = first; m <= last; ++m) {
                const auto found = byMonth.find(m);
                const QString label = QLocale().standaloneMonthName(m % 12 + 1, QLocale::ShortFormat) +
                                      (m % 12 == 0 || m == first ? QStringLiteral(" %1").arg(m / 12) : QString());
                bars.emplace_back(label, found == byMonth.end() ? 0.0 : found->second);
            }
        } else {
            for (auto it = rows.rbegin(); it != rows.rend(); ++it)
                bars.emplace_back(QString::fromStdString(it->label), it->airtime / 3600.0);
        }
    } else {
        for (const SeasonRow& row : rows)
            bars.emplace_back(QString::fromStdString(row.label), row.airtime / 3600.0);
    }
    m_bars->SetBars(std::move(bars));
}
