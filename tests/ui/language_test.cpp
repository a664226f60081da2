// The window in German and French: its menus, a dialog, its messages, numbers with a decimal
// comma; and the files it writes, the same bytes in every language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/settings.h"
#include "chart/chart_widget.h"
#include "test_support.h"
#include "ui/compare_dialog.h"
#include "ui/language.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/property_list.h"
#include "ui/statistics_view.h"
#include "ui/window_fixture.h"

namespace {

TEST(WindowLanguage, TheSettingFirstThenTheSystem)
{
    const struct {
        const char* setting;
        QLocale system;
        const char* chosen;
    } cases[] = {
        {"", QLocale(QLocale::German, QLocale::Switzerland), "de"},
        {"", QLocale(QLocale::French, QLocale::Belgium), "fr"},
        {"", QLocale(QLocale::Italian, QLocale::Italy), "en"},  // not spoken: English
        {"", QLocale::c(), "en"},
        {"en", QLocale(QLocale::German, QLocale::Germany), "en"},
        {"fr", QLocale(QLocale::German, QLocale::Austria), "fr"},
        {"xx", QLocale(QLocale::French, QLocale::France), "fr"},  // a code it does not know: the system's
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChosenLanguage(c.setting, c.system), QString::fromLatin1(c.chosen))
            << c.setting << " " << c.system.name().toStdString();
}

TEST(WindowLanguage, NumbersTakeTheLanguagesDecimalPoint)
{
    const struct {
        const char* language;
        const char* text;
        const char* shown;
    } cases[] = {
        {"de", "1440.7 m", "1440,7 m"},
        {"fr", "2.32 m/s (climb 3)", "2,32 m/s (climb 3)"},
        {"de", "-0.5 m/s", "-0,5 m/s"},
        {"de", "00:06:40", "00:06:40"},
        {"de", "0.01 (0.001 to 3.2)", "0,01 (0,001 to 3,2)"},
        {"de", "Log 1. end.", "Log 1. end."},  // a full stop after a number is no decimal point
        {"de", ".5 and 5.", ".5 and 5."},
        {"en", "1440.7 m", "1440.7 m"},
    };
    for (const auto& c : cases) {
        UseLanguage(QString::fromLatin1(c.language));
        EXPECT_EQ(LocalNumbers(std::string(c.text)), QString::fromUtf8(c.shown)) << c.language << " " << c.text;
    }
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(TypedNumber(QStringLiteral(" 2,5 ")).toDouble(), 2.5);
    EXPECT_EQ(TypedNumber(QStringLiteral("2.5")).toDouble(), 2.5);
    UseLanguage(QStringLiteral("en"));
    bool ok = true;
    TypedNumber(QStringLiteral("2,5")).toDouble(&ok);
    EXPECT_FALSE(ok);  // English has no decimal comma
}

class Language : public WindowTest {
protected:
    void TearDown() override
    {
        frame.reset();
        UseLanguage(QStringLiteral("en"));
    }

    void OpenIn(const char* code)
    {
        UseLanguage(QString::fromLatin1(code));
        OpenWindow();
    }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions())
            titles << a->text();
        return titles;
    }

    // The texts of every menu's commands, in order; "" for a separator.
    QStringList MenuCommands() const
    {
        QStringList texts;
        for (QAction* menu : frame->menuBar()->actions())
            for (QAction* a : menu->menu()->actions())
                texts << (a->isSeparator() ? QString() : a->text());
        return texts;
    }

    // The log CSV of the soaring example as the tree's "Export..." writes it.
    std::string ExportedCsv(const QString& name)
    {
        const QString path = Path(name);
        frame->m_runFileDialog = [path](QFileDialog& dialog) {
            const QStringList filters = dialog.nameFilters();
            dialog.selectNameFilter(filters.value(1));  // the CSV files
            emit dialog.filterSelected(filters.value(1));
            dialog.selectFile(path);
            return int(QDialog::Accepted);
        };
        const QString exportText = QCoreApplication::translate("MainWindow", "Export...");
        frame->m_runMenu = [exportText](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* a : menu.actions())
                if (a->text() == exportText)
                    return a;
            return nullptr;
        };
        LogTree* tree = frame->Tree();
        emit tree->customContextMenuRequested(tree->visualItemRect(tree->topLevelItem(0)).center());
        return FileBytes(path);
    }
};

}  // namespace

TEST_F(Language, TheWindowSpeaksGermanAndFrench)
{
    const QStringList english = MenuTitles();
    ASSERT_EQ(english, (QStringList{"&File", "&View", "&Help"}));
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    const QStringList englishCommands = MenuCommands();
    ASSERT_GT(englishCommands.size(), 20);
    const std::string csv = ExportedCsv(QStringLiteral("en.csv"));
    ASSERT_GT(csv.size(), 1000u);

    const struct {
        const char* code;
        QStringList menus;
        const char* airtimeRow;     // the statistics' "Airtime", as shown
        const char* altitudeTitle;  // the legend's and the axis' name of the altitude
        const char* yes;            // Qt's own "Yes" button, where Debian's translations are installed
        const char* folder;         // "is a folder, not a regular file"
        const char* logName;        // the name of a log the pilot named not
    } cases[] = {
        {"de",
         {"&Datei", "&Ansicht", "&Hilfe"},
         "Flugzeit",
         "H\u00f6he [m]",
         "&Ja",
         "ist ein Ordner, keine",
         "Aufzeichnung  1 (01:00:00)"},
        {"fr",
         {"&Fichier", "Aff&ichage", "&Aide"},
         "Temps de vol",
         "Alt [m]",
         "&Oui",
         "est un dossier, pas un",
         "Enregistrement  1 (01:00:00)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const bool qtTranslated =
            QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + c.code + ".qm");
        OpenIn(c.code);
        EXPECT_EQ(MenuTitles(), c.menus);
        // Every command of the menus is translated, its shortcut kept; none is left in English
        // (the recent files, "&1 /path/file.alt", are names).
        const QStringList commands = MenuCommands();
        ASSERT_EQ(commands.size(), englishCommands.size());
        for (qsizetype i = 0; i < commands.size(); ++i) {
            if (englishCommands[i].isEmpty() || (englishCommands[i].front() == u'&' && englishCommands[i][1].isDigit()))
                continue;
            EXPECT_NE(commands[i], englishCommands[i]);
            // Keys are named as the language's keyboards name them, and alike in every entry: German
            // says "Strg+O", as Qt's own texts do, never "Ctrl+O" beside "Strg+S".
            if (qtTranslated && QLatin1String(c.code) == QLatin1String("de")) {
                EXPECT_FALSE(commands[i].contains(QStringLiteral("Ctrl"))) << commands[i].toStdString();
            }
        }

        ASSERT_TRUE(frame->OpenFile(kSoaring));
        EXPECT_EQ(frame->Tree()->topLevelItem(0)->text(0), QString::fromUtf8(c.logName));
        // The statistics: rows named in the language, numbers with its decimal comma.
        PropertyList* stats = frame->Statistics()->List();
        EXPECT_EQ(stats->Item(QStringLiteral("Log"), QStringLiteral("Airtime"))->text(0),
                  QString::fromUtf8(c.airtimeRow));
        EXPECT_EQ(stats->Value(QStringLiteral("Log"), QStringLiteral("max Altitude")), QStringLiteral("1440,7 m"));
        EXPECT_EQ(stats->Value(QStringLiteral("Log"), QStringLiteral("Rate")), QStringLiteral("1 s"));
        // The chart's read-out and axes.
        EXPECT_EQ(SeriesAt(1)->ReadingText(-1.25, true), QStringLiteral("-1,3 m/s"));
        EXPECT_EQ(SeriesAt(0)->Title(), QString::fromUtf8(c.altitudeTitle));
        EXPECT_EQ(SeriesAt(0)->m_name, QStringLiteral("Alt"));  // its key stays

        // A dialog: Preferences, its title and its rows in the language.
        QString title, languageRow;
        frame->m_runDialog = [&](QDialog& dialog) {
            title = dialog.windowTitle();
            return int(QDialog::Rejected);
        };
        frame->Actions().preferences->trigger();
        EXPECT_EQ(title, QCoreApplication::translate("PreferencesDialog", "Preferences"));
        EXPECT_NE(title, QStringLiteral("Preferences"));

        // A message: a file that is no log, told in the language.
        WriteText(Path("notes.alt"), "hello\n");
        EXPECT_FALSE(frame->OpenFile(Path("notes.alt")));
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_FALSE(warnings[0].startsWith(QStringLiteral("This is not"))) << warnings[0].toStdString();
        EXPECT_TRUE(warnings[0].contains(Path("notes.alt"))) << warnings[0].toStdString();
        EXPECT_FALSE(warnings[0].contains(QStringLiteral("not a log file")))
            << warnings[0].toStdString();  // the reason too
        // Qt's own buttons in a message box, from Debian's Qt translations where installed.
        if (qtTranslated) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Nivra"), QStringLiteral("?"),
                            QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(c.yes));
        }

        // A reason from below the window: a file that cannot be written, a folder in its place.
        QDir().mkpath(Path(QStringLiteral("folder-%1.csv").arg(QString::fromLatin1(c.code))));
        warnings.clear();
        ExportedCsv(QStringLiteral("folder-%1.csv").arg(QString::fromLatin1(c.code)));
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_TRUE(warnings[0].contains(QString::fromUtf8(c.folder))) << warnings[0].toStdString();

        // The files stay as they are, byte for byte.
        ASSERT_TRUE(frame->OpenFile(kSoaring));
        EXPECT_TRUE(ExportedCsv(QStringLiteral("%1.csv").arg(QString::fromLatin1(c.code))) == csv);
    }
}

TEST_F(Language, TheComparisonShowsTheLanguageAndWritesC)
{
    // The soaring flight and a training hop in the logbook, compared in French: the table reads in French
    // with decimal commas, its CSV file in English with points, as in English.
    for (const QString& file : {kSoaring, kHops}) {
        ASSERT_TRUE(frame->OpenFile(file));
        BrixoLog log = *frame->Tree()->SelectedLog();
        log.m_date = FileTimeFromUnixMs(1796000000000);
        ASSERT_TRUE(frame->LogbookOpen()->Add(log, log.m_date).Ok());
    }
    const auto compare = [this](const QString& csvName) {
        QStringList rows, bestClimbs;
        frame->RefreshLogbook();
        frame->LogbookPane()->Table()->selectAll();
        frame->m_runDialog = [&](QDialog& d) {
            auto& dialog = static_cast<CompareDialog&>(d);
            QTableWidget* table = dialog.Table();
            for (int r = 0; r < table->rowCount(); ++r) {
                rows << table->verticalHeaderItem(r)->text();
                if (table->verticalHeaderItem(r)->data(Qt::UserRole).toString().startsWith("Best climb"))
                    bestClimbs << table->item(r, 0)->text() << table->item(r, 1)->text();
            }
            dialog.m_askCsvPath = [&] {
                return Path(csvName);
            };
            QTest::mouseClick(dialog.CsvButton(), Qt::LeftButton);
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(frame->LogbookPane()->CompareButton(), Qt::LeftButton);
        return std::pair(rows, bestClimbs);
    };
    const auto [englishRows, englishBest] = compare(QStringLiteral("en.csv"));
    ASSERT_TRUE(englishRows.contains("Airtime")) << englishRows.join(", ").toStdString();
    ASSERT_EQ(englishBest.size(), 2);
    ASSERT_TRUE(englishBest.contains("2.32")) << englishBest.join(" ").toStdString();
    const std::string csv = FileBytes(Path("en.csv"));
    EXPECT_NE(csv.find("\nBest climb [m/s]," + englishBest.join(',').toStdString() + "\r\n"), std::string::npos) << csv;

    OpenIn("fr");
    const auto [rows, best] = compare(QStringLiteral("fr.csv"));
    EXPECT_TRUE(rows.contains("Temps de vol")) << rows.join(", ").toStdString();
    EXPECT_TRUE(rows.contains("Meilleure ascendance [m/s]")) << rows.join(", ").toStdString();
    EXPECT_EQ(best.join(' '), englishBest.join(' ').replace('.', ','));
    EXPECT_TRUE(best.contains("2,32"));
    EXPECT_EQ(FileBytes(Path("fr.csv")), csv);
}
