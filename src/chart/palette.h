#pragma once

#include <QColor>

// The ten series colours; any index is taken modulo 10.
QColor PaletteColor(int index);
// The index of a colour by exact match of its red, green and blue; 9 (black) when it is not in the palette.
int PaletteIndex(QColor color);
// The colour's name as the style dialog lists it ("red", "green", ...).
const char* PaletteName(int index);
// The index of the palette colour nearest to any colour (the red-weighted RGB
// distance); exact palette colours give their own index.
int NearestPaletteIndex(QColor color);
