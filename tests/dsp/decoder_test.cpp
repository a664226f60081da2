#include <gtest/gtest.h>

#include <cstring>

#include "dsp/decoder.h"
#include "test_support.h"

namespace {

const char kChannelDevice[] =
    "<Config><Devices><Device id='59' name='Quad' data-chunk='4'>"
    "<Chan name='one' offs='1' size='1' formula='y'/>"
    "<Alt formula='y'/>"  // between channels: not one of them
    "<Chan name='word' offs='1' size='2' formula='y'/>"
    "<Chan name='nosize' offs='3' formula='y'/>"
    "<Chan name='period' offs='0' formula='dt'/>"
    "<Chan name='past' offs='3' size='2' formula='y'/>"
    "<Chan name='negative' offs='-1' formula='y'/>"
    "<Chan name='noformula' offs='0'/>"
    "<Chan name='nooffs' formula='y'/>"
    "<Chan name='bad' offs='0' formula='y+'/>"
    "<Chan name='unknown' offs='0' formula='x*2'/>"
    "<Chan name='empty' offs='0' formula=''/>"
    "</Device></Devices>"
    "<Units><Unit type='linear' region='imperial' scale='2'/></Units></Config>";

}  // namespace

TEST(DecodeAltitude, BuiltInFormulaAndValueCounts)
{
    const Configuration config = BuiltInConfig();
    const struct {
        size_t bytes;
        size_t values;
    } cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {600, 299}};
    for (const auto& c : cases) {
        const BrixoLog log = LogOf(config, 59, 10, std::vector<uint8_t>(c.bytes, 0x80));
        std::vector<double> values{-1.0};  // decoding appends
        ASSERT_TRUE(DecodeAltitude(log, values)) << c.bytes;
        EXPECT_EQ(values.size(), 1 + c.values) << c.bytes;
        EXPECT_EQ(values[0], -1.0);
    }
    std::vector<double> metric;
    ASSERT_TRUE(DecodeAltitude(LogOf(config, 59, 10, Words({50000, 45000, 40000})), metric));
    ASSERT_EQ(metric.size(), 2u);
    EXPECT_NEAR(metric[1], 776.289, 0.001);
}

TEST(DecodeAltitude, MetresRelativeToTheFirstRecordAndTheScaleOfFeet)
{
    const Configuration config = ConfigFromText(kChannelDevice);
    const BrixoLog log = LogOf(config, 59, 10, {0xFF, 0xFF, 0, 0, 0x01, 0x00, 0, 0, 0, 0, 0, 0});
    std::vector<double> metric;
    ASSERT_TRUE(DecodeAltitude(log, metric));
    EXPECT_EQ(metric, (std::vector<double>{0.0, 1.0 - 65535.0}));  // 0xFFFF is 65535, never negative
    // What feet are shown with: the document's own scale.
    EXPECT_EQ(std::pair(AltitudeScale(log, false), AltitudeScale(log, true)), std::pair(1.0, 2.0));
}

TEST(DecodeChannel, ReadingsAndFailures)
{
    const Configuration config = ConfigFromText(kChannelDevice);
    // Three records of four bytes; the third is never decoded.
    const BrixoLog log = LogOf(config, 59, 10, {10, 0x34, 0x12, 7, 20, 0xFF, 0x01, 9, 30, 1, 1, 1});
    const struct {
        int index;
        bool ok;
        std::vector<double> values;
        const char* errorPart;  // a part of the reason when it fails
    } cases[] = {
        {0, true, {0x34, 0xFF}, nullptr},
        {1, true, {0x1234, 0x01FF}, nullptr},
        {2, true, {7, 9}, nullptr},
        {3, true, {1.0, 1.0}, nullptr},  // dt is the period in seconds
        {4, false, {}, "outside its 4-byte record"},
        {5, false, {}, "outside"},
        {6, false, {}, "has no formula"},
        {7, false, {}, "no usable \"offs\""},
        {8, false, {}, "\"y+\" of device 59 (Quad)"},
        {9, false, {}, "\"x*2\""},
        {10, false, {}, "has no formula"},
        {11, false, {}, "has no channel 12"},
        {-1, false, {}, "has no channel 0"},
    };
    for (const auto& c : cases) {
        std::vector<double> values;
        const Status decoded = DecodeChannel(log, c.index, values);
        EXPECT_EQ(decoded.Ok(), c.ok) << c.index;
        EXPECT_EQ(values, c.values) << c.index;
        if (c.errorPart) {
            EXPECT_NE(decoded.Error().find(c.errorPart), std::string::npos) << c.index << ": " << decoded.Error();
        }
    }
    EXPECT_EQ(ChannelCount(log), 11);
}

TEST(DecodeAltitude, FormulaErrorsNameDeviceAndFormula)
{
    const struct {
        const char* alt;
        const char* errorPart;
    } cases[] = {
        {"<Alt/>", "device 9 has no altitude formula"},
        {"", "device 9 has no altitude formula"},
        {"<Alt formula='(y'/>", "\"(y\" of device 9"},
        {"<Alt formula='y*height'/>", "\"y*height\" of device 9"},
    };
    for (const auto& c : cases) {
        const Configuration config = ConfigFromText(std::string("<C><Devices><Device id='9' data-chunk='2'>") + c.alt +
                                                    "</Device></Devices></C>");
        // Told even when the log has no record to decode.
        for (const std::vector<uint8_t>& records : {Words({1, 2, 3}), std::vector<uint8_t>{}}) {
            std::vector<double> values{5.0};
            const Status decoded = DecodeAltitude(LogOf(config, 9, 10, records), values);
            EXPECT_FALSE(decoded.Ok()) << c.alt;
            EXPECT_EQ(values, std::vector<double>{5.0}) << c.alt;
            EXPECT_NE(decoded.Error().find(c.errorPart), std::string::npos) << decoded.Error();
        }
    }
}

TEST(DecodeAltitude, ReusingReadingsIsBitIdentical)
{
    const Configuration config = BuiltInConfig();
    std::vector<unsigned> words;
    uint32_t state = 99;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525u + 1013904223u;
        words.push_back(40000 + (state >> 20));  // about four thousand distinct readings
    }
    for (uint32_t rate : {1u, 7u}) {
        const BrixoLog log = LogOf(config, 59, rate, Words(words));
        std::vector<double> every, reused;
        ASSERT_TRUE(DecodeAltitude(log, every, DecodeOptions{false}));
        ASSERT_TRUE(DecodeAltitude(log, reused, DecodeOptions{true}));
        ASSERT_EQ(every.size(), 19999u);
        EXPECT_EQ(std::memcmp(every.data(), reused.data(), every.size() * sizeof(double)), 0);
    }
}
