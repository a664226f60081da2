#include "ui/logbook_view.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeZone>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "base/time_text.h"
#include "logbook/season.h"
#include "ui/language.h"
#include "ui/season_view.h"

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kDayRole = Qt::UserRole + 4;      // the day flown, as a Julian day
const QDate kAnyDay(1970, 1, 1);                // "From" and "To" at it: no bound
constexpr int kSecondsRole = Qt::UserRole + 2;  // the airtime
constexpr int kFlightsRole = Qt::UserRole + 3;  // the flights in the log

// A day edit's calendar opens on this month while the edit says "any", not on the 1970 that
// stands for it.
class CalendarOnToday : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* edit = qobject_cast<const QDateEdit*>(parent());
        if (event->type() == QEvent::Show && edit && edit->date() == kAnyDay)
            if (auto* calendar = qobject_cast<QCalendarWidget*>(watched))
                calendar->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
        return false;
    }
};

enum Column { kDate, kName, kSite, kDuration, kRate, kAirtime, kFlights, kMaxAltitude, kDevice, kDownloaded };

// Sorts by the numbers behind the texts where there are any.
class EntryItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant a = data(column, kSortRole), b = other.data(column, kSortRole);
        if (a.isValid() && b.isValid())
            return a.toDouble() < b.toDouble();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

QString DateText(FileTime time)
{
    return QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(time), QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

LogbookView::LogbookView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_filter = new QLineEdit;
    m_filter->setPlaceholderText(tr("Filter: name, site, date ..."));
    m_filter->setClearButtonEnabled(true);
    layout->addWidget(m_filter);
    // The days flown: "any" at either end, until a day is chosen.
    auto* days = new QHBoxLayout;
    //: the first and the last day flown shown
    for (auto [edit, label] : {std::pair(&m_from, QT_TR_NOOP("From")), std::pair(&m_to, QT_TR_NOOP("To"))}) {
        *edit = new QDateEdit;
        (*edit)->setCalendarPopup(true);
        (*edit)->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        (*edit)->setMinimumDate(kAnyDay);
        //: a day not chosen: no bound
        (*edit)->setSpecialValueText(tr("any"));
        (*edit)->setDate(kAnyDay);
        (*edit)->calendarWidget()->installEventFilter(new CalendarOnToday(*edit));
        days->addWidget(new QLabel(tr(label)));
        days->addWidget(*edit, 1);
        connect(*edit, &QDateEdit::dateChanged, this, &LogbookView::ApplyFilter);
    }
    //: "any" as the day is shown when none is chosen
    m_from->setToolTip(tr("The first day flown to show; \"any\" shows all"));
    //: "any" as the day is shown when none is chosen
    m_to->setToolTip(tr("The last day flown to show; \"any\" shows all"));
    layout->addLayout(days);
    m_tabs = new QTabWidget;
    m_tabs->setDocumentMode(true);
    auto* flightsPage = new QWidget;
    auto* flights = new QVBoxLayout(flightsPage);
    flights->setContentsMargins(0, 0, 0, 0);
    m_tabs->addTab(flightsPage, tr("Flights"));
    m_season = new SeasonView;
    m_tabs->addTab(m_season, tr("Statistics"));
    layout->addWidget(m_tabs);
    m_table = new QTreeWidget;
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setHeaderLabels({tr("Date"), tr("Name"), tr("Site"), tr("Duration"),
                              tr("Rate", "the time between two samples of a log"), tr("Airtime"), tr("Flights"),
                              tr("Max altitude"), tr("Device"), tr("Downloaded")});
    m_table->headerItem()->setToolTip(kDate, tr("When it was flown, as you gave it; in grey, the day "
                                                "it was downloaded, where you gave none"));
    m_table->headerItem()->setToolTip(kDuration, tr("How long the logger was on"));
    m_table->headerItem()->setToolTip(kAirtime, tr("From takeoff to landing, every flight of the log"));
    m_widths = new ColumnWidths(m_table);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::DescendingOrder);
    flights->addWidget(m_table);
    m_totals = new QLabel;
    flights->addWidget(m_totals);
    auto* buttons = new QHBoxLayout;
    m_open = new QPushButton(tr("Open"));
    m_export = new QPushButton(tr("Export..."));
    m_delete = new QPushButton(tr("Delete"));
    m_compare = new QPushButton(tr("Compare"));
    m_compare->setToolTip(tr("The flights chosen side by side (Ctrl+K)"));
    for (QPushButton* b : {m_open, m_export, m_delete, m_compare})
        buttons->addWidget(b);
    buttons->addStretch();
    m_exportLogbook = new QPushButton(tr("Export Logbook..."));
    m_exportLogbook->setToolTip(tr("The flights shown, as a CSV table"));
    buttons->addWidget(m_exportLogbook);
    layout->addLayout(buttons);
    connect(m_exportLogbook, &QPushButton::clicked, this, [this] { emit ExportLogbookRequested(ShownIds()); });
    connect(m_compare, &QPushButton::clicked, this, [this] { emit CompareRequested(SelectedIds()); });
    connect(m_season, &SeasonView::GroupChosen, this, &LogbookView::ChooseFlights);

    connect(m_filter, &QLineEdit::textChanged, this, &LogbookView::ApplyFilter);
    connect(m_table, &QTreeWidget::itemSelectionChanged, this, &LogbookView::UpdateButtons);
    // Enter, or a double click.
    connect(m_table, &QTreeWidget::itemActivated, this, [this] { emit OpenRequested(SelectedIds()); });
    connect(m_open, &QPushButton::clicked, this, [this] { emit OpenRequested(SelectedIds()); });
    connect(m_export, &QPushButton::clicked, this, [this] { emit ExportRequested(SelectedIds()); });
    connect(m_delete, &QPushButton::clicked, this, [this] { emit DeleteRequested(SelectedIds()); });
    UpdateButtons();
    ApplyFilter();
}

void LogbookView::Show(const std::vector<LogbookEntry>& entries, const QString& unit, double lengthScale,
                       const std::function<QString(uint32_t)>& deviceName)
{
    const std::vector<int64_t> chosen = SelectedIds();
    m_entries = entries;
    m_deviceName = deviceName;
    m_table->setSortingEnabled(false);
    m_table->clear();
    //: %1 is the unit of length, "m" or "ft"
    m_table->headerItem()->setText(kMaxAltitude, tr("Max altitude [%1]").arg(unit));
    for (const LogbookEntry& e : entries) {
        auto* item = new EntryItem(m_table);
        // The logger has no clock: the time or the day flown as the pilot gave them, else the
        // download's day, in grey.
        const FileTime flown = e.FlownOrDownloaded();
        item->setText(kDate, e.fields.flownAt   ? DateText(*e.fields.flownAt)
                             : e.fields.flownOn ? QString::fromStdString(*e.fields.flownOn)
                                                : DateText(e.date).left(10));
        item->setData(kDate, kSortRole, static_cast<double>(flown));
        item->setData(0, kDayRole, FlownDay(e).toJulianDay());
        if (!e.FlownKnown()) {
            item->setForeground(kDate, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(kDate, tr("Downloaded on this day; the day flown was not given"));
        }
        item->setText(kRate, LocalNumbers(PeriodText(e.rate * 0.1)));
        item->setData(kRate, kSortRole, static_cast<double>(e.rate));
        item->setText(kDownloaded, DateText(e.date));
        item->setData(kDownloaded, kSortRole, static_cast<double>(e.date));
        item->setText(kName, QString::fromStdString(e.fields.name.value_or("")));
        item->setText(kSite, QString::fromStdString(e.fields.site));
        item->setText(kDuration, QString::fromStdString(DurationText(e.duration)));
        item->setData(kDuration, kSortRole, e.duration);
        item->setText(kAirtime, QString::fromStdString(DurationText(e.airtime) + (e.flightCount ? "" : " *")));
        item->setData(kAirtime, kSortRole, e.airtime);
        if (!e.flightCount)
            item->setToolTip(kAirtime, tr("The logger-on time: the altitude of this log could not be "
                                          "analysed for its takeoffs and landings"));
        else if (e.correctedFlights)
            item->setToolTip(kAirtime, tr("With the takeoff and landing marks you corrected"));
        if (e.flightCount && *e.flightCount > 1)
            item->setText(kFlights, QString::number(*e.flightCount));
        item->setData(kFlights, kSortRole, e.flightCount.value_or(1));
        if (e.maxAltitude) {
            item->setText(kMaxAltitude, LocalNumbers(QString::number(*e.maxAltitude * lengthScale, 'f', 1)));
            item->setData(kMaxAltitude, kSortRole, *e.maxAltitude);
        }
        item->setText(kDevice, deviceName(e.deviceId));
        for (int column : {kDuration, kRate, kAirtime, kFlights, kMaxAltitude})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kIdRole, static_cast<qlonglong>(e.id));
        item->setData(0, kSecondsRole, e.airtime);
        item->setData(0, kFlightsRole, e.flightCount.value_or(1));
        if (!e.fields.comment.empty())
            item->setToolTip(kName, QString::fromStdString(e.fields.comment));
        item->setSelected(std::find(chosen.begin(), chosen.end(), e.id) != chosen.end());
    }
    m_table->setSortingEnabled(true);
    m_table->setEnabled(true);
    m_widths->Fit();
    ApplyFilter();
}

void LogbookView::SetClimbs(const std::map<int64_t, ClimbFacts>& climbs, const LengthUnit& unit)
{
    m_climbs = climbs;
    m_unit = unit;
    ApplyFilter();
}

std::vector<int64_t> LogbookView::ShownIds() const
{
    std::vector<int64_t> ids;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem* item = m_table->topLevelItem(i); !item->isHidden())
            ids.push_back(item->data(0, kIdRole).toLongLong());
    return ids;
}

void LogbookView::ChooseFlights(const std::vector<int64_t>& ids)
{
    const QSignalBlocker quiet(m_table);
    m_table->clearSelection();
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_table->topLevelItem(i);
        const bool chosen = std::find(ids.begin(), ids.end(), item->data(0, kIdRole).toLongLong()) != ids.end();
        item->setSelected(chosen && !item->isHidden());
        if (chosen && !first && !item->isHidden())
            first = item;
    }
    if (first)
        m_table->scrollToItem(first);
    UpdateButtons();
}

void LogbookView::ShowProblem(const QString& text)
{
    m_entries.clear();
    m_season->Show({}, {}, m_unit, {});
    m_table->clear();
    m_table->setEnabled(false);
    m_totals->setText(text);
    m_totals->setWordWrap(true);
    UpdateButtons();
}

std::vector<int64_t> LogbookView::SelectedIds() const
{
    std::vector<int64_t> ids;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_table->topLevelItem(i);
        if (item->isSelected() && !item->isHidden())
            ids.push_back(item->data(0, kIdRole).toLongLong());
    }
    return ids;
}

void LogbookView::ApplyFilter()
{
    const QString filter = m_filter->text().trimmed();
    int shown = 0, flights = 0;
    double seconds = 0;
    for (int i = 0; i < m_table->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_table->topLevelItem(i);
        bool match = filter.isEmpty();
        for (int column = 0; column < m_table->columnCount() && !match; ++column)
            match = item->text(column).contains(filter, Qt::CaseInsensitive);
        if (!match && !filter.isEmpty())
            match = item->toolTip(kName).contains(filter, Qt::CaseInsensitive);  // the comment
        const qint64 day = item->data(0, kDayRole).toLongLong();
        if (m_from->date() != kAnyDay && day < m_from->date().toJulianDay())
            match = false;
        if (m_to->date() != kAnyDay && day > m_to->date().toJulianDay())
            match = false;
        item->setHidden(!match);
        if (match) {
            ++shown;
            flights += item->data(0, kFlightsRole).toInt();
            seconds += item->data(0, kSecondsRole).toDouble();
        }
    }
    if (m_table->isEnabled()) {
        // Airtime in hours, as logbooks count it.
        const auto total = static_cast<long long>(seconds);
        //: the logs shown, in the logbook's totals; English: "1 log", "2 logs"
        const QString logs = tr("%n log(s)", nullptr, shown);
        //: the flights in the logs shown, in the logbook's totals; English: "1 flight", "2 flights"
        const QString flown = tr("%n flight(s)", nullptr, flights);
        //: %1: the logs ("3 logs"), %2: their flights ("5 flights"), %3: their airtime in hours:minutes:seconds
        m_totals->setText(
            tr("%1, %2, airtime %3")
                .arg(logs, flown, QString::asprintf("%lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60)));
    }
    // The statistics count the rows shown.
    const std::vector<int64_t> ids = ShownIds();
    const std::set<int64_t> shownIds(ids.begin(), ids.end());
    std::vector<LogbookEntry> shownEntries;
    for (const LogbookEntry& e : m_entries)
        if (shownIds.contains(e.id))
            shownEntries.push_back(e);
    const auto deviceName = m_deviceName;
    m_season->Show(shownEntries, m_climbs, m_unit, [deviceName](uint32_t id) {
        return deviceName ? deviceName(id).toStdString() : std::to_string(id);
    });
    UpdateButtons();
}

void LogbookView::UpdateButtons()
{
    const size_t chosen = SelectedIds().size();
    for (QPushButton* b : {m_open, m_export, m_delete})
        b->setEnabled(chosen > 0);
    m_compare->setEnabled(chosen >= 2 && chosen <= 20);
}
