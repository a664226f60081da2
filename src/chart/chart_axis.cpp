#include "chart/chart_axis.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

constexpr size_t kMaxTicks = 4000;

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The smallest multiple of unit at or after t (whole seconds).
double CeilToUnit(int64_t t, int64_t unit)
{
    const int64_t floor = FloorDiv(t, unit) * unit;
    return static_cast<double>(floor == t ? t : floor + unit);
}

QDateTime Utc(int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

}  // namespace

int PixelFromDouble(double position)
{
    if (std::isnan(position))
        return 1 << 24;
    return static_cast<int>(std::clamp(position, -double(1 << 24), double(1 << 24)));
}

int TimeAxis::ValueToPixel(double value) const
{
    if (!(m_max != m_min))
        return m_rect.left;
    return PixelFromDouble(std::floor((m_rect.right - m_rect.left) * (value - m_min) / (m_max - m_min))) + m_rect.left;
}

int TimeAxis::ValueToDevicePixel(double value, double scale) const
{
    const int left = static_cast<int>(std::lround(m_rect.left * scale));
    if (!(m_max != m_min))
        return left;
    return PixelFromDouble(std::floor(scale * (m_rect.right - m_rect.left) * (value - m_min) / (m_max - m_min))) + left;
}

double TimeAxis::PixelToValue(int pixel) const
{
    const int width = m_rect.right - m_rect.left;
    if (width == 0)
        return m_min;
    return (m_max - m_min) * (pixel - m_rect.left) / width + m_min;
}

int ValueAxis::ValueToPixel(double value) const
{
    if (!(m_max != m_min))
        return m_rect.bottom;
    return m_rect.bottom -
           PixelFromDouble(std::floor((m_rect.bottom - m_rect.top) * (value - m_min) / (m_max - m_min)));
}

int ValueAxis::ValueToDevicePixel(double value, double scale) const
{
    const int bottom = static_cast<int>(std::lround(m_rect.bottom * scale));
    if (!(m_max != m_min))
        return bottom;
    return bottom -
           PixelFromDouble(std::floor(scale * (m_rect.bottom - m_rect.top) * (value - m_min) / (m_max - m_min)));
}

double ValueAxis::PixelToValue(int pixel) const
{
    const int height = m_rect.bottom - m_rect.top;
    if (height == 0)
        return m_max;
    return m_max - (m_max - m_min) * (pixel - m_rect.top) / height;
}

void ValueAxis::ApplyRange(double dataMin, double dataMax)
{
    switch (m_scalingMode) {
    case ScalingMode::Custom:
        m_min = m_customMin;
        m_max = m_customMax;
        return;
    case ScalingMode::AlignedToZero: m_min = dataMin < 0 ? dataMin : 0.0; break;
    case ScalingMode::Auto: m_min = dataMin; break;
    }
    m_max = dataMax - dataMin <= 1e-5 ? dataMin + 1.0 : dataMax;
}

void ValueAxis::ComputeTicks(int height)
{
    // A very low axis gets one tick over its whole range.
    const int n = std::max(height / m_tickSpacing, 1);
    const double raw = (m_max - m_min) / n;
    if (raw > 0 && std::isfinite(raw)) {
        const int e = static_cast<int>(std::floor(std::log10(raw)));
        const double p = e < 0 ? 1.0 / std::pow(10.0, -e) : std::pow(10.0, e);
        // The smallest readable step not below the raw one; 2.5 asks for a decimal more.
        for (const auto& [factor, extra] :
             {std::pair(1.0, 0), std::pair(2.0, 0), std::pair(2.5, 1), std::pair(5.0, 0), std::pair(10.0, -1)})
            if (raw <= factor * p * (1 + 1e-12) || factor == 10.0) {
                m_step = factor * p;
                m_decimals = std::max(0, -e + extra);
                break;
            }
    }
    // The multiples of the step at or below the min and at or above the max; a range too
    // large for its step to show in it keeps its ends, with one tick at the min.
    const double low = std::floor(m_min / m_step + 1e-9);
    const double high = std::ceil(m_max / m_step - 1e-9);
    if (!(std::abs(low) < 1e15 && std::abs(high) < 1e15 && high - low < 1e6)) {
        m_firstTick = m_min;
        m_tickCount = 0;
        return;
    }
    if (m_scalingMode != ScalingMode::Custom) {
        m_min = low * m_step;
        m_max = std::max(high, low + 1) * m_step;
        m_firstTick = m_min;
        m_tickCount = static_cast<int>(std::max(high - low, 1.0));
        return;
    }
    // A custom range as given: the multiples inside it.
    const double first = std::ceil(m_min / m_step - 1e-9);
    const double last = std::floor(m_max / m_step + 1e-9);
    m_firstTick = first * m_step;
    m_tickCount = static_cast<int>(last - first);
}

double ValueAxis::TickValue(int k) const
{
    const double value = m_firstTick + k * m_step;
    return std::abs(value) < std::abs(m_step) * 1e-9 ? 0.0 : value;
}

void LayOutValueAxes(const std::vector<ValueAxis*>& axes, int height,
                     const std::function<int(const ValueAxis&, double value)>& labelLength, int gap)
{
    for (ValueAxis* a : axes) {
        const double min = a->m_min, max = a->m_max;
        int spacing = kValueTickSpacing;
        for (int pass = 0; pass < 16; ++pass) {
            a->m_min = min;
            a->m_max = max;
            a->m_tickSpacing = spacing;
            a->ComputeTicks(height);
            int widest = 0;
            for (int k = 0; k <= a->m_tickCount && k < 1000; ++k)
                widest = std::max(widest, labelLength(*a, a->TickValue(k)));
            // Two ticks a step apart lie this far apart, give or take the pixel each is rounded to.
            const double apart = a->m_max > a->m_min ? height * a->m_step / (a->m_max - a->m_min) : height;
            const int needed = widest + gap;
            if (a->m_tickCount < 1 || apart >= needed + 1 || spacing > height)
                break;
            spacing = std::max(spacing * 3 / 2, needed + 1);
        }
    }
}

void TimeAxis::ComputeTicks(int width)
{
    const int n = std::max(width / m_tickSpacing, 1);
    const double spanSeconds = (std::ceil(m_max) - std::floor(m_min)) / n;
    const int64_t s = spanSeconds > 0 && spanSeconds < 1e15 ? static_cast<int64_t>(spanSeconds) : 0;
    const int64_t minutes = s / 60, hours = s / 3600, days = s / 86400;
    struct Row {
        bool holds;
        TimeUnit unit;
        int64_t units;
    };
    const Row rows[] = {
        {s < 60 && s <= 2, TimeUnit::Seconds, 1},
        {s < 60 && s <= 5, TimeUnit::Seconds, 5},
        {s < 60 && s <= 10, TimeUnit::Seconds, 10},
        {s < 60 && s <= 30, TimeUnit::Seconds, 30},
        {s < 60, TimeUnit::Minutes, 1},
        {minutes < 60 && minutes <= 2, TimeUnit::Minutes, 2},
        {minutes < 60 && minutes <= 5, TimeUnit::Minutes, 5},
        {minutes < 60 && minutes <= 10, TimeUnit::Minutes, 10},
        {minutes < 60 && minutes <= 30, TimeUnit::Minutes, 30},
        {minutes < 60, TimeUnit::Hours, 1},
        {hours < 24 && hours <= 2, TimeUnit::Hours, 2},
        {hours < 24 && hours <= 6, TimeUnit::Hours, 6},
        {hours < 24 && hours <= 12, TimeUnit::Hours, 12},
        {hours < 24, TimeUnit::Days, 1},
        {days < 31 && days <= 2, TimeUnit::Days, 2},
        {days < 31 && days <= 7, TimeUnit::Days, 7},
        {days < 31, TimeUnit::Months, 1},
        {days < 365 && days <= 62, TimeUnit::Months, 2},
        {days < 365 && days <= 124, TimeUnit::Months, 4},
        {days < 365 && days <= 186, TimeUnit::Months, 6},
        {days < 365, TimeUnit::Years, 1},
        {true, TimeUnit::Years, days / 365 + 1},
    };
    for (const Row& row : rows)
        if (row.holds) {
            m_timeUnit = row.unit;
            m_unitsPerTick = row.units;
            break;
        }

    const double clampedMin = std::clamp(m_min, -1e15, 1e15);
    const int64_t t0 = static_cast<int64_t>(std::trunc(std::isnan(clampedMin) ? 0.0 : clampedMin));
    switch (m_timeUnit) {
    // Ticks on round times whatever the range: on whole multiples of the step (every 5
    // minutes at 0:05, 0:10, ..., not at 0:03, 0:08 after a zoom).
    case TimeUnit::Seconds:
        m_firstTick = CeilToUnit(t0, m_unitsPerTick);
        m_step = static_cast<double>(m_unitsPerTick);
        break;
    case TimeUnit::Minutes:
        m_firstTick = CeilToUnit(t0, 60 * m_unitsPerTick);
        m_step = static_cast<double>(m_unitsPerTick) * 60.0;
        break;
    case TimeUnit::Hours:
        m_firstTick = CeilToUnit(t0, 3600 * m_unitsPerTick);
        m_step = static_cast<double>(m_unitsPerTick) * 3600.0;
        break;
    case TimeUnit::Days:
        m_firstTick = CeilToUnit(t0, 86400 * m_unitsPerTick);
        m_step = static_cast<double>(m_unitsPerTick) * 86400.0;
        break;
    case TimeUnit::Months: {
        // The first month boundary at or after the start, then every few months.
        const QDate d = Utc(t0).date();
        QDateTime first(QDate(d.year(), d.month(), 1), QTime(0, 0), QTimeZone::utc());
        if (first.toSecsSinceEpoch() < t0)
            first = first.addMonths(1);
        m_firstTick = static_cast<double>(first.toSecsSinceEpoch());
        m_step = static_cast<double>(m_unitsPerTick) * 30.0 * 86400.0;  // nominal; Ticks() steps by the calendar
        break;
    }
    case TimeUnit::Years: {
        const QDate d = Utc(t0).date();
        QDateTime first(QDate(d.year(), 1, 1), QTime(0, 0), QTimeZone::utc());
        if (first.toSecsSinceEpoch() < t0)
            first = first.addYears(1);
        m_firstTick = static_cast<double>(first.toSecsSinceEpoch());
        m_step = static_cast<double>(m_unitsPerTick) * 365.0 * 86400.0;
        break;
    }
    }
}

std::vector<double> TimeAxis::Ticks() const
{
    std::vector<double> ticks;
    if (!(m_step > 0) || !std::isfinite(m_firstTick) || !std::isfinite(m_max))
        return ticks;
    const bool calendar = m_timeUnit == TimeUnit::Months || m_timeUnit == TimeUnit::Years;
    const QDateTime first = Utc(static_cast<int64_t>(m_firstTick));
    for (size_t i = 0; i < 4 * kMaxTicks && ticks.size() < kMaxTicks; ++i) {
        double tick;
        if (calendar) {
            const int count = static_cast<int>(std::min<int64_t>(static_cast<int64_t>(i) * m_unitsPerTick, 1 << 20));
            const QDateTime t = m_timeUnit == TimeUnit::Months ? first.addMonths(count) : first.addYears(count);
            tick = static_cast<double>(t.toSecsSinceEpoch());
        } else {
            tick = m_firstTick + static_cast<double>(i) * m_step;
        }
        if (!(tick - m_max < 1e-7))
            break;
        if (m_min <= tick)
            ticks.push_back(tick);
    }
    return ticks;
}

std::string TimeAxis::TickLabel(double time) const
{
    return TimeLabel(time, TimeLabelStyleFor(m_max));
}
