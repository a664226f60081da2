#pragma once

#include <QDialog>

#include <map>
#include <set>
#include <vector>

#include "app/settings.h"
#include "device/serial_link.h"

class PropertyList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidgetItem;

// The length scales of the configuration's metric and imperial units.
struct LengthScales {
    double metric = 1.0;
    double imperial = 3.280839895013123;
};

// "Preferences": every setting a user edits, in one property list. The dialog works on its
// own copy of the settings; OK reads every item back into that copy (Edited), Cancel leaves
// it as it was given.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // The custom bounds shown in metres become feet (and back) when "Units" changes, and the
    // vario's follow "Vario unit".
    PreferencesDialog(const Settings& settings, const std::vector<PortInfo>& ports, QWidget* parent = nullptr,
                      LengthScales scales = {});

    const Settings& Edited() const { return m_settings; }
    // What the smoother found for the log on display, shown greyed in "Model Sigma" while
    // "Model Sigma from the flight" is checked.
    void ShowFoundModelSigma(const QString& found);
    PropertyList* List() const { return m_list; }
    // The editor in an item's value column, found by the English names of the category and the
    // item whatever language they are shown in; an empty category names the items at the top.
    QWidget* Editor(const QString& category, const QString& name) const;

    // How a port is listed: "COM33: (/dev/ttyUSB0)", with the system's description after it
    // when there is one; a name that is its own device path is listed alone.
    static QString PortText(const PortInfo& port);

    // Reads every item; a number that cannot be read beeps, gets the focus, and keeps the
    // dialog open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The editors of a series category ("Altitude" or "Vario").
    struct SeriesEditors {
        QCheckBox* filtering;
        QComboBox* color;
        QComboBox* alignment;
        QLineEdit* min;
        QLineEdit* max;
    };
    // A custom bound: its value as the user last gave it, in the units' length (a second, for
    // a speed) and in which units; the edit shows it in the units chosen, and a text left as
    // shown reads back that exact value.
    struct Bound {
        double value;
        bool imperial;
        bool speed;
        QString shown;
    };

    // A category or an item, named by its English name (marked with QT_TR_NOOP): shown translated,
    // keyed in the list (and found by Editor) by the English name.
    QTreeWidgetItem* AddCategory(const char* name);
    QTreeWidgetItem* Add(QTreeWidgetItem* category, const char* name, QWidget* editor);
    // The values as shown; the choice is read back by its position.
    QComboBox* AddCombo(QTreeWidgetItem* category, const char* name, const QStringList& values, uint32_t current);
    QCheckBox* AddCheck(QTreeWidgetItem* category, const char* name, bool on);
    // "Color": the palette's names, each beside a swatch of its colour.
    QComboBox* AddColorCombo(QTreeWidgetItem* category, uint32_t current);
    // A number; a whole one is read as a whole number.
    QLineEdit* AddNumber(QTreeWidgetItem* category, const char* name, const QString& text, bool whole = false);
    // The look of a series, after its filtering: colour, alignment and the custom bounds (a
    // speed's, for the vario: speed).
    SeriesEditors AddSeries(QTreeWidgetItem* category, QCheckBox* filtering, bool speed, uint32_t color, uint32_t style,
                            double min, double max);
    // "Model Sigma" greyed, showing what was found, while "Model Sigma from the flight" is checked.
    void FollowSigmaAuto();
    bool ReadGivenModelSigma(double& value);
    // Enter in a row: its number read (a beep when it cannot be), the dialog left open.
    void ConfirmRow(QWidget* focus);
    // "Custom Min" and "Custom Max" enabled exactly when the series' "Alignment" is "custom".
    void FollowAlignment(const SeriesEditors& series);
    // The custom bounds, shown in the units chosen before, in the units chosen now.
    void ConvertBounds(bool imperial, VarioUnit vario);
    double InUnits(const Bound& bound, bool imperial) const;
    // A speed in the units' length a second as the vario unit reads it.
    double SpeedShownPerStored(bool imperial, VarioUnit vario) const;
    // A bound as shown in these units: exactly, or rounded to the unit's useful digits when converted.
    QString ShownBound(const Bound& bound, bool imperial, VarioUnit vario) const;
    // "Units" chosen: the vario unit follows from m/s to ft/min and back (knots stay).
    void OnUnits(int index);
    bool ReadBound(QLineEdit* edit, double& value) const;
    // The series items back into the settings.
    bool ReadSeries(const SeriesEditors& series, uint32_t& color, uint32_t& style, double& min, double& max) const;
    static bool ReadWhole(QLineEdit* edit, int64_t& value);
    // read tells whether the text was a number (a greyed edit that is not is passed over).
    static bool ReadReal(QLineEdit* edit, double& value, bool* read = nullptr);
    bool ReadPort(std::string& port) const;

    Settings m_settings;
    LengthScales m_scales;
    bool m_imperialShown;
    PropertyList* m_list;
    QComboBox* m_port;
    QComboBox* m_baudrate;
    QComboBox* m_units;
    QComboBox* m_varioUnit;
    VarioUnit m_varioShown;  // m/s, ft/min or kt
    QComboBox* m_reference;
    QComboBox* m_temperature;
    QComboBox* m_language;  // "System", then each language by its own name
    QLabel* m_languageNote;
    QLineEdit* m_minLogDuration;
    SeriesEditors m_altitude;
    QLineEdit* m_sigmaMeasurement;
    QCheckBox* m_sigmaAuto;
    QLineEdit* m_sigmaModel;
    QString m_givenModelSigma;  // the sigma typed or stored, while the row shows what was found
    QString m_foundModelSigma;
    SeriesEditors m_vario;
    QLineEdit* m_median;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_threshold;
    QLineEdit* m_shortest;
    QLineEdit* m_pause;
    std::map<QLineEdit*, Bound> m_bounds;
    std::set<QLineEdit*> m_wholeNumbers;
    bool m_sized = false;
};
