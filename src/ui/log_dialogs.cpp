#include "ui/log_dialogs.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

#include "app/brixo_log.h"
#include "config/configuration.h"
#include "base/time_text.h"

CPropertiesDlg::CPropertiesDlg(const CBrixoLog& log, const PilotFields& fields, const QString& defaultName,
                               QWidget* parent)
    : QDialog(parent), m_logDate(log.m_date), m_defaultName(defaultName), m_edited(fields)
{
    setWindowTitle(QStringLiteral("Log Properties"));
    auto* form = new QFormLayout;
    const double seconds = std::floor(log.Duration());
    m_duration = new QLabel(QString::fromStdString(FormatDuration("%H:%M:%S", static_cast<uint64_t>(seconds))));
    m_name = new QLineEdit(fields.name ? QString::fromStdString(*fields.name) : defaultName);
    m_name->setPlaceholderText(defaultName);
    // The recording time is a UTC file time, shown as it is.
    m_date = new QDateTimeEdit(
        QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(fields.flownAt.value_or(log.m_date)), QTimeZone::utc()));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_site = new QLineEdit(QString::fromStdString(fields.site));
    m_elevation = new QLineEdit(fields.startElevation ? QString::number(*fields.startElevation, 'g', 15) : QString());
    m_elevation->setPlaceholderText(QStringLiteral("metres above sea level"));
    m_comment = new QPlainTextEdit(QString::fromStdString(fields.comment));
    form->addRow(QStringLiteral("Duration:"), m_duration);
    form->addRow(QStringLiteral("Name:"), m_name);
    form->addRow(QStringLiteral("Date:"), m_date);
    form->addRow(QStringLiteral("Site:"), m_site);
    form->addRow(QStringLiteral("Start elevation (m):"), m_elevation);
    form->addRow(QStringLiteral("Comment:"), m_comment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CPropertiesDlg::accept()
{
    PilotFields f;
    const QString name = m_name->text().trimmed();
    if (!name.isEmpty() && name != m_defaultName)
        f.name = name.toStdString();
    const FileTime date = FileTimeFromUnixMs(m_date->dateTime().toMSecsSinceEpoch());
    // The picker shows whole seconds: a date left as it was shown is the log's own.
    if (date / 10000000 != m_logDate / 10000000)
        f.flownAt = date;
    f.site = m_site->text().trimmed().toStdString();
    f.comment = m_comment->toPlainText().toStdString();
    const QString elevation = m_elevation->text().trimmed();
    if (!elevation.isEmpty()) {
        bool ok = false;
        const double metres = elevation.toDouble(&ok);
        if (!ok || !std::isfinite(metres) || std::abs(metres) > 20000) {
            QApplication::beep();
            m_elevation->setFocus();
            m_elevation->selectAll();
            return;
        }
        f.startElevation = metres;
    }
    m_edited = f;
    QDialog::accept();
}

CAboutDlg::CAboutDlg(const Configuration& config, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    layout->addWidget(icon);
    layout->addWidget(new QLabel(QStringLiteral("Nivra ") + QStringLiteral(NIVRA_VERSION)));
    layout->addWidget(new QLabel(QStringLiteral("muParser - Copyright (C) 2004 - 2021 Ingo Berg")));
    layout->addWidget(new QLabel(QStringLiteral("Supported devices list:")));
    m_devices = new QLabel(QStringLiteral("......"));
    m_devices->setText(QString::fromStdString(config.SupportedDevicesText()));
    m_devices->setWordWrap(true);
    layout->addWidget(m_devices);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
