#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include "config/configuration.h"
#include "device/download_session.h"
#include "device/memory_image.h"
#include "device/port_help.h"
#include "device/serial_link.h"
#include "pseudo_terminal.h"
#include "scripted_source.h"
#include "test_support.h"

namespace {

// Records every chunk; stops the link at the end of a transfer, as the download does.
class Recorder : public Collector {
public:
    virtual ~Recorder() = default;
    SerialLink* link = nullptr;
    std::mutex mutex;
    std::vector<uint8_t> bytes;
    size_t chunks = 0, largest = 0;
    std::atomic<int> inside{0}, overlapped{0};
    std::atomic<bool> complete{false};
    ReceiveBuffer buffer;

    void Collect(const uint8_t* data, uint32_t count) override
    {
        if (inside.fetch_add(1) != 0)
            overlapped = 1;
        {
            std::lock_guard lock(mutex);
            bytes.insert(bytes.end(), data, data + count);
            ++chunks;
            largest = std::max<size_t>(largest, count);
        }
        if (buffer.Append(data, count).end == ReceiveBuffer::End::Complete) {
            link->Stop();
            complete = true;
        }
        inside.fetch_sub(1);
    }
};

// The name this process is listed by.
std::string SelfName()
{
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    return self;
}

bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QThread::msleep(5);
    return done();
}

}  // namespace

TEST(SerialLink, PortNames)
{
    const struct {
        const char* name;
        const char* device;
        const char* shown;  // the name the device is listed by
    } cases[] = {
        {"COM1:", "/dev/ttyS0", "COM1:"},     {"COM9:", "/dev/ttyS8", "COM9:"},
        {"COM10:", "/dev/ttyS9", "COM10:"},   {"COM32:", "/dev/ttyS31", "COM32:"},
        {"COM33:", "/dev/ttyUSB0", "COM33:"}, {"COM64:", "/dev/ttyUSB31", "COM64:"},
        {"COM65:", "/dev/ttyACM0", "COM65:"}, {"COM96:", "/dev/ttyACM31", "COM96:"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DevicePathOf(c.name), c.device) << c.name;
        EXPECT_EQ(PortNameOf(c.device), c.shown) << c.device;
    }
    // Any other bare name is opened in /dev, and a path as it stands; both are listed by their path.
    for (const std::string name : {"COM97:", "COM0:", "COM", "COMX:", "mylogger"}) {
        EXPECT_EQ(std::pair(DevicePathOf(name), PortNameOf("/dev/" + name)), std::pair("/dev/" + name, "/dev/" + name));
    }
    for (const char* path : {"./ttyFake", "../ttyFake", "/dev/pts/4", "/dev/ttyACM32", "/dev/ttyUSBx"}) {
        EXPECT_EQ(std::pair(DevicePathOf(path), PortNameOf(path)), std::pair(std::string(path), std::string(path)));
    }
    EXPECT_EQ(std::vector({SpeedOfIndex(0), SpeedOfIndex(4), SpeedOfIndex(5)}), std::vector({9600u, 921600u, 9600u}));
}

TEST(SerialLink, ReceivesAWholeImageInOrder)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.path.empty());
    Recorder recorder;
    SerialLink link;
    recorder.link = &link;
    std::string error;
    const Status opened = link.Open(pty.path, 921600, &recorder);
    ASSERT_TRUE(opened.Ok()) << opened.Error();
    EXPECT_TRUE(link.IsOpen());
    EXPECT_EQ(link.Open(pty.path, 921600, &recorder).Error(),
              "the link is open already");  // the running link is untouched

    std::vector<uint8_t> image(16, 0x0D);
    for (int i = 0; i < 100000; ++i)
        image.push_back(static_cast<uint8_t>(1 + i % 251));
    image.insert(image.end(), 6, uint8_t{0});
    pty.Write(image);
    ASSERT_TRUE(WaitFor([&] { return recorder.complete.load(); }));
    {
        std::lock_guard lock(recorder.mutex);
        EXPECT_EQ(recorder.bytes, image);
        EXPECT_LE(recorder.largest, 1024u);
        EXPECT_GT(recorder.chunks, 97u);
    }
    EXPECT_EQ(recorder.overlapped, 0);
    // After the collector stopped the reader the port stays open: nothing more is read.
    ASSERT_TRUE(WaitFor([&] { return !link.Reading(); }));
    pty.Write({1, 2, 3});
    EXPECT_EQ(recorder.buffer.Received(), image.size());
    EXPECT_TRUE(link.IsOpen());
    // A pseudo-terminal keeps no line error counters: nothing is claimed either way.
    EXPECT_FALSE(link.ErrorsSinceOpen().has_value());
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.Close());  // closed already
    EXPECT_FALSE(link.ErrorsSinceOpen().has_value());
}

TEST(SerialLink, OpenFailures)
{
    Recorder recorder;
    SerialLink link;
    const Status missing = link.Open("/dev/nivra-no-such-port", 9600, &recorder);
    ASSERT_FALSE(missing.Ok());
    EXPECT_FALSE(missing.Error().empty());
    EXPECT_EQ(link.Failure(), PortFailure::NotFound);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.Open("", 9600, &recorder).Error(), "no port is chosen");
    EXPECT_FALSE(link.Close());
    EXPECT_EQ(link.Failure(), PortFailure::Other);
    // The same port twice: the second link is refused while the first holds it, and is told
    // that the port is in use, by whom.
    PseudoTerminal pty;
    SerialLink first;
    ASSERT_TRUE(first.Open(pty.path, 9600, &recorder).Ok());
    const Configuration config = BuiltInConfig();
    DownloadSession second(config, 0);
    const Status opened = second.Open(pty.path, 9600);
    ASSERT_FALSE(opened);
    const std::string held =
        "The port is in use by another program: " + SelfName() + " (process " + std::to_string(getpid()) + ").";
    EXPECT_NE(opened.Error().find("\n" + held), std::string::npos) << opened.Error();
    EXPECT_TRUE(first.Close());
}

namespace {

class LossRecorder final : public Recorder {
public:
    std::atomic<int> losses{0};
    std::mutex reasonMutex;
    std::string reason;
    void LineLost(const std::string& why) override
    {
        std::lock_guard lock(reasonMutex);
        reason = why;
        losses.fetch_add(1);
    }
};

}  // namespace

TEST(SerialLink, ALineThatGoesAwayIsToldOnce)
{
    const std::vector<uint8_t> image = {'N', 'o', 'i', 's', 'e'};
    for (const bool stopFirst : {false, true}) {
        auto pty = std::make_unique<PseudoTerminal>();
        ASSERT_FALSE(pty->path.empty());
        LossRecorder recorder;
        SerialLink link;
        recorder.link = &link;
        ASSERT_TRUE(link.Open(pty->path, 921600, &recorder).Ok());
        pty->Write(image);
        ASSERT_TRUE(WaitFor([&] {
            std::lock_guard lock(recorder.mutex);
            return recorder.bytes.size() == image.size();
        }));
        if (stopFirst)
            link.Stop();  // a reader that was told to stop has nothing to report
        pty.reset();      // the other end closes, as when the cable is pulled
        // Once the reader has said its last, what it said is all it will say.
        ASSERT_TRUE(WaitFor([&] { return !link.Reading(); }));
        if (stopFirst) {
            EXPECT_EQ(recorder.losses.load(), 0);
        } else {
            EXPECT_EQ(recorder.losses.load(), 1);
            std::lock_guard lock(recorder.reasonMutex);
            EXPECT_EQ(recorder.reason.rfind("the port went away (", 0), 0u) << recorder.reason;
        }
        EXPECT_TRUE(link.Close());
    }
}

TEST(SerialLink, HelpForAPortThatCannotBeOpened)
{
    // A device of a known group: a file made here, given to "dialout" where this may be done.
    QTemporaryDir dir;
    const std::string device = dir.filePath("ttyUSB7").toStdString();
    WriteText(QString::fromStdString(device), "");
    if (const struct group* dialout = getgrnam("dialout"))
        (void)chown(device.c_str(), static_cast<uid_t>(-1), dialout->gr_gid);
    struct stat st {};
    ASSERT_EQ(stat(device.c_str(), &st), 0);
    const std::string group = getgrgid(st.st_gid)->gr_name;
    const struct {
        std::string path, user;
        bool debian;
        std::string text;
    } permissions[] = {
        {device, "pilot", true,
         "The user must be a member of the group \"" + group + "\" that owns " + device +
             ". On Debian: sudo adduser pilot " + group + ", then log out and back in."},
        {device, "pilot", false, "The user must be a member of the group \"" + group + "\" that owns " + device + "."},
        {"/dev/nivra-gone", "", true,
         "The user must be a member of the group \"dialout\" that owns /dev/nivra-gone. On Debian: sudo adduser $USER "
         "dialout, then log out and back in."},
    };
    for (const auto& c : permissions)
        EXPECT_EQ(PermissionHelp(c.path, c.user, c.debian), c.text);

    // What the user is told, by what the system shows.
    const std::string brltty =
        "The braille display service brltty is running: it takes USB serial adapters it mistakes for braille "
        "displays (many with a CH340 or CP210x chip), and their port disappears. Without a braille display, stop it "
        "and keep it stopped: sudo systemctl stop brltty-udev.service brltty.service; sudo systemctl mask "
        "brltty-udev.service brltty.service (or remove it: sudo apt remove brltty). Then plug the cable in again.";
    const std::string modemManager =
        "ModemManager is running: it probes a serial port that appears for a modem, holding it for some seconds. "
        "Wait a moment and try again. Without a mobile modem, stop it: sudo systemctl stop ModemManager.service; "
        "sudo systemctl disable ModemManager.service.";
    const auto facts = [](auto change) {
        PortFacts f;
        f.user = "pilot";
        f.debian = true;
        change(f);
        return f;
    };
    const struct {
        const char* what;
        PortFailure failure;
        PortFacts facts;
        std::string text;
    } cases[] = {
        {"missing", PortFailure::NotFound, facts([](PortFacts& f) { f.exists = false; }), ""},
        {"missing while brltty runs", PortFailure::NotFound, facts([](PortFacts& f) {
             f.exists = false;
             f.brltty = true;
         }),
         brltty},
        {"no permission", PortFailure::Refused, facts([](PortFacts& f) { f.accessible = false; }),
         "The user must be a member of the group \"dialout\" that owns /dev/ttyUSB0. On Debian: sudo adduser pilot "
         "dialout, then log out and back in."},
        {"joined, not logged in again", PortFailure::Refused, facts([](PortFacts& f) {
             f.accessible = false;
             f.joinedAfterLogin = true;
         }),
         "The user is a member of the group \"dialout\" that owns /dev/ttyUSB0, but this login began before: log out "
         "and back in."},
        {"held by a program (root, too, may open it)", PortFailure::Refused, facts([](PortFacts& f) {
             f.holders = {{4242, "minicom"}};
         }),
         "The port is in use by another program: minicom (process 4242). Close it and try again."},
        {"held by two", PortFailure::Refused, facts([](PortFacts& f) {
             f.holders = {{12, "screen"}, {13, ""}};
         }),
         "The port is in use by another program: screen (process 12) and a program (process 13). Close it and try "
         "again."},
        {"held by ModemManager", PortFailure::Refused, facts([](PortFacts& f) {
             f.modemManager = true;
             f.holders = {{812, "ModemManager"}};
         }),
         "The port is in use by another program: ModemManager (process 812). " + modemManager},
        {"held by someone unseen while both services run", PortFailure::Refused, facts([](PortFacts& f) {
             f.modemManager = true;
             f.brltty = true;
         }),
         "The port is in use by another program. " + modemManager + " " + brltty},
        {"held by a program while ModemManager runs", PortFailure::Refused, facts([](PortFacts& f) {
             f.modemManager = true;
             f.holders = {{99, "cu"}};
         }),
         "The port is in use by another program: cu (process 99). Close it and try again."},
        {"something else", PortFailure::Other, facts([](PortFacts& f) { f.brltty = true; }), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortHelp("/dev/ttyUSB0", c.failure, c.facts), c.text) << c.what;
    EXPECT_EQ(LostPortHelp(facts([](PortFacts& f) { f.brltty = true; })), brltty);
    EXPECT_EQ(LostPortHelp(facts([](PortFacts&) {})), "");

    // The facts of a real port this process holds open.
    PseudoTerminal pty;
    const int fd = open(pty.path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const PortFacts seen = PortFactsOf(pty.path);
    close(fd);
    EXPECT_TRUE(seen.exists);
    EXPECT_TRUE(seen.accessible);
    EXPECT_EQ(seen.holders, (std::vector<PortHolder>{{getpid(), SelfName()}}));
    EXPECT_FALSE(PortFactsOf("/dev/nivra-no-such-port").exists);

    EXPECT_FALSE(AnyUsbPort({}));
    EXPECT_FALSE(AnyUsbPort({{"COM1:", "/dev/ttyS0", "", false}}));
    EXPECT_TRUE(AnyUsbPort({{"COM1:", "/dev/ttyS0", "", false}, {"COM33:", "/dev/ttyUSB0", "FT232R", true}}));
}

TEST(SerialLink, LineErrorsInWords)
{
    const struct {
        LineErrorCounts counts;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{1, 0, 0, 0, 0}, "the port counted 1 overrun error during the transfer"},
        {{2, 0, 1, 0, 0}, "the port counted 2 overrun errors and 1 framing error during the transfer"},
        {{0, 3, 0, 1, 1}, "the port counted 3 buffer overruns, 1 parity error and 1 break during the transfer"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::pair(LineErrorText(c.counts), c.counts.Any()), std::pair(c.text, !c.text.empty()));
    }
}

namespace {

// Polls the session as its owner does until the condition holds (5 s at most).
bool PollUntil(DownloadSession& session, const std::function<bool()>& done)
{
    return WaitFor([&] {
        session.Poll();
        return done();
    });
}

}  // namespace

TEST(DownloadSession, AMemoryOfNoiseWithoutASignatureEndsTheTransfer)
{
    PseudoTerminal pty;
    const Configuration config = BuiltInConfig();
    DownloadSession session(config, 0);
    ASSERT_TRUE(session.Open(pty.path, 921600).Ok());
    // A byte more than a whole memory, none of it a signature: no logger is talking.
    const std::vector<uint8_t> noise(ReceiveBuffer::kMaxPreamble + 1, 'x');
    std::thread writer([&] { pty.Write(noise); });
    const bool ended = PollUntil(session, [&] { return session.Completed(); });
    writer.join();
    EXPECT_TRUE(ended);
    EXPECT_EQ(std::pair(session.Parser().SignatureFound(), session.Buffer().Arrived()),
              std::pair(false, static_cast<uint64_t>(noise.size())));
    session.Close();
}

TEST(DownloadSession, ALoggerThatAnswersAfterZerosAndPausesIsReceivedWhole)
{
    PseudoTerminal pty;
    const Configuration config = BuiltInConfig();
    DownloadSession session(config, 0);
    // Zeros before any signature end the transfer as soon as the line is quiet after them.
    session.m_quietEnd = std::chrono::milliseconds(0);
    ASSERT_TRUE(session.Open(pty.path, 921600).Ok());
    std::vector<unsigned> words;
    for (unsigned i = 0; i < 400; ++i)
        words.push_back(40000 + i);
    const BrixoLog flight = LogOf(config, 59, 10, Words(words));
    const std::vector<uint8_t> image = MemoryImageOfLogs({flight});
    // The zeros alone first, then the logger's answer up to the middle of its records.
    pty.Write(std::vector<uint8_t>(8, 0));
    ASSERT_TRUE(WaitFor([&] { return session.Buffer().Arrived() == 8; }));
    const size_t middle = image.size() / 2;
    pty.Write(image, 0, middle);
    ASSERT_TRUE(WaitFor([&] { return session.Buffer().Arrived() == 8 + middle; }));
    // The logger pauses: what came after the zeros keeps the transfer going.
    session.Poll();
    EXPECT_FALSE(session.Completed());
    pty.Write(image, middle);
    ASSERT_TRUE(PollUntil(session, [&] { return session.Completed(); }));
    ASSERT_EQ(session.Flights().size(), 1u);
    EXPECT_EQ(session.BuildListedFlights(0).at(0).log.m_rawData, flight.m_rawData);
    session.Close();
}

TEST(DownloadSession, TakesOneSourceAndTellsALostLine)
{
    const Configuration config = BuiltInConfig();
    std::vector<unsigned> words(1000);
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = 40000 + static_cast<unsigned>(i);
    const std::vector<uint8_t> image = MemoryImageOfLogs({LogOf(config, 59, 10, Words(words))});
    DownloadSession session(config, 0);
    std::vector<uint64_t> progress;
    std::string lost;
    session.m_events.progress = [&](uint64_t arrived) {
        progress.push_back(arrived);
    };
    session.m_events.lost = [&](const std::string& reason) {
        lost = reason;
    };
    ScriptedLine line, other;
    ASSERT_TRUE(session.Start(line.Source()).Ok());
    EXPECT_TRUE(session.IsOpen());
    EXPECT_EQ(session.Start(other.Source()).Error(), "the download has its source already");
    line.Send(image, 0, 100);
    session.Poll();
    line.Send(image, 100, 2000);
    session.Poll();
    session.Poll();  // nothing new: nothing told
    EXPECT_EQ(progress, (std::vector<uint64_t>{100, 2000}));
    line.Unplug("the port went away (test)");
    session.Poll();
    EXPECT_TRUE(session.Lost());
    EXPECT_FALSE(session.Completed());
    EXPECT_EQ(lost, "the port went away (test)");  // a scripted line has no port to help with
    session.Close();
    EXPECT_TRUE(line.Closed());
    EXPECT_FALSE(session.IsOpen());
}

TEST(DownloadSession, TheImageIsEveryByteReceivedAndReplaysToTheSameFlights)
{
    // What the logger sends before its signature (its version and serial number, here with a
    // stray run of the signature's byte) is kept: the image is what came over the line.
    const Configuration config = BuiltInConfig();
    std::vector<unsigned> words(300);
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = 42000 + static_cast<unsigned>(i % 97);
    const BrixoLog a = LogOf(config, 59, 10, Words(words)), b = LogOf(config, 59, 5, Words({43000, 43010, 43020}));
    const std::vector<uint8_t> memory = MemoryImageOfLogs({a, b});
    std::vector<uint8_t> received = {'V', '1', '.', '2', ' ', 'S', 'N', '0', '0', '4', '2', 0x0D, 0x0D, 0, 7};
    received.insert(received.end(), memory.begin(), memory.end());

    DownloadSession download(config, 0);
    ScriptedLine line;
    ASSERT_TRUE(download.Start(line.Source()).Ok());
    line.Send(received);
    download.Poll();
    ASSERT_TRUE(download.Completed());
    EXPECT_TRUE(download.Image() == received);

    DownloadSession replay(config, 0);
    ASSERT_TRUE(replay.Replay(download.Image()).Ok());
    replay.Poll();
    ASSERT_TRUE(replay.Completed());
    EXPECT_TRUE(replay.Image() == received);
    const auto before = download.BuildListedFlights(0), after = replay.BuildListedFlights(0);
    ASSERT_EQ(before.size(), 2u);
    ASSERT_EQ(after.size(), 2u);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].log.m_rawData, before[i].log.m_rawData) << i;
        EXPECT_EQ(after[i].offset, before[i].offset) << i;
        // The offset points at the flight's block in the image: its rate byte follows the zero word.
        ASSERT_LT(before[i].offset + 2, received.size());
        EXPECT_EQ(received[before[i].offset + 2], before[i].log.m_rate) << i;
    }
    EXPECT_EQ(before[0].log.m_rawData, a.m_rawData);
}

TEST(DownloadSession, AReceiverThatPollsAgainWhileTold)
{
    // A receiver that runs an event loop (a message box) while it is told of a flight has Poll
    // called again inside: each flight is still told once, in order.
    const Configuration config = BuiltInConfig();
    const BrixoLog a = LogOf(config, 59, 10, Words({42000, 42001, 42002, 42003}));
    const std::vector<uint8_t> memory = MemoryImageOfLogs({a, a, a});
    DownloadSession session(config, 0);
    std::vector<size_t> told;
    session.m_events.flightListed = [&](size_t index) {
        told.push_back(index);
        session.Poll();
    };
    ScriptedLine line;
    ASSERT_TRUE(session.Start(line.Source()).Ok());
    line.Send(memory);
    session.Poll();
    EXPECT_EQ(told, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(session.Flights().size(), 3u);
}
