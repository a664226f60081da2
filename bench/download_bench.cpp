// The download path: collecting and parsing a full memory image in 1024-byte
// chunks, and the time from the last byte on the line to a completed dialog.
#include "bench_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTreeWidget>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/memory_tuning.h"
#include "config/configuration.h"
#include "device/memory_image.h"
#include "synthetic_flight.h"
#include "ui/download_dialog.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_CollectAndParse(benchmark::State& state)
{
    const std::vector<uint8_t> image = SyntheticMemoryImage(BuiltInConfiguration(), ReceiveBuffer::kCapacity - 1024);
    size_t flights = 0;
    for (auto _ : state) {
        auto buffer = std::make_unique<ReceiveBuffer>();
        MemoryImageParser parser(3);
        for (size_t at = 0; at < image.size(); at += 1024) {
            const auto n = static_cast<uint32_t>(std::min<size_t>(1024, image.size() - at));
            buffer->Append(image.data() + at, n);
            parser.Run(buffer->Data(), buffer->Received(), BuiltInConfiguration());
        }
        flights = parser.Flights().size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
    state.counters["flights"] = static_cast<double>(flights);
}

// Sends an image over a pseudo-terminal at the line speed while the dialog
// receives it; the manual time is from the last byte written to the dialog
// being complete with every flight listed.
void BM_LastByteToCompletedDialog(benchmark::State& state)
{
    const std::vector<uint8_t> image =
        SyntheticMemoryImage(BuiltInConfiguration(), static_cast<size_t>(state.range(0)));
    const double bytesPerSecond = 921600 / 10.0;
    for (auto _ : state) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        DownloadDialog dialog(BuiltInConfiguration(), 0);
        if (const Status opened = dialog.OpenLink(ptsname(master), 921600); !opened) {
            state.SkipWithError(opened.Error().c_str());
            break;
        }
        dialog.show();
        MemoryImageParser expected(0);
        expected.Run(image.data(), image.size(), BuiltInConfiguration());
        std::atomic<bool> sent{false};
        Clock::time_point lastByte;
        std::thread writer([&] {
            const auto start = Clock::now();
            for (size_t at = 0; at < image.size();) {
                const ssize_t n = write(master, image.data() + at, std::min<size_t>(256, image.size() - at));
                if (n > 0)
                    at += static_cast<size_t>(n);
                std::this_thread::sleep_until(start + std::chrono::microseconds(static_cast<long long>(
                                                          static_cast<double>(at) / bytesPerSecond * 1e6)));
            }
            lastByte = Clock::now();
            sent = true;
        });
        while (!(sent && dialog.Completed() &&
                 dialog.List()->topLevelItemCount() == static_cast<int>(expected.Flights().size())))
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        const auto done = Clock::now();
        writer.join();
        state.SetIterationTime(std::chrono::duration<double>(done - lastByte).count());
        state.counters["lost_bytes"] = static_cast<double>(image.size() - dialog.Buffer().Received());
        dialog.reject();
        close(master);
    }
}

}  // namespace

BENCHMARK(BM_CollectAndParse)->Unit(benchmark::kMillisecond);
// 256 KiB by default (about 3 s on the line); pass --benchmark_filter with /2097152 for a full memory.
BENCHMARK(BM_LastByteToCompletedDialog)
    ->Arg(262144)
    ->Arg(2097152)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
