#include "ui/download_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config/configuration.h"

CDownloadDataDlg::CDownloadDataDlg(const Configuration& config, uint32_t minimumDuration, QWidget* parent)
    : QDialog(parent), m_config(config), m_parser(minimumDuration)
{
    setWindowTitle(QStringLiteral("Data download"));
    auto* layout = new QVBoxLayout(this);
    m_line1 = new QLabel(QStringLiteral("Plug connector to Brixo and power it on."));
    m_line2 = new QLabel;
    for (QLabel* l : {m_line1, m_line2}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    m_list = new QTreeWidget;
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {QStringLiteral("Flight"), QStringLiteral("Rate"), QStringLiteral("Duration"), QStringLiteral("Remark")});
    m_list->header()->resizeSection(0, 70);
    m_list->header()->resizeSection(1, 40);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_list);
    m_button = new QPushButton(QStringLiteral("Cancel"));
    connect(m_button, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    resize(380, 320);
    // The flights are found while the dialog is open: a step on every arrival
    // and a few each second while something is left to find.
    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, [this] {
        ParseStep();
        ShowSilence();
        EndIfQuiet();
    });
    m_timer->start();
}

CDownloadDataDlg::~CDownloadDataDlg()
{
    m_link.Close();  // the reader stops before the buffer goes
}

bool CDownloadDataDlg::OpenLink(const std::string& portName, uint32_t bitsPerSecond, std::string* error)
{
    if (m_link.Open(portName, bitsPerSecond, this, error))
        return true;
    m_line1->setText(QStringLiteral("Unable to open COM port"));
    if (error && m_link.PermissionDenied())
        *error += "\n" + PermissionHelp(DevicePathOf(portName));
    return false;
}

uint32_t CDownloadDataDlg::Collect(const uint8_t* bytes, uint32_t count)
{
    // On the reader thread: store, then tell the dialog through its event queue.
    const ReceiveBuffer::Appended a = m_buffer.Append(bytes, count);
    using End = ReceiveBuffer::End;
    if (a.end == End::Complete || a.end == End::NoSignature) {
        m_link.Stop();
        QMetaObject::invokeMethod(this, &CDownloadDataDlg::OnComplete, Qt::QueuedConnection);
        return 0;
    }
    QMetaObject::invokeMethod(
        this, [this, n = a.arrived, quiet = a.end == End::IfQuiet] { OnProgress(n, quiet); }, Qt::QueuedConnection);
    return a.taken;
}

void CDownloadDataDlg::LineLost(const std::string& reason)
{
    // On the reader thread, like Collect.
    QMetaObject::invokeMethod(
        this, [this, text = QString::fromStdString(reason)] { OnLineLost(text); }, Qt::QueuedConnection);
}

void CDownloadDataDlg::OnLineLost(const QString& reason)
{
    if (m_completed)
        return;
    m_lost = true;
    m_line1->setText(QStringLiteral("The connection to the logger was lost."));
    m_line2->setText(QStringLiteral("Nothing was taken over. Check the cable and download again.\n(%1)").arg(reason));
    m_button->setText(QStringLiteral("Close"));
}

void CDownloadDataDlg::ShowSilence()
{
    // Only in the middle of a transfer: before it the first line says what to do.
    if (!m_progressShown || m_completed || m_lost || !m_sinceData.isValid() || m_sinceData.elapsed() < m_silenceLimitMs)
        return;
    m_line2->setText(QStringLiteral("No data has arrived for %1 seconds. Check the cable, or Cancel.")
                         .arg(m_sinceData.elapsed() / 1000));
}

void CDownloadDataDlg::OnProgress(qulonglong arrived, bool endIfQuiet)
{
    if (m_completed || m_lost)
        return;  // bytes read just before the reader stopped
    m_sinceData.start();
    m_endIfQuiet = endIfQuiet;
    if (!m_progressShown) {
        m_line1->setText(QStringLiteral("Data transfer in progress"));
        m_progressShown = true;
    }
    m_line2->setText(QStringLiteral("%1 bytes has been received").arg(arrived));
    ParseStep();
}

void CDownloadDataDlg::EndIfQuiet()
{
    // Zeros before any signature (a line held low at power-on) end the transfer only
    // when nothing follows them; a logger that goes on sending is received as usual.
    if (!m_endIfQuiet || m_completed || m_lost || m_sinceData.elapsed() < m_quietEndMs)
        return;
    m_link.Stop();
    OnComplete();
}

void CDownloadDataDlg::OnComplete()
{
    if (m_buffer.Arrived() == 0 || m_completed)
        return;
    m_line1->setText(QStringLiteral("To save log in Brixo memory switch it off immediately"));
    m_line2->clear();
    m_button->setText(QStringLiteral("Close"));
    m_completed = true;
    // The counters cannot tell which flight lost the bytes: each one is in doubt.
    if (const auto errors = m_link.ErrorsSinceOpen(); errors && errors->Any())
        m_lineDamage = LineErrorText(*errors);
    auto& flights = m_parser.Flights();
    for (size_t i = 0; i < flights.size(); ++i)
        MarkLineDamage(i);
    ParseStep();
}

void CDownloadDataDlg::MarkLineDamage(size_t index)
{
    FlightEntry& flight = m_parser.Flights()[index];
    if (!m_lineDamage.empty() && flight.damage.empty())
        flight.damage = m_lineDamage;
    if (flight.damage.empty())
        return;
    if (QTreeWidgetItem* item = m_list->topLevelItem(static_cast<int>(index))) {
        item->setText(3, QStringLiteral("damaged"));
        for (int column = 0; column < 4; ++column)
            item->setToolTip(column, QString::fromStdString(flight.damage));
    }
    // Once the transfer is over, the first damaged flight is said in words too.
    if (m_completed && m_line2->text().isEmpty())
        m_line2->setText(
            QStringLiteral("Flight %1 looks damaged: %2").arg(index + 1).arg(QString::fromStdString(flight.damage)));
}

void CDownloadDataDlg::ParseStep()
{
    const size_t before = m_parser.Flights().size();
    m_parser.Run(m_buffer.Data(), m_buffer.Received(), m_config);
    const auto& flights = m_parser.Flights();
    for (size_t i = before; i < flights.size(); ++i) {
        const FlightRow row = RowOf(flights[i], static_cast<int>(i) + 1);
        auto* item = new QTreeWidgetItem(m_list, {QString::fromStdString(row.flight), QString::fromStdString(row.rate),
                                                  QString::fromStdString(row.duration)});
        item->setCheckState(0, Qt::Checked);
        MarkLineDamage(i);
    }
}

void CDownloadDataDlg::done(int)
{
    // The button, Esc and the close box all end here.
    m_timer->stop();
    m_link.Close();
    // The flights listed by now are the ones that can be built.
    auto& flights = m_parser.Flights();
    for (int i = 0; i < m_list->topLevelItemCount() && i < static_cast<int>(flights.size()); ++i)
        flights[static_cast<size_t>(i)].selected = m_list->topLevelItem(i)->checkState(0) != Qt::Unchecked;
    QDialog::done(m_completed ? QDialog::Accepted : QDialog::Rejected);
}
