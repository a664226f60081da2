#pragma once

#include <QDialog>

#include "base/units.h"
#include "logbook/logbook.h"

class BrixoLog;
class Configuration;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Log Properties": the length of one log and what the pilot notes about it (name, date
// and time of the flight, site, start elevation, comment), shown as the logbook keeps
// them. OK takes the edits (Edited); a start elevation that is no number keeps the
// dialog open.
class LogPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // The start elevation is shown and typed in unit, and kept in metres.
    LogPropertiesDialog(const BrixoLog& log, const PilotFields& fields = {}, const QString& defaultName = {},
                        const LengthUnit& unit = {}, QWidget* parent = nullptr);

    // The fields as edited: a name left as the default, or the log's own date, count as not given.
    const PilotFields& Edited() const { return m_edited; }
    void accept() override;

    QLabel* m_duration;
    QLineEdit* m_name;
    QDateTimeEdit* m_date;
    QLineEdit* m_site;
    QLineEdit* m_elevation;
    QPlainTextEdit* m_comment;
    QLabel* m_problem;  // why OK did not close the dialog

private:
    FileTime m_shownDate;  // the time flown given, else the log's own date
    LengthUnit m_unit;
    QString m_shownElevation;  // as first shown: left so, it keeps the metres given exactly
    QString m_defaultName;
    PilotFields m_given;
    PilotFields m_edited;
};

// "About": the program's icon, name, version and licence, the libraries it is built on with
// their licences, the supported devices, and the configuration they come from (with the files
// that could not be used, and why).
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const Configuration& config, QWidget* parent = nullptr);

    // The program's licence notice (GPL-3.0-or-later) and the libraries' credits.
    static QString LicenceText();
    static QString CreditsText();

    QLabel* m_icon;
    QLabel* m_title;
    QPlainTextEdit* m_licence;
    QPlainTextEdit* m_credits;
    QLabel* m_devices;
    QLabel* m_configuration;
};
