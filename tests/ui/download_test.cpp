#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "app/settings.h"
#include "device/download_session.h"
#include "device/memory_image.h"
#include "pseudo_terminal.h"
#include "scripted_source.h"
#include "test_support.h"
#include "ui/download_dialog.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/window_fixture.h"

namespace {

class Download : public WindowTest {
protected:
    PseudoTerminal pty;  // for the tests of the serial line itself
    ScriptedLine line;   // for the others: bytes when the test says
    SteppedClock clock;
    std::vector<uint8_t> image;

    // The dialog takes its bytes from the scripted line, and its time from the stepped clock.
    void Script(DownloadDialog& dialog)
    {
        dialog.Session().m_clock = [this] {
            return clock.now;
        };
        ASSERT_TRUE(dialog.Session().Start(line.Source()).Ok());
    }
    // What the dialog's timer does, once, now.
    static void Step(DownloadDialog& dialog) { dialog.Session().Poll(); }

    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(frame->OpenFile(kHops));
        const BrixoLog a = Flight(config, 10, 400), b = Flight(config, 1, 20), c = Flight(config, 5, 900);
        image = MemoryImageOf({&a, &b, &c});
        image.insert(image.begin(), {'A', 'T', 'Z'});  // noise before the signature
    }
};

}  // namespace

TEST(DownloadProgress, MovesWithTheBytesAndNeverReachesTheEndBeforeIt)
{
    const struct {
        size_t bytes;
        int steps;  // of 1000
    } cases[] = {{0, 0},        {1, 0},
                 {66, 1},       {10240, 135},  // a short download moves the bar (it stood at 0 % of 2 MB)
                 {65536, 500},  {196608, 750},
                 {2097152, 970}};  // the most the buffer takes: the bar is full only at the end
    for (const auto& c : cases)
        EXPECT_EQ(DownloadDialog::ProgressOf(c.bytes), c.steps) << c.bytes;
}

TEST_F(Download, CompleteTransferReplacesTheTree)
{
    DownloadDialog dialog(config, 3, frame.get());
    dialog.SetSilenceLimit(300);
    Script(dialog);
    dialog.show();
    // Before anything arrives the first line says what to do, however long it takes.
    clock.Step(450);
    Step(dialog);
    EXPECT_EQ(dialog.Line1()->text(), "Plug connector to Brixo and power it on.");
    EXPECT_EQ(dialog.Line2()->text(), "");
    // The columns' units on their titles.
    QStringList tips;
    for (int column = 0; column < 4; ++column)
        tips << dialog.List()->headerItem()->toolTip(column);
    EXPECT_EQ(tips, (QStringList{"The flight's number in the logger's memory", "The time between two samples",
                                 "Hours, minutes and seconds (estimated)", "Whether the flight looks damaged"}));
    // Noise before the signature: bytes, but no share of the memory yet.
    line.Send(image, 0, 3);
    Step(dialog);
    EXPECT_EQ(dialog.Line2()->text(), "3 bytes has been received");
    EXPECT_EQ(std::pair(dialog.Progress()->maximum(), dialog.Progress()->isTextVisible()), std::pair(0, false));
    line.Send(image, 3, image.size() / 2);
    Step(dialog);
    EXPECT_EQ(dialog.Line2()->text(), QStringLiteral("%1 bytes has been received").arg(image.size() / 2));
    EXPECT_EQ(dialog.Line1()->text(), "Data transfer in progress");
    // The bar moves with the bytes from the signature on; no share is shown of a whole not known.
    const int halfWay = dialog.Progress()->value();
    EXPECT_EQ(halfWay, DownloadDialog::ProgressOf(image.size() / 2 - 3));
    EXPECT_GT(halfWay, 0);
    EXPECT_FALSE(dialog.Progress()->isTextVisible());
    // A silence is told, once it lasts, until data comes again.
    clock.Step(299);
    Step(dialog);
    EXPECT_EQ(dialog.Line2()->text(), QStringLiteral("%1 bytes has been received").arg(image.size() / 2));
    clock.Step(2000);
    Step(dialog);
    EXPECT_EQ(dialog.Line2()->text(), "No data has arrived for 2 seconds. Check the cable, or Cancel.");
    EXPECT_EQ(dialog.Button()->text(), "Cancel");
    const size_t most = image.size() * 3 / 4;
    line.Send(image, image.size() / 2, most);
    Step(dialog);
    EXPECT_EQ(dialog.Line2()->text(), QStringLiteral("%1 bytes has been received").arg(most));
    EXPECT_GT(dialog.Progress()->value(), halfWay);
    line.Send(image, most, image.size());
    EXPECT_TRUE(line.Stopped());  // the end marker came: the session wants nothing more
    Step(dialog);
    ASSERT_TRUE(dialog.Completed());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
    EXPECT_EQ((QStringList{dialog.Line1()->text(), dialog.Line2()->text(), dialog.Progress()->text(),
                           dialog.Button()->text()}),
              (QStringList{"To save log in Brixo memory switch it off immediately", "", "100%", "Close"}));
    EXPECT_EQ(dialog.Advice()->text(), "Switching the logger off now keeps these flights in its memory too.");
    EXPECT_FALSE(dialog.Advice()->isHidden());
    // The 2-second flight is not listed; the rows: number, records a second, duration (the estimate
    // counts the header as three records).
    const QTreeWidgetItem* second = dialog.List()->topLevelItem(1);
    EXPECT_EQ((QStringList{second->text(0), second->text(1), second->text(2)}),
              (QStringList{"2", "0.5 s", "00:07:31"}));
    dialog.List()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(dialog.Button(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(frame->TakeDownload(dialog));
    ASSERT_EQ(frame->Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(frame->Tree()->topLevelItem(0)->text(0), "Log  1 (00:07:30)");  // numbered without gaps
    EXPECT_EQ(frame->Tree()->currentItem(), frame->Tree()->topLevelItem(0));
    EXPECT_EQ(frame->Chart()->SeriesCount(), 2);
    EXPECT_EQ(frame->windowTitle(), "Nivra - downloaded logs, not saved yet");
}

TEST_F(Download, APortThatCannotBeOpenedIsReportedWithWhatStandsInTheWay)
{
    // The logger's port held by another link of this process, as another program would.
    DownloadSession holder(config, 0);
    ASSERT_TRUE(holder.Open(pty.path, 9600));
    const struct {
        std::string port;
        bool usbPresent;
        QString detail;       // starts so
        QString informative;  // starts so
    } cases[] = {
        {"/dev/nivra-no-such-port", false, "/dev/nivra-no-such-port: ",
         "The logger's cable seems not to be plugged in: this computer has no USB serial port at the moment."},
        {"/dev/nivra-no-such-port", true, "/dev/nivra-no-such-port: ", ""},
        {pty.path, true, QString::fromStdString(pty.path) + ": ", "The port is in use by another program: "},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.usedPort = c.port;
        OpenWindow(&settings);
        frame->m_listPorts = [&c] {
            return std::vector<PortInfo>{{"COM1:", "/dev/ttyS0", "", false},
                                         {"COM33:", "/dev/ttyUSB0", "", c.usbPresent}};
        };
        QString text, detail, informative;
        frame->m_runDialog = [&](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            text = box.text();
            detail = box.detailedText();
            informative = box.informativeText();
            return int(QMessageBox::Ok);
        };
        frame->Download();
        EXPECT_EQ(text, "Unable to open COM port.\r\nCheck your preferences.");
        EXPECT_TRUE(detail.startsWith(c.detail)) << detail.toStdString();
        EXPECT_FALSE(detail.contains('\n')) << detail.toStdString();
        EXPECT_TRUE(c.informative.isEmpty() ? informative.isEmpty() : informative.startsWith(c.informative))
            << informative.toStdString();
    }
}

TEST_F(Download, ATransferWithoutSignatureIsToldAndChangesNothing)
{
    DownloadDialog dialog(config, 0, frame.get());
    dialog.SetQuietEnd(200);
    Script(dialog);
    // Zeros before any signature end the transfer once the line stays quiet.
    const std::vector<uint8_t> noise = {'n', 'o', 'i', 's', 'e', 1, 2, 3, 0, 0, 0, 0, 0, 0};
    line.Send(noise);
    Step(dialog);
    clock.Step(199);
    Step(dialog);
    EXPECT_FALSE(dialog.Completed());
    clock.Step(1);
    Step(dialog);
    ASSERT_TRUE(dialog.Completed());
    EXPECT_TRUE(line.Stopped());
    dialog.accept();
    EXPECT_FALSE(frame->TakeDownload(dialog));
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains("no logger signature"));
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 2);
}

TEST_F(Download, ALoggerUnpluggedMidTransferEndsItWithAMessage)
{
    DownloadDialog dialog(config, 3, frame.get());
    const Status opened = dialog.OpenLink(pty.path, 921600);
    ASSERT_TRUE(opened.Ok()) << opened.Error();
    dialog.show();
    pty.Write(image, 0, image.size() / 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Line1()->text() == "Data transfer in progress"; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.List()->topLevelItemCount() == 1; }));  // the first flight
    close(pty.master);                                                                      // the cable pulled
    pty.master = -1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Lost(); }));
    EXPECT_EQ(dialog.Line1()->text(), "The connection to the logger was lost.");
    // The flights listed before are not taken over, and the list does not say otherwise.
    const int listed = dialog.List()->topLevelItemCount();
    ASSERT_EQ(listed, 1);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->checkState(0), Qt::Unchecked);
    EXPECT_FALSE(dialog.List()->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(dialog.Line2()->text().startsWith(
        "The flight listed was not taken over. Check the cable and download again.\n("))
        << dialog.Line2()->text().toStdString();
    EXPECT_EQ(dialog.Button()->text(), "Close");
    QTest::mouseClick(dialog.Button(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(frame->TakeDownload(dialog));
    EXPECT_EQ(frame->Tree()->topLevelItemCount(), 2);
}

TEST_F(Download, ALostByteIsShownAsDamaged)
{
    DownloadDialog dialog(config, 3, frame.get());
    Script(dialog);
    dialog.show();
    std::vector<uint8_t> cut = image;
    cut.erase(cut.begin() + 3 + 16 + 6 + 333);  // a byte of the first flight lost on the line
    line.Send(cut);
    Step(dialog);
    ASSERT_TRUE(dialog.Completed());
    ASSERT_GT(dialog.List()->topLevelItemCount(), 0);
    QTreeWidgetItem* row = dialog.List()->topLevelItem(0);
    EXPECT_EQ(row->text(3), "damaged");
    EXPECT_TRUE(row->toolTip(0).contains("shifted by a byte lost on the line")) << row->toolTip(0).toStdString();
    EXPECT_TRUE(dialog.Line2()->text().startsWith("Flight 1 looks damaged: its raw readings jump from "))
        << dialog.Line2()->text().toStdString();
    QTest::mouseClick(dialog.Button(), Qt::LeftButton);
    // Kept all the same: the raw bytes are what came.
    ASSERT_TRUE(frame->TakeDownload(dialog));
    EXPECT_GT(frame->Tree()->topLevelItemCount(), 0);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "1 of the downloaded flights looks damaged; it was kept as it came.");  // one: singular
}
