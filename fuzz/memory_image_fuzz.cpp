// The download on any bytes: collected in chunks of varying size while the parser steps over
// them, as the dialog does, then the flights built. Stepping chunk by chunk finds what one
// pass over the whole finds.

#include "config/configuration.h"
#include "device/memory_image.h"
#include "fuzz_support.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Configuration config = [] {
        Configuration c;
        if (!c.LoadBuiltIn())
            std::abort();  // the document compiled into the program is well-formed
        return c;
    }();
    if (size < 1)
        return 0;
    // The first byte chooses the chunk sizes: 1 to 256 bytes, changing from chunk to chunk.
    const uint32_t base = data[0] + 1u;
    ++data, --size;
    // Room for three quarters of the input: a memory that fills it is tried too, and no 2 MiB
    // are cleared for each input.
    auto buffer = std::make_unique<ReceiveBuffer>(size * 3 / 4 + 16);
    MemoryImageParser stepped(3);
    size_t at = 0;
    uint32_t chunk = base;
    while (at < size) {
        const uint32_t count = static_cast<uint32_t>(std::min<size_t>(chunk, size - at));
        const ReceiveBuffer::Appended a = buffer->Append(data + at, count);
        FUZZ_CHECK(a.taken <= count);
        at += count;
        stepped.Step(buffer->Data(), buffer->Received(), config);
        chunk = chunk * 7 % 256 + 1;
        if (a.taken < count)
            break;  // full
    }
    stepped.Run(buffer->Data(), buffer->Received(), config);

    MemoryImageParser whole(3);
    whole.Run(buffer->Data(), buffer->Received(), config);
    FUZZ_CHECK(whole.Flights().size() == stepped.Flights().size());
    for (size_t i = 0; i < whole.Flights().size(); ++i) {
        FUZZ_CHECK(whole.Flights()[i].offset == stepped.Flights()[i].offset);
        FUZZ_CHECK(whole.Flights()[i].length == stepped.Flights()[i].length);
    }

    const std::vector<NumberedLog> logs =
        BuildDownloadedLogs(buffer->Data(), buffer->Received(), stepped.Flights(), config, 0, 0);
    // What the window does with a log is the ".alt" fuzzer's to search: the first flight is used.
    if (!logs.empty())
        UseLog(logs.front().log, Settings());
    return 0;
}
