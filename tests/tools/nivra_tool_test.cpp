#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <functional>
#include <sstream>

#include "app/settings.h"
#include "app/settings_store.h"
#include "base/file_access.h"
#include "device/memory_image.h"
#include "pseudo_terminal.h"
#include "test_support.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

// One run and what it must give: its exit status, its standard output to the byte and a part
// of what it says on standard error.
struct Expected {
    QStringList args;
    int status;
    std::string out;
    std::string errPart;
    QString file = {};  // a file the run writes, and its bytes
    std::string bytes = {};
};

const QString kSoaring = QStringLiteral(NIVRA_EXAMPLES_DIR "/soaring-flight.alt");
const QString kHops = QStringLiteral(NIVRA_EXAMPLES_DIR "/training-hops.alt");
const std::string kHopsInfo = "Log  1 (00:04:10)\t1\t2504\t250.4\nLog  3 (00:03:30)\t1\t2103\t210.3\n";

// A file's first lines up to its log header: the preamble and the zero word.
QByteArray Head()
{
    return QByteArray(" 13\r\n").repeated(16) + " 0\r\n 0\r\n";
}

// Runs a program with a private home, so the user's own settings and configuration stay out.
// Every test has ten.alt, and plain: the options that read it as it is.
class ToolTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QStringList plain;

    void SetUp() override
    {
        Write("linear.cfg",
              "<Config><Devices><Device id='59' name='Lin' data-chunk='2'><Alt formula='y'/>"
              "</Device></Devices></Config>");
        // One log of a device whose altitude is its raw reading, at rate 5 (dt 0.5 s): altitudes 0 to 9
        // (high byte 1 keeps a record from reading as the end), then a record that is never decoded.
        QByteArray ten = Head() + " 5\r\n 5\r\n 59\r\n 0\r\n";
        for (int altitude = 0; altitude < 10; ++altitude)
            ten += " " + QByteArray::number(altitude) + "\r\n 1\r\n";
        Write("ten.alt", ten + " 0\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\n");
        plain = QStringList{"--config", Path("linear.cfg"), "--set", "Vario.Polynome=0",
                            "--set",    "Vario.Median=0",   "--set", "SkipShortLogsLen=0"};
    }

    QString Path(const QString& name) const { return home.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(Path(name)).path());
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        // A desktop session's runtime folder, without which Qt warns on stderr.
        env.insert("XDG_RUNTIME_DIR", home.path());
        return env;
    }

    // prepare changes the process before it starts: its environment, output or limits.
    ToolRun Exec(const QString& program, const QStringList& args,
                 const std::function<void(QProcess&)>& prepare = {}) const
    {
        QProcess p;
        p.setProcessEnvironment(Environment());
        if (prepare)
            prepare(p);
        p.start(program, args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
                p.readAllStandardError().toStdString()};
    }

    ToolRun Tool(const QStringList& args, const std::function<void(QProcess&)>& prepare = {}) const
    {
        return Exec(QStringLiteral(NIVRA_TOOL), args, prepare);
    }

    void ExpectRuns(const std::vector<Expected>& runs) const
    {
        for (const Expected& e : runs) {
            const ToolRun r = Tool(e.args);
            const std::string what = e.args.join(' ').toStdString() + "\n" + r.err;
            EXPECT_EQ(r.status, e.status) << what;
            EXPECT_EQ(r.out, e.out) << what;
            EXPECT_NE(r.err.find(e.errPart), std::string::npos) << what;
            if (e.status == 1) {  // the reason alone, on one line
                EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what;
            }
            if (!e.file.isEmpty()) {
                EXPECT_EQ(FileBytes(Path(e.file)), e.bytes) << what;
            }
        }
    }
};

}  // namespace

TEST_F(ToolTest, CommandsPrintExactly)
{
    Write("two.cfg",
          "<Config><Devices><Device id='1' name='A'/><Device id='2'/><Device id='59' name='B'/>"
          "</Devices></Config>");
    Write("truncated.alt", Head() + " 10\r\n 10\r\n 59\r\n 0\r\n" + QByteArray(" 1\r\n 2\r\n").repeated(10) + " 3\r\n");
    const std::string head = "\"Time (sec)\",\"Alt\",\"Vario\"\r\n";
    const std::string climbs = "Climb\tStart\tEnd\tDuration\tGain\tAverage\tMax\n";
    ExpectRuns({
        {{"info", kHops}, 0, kHopsInfo, ""},
        {QStringList{"info", Path("truncated.alt")}, 0, "Log  1 (00:00:10)\t10\t10\t10.0\n",
         "nivra-tool: " + Path("truncated.alt").toStdString() + ": the file ends inside log 1"},
        {{"devices", "--config", Path("two.cfg")}, 0, "A, B\n", ""},
        {QStringList{"csv", Path("ten.alt"), "1", "--from", "2.0", "--to", "3.0"} + plain, 0,
         head + "0.000000,4.000000,2.000000\r\n0.500000,5.000000,2.000000\r\n1.000000,6.000000,2.000000\r\n", ""},
        {QStringList{"stats", Path("ten.alt"), "1"} + plain, 0,
         "Log/Duration: 00:05\nLog/Rate: 0.5 s\nLog/max Altitude:   9.0 m\n", ""},
        {QStringList{"stats", Path("ten.alt"), "1", "--from", "1", "--to", "3", "--set", "Units=1"} + plain, 0,
         "Log/Duration: 00:05\nLog/Rate: 0.5 s\nLog/max Altitude:   9.0 ft\n"
         "Selection/Duration: 00:02\nSelection/start Altitude:   2.0 ft\nSelection/end Altitude:   6.0 ft\n"
         "Selection/max Altitude:   6.0 ft\nSelection/min Vario:   2.0 ft/s\nSelection/max Vario:   2.0 ft/s\n"
         "Selection/avr Vario:   2.0 ft/s\n",
         ""},
        {QStringList{"climbs", kSoaring, "1"}, 0,
         climbs + "1\t146.0\t449.0\t303.0\t616.6\t2.03\t2.29\n"
                  "2\t692.0\t1104.0\t412.0\t646.0\t1.57\t1.77\n"
                  "3\t1409.0\t1769.0\t360.0\t836.7\t2.32\t2.61\n"
                  "4\t2379.0\t2659.0\t280.0\t220.6\t0.79\t0.93\n"
                  "Climbs: 4\n"
                  "Time climbing: 1355.0 s (37.7 %)\n"
                  "Height gained: 2319.8 m\n"
                  "Best climb: 2.32 m/s (climb 3)\n",
         ""},
        // In feet, with rules that find none.
        {QStringList{"climbs", kSoaring, "1", "--set", "Units=1", "--set", "Climb.Threshold=5"}, 0,
         climbs + "Climbs: 0\nTime climbing: 0.0 s (0.0 %)\nHeight gained: 0.0 ft\nBest climb: -\n", ""},
        // The examples were made to take off 20 s (the hops 5 s) into the log and land 20 s (5 s)
        // before its end; the hops' gliders take some seconds to reach their sink.
        {{"airtime", kSoaring, "1"}, 0, "1\t22.0\t3579.0\t0:59:17\nAirtime\t0:59:17\t1 flight\n", ""},
        {{"airtime", kHops, "3"}, 0, "1\t12.2\t205.3\t0:03:13\nAirtime\t0:03:13\t1 flight\n", ""},
        {QStringList{"airtime", Path("ten.alt"), "1"} + plain, 0, "Airtime\t0:00:00\t0 flights\n", ""},
    });
}

TEST_F(ToolTest, MistakesAreToldWithTheirStatus)
{
    Write("no-blank.alt", QByteArray("13\r\n").repeated(16) + " 0\r\n 0\r\n");
    Write("unknown.alt", Head() + " 10\r\n 10\r\n 9\r\n 0\r\n 1\r\n 2\r\n");
    Write("nodevice.cfg", "<Config><Devices><Device id='60' name='X'/></Devices></Config>");
    Write("broken.cfg", "<Config><Devices>");
    Write("empty.mem", "");
    const QString ten = Path("ten.alt"), png = Path("x.png"), nowhere = "/dev/nivra-no-such-port";
    const std::string usage = "usage: nivra-tool";
    ExpectRuns({
        // Files that cannot be read (status 1).
        {{"info", Path("no-blank.alt")}, 1, "", "no-blank.alt: not a log file"},
        {{"info", Path("unknown.alt"), "--config", Path("nodevice.cfg")}, 1, "", "no device 9"},
        {{"devices", "--config", Path("broken.cfg")}, 1, "", "broken.cfg"},
        {{"csv", ten, "2"}, 1, "", "no log 2 (the file lists 1)"},
        {{"airtime", ten, "2"}, 1, "", "no log 2 (the file lists 1)"},
        {{"airtime", Path("no-blank.alt"), "1"}, 1, "", "no-blank.alt: not a log file"},
        {{"airtime", Path("unknown.alt"), "1", "--config", Path("nodevice.cfg")}, 1, "", "no device 9"},
        {{"csv", ten, "1", "--from", "1e300", "--to", "1e308"}, 1, "", "after the last sample"},
        {{"stats", ten, "1", "--from", "1e300", "--to", "1e308"}, 1, "", "after the last sample"},
        {{"image", kSoaring, "1", "-o", Path("no/such/folder/x.png")}, 1, "", "x.png"},
        {{"download", "--port", nowhere, "-o", Path("none.alt")}, 1, "", "cannot open /dev/nivra-no-such-port"},
        {{"download", "--from-image", Path("empty.mem"), "-o", Path("none.alt")},
         1,
         "",
         "empty.mem: it is empty: no memory image of the logger"},
        // An output that cannot be written is told before the port is even opened.
        {QStringList{"download", "--port", nowhere, "-o", Path("no/such/folder/down.alt")}, 1, "",
         "no/such/folder/down.alt: No such file or directory; nothing was received"},
        // Wrong usage (status 2).
        {{}, 2, "", usage},
        {{"frobnicate"}, 2, "", usage},
        {{"info"}, 2, "", usage},
        {{"info", kHops, kSoaring}, 2, "", usage},
        {{"info", kHops, "--set", "SkipShortLogsLen"}, 2, "", usage},
        {{"info", kHops, "--set", "NoSuchSetting=1"}, 2, "", usage},
        {{"info", kHops, "--colour", "red"}, 2, "", usage},
        {{"info", kHops, "--config"}, 2, "", usage},
        {{"devices", "extra"}, 2, "", usage},
        {{"stats", ten, "0"}, 2, "", "log number"},
        {{"csv", ten, "one"}, 2, "", "log number"},
        {{"csv", ten}, 2, "", "FILE and a log number"},
        {{"airtime", ten}, 2, "", "FILE and a log number"},
        {{"airtime", ten, "1", "--from", "1", "--to", "2"}, 2, "", usage},
        {{"csv", ten, "1", "--from", "1"}, 2, "", "go together"},
        {{"csv", ten, "1", "--from", "3", "--to", "1"}, 2, "", "before --from"},
        {{"stats", ten, "1", "--from", "-1", "--to", "1"}, 2, "", "from 0"},
        {{"stats", ten, "1", "--from", "nan", "--to", "1"}, 2, "", "from 0"},
        {{"csv", ten, "1", "--from", "0", "--to", "inf"}, 2, "", "from 0"},
        {{"csv", ten, "1", "--from", "0x1", "--to", "2"}, 2, "", "from 0"},
        {{"image", kSoaring, "1"}, 2, "", "-o OUT"},
        {{"image", kSoaring, "1", "-o", png, "--size", "0x10"}, 2, "", "--size"},
        {{"image", kSoaring, "1", "-o", png, "--size", "big"}, 2, "", "--size"},
        {{"image", kSoaring, "1", "-o", png, "--size", "100000x100000"}, 2, "", "--size"},
        {{"download", "--port", nowhere}, 2, "", "-o OUT.alt"},
        {{"logbook", "set", "1", "--elevation", "1e308"}, 2, "", "from -500 to 9000, not \"1e308\""},
        {{"logbook", "set", "1", "--elevation", "9000.5"}, 2, "", "from -500 to 9000"},
        {{"logbook", "set", "1", "--flown-on", "2026-02-30"}, 2, "", "a day as 2026-12-07, not \"2026-02-30\""},
        {{"logbook", "set", "1", "--flown-on", "7.12.2026"}, 2, "", "a day as 2026-12-07"},
    });
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_FALSE(QFile::exists(Path("none.alt")));
}

TEST_F(ToolTest, ExamplesAreWhatTheGeneratorWrites)
{
    const ToolRun r = Exec(QStringLiteral(MAKE_EXAMPLES), {home.path()});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"soaring-flight.alt", "training-hops.alt"})
        EXPECT_TRUE(FileBytes(home.filePath(name)) == FileBytes(QStringLiteral(NIVRA_EXAMPLES_DIR "/") + name))
            << name << " differs: run make-examples examples";
}

TEST_F(ToolTest, PicturesAreDrawnWithoutADisplay)
{
    const struct {
        QStringList args;  // -o and the name are added
        QString name;
        QSize size;
        const char* format;
    } cases[] = {
        {{"image", kSoaring, "1"}, "chart.jpg", {800, 600}, "jpeg"},
        {{"image", kSoaring, "1", "--size", "640x360"}, "chart.png", {640, 360}, "png"},
        // Export draws at the stored picture size, a side bounded to 10000 pixels.
        {QStringList{"export", kSoaring, "1", "--set", "Image.cx=300", "--set", "Image.cy=20000"}, "chart.jpeg",
         QSize(300, 10000), "jpeg"},
    };
    for (const auto& c : cases) {
        const ToolRun r = Tool(c.args + QStringList{"-o", Path(c.name)});
        ASSERT_EQ(r.status, 0) << r.err;
        QImageReader reader(Path(c.name));
        EXPECT_EQ(reader.format(), c.format);
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), c.size);
        // The altitude's green is on the picture.
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                green += p.green() > 100 && p.red() < 60 && p.blue() < 60;
            }
        EXPECT_GT(green, 500) << c.name.toStdString();
    }
}

TEST_F(ToolTest, ExportWritesOneLogAsTheWindowDoes)
{
    const QString ten = Path("ten.alt");
    ExpectRuns({
        // The whole log, with its last record that is never decoded: the file itself.
        {{"export", ten, "1", "-o", Path("whole.alt")}, 0, "", "", "whole.alt", FileBytes(ten)},
        // 2.0 .. 3.0 s at 0.5 s: records 4 to 6.
        {QStringList{"export", ten, "1", "-o", Path("part.ALT"), "--from", "2", "--to", "3"}, 0, "", "", "part.ALT",
         AltPreamble() + AltLines("0 0 5 5 59 0 4 1 5 1 6 1 0 0 0 0")},
        {QStringList{"export", ten, "1", "-o", Path("alt.csv"), "--set", "Vario.On=0", "--from", "4.5", "--to", "9"} +
             plain,
         0, "", "", "alt.csv", "\"Time (sec)\",\"Alt\"\r\n0.000000,9.000000\r\n"},
        {{"export", ten, "1"}, 2, "", "-o OUT"},
        {{"export", ten, "1", "-o", Path("x.txt")}, 2, "", ".alt, .csv, .jpg or .jpeg"},
        {{"export", ten, "1", "-o", Path("x.jpg"), "--from", "0", "--to", "1"}, 2, "", "whole log"},
        {QStringList{"export", ten, "1", "-o", Path("x.csv"), "--from", "5", "--to", "6"} + plain, 1, "",
         "after the last sample"},
        {{"export", ten, "1", "-o", Path("no/such/folder/x.alt")}, 1, "", "x.alt"},
    });
    for (const char* name : {"x.txt", "x.jpg", "x.csv", "no"})
        EXPECT_FALSE(QFile::exists(Path(name))) << name;
}

TEST_F(ToolTest, SettingsAreStoredForTheWindowAndEveryCommand)
{
    const ToolRun set = Tool({"settings", "UsedPort=/dev/pts/77", "Units=1", "SkipShortLogsLen=0"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_NE(set.out.find("UsedPort=/dev/pts/77\n"), std::string::npos);
    QSettingsStore store(Path("config/Nivra/Nivra.conf").toStdString());
    const Settings read = LoadSettings(store);
    EXPECT_EQ(std::pair(read.usedPort, read.units), std::pair(std::string("/dev/pts/77"), UnitSystem::Imperial));
    EXPECT_NE(Tool({"settings"}).out.find("Units=1\n"), std::string::npos);
    EXPECT_EQ(Tool({"settings", "Baudrate=9"}).status, 2);
    EXPECT_EQ(LoadSettings(store).baudrate, 0u);  // nothing stored
    // The stored settings shape every command; --set wins over them for its run only.
    EXPECT_NE(Tool({"info", kHops}).out.find("Log  2 (00:00:02)"), std::string::npos);
    EXPECT_EQ(Tool({"info", kHops, "--set", "SkipShortLogsLen=3"}).out, kHopsInfo);

    // A damaged file: the value is stored, and that is what is said.
    Write("config/Nivra/Nivra.conf", "[General\nUnits=@ByteArray(\\x1)\n");
    const ToolRun damaged = Tool({"settings", "Units=0"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_NE(damaged.err.find("the settings were stored, but the settings file "), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.err.find(" was damaged; it was written anew"), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.out.find("Units=0\n"), std::string::npos);

    // The per-user configuration is found without --config.
    Write("config/Nivra/Nivra.cfg", "<Config><Devices><Device id='59' name='Mine'/></Devices></Config>");
    EXPECT_EQ(Tool({"devices"}).out, "Mine\n");
}

TEST_F(ToolTest, SettingsWrittenAtOnceLoseNothing)
{
    // Two writers of different values at the same moment, again and again: each keeps its change.
    for (int round = 0; round < 20; ++round) {
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->setProcessEnvironment(Environment());
        a.start(QStringLiteral(NIVRA_TOOL), {"settings", QStringLiteral("Alt.Median=%1").arg(round)});
        b.start(QStringLiteral(NIVRA_TOOL), {"settings", QStringLiteral("Vario.Median=%1").arg(100 + round)});
        ASSERT_TRUE(a.waitForFinished(20000) && b.waitForFinished(20000));
        ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
        ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
        QSettingsStore store(Path("config/Nivra/Nivra.conf").toStdString());
        const Settings read = LoadSettings(store);
        EXPECT_EQ(read.altMedian, round) << "round " << round;
        EXPECT_EQ(read.varioMedian, 100 + round) << "round " << round;
    }
}

TEST_F(ToolTest, DownloadFromTheSimulator)
{
    QProcess sim;
    sim.start(QStringLiteral(BRIXO_SIM), {kHops, "--garbage", "40"});
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString port = QString::fromUtf8(sim.readLine()).trimmed();
    ASSERT_TRUE(port.startsWith("/dev/"));
    const ToolRun r = Tool({"download", "--port", port, "-o", Path("down.alt")});
    sim.waitForFinished(10000);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("2 logs written"), std::string::npos) << r.err;
    // The file holds the example's two kept flights, byte for byte as Save As writes them.
    EXPECT_EQ(Tool({"info", Path("down.alt")}).out,
              "Log  1 (00:04:10)\t1\t2504\t250.4\nLog  2 (00:03:30)\t1\t2103\t210.3\n");
    EXPECT_EQ(Tool({"csv", Path("down.alt"), "2"}).out, Tool({"csv", kHops, "3"}).out);

    // Kept in the logbook: its two flights, and the memory image, which replays to the same file.
    EXPECT_NE(r.err.find("Kept in the logbook: 2 new flights."), std::string::npos) << r.err;
    const ToolRun listed = Tool({"logbook", "list"});
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 2) << listed.out;
    const QStringList images = QDir(Path("data/Nivra/images")).entryList(QDir::Files);
    ASSERT_EQ(images.size(), 1);
    const QString kept = Path("data/Nivra/images/" + images[0]);
    const ToolRun replayed = Tool({"download", "--from-image", kept, "-o", Path("again.alt")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_NE(replayed.err.find("This memory image is in the logbook already."), std::string::npos) << replayed.err;
    EXPECT_EQ(FileBytes(Path("again.alt")), FileBytes(Path("down.alt")));
    EXPECT_EQ(QDir(Path("data/Nivra/images")).entryList(QDir::Files).size(), 1);
    // The download's diagnostic line per flight is written only when asked for.
    for (const bool asked : {false, true}) {
        const ToolRun diag =
            Tool({"download", "--from-image", kept, "--no-archive", "-o", Path("diag.alt")}, [&](QProcess& p) {
                QProcessEnvironment env = Environment();
                env.remove("QT_LOGGING_RULES");
                if (asked)
                    env.insert("QT_LOGGING_RULES", "nivra.download.debug=true");
                p.setProcessEnvironment(env);
            });
        EXPECT_EQ(diag.err.find("len=5014, rate=1, duration=250.000000") != std::string::npos, asked) << diag.err;
        EXPECT_EQ(diag.err.find("len=") != std::string::npos, asked) << diag.err;
    }
    // Without the logbook: --no-archive keeps nothing; a logbook that cannot be opened is
    // said, and the file is written all the same with exit status 4.
    const ToolRun unarchived = Tool({"download", "--from-image", kept, "--no-archive", "-o", Path("plain.alt")});
    EXPECT_EQ(unarchived.status, 0);
    EXPECT_EQ(unarchived.err.find("logbook"), std::string::npos) << unarchived.err;  // not even looked up
    Write("blocked", "a file where the data folder should be");
    const ToolRun unkept = Tool({"download", "--from-image", kept, "-o", Path("unkept.alt")}, [&](QProcess& p) {
        QProcessEnvironment blocked = Environment();
        blocked.insert("XDG_DATA_HOME", Path("blocked"));
        p.setProcessEnvironment(blocked);
    });
    EXPECT_EQ(unkept.status, 4);
    EXPECT_NE(unkept.err.find("could not be kept in the logbook"), std::string::npos) << unkept.err;
    EXPECT_EQ(FileBytes(Path("unkept.alt")), FileBytes(Path("down.alt")));

    // Noted in the logbook, the start elevation lifts the altitude of the file's same flight.
    ASSERT_EQ(Tool({"logbook", "set", "1", "--elevation", "250", "--name", "Hop"}).status, 0);
    const ToolRun show = Tool({"logbook", "show", "1"});
    EXPECT_NE(show.out.find("Name: Hop\n"), std::string::npos) << show.out;
    // Dated by the download until the pilot gives the day flown; the rate as everywhere.
    EXPECT_NE(show.out.find(" (downloaded; no day flown given)\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\nRate: 0.1 s\n"), std::string::npos) << show.out;
    ASSERT_EQ(Tool({"logbook", "set", "1", "--flown-on", "2026-11-28"}).status, 0);
    EXPECT_NE(Tool({"logbook", "show", "1"}).out.find("\nDate: 2026-11-28\n"), std::string::npos);
    EXPECT_NE(Tool({"logbook", "list"}).out.find("1\t2026-11-28\tHop\t"), std::string::npos);
    // A name cannot fake a line of its own; bytes that are not UTF-8 are refused.
    ASSERT_EQ(Tool({"logbook", "set", "1", "--site", "Ridge\nMax altitude: 9999.0 m"}).status, 0);
    EXPECT_NE(Tool({"logbook", "show", "1"}).out.find("Site: Ridge Max altitude: 9999.0 m\n"), std::string::npos);
    const ToolRun latin1 =
        Exec("/bin/sh", {"-c", QStringLiteral(NIVRA_TOOL) + " logbook set 1 --name \"$(printf 'Col \\351')\""});
    EXPECT_EQ(latin1.status, 2) << latin1.err;
    EXPECT_NE(latin1.err.find("--name wants UTF-8 text"), std::string::npos) << latin1.err;
    EXPECT_NE(show.out.find("Start elevation: 250.0 m\n"), std::string::npos) << show.out;
    const std::string above = Tool({"stats", Path("down.alt"), "1", "--set", "Alt.AboveSeaLevel=1"}).out;
    EXPECT_NE(above.find("Log/Altitude: above sea level\n"), std::string::npos) << above;
    EXPECT_NE(Tool({"logbook", "list"}).out.find("\tHop\t"), std::string::npos);

    // A logbook that cannot be read is said, not taken for one without the flight.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "break");
        db.setDatabaseName(home.filePath("data/Nivra/logbook.sqlite"));
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("ALTER TABLE flights RENAME TO gone"));
        db.close();
    }
    QSqlDatabase::removeDatabase("break");
    const ToolRun unread = Tool({"stats", Path("down.alt"), "1", "--set", "Alt.AboveSeaLevel=1"});
    EXPECT_EQ(unread.status, 0);
    EXPECT_NE(unread.err.find("the logbook cannot be read, so the altitude stays above the start: no such table: "
                              "flights"),
              std::string::npos)
        << unread.err;
    EXPECT_NE(unread.out.find("Log/Altitude: above start"), std::string::npos) << unread.out;
}

TEST_F(ToolTest, AStatsSelectionOverTheEndStopsAtTheLastSample)
{
    // Ten samples half a second apart: the last at 4.5 s. Past it there is nothing to count.
    const QString ten = Path("ten.alt");
    const ToolRun over = Tool(QStringList{"stats", ten, "1", "--from", "3", "--to", "100"} + plain);
    const ToolRun toEnd = Tool(QStringList{"stats", ten, "1", "--from", "3", "--to", "4.5"} + plain);
    EXPECT_EQ(std::pair(over.status, over.out), std::pair(0, toEnd.out));
    EXPECT_NE(over.out.find("Selection/Duration: 00:01\nSelection/start Altitude:   6.0 m\nSelection/end Altitude:   "
                            "9.0 m\n"),
              std::string::npos)
        << over.out;
    EXPECT_NE(over.out.find("Selection/min Vario:   2.0 m/s\n"), std::string::npos) << over.out;
}

TEST_F(ToolTest, AMemoryImageCutShortIsToldWithItsOwnStatus)
{
    const Configuration config = BuiltInConfig();
    std::vector<unsigned> words;
    for (unsigned i = 0; i < 300; ++i)
        words.push_back(45000 + i % 50);
    const BrixoLog flight = LogOf(config, 59, 10, Words(words));
    const std::vector<uint8_t> whole = MemoryImageOf({&flight, &flight});
    // Cut inside the second flight's records: the first is whole.
    Write("cut.mem",
          QByteArray(reinterpret_cast<const char*>(whole.data()), static_cast<qsizetype>(whole.size() * 3 / 4)));
    const ToolRun cut = Tool({"download", "--from-image", Path("cut.mem"), "--no-archive", "-o", Path("cut.alt")});
    EXPECT_EQ(cut.status, 5) << cut.err;
    EXPECT_NE(cut.err.find("The memory ends inside a flight: that flight is missing"), std::string::npos) << cut.err;
    EXPECT_EQ(Tool({"info", Path("cut.alt"), "--set", "SkipShortLogsLen=0"}).out,
              "Log  1 (00:05:00)\t10\t300\t300.0\n");
    // Whole, the same image ends well.
    Write("whole.mem", QByteArray(reinterpret_cast<const char*>(whole.data()), static_cast<qsizetype>(whole.size())));
    EXPECT_EQ(Tool({"download", "--from-image", Path("whole.mem"), "--no-archive", "-o", Path("whole.alt")}).status, 0);
}

TEST_F(ToolTest, DurationsPastADayKeepTheirHours)
{
    // 27 h 46 min 40 s at a sample a second: the hours do not wrap at 24 in the logbook.
    const Configuration config = BuiltInConfig();
    const BrixoLog day = LogOf(config, 59, 10, Words(std::vector<unsigned>(100000, 50000)));
    Write("day.alt", QByteArray::fromStdString(AltFileText({&day})));
    ASSERT_EQ(Tool({"logbook", "add", Path("day.alt")}).status, 0);
    const ToolRun show = Tool({"logbook", "show", "1"});
    EXPECT_NE(show.out.find("Duration: 27:46:40\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("Airtime: 00:00:00\nFlights: 0\n"), std::string::npos) << show.out;
}

TEST_F(ToolTest, TheLogbookAsCsvBetweenTwoDays)
{
    // The examples' three logs in the logbook, two of them dated; a comment a spreadsheet must
    // take back whole. Only the days asked for are written, the climbs found once and kept.
    ASSERT_EQ(Tool({"logbook", "add", kSoaring}).status, 0);
    ASSERT_EQ(Tool({"logbook", "add", kHops}).status, 0);
    ASSERT_EQ(Tool({"logbook", "set", "1", "--flown-on", "2026-06-14", "--site", "Westkamm", "--comment",
                    "Strong, \"smooth\"\nlift"})
                  .status,
              0);
    ASSERT_EQ(Tool({"logbook", "set", "2", "--flown-on", "2026-05-02"}).status, 0);
    const ToolRun june = Tool({"logbook", "csv", "--from", "2026-06-01", "--to", "2026-06-30"});
    ASSERT_EQ(june.status, 0) << june.err;
    const std::string header =
        "Date,Dated by,Site,Name,Airtime,Airtime [s],Highest point [m],Highest point above,"
        "Height gained [m],Best climb [m/s],Device,Comment\r\n";
    ASSERT_TRUE(june.out.starts_with(header)) << june.out;
    const std::string row = june.out.substr(header.size());
    EXPECT_TRUE(row.starts_with("2026-06-14,flown,Westkamm,,00:59:17,3557,1440.7,start,")) << row;
    EXPECT_TRUE(row.ends_with(",Brixo,\"Strong, \"\"smooth\"\"\nlift\"\r\n")) << row;
    // To a file, in feet; every flight without days asked.
    ASSERT_EQ(Tool({"logbook", "csv", "-o", Path("all.csv"), "--set", "Units=1"}).status, 0);
    const std::string all = FileBytes(Path("all.csv"));
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 1 + 3 + 1);  // the comment's own line end too
    EXPECT_NE(all.find("Highest point [ft]"), std::string::npos);
    for (const QStringList& bad : {QStringList{"logbook", "csv", "--from", "14.6.2026"},
                                   QStringList{"logbook", "csv", "--from", "2026-06-02", "--to", "2026-06-01"},
                                   QStringList{"logbook", "csv", "7"}})
        EXPECT_EQ(Tool(bad).status, 2) << bad.join(' ').toStdString();
}

TEST_F(ToolTest, AFlightOnPaper)
{
    // A comment of 150 lines and the climbs go on from page to page, nothing cut; the chart's
    // texts and the statistics are text in the PDF, not a picture of it.
    ASSERT_EQ(Tool({"logbook", "add", kSoaring}).status, 0);
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("Line %1 of the comment, \u00e4 \u00fc; the thermal by the quarry.").arg(i);
    ASSERT_EQ(Tool({"logbook", "set", "1", "--name", "Ridge soaring", "--comment", lines.join('\n')}).status, 0);
    const ToolRun report = Tool({"logbook", "report", "1", "-o", Path("long.pdf")});
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string pdf = FileBytes(Path("long.pdf"));
    ASSERT_TRUE(pdf.starts_with("%PDF-")) << pdf.substr(0, 20);
    const auto pages = [](const std::string& bytes) {
        int n = 0;
        for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
            n += bytes.compare(at, 12, "/Type /Pages") != 0;
        return n;
    };
    EXPECT_GE(pages(pdf), 3);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);  // A4 by default
    // The same file's log, on letter paper, without the logbook's notes but with its own.
    ASSERT_EQ(Tool({"report", kSoaring, "1", "-o", Path("letter.pdf"), "--page", "letter"}).status, 0);
    const std::string letter = FileBytes(Path("letter.pdf"));
    EXPECT_NE(letter.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
    EXPECT_EQ(Tool({"report", kSoaring, "1", "-o", Path("x.pdf"), "--page", "a5"}).status, 2);
    EXPECT_EQ(Tool({"logbook", "report", "7", "-o", Path("x.pdf")}).status, 1);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the report's text is not read back";
    const ToolRun text = Exec("pdftotext", {Path("long.pdf"), "-"});
    ASSERT_EQ(text.status, 0) << text.err;
    const QString read = QString::fromStdString(text.out);
    for (int i : {1, 75, 150})
        EXPECT_TRUE(read.contains(QStringLiteral("Line %1 of the comment, \u00e4 \u00fc;").arg(i))) << i;
    for (const char* part : {"Ridge soaring", "Alt [m]", "Vario [m/s]", "00:22, Landing 59:39", "Best climb",
                             "2.32 m/s (climb 3)", "Gain [m]", "836.7"})
        EXPECT_TRUE(read.contains(QString::fromLatin1(part))) << part;
}

TEST_F(ToolTest, FlightsSideBySide)
{
    // The soaring flight and the two training hops, lined up by their takeoffs: the table gives a
    // column each, the picture draws each in its own colour on one height axis.
    const QString soaring = kSoaring + ":1", hop1 = kHops + ":1", hop3 = kHops + ":3";
    const ToolRun r = Tool({"compare", soaring, hop1, hop3, "-o", Path("cmp.png"), "--size", "900x500"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::vector<std::string>> rows;
    for (const QString& line : QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts)) {
        rows.emplace_back();
        for (const QString& cell : line.split('\t'))
            rows.back().push_back(cell.toStdString());
    }
    ASSERT_EQ(rows.size(), 9u) << r.out;
    for (const auto& row : rows)
        EXPECT_EQ(row.size(), 4u) << row[0];
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Flight", "Log  1 (01:00:00)", "Log  1 (00:04:10)", "Log  3 (00:03:30)"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Airtime", "00:59:17", "00:03:54", "00:03:13"}));
    EXPECT_EQ(rows[4][0], "Highest point [m]");
    EXPECT_EQ(rows[7], (std::vector<std::string>{"Best climb [m/s]", "2.32", "-", "0.68"}));
    // In the picture: the first flight's blue and the second's vermillion, as drawn.
    const QImage image(Path("cmp.png"));
    ASSERT_EQ(image.size(), QSize(900, 500));
    const auto count = [&image](QColor color) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == color;
        return n;
    };
    EXPECT_GT(count(QColor(0x00, 0x72, 0xB2)), 500);
    EXPECT_GT(count(QColor(0xD5, 0x5E, 0x00)), 50);
    EXPECT_GT(count(QColor(0x00, 0x9E, 0x73)), 50);
    // Aligned by the peak, another table; the clock asks for times flown the files do not have.
    EXPECT_EQ(Tool({"compare", soaring, hop1, "--align", "peak"}).status, 0);
    const ToolRun clock = Tool({"compare", soaring, hop1, "--align", "clock"});
    EXPECT_EQ(clock.status, 1);
    EXPECT_NE(clock.err.find("needs the time flown of every flight"), std::string::npos) << clock.err;
    for (const QStringList& bad :
         {QStringList{"compare", soaring}, QStringList{"compare", soaring, hop1, "--align", "x"},
          QStringList{"compare", soaring, kHops}, QStringList{"compare", soaring, hop1, "--height", "y"}})
        EXPECT_EQ(Tool(bad).status, 2) << bad.join(' ').toStdString();
    EXPECT_EQ(Tool({"compare", soaring, kHops + ":2"}).status, 1);  // no log 2 in that file
}

TEST_F(ToolTest, DownloadOnAHostileLine)
{
    const Configuration config = BuiltInConfig();
    std::vector<uint8_t> records;
    for (unsigned i = 0; i < 600; ++i)
        records.insert(records.end(), {static_cast<uint8_t>(i), 0xB0});
    const BrixoLog flight = LogOf(config, 59, 10, records);
    std::vector<uint8_t> noisy = MemoryImageOf({&flight, &flight});
    noisy.erase(noisy.begin() + 16 + 6 + 101);  // one byte lost on the line
    noisy.insert(noisy.begin(), 100, 'x');
    const std::vector<uint8_t> zeros(64, 0), few = {0x12, 0x34, 0x56, 0x78, 0x9A}, none;
    const struct {
        const char* what;
        std::vector<uint8_t> first, then;  // written with a short pause between them
        bool unplug;                       // after the first bytes, instead of the others
        int status;
        std::string errPart;
    } cases[] = {
        {"zeros of a line held low, then noise and a memory with a lost byte", zeros, noisy, false, 3,
         "\nFlight 1 looks damaged: its raw readings jump from "},
        {"zeros and then nothing", zeros, none, false, 1, "without the logger's signature; nothing was written"},
        {"the cable pulled", few, none, true, 1,
         "nivra-tool: the connection to the logger was lost (the port went away"},
    };
    for (const auto& c : cases) {
        auto pty = std::make_unique<PseudoTerminal>();
        ASSERT_FALSE(pty->path.empty());
        QFile::remove(Path("down.alt"));
        QProcess tool;
        tool.setProcessEnvironment(Environment());
        tool.setReadChannel(QProcess::StandardError);
        tool.start(QStringLiteral(NIVRA_TOOL),
                   {"download", "--port", QString::fromStdString(pty->path), "-o", Path("down.alt")});
        ASSERT_TRUE(tool.waitForReadyRead(10000)) << c.what;  // "Waiting for the logger ..."
        pty->Write(c.first);
        // The first bytes are in before the rest comes or the line goes: the tool says so.
        std::string err;
        const std::string arrived = "\r" + std::to_string(c.first.size()) + " bytes has been received";
        while (err.find(arrived) == std::string::npos && tool.waitForReadyRead(10000))
            err += tool.readAllStandardError().toStdString();
        ASSERT_NE(err.find(arrived), std::string::npos) << c.what << "\n" << err;
        if (c.unplug)
            pty.reset();
        else
            pty->Write(c.then);
        ASSERT_TRUE(tool.waitForFinished(20000)) << c.what;
        err += tool.readAllStandardError().toStdString();
        EXPECT_EQ(tool.exitCode(), c.status) << c.what << "\n" << err;
        EXPECT_NE(err.find(c.errPart), std::string::npos) << c.what << "\n" << err;
        EXPECT_EQ(QFile::exists(Path("down.alt")), c.status == 3) << c.what;
        EXPECT_EQ(err.find("nothing was written") != std::string::npos, c.status == 1) << c.what << "\n" << err;
    }
}

TEST_F(ToolTest, FilesAreTheOnesNamedAndNothingWaitsOnThem)
{
    const std::string h = home.path().toStdString() + "/";
    ASSERT_EQ(mkfifo((h + "pipe.alt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((h + "pipe.csv").c_str(), 0600), 0);
    QDir().mkpath(Path("config/Nivra"));
    ASSERT_EQ(mkfifo(Path("config/Nivra/Nivra.cfg").toLocal8Bit().constData(), 0600), 0);
    ExpectRuns({
        {QStringList{"info", Path("pipe.alt")}, 1, "",
         "pipe.alt: cannot open the file: it is a named pipe (FIFO), not a regular file"},
        {{"devices", "--config", Path("config/Nivra/Nivra.cfg")}, 1, "", "it is a named pipe (FIFO)"},
        // The per-user configuration is a FIFO: passed over like a missing one.
        {{"devices"}, 0, "Brixo\n", ""},
        {{"export", kHops, "1", "-o", Path("pipe.csv")}, 1, "", "pipe.csv is a named pipe (FIFO), not a regular file"},
    });
    EXPECT_FALSE(QFileInfo(Path("pipe.csv")).isFile());

    // Names that are not UTF-8 are used byte for byte: two of them are two files, and an existing
    // one is found. (Through the shell, as text arguments cannot carry such bytes.)
    ASSERT_TRUE(WriteFileSafely(h + "hops\xff.alt", FileBytes(kHops)));
    const QString script = QStringLiteral(
        "cd \"$1\" && \"$0\" info \"$(printf 'hops\\377.alt')\" && "
        "\"$0\" export \"$(printf 'hops\\377.alt')\" 1 -o \"$(printf 'one\\376.alt')\" && "
        "\"$0\" export \"$(printf 'hops\\377.alt')\" 3 -o \"$(printf 'three\\375.alt')\"");
    const ToolRun raw = Exec(QStringLiteral("/bin/sh"), {"-c", script, QStringLiteral(NIVRA_TOOL), home.path()});
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, kHopsInfo);
    const auto one = ReadSmallFile(h + "one\xfe.alt", 1 << 20);
    const auto three = ReadSmallFile(h + "three\xfd.alt", 1 << 20);
    ASSERT_TRUE(one.Ok() && three.Ok());
    EXPECT_NE(*one, *three);
    // Qt cannot name these files to remove them with the folder.
    for (const char* name : {"hops\xff.alt", "one\xfe.alt", "three\xfd.alt"})
        unlink((h + name).c_str());
}

TEST_F(ToolTest, OutputsTellTheTruth)
{
    Write("channels.cfg",
          "<Config><Devices><Device id='59' name='Lin' data-chunk='2'><Alt formula='y'/>"
          "<Chan name='Temp' offs='0'/><Chan name='Far' offs='7' formula='y'/><Chan name='Raw' offs='0' formula='y'/>"
          "</Device></Devices></Config>");
    Write("overflow.cfg",
          "<Config><Devices><Device id='59' data-chunk='2'><Alt formula='y*1e303'/></Device></Devices></Config>");
    // Readings 60000, 257, 60000, 257 at ten a second: finite altitudes, an infinite vario.
    Write("swing.alt", Head() + " 1\r\n 1\r\n 59\r\n 0\r\n" + QByteArray(" 96\r\n 234\r\n 1\r\n 1\r\n").repeated(2) +
                           " 0\r\n 0\r\n 0\r\n 0\r\n");
    const QStringList channels = QStringList{"--config", Path("channels.cfg")} + plain.mid(2);

    // Standard output on a full disk: every command that prints says so and fails.
    const QStringList printing[] = {
        {"csv", Path("ten.alt"), "1"}, {"info", kHops}, {"stats", kSoaring, "1"}, {"devices"}, {"settings"}, {"--help"},
    };
    for (const QStringList& args : printing) {
        const ToolRun r = Tool(args + (args[0] == "csv" ? plain : QStringList()),
                               [](QProcess& p) { p.setStandardOutputFile(QStringLiteral("/dev/full")); });
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.ends_with("\nnivra-tool: cannot write to standard output: No space left on device\n") ||
                    r.err == "nivra-tool: cannot write to standard output: No space left on device\n")
            << args.join(' ').toStdString() << "\n"
            << r.err;
    }

    // A channel that cannot be decoded leaves the table without its column, not without rows.
    const ToolRun table = Tool(QStringList{"csv", Path("ten.alt"), "1"} + channels);
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 11) << table.out;
    EXPECT_TRUE(
        table.out.starts_with("\"Time (sec)\",\"Alt\",\"Vario\",\"Raw\"\r\n0.000000,0.000000,2.000000,0.000000\r\n"))
        << table.out;
    EXPECT_NE(table.err.find("the series \"Temp\" was left out of the table: channel \"Temp\" of device 59 (Lin) "
                             "has no formula\n"),
              std::string::npos)
        << table.err;
    const ToolRun exported = Tool(QStringList{"export", Path("ten.alt"), "1", "-o", Path("t.csv")} + channels);
    EXPECT_EQ(std::pair(exported.status, exported.err), std::pair(0, table.err));
    EXPECT_EQ(FileBytes(Path("t.csv")), table.out);

    // An altitude whose vertical speed overflows: the log is refused, with the reason.
    const ToolRun refused =
        Tool({"stats", Path("swing.alt"), "1", "--config", Path("overflow.cfg"), "--set", "SkipShortLogsLen=0"});
    EXPECT_EQ(std::pair(refused.status, refused.out), std::pair(1, std::string()));
    EXPECT_TRUE(refused.err.ends_with(
        "swing.alt: the altitude of this log cannot be decoded: the altitude formula \"y*1e303\" gives "
        "altitudes whose vertical speed cannot be computed: the numbers overflow\n"))
        << refused.err;
}

TEST_F(ToolTest, RunningOutOfMemoryIsToldNotAnAbort)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    // 64 channels of 300000 samples want some 150 MB of series; the tool gets 100 MB in all.
    std::string channels;
    for (int i = 0; i < 64; ++i)
        channels += "<Chan name='c" + std::to_string(i) + "' offs='0' formula='y'/>";
    Write("wide.cfg", QByteArray::fromStdString("<Config><Devices><Device id='59' data-chunk='2'><Alt formula='y'/>" +
                                                channels + "</Device></Devices></Config>"));
    Write("long.alt", Head() + " 1\r\n 1\r\n 59\r\n 0\r\n" + QByteArray(" 7\r\n 1\r\n").repeated(300000) +
                          " 0\r\n 0\r\n 0\r\n 0\r\n");
    const ToolRun r = Tool({"csv", Path("long.alt"), "1", "--config", Path("wide.cfg")}, [](QProcess& p) {
        p.setChildProcessModifier([] {
            const rlimit limit{100u << 20, 100u << 20};
            setrlimit(RLIMIT_AS, &limit);
        });
    });
    EXPECT_EQ(r.status, 1);  // a normal exit, not an abort
    EXPECT_EQ(r.err, "nivra-tool: not enough memory to write the table\n");
#endif
}

TEST_F(ToolTest, EveryOutputInBothUnitSystemsIsAsRecorded)
{
    // Each text output of nivra-tool for the examples, in metres and in feet, with the smoother
    // off, on, and on with the stored model sigma, as its SHA-256: a change of any number or text shows here, by name.
    // (Pictures are left out: their labels take the machine's fonts.) After a change meant to alter them,
    // NIVRA_RECORD_OUTPUTS=1 writes the record anew, and its diff says which changed.
    const QString record = QStringLiteral(NIVRA_TEST_DATA_DIR "/tool_outputs.txt");
    std::string lines;
    for (const char* units : {"0", "1"}) {
        for (const QStringList& smoother : {QStringList{"Alt.Polynome=0"}, QStringList{"Alt.Polynome=1"},
                                            QStringList{"Alt.Polynome=1", "Sigma.Auto=0"}}) {
            QStringList set{"--set", QStringLiteral("Units=%1").arg(units)};
            for (const QString& s : smoother)
                set << "--set" << s;
            for (const auto& [file, log] : {std::pair(kSoaring, "1"), std::pair(kHops, "1"), std::pair(kHops, "3")}) {
                const std::vector<QStringList> runs = {
                    {"csv", file, log},
                    {"stats", file, log},
                    {"stats", file, log, "--from", "30", "--to", "200.5"},
                    {"climbs", file, log},
                    {"airtime", file, log},
                };
                for (const QStringList& args : runs) {
                    const ToolRun r = Tool(args + set);
                    ASSERT_EQ(r.status, 0) << args.join(' ').toStdString() << "\n" << r.err;
                    const QByteArray output = QByteArray::fromStdString(r.out);
                    QStringList named = args;
                    named.replaceInStrings(QFileInfo(file).absolutePath() + "/", QString());
                    lines += QStringLiteral("Units=%1 %2 %3\t%4\n")
                                 .arg(units, smoother.join(' '), named.join(' '),
                                      QString::fromLatin1(
                                          QCryptographicHash::hash(output, QCryptographicHash::Sha256).toHex()))
                                 .toStdString();
                }
            }
        }
    }
    if (qEnvironmentVariableIsSet("NIVRA_RECORD_OUTPUTS")) {
        WriteText(record, lines);
        GTEST_SKIP() << "recorded in " << record.toStdString();
    }
    const std::string recorded = FileBytes(record);
    // Line by line, so that a failure names the outputs that changed.
    std::istringstream now(lines), before(recorded);
    for (std::string a, b; std::getline(now, a) && std::getline(before, b);)
        EXPECT_EQ(a, b);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), std::count(recorded.begin(), recorded.end(), '\n'));
}

TEST_F(ToolTest, OutputsAreTheSameInEveryLocale)
{
    // Qt hands the environment's locale to the C library, whose printf writes "1440,7" and whose
    // strtod stops at "1440.7" in German and French; scripts read nivra-tool's output, so it
    // stays in one form. The locales are made here (no root needed): LOCPATH points at them.
    const QString locales = home.filePath(QStringLiteral("locales"));
    QDir().mkpath(locales);
    for (const char* name : {"de_DE", "fr_FR"}) {
        const QString made = QStringLiteral("%1/%2.UTF-8").arg(locales, QString::fromLatin1(name));
        if (QProcess::execute(QStringLiteral("localedef"), {"-i", name, "-f", "UTF-8", made}) != 0 ||
            !QFileInfo(made).isDir())
            GTEST_SKIP() << "localedef cannot make " << name << " here (Debian's locales package)";
    }
    const std::vector<QStringList> runs = {
        {"csv", kSoaring, "1"},
        {"stats", kSoaring, "1", "--from", "30", "--to", "200.5"},
        {"climbs", kSoaring, "1"},
        {"airtime", kHops, "1"},
        {"info", kHops},
        {"settings", "Alt.Min=-12.5", "Sigma.Model=0.0125"},
        {"settings"},
    };
    std::vector<std::string> inC;
    for (const QStringList& args : runs) {
        const ToolRun r = Tool(args, [](QProcess& p) {
            QProcessEnvironment env = p.processEnvironment();
            env.insert("LC_ALL", "C.UTF-8");
            p.setProcessEnvironment(env);
        });
        ASSERT_EQ(r.status, 0) << args.join(' ').toStdString() << "\n" << r.err;
        inC.push_back(r.out);
    }
    EXPECT_NE(inC[1].find("1440.7 m"), std::string::npos) << inC[1];  // a number a locale would change
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        for (size_t i = 0; i < runs.size(); ++i) {
            const ToolRun r = Tool(runs[i], [&](QProcess& p) {
                QProcessEnvironment env = p.processEnvironment();
                env.insert("LOCPATH", locales);
                env.insert("LC_ALL", QString::fromLatin1(locale));
                env.insert("LANG", QString::fromLatin1(locale));
                p.setProcessEnvironment(env);
            });
            ASSERT_EQ(r.status, 0) << locale << " " << runs[i].join(' ').toStdString() << "\n" << r.err;
            EXPECT_TRUE(r.out == inC[i]) << locale << " " << runs[i].join(' ').toStdString() << "\n"
                                         << r.out.substr(0, 300);
        }
    }
}
