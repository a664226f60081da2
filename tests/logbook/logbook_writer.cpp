// A process that archives a download into the logbook of a folder, for the test of a
// writer killed in the middle: logbook_writer FOLDER FLIGHTS STOP_AFTER. With STOP_AFTER
// above 0 it prints "written N" after that many flights, inside the transaction, and
// waits to be killed; with 0 it runs through.
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "config/configuration.h"
#include "device/memory_image.h"
#include "logbook/logbook.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const int count = std::atoi(argv[2]);
    const int stopAfter = std::atoi(argv[3]);
    Configuration config;
    config.LoadBuiltIn();
    std::vector<CBrixoLog> logs;
    for (int i = 0; i < count; ++i) {
        CBrixoLog log;
        log.m_device = config.FindDevice(59);
        log.SetupForDevice(1);
        log.m_rate = 10;
        for (int k = 0; k < 2000; ++k) {
            const unsigned word = 30000u + static_cast<unsigned>(i * 50 + k % 40);
            log.m_rawData.push_back(static_cast<uint8_t>(word & 0xFF));
            log.m_rawData.push_back(static_cast<uint8_t>(word >> 8));
        }
        logs.push_back(std::move(log));
    }
    std::vector<BuiltFlight> flights;
    for (const CBrixoLog& l : logs)
        flights.push_back({l, 16});
    auto book = Logbook::Open(argv[1]);
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
