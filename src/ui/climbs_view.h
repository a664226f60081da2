#pragma once

#include <QTreeWidget>

#include "base/units.h"
#include "dsp/climbs.h"
#include "ui/column_widths.h"

// The "Climbs" pane: one row per climb of the shown log (number, start and end as the
// chart's time labels, duration, gain, average and strongest climb rate), sortable by
// any column. Choosing a row tells which climb.
class ClimbsView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ClimbsView(QWidget* parent = nullptr);

    // The climbs (in metres) shown in the given length unit, times labelled as the chart
    // labels a log of logSeconds; no climbs empty the pane.
    void Show(const ClimbAnalysis& climbs, const LengthUnit& units, double logSeconds);
    ColumnWidths& Widths() const { return *m_widths; }

signals:
    // A row was chosen: the index of its climb in the analysis.
    void ClimbChosen(int index);

private:
    ColumnWidths* m_widths;
};
