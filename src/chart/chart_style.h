#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

#include "dsp/series_style.h"

class ColorPicker;
class ChartWidget;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QToolButton;

// Two arrow buttons beside an edit, and the edit's Up and Down keys: each press reports a
// delta, -1 for up and +1 for down, as a Windows up-down control does.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QLineEdit* buddy, QWidget* parent = nullptr);
    QToolButton* Up() const { return m_up; }
    QToolButton* Down() const { return m_down; }

signals:
    void Moved(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// "Chart Style": the colour and the value-axis scaling of every series of a chart. Works on
// copies; OK writes all of them back to the series (the caller lays the chart out again).
class ChartStyleDialog : public QDialog {
    Q_OBJECT
public:
    // The chart must hold at least one series; index -1 preselects the first.
    ChartStyleDialog(ChartWidget& chart, int index, QWidget* parent = nullptr);

    // A number as the Min and Max edits read it: at most 31 characters, blanks and tabs
    // before and after, a decimal number between; a 0 that does not start with the digit
    // zero ("-0", ".0", "abc") fails, and so does anything infinite or not a number.
    static std::optional<double> ReadNumber(const QString& text);
    // A bound as the edits show it: 15 significant digits, shortest form; the edits are wide
    // enough for the longest such text.
    static QString NumberText(double value);

    // Each series' style as edited; its bounds start as the range its axis shows.
    const std::vector<SeriesStyle>& Styles() const { return m_styles; }
    int Current() const { return m_current; }
    QListWidget* List() const { return m_list; }
    ColorPicker* ColorButton() const { return m_color; }
    QRadioButton* Mode(int mode) const { return m_modes[mode]; }
    QLineEdit* MinEdit() const { return m_minEdit; }
    QLineEdit* MaxEdit() const { return m_maxEdit; }
    UpDown* MinUpDown() const { return m_minUpDown; }
    UpDown* MaxUpDown() const { return m_maxUpDown; }

    void accept() override;

private:
    void Show(int index);
    bool Validate();
    // Reads an edit; a failure beeps and focuses the edit.
    bool ReadEdit(QLineEdit* edit, double& value);
    void OnRowChanged(int row);
    void OnMode(int mode);
    void OnUpDown(QLineEdit* edit, bool& changed, int delta);
    void EnableBounds(bool on);
    SeriesStyle& Style() { return m_styles[static_cast<size_t>(m_current)]; }
    // A bound in its edit, shown from its start.
    void ShowBound(QLineEdit* edit, double value);

    ChartWidget& m_chart;
    std::vector<SeriesStyle> m_styles;
    std::vector<double> m_steps;  // each axis' tick step, for the arrows
    int m_current = 0;
    double m_min = 0, m_max = 0, m_step = 0;  // the current series' while it is edited
    bool m_minChanged = false, m_maxChanged = false;

    QListWidget* m_list;
    ColorPicker* m_color;
    QRadioButton* m_modes[3];
    QLabel* m_minLabel;
    QLabel* m_maxLabel;
    QLineEdit* m_minEdit;
    QLineEdit* m_maxEdit;
    UpDown* m_minUpDown;
    UpDown* m_maxUpDown;
};
