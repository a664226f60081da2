#include "export/log_export.h"

#include <algorithm>
#include <cctype>

#include "app/log_file.h"
#include "export/csv_export.h"

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The extension of the last path component with its dot ("" when it has none; a leading
// dot, as in ".profile", is part of the name).
std::string ExtensionOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart)
        return {};
    return path.substr(dot);
}

}  // namespace

std::string ExportExtension(ExportType type)
{
    switch (type) {
    case ExportType::Alt: return ".alt";
    case ExportType::Csv: return ".csv";
    case ExportType::Jpeg: return ".jpg";
    case ExportType::None: break;
    }
    return {};
}

std::string WithExportExtension(const std::string& path, ExportType type)
{
    if (path.empty() || path.back() == '/' || !ExtensionOf(path).empty())
        return path;
    return path + ExportExtension(type);
}

ExportType ExportTypeOfPath(const std::string& path)
{
    const std::string ext = Lower(ExtensionOf(path));
    if (ext == ".alt")
        return ExportType::Alt;
    if (ext == ".csv")
        return ExportType::Csv;
    if (ext == ".jpg" || ext == ".jpeg")
        return ExportType::Jpeg;
    return ExportType::None;
}

Status ExportAlt(const std::string& path, const BrixoLog& log, size_t first, size_t end)
{
    return WriteFileSafely(path, AltFileText(log, first, end));
}

Status ExportCsv(const std::string& path, const std::vector<const NamedSeries*>& shown, double dt, size_t first,
                 size_t end, size_t altitudeLength)
{
    if (const std::string problem = TableRangeProblem(first, altitudeLength); !problem.empty())
        return Fail(problem);
    // Streamed: a table of a long log at a high rate is larger than the series it comes from.
    SafeFileWriter writer;
    if (Status opened = writer.Open(path); !opened)
        return opened;
    // A failed write stops the table; Commit then gives its reason and leaves the target as it was.
    const bool whole =
        WriteCsv(shown, dt, first, end, [&writer](std::string_view piece) { return writer.Write(piece); });
    Status committed = writer.Commit();
    if (committed && !whole)
        return Fail("the table could not be written whole");
    return committed;
}
