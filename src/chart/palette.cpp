#include "chart/palette.h"

#include <QtGlobal>

namespace {

struct Entry {
    const char* name;
    int r, g, b;
};

constexpr Entry kPalette[10] = {
    {QT_TRANSLATE_NOOP("Palette", "red"), 255, 0, 0},       {QT_TRANSLATE_NOOP("Palette", "green"), 0, 150, 0},
    {QT_TRANSLATE_NOOP("Palette", "blue"), 0, 0, 255},      {QT_TRANSLATE_NOOP("Palette", "yellow"), 255, 255, 0},
    {QT_TRANSLATE_NOOP("Palette", "cyan"), 0, 255, 255},    {QT_TRANSLATE_NOOP("Palette", "brown"), 255, 128, 0},
    {QT_TRANSLATE_NOOP("Palette", "purple"), 128, 0, 128},  {QT_TRANSLATE_NOOP("Palette", "olive"), 128, 128, 0},
    {QT_TRANSLATE_NOOP("Palette", "magenta"), 255, 0, 255}, {QT_TRANSLATE_NOOP("Palette", "black"), 0, 0, 0},
};

int Wrap(int index)
{
    const int i = index % 10;
    return i < 0 ? i + 10 : i;
}

}  // namespace

QColor PaletteColor(int index)
{
    const Entry& e = kPalette[Wrap(index)];
    return QColor(e.r, e.g, e.b);
}

int PaletteIndex(QColor color)
{
    for (int i = 0; i < 10; ++i)
        if (kPalette[i].r == color.red() && kPalette[i].g == color.green() && kPalette[i].b == color.blue())
            return i;
    return 9;
}

const char* PaletteName(int index)
{
    return kPalette[Wrap(index)].name;
}

int NearestPaletteIndex(QColor color)
{
    int best = 9;
    double bestDistance = 0;
    for (int i = 0; i < 10; ++i) {
        const Entry& e = kPalette[i];
        const double meanRed = (e.r + color.red()) / 2.0;
        const double dr = e.r - color.red(), dg = e.g - color.green(), db = e.b - color.blue();
        const double d = (2 + meanRed / 256) * dr * dr + 4 * dg * dg + (2 + (255 - meanRed) / 256) * db * db;
        if (i == 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}
