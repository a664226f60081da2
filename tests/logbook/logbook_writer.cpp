// A process that archives a download into the logbook of a folder, for the tests of a writer
// killed in the middle and of many writers at once: logbook_writer FOLDER FLIGHTS STOP_AFTER
// [VARIANT]. With STOP_AFTER above 0 it prints "written N" after that many flights, inside the
// transaction, and waits to be killed; with 0 it runs through. VARIANT (0 by default) shifts
// the readings, so that writers of different variants keep different memory images, all of
// them received in the same second.
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "../test_support.h"
#include "device/memory_image.h"
#include "logbook/logbook.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return 2;
    const int variant = argc == 5 ? std::atoi(argv[4]) : 0;
    const int count = std::atoi(argv[2]);
    const int stopAfter = std::atoi(argv[3]);
    const Configuration config = BuiltInConfig();
    std::vector<BrixoLog> logs;
    for (int i = 0; i < count; ++i) {
        std::vector<unsigned> words;
        for (int k = 0; k < 2000; ++k)
            words.push_back(30000u + static_cast<unsigned>(i * 50 + k % 40 + variant * 7));
        logs.push_back(LogOf(config, 59, 10, Words(words)));
    }
    std::vector<BuiltFlight> flights;
    for (const BrixoLog& l : logs)
        flights.push_back({l, 16});
    auto book = Logbook::Open(argv[1], config);
    if (!book) {
        std::fprintf(stderr, "%s\n", book.Error().c_str());
        return 1;
    }
    (*book)->m_afterFlightWritten = [stopAfter](int written) {
        if (written != stopAfter)
            return;
        std::printf("written %d\n", written);
        std::fflush(stdout);
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    };
    auto report = (*book)->ArchiveDownload(MemoryImageOfLogs(logs), flights, FileTimeFromUnixMs(1796000000000));
    if (!report) {
        std::fprintf(stderr, "%s\n", report.Error().c_str());
        return 1;
    }
    return 0;
}
