#include "ui/download_dialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "ui/language.h"

DownloadDialog::DownloadDialog(const Configuration& config, uint32_t minimumDuration, QWidget* parent)
    : QDialog(parent), m_session(config, minimumDuration)
{
    setWindowTitle(tr("Data download"));
    auto* layout = new QVBoxLayout(this);
    m_line1 = new QLabel(tr("Plug connector to Brixo and power it on."));
    m_line2 = new QLabel;
    // The memory received so far: busy until the logger's signature, then moving with the
    // bytes (ProgressOf).
    m_progress = new QProgressBar;
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_advice = new QLabel;
    m_advice->setWordWrap(true);
    layout->addWidget(m_line1);
    layout->addWidget(m_advice);
    layout->addWidget(m_progress);
    layout->addWidget(m_line2);
    for (QLabel* l : {m_line1, m_advice, m_line2})
        l->setAlignment(Qt::AlignCenter);
    m_list = new QTreeWidget;
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Flight"), tr("Rate", "the time between two samples of a log"), tr("Duration"), tr("Remark")});
    // The units, which the short titles leave out.
    const char* tips[] = {
        QT_TR_NOOP("The flight's number in the logger's memory"), QT_TR_NOOP("The time between two samples"),
        QT_TR_NOOP("Hours, minutes and seconds (estimated)"), QT_TR_NOOP("Whether the flight looks damaged")};
    for (int column = 0; column < 4; ++column)
        m_list->headerItem()->setToolTip(column, tr(tips[column]));
    // At least as wide as their titles in the language shown ("Intervalle").
    const QFontMetrics metrics(m_list->header()->font());
    const int margin = 2 * m_list->header()->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    m_list->header()->resizeSection(0, std::max(70, metrics.horizontalAdvance(m_list->headerItem()->text(0)) + margin));
    m_list->header()->resizeSection(1, std::max(50, metrics.horizontalAdvance(m_list->headerItem()->text(1)) + margin));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_list);
    // The logger has no clock: the day and the place come from the pilot.
    m_flownOn = new QDateEdit(QDate::currentDate());
    m_flownOn->setCalendarPopup(true);
    m_flownOn->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_flownOn->setToolTip(tr("The day these flights were flown: the logger has no clock"));
    m_site = new QComboBox;
    m_site->setEditable(true);
    m_site->setInsertPolicy(QComboBox::NoInsert);
    m_site->lineEdit()->setPlaceholderText(tr("where they were flown"));
    auto* notes = new QFormLayout;
    notes->addRow(tr("Flown on:"), m_flownOn);
    notes->addRow(tr("Site:"), m_site);
    layout->addLayout(notes);
    m_kept = new QLabel;
    m_kept->setWordWrap(true);
    m_kept->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_kept->hide();
    layout->addWidget(m_kept);
    m_button = new QPushButton(tr("Cancel"));
    connect(m_button, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    resize(400, 380);

    DownloadSession::Events& events = m_session.m_events;
    events.progress = [this](uint64_t arrived) {
        if (!m_progressShown) {
            m_line1->setText(tr("Data transfer in progress"));
            m_progressShown = true;
        }
        m_line2->setText(tr("%1 bytes has been received").arg(arrived));
        ShowProgress();
    };
    events.flightListed = [this](size_t index) {
        OnFlightListed(index);
    };
    events.silence = [this](int seconds) {
        //: "Cancel" is the dialog's button
        m_line2->setText(tr("No data has arrived for %1 seconds. Check the cable, or Cancel.").arg(seconds));
    };
    events.completed = [this] {
        OnComplete();
    };
    events.lost = [this](const std::string& reason) {
        OnLost(QString::fromStdString(reason));
    };
    // The session's work runs here, on the window's thread, a step every 50 ms.
    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, [this] { m_session.Poll(); });
    m_timer->start();
}

DownloadDialog::~DownloadDialog() = default;

void DownloadDialog::OfferSites(const QStringList& sites)
{
    const QString typed = m_site->currentText();
    m_site->clear();
    m_site->addItems(sites);
    m_site->setCurrentIndex(-1);
    m_site->setEditText(typed);
}

std::string DownloadDialog::FlownOn() const
{
    return m_flownOn->date().toString(Qt::ISODate).toStdString();
}

std::string DownloadDialog::Site() const
{
    return m_site->currentText().trimmed().toStdString();
}

Status DownloadDialog::OpenLink(const std::string& portName, uint32_t bitsPerSecond)
{
    Status opened = m_session.Open(portName, bitsPerSecond);
    if (!opened)
        m_line1->setText(tr("Unable to open COM port"));
    return opened;
}

Status DownloadDialog::Replay(const std::vector<uint8_t>& image)
{
    setWindowTitle(tr("Memory image"));
    return m_session.Replay(image);  // listed and complete at the first step, once the dialog runs
}

void DownloadDialog::OnFlightListed(size_t index)
{
    const FlightRow row = RowOf(m_session.Flights()[index], static_cast<int>(index) + 1);
    auto* item = new QTreeWidgetItem(
        m_list, {QString::fromStdString(row.flight), LocalNumbers(row.rate), QString::fromStdString(row.duration)});
    item->setCheckState(0, Qt::Checked);
    if (m_inLogbook)
        if (const std::optional<BrixoLog> log = m_session.BuildFlight(index); log && m_inLogbook(*log))
            for (int column = 0; column < 4; ++column) {
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
                item->setToolTip(column, tr("In the logbook already: downloaded before"));
            }
    ShowDamage(index);
}

void DownloadDialog::ShowDamage(size_t index)
{
    const FlightEntry& flight = m_session.Flights()[index];
    if (flight.damage.empty())
        return;
    if (QTreeWidgetItem* item = m_list->topLevelItem(static_cast<int>(index))) {
        item->setText(3, tr("damaged"));
        for (int column = 0; column < 4; ++column)
            item->setToolTip(column, QString::fromStdString(flight.damage));
    }
    if (m_session.Completed() && m_line2->text().isEmpty())
        //: %1 is the flight's number, %2 what is wrong with it
        m_line2->setText(tr("Flight %1 looks damaged: %2").arg(index + 1).arg(QString::fromStdString(flight.damage)));
}

void DownloadDialog::OnLost(const QString& reason)
{
    m_line1->setText(tr("The connection to the logger was lost."));
    // An incomplete memory is not taken over: the flights listed so far cannot stay checked.
    const int listed = m_list->topLevelItemCount();
    for (int i = 0; i < listed; ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        item->setCheckState(0, Qt::Unchecked);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable & ~Qt::ItemIsEnabled);
    }
    //: English: "The flight listed was not taken over." for one, "The %n flights listed were not taken over." else
    QString what = tr("The %n flight(s) listed were not taken over.", nullptr, listed);
    if (listed == 0)
        what = tr("Nothing was taken over.");
    //: %1 says what was not taken over (a sentence); %2 is why the connection was lost
    m_line2->setText(tr("%1 Check the cable and download again.\n(%2)").arg(what, reason));
    m_button->setText(tr("Close"));
}

void DownloadDialog::ShowProgress()
{
    const size_t kept = m_session.Buffer().Received();
    if (m_session.Completed()) {
        m_progress->setRange(0, 1);
        m_progress->setValue(1);
    } else if (kept > 0) {
        m_progress->setRange(0, kProgressSteps);
        m_progress->setValue(ProgressOf(kept));
    } else {
        m_progress->setRange(0, 0);  // what comes before the signature says nothing of the whole
    }
    m_progress->setTextVisible(m_session.Completed());
}

int DownloadDialog::ProgressOf(size_t received)
{
    constexpr double kHalfWay = 65536;
    const auto bytes = static_cast<double>(received);
    return static_cast<int>(std::lround(kProgressSteps * bytes / (bytes + kHalfWay)));
}

void DownloadDialog::OnComplete()
{
    ShowProgress();
    m_line1->setText(tr("To save log in Brixo memory switch it off immediately"));
    // The logger's advice in plain words; where the flights went here, the logbook's line says.
    m_advice->setText(tr("Switching the logger off now keeps these flights in its memory too."));
    m_line2->clear();
    if (m_session.EndsInsideAFlight())
        m_line2->setText(tr("The memory ends inside a flight: that flight is missing from the list."));
    m_button->setText(tr("Close"));
    // The line's errors reached every flight listed so far.
    for (size_t i = 0; i < m_session.Flights().size(); ++i)
        ShowDamage(i);
    // Kept before the dialog can be closed: the logger's memory may be gone next.
    if (m_session.Parser().SignatureFound() && m_keep) {
        const QString kept = m_keep(m_session);
        m_kept->setText(kept);
        m_kept->setVisible(!kept.isEmpty());
    }
}

void DownloadDialog::done(int)
{
    // The button, Esc and the close box all end here.
    m_timer->stop();
    m_session.Close();
    // The flights listed by now are the ones that can be built.
    auto& flights = m_session.Parser().Flights();
    for (int i = 0; i < m_list->topLevelItemCount() && i < static_cast<int>(flights.size()); ++i)
        flights[static_cast<size_t>(i)].selected = m_list->topLevelItem(i)->checkState(0) != Qt::Unchecked;
    QDialog::done(m_session.Completed() ? QDialog::Accepted : QDialog::Rejected);
}
