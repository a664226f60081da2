#pragma once

#include <QSqlError>
#include <QString>

#include <string>

// Texts between the logbook's code and Qt's SQL module.
inline QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

// SQLite's own reason where it gave one, else Qt's.
inline std::string Why(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.toStdString();
}
