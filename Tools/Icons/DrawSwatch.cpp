// Draws the add-on's icons: a paint swatch (a fan of three colour cards, each in three shades
// of one colour above a white label with a rivet) as PNG files.
//
//   Swatch18.png, Swatch36.png        icon 10001: the 18 × 18 symbol at two display scales
//   FileIcon512.png, FileIcon256.png  icon group 1: the symbol on a rounded tile; the compiler
//                                     makes the smaller bitmaps of the group from the 512 image
//
// The PNG files are kept in Resources/Icons; after a change to the drawing, run
//   cmake --build build --target draw-swatch && build/draw-swatch Resources/Icons
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

namespace {

struct Colour {
    double r, g, b, a;
};

constexpr Colour Rgb (unsigned value)
{
    return { ((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0, 1.0 };
}

constexpr Colour Clear { 0, 0, 0, 0 };
constexpr Colour Outline = Rgb (0x2B2B2B);
constexpr Colour Label = Rgb (0xFFFFFF);

// One card of the fan, in the 18-unit space of the symbol (y grows downwards).
struct Card {
    double                angle;    // degrees, clockwise, about the rivet
    double                bottom;   // the foot; the back cards end just below the rivet, hidden
    std::array<Colour, 3> shades;   // top to bottom
};

// Every card turns about the rivet near its foot.
constexpr double PivotX = 9.0, PivotY = 15.0;
// A card before turning: x from 6 to 12, y from 1 to its foot; bands of 4 units, then the label.
constexpr double CardLeft = 6.0, CardRight = 12.0, CardTop = 1.0, LabelTop = 13.0;
constexpr double CornerRadius = 1.0, RivetRadius = 0.8;

const std::array<Card, 3> Fan = { {
    { -34.0, 15.5, { Rgb (0x1F5F8B), Rgb (0x3C86B5), Rgb (0x8CC0E0) } },   // back left: blues
    { 34.0, 15.5, { Rgb (0x2E7D4F), Rgb (0x4FA56F), Rgb (0xA3D6AE) } },    // back right: greens
    { 0.0, 17.0, { Rgb (0xB8432F), Rgb (0xE07A3F), Rgb (0xF2B950) } },     // front: reds to yellow
} };

bool InsideRoundedRect (double x, double y, double left, double top, double right, double bottom, double radius)
{
    if (x < left || x > right || y < top || y > bottom)
        return false;
    double cx = std::clamp (x, left + radius, right - radius);
    double cy = std::clamp (y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// The colour of the card at a point of the symbol, or nothing (alpha 0) outside it.
Colour CardAt (const Card& card, double x, double y, double outlineWidth)
{
    const double turn = -card.angle * M_PI / 180.0;   // back into the card's upright position
    const double dx = x - PivotX, dy = y - PivotY;
    const double ux = PivotX + dx * std::cos (turn) - dy * std::sin (turn);
    const double uy = PivotY + dx * std::sin (turn) + dy * std::cos (turn);

    if (!InsideRoundedRect (ux, uy, CardLeft, CardTop, CardRight, card.bottom, CornerRadius))
        return Clear;
    const double w = outlineWidth;
    if (!InsideRoundedRect (ux, uy, CardLeft + w, CardTop + w, CardRight - w, card.bottom - w, std::max (0.0, CornerRadius - w)))
        return Outline;
    const double rivet = std::hypot (ux - PivotX, uy - PivotY);
    if (rivet <= RivetRadius)
        return Outline;
    if (uy >= LabelTop)
        return uy < LabelTop + w / 2 ? Outline : Label;
    int band = std::clamp (static_cast<int> ((uy - CardTop) / 4.0), 0, 2);
    return card.shades[band];
}

Colour Over (const Colour& top, const Colour& under)
{
    double a = top.a + under.a * (1 - top.a);
    if (a <= 0)
        return Clear;
    auto mix = [&] (double t, double u) { return (t * top.a + u * under.a * (1 - top.a)) / a; };
    return { mix (top.r, under.r), mix (top.g, under.g), mix (top.b, under.b), a };
}

Colour SymbolAt (double x, double y, double outlineWidth)
{
    Colour colour = Clear;
    for (const Card& card : Fan)
        colour = Over (CardAt (card, x, y, outlineWidth), colour);
    return colour;
}

// The file icon: the symbol on a rounded tile, in a 1 × 1 space.
Colour FileIconAt (double x, double y)
{
    constexpr Colour Tile = Rgb (0xF4EFE6);
    constexpr Colour TileEdge = Rgb (0xC9BFAE);
    constexpr double margin = 0.04, radius = 0.18, edge = 0.012;
    Colour           background = Clear;
    if (InsideRoundedRect (x, y, margin, margin, 1 - margin, 1 - margin, radius))
        background =
            InsideRoundedRect (x, y, margin + edge, margin + edge, 1 - margin - edge, 1 - margin - edge, radius - edge) ? Tile : TileEdge;
    // The symbol fills the middle 80 % of the tile.
    const double symbolX = (x - 0.1) / 0.8 * 18.0, symbolY = (y - 0.1) / 0.8 * 18.0;
    return Over (SymbolAt (symbolX, symbolY, 0.6), background);
}

template <typename Paint> std::vector<unsigned char> Render (int size, int samples, Paint paint)
{
    std::vector<unsigned char> rgba (static_cast<std::size_t> (size) * size * 4);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double sum[4] = { 0, 0, 0, 0 };
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    Colour c = paint ((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size);
                    sum[0] += c.r * c.a;
                    sum[1] += c.g * c.a;
                    sum[2] += c.b * c.a;
                    sum[3] += c.a;
                }
            }
            unsigned char* out = &rgba[(static_cast<std::size_t> (py) * size + px) * 4];
            for (int k = 0; k < 3; ++k)
                out[k] = sum[3] > 0 ? static_cast<unsigned char> (std::lround (255 * sum[k] / sum[3])) : 0;
            out[3] = static_cast<unsigned char> (std::lround (255 * sum[3] / (samples * samples)));
        }
    }
    return rgba;
}

bool WritePng (const std::string& path, int size, const std::vector<unsigned char>& rgba)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32> (size);
    image.height = static_cast<png_uint_32> (size);
    image.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file (&image, path.c_str (), 0, rgba.data (), 0, nullptr) == 0) {
        std::fprintf (stderr, "draw-swatch: cannot write %s: %s\n", path.c_str (), image.message);
        return false;
    }
    return true;
}

}   // namespace

int main (int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf (stderr, "usage: draw-swatch OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = std::string (argv[1]) + "/";
    bool              ok = true;
    for (int size : { 18, 36 })
        ok = WritePng (folder + "Swatch" + std::to_string (size) + ".png", size,
                       Render (size, 16, [] (double x, double y) { return SymbolAt (x * 18, y * 18, 1.0); })) &&
             ok;
    for (int size : { 512, 256 })
        ok = WritePng (folder + "FileIcon" + std::to_string (size) + ".png", size, Render (size, 4, FileIconAt)) && ok;
    return ok ? 0 : 1;
}
