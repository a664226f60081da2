#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include "device/memory_image.h"
#include "pseudo_terminal.h"
#include "test_support.h"
#include "ui/download_dialog.h"
#include "ui/log_dialogs.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/property_list.h"
#include "ui/statistics_view.h"
#include "ui/window_fixture.h"

namespace {

class LogbookWindow : public WindowTest {
protected:
    QString ImagesFolder() const { return Path("data/Nivra/images"); }

    // The download dialog, once feed has given it its bytes, closed with OK when the transfer is
    // complete and the logbook's line says what was kept.
    void AnswerDownloads(QString& kept, const std::function<void()>& feed = {})
    {
        frame->m_runDialog = [&kept, feed](QDialog& d) {
            auto& dialog = static_cast<CDownloadDataDlg&>(d);
            dialog.show();
            if (feed)
                feed();
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Completed() && !dialog.KeptLine()->text().isEmpty(); }));
            kept = dialog.KeptLine()->text();
            dialog.done(QDialog::Accepted);
            return dialog.result();
        };
    }

    // A download through the dialog from a pseudo-terminal.
    void DownloadThrough(const std::vector<uint8_t>& image, QString& kept)
    {
        PseudoTerminal pty;
        AnswerDownloads(kept, [&] { pty.Write(image); });
        CDownloadDataDlg dialog(config, 3, frame.get());
        const Status opened = dialog.OpenLink(pty.path, 921600);
        ASSERT_TRUE(opened.Ok()) << opened.Error();
        frame->RunDownloadDialog(dialog);
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        QTreeWidget* table = frame->LogbookPane()->Table();
        for (int i = 0; i < table->topLevelItemCount(); ++i)
            if (!table->topLevelItem(i)->isHidden())
                texts << table->topLevelItem(i)->text(column);
        return texts;
    }
};

}  // namespace

TEST_F(LogbookWindow, ADownloadIsKeptAndItsNotesLastTillTheNextDay)
{
    const CBrixoLog a = Flight(config, 10, 400, 50000), b = Flight(config, 5, 900, 49000);
    const std::vector<uint8_t> image = MemoryImageOf({&a, &b});
    QString kept;
    DownloadThrough(image, kept);
    EXPECT_EQ(kept, "Kept in the logbook: 2 new flights.");
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 2);
    EXPECT_EQ(frame->windowTitle(), "Nivra - downloaded logs, kept in the logbook");
    // The memory image on disk, byte for byte, and the flights in the pane.
    const QStringList images = QDir(ImagesFolder()).entryList(QDir::Files);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(FileBytes(ImagesFolder() + "/" + images[0]), std::string(image.begin(), image.end()));
    EXPECT_EQ(Column(3), (QStringList{"00:07:30", "00:06:40"}));
    EXPECT_EQ(Column(5), (QStringList{"Brixo", "Brixo"}));
    EXPECT_EQ(frame->LogbookPane()->Totals()->text(), "2 flights, air time 0:14:10");

    // Log Properties: a name, a site, a comment; the tree shows the name at once.
    QTreeWidgetItem* first = frame->Tree()->topLevelItem(0);
    frame->m_runDialog = [](QDialog& d) {
        auto& dialog = static_cast<CPropertiesDlg&>(d);
        EXPECT_EQ(dialog.m_name->text(), "Log  1 (00:06:40)");
        dialog.m_name->setText("Morning thermals");
        dialog.m_site->setText("Ridge West");
        dialog.m_comment->setPlainText("Strong lift by the quarry.");
        dialog.m_elevation->setText("612");
        dialog.accept();
        return dialog.result();
    };
    frame->EditLogProperties(first);
    EXPECT_EQ(first->text(0), "Morning thermals");
    frame->Tree()->ClearLogs();

    // The next day: a new window over the same logbook has it all.
    OpenWindow();
    EXPECT_EQ(Column(1), (QStringList{"", "Morning thermals"}));
    EXPECT_EQ(Column(2), (QStringList{"", "Ridge West"}));
    auto entry = frame->LogbookOpen()->FindByHash(FlightHash(a));
    ASSERT_TRUE(entry.Ok() && *entry);
    EXPECT_EQ((*entry)->fields.comment, "Strong lift by the quarry.");  // the elevation is used below

    // Filtered and opened from the pane, named as the logbook names it.
    frame->LogbookPane()->Filter()->setText("ridge");
    EXPECT_EQ(Column(1), (QStringList{"Morning thermals"}));
    EXPECT_EQ(frame->LogbookPane()->Totals()->text(), "1 flight, air time 0:06:40");
    frame->LogbookPane()->Table()->selectAll();
    QTest::mouseClick(frame->LogbookPane()->OpenButton(), Qt::LeftButton);
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(frame->Tree()->topLevelItem(0)->text(0), "Morning thermals");
    EXPECT_EQ(frame->Chart()->SerieCount(), 2);

    // Above sea level: the start elevation is added to the whole flight.
    const double aboveStart = Serie(0)->m_dataMin;
    Settings seaLevel = frame->CurrentSettings();
    seaLevel.altAboveSeaLevel = true;
    OpenWindow(&seaLevel);
    frame->LogbookPane()->Table()->selectAll();
    QTest::mouseClick(frame->LogbookPane()->OpenButton(), Qt::LeftButton);
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 2);
    frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(1));  // the named flight
    EXPECT_DOUBLE_EQ(Serie(0)->m_dataMin, aboveStart + 612.0);
    EXPECT_EQ(frame->Statistics()->List()->Value("Log", "Altitude"), "above sea level");
    frame->Tree()->setCurrentItem(frame->Tree()->topLevelItem(0));  // no elevation known
    EXPECT_EQ(frame->Statistics()->List()->Value("Log", "Altitude"), "above start (no start elevation)");

    // Deleted after the question; the image stays.
    frame->LogbookPane()->Filter()->clear();
    frame->LogbookPane()->Table()->selectAll();
    int asked = 0;
    frame->m_confirm = [&](const QString& question) {
        ++asked;
        EXPECT_TRUE(question.startsWith("Delete these 2 flights from the logbook?")) << question.toStdString();
        return true;
    };
    QTest::mouseClick(frame->LogbookPane()->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(std::pair(asked, frame->LogbookPane()->Table()->topLevelItemCount()), std::pair(1, 0));
    EXPECT_EQ(QDir(ImagesFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(LogbookWindow, AnImportedImageIsShownAsADownloadAndKeptOnce)
{
    const CBrixoLog a = Flight(config, 10, 400, 50000);
    const std::vector<uint8_t> image = MemoryImageOf({&a});
    WriteText(Path("saved.mem"), std::string(image.begin(), image.end()));
    QString kept;
    AnswerDownloads(kept);
    ASSERT_TRUE(frame->ImportImage(Path("saved.mem")));
    EXPECT_EQ(kept, "Kept in the logbook: 1 new flight.");
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 1);
    // The same image again: shown, but not kept twice.
    ASSERT_TRUE(frame->ImportImage(Path("saved.mem")));
    EXPECT_EQ(kept, "This memory image is in the logbook already.");
    EXPECT_EQ(QDir(ImagesFolder()).entryList(QDir::Files).size(), 1);
}

TEST_F(LogbookWindow, ALogbookThatCannotBeUsedIsToldAndTheWindowWorksOn)
{
    frame.reset();
    QDir().mkpath(Path("data/Nivra"));
    WriteText(Path("data/Nivra/logbook.sqlite"), "not a database\n");
    OpenWindow();
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains("is not an SQLite database"))
        << frame->statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(frame->LogbookPane()->Table()->isEnabled());
    EXPECT_TRUE(frame->LogbookPane()->Totals()->text().contains("is not an SQLite database"));
    ASSERT_TRUE(frame->OpenFile(kSoaring));
    EXPECT_EQ(frame->Chart()->SerieCount(), 2);
    // A download is still taken, with the reason it is not kept, and leaving asks first.
    const CBrixoLog a = Flight(config, 10, 400, 50000);
    QString kept;
    DownloadThrough(MemoryImageOf({&a}), kept);
    EXPECT_TRUE(kept.contains("Save them with File > Save As") || kept.contains("save them with File > Save As"))
        << kept.toStdString();
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(frame->windowTitle(), "Nivra - downloaded logs, not saved yet");
}
