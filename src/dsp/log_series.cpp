#include "dsp/log_series.h"

#include <algorithm>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "config/decoder.h"
#include "dsp/filters.h"

const NamedSeries* LogSeries::Find(const std::string& name) const
{
    for (const NamedSeries& s : series)
        if (s.name == name)
            return &s;
    return nullptr;
}

std::vector<const NamedSeries*> LogSeries::Shown() const
{
    std::vector<const NamedSeries*> shown;
    for (const NamedSeries& s : series)
        if (s.style.visible)
            shown.push_back(&s);
    return shown;
}

std::vector<double> VarioFrom(const std::vector<double>& altitude, double dt)
{
    const size_t n = altitude.size();
    if (n < 2)
        return {};
    std::vector<double> vario(n);
    for (size_t i = 0; i + 1 < n; ++i)
        vario[i] = (altitude[i + 1] - altitude[i]) / dt;
    vario[n - 1] = vario[n - 2];
    return vario;
}

LogSeries BuildLogSeries(const CBrixoLog& log, const Settings& settings)
{
    LogSeries result;
    result.series.reserve(2 + static_cast<size_t>(ChannelCount(log)));
    const double dt = log.SamplePeriod();
    auto add = [&](std::string name) -> NamedSeries& {
        NamedSeries& s = result.series.emplace_back();
        s.name = std::move(name);
        s.interval = dt;
        return s;
    };

    const std::string unit = settings.Imperial() ? "ft" : "m";
    NamedSeries& alt = add("Alt");
    alt.unit = unit;
    std::string error;
    if (!DecodeAltitude(log, settings.Imperial(), alt.values, &error))
        result.errors.push_back(error);
    if (settings.altPolynome)
        KalmanFilter(alt.values, dt, settings.sigmaMeasurement, settings.sigmaModel);
    alt.style = {static_cast<int>(settings.altColor), settings.altOn, static_cast<int>(settings.altStyle),
                 settings.altMin, settings.altMax, true};

    std::vector<double> vario = VarioFrom(alt.values, dt);
    if (settings.varioPolynome)
        SmoothingFilter(vario);
    if (settings.varioMedian > 0)
        MedianFilter(vario, settings.varioMedian);
    NamedSeries& v = add("Vario");
    v.unit = unit + "/s";
    v.values = std::move(vario);
    v.style = {static_cast<int>(settings.varioColor), settings.varioOn, static_cast<int>(settings.varioStyle),
               settings.varioMin, settings.varioMax, false};

    for (int i = 0, count = ChannelCount(log); i < count; ++i) {
        const pugi::xml_node chan = ChannelElement(log, i);
        NamedSeries& c = add(chan.attribute("name").value());
        error.clear();
        if (!DecodeChannel(log, i, c.values, &error) && !error.empty())
            result.errors.push_back(error);
        const auto min = RealAttribute(chan, "min");
        const auto max = RealAttribute(chan, "max");
        if (min && max) {
            c.style.scalingMode = 2;
            c.style.customMin = *min;
            c.style.customMax = *max;
        }
    }
    return result;
}
