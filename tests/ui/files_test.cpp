// Files from outside the File > Open dialog: drops, the recent list, a name given at start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

#include "app/settings_store.h"
#include "config/configuration.h"
#include "export/csv_export.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/window_fixture.h"

namespace {

class Files : public WindowTest {
protected:
    // The File menu's recent entries, as shown.
    std::vector<QAction*> RecentEntries() const
    {
        std::vector<QAction*> entries;
        QMenu* file = frame->menuBar()->actions().first()->menu();
        for (QAction* a : file->actions())
            if (a->text().startsWith('&') && a->text().at(1).isDigit())
                entries.push_back(a);
        return entries;
    }

    // A drag of these URLs over the window and its drop: whether it is taken.
    bool Drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = frame->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame.get(), &drop);
        return drop.isAccepted();
    }
};

}  // namespace

TEST_F(Files, OpenedAndSavedFilesAreListedNewestFirst)
{
    EXPECT_TRUE(RecentEntries().empty());
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    ASSERT_TRUE(frame->SaveAs(Path("copy & more.alt")));
    ASSERT_TRUE(frame->OpenFile(kHops));
    const std::string soaring = QFileInfo(kSoaring).absoluteFilePath().toStdString();
    const std::string hops = QFileInfo(kHops).absoluteFilePath().toStdString();
    const std::string copy = Path("copy & more.alt").toStdString();
    EXPECT_EQ(frame->RecentFilePaths(), (std::vector<std::string>{hops, copy, soaring}));
    std::vector<QAction*> entries = RecentEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1]->text(), "&2 " + Path("copy && more.alt"));  // shown with its ampersand

    // Kept for the next window, and an entry opens its file.
    ASSERT_TRUE(frame->close());
    OpenWindow();
    EXPECT_EQ(frame->RecentFilePaths(), (std::vector<std::string>{hops, copy, soaring}));
    entries = RecentEntries();
    ASSERT_EQ(entries.size(), 3u);
    entries[2]->trigger();
    EXPECT_EQ(frame->windowTitle(), "Nivra - " + QString::fromStdString(soaring));
    EXPECT_EQ(frame->RecentFilePaths().front(), soaring);

    // A file that went away is told once and leaves the list.
    ASSERT_TRUE(QFile::remove(Path("copy & more.alt")));
    for (QAction* a : RecentEntries())
        if (a->data().toString().toStdString() == copy)
            a->trigger();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].startsWith(Path("copy & more.alt") + " could not be opened:\ncannot open the file: "))
        << warnings[0].toStdString();
    EXPECT_EQ(frame->RecentFilePaths(), (std::vector<std::string>{soaring, hops}));
    EXPECT_EQ(RecentEntries().size(), 2u);
}

TEST_F(Files, EveryWayToAFileTellsWhatWasWrong)
{
    // A log file cut after its 401st line: inside the first log's 190th record.
    const QList<QByteArray> lines = QByteArray::fromStdString(FileBytes(kSoaring)).split('\n');
    const QByteArray cut = lines.mid(0, 401).join('\n') + '\n';
    const struct {
        const char* name;
        QByteArray bytes;
        bool opened;
        QString told;  // %1 the file's path
    } cases[] = {
        // No log at all: said in a pilot's words first, the reader's reason after them.
        {"notes.alt", "shopping list\n", false,
         "This is not a Brixo log (.alt) file:\n%1\n\n(not a log file: the first 16 lines are not all \" 13\")"},
        {"preamble.alt", QByteArray(" 13\n").repeated(16), false,
         "This is not a Brixo log (.alt) file:\n%1\n\n(the file ends right after the 16 \" 13\" lines that open a "
         "log file)"},
        {"cut.alt", cut, true,
         "%1 was opened, but the file ends inside log 1, so that log is incomplete (its last, partial record was "
         "dropped)."},
    };
    for (const auto& c : cases) {
        const QString path = Path(c.name);
        WriteText(path, c.bytes.toStdString());
        // File > Open, a drop, and the command line say the same; a file not opened leaves the
        // two logs shown before.
        frame->m_runFileDialog = [&path](QFileDialog& dialog) {
            dialog.selectFile(path);
            return int(QDialog::Accepted);
        };
        for (int way = 0; way < 3; ++way) {
            ASSERT_TRUE(frame->OpenFile(kHops));
            warnings.clear();
            if (way == 0)
                frame->Actions().open->trigger();
            else if (way == 1)
                EXPECT_TRUE(Drop({QUrl::fromLocalFile(path)}));
            else
                frame->OpenFileFromOutside(path);
            ASSERT_EQ(warnings.size(), 1u) << c.name << " " << way;
            EXPECT_EQ(warnings[0].toStdString(), c.told.arg(path).toStdString()) << c.name << " " << way;
            EXPECT_EQ(frame->Tree()->topLevelItemCount(), c.opened ? 1 : 2) << c.name << " " << way;
        }
    }
    // Two files at once, or something not on this machine, are not taken.
    const QString title = frame->windowTitle();
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(kSoaring), QUrl::fromLocalFile(kHops)}));
    EXPECT_FALSE(Drop({QUrl(QStringLiteral("https://example.org/flight.alt"))}));
    EXPECT_FALSE(Drop({}));
    EXPECT_EQ(frame->windowTitle(), title);
}

TEST_F(Files, DialogsStartInTheFolderUsedLast)
{
    QString shown;
    const auto look = [&shown](QFileDialog& dialog) {
        shown = dialog.directory().absolutePath();
        return int(QDialog::Rejected);
    };
    frame->m_runFileDialog = look;
    // Only a folder that is still there.
    ASSERT_TRUE(QDir(dir.path()).mkdir("flights"));
    ASSERT_TRUE(QFile::copy(kSoaring, Path("flights/may.alt")));
    ASSERT_TRUE(frame->OpenFile(Path("flights/may.alt")));
    for (QAction* command : {frame->Actions().open, frame->Actions().saveAs}) {
        shown.clear();
        command->trigger();
        EXPECT_EQ(shown, Path("flights")) << command->text().toStdString();
    }
    // Kept for the next window; an export leaves its folder for the next dialogs too.
    ASSERT_TRUE(frame->close());
    OpenWindow();
    frame->m_runFileDialog = look;
    frame->Actions().open->trigger();
    EXPECT_EQ(shown, Path("flights"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("tables"));
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    frame->m_runFileDialog = [&](QFileDialog& dialog) {
        shown = dialog.directory().absolutePath();
        dialog.selectFile(Path("tables/t.csv"));
        dialog.selectNameFilter(dialog.nameFilters().value(1));
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(frame->ExportLog(*frame->Tree()->SelectedLog(), 0, kEndOfLog, true));
    EXPECT_EQ(shown, QFileInfo(kSoaring).absolutePath());  // the folder opened from
    EXPECT_TRUE(QFile::exists(Path("tables/t.csv")));
    frame->Actions().saveAs->trigger();
    EXPECT_EQ(shown, Path("tables"));
    QDir(Path("tables")).removeRecursively();
    frame->Actions().saveAs->trigger();
    EXPECT_NE(shown, Path("tables"));
}

TEST_F(Files, OnlyTheFileNamedIsOpenedAndNothingWaitsOnIt)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.alt")).constData(), 0600), 0);
    // What a name that was not UTF-8 becomes in the window; encoded back it names this file.
    const QString mangled = Path(QStringLiteral("hops") + QChar::ReplacementCharacter + ".alt");
    ASSERT_TRUE(QFile::copy(kHops, mangled));
    const struct {
        QString path;
        QString told;
    } cases[] = {
        {Path("pipe.alt"), "cannot open the file: it is a named pipe (FIFO), not a regular file"},
        {mangled, "the file's name is not valid UTF-8 text"},
    };
    for (const auto& c : cases) {
        warnings.clear();
        EXPECT_FALSE(frame->OpenFileFromOutside(c.path));
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_TRUE(warnings[0].startsWith(c.path + " could not be opened:\n" + c.told)) << warnings[0].toStdString();
        EXPECT_EQ(frame->Tree()->topLevelItemCount(), 0);
    }
    // Nor is such a name written.
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    warnings.clear();
    const QString other = Path(QStringLiteral("out") + QChar::ReplacementCharacter + ".alt");
    EXPECT_FALSE(frame->SaveAs(other));
    EXPECT_FALSE(frame->ExportLogTo(*frame->Tree()->LogOf(frame->Tree()->topLevelItem(0)), 0, kEndOfLog,
                                    ExportType::Alt, other));
    // The export's failure is told with its reason.
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_TRUE(warnings[1].startsWith("The log could not be exported to " + other +
                                       ":\nthe file's name is not valid UTF-8 text"))
        << warnings[1].toStdString();
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_TRUE(QFileInfo(Path("pipe.alt")).exists() && !QFileInfo(Path("pipe.alt")).isFile());
}

TEST(Program, AcceptsOneFileAndNothingElse)
{
    const struct {
        QStringList args;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {{"--help"}, 0, "usage: nivra [FILE.alt]\n", ""},
        {{"--version"}, 0, "nivra " NIVRA_VERSION "\n", ""},
        {{"a.alt", "b.alt"}, 2, "", "usage: nivra [FILE.alt]\n"},
        {{"--open", "a.alt"}, 2, "", "usage: nivra [FILE.alt]\n"},
        {{"-x"}, 2, "", "usage: nivra [FILE.alt]\n"},
    };
    QTemporaryDir home;
    for (const auto& c : cases) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(NIVRA_PROGRAM), c.args);
        ASSERT_TRUE(p.waitForFinished(20000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.exitCode(), c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.readAllStandardOutput().toStdString(), c.out);
        EXPECT_EQ(p.readAllStandardError().toStdString(), c.err);
    }
}
