#pragma once

#include <QColor>

#include <vector>

#include "base/units.h"
#include "chart/chart_picture.h"
#include "dsp/comparison.h"

// The colour of the k-th flight of a comparison, from Okabe and Ito's palette, whose colours stay
// apart for the common colour blindnesses too; past the eighth, the same darkened.
QColor ComparisonColor(int k);

// A comparison in a chart: one height curve per flight on one axis ("Height"), and with vario
// one vario curve per flight on another, each flight in its colour and named by its label,
// lined up and measured as asked, in the units given; the whole of every curve shown.
void FillComparisonPicture(ChartPicture& picture, const std::vector<ComparedFlight>& flights, Alignment alignment,
                           HeightReference reference, const LengthUnit& unit, bool vario);
