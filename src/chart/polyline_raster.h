#pragma once

#include <QImage>
#include <QPolygon>

#include "chart/chart_axis.h"

// Draws a one-pixel polyline straight into a 32-bit image, clipped to a
// rectangle: every segment covers its first point and stops one pixel short of
// the second, and the last point of the line is not drawn. Runs of points in
// one pixel column therefore cover exactly the pixels between their highest
// and lowest point, whatever their order, which lets a dense curve be drawn
// from a few points per column with the same result. The cost follows the
// pixels inside the clip, not the length of the segments.
void DrawPolyline(QImage& image, const QPolygon& points, QRgb color, const ChartRect& clip);
