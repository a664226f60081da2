#include "dsp/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <QCoreApplication>

#include "app/brixo_log.h"
#include "app/settings.h"
#include "base/time_text.h"
#include "base/tr_text.h"
#include "dsp/airtime.h"
#include "dsp/climbs.h"
#include "dsp/log_series.h"

namespace {

// Visits ValueAt(t) for t = t1, t1 + d, t1 + 2d ... while t <= t2, t growing by
// repeated addition, and returns how many times were visited. Past the end of
// the data every value is 0, so the walk stops after the first of them and
// counts the rest: they could change nothing else.
template <typename Visit>
double Walk(const NamedSeries& s, double t1, double t2, Visit visit)
{
    const double d = s.interval;
    if (!(d > 0.0) || !std::isfinite(d) || !(t1 <= t2)) {
        visit(ValueAt(s, t1));
        return 1.0;
    }
    const double end = s.firstTime + static_cast<double>(s.values.size()) * d;
    double visited = 0.0;
    for (double t = t1; t <= t2; t += d) {
        visit(ValueAt(s, t));
        ++visited;
        if (t > end)
            return visited + std::floor((t2 - t) / d);
    }
    return visited;
}

}  // namespace

double NearestSample(const std::vector<double>& values, double firstTime, double interval, double t)
{
    const size_t count = values.size();
    if (count == 0 || !(t >= firstTime) || t > firstTime + static_cast<double>(count) * interval)
        return 0.0;
    const double position = std::floor((t - firstTime) / interval + 0.5);
    const size_t index =
        !(position < static_cast<double>(count - 1)) ? count - 1 : static_cast<size_t>(std::max(position, 0.0));
    return values[index];
}

double ValueAt(const NamedSeries& series, double t)
{
    return NearestSample(series.values, series.firstTime, series.interval, t);
}

std::string ValueText(double value, const char* unit, int decimals)
{
    // As long as it needs to be: "%f" of a huge value has hundreds of digits, and the unit
    // must never be the part that is cut.
    const int length = std::snprintf(nullptr, 0, "%5.*f %s", decimals, value, unit);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%5.*f %s", decimals, value, unit);
    text.pop_back();
    return text;
}

namespace {
std::string Tr(const char* text)
{
    return TrText("Statistics", text);
}
}  // namespace

std::string AltitudeReferenceText(bool asked, bool applied)
{
    // The window shows these in its language; nivra-tool, which installs no translation, in English.
    if (applied)
        return Tr(QT_TRANSLATE_NOOP("Statistics", "above sea level"));
    return asked ? Tr(QT_TRANSLATE_NOOP("Statistics", "above start (no start elevation)"))
                 : Tr(QT_TRANSLATE_NOOP("Statistics", "above start"));
}

ClimbStatTexts ClimbStatistics(const ClimbAnalysis& climbs, const LengthUnit& units)
{
    const char* unit = units.name.c_str();
    ClimbStatTexts texts;
    texts.count = std::to_string(climbs.climbs.size());
    char text[128];
    std::snprintf(text, sizeof text, "%s (%.1f %%)", TimeLabel(climbs.timeClimbing).c_str(), climbs.share);
    texts.timeClimbing = text;
    std::snprintf(text, sizeof text, "%.1f %s", units.FromMetres(climbs.heightGained), unit);
    texts.heightGained = text;
    if (climbs.best < 0) {
        texts.bestClimb = "-";
    } else {
        std::snprintf(text, sizeof text, "%.*f %s", units.SpeedDecimals(),
                      units.SpeedFromMetres(climbs.climbs[static_cast<size_t>(climbs.best)].average),
                      units.Speed().c_str());
        //: The best climb's average rate and its number in the climbs table: "2.32 m/s (climb 3)".
        texts.bestClimb = QCoreApplication::translate("Statistics", "%1 (climb %2)")
                              .arg(QString::fromStdString(text))
                              .arg(climbs.best + 1)
                              .toStdString();
    }
    return texts;
}

AirtimeStatTexts AirtimeStatistics(const std::vector<FlightSpan>& flights, std::optional<int64_t> flownAtUnixMs)
{
    AirtimeStatTexts texts;
    texts.airtime = TimeLabel(TotalAirtime(flights));
    if (flights.empty())
        return texts;
    const auto moment = [&](double offset) {
        std::string text = TimeLabel(offset);
        if (!flownAtUnixMs)
            return text;
        const auto seconds = static_cast<int64_t>(std::floor(static_cast<double>(*flownAtUnixMs) / 1000.0 + offset));
        const int64_t ofDay = (seconds % 86400 + 86400) % 86400;
        char clock[32];
        std::snprintf(clock, sizeof clock, " (%02d:%02d:%02d)", static_cast<int>(ofDay / 3600),
                      static_cast<int>(ofDay / 60 % 60), static_cast<int>(ofDay % 60));
        return text + clock;
    };
    texts.takeoff = moment(flights.front().takeoff);
    texts.landing = moment(flights.back().landing);
    if (flights.size() > 1) {
        // Each flight's airtime, as many as a row can show.
        constexpr size_t kListed = 8;
        texts.flights = std::to_string(flights.size()) + " (";
        for (size_t i = 0; i < std::min(flights.size(), kListed); ++i)
            texts.flights += (i ? ", " : "") + TimeLabel(flights[i].Airtime());
        texts.flights += flights.size() > kListed ? ", ...)" : ")";
    }
    return texts;
}

LogStatTexts LogStatistics(const BrixoLog& log, const NamedSeries& altitude, const LengthUnit& units)
{
    LogStatTexts texts;
    texts.duration = TimeLabel(log.Duration());
    texts.rate = PeriodText(log.SamplePeriod());
    if (!altitude.values.empty())
        texts.maxAltitude = ValueText(
            units.FromMetres(*std::max_element(altitude.values.begin(), altitude.values.end())), units.name.c_str());
    return texts;
}

std::string SigmaText(double sigma)
{
    char text[64];
    std::snprintf(text, sizeof text, sigma >= 10 ? "%.0f" : "%.2g", sigma);
    return text;
}

std::string FoundSigmaText(const std::optional<ModelSigmaFound>& found)
{
    if (!found || !(found->mostOf > 0))
        return {};
    std::string text = SigmaText(found->mostOf);
    if (found->lowest < found->highest)
        //: The model sigmas found along a flight: "0.01 (0.001 to 3.2)".
        text = QCoreApplication::translate("Statistics", "%1 (%2 to %3)")
                   .arg(QString::fromStdString(text), QString::fromStdString(SigmaText(found->lowest)),
                        QString::fromStdString(SigmaText(found->highest)))
                   .toStdString();
    return text;
}

std::string ModelSigmaText(const LogSeries& series, const ChartSettings& settings)
{
    if (!settings.altPolynome)
        return {};
    if (!settings.sigmaAuto)
        return SigmaText(settings.sigmaModel);
    const std::string found = FoundSigmaText(series.modelSigmaFound);
    //: The model sigma the smoother found: "0.01 (0.001 to 3.2), from the flight".
    return found.empty() ? found
                         : QCoreApplication::translate("Statistics", "%1, from the flight")
                               .arg(QString::fromStdString(found))
                               .toStdString();
}

SelectionStatTexts SelectionStatistics(const NamedSeries& altitude, const NamedSeries& vario, double t1, double t2,
                                       const LengthUnit& units)
{
    SelectionStatTexts texts;
    texts.duration = TimeLabel(t2 - t1);
    const std::string speedName = units.Speed();
    const char* length = units.name.c_str();
    const char* speed = speedName.c_str();

    const double a1 = ValueAt(altitude, t1), a2 = ValueAt(altitude, t2);
    double altMax = std::max(a1, a2);
    Walk(altitude, t1, t2, [&](double v) {
        if (!(v < altMax))
            altMax = v;
    });
    texts.startAltitude = ValueText(units.FromMetres(a1), length);
    texts.endAltitude = ValueText(units.FromMetres(a2), length);
    texts.maxAltitude = ValueText(units.FromMetres(altMax), length);

    const double v1 = ValueAt(vario, t1), v2 = ValueAt(vario, t2);
    double vMax = std::max(v1, v2), vMin = vMax, sum = 0.0;
    const double samples = Walk(vario, t1, t2, [&](double v) {
        sum += v;
        if (!(v < vMax))
            vMax = v;
        if (!(v > vMin))
            vMin = v;
    });
    // The mean of the samples visited: a constant climb shows as itself, and a
    // selection of no width has the value at its start as its average.
    const double average = sum / samples;
    // To the tenth, or to the whole foot a minute.
    const int decimals = units.SpeedReadStep() >= 1 ? 0 : 1;
    texts.minVario = ValueText(units.SpeedFromMetres(vMin), speed, decimals);
    texts.maxVario = ValueText(units.SpeedFromMetres(vMax), speed, decimals);
    texts.avrVario = ValueText(units.SpeedFromMetres(average), speed, decimals);
    return texts;
}
