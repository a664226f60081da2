#pragma once

#include <QFont>
#include <QPen>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "chart/chart_axis.h"
#include "chart/min_max_pyramid.h"

// One series of equally spaced samples with its own value axis. Shared by
// std::shared_ptr: the chart holds one reference, callers may hold more.
class ChartSeries : public ValueAxis {
public:
    // Copies the values; the axis starts at the data's range (a flat one spans 1.0).
    ChartSeries(QString name, double firstTime, double interval, std::vector<double> values);

    void SetColorIndex(int index);
    void AddLabel(double time, double value) { m_labels.emplace_back(time, value); }
    // The nearest sample to a time; 0 before the first sample or after the last one's interval.
    double ValueAt(double time) const;
    void GetMinMax(double& min, double& max) const;
    // Smallest and largest of samples [first, last), last > first, in time independent of the run's length.
    std::pair<double, double> MinMaxOf(size_t first, size_t last) const
    {
        return m_pyramid.MinMax(m_values, first, last);
    }

    // Smallest and largest of the samples from the one at or before t0 to the one at or after
    // t1 (those the curve is drawn through); none when no sample lies there.
    std::optional<std::pair<double, double>> MinMaxIn(double t0, double t1) const;

    double EndTime() const { return m_firstTime + static_cast<double>(m_values.size()) * m_interval; }
    // The axis title and legend text: the name with its unit, "Alt [m]".
    QString Title() const { return m_unit.isEmpty() ? Shown() : Shown() + QStringLiteral(" [") + m_unit + u']'; }
    // The name the legend, the menus and the style dialog show: m_shownName, else m_name.
    const QString& Shown() const { return m_shownName.isEmpty() ? m_name : m_shownName; }
    // The title of its value axis: the title, or the axis' own name with the unit ("Height [m]"
    // over the flights of a comparison).
    QString AxisTitle() const
    {
        return m_axisName.isEmpty() ? Title()
               : m_unit.isEmpty()   ? m_axisName
                                    : m_axisName + QStringLiteral(" [") + m_unit + u']';
    }
    // A value as the axis labels write it (with the axis' decimals), with its unit when withUnit.
    QString ValueText(double value, bool withUnit) const;
    // A value as the read-out and the labels write it: to m_readStep where one is set (an
    // altitude to the metre, a vario to the tenth), else as the axis does.
    QString ReadingText(double value, bool withUnit) const;

    QString m_name;         // the series' own name, its key ("Alt")
    QString m_shownName;    // the name in the window's language ("Höhe"); empty: m_name
    QString m_unit;         // "m", "ft/s", ...; empty when the series has none
    QString m_axisName;     // the axis' own name; empty: the series' name
    double m_readStep = 0;  // the read-out's resolution (1, 0.1, 10); 0: the axis' decimals
    double m_firstTime;
    double m_interval;
    double m_dataMin = 0.0;
    double m_dataMax = 0.0;
    std::vector<double> m_values;
    std::vector<std::pair<double, double>> m_labels;  // (time, value)
    QFont m_rotatedFont;
    QPen m_curvePen;
    int m_colorIndex = 0;
    QPen m_labelPen;
    QColor m_labelColor{255, 0, 0};
    QFont m_horizontalFont;
    int m_axisSpacing = 3;
    bool m_axisOnLeft = true;
    // The index (in the chart's list) of the series whose value axis this one is drawn on, as
    // the flights of a comparison share one; -1: its own.
    int m_onAxisOf = -1;
    bool m_visible = true;
    ChartRect m_swatchRect;
    ChartRect m_valueBox;

private:
    MinMaxPyramid m_pyramid;
};

// The chart's font: the platform's sans-serif at 8 pt.
QFont ChartFont();

// The decimal point of the numbers the chart writes (axes, read-out, labels): "." unless the
// window speaks a language that writes another; nivra-tool's pictures keep ".".
void SetChartDecimalPoint(QChar point);
QChar ChartDecimalPoint();
// A text of C-form numbers ("1440.7 m", "2.32 m/s (climb 3)") with the chart's decimal point;
// only a point between two digits changes.
QString ChartNumbers(QString text);
