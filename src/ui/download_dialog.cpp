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
    m_list->setHeaderLabels({QStringLiteral("Flight"), QStringLiteral("Rate"), QStringLiteral("Duration")});
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
    if (a.complete) {
        m_link.Stop();
        QMetaObject::invokeMethod(this, &CDownloadDataDlg::OnComplete, Qt::QueuedConnection);
        return 0;
    }
    QMetaObject::invokeMethod(
        this, [this, n = a.received] { OnProgress(n); }, Qt::QueuedConnection);
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

void CDownloadDataDlg::OnProgress(qulonglong received)
{
    m_sinceData.start();
    if (!m_progressShown) {
        m_line1->setText(QStringLiteral("Data transfer in progress"));
        m_progressShown = true;
    }
    m_line2->setText(QStringLiteral("%1 bytes has been received").arg(received));
    ParseStep();
}

void CDownloadDataDlg::OnComplete()
{
    if (m_buffer.Received() == 0)
        return;
    m_line1->setText(QStringLiteral("To save log in Brixo memory switch it off immediately"));
    m_line2->clear();
    m_button->setText(QStringLiteral("Close"));
    m_completed = true;
    ParseStep();
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
