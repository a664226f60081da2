#include "ui/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <tuple>

#include "chart/palette.h"
#include "ui/property_list.h"

namespace {

const QString kTop;  // the items above the first category
const QString kAltitude = QStringLiteral("Altitude");
const QString kVario = QStringLiteral("Vario");
const QString kImage = QStringLiteral("Image");
const QString kClimbs = QStringLiteral("Climbs");

QString Real(double value)
{
    return QString::number(value, 'g', 15);
}

// A refused value: the beep, and the edit ready to be corrected.
bool Refuse(QLineEdit* edit)
{
    QApplication::beep();
    edit->setFocus();
    edit->selectAll();
    return false;
}

}  // namespace

QString CPreferencesDlg::PortText(const PortInfo& port)
{
    QString text = QString::fromStdString(port.name);
    if (!port.device.empty() && port.device != port.name)
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(port.device));
    if (!port.description.empty())
        text += ' ' + QString::fromStdString(port.description);
    return text;
}

CPreferencesDlg::CPreferencesDlg(const Settings& settings, const std::vector<PortInfo>& ports, QWidget* parent,
                                 LengthScales scales)
    : QDialog(parent), m_settings(settings), m_scales(scales), m_imperialShown(settings.Imperial()),
      m_list(new PropertyList(this))
{
    setWindowTitle(QStringLiteral("Preferences"));
    setSizeGripEnabled(true);

    // The port: the ports found, the stored name when it is not among them, or any path typed.
    auto* port = new QComboBox;
    port->setEditable(true);
    port->setInsertPolicy(QComboBox::NoInsert);
    bool listed = false;
    for (const PortInfo& p : ports) {
        port->addItem(PortText(p), QString::fromStdString(p.name));
        listed = listed || p.name == settings.usedPort;
    }
    if (!listed && !settings.usedPort.empty())
        port->insertItem(0, PortText({settings.usedPort, DevicePathOf(settings.usedPort), {}}),
                         QString::fromStdString(settings.usedPort));
    port->setCurrentIndex(port->findData(QString::fromStdString(settings.usedPort)));
    Add(nullptr, QStringLiteral("COM Port"), port);
    AddCombo(nullptr, QStringLiteral("Baudrate"), {"9600", "19200", "115200", "460800", "921600"}, settings.baudrate);
    AddCombo(nullptr, QStringLiteral("Units"), {"metric", "imperial"}, settings.units);
    AddCombo(nullptr, QStringLiteral("Altitude"), {"above start", "above sea level"}, settings.altAboveSeaLevel ? 1 : 0);
    AddCombo(nullptr, QStringLiteral("Temperature"), {"Celsius", "Fahrenheit"}, settings.tUnits);
    AddNumber(nullptr, QStringLiteral("Min log duration"), QString::number(settings.skipShortLogsLen));

    QTreeWidgetItem* altitude = m_list->AddCategory(kAltitude);
    AddCheck(altitude, QStringLiteral("Kalman filtering"), settings.altPolynome);
    AddColorCombo(altitude, settings.altColor);
    AddAlignment(altitude, settings.altStyle);
    AddNumber(altitude, QStringLiteral("Custom Min"), Real(settings.altMin));
    AddNumber(altitude, QStringLiteral("Custom Max"), Real(settings.altMax));
    AddNumber(altitude, QStringLiteral("Measurement Sigma"), Real(settings.sigmaMeasurement));
    AddNumber(altitude, QStringLiteral("Model Sigma"), Real(settings.sigmaModel));

    QTreeWidgetItem* vario = m_list->AddCategory(kVario);
    AddCheck(vario, QStringLiteral("Polynomial filtering"), settings.varioPolynome);
    AddNumber(vario, QStringLiteral("Median filter"), QString::number(settings.varioMedian));
    AddColorCombo(vario, settings.varioColor);
    AddAlignment(vario, settings.varioStyle);
    AddNumber(vario, QStringLiteral("Custom Min"), Real(settings.varioMin));
    AddNumber(vario, QStringLiteral("Custom Max"), Real(settings.varioMax));

    QTreeWidgetItem* image = m_list->AddCategory(kImage);
    AddNumber(image, QStringLiteral("Width"), QString::number(settings.imageCx));
    AddNumber(image, QStringLiteral("Height"), QString::number(settings.imageCy));
    QTreeWidgetItem* climbs = m_list->AddCategory(kClimbs);
    AddNumber(climbs, QStringLiteral("Threshold (m/s)"), Real(settings.climbThreshold));
    AddNumber(climbs, QStringLiteral("Shortest climb (s)"), Real(settings.climbMinDuration));
    AddNumber(climbs, QStringLiteral("Longest pause (s)"), Real(settings.climbMaxGap));
    for (QTreeWidgetItem* c : {altitude, vario, image, climbs})
        c->setExpanded(true);
    FollowAlignment(kAltitude);
    FollowAlignment(kVario);
    for (auto [category, name, value] : {std::tuple{kAltitude, "Custom Min", settings.altMin},
                                         std::tuple{kAltitude, "Custom Max", settings.altMax},
                                         std::tuple{kVario, "Custom Min", settings.varioMin},
                                         std::tuple{kVario, "Custom Max", settings.varioMax}})
        m_bounds[{category, QString::fromLatin1(name)}] = {value, settings.Imperial(), Real(value)};
    connect(static_cast<QComboBox*>(Editor(kTop, QStringLiteral("Units"))), &QComboBox::currentIndexChanged, this,
            [this](int index) {
                if (index >= 0)
                    ConvertBounds(index != 0);
            });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(420, 520);
}

void CPreferencesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // It can grow, but not shrink below the size it opened with.
    if (!m_sized)
        setMinimumSize(size());
    m_sized = true;
}

QTreeWidgetItem* CPreferencesDlg::Add(QTreeWidgetItem* category, const QString& name, QWidget* editor)
{
    QTreeWidgetItem* item = m_list->AddItem(category, name, {});
    m_list->setItemWidget(item, 1, editor);
    return item;
}

void CPreferencesDlg::AddCombo(QTreeWidgetItem* category, const QString& name, const QStringList& values,
                               uint32_t current)
{
    auto* combo = new QComboBox;
    combo->addItems(values);
    // A stored position outside the list shows no choice and is kept as it is on OK.
    combo->setCurrentIndex(current < static_cast<uint32_t>(values.size()) ? static_cast<int>(current) : -1);
    Add(category, name, combo);
}

void CPreferencesDlg::AddColorCombo(QTreeWidgetItem* category, uint32_t current)
{
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << PaletteName(i);
    AddCombo(category, QStringLiteral("Color"), names, current);
    // Each name with a swatch of its colour.
    auto* combo = static_cast<QComboBox*>(Editor(category->text(0), QStringLiteral("Color")));
    for (int i = 0; i < 10; ++i) {
        QPixmap swatch(12, 12);
        swatch.fill(PaletteColor(i));
        QPainter frame(&swatch);
        frame.setPen(palette().color(QPalette::WindowText));
        frame.drawRect(0, 0, 11, 11);
        combo->setItemIcon(i, QIcon(swatch));
    }
}

void CPreferencesDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter in a row takes that row's value, as the row's editor shows it; only elsewhere is it OK.
    QWidget* focus = focusWidget();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focus && m_list->isAncestorOf(focus)) {
        ConfirmRow(focus);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CPreferencesDlg::ConfirmRow(QWidget* focus)
{
    for (QTreeWidgetItemIterator it(m_list); *it; ++it) {
        QWidget* editor = m_list->itemWidget(*it, 1);
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (!editor || (editor != focus && !editor->isAncestorOf(focus)))
            continue;
        if (!edit)
            return;
        const QString category = (*it)->parent() ? (*it)->parent()->text(0) : kTop;
        const QString name = (*it)->text(0);
        static const QStringList kWhole{QStringLiteral("Min log duration"), QStringLiteral("Median filter"),
                                        QStringLiteral("Width"), QStringLiteral("Height")};
        int64_t whole = 0;
        double real = 0;
        // A number that cannot be read beeps; either way the text is ready to be typed over.
        if (kWhole.contains(name) ? ReadWhole(category, name, whole) : ReadReal(category, name, real))
            edit->selectAll();
        return;
    }
}

void CPreferencesDlg::AddCheck(QTreeWidgetItem* category, const QString& name, bool on)
{
    auto* check = new QCheckBox;
    check->setChecked(on);
    Add(category, name, check);
}

void CPreferencesDlg::AddNumber(QTreeWidgetItem* category, const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setFrame(false);
    Add(category, name, edit);
}

void CPreferencesDlg::AddAlignment(QTreeWidgetItem* category, uint32_t style)
{
    AddCombo(category, QStringLiteral("Alignment"), {"auto", "to zero", "custom"}, style);
    auto* combo = static_cast<QComboBox*>(Editor(category->text(0), QStringLiteral("Alignment")));
    connect(combo, &QComboBox::currentIndexChanged, this, [this, category] { FollowAlignment(category->text(0)); });
}

void CPreferencesDlg::FollowAlignment(const QString& category)
{
    const bool custom = ComboIndex(category, QStringLiteral("Alignment")) == 2;
    for (const QString& name : {QStringLiteral("Custom Min"), QStringLiteral("Custom Max")})
        if (QTreeWidgetItem* item = m_list->Item(category, name)) {
            item->setDisabled(!custom);
            if (QWidget* editor = m_list->itemWidget(item, 1))
                editor->setEnabled(custom);
        }
}

double CPreferencesDlg::InUnits(const Bound& bound, bool imperial) const
{
    if (bound.imperial == imperial || !(m_scales.metric > 0) || !(m_scales.imperial > 0))
        return bound.value;
    return bound.value * (imperial ? m_scales.imperial / m_scales.metric : m_scales.metric / m_scales.imperial);
}

void CPreferencesDlg::ConvertBounds(bool imperial)
{
    if (imperial == m_imperialShown)
        return;
    for (auto& [key, bound] : m_bounds) {
        auto* edit = static_cast<QLineEdit*>(Editor(key.first, key.second));
        if (edit->text() != bound.shown) {
            // Typed in the units shown so far; a text that is no number stays for the user to mend.
            bool ok = false;
            const double typed = edit->text().trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(typed))
                continue;
            bound = {typed, m_imperialShown, {}};
        }
        const double shown = InUnits(bound, imperial);
        if (!std::isfinite(shown))
            continue;
        bound.shown = Real(shown);
        edit->setText(bound.shown);
    }
    m_imperialShown = imperial;
}

bool CPreferencesDlg::ReadBound(const QString& category, const QString& name, double& value)
{
    const auto it = m_bounds.find({category, name});
    if (it != m_bounds.end() && static_cast<QLineEdit*>(Editor(category, name))->text() == it->second.shown) {
        value = InUnits(it->second, m_imperialShown);
        return true;
    }
    return ReadReal(category, name, value);
}

QWidget* CPreferencesDlg::Editor(const QString& category, const QString& name) const
{
    QTreeWidgetItem* item = m_list->Item(category, name);
    return item ? m_list->itemWidget(item, 1) : nullptr;
}

uint32_t CPreferencesDlg::ComboIndex(const QString& category, const QString& name) const
{
    return static_cast<uint32_t>(static_cast<QComboBox*>(Editor(category, name))->currentIndex());
}

bool CPreferencesDlg::Checked(const QString& category, const QString& name) const
{
    return static_cast<QCheckBox*>(Editor(category, name))->isChecked();
}

bool CPreferencesDlg::ReadWhole(const QString& category, const QString& name, int64_t& value) const
{
    auto* edit = static_cast<QLineEdit*>(Editor(category, name));
    bool ok = false;
    const qlonglong number = edit->text().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        return Refuse(edit);
    value = number;
    return true;
}

bool CPreferencesDlg::ReadReal(const QString& category, const QString& name, double& value) const
{
    auto* edit = static_cast<QLineEdit*>(Editor(category, name));
    bool ok = false;
    const double number = edit->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        // A disabled edit cannot be corrected: its text is left aside and the value kept.
        if (!edit->isEnabled())
            return true;
        return Refuse(edit);
    }
    value = number;
    return true;
}

bool CPreferencesDlg::ReadPort(std::string& port) const
{
    auto* combo = static_cast<QComboBox*>(Editor(kTop, QStringLiteral("COM Port")));
    const QString text = combo->currentText().trimmed();
    const int listed = combo->findText(text);
    if (listed >= 0) {
        port = combo->itemData(listed).toString().toStdString();
    } else if (!text.isEmpty()) {
        // A path typed by hand, such as a pseudo-terminal's.
        const std::string typed = text.toStdString();
        if (typed.size() >= kUsedPortBytes)
            return Refuse(combo->lineEdit());
        port = typed;
    }
    // Nothing chosen and nothing typed: the previous name stays.
    return true;
}

bool CPreferencesDlg::ReadSeries(const QString& category, uint32_t& color, uint32_t& style, double& min, double& max)
{
    double newMin = min, newMax = max;
    if (!ReadBound(category, QStringLiteral("Custom Min"), newMin) ||
        !ReadBound(category, QStringLiteral("Custom Max"), newMax))
        return false;
    // A list showing no choice keeps the stored position.
    const uint32_t newColor = ComboIndex(category, QStringLiteral("Color"));
    const uint32_t newStyle = ComboIndex(category, QStringLiteral("Alignment"));
    if (newColor != uint32_t(-1))
        color = newColor;
    if (newStyle != uint32_t(-1))
        style = newStyle;
    min = newMin;
    max = newMax;
    return true;
}

void CPreferencesDlg::accept()
{
    Settings s = m_settings;
    int64_t length = 0, median = 0, width = 0, height = 0;
    double measurement = 0, model = 0, threshold = 0, shortest = 0, pause = 0;
    if (!ReadPort(s.usedPort) || !ReadWhole(kTop, QStringLiteral("Min log duration"), length) ||
        !ReadSeries(kAltitude, s.altColor, s.altStyle, s.altMin, s.altMax) ||
        !ReadReal(kAltitude, QStringLiteral("Measurement Sigma"), measurement) ||
        !ReadReal(kAltitude, QStringLiteral("Model Sigma"), model) ||
        !ReadWhole(kVario, QStringLiteral("Median filter"), median) ||
        !ReadSeries(kVario, s.varioColor, s.varioStyle, s.varioMin, s.varioMax) ||
        !ReadWhole(kImage, QStringLiteral("Width"), width) || !ReadWhole(kImage, QStringLiteral("Height"), height) ||
        !ReadReal(kClimbs, QStringLiteral("Threshold (m/s)"), threshold) ||
        !ReadReal(kClimbs, QStringLiteral("Shortest climb (s)"), shortest) ||
        !ReadReal(kClimbs, QStringLiteral("Longest pause (s)"), pause))
        return;
    for (auto [name, field] :
         {std::pair{"Baudrate", &s.baudrate}, std::pair{"Units", &s.units}, std::pair{"Temperature", &s.tUnits}}) {
        const uint32_t position = ComboIndex(kTop, name);
        if (position != uint32_t(-1))
            *field = position;
    }
    s.altAboveSeaLevel = ComboIndex(kTop, QStringLiteral("Altitude")) == 1;
    s.skipShortLogsLen = static_cast<uint32_t>(std::max<int64_t>(length, 0));
    s.altPolynome = Checked(kAltitude, QStringLiteral("Kalman filtering"));
    s.sigmaMeasurement = std::max(measurement, 0.0);
    s.sigmaModel = std::max(model, 0.0);
    s.varioPolynome = Checked(kVario, QStringLiteral("Polynomial filtering"));
    s.varioMedian = static_cast<int32_t>(std::max<int64_t>(median, 0));
    s.imageCx = BoundedImageSide(static_cast<int32_t>(width));
    s.imageCy = BoundedImageSide(static_cast<int32_t>(height));
    // Any threshold, a sink rate too; lengths of time not below 0.
    s.climbThreshold = threshold;
    s.climbMinDuration = std::max(shortest, 0.0);
    s.climbMaxGap = std::max(pause, 0.0);
    m_settings = s;
    QDialog::accept();
}
