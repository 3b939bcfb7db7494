// The opening drawing: a house with a brick wall and a barn on a green hill, fields and pine
// trees behind, apple trees, a picket fence, a meadow of flowers with a sheep and a ladybird,
// the sun and clouds, and a ribbon banner that says "Dabwick". Shapes are drawn back to front.
#include "OpeningScene.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace assets {

namespace {

QPainterPath circle(double cx, double cy, double r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry, double degrees = 0)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(cx, cy).rotate(degrees).map(path);
}

QPainterPath rect(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath blob(std::initializer_list<QPainterPath> parts)
{
    QPainterPath all;
    for (const QPainterPath& part : parts)
        all = all.united(part);
    return all;
}

QPainterPath segment(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// Courses of bricks or tiles: a line every `course` pixels down, joints every `brick` pixels
// across, every other course shifted by half a brick.
QPainterPath courses(const QRectF& area, double course, double brick)
{
    QPainterPath path;
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += course, ++row) {
        path.addPath(segment({area.left(), y}, {area.right(), y}));
        for (double x = area.left() + (row % 2 ? brick / 2 : 0); x < area.right(); x += brick)
            path.addPath(segment({x, y}, {x, std::min(y + course, area.bottom())}));
    }
    return path;
}

void sun(SceneCanvas& canvas, double cx, double cy, double r)
{
    constexpr int kRays = 16;
    for (int i = 0; i < kRays; ++i) {
        const double a = 2 * std::numbers::pi * i / kRays;
        const double spread = 0.13;
        const auto at = [&](double radius, double angle) {
            return QPointF(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
        };
        canvas.shape(polygon({at(r + 7, a - spread), at(r + 25, a), at(r + 7, a + spread)}), Kind::Ray);
    }
    canvas.shape(circle(cx, cy, r), Kind::Sun);
    canvas.shape(circle(cx - 16, cy + 5, 4.5), Kind::Ray, 1.5);
    canvas.shape(circle(cx + 16, cy + 5, 4.5), Kind::Ray, 1.5);
    canvas.blot(circle(cx - 10, cy - 7, 3.5));
    canvas.blot(circle(cx + 10, cy - 7, 3.5));
    QPainterPath smile({cx - 13, cy + 7});
    smile.quadTo(cx, cy + 20, cx + 13, cy + 7);
    canvas.lines(smile, 2.5);
}

void cloud(SceneCanvas& canvas, double cx, double cy, double s, Kind kind = Kind::Cloud)
{
    canvas.shape(blob({circle(cx - 28 * s, cy + 4 * s, 16 * s), circle(cx - 9 * s, cy - 8 * s, 20 * s),
                     circle(cx + 13 * s, cy - 5 * s, 18 * s), circle(cx + 31 * s, cy + 5 * s, 14 * s),
                     rect(cx - 36 * s, cy + 2 * s, 68 * s, 17 * s)}),
        kind);
}

void star(SceneCanvas& canvas, double cx, double cy, double r)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double a = std::numbers::pi * (i / 5.0 - 0.5);
        const double radius = i % 2 ? r * 0.45 : r;
        points << QPointF(cx + radius * std::cos(a), cy + radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    canvas.shape(path, Kind::Sun, 1.6);
}

void mushroom(SceneCanvas& canvas, double cx, double cy)
{
    // The stem and the spots are white like the fence, the cap red like an apple.
    canvas.shape(rect(cx - 3.5, cy - 2, 7, 12), Kind::Fence, 1.6);
    QPainterPath cap({cx - 11, cy});
    cap.quadTo(cx - 10, cy - 13, cx, cy - 13);
    cap.quadTo(cx + 10, cy - 13, cx + 11, cy);
    cap.closeSubpath();
    canvas.shape(cap, Kind::Apple, 1.8);
    canvas.shape(circle(cx - 4, cy - 6, 2.2), Kind::Fence, 1.2);
    canvas.shape(circle(cx + 4, cy - 8, 2), Kind::Fence, 1.2);
}

void kite(SceneCanvas& canvas, double cx, double cy)
{
    QPainterPath string({cx, cy + 18});
    string.cubicTo(cx - 10, cy + 34, cx - 30, cy + 20, cx - 44, cy + 40);
    canvas.lines(string, 1.5);
    const QPainterPath sail = polygon({{cx, cy - 20}, {cx + 14, cy - 4}, {cx, cy + 18}, {cx - 14, cy - 4}});
    canvas.shape(sail, Kind::Tulip, 2, 1);
    canvas.lines(segment({cx, cy - 20}, {cx, cy + 18}).united(segment({cx - 14, cy - 4}, {cx + 14, cy - 4})), 1.6);
}

void banner(SceneCanvas& canvas)
{
    canvas.shape(polygon({{200, 36}, {128, 36}, {150, 63}, {128, 92}, {200, 92}}), Kind::BannerEnd);
    canvas.shape(polygon({{460, 36}, {532, 36}, {510, 63}, {532, 92}, {460, 92}}), Kind::BannerEnd);
    canvas.shape(polygon({{180, 78}, {200, 78}, {200, 92}}), Kind::Banner);
    canvas.shape(polygon({{480, 78}, {460, 78}, {460, 92}}), Kind::Banner);
    QPainterPath ribbon({180, 14});
    ribbon.quadTo(330, 2, 480, 14);
    ribbon.lineTo(480, 80);
    ribbon.quadTo(330, 68, 180, 80);
    ribbon.closeSubpath();
    canvas.shape(ribbon, Kind::Banner, 2.5);

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(52);
    if (QFontInfo(font).family() != "DejaVu Sans")
        throw std::runtime_error("the opening banner needs the DejaVu Sans font (Debian fonts-dejavu-core)");
    QPainterPath word;
    word.addText(0, 0, font, "Dabwick");
    const QRectF box = word.boundingRect();
    word.translate(330 - box.center().x(), 44 - box.center().y());
    canvas.shape(word, Kind::Letter, 2.2);
}

void farHills(SceneCanvas& canvas)
{
    QPainterPath right({250, 175});
    right.cubicTo(360, 110, 520, 104, 656, 146);
    right.lineTo(656, 260);
    right.lineTo(250, 260);
    right.closeSubpath();
    QPainterPath left({4, 168});
    left.cubicTo(60, 128, 190, 120, 310, 178);
    left.lineTo(310, 260);
    left.lineTo(4, 260);
    left.closeSubpath();
    for (const QPainterPath& hill : {right, left}) {
        canvas.shape(hill, Kind::Field);
        QPainterPath hedges;
        for (double y : {122.0, 134.0, 146.0, 160.0, 176.0, 194.0})
            hedges.addPath(segment({0, y + 6}, {660, y - 6}));
        for (double x = 30; x < 660; x += 44)
            hedges.addPath(segment({x, 100}, {x + 30, 260}));
        canvas.lines(hedges, 1.6, hill);
    }
    for (const QPointF at : {QPointF(392, 140), QPointF(418, 148), QPointF(610, 146), QPointF(160, 150)}) {
        canvas.shape(rect(at.x() - 2.5, at.y() + 26, 5, 8), Kind::Trunk, 1.6);
        for (int tier = 2; tier >= 0; --tier) {
            const double top = at.y() + tier * 8;
            const double half = 7 + tier * 3;
            canvas.shape(
                polygon({{at.x(), top}, {at.x() + half, top + 14}, {at.x() - half, top + 14}}), Kind::Pine, 1.6);
        }
    }
}

void house(SceneCanvas& canvas)
{
    cloud(canvas, 334, 110, 0.25);
    cloud(canvas, 350, 92, 0.33);
    cloud(canvas, 372, 72, 0.4);
    const QPainterPath chimney = rect(296, 128, 22, 50);
    canvas.shape(chimney, Kind::Chimney);
    canvas.lines(courses(chimney.boundingRect(), 9, 11), 1.5, chimney);
    canvas.shape(rect(291, 121, 32, 8), Kind::Chimney);

    const QPainterPath roof = polygon({{130, 202}, {240, 124}, {350, 202}});
    canvas.shape(roof, Kind::Roof, 2.5);
    canvas.lines(courses({130, 135, 220, 70}, 9, 15), 1.5, roof);
    canvas.shape(circle(240, 174, 14), Kind::Window);
    canvas.lines(segment({226, 174}, {254, 174}).united(segment({240, 160}, {240, 188})), 2);

    const QPainterPath walls = rect(148, 200, 184, 94);
    canvas.shape(walls, Kind::Wall, 2.5);
    canvas.lines(courses(walls.boundingRect(), 7.9, 18), 1.5, walls);
    for (double x : {164.0, 270.0}) {
        canvas.shape(rect(x, 214, 46, 40), Kind::Window);
        canvas.lines(segment({x + 23, 214}, {x + 23, 254}).united(segment({x, 234}, {x + 46, 234})), 2.5);
        // A box of flowers on the sill, each flower its own colour.
        for (double dx : {8.0, 23.0, 38.0})
            canvas.shape(circle(x + dx, 252, 5), Kind::Tulip, 1.5, int(dx));
        canvas.shape(rect(x - 5, 254, 56, 8), Kind::Door);
    }
    QPainterPath door({218, 294});
    door.lineTo(218, 252);
    door.arcTo(218, 230, 44, 44, 180, -180);
    door.lineTo(262, 294);
    door.closeSubpath();
    canvas.shape(door, Kind::Door, 2.5);
    for (double y : {250.0, 273.0}) {
        canvas.shape(rect(224, y, 13, 17), Kind::Door, 1.6);
        canvas.shape(rect(243, y, 13, 17), Kind::Door, 1.6);
    }
    canvas.shape(circle(240, 270, 3), Kind::Knob, 1.5);
    canvas.shape(rect(210, 292, 60, 6), Kind::Pebble);
}

void barn(SceneCanvas& canvas)
{
    canvas.shape(polygon({{460, 214}, {480, 182}, {535, 160}, {590, 182}, {610, 214}}), Kind::BarnRoof, 2.5);
    const QPainterPath walls = rect(470, 210, 130, 84);
    canvas.shape(walls, Kind::Barn, 2.5);
    QPainterPath planks;
    for (double x = 478; x < 600; x += 8)
        planks.addPath(segment({x, 210}, {x, 294}));
    canvas.lines(planks, 1.5, walls);
    canvas.shape(rect(522, 180, 26, 22), Kind::Window);
    canvas.lines(segment({535, 180}, {535, 202}).united(segment({522, 191}, {548, 191})), 2);
    const QPainterPath door = rect(508, 238, 54, 56);
    canvas.shape(door, Kind::BarnDoor, 2.5);
    canvas.lines(segment({508, 238}, {562, 294}).united(segment({562, 238}, {508, 294})), 3, door);
    canvas.lines(segment({535, 238}, {535, 294}), 2.5);
}

void appleTree(SceneCanvas& canvas, double cx, double cy)
{
    canvas.shape(polygon({{cx - 7, cy + 20}, {cx + 7, cy + 20}, {cx + 10, cy + 76}, {cx - 10, cy + 76}}), Kind::Trunk);
    canvas.shape(ellipse(cx, cy + 56, 3, 5), Kind::Door, 1.5);
    canvas.shape(blob({circle(cx - 26, cy + 2, 27), circle(cx, cy - 18, 31), circle(cx + 26, cy + 2, 27),
                     circle(cx, cy + 16, 25)}),
        Kind::Crown, 2.5);
    const QPointF apples[] = {{-28, -4}, {-8, -30}, {14, -14}, {30, 6}, {-14, 14}, {8, 20}, {-30, 16}, {22, -30},
        {-40, 4}, {-10, -6}, {40, -6}};
    for (const QPointF a : apples)
        canvas.shape(circle(cx + a.x(), cy + a.y(), 5.5), Kind::Apple, 1.6);
}

void fence(SceneCanvas& canvas)
{
    for (double x = 7; x < 648; x += 13.5)
        canvas.shape(polygon({{x, 304}, {x + 4.5, 296}, {x + 9, 304}, {x + 9, 348}, {x, 348}}), Kind::Fence);
    canvas.shape(rect(2, 310, 656, 7), Kind::Fence);
    canvas.shape(rect(2, 330, 656, 7), Kind::Fence);
}

void daisy(SceneCanvas& canvas, double cx, double cy, double r, int variant)
{
    canvas.lines(segment({cx, cy}, {cx, cy + 2 * r}), 2);
    canvas.shape(ellipse(cx + r * 0.6, cy + 1.3 * r, r * 0.6, r * 0.25, -30), Kind::Leaf, 1.6);
    for (int i = 0; i < 6; ++i) {
        const double a = 60.0 * i - 90;
        const double rad = a * std::numbers::pi / 180;
        canvas.shape(ellipse(cx + r * 0.62 * std::cos(rad), cy + r * 0.62 * std::sin(rad), r * 0.48, r * 0.3, a),
            Kind::Petal, 1.6, variant);
    }
    canvas.shape(circle(cx, cy, r * 0.38), Kind::Middle, 1.6);
}

void tulip(SceneCanvas& canvas, double cx, double cy, int variant)
{
    canvas.lines(segment({cx, cy + 8}, {cx, cy + 30}), 2);
    canvas.shape(ellipse(cx - 6, cy + 18, 7, 2.8, 35), Kind::Leaf, 1.6);
    canvas.shape(ellipse(cx + 6, cy + 21, 7, 2.8, -35), Kind::Leaf, 1.6);
    QPainterPath cup({cx - 9, cy - 8});
    cup.lineTo(cx - 4.5, cy - 2);
    cup.lineTo(cx, cy - 9);
    cup.lineTo(cx + 4.5, cy - 2);
    cup.lineTo(cx + 9, cy - 8);
    cup.quadTo(cx + 10, cy + 10, cx, cy + 10);
    cup.quadTo(cx - 10, cy + 10, cx - 9, cy - 8);
    canvas.shape(cup, Kind::Tulip, 1.8, variant);
    canvas.lines(segment({cx - 4.5, cy - 2}, {cx - 3, cy + 10}).united(segment({cx + 4.5, cy - 2}, {cx + 3, cy + 10})),
        1.5, cup);
}

void butterfly(SceneCanvas& canvas, double cx, double cy, int variant)
{
    canvas.lines(segment({cx, cy - 8}, {cx - 5, cy - 16}).united(segment({cx, cy - 8}, {cx + 5, cy - 16})), 1.5);
    canvas.shape(ellipse(cx - 9, cy - 5, 9, 6, -30), Kind::Wing, 1.6, variant);
    canvas.shape(ellipse(cx + 9, cy - 5, 9, 6, 30), Kind::Wing, 1.6, variant);
    canvas.shape(ellipse(cx - 7, cy + 6, 6, 4.5, 30), Kind::Wing, 1.6, variant);
    canvas.shape(ellipse(cx + 7, cy + 6, 6, 4.5, -30), Kind::Wing, 1.6, variant);
    canvas.shape(ellipse(cx, cy, 2.5, 10), Kind::Middle, 1.6);
}

void sheep(SceneCanvas& canvas, double cx, double cy)
{
    canvas.shape(rect(cx - 16, cy + 10, 6, 14), Kind::SheepHead, 1.6);
    canvas.shape(rect(cx + 8, cy + 10, 6, 14), Kind::SheepHead, 1.6);
    canvas.shape(blob({circle(cx - 18, cy, 11), circle(cx - 6, cy - 8, 12), circle(cx + 8, cy - 7, 12),
                     circle(cx + 18, cy + 1, 11), circle(cx, cy + 6, 12)}),
        Kind::Sheep, 2.2);
    canvas.shape(ellipse(cx + 26, cy - 14, 4, 7, 40), Kind::SheepHead, 1.6);
    canvas.shape(ellipse(cx + 32, cy - 6, 8, 11, -20), Kind::SheepHead, 2);
    canvas.blot(circle(cx + 35, cy - 9, 2));
}

void ladybird(SceneCanvas& canvas, double cx, double cy)
{
    canvas.blot(ellipse(cx - 11, cy + 1, 5, 4.5));
    canvas.shape(ellipse(cx, cy, 10, 7.5), Kind::Ladybird, 1.8);
    canvas.blot(circle(cx - 2, cy - 2.5, 2));
    canvas.blot(circle(cx + 4, cy + 2.5, 2));
    canvas.blot(circle(cx - 3, cy + 3.5, 1.6));
}

void meadow(SceneCanvas& canvas)
{
    canvas.shape(rect(0, 333, 660, 111), Kind::Grass);
    QPainterPath tufts;
    for (double x = 14; x < 650; x += 37) {
        const double y = 372 + std::fmod(x * 7, 50);
        tufts.addPath(segment({x, y}, {x - 4, y - 9}));
        tufts.addPath(segment({x, y}, {x, y - 11}));
        tufts.addPath(segment({x, y}, {x + 4, y - 9}));
    }
    canvas.lines(tufts, 1.5);
    const double daisies[][3] = {{30, 362, 12}, {84, 380, 13}, {150, 360, 12}, {212, 384, 14}, {274, 362, 12},
        {330, 392, 13}, {392, 364, 12}, {452, 384, 12}, {508, 360, 11}, {42, 408, 11}, {178, 404, 10}, {262, 406, 10},
        {420, 406, 10}, {496, 404, 10}};
    int variant = 0;
    for (const auto& d : daisies)
        daisy(canvas, d[0], d[1], d[2], ++variant);
    for (const QPointF at : {QPointF(118, 372), QPointF(242, 368), QPointF(362, 368), QPointF(480, 370),
             QPointF(300, 402), QPointF(540, 400), QPointF(630, 404)})
        tulip(canvas, at.x(), at.y(), ++variant);
    butterfly(canvas, 150, 410, ++variant);
    butterfly(canvas, 560, 352, ++variant);
    sheep(canvas, 594, 372);
    for (const QPointF at : {QPointF(60, 388), QPointF(234, 410), QPointF(560, 414)})
        mushroom(canvas, at.x(), at.y());
    ladybird(canvas, 120, 431);
}

}  // namespace

SceneCanvas::SceneCanvas(int width, int height)
    : ink_(width, height, QImage::Format_RGB32)
    , plan_(width, height, QImage::Format_RGB32)
{
    ink_.fill(Qt::white);
    plan_.fill(QColor::fromRgb(qRgb(0, 0, int(Kind::Sky))));
}

void SceneCanvas::shape(const QPainterPath& outline, Kind kind, double penWidth, int variant)
{
    QPainter ink(&ink_);
    ink.setRenderHint(QPainter::Antialiasing);
    ink.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    ink.setBrush(Qt::white);
    ink.drawPath(outline);
    // The plan is exact: every pixel belongs to one kind, with no blend of two.
    QPainter plan(&plan_);
    plan.fillPath(outline, QColor::fromRgb(qRgb(0, variant, int(kind))));
}

void SceneCanvas::lines(const QPainterPath& path, double penWidth, const QPainterPath& within)
{
    QPainter ink(&ink_);
    ink.setRenderHint(QPainter::Antialiasing);
    if (!within.isEmpty())
        ink.setClipPath(within);
    ink.strokePath(path, QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void SceneCanvas::blot(const QPainterPath& area)
{
    QPainter ink(&ink_);
    ink.setRenderHint(QPainter::Antialiasing);
    ink.fillPath(area, Qt::black);
}

void SceneCanvas::frame(int width)
{
    QPainter ink(&ink_);
    const int w = ink_.width();
    const int h = ink_.height();
    for (const QRect& side :
        {QRect(0, 0, w, width), QRect(0, h - width, w, width), QRect(0, 0, width, h), QRect(w - width, 0, width, h)})
        ink.fillRect(side, Qt::black);
}

void drawOpeningScene(SceneCanvas& canvas, int frame)
{
    sun(canvas, 588, 62, 30);
    cloud(canvas, 70, 44, 1.0);
    cloud(canvas, 300, 108, 0.7);
    cloud(canvas, 120, 100, 0.55);
    cloud(canvas, 520, 118, 0.5);
    for (const QPointF at :
        {QPointF(30, 84), QPointF(150, 20), QPointF(236, 96), QPointF(508, 20), QPointF(640, 126), QPointF(20, 130)})
        star(canvas, at.x(), at.y(), 7);
    kite(canvas, 444, 92);
    QPainterPath birds;
    for (const QPointF at : {QPointF(220, 108), QPointF(246, 100)}) {
        birds.moveTo(at.x() - 9, at.y());
        birds.quadTo(at.x() - 4, at.y() - 6, at.x(), at.y());
        birds.quadTo(at.x() + 4, at.y() - 6, at.x() + 9, at.y());
    }
    canvas.lines(birds, 2);
    banner(canvas);
    farHills(canvas);
    QPainterPath hills({0, 206});
    hills.cubicTo(120, 172, 250, 214, 360, 192);
    hills.cubicTo(450, 172, 560, 186, 660, 200);
    hills.lineTo(660, 444);
    hills.lineTo(0, 444);
    hills.closeSubpath();
    canvas.shape(hills, Kind::Hills, 2.5);
    house(canvas);
    barn(canvas);
    appleTree(canvas, 66, 214);
    appleTree(canvas, 404, 214);
    fence(canvas);
    meadow(canvas);

    canvas.frame(frame);
}

}  // namespace assets
