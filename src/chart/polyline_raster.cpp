#include "chart/polyline_raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void Segment(QImage& image, QRgb color, const ChartRect& clip, int x0, int y0, int x1, int y1)
{
    const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const int majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const int low = xMajor ? clip.left : clip.top, high = xMajor ? clip.right : clip.bottom;
    const int minorLow = xMajor ? clip.top : clip.left, minorHigh = xMajor ? clip.bottom : clip.right;
    // Steps k = 0 ... major - 1 whose major coordinate lies inside the clip.
    int64_t kFirst = majorStep > 0 ? int64_t{low} - majorStart : int64_t{majorStart} - (high - 1);
    int64_t kLast = majorStep > 0 ? int64_t{high} - 1 - majorStart : int64_t{majorStart} - low;
    kFirst = std::max<int64_t>(kFirst, 0);
    kLast = std::min<int64_t>(kLast, major - 1);
    for (int64_t k = kFirst; k <= kLast; ++k) {
        const int64_t m = majorStart + majorStep * k;
        // The minor coordinate rounded half up from the exact line.
        const int64_t n = minorStart + minorStep * ((2 * k * minor + major) / (2 * major));
        if (n < minorLow || n >= minorHigh)
            continue;
        const int x = static_cast<int>(xMajor ? m : n), y = static_cast<int>(xMajor ? n : m);
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
    }
}

}  // namespace

void DrawPolyline(QImage& image, const QPolygon& points, QRgb color, const ChartRect& clip)
{
    const ChartRect bounds{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, image.width()),
                           std::min(clip.bottom, image.height())};
    if (bounds.IsEmpty() || image.depth() != 32)
        return;
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        Segment(image, color, bounds, points[i].x(), points[i].y(), points[i + 1].x(), points[i + 1].y());
}
