#include "app/recent_files.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>

RecentFiles::RecentFiles(std::string path) : m_path(std::move(path))
{
    QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    for (const QString& p : file.value(QStringLiteral("Files")).toStringList()) {
        const std::string entry = p.toStdString();
        // A hand-edited file may repeat a name or hold more than the list keeps.
        if (!entry.empty() && m_paths.size() < kMax &&
            std::find(m_paths.begin(), m_paths.end(), entry) == m_paths.end())
            m_paths.push_back(entry);
    }
    m_lastFolder = file.value(QStringLiteral("LastFolder")).toString().toStdString();
}

void RecentFiles::Add(const std::string& absolutePath)
{
    if (absolutePath.empty())
        return;
    Remove(absolutePath);
    m_paths.insert(m_paths.begin(), absolutePath);
    if (m_paths.size() > kMax)
        m_paths.resize(kMax);
}

void RecentFiles::Remove(const std::string& absolutePath)
{
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), absolutePath), m_paths.end());
}

Status RecentFiles::Save() const
{
    QSettings file(QString::fromStdString(m_path), QSettings::IniFormat);
    QStringList list;
    for (const std::string& p : m_paths)
        list << QString::fromStdString(p);
    file.setValue(QStringLiteral("Files"), list);
    if (m_lastFolder.empty())
        file.remove(QStringLiteral("LastFolder"));
    else
        file.setValue(QStringLiteral("LastFolder"), QString::fromStdString(m_lastFolder));
    file.sync();
    if (file.status() != QSettings::NoError)
        return Fail(file.status() == QSettings::AccessError ? "the file cannot be written" : "the file is not valid");
    return {};
}
