#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/brixo_log.h"
#include "base/result.h"
#include "device/memory_image.h"
#include "dsp/airtime.h"
#include "logbook/image_store.h"
#include "logbook/schema.h"

class Configuration;

// What the pilot notes about a flight. Empty optionals mean "as the log says": the name
// the tree gives it, the log's own date, no known start elevation. The logger has no clock:
// the day flown ("2026-12-07", given at the download) and the time flown (given in Log
// Properties, to the second) are the pilot's.
struct PilotFields {
    std::optional<std::string> name;
    std::optional<FileTime> flownAt;
    std::string site;
    std::string comment;
    std::optional<double> startElevation;  // metres above sea level
    std::optional<std::string> flownOn;

    bool operator==(const PilotFields&) const = default;
};

// Which of the pilot's fields a change writes, as bits.
enum PilotField : unsigned {
    kPilotName = 1,
    kPilotFlownAt = 2,
    kPilotSite = 4,
    kPilotComment = 8,
    kPilotStartElevation = 16,
    kPilotFlownOn = 32,
    kAllPilotFields = 63,
};
// The fields in which two differ.
unsigned ChangedPilotFields(const PilotFields& before, const PilotFields& after);

// A start elevation, in metres above sea level, from the Dead Sea's shore to above the highest
// launch: "" when it lies within, else why not.
constexpr double kLowestStartElevation = -500.0;
constexpr double kHighestStartElevation = 9000.0;
std::string StartElevationProblem(double metres);
// A day flown as the logbook keeps it, "2026-12-07": "" when it is one, else why not.
std::string FlownOnProblem(const std::string& day);

// One flight of the logbook, without its records.
struct LogbookEntry {
    int64_t id = 0;
    std::string hash;
    FileTime date = 0;  // the log's date: the time it was downloaded
    uint32_t rate = 0;
    uint32_t deviceId = 0;
    uint32_t recordSize = 0;
    uint64_t samples = 0;
    double duration = 0;                // seconds
    std::optional<double> maxAltitude;  // metres above the start
    std::string downloadedAt;           // UTC, "2026-12-07T03:15:20Z"
    std::optional<int64_t> imageId;     // the memory image it came from, if any
    uint32_t imageOffset = 0;
    PilotFields fields;
    // Seconds in the air: the flights found in the log, or as the pilot corrected them. A
    // log whose altitude could not be analysed counts its logger-on duration and has no
    // flight count.
    double airtime = 0;
    std::optional<int> flightCount;
    std::optional<std::vector<FlightSpan>> correctedFlights;  // the pilot's marks, when moved

    FileTime FlownAt() const { return fields.flownAt.value_or(date); }
    // Whether the pilot gave the day or the time flown; if not, the log is dated by its download.
    bool FlownKnown() const { return fields.flownAt || fields.flownOn; }
    // When it was flown as far as known: the time flown, else the day flown at its start, else
    // the download.
    FileTime FlownOrDownloaded() const;
};

// The climbs of a flight as the season's statistics count them: the height gained in them (none:
// its altitude could not be analysed), the best average climb (none: no climb) in metres and
// metres a second, and how many.
struct ClimbFacts {
    std::optional<double> heightGained;
    std::optional<double> bestClimb;
    int climbs = 0;

    bool operator==(const ClimbFacts&) const = default;
};

// A log from elsewhere offered to the logbook, and what became of it.
struct AddedLog {
    int64_t id = 0;
    bool alreadyThere = false;
};

// What an archived download left where.
struct ArchiveReport {
    std::string imagePath;     // empty when the image could not be kept
    std::string imageProblem;  // why not; the flights are kept all the same
    int added = 0;
    int alreadyThere = 0;
    std::vector<int64_t> addedIds;  // the new flights, in the download's order
};

// The flight's identity: SHA-256 over its rate, record size, device id and raw records,
// in lower-case hex. The same flight downloaded twice, or read back from an ".alt" file,
// has the same hash.
std::string FlightHash(const BrixoLog& log);
// The numeric id of the log's device, as the ".alt" writer spells it; 0 when it has none.
uint32_t DeviceIdOf(const BrixoLog& log);

// The logbook: every flight ever downloaded, in an SQLite database of the user's
// ($XDG_DATA_HOME/Nivra/logbook.sqlite), with the memory images as received beside it in
// images/. Write-ahead logging and a busy timeout let several Nivra and nivra-tool
// processes share it; a schema version with migrations from the first one keeps old
// logbooks readable. A database that is not SQLite, or of a newer schema, is refused
// and left as it is. One object per thread.
class Logbook {
public:
    static constexpr int kSchemaVersion = kLogbookSchema;

    // $XDG_DATA_HOME/Nivra, usually ~/.local/share/Nivra.
    static std::string DefaultFolder();
    // Opens (or makes) the logbook in this folder. busyTimeoutMs is how long a write waits
    // for another process's write to end. The configuration decodes the flights of an older
    // logbook, whose airtime it finds once.
    static Result<std::unique_ptr<Logbook>> Open(const std::string& folder, const Configuration& config,
                                                 int busyTimeoutMs = 5000);
    ~Logbook();
    Logbook(const Logbook&) = delete;
    Logbook& operator=(const Logbook&) = delete;

    const std::string& Folder() const { return m_folder; }
    // The memory images, in images/ beside the database.
    ImageStore Images() const { return ImageStore(m_folder + "/images"); }
    // Why the logbook was opened for reading only ("it cannot be written (...): new flights cannot
    // be kept in it"); empty when it can be written.
    const std::string& ReadOnly() const { return m_readOnly; }
    std::string DatabasePath() const;

    // Keeps a complete download: the memory image as received goes to images/ (named by its
    // content, written safely), then the image and its flights, dated receivedAt, enter the
    // database in one transaction. A flight already there stays one row. When the
    // database refuses, nothing of the download is in it (the image file stays, for a
    // later import) and the reason says so.
    Result<ArchiveReport> ArchiveDownload(const std::vector<uint8_t>& image, const std::vector<BuiltFlight>& flights,
                                          FileTime receivedAt);
    // Where a memory image with these bytes is kept, if it is.
    Result<std::optional<std::string>> ImagePathOf(const std::vector<uint8_t>& image);
    // A log that came from elsewhere (an ".alt" file): added without an image, or found.
    Result<int64_t> Add(const BrixoLog& log, FileTime addedAt);
    // The logs of a file, all or none in one transaction, each added or found.
    Result<std::vector<AddedLog>> AddAll(const std::vector<const BrixoLog*>& logs, FileTime addedAt);

    // All flights, newest flown first (as far as known: else by their download).
    Result<std::vector<LogbookEntry>> List();
    Result<std::optional<LogbookEntry>> Find(int64_t id);
    Result<std::optional<LogbookEntry>> FindByHash(const std::string& hash);
    // The flight's log, its device found in the configuration; dated with its own date.
    Result<BrixoLog> LoadLog(int64_t id, const Configuration& config);
    // Writes the chosen fields alone, in one statement: a change of another field made meanwhile
    // (another window, nivra-tool) stays. A start elevation out of bounds is refused.
    Status SetFields(int64_t id, const PilotFields& fields, unsigned which = kAllPilotFields);
    // The flights of a log as the chart marks them: corrected by the pilot, or as found
    // (kept as found, so that a better finder later finds them anew).
    Status SetFlights(int64_t id, const std::vector<FlightSpan>& flights, bool corrected);
    // Removes flights; their memory images stay on disk.
    Status Delete(const std::vector<int64_t>& ids);

    // The climbs of every flight as found with this recipe (the filters' and the climb rules'
    // settings, ClimbRecipe), by flight id; flights found with another recipe or none are not in it.
    Result<std::map<int64_t, ClimbFacts>> ClimbFactsFor(const std::string& recipe);
    // The flights whose climbs were not found with this recipe, newest added first.
    Result<std::vector<int64_t>> FlightsWithoutClimbFacts(const std::string& recipe);
    // Keeps the climbs found for these flights, in one transaction; a flight deleted meanwhile is
    // passed over.
    Status SetClimbFacts(const std::vector<std::pair<int64_t, ClimbFacts>>& facts, const std::string& recipe);

    // For tests: called inside the archive's transaction after each flight is written.
    std::function<void(int written)> m_afterFlightWritten;

private:
    Logbook(std::string folder, std::string connection);
    Status Migrate(const Configuration& config);
    Status ReopenReadOnly(const std::string& why);
    // The airtime and highest point of every flight that has no airtime yet.
    Status AnalyseOlderFlights(const Configuration& config);
    Status Execute(const std::string& sql);

    std::string m_folder;
    std::string m_connection;  // the Qt SQL connection's name, one per object
    std::string m_readOnly;
};

// What the logbook keeps of a log's altitude: its maximum in metres above the start, and the
// flights in it; nothing of either when it cannot be decoded.
struct AltitudeFacts {
    std::optional<double> maxAltitude;
    std::optional<std::vector<FlightSpan>> flights;
};
AltitudeFacts AltitudeFactsOf(const BrixoLog& log);
