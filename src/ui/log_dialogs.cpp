#include "ui/log_dialogs.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

#include "app/brixo_log.h"
#include "config/configuration.h"
#include "dsp/time_text.h"

CPropertiesDlg::CPropertiesDlg(const CBrixoLog& log, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Log Properties"));
    auto* form = new QFormLayout;
    const double seconds = std::floor(log.Duration());
    m_duration = new QLabel(QString::fromStdString(FormatDuration("%H:%M:%S", static_cast<uint64_t>(seconds))));
    // The recording time is a UTC file time, shown as it is.
    m_date = new QDateTimeEdit(QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(log.m_date), QTimeZone::utc()));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_comment = new QPlainTextEdit;
    form->addRow(QStringLiteral("Duration:"), m_duration);
    form->addRow(QStringLiteral("Date:"), m_date);
    form->addRow(QStringLiteral("Comment:"), m_comment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
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
