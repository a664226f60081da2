#include "logbook/logbook.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimeZone>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <tuple>

#include "app/log_file.h"
#include "base/file_access.h"
#include "base/tr_text.h"
#include "config/configuration.h"
#include "dsp/decoder.h"
#include "logbook/schema.h"
#include "logbook/sql_text.h"

namespace {

const char kEntryColumns[] =
    "id, content_hash, date, rate, device_id, record_size, samples, duration, max_altitude, downloaded_at,"
    " image_id, image_offset, name, flown_at, site, comment, start_elevation, airtime, flight_count, marks,"
    " flown_on";

std::string UtcText(FileTime time)
{
    return QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(time), QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"))
        .toStdString();
}

QVariant Optional(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
}

QVariant Optional(const std::optional<std::string>& v)
{
    return v ? QVariant(Text(*v)) : QVariant(QMetaType(QMetaType::QString));
}

QVariant Optional(const std::optional<FileTime>& v)
{
    return v ? QVariant(static_cast<qlonglong>(*v)) : QVariant(QMetaType(QMetaType::LongLong));
}

LogbookEntry EntryOf(const QSqlQuery& q)
{
    LogbookEntry e;
    e.id = q.value(0).toLongLong();
    e.hash = q.value(1).toString().toStdString();
    e.date = static_cast<FileTime>(q.value(2).toLongLong());
    e.rate = q.value(3).toUInt();
    e.deviceId = q.value(4).toUInt();
    e.recordSize = q.value(5).toUInt();
    e.samples = q.value(6).toULongLong();
    e.duration = q.value(7).toDouble();
    if (!q.value(8).isNull())
        e.maxAltitude = q.value(8).toDouble();
    e.downloadedAt = q.value(9).toString().toStdString();
    if (!q.value(10).isNull())
        e.imageId = q.value(10).toLongLong();
    e.imageOffset = q.value(11).toUInt();
    if (!q.value(12).isNull())
        e.fields.name = q.value(12).toString().toStdString();
    if (!q.value(13).isNull())
        e.fields.flownAt = static_cast<FileTime>(q.value(13).toLongLong());
    e.fields.site = q.value(14).toString().toStdString();
    e.fields.comment = q.value(15).toString().toStdString();
    if (!q.value(16).isNull())
        e.fields.startElevation = q.value(16).toDouble();
    e.airtime = q.value(17).isNull() ? e.duration : q.value(17).toDouble();
    if (!q.value(18).isNull())
        e.flightCount = q.value(18).toInt();
    if (!q.value(19).isNull())
        e.correctedFlights = FlightSpansFromText(q.value(19).toString().toStdString());
    // A day another program wrote in some other form is passed over.
    if (!q.value(20).isNull())
        if (std::string day = q.value(20).toString().toStdString(); FlownOnProblem(day).empty())
            e.fields.flownOn = std::move(day);
    return e;
}

// Binds a log's airtime, flight_count and max_altitude, in this order.
void BindFacts(QSqlQuery& q, const AltitudeFacts& facts, double duration)
{
    q.addBindValue(facts.flights ? TotalAirtime(*facts.flights) : duration);
    q.addBindValue(facts.flights ? QVariant(static_cast<int>(facts.flights->size()))
                                 : QVariant(QMetaType(QMetaType::Int)));
    q.addBindValue(Optional(facts.maxAltitude));
}

// A new flight; one that is there already (by its content) is left as it is, also when another
// writer entered it a moment ago.
const char kInsertFlight[] =
    "INSERT OR IGNORE INTO flights (content_hash, image_id, image_offset, downloaded_at, date, rate, device_id,"
    " record_size, samples, duration, records, airtime, flight_count, max_altitude)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// Binds the values of kInsertFlight: the log, the image it came from (a null id for none),
// when it entered the logbook, and the date it is known by.
void BindFlight(QSqlQuery& q, const BrixoLog& log, const QString& hash, const QVariant& imageId, uint32_t offset,
                FileTime enteredAt, FileTime date)
{
    q.addBindValue(hash);
    q.addBindValue(imageId);
    q.addBindValue(offset);
    q.addBindValue(Text(UtcText(enteredAt)));
    q.addBindValue(static_cast<qlonglong>(date));
    q.addBindValue(log.m_rate);
    q.addBindValue(DeviceIdOf(log));
    q.addBindValue(log.m_recordSize);
    q.addBindValue(static_cast<qulonglong>(log.SampleCount()));
    q.addBindValue(log.Duration());
    q.addBindValue(
        QByteArray(reinterpret_cast<const char*>(log.m_rawData.data()), static_cast<qsizetype>(log.m_rawData.size())));
    BindFacts(q, AltitudeFactsOf(log), log.Duration());
}

// A log of a flight's row: its device found in the configuration by id.
Result<BrixoLog> LogOfRow(int64_t id, uint32_t rate, uint32_t deviceId, uint32_t recordSize, const QByteArray& records,
                          FileTime date, const Configuration& config)
{
    BrixoLog log;
    log.m_rate = rate;
    log.m_device = config.FindDevice(static_cast<uint8_t>(deviceId));
    // A device without "data-chunk" takes twice the channel count byte as its record size.
    if (!log.m_device || !log.SetupForDevice(static_cast<uint8_t>(std::min<uint32_t>(recordSize / 2, 255))))
        return Fail("the configuration knows no device " + std::to_string(deviceId) + " to read flight " +
                    std::to_string(id) + " with");
    if (log.m_recordSize != recordSize)
        return Fail("flight " + std::to_string(id) + " has records of " + std::to_string(recordSize) +
                    " bytes, while its device now has " + std::to_string(log.m_recordSize));
    log.m_rawData.assign(records.begin(), records.end());
    log.m_date = date;
    return log;
}

// Runs an update prepared with the flight's id as its last value: the reason when it fails, or
// when there is no such flight.
Status UpdateFlight(QSqlQuery& q, int64_t id)
{
    q.addBindValue(static_cast<qlonglong>(id));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    if (q.numRowsAffected() == 0)
        return Fail(
            TrText("Logbook", QT_TRANSLATE_NOOP("Logbook", "the logbook has no flight %1"), {std::to_string(id)}));
    return {};
}

// Less free space than this, and the logbook is opened for reading only: the index of the
// write-ahead log alone takes 32 KiB, a download's pages and image more.
constexpr qint64 kLeastFreeBytes = 256 * 1024;

// Whether SQLite's reason says that the file cannot be written at all, as opposed to for now
// (another writer holds it).

bool CannotWrite(const std::string& why)
{
    for (const char* reason : {"readonly", "read-only", "unable to open", "disk is full", "disk I/O error"})
        if (why.find(reason) != std::string::npos)
            return true;
    return false;
}

}  // namespace

std::string FlightHash(const BrixoLog& log)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    unsigned char header[9];
    const uint32_t rate = log.m_rate, size = log.m_recordSize;
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<unsigned char>(rate >> (8 * i));
        header[4 + i] = static_cast<unsigned char>(size >> (8 * i));
    }
    header[8] = static_cast<unsigned char>(DeviceIdOf(log));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(header), sizeof header));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(log.m_rawData.data()),
                                static_cast<qsizetype>(log.m_rawData.size())));
    return hash.result().toHex().toStdString();
}

uint32_t DeviceIdOf(const BrixoLog& log)
{
    if (!log.m_device)
        return 0;
    const auto id = IntAttribute(log.m_device.node, "id");
    return id && *id >= 0 && *id <= 255 ? static_cast<uint32_t>(*id) : 0;
}

AltitudeFacts AltitudeFactsOf(const BrixoLog& log)
{
    AltitudeFacts facts;
    std::vector<double> altitude;
    if (!DecodeAltitude(log, altitude))
        return facts;
    if (!altitude.empty()) {
        const double max = *std::max_element(altitude.begin(), altitude.end());
        if (std::isfinite(max))
            facts.maxAltitude = max;
    }
    facts.flights = FindFlights(altitude, log.SamplePeriod());
    return facts;
}

std::string Logbook::DefaultFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? std::string() : (base + QStringLiteral("/Nivra")).toStdString();
}

Logbook::Logbook(std::string folder, std::string connection)
    : m_folder(std::move(folder)), m_connection(std::move(connection))
{
}

Logbook::~Logbook()
{
    {
        QSqlDatabase db = QSqlDatabase::database(Text(m_connection), false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(Text(m_connection));
}

std::string Logbook::DatabasePath() const
{
    return m_folder + "/logbook.sqlite";
}

Result<std::unique_ptr<Logbook>> Logbook::Open(const std::string& folder, const Configuration& config,
                                               int busyTimeoutMs)
{
    if (folder.empty())
        return Fail(TrText("Logbook", QT_TRANSLATE_NOOP("Logbook", "there is no folder for user data")));
    if (!QDir().mkpath(Text(folder)))
        return Fail(TrText("Logbook", QT_TRANSLATE_NOOP("Logbook", "the folder %1 cannot be made"), {folder}));
    static std::atomic<int> connections{0};
    const std::string connection = "nivra-logbook-" + std::to_string(++connections);
    std::unique_ptr<Logbook> book(new Logbook(folder, connection));
    const QString path = Text(book->DatabasePath());
    if (!LooksLikeSqlite(path))
        return Fail(TrText("Logbook",
                           QT_TRANSLATE_NOOP("Logbook", "%1 is not an SQLite database; it was left as it is"),
                           {book->DatabasePath()}));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Text(connection));
    if (!db.isValid())
        return Fail(TrText("Logbook", QT_TRANSLATE_NOOP("Logbook",
                                                        "the SQLite driver of Qt is missing (on Debian: "
                                                        "the package libqt6sql6-sqlite)")));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::max(busyTimeoutMs, 0)));
    // On a disk too full for the write-ahead files, opening for writing would leave them behind,
    // empty, beside a logbook that could not be written anyway: it is opened for reading. Not
    // when a write-ahead log with changes is there (a writer at work, or one that was killed):
    // read without it, the newest flights would be missing, and its files are there already.
    const QFileInfo writeAhead(path + QStringLiteral("-wal"));
    if (const qint64 free = QStorageInfo(Text(folder)).bytesAvailable();
        free >= 0 && free < kLeastFreeBytes && QFileInfo::exists(path) &&
        !(writeAhead.exists() && writeAhead.size() > 0)) {
        if (Status opened = book->ReopenReadOnly("the disk is full"); !opened)
            return Fail(book->DatabasePath() + ": " + opened.Error());
        return book;
    }
    if (!db.open())
        return Fail(book->DatabasePath() + ": " + Why(db.lastError()));
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        // A logbook in write-ahead mode is not even read where the files it reads by cannot be made.
        const std::string why = Why(version.lastError());
        version.finish();
        if (!CannotWrite(why))
            return Fail(book->DatabasePath() + ": " + why);
        if (Status opened = book->ReopenReadOnly(why); !opened)
            return Fail(book->DatabasePath() + ": " + opened.Error());
        return book;
    }
    const int schema = version.value(0).toInt();
    version.finish();
    if (schema > kLogbookSchema)
        return Fail(book->DatabasePath() + " was written by a newer Nivra (schema " + std::to_string(schema) +
                    "); it was left as it is");
    if (schema < 0)
        return Fail(book->DatabasePath() + " has an unknown schema (" + std::to_string(schema) +
                    "); it was left as it is");
    // Readers never wait for writers, and a write waits for another process's write.
    Status prepared;
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", "PRAGMA foreign_keys=ON"})
        if (prepared = book->Execute(pragma); !prepared)
            break;
    if (prepared)
        prepared = book->Migrate(config);
    if (!prepared) {
        // A logbook that cannot be written (a read-only folder or mount, a full disk) is still
        // read: listed, opened and exported, with the reason new flights cannot be kept.
        if (!CannotWrite(prepared.Error()))
            return Fail(book->DatabasePath() + ": " + prepared.Error());
        if (Status opened = book->ReopenReadOnly(prepared.Error()); !opened)
            return Fail(book->DatabasePath() + ": " + opened.Error());
    }
    return book;
}

Status Logbook::ReopenReadOnly(const std::string& why)
{
    const QString path = Text(DatabasePath());
    {
        QSqlDatabase db = QSqlDatabase::database(Text(m_connection), false);
        db.close();
    }
    QSqlDatabase db = QSqlDatabase::database(Text(m_connection), false);
    // Immutable: no lock or shared-memory file is made beside it, which a read-only folder or a
    // full disk would refuse, and none is left behind.
    db.setDatabaseName(QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(path, "/")) +
                       QStringLiteral("?immutable=1"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    if (!db.open())
        return Fail(why);
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return Fail(why);
    if (version.value(0).toInt() != kLogbookSchema)
        return Fail(why + "; it cannot be brought up to date, and it is of an older schema");
    m_readOnly = "it cannot be written (" + why + "): new flights cannot be kept in it";
    return {};
}

Status Logbook::Execute(const std::string& sql)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.exec(Text(sql)))
        return Fail(Why(q.lastError()));
    return {};
}

Status Logbook::Migrate(const Configuration& config)
{
    return MigrateSchema(Text(m_connection), [&](int version) -> Status {
        // The airtime and highest point of the flights kept before they were stored.
        return version == 3 ? AnalyseOlderFlights(config) : Status{};
    });
}

Status Logbook::AnalyseOlderFlights(const Configuration& config)
{
    QSqlDatabase db = QSqlDatabase::database(Text(m_connection));
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral(
            "SELECT id, rate, device_id, record_size, records, date, duration FROM flights WHERE airtime IS NULL")))
        return Fail(Why(rows.lastError()));
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral(
            "UPDATE flights SET airtime = ?, flight_count = ?, max_altitude = COALESCE(max_altitude, ?) WHERE id = ?")))
        return Fail(Why(update.lastError()));
    while (rows.next()) {
        const int64_t id = rows.value(0).toLongLong();
        const auto log =
            LogOfRow(id, rows.value(1).toUInt(), rows.value(2).toUInt(), rows.value(3).toUInt(),
                     rows.value(4).toByteArray(), static_cast<FileTime>(rows.value(5).toLongLong()), config);
        // A flight the configuration cannot decode keeps its logger-on duration, marked as such.
        BindFacts(update, log ? AltitudeFactsOf(*log) : AltitudeFacts{}, rows.value(6).toDouble());
        update.addBindValue(static_cast<qlonglong>(id));
        if (!update.exec())
            return Fail(Why(update.lastError()));
    }
    return {};
}

Result<ArchiveReport> Logbook::ArchiveDownload(const std::vector<uint8_t>& image,
                                               const std::vector<BuiltFlight>& flights, FileTime receivedAt)
{
    ArchiveReport report;
    const std::string hash = ImageStore::HashOf(image);
    // The flights are kept even when their memory image cannot be: they are what the pilot wants.
    if (auto kept = Images().Keep(image, hash))
        report.imagePath = *kept;
    else
        report.imageProblem = kept.Error();
    const std::string keptIn =
        report.imagePath.empty() ? "; " + report.imageProblem : ". The memory image is kept in " + report.imagePath;

    QSqlDatabase db = QSqlDatabase::database(Text(m_connection));
    const auto failed = [&](const QSqlQuery& q) -> Result<ArchiveReport> {
        const std::string why = Why(q.lastError());
        db.rollback();
        return Fail("the flights could not be entered in the logbook: " + why + keptIn);
    };
    if (!db.transaction())
        return Fail("the flights could not be entered in the logbook: " + Why(db.lastError()) + keptIn);
    QVariant imageId = QVariant(QMetaType(QMetaType::LongLong));  // none without an image
    if (!report.imagePath.empty()) {
        QSqlQuery q(db);
        if (!q.prepare(QStringLiteral("INSERT INTO images (received_at, size, sha256, path) VALUES (?, ?, ?, ?)")))
            return failed(q);
        q.addBindValue(Text(UtcText(receivedAt)));
        q.addBindValue(static_cast<qlonglong>(image.size()));
        q.addBindValue(Text(hash));
        q.addBindValue(Text(report.imagePath));
        if (!q.exec())
            return failed(q);
        imageId = q.lastInsertId().toLongLong();
    }

    QSqlQuery insert(db);
    if (!insert.prepare(QLatin1String(kInsertFlight)))
        return failed(insert);
    int written = 0;
    for (const BuiltFlight& f : flights) {
        // A downloaded log is dated with the download.
        BindFlight(insert, f.log, Text(FlightHash(f.log)), imageId, f.offset, receivedAt, receivedAt);
        if (!insert.exec())
            return failed(insert);
        if (insert.numRowsAffected() > 0) {
            ++report.added;
            report.addedIds.push_back(insert.lastInsertId().toLongLong());
        } else
            ++report.alreadyThere;
        if (m_afterFlightWritten)
            m_afterFlightWritten(++written);
    }
    if (!db.commit()) {
        const std::string why = Why(db.lastError());
        db.rollback();
        return Fail("the flights could not be entered in the logbook: " + why + keptIn);
    }
    return report;
}

Result<std::optional<std::string>> Logbook::ImagePathOf(const std::vector<uint8_t>& image)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.prepare(QStringLiteral("SELECT path FROM images WHERE sha256 = ? AND size = ? ORDER BY id LIMIT 1")))
        return Fail(Why(q.lastError()));
    q.addBindValue(Text(ImageStore::HashOf(image)));
    q.addBindValue(static_cast<qlonglong>(image.size()));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    if (!q.next())
        return std::optional<std::string>();
    return std::optional<std::string>(q.value(0).toString().toStdString());
}

Result<int64_t> Logbook::Add(const BrixoLog& log, FileTime addedAt)
{
    auto added = AddAll({&log}, addedAt);
    if (!added)
        return Fail(added.Error());
    return added->front().id;
}

Result<std::vector<AddedLog>> Logbook::AddAll(const std::vector<const BrixoLog*>& logs, FileTime addedAt)
{
    // One write for the whole file: a kill leaves all of it or none, and it is synced once.
    if (Status s = Execute("BEGIN IMMEDIATE"); !s)
        return Fail(s.Error());
    QSqlDatabase db = QSqlDatabase::database(Text(m_connection));
    const auto failed = [&](const QSqlQuery& q) -> Result<std::vector<AddedLog>> {
        const std::string why = Why(q.lastError());
        (void)Execute("ROLLBACK");
        return Fail(why);
    };
    QSqlQuery insert(db);
    if (!insert.prepare(QLatin1String(kInsertFlight)))
        return failed(insert);
    QSqlQuery find(db);
    if (!find.prepare(QStringLiteral("SELECT id FROM flights WHERE content_hash = ?")))
        return failed(find);
    std::vector<AddedLog> added;
    for (const BrixoLog* log : logs) {
        const QString hash = Text(FlightHash(*log));
        find.addBindValue(hash);
        if (!find.exec())
            return failed(find);
        if (find.next()) {
            added.push_back({find.value(0).toLongLong(), true});
            find.finish();
            continue;
        }
        find.finish();
        BindFlight(insert, *log, hash, QVariant(QMetaType(QMetaType::LongLong)), 0, addedAt, log->m_date);
        if (!insert.exec())
            return failed(insert);
        added.push_back({insert.lastInsertId().toLongLong(), false});
    }
    if (Status s = Execute("COMMIT"); !s) {
        (void)Execute("ROLLBACK");
        return Fail(s.Error());
    }
    return added;
}

Result<std::vector<LogbookEntry>> Logbook::List()
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM flights ORDER BY id DESC").arg(QLatin1String(kEntryColumns))))
        return Fail(Why(q.lastError()));
    std::vector<LogbookEntry> entries;
    while (q.next())
        entries.push_back(EntryOf(q));
    // Newest flown first (the time flown, else the day, else the download); the newest added
    // first among those of one time.
    std::stable_sort(entries.begin(), entries.end(), [](const LogbookEntry& a, const LogbookEntry& b) {
        return a.FlownOrDownloaded() > b.FlownOrDownloaded();
    });
    return entries;
}

Result<std::optional<LogbookEntry>> Logbook::Find(int64_t id)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.prepare(QStringLiteral("SELECT %1 FROM flights WHERE id = ?").arg(QLatin1String(kEntryColumns))))
        return Fail(Why(q.lastError()));
    q.addBindValue(static_cast<qlonglong>(id));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    if (!q.next())
        return std::optional<LogbookEntry>();
    return std::optional<LogbookEntry>(EntryOf(q));
}

Result<std::optional<LogbookEntry>> Logbook::FindByHash(const std::string& hash)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.prepare(QStringLiteral("SELECT %1 FROM flights WHERE content_hash = ?").arg(QLatin1String(kEntryColumns))))
        return Fail(Why(q.lastError()));
    q.addBindValue(Text(hash));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    if (!q.next())
        return std::optional<LogbookEntry>();
    return std::optional<LogbookEntry>(EntryOf(q));
}

Result<BrixoLog> Logbook::LoadLog(int64_t id, const Configuration& config)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.prepare(QStringLiteral("SELECT rate, device_id, record_size, records, date FROM flights WHERE id = ?")))
        return Fail(Why(q.lastError()));
    q.addBindValue(static_cast<qlonglong>(id));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    if (!q.next())
        return Fail("the logbook has no flight " + std::to_string(id));
    return LogOfRow(id, q.value(0).toUInt(), q.value(1).toUInt(), q.value(2).toUInt(), q.value(3).toByteArray(),
                    static_cast<FileTime>(q.value(4).toLongLong()), config);
}

unsigned ChangedPilotFields(const PilotFields& before, const PilotFields& after)
{
    return (before.name != after.name ? kPilotName : 0U) | (before.flownAt != after.flownAt ? kPilotFlownAt : 0U) |
           (before.flownOn != after.flownOn ? kPilotFlownOn : 0U) | (before.site != after.site ? kPilotSite : 0U) |
           (before.comment != after.comment ? kPilotComment : 0U) |
           (before.startElevation != after.startElevation ? kPilotStartElevation : 0U);
}

std::string StartElevationProblem(double metres)
{
    if (std::isfinite(metres) && metres >= kLowestStartElevation && metres <= kHighestStartElevation)
        return {};
    return "a start elevation lies from -500 to 9000 m above sea level";
}

std::string FlownOnProblem(const std::string& day)
{
    const QDate date = QDate::fromString(QString::fromStdString(day), Qt::ISODate);
    if (day.size() == 10 && date.isValid() && date.year() >= 1970 && date.year() <= 9999)
        return {};
    return "a day flown is written as 2026-12-07, not \"" + day + "\"";
}

FileTime LogbookEntry::FlownOrDownloaded() const
{
    if (fields.flownAt)
        return *fields.flownAt;
    if (fields.flownOn) {
        const QDate day = QDate::fromString(QString::fromStdString(*fields.flownOn), Qt::ISODate);
        if (day.isValid())
            return FileTimeFromUnixMs(QDateTime(day, QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch());
    }
    return date;
}

Status Logbook::SetFields(int64_t id, const PilotFields& fields, unsigned which)
{
    if ((which & kPilotStartElevation) && fields.startElevation)
        if (std::string problem = StartElevationProblem(*fields.startElevation); !problem.empty())
            return Fail(problem);
    if ((which & kPilotFlownOn) && fields.flownOn)
        if (std::string problem = FlownOnProblem(*fields.flownOn); !problem.empty())
            return Fail(problem);
    // Text that is not UTF-8 would be kept with its bad bytes replaced, silently.
    for (const auto& [field, text, what] :
         {std::tuple(kPilotName, fields.name.value_or(""), "name"), std::tuple(kPilotSite, fields.site, "site"),
          std::tuple(kPilotComment, fields.comment, "comment")})
        if ((which & field) && !IsValidUtf8(text))
            return Fail(std::string("the ") + what + " is not UTF-8 text");
    const struct {
        unsigned field;
        const char* column;
        QVariant value;
    } columns[] = {
        {kPilotName, "name", Optional(fields.name)},
        {kPilotFlownAt, "flown_at", Optional(fields.flownAt)},
        {kPilotSite, "site", Text(fields.site)},
        {kPilotComment, "comment", Text(fields.comment)},
        {kPilotStartElevation, "start_elevation", Optional(fields.startElevation)},
        {kPilotFlownOn, "flown_on", Optional(fields.flownOn)},
    };
    QString sets;
    for (const auto& c : columns)
        if (which & c.field)
            sets += QStringLiteral("%1%2 = ?")
                        .arg(sets.isEmpty() ? QString() : QStringLiteral(", "), QLatin1String(c.column));
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    // Nothing to change still says whether the flight is there.
    if (!q.prepare(sets.isEmpty() ? QStringLiteral("UPDATE flights SET id = id WHERE id = ?")
                                  : QStringLiteral("UPDATE flights SET %1 WHERE id = ?").arg(sets)))
        return Fail(Why(q.lastError()));
    for (const auto& c : columns)
        if (which & c.field)
            q.addBindValue(c.value);
    return UpdateFlight(q, id);
}

Status Logbook::SetFlights(int64_t id, const std::vector<FlightSpan>& flights, bool corrected)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    if (!q.prepare(QStringLiteral("UPDATE flights SET airtime = ?, flight_count = ?, marks = ? WHERE id = ?")))
        return Fail(Why(q.lastError()));
    q.addBindValue(TotalAirtime(flights));
    q.addBindValue(static_cast<int>(flights.size()));
    q.addBindValue(corrected ? QVariant(Text(FlightSpansText(flights))) : QVariant(QMetaType(QMetaType::QString)));
    return UpdateFlight(q, id);
}

Status Logbook::Delete(const std::vector<int64_t>& ids)
{
    QSqlDatabase db = QSqlDatabase::database(Text(m_connection));
    if (!db.transaction())
        return Fail(Why(db.lastError()));
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("DELETE FROM flights WHERE id = ?"))) {
        const std::string why = Why(q.lastError());
        db.rollback();
        return Fail(why);
    }
    for (int64_t id : ids) {
        q.addBindValue(static_cast<qlonglong>(id));
        if (!q.exec()) {
            const std::string why = Why(q.lastError());
            db.rollback();
            return Fail(why);
        }
    }
    if (!db.commit()) {
        const std::string why = Why(db.lastError());
        db.rollback();
        return Fail(why);
    }
    return {};
}

Result<std::map<int64_t, ClimbFacts>> Logbook::ClimbFactsFor(const std::string& recipe)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    q.setForwardOnly(true);
    if (!q.prepare(
            QStringLiteral("SELECT flight_id, height_gained, best_climb, climbs FROM flight_climbs WHERE recipe = ?")))
        return Fail(Why(q.lastError()));
    q.addBindValue(Text(recipe));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    std::map<int64_t, ClimbFacts> facts;
    while (q.next()) {
        ClimbFacts& f = facts[q.value(0).toLongLong()];
        if (!q.value(1).isNull())
            f.heightGained = q.value(1).toDouble();
        if (!q.value(2).isNull())
            f.bestClimb = q.value(2).toDouble();
        f.climbs = q.value(3).toInt();
    }
    return facts;
}

Result<std::vector<int64_t>> Logbook::FlightsWithoutClimbFacts(const std::string& recipe)
{
    QSqlQuery q(QSqlDatabase::database(Text(m_connection)));
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT f.id FROM flights f LEFT JOIN flight_climbs c ON c.flight_id = f.id"
                                  " AND c.recipe = ? WHERE c.flight_id IS NULL ORDER BY f.id DESC")))
        return Fail(Why(q.lastError()));
    q.addBindValue(Text(recipe));
    if (!q.exec())
        return Fail(Why(q.lastError()));
    std::vector<int64_t> ids;
    while (q.next())
        ids.push_back(q.value(0).toLongLong());
    return ids;
}

Status Logbook::SetClimbFacts(const std::vector<std::pair<int64_t, ClimbFacts>>& facts, const std::string& recipe)
{
    QSqlDatabase db = QSqlDatabase::database(Text(m_connection));
    if (!db.transaction())
        return Fail(Why(db.lastError()));
    QSqlQuery q(db);
    const auto failed = [&](const QSqlError& error) -> Status {
        const std::string why = Why(error);
        q.finish();
        db.rollback();
        return Fail(why);
    };
    // Only for a flight that is there: one deleted while its climbs were found stays deleted.
    if (!q.prepare(QStringLiteral("INSERT OR REPLACE INTO flight_climbs (flight_id, recipe, height_gained, best_climb,"
                                  " climbs) SELECT id, ?, ?, ?, ? FROM flights WHERE id = ?")))
        return failed(q.lastError());
    for (const auto& [id, f] : facts) {
        q.addBindValue(Text(recipe));
        q.addBindValue(Optional(f.heightGained));
        q.addBindValue(Optional(f.bestClimb));
        q.addBindValue(f.climbs);
        q.addBindValue(static_cast<qlonglong>(id));
        if (!q.exec())
            return failed(q.lastError());
    }
    if (!db.commit())
        return failed(db.lastError());
    return {};
}
