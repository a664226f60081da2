#include <gtest/gtest.h>

#include <cstring>

#include "app/settings.h"
#include "dsp/airtime.h"
#include "dsp/log_series.h"
#include "dsp/statistics.h"
#include "test_support.h"

TEST(ValueAt, NearestSampleAndZeroOutside)
{
    const NamedSeries s = SeriesOf("Alt", {10, 20, 30}, 1.0);
    const struct {
        double t;
        double value;
    } cases[] = {
        {-0.001, 0}, {0, 10},   {0.49, 10}, {0.5, 20},  // half way takes the later sample
        {2, 30},     {2.6, 30}, {3.0, 30},              // up to one interval after the last sample
        {3.001, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueAt(s, c.t), c.value) << c.t;
    EXPECT_EQ(ValueAt(SeriesOf("Alt", {}, 1.0), 0.0), 0.0);
}

TEST(Statistics, LogTexts)
{
    const Configuration config = BuiltInConfig();
    const struct {
        uint32_t rate;
        size_t records;
        std::vector<double> altitude;
        bool imperial;
        std::string texts;  // duration, rate and highest altitude
    } cases[] = {
        {10, 300, {0, 1234.56}, false, "05:00|1 s|1234.6 m"},
        {1, 36010, {0, 5}, true, "1:00:01|0.1 s| 10.0 ft"},  // in the unit shown: two to the metre here
        {25, 2, {-3, -7}, false, "00:05|2.5 s| -3.0 m"},
        {10, 1, {}, false, "00:01|1 s|"},
    };
    for (const auto& c : cases) {
        const BrixoLog log = LogOf(config, 59, c.rate, std::vector<uint8_t>(c.records * 2, 7));
        const LogStatTexts t = LogStatistics(log, SeriesOf("Alt", c.altitude, log.SamplePeriod()),
                                             c.imperial ? LengthUnit{2.0, "ft"} : LengthUnit{});
        EXPECT_EQ(t.duration + "|" + t.rate + "|" + t.maxAltitude, c.texts);
    }
}

TEST(Statistics, ModelSigmaTexts)
{
    const struct {
        bool smoothed, found;
        std::optional<ModelSigmaFound> sigmas;
        double given;
        const char* text;
    } cases[] = {
        {true, true, ModelSigmaFound{0.1, 0.1, 0.1}, 0.01, "0.1, from the flight"},
        {true, true, ModelSigmaFound{0.001, 0.001, 3.1622776601683795}, 0.01, "0.001 (0.001 to 3.2), from the flight"},
        {true, true, ModelSigmaFound{0.0031622776601683794, 0.001, 100}, 0.01,
         "0.0032 (0.001 to 100), from the flight"},
        {true, true, ModelSigmaFound{31.622776601683793, 31.622776601683793, 31.622776601683793}, 0.01,
         "32, from the flight"},
        {true, true, std::nullopt, 0.01, ""},                         // too few samples to find one
        {true, true, ModelSigmaFound{}, 0.01, ""},                    // nor to smooth
        {true, false, ModelSigmaFound{0.1, 0.1, 0.1}, 0.25, "0.25"},  // the sigma given
        {false, true, ModelSigmaFound{0.1, 0.1, 0.1}, 0.01, ""},      // not smoothed
    };
    for (const auto& c : cases) {
        LogSeries series;
        series.modelSigmaFound = c.sigmas;
        Settings settings;
        settings.altPolynome = c.smoothed;
        settings.sigmaAuto = c.found;
        settings.sigmaModel = c.given;
        EXPECT_EQ(ModelSigmaText(series, settings), c.text);
    }
}

TEST(Statistics, HugeValuesKeepTheirUnit)
{
    for (const char* unit : {"m", "ft/s"}) {
        const std::string text = ValueText(-1e300, unit);
        EXPECT_GT(text.size(), 300u);
        EXPECT_EQ(text.substr(text.size() - std::strlen(unit) - 3), std::string(".0 ") + unit);
    }
}

TEST(Statistics, Selection)
{
    // The average vario is the mean of the samples visited, the end sample included.
    // Altitude 0, 1, 2 ... 29 m at 1 s; the vario climbs 0.5 m/s then sinks.
    std::vector<double> alt, vario;
    for (int i = 0; i < 30; ++i) {
        alt.push_back(i);
        vario.push_back(i < 15 ? 0.5 : -1.0);
    }
    const NamedSeries a = SeriesOf("Alt", alt, 1.0), v = SeriesOf("Vario", vario, 1.0);
    const struct {
        double t1, t2;
        int units;          // 0: metres; 1: two units to the metre ("ft"); 2: metres, feet a minute; 3: knots
        std::string texts;  // duration; start, end and highest altitude; least, highest and average vario
    } cases[] = {
        {10, 20, 0, "00:10| 10.0 m| 20.0 m| 20.0 m| -1.0 m/s|  0.5 m/s| -0.3 m/s"},
        // The end is more than one interval after the last sample: it counts as 0.
        // Shown in another unit (two to the metre here): every length and speed converted.
        {25, 31.5, 1, "00:06| 50.0 ft|  0.0 ft| 58.0 ft| -2.0 ft/s|  0.0 ft/s| -1.7 ft/s"},
        // Rates in feet a minute to the foot, in knots to the tenth; lengths stay metres.
        {10, 20, 2, "00:10| 10.0 m| 20.0 m| 20.0 m| -197 ft/min|   98 ft/min|  -63 ft/min"},
        {10, 20, 3, "00:10| 10.0 m| 20.0 m| 20.0 m| -1.9 kt|  1.0 kt| -0.6 kt"},
        // Up to one interval after the last sample, the last sample is used.
        {28, 30, 0, "00:02| 28.0 m| 29.0 m| 29.0 m| -1.0 m/s| -1.0 m/s| -1.0 m/s"},
        // No width: the average is the value at the start.
        {12, 12, 0, "00:00| 12.0 m| 12.0 m| 12.0 m|  0.5 m/s|  0.5 m/s|  0.5 m/s"},
        // A far end does not make the walk run on past the data.
        {0, 1e12, 0, "277777777:46:40|  0.0 m|  0.0 m| 29.0 m| -1.0 m/s|  0.5 m/s| -0.0 m/s"},
    };
    const LengthUnit units[] = {LengthUnit{}, LengthUnit{2.0, "ft"},
                                LengthUnit{1.0, "m", VarioSpeedUnit(VarioUnit::FeetPerMinute, false)},
                                LengthUnit{1.0, "m", VarioSpeedUnit(VarioUnit::Knots, false)}};
    for (const auto& c : cases) {
        const SelectionStatTexts t = SelectionStatistics(a, v, c.t1, c.t2, units[c.units]);
        EXPECT_EQ(t.duration + "|" + t.startAltitude + "|" + t.endAltitude + "|" + t.maxAltitude + "|" + t.minVario +
                      "|" + t.maxVario + "|" + t.avrVario,
                  c.texts)
            << c.t1;
    }
}

TEST(Statistics, AirtimeTexts)
{
    using Flights = std::vector<FlightSpan>;
    const int64_t noon = 1796040000000;  // 2026-11-28 12:00:00, as the pilot typed it
    const struct {
        Flights flights;
        std::optional<int64_t> flownAt;
        AirtimeStatTexts texts;
    } cases[] = {
        {{}, std::nullopt, {"-", "-", "00:00", ""}},
        {{}, noon, {"-", "-", "00:00", ""}},
        {{{22.4, 3579.9}}, std::nullopt, {"00:22", "59:39", "59:17", ""}},
        // The time of day counts from the time flown; past midnight it goes round.
        {{{22.4, 3579.9}}, noon, {"00:22 (12:00:22)", "59:39 (12:59:39)", "59:17", ""}},
        {{{600, 44000}}, noon + 12 * 3600 * 1000, {"10:00 (00:10:00)", "12:13:20 (12:13:20)", "12:03:20", ""}},
        {{{10, 55}, {700, 752}, {1200, 1230}}, std::nullopt, {"00:10", "20:30", "02:07", "3 (00:45, 00:52, 00:30)"}},
        // A whole season of hops in one log: the first eight listed.
        {Flights(10, FlightSpan{0, 60}),
         std::nullopt,
         {"00:00", "01:00", "10:00", "10 (01:00, 01:00, 01:00, 01:00, 01:00, 01:00, 01:00, 01:00, ...)"}},
    };
    for (const auto& c : cases) {
        const AirtimeStatTexts t = AirtimeStatistics(c.flights, c.flownAt);
        EXPECT_EQ(std::tuple(t.takeoff, t.landing, t.airtime, t.flights),
                  std::tuple(c.texts.takeoff, c.texts.landing, c.texts.airtime, c.texts.flights))
            << FlightSpansText(c.flights);
    }
}

TEST(Units, VarioUnitsAndStoredBounds)
{
    // A metre a second in each vario unit, the default following the units, and a stored value
    // no unit has meaning the default.
    const struct {
        uint32_t stored;
        bool imperial;
        const char* name;
        double perMetrePerSecond;
        double readStep;
    } cases[] = {
        {0, false, "m/s", 1.0, 0.1},
        {0, true, "ft/min", 196.8503937007874, 10},
        {1, true, "m/s", 1.0, 0.1},
        {2, false, "ft/min", 196.8503937007874, 10},
        {3, false, "kt", 1.9438444924406, 0.1},
        {7, true, "ft/min", 196.8503937007874, 10},
    };
    for (const auto& c : cases) {
        const SpeedUnit unit = VarioSpeedUnit(static_cast<VarioUnit>(c.stored), c.imperial);
        EXPECT_EQ(unit.name, c.name) << c.stored;
        EXPECT_NEAR(unit.perMetrePerSecond, c.perMetrePerSecond, 1e-12) << c.stored;
        EXPECT_EQ(unit.readStep, c.readStep) << c.stored;
    }
    // Bounds stored in feet a second, shown in feet a minute to twelve digits, and back.
    const LengthUnit feet(3.280839895013123, "ft", VarioSpeedUnit(VarioUnit::FeetPerMinute, true));
    EXPECT_EQ(feet.SpeedShownFromStored(5.0), 300.0);
    EXPECT_EQ(feet.SpeedShownFromStored(-1.25), -75.0);
    EXPECT_NEAR(feet.SpeedStoredFromShown(500.0), 500.0 / 60.0, 1e-12);
    const LengthUnit plain(3.280839895013123, "ft");  // as files have it
    EXPECT_EQ(plain.SpeedShownFromStored(5.0), 5.0);
    EXPECT_EQ(plain.Speed(), "ft/s");
    EXPECT_DOUBLE_EQ(plain.SpeedFromMetres(1.0), 3.280839895013123);
}
