#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "app/log_file.h"
#include "device/memory_image.h"
#include "test_support.h"

namespace {

AltReadResult ReadText(const std::string& text, const Configuration& config, uint32_t skip = 0)
{
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadAltStream(buffer, config, skip, 777);
}

// The logs read, each as "rate: bytes", with " / " between them.
std::string Kept(const AltReadResult& result)
{
    std::string text;
    for (const NumberedLog& l : result.logs) {
        text += (text.empty() ? "" : " / ") + std::to_string(l.log.m_rate) + ":";
        for (uint8_t b : l.log.m_rawData)
            text += " " + std::to_string(b);
    }
    return text;
}

}  // namespace

TEST(LogFileWriter, MatchesTheGoldenFile)
{
    const Configuration config = BuiltInConfig();
    const BrixoLog first = LogOf(config, 59, 10, Words({50000, 45000, 65535}));
    const BrixoLog second = LogOf(config, 59, 1, Words({1}));
    EXPECT_EQ(AltFileText({&first, &second}), FileBytes(QStringLiteral(NIVRA_TESTS_DIR "/app/data/two_logs.alt")));
    EXPECT_EQ(AltFileText(std::vector<const BrixoLog*>{}), AltPreamble() + AltLines("0 0 0 0"));  // an empty set
}

TEST(LogFileWriter, RangesOfRecords)
{
    const Configuration config =
        ConfigFromText("<C><Devices><Device id='007' data-chunk='3'/><Device id='59' data-chunk='3'/></Devices></C>");
    BrixoLog log = LogOf(config, 59, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});         // 3 records and 2 stray bytes
    log.m_device = DeviceRef{log.m_device.doc, log.m_device.node.previous_sibling()};  // id text "007"
    const std::string header = AltLines("0 0 20 20 007 0");
    const struct {
        size_t first, stop;
        std::string data;
    } cases[] = {
        {0, kAllRecords, AltLines("1 2 3 4 5 6 7 8 9")},
        {1, 2, AltLines("4 5 6")},
        {2, 100, AltLines("7 8 9")},
        {1, kAllRecords, AltLines("4 5 6 7 8 9")},
        {3, kAllRecords, ""},  // past the last record
        {2, 2, ""},
        {2, 1, ""},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendLogLines(out, log, c.first, c.stop);
        EXPECT_EQ(out, header + c.data) << c.first << ".." << c.stop;
    }
}

TEST(LogFileReader, RoundTripNumberedAsWritten)
{
    // A log of 5 s, one of exactly 3 s at another rate, and the first again: with short logs
    // left out (not longer than 3 s), the logs read keep the numbers they had in the file.
    const Configuration config = BuiltInConfig();
    const BrixoLog a = LogOf(config, 59, 10, Words({50000, 45000, 1, 256, 65535}));
    const BrixoLog b = LogOf(config, 59, 5, Words({300, 200, 100, 42, 7, 9}));
    const std::vector<const BrixoLog*> written = {&a, &b, &a};
    const struct {
        uint32_t skip;
        std::vector<int> numbers;
    } cases[] = {{0, {1, 2, 3}}, {3, {1, 3}}};
    for (const auto& c : cases) {
        const AltReadResult result = ReadText(AltFileText(written), config, c.skip);
        ASSERT_TRUE(result.Accepted());
        EXPECT_EQ(result.logsRead, 3);
        EXPECT_FALSE(result.truncatedRecord);
        ASSERT_EQ(result.logs.size(), c.numbers.size()) << c.skip;
        for (size_t i = 0; i < c.numbers.size(); ++i) {
            const BrixoLog& log = *written[static_cast<size_t>(c.numbers[i] - 1)];
            const NumberedLog& got = result.logs[i];
            EXPECT_EQ(std::tuple(got.number, got.log.m_rawData, got.log.m_rate, got.log.m_date),
                      std::tuple(c.numbers[i], log.m_rawData, log.m_rate, 777u));
        }
    }
}

TEST(LogFileReader, RejectedFiles)
{
    const Configuration config = BuiltInConfig();
    const std::string fifteen = AltPreamble().substr(5);  // one preamble line short
    const std::string notLog = "not a log file: the first 16 lines are not all \" 13\"";
    const std::string endsAfterPreamble = "the file ends right after the 16 \" 13\" lines that open a log file";
    const struct {
        const char* what;
        std::string text;
        AltReadResult::Status status;
        std::string problem;
    } cases[] = {
        {"empty", "", AltReadResult::Status::BadPreamble, "the file is empty"},
        {"preamble without the blank", fifteen + "13\r\n" + AltLines("0 0"), AltReadResult::Status::BadPreamble,
         notLog},
        {"fifteen preamble lines", fifteen, AltReadResult::Status::BadPreamble,
         "the file ends after 15 of the 16 \" 13\" lines that open a log file"},
        {"preamble of 14-char pieces", " 13 and much more text\r\n" + fifteen + AltLines("0 0"),
         AltReadResult::Status::BadPreamble, notLog},  // the tail of a long line is read as the next line
        {"no zero word", AltPreamble(), AltReadResult::Status::BadZeroWord, endsAfterPreamble},
        {"half a zero word", AltPreamble() + AltLines("0"), AltReadResult::Status::BadZeroWord, endsAfterPreamble},
        {"non-zero word", AltPreamble() + AltLines("0 1"), AltReadResult::Status::BadZeroWord,
         "not a log file: the word after the preamble is not zero"},
        {"zero word of 256s", AltPreamble() + AltLines("256 512"), AltReadResult::Status::Ok, ""},
        {"preamble line with more text", fifteen + " 13 extra\r\n" + AltLines("0 0"), AltReadResult::Status::Ok, ""},
    };
    for (const auto& c : cases) {
        const AltReadResult result = ReadText(c.text, config);
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(result.Problem(), c.problem) << c.what;
        if (result.status != AltReadResult::Status::Ok) {
            EXPECT_TRUE(result.logs.empty()) << c.what;
        }
    }
}

TEST(LogFileReader, LineValues)
{
    const Configuration config = BuiltInConfig();
    const struct {
        const char* line;
        unsigned expected;
    } cases[] = {
        {" 300", 44},     {" 255", 255}, {" 256", 0},  {" -1", 255},          {" +7", 7}, {"abc", 0}, {"", 0},
        {"  12 xyz", 12}, {"\t9", 9},    {" 0x1F", 0}, {" 99999999999", 255},  // the low byte of a number too large
    };
    for (const auto& c : cases) {
        // One log whose single record is (1, value); a second record (0, 0) ends it.
        const std::string text = AltPreamble() + AltLines("0 0 10 10 59 0 1") + c.line + "\r\n" + AltLines("0 0");
        EXPECT_EQ(Kept(ReadText(text, config)), "10: 1 " + std::to_string(c.expected)) << c.line;
    }
}

TEST(LogFileReader, LogBoundaries)
{
    const Configuration config =
        ConfigFromText("<C><Devices><Device id='59' data-chunk='2'/><Device id='4' data-chunk='4'/></Devices></C>");
    const struct {
        const char* what;
        const char* numbers;  // the lines after the preamble and the zero word
        int logsRead;
        const char* kept;     // logs without samples are counted, never kept
        std::string warning;  // for a file that was cut off
    } cases[] = {
        {"an end marker in the middle", "10 10 59 0 5 6 0 0 9 9 7 0 8 1", 2, "10: 5 6 / 9: 8 1",
         "the file ends inside log 2, so that log is incomplete"},
        {"the file ends inside a record", "10 10 59 0 5 6 7", 1, "10: 5 6",
         "the file ends inside log 1, so that log is incomplete (its last, partial record was dropped)"},
        {"the file ends between records", "10 10 59 0 5 6", 1, "10: 5 6",
         "the file ends inside log 1, so that log is incomplete"},
        {"the file ends inside a header", "10 10 59 0 5 6 0 0 10", 1, "10: 5 6",
         "the file ends inside the header of log 2, so that log is missing"},
        {"the file ends inside the empty header", "10 10 59 0 5 6 0 0 0", 1, "10: 5 6", ""},
        {"later headers keep the first device's record size", "1 1 4 0 1 2 3 4 0 0 9 9 2 0 5 6 7 8 0 0", 2,
         "1: 1 2 3 4 / 9: 5 6 7 8", ""},
        {"an end marker of two bytes ends four-byte records", "1 1 4 0 1 2 3 4 0 0 2 2 4 0", 2, "1: 1 2 3 4",
         "the file ends inside log 2, so that log is incomplete"},
        {"the empty set the program writes", "0 0", 0, "", ""},
        {"extra zero lines read as a log of rate 0", "0 0 0 0", 1, "", ""},
    };
    for (const auto& c : cases)
        for (const bool lf : {false, true}) {  // lines ended by CR LF, or by line feeds alone
            SCOPED_TRACE(lf ? "line feeds alone" : "CR LF");
            std::string text = AltPreamble() + AltLines(std::string("0 0 ") + c.numbers);
            if (lf)
                std::erase(text, '\r');
            const AltReadResult result = ReadText(text, config);
            ASSERT_TRUE(result.Accepted()) << c.what;
            EXPECT_EQ(result.logsRead, c.logsRead) << c.what;
            EXPECT_EQ(Kept(result), c.kept) << c.what;
            EXPECT_EQ(result.Warning(), c.warning) << c.what;
        }
}

TEST(LogFileReader, AnUnusableDeviceIsNamedWithItsReason)
{
    const std::string body = AltLines("10 10 61 0 5 6 0 0 0 0");
    std::string channels;
    for (int i = 0; i < 200000; ++i)  // a large document: refused by a count that stops at 65
        channels += "<Chan/>";
    const struct {
        std::string device;   // the description of device 60
        std::string problem;  // empty: the log is read
    } cases[] = {
        {"<Device id='60' name='X' data-chunk='2'/>", ""},
        {"<Device id='59' name='B' data-chunk='2'/>", ""},  // 61 unknown: the fallback 59 reads it
        {"<Device id='62'/>", "the configuration knows no device 61 (nor the fallback device 59): no log was read"},
        {"<Device id='60' name='X' data-chunk='0'/>",
         "device 60 (X) cannot be used: its \"data-chunk\" of 0 is below 2, the bytes of one reading"},
        {"<Device id='60' data-chunk='1'/>", "device 60 cannot be used: its \"data-chunk\" of 1 is below 2"},
        {"<Device id='60' data-chunk='-2'/>", "its \"data-chunk\" of -2 is below 2"},
        {"<Device id='60' data-chunk='65537'/>",
         "device 60 cannot be used: its \"data-chunk\" of 65537 is above the largest record, 65536 bytes"},
        {"<Device id='60' data-chunk='2'>" + std::string(64 * 7, ' ') + "</Device>", ""},
        {"<Device id='60' data-chunk='2'>" + std::string(channels, 0, 64 * 7) + "</Device>", ""},
        {"<Device id='60' data-chunk='2'><Chan/>" + std::string(channels, 0, 64 * 7) + "</Device>",
         "device 60 cannot be used: it describes more than 64 channels: no log was read"},
        {"<Device id='60' data-chunk='2'>" + channels + "</Device>", "it describes more than 64 channels"},
    };
    for (const auto& c : cases) {
        const Configuration config = ConfigFromText("<C><Devices>" + c.device + "</Devices></C>");
        std::string text = body;
        if (c.device.find("id='60'") != std::string::npos)
            text.replace(text.find(" 61"), 3, " 60");
        const AltReadResult result = ReadText(AltPreamble() + AltLines("0 0") + text, config);
        EXPECT_TRUE(result.Accepted());
        EXPECT_EQ(result.deviceMissing, !c.problem.empty()) << c.device.substr(0, 60);
        EXPECT_EQ(result.logs.size(), c.problem.empty() ? 1u : 0u) << c.device.substr(0, 60);
        EXPECT_NE(result.Problem().find(c.problem), std::string::npos) << result.Problem();
    }
}

TEST(LogFileReader, GarbageNeverCrashes)
{
    const Configuration config = BuiltInConfig();
    uint32_t state = 1;
    for (int round = 0; round < 300; ++round) {
        std::string text = AltPreamble() + AltLines("0 0");
        const int length = round * 7;
        for (int i = 0; i < length; ++i) {
            state = state * 1664525u + 1013904223u;
            const char alphabet[] = " 0123456789-+\r\nx";
            text += alphabet[(state >> 24) % (sizeof alphabet - 1)];
        }
        const AltReadResult result = ReadText(text, config);
        EXPECT_TRUE(result.Accepted());
        for (const NumberedLog& l : result.logs)
            EXPECT_EQ(l.log.m_rawData.size() % l.log.m_recordSize, 0u);
    }
}

TEST(LogFiles, UnreadableFilesAreToldNotRead)
{
    // A log file written and read back on disk: in the export's tests.
    QTemporaryDir dir;
    for (const QString& unreadable : {dir.filePath("none.alt"), dir.path()}) {
        const AltReadResult r = ReadAltFile(unreadable.toStdString(), BuiltInConfig(), 0);
        EXPECT_EQ(r.status, AltReadResult::Status::CannotOpen) << unreadable.toStdString();
        EXPECT_FALSE(r.Problem().empty());
    }
}

TEST(LogFiles, EveryDeviceShapeRoundTripsThroughAFileAndAMemoryImage)
{
    const Configuration config = ConfigFromText(
        "<C><Devices><Device id='60' data-chunk='2'><Alt formula='y'/></Device>"
        "<Device id='61' data-chunk='4'><Alt formula='y'/></Device><Device id='62' data-chunk='3'><Alt formula='y'/>"
        "</Device><Device id='63'><Alt formula='y'/></Device></Devices></C>");
    const struct {
        uint8_t device, channelCountByte;
        uint32_t recordSize;
    } shapes[] = {{60, 1, 2}, {61, 1, 4}, {62, 1, 3}, {63, 1, 2}, {63, 3, 6}, {63, 10, 20}};
    for (const auto& shape : shapes) {
        // Forty records whose readings climb slowly, their other bytes anything but zero.
        std::vector<uint8_t> records;
        for (uint32_t k = 0; k < 40; ++k)
            for (uint32_t j = 0; j < shape.recordSize; ++j)
                records.push_back(j == 0 ? static_cast<uint8_t>(k + 1) : j == 1 ? 0x90 : static_cast<uint8_t>(k + j));
        const BrixoLog log = LogOf(config, shape.device, 5, records, shape.channelCountByte);
        ASSERT_EQ(log.m_recordSize, shape.recordSize) << int(shape.device);
        const std::string what = "device " + std::to_string(shape.device) + ", " + std::to_string(shape.recordSize);

        const AltReadResult read = ReadText(AltFileText({&log}), config);
        ASSERT_EQ(read.logs.size(), 1u) << what;
        EXPECT_EQ(std::tuple(read.logs[0].log.m_rawData, read.logs[0].log.m_recordSize, read.logs[0].log.m_rate),
                  std::tuple(log.m_rawData, log.m_recordSize, log.m_rate))
            << what;

        const std::vector<uint8_t> image = MemoryImageOf({&log});
        MemoryImageParser parser(0);
        parser.Run(image.data(), image.size(), config);
        ASSERT_EQ(parser.Flights().size(), 1u) << what;
        // The logger's own estimate: header and records, whole records of the device's size.
        const double estimate = static_cast<double>((6 + 40 * shape.recordSize) / shape.recordSize * 5 / 10);
        EXPECT_EQ(std::pair(parser.Flights()[0].duration, parser.Flights()[0].damage),
                  std::pair(estimate, std::string()))
            << what;
        const auto built = BuildDownloadedLogs(image.data(), image.size(), parser.Flights(), config, 0, 0);
        ASSERT_EQ(built.size(), 1u) << what;
        EXPECT_EQ(built[0].log.m_rawData, log.m_rawData) << what;
    }
}
