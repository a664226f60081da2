#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "chart/chart_style.h"
#include "chart/chart_widget.h"
#include "chart/color_button.h"
#include "chart/palette.h"

namespace {

// A chart of three series: "Alt" (0..1000, custom bounds stored as 10..20 but shown "Auto"),
// "Vario" (custom -5..5) and "Temp" (custom 15..25).
struct StyledChart {
    ChartWidget chart;
    std::shared_ptr<ChartSeries> alt, vario, temp;

    StyledChart()
    {
        chart.resize(800, 600);
        alt = chart.AddSeries("Alt", 0.0, 1.0, {0, 250, 1000, 600});
        vario = chart.AddSeries("Vario", 0.0, 1.0, {1, -2, 3, 0});
        temp = chart.AddSeries("Temp", 0.0, 1.0, {20, 21, 22, 21});
        alt->SetColorIndex(1);
        alt->m_customMin = 10;
        alt->m_customMax = 20;
        vario->SetColorIndex(0);
        vario->m_scalingMode = ScalingMode::Custom;
        vario->m_customMin = -5;
        vario->m_customMax = 5;
        temp->SetColorIndex(4);
        temp->m_scalingMode = ScalingMode::Custom;
        temp->m_customMin = 15;
        temp->m_customMax = 25;
        chart.ResetView(false);
    }
};

// A series' scaling mode, custom bounds and colour.
std::tuple<ScalingMode, double, double, int> Stored(const ChartSeries& s)
{
    return {s.m_scalingMode, s.m_customMin, s.m_customMax, s.m_colorIndex};
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

TEST(ChartStyle, ReadingANumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5},   {"  12.5 \t", 12.5},
        {"\t-3e2", -300}, {"+7", 7},
        {"0", 0},         {"0.000", 0},
        {" 00 ", 0},      {"                              1x", 1},  // only the first 31 characters count
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChartStyleDialog::ReadNumber(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
    // Refused: a zero that does not start with the digit zero, a number too large for a double, one
    // that is not decimal or not in the C locale's form whatever the desktop's language.
    for (const char* text : {"-0", ".0", "+0", "12.5a", "12.5 a", "", "   ", "abc", "1e999", "inf", "nan", "0x10",
                             "1,5", "                            1 x"})
        EXPECT_EQ(ChartStyleDialog::ReadNumber(QString::fromLatin1(text)), std::nullopt) << '"' << text << '"';

    EXPECT_EQ((QStringList{ChartStyleDialog::NumberText(12.5), ChartStyleDialog::NumberText(0.1 + 0.2),
                           ChartStyleDialog::NumberText(1234567890123456789.0), ChartStyleDialog::NumberText(-5)}),
              (QStringList{"12.5", "0.3", "1.23456789012346e+18", "-5"}));
}

TEST(ChartStyle, ShowsEachSeriesAsItIs)
{
    StyledChart c;
    ChartStyleDialog dialog(c.chart, 1);
    EXPECT_EQ(dialog.windowTitle(), "Chart Style");
    ASSERT_EQ(dialog.List()->count(), 3);
    EXPECT_EQ(std::pair(dialog.List()->item(2)->text(), dialog.List()->currentRow()), std::pair(QString("Temp"), 1));
    EXPECT_EQ(dialog.ColorButton()->Color(), PaletteColor(0));
    EXPECT_TRUE(dialog.Mode(2)->isChecked());
    EXPECT_EQ(dialog.MinEdit()->text(), ChartStyleDialog::NumberText(c.vario->m_min));
    EXPECT_TRUE(dialog.MinEdit()->isEnabled());

    // The first series shows the range its axis shows, not its stored custom bounds.
    dialog.List()->setCurrentRow(0);
    EXPECT_EQ(dialog.Current(), 0);
    EXPECT_TRUE(dialog.Mode(0)->isChecked());
    EXPECT_EQ(dialog.MinEdit()->text(), ChartStyleDialog::NumberText(c.alt->m_min));
    EXPECT_EQ(dialog.MaxEdit()->text(), ChartStyleDialog::NumberText(c.alt->m_max));
    for (QWidget* w :
         std::initializer_list<QWidget*>{dialog.MinEdit(), dialog.MaxEdit(), dialog.MinUpDown(), dialog.MaxUpDown()})
        EXPECT_FALSE(w->isEnabled());
    // "Aligned to zero" keeps them disabled, "Custom" enables them.
    dialog.Mode(1)->click();
    EXPECT_FALSE(dialog.MaxEdit()->isEnabled());
    dialog.Mode(2)->click();
    EXPECT_TRUE(dialog.MaxEdit()->isEnabled());
    EXPECT_TRUE(dialog.MaxUpDown()->isEnabled());

    // An index of -1 preselects the first series.
    ChartStyleDialog first(c.chart, -1);
    EXPECT_EQ(first.List()->currentRow(), 0);
}

TEST(ChartStyle, OkWritesEveryStyleBackAndCancelNothing)
{
    for (const bool ok : {false, true}) {
        StyledChart c;
        const double shownMin = c.alt->m_min, shownMax = c.alt->m_max;
        ChartStyleDialog dialog(c.chart, 0);
        dialog.show();
        // Alt: "Custom" with untouched edits takes the range shown when the dialog opened.
        dialog.Mode(2)->click();
        // Vario: typed bounds, and blue from the colour menu.
        dialog.List()->setCurrentRow(1);
        Type(dialog.MinEdit(), " -2.5 ");
        Type(dialog.MaxEdit(), "7");
        dialog.ColorButton()->Entries()[2]->trigger();
        EXPECT_EQ(dialog.ColorButton()->text(), "blue");
        // Temp: "Auto" and the default colour, which is black.
        dialog.List()->setCurrentRow(2);
        dialog.Mode(0)->click();
        dialog.ColorButton()->Entries()[10]->trigger();
        EXPECT_EQ(dialog.ColorButton()->Entries()[10]->text(), "Chart");
        if (!ok) {
            dialog.reject();
            EXPECT_EQ(Stored(*c.alt), std::tuple(ScalingMode::Auto, 10.0, 20.0, 1));
            EXPECT_EQ(Stored(*c.vario), std::tuple(ScalingMode::Custom, -5.0, 5.0, 0));
            EXPECT_EQ(Stored(*c.temp), std::tuple(ScalingMode::Custom, 15.0, 25.0, 4));
            continue;
        }
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);

        EXPECT_EQ(Stored(*c.alt), std::tuple(ScalingMode::Custom, shownMin, shownMax, 1));
        EXPECT_EQ(Stored(*c.vario), std::tuple(ScalingMode::Custom, -2.5, 7.0, 2));
        EXPECT_EQ(Stored(*c.temp), std::tuple(ScalingMode::Auto, 15.0, 25.0, 9));  // "Auto" keeps the stored bounds
    }
}

TEST(ChartStyle, ABadNumberKeepsTheSeriesAndTheDialog)
{
    StyledChart c;
    ChartStyleDialog dialog(c.chart, 1);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Type(dialog.MaxEdit(), "-0");
    // Switching to another series is refused: the list stays, the Max text is selected.
    dialog.List()->setCurrentRow(2);
    EXPECT_EQ(std::tuple(dialog.List()->currentRow(), dialog.Current(), dialog.MaxEdit()->hasFocus()),
              std::tuple(1, 1, true));
    EXPECT_EQ(dialog.MaxEdit()->selectedText(), "-0");
    // And so is OK.
    dialog.accept();
    EXPECT_EQ(std::tuple(dialog.isVisible(), dialog.result(), c.vario->m_customMax),
              std::tuple(true, QDialog::Rejected, 5.0));

    // Corrected, both go through.
    Type(dialog.MaxEdit(), "12.5 ");
    dialog.List()->setCurrentRow(2);
    EXPECT_EQ(dialog.Current(), 2);
    EXPECT_EQ(dialog.Styles()[1].customMax, 12.5);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(c.vario->m_customMax, 12.5);
}

TEST(ChartStyle, UpDownStepsByTheAxisStep)
{
    StyledChart c;
    const double step = c.vario->m_step;
    ASSERT_GT(step, 0);
    ChartStyleDialog dialog(c.chart, 1);
    dialog.show();
    // On a text that is not a number the arrows do nothing.
    Type(dialog.MinEdit(), "x");
    QTest::mouseClick(dialog.MinUpDown()->Up(), Qt::LeftButton);
    EXPECT_EQ(dialog.MinEdit()->text(), "x");
    Type(dialog.MinEdit(), "-4");
    QTest::mouseClick(dialog.MinUpDown()->Up(), Qt::LeftButton);
    EXPECT_EQ(dialog.MinEdit()->text(), ChartStyleDialog::NumberText(-4 + step));
    QTest::keyClick(dialog.MinEdit(), Qt::Key_Down);
    QTest::keyClick(dialog.MinEdit(), Qt::Key_Down);
    EXPECT_EQ(dialog.MinEdit()->text(), ChartStyleDialog::NumberText(-4 + step - 2 * step));
    // Without typing, the arrows alone change the stored bound.
    const QString max = dialog.MaxEdit()->text();
    QTest::mouseClick(dialog.MaxUpDown()->Down(), Qt::LeftButton);
    dialog.accept();
    EXPECT_EQ(c.vario->m_customMin, -4 - step);
    EXPECT_EQ(c.vario->m_customMax, *ChartStyleDialog::ReadNumber(max) - step);
}

TEST(ChartStyle, BoundsShowWholeFromTheirStart)
{
    StyledChart c;
    c.vario->m_min = -0.000123456789012345;  // as the axis shows it
    ChartStyleDialog dialog(c.chart, 1);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QFontMetrics metrics(dialog.MinEdit()->font());
    for (QLineEdit* edit : {dialog.MinEdit(), dialog.MaxEdit()})
        EXPECT_GT(edit->width(), metrics.horizontalAdvance("-8.88888888888888e-308"));
    EXPECT_EQ(dialog.MinEdit()->text(), "-0.000123456789012345");
    EXPECT_EQ(dialog.MinEdit()->cursorPosition(), 0);
    // Also after a step of the arrows, and for the next series shown.
    QTest::mouseClick(dialog.MinUpDown()->Up(), Qt::LeftButton);
    EXPECT_EQ(dialog.MinEdit()->cursorPosition(), 0);
    dialog.List()->setCurrentRow(0);
    EXPECT_EQ(dialog.MaxEdit()->cursorPosition(), 0);
}

TEST(ChartStyle, MoreColorsTakesTheNearestPaletteColour)
{
    StyledChart c;
    ChartStyleDialog dialog(c.chart, 2);
    const struct {
        QColor picked;
        int index;
        const char* shown;
    } cases[] = {
        {QColor(255, 0, 0), 0, "red"},
        {QColor(), 0, "red"},  // a cancelled choice (an invalid colour) keeps the last one
        {QColor(128, 128, 0), 7, "olive"},
        {QColor(1, 2, 3), 9, "black"},
        {QColor(230, 30, 20), 0, "red"},  // it used to turn the series black
        {QColor(20, 130, 40), 1, "green"},
        {QColor(30, 60, 220), 2, "blue"},
        {QColor(250, 140, 30), 5, "brown"},
        {QColor(110, 10, 120), 6, "purple"},
    };
    for (const auto& k : cases) {
        dialog.ColorButton()->m_pickColor = [&k](QColor, QWidget*) {
            return k.picked;
        };
        dialog.ColorButton()->Entries().last()->trigger();
        EXPECT_EQ(dialog.Styles()[2].colorIndex, k.index) << k.picked.name().toStdString();
        EXPECT_EQ(dialog.ColorButton()->text(), k.shown) << k.picked.name().toStdString();
    }
    EXPECT_EQ(dialog.ColorButton()->Entries().last()->text(), "More Colors...");
    QStringList names;
    for (QAction* a : dialog.ColorButton()->Entries().mid(0, 10))
        names << a->text();
    EXPECT_EQ(names,
              (QStringList{"red", "green", "blue", "yellow", "cyan", "brown", "purple", "olive", "magenta", "black"}));
}
