#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include <QWidget>

#include "dsp/statistics.h"

class PropertyList;

// The flight statistics: "Log", "Selection" and "Climbs" categories of read-only items.
class StatisticsView : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsView(QWidget* parent = nullptr);

    void ShowLog(const LogStatTexts& texts);              // expands "Log", folds "Selection"
    void ShowAirtime(const AirtimeStatTexts& texts);      // "Flights" only for more than one
    void ShowSelection(const SelectionStatTexts& texts);  // expands "Selection"
    void ShowClimbs(const ClimbStatTexts& texts);         // expands "Climbs" when there are any
    void Clear();

    PropertyList* List() const { return m_list; }

private:
    void Fill();
    // Item texts of a category, by item name.
    void SetValues(const QString& category, std::initializer_list<std::pair<const char*, const std::string*>> values);
    PropertyList* m_list;
};
