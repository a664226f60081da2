#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cmath>
#include <map>
#include <thread>

#include "device/memory_image.h"
#include "limited_folder.h"
#include "logbook/keep_download.h"
#include "logbook/logbook.h"
#include "test_support.h"

namespace {

// A flight of the built-in device: n records climbing from the given reading.
BrixoLog Flight(const Configuration& config, unsigned from, unsigned n, uint32_t rate = 10)
{
    std::vector<unsigned> words;
    for (unsigned i = 0; i < n; ++i)
        words.push_back(from - i);
    BrixoLog log = LogOf(config, 59, rate, Words(words));
    log.m_date = FileTimeFromUnixMs(1780000000000);
    return log;
}

// A download of these flights: their memory image, each flight 100 bytes after the one before.
Result<ArchiveReport> Archive(Logbook& book, const std::vector<BrixoLog>& logs, FileTime now)
{
    std::vector<BuiltFlight> flights;
    for (size_t i = 0; i < logs.size(); ++i)
        flights.push_back({logs[i], static_cast<uint32_t>(16 + 100 * i)});
    return book.ArchiveDownload(MemoryImageOfLogs(logs), flights, now);
}

// A query on the database file through a connection of the test's own.
QVariant Scalar(const QString& path, const QString& sql)
{
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                result = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return result;
}

class LogbookTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Configuration config = BuiltInConfig();
    const FileTime now = FileTimeFromUnixMs(1796000000000);  // 2026-11-28 UTC

    std::unique_ptr<Logbook> Open(int busyTimeoutMs = 5000)
    {
        auto book = Logbook::Open(dir.path().toStdString(), config, busyTimeoutMs);
        EXPECT_TRUE(book.Ok()) << (book ? "" : book.Error());
        return book ? std::move(*book) : nullptr;
    }
    QString Db() const { return dir.filePath(QStringLiteral("logbook.sqlite")); }
};

}  // namespace

TEST_F(LogbookTest, ADownloadIsKeptWholeAndOnce)
{
    auto book = Open();
    ASSERT_TRUE(book);
    const std::vector<BrixoLog> logs = {Flight(config, 50000, 300), Flight(config, 48000, 120, 5)};
    const std::vector<uint8_t> image = MemoryImageOfLogs(logs);
    auto report = Archive(*book, logs, now);
    ASSERT_TRUE(report.Ok()) << report.Error();
    EXPECT_EQ(report->added, 2);
    // Named by what it holds.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
                                 QCryptographicHash::Sha256)
            .toHex());
    EXPECT_EQ(QString::fromStdString(report->imagePath), dir.filePath("images/" + hash + ".mem"));
    EXPECT_EQ(FileBytes(QString::fromStdString(report->imagePath)), std::string(image.begin(), image.end()));

    auto entries = book->List();
    ASSERT_TRUE(entries.Ok());
    ASSERT_EQ(entries->size(), 2u);
    const LogbookEntry& second = (*entries)[0];  // the same date: the newer row first
    EXPECT_EQ(std::tuple(second.samples, second.rate, second.deviceId, second.downloadedAt, second.imageOffset),
              std::tuple(120u, 5u, 59u, "2026-11-30T00:53:20Z", 116u));
    EXPECT_DOUBLE_EQ(second.duration, 60.0);
    ASSERT_TRUE(second.maxAltitude);
    EXPECT_GT(*second.maxAltitude, 10.0);
    auto log = book->LoadLog(second.id, config);
    ASSERT_TRUE(log.Ok()) << log.Error();
    EXPECT_EQ(std::pair(log->m_rawData, FlightHash(*log)), std::pair(logs[1].m_rawData, FlightHash(logs[1])));

    // The same memory downloaded again in the same second: its file is the same, no second flight.
    auto again = Archive(*book, logs, now);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(std::pair(again->added, again->alreadyThere), std::pair(0, 2));
    EXPECT_EQ(again->imagePath, report->imagePath);
    EXPECT_EQ(book->List()->size(), 2u);
    EXPECT_EQ(Scalar(Db(), "SELECT COUNT(*) FROM images").toInt(), 2);
}

TEST_F(LogbookTest, WhatThePilotNotesStaysAndOneHashFindsTheFlight)
{
    auto book = Open();
    ASSERT_TRUE(book);
    const BrixoLog flight = Flight(config, 50000, 200);
    ASSERT_TRUE(Archive(*book, {flight}, now).Ok());
    const int64_t id = (*book->List())[0].id;
    const PilotFields fields{"Evening at the ridge",
                             FileTimeFromUnixMs(1780000600000),
                             "Ridge West",
                             "Smooth air.\nLanded at 19:40.",
                             812.5,
                             {}};
    ASSERT_TRUE(book->SetFields(id, fields).Ok());
    book.reset();

    // Another process tomorrow: the fields are there, and the same records read from an
    // ".alt" file find the flight rather than adding it again.
    auto next = Open();
    ASSERT_TRUE(next);
    auto found = next->FindByHash(FlightHash(flight));
    ASSERT_TRUE(found.Ok() && *found);
    EXPECT_EQ(std::pair((*found)->fields, (*found)->FlownAt()), std::pair(fields, *fields.flownAt));
    auto added = next->Add(flight, now);
    ASSERT_TRUE(added.Ok());
    EXPECT_EQ(*added, id);
    // Cleared fields go back to what the log says.
    ASSERT_TRUE(next->SetFields(id, {}).Ok());
    EXPECT_EQ((*next->Find(id))->FlownAt(), now);  // downloaded flights are dated with the download
    EXPECT_FALSE(next->SetFields(id + 100, {}).Ok());

    // A log that is not there yet is added without an image, and deleting leaves the images.
    const BrixoLog other = Flight(config, 47000, 90);
    auto otherId = next->Add(other, now);
    ASSERT_TRUE(otherId.Ok());
    EXPECT_FALSE((*next->Find(*otherId))->imageId);
    ASSERT_TRUE(next->Delete({id, *otherId}).Ok());
    EXPECT_TRUE(next->List()->empty());
    EXPECT_EQ(QDir(dir.filePath("images")).entryList(QDir::Files).size(), 1);
}

TEST_F(LogbookTest, AFlightIsTheSameOnlyWithTheSameDeviceRateAndRecords)
{
    const Configuration two = ConfigFromText(
        "<Config><Devices><Device id='59' name='A' data-chunk='2'><Alt formula='y'/></Device>"
        "<Device id='60' name='B' data-chunk='2'><Alt formula='y'/></Device></Devices></Config>");
    const std::vector<uint8_t> records = WordsOf("100 101 102 103");
    const BrixoLog base = LogOf(two, 59, 10, records);
    const struct {
        const char* what;
        BrixoLog log;
        bool same;
    } cases[] = {
        {"read again", LogOf(two, 59, 10, records), true},
        {"another device", LogOf(two, 60, 10, records), false},
        {"another rate", LogOf(two, 59, 5, records), false},
        {"another record", LogOf(two, 59, 10, WordsOf("100 101 102 104")), false},
    };
    auto book = Open();
    ASSERT_TRUE(book);
    const auto first = book->Add(base, now);
    ASSERT_TRUE(first.Ok());
    for (const auto& c : cases) {
        EXPECT_EQ(FlightHash(c.log) == FlightHash(base), c.same) << c.what;
        const auto added = book->Add(c.log, now);
        ASSERT_TRUE(added.Ok()) << c.what;
        EXPECT_EQ(*added == *first, c.same) << c.what;
    }
}

TEST_F(LogbookTest, ADownloadRefusedAtItsSecondFlightLeavesNothingAndTheNextOneLands)
{
    auto book = Open();
    ASSERT_TRUE(book);
    const BrixoLog first = Flight(config, 50000, 100), second = Flight(config, 48000, 100);
    // The database refuses the second flight of the download (as a full disk would refuse it).
    Scalar(Db(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON flights WHEN NEW.content_hash = '%1' "
                                "BEGIN SELECT RAISE(ABORT, 'refused for the test'); END")
                     .arg(QString::fromStdString(FlightHash(second))));
    auto refused = Archive(*book, {first, second}, now);
    ASSERT_FALSE(refused.Ok());
    EXPECT_NE(refused.Error().find("refused for the test"), std::string::npos) << refused.Error();
    EXPECT_EQ(std::pair(Scalar(Db(), "SELECT count(*) FROM flights").toInt(),
                        Scalar(Db(), "SELECT count(*) FROM images").toInt()),
              std::pair(0, 0));
    // The connection is free again: the next download is kept.
    auto next = Archive(*book, {first}, now + 10000000);
    ASSERT_TRUE(next.Ok()) << next.Error();
    EXPECT_EQ(next->added, 1);
    EXPECT_EQ(book->List()->size(), 1u);
}

TEST_F(LogbookTest, TheSameFlightAddedByManyAtOnceIsOneFlight)
{
    ASSERT_TRUE(Open());
    const BrixoLog flight = Flight(config, 45000, 200);
    for (int round = 0; round < 5; ++round) {
        Scalar(Db(), "DELETE FROM flights");
        std::vector<std::thread> writers;
        std::vector<int64_t> ids(8, -1);
        std::vector<std::string> errors(8);
        for (size_t i = 0; i < ids.size(); ++i)
            writers.emplace_back([&, i] {
                auto book = Logbook::Open(dir.path().toStdString(), config);
                if (!book) {
                    errors[i] = book.Error();
                    return;
                }
                auto id = (*book)->Add(flight, now);
                if (id)
                    ids[i] = *id;
                else
                    errors[i] = id.Error();
            });
        for (std::thread& t : writers)
            t.join();
        for (size_t i = 0; i < ids.size(); ++i)
            EXPECT_EQ(std::pair(ids[i], errors[i]), std::pair(ids[0], std::string())) << "round " << round;
        EXPECT_EQ(Scalar(Db(), "SELECT count(*) FROM flights").toInt(), 1);
    }
}

TEST_F(LogbookTest, AFileIsAddedWholeOrNotAtAll)
{
    auto book = Open();
    ASSERT_TRUE(book);
    const BrixoLog a = Flight(config, 50000, 100), b = Flight(config, 49000, 100), c = Flight(config, 48000, 100);
    Scalar(Db(), QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON flights WHEN NEW.content_hash = '%1' "
                                "BEGIN SELECT RAISE(ABORT, 'refused for the test'); END")
                     .arg(QString::fromStdString(FlightHash(c))));
    EXPECT_FALSE(book->AddAll({&a, &b, &c}, now).Ok());
    EXPECT_EQ(Scalar(Db(), "SELECT count(*) FROM flights").toInt(), 0);
    Scalar(Db(), "DROP TRIGGER refuse");
    ASSERT_TRUE(book->Add(b, now).Ok());
    auto added = book->AddAll({&a, &b, &c}, now);
    ASSERT_TRUE(added.Ok()) << added.Error();
    std::vector<bool> there;
    for (const AddedLog& l : *added)
        there.push_back(l.alreadyThere);
    EXPECT_EQ(there, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Scalar(Db(), "SELECT count(*) FROM flights").toInt(), 3);
}

TEST_F(LogbookTest, ListingDecodesNothing)
{
    // A flight whose highest point could not be found when it was kept stays without one: the
    // list does not decode every such flight again at every call.
    auto book = Open();
    ASSERT_TRUE(book);
    const BrixoLog flight = Flight(config, 50000, 100);
    ASSERT_TRUE(book->Add(flight, now).Ok());
    Scalar(Db(), "UPDATE flights SET max_altitude = NULL");
    auto entries = book->List();
    ASSERT_TRUE(entries.Ok() && entries->size() == 1);
    EXPECT_FALSE((*entries)[0].maxAltitude.has_value());
    EXPECT_TRUE(Scalar(Db(), "SELECT max_altitude FROM flights").isNull());
}

TEST_F(LogbookTest, AChangeWritesItsFieldsAloneAndKeepsTheElevationInBounds)
{
    auto mine = Open();
    ASSERT_TRUE(mine);
    auto id = mine->Add(Flight(config, 50000, 100), now);
    ASSERT_TRUE(id.Ok());
    // Another writer notes the site while this one's dialog is open on what it read before.
    const PilotFields read = (*mine->Find(*id))->fields;
    {
        auto other = Open();
        ASSERT_TRUE(other->SetFields(*id, {{}, {}, "Ridge West", "", {}, {}}, kPilotSite).Ok());
    }
    PilotFields edited = read;
    edited.name = "Morning";
    ASSERT_TRUE(mine->SetFields(*id, edited, ChangedPilotFields(read, edited)).Ok());
    EXPECT_EQ((*mine->Find(*id))->fields, (PilotFields{"Morning", {}, "Ridge West", "", {}, {}}));

    const struct {
        double metres;
        bool kept;
    } elevations[] = {{-500, true},    {9000, true},  {612.5, true}, {-500.1, false},
                      {9000.1, false}, {1e16, false}, {NAN, false},  {INFINITY, false}};
    for (const auto& e : elevations) {
        edited.startElevation = e.metres;
        const Status set = mine->SetFields(*id, edited, kPilotStartElevation);
        EXPECT_EQ(set.Ok(), e.kept) << e.metres;
        EXPECT_EQ(StartElevationProblem(e.metres).empty(), e.kept) << e.metres;
    }
    EXPECT_EQ((*mine->Find(*id))->fields.startElevation, 612.5);
    // Text that is not UTF-8 is refused, not kept with its bytes replaced.
    for (const unsigned which : {kPilotName, kPilotSite, kPilotComment}) {
        PilotFields bad = edited;
        bad.name = bad.site = bad.comment = "Col \xff";
        const Status set = mine->SetFields(*id, bad, which);
        ASSERT_FALSE(set.Ok()) << which;
        EXPECT_NE(set.Error().find("is not UTF-8 text"), std::string::npos) << set.Error();
    }
    EXPECT_FALSE(mine->SetFields(*id + 1, edited, kPilotName).Ok());
}

TEST_F(LogbookTest, ManyWritersInTheSameSecondKeepEveryImage)
{
    ASSERT_TRUE(Open());
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int variant = 1; variant <= 12; ++variant) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(LOGBOOK_WRITER),
                              {dir.path(), QStringLiteral("2"), QStringLiteral("0"), QString::number(variant)});
    }
    for (auto& w : writers) {
        ASSERT_TRUE(w->waitForFinished(60000));
        EXPECT_EQ(w->exitCode(), 0) << w->readAllStandardError().toStdString();
    }
    // Twelve images, each in a file of its own that holds its bytes.
    EXPECT_EQ(QDir(dir.filePath("images")).entryList(QDir::Files).size(), 12);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("images"));
    {
        db.setDatabaseName(Db());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("SELECT sha256, path FROM images"));
        int rows = 0;
        while (q.next()) {
            ++rows;
            const std::string bytes = FileBytes(q.value(1).toString());
            EXPECT_EQ(
                QString::fromLatin1(
                    QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex()),
                q.value(0).toString());
        }
        EXPECT_EQ(rows, 12);
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("images"));
}

TEST_F(LogbookTest, TheFlightsAreKeptWhenTheirImageIsNotAndAMissingImageIsPutBack)
{
    const std::vector<BrixoLog> logs = {Flight(config, 50000, 100)};
    const std::vector<uint8_t> image = MemoryImageOfLogs(logs);
    const std::vector<BuiltFlight> flights = {{logs[0], 16}};
    auto book = Open();
    ASSERT_TRUE(book);
    // A file where the images' folder would go.
    WriteText(dir.filePath("images"), "in the way");
    auto kept = KeepDownload(*book, image, flights, now);
    ASSERT_TRUE(kept.Ok()) << kept.Error();
    EXPECT_EQ(kept->report.added, 1);
    EXPECT_EQ(KeptText(*kept),
              "Kept in the logbook: 1 new flight. But the memory image could not be written: the "
              "folder " +
                  dir.filePath("images").toStdString() + " cannot be made.");
    // Out of the way, the same image is kept at its next import, its flight found.
    QFile::remove(dir.filePath("images"));
    kept = KeepDownload(*book, image, flights, now);
    ASSERT_TRUE(kept.Ok()) << kept.Error();
    EXPECT_EQ(std::tuple(kept->alreadyKept, kept->report.added, kept->report.alreadyThere), std::tuple(false, 0, 1));
    const std::string path = kept->report.imagePath;
    ASSERT_FALSE(path.empty());
    // Deleted, its file is written again when the same image comes again.
    QFile::remove(QString::fromStdString(path));
    kept = KeepDownload(*book, image, flights, now);
    ASSERT_TRUE(kept.Ok()) << kept.Error();
    EXPECT_EQ(KeptText(*kept),
              "This memory image is in the logbook already. Its file was missing and is written again.");
    EXPECT_EQ(FileBytes(QString::fromStdString(path)), std::string(image.begin(), image.end()));
}

TEST_F(LogbookTest, AFirstVersionLogbookIsMigrated)
{
    // A logbook as the first schema wrote it, with one flight.
    const BrixoLog flight = Flight(config, 50000, 100);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(Db());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec("CREATE TABLE images (id INTEGER PRIMARY KEY, received_at TEXT NOT NULL, size INTEGER NOT "
                   "NULL, sha256 TEXT NOT NULL, path TEXT NOT NULL)"));
        ASSERT_TRUE(
            q.exec("CREATE TABLE flights (id INTEGER PRIMARY KEY, content_hash TEXT NOT NULL UNIQUE, image_id "
                   "INTEGER REFERENCES images(id) ON DELETE SET NULL, image_offset INTEGER NOT NULL DEFAULT 0, "
                   "downloaded_at TEXT NOT NULL, date INTEGER NOT NULL, rate INTEGER NOT NULL, device_id "
                   "INTEGER NOT NULL, record_size INTEGER NOT NULL, samples INTEGER NOT NULL, duration REAL "
                   "NOT NULL, records BLOB NOT NULL)"));
        q.prepare(
            "INSERT INTO flights (content_hash, downloaded_at, date, rate, device_id, record_size, samples, "
            "duration, records) VALUES (?, '2026-05-28T20:26:40Z', 7, 10, 59, 2, 100, 100.0, ?)");
        q.addBindValue(QString::fromStdString(FlightHash(flight)));
        q.addBindValue(QByteArray(reinterpret_cast<const char*>(flight.m_rawData.data()),
                                  static_cast<qsizetype>(flight.m_rawData.size())));
        ASSERT_TRUE(q.exec());
        ASSERT_TRUE(q.exec("PRAGMA user_version = 1"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    auto book = Open();
    ASSERT_TRUE(book);
    EXPECT_EQ(Scalar(Db(), "PRAGMA user_version").toInt(), Logbook::kSchemaVersion);
    auto entries = book->List();
    ASSERT_TRUE(entries.Ok()) << entries.Error();
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].fields, PilotFields{});
    EXPECT_EQ((*entries)[0].maxAltitude, AltitudeFactsOf(flight).maxAltitude);  // learnt on opening
    EXPECT_FALSE(Scalar(Db(), "SELECT max_altitude FROM flights").isNull());
    ASSERT_TRUE(book->SetFields((*entries)[0].id, {"Old flight", {}, "Hill", "", 300.0, {}}).Ok());
}

TEST_F(LogbookTest, ASecondVersionLogbookLearnsEveryFlightsAirtime)
{
    // A flight of 300 s between 100 s on the ground before and after it, at one sample a second.
    std::vector<unsigned> words(500, 56000);
    for (unsigned i = 100; i < 500; ++i)
        words[i] = 56000 + 6 * (std::min(i, 400u) - 100);
    const BrixoLog glide = LogOf(config, 59, 10, Words(words));
    const BrixoLog still = LogOf(config, 59, 10, Words(std::vector<unsigned>(600, 50000)));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
        db.setDatabaseName(Db());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char* sql :
             {"CREATE TABLE images (id INTEGER PRIMARY KEY, received_at TEXT NOT NULL, size INTEGER NOT NULL,"
              " sha256 TEXT NOT NULL, path TEXT NOT NULL)",
              "CREATE TABLE flights (id INTEGER PRIMARY KEY, content_hash TEXT NOT NULL UNIQUE,"
              " image_id INTEGER REFERENCES images(id) ON DELETE SET NULL, image_offset INTEGER NOT NULL DEFAULT 0,"
              " downloaded_at TEXT NOT NULL, date INTEGER NOT NULL, rate INTEGER NOT NULL, device_id INTEGER NOT "
              "NULL, record_size INTEGER NOT NULL, samples INTEGER NOT NULL, duration REAL NOT NULL, records BLOB "
              "NOT NULL, name TEXT, flown_at INTEGER, site TEXT NOT NULL DEFAULT '', comment TEXT NOT NULL DEFAULT"
              " '', start_elevation REAL, max_altitude REAL)",
              "PRAGMA user_version = 2"})
            ASSERT_TRUE(q.exec(sql)) << sql;
        // The glide, a log still on the ground, and one whose records are not of the size its
        // device has now (it cannot be decoded).
        const struct {
            const BrixoLog* log;
            int recordSize;
        } rows[] = {{&glide, 2}, {&still, 2}, {&still, 3}};
        for (const auto& row : rows) {
            q.prepare(
                "INSERT INTO flights (content_hash, downloaded_at, date, rate, device_id, record_size, samples,"
                " duration, records) VALUES (?, '2026-05-28T20:26:40Z', 7, 10, 59, ?, ?, ?, ?)");
            q.addBindValue(QString::number(row.recordSize) + QString::fromStdString(FlightHash(*row.log)));
            q.addBindValue(row.recordSize);
            q.addBindValue(static_cast<qulonglong>(row.log->SampleCount()));
            q.addBindValue(row.log->Duration());
            q.addBindValue(QByteArray(reinterpret_cast<const char*>(row.log->m_rawData.data()),
                                      static_cast<qsizetype>(row.log->m_rawData.size())));
            ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v2"));

    auto book = Open();
    ASSERT_TRUE(book);
    EXPECT_EQ(Scalar(Db(), "PRAGMA user_version").toInt(), Logbook::kSchemaVersion);
    auto entries = book->List();
    ASSERT_TRUE(entries.Ok()) << entries.Error();
    ASSERT_EQ(entries->size(), 3u);
    std::map<std::pair<uint32_t, uint64_t>, LogbookEntry> bySize;  // by record size and samples
    for (const LogbookEntry& e : *entries)
        bySize[{e.recordSize, e.samples}] = e;
    const LogbookEntry& found = bySize[{2, 500}];
    const LogbookEntry& none = bySize[{2, 600}];
    const LogbookEntry& undecodable = bySize[{3, 600}];
    EXPECT_NEAR(found.airtime, 300, 3);
    EXPECT_EQ(found.flightCount, 1);
    EXPECT_TRUE(found.maxAltitude.has_value());
    EXPECT_EQ(std::pair(none.airtime, none.flightCount), std::pair(0.0, std::optional<int>(0)));
    // Not decodable: the logger-on duration, marked by having no flight count.
    EXPECT_EQ(std::pair(undecodable.airtime, undecodable.flightCount), std::pair(600.0, std::optional<int>()));

    // The pilot's marks are kept and read back; taken back to the found ones, they are gone.
    const std::vector<FlightSpan> corrected = {{95.5, 380.0}, {420.0, 450.0}};
    ASSERT_TRUE(book->SetFlights(found.id, corrected, true).Ok());
    book.reset();
    book = Open();
    auto kept = book->Find(found.id);
    ASSERT_TRUE(kept.Ok() && kept->has_value());
    EXPECT_EQ((**kept).correctedFlights, corrected);
    EXPECT_EQ(std::pair((**kept).airtime, (**kept).flightCount), std::pair(314.5, std::optional<int>(2)));
    ASSERT_TRUE(book->SetFlights(found.id, {{100, 400}}, false).Ok());
    kept = book->Find(found.id);
    EXPECT_EQ(std::pair((**kept).correctedFlights, (**kept).airtime),
              std::pair(std::optional<std::vector<FlightSpan>>(), 300.0));
    EXPECT_FALSE(book->SetFlights(999, {}, false).Ok());
}

TEST_F(LogbookTest, WhatItCannotReadIsToldAndLeftAlone)
{
    const struct {
        const char* what;
        QByteArray bytes;  // written as the database file; empty: a logbook of a newer schema; "-1": of schema -1
        const char* reason;
    } cases[] = {
        {"a text file", "These are my flights.\n", "is not an SQLite database"},
        {"a newer schema", {}, "was written by a newer Nivra (schema 99)"},
        {"a negative schema", "-1", "has an unknown schema (-1)"},
    };
    for (const auto& c : cases) {
        QFile::remove(Db());
        if (c.bytes.isEmpty() || c.bytes == "-1") {
            {
                auto book = Open();
                ASSERT_TRUE(book);
            }
            Scalar(Db(), c.bytes.isEmpty() ? "PRAGMA user_version = 99" : "PRAGMA user_version = -1");
        } else {
            WriteText(Db(), c.bytes.toStdString());
        }
        const std::string before = FileBytes(Db());
        auto book = Logbook::Open(dir.path().toStdString(), config);
        ASSERT_FALSE(book.Ok()) << c.what;
        EXPECT_NE(book.Error().find(c.reason), std::string::npos) << book.Error();
        EXPECT_EQ(FileBytes(Db()), before) << c.what;
    }
}

TEST_F(LogbookTest, TwoWritersAtOnceBothLand)
{
    ASSERT_TRUE(Open());  // made once, so that the two meet on an existing logbook
    auto write = [&](unsigned base, int* added) {
        auto book = Logbook::Open(dir.path().toStdString(), config);
        if (!book)
            return;
        for (unsigned i = 0; i < 15; ++i) {
            const std::vector<BrixoLog> logs = {Flight(config, base + 10 * i, 50)};
            if (auto r = Archive(**book, logs, now + i); r)
                *added += r->added;
        }
    };
    int first = 0, second = 0;
    std::thread a(write, 40000u, &first), b(write, 50000u, &second);
    a.join();
    b.join();
    EXPECT_EQ(std::pair(first, second), std::pair(15, 15));
    EXPECT_EQ(Scalar(Db(), "SELECT COUNT(*) FROM flights").toInt(), 30);
}

TEST_F(LogbookTest, ALockedDatabaseIsToldAndNothingIsLost)
{
    auto book = Open(100);
    ASSERT_TRUE(book);
    const std::vector<BrixoLog> first = {Flight(config, 50000, 80)};
    ASSERT_TRUE(Archive(*book, first, now).Ok());
    {
        // Another process in the middle of a long write.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(Db());
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec("BEGIN IMMEDIATE"));
        const std::vector<BrixoLog> second = {Flight(config, 45000, 80)};
        auto r = Archive(*book, second, now + 10000000);
        ASSERT_FALSE(r.Ok());
        EXPECT_NE(r.Error().find("locked"), std::string::npos) << r.Error();
        EXPECT_NE(r.Error().find("The memory image is kept in"), std::string::npos) << r.Error();
        ASSERT_TRUE(q.exec("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    EXPECT_EQ(book->List()->size(), 1u);
    EXPECT_EQ(Scalar(Db(), "PRAGMA integrity_check").toString(), "ok");
}

TEST_F(LogbookTest, AFullOrReadOnlyDiskKeepsWhatIsThere)
{
    std::vector<BrixoLog> big;
    for (unsigned i = 0; i < 40; ++i)
        big.push_back(Flight(config, 40000 + 100 * i, 5000));
    const std::vector<BrixoLog> kept = {Flight(config, 50000, 100)};
    {
        // Full: the download is refused with the reason, the flight before it stays readable.
        LimitedFolder folder(dir.filePath("full"), 1024);
        if (!folder.Mounted())
            GTEST_SKIP() << "this process may not mount a small file system";
        {
            auto first = Logbook::Open(folder.Path().toStdString(), config);
            ASSERT_TRUE(first.Ok()) << first.Error();
            ASSERT_TRUE(Archive(**first, kept, now).Ok());
        }
        ASSERT_TRUE(folder.Fill());
        auto book = Logbook::Open(folder.Path().toStdString(), config);
        ASSERT_TRUE(book.Ok()) << book.Error();
        EXPECT_NE((*book)->ReadOnly().find("the disk is full"), std::string::npos) << (*book)->ReadOnly();
        auto r = Archive(**book, big, now + 10000000);
        ASSERT_FALSE(r.Ok());
        EXPECT_NE(r.Error().find("memory image could not be written"), std::string::npos) << r.Error();
        auto entries = (*book)->List();
        ASSERT_TRUE(entries.Ok()) << entries.Error();
        ASSERT_EQ(entries->size(), 1u);
        EXPECT_EQ(FlightHash(*(*book)->LoadLog((*entries)[0].id, config)), FlightHash(kept[0]));
        // Opened again on the full disk: listed all the same.
        book = Result<std::unique_ptr<Logbook>>(Fail("closed"));
        auto again = Logbook::Open(folder.Path().toStdString(), config);
        ASSERT_TRUE(again.Ok()) << again.Error();
        EXPECT_EQ((*again)->List()->size(), 1u);
        again = Result<std::unique_ptr<Logbook>>(Fail("closed"));
        // Nothing is left beside the logbook that the next open could trip over.
        EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files, QDir::Name).join(' ').toStdString(),
                  "filler logbook.sqlite");
    }
    {
        // Read-only: the next process is told why, and the logbook file stays as it was.
        LimitedFolder folder(dir.filePath("read-only"), 1024);
        {
            auto book = Logbook::Open(folder.Path().toStdString(), config);
            ASSERT_TRUE(book.Ok()) << book.Error();
            ASSERT_TRUE(Archive(**book, kept, now).Ok());
        }
        const std::string before = FileBytes(folder.FilePath("logbook.sqlite"));
        if (!folder.MakeReadOnly())
            GTEST_SKIP() << "this process may not make a folder read-only";
        // Opened for reading: listed and read, with the reason nothing can be kept; a download
        // is refused with the reason, and the file stays as it was.
        auto book = Logbook::Open(folder.Path().toStdString(), config);
        ASSERT_TRUE(book.Ok()) << book.Error();
        EXPECT_NE((*book)->ReadOnly().find("new flights cannot be kept in it"), std::string::npos)
            << (*book)->ReadOnly();
        auto entries = (*book)->List();
        ASSERT_TRUE(entries.Ok() && entries->size() == 1u);
        EXPECT_TRUE((*book)->LoadLog((*entries)[0].id, config).Ok());
        const auto archived = Archive(**book, big, now);
        ASSERT_FALSE(archived.Ok());
        EXPECT_FALSE(archived.Error().empty());
        EXPECT_EQ(FileBytes(folder.FilePath("logbook.sqlite")), before);
    }
}

TEST_F(LogbookTest, AWriterKilledInTheMiddleLeavesAllOrNothing)
{
    auto book = Open();
    ASSERT_TRUE(book);
    const std::vector<BrixoLog> before = {Flight(config, 50000, 60)};
    ASSERT_TRUE(Archive(*book, before, now).Ok());
    // A writer that stops after 5 of its 20 flights, until it is killed.
    QProcess writer;
    writer.start(QStringLiteral(LOGBOOK_WRITER), {dir.path(), QStringLiteral("20"), QStringLiteral("5")});
    ASSERT_TRUE(writer.waitForStarted());
    ASSERT_TRUE(writer.waitForReadyRead(30000));
    EXPECT_EQ(writer.readAll().trimmed(), "written 5");
    writer.kill();  // SIGKILL: no rollback, no clean close
    writer.waitForFinished();
    EXPECT_EQ(Scalar(Db(), "PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(book->List()->size(), 1u);
    // Run through, the same writer lands all of its flights.
    writer.start(QStringLiteral(LOGBOOK_WRITER), {dir.path(), QStringLiteral("20"), QStringLiteral("0")});
    ASSERT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    EXPECT_EQ(book->List()->size(), 21u);
}

TEST(ImageStore, AnImageIsOneFileNamedByWhatItHolds)
{
    QTemporaryDir dir;
    const ImageStore store(dir.filePath("images").toStdString());
    const std::vector<uint8_t> image = {1, 2, 3, 4, 5}, other = {1, 2, 3, 4, 6};
    const std::string hash = ImageStore::HashOf(image);
    EXPECT_EQ(hash, "74f81fe167d99b4cb41d6d0ccda82278caee9f3e2f25d5e5a3936ff3dcec60d0");
    auto first = store.Keep(image, hash);
    ASSERT_TRUE(first.Ok()) << first.Error();
    EXPECT_EQ(*first, store.Folder() + "/" + hash + ".mem");
    // Kept again: the same file, not written again; another image beside it.
    // (A safe write replaces the file: a new inode.)
    const auto inode = [](const std::string& path) {
        struct stat st {};
        return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
    };
    const auto written = inode(*first);
    auto again = store.Keep(image, hash);
    auto beside = store.Keep(other, ImageStore::HashOf(other));
    ASSERT_TRUE(again.Ok() && beside.Ok());
    EXPECT_EQ(*again, *first);
    EXPECT_NE(*beside, *first);
    EXPECT_EQ(inode(*first), written);
    EXPECT_EQ(QDir(QString::fromStdString(store.Folder())).entryList(QDir::Files).size(), 2);
    // A damaged file of its name is written whole again.
    WriteText(QString::fromStdString(*first), "\x01\x02");
    ASSERT_TRUE(store.Keep(image, hash).Ok());
    EXPECT_EQ(FileBytes(QString::fromStdString(*first)), std::string("\x01\x02\x03\x04\x05"));
    // Restored only where the file is gone.
    EXPECT_EQ(*ImageStore::Restore(*first, image), false);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(*first)));
    EXPECT_EQ(*ImageStore::Restore(*first, image), true);
    EXPECT_EQ(FileBytes(QString::fromStdString(*first)), std::string("\x01\x02\x03\x04\x05"));
    // A folder that cannot be made is said.
    WriteText(dir.filePath("file"), "x");
    const auto refused = ImageStore(dir.filePath("file/images").toStdString()).Keep(image, hash);
    ASSERT_FALSE(refused.Ok());
    EXPECT_NE(refused.Error().find("cannot be made"), std::string::npos) << refused.Error();
}
