#include "ui/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <cmath>
#include <limits>
#include <tuple>

#include "chart/palette.h"
#include "ui/language.h"
#include "ui/property_list.h"

namespace {

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

// The position chosen in a list; a list showing no choice keeps the stored position.
template <typename T>
void TakeChoice(const QComboBox* combo, T& position)
{
    if (combo->currentIndex() >= 0)
        position = static_cast<T>(combo->currentIndex());
}

QString Real(double value)
{
    return LocalNumbers(QString::number(value, 'g', 15));
}

// m/s, ft/min or kt by the unit's name.
VarioUnit VarioUnitNamed(const std::string& name)
{
    return name == "ft/min" ? VarioUnit::FeetPerMinute : name == "kt" ? VarioUnit::Knots : VarioUnit::MetresPerSecond;
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

QString PreferencesDialog::PortText(const PortInfo& port)
{
    QString text = QString::fromStdString(port.name);
    if (!port.device.empty() && port.device != port.name)
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(port.device));
    if (!port.description.empty())
        text += QLatin1Char(' ') + QString::fromStdString(port.description);
    return text;
}

PreferencesDialog::PreferencesDialog(const Settings& settings, const std::vector<PortInfo>& ports, QWidget* parent,
                                     LengthScales scales)
    : QDialog(parent),
      m_settings(settings),
      m_scales(scales),
      m_imperialShown(settings.Imperial()),
      m_list(new PropertyList(this))
{
    setWindowTitle(tr("Preferences"));
    setSizeGripEnabled(true);

    // The port: the ports found, the stored name when it is not among them, or any path typed.
    m_port = new QComboBox;
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    bool listed = false;
    for (const PortInfo& p : ports) {
        m_port->addItem(PortText(p), QString::fromStdString(p.name));
        listed = listed || p.name == settings.usedPort;
    }
    if (!listed && !settings.usedPort.empty())
        m_port->insertItem(0, PortText({settings.usedPort, DevicePathOf(settings.usedPort), {}}),
                           QString::fromStdString(settings.usedPort));
    m_port->setCurrentIndex(m_port->findData(QString::fromStdString(settings.usedPort)));
    // The rows are named by their English names (QT_TR_NOOP), shown translated; the choices are
    // taken by their positions.
    Add(nullptr, QT_TR_NOOP("COM Port"), m_port);
    m_baudrate = AddCombo(nullptr, QT_TR_NOOP("Baudrate"), Texts({"9600", "19200", "115200", "460800", "921600"}),
                          settings.baudrate);
    m_units =
        AddCombo(nullptr, QT_TR_NOOP("Units"), {tr("metric"), tr("imperial")}, static_cast<uint32_t>(settings.units));
    m_varioShown = VarioUnitNamed(settings.VarioShown().name);
    m_varioUnit = AddCombo(nullptr, QT_TR_NOOP("Vario unit"),
                           {
                               //: unit of the vario's speed: metres a second
                               tr("m/s"),
                               //: unit of the vario's speed: feet a minute
                               tr("ft/min"),
                               //: unit of the vario's speed: knots
                               tr("kt"),
                           },
                           static_cast<uint32_t>(m_varioShown) - 1);
    //: a row (the altitude shown above the start or above sea level) and a category (the altitude's curve)
    m_reference = AddCombo(nullptr, QT_TR_NOOP("Altitude"), {tr("above start"), tr("above sea level")},
                           settings.altAboveSeaLevel ? 1 : 0);
    m_temperature = AddCombo(nullptr, QT_TR_NOOP("Temperature"), {tr("Celsius"), tr("Fahrenheit")},
                             static_cast<uint32_t>(settings.tUnits));
    // The window's language, read when Nivra starts: "System", then each by its own name.
    QStringList languages{tr("System")};
    int languageCount = 0;
    const WindowLanguage* spoken = WindowLanguages(&languageCount);
    uint32_t chosen = 0;
    for (int i = 0; i < languageCount; ++i) {
        languages << QString::fromUtf8(spoken[i].name);
        if (settings.language == spoken[i].code)
            chosen = static_cast<uint32_t>(i + 1);
    }
    m_language = AddCombo(nullptr, QT_TR_NOOP("Language"), languages, chosen);
    m_language->setToolTip(tr("The language of Nivra's window; a change applies when Nivra starts next"));
    m_languageNote = new QLabel(tr("The language changes when Nivra starts next."));
    m_languageNote->setVisible(false);
    connect(m_language, &QComboBox::currentIndexChanged, this,
            [this, chosen](int index) { m_languageNote->setVisible(index != static_cast<int>(chosen)); });
    //: the shortest log a download keeps, in seconds
    m_minLogDuration =
        AddNumber(nullptr, QT_TR_NOOP("Min log duration"), QString::number(settings.skipShortLogsLen), true);

    QTreeWidgetItem* altitude = AddCategory(QT_TR_NOOP("Altitude"));
    m_altitude = AddSeries(altitude, AddCheck(altitude, QT_TR_NOOP("Kalman filtering"), settings.altPolynome), false,
                           settings.altColor, settings.altStyle, settings.altMin, settings.altMax);
    m_sigmaMeasurement = AddNumber(altitude, QT_TR_NOOP("Measurement Sigma"), Real(settings.sigmaMeasurement));
    m_sigmaAuto = AddCheck(altitude, QT_TR_NOOP("Model Sigma from the flight"), settings.sigmaAuto);
    m_sigmaModel = AddNumber(altitude, QT_TR_NOOP("Model Sigma"), Real(settings.sigmaModel));
    m_givenModelSigma = m_sigmaModel->text();
    FollowSigmaAuto();
    connect(m_sigmaAuto, &QCheckBox::toggled, this, &PreferencesDialog::FollowSigmaAuto);

    QTreeWidgetItem* vario = AddCategory(QT_TR_NOOP("Vario"));
    QCheckBox* polynomial = AddCheck(vario, QT_TR_NOOP("Polynomial filtering"), settings.varioPolynome);
    m_median = AddNumber(vario, QT_TR_NOOP("Median filter"), QString::number(settings.varioMedian), true);
    m_vario = AddSeries(vario, polynomial, true, settings.varioColor, settings.varioStyle, settings.varioMin,
                        settings.varioMax);

    //: the picture saved of the chart
    QTreeWidgetItem* image = AddCategory(QT_TR_NOOP("Image"));
    //: of the picture, in pixels
    m_width = AddNumber(image, QT_TR_NOOP("Width"), QString::number(settings.imageCx), true);
    //: of the picture, in pixels
    m_height = AddNumber(image, QT_TR_NOOP("Height"), QString::number(settings.imageCy), true);
    QTreeWidgetItem* climbs = AddCategory(QT_TR_NOOP("Climbs"));
    //: the least climb rate that counts as a climb
    m_threshold = AddNumber(climbs, QT_TR_NOOP("Threshold (m/s)"), Real(settings.climbThreshold));
    m_shortest = AddNumber(climbs, QT_TR_NOOP("Shortest climb (s)"), Real(settings.climbMinDuration));
    //: the longest stretch without climbing inside one climb
    m_pause = AddNumber(climbs, QT_TR_NOOP("Longest pause (s)"), Real(settings.climbMaxGap));
    for (QTreeWidgetItem* c : {altitude, vario, image, climbs})
        c->setExpanded(true);
    connect(m_units, &QComboBox::currentIndexChanged, this, &PreferencesDialog::OnUnits);
    connect(m_varioUnit, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            ConvertBounds(m_imperialShown, static_cast<VarioUnit>(index + 1));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_languageNote);
    layout->addWidget(buttons);
    resize(420, 520);
}

void PreferencesDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // It can grow, but not shrink below the size it opened with.
    if (!m_sized)
        setMinimumSize(size());
    m_sized = true;
}

QTreeWidgetItem* PreferencesDialog::AddCategory(const char* name)
{
    return m_list->AddCategory(tr(name), QString::fromLatin1(name));
}

QTreeWidgetItem* PreferencesDialog::Add(QTreeWidgetItem* category, const char* name, QWidget* editor)
{
    QTreeWidgetItem* item = m_list->AddItem(category, tr(name), {}, QString::fromLatin1(name));
    m_list->setItemWidget(item, 1, editor);
    return item;
}

QComboBox* PreferencesDialog::AddCombo(QTreeWidgetItem* category, const char* name, const QStringList& values,
                                       uint32_t current)
{
    auto* combo = new QComboBox;
    combo->addItems(values);
    // A stored position outside the list shows no choice and is kept as it is on OK.
    combo->setCurrentIndex(current < static_cast<uint32_t>(values.size()) ? static_cast<int>(current) : -1);
    Add(category, name, combo);
    return combo;
}

QComboBox* PreferencesDialog::AddColorCombo(QTreeWidgetItem* category, uint32_t current)
{
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << QCoreApplication::translate("Palette", PaletteName(i));
    QComboBox* combo = AddCombo(category, QT_TR_NOOP("Color"), names, current);
    // Each name with a swatch of its colour.
    for (int i = 0; i < 10; ++i) {
        QPixmap swatch(12, 12);
        swatch.fill(PaletteColor(i));
        QPainter frame(&swatch);
        frame.setPen(palette().color(QPalette::WindowText));
        frame.drawRect(0, 0, 11, 11);
        combo->setItemIcon(i, QIcon(swatch));
    }
    return combo;
}

QCheckBox* PreferencesDialog::AddCheck(QTreeWidgetItem* category, const char* name, bool on)
{
    auto* check = new QCheckBox;
    check->setChecked(on);
    Add(category, name, check);
    return check;
}

QLineEdit* PreferencesDialog::AddNumber(QTreeWidgetItem* category, const char* name, const QString& text, bool whole)
{
    auto* edit = new QLineEdit(text);
    edit->setFrame(false);
    Add(category, name, edit);
    if (whole)
        m_wholeNumbers.insert(edit);
    return edit;
}

PreferencesDialog::SeriesEditors PreferencesDialog::AddSeries(QTreeWidgetItem* category, QCheckBox* filtering,
                                                              bool speed, uint32_t color, uint32_t style, double min,
                                                              double max)
{
    SeriesEditors series{};
    series.filtering = filtering;
    series.color = AddColorCombo(category, color);
    //: how the series' axis is scaled
    series.alignment = AddCombo(category, QT_TR_NOOP("Alignment"),
                                {
                                    //: alignment of a series' axis: to its values
                                    tr("auto"),
                                    //: alignment of a series' axis: from zero
                                    tr("to zero"),
                                    //: alignment of a series' axis: between "Custom Min" and "Custom Max"
                                    tr("custom"),
                                },
                                style);
    for (auto [edit, name, value] : {std::tuple(&series.min, QT_TR_NOOP("Custom Min"), min),
                                     std::tuple(&series.max, QT_TR_NOOP("Custom Max"), max)}) {
        Bound bound{value, m_imperialShown, speed, {}};
        bound.shown = ShownBound(bound, m_imperialShown, m_varioShown);
        *edit = AddNumber(category, name, bound.shown);
        m_bounds[*edit] = bound;
    }
    FollowAlignment(series);
    connect(series.alignment, &QComboBox::currentIndexChanged, this, [this, series] { FollowAlignment(series); });
    return series;
}

void PreferencesDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter in a row takes that row's value, as the row's editor shows it; only elsewhere is it OK.
    QWidget* focus = focusWidget();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focus && m_list->isAncestorOf(focus)) {
        ConfirmRow(focus);
        return;
    }
    QDialog::keyPressEvent(event);
}

void PreferencesDialog::ConfirmRow(QWidget* focus)
{
    auto* edit = qobject_cast<QLineEdit*>(focus);
    // The port's typed text is read on OK; lists and boxes have nothing to confirm.
    if (!edit || edit == m_port->lineEdit())
        return;
    int64_t whole = 0;
    double real = 0;
    // A number that cannot be read beeps; either way the text is ready to be typed over.
    if (m_wholeNumbers.contains(edit) ? ReadWhole(edit, whole) : ReadReal(edit, real))
        edit->selectAll();
}

void PreferencesDialog::ShowFoundModelSigma(const QString& found)
{
    m_foundModelSigma = found;
    FollowSigmaAuto();
}

void PreferencesDialog::FollowSigmaAuto()
{
    const bool found = m_sigmaAuto->isChecked();
    if (m_sigmaModel->isEnabled())
        m_givenModelSigma = m_sigmaModel->text();  // what was typed comes back when the box is cleared
    // Found from each flight: the shown log's sigma, greyed; or, without a log, what it depends on.
    m_sigmaModel->setText(!found                        ? m_givenModelSigma
                          : m_foundModelSigma.isEmpty() ? tr("from each flight")
                                                        : m_foundModelSigma);
    m_sigmaModel->setEnabled(!found);
    if (QTreeWidgetItem* item = m_list->Item(QStringLiteral("Altitude"), QStringLiteral("Model Sigma")))
        item->setDisabled(found);
}

void PreferencesDialog::FollowAlignment(const SeriesEditors& series)
{
    const bool custom = series.alignment->currentIndex() == 2;
    for (QLineEdit* edit : {series.min, series.max}) {
        edit->setEnabled(custom);
        for (QTreeWidgetItemIterator it(m_list); *it; ++it)
            if (m_list->itemWidget(*it, 1) == edit)
                (*it)->setDisabled(!custom);
    }
}

double PreferencesDialog::InUnits(const Bound& bound, bool imperial) const
{
    if (bound.imperial == imperial || !(m_scales.metric > 0) || !(m_scales.imperial > 0))
        return bound.value;
    return bound.value * (imperial ? m_scales.imperial / m_scales.metric : m_scales.metric / m_scales.imperial);
}

double PreferencesDialog::SpeedShownPerStored(bool imperial, VarioUnit vario) const
{
    const double length = imperial ? m_scales.imperial : m_scales.metric;
    return length > 0 ? VarioSpeedUnit(vario, imperial).perMetrePerSecond / length : 1.0;
}

QString PreferencesDialog::ShownBound(const Bound& bound, bool imperial, VarioUnit vario) const
{
    const double factor = bound.speed ? SpeedShownPerStored(imperial, vario) : 1.0;
    if (bound.imperial == imperial && factor == 1.0)
        return Real(bound.value);
    const double shown = InUnits(bound, imperial) * factor;
    if (!std::isfinite(shown))
        return Real(bound.value);
    // Two decimals, none in feet a minute; no trailing zeros, no "-0".
    QString text = QString::number(shown, 'f', bound.speed && vario == VarioUnit::FeetPerMinute ? 0 : 2);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return LocalNumbers(text == QStringLiteral("-0") ? QStringLiteral("0") : text);
}

void PreferencesDialog::OnUnits(int index)
{
    if (index < 0)
        return;
    const bool imperial = index != 0;
    VarioUnit vario = m_varioShown;
    if (imperial && vario == VarioUnit::MetresPerSecond)
        vario = VarioUnit::FeetPerMinute;
    else if (!imperial && vario == VarioUnit::FeetPerMinute)
        vario = VarioUnit::MetresPerSecond;
    {
        const QSignalBlocker quiet(m_varioUnit);
        m_varioUnit->setCurrentIndex(static_cast<int>(vario) - 1);
    }
    ConvertBounds(imperial, vario);
}

void PreferencesDialog::ConvertBounds(bool imperial, VarioUnit vario)
{
    if (imperial == m_imperialShown && vario == m_varioShown)
        return;
    for (auto& [edit, bound] : m_bounds) {
        if (edit->text() != bound.shown) {
            // Typed in the units shown so far; a text that is no number stays for the user to mend.
            bool ok = false;
            const double typed = TypedNumber(edit->text()).toDouble(&ok);
            if (!ok || !std::isfinite(typed))
                continue;
            const double factor = bound.speed ? SpeedShownPerStored(m_imperialShown, m_varioShown) : 1.0;
            bound = {typed / factor, m_imperialShown, bound.speed, {}};
        }
        bound.shown = ShownBound(bound, imperial, vario);
        edit->setText(bound.shown);
    }
    m_imperialShown = imperial;
    m_varioShown = vario;
}

bool PreferencesDialog::ReadBound(QLineEdit* edit, double& value) const
{
    const auto it = m_bounds.find(edit);
    if (it != m_bounds.end() && edit->text() == it->second.shown) {
        value = InUnits(it->second, m_imperialShown);
        return true;
    }
    double typed = 0;
    bool read = false;
    if (!ReadReal(edit, typed, &read))
        return false;
    // A greyed bound that cannot be read keeps the value given.
    if (read)
        value = it != m_bounds.end() && it->second.speed ? typed / SpeedShownPerStored(m_imperialShown, m_varioShown)
                                                         : typed;
    return true;
}

QWidget* PreferencesDialog::Editor(const QString& category, const QString& name) const
{
    QTreeWidgetItem* item = m_list->Item(category, name);
    return item ? m_list->itemWidget(item, 1) : nullptr;
}

bool PreferencesDialog::ReadWhole(QLineEdit* edit, int64_t& value)
{
    bool ok = false;
    const qlonglong number = edit->text().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        return Refuse(edit);
    value = number;
    return true;
}

bool PreferencesDialog::ReadReal(QLineEdit* edit, double& value, bool* read)
{
    bool ok = false;
    const double number = TypedNumber(edit->text()).toDouble(&ok);
    if (read)
        *read = ok && std::isfinite(number);
    if (!ok || !std::isfinite(number)) {
        // A disabled edit cannot be corrected: its text is left aside and the value kept.
        if (!edit->isEnabled())
            return true;
        return Refuse(edit);
    }
    value = number;
    return true;
}

bool PreferencesDialog::ReadGivenModelSigma(double& value)
{
    if (m_sigmaModel->isEnabled())
        return ReadReal(m_sigmaModel, value);
    // Greyed, the row shows what was found; the sigma typed before the box was checked is kept
    // when it is a number, the stored one otherwise.
    bool ok = false;
    const double typed = m_givenModelSigma.trimmed().toDouble(&ok);
    value = ok && std::isfinite(typed) ? typed : m_settings.sigmaModel;
    return true;
}

bool PreferencesDialog::ReadPort(std::string& port) const
{
    const QString text = m_port->currentText().trimmed();
    const int listed = m_port->findText(text);
    if (listed >= 0) {
        port = m_port->itemData(listed).toString().toStdString();
    } else if (!text.isEmpty()) {
        // A path typed by hand, such as a pseudo-terminal's.
        const std::string typed = text.toStdString();
        if (typed.size() >= kUsedPortBytes)
            return Refuse(m_port->lineEdit());
        port = typed;
    }
    // Nothing chosen and nothing typed: the previous name stays.
    return true;
}

bool PreferencesDialog::ReadSeries(const SeriesEditors& series, uint32_t& color, uint32_t& style, double& min,
                                   double& max) const
{
    double newMin = min, newMax = max;
    if (!ReadBound(series.min, newMin) || !ReadBound(series.max, newMax))
        return false;
    TakeChoice(series.color, color);
    TakeChoice(series.alignment, style);
    min = newMin;
    max = newMax;
    return true;
}

void PreferencesDialog::accept()
{
    Settings s = m_settings;
    int64_t length = 0, median = 0, width = 0, height = 0;
    double measurement = 0, model = 0, threshold = 0, shortest = 0, pause = 0;
    if (!ReadPort(s.usedPort) || !ReadWhole(m_minLogDuration, length) ||
        !ReadSeries(m_altitude, s.altColor, s.altStyle, s.altMin, s.altMax) ||
        !ReadReal(m_sigmaMeasurement, measurement) || !ReadGivenModelSigma(model) || !ReadWhole(m_median, median) ||
        !ReadSeries(m_vario, s.varioColor, s.varioStyle, s.varioMin, s.varioMax) || !ReadWhole(m_width, width) ||
        !ReadWhole(m_height, height) || !ReadReal(m_threshold, threshold) || !ReadReal(m_shortest, shortest) ||
        !ReadReal(m_pause, pause))
        return;
    TakeChoice(m_baudrate, s.baudrate);
    TakeChoice(m_units, s.units);
    // The units' own vario unit is stored as following them, so that it changes with them.
    s.varioUnit = VarioSpeedUnit(VarioUnit::FollowUnits, s.Imperial()).name == VarioSpeedUnit(m_varioShown, false).name
                      ? VarioUnit::FollowUnits
                      : m_varioShown;
    TakeChoice(m_temperature, s.tUnits);
    int languageCount = 0;
    const WindowLanguage* spoken = WindowLanguages(&languageCount);
    const int language = m_language->currentIndex();
    s.language = language >= 1 && language <= languageCount ? spoken[language - 1].code : "";
    s.altAboveSeaLevel = m_reference->currentIndex() == 1;
    s.skipShortLogsLen = static_cast<uint32_t>(std::max<int64_t>(length, 0));
    s.altPolynome = m_altitude.filtering->isChecked();
    s.sigmaMeasurement = std::max(measurement, 0.0);
    s.sigmaModel = std::max(model, 0.0);
    s.sigmaAuto = m_sigmaAuto->isChecked();
    s.varioPolynome = m_vario.filtering->isChecked();
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
