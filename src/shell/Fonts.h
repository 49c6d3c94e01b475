#pragma once

// Maps the font names the layouts use (B Nazanin, B Titr, B Mitra, Arabic Transparent,
// MS Sans Serif, Arial) to installed faces, and sets the application font, so that no
// text falls back to boxes.
namespace Fonts {
void install();
} // namespace Fonts
