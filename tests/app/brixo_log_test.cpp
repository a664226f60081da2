#include <gtest/gtest.h>

#include "app/brixo_log.h"
#include "test_support.h"

namespace {

// A device memory block: zero word, rate, channel count byte, id word, records, end marker.
std::vector<uint8_t> Block(uint8_t rate, uint8_t channels, uint8_t id, const std::vector<uint8_t>& records)
{
    std::vector<uint8_t> block(records.size() + 8, 0);
    block[2] = rate;
    block[3] = channels;
    block[4] = id;
    std::copy(records.begin(), records.end(), block.begin() + 6);
    return block;
}

}  // namespace

TEST(BrixoLog, BuildFromBlock)
{
    const Configuration config = BuiltInConfig();
    const std::vector<uint8_t> records = Words(std::vector<unsigned>(300, 0xC350));
    const struct {
        const char* what;
        std::vector<uint8_t> block;
        bool built;
        size_t samples;
        uint32_t rate;
    } cases[] = {
        {"300 records at 1 s", Block(10, 1, 59, records), true, 300, 10},
        {"rate and channel byte zero", Block(0, 0, 59, records), false, 0, 0},
        {"rate zero, channel byte set", Block(0, 1, 59, Words({7, 8})), true, 2, 0},
        {"first record is the end marker", Block(10, 1, 59, Words({0, 5})), false, 0, 10},
        {"unknown id falls back to 59", Block(3, 1, 200, Words({1, 2, 3})), true, 3, 3},
        {"record starting with two zero bytes ends the log", Block(1, 1, 59, {1, 0, 0, 0, 9, 9}), true, 1, 1},
        {"block cut before its end marker", {0, 0, 5, 1, 59, 0, 1, 2, 3}, true, 1, 5},
    };
    for (const auto& c : cases) {
        BrixoLog log;
        EXPECT_EQ(log.BuildFromBlock(config, c.block.data(), c.block.size()), c.built) << c.what;
        EXPECT_EQ(log.SampleCount(), c.samples) << c.what;
        EXPECT_EQ(log.m_rate, c.rate) << c.what;
    }
}

TEST(BrixoLog, ReusedLogKeepsTheFirstBlocksDevice)
{
    const Configuration config =
        ConfigFromText("<C><Devices><Device id='59' data-chunk='2'/><Device id='7' data-chunk='4'/></Devices></C>");
    BrixoLog log;
    const auto first = Block(10, 1, 7, {1, 1, 1, 1});
    ASSERT_TRUE(log.BuildFromBlock(config, first.data(), first.size()));
    EXPECT_EQ(log.m_recordSize, 4u);
    const auto second = Block(10, 1, 59, {2, 2, 2, 2, 3, 3, 3, 3});
    ASSERT_TRUE(log.BuildFromBlock(config, second.data(), second.size()));
    EXPECT_EQ(log.m_device.Id(), "7");
    EXPECT_EQ(log.SampleCount(), 2u);
}

TEST(BrixoLog, CopyOutlivesTheOriginal)
{
    BrixoLog copy;
    {
        // The configuration and the original both go away; the copy keeps its share of the document.
        const Configuration config = BuiltInConfig();
        auto original = std::make_unique<BrixoLog>(LogOf(config, 59, 10, Words({100, 200, 300})));
        original->m_date = 12345;
        copy = BrixoLog(*original);
        EXPECT_EQ(copy.m_altFormula, original->m_altFormula);  // shared, not duplicated
        EXPECT_EQ(copy.m_date, 0u);                            // the date is not copied
    }
    EXPECT_EQ(std::tuple(copy.m_rawData, copy.m_device.Id(), copy.m_recordBuffer.size()),
              std::tuple(Words({100, 200, 300}), "59", 2u));
    ASSERT_TRUE(copy.m_altFormula);
    EXPECT_EQ(*copy.m_altFormula, "40000*(1-(y*0.018/1013.25)^(1/5.255))");
}

TEST(BrixoLog, KeepingRule)
{
    const Configuration config = BuiltInConfig();
    const struct {
        uint32_t rate;
        size_t records;
        uint32_t skip;
        bool kept;
    } cases[] = {
        {1, 30, 3, false},                       // exactly 3.0 s is left out
        {1, 31, 3, true},                        // 3.1 s enters
        {10, 0, 0, false},                       // no samples never enters
        {10, 1, 0, true},   {0, 100, 0, false},  // rate 0: no duration
        {255, 2, 50, true},                      // 51 s
    };
    for (const auto& c : cases) {
        const BrixoLog log = LogOf(config, 59, c.rate, std::vector<uint8_t>(c.records * 2, 1));
        EXPECT_EQ(KeepLog(log, c.skip), c.kept) << c.rate << " x " << c.records << " vs " << c.skip;
    }
}

TEST(BrixoLog, NamesAndFileTimes)
{
    EXPECT_EQ(LogName(1, 300.0), "Log  1 (00:05:00)");
    EXPECT_EQ(LogName(12, 3661.99), "Log 12 (01:01:01)");  // rounded down
    EXPECT_EQ(LogName(100, 90000.0), "Log 100 (01:00:00)");
    EXPECT_EQ(FileTimeFromUnixMs(0), 116444736000000000ULL);
    EXPECT_EQ(UnixMsFromFileTime(FileTimeFromUnixMs(1700000000123)), 1700000000123);
}
