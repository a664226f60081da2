#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include "app/log_file.h"
#include "app/settings.h"
#include "dsp/log_series.h"
#include "export/csv_export.h"
#include "export/log_export.h"
#include "limited_folder.h"
#include "test_support.h"

namespace {

// Four-byte records: the altitude word as metres, then a temperature and a voltage byte. The
// first device's id is written "007" in the document, and the files must keep that text.
const char kDuoDevice[] =
    "<C><Devices><Device id='007' name='Duo7' data-chunk='4'><Alt formula='y'/></Device>"
    "<Device id='59' name='Duo' data-chunk='4'><Alt formula='y'/>"
    "<Chan name='Temp' offs='2' size='1' formula='y-40'/>"
    "<Chan name='Volt' offs='3' size='1' formula='y/10'/>"
    "</Device></Devices></C>";

// Six records at 0.1 s: altitudes 100, 110, 130, 160, 200, 250; temperatures 20..25; 3.3 V.
// Decoded, the altitude is relative to the first record and the last record is not a sample.
// Of device 59, or of the device written "007".
CBrixoLog DuoLog(const Configuration& config, bool id007 = false)
{
    std::vector<uint8_t> bytes;
    const unsigned altitudes[] = {100, 110, 130, 160, 200, 250};
    uint8_t temperature = 60;
    for (unsigned a : altitudes)
        bytes.insert(bytes.end(), {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(a >> 8), temperature++, 33});
    CBrixoLog log = LogOf(config, 59, 1, bytes);
    if (id007)
        log.m_device = DeviceRef{log.m_device.doc, log.m_device.node.previous_sibling()};
    return log;
}

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (int i = 0; i < 16; ++i)
        text += " 13\r\n";
    for (const char* l : lines)
        text += std::string(l) + "\r\n";
    return text;
}

std::string ReadFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

}  // namespace

TEST(LogExport, NamesAndTypes)
{
    const struct {
        const char* path;
        ExportType type;
        const char* completed;  // with the type's extension added where it has none
        ExportType asked;       // the type the name asks for
    } cases[] = {
        {"flight", ExportType::Csv, "flight.csv", ExportType::None},
        {"/tmp/a.b/flight", ExportType::Alt, "/tmp/a.b/flight.alt", ExportType::None},
        {"/tmp/a.b/flight.CSV", ExportType::Alt, "/tmp/a.b/flight.CSV", ExportType::Csv},
        {"flight.txt", ExportType::Jpeg, "flight.txt", ExportType::None},
        {"flight.jpeg", ExportType::Jpeg, "flight.jpeg", ExportType::Jpeg},
        {"FLIGHT.JPG", ExportType::Csv, "FLIGHT.JPG", ExportType::Jpeg},
        {"day.1.alt", ExportType::Csv, "day.1.alt", ExportType::Alt},
        {".alt", ExportType::Csv, ".alt.csv", ExportType::None},  // a hidden file's name, not an extension
        {"flight.", ExportType::Csv, "flight.", ExportType::None},
        {"dir/", ExportType::Csv, "dir/", ExportType::None},
        {"", ExportType::Csv, "", ExportType::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithExportExtension(c.path, c.type), c.completed) << c.path;
        EXPECT_EQ(ExportTypeOfPath(c.path), c.asked) << c.path;
    }
}

TEST(LogExport, AnAltFileOfAStretchGivesItBack)
{
    // Four-byte records of a device written "007": a selection at 0.3 s (samples 2 and 3) is
    // the file's one log, byte for byte, and reading the file gives those records back.
    const Configuration config = ConfigFromText(kDuoDevice);
    const CBrixoLog log = DuoLog(config, true);
    const SampleRange at03 = SelectionSamples(0.3, 0.3, log.SamplePeriod());
    QTemporaryDir dir;
    const std::string path = dir.filePath("stretch.alt").toStdString();
    const Status written = ExportAlt(path, log, at03.first, at03.end);
    ASSERT_TRUE(written) << written.Error();
    EXPECT_EQ(ReadFile(QString::fromStdString(path)),
              Lines({" 0", " 0", " 1", " 1", " 007", " 0", " 130", " 0", " 62", " 33", " 160", " 0", " 63", " 33", " 0",
                     " 0", " 0", " 0"}));
    const AltReadResult read = ReadAltFile(path, config, 0);
    ASSERT_TRUE(read.Accepted());
    ASSERT_EQ(read.logs.size(), 1u);
    const CBrixoLog& back = read.logs[0].log;
    // "007" is read as the number 7, which no device's id text matches: the fallback device 59.
    EXPECT_EQ(read.deviceId, 7);
    EXPECT_EQ(back.m_device.Id(), "59");
    EXPECT_EQ(back.m_rate, 1u);
    EXPECT_EQ(back.m_rawData, std::vector<uint8_t>(log.m_rawData.begin() + 8, log.m_rawData.begin() + 16));
    EXPECT_FALSE(read.truncatedRecord);
}

TEST(LogExport, CsvOfSeriesBuiltFromALog)
{
    const Configuration config = ConfigFromText(kDuoDevice);
    const CBrixoLog log = DuoLog(config);
    const LogSeries series = BuildLogSeries(log, Unfiltered());
    ASSERT_TRUE(series.errors.empty());
    const std::vector<const NamedSeries*> shown = {series.Find("Alt"), series.Find("Vario"), series.Find("Volt")};
    const size_t samples = series.series[0].values.size();
    const SampleRange at03 = SelectionSamples(0.3, 0.3, log.SamplePeriod());
    const std::string head = "\"Time (sec)\",\"Alt\",\"Vario\",\"Volt\"\r\n";
    const struct {
        const char* what;
        size_t first, end;
        std::string csv;
    } cases[] = {
        {"the whole log", 0, kEndOfLog,
         head + "0.000000,0.000000,100.000000,3.300000\r\n0.100000,10.000000,200.000000,3.300000\r\n"
                "0.200000,30.000000,300.000000,3.300000\r\n0.300000,60.000000,400.000000,3.300000\r\n"
                "0.400000,100.000000,400.000000,3.300000\r\n"},
        {"a selection at 0.3 s", at03.first, at03.end,
         head + "0.000000,30.000000,300.000000,3.300000\r\n0.100000,60.000000,400.000000,3.300000\r\n"},
        {"the last sample alone", 4, 5, head + "0.000000,100.000000,400.000000,3.300000\r\n"},
        {"past the data: no file", 5, 9, ""},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::number(c.first) + ".csv");
        const Status written = ExportCsv(path.toStdString(), shown, log.SamplePeriod(), c.first, c.end, samples);
        EXPECT_EQ(written.Ok(), !c.csv.empty()) << c.what << ": " << written.Error();
        EXPECT_EQ(ReadFile(path), c.csv.empty() ? "<missing>" : c.csv) << c.what;
    }
}

TEST(LogExport, FailedWritesKeepTheOldFileAndSayWhy)
{
    const Configuration config = ConfigFromText(kDuoDevice);
    const CBrixoLog log = DuoLog(config);
    QTemporaryDir dir;
    // Always possible: the folder named is a file.
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const Status intoAFile = ExportAlt(dir.filePath("plain/out.alt").toStdString(), log, 0, kEndOfLog);
    EXPECT_FALSE(intoAFile);
    EXPECT_FALSE(intoAFile.Error().empty());

    // A read-only folder and a full file system, where this machine lets the test make them.
    for (const bool full : {false, true}) {
        LimitedFolder folder(dir.filePath(full ? "full" : "readonly"));
        const QString target = folder.FilePath("kept.alt");
        WriteText(target, "precious");
        if (full ? !folder.Fill() : !folder.MakeReadOnly()) {
            std::printf("skipped: a %s folder cannot be made here\n", full ? "full" : "read-only");
            continue;
        }
        const Status written = ExportAlt(target.toStdString(), log, 0, kEndOfLog);
        EXPECT_FALSE(written) << full;
        const std::string& error = written.Error();
        const bool told =
            full ? error.find("No space left") != std::string::npos
                 : error.find("not writable") != std::string::npos || error.find("ermission") != std::string::npos;
        EXPECT_TRUE(told) << error;
        EXPECT_EQ(ReadFile(target), "precious") << full;
    }
}
