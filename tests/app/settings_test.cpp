#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "app/settings.h"
#include "app/settings_store.h"
#include "test_support.h"

namespace {

// A store in a fresh INI file, written through QSettings as another run would have left it.
struct StoreFile {
    QTemporaryDir dir;
    QString path = dir.filePath("Nivra.conf");

    void Put(const char* name, const QVariant& value)
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QString::fromLatin1(name), value);
    }
    QSettingsStore Store() { return QSettingsStore(path.toStdString()); }
};

QByteArray Bytes(const void* data, size_t size)
{
    return QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

template <typename T>
QByteArray BytesOf(T value)
{
    return Bytes(&value, sizeof value);
}

}  // namespace

TEST(Settings, FirstRunGivesDefaultsAndWritesAll)
{
    StoreFile file;
    QSettingsStore store = file.Store();
    const Settings loaded = LoadSettings(store);
    EXPECT_TRUE(loaded.useFiltering);
    EXPECT_FALSE(loaded.useMedianFilter);
    EXPECT_EQ(loaded.skipShortLogsLen, 3u);
    EXPECT_EQ(loaded.usedPort, "COM1:");
    EXPECT_EQ(loaded.paneProportion, 60);
    EXPECT_EQ(loaded.altColor, 1u);
    EXPECT_EQ(loaded.varioStyle, 2u);
    EXPECT_EQ(loaded.varioMin, -5.0);
    EXPECT_EQ(loaded.sigmaMeasurement, 0.44);
    EXPECT_EQ(loaded.sigmaModel, 0.01);
    EXPECT_EQ(loaded.imageCy, 600);
    EXPECT_EQ(loaded.climbThreshold, 0.5);
    EXPECT_EQ(loaded.climbMinDuration, 20.0);
    EXPECT_EQ(loaded.climbMaxGap, 10.0);
    EXPECT_TRUE(loaded.climbsShown);

    const StoreResult saved = SaveSettings(loaded, store);
    ASSERT_TRUE(saved) << saved.Error();
    QSettings raw(file.path, QSettings::IniFormat);
    const QStringList keys = raw.allKeys();
    EXPECT_EQ(keys.size(), 28 + 5);  // the first version's, then the climbs' and the altitude's reference
    EXPECT_EQ(raw.value("Climb.MaxGap").toByteArray().size(), 8);
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
        {"Image.cx", QByteArray("\x20\x03\x00\x00", 4)},
    };
    for (const auto& s : stored)
        EXPECT_EQ(raw.value(s.name).toByteArray(), s.bytes) << s.name;
}

TEST(Settings, StoredValuesOfEveryShape)
{
    const Settings defaults;
    const struct {
        const char* what;
        const char* name;
        QVariant stored;
        std::function<bool(const Settings&)> check;
    } cases[] = {
        {"a double of 16 bytes is too long", "Sigma.Model", QByteArray(16, '\x01'),
         [](const Settings& s) { return s.sigmaModel == 0.01; }},
        {"a four-byte value for a one-byte flag", "SkipShortLogs", BytesOf(uint32_t{0}),
         [](const Settings& s) { return s.skipShortLogs; }},
        {"a one-byte flag off", "SkipShortLogs", QByteArray("\x00", 1),
         [](const Settings& s) { return !s.skipShortLogs; }},
        {"any non-zero byte is on", "Alt.Polynome", QByteArray("\x02", 1),
         [](const Settings& s) { return s.altPolynome; }},
        {"a shorter value fills the first bytes and clears the rest", "Units", QByteArray("\x05", 1),
         [](const Settings& s) { return s.units == 5u; }},
        {"two bytes of four", "Image.cx", QByteArray("\x00\x04", 2),
         [](const Settings& s) { return s.imageCx == 1024; }},
        {"an empty binary value clears the field", "Alt.Max", QByteArray(),
         [](const Settings& s) { return s.altMax == 0.0; }},
        {"an exact double", "Alt.Min", BytesOf(-12.5), [](const Settings& s) { return s.altMin == -12.5; }},
        {"a negative median", "Vario.Median", BytesOf(int32_t{-3}), [](const Settings& s) { return s.varioMedian == -3; }},
        {"a text value that fits is taken as bytes", "tUnits", QString("1"),
         [](const Settings& s) { return s.tUnits == 0x0031u; }},  // "1" and its zero
        {"a text too long for the field", "Alt.Color", QString("12345"),
         [](const Settings& s) { return s.altColor == 1u; }},
        {"a port stored as empty text", "UsedPort", QString(""), [](const Settings& s) { return s.usedPort.empty(); }},
        {"a port of another type", "UsedPort", QByteArray("COM5:\0", 6),
         [](const Settings& s) { return s.usedPort == "COM1:"; }},
        {"a port name", "UsedPort", QString("/dev/pts/4"), [](const Settings& s) { return s.usedPort == "/dev/pts/4"; }},
        {"a port of 259 characters fits", "UsedPort", QString(259, 'p'),
         [](const Settings& s) { return s.usedPort.size() == 259; }},
        {"a port of 260 characters does not", "UsedPort", QString(260, 'p'),
         [](const Settings& s) { return s.usedPort == "COM1:"; }},
        {"a speed index in the table", "Baudrate", BytesOf(uint32_t{4}), [](const Settings& s) { return s.baudrate == 4u; }},
        {"a speed index past the table means 9600", "Baudrate", BytesOf(uint32_t{5}),
         [](const Settings& s) { return s.baudrate == 0u; }},
    };
    for (const auto& c : cases) {
        StoreFile file;
        file.Put(c.name, c.stored);
        QSettingsStore store = file.Store();
        EXPECT_TRUE(c.check(LoadSettings(store))) << c.what;
    }
}

TEST(Settings, RoundTripThroughTheStore)
{
    StoreFile file;
    Settings changed;
    changed.tUnits = 1;
    changed.usedPort = "COM33:";
    changed.altMin = -123.456;
    changed.varioOn = false;
    changed.paneProportion = 30;
    changed.imageCx = -1;
    {
        QSettingsStore store = file.Store();
        ASSERT_TRUE(SaveSettings(changed, store));
    }
    QSettingsStore store = file.Store();
    const Settings read = LoadSettings(store);
    EXPECT_EQ(read.tUnits, 1u);
    EXPECT_EQ(read.usedPort, "COM33:");
    EXPECT_EQ(read.altMin, -123.456);
    EXPECT_FALSE(read.varioOn);
    EXPECT_EQ(read.paneProportion, 30);
    EXPECT_EQ(read.imageCx, -1);
}

TEST(Settings, ReadAndWriteOrder)
{
    // Records the names the settings code asks for.
    struct OrderStore : SettingsStore {
        std::vector<std::string> reads, writes;
        ReadResult Read(const char* name, void*, size_t) override
        {
            reads.emplace_back(name);
            return {};
        }
        void WriteBinary(const char* name, const void*, size_t) override { writes.emplace_back(name); }
        void WriteText(const char* name, const std::string&) override { writes.emplace_back(name); }
        StoreResult Flush() override { return std::string(); }
    } store;
    (void)SaveSettings(LoadSettings(store), store);
    ASSERT_EQ(store.reads.size(), 33u);
    ASSERT_EQ(store.writes.size(), 33u);
    // Loading takes Alt.Max after the two sigmas and the image size before the vario values.
    EXPECT_EQ(store.reads[16], "Sigma.Measurement");
    EXPECT_EQ(store.reads[18], "Alt.Max");
    EXPECT_EQ(store.reads[19], "Image.cx");
    EXPECT_EQ(store.reads[27], "Vario.Max");
    EXPECT_EQ(store.reads[28], "Climb.Threshold");
    EXPECT_EQ(store.writes[16], "Alt.Max");
    EXPECT_EQ(store.writes[26], "Image.cx");
    EXPECT_EQ(store.writes[5], "UsedPort");
    std::vector<std::string> sortedReads = store.reads, sortedWrites = store.writes;
    std::sort(sortedReads.begin(), sortedReads.end());
    std::sort(sortedWrites.begin(), sortedWrites.end());
    EXPECT_EQ(sortedReads, sortedWrites);
}

TEST(Settings, SetFromText)
{
    const struct {
        const char* name;
        const char* value;
        bool ok;
    } cases[] = {
        {"SkipShortLogsLen", "0", true}, {"SkipShortLogsLen", "-1", false}, {"SkipShortLogsLen", "4294967296", false},
        {"Units", "1", true},            {"Alt.On", "off", true},          {"Alt.On", "maybe", false},
        {"Alt.Min", "-2.5", true},       {"Alt.Min", "1,5", false},        {"Alt.Min", "inf", false},
        {"Baudrate", "4", true},         {"Baudrate", "5", false},         {"Vario.Median", "-3", true},
        {"UsedPort", "/dev/pts/7", true}, {"NoSuchThing", "1", false},      {"Image.cx", "", false},
    };
    for (const auto& c : cases) {
        Settings s;
        const Status set = SetSettingFromText(s, c.name, c.value);
        EXPECT_EQ(set.Ok(), c.ok) << c.name << "=" << c.value;
        EXPECT_EQ(set.Error().empty(), c.ok) << c.name << "=" << c.value;
    }
    Settings s;
    ASSERT_TRUE(SetSettingFromText(s, "Alt.Min", "-2.5"));
    ASSERT_TRUE(SetSettingFromText(s, "Alt.On", "0"));
    ASSERT_TRUE(SetSettingFromText(s, "UsedPort", "/dev/pts/7"));
    EXPECT_EQ(s.altMin, -2.5);
    EXPECT_FALSE(s.altOn);
    EXPECT_EQ(s.usedPort, "/dev/pts/7");
}

TEST(Settings, TheStoreSaysWhatBecameOfTheValues)
{
    const struct {
        const char* what;
        std::function<void(const QString&)> prepare;
        bool stored;
        std::string notePart;  // empty: nothing to tell
    } cases[] = {
        {"a new file", [](const QString&) {}, true, ""},
        {"a folder where the file should be", [](const QString& path) { QDir().mkdir(path); }, false, "cannot write "},
        {"a damaged file", [](const QString& path) { WriteText(path, "[General\nUnits=@ByteArray(\\x1)\n"); }, true,
         "was damaged; it was written anew with the values that could be read from it"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Nivra.conf");
        c.prepare(path);
        QSettingsStore store(path.toStdString());
        Settings settings;
        settings.units = 1;
        const StoreResult saved = SaveSettings(settings, store);
        EXPECT_EQ(saved.Ok(), c.stored) << c.what;
        const std::string note = saved ? *saved : saved.Error();
        EXPECT_EQ(note.empty(), c.notePart.empty()) << c.what << ": " << note;
        EXPECT_NE(note.find(c.notePart), std::string::npos) << c.what << ": " << note;
        if (c.stored) {
            QSettingsStore again(path.toStdString());
            EXPECT_EQ(LoadSettings(again).units, 1u) << c.what;
        }
    }
}

TEST(Settings, OnlyTheNamedValuesAreWrittenOverWhatIsStoredNow)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Nivra.conf").toStdString();
    QSettingsStore mine(path);
    Settings old = LoadSettings(mine);  // read before another writer changes the file
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
    EXPECT_EQ(now.units, 1u);
    EXPECT_EQ(now.altMedian, 9);  // the other writer's values are kept
    QSettingsStore check(path);
    const Settings read = LoadSettings(check);
    EXPECT_EQ(read.units, 1u);
    EXPECT_EQ(read.altMin, -2.5);
    EXPECT_EQ(read.altMedian, 9);
    EXPECT_EQ(read.usedPort, "/dev/pts/9");
    EXPECT_NE(old.altMedian, 9);
    // A bad value stores nothing.
    EXPECT_FALSE(StoreSettingValues(mine, {{"Units", "2"}, {"Baudrate", "9"}}, now));
    QSettingsStore unchanged(path);
    EXPECT_EQ(LoadSettings(unchanged).units, 1u);
}

TEST(Settings, TakingThePreferencesDialogsValues)
{
    const Settings before;  // the defaults: SkipShortLogs on at 3 s, Alt.Median 0
    const struct {
        const char* what;
        std::function<void(Settings&)> edit;
        bool rebuild;
        std::function<bool(const Settings&)> check;
    } cases[] = {
        {"nothing changed", [](Settings&) {}, false, [](const Settings& s) { return s.skipShortLogs; }},
        {"the port alone", [](Settings& s) { s.usedPort = "/dev/pts/7"; }, false,
         [](const Settings& s) { return s.usedPort == "/dev/pts/7"; }},
        {"speed and temperature units", [](Settings& s) { s.baudrate = 4, s.tUnits = 1; }, false,
         [](const Settings& s) { return s.baudrate == 4 && s.tUnits == 1; }},
        {"length 0 switches short logs off", [](Settings& s) { s.skipShortLogsLen = 0; }, false,
         [](const Settings& s) { return !s.skipShortLogs && s.skipShortLogsLen == 0; }},
        {"length 5 keeps them on", [](Settings& s) { s.skipShortLogsLen = 5; }, false,
         [](const Settings& s) { return s.skipShortLogs && s.skipShortLogsLen == 5; }},
        {"a picture size is bounded", [](Settings& s) { s.imageCx = 32, s.imageCy = 200000; }, false,
         [](const Settings& s) { return s.imageCx == 32 && s.imageCy == kImageSideMax; }},
        {"a tiny picture is raised", [](Settings& s) { s.imageCx = -4; }, false,
         [](const Settings& s) { return s.imageCx == kImageSideMin; }},
        {"a colour", [](Settings& s) { s.varioColor = 3; }, true, [](const Settings& s) { return s.varioColor == 3; }},
        {"a custom bound", [](Settings& s) { s.altMax = 2500; }, true, [](const Settings& s) { return s.altMax == 2500; }},
        {"a sigma", [](Settings& s) { s.sigmaModel = 0.02; }, true, [](const Settings& s) { return s.sigmaModel == 0.02; }},
        {"the median", [](Settings& s) { s.varioMedian = 3; }, true, [](const Settings& s) { return s.varioMedian == 3; }},
        {"the units change every number", [](Settings& s) { s.units = 1; }, true,
         [](const Settings& s) { return s.Imperial(); }},
        {"a negative Alt.Median is 0, as it was", [](Settings& s) { s.altMedian = -2; }, false,
         [](const Settings& s) { return s.altMedian == 0; }},
        {"a positive Alt.Median is taken", [](Settings& s) { s.altMedian = 5; }, true,
         [](const Settings& s) { return s.altMedian == 5; }},
        // Values the dialog does not show stay as the window has them.
        {"the filters and shown series are not the dialog's", [](Settings& s) { s.useFiltering = false, s.altOn = false; },
         false, [](const Settings& s) { return s.useFiltering && s.altOn; }},
    };
    for (const auto& c : cases) {
        Settings edited = before;
        c.edit(edited);
        Settings taken = before;
        EXPECT_EQ(TakePreferences(edited, taken), c.rebuild) << c.what;
        EXPECT_TRUE(c.check(taken)) << c.what;
    }
}
