#pragma once

#include <QDialog>

class CBrixoLog;
class Configuration;
class QDateTimeEdit;
class QLabel;
class QPlainTextEdit;

// "Log Properties": the length and recording date of one log, and a comment that is not kept.
class CPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CPropertiesDlg(const CBrixoLog& log, QWidget* parent = nullptr);

    QLabel* m_duration;
    QDateTimeEdit* m_date;
    QPlainTextEdit* m_comment;
};

// "About": the program, the formula library's credit, and the supported devices.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const Configuration& config, QWidget* parent = nullptr);

    QLabel* m_devices;
};
