#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QAction;
class QTextBrowser;

// "Quick Guide": a short page on first steps (a download, reading the chart, climbs, the
// logbook) and every key, the menus' own shortcuts read from their commands so that the page
// never tells another key than the one that works.
class QuickGuideDialog : public QDialog {
    Q_OBJECT
public:
    QuickGuideDialog(const std::vector<const QAction*>& commands, QWidget* parent = nullptr);

    // Shows the keys' section ("Keyboard Shortcuts").
    void ShowKeys();
    QTextBrowser* Page() const { return m_page; }

    // The keys, as rows of the page's table: the menus' commands that have a shortcut, then the
    // chart's own keys and mouse gestures.
    static std::vector<std::pair<QString, QString>> Keys(const std::vector<const QAction*>& commands);

private:
    QTextBrowser* m_page;
};
