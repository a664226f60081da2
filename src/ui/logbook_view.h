#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "logbook/logbook.h"
#include "ui/column_widths.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The "Logbook" pane: every flight the logbook keeps, newest first (date, name, site,
// duration, airtime, the flights in a log that holds several, highest point, device),
// sortable by any column, narrowed by a filter box, with the totals of the rows shown. Several rows can be chosen for
// Open (double-click or Enter), Export... and Delete.
class LogbookView : public QWidget {
    Q_OBJECT
public:
    explicit LogbookView(QWidget* parent = nullptr);

    // The flights, the highest points in the unit of lengthScale ("m" or "ft"), each
    // device by the name deviceName gives its id.
    void Show(const std::vector<LogbookEntry>& entries, const QString& unit, double lengthScale,
              const std::function<QString(uint32_t)>& deviceName);
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

signals:
    void OpenRequested(const std::vector<int64_t>& ids);
    void ExportRequested(const std::vector<int64_t>& ids);
    void DeleteRequested(const std::vector<int64_t>& ids);

private:
    void ApplyFilter();
    void UpdateButtons();

    QLineEdit* m_filter;
    QTreeWidget* m_table;
    ColumnWidths* m_widths;
    QLabel* m_totals;
    QPushButton* m_open;
    QPushButton* m_export;
    QPushButton* m_delete;
};
