#include "logbook/schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <string>
#include <vector>

#include "logbook/sql_text.h"

namespace {

// One list of statements per version: version n is reached by running list n - 1.
const std::vector<std::vector<const char*>> kMigrations = {
    // 1: the memory images as received, and every flight with its raw records.
    {
        "CREATE TABLE images (id INTEGER PRIMARY KEY, received_at TEXT NOT NULL, size INTEGER NOT NULL,"
        " sha256 TEXT NOT NULL, path TEXT NOT NULL)",
        "CREATE TABLE flights (id INTEGER PRIMARY KEY, content_hash TEXT NOT NULL UNIQUE,"
        " image_id INTEGER REFERENCES images(id) ON DELETE SET NULL, image_offset INTEGER NOT NULL DEFAULT 0,"
        " downloaded_at TEXT NOT NULL, date INTEGER NOT NULL, rate INTEGER NOT NULL, device_id INTEGER NOT NULL,"
        " record_size INTEGER NOT NULL, samples INTEGER NOT NULL, duration REAL NOT NULL, records BLOB NOT NULL)",
    },
    // 2: what the pilot notes about a flight, and its highest point for the list.
    {
        "ALTER TABLE flights ADD COLUMN name TEXT",
        "ALTER TABLE flights ADD COLUMN flown_at INTEGER",
        "ALTER TABLE flights ADD COLUMN site TEXT NOT NULL DEFAULT ''",
        "ALTER TABLE flights ADD COLUMN comment TEXT NOT NULL DEFAULT ''",
        "ALTER TABLE flights ADD COLUMN start_elevation REAL",
        "ALTER TABLE flights ADD COLUMN max_altitude REAL",
        "CREATE INDEX flights_by_date ON flights (date)",
    },
    // 3: the airtime from takeoff to landing, the number of flights in the log (none when its
    // altitude cannot be analysed: the airtime is then its logger-on duration), and the
    // takeoff and landing marks the pilot corrected. The older flights are analysed by the
    // caller's upgrade in the same transaction.
    {
        "ALTER TABLE flights ADD COLUMN airtime REAL",
        "ALTER TABLE flights ADD COLUMN flight_count INTEGER",
        "ALTER TABLE flights ADD COLUMN marks TEXT",
    },
    // 4: the day flown, "2026-12-07", as the pilot gave it at the download.
    {
        "ALTER TABLE flights ADD COLUMN flown_on TEXT",
    },
    // 5: the climbs of each flight as the filters and climb rules named by recipe find them,
    // for the season's statistics; gone with their flight. No height gained: the altitude
    // could not be analysed.
    {
        "CREATE TABLE flight_climbs (flight_id INTEGER PRIMARY KEY REFERENCES flights(id) ON DELETE CASCADE,"
        " recipe TEXT NOT NULL, height_gained REAL, best_climb REAL, climbs INTEGER NOT NULL)",
    },
};
static_assert(kLogbookSchema == 5, "one list of statements per version");

}  // namespace

bool LooksLikeSqlite(const QString& path)
{
    QFile f(path);
    if (!f.exists() || f.size() == 0)
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return true;  // let the database say why it cannot be read
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

Status MigrateSchema(const QString& connection, const std::function<Status(int version)>& upgraded)
{
    QSqlDatabase db = QSqlDatabase::database(connection);
    QSqlQuery q(db);
    const auto execute = [&q](const QString& sql) -> Status {
        if (!q.exec(sql))
            return Fail(Why(q.lastError()));
        return {};
    };
    const auto rollBack = [&](std::string why) -> Status {
        q.finish();
        (void)execute(QStringLiteral("ROLLBACK"));
        return Fail(std::move(why));
    };
    if (Status s = execute(QStringLiteral("BEGIN IMMEDIATE")); !s)
        return s;
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return rollBack(Why(q.lastError()));
    int current = q.value(0).toInt();
    q.finish();
    for (; current >= 0 && current < kLogbookSchema; ++current) {
        const std::string step = "the logbook cannot be brought to schema " + std::to_string(current + 1) + ": ";
        for (const char* statement : kMigrations[static_cast<size_t>(current)])
            if (Status s = execute(QString::fromLatin1(statement)); !s)
                return rollBack(step + s.Error());
        if (Status s = upgraded(current + 1); !s)
            return rollBack(step + s.Error());
        if (Status s = execute(QStringLiteral("PRAGMA user_version = %1").arg(current + 1)); !s)
            return rollBack(s.Error());
    }
    return execute(QStringLiteral("COMMIT"));
}
