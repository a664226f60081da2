// Soak: full 2 MiB downloads, one after the other in one process, through the download dialog
// and into the window's log tree, as a user downloading all day would. Prints the resident
// memory after the first download and after the last, and the peak; fails when the memory
// kept grew by a quarter of a download's worth (512 KiB): a download whose bytes or logs
// stayed behind would add 2 MiB or more each time, while the allocator's own wandering stays
// well below.
//   download_soak [DOWNLOADS]   (20 by default)
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/memory_tuning.h"
#include "app/settings_store.h"
#include "bench_support.h"
#include "device/memory_image.h"
#include "synthetic_flight.h"
#include "ui/download_dialog.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"

namespace {

// "VmRSS" or "VmHWM" of this process, in KiB.
long StatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<int>(std::strlen(field)) + 1).trimmed().split(' ').first().toLong();
    return -1;
}

// One download: the image written into a pseudo-terminal as fast as it takes it, the dialog
// receiving, the checked flights into the tree. False when it did not complete.
bool DownloadOnce(MainWindow& frame, const std::vector<uint8_t>& image)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return false;
    DownloadDialog dialog(BuiltInConfiguration(), 0, &frame);
    if (const Status opened = dialog.OpenLink(ptsname(master), 921600); !opened) {
        std::fprintf(stderr, "download_soak: %s\n", opened.Error().c_str());
        close(master);
        return false;
    }
    dialog.show();
    std::thread writer([&] {
        for (size_t at = 0; at < image.size();) {
            const ssize_t n = write(master, image.data() + at, std::min<size_t>(4096, image.size() - at));
            if (n > 0)
                at += static_cast<size_t>(n);
        }
    });
    while (!dialog.Completed())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    writer.join();
    dialog.accept();
    const bool taken = frame.TakeDownload(dialog);
    close(master);
    return taken && frame.Tree()->topLevelItemCount() > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's remark on every dialog shown says nothing here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains(QStringLiteral("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    KeepFreedMemoryForReuse();
    QApplication app(argc, argv);
    const int downloads = argc > 1 ? std::atoi(argv[1]) : 20;
    if (downloads < 2) {
        std::fprintf(stderr, "usage: download_soak [DOWNLOADS of at least 2]\n");
        return 2;
    }
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));  // a logbook of its own
    MainWindow frame(BuiltInConfiguration(),
                     std::make_unique<QSettingsStore>(dir.filePath("Nivra.conf").toStdString()));
    frame.show();
    const std::vector<uint8_t> image = SyntheticMemoryImage(BuiltInConfiguration(), ReceiveBuffer::kCapacity - 1024);
    std::printf("image: %zu bytes; resident before: %ld KiB\n", image.size(), StatusKiB("VmRSS:"));
    long afterFirst = 0;
    for (int i = 1; i <= downloads; ++i) {
        if (!DownloadOnce(frame, image)) {
            std::fprintf(stderr, "download_soak: download %d did not complete\n", i);
            return 1;
        }
        frame.MarkLogsUnsaved(false);
        // The logbook's statistics find the new flights' climbs on their own thread: done before
        // the memory is read, as a pilot would find them done.
        while (frame.FindingClimbs())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const long rss = StatusKiB("VmRSS:");
        if (i == 1)
            afterFirst = rss;
        std::printf("download %2d: %d logs, resident %ld KiB, heap in use %zu KiB\n", i,
                    frame.Tree()->topLevelItemCount(), rss, mallinfo2().uordblks / 1024);
    }
    // For a heap profiler: what is still allocated now is what the downloads left behind.
    if (qEnvironmentVariableIsSet("SOAK_EXIT_NOW"))
        std::_Exit(0);
    const long last = StatusKiB("VmRSS:"), peak = StatusKiB("VmHWM:");
    const long growth = last - afterFirst;
    const long allowed = static_cast<long>(ReceiveBuffer::kCapacity / 1024 / 4);
    std::printf("resident after download 1: %ld KiB, after download %d: %ld KiB (%+ld KiB); peak %ld KiB\n", afterFirst,
                downloads, last, growth, peak);
    if (growth > allowed) {
        std::printf("memory grew by more than %ld KiB\n", allowed);
        return 1;
    }
    std::printf("memory flat\n");
    return 0;
}
