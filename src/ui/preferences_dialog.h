#pragma once

#include <QDialog>

#include <map>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "device/serial_link.h"

class PropertyList;
class QTreeWidgetItem;

// The length scales of the configuration's metric and imperial units.
struct LengthScales {
    double metric = 1.0;
    double imperial = 3.280839895013123;
};

// "Preferences": every setting a user edits, in one property list. The dialog works on its
// own copy of the settings; OK reads every item back into that copy (Edited), Cancel leaves
// it as it was given.
class CPreferencesDlg : public QDialog {
    Q_OBJECT
public:
    // The custom bounds shown in metres become feet (and back) when "Units" changes.
    CPreferencesDlg(const Settings& settings, const std::vector<PortInfo>& ports, QWidget* parent = nullptr,
                    LengthScales scales = {});

    const Settings& Edited() const { return m_settings; }
    PropertyList* List() const { return m_list; }
    // The editor in an item's value column; an empty category names the items at the top.
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
    QTreeWidgetItem* Add(QTreeWidgetItem* category, const QString& name, QWidget* editor);
    void AddCombo(QTreeWidgetItem* category, const QString& name, const QStringList& values, uint32_t current);
    void AddCheck(QTreeWidgetItem* category, const QString& name, bool on);
    // "Color": the palette's names, each beside a swatch of its colour.
    void AddColorCombo(QTreeWidgetItem* category, uint32_t current);
    // Enter in a row: its number read (a beep when it cannot be), the dialog left open.
    void ConfirmRow(QWidget* focus);
    void AddNumber(QTreeWidgetItem* category, const QString& name, const QString& text);
    void AddAlignment(QTreeWidgetItem* category, uint32_t style);
    // "Custom Min" and "Custom Max" of the category enabled exactly when its "Alignment" is "custom".
    void FollowAlignment(const QString& category);
    // The custom bounds, shown in the units chosen before, in the units chosen now.
    void ConvertBounds(bool imperial);
    // A custom bound: its value as the user last gave it, and in which units; the edit
    // shows it in the units chosen, and a text left as shown reads back that exact value.
    struct Bound {
        double value;
        bool imperial;
        QString shown;
    };
    double InUnits(const Bound& bound, bool imperial) const;
    bool ReadBound(const QString& category, const QString& name, double& value);
    // The series items of a category ("Altitude" or "Vario") back into the settings.
    bool ReadSeries(const QString& category, uint32_t& color, uint32_t& style, double& min, double& max);
    bool ReadWhole(const QString& category, const QString& name, int64_t& value) const;
    bool ReadReal(const QString& category, const QString& name, double& value) const;
    bool ReadPort(std::string& port) const;
    uint32_t ComboIndex(const QString& category, const QString& name) const;
    bool Checked(const QString& category, const QString& name) const;

    Settings m_settings;
    LengthScales m_scales;
    bool m_imperialShown;
    std::map<std::pair<QString, QString>, Bound> m_bounds;
    PropertyList* m_list;
    bool m_sized = false;
};
