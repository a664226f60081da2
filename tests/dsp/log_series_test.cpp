#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "app/settings.h"
#include "dsp/filters.h"
#include "dsp/log_series.h"
#include "test_support.h"

namespace {

// A device whose formula makes the raw reading the altitude in metres, with two channels.
const char kLinearDevice[] =
    "<C><Devices><Device id='59' name='Lin' data-chunk='4'><Alt formula='y'/>"
    "<Chan name='Temp' offs='2' size='1' formula='y-40' min='-20' max='50'/>"
    "<Chan name='Volt' offs='3' size='1' formula='y/10' min='1'/>"
    "</Device></Devices><Units><Unit type='linear' region='imperial' scale='3'/></Units></C>";

BrixoLog LinearLog(const Configuration& config, uint32_t rate, const std::vector<unsigned>& altitudes)
{
    std::vector<uint8_t> bytes;
    uint8_t t = 60;
    for (unsigned a : altitudes) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(a >> 8), t++, 33});
    }
    return LogOf(config, 59, rate, bytes);
}

// Where and how a series is drawn, as one line.
std::string Layout(const NamedSeries& s)
{
    const char* scaling[] = {"auto", "aligned", "custom"};
    std::ostringstream text;
    text << s.name << " from " << s.firstTime << " every " << s.interval << ": colour " << s.style.colorIndex
         << (s.style.visible ? ", shown, " : ", hidden, ") << scaling[static_cast<int>(s.style.scalingMode)] << " "
         << s.style.customMin << " to " << s.style.customMax << (s.style.axisOnLeft ? ", left" : ", right");
    return text.str();
}

}  // namespace

TEST(LogSeries, NamesOrderStylesAndChannels)
{
    const Configuration config = ConfigFromText(kLinearDevice);
    // Four records: three altitude values 0, 1, 3 at dt 0.5 s.
    const BrixoLog log = LinearLog(config, 5, {100, 101, 103, 999});
    Settings settings = Unfiltered();
    settings.altColor = 4;
    settings.altStyle = 2;
    settings.altMin = -10;
    settings.altMax = 250;  // a custom altitude axis uses the preference, not the data
    settings.varioOn = false;
    const LogSeries result = BuildLogSeries(log, settings);
    EXPECT_TRUE(result.errors.empty());
    const struct {
        std::vector<double> values;
        std::string layout;
    } expected[] = {
        {{0, 1, 3}, "Alt from 0 every 0.5: colour 4, shown, custom -10 to 250, left"},
        {{2, 4, 4}, "Vario from 0 every 0.5: colour 0, hidden, custom -5 to 5, right"},
        {{20, 21, 22}, "Temp from 0 every 0.5: colour 0, shown, custom -20 to 50, left"},  // not made relative
        {{3.3, 3.3, 3.3}, "Volt from 0 every 0.5: colour 0, shown, auto 0 to 10, left"},   // "min" alone: defaults
    };
    ASSERT_EQ(result.series.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(result.series[i].values, expected[i].values) << i;
        EXPECT_EQ(Layout(result.series[i]), expected[i].layout);
    }
}

TEST(LogSeries, FiltersFollowTheSettings)
{
    const Configuration config = ConfigFromText(kLinearDevice);
    const BrixoLog log = LinearLog(config, 10, {0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8});  // 10 altitude values
    const struct {
        const char* what;
        bool smoothing;
        int median;
        size_t varioLength;
        std::vector<double> varioStart;
    } cases[] = {
        {"no filter", false, 0, 10, {0, 8, 0}},
        {"smoothing", true, 0, 10, {0, 1, 0.875}},
        {"median 7 shortens the vario by two", false, 7, 8, {0, 0, 0}},
        {"median 3 after smoothing", true, 3, 8, {0.875, 0.875, 0.765625}},
    };
    for (const auto& c : cases) {
        Settings s = Unfiltered();
        s.varioPolynome = c.smoothing;
        s.varioMedian = c.median;
        const LogSeries result = BuildLogSeries(log, s);
        const std::vector<double>& vario = result.series[1].values;
        ASSERT_EQ(vario.size(), c.varioLength) << c.what;
        EXPECT_EQ(std::vector<double>(vario.begin(), vario.begin() + 3), c.varioStart) << c.what;
        EXPECT_EQ(result.series[0].values.size(), 10u) << c.what;
    }
    // The Kalman filter shapes the altitude, and so the vario derived from it.
    Settings s = Unfiltered();
    s.altPolynome = true;
    const LogSeries kalman = BuildLogSeries(log, s);
    EXPECT_NE(kalman.series[0].values[1], 8.0);
    EXPECT_NE(kalman.series[0].values.back(), 8.0);  // the last value is smoothed too
    EXPECT_NE(kalman.series[1].values[1], 8.0);
}

TEST(LogSeries, DecodingErrorsComeBackWithTheResult)
{
    const Configuration config = ConfigFromText(
        "<C><Devices><Device id='59' name='Odd' data-chunk='2'><Alt formula='y*'/>"
        "<Chan name='Far' offs='5' formula='y'/><Chan name='Nothing' offs='0'/></Device></Devices></C>");
    const LogSeries result = BuildLogSeries(LogOf(config, 59, 10, Words({1, 2, 3})), Unfiltered());
    ASSERT_EQ(result.series.size(), 4u);
    for (const NamedSeries& s : result.series)
        EXPECT_TRUE(s.values.empty()) << s.name;
    ASSERT_EQ(result.errors.size(), 3u);
    EXPECT_NE(result.errors[0].find("\"y*\""), std::string::npos);
    EXPECT_NE(result.errors[1].find("\"Far\""), std::string::npos);
    EXPECT_NE(result.errors[2].find("\"Nothing\""), std::string::npos);
}

TEST(LogSeries, FormulasWithoutAFiniteResultAreRefused)
{
    // No axis, statistic or table can show an infinity or NaN: the series is refused and the
    // record named. The altitude subtracts the first record's, so one infinity spoils them all.
    const struct {
        const char* alt;
        const char* chan;
        const char* words;
        size_t altValues, chanValues;
        std::string error;
    } cases[] = {
        {"ln(y)", "y", "0 5 9", 0, 2,
         "altitude formula \"ln(y)\" of device 59 (F) gives an infinite value for record 1 (reading 0)"},
        {"sqrt(y-3)", "y", "5 0 9", 0, 2,
         "altitude formula \"sqrt(y-3)\" of device 59 (F) gives no number for record 2 (reading 0)"},
        {"1e308*y*y", "y", "0 2 0", 0, 2,
         "altitude formula \"1e308*y*y\" of device 59 (F) gives an infinite value for record 2 (reading 2)"},
        {"y", "1/(y-7)", "1 263 3", 2, 0,
         "formula \"1/(y-7)\" of device 59 (F) gives an infinite value for record 2 (reading 7)"},
        // Finite altitudes whose smoothing and differences overflow.
        {"y*1e303", "y", "60000 1 60000", 0, 2,
         "altitude formula \"y*1e303\" gives altitudes whose filtered values cannot be computed: the numbers overflow"},
        {"y", "y/100", "1 2 3", 2, 2, ""},
    };
    for (const auto& c : cases) {
        const Configuration config =
            ConfigFromText(std::string("<C><Devices><Device id='59' name='F' data-chunk='2'><Alt formula='") + c.alt +
                           "'/><Chan name='T' offs='0' size='1' formula='" + c.chan + "'/></Device></Devices></C>");
        Settings s;  // the default filters, and the Kalman filter too
        s.altPolynome = true;
        const LogSeries result = BuildLogSeries(LogOf(config, 59, 1, WordsOf(c.words)), s);
        EXPECT_EQ(result.series[0].values.size(), c.altValues) << c.alt;
        EXPECT_EQ(result.series[1].values.size(), c.altValues) << c.alt;
        EXPECT_EQ(result.series[0].problem.empty(), c.altValues > 0) << c.alt;
        EXPECT_EQ(result.series[2].values.size(), c.chanValues) << c.chan;
        EXPECT_EQ(result.errors.empty() ? std::string() : result.errors[0], c.error.empty() ? "" : "the " + c.error);
        for (const NamedSeries& named : result.series)
            for (double v : named.values)
                EXPECT_TRUE(std::isfinite(v)) << named.name;
    }
}

TEST(LogSeries, UnitsAndOnlyWhatIsAskedFor)
{
    // The series are metres whatever the units; feet (the document's scale of 3) are what is
    // shown of the altitude and the vario, not of a channel. The statistics' choice decodes
    // those two alone, to the same values.
    const Configuration config = ConfigFromText(kLinearDevice);
    const BrixoLog log = LinearLog(config, 10, {10, 12, 13});
    Settings feet = Unfiltered();
    feet.units = UnitSystem::Imperial;
    const LogSeries all = BuildLogSeries(log, feet);
    const LogSeries statistics = BuildLogSeries(log, feet, SeriesChoice::AltitudeAndVario);
    ASSERT_EQ(all.series.size(), 4u);
    ASSERT_EQ(statistics.series.size(), 2u);
    for (const LogSeries* result : {&all, &statistics}) {
        EXPECT_EQ(result->series[0].values, (std::vector<double>{0, 2}));
        EXPECT_EQ(result->series[1].values, (std::vector<double>{2, 2}));
        EXPECT_EQ(std::pair(result->units.perMetre, result->units.name), std::pair(3.0, std::string("ft")));
    }
    const LogSeries shown = InDisplayUnits(all);
    const struct {
        std::vector<double> values;
        std::string unit;
    } expected[] = {{{0, 6}, "ft"}, {{6, 6}, "ft/s"}, {{20, 21}, ""}, {{3.3, 3.3}, ""}};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(std::pair(shown.series[i].values, shown.series[i].unit),
                  std::pair(expected[i].values, expected[i].unit))
            << i;
    // Metric: shown as they are.
    const LogSeries metres = BuildLogSeries(log, Unfiltered());
    EXPECT_EQ(InDisplayUnits(metres).series[0].values, metres.series[0].values);
    EXPECT_EQ(InDisplayUnits(metres).series[1].unit, "m/s");
    // A log of two records has one altitude and no vario: the vario says why it is empty.
    const LogSeries two = BuildLogSeries(LinearLog(config, 10, {10, 12}), Unfiltered());
    EXPECT_EQ(two.series[0].values.size(), 1u);
    EXPECT_EQ(two.series[1].problem, "the log holds too few samples for a vario");
    EXPECT_TRUE(two.errors.empty());
    EXPECT_TRUE(BuildLogSeries(LinearLog(config, 10, {10}), Unfiltered()).series[1].values.empty());
}

TEST(LogSeries, TheVarioMedianWindowIsTheOneAskedFor)
{
    // 2000 samples of noise: a window of 300 is used as it is, and one as long
    // as the vario or longer leaves it whole.
    const Configuration config = ConfigFromText(kLinearDevice);
    std::vector<unsigned> altitudes;
    uint32_t state = 1;
    for (unsigned i = 0; i < 2001; ++i) {
        state = state * 1664525u + 1013904223u;
        altitudes.push_back(1000 + (state >> 22));
    }
    const BrixoLog log = LinearLog(config, 1, altitudes);
    auto vario = [&](int32_t median) {
        Settings s = Unfiltered();
        s.varioMedian = median;
        return BuildLogSeries(log, s).series[1].values;
    };
    const std::vector<double> raw = vario(0);
    std::vector<double> expected = raw;
    MedianFilterByWindows(expected, 300);
    EXPECT_EQ(vario(300), expected);
    for (int32_t whole : {1999, 2000, 2147483647})
        EXPECT_EQ(vario(whole) == raw, whole >= 2000) << whole;
}

TEST(LogSeries, AVarioThatOverflowsIsRefusedWithoutWaitingForItsFilters)
{
    // Finite altitudes (the reading times 1e303) whose differences are infinite. A median over
    // values that are no numbers cannot slide, and two million of them in windows of a million
    // would take hours: the vario is refused before it is filtered, so this returns at once.
    const Configuration config = ConfigFromText(
        "<C><Devices><Device id='59' name='F' data-chunk='2'><Alt formula='y*1e303'/></Device></Devices></C>");
    std::vector<unsigned> words(2'000'000);
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = i % 2 ? 60000 : 1;
    Settings s = Unfiltered();
    s.varioPolynome = true;
    s.varioMedian = 1'000'001;
    const LogSeries result = BuildLogSeries(LogOf(config, 59, 1, Words(words)), s);
    EXPECT_TRUE(result.series[0].values.empty());
    EXPECT_TRUE(result.series[1].values.empty());
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].find("whose vertical speed cannot be computed"), std::string::npos) << result.errors[0];
}
