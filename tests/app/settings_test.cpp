#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string_view>
#include <type_traits>
#include <variant>

#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/settings.h"
#include "app/settings_store.h"
#include "limited_folder.h"
#include "test_support.h"

namespace {

// A store in a fresh INI file, written through QSettings as another run would have left it.
struct StoreFile {
    QTemporaryDir dir;
    QString path = dir.filePath("Nivra.conf");
    QSettingsStore Store() { return QSettingsStore(path.toStdString()); }
};

template <typename T>
QByteArray BytesOf(T value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

// One value of the settings as text, by its stored name.
std::string Text(const Settings& settings, std::string_view name)
{
    for (const SettingField& f : SettingFields())
        if (name == f.name)
            return SettingText(settings, f);
    return "<no setting " + std::string(name) + ">";
}

// "Name=text Name=text ...": each value as text, as SetSettingFromText reads it and SettingText writes it.
std::vector<std::pair<std::string, std::string>> Assignments(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::istringstream words(text);
    for (std::string word; words >> word;)
        pairs.emplace_back(word.substr(0, word.find('=')), word.substr(word.find('=') + 1));
    return pairs;
}

void ExpectTexts(const Settings& settings, const std::string& assignments, const std::string& what = "")
{
    for (const auto& [name, text] : Assignments(assignments))
        EXPECT_EQ(Text(settings, name), text) << what << ": " << name;
}

}  // namespace

TEST(Settings, FirstRunGivesDefaultsAndWritesAll)
{
    StoreFile file;
    QSettingsStore store = file.Store();
    const Settings loaded = LoadSettings(store);
    ExpectTexts(loaded,
                "UseFiltering=1 UseMedianFilter=0 SkipShortLogsLen=3 UsedPort=COM1: PaneProportion=60 Alt.Color=1 "
                "Vario.Style=2 Vario.Min=-5 Sigma.Measurement=0.44 Sigma.Model=0.01 Image.cy=600 Climb.Threshold=0.5 "
                "Climb.MinDuration=20 Climb.MaxGap=10 Climb.Shown=1 Sigma.Auto=1 VarioUnit=0 Compare.Align=0");

    const StoreResult saved = SaveSettings(loaded, store);
    ASSERT_TRUE(saved) << saved.Error();
    QSettings raw(file.path, QSettings::IniFormat);
    // The first version's, then the climbs', the altitude's reference, the smoother's own choice,
    // the Logs pane's width, two lists' column widths, the chart's fitting of heights, the
    // vario's unit, the comparison's alignment and the language.
    EXPECT_EQ(raw.allKeys().size(), 28 + 13);
    EXPECT_EQ(raw.value("UsedPort").typeId(), QMetaType::QString);
    EXPECT_EQ(raw.value("UsedPort").toString(), "COM1:");
    const struct {
        const char* name;
        QByteArray bytes;
    } stored[] = {
        {"UseFiltering", QByteArray("\x01", 1)},
        {"UseMedianFilter", QByteArray("\x00", 1)},
        {"SkipShortLogsLen", QByteArray("\x03\x00\x00\x00", 4)},
        {"PaneProportion", QByteArray("\x3c\x00\x00\x00", 4)},
        {"Vario.Median", QByteArray("\x07\x00\x00\x00", 4)},
        {"Alt.Max", BytesOf(100.0)},
        {"Vario.Min", BytesOf(-5.0)},
        {"Climb.MaxGap", BytesOf(10.0)},
        {"Image.cx", QByteArray("\x20\x03\x00\x00", 4)},
    };
    for (const auto& s : stored)
        EXPECT_EQ(raw.value(s.name).toByteArray(), s.bytes) << s.name;
}

TEST(Settings, StoredValuesOfEveryShape)
{
    const struct {
        const char* what;
        const char* name;
        QVariant stored;
        std::string read;
    } cases[] = {
        {"a double of 16 bytes is too long", "Sigma.Model", QByteArray(16, '\x01'), "0.01"},
        {"a four-byte value for a one-byte flag", "SkipShortLogs", BytesOf(uint32_t{0}), "1"},
        {"a one-byte flag off", "SkipShortLogs", QByteArray("\x00", 1), "0"},
        {"any non-zero byte is on", "Alt.Polynome", QByteArray("\x02", 1), "1"},
        {"a shorter value fills the first bytes and clears the rest", "Units", QByteArray("\x05", 1), "5"},
        {"two bytes of four", "Image.cx", QByteArray("\x00\x04", 2), "1024"},
        {"an empty binary value clears the field", "Alt.Max", QByteArray(), "0"},
        {"an exact double", "Alt.Min", BytesOf(-12.5), "-12.5"},
        {"a negative median", "Vario.Median", BytesOf(int32_t{-3}), "-3"},
        {"a text value that fits is taken as bytes", "tUnits", QString("1"), "49"},  // "1" and its zero
        {"a text too long for the field", "Alt.Color", QString("12345"), "1"},
        {"a port stored as empty text", "UsedPort", QString(""), ""},
        {"a port of another type", "UsedPort", QByteArray("COM5:\0", 6), "COM1:"},
        {"a port name", "UsedPort", QString("/dev/pts/4"), "/dev/pts/4"},
        {"a port of 259 characters fits", "UsedPort", QString(259, 'p'), std::string(259, 'p')},
        {"a port of 260 characters does not", "UsedPort", QString(260, 'p'), "COM1:"},
        {"a speed index in the table", "Baudrate", BytesOf(uint32_t{4}), "4"},
        {"a speed index past the table means 9600", "Baudrate", BytesOf(uint32_t{5}), "0"},
    };
    for (const auto& c : cases) {
        StoreFile file;
        QSettings(file.path, QSettings::IniFormat).setValue(c.name, c.stored);
        QSettingsStore store = file.Store();
        EXPECT_EQ(Text(LoadSettings(store), c.name), c.read) << c.what;
    }
}

TEST(Settings, EveryValueRoundTripsThroughTheStore)
{
    // Every value changed from its default, so that one the save or the load leaves out shows.
    Settings changed;
    for (const SettingField& f : SettingFields())
        std::visit(
            [&changed](auto member) {
                auto& value = changed.*member;
                using T = std::remove_reference_t<decltype(value)>;
                if constexpr (std::is_same_v<T, bool>)
                    value = !value;
                else if constexpr (std::is_same_v<T, std::string>)
                    value = "COM33:";
                else if constexpr (std::is_same_v<T, double>)
                    value -= 123.456;
                else if constexpr (std::is_enum_v<T>)
                    value = static_cast<T>(static_cast<std::underlying_type_t<T>>(value) + 1);
                else
                    value = static_cast<T>(value + 1);
            },
            f.member);
    StoreFile file;
    {
        QSettingsStore store = file.Store();
        ASSERT_TRUE(SaveSettings(changed, store));
    }
    QSettingsStore store = file.Store();
    const Settings read = LoadSettings(store);
    const Settings defaults;
    for (const SettingField& f : SettingFields()) {
        EXPECT_NE(SettingText(changed, f), SettingText(defaults, f)) << f.name;
        EXPECT_EQ(SettingText(read, f), SettingText(changed, f)) << f.name;
    }
}

TEST(Settings, SetFromText)
{
    const struct {
        const char* name;
        const char* value;
        bool ok;
        const char* text;  // what the setting then holds
    } cases[] = {
        // Good values of every kind are set by the preferences' and the store's tests below.
        {"SkipShortLogsLen", "-1", false, "3"},
        {"SkipShortLogsLen", "4294967296", false, "3"},
        {"Alt.On", "off", true, "0"},
        {"Alt.On", "0", true, "0"},
        {"Alt.On", "maybe", false, "1"},
        {"Alt.Min", "1,5", false, "0"},
        {"Alt.Min", "inf", false, "0"},
        {"Baudrate", "5", false, "0"},
        {"Vario.Median", "-3", true, "-3"},
        {"Image.cx", "", false, "800"},
        {"Language", "de", true, "de"},
        {"Language", "", true, ""},
        {"Language", "it", false, ""},
        {"Language", "DE", false, ""},
        {"NoSuchThing", "1", false, "<no setting NoSuchThing>"},
    };
    for (const auto& c : cases) {
        Settings s;
        const Status set = SetSettingFromText(s, c.name, c.value);
        EXPECT_EQ(set.Ok(), c.ok) << c.name << "=" << c.value;
        EXPECT_EQ(set.Error().empty(), c.ok) << c.name << "=" << c.value;
        EXPECT_EQ(Text(s, c.name), c.text) << c.name << "=" << c.value;
    }
    // A number printed as text reads back as the same number, to the last bit.
    for (const double value : {0.1, 1.0 / 3, -2.5e-300, 1.7976931348623157e308}) {
        Settings s, back;
        s.altMin = value;
        ASSERT_TRUE(SetSettingFromText(back, "Alt.Min", Text(s, "Alt.Min")));
        EXPECT_EQ(back.altMin, value) << Text(s, "Alt.Min");
    }
}

TEST(Settings, TheStoreSaysWhatBecameOfTheValues)
{
    const struct {
        const char* what;
        bool folder;       // a folder where the file should be
        const char* text;  // the file as it is found, when there is one
        bool stored;
        std::string notePart;  // empty: nothing to tell
    } cases[] = {
        {"a new file", false, nullptr, true, ""},
        {"a folder where the file should be", true, nullptr, false, "cannot write "},
        {"a damaged file", false, "[General\nUnits=@ByteArray(\\x1)\n", true,
         "was damaged; it was written anew with the values that could be read from it"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Nivra.conf");
        if (c.folder)
            QDir().mkdir(path);
        if (c.text)
            WriteText(path, c.text);
        QSettingsStore store(path.toStdString());
        Settings settings;
        settings.units = UnitSystem::Imperial;
        const StoreResult saved = SaveSettings(settings, store);
        EXPECT_EQ(saved.Ok(), c.stored) << c.what;
        const std::string note = saved ? *saved : saved.Error();
        EXPECT_EQ(note.empty(), c.notePart.empty()) << c.what << ": " << note;
        EXPECT_NE(note.find(c.notePart), std::string::npos) << c.what << ": " << note;
        if (c.stored) {
            QSettingsStore again(path.toStdString());
            EXPECT_EQ(LoadSettings(again).units, UnitSystem::Imperial) << c.what;
        }
    }
}

TEST(Settings, OnlyTheNamedValuesAreWrittenOverWhatIsStoredNow)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Nivra.conf").toStdString();
    QSettingsStore mine(path);
    EXPECT_NE(LoadSettings(mine).altMedian, 9);  // read before another writer changes the file
    {
        QSettingsStore other(path);
        Settings theirs;
        theirs.altMedian = 9;
        theirs.usedPort = "/dev/pts/9";
        ASSERT_TRUE(SaveSettings(theirs, other));
    }
    Settings now;
    const StoreResult stored = StoreSettingValues(mine, {{"Units", "1"}, {"Alt.Min", "-2.5"}}, now);
    ASSERT_TRUE(stored) << stored.Error();
    ExpectTexts(now, "Units=1 Alt.Median=9", "now");  // the other writer's values are kept
    QSettingsStore check(path);
    ExpectTexts(LoadSettings(check), "Units=1 Alt.Min=-2.5 Alt.Median=9 UsedPort=/dev/pts/9", "stored");
    // A bad value stores nothing.
    EXPECT_FALSE(StoreSettingValues(mine, {{"Units", "2"}, {"Baudrate", "9"}}, now));
    QSettingsStore unchanged(path);
    EXPECT_EQ(LoadSettings(unchanged).units, UnitSystem::Imperial);
}

TEST(Settings, AFileChangedBehindTheStoresBackIsReadBeforeItsWrite)
{
    // QSettings reads a file again only when its size or time differs from what it noted, and it
    // notes the time after opening the file: another process's file put in place in between, or
    // rewritten within the same tick, looks read already. Here the new file keeps the old
    // one's size and time, and the next write must still keep what it holds.
    for (const bool inPlace : {false, true}) {
        StoreFile file;
        WriteText(file.path, "[General]\nUsedPort=/dev/ttyA\n");
        QSettingsStore mine = file.Store();
        ASSERT_EQ(LoadSettings(mine).usedPort, "/dev/ttyA");
        struct stat before {};
        ASSERT_EQ(stat(file.path.toLocal8Bit().constData(), &before), 0);
        const QString written = inPlace ? file.path : file.path + ".new";
        WriteText(written, "[General]\nUsedPort=/dev/ttyB\n");
        if (!inPlace) {
            ASSERT_EQ(std::rename(written.toLocal8Bit().constData(), file.path.toLocal8Bit().constData()), 0);
        }
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, file.path.toLocal8Bit().constData(), times, 0), 0);

        Settings now;
        ASSERT_TRUE(StoreSettingValues(mine, {{"Units", "1"}}, now));
        EXPECT_EQ(now.usedPort, "/dev/ttyB") << (inPlace ? "in place" : "a new file");
        EXPECT_NE(FileBytes(file.path).find("UsedPort=/dev/ttyB"), std::string::npos) << FileBytes(file.path);
    }
}

TEST(Settings, TakingThePreferencesDialogsValues)
{
    // From the defaults (SkipShortLogs on at 3 s, Alt.Median 0), values edited in the dialog.
    const struct {
        const char* what;
        std::string edits;
        bool rebuild;
        std::string taken;
    } cases[] = {
        {"nothing changed", "", false, "SkipShortLogs=1"},
        {"the port alone", "UsedPort=/dev/pts/7", false, "UsedPort=/dev/pts/7"},
        {"speed and temperature units", "Baudrate=4 tUnits=1", false, "Baudrate=4 tUnits=1"},
        {"length 0 switches short logs off", "SkipShortLogsLen=0", false, "SkipShortLogs=0 SkipShortLogsLen=0"},
        {"length 5 keeps them on", "SkipShortLogsLen=5", false, "SkipShortLogs=1 SkipShortLogsLen=5"},
        {"a picture size is bounded", "Image.cx=32 Image.cy=200000", false, "Image.cx=32 Image.cy=10000"},
        {"a tiny picture is raised", "Image.cx=-4", false, "Image.cx=16"},
        {"a colour", "Vario.Color=3", true, "Vario.Color=3"},
        {"a custom bound", "Alt.Max=2500", true, "Alt.Max=2500"},
        {"a sigma", "Sigma.Model=0.02", true, "Sigma.Model=0.02"},
        {"the median", "Vario.Median=3", true, "Vario.Median=3"},
        {"the units change every number", "Units=1", true, "Units=1"},
        // Values the dialog does not show stay as the window has them, the stored-only ones too.
        {"the filters and shown series are not the dialog's", "UseFiltering=0 Alt.On=0 Alt.Median=5", false,
         "UseFiltering=1 Alt.On=1 Alt.Median=0"},
    };
    for (const auto& c : cases) {
        Settings edited, taken;
        for (const auto& [name, value] : Assignments(c.edits))
            ASSERT_TRUE(SetSettingFromText(edited, name, value)) << c.what;
        EXPECT_EQ(TakePreferences(edited, taken), c.rebuild) << c.what;
        ExpectTexts(taken, c.taken, c.what);
    }
}

TEST(Settings, ReadingAFileLeavesItsTimeAsItIs)
{
    // Another writer's file is read afresh whatever its time; reading never moves that time.
    const time_t second = 1796000000;
    for (const long ns : {0L, 999'999'999L}) {
        StoreFile file;
        WriteText(file.path, "[General]\nUsedPort=/dev/ttyA\n");
        QSettingsStore mine = file.Store();
        ASSERT_EQ(LoadSettings(mine).usedPort, "/dev/ttyA");
        WriteText(file.path, "[General]\nUsedPort=/dev/ttyB\n");
        const timespec times[2] = {{second, 0}, {second, ns}};
        ASSERT_EQ(utimensat(AT_FDCWD, file.path.toLocal8Bit().constData(), times, 0), 0);
        mine.Reload();
        EXPECT_EQ(LoadSettings(mine).usedPort, "/dev/ttyB") << ns;
        Settings now;
        ASSERT_TRUE(StoreSettingValues(mine, {}, now));
        EXPECT_EQ(now.usedPort, "/dev/ttyB");
        struct stat after {};
        ASSERT_EQ(stat(file.path.toLocal8Bit().constData(), &after), 0);
        EXPECT_EQ(std::pair(static_cast<long long>(after.st_mtim.tv_sec), static_cast<long>(after.st_mtim.tv_nsec)),
                  std::pair(static_cast<long long>(second), ns));
    }
}

TEST(Settings, AFileThatCannotBeDecodedOnAFullTemporaryDiskIsNotWrittenOver)
{
    // The store decodes through a temporary copy: with the temporary folder's disk full the file
    // is unreadable, not empty, and the defaults are not written over it.
    StoreFile file;
    WriteText(file.path, "[General]\nUsedPort=/dev/ttyA\n");
    LimitedFolder tmp(file.dir.filePath("tmp"), 64);
    if (!tmp.Mounted())
        GTEST_SKIP() << "this process may not mount a small file system";
    ASSERT_TRUE(tmp.Fill());
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp.Path()));
    StoreResult saved = std::string();
    std::string read;
    {
        QSettingsStore mine = file.Store();
        std::vector<std::string> notes;
        read = LoadSettings(mine, &notes).usedPort;
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].rfind("the stored settings could not be read (no temporary copy", 0), 0u) << notes[0];
        // Room again by the time the window closes: still, the defaults it was left with are
        // not written over the pilot's settings.
        ASSERT_TRUE(QFile::remove(tmp.FilePath("filler")));
        saved = SaveSettings(Settings(), mine);
    }
    if (before.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", before);
    EXPECT_NE(read, "/dev/ttyA");  // nothing could be read of it
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Error().find("could not be read (no temporary copy of it can be made"), std::string::npos)
        << saved.Error();
    EXPECT_EQ(FileBytes(file.path), "[General]\nUsedPort=/dev/ttyA\n");
}

TEST(Settings, AFileThatCannotBeReadIsNotWrittenOver)
{
    // Larger than any settings file (a log saved over it by mistake, say): what it holds is
    // not the store's to replace.
    StoreFile file;
    const std::string large = "[General]\nUsedPort=/dev/ttyA\n" + std::string(1 << 20, ';') + "\n";
    WriteText(file.path, large);
    QSettingsStore mine = file.Store();
    Settings settings;
    settings.usedPort = "/dev/ttyB";
    const StoreResult saved = SaveSettings(settings, mine);
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Error().find("could not be read (it is larger than any settings file)"), std::string::npos)
        << saved.Error();
    EXPECT_TRUE(FileBytes(file.path) == large);
}

TEST(Settings, AWriteWaitsForAnotherWritersLock)
{
    StoreFile file;
    QSettingsStore mine = file.Store();
    Settings settings;
    settings.usedPort = "/dev/ttyA";
    ASSERT_TRUE(SaveSettings(settings, mine));
    const std::string before = FileBytes(file.path);
    // Another writer holds the lock: this one's write gives up rather than write over it.
    QLockFile other(file.path + ".writer-lock");
    ASSERT_TRUE(other.tryLock(0));
    mine.m_lockWaitMs = 0;
    settings.usedPort = "/dev/ttyB";
    const StoreResult saved = SaveSettings(settings, mine);
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Error().find("stays locked by another writer"), std::string::npos) << saved.Error();
    EXPECT_EQ(FileBytes(file.path), before);
    other.unlock();
    // A store's own lock keeps the other writer out until it lets go.
    ASSERT_TRUE(mine.Lock().Ok());
    EXPECT_FALSE(other.tryLock(0));
    mine.Unlock();
    EXPECT_TRUE(other.tryLock(0));
}

TEST(Settings, ANumberStoredAsNoFiniteNumberTakesItsDefaultAndIsTold)
{
    StoreFile file;
    {
        QSettingsStore store = file.Store();
        const struct {
            const char* name;
            double value;
        } stored[] = {{"Climb.Threshold", NAN}, {"Alt.Max", INFINITY}, {"Sigma.Model", -INFINITY}, {"Alt.Min", -3.5}};
        for (const auto& v : stored)
            store.WriteBinary(v.name, &v.value, sizeof v.value);
        ASSERT_TRUE(store.Flush().Ok());
    }
    QSettingsStore store = file.Store();
    std::vector<std::string> notes;
    const Settings loaded = LoadSettings(store, &notes);
    const Settings defaults;
    EXPECT_EQ(std::tuple(loaded.climbThreshold, loaded.altMax, loaded.sigmaModel, loaded.altMin),
              std::tuple(defaults.climbThreshold, defaults.altMax, defaults.sigmaModel, -3.5));
    ASSERT_EQ(notes.size(), 3u);
    // In the order the values are read.
    EXPECT_EQ(notes, (std::vector<std::string>{
                         "the stored Sigma.Model is no finite number; its default 0.01 is used",
                         "the stored Alt.Max is no finite number; its default 100 is used",
                         "the stored Climb.Threshold is no finite number; its default 0.5 is used",
                     }));
}
