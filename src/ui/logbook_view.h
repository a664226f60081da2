#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <vector>

#include "base/units.h"
#include "logbook/logbook.h"
#include "ui/column_widths.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class SeasonView;

// The "Logbook" pane: every flight the logbook keeps, newest first (date, name, site,
// duration, airtime, the flights in a log that holds several, highest point, device),
// sortable by any column, narrowed by a filter box and a range of days flown ("From", "To"),
// with the totals of the rows shown. Several rows can be chosen for Open (double-click or
// Enter), Export... and Delete; "Export Logbook..." writes the rows shown as CSV. Its
// "Statistics" tab groups the same rows (SeasonView).
class LogbookView : public QWidget {
    Q_OBJECT
public:
    explicit LogbookView(QWidget* parent = nullptr);

    // The flights, the highest points in the unit of lengthScale ("m" or "ft"), each
    // device by the name deviceName gives its id.
    void Show(const std::vector<LogbookEntry>& entries, const QString& unit, double lengthScale,
              const std::function<QString(uint32_t)>& deviceName);
    // The climbs known for the flights (by id), and the units the statistics show them in.
    void SetClimbs(const std::map<int64_t, ClimbFacts>& climbs, const LengthUnit& unit);
    // The flights shown (the filter's and the days'), in the list's order.
    std::vector<int64_t> ShownIds() const;
    // Shown instead of the flights when there is no logbook to show.
    void ShowProblem(const QString& text);
    std::vector<int64_t> SelectedIds() const;

    QTreeWidget* Table() const { return m_table; }
    ColumnWidths& Widths() const { return *m_widths; }
    QLineEdit* Filter() const { return m_filter; }
    QLabel* Totals() const { return m_totals; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* ExportButton() const { return m_export; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* ExportLogbookButton() const { return m_exportLogbook; }
    QPushButton* CompareButton() const { return m_compare; }
    QDateEdit* From() const { return m_from; }
    QDateEdit* To() const { return m_to; }
    QTabWidget* Tabs() const { return m_tabs; }
    SeasonView* Season() const { return m_season; }

signals:
    void OpenRequested(const std::vector<int64_t>& ids);
    void ExportRequested(const std::vector<int64_t>& ids);
    void DeleteRequested(const std::vector<int64_t>& ids);
    void ExportLogbookRequested(const std::vector<int64_t>& ids);
    void CompareRequested(const std::vector<int64_t>& ids);

private:
    void ApplyFilter();
    void UpdateButtons();
    // The group chosen in the statistics, chosen in the list.
    void ChooseFlights(const std::vector<int64_t>& ids);

    QLineEdit* m_filter;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QTabWidget* m_tabs;
    SeasonView* m_season;
    QPushButton* m_exportLogbook;
    QPushButton* m_compare;
    std::vector<LogbookEntry> m_entries;
    std::map<int64_t, ClimbFacts> m_climbs;
    LengthUnit m_unit;
    std::function<QString(uint32_t)> m_deviceName;
    QTreeWidget* m_table;
    ColumnWidths* m_widths;
    QLabel* m_totals;
    QPushButton* m_open;
    QPushButton* m_export;
    QPushButton* m_delete;
};
