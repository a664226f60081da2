#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

#include "app/recent_files.h"
#include "app/settings_store.h"
#include "config/configuration.h"
#include "export/csv_export.h"
#include "ui/climbs_view.h"
#include "ui/help_dialogs.h"
#include "ui/log_dialogs.h"
#include "ui/log_tree.h"
#include "ui/logbook_view.h"
#include "ui/program_icon.h"
#include "ui/statistics_view.h"

namespace {

// The whole span between two bars: |<->|.
QIcon WholeFlightIcon()
{
    QPixmap picture(16, 15);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.drawLine(1, 3, 1, 11);
    painter.drawLine(14, 3, 14, 11);
    painter.drawLine(3, 7, 12, 7);
    painter.drawLine(3, 7, 6, 4);
    painter.drawLine(3, 7, 6, 10);
    painter.drawLine(12, 7, 9, 4);
    painter.drawLine(12, 7, 9, 10);
    return QIcon(picture);
}

}  // namespace

MainWindow::MainWindow(const Configuration& config, std::unique_ptr<SettingsStore> store, QWidget* parent)
    : QMainWindow(parent), m_config(config), m_store(std::move(store))
{
    std::vector<std::string> settingsNotes;
    m_settings = LoadSettings(*m_store, &settingsNotes);
    // The recent files live beside the settings, in a file of their own.
    const auto* qstore = dynamic_cast<const QSettingsStore*>(m_store.get());
    const QString settingsFile = QString::fromStdString(qstore ? qstore->FileName() : QSettingsStore::DefaultPath());
    m_recent = std::make_unique<RecentFiles>(
        QFileInfo(settingsFile).dir().filePath(QStringLiteral("recent-files.conf")).toStdString());
    setAcceptDrops(true);
    m_runMenu = [](QMenu& menu, const QPoint& at) {
        return menu.exec(at);
    };
    m_warn = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Nivra"), text);
    };
    m_runFileDialog = [](QFileDialog& dialog) {
        return dialog.exec();
    };
    m_runDialog = [](QDialog& dialog) {
        return dialog.exec();
    };
    m_confirm = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Nivra"), question) == QMessageBox::Yes;
    };
    m_listPorts = [] {
        return EnumeratePorts();
    };
    m_askViewShown = [this]() -> std::optional<bool> {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Nivra"),
                        tr("The chart shows part of the flight. Which part goes on paper?"), QMessageBox::Cancel, this);
        QPushButton* shown = box.addButton(tr("The view as shown"), QMessageBox::AcceptRole);
        QPushButton* whole = box.addButton(tr("The whole flight"), QMessageBox::AcceptRole);
        box.setDefaultButton(shown);
        box.exec();
        if (box.clickedButton() == shown)
            return true;
        if (box.clickedButton() == whole)
            return false;
        return std::nullopt;
    };
    setWindowTitle(QStringLiteral("Nivra"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("nivra"), ProgramIcon()));
    CreateCommands();
    ShowShortcutsInTheLanguage();
    FillRecentMenu();
    CreateLayout();
    OpenLogbook(Logbook::DefaultFolder());
    // A preference that could not be used is said, not silently replaced.
    if (!settingsNotes.empty()) {
        QStringList notes;
        for (const std::string& note : settingsNotes)
            notes << QString::fromStdString(note);
        statusBar()->showMessage(tr("Preferences: %1.").arg(notes.join(QStringLiteral("; "))));
    }
    m_busy = false;
    resize(1100, 720);
}

MainWindow::~MainWindow()
{
    StopFindingClimbs();
    // The tree empties itself after the window's own parts are gone.
    m_tree->model()->disconnect(this);
    const StoreResult saved = SaveSettings(m_settings, *m_store);
    if (!saved)
        qWarning("Nivra: the settings were not saved: %s", saved.Error().c_str());
    else if (!saved->empty())
        qWarning("Nivra: the settings were saved, but %s", saved->c_str());
}

QAction* MainWindow::AddCommand(const char* text, const char* sourcePrompt)
{
    auto* action = new QAction(tr(text), this);
    const QString prompt = tr(sourcePrompt);
    // A prompt is the status-bar text, then after a line break the tooltip.
    const auto split = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(split < 0 ? prompt : prompt.left(split));
    if (split >= 0)
        action->setToolTip(prompt.mid(split + 1));
    return action;
}

void MainWindow::ShowShortcutsInTheLanguage()
{
    // A menu text names its key after a TAB ("&Open...\tCtrl+O"); where the language writes the
    // key otherwise ("Strg+O"), Qt's own name of the action's shortcut is shown instead, so that
    // every entry of a menu names its keys alike.
    for (QAction* action : findChildren<QAction*>()) {
        const QString text = action->text();
        const qsizetype tab = text.indexOf(u'\t');
        if (tab < 0 || action->shortcut().isEmpty())
            continue;
        if (text.mid(tab + 1) != action->shortcut().toString(QKeySequence::NativeText))
            action->setText(text.left(tab));
    }
}

void MainWindow::CreateCommands()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* download = m_actions.download =
        AddCommand(QT_TR_NOOP("&Download\tCtrl+N"), QT_TR_NOOP("Download flights from the logger\nDownload"));
    download->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    download->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    connect(download, &QAction::triggered, this, &MainWindow::Download);
    QAction* open = m_actions.open =
        AddCommand(QT_TR_NOOP("&Open...\tCtrl+O"), QT_TR_NOOP("Open a log file (.alt)\nOpen"));
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(open, &QAction::triggered, this, &MainWindow::OnOpen);
    QAction* saveAs = m_actions.saveAs =
        AddCommand(QT_TR_NOOP("Save &As..."), QT_TR_NOOP("Save all logs of the list to a log file (.alt)\nSave As"));
    saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    saveAs->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(saveAs, &QAction::triggered, this, &MainWindow::OnSaveAs);
    QAction* importImage = m_actions.importImage =
        AddCommand(QT_TR_NOOP("&Import Memory Image..."),
                   QT_TR_NOOP("Show the flights of a memory image saved by an earlier download\nImport Memory Image"));
    connect(importImage, &QAction::triggered, this, &MainWindow::OnImportImage);
    file->addActions({download, open, saveAs, importImage});
    file->addSeparator();
    // The report of the log on display: printed, previewed or written as a PDF.
    QAction* print = m_actions.print =
        AddCommand(QT_TR_NOOP("&Print...\tCtrl+P"), QT_TR_NOOP("Print the active document\nPrint"));
    print->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    QAction* preview = m_actions.printPreview =
        AddCommand(QT_TR_NOOP("Print Pre&view"), QT_TR_NOOP("Display full pages\nPrint Preview"));
    QAction* setup = m_actions.printSetup =
        AddCommand(QT_TR_NOOP("P&rint Setup..."), QT_TR_NOOP("Change the printer and printing options\nPrint Setup"));
    QAction* pdf = m_actions.exportPdf = AddCommand(
        QT_TR_NOOP("Export as P&DF..."), QT_TR_NOOP("Write the report of the log shown as a PDF file\nExport as PDF"));
    connect(print, &QAction::triggered, this, &MainWindow::OnPrint);
    connect(preview, &QAction::triggered, this, &MainWindow::OnPrintPreview);
    connect(setup, &QAction::triggered, this, &MainWindow::OnPrintSetup);
    connect(pdf, &QAction::triggered, this, &MainWindow::OnExportPdf);
    for (QAction* a : {print, preview, pdf})
        a->setEnabled(false);  // until a log is shown
    file->addActions({print, preview, setup, pdf});
    m_fileMenu = file;
    m_recentAnchor = file->addSeparator();
    QAction* exit = m_actions.exit =
        AddCommand(QT_TR_NOOP("E&xit"), QT_TR_NOOP("Quit Nivra; asks first when downloaded logs are not saved\nExit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = m_actions.toolbar =
        AddCommand(QT_TR_NOOP("&Toolbar"), QT_TR_NOOP("Show or hide the toolbar\nToggle ToolBar"));
    QAction* statusBarAction = m_actions.statusBar =
        AddCommand(QT_TR_NOOP("&Status Bar"), QT_TR_NOOP("Show or hide the status bar\nToggle StatusBar"));
    QAction* logs = m_actions.logs =
        AddCommand(QT_TR_NOOP("&Logs"), QT_TR_NOOP("Show or hide the Logs pane\nToggle Logs"));
    for (QAction* a : {toolbar, statusBarAction, logs}) {
        a->setCheckable(true);
        a->setChecked(true);
        view->addAction(a);
    }
    connect(statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    connect(logs, &QAction::toggled, this, &MainWindow::SetLogsPaneShown);
    view->addSeparator();
    QAction* preferences = m_actions.preferences =
        AddCommand(QT_TR_NOOP("&Preferences..."),
                   QT_TR_NOOP("Change the port, the units, the filters and the colours\nPreferences"));
    connect(preferences, &QAction::triggered, this, &MainWindow::EditPreferences);
    view->addAction(preferences);
    view->addSeparator();
    QAction* previous = m_actions.previousView =
        AddCommand(QT_TR_NOOP("Pre&vious view"), QT_TR_NOOP("Return to last view\nPrevious view"));
    previous->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    QAction* next = m_actions.nextView =
        AddCommand(QT_TR_NOOP("&Next view"), QT_TR_NOOP("Go further on view stack\nNext view"));
    next->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    previous->setEnabled(false);
    next->setEnabled(false);
    connect(previous, &QAction::triggered, this, [this] { m_chart->PreviousView(); });
    connect(next, &QAction::triggered, this, [this] {
        m_chart->NextView();
        FollowViewHistory();
    });
    QAction* whole = m_actions.wholeFlight =
        AddCommand(QT_TR_NOOP("&Whole flight"), QT_TR_NOOP("Show the whole log in the chart\nWhole flight"));
    whole->setShortcut(QKeySequence(Qt::Key_Home));
    whole->setIcon(WholeFlightIcon());
    connect(whole, &QAction::triggered, this, [this] {
        m_chart->ShowWholeRange();
        FollowViewHistory();
    });
    QAction* clearLabels = m_actions.clearLabels =
        AddCommand(QT_TR_NOOP("&Clear labels"), QT_TR_NOOP("Remove every label from the chart\nClear labels"));
    clearLabels->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(clearLabels, &QAction::triggered, this, [this] { m_chart->ClearLabels(); });
    view->addActions({previous, next, whole, clearLabels});
    view->addSeparator();
    QAction* climbs = m_actions.showClimbs =
        AddCommand(QT_TR_NOOP("Show cli&mbs"), QT_TR_NOOP("Shade the climbs of the log in the chart\nShow climbs"));
    climbs->setCheckable(true);
    climbs->setChecked(m_settings.climbsShown);
    connect(climbs, &QAction::toggled, this, [this](bool on) {
        m_settings.climbsShown = on;
        ShowClimbBands();
        StoreSettings();
    });
    view->addAction(climbs);
    QAction* fit = m_actions.fitHeights =
        AddCommand(QT_TR_NOOP("&Fit heights to view"),
                   QT_TR_NOOP("The heights of the chart fit what is in view after a zoom or a pan"));
    fit->setCheckable(true);
    fit->setChecked(m_settings.fitHeightsToView);
    connect(fit, &QAction::toggled, this, [this](bool on) {
        m_settings.fitHeightsToView = on;
        m_chart->SetFitHeightsToView(on);
        StoreSettings();
    });
    view->addAction(fit);
    QAction* compare = m_actions.compare = AddCommand(
        QT_TR_NOOP("Co&mpare..."),
        QT_TR_NOOP(
            "Show the logs chosen in the Logs list, or the flights chosen in the Logbook, side by side\nCompare"));
    compare->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    compare->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    connect(compare, &QAction::triggered, this, &MainWindow::CompareChosen);
    view->addAction(compare);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* guide = m_actions.quickGuide = AddCommand(
        QT_TR_NOOP("&Quick Guide"), QT_TR_NOOP("First steps, reading the chart, climbs, the logbook and every key"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(guide, &QAction::triggered, this, [this] { ShowQuickGuide(false); });
    QAction* keys = m_actions.keyboardShortcuts =
        AddCommand(QT_TR_NOOP("&Keyboard Shortcuts"), QT_TR_NOOP("Every key and mouse gesture of Nivra"));
    connect(keys, &QAction::triggered, this, [this] { ShowQuickGuide(true); });
    help->addActions({guide, keys});
    help->addSeparator();
    QAction* about = m_actions.about = AddCommand(
        QT_TR_NOOP("&About Nivra..."), QT_TR_NOOP("Display program information, version number and copyright\nAbout"));
    about->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    connect(about, &QAction::triggered, this, &MainWindow::OnAbout);
    help->addAction(about);

    // Shift+F10 opens the context menu of the view that has the focus, as the Menu key does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [] {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &event);
    });

    QAction* refresh = m_actions.refresh =
        AddCommand(QT_TR_NOOP("Refresh"), QT_TR_NOOP("Rebuild the chart and the statistics of the log shown\nRefresh"));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(refresh, &QAction::triggered, this, &MainWindow::RefreshSelected);
    addAction(refresh);

    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->addActions({download, open, saveAs});
    m_toolBar->addSeparator();
    m_toolBar->addActions({whole, m_actions.compare});
    m_toolBar->addSeparator();
    m_toolBar->addAction(about);
    // A button's tip names its shortcut, as the menus show it.
    for (QAction* a : m_toolBar->actions())
        if (!a->shortcut().isEmpty())
            a->setToolTip(
                QStringLiteral("%1 (%2)").arg(a->toolTip(), a->shortcut().toString(QKeySequence::NativeText)));
    connect(toolbar, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    // "Ready" whenever nothing else stands there: a menu's or a button's tip clears the bar
    // when the mouse leaves it.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(tr("Ready"));
    });
    statusBar()->showMessage(tr("Ready"));
}

void MainWindow::FollowLogCount()
{
    m_actions.saveAs->setEnabled(m_tree->topLevelItemCount() > 0);
    m_chartHint->setVisible(m_tree->topLevelItemCount() == 0);
}

void MainWindow::FollowViewHistory()
{
    m_actions.previousView->setEnabled(m_chart->CanGoBack());
    m_actions.nextView->setEnabled(m_chart->CanGoForward());
}

void MainWindow::CreateLayout()
{
    m_outer = new QSplitter(Qt::Horizontal, this);
    // The "Logs" pane: a caption with a close button over the inner split.
    m_pane = new QWidget;
    auto* paneLayout = new QVBoxLayout(m_pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    // Two tabs, "Logs" and "Logbook", with the pane's close button beside them.
    m_leftTabs = new QTabWidget;
    m_leftTabs->setDocumentMode(true);
    auto* close = new QToolButton;
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setObjectName(QStringLiteral("closeLogsPane"));
    close->setToolTip(tr("Hide the pane"));
    connect(close, &QToolButton::clicked, this, [this] { m_actions.logs->setChecked(false); });
    m_leftTabs->setCornerWidget(close, Qt::TopRightCorner);
    paneLayout->addWidget(m_leftTabs);

    m_inner = new QSplitter(Qt::Vertical);
    m_tree = new LogTree;
    m_stats = new StatisticsView;
    m_climbsView = new ClimbsView;
    // The statistics and the climbs share the pane under the tree.
    m_lowerTabs = new QTabWidget;
    m_lowerTabs->addTab(m_stats, tr("Statistics"));
    m_lowerTabs->addTab(m_climbsView, tr("Climbs"));
    m_inner->addWidget(m_tree);
    m_inner->addWidget(m_lowerTabs);
    m_leftTabs->addTab(m_inner, tr("Logs"));
    m_logbookView = new LogbookView;
    m_leftTabs->addTab(m_logbookView, tr("Logbook"));
    m_logbookView->Widths().Restore(m_settings.logbookColumns);
    m_climbsView->Widths().Restore(m_settings.climbsColumns);
    connect(m_logbookView, &LogbookView::OpenRequested, this, &MainWindow::OpenFromLogbook);
    connect(m_logbookView, &LogbookView::ExportRequested, this, &MainWindow::ExportFromLogbook);
    connect(m_logbookView, &LogbookView::ExportLogbookRequested, this, &MainWindow::ExportLogbookCsv);
    connect(m_logbookView, &LogbookView::CompareRequested, this, &MainWindow::CompareFromLogbook);
    connect(m_logbookView, &LogbookView::DeleteRequested, this, &MainWindow::DeleteFromLogbook);

    m_chart = new ChartWidget;
    m_chart->SetFitHeightsToView(m_settings.fitHeightsToView);
    // With no log at all, a hint on what to do first stands over the chart's empty axes.
    auto* chartArea = new QWidget;
    auto* stack = new QStackedLayout(chartArea);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_chart);
    m_chartHint = new QWidget;
    m_chartHint->setObjectName(QStringLiteral("chartHint"));
    m_chartHint->setAutoFillBackground(true);
    auto* hintLayout = new QVBoxLayout(m_chartHint);
    auto* hintText = new QLabel(tr("Download flights from your Brixo, or open an .alt file"));
    hintText->setAlignment(Qt::AlignCenter);
    hintText->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (const auto& [a, text] :
         {std::pair(m_actions.download, QT_TR_NOOP("Download")), std::pair(m_actions.open, QT_TR_NOOP("Open..."))}) {
        auto* button = new QPushButton(a->icon(), tr(text));
        connect(button, &QPushButton::clicked, a, &QAction::trigger);
        buttons->addWidget(button);
    }
    hintLayout->addStretch();
    hintLayout->addWidget(hintText);
    hintLayout->addLayout(buttons);
    hintLayout->addStretch();
    buttons->insertStretch(0);
    buttons->addStretch();
    stack->addWidget(m_chartHint);
    stack->setCurrentWidget(m_chartHint);
    m_outer->addWidget(m_pane);
    m_outer->addWidget(chartArea);
    m_outer->setStretchFactor(1, 1);
    setCentralWidget(m_outer);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_busy)
            RefreshLog(m_tree->LogOf(item));
    });
    connect(m_tree, &LogTree::ItemMenuRequested, this, &MainWindow::OnTreeMenu);
    QAbstractItemModel* logs = m_tree->model();
    connect(logs, &QAbstractItemModel::rowsInserted, this, &MainWindow::FollowLogCount);
    connect(logs, &QAbstractItemModel::rowsRemoved, this, &MainWindow::FollowLogCount);
    connect(logs, &QAbstractItemModel::modelReset, this, &MainWindow::FollowLogCount);
    FollowLogCount();
    connect(m_chart, &ChartWidget::plotClicked, this, &MainWindow::OnPlotClicked);
    connect(m_chart, &ChartWidget::seriesClicked, this,
            [this](int index, bool toggled) { EditChartStyle(index, toggled); });
    connect(m_chart, &ChartWidget::viewChanged, this, &MainWindow::FollowViewHistory);
    connect(m_chart, &ChartWidget::selectionChanged, this, [this](TimeRange r) { SelectTimes(r.first, r.last); });
    connect(m_chart, &ChartWidget::menuRequested, this, &MainWindow::OnChartMenu);
    connect(m_chart, &ChartWidget::markMoved, this, &MainWindow::OnMarkMoved);
    connect(m_climbsView, &ClimbsView::ClimbChosen, this, &MainWindow::SelectClimb);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_splitsPlaced)
        return;
    // The splits are placed once the window has its size: the Logs pane takes the width it
    // had last (a quarter of the window the first time, and never all of it), the tree
    // PaneProportion percent of the pane's height.
    m_splitsPlaced = true;
    const int width = m_outer->width() - m_outer->handleWidth();
    const int pane = m_settings.paneWidth > 0 ? std::min(m_settings.paneWidth, width * 3 / 4) : width / 4;
    m_outer->setSizes({pane, width - pane});
    // Rounded up, as PaneProportion rounds down, so that a stored proportion comes back as
    // it was instead of one less at every run. Neither part is collapsed to nothing: at 0
    // or 100 the splitter gives it its smallest usable height.
    const int height = m_inner->height() - m_inner->handleWidth();
    int top = (height * std::clamp(m_settings.paneProportion, 0, 100) + 99) / 100;
    if (height >= 2)
        top = std::clamp(top, 1, height - 1);
    m_inner->setSizes({top, height - top});
}

void MainWindow::SetLogsPaneShown(bool shown)
{
    m_pane->setVisible(shown);
}

int MainWindow::PaneProportion() const
{
    const QList<int> sizes = m_inner->sizes();
    const int usable = sizes.value(0) + sizes.value(1);
    const int tenThousandths = usable > 0 ? static_cast<int>(std::lround(sizes.value(0) * 10000.0 / usable)) : 0;
    return tenThousandths / 100;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!MayDiscardLogs()) {
        event->ignore();
        return;
    }
    m_settings.paneProportion = PaneProportion();
    if (m_pane->isVisible() && m_outer->sizes().value(0) > 0)
        m_settings.paneWidth = m_outer->sizes().value(0);
    m_settings.logbookColumns = m_logbookView->Widths().Stored();
    m_settings.climbsColumns = m_climbsView->Widths().Stored();
    event->accept();
}

void MainWindow::ShowQuickGuide(bool keys)
{
    std::vector<const QAction*> commands;
    for (QAction* a : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        commands.push_back(a);
    QuickGuideDialog guide(commands, this);
    if (keys)
        guide.ShowKeys();
    m_runDialog(guide);
}

void MainWindow::OnAbout()
{
    AboutDialog about(m_config, this);
    about.exec();
}

void MainWindow::OnTreeMenu(QTreeWidgetItem* item, const QPoint& at)
{
    QMenu menu(this);
    QAction* remove = menu.addAction(tr("Delete"));
    QAction* exportLog = menu.addAction(tr("Export..."));
    QAction* properties = menu.addAction(tr("Properties..."));
    QAction* chosen = m_runMenu(menu, at);
    if (chosen == remove) {
        // A downloaded log neither saved nor kept in the logbook exists nowhere else.
        if (!m_unsaved || m_confirm(tr("Delete %1?\nIt is not saved in a file or kept in the logbook, and "
                                       "would be lost.")
                                        .arg(item->text(0)))) {
            delete item;
            FollowDeletedLogs();
        }
    } else if (chosen == exportLog) {
        if (const BrixoLog* log = m_tree->LogOf(item))
            ExportLog(*log, 0, kEndOfLog, true);
    } else if (chosen == properties) {
        EditLogProperties(item);
    }
}
