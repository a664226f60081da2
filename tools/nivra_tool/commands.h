#pragma once

#include <QSize>

#include <optional>
#include <string>
#include <vector>

#include "app/settings.h"
#include "chart/flight_report.h"
#include "logbook/logbook.h"

struct ToolArgs;

// The commands of nivra-tool; each takes the whole command line after the
// program name, returns the exit status, and throws UsageError or ToolError.
int Info(const std::vector<std::string>& argv);
int Csv(const std::vector<std::string>& argv);
int Stats(const std::vector<std::string>& argv);
int Climbs(const std::vector<std::string>& argv);
int Airtime(const std::vector<std::string>& argv);
int Image(const std::vector<std::string>& argv);
int Export(const std::vector<std::string>& argv);
int Download(const std::vector<std::string>& argv);
int LogbookCommand(const std::vector<std::string>& argv);
int Report(const std::vector<std::string>& argv);
int Compare(const std::vector<std::string>& argv);

// Writes the report of a log as a PDF to the -o path of args (--page a4 or letter): the log's
// series built with the settings, its flights the pilot's marks or those found; throws on
// failure. entry: what the logbook notes about it, when it is there.
void WriteReportOrFail(const ToolArgs& args, const BrixoLog& log, const Settings& settings, const Configuration& config,
                       const std::optional<LogbookEntry>& entry, const QString& defaultName);

// --size: WIDTHxHEIGHT in pixels, each side 1 to 16384.
QSize ParseSize(const std::string& text);

// Where nivra-tool runs from: a "Nivra.cfg" beside it comes first.
std::string ProgramDir();
