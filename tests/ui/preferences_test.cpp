// The Preferences dialog and the window's two settings dialogs, driven in-process.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <functional>

#include "app/settings_store.h"
#include "chart/chart_style.h"
#include "chart/chart_widget.h"
#include "chart/color_button.h"
#include "chart/palette.h"
#include "config/configuration.h"
#include "dsp/statistics.h"
#include "ui/log_tree.h"
#include "ui/main_window.h"
#include "ui/preferences_dialog.h"
#include "ui/property_list.h"
#include "ui/statistics_view.h"
#include "ui/window_fixture.h"

namespace {

const std::vector<PortInfo> kPorts = {{"COM33:", "/dev/ttyUSB0", "FT232R USB UART"}, {"COM1:", "/dev/ttyS0", ""}};

QLineEdit* Edit(PreferencesDialog& d, const char* category, const char* name)
{
    return qobject_cast<QLineEdit*>(d.Editor(category, name));
}

QComboBox* Combo(PreferencesDialog& d, const char* category, const char* name)
{
    return qobject_cast<QComboBox*>(d.Editor(category, name));
}

QStringList Texts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

}  // namespace

TEST(Preferences, ItemsInOrderWithTheirEditors)
{
    PreferencesDialog dialog(Settings{}, kPorts);
    EXPECT_EQ(dialog.windowTitle(), "Preferences");
    const PropertyList* list = dialog.List();
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = list->topLevelItem(i);
        rows << top->text(0);
        for (int k = 0; k < top->childCount(); ++k)
            rows << top->text(0) + "/" + top->child(k)->text(0);
    }
    EXPECT_EQ(rows.join(", "),
              "COM Port, Baudrate, Units, Vario unit, Altitude, Temperature, Language, Min log duration, Altitude, "
              "Altitude/Kalman filtering, "
              "Altitude/Color, Altitude/Alignment, Altitude/Custom Min, Altitude/Custom Max, "
              "Altitude/Measurement Sigma, Altitude/Model Sigma from the flight, Altitude/Model Sigma, Vario, "
              "Vario/Polynomial filtering, "
              "Vario/Median filter, Vario/Color, Vario/Alignment, Vario/Custom Min, Vario/Custom Max, Image, "
              "Image/Width, Image/Height, Climbs, Climbs/Threshold (m/s), Climbs/Shortest climb (s), "
              "Climbs/Longest pause (s)");
    for (const char* category : {"Altitude", "Vario", "Image", "Climbs"})
        EXPECT_TRUE(list->Category(category)->isExpanded()) << category;
    EXPECT_EQ(Texts(Combo(dialog, "", "Baudrate")), (QStringList{"9600", "19200", "115200", "460800", "921600"}));
    EXPECT_EQ(Texts(Combo(dialog, "", "Temperature")), (QStringList{"Celsius", "Fahrenheit"}));
    EXPECT_EQ(Texts(Combo(dialog, "Vario", "Alignment")), (QStringList{"auto", "to zero", "custom"}));
    EXPECT_EQ(Texts(Combo(dialog, "Altitude", "Color")),
              (QStringList{"red", "green", "blue", "yellow", "cyan", "brown", "purple", "olive", "magenta", "black"}));
    // Each colour's name beside a swatch of it.
    for (const char* category : {"Altitude", "Vario"})
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(Combo(dialog, category, "Color")->itemIcon(i).pixmap(12, 12).toImage().pixelColor(6, 6),
                      PaletteColor(i))
                << category << " " << i;
    // The defaults as shown.
    EXPECT_EQ(Combo(dialog, "Altitude", "Color")->currentText(), "green");
    EXPECT_EQ(Combo(dialog, "Vario", "Alignment")->currentText(), "custom");
    EXPECT_EQ(Edit(dialog, "Altitude", "Measurement Sigma")->text(), "0.44");
    EXPECT_EQ(Edit(dialog, "Vario", "Custom Min")->text(), "-5");
    EXPECT_EQ(Edit(dialog, "Image", "Width")->text(), "800");
    EXPECT_EQ(Edit(dialog, "Climbs", "Shortest climb (s)")->text(), "20");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog.Editor("Vario", "Polynomial filtering"))->isChecked());
}

TEST(Preferences, CustomBoundsFollowTheirCategorysAlignment)
{
    Settings settings;
    settings.altStyle = 1;
    settings.varioStyle = 0;
    PreferencesDialog dialog(settings, kPorts);
    // The alignments of altitude and vario, the first as stored: the bounds of a category are
    // editable while its own alignment is "custom".
    const struct {
        int alt, vario;
    } cases[] = {{1, 0}, {1, 2}, {2, 1}};
    for (const auto& c : cases) {
        Combo(dialog, "Altitude", "Alignment")->setCurrentIndex(c.alt);
        Combo(dialog, "Vario", "Alignment")->setCurrentIndex(c.vario);
        for (const auto& [category, index] : {std::pair{"Altitude", c.alt}, std::pair{"Vario", c.vario}})
            for (const char* bound : {"Custom Min", "Custom Max"})
                EXPECT_EQ(dialog.Editor(category, bound)->isEnabled(), index == 2) << category << bound << c.vario;
    }
}

TEST(Preferences, CustomBoundsFollowTheUnits)
{
    // Bounds in metres become feet when the units change, and the vario's follow its unit (m/s
    // becoming ft/min with them), rounded to the unit's useful digits; they come back exactly
    // when the units change back. A bound that is no number stays as typed.
    Settings settings;
    settings.altMin = -30;
    settings.altMax = 1000;
    PreferencesDialog dialog(settings, kPorts, nullptr, {1.0, 3.280839895013123});
    QComboBox* units = Combo(dialog, "", "Units");
    QComboBox* vario = Combo(dialog, "", "Vario unit");
    EXPECT_EQ(Texts(vario), (QStringList{"m/s", "ft/min", "kt"}));
    EXPECT_EQ(vario->currentText(), "m/s");
    const auto shown = [&dialog] {
        return QStringList{Edit(dialog, "Altitude", "Custom Min")->text(),
                           Edit(dialog, "Altitude", "Custom Max")->text(), Edit(dialog, "Vario", "Custom Min")->text(),
                           Edit(dialog, "Vario", "Custom Max")->text()};
    };
    units->setCurrentIndex(1);
    EXPECT_EQ(vario->currentText(), "ft/min");
    EXPECT_EQ(shown(), (QStringList{"-98.43", "3280.84", "-984", "984"}));
    Edit(dialog, "Vario", "Custom Max")->setText("x");
    units->setCurrentIndex(0);
    EXPECT_EQ(vario->currentText(), "m/s");
    EXPECT_EQ(shown(), (QStringList{"-30", "1000", "-5", "x"}));
    Edit(dialog, "Vario", "Custom Max")->setText("5");
    vario->setCurrentIndex(2);  // knots: the altitude's stay
    EXPECT_EQ(shown(), (QStringList{"-30", "1000", "-9.72", "9.72"}));
    units->setCurrentIndex(1);  // and knots stay knots
    EXPECT_EQ(vario->currentText(), "kt");
    EXPECT_EQ(shown(), (QStringList{"-98.43", "3280.84", "-9.72", "9.72"}));
    Edit(dialog, "Vario", "Custom Max")->setText("10");  // knots
    dialog.accept();
    EXPECT_EQ(dialog.Edited().units, UnitSystem::Imperial);
    EXPECT_EQ(dialog.Edited().varioUnit, VarioUnit::Knots);
    // Stored in the units' length a second: feet a second here.
    EXPECT_DOUBLE_EQ(dialog.Edited().varioMin, -5 * 3.280839895013123);
    EXPECT_DOUBLE_EQ(dialog.Edited().varioMax, 10 * 1852.0 / 3600.0 * 3.280839895013123);
    EXPECT_DOUBLE_EQ(dialog.Edited().altMax, 1000 * 3.280839895013123);

    // The units' own vario unit is stored as following them.
    PreferencesDialog imperial(dialog.Edited(), kPorts);
    Combo(imperial, "", "Vario unit")->setCurrentIndex(1);
    imperial.accept();
    EXPECT_EQ(imperial.Edited().varioUnit, VarioUnit::FollowUnits);
    EXPECT_DOUBLE_EQ(imperial.Edited().varioMax, dialog.Edited().varioMax);  // left as shown: exactly kept
}

namespace {

// Sets an item's editor as a user would: a text typed, a list entry chosen by its text, a box
// checked ("on") or cleared.
void Set(PreferencesDialog& d, const char* category, const char* name, const QString& value)
{
    QWidget* editor = d.Editor(category, name);
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(value);
    else if (auto* check = qobject_cast<QCheckBox*>(editor))
        check->setChecked(value == "on");
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->isEditable() ? combo->setEditText(value) : combo->setCurrentIndex(combo->findText(value));
}

}  // namespace

TEST(Preferences, OkRules)
{
    struct Edit {
        const char* category;
        const char* name;
        QString value;
    };
    const struct {
        std::vector<Edit> edits;
        std::function<bool(const Settings&)> check;
    } cases[] = {
        // clang-format off
        {{{"Altitude", "Measurement Sigma", "-3"}}, [](const Settings& s) { return s.sigmaMeasurement == 0; }},
        {{{"Altitude", "Model Sigma from the flight", "off"}, {"Altitude", "Model Sigma", " 0.5 "}},
         [](const Settings& s) { return s.sigmaModel == 0.5 && !s.sigmaAuto; }},
        {{{"Vario", "Median filter", "-4"}}, [](const Settings& s) { return s.varioMedian == 0; }},
        {{{"", "Min log duration", "-1"}}, [](const Settings& s) { return s.skipShortLogsLen == 0; }},
        // Each category's items write that category's settings.
        {{{"Vario", "Color", "purple"}, {"Vario", "Custom Max", "8.25"}},
         [](const Settings& s) { return s.varioColor == 6 && s.varioMax == 8.25 && s.altColor == 1 && s.altMax == 100; }},
        {{{"Altitude", "Alignment", "custom"}, {"Altitude", "Custom Min", "-1e3"}},
         [](const Settings& s) { return s.altStyle == 2 && s.altMin == -1000 && s.varioMin == -5; }},
        {{{"Altitude", "Kalman filtering", "on"}, {"Vario", "Polynomial filtering", "off"}},
         [](const Settings& s) { return s.altPolynome && !s.varioPolynome; }},
        {{{"", "Baudrate", "460800"}, {"", "Units", "imperial"}, {"", "Temperature", "Fahrenheit"}},
         [](const Settings& s) { return s.baudrate == 3 && s.units == UnitSystem::Imperial && s.tUnits == TemperatureUnit::Fahrenheit && !s.altAboveSeaLevel; }},
        {{{"", "Altitude", "above sea level"}}, [](const Settings& s) { return s.altAboveSeaLevel; }},
        // A bound that is disabled cannot be corrected: it keeps its value and OK goes through.
        {{{"Altitude", "Custom Max", "1.5x"}}, [](const Settings& s) { return s.altMax == 100; }},
        {{{"Image", "Width", "32"}, {"Image", "Height", "99999"}},
         [](const Settings& s) { return s.imageCx == 32 && s.imageCy == 10000; }},
        {{{"Climbs", "Threshold (m/s)", "-0.25"}, {"Climbs", "Shortest climb (s)", "-5"}, {"Climbs", "Longest pause (s)", "2.5"}},
         [](const Settings& s) { return s.climbThreshold == -0.25 && s.climbMinDuration == 0 && s.climbMaxGap == 2.5; }},
        // The port: a listed one by its name, a typed path as typed, nothing as before.
        {{{"", "COM Port", "COM33: (/dev/ttyUSB0) FT232R USB UART"}}, [](const Settings& s) { return s.usedPort == "COM33:"; }},
        {{{"", "COM Port", " /dev/pts/4 "}}, [](const Settings& s) { return s.usedPort == "/dev/pts/4"; }},
        {{{"", "COM Port", ""}}, [](const Settings& s) { return s.usedPort == "COM7:"; }},
        // clang-format on
    };
    Settings start;
    start.usedPort = "COM7:";
    for (size_t i = 0; i < std::size(cases); ++i) {
        PreferencesDialog dialog(start, kPorts);
        for (const Edit& e : cases[i].edits)
            Set(dialog, e.category, e.name, e.value);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "case " << i;
        EXPECT_TRUE(cases[i].check(dialog.Edited())) << "case " << i;
    }
}

TEST(Preferences, ModelSigmaFromTheFlightGreysTheGivenOne)
{
    auto check = [](PreferencesDialog& d) {
        return qobject_cast<QCheckBox*>(d.Editor("Altitude", "Model Sigma from the flight"));
    };
    auto row = [](PreferencesDialog& d) {
        return d.List()->Item("Altitude", "Model Sigma");
    };
    Settings stored;
    stored.sigmaModel = 0.05;
    {
        // Checked by default: the row greyed, saying what it depends on until a log is shown.
        PreferencesDialog dialog(stored, kPorts);
        ASSERT_TRUE(check(dialog)->isChecked());
        EXPECT_FALSE(Edit(dialog, "Altitude", "Model Sigma")->isEnabled());
        EXPECT_TRUE(row(dialog)->isDisabled());
        EXPECT_EQ(Edit(dialog, "Altitude", "Model Sigma")->text(), "from each flight");
        dialog.ShowFoundModelSigma("0.01 (0.001 to 3.2)");
        EXPECT_EQ(Edit(dialog, "Altitude", "Model Sigma")->text(), "0.01 (0.001 to 3.2)");
        // Cleared, the stored sigma comes back to be edited; checked again, the found one.
        check(dialog)->setChecked(false);
        EXPECT_TRUE(Edit(dialog, "Altitude", "Model Sigma")->isEnabled());
        EXPECT_FALSE(row(dialog)->isDisabled());
        EXPECT_EQ(Edit(dialog, "Altitude", "Model Sigma")->text(), "0.05");
        Edit(dialog, "Altitude", "Model Sigma")->setText("0.2");
        check(dialog)->setChecked(true);
        EXPECT_EQ(Edit(dialog, "Altitude", "Model Sigma")->text(), "0.01 (0.001 to 3.2)");
        // OK with the box checked keeps the sigma typed, never the one found.
        dialog.accept();
        EXPECT_TRUE(dialog.Edited().sigmaAuto);
        EXPECT_EQ(dialog.Edited().sigmaModel, 0.2);
    }
    {
        stored.sigmaAuto = false;
        PreferencesDialog dialog(stored, kPorts);
        dialog.ShowFoundModelSigma("0.01");
        EXPECT_FALSE(check(dialog)->isChecked());
        EXPECT_EQ(Edit(dialog, "Altitude", "Model Sigma")->text(), "0.05");
        Edit(dialog, "Altitude", "Model Sigma")->setText("0.3");
        dialog.accept();
        EXPECT_FALSE(dialog.Edited().sigmaAuto);
        EXPECT_EQ(dialog.Edited().sigmaModel, 0.3);
    }
}

TEST(Preferences, ANumberThatCannotBeReadKeepsTheDialogOpenAndEnterTakesTheRow)
{
    Settings given;
    given.sigmaAuto = false;  // "Model Sigma" editable
    PreferencesDialog dialog(given, kPorts);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (const auto& [category, name, text] :
         {std::tuple{"Vario", "Custom Max", "1.5x"}, std::tuple{"Altitude", "Model Sigma", "nan"},
          std::tuple{"", "Min log duration", "3.5"}, std::tuple{"Image", "Width", ""},
          std::tuple{"Vario", "Median filter", "99999999999"}, std::tuple{"Climbs", "Longest pause (s)", "10 s"}}) {
        QLineEdit* edit = Edit(dialog, category, name);
        const QString before = edit->text();
        edit->setText(text);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << name;
        EXPECT_TRUE(edit->hasFocus()) << name;
        EXPECT_EQ(dialog.Edited().altMax, 100.0);
        edit->setText(before);
    }
    // Enter in a row takes it, and only OK closes.
    const struct {
        const char* category;
        const char* name;
        const char* text;
    } rows[] = {{"Altitude", "Model Sigma", "0.05"}, {"Image", "Width", "1024"}, {"Image", "Width", "wide"}};
    for (const auto& r : rows) {
        QLineEdit* edit = Edit(dialog, r.category, r.name);
        edit->setFocus();
        edit->setText(r.text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << r.text;
        EXPECT_EQ(dialog.result(), 0) << r.text;
        // Taken (or refused with a beep), and ready to be typed over.
        EXPECT_TRUE(edit->hasFocus()) << r.text;
        EXPECT_EQ(edit->selectedText(), r.text);
    }
    QComboBox* port = Combo(dialog, "", "COM Port");
    port->setFocus();
    QTest::keyClick(port->lineEdit(), Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    // Enter elsewhere is the OK button's, which reads every row.
    Edit(dialog, "Image", "Width")->setText("1024");
    QWidget* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Edited().sigmaModel, 0.05);
    EXPECT_EQ(dialog.Edited().imageCx, 1024);
}

TEST(Preferences, ThePortList)
{
    // The ports found, and the stored name first when it is not among them.
    Settings settings;
    settings.usedPort = "COM34:";
    PreferencesDialog dialog(settings, kPorts);
    QComboBox* port = Combo(dialog, "", "COM Port");
    EXPECT_EQ(Texts(port),
              (QStringList{"COM34: (/dev/ttyUSB1)", "COM33: (/dev/ttyUSB0) FT232R USB UART", "COM1: (/dev/ttyS0)"}));
    EXPECT_EQ(port->currentIndex(), 0);
    EXPECT_TRUE(port->isEditable());

    // No port at all: the stored name alone, kept on OK; a path is its own name.
    settings.usedPort = "/dev/pts/9";
    PreferencesDialog none(settings, {});
    EXPECT_EQ(Texts(Combo(none, "", "COM Port")), QStringList{"/dev/pts/9"});
    none.accept();
    EXPECT_EQ(none.Edited().usedPort, "/dev/pts/9");

    // The stored name among those found: shown at its place.
    settings.usedPort = "COM1:";
    PreferencesDialog found(settings, kPorts);
    EXPECT_EQ(Combo(found, "", "COM Port")->count(), 2);
    EXPECT_EQ(Combo(found, "", "COM Port")->currentIndex(), 1);
}

namespace {

class SettingsDialogs : public WindowTest {
protected:
    std::function<void(QDialog&)> answer;  // what the user does in the dialog
    int dialogs = 0;

    void SetUp() override
    {
        WindowTest::SetUp();
        frame->m_listPorts = [] {
            return kPorts;
        };
        frame->m_runDialog = [this](QDialog& dialog) {
            ++dialogs;
            dialog.show();
            answer(dialog);
            return dialog.result();
        };
        ASSERT_TRUE(frame->OpenFile(kSoaring));
    }

    QVariant Stored(const char* name) const { return QSettings(StorePath(), QSettings::IniFormat).value(name); }

    // Runs Preferences with this edit and OK.
    void Preferences(std::function<void(PreferencesDialog&)> edit)
    {
        answer = [edit](QDialog& d) {
            auto& dialog = static_cast<PreferencesDialog&>(d);
            edit(dialog);
            dialog.accept();
        };
        frame->Actions().preferences->trigger();
    }
};

}  // namespace

TEST_F(SettingsDialogs, PreferencesRebuildOnlyForTheChartsSettings)
{
    const std::shared_ptr<ChartSeries> shown = SeriesAt(0);
    ASSERT_TRUE(shown);
    // The port alone: stored at once, the chart untouched.
    Preferences([](PreferencesDialog& d) { Combo(d, "", "COM Port")->setEditText("/dev/pts/5"); });
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(frame->CurrentSettings().usedPort, "/dev/pts/5");
    EXPECT_EQ(Stored("UsedPort").toString(), "/dev/pts/5");
    EXPECT_EQ(SeriesAt(0), shown);

    // A colour: the chart is rebuilt with it.
    Preferences([](PreferencesDialog& d) { Combo(d, "Altitude", "Color")->setCurrentIndex(2); });
    ASSERT_NE(SeriesAt(0), shown);
    EXPECT_EQ(SeriesAt(0)->m_colorIndex, 2);
    EXPECT_EQ(Stored("Alt.Color").toByteArray().size(), 4);

    // Cancel changes nothing.
    const std::shared_ptr<ChartSeries> rebuilt = SeriesAt(0);
    answer = [](QDialog& d) {
        Combo(static_cast<PreferencesDialog&>(d), "Altitude", "Color")->setCurrentIndex(5);
        d.reject();
    };
    frame->Actions().preferences->trigger();
    EXPECT_EQ(frame->CurrentSettings().altColor, 2u);
    EXPECT_EQ(SeriesAt(0), rebuilt);
}

TEST_F(SettingsDialogs, ARedrawKeepsTheLabelsAndTheSelection)
{
    ChartWidget* chart = frame->Chart();
    emit chart->plotClicked(600.0);
    emit chart->plotClicked(1800.0);
    chart->SetSelection(900.0, 1200.0);
    emit chart->selectionChanged(TimeRange{900.0, 1200.0});
    const QString selectedMax = frame->Statistics()->List()->Value("Selection", "max Altitude");
    // Smoothed now: the chart is drawn anew, the labels at their times on the new curve.
    Preferences([](PreferencesDialog& d) {
        qobject_cast<QCheckBox*>(d.Editor("Altitude", "Kalman filtering"))->setChecked(true);
    });
    const std::shared_ptr<ChartSeries> alt = SeriesAt(0);
    ASSERT_EQ(alt->m_labels.size(), 2u);
    for (const auto& [time, value] : alt->m_labels)
        EXPECT_EQ(value, alt->ValueAt(time)) << time;
    EXPECT_EQ(alt->m_labels[0].first, 600.0);
    EXPECT_EQ(alt->m_labels[1].first, 1800.0);
    const std::optional<TimeRange> selection = chart->Selection();
    ASSERT_TRUE(selection);
    EXPECT_EQ(std::pair(selection->first, selection->last), std::pair(900.0, 1200.0));
    // The selection's numbers are those of the smoothed curve.
    EXPECT_TRUE(frame->Statistics()->List()->Category("Selection")->isExpanded());
    EXPECT_NE(frame->Statistics()->List()->Value("Selection", "max Altitude"), selectedMax);
}

TEST_F(SettingsDialogs, TheModelSigmaFoundIsShown)
{
    auto stat = [this] {
        return frame->Statistics()->List()->Value("Log", "Model Sigma");
    };
    auto row = [this] {
        return frame->Statistics()->List()->Item("Log", "Model Sigma");
    };
    EXPECT_TRUE(row()->isHidden());  // the altitude is not smoothed by default
    Preferences([](PreferencesDialog& d) {
        qobject_cast<QCheckBox*>(d.Editor("Altitude", "Kalman filtering"))->setChecked(true);
    });
    EXPECT_FALSE(row()->isHidden());
    const QString found = stat();
    EXPECT_TRUE(found.endsWith(", from the flight")) << found.toStdString();
    ASSERT_TRUE(frame->Series().modelSigmaFound);
    EXPECT_EQ(found.toStdString(), FoundSigmaText(frame->Series().modelSigmaFound) + ", from the flight");
    // Preferences show it greyed in "Model Sigma"; with the box cleared, the sigma given is used.
    QString shown;
    Preferences([&shown](PreferencesDialog& d) {
        shown = Edit(d, "Altitude", "Model Sigma")->text();
        qobject_cast<QCheckBox*>(d.Editor("Altitude", "Model Sigma from the flight"))->setChecked(false);
    });
    EXPECT_EQ(shown + ", from the flight", found);
    EXPECT_EQ(stat(), "0.01");
    EXPECT_FALSE(frame->Series().modelSigmaFound);
    EXPECT_EQ(Stored("Sigma.Auto").toByteArray(), QByteArray(1, '\0'));
}

TEST_F(SettingsDialogs, TheChartStyleGoesIntoTheSettings)
{
    // A legend choice for the vario: custom bounds and purple.
    answer = [](QDialog& d) {
        auto& dialog = static_cast<ChartStyleDialog&>(d);
        EXPECT_EQ(dialog.Current(), 1);
        dialog.Mode(2)->click();
        dialog.MinEdit()->setFocus();
        dialog.MinEdit()->selectAll();
        QTest::keyClicks(dialog.MinEdit(), "-3");
        dialog.ColorButton()->Entries()[6]->trigger();
        dialog.accept();
    };
    emit frame->Chart()->seriesClicked(1, false);
    EXPECT_EQ(dialogs, 1);
    const Settings& s = frame->CurrentSettings();
    EXPECT_EQ(std::tuple(s.varioStyle, s.varioColor, s.varioMin), std::tuple(2u, 6u, -3.0));
    EXPECT_EQ(SeriesAt(1)->m_colorIndex, 6);
    EXPECT_EQ(Stored("Vario.Min").toByteArray().size(), 8);

    // A legend toggle opens no dialog and keeps what is shown.
    SeriesAt(0)->m_visible = false;
    emit frame->Chart()->seriesClicked(0, true);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(frame->CurrentSettings().altOn);
    // The next rebuild uses the stored styles.
    frame->RefreshSelected();
    EXPECT_EQ(std::tuple(SeriesAt(1)->m_colorIndex, SeriesAt(1)->m_customMin, SeriesAt(0)->m_visible),
              std::tuple(6, -3.0, false));
}

TEST_F(SettingsDialogs, TheLanguageIsKeptForTheNextStart)
{
    const auto noteShown = [](const QDialog& d) {
        for (const QLabel* label : d.findChildren<QLabel*>())
            if (label->text() == QStringLiteral("The language changes when Nivra starts next."))
                return label->isVisible();
        return false;
    };
    Preferences([&](PreferencesDialog& d) {
        QComboBox* language = Combo(d, "", "Language");
        ASSERT_TRUE(language);
        EXPECT_EQ(Texts(language), (QStringList{"System", "English", "Deutsch", "Fran\u00e7ais"}));
        EXPECT_EQ(language->currentIndex(), 0);
        EXPECT_FALSE(noteShown(d));
        language->setCurrentIndex(2);
        EXPECT_TRUE(noteShown(d));
    });
    EXPECT_EQ(frame->CurrentSettings().language, "de");
    EXPECT_EQ(Stored("Language").toString(), QStringLiteral("de"));
    // The window goes on in English until it starts again.
    EXPECT_EQ(frame->Actions().preferences->text(), QStringLiteral("&Preferences..."));

    Preferences([&](PreferencesDialog& d) {
        QComboBox* language = Combo(d, "", "Language");
        EXPECT_EQ(language->currentIndex(), 2);
        language->setCurrentIndex(0);  // the system's again
        EXPECT_TRUE(noteShown(d));
    });
    EXPECT_EQ(frame->CurrentSettings().language, "");
}
