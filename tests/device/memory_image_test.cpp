#include <gtest/gtest.h>

#include "device/memory_image.h"
#include "test_support.h"

namespace {

std::vector<uint8_t> Image(std::vector<uint8_t> preamble, const std::vector<const BrixoLog*>& logs)
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
    bool noSignature = false;  // the buffer said no logger is talking, which ends a download

    Feed(const std::vector<uint8_t>& image, const std::vector<size_t>& chunks, const Configuration& config,
         uint32_t minimum = 0)
        : parser(minimum)
    {
        size_t at = 0, i = 0;
        while (at < image.size() && !complete && !noSignature) {
            const size_t n = std::min(chunks[i++ % chunks.size()], image.size() - at);
            const ReceiveBuffer::End end = buffer->Append(image.data() + at, static_cast<uint32_t>(n)).end;
            complete = end == ReceiveBuffer::End::Complete;
            noSignature = end == ReceiveBuffer::End::NoSignature;
            at += n;
            parser.Step(buffer->Data(), buffer->Received(), config);
        }
        parser.Run(buffer->Data(), buffer->Received(), config);
    }

    std::vector<NumberedLog> Logs(const Configuration& config, uint32_t skip = 0, FileTime now = 0) const
    {
        return BuildDownloadedLogs(buffer->Data(), buffer->Received(), parser.Flights(), config, skip, now);
    }
};

BrixoLog Flight(const Configuration& config, uint32_t rate, size_t records)
{
    std::vector<unsigned> words;
    for (size_t i = 0; i < records; ++i)
        words.push_back(40000 + static_cast<unsigned>(i % 500));
    return LogOf(config, 59, rate, Words(words));
}

}  // namespace

TEST(MemoryImage, FlightsWhateverTheChunks)
{
    const Configuration config = BuiltInConfig();
    const BrixoLog a = Flight(config, 10, 300), b = Flight(config, 1, 1234), c = Flight(config, 5, 77);
    const std::vector<uint8_t> image = Image({1, 2, 3, 0x0D, 0x0D, 9}, {&a, &b, &c});
    const std::vector<std::vector<size_t>> splits = {{1}, {1024}, {7, 300, 1, 1024, 2}, {image.size()}, {16, 17}};
    for (const auto& split : splits) {
        Feed feed(image, split, config);
        EXPECT_TRUE(feed.complete);
        EXPECT_TRUE(feed.parser.SignatureFound());
        EXPECT_EQ(feed.parser.DataOffset(), 16u);  // the preamble is not kept
        EXPECT_EQ(feed.parser.CurrentState(), MemoryImageParser::State::EndOfBlocks);
        ASSERT_EQ(feed.parser.Flights().size(), 3u) << split[0];
        const FlightEntry& f = feed.parser.Flights()[0];
        // Offset, length, rate, device and duration, for which the header counts as three records.
        EXPECT_EQ(std::tuple(f.offset, f.length, f.rate, f.deviceId, f.duration),
                  std::tuple(16u, 606u, 10u, 59, 303.0));
        for (const FlightEntry& intact : feed.parser.Flights())
            EXPECT_EQ(intact.damage, "");
        const auto logs = feed.Logs(config, 3, 42);
        ASSERT_EQ(logs.size(), 3u);
        EXPECT_EQ(std::vector({logs[0].log.m_rawData, logs[1].log.m_rawData, logs[2].log.m_rawData}),
                  std::vector({a.m_rawData, b.m_rawData, c.m_rawData}));
        EXPECT_EQ(logs[2].number, 3);
        EXPECT_EQ(logs[0].log.m_date, 42u);
    }
}

TEST(MemoryImage, TheEndOfTheTransmission)
{
    using End = ReceiveBuffer::End;
    const std::vector<uint8_t> signature(16, 0x0D);
    auto bytes = [](size_t n, uint8_t value) {
        return std::vector<uint8_t>(n, value);
    };
    const struct {
        const char* what;
        std::vector<std::vector<uint8_t>> chunks;
        End end;  // after the last chunk
        size_t kept;
    } cases[] = {
        {"six zeros are not more than six bytes", {bytes(6, 0)}, End::None, 0},
        {"zeros before any signature wait for a quiet line", {bytes(7, 0)}, End::IfQuiet, 0},
        {"noise then zeros, no signature", {{'A', 'T', 'Z'}, bytes(6, 0)}, End::IfQuiet, 0},
        {"a signature after the zeros is received as usual", {bytes(8, 0), signature, {1, 2}}, End::None, 18},
        {"six zeros inside the chunk do not count", {signature, {0, 0, 0, 0, 0, 0, 5, 5}}, End::None, 24},
        {"zeros ending a chunk after the signature", {signature, {1}, bytes(6, 0)}, End::Complete, 23},
        {"zeros split over chunks", {signature, {1, 0, 0}, {0}, {0, 0, 0}}, End::Complete, 23},
        {"a signature split over chunks", {bytes(10, 0x0D), bytes(6, 0x0D), {9}, bytes(6, 0)}, End::Complete, 23},
        {"fifteen 0x0D are no signature", {bytes(15, 0x0D), {1}, bytes(1, 0x0D), bytes(6, 0)}, End::IfQuiet, 0},
        {"a longer run: the first sixteen are the signature", {bytes(18, 0x0D), bytes(6, 0)}, End::Complete, 24},
        // Once more than a memory has come without a signature, no logger is talking.
        {"a memory of noise", {bytes(ReceiveBuffer::kMaxPreamble, 7)}, End::None, 0},
        {"a byte more", {bytes(ReceiveBuffer::kMaxPreamble, 7), {7}}, End::NoSignature, 0},
    };
    for (const auto& c : cases) {
        auto buffer = std::make_unique<ReceiveBuffer>();
        ReceiveBuffer::Appended a{};
        uint64_t sent = 0;
        for (const auto& chunk : c.chunks) {
            a = buffer->Append(chunk.data(), static_cast<uint32_t>(chunk.size()));
            sent += chunk.size();
        }
        EXPECT_EQ(std::tuple(a.end, a.arrived, buffer->Arrived(), buffer->Received()),
                  std::tuple(c.end, sent, sent, c.kept))
            << c.what;
        if (c.kept > 0) {
            EXPECT_TRUE(std::equal(signature.begin(), signature.end(), buffer->Data())) << c.what;
        }
    }
}

TEST(MemoryImage, AFullMemoryAfterNoiseFitsAndMoreIsDropped)
{
    const Configuration config = BuiltInConfig();
    // Flights that fill the 2 MiB exactly, from the signature to the last closing zero.
    const BrixoLog small = Flight(config, 10, 50);
    const size_t bigRecords = (ReceiveBuffer::kCapacity - Image({}, {&small}).size() - 6) / 2;
    const BrixoLog big = Flight(config, 1, bigRecords);
    std::vector<uint8_t> image = Image({}, {&small, &big});
    image.insert(image.end() - 6, ReceiveBuffer::kCapacity - image.size(), uint8_t{0});  // a longer tail
    ASSERT_EQ(image.size(), ReceiveBuffer::kCapacity);
    // Noise of several chunks: more than a memory has arrived while the memory is still coming.
    std::vector<uint8_t> noisy(5000, 'x');
    noisy.insert(noisy.end(), image.begin(), image.end());

    Feed feed(noisy, {1024}, config);
    EXPECT_EQ(std::pair(feed.complete, feed.noSignature), std::pair(true, false));
    EXPECT_EQ(feed.buffer->Received(), ReceiveBuffer::kCapacity);
    EXPECT_EQ(feed.buffer->Arrived(), noisy.size());
    const auto logs = feed.Logs(config);
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(logs[1].log.m_rawData, big.m_rawData);

    // A memory larger than 2 MiB: what does not fit is dropped, the end is still seen in it, and
    // the flights inside are built.
    const BrixoLog huge = Flight(config, 1, 1100000);
    Feed cut(Image({}, {&small, &huge}), {1024}, config);
    EXPECT_TRUE(cut.complete);
    EXPECT_EQ(cut.buffer->Received(), ReceiveBuffer::kCapacity);
    ASSERT_EQ(cut.parser.Flights().size(), 1u);  // the huge one has no end marker inside
    EXPECT_EQ(cut.Logs(config).size(), 1u);
}

TEST(MemoryImage, ALostByteMarksTheFlight)
{
    const Configuration config = BuiltInConfig();
    const BrixoLog a = Flight(config, 10, 300), b = Flight(config, 1, 400), c = Flight(config, 5, 200);
    const std::vector<uint8_t> image = Image({}, {&a, &b, &c});
    // One byte of the first flight lost, as an overrun loses it: the end markers no longer
    // lie at even distances, and the three flights read as one.
    std::vector<uint8_t> cut = image;
    cut.erase(cut.begin() + 16 + 6 + 101);
    Feed shifted(cut, {1024}, config);
    ASSERT_EQ(shifted.parser.Flights().size(), 1u);
    const std::string& damage = shifted.parser.Flights()[0].damage;
    EXPECT_NE(damage.find("the records look shifted by a byte lost on the line"), std::string::npos) << damage;
    // Still built and kept.
    EXPECT_EQ(shifted.Logs(config).size(), 1u);

    // The jump that marks it: half the 16-bit range, not one count less.
    const struct {
        unsigned from, to;
        bool marked;
    } jumps[] = {{0, 0x7FFF, false}, {0, 0x8000, true}, {0xFFFF, 0x7FFF, true}, {40000, 40005, false}};
    for (const auto& j : jumps) {
        const std::vector<uint8_t> block = Words({0, 0x10A, 59, j.from, j.to});  // the header, then two records
        EXPECT_EQ(!MisalignedRecords(block.data(), block.size(), 2).empty(), j.marked) << j.from << " " << j.to;
    }
    const std::vector<uint8_t> wide = {0, 0, 10, 1, 59, 0, 0, 0, 9, 9, 0xFF, 0xFF, 9, 9};
    EXPECT_EQ(MisalignedRecords(wide.data(), wide.size(), 4),
              "its raw readings jump from 0 to 65535 between samples 1 and 2: the records look shifted by a byte "
              "lost on the line");
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
        {"ten records with the header at the minimum", 10, 7, 10, false, "1 s"},  // (10 * 10) / 10 = 10
        {"rate 0", 0, 500, 0, false, "-"},
        {"seven records at rate 1", 1, 7, 0, true, "0.1 s"},  // (10 * 1) / 10 = 1
        {"six records at rate 1", 1, 6, 0, false, "0.1 s"},   // (9 * 1) / 10 = 0
        {"rate above 10", 25, 100, 0, true, "2.5 s"},
        {"equal to the minimum", 10, 297, 300, false, "1 s"},  // 300 records with the header: 300 s
        {"one second more", 10, 298, 300, true, "1 s"},
    };
    for (const auto& c : cases) {
        BrixoLog f = Flight(config, c.rate, c.records);
        f.m_rate = c.rate;
        Feed feed(Image({}, {&f}), {1024}, config, c.minimum);
        EXPECT_EQ(feed.parser.Flights().size(), c.listed ? 1u : 0u) << c.what;
        if (c.listed) {
            EXPECT_EQ(RowOf(feed.parser.Flights()[0], 1).rate, c.rateText) << c.what;
        }
    }
    const FlightRow row = RowOf(FlightEntry{16, 10, true, 10, 3725.0, 59, {}}, 12);
    EXPECT_EQ(std::vector({row.flight, row.rate, row.duration}), std::vector<std::string>({"12", "1 s", "01:02:05"}));
    // Twelve days at a sample a second fit a memory: the hours go on past a day.
    EXPECT_EQ(RowOf(FlightEntry{16, 10, true, 10, 100000.0, 59, {}}, 1).duration, "27:46:40");
}

TEST(MemoryImage, RecordsOfAnOddSizeEndWhereTheirFlightEnds)
{
    // Three flights of a device whose records are three bytes, some with a zero word inside.
    const Configuration config = ConfigFromText(
        "<C><Devices><Device id='60' name='Odd' data-chunk='3'><Alt formula='y'/></Device>"
        "</Devices></C>");
    std::vector<BrixoLog> logs;
    for (int flight = 0; flight < 3; ++flight) {
        std::vector<uint8_t> records;
        for (int i = 0; i < 50 + 10 * flight; ++i)
            records.insert(records.end(), {static_cast<uint8_t>(1 + i % 200), 0, 0});  // "x 0 0": zeros inside
        logs.push_back(LogOf(config, 60, 10, records, 1));
    }
    for (const size_t chunk : {size_t{1}, size_t{7}, size_t{1024}}) {
        Feed feed(MemoryImageOfLogs(logs), {chunk}, config);
        EXPECT_TRUE(feed.complete);
        const auto built = feed.Logs(config);
        ASSERT_EQ(built.size(), 3u) << chunk;
        for (size_t i = 0; i < built.size(); ++i) {
            EXPECT_EQ(built[i].log.m_rawData, logs[i].m_rawData) << chunk << " " << i;
            EXPECT_EQ(feed.parser.Flights()[i].damage, "") << chunk << " " << i;
        }
    }
}

TEST(MemoryImage, UnknownDevicesAndUncheckedRows)
{
    const Configuration config =
        ConfigFromText("<C><Devices><Device id='59' data-chunk='2'/><Device id='7' data-chunk='4'/></Devices></C>");
    const BrixoLog a = Flight(config, 10, 100), b = Flight(config, 10, 120), c = Flight(config, 10, 140);
    std::vector<uint8_t> image = Image({}, {&a, &b, &c});
    image[16 + 206 + 4] = 200;  // the second block's device id: unknown
    Feed feed(image, {333}, config);
    ASSERT_EQ(feed.parser.Flights().size(), 3u);
    EXPECT_EQ(feed.parser.Flights()[1].deviceId, 200);  // unknown: described by device 59
    feed.parser.Flights()[0].selected = false;
    const auto logs = feed.Logs(config);
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(std::pair(logs[0].number, logs[1].number), std::pair(1, 2));  // numbered without gaps
    EXPECT_EQ(logs[1].log.m_rawData, c.m_rawData);
    // A device that cannot be found at all is listed but never built.
    const Configuration only7 = ConfigFromText("<C><Devices><Device id='7' data-chunk='2'/></Devices></C>");
    Feed none(Image({}, {&a}), {1024}, only7);
    ASSERT_EQ(none.parser.Flights().size(), 1u);
    EXPECT_TRUE(none.Logs(only7).empty());
    // A record size of 0 estimates no duration and is not listed.
    const Configuration zero = ConfigFromText("<C><Devices><Device id='59' data-chunk='0'/></Devices></C>");
    Feed z(Image({}, {&a}), {1024}, zero);
    EXPECT_TRUE(z.parser.Flights().empty());
}

TEST(MemoryImage, BadInput)
{
    const Configuration config = BuiltInConfig();
    // A signature with garbage after it, cut anywhere: listed flights lie inside the data and build safely.
    // (Without a signature nothing is kept to list: MemoryImage.TheEndOfTheTransmission.)
    std::vector<uint8_t> image(16, 0x0D);
    uint32_t state = 3;
    for (int i = 0; i < 50000; ++i) {
        state = state * 1664525u + 1013904223u;
        image.push_back(static_cast<uint8_t>(state >> 24));
    }
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
    std::vector<uint8_t> block = {0, 0, 10, 1, 59, 0, 1, 2, 3, 4, 0, 0};
    block.insert(block.begin(), 16, 0x0D);  // the signature
    auto buffer = std::make_unique<ReceiveBuffer>();
    buffer->Append(block.data(), static_cast<uint32_t>(block.size()));
    FlightEntry f{16, 10, true, 10, 1.0, 59, {}};
    EXPECT_TRUE(BuildDownloadedLogs(buffer->Data(), buffer->Received(), {f}, wide, 0, 0).empty());
}
