#include "ui/help_dialogs.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The page before its table of keys, element by element: a heading or a paragraph is a text of
// its own for the translators, its tags are not.
struct GuideElement {
    const char* start;  // the element's start tag
    const char* text;   // its text (a paragraph keeps its <b> marks and "&gt;" for ">")
    const char* end;    // its end tag
};

const GuideElement kGuide[] = {
    {"<h2>", QT_TRANSLATE_NOOP("QuickGuideDialog", "Quick Guide"), "</h2>"},
    {"<h3 id=\"download\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "Your first download"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "Plug the Brixo's cable in and choose <b>File &gt; Download</b>. Power the logger on when the\n"
         "dialog asks: its memory arrives, and the flights in it are listed. Uncheck those you do not want\n"
         "and choose <b>Close</b>. The flights are kept in the logbook at once; save them to an .alt file\n"
         "with <b>File &gt; Save As</b> if you want a file of them too. Set the logger's port in\n"
         "<b>View &gt; Preferences</b> when the download cannot find it."),
     "</p>"},
    {"<h3 id=\"chart\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "Reading the chart"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "The altitude and the vario (the climb rate) are drawn over one time axis; the legend names\n"
         "each curve, and a click on its name hides it or shows it. Move the mouse over the chart to read\n"
         "the values at that moment. Drag across the chart to select a stretch: its statistics appear under\n"
         "<b>Selection</b>. Click on a curve to place a label. Zoom with the mouse wheel or the + and - keys,\n"
         "move along the flight by dragging the time axis or with the arrow keys, and see the whole flight\n"
         "with <b>Home</b>."),
     "</p>"},
    {"<h3 id=\"climbs\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "Climbs"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "Stretches where you climbed are shaded in the chart and listed in the <b>Climbs</b> tab with\n"
         "their height gained and average climb. A click on a climb selects it in the chart. How strong and\n"
         "how long a climb must be is set in the preferences."),
     "</p>"},
    {"<h3 id=\"logbook\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "The logbook"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "Every flight ever downloaded is in the <b>Logbook</b> tab, newest first, whether or not it\n"
         "was saved to a file. Type in its filter box to find flights by name, site or date; give a flight\n"
         "its name, site, date flown and start elevation with <b>Properties</b> (the right mouse button on a\n"
         "log). Takeoff and landing are found by themselves; the chart's menu corrects them. The download\n"
         "asks the day the flights were flown and the site, since the logger has no clock."),
     "</p>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "The logbook's <b>Statistics</b> tab adds up the flights shown by year and month, site or device:\n"
         "airtime, the highest point, the height gained in climbs, the best climb and the days flown.\n"
         "<b>Export Logbook...</b> writes them as a table for a spreadsheet."),
     "</p>"},
    {"<h3 id=\"compare\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "Flights side by side"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "Choose two or more flights in the Logbook (or logs in the Logs list, with Ctrl and a click) and\n"
         "press <b>Compare</b> (Ctrl+K): their heights over one time axis, lined up by their takeoffs (or\n"
         "their starts, highest points or clock times), with their numbers in a table beneath."),
     "</p>"},
    {"<h3 id=\"paper\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "On paper"), "</h3>"},
    //: A paragraph of the Quick Guide, in HTML: keep the <b> marks and write "&gt;" for ">"; its line breaks
    //: do not show.
    {"<p>",
     QT_TRANSLATE_NOOP(
         "QuickGuideDialog",
         "<b>File &gt; Print...</b>, <b>Print Preview</b> and <b>Export as PDF...</b> make a report of the\n"
         "flight shown: your notes, the chart, the statistics and the climbs."),
     "</p>"},
    {"<h3 id=\"keyboard\">", QT_TRANSLATE_NOOP("QuickGuideDialog", "Keyboard"), "</h3>"},
};

}  // namespace

std::vector<std::pair<QString, QString>> QuickGuideDialog::Keys(const std::vector<const QAction*>& commands)
{
    std::vector<std::pair<QString, QString>> keys;
    for (const QAction* a : commands) {
        if (!a || a->shortcut().isEmpty())
            continue;
        QString what = a->text();
        what = what.left(what.indexOf(QLatin1Char('\t')) < 0 ? what.size() : what.indexOf(QLatin1Char('\t')));
        what.remove(QLatin1Char('&'));
        keys.emplace_back(a->shortcut().toString(QKeySequence::NativeText), what);
    }
    // The chart's own keys and gestures, where its focus is.
    // The keys' names are written as the menus show keys (Ctrl, Shift, Left, Menu).
    const std::pair<const char*, const char*> chart[] = {
        {QT_TR_NOOP("Left, Right"), QT_TR_NOOP("Move along the flight")},
        {QT_TR_NOOP("+, -"), QT_TR_NOOP("Zoom in, zoom out")},
        {QT_TR_NOOP("Mouse wheel"), QT_TR_NOOP("Zoom around the mouse")},
        {QT_TR_NOOP("Ctrl+drag in the time axis"), QT_TR_NOOP("Zoom to the stretch dragged over")},
        {QT_TR_NOOP("Drag in the time axis"), QT_TR_NOOP("Move along the flight")},
        {QT_TR_NOOP("Drag in the chart"), QT_TR_NOOP("Select a stretch")},
        {QT_TR_NOOP("Click on a curve"), QT_TR_NOOP("Place a label")},
        {QT_TR_NOOP("Shift+F10, Menu"), QT_TR_NOOP("The menu of the chart or the list that has the focus")},
    };
    for (const auto& [key, what] : chart)
        keys.emplace_back(tr(key), tr(what));
    return keys;
}

QuickGuideDialog::QuickGuideDialog(const std::vector<const QAction*>& commands, QWidget* parent)
    : QDialog(parent), m_page(new QTextBrowser)
{
    setWindowTitle(tr("Quick Guide"));
    QString html;
    for (const GuideElement& element : kGuide) {
        html += QLatin1String(element.start);
        html += tr(element.text);
        html += QLatin1String(element.end);
        html += QLatin1Char('\n');
    }
    html += QStringLiteral("<table cellpadding='3'>");
    for (const auto& [key, what] : Keys(commands))
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key.toHtmlEscaped(), what.toHtmlEscaped());
    html += QStringLiteral("</table>");
    m_page->setHtml(html);
    m_page->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(buttons);
    resize(560, 520);
}

void QuickGuideDialog::ShowKeys()
{
    m_page->scrollToAnchor(QStringLiteral("keyboard"));
}
