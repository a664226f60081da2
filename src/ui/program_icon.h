#pragma once

#include <QIcon>

// The program's icon, drawn as packaging/nivra.svg draws it (an altitude trace climbing over a
// grid, the vario beneath it), so that the window and the About box have it without the
// installed icon theme or an SVG reader.
QIcon ProgramIcon();
