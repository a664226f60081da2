#pragma once

#include <QString>

#include <functional>

#include "base/result.h"

// The logbook's schema: the version this program writes, and the statements that bring an
// older database up to it.
constexpr int kLogbookSchema = 5;

// A database file is either empty (new) or starts with SQLite's own header.
bool LooksLikeSqlite(const QString& path);

// Brings the database of this Qt SQL connection up to kLogbookSchema in one write transaction
// (BEGIN IMMEDIATE: two processes opening a new logbook at once migrate it one after the
// other). After the statements of each version, upgraded(version) fills in what they cannot
// compute, in the same transaction. A newer or unknown schema is refused by the caller before.
Status MigrateSchema(const QString& connection, const std::function<Status(int version)>& upgraded);
