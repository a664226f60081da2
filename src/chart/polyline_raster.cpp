#include "chart/polyline_raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

struct Target {
    uchar* bits;
    qsizetype bytesPerLine;
    QRgb color;
    ChartRect clip;

    void Put(int x, int y) const { reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x] = color; }
};

void Segment(const Target& t, int x0, int y0, int x1, int y1)
{
    const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
    if (dx == 0 && dy == 0)
        return;
    const ChartRect& clip = t.clip;
    if (dx == 0) {  // the common case of a dense curve: a run down or up one column
        if (x0 < clip.left || x0 >= clip.right)
            return;
        const int64_t from = dy > 0 ? y0 : int64_t{y1} + 1, to = dy > 0 ? int64_t{y1} - 1 : y0;  // y1 excluded
        for (int64_t y = std::max<int64_t>(from, clip.top), end = std::min<int64_t>(to, clip.bottom - 1); y <= end; ++y)
            t.Put(x0, static_cast<int>(y));
        return;
    }
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const int majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const int low = xMajor ? clip.left : clip.top, high = xMajor ? clip.right : clip.bottom;
    const int minorLow = xMajor ? clip.top : clip.left, minorHigh = xMajor ? clip.bottom : clip.right;
    // Steps k = 0 ... major - 1 whose major coordinate lies inside the clip.
    int64_t k = majorStep > 0 ? int64_t{low} - majorStart : int64_t{majorStart} - (high - 1);
    int64_t kLast = majorStep > 0 ? int64_t{high} - 1 - majorStart : int64_t{majorStart} - low;
    k = std::max<int64_t>(k, 0);
    kLast = std::min<int64_t>(kLast, major - 1);
    if (k > kLast)
        return;
    // The minor offset at step k is (2 k minor + major) div (2 major): the exact
    // line rounded half up, carried from step to step by its remainder.
    const int64_t twiceMajor = 2 * major, twiceMinor = 2 * minor;
    const int64_t numerator = 2 * k * minor + major;
    int64_t offset = numerator / twiceMajor, remainder = numerator % twiceMajor;
    for (; k <= kLast; ++k) {
        const int64_t m = majorStart + majorStep * k;
        const int64_t n = minorStart + minorStep * offset;
        if (n >= minorLow && n < minorHigh)
            t.Put(static_cast<int>(xMajor ? m : n), static_cast<int>(xMajor ? n : m));
        remainder += twiceMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            ++offset;
        }
    }
}

}  // namespace

void DrawPolyline(QImage& image, const QPolygon& points, QRgb color, const ChartRect& clip)
{
    const ChartRect bounds{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, image.width()),
                           std::min(clip.bottom, image.height())};
    if (bounds.IsEmpty() || image.depth() != 32)
        return;
    const Target target{image.bits(), image.bytesPerLine(), color, bounds};
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        Segment(target, points[i].x(), points[i].y(), points[i + 1].x(), points[i + 1].y());
}
