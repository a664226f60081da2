#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/brixo_log.h"
#include "base/file_access.h"

class QIODevice;
class Configuration;

// ".alt" files: a readable dump of the device memory, one byte per line.
constexpr size_t kAllRecords = std::numeric_limits<size_t>::max();

// Appends one log's part of the file: the zero word, rate twice, device id text
// and 0, then the bytes of records [first, stop) (stop past the end means all).
void AppendLogLines(std::string& out, const BrixoLog& log, size_t first = 0, size_t stop = kAllRecords);
// A whole file holding these logs, in order.
std::string AltFileText(const std::vector<const BrixoLog*>& logs);
std::string AltFileTextOfLogs(const std::vector<BrixoLog>& logs);
// A whole file holding records [first, stop) of one log.
std::string AltFileText(const BrixoLog& log, size_t first, size_t stop);

struct NumberedLog {
    int number = 0;  // position in the file, from 1
    BrixoLog log;    // dated with the file's creation time
};

struct AltReadResult {
    enum class Status {
        Ok,           // the file was accepted (it may still hold no log)
        CannotOpen,   // reason holds the system's text
        BadPreamble,  // the first 16 lines are not all " 13" lines
        BadZeroWord,  // the word after the preamble is missing or not zero
    };
    Status status = Status::Ok;
    std::string reason;
    std::vector<NumberedLog> logs;  // the logs that enter the set, in file order
    int logsRead = 0;               // every log read, the left-out short ones too
    bool deviceMissing = false;     // the first header's device is unknown or unusable
    int deviceId = -1;              // the device id of the first header
    std::string deviceProblem;      // why a device that was found cannot be used
    bool truncatedRecord = false;   // the file ended inside a record, which was dropped
    // Where a file that was cut off ends: inside the records of a log (before its end marker),
    // or inside the header of the log that would follow. The log's number, from 1.
    enum class Cut { None, InsideLog, InsideHeader };
    Cut cut = Cut::None;
    int cutLog = 0;

    bool Accepted() const { return status == Status::Ok; }
    // One line saying what went wrong, or empty when nothing did.
    std::string Problem() const;
    // For an accepted file that was cut off: what is missing; empty otherwise.
    std::string Warning() const;
};

// Reads an ".alt" stream. Logs not longer than skipShortLogsLen seconds are
// read and counted but left out; the kept ones are dated with date.
AltReadResult ReadAltStream(QIODevice& in, const Configuration& config, uint32_t skipShortLogsLen, FileTime date);
// Opens and reads a file, dating its logs with the file's creation time. Only a
// regular file is read: a FIFO or a device named instead is refused, never waited on.
AltReadResult ReadAltFile(const std::string& path, const Configuration& config, uint32_t skipShortLogsLen);
