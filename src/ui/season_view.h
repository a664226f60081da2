#pragma once

#include <QWidget>

#include <map>
#include <vector>

#include "base/units.h"
#include "logbook/season.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Bars of airtime, one per group, in hours, drawn with the chart's own value axis.
class SeasonBars : public QWidget {
    Q_OBJECT
public:
    explicit SeasonBars(QWidget* parent = nullptr);
    // (label, hours) from left to right.
    void SetBars(std::vector<std::pair<QString, double>> bars);
    const std::vector<std::pair<QString, double>>& Bars() const { return m_bars; }
    QSize sizeHint() const override { return {300, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<QString, double>> m_bars;
};

// The logbook's "Statistics": the flights shown in the Logbook list grouped by year and month,
// site or device, each group's totals in a tree, its airtime in bars. Clicking a group chooses
// its flights.
class SeasonView : public QWidget {
    Q_OBJECT
public:
    explicit SeasonView(QWidget* parent = nullptr);

    // The flights to count and the climbs known for them; lengths in the unit given.
    void Show(const std::vector<LogbookEntry>& entries, const std::map<int64_t, ClimbFacts>& climbs,
              const LengthUnit& unit, const std::function<std::string(uint32_t)>& deviceName);
    // What the search for climbs is doing ("Finding the climbs: 20 of 300 flights"); empty: done.
    void ShowProgress(const QString& text);

    QComboBox* Grouping() const { return m_grouping; }
    QTreeWidget* Tree() const { return m_tree; }
    SeasonBars* Bars() const { return m_bars; }
    QLabel* Progress() const { return m_progress; }

signals:
    void GroupChosen(const std::vector<int64_t>& ids);

private:
    void Refresh();
    QTreeWidgetItem* AddRow(QTreeWidgetItem* parent, const SeasonRow& row);

    QComboBox* m_grouping;
    QTreeWidget* m_tree;
    SeasonBars* m_bars;
    QLabel* m_progress;
    std::vector<LogbookEntry> m_entries;
    std::map<int64_t, ClimbFacts> m_climbs;
    LengthUnit m_unit;
    std::function<std::string(uint32_t)> m_deviceName;
    std::map<int64_t, QString> m_names;  // of the flights, for the best climb
};
