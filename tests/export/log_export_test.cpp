#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/log_file.h"
#include "export/csv_export.h"
#include "export/log_export.h"
#include "limited_folder.h"
#include "test_support.h"

namespace {

// Four-byte records of a device whose id is written "007" in the document: the files keep that text.
const char kDuoDevice[] =
    "<C><Devices><Device id='007' name='Duo7' data-chunk='4'><Alt formula='y'/></Device>"
    "<Device id='59' name='Duo' data-chunk='4'><Alt formula='y'/></Device></Devices></C>";

// Six records at 0.1 s of the device written "007": altitudes 100, 110, 130, 160, 200, 250, then two bytes.
BrixoLog DuoLog(const Configuration& config)
{
    BrixoLog log = LogOf(config, 59, 1, {100, 0, 60, 33, 110, 0, 61, 33, 130, 0, 62, 33,
                                         160, 0, 63, 33, 200, 0, 64, 33, 250, 0, 65, 33});
    log.m_device = DeviceRef{log.m_device.doc, log.m_device.node.previous_sibling()};
    return log;
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
    const BrixoLog log = DuoLog(config);
    const SampleRange at03 = SelectionSamples(0.3, 0.3, log.SamplePeriod());
    QTemporaryDir dir;
    const std::string path = dir.filePath("stretch.alt").toStdString();
    const Status written = ExportAlt(path, log, at03.first, at03.end);
    ASSERT_TRUE(written) << written.Error();
    EXPECT_EQ(FileBytes(QString::fromStdString(path)),
              AltPreamble() + AltLines("0 0 1 1 007 0 130 0 62 33 160 0 63 33 0 0 0 0"));
    const AltReadResult read = ReadAltFile(path, config, 0);
    ASSERT_TRUE(read.Accepted());
    ASSERT_EQ(read.logs.size(), 1u);
    const BrixoLog& back = read.logs[0].log;
    // "007" is read as the number 7, which no device's id text matches: the fallback device 59.
    EXPECT_EQ(read.deviceId, 7);
    EXPECT_EQ(back.m_device.Id(), "59");
    EXPECT_EQ(back.m_rate, 1u);
    EXPECT_GT(back.m_date, FileTimeFromUnixMs(0));  // dated by the file, not left at zero
    EXPECT_EQ(back.m_rawData, std::vector<uint8_t>(log.m_rawData.begin() + 8, log.m_rawData.begin() + 16));
    EXPECT_FALSE(read.truncatedRecord);
}

TEST(LogExport, FailedWritesKeepTheOldFileAndSayWhy)
{
    const Configuration config = ConfigFromText(kDuoDevice);
    const BrixoLog log = DuoLog(config);
    QTemporaryDir dir;
    WriteText(dir.filePath("plain"), "");  // always possible: the folder named is a file
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
        EXPECT_EQ(FileBytes(target), "precious") << full;
    }
}
