#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/result.h"

class BrixoLog;
struct NamedSeries;

// What an export writes; the numbers are the positions of the save dialog's filters.
enum class ExportType { None = 0, Alt = 1, Csv = 2, Jpeg = 3 };

// ".alt", ".csv" or ".jpg"; empty for None.
std::string ExportExtension(ExportType type);
// The name with the type's extension added when its file name has none ("flight" becomes
// "flight.csv"; "flight.txt" and "/tmp/a.b/flight.csv" stay as they are).
std::string WithExportExtension(const std::string& path, ExportType type);
// The type an output name asks for by its extension, in any case: ".alt", ".csv", ".jpg" or
// ".jpeg"; None for anything else.
ExportType ExportTypeOfPath(const std::string& path);

// Each writer replaces the file only once everything was written (the old one survives a
// failure) and gives the reason otherwise.

// A complete ".alt" file holding records [first, end) of this one log.
Status ExportAlt(const std::string& path, const BrixoLog& log, size_t first, size_t end);
// The CSV table of the shown series for samples [first, end); nothing is written when first
// is not below altitudeLength, the length of the log's altitude series.
Status ExportCsv(const std::string& path, const std::vector<const NamedSeries*>& shown, double dt, size_t first,
                 size_t end, size_t altitudeLength);
// The chart's picture is written by ExportJpeg (chart/picture_export.h), beside the scene that
// draws it: the core needs no Qt Gui.
