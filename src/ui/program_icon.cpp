#include "ui/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

QPixmap Draw(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);  // the drawing's own units
    p.setPen(Qt::NoPen);
    QLinearGradient sky(0, 8, 0, 248);
    sky.setColorAt(0, QColor(0x2a, 0x6f, 0xc9));
    sky.setColorAt(1, QColor(0x7f, 0xb8, 0xef));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(36, 36, 184, 184), 18, 18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xd3, 0xdc, 0xe6), 4));
    for (int y : {82, 128, 174})
        p.drawLine(36, y, 220, y);
    for (int x : {97, 159})
        p.drawLine(x, 36, x, 220);
    const auto trace = [&p](std::initializer_list<QPointF> points, QColor color, double width) {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF(QList<QPointF>(points)));
    };
    trace({{50, 196}, {80, 150}, {100, 168}, {132, 104}, {152, 122}, {190, 60}, {206, 70}}, QColor(0, 0x96, 0), 14);
    trace({{50, 206}, {76, 206}, {84, 186}, {96, 200}, {108, 184}, {122, 204}, {206, 204}}, QColor(0xff, 0, 0), 7);
    return picture;
}

}  // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Draw(size));
    return icon;
}
