#include "info/Schematics.h"

#include "info/InfoStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace Schematics {

namespace {

const QColor Ink(0x20, 0x20, 0x20);
const QColor Metal(0x9a, 0xa4, 0xb0);
const QColor Ceramic(0xe8, 0xdc, 0xc4);
const QColor Heat(0xc0, 0x30, 0x20);

QImage Blank(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// Every schematic is drawn in its natural size's box and scaled to the size asked for.
class Sheet
{
public:
    Sheet(QSize size, QSizeF design)
        : picture(Blank(size))
        , painter(&picture)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size.width() / design.width(), size.height() / design.height());
        painter.setPen(QPen(Ink, 1.4));
        painter.setFont(InfoStyle::TimesFont(12));
    }
    QImage Finish()
    {
        painter.end();
        return picture;
    }

    void Text(qreal x, qreal y, const QString &text, bool italic = false)
    {
        QFont f = painter.font();
        f.setItalic(italic);
        painter.setFont(f);
        painter.drawText(QPointF(x, y), text);
    }
    // A dimension line with arrow heads at both ends.
    void Dimension(QPointF a, QPointF b)
    {
        painter.drawLine(a, b);
        Head(a, b);
        Head(b, a);
    }
    // A furnace: its ceramic wall, the hot zone inside and the windings in the wall.
    void Furnace(const QRectF &outer)
    {
        const QRectF inner = outer.adjusted(18, 14, -18, -14);
        painter.setBrush(Ceramic);
        painter.drawRect(outer);
        painter.setBrush(Qt::white);
        painter.drawRect(inner);
        Winding(outer.left() + 8, inner.top() + 6, inner.bottom() - 6);
        Winding(outer.right() - 8, inner.top() + 6, inner.bottom() - 6);
    }
    // An open crucible whose rim is at `rim`, filled with the liquid.
    void Crucible(const QRectF &liquid, qreal rim)
    {
        painter.setBrush(Metal);
        painter.drawRect(liquid);
        painter.setBrush(Qt::NoBrush);
        const QRectF wall = liquid.adjusted(-3, 0, 3, 3);
        painter.drawPolyline(QPolygonF({ { wall.left(), rim }, wall.bottomLeft(),
            wall.bottomRight(), { wall.right(), rim } }));
    }

    QImage picture;
    QPainter painter;

private:
    // Heating windings drawn as a zigzag down a wall.
    void Winding(qreal x, qreal top, qreal bottom)
    {
        QPainterPath path(QPointF(x, top));
        bool out = true;
        for (qreal y = top + 6; y <= bottom; y += 6, out = !out)
            path.lineTo(x + (out ? 5 : -5), y);
        painter.save();
        painter.setPen(QPen(Heat, 1.4));
        painter.drawPath(path);
        painter.restore();
    }

    void Head(QPointF tip, QPointF from)
    {
        const QLineF line(tip, from);
        QLineF side = line;
        side.setLength(6);
        side.setAngle(line.angle() + 25);
        painter.drawLine(side);
        side.setAngle(line.angle() - 25);
        painter.drawLine(side);
    }
};

} // namespace

QImage BubblePressureApparatus(QSize size)
{
    Sheet s(size, BubblePressureSize);
    QPainter &p = s.painter;
    s.Furnace(QRectF(150, 70, 160, 186));
    s.Crucible(QRectF(190, 170, 70, 62), 140);
    // Capillary down to its tip in the liquid, with the bubble on it.
    p.drawLine(QPointF(222, 30), QPointF(222, 212));
    p.drawLine(QPointF(228, 30), QPointF(228, 212));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(225, 216), 7, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 0.8, Qt::DashLine));
    p.drawLine(QPointF(260, 170), QPointF(280, 170));
    p.drawLine(QPointF(232, 212), QPointF(280, 212));
    p.setPen(QPen(Ink, 1.4));
    s.Dimension(QPointF(274, 171), QPointF(274, 211));
    s.Text(277, 196, QStringLiteral("h"), true);
    s.Text(284, 200, QStringLiteral("a"), true);
    // Gas supply and the U-tube manometer.
    p.drawLine(QPointF(225, 30), QPointF(40, 30));
    p.drawLine(QPointF(120, 30), QPointF(120, 14));
    s.Text(126, 20, QStringLiteral("Ar"));
    p.drawPolyline(QPolygonF({ { 40, 30 }, { 40, 190 }, { 80, 190 }, { 80, 60 } }));
    p.setPen(QPen(QColor(0x30, 0x60, 0xb0), 5));
    p.drawPolyline(QPolygonF({ { 40, 150 }, { 40, 187 }, { 80, 187 }, { 80, 110 } }));
    p.setPen(QPen(Ink, 1.4));
    s.Dimension(QPointF(96, 110), QPointF(96, 150));
    s.Text(100, 134, QStringLiteral("h"), true);
    s.Text(107, 138, QStringLiteral("m"), true);
    s.Text(26, 212, QStringLiteral("manometer"));
    s.Text(234, 52, QStringLiteral("capillary"));
    s.Text(262, 274, QStringLiteral("furnace"));
    p.drawLine(QPointF(214, 226), QPointF(200, 266));
    s.Text(160, 276, QStringLiteral("liquid alloy"));
    return s.Finish();
}

QImage Dilatometer(QSize size)
{
    Sheet s(size, DilatometerSize);
    QPainter &p = s.painter;
    // Displacement transducer and the rod down to the piston.
    p.setBrush(QColor(0xd8, 0xe4, 0xf0));
    p.drawRect(QRectF(84, 14, 88, 40));
    s.Text(96, 38, QStringLiteral("transducer"));
    p.drawLine(QPointF(128, 54), QPointF(128, 150));
    s.Furnace(QRectF(40, 90, 176, 220));
    // Crucible, liquid column and the piston on it.
    s.Crucible(QRectF(93, 166, 70, 104), 140);
    p.setBrush(QColor(0x70, 0x70, 0x70));
    p.drawRect(QRectF(95, 150, 66, 16));
    p.setBrush(Qt::NoBrush);
    s.Dimension(QPointF(93, 284), QPointF(163, 284));
    s.Text(124, 300, QStringLiteral("D"), true);
    s.Dimension(QPointF(178, 166), QPointF(178, 270));
    s.Text(183, 222, QStringLiteral("H"), true);
    s.Text(100, 224, QStringLiteral("liquid"));
    s.Text(60, 324, QStringLiteral("furnace"));
    s.Text(136, 120, QStringLiteral("piston"));
    return s.Finish();
}

QImage WettingCurve(QSize size)
{
    Sheet s(size, WettingCurveSize);
    QPainter &p = s.painter;
    const qreal zero = 70;
    p.drawLine(QPointF(20, 120), QPointF(20, 10));
    p.drawLine(QPointF(20, zero), QPointF(190, zero));
    s.Text(6, 18, QStringLiteral("F"), true);
    s.Text(182, zero + 14, QStringLiteral("t"), true);
    QPainterPath curve(QPointF(20, zero));
    curve.cubicTo(QPointF(30, zero + 45), QPointF(45, zero + 45), QPointF(58, zero));
    curve.cubicTo(QPointF(70, zero - 40), QPointF(95, zero - 45), QPointF(185, zero - 46));
    p.setPen(QPen(QColor(0x1d, 0x4f, 0x91), 2.2));
    p.drawPath(curve);
    return s.Finish();
}

} // namespace Schematics
