#include "ui/compare_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/file_access.h"
#include "chart/chart_widget.h"
#include "chart/comparison_picture.h"
#include "chart/picture_export.h"
#include "export/csv_export.h"
#include "ui/language.h"

namespace {

constexpr Alignment kAlignments[] = {Alignment::Takeoff, Alignment::LogStart, Alignment::HighestPoint,
                                     Alignment::ClockTime};

// A cell as a CSV file keeps it: in English and with C numbers, as the table was made, whatever
// the language shown.
QString Csv(const QTableWidgetItem* item)
{
    if (!item)
        return {};
    const QVariant kept = item->data(Qt::UserRole);
    return QString::fromStdString(CsvField((kept.isValid() ? kept.toString() : item->text()).toStdString()));
}

// The table's row names, shown in the window's language.
[[maybe_unused]] constexpr const char* kRowNames[] = {
    QT_TRANSLATE_NOOP("ComparisonTable", "Date"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Site"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Airtime"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Highest point"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Height gained"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Climbs"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Best climb"),
    QT_TRANSLATE_NOOP("ComparisonTable", "Average climb"),
    //: the height gained over the stretch selected in the chart
    QT_TRANSLATE_NOOP("ComparisonTable", "Selection gain"),
    //: the mean vario over the stretch selected in the chart
    QT_TRANSLATE_NOOP("ComparisonTable", "Selection vario"),
};

// "Highest point [m]" as the window shows it: the name translated, the unit kept.
QString ShownRowName(const std::string& name)
{
    const size_t unit = name.find(" [");
    const std::string bare = name.substr(0, unit);
    return QCoreApplication::translate("ComparisonTable", bare.c_str()) +
           (unit == std::string::npos ? QString() : QString::fromStdString(name.substr(unit)));
}

// "2026-06-20 (downloaded)" in the window's language.
QString ShownDate(const std::string& date)
{
    QString text = QString::fromStdString(date);
    const QString downloaded = QStringLiteral(" (downloaded)");
    if (!text.endsWith(downloaded))
        return text;
    return QCoreApplication::translate("Season", "%1 (downloaded)").arg(text.chopped(downloaded.size()));
}

QTableWidgetItem* KeptItem(const QString& shown, const std::string& kept)
{
    auto* item = new QTableWidgetItem(shown);
    item->setData(Qt::UserRole, QString::fromStdString(kept));
    return item;
}

}  // namespace

CompareDialog::CompareDialog(std::vector<ComparedFlight> flights, const LengthUnit& unit, bool vario,
                             Alignment alignment, QWidget* parent)
    : QDialog(parent), m_flights(std::move(flights)), m_unit(unit), m_vario(vario)
{
    setWindowTitle(tr("Compare Flights"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Align by:")));
    m_align = new QComboBox;
    // In the order of Alignment: the choice is taken by its position.
    m_align->addItems({tr("Takeoff"), tr("Log start"), tr("Highest point"), tr("Clock time")});
    // The clock only where every flight has its time flown: the logger has no clock.
    if (!AlignmentOffered(m_flights, Alignment::ClockTime)) {
        if (auto* model = qobject_cast<QStandardItemModel*>(m_align->model()))
            model->item(3)->setEnabled(false);
        m_align->setItemData(3, tr("Every flight needs its time flown (Log Properties)"), Qt::ToolTipRole);
        if (alignment == Alignment::ClockTime)
            alignment = Alignment::Takeoff;
    }
    m_align->setCurrentIndex(static_cast<int>(alignment));
    choices->addWidget(m_align);
    choices->addWidget(new QLabel(tr("Height:")));
    m_height = new QComboBox;
    m_height->addItem(tr("above takeoff"));
    if (SeaLevelOffered(m_flights))
        m_height->addItem(tr("above sea level"));
    choices->addWidget(m_height);
    choices->addStretch();
    //: moves the flight chosen in the table back in time
    auto* earlier = new QPushButton(tr("Earlier"));
    //: moves the flight chosen in the table on in time
    auto* later = new QPushButton(tr("Later"));
    auto* reset = new QPushButton(tr("Reset offsets"));
    earlier->setToolTip(tr("The flight chosen in the table, 10 s earlier (1 s with Shift)"));
    later->setToolTip(tr("The flight chosen in the table, 10 s later (1 s with Shift)"));
    for (QPushButton* b : {earlier, later, reset})
        choices->addWidget(b);
    layout->addLayout(choices);
    m_chart = new ChartWidget;
    m_chart->setMinimumSize(400, 250);
    layout->addWidget(m_chart, 3);
    m_table = new QTableWidget;
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_table, 2);
    auto* buttons = new QHBoxLayout;
    m_copy = new QPushButton(tr("Copy"));
    m_copy->setToolTip(tr("The table as text, TAB-separated, for a spreadsheet"));
    m_csv = new QPushButton(tr("Export CSV..."));
    m_picture = new QPushButton(tr("Save Picture..."));
    m_picture->setToolTip(tr("The chart as shown, as a JPEG or PNG file"));
    auto* close = new QPushButton(tr("Close"));
    buttons->addWidget(m_copy);
    buttons->addWidget(m_csv);
    buttons->addWidget(m_picture);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(900, 700);

    m_askCsvPath = [this] {
        return QFileDialog::getSaveFileName(this, tr("Export CSV"), QString(), tr("CSV Files (*.csv)"));
    };
    m_askPicturePath = [this] {
        return QFileDialog::getSaveFileName(this, tr("Save Picture"), QString(),
                                            tr("JPEG Files (*.jpg);;PNG Files (*.png)"));
    };
    connect(m_picture, &QPushButton::clicked, this, [this] {
        const QString path = m_askPicturePath();
        const std::optional<QImage> picture = m_chart->CopyBitmap();
        if (path.isEmpty() || !picture)
            return;
        const bool png = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
        if (Status written = ExportPicture(path.toStdString(), *picture, png ? "png" : "jpeg"); !written)
            QMessageBox::warning(
                this, QStringLiteral("Nivra"),
                tr("The picture could not be written to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    });
    // The flight chosen in the table moves with Ctrl+Left and Ctrl+Right, before the chart (which
    // pans with the arrows) or the table (which moves along its cells) takes them.
    m_chart->installEventFilter(this);
    m_table->installEventFilter(this);
    // Or its curve dragged sideways with Shift (a vario curve moves its flight too).
    m_chart->m_curvesDraggable = true;
    connect(m_chart, &ChartWidget::seriesDragged, this, [this](int index, double seconds) {
        if (!m_flights.empty())
            Shift(index % static_cast<int>(m_flights.size()), seconds);
    });
    connect(m_align, &QComboBox::currentIndexChanged, this, [this] { Rebuild(false); });
    connect(m_height, &QComboBox::currentIndexChanged, this, [this] { Rebuild(true); });
    const auto step = [] {
        return QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier) ? 1.0 : 10.0;
    };
    connect(earlier, &QPushButton::clicked, this, [this, step] { Shift(m_table->currentColumn(), -step()); });
    connect(later, &QPushButton::clicked, this, [this, step] { Shift(m_table->currentColumn(), step()); });
    connect(reset, &QPushButton::clicked, this, &CompareDialog::ResetOffsets);
    connect(m_copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(TableText()); });
    connect(m_csv, &QPushButton::clicked, this, [this] {
        const QString path = m_askCsvPath();
        if (path.isEmpty())
            return;
        QString csv;
        for (int r = 0; r < m_table->rowCount(); ++r) {
            QStringList cells{Csv(m_table->verticalHeaderItem(r))};
            for (int c = 0; c < m_table->columnCount(); ++c)
                cells << Csv(m_table->item(r, c));
            csv += cells.join(u',') + QStringLiteral("\r\n");
        }
        const QByteArray bytes = csv.toUtf8();
        if (Status written = WriteFileSafely(path.toStdString(),
                                             std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
            !written)
            QMessageBox::warning(
                this, QStringLiteral("Nivra"),
                tr("The table could not be written to %1:\n%2").arg(path, QString::fromStdString(written.Error())));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_chart, &ChartWidget::selectionChanged, this, [this](TimeRange range) {
        m_selection = std::pair(range.first, range.last);
        FillTable();
    });
    Rebuild(false);
}

bool CompareDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier) &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            const double seconds = key->modifiers().testFlag(Qt::ShiftModifier) ? 1.0 : 10.0;
            Shift(m_table->currentColumn(), key->key() == Qt::Key_Left ? -seconds : seconds);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

Alignment CompareDialog::CurrentAlignment() const
{
    return kAlignments[std::clamp(m_align->currentIndex(), 0, 3)];
}

void CompareDialog::Shift(int flight, double seconds)
{
    if (flight < 0 || static_cast<size_t>(flight) >= m_flights.size())
        return;
    m_flights[static_cast<size_t>(flight)].offset += seconds;
    Rebuild(true);
}

void CompareDialog::ResetOffsets()
{
    for (ComparedFlight& f : m_flights)
        f.offset = 0;
    Rebuild(true);
}

void CompareDialog::Rebuild(bool keepView)
{
    const TimeRange shown = m_chart->Shown();
    std::vector<bool> visible;
    visible.reserve(static_cast<size_t>(m_chart->SeriesCount()));
    for (int i = 0; i < m_chart->SeriesCount(); ++i)
        visible.push_back(m_chart->SeriesAt(i)->m_visible);
    const HeightReference reference =
        m_height->currentIndex() == 1 ? HeightReference::AboveSeaLevel : HeightReference::AboveTakeoff;
    ChartPicture picture;
    FillComparisonPicture(picture, m_flights, CurrentAlignment(), reference, m_unit, m_vario);
    m_chart->RemoveAllSeries();
    for (size_t i = 0; i < picture.m_series.size(); ++i) {
        // A flight hidden stays hidden while its curve moves.
        if (i < visible.size())
            picture.m_series[i]->m_visible = visible[i];
        m_chart->AddSeries(picture.m_series[i]);
    }
    if (keepView && shown.last > shown.first)
        m_chart->SetRange(shown.first, shown.last);
    else
        m_chart->ResetView(true);
    m_selection.reset();
    FillTable();
}

void CompareDialog::FillTable()
{
    const HeightReference reference =
        m_height->currentIndex() == 1 ? HeightReference::AboveSeaLevel : HeightReference::AboveTakeoff;
    const auto rows = ComparisonTable(m_flights, CurrentAlignment(), reference, m_unit, m_selection);
    const int column = m_table->currentColumn();
    m_table->clear();
    m_table->setRowCount(static_cast<int>(rows.size()) - 1);
    m_table->setColumnCount(static_cast<int>(m_flights.size()));
    for (size_t c = 0; c < m_flights.size(); ++c) {
        auto* head = new QTableWidgetItem(QString::fromStdString(rows[0][c + 1]));
        head->setForeground(ComparisonColor(static_cast<int>(c)));
        m_table->setHorizontalHeaderItem(static_cast<int>(c), head);
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        m_table->setVerticalHeaderItem(static_cast<int>(r) - 1, KeptItem(ShownRowName(rows[r][0]), rows[r][0]));
        // Site names stay as typed, a day dated by its download says so in the language; the
        // numbers take the language's decimal point.
        for (size_t c = 1; c < rows[r].size(); ++c)
            m_table->setItem(static_cast<int>(r) - 1, static_cast<int>(c) - 1,
                             KeptItem(r == 1   ? ShownDate(rows[r][c])
                                      : r == 2 ? QString::fromStdString(rows[r][c])
                                               : LocalNumbers(rows[r][c]),
                                      rows[r][c]));
    }
    m_table->resizeColumnsToContents();
    if (column >= 0)
        m_table->setCurrentCell(0, column);
}

QString CompareDialog::TableText() const
{
    QStringList lines;
    QStringList head{QString()};
    for (int c = 0; c < m_table->columnCount(); ++c)
        head << m_table->horizontalHeaderItem(c)->text();
    lines << head.join(u'\t');
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QStringList cells{m_table->verticalHeaderItem(r)->text()};
        for (int c = 0; c < m_table->columnCount(); ++c)
            cells << (m_table->item(r, c) ? m_table->item(r, c)->text() : QString());
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
