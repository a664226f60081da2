#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include "app/settings.h"
#include "app/settings_store.h"
#include "chart/chart_widget.h"
#include "config/configuration.h"
#include "test_support.h"
#include "ui/main_window.h"

inline const QString kSoaring = QStringLiteral(NIVRA_EXAMPLES_DIR "/soaring-flight.alt");
inline const QString kHops = QStringLiteral(NIVRA_EXAMPLES_DIR "/training-hops.alt");

// A flight of the built-in logger whose altitude readings fall from the given one, 300 at a time.
inline BrixoLog Flight(const Configuration& config, uint32_t rate, size_t records, unsigned from = 50000)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < records; ++i) {
        const unsigned word = from - static_cast<unsigned>(i % 300);
        bytes.insert(bytes.end(), {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8)});
    }
    return LogOf(config, 59, rate, bytes);
}

// The main window on the offscreen platform, with the built-in configuration, its settings,
// recent files and logbook in a folder of the test's own, and the failures it tells collected.
class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Configuration config;
    std::unique_ptr<MainWindow> frame;
    std::vector<QString> warnings;

    QString Path(const QString& name) const { return QDir(dir.path()).absoluteFilePath(name); }
    QString StorePath() const { return Path(QStringLiteral("Nivra.conf")); }

    void SetUp() override
    {
        ASSERT_TRUE(config.LoadBuiltIn());
        // The logbook in the test's own folder, never the user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path(QStringLiteral("data"))));
        OpenWindow();
    }

    // A new window over the same folder, with these settings stored first when given.
    void OpenWindow(const Settings* stored = nullptr)
    {
        if (stored) {
            QSettingsStore store(StorePath().toStdString());
            ASSERT_TRUE(SaveSettings(*stored, store));
        }
        frame = std::make_unique<MainWindow>(config, std::make_unique<QSettingsStore>(StorePath().toStdString()));
        frame->resize(1000, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        warnings.clear();
        frame->m_warn = [this](const QString& text) {
            warnings.push_back(text);
        };
    }

    std::shared_ptr<ChartSeries> SeriesAt(int index) const { return frame->Chart()->SeriesAt(index); }
};
