#include "export/csv_export.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "dsp/log_series.h"

namespace {

void AppendQuoted(std::string& out, const std::string& text)
{
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendNumber(std::string& out, const char* format, double value)
{
    char text[400];  // "%f" of the largest double needs 317 characters
    const int n = std::snprintf(text, sizeof text, format, value);
    out.append(text, static_cast<size_t>(std::clamp(n, 0, static_cast<int>(sizeof text) - 1)));
}

size_t ToIndex(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= static_cast<double>(kEndOfLog))
        return kEndOfLog;
    return static_cast<size_t>(value);
}

}  // namespace

bool WriteCsv(const std::vector<const NamedSeries*>& shown, double dt, size_t first, size_t end,
              const std::function<bool(std::string_view)>& sink)
{
    // Rows are gathered into pieces of about this size before they are handed on.
    constexpr size_t kPiece = 64 * 1024;
    std::string out = "\"Time (sec)\"";
    size_t rows = shown.empty() ? 0 : std::numeric_limits<size_t>::max();
    for (const NamedSeries* s : shown) {
        out += ',';
        AppendQuoted(out, s->name);
        rows = std::min(rows, s->values.size());
    }
    out += "\r\n";
    rows = std::min(rows, end);
    double time = 0.0;
    for (size_t i = first; i < rows; ++i) {
        AppendNumber(out, "%f", time);
        for (const NamedSeries* s : shown)
            AppendNumber(out, ",%f", s->values[i]);
        out += "\r\n";
        time += dt;
        if (out.size() >= kPiece) {
            if (!sink(out))
                return false;
            out.clear();
        }
    }
    return sink(out);
}

std::string CsvText(const std::vector<const NamedSeries*>& shown, double dt, size_t first, size_t end)
{
    std::string text;
    // A string takes every piece: the table is always whole.
    const bool whole = WriteCsv(shown, dt, first, end, [&text](std::string_view piece) {
        text += piece;
        return true;
    });
    (void)whole;
    return text;
}

std::vector<const NamedSeries*> TableSeries(const std::vector<const NamedSeries*>& shown,
                                            std::vector<std::string>& leftOut)
{
    std::vector<const NamedSeries*> kept;
    for (const NamedSeries* s : shown) {
        if (!s->values.empty()) {
            kept.push_back(s);
            continue;
        }
        leftOut.push_back("the series \"" + s->name +
                          "\" was left out of the table: " + (s->problem.empty() ? "it holds no values" : s->problem));
    }
    return kept;
}

std::string TableRangeProblem(size_t first, size_t altitudeLength)
{
    if (altitudeLength == 0)
        return "the log holds too few samples for a table (the last record of a log is never decoded, so it "
               "needs at least 2)";
    if (first >= altitudeLength)
        return "the selection starts after the last sample (sample " + std::to_string(first) + " of " +
               std::to_string(altitudeLength) + ")";
    return {};
}

SampleRange SelectionSamples(double t1, double t2, double dt)
{
    return {ToIndex(std::floor(t1 / dt)), ToIndex(std::ceil(t2 / dt + 1.0))};
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}
