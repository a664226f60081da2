#include <gtest/gtest.h>

#include <cstring>

#include "device/memory_image.h"
#include "test_support.h"

namespace {

std::vector<uint8_t> Image(std::vector<uint8_t> preamble, const std::vector<const CBrixoLog*>& logs)
{
    std::vector<uint8_t> image = MemoryImageOf(logs);
    image.insert(image.begin(), preamble.begin(), preamble.end());
    return image;
}

// Feeds the image in chunks of the given sizes (cycled), stepping the parser after each as the dialog does.
struct Feed {
    std::unique_ptr<ReceiveBuffer> buffer = std::make_unique<ReceiveBuffer>();
    MemoryImageParser parser;
    bool complete = false;
    size_t chunksWhenComplete = 0;

    Feed(const std::vector<uint8_t>& image, const std::vector<size_t>& chunks, const Configuration& config,
         uint32_t minimum = 0)
        : parser(minimum)
    {
        size_t at = 0, i = 0;
        while (at < image.size() && !complete) {
            const size_t n = std::min(chunks[i++ % chunks.size()], image.size() - at);
            complete = buffer->Append(image.data() + at, static_cast<uint32_t>(n)).complete;
            at += n;
            parser.Step(buffer->Data(), buffer->Received(), config);
        }
        chunksWhenComplete = i;
        parser.Run(buffer->Data(), buffer->Received(), config);
    }
};

CBrixoLog Flight(const Configuration& config, uint32_t rate, size_t records, uint8_t id = 59, unsigned base = 40000)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < records; ++i) {
        const unsigned w = base + static_cast<unsigned>(i % 500);
        bytes.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    CBrixoLog log = LogOf(config, id, rate, bytes);
    return log;
}

}  // namespace

TEST(MemoryImage, FlightsWhateverTheChunks)
{
    const Configuration config = BuiltInConfig();
    const CBrixoLog a = Flight(config, 10, 300), b = Flight(config, 1, 1234), c = Flight(config, 5, 77);
    const std::vector<uint8_t> image = Image({1, 2, 3, 0x0D, 0x0D, 9}, {&a, &b, &c});
    const std::vector<std::vector<size_t>> splits = {{1}, {1024}, {7, 300, 1, 1024, 2}, {image.size()}, {16, 17}};
    for (const auto& split : splits) {
        Feed feed(image, split, config);
        EXPECT_TRUE(feed.complete);
        EXPECT_TRUE(feed.parser.SignatureFound());
        EXPECT_EQ(feed.parser.DataOffset(), 6u + 16u);
        EXPECT_EQ(feed.parser.CurrentState(), MemoryImageParser::State::EndOfBlocks);
        ASSERT_EQ(feed.parser.Flights().size(), 3u) << split[0];
        const FlightEntry& f = feed.parser.Flights()[0];
        EXPECT_EQ(f.offset, 22u);
        EXPECT_EQ(f.length, 6u + 600u);
        EXPECT_EQ(f.rate, 10u);
        EXPECT_EQ(f.deviceId, 59);
        EXPECT_EQ(f.duration, 303.0);  // the header counts as three records
        const auto logs = BuildDownloadedLogs(feed.buffer->Data(), feed.buffer->Received(), feed.parser.Flights(),
                                              config, 3, 42);
        ASSERT_EQ(logs.size(), 3u);
        EXPECT_EQ(logs[0].log.m_rawData, a.m_rawData);
        EXPECT_EQ(logs[1].log.m_rawData, b.m_rawData);
        EXPECT_EQ(logs[2].log.m_rawData, c.m_rawData);
        EXPECT_EQ(logs[2].number, 3);
        EXPECT_EQ(logs[0].log.m_date, 42u);
    }
}

TEST(MemoryImage, CompletionOnlyAtTheEndOfAChunk)
{
    ReceiveBuffer buffer;
    const uint8_t zeros[8] = {};
    const uint8_t tail[8] = {0, 0, 0, 0, 0, 0, 5, 5};
    EXPECT_FALSE(buffer.Append(zeros, 6).complete);  // six bytes are not more than six
    EXPECT_FALSE(buffer.Append(tail, 8).complete);   // six zeros inside the chunk
    EXPECT_TRUE(buffer.Append(zeros, 1).complete == false);
    const ReceiveBuffer::Appended last = buffer.Append(zeros, 5);
    EXPECT_TRUE(last.complete);  // the data now ends with six zeros
    EXPECT_EQ(last.received, 20u);
}

TEST(MemoryImage, BufferDropsWhatDoesNotFit)
{
    auto buffer = std::make_unique<ReceiveBuffer>();
    std::vector<uint8_t> chunk(1024, 7);
    size_t taken = 0;
    for (int i = 0; i < 2049; ++i)
        taken += buffer->Append(chunk.data(), 1024).taken;
    EXPECT_EQ(taken, ReceiveBuffer::kCapacity);
    EXPECT_EQ(buffer->Received(), ReceiveBuffer::kCapacity);
    // Flights inside the full buffer are still found and built.
    const Configuration config = BuiltInConfig();
    auto full = std::make_unique<ReceiveBuffer>();
    const CBrixoLog big = Flight(config, 1, 1100000);  // 2.2 MB: the end of it never fits
    const CBrixoLog small = Flight(config, 10, 50);
    const std::vector<uint8_t> image = Image({}, {&small, &big});
    for (size_t at = 0; at < image.size(); at += 1024)
        full->Append(image.data() + at, static_cast<uint32_t>(std::min<size_t>(1024, image.size() - at)));
    MemoryImageParser parser(0);
    parser.Run(full->Data(), full->Received(), config);
    ASSERT_EQ(parser.Flights().size(), 1u);  // the big one has no end marker inside
    EXPECT_EQ(BuildDownloadedLogs(full->Data(), full->Received(), parser.Flights(), config, 0, 0).size(), 1u);
}

TEST(MemoryImage, ListingRules)
{
    const Configuration config = BuiltInConfig();
    const struct {
        const char* what;
        uint32_t rate;
        size_t records;
        uint32_t minimum;
        bool listed;
        std::string rateText;
    } cases[] = {
        {"ten records with the header at the minimum", 10, 7, 10, false, "1"},  // (10 * 10) / 10 = 10
        {"rate 0", 0, 500, 0, false, "0"},
        {"seven records at rate 1", 1, 7, 0, true, "10"},     // (10 * 1) / 10 = 1
        {"six records at rate 1", 1, 6, 0, false, "10"},      // (9 * 1) / 10 = 0
        {"rate above 10", 25, 100, 0, true, "0"},
        {"equal to the minimum", 10, 297, 300, false, "1"},   // 300 records with the header: 300 s
        {"one second more", 10, 298, 300, true, "1"},
    };
    for (const auto& c : cases) {
        CBrixoLog f = Flight(config, c.rate, c.records);
        f.m_rate = c.rate;
        Feed feed(Image({}, {&f}), {1024}, config, c.minimum);
        EXPECT_EQ(feed.parser.Flights().size(), c.listed ? 1u : 0u) << c.what;
        if (c.listed) {
            EXPECT_EQ(RowOf(feed.parser.Flights()[0], 1).rate, c.rateText) << c.what;
        }
    }
    FlightEntry e;
    e.rate = 10;
    e.duration = 3725;
    const FlightRow row = RowOf(e, 12);
    EXPECT_EQ(row.flight, "12");
    EXPECT_EQ(row.duration, "01:02:05");
}

TEST(MemoryImage, UnknownDevicesAndUncheckedRows)
{
    const Configuration config = ConfigFromText(
        "<C><Devices><Device id='59' data-chunk='2'/><Device id='7' data-chunk='4'/></Devices></C>");
    const CBrixoLog a = Flight(config, 10, 100, 59), b = Flight(config, 10, 100, 59), c = Flight(config, 10, 100, 59);
    std::vector<uint8_t> image = Image({}, {&a, &b, &c});
    image[16 + 206 + 4] = 200;  // the second block's device id: unknown
    Feed feed(image, {333}, config);
    ASSERT_EQ(feed.parser.Flights().size(), 3u);
    EXPECT_EQ(feed.parser.Flights()[1].deviceId, 200);  // unknown: described by device 59
    feed.parser.Flights()[0].selected = false;
    const auto logs = BuildDownloadedLogs(feed.buffer->Data(), feed.buffer->Received(), feed.parser.Flights(), config,
                                          0, 0);
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(logs[0].number, 1);  // numbered without gaps
    EXPECT_EQ(logs[1].number, 2);
    EXPECT_EQ(logs[1].log.m_rawData, c.m_rawData);
    // A device that cannot be found at all is listed but never built.
    const Configuration only7 = ConfigFromText("<C><Devices><Device id='7' data-chunk='2'/></Devices></C>");
    Feed none(Image({}, {&a}), {1024}, only7);
    ASSERT_EQ(none.parser.Flights().size(), 1u);
    EXPECT_TRUE(BuildDownloadedLogs(none.buffer->Data(), none.buffer->Received(), none.parser.Flights(), only7, 0, 0)
                    .empty());
    // A record size of 0 estimates no duration and is not listed.
    const Configuration zero = ConfigFromText("<C><Devices><Device id='59' data-chunk='0'/></Devices></C>");
    Feed z(Image({}, {&a}), {1024}, zero);
    EXPECT_TRUE(z.parser.Flights().empty());
}

TEST(MemoryImage, BadInput)
{
    const Configuration config = BuiltInConfig();
    // No signature: nothing listed, however much arrives.
    std::vector<uint8_t> noise(50000);
    uint32_t state = 3;
    for (uint8_t& b : noise) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    Feed plain(noise, {1000}, config);
    EXPECT_FALSE(plain.parser.SignatureFound());
    EXPECT_TRUE(plain.parser.Flights().empty());
    // A signature with garbage after it, cut anywhere: listed flights lie inside the data and build safely.
    std::vector<uint8_t> image(16, 0x0D);
    image.insert(image.end(), noise.begin(), noise.end());
    for (size_t cut : {size_t{17}, size_t{20}, size_t{999}, image.size()}) {
        auto buffer = std::make_unique<ReceiveBuffer>();
        buffer->Append(image.data(), static_cast<uint32_t>(cut));
        MemoryImageParser parser(0);
        parser.Run(buffer->Data(), buffer->Received(), config);
        for (const FlightEntry& f : parser.Flights())
            EXPECT_LE(f.offset + f.length, cut);
        BuildDownloadedLogs(buffer->Data(), buffer->Received(), parser.Flights(), config, 0, 0);
    }
    // A block that claims more records than arrived: the build stops at the received bytes.
    const Configuration wide = ConfigFromText("<C><Devices><Device id='59' data-chunk='64'/></Devices></C>");
    const std::vector<uint8_t> block = {0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D,
                                        0x0D, 0x0D, 0x0D, 0x0D, 0,    0,    10,   1,    59,   0,    1,    2,
                                        3,    4,    0,    0};
    auto buffer = std::make_unique<ReceiveBuffer>();
    buffer->Append(block.data(), static_cast<uint32_t>(block.size()));
    MemoryImageParser parser(0);
    parser.Run(buffer->Data(), buffer->Received(), wide);
    FlightEntry f{16, 10, true, 10, 1.0, 59};
    EXPECT_TRUE(BuildDownloadedLogs(buffer->Data(), buffer->Received(), {f}, wide, 0, 0).empty());
}
