#pragma once

#include <QWidget>

#include "dsp/statistics.h"

class PropertyList;

// The flight statistics: "Log", "Selection" and "Climbs" categories of read-only items.
class CPropertiesView : public QWidget {
    Q_OBJECT
public:
    explicit CPropertiesView(QWidget* parent = nullptr);

    void ShowLog(const LogStatTexts& texts);  // expands "Log", folds "Selection"
    void ShowSelection(const SelectionStatTexts& texts);  // expands "Selection"
    void ShowClimbs(const ClimbStatTexts& texts);         // expands "Climbs" when there are any
    void Clear();

    PropertyList* List() const { return m_list; }

private:
    void Fill();
    PropertyList* m_list;
};
