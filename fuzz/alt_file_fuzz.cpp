// The ".alt" reader on any bytes, then everything the window does with the logs it read, and
// the writer: what was read, written and read again is the same.
#include <QBuffer>
#include <QByteArray>

#include <cstdlib>

#include "app/log_file.h"
#include "config/configuration.h"
#include "fuzz_support.h"

namespace {

AltReadResult Read(const QByteArray& bytes, const Configuration& config)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadAltStream(buffer, config, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Configuration config = [] {
        Configuration c;
        if (!c.LoadBuiltIn())
            std::abort();  // the document compiled into the program is well-formed
        return c;
    }();
    const AltReadResult read =
        Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), config);
    if (!read.Accepted())
        return 0;
    Settings settings;
    std::vector<const BrixoLog*> logs;
    for (const NumberedLog& n : read.logs) {
        if (logs.size() < kLogsUsed)
            UseLog(n.log, settings);
        logs.push_back(&n.log);
    }
    const std::string written = AltFileText(logs);
    const AltReadResult again = Read(QByteArray::fromStdString(written), config);
    FUZZ_CHECK(again.Accepted());
    FUZZ_CHECK(again.logs.size() == read.logs.size());
    for (size_t i = 0; i < read.logs.size(); ++i) {
        FUZZ_CHECK(again.logs[i].log.m_rawData == read.logs[i].log.m_rawData);
        FUZZ_CHECK(again.logs[i].log.m_rate == read.logs[i].log.m_rate);
    }
    return 0;
}
