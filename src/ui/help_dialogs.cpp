#include "ui/help_dialogs.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char kGuide[] = R"(<h2>Quick Guide</h2>
<h3 id="download">Your first download</h3>
<p>Plug the Brixo's cable in and choose <b>File &gt; Download</b>. Power the logger on when the
dialog asks: its memory arrives, and the flights in it are listed. Uncheck those you do not want
and choose <b>Close</b>. The flights are kept in the logbook at once; save them to an .alt file
with <b>File &gt; Save As</b> if you want a file of them too. Set the logger's port in
<b>View &gt; Preferences</b> when the download cannot find it.</p>
<h3 id="chart">Reading the chart</h3>
<p>The altitude and the vario (the climb rate) are drawn over one time axis; the legend names
each curve, and a click on its name hides it or shows it. Move the mouse over the chart to read
the values at that moment. Drag across the chart to select a stretch: its statistics appear under
<b>Selection</b>. Click on a curve to place a label. Zoom with the mouse wheel or the + and - keys,
move along the flight by dragging the time axis or with the arrow keys, and see the whole flight
with <b>Home</b>.</p>
<h3 id="climbs">Climbs</h3>
<p>Stretches where you climbed are shaded in the chart and listed in the <b>Climbs</b> tab with
their height gained and average climb. A click on a climb selects it in the chart. How strong and
how long a climb must be is set in the preferences.</p>
<h3 id="logbook">The logbook</h3>
<p>Every flight ever downloaded is in the <b>Logbook</b> tab, newest first, whether or not it
was saved to a file. Type in its filter box to find flights by name, site or date; give a flight
its name, site, date flown and start elevation with <b>Properties</b> (the right mouse button on a
log). Takeoff and landing are found by themselves; the chart's menu corrects them. The download
asks the day the flights were flown and the site, since the logger has no clock.</p>
<p>The logbook's <b>Statistics</b> tab adds up the flights shown by year and month, site or device:
airtime, the highest point, the height gained in climbs, the best climb and the days flown.
<b>Export Logbook...</b> writes them as a table for a spreadsheet.</p>
<h3 id="compare">Flights side by side</h3>
<p>Choose two or more flights in the Logbook (or logs in the Logs list, with Ctrl and a click) and
press <b>Compare</b> (Ctrl+K): their heights over one time axis, lined up by their takeoffs (or
their starts, highest points or clock times), with their numbers in a table beneath.</p>
<h3 id="paper">On paper</h3>
<p><b>File &gt; Print...</b>, <b>Print Preview</b> and <b>Export as PDF...</b> make a report of the
flight shown: your notes, the chart, the statistics and the climbs.</p>
<h3 id="keyboard">Keyboard</h3>
)";

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
    const std::pair<const char*, const char*> chart[] = {
        {"Left, Right", "Move along the flight"},
        {"+, -", "Zoom in, zoom out"},
        {"Mouse wheel", "Zoom around the mouse"},
        {"Ctrl+drag in the time axis", "Zoom to the stretch dragged over"},
        {"Drag in the time axis", "Move along the flight"},
        {"Drag in the chart", "Select a stretch"},
        {"Click on a curve", "Place a label"},
        {"Shift+F10, Menu", "The menu of the chart or the list that has the focus"},
    };
    for (const auto& [key, what] : chart)
        keys.emplace_back(QString::fromLatin1(key), QString::fromLatin1(what));
    return keys;
}

QuickGuideDialog::QuickGuideDialog(const std::vector<const QAction*>& commands, QWidget* parent)
    : QDialog(parent), m_page(new QTextBrowser)
{
    setWindowTitle(QStringLiteral("Quick Guide"));
    QString html = QString::fromUtf8(kGuide) + QStringLiteral("<table cellpadding='3'>");
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
