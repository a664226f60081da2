#include "dsp/decoder.h"

#include <muParser.h>

#include <cmath>
#include <string>

#include "app/brixo_log.h"
#include "config/configuration.h"

namespace {

// Below this many records a lookup table costs more than it saves.
constexpr size_t kReuseThreshold = 4096;

std::string DeviceText(const BrixoLog& log)
{
    if (!log.m_device)
        return "the log's device";
    std::string text = "device " + log.m_device.Id();
    if (auto name = StringAttribute(log.m_device.node, "name"))
        text += " (" + *name + ")";
    return text;
}

// Evaluates one formula for readings of a given width, remembering each
// reading's result when asked to: the result depends only on the reading and
// on dt, which is fixed for a log, so the values stay bit-identical.
class ReadingEvaluator {
public:
    ReadingEvaluator(const std::string& formula, double dt, unsigned readingBits, bool reuse) : m_dt(dt)
    {
        m_parser.DefineVar("dt", &m_dt);
        m_parser.DefineVar("y", &m_y);
        m_parser.SetExpr(formula);
        if (reuse) {
            m_cache.resize(size_t{1} << readingBits);
            m_known.resize(size_t{1} << readingBits);
        }
    }

    double operator()(unsigned reading)
    {
        if (m_cache.empty())
            return Eval(reading);
        if (!m_known[reading]) {
            m_cache[reading] = Eval(reading);
            m_known[reading] = 1;
        }
        return m_cache[reading];
    }

private:
    double Eval(unsigned reading)
    {
        m_y = static_cast<double>(reading);
        return m_parser.Eval();
    }

    mu::Parser m_parser;
    double m_y = 0;
    double m_dt;
    std::vector<double> m_cache;
    std::vector<unsigned char> m_known;
};

// Records at offsets 0, rs, 2rs ... below the data length less one record are decoded.
size_t DecodedRecordCount(const BrixoLog& log)
{
    const size_t len = log.m_rawData.size();
    const size_t rs = log.m_recordSize;
    if (rs == 0 || len <= rs)
        return 0;
    return (len - rs + rs - 1) / rs;
}

// Fills out[start...] with f(record i) for the decoded records; on a parser
// error nothing stays appended and the reason names the formula.
template <typename Reading, typename Store>
Status DecodeRecords(const BrixoLog& log, const std::string& formula, unsigned readingBits, Reading reading,
                     Store store, std::vector<double>& out, const std::string& what, DecodeOptions options)
{
    const size_t count = DecodedRecordCount(log);
    const size_t start = out.size();
    try {
        ReadingEvaluator eval(formula, log.m_rate * 0.1, readingBits,
                              options.reuseReadings && count >= kReuseThreshold);
        const uint8_t* data = log.m_rawData.data();
        const size_t rs = log.m_recordSize;
        // Evaluated even when no record is decoded, so that a bad formula is always reported.
        const double first = eval(log.m_rawData.size() >= rs ? reading(data) : 0u);
        out.resize(start + count);
        double* dest = out.data() + start;
        for (size_t i = 0; i < count; ++i) {
            const double value = eval(reading(data + i * rs));
            dest[i] = store(value, first);
            if (!std::isfinite(dest[i])) {
                // A value no axis, statistic or table can show: the series is refused, and said why.
                const double bad = std::isfinite(value) ? dest[i] : value;
                out.resize(start);
                return Fail(what + " \"" + formula + "\" of " + DeviceText(log) + " gives " +
                            (std::isnan(bad) ? "no number" : "an infinite value") + " for record " +
                            std::to_string(i + 1) + " (reading " + std::to_string(reading(data + i * rs)) + ")");
            }
        }
    } catch (const mu::Parser::exception_type& e) {
        out.resize(start);
        return Fail(what + " \"" + formula + "\" of " + DeviceText(log) + " cannot be evaluated: " + e.GetMsg());
    }
    return {};
}

}  // namespace

int ChannelCount(const BrixoLog& log)
{
    return log.m_device ? ChannelCount(log.m_device.node) : 0;
}

pugi::xml_node ChannelElement(const BrixoLog& log, int index)
{
    return log.m_device ? Channel(log.m_device.node, index) : pugi::xml_node();
}

double AltitudeScale(const BrixoLog& log, bool imperial)
{
    return log.m_device ? UnitScaleIn(log.m_device.doc->document_element(), "linear", imperial ? "imperial" : "metric")
                        : 1.0;
}

Status DecodeAltitude(const BrixoLog& log, std::vector<double>& out, DecodeOptions options)
{
    const std::string formula = log.m_altFormula ? *log.m_altFormula : std::string();
    if (formula.empty())
        return Fail(DeviceText(log) + " has no altitude formula");
    // The reading is always the little-endian word at the start of the record.
    auto word = [](const uint8_t* rec) {
        return static_cast<unsigned>(rec[0] | (rec[1] << 8));
    };
    auto relative = [](double value, double first) {
        return value - first;
    };
    return DecodeRecords(log, formula, 16, word, relative, out, "the altitude formula", options);
}

Status DecodeChannel(const BrixoLog& log, int index, std::vector<double>& out, DecodeOptions options)
{
    return DecodeChannel(log, ChannelElement(log, index), index, out, options);
}

Status DecodeChannel(const BrixoLog& log, pugi::xml_node chan, int index, std::vector<double>& out,
                     DecodeOptions options)
{
    if (!chan)
        return Fail(DeviceText(log) + " has no channel " + std::to_string(index + 1));
    const std::string formula = StringAttribute(chan, "formula").value_or(std::string());
    const std::optional<int32_t> offs = IntAttribute(chan, "offs");
    const std::string name = StringAttribute(chan, "name").value_or("#" + std::to_string(index + 1));
    if (formula.empty() || !offs)
        return Fail("channel \"" + name + "\" of " + DeviceText(log) +
                    (formula.empty() ? " has no formula" : " has no usable \"offs\""));
    const bool oneByte = IntAttribute(chan, "size").value_or(1) == 1;
    const int64_t width = oneByte ? 1 : 2;
    if (*offs < 0 || *offs + width > static_cast<int64_t>(log.m_recordSize))
        return Fail("channel \"" + name + "\" of " + DeviceText(log) + " reads bytes " + std::to_string(*offs) +
                    " to " + std::to_string(*offs + width - 1) + ", outside its " + std::to_string(log.m_recordSize) +
                    "-byte record");
    const size_t at = static_cast<size_t>(*offs);
    auto unscaled = [](double value, double) {
        return value;
    };
    if (oneByte)
        return DecodeRecords(
            log, formula, 8, [at](const uint8_t* rec) { return unsigned{rec[at]}; }, unscaled, out, "the formula",
            options);
    return DecodeRecords(
        log, formula, 16, [at](const uint8_t* rec) { return static_cast<unsigned>(rec[at] | (rec[at + 1] << 8)); },
        unscaled, out, "the formula", options);
}
