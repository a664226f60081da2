#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/time_text.h"
#include "dsp/series_style.h"

// A rectangle of pixels with an exclusive right and bottom edge.
struct ChartRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// A shown time range.
struct TimeRange {
    double first = 0.0;
    double last = 0.0;
};

// A double pixel position made an int without undefined behaviour: far values
// saturate (they lie outside any picture), NaN goes far below.
int PixelFromDouble(double position);

// An axis: range, tick step, first tick and its place on the drawing surface.
class Axis {
public:
    virtual ~Axis() = default;
    virtual int ValueToPixel(double value) const = 0;
    virtual double PixelToValue(int pixel) const = 0;

    int m_tickSpacing = 25;
    double m_min = 0.0;
    double m_max = 10.0;
    double m_step = 1.0;
    double m_firstTick = 0.0;
    int m_decimals = 1;
    ChartRect m_rect;
    ScalingMode m_scalingMode = ScalingMode::Auto;
    double m_customMin = 0.0;
    double m_customMax = 10.0;
};

// The units of the time axis, from seconds to years.
enum class TimeUnit { Seconds, Minutes, Hours, Days, Months, Years };

// The horizontal time axis; times are seconds from the start of the log.
class TimeAxis : public Axis {
public:
    TimeAxis() { m_tickSpacing = 60; }
    int ValueToPixel(double value) const override;
    double PixelToValue(int pixel) const override;
    // The same position in a picture of scale device pixels to a pixel; 1 gives ValueToPixel.
    int ValueToDevicePixel(double value, double scale) const;

    // Chooses the unit, units per tick, first tick and step from the band width.
    void ComputeTicks(int width);
    // The tick times from the first tick to the end of the range (calendar steps
    // for months and years, in UTC), at most a few thousand.
    std::vector<double> Ticks() const;
    // The label of a tick: elapsed time in the style that the range end asks for.
    std::string TickLabel(double time) const;

    TimeUnit m_timeUnit = TimeUnit::Seconds;
    int64_t m_unitsPerTick = 1;
};

// A vertical value axis, values growing upwards.
class ValueAxis : public Axis {
public:
    int ValueToPixel(double value) const override;
    double PixelToValue(int pixel) const override;
    int ValueToDevicePixel(double value, double scale) const;

    // The range from the data and the scaling mode: a custom range exactly as given.
    void ApplyRange(double dataMin, double dataMax);
    // The tick step (1, 2, 2.5 or 5 times a power of ten, about m_tickSpacing pixels over an
    // axis of this height), its decimals and the ticks. An automatic range then widens to the
    // multiples of the step around it, at most a step beyond its data at either end; a custom
    // range stays as given, its ticks the multiples of the step within it.
    void ComputeTicks(int height);
    // Tick k of m_tickCount + 1, from the lowest; a value that is zero but for rounding is 0
    // (no "-0.0" label).
    double TickValue(int k) const;

    int m_tickCount = 0;  // steps from the lowest tick to the highest; -1: no tick in the range
};

// The wanted distance between value ticks, in pixels, before labels ask for more.
constexpr int kValueTickSpacing = 25;

// The ticks of each value axis of this height: the steps of ComputeTicks, made coarser until
// no two labels of an axis come closer than gap. Each axis has its own; ranges are those
// ApplyRange gave, widened again by each pass. labelLength gives the length of a label along
// its axis in pixels.
void LayOutValueAxes(const std::vector<ValueAxis*>& axes, int height,
                     const std::function<int(const ValueAxis&, double value)>& labelLength, int gap);
