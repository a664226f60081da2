#include "dsp/log_series.h"

#include <algorithm>
#include <cmath>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "config/configuration.h"
#include "dsp/decoder.h"
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

LogSeries InDisplayUnits(const LogSeries& series)
{
    LogSeries shown = series;
    for (NamedSeries& s : shown.series) {
        if (s.quantity == Quantity::Other)
            continue;
        const LengthUnit& units = series.units;
        if (s.quantity == Quantity::Length) {
            for (double& v : s.values)
                v = units.FromMetres(v);
            s.unit = units.name;
            s.readStep = 1;
        } else {
            for (double& v : s.values)
                v = units.SpeedFromMetres(v);
            s.unit = units.Speed();
            s.readStep = units.SpeedReadStep();
            s.style.customMin = units.SpeedShownFromStored(s.style.customMin);
            s.style.customMax = units.SpeedShownFromStored(s.style.customMax);
        }
    }
    return shown;
}

LogSeries BuildLogSeries(const BrixoLog& log, const Settings& settings, SeriesChoice choice,
                         std::optional<double> startElevation)
{
    LogSeries result;
    result.series.reserve(2 + static_cast<size_t>(choice == SeriesChoice::All ? ChannelCount(log) : 0));
    const double dt = log.SamplePeriod();
    auto add = [&](std::string name) -> NamedSeries& {
        NamedSeries& s = result.series.emplace_back();
        s.name = std::move(name);
        s.interval = dt;
        return s;
    };
    auto fail = [&](NamedSeries& s, std::string why) {
        s.values.clear();
        s.problem = why;
        result.errors.push_back(std::move(why));
    };

    result.units = {AltitudeScale(log, settings.Imperial()), settings.Imperial() ? "ft" : "m"};
    NamedSeries& alt = add("Alt");
    alt.unit = "m";
    alt.quantity = Quantity::Length;
    if (Status decoded = DecodeAltitude(log, alt.values); !decoded)
        fail(alt, decoded.Error());
    if (settings.altAboveSeaLevel && startElevation && !alt.values.empty()) {
        for (double& a : alt.values)
            a += *startElevation;
        result.aboveSeaLevel = true;
    }
    if (settings.altPolynome && settings.sigmaAuto)
        result.modelSigmaFound = KalmanFilterWithFoundSigma(alt.values, dt, settings.sigmaMeasurement);
    else if (settings.altPolynome)
        KalmanFilter(alt.values, dt, settings.sigmaMeasurement, settings.sigmaModel);
    alt.style = {static_cast<int>(settings.altColor),
                 settings.altOn,
                 ScalingModeOf(settings.altStyle),
                 settings.altMin,
                 settings.altMax,
                 true};

    // Finite altitudes can still give an infinite difference, or overflow in a filter; no axis,
    // statistic or table can show that, so the series go as a non-finite altitude goes.
    const auto finite = [](const std::vector<double>& values) {
        return std::all_of(values.begin(), values.end(), [](double x) { return std::isfinite(x); });
    };
    std::vector<double> vario = VarioFrom(alt.values, dt);
    // A vario refused below is not filtered first: a median over values that are no numbers
    // takes each window apart, which a wide window and a long log make last for minutes.
    if (finite(alt.values) && finite(vario)) {
        if (settings.varioPolynome)
            SmoothingFilter(vario);
        if (settings.varioMedian > 0)
            MedianFilter(vario, settings.varioMedian);
    }
    NamedSeries& v = add("Vario");
    v.unit = "m/s";
    v.quantity = Quantity::Speed;
    v.values = std::move(vario);
    v.style = {static_cast<int>(settings.varioColor),
               settings.varioOn,
               ScalingModeOf(settings.varioStyle),
               settings.varioMin,
               settings.varioMax,
               false};
    if (!finite(alt.values) || !finite(v.values)) {
        const std::string formula = log.m_altFormula ? *log.m_altFormula : std::string();
        fail(alt, "the altitude formula \"" + formula + "\" gives altitudes " +
                      (finite(alt.values) ? "whose vertical speed" : "whose filtered values") +
                      " cannot be computed: the numbers overflow");
        v.values.clear();
    }
    if (v.values.empty())
        v.problem = alt.problem.empty() ? "the log holds too few samples for a vario" : alt.problem;

    if (choice != SeriesChoice::All)
        return result;
    // One walk over the device's channels: looking each up by its index would cost the
    // square of their number.
    int index = 0;
    for (pugi::xml_node chan = log.m_device ? log.m_device.node.child("Chan") : pugi::xml_node(); chan;
         chan = chan.next_sibling("Chan"), ++index) {
        NamedSeries& c = add(chan.attribute("name").value());
        if (Status decoded = DecodeChannel(log, chan, index, c.values); !decoded)
            fail(c, decoded.Error());
        const auto min = RealAttribute(chan, "min");
        const auto max = RealAttribute(chan, "max");
        if (min && max) {
            c.style.scalingMode = ScalingMode::Custom;
            c.style.customMin = *min;
            c.style.customMax = *max;
        }
    }
    return result;
}
