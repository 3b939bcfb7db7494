#pragma once

#include <QImage>
#include <QPainterPath>

#include <array>
#include <string_view>

namespace assets {

// What an area of the opening drawing shows. The colour schemes give colours by these names, so
// a scheme colours a roof as a roof whatever the drawing's areas come to after an edit.
enum class Kind : int {
    Sky, Cloud, Sun, Ray, Banner, BannerEnd, Letter, Field, Pine, Hills, Roof, Wall, Chimney,
    Window, Door, Knob, Barn, BarnRoof, BarnDoor, Crown, Trunk, Apple, Sheep, SheepHead, Fence,
    Grass, Petal, Middle, Leaf, Tulip, Wing, Pebble, Ladybird,
};
inline constexpr std::array<std::string_view, 33> kKindNames = {"sky", "cloud", "sun", "ray", "banner",
    "bannerend", "letter", "field", "pine", "hills", "roof", "wall", "chimney", "window", "door", "knob",
    "barn", "barnroof", "barndoor", "crown", "trunk", "apple", "sheep", "sheephead", "fence", "grass",
    "petal", "middle", "leaf", "tulip", "wing", "pebble", "ladybird"};
static_assert(kKindNames.size() == std::size_t(Kind::Ladybird) + 1, "one name for each kind");

// Two pictures drawn in step: the line art a child sees, and beneath it a plan that says for
// every pixel which kind of thing was drawn there last. A shape painted over others hides their
// lines on the line art and their kind on the plan alike.
class SceneCanvas {
public:
    SceneCanvas(int width, int height);

    // A closed shape: white inside and outlined in black, its inside marked with its kind. The
    // areas of one variant share a colour (the petals of one flower); without one (0), the areas
    // of a kind take the scheme's colours for it in turn.
    void shape(const QPainterPath& outline, Kind kind, double penWidth = 2.0, int variant = 0);
    // Black lines only (bricks, tiles, hedges), kept inside `within` when it is given.
    void lines(const QPainterPath& path, double penWidth = 2.0, const QPainterPath& within = {});
    // Solid black (eyes, spots).
    void blot(const QPainterPath& area);
    // A black frame of that width around the whole picture.
    void frame(int width);

    const QImage& ink() const { return ink_; }
    const QImage& plan() const { return plan_; }

private:
    QImage ink_;
    QImage plan_;
};

// A pixel of the plan: the kind drawn there and its variant.
inline Kind planKind(QRgb pixel) { return Kind(qBlue(pixel)); }
inline int planVariant(QRgb pixel) { return qGreen(pixel); }

// Draws the countryside with its "Dabwick" banner inside a black frame of `frame` pixels.
void drawOpeningScene(SceneCanvas& canvas, int frame);

}  // namespace assets
