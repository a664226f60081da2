#include "chart/chart_style.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>
#include <string>

#include "chart/chart_widget.h"
#include "chart/color_button.h"
#include "chart/palette.h"

namespace {

// The longest text "%.*g" with 15 significant digits writes.
const QString kWidestBound = QStringLiteral("-8.88888888888888e-308");

}  // namespace

UpDown::UpDown(QLineEdit* buddy, QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [button, arrow, delta] : {std::tuple{m_up, Qt::UpArrow, -1}, std::tuple{m_down, Qt::DownArrow, 1}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, delta = delta] { emit Moved(delta); });
        layout->addWidget(button);
    }
    buddy->installEventFilter(this);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit Moved(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<double> ChartStyleDialog::ReadNumber(const QString& text)
{
    // The chart's decimal point ("2,5" in German) or the C one.
    QString typed = text.left(31);
    typed.replace(ChartDecimalPoint(), u'.');
    const std::string bytes = typed.toStdString();
    size_t i = bytes.find_first_not_of(" \t");
    if (i == std::string::npos)
        return std::nullopt;
    const char firstChar = bytes[i];
    // A plus sign is read as the C library reads it; the converter takes only the minus.
    size_t start = i;
    if (bytes[start] == '+' && start + 1 < bytes.size() && bytes[start + 1] != '-')
        ++start;
    double value = 0;
    const char* end = bytes.data() + bytes.size();
    const auto [rest, ec] = std::from_chars(bytes.data() + start, end, value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    if (value == 0 && firstChar != '0')
        return std::nullopt;
    for (const char* p = rest; p != end; ++p)
        if (*p != ' ' && *p != '\t')
            return std::nullopt;
    return value;
}

QString ChartStyleDialog::NumberText(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString shown = ec == std::errc() ? QString::fromLatin1(buffer, end - buffer) : QString();
    return shown.replace(u'.', ChartDecimalPoint());
}

ChartStyleDialog::ChartStyleDialog(ChartWidget& chart, int index, QWidget* parent)
    : QDialog(parent),
      m_chart(chart),
      m_list(new QListWidget),
      m_color(new ColorPicker),
      m_minLabel(new QLabel(tr("Min", "lower bound of a value axis"))),
      m_maxLabel(new QLabel(tr("Max", "upper bound of a value axis"))),
      m_minEdit(new QLineEdit),
      m_maxEdit(new QLineEdit),
      m_minUpDown(new UpDown(m_minEdit)),
      m_maxUpDown(new UpDown(m_maxEdit))
{
    setWindowTitle(tr("Chart Style"));
    m_color->SetDefault(tr("Chart", "colour entry: the chart's own default colour"), Qt::black);
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const std::shared_ptr<ChartSeries> s = chart.SeriesAt(i);
        m_list->addItem(s->Shown());
        m_styles.push_back({s->m_colorIndex, s->m_visible, s->m_scalingMode, s->m_min, s->m_max, s->m_axisOnLeft});
        m_steps.push_back(s->m_step);
    }

    auto* properties = new QGroupBox(tr("Properties"));
    auto* grid = new QGridLayout(properties);
    grid->addWidget(new QLabel(tr("Color")), 0, 0);
    grid->addWidget(m_color, 0, 1, 1, 5);
    auto* group = new QButtonGroup(this);
    // The value axis' scaling, in the order of ScalingMode.
    const char* modeNames[] = {QT_TR_NOOP("Auto"), QT_TR_NOOP("Aligned to zero"), QT_TR_NOOP("Custom")};
    for (int mode = 0; mode < 3; ++mode) {
        m_modes[mode] = new QRadioButton(tr(modeNames[mode]));
        group->addButton(m_modes[mode], mode);
        grid->addWidget(m_modes[mode], 1 + mode, 0, 1, 6);
    }
    connect(group, &QButtonGroup::idClicked, this, &ChartStyleDialog::OnMode);
    // Min over Max, each edit wide enough for the longest bound it shows, "-8.88888888888888e-308".
    grid->addWidget(m_minLabel, 4, 0);
    grid->addWidget(m_minEdit, 4, 1, 1, 4);
    grid->addWidget(m_minUpDown, 4, 5);
    grid->addWidget(m_maxLabel, 5, 0);
    grid->addWidget(m_maxEdit, 5, 1, 1, 4);
    grid->addWidget(m_maxUpDown, 5, 5);
    grid->setRowStretch(6, 1);
    for (QLineEdit* edit : {m_minEdit, m_maxEdit}) {
        // The edit's frame and margins are what its size hint adds to its 17 x's.
        const QFontMetrics metrics(edit->font());
        const int around = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
        edit->setMinimumWidth(metrics.horizontalAdvance(kWidestBound) + around);
    }

    auto* object = new QVBoxLayout;
    object->addWidget(new QLabel(tr("Object", "the list of the chart's series")));
    object->addWidget(m_list);
    auto* top = new QHBoxLayout;
    top->addLayout(object, 2);
    top->addWidget(properties, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChartStyleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChartStyleDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(m_minEdit, &QLineEdit::textEdited, this, [this] { m_minChanged = true; });
    connect(m_maxEdit, &QLineEdit::textEdited, this, [this] { m_maxChanged = true; });
    connect(m_minUpDown, &UpDown::Moved, this, [this](int delta) { OnUpDown(m_minEdit, m_minChanged, delta); });
    connect(m_maxUpDown, &UpDown::Moved, this, [this](int delta) { OnUpDown(m_maxEdit, m_maxChanged, delta); });
    // The settings keep palette indices: a free choice becomes the nearest palette colour, shown as chosen.
    connect(m_color, &ColorPicker::ColorChosen, this, [this](QColor color) {
        Style().colorIndex = NearestPaletteIndex(color);
        m_color->SetColor(PaletteColor(Style().colorIndex));
    });
    connect(m_list, &QListWidget::currentRowChanged, this, &ChartStyleDialog::OnRowChanged);

    Show(index < 0 || index >= static_cast<int>(m_styles.size()) ? 0 : index);
}

void ChartStyleDialog::Show(int index)
{
    m_current = index;
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(index);
    }
    const SeriesStyle& style = m_styles[static_cast<size_t>(index)];
    m_color->SetColor(PaletteColor(style.colorIndex));
    m_min = style.customMin;
    m_max = style.customMax;
    m_step = m_steps[static_cast<size_t>(index)];
    ShowBound(m_minEdit, m_min);
    ShowBound(m_maxEdit, m_max);
    m_minChanged = m_maxChanged = false;
    m_modes[static_cast<int>(style.scalingMode)]->setChecked(true);
    EnableBounds(style.scalingMode == ScalingMode::Custom);
}

void ChartStyleDialog::ShowBound(QLineEdit* edit, double value)
{
    edit->setText(NumberText(value));
    // From its start: a negative bound shows its sign.
    edit->setCursorPosition(0);
}

void ChartStyleDialog::EnableBounds(bool on)
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_minLabel, m_minEdit, m_minUpDown, m_maxLabel, m_maxEdit, m_maxUpDown})
        w->setEnabled(on);
}

bool ChartStyleDialog::ReadEdit(QLineEdit* edit, double& value)
{
    const std::optional<double> number = ReadNumber(edit->text());
    if (!number) {
        QApplication::beep();
        edit->setFocus();
        return false;
    }
    value = *number;
    return true;
}

bool ChartStyleDialog::Validate()
{
    if (!m_minChanged && !m_maxChanged)
        return true;
    for (auto [edit, bound] : {std::pair{m_minEdit, &Style().customMin}, std::pair{m_maxEdit, &Style().customMax}}) {
        double value = 0;
        if (!ReadEdit(edit, value)) {
            const QSignalBlocker block(m_list);
            m_list->setCurrentRow(m_current);
            edit->selectAll();
            return false;
        }
        *bound = value;
    }
    return true;
}

void ChartStyleDialog::OnRowChanged(int row)
{
    if (row < 0 || row == m_current)
        return;
    if (Validate())
        Show(row);
}

void ChartStyleDialog::OnMode(int mode)
{
    Style().scalingMode = ScalingModeOf(static_cast<uint32_t>(mode));
    EnableBounds(Style().scalingMode == ScalingMode::Custom);
}

void ChartStyleDialog::OnUpDown(QLineEdit* edit, bool& changed, int delta)
{
    double value = 0;
    if (!ReadEdit(edit, value))
        return;
    value -= delta * m_step;
    ShowBound(edit, value);
    // What the arrows set is stored on OK like what is typed.
    changed = true;
}

void ChartStyleDialog::accept()
{
    ReadEdit(m_minEdit, m_min);
    ReadEdit(m_maxEdit, m_max);
    if (!Validate())
        return;
    for (int i = 0; i < m_chart.SeriesCount() && i < static_cast<int>(m_styles.size()); ++i) {
        const std::shared_ptr<ChartSeries> s = m_chart.SeriesAt(i);
        const SeriesStyle& style = m_styles[static_cast<size_t>(i)];
        s->SetColorIndex(style.colorIndex);
        s->m_scalingMode = style.scalingMode;
        if (style.scalingMode == ScalingMode::Custom) {
            s->m_customMin = style.customMin;
            s->m_customMax = style.customMax;
        }
    }
    QDialog::accept();
}
