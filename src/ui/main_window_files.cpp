// The main window's ways to files beyond File > Open: the command line, drops from a file
// manager, and the list of recent files in the File menu.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/recent_files.h"
#include "ui/main_window.h"

namespace {

// The one local file a drag carries, or an empty text.
QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

}  // namespace

bool MainWindow::OpenFileFromOutside(const QString& path)
{
    return OpenFile(path);
}

std::vector<std::string> MainWindow::RecentFilePaths() const
{
    return m_recent->Paths();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (MayDiscardLogs())
        OpenFileFromOutside(path);
}

QString MainWindow::StartFolder() const
{
    const QString folder = QString::fromStdString(m_recent->LastFolder());
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void MainWindow::RememberFolder(const QString& file)
{
    m_recent->SetLastFolder(QFileInfo(file).absolutePath().toStdString());
    if (const Status saved = m_recent->Save(); !saved)
        qWarning("Nivra: the folder used last was not kept: %s", saved.Error().c_str());
}

void MainWindow::Remember(const QString& path)
{
    m_recent->Add(QFileInfo(path).absoluteFilePath().toStdString());
    m_recent->SetLastFolder(QFileInfo(path).absolutePath().toStdString());
    // The list is a convenience: a store that cannot be written costs it, nothing else.
    if (const Status saved = m_recent->Save(); !saved)
        qWarning("Nivra: the list of recent files was not saved: %s", saved.Error().c_str());
    FillRecentMenu();
}

void MainWindow::ForgetRecent(const QString& path)
{
    m_recent->Remove(path.toStdString());
    if (const Status saved = m_recent->Save(); !saved)
        qWarning("Nivra: the list of recent files was not saved: %s", saved.Error().c_str());
    FillRecentMenu();
}

void MainWindow::FillRecentMenu()
{
    for (QAction* a : m_recentActions) {
        m_fileMenu->removeAction(a);
        delete a;
    }
    m_recentActions.clear();
    const std::vector<std::string>& paths = m_recent->Paths();
    if (paths.empty())
        return;
    QAction* separator = m_fileMenu->insertSeparator(m_recentAnchor);
    m_recentActions.push_back(separator);
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdString(paths[i]);
        // "&1 /home/pilot/flights/may.alt": the number is the shortcut key; an ampersand in
        // the name is shown as itself.
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), m_fileMenu);
        action->setData(path);
        action->setStatusTip(tr("Open this document"));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!MayDiscardLogs())
                return;
            if (!OpenFileFromOutside(path) && !QFileInfo::exists(path))
                ForgetRecent(path);
        });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions.push_back(action);
    }
}
