#pragma once

#include <QDialog>

#include <vector>

#include "base/units.h"
#include "dsp/comparison.h"

class ChartWidget;
class QComboBox;
class QPushButton;
class QTableWidget;

// "Compare": flights lined up over one time axis in one chart, each in its own colour with its
// legend entry (a double-click hides or shows it), and their numbers in a table under it, one
// column per flight, with the selection's numbers once a stretch is selected. The alignment and
// the height's reference are chosen above the chart; a flight chosen in the table is moved by
// "Earlier" and "Later" or Ctrl+Left and Ctrl+Right (10 s, 1 s with Shift), and any flight by
// dragging its curve sideways with Shift.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    CompareDialog(std::vector<ComparedFlight> flights, const LengthUnit& unit, bool vario, Alignment alignment,
                  QWidget* parent = nullptr);

    ChartWidget* Chart() const { return m_chart; }
    QComboBox* AlignBox() const { return m_align; }
    QComboBox* HeightBox() const { return m_height; }
    QTableWidget* Table() const { return m_table; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* CsvButton() const { return m_csv; }
    QPushButton* PictureButton() const { return m_picture; }
    Alignment CurrentAlignment() const;
    const std::vector<ComparedFlight>& Flights() const { return m_flights; }
    // The table as text: rows of TAB-separated cells, one line each.
    QString TableText() const;
    // Moves a flight's curve by seconds (later when positive) after the alignment.
    void Shift(int flight, double seconds);
    void ResetOffsets();

    // How a file name is asked for the CSV ("Export CSV...") and the picture ("Save Picture...",
    // JPEG or PNG by its extension); tests replace them.
    std::function<QString()> m_askCsvPath;
    std::function<QString()> m_askPicturePath;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild(bool keepView);
    void FillTable();

    std::vector<ComparedFlight> m_flights;
    LengthUnit m_unit;
    bool m_vario;
    std::optional<std::pair<double, double>> m_selection;
    ChartWidget* m_chart;
    QComboBox* m_align;
    QComboBox* m_height;
    QTableWidget* m_table;
    QPushButton* m_copy;
    QPushButton* m_csv;
    QPushButton* m_picture;
};
