#include "ui/log_dialogs.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

#include <muParserDef.h>
#include <pugixml.hpp>

#include "app/brixo_log.h"
#include "base/time_text.h"
#include "config/configuration.h"
#include "ui/language.h"
#include "ui/program_icon.h"

namespace {

// A length in the unit shown, to the tenth.
QString LengthText(double metres, const LengthUnit& unit)
{
    return LocalNumbers(QString::number(std::round(unit.FromMetres(metres) * 10.0) / 10.0, 'g', 15));
}

// The time flown as given; else the day flown, at its start; else the log's own date (its download).
FileTime ShownDate(const BrixoLog& log, const PilotFields& fields)
{
    LogbookEntry entry;
    entry.date = log.m_date;
    entry.fields = fields;
    return entry.FlownOrDownloaded();
}

}  // namespace

LogPropertiesDialog::LogPropertiesDialog(const BrixoLog& log, const PilotFields& fields, const QString& defaultName,
                                         const LengthUnit& unit, QWidget* parent)
    : QDialog(parent),
      m_shownDate(ShownDate(log, fields)),
      m_unit(unit),
      m_defaultName(defaultName),
      m_given(fields),
      m_edited(fields)
{
    setWindowTitle(tr("Log Properties"));
    auto* form = new QFormLayout;
    m_duration = new QLabel(QString::fromStdString(DurationText(log.Duration())));
    m_name = new QLineEdit(fields.name ? QString::fromStdString(*fields.name) : defaultName);
    m_name->setPlaceholderText(defaultName);
    // The recording time is a UTC file time, shown as it is.
    m_date = new QDateTimeEdit(QDateTime::fromMSecsSinceEpoch(UnixMsFromFileTime(m_shownDate), QTimeZone::utc()));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_site = new QLineEdit(QString::fromStdString(fields.site));
    const bool feet = unit.name == "ft";
    if (fields.startElevation)
        m_shownElevation = LengthText(*fields.startElevation, unit);
    m_elevation = new QLineEdit(m_shownElevation);
    m_elevation->setPlaceholderText(feet ? tr("feet above sea level") : tr("metres above sea level"));
    m_comment = new QPlainTextEdit(QString::fromStdString(fields.comment));
    form->addRow(tr("Duration:"), m_duration);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Date:"), m_date);
    form->addRow(tr("Site:"), m_site);
    //: %1 is the unit of length, "m" or "ft"
    form->addRow(tr("Start elevation (%1):").arg(QString::fromStdString(unit.name)), m_elevation);
    form->addRow(tr("Comment:"), m_comment);
    m_problem = new QLabel;
    m_problem->setWordWrap(true);
    m_problem->hide();
    form->addRow(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void LogPropertiesDialog::accept()
{
    PilotFields f;
    const QString name = m_name->text().trimmed();
    if (!name.isEmpty() && name != m_defaultName)
        f.name = name.toStdString();
    const FileTime date = FileTimeFromUnixMs(m_date->dateTime().toMSecsSinceEpoch());
    // The picker shows whole seconds: a date left as it was shown stays as it was given (the
    // time flown the pilot noted, or none), whatever the log's own date.
    f.flownAt = date / 10000000 == m_shownDate / 10000000 ? m_given.flownAt : std::optional<FileTime>(date);
    f.flownOn = m_given.flownOn;  // the day flown given at the download; a time set here comes first
    f.site = m_site->text().trimmed().toStdString();
    f.comment = m_comment->toPlainText().toStdString();
    const QString elevation = m_elevation->text().trimmed();
    if (!elevation.isEmpty() && elevation == m_shownElevation) {
        f.startElevation = m_given.startElevation;
    } else if (!elevation.isEmpty()) {
        bool ok = false;
        const double typed = TypedNumber(elevation).toDouble(&ok);
        const double metres = m_unit.perMetre > 0 ? typed / m_unit.perMetre : typed;
        if (!ok || !StartElevationProblem(metres).empty()) {
            QApplication::beep();
            const bool feet = m_unit.name == "ft";
            //: %1 and %2: the lowest and highest start elevation allowed; %3: the text typed
            const QString inFeet = tr("The start elevation is feet above sea level from %1 to %2, not \"%3\".");
            //: %1 and %2: the lowest and highest start elevation allowed; %3: the text typed
            const QString inMetres = tr("The start elevation is metres above sea level from %1 to %2, not \"%3\".");
            m_problem->setText((feet ? inFeet : inMetres)
                                   .arg(LengthText(kLowestStartElevation, m_unit),
                                        LengthText(kHighestStartElevation, m_unit), elevation));
            m_problem->show();
            m_elevation->setFocus();
            m_elevation->selectAll();
            return;
        }
        f.startElevation = metres;
    }
    m_edited = f;
    QDialog::accept();
}

namespace {

// The licence notice; the licence's own text (COPYING) is not translated.
//: the GPL's notice: the licence itself (COPYING) stays in English
const char kLicence[] = QT_TRANSLATE_NOOP(
    "AboutDialog",
    "Nivra is free software: you can redistribute it and/or modify it under the terms of the GNU General Public "
    "License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any "
    "later version.\n\n"
    "Nivra is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied "
    "warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more "
    "details.\n\n"
    "You should have received a copy of the GNU General Public License along with Nivra (the file COPYING). If "
    "not, see <https://www.gnu.org/licenses/>.");

// The permission notice under which muparser and pugixml are shared (the MIT, or Expat, licence):
// a licence's own words, shown as written.
const char kExpat[] =
    "Permission is hereby granted, free of charge, to any person obtaining a copy of this software and associated "
    "documentation files (the \"Software\"), to deal in the Software without restriction, including without "
    "limitation the rights to use, copy, modify, merge, publish, distribute, sublicense, and/or sell copies of the "
    "Software, and to permit persons to whom the Software is furnished to do so, subject to the following "
    "conditions:\n\n"
    "The above copyright notice and this permission notice shall be included in all copies or substantial portions "
    "of the Software.\n\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT "
    "LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT "
    "SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN "
    "ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR "
    "OTHER DEALINGS IN THE SOFTWARE.";

QString MuparserVersion()
{
    // "2.3.3 (Release)": the number alone.
    return QString::fromStdString(mu::ParserVersion).section(QLatin1Char(' '), 0, 0);
}

QString PugixmlVersion()
{
    return QStringLiteral("%1.%2").arg(PUGIXML_VERSION / 1000).arg(PUGIXML_VERSION % 1000 / 10);
}

}  // namespace

QString AboutDialog::CreditsText()
{
    //: %1, %2 and %3 are version numbers, %4 the MIT licence's text (in English)
    return tr("Nivra is built on these libraries, with thanks to their authors:\n\n"
              "muparser %1, the formula parser: Copyright (C) 2004-2022 Ingo Berg. MIT licence.\n"
              "pugixml %2, the XML reader: Copyright (C) 2006-2022 Arseny Kapoulkine. MIT licence.\n"
              "Qt %3, the window toolkit: Copyright (C) 2016-2022 The Qt Company Ltd. Used under the GNU "
              "Lesser General Public License version 3.\n\n"
              "The MIT licence of muparser and pugixml:\n\n%4")
        .arg(MuparserVersion(), PugixmlVersion(), QString::fromLatin1(qVersion()), QString::fromLatin1(kExpat));
}

QString AboutDialog::LicenceText()
{
    return tr(kLicence);
}

AboutDialog::AboutDialog(const Configuration& config, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About"));
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    m_icon = new QLabel;
    m_icon->setPixmap(ProgramIcon().pixmap(64, 64));
    head->addWidget(m_icon, 0, Qt::AlignTop);
    m_title = new QLabel(tr("<b>Nivra %1</b><br>The flights of the Brixo altimeter logger: downloaded, "
                            "shown, measured and kept.<br>Copyright (C) 2026 The Nivra developers")
                             .arg(QStringLiteral(NIVRA_VERSION)));
    m_title->setWordWrap(true);
    head->addWidget(m_title, 1);
    layout->addLayout(head);

    // The licence and the libraries' credits, each whole in a page of its own.
    auto* pages = new QTabWidget;
    for (auto [title, text] : {std::pair{tr("Licence"), LicenceText()}, std::pair{tr("Libraries"), CreditsText()}}) {
        auto* page = new QPlainTextEdit(text);
        page->setReadOnly(true);
        pages->addTab(page, title);
    }
    m_licence = static_cast<QPlainTextEdit*>(pages->widget(0));
    m_credits = static_cast<QPlainTextEdit*>(pages->widget(1));
    layout->addWidget(pages, 1);

    layout->addWidget(new QLabel(tr("Supported devices list:")));
    m_devices = new QLabel(QStringLiteral("......"));
    m_devices->setText(QString::fromStdString(config.SupportedDevicesText()));
    m_devices->setWordWrap(true);
    layout->addWidget(m_devices);
    // Which configuration the devices come from, and the files that could not be used, with why.
    QString source = config.LoadedPath().empty()
                         ? tr("Configuration: the built-in document.")
                         : tr("Configuration: %1").arg(QString::fromStdString(config.LoadedPath()));
    for (const std::string& passed : config.PassedOver())
        source += QLatin1Char('\n') + QString::fromStdString(passed);
    m_configuration = new QLabel(source);
    m_configuration->setWordWrap(true);
    m_configuration->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_configuration);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(520, 520);
}
