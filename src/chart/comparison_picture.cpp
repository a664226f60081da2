#include "chart/comparison_picture.h"

#include <QCoreApplication>

namespace {

std::shared_ptr<ChartSeries> Curve(const QString& name, const AlignedCurves& curves, const std::vector<double>& values,
                                   QColor color, int axisOf)
{
    auto s = std::make_shared<ChartSeries>(name, curves.firstTime, curves.interval, values);
    s->m_curvePen = QPen(color, 1, Qt::SolidLine, Qt::FlatCap);
    s->m_curvePen.setCosmetic(true);
    s->m_onAxisOf = axisOf;
    return s;
}

}  // namespace

QColor ComparisonColor(int k)
{
    static const QColor colors[] = {
        QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x9E, 0x73), QColor(0xE6, 0x9F, 0x00),
        QColor(0x56, 0xB4, 0xE9), QColor(0xCC, 0x79, 0xA7), QColor(0x00, 0x00, 0x00), QColor(0xF0, 0xE4, 0x42),
    };
    const int n = static_cast<int>(std::size(colors));
    const QColor base = colors[((k % n) + n) % n];
    if (k < n)
        return base;
    // Black has no darker shade: grey in its place.
    return base == Qt::black ? QColor(0x80, 0x80, 0x80).darker(100 + 40 * (k / n - 1))
                             : base.darker(100 + 60 * (k / n));
}

void FillComparisonPicture(ChartPicture& picture, const std::vector<ComparedFlight>& flights, Alignment alignment,
                           HeightReference reference, const LengthUnit& unit, bool vario)
{
    picture.m_series.clear();
    std::vector<AlignedCurves> aligned;
    aligned.reserve(flights.size());
    for (const ComparedFlight& f : flights)
        aligned.push_back(Align(f, alignment, reference, flights));
    const QString length = QString::fromStdString(unit.name);
    for (size_t i = 0; i < flights.size(); ++i) {
        std::vector<double> heights;
        heights.reserve(aligned[i].height.size());
        for (double h : aligned[i].height)
            heights.push_back(unit.FromMetres(h));
        auto s = Curve(QString::fromStdString(flights[i].label), aligned[i], heights,
                       ComparisonColor(static_cast<int>(i)), i == 0 ? -1 : 0);
        s->m_unit = length;
        s->m_axisName = reference == HeightReference::AboveSeaLevel
                            ? QCoreApplication::translate("ComparisonPicture", "Height above sea level")
                            : QCoreApplication::translate("ComparisonPicture", "Height above takeoff");
        s->m_readStep = 1;
        picture.m_series.push_back(s);
    }
    if (vario) {
        const int first = static_cast<int>(flights.size());
        for (size_t i = 0; i < flights.size(); ++i) {
            std::vector<double> rates;
            rates.reserve(aligned[i].vario.size());
            for (double v : aligned[i].vario)
                rates.push_back(unit.SpeedFromMetres(v));
            //: the legend's name of a flight's vario curve; %1 is the flight's label
            const QString name = QCoreApplication::translate("ComparisonPicture", "%1 (vario)")
                                     .arg(QString::fromStdString(flights[i].label));
            auto s = Curve(name, aligned[i], rates, ComparisonColor(static_cast<int>(i)), i == 0 ? -1 : first);
            s->m_unit = QString::fromStdString(unit.Speed());
            s->m_axisName = QCoreApplication::translate("ComparisonPicture", "Vario", "value axis of the climb rates");
            s->m_axisOnLeft = false;
            s->m_readStep = unit.SpeedReadStep();
            picture.m_series.push_back(s);
        }
    }
    picture.ShowWholeRange();
}
