#pragma once

#include <QColor>
#include <QToolButton>

#include <functional>

class QAction;

// A button showing a colour; its menu offers the ten palette colours by name, a default
// entry, and "More Colors..." for a free choice. Reports what the user picks.
class ColorPicker : public QToolButton {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    void SetColor(QColor color);
    QColor Color() const { return m_color; }
    // The default entry's text and the colour it stands for.
    void SetDefault(const QString& text, QColor color);
    // The menu's entries: the ten colours, the default, "More Colors...".
    QList<QAction*> Entries() const;

    // How "More Colors..." asks for a colour (the colour dialog by default); an invalid colour is a cancel.
    std::function<QColor(QColor current, QWidget* parent)> m_pickColor;

signals:
    void ColorChosen(QColor color);

private:
    void Choose(QColor color);
    QColor m_color;
    QColor m_default;
    QAction* m_defaultEntry = nullptr;
    QAction* m_more = nullptr;
};

// A square of the colour, for buttons and menu entries.
QIcon ColorSwatch(QColor color, int side = 12);
