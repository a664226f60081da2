#include "chart/color_button.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "chart/palette.h"

QIcon ColorSwatch(QColor color, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(color.isValid() ? color : QColor(Qt::transparent));
    QPainter painter(&pixmap);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(0, 0, side - 1, side - 1);
    return QIcon(pixmap);
}

ColorPicker::ColorPicker(QWidget* parent) : QToolButton(parent), m_default(Qt::black)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_pickColor = [](QColor current, QWidget* owner) {
        return QColorDialog::getColor(current, owner, tr("More Colors"));
    };
    auto* menu = new QMenu(this);
    for (int i = 0; i < 10; ++i) {
        const QColor color = PaletteColor(i);
        QAction* a = menu->addAction(ColorSwatch(color), QCoreApplication::translate("Palette", PaletteName(i)));
        connect(a, &QAction::triggered, this, [this, color] { Choose(color); });
    }
    menu->addSeparator();
    m_defaultEntry = menu->addAction(tr("Automatic", "default colour"));
    connect(m_defaultEntry, &QAction::triggered, this, [this] { Choose(m_default); });
    m_more = menu->addAction(tr("More Colors..."));
    connect(m_more, &QAction::triggered, this, [this] {
        const QColor picked = m_pickColor(m_color, window());
        if (picked.isValid())
            Choose(picked);
    });
    setMenu(menu);
    SetColor(Qt::black);
}

void ColorPicker::SetDefault(const QString& text, QColor color)
{
    m_default = color;
    m_defaultEntry->setText(text);
    m_defaultEntry->setIcon(ColorSwatch(color));
}

QList<QAction*> ColorPicker::Entries() const
{
    QList<QAction*> entries;
    for (QAction* a : menu()->actions())
        if (!a->isSeparator())
            entries << a;
    return entries;
}

void ColorPicker::SetColor(QColor color)
{
    m_color = color;
    setIcon(ColorSwatch(color, 14));
    const int index = PaletteIndex(color);
    // A colour of the palette by its name, any other by its value.
    setText(PaletteColor(index) == color ? QCoreApplication::translate("Palette", PaletteName(index)) : color.name());
    update();
}

void ColorPicker::Choose(QColor color)
{
    SetColor(color);
    emit ColorChosen(color);
}
