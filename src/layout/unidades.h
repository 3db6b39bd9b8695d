#pragma once
// The measures of the screen and of the page, in one place. Windows are laid out in twips, 15 to a
// pixel; the pages are measured in millimetres, 56.7 twips each (so 3.78 pixels to a millimetre),
// and the screen page is 297 mm high, as an A4 sheet.

#include <cmath>

namespace oraculandia::unidades {

inline constexpr double kTwipsPorPixel = 15.0;
inline constexpr double kTwipsPorMm = 56.7;
inline constexpr double kPixelsPorMm = kTwipsPorMm / kTwipsPorPixel;

// The height of the page the viewer shows, in millimetres.
inline constexpr int kAlturaPaginaMm = 297;

// An inch, for the resolutions given in dots per inch.
inline constexpr double kMmPorPolegada = 25.4;
inline constexpr double kMetrosPorPolegada = 0.0254;

// A length in twips as whole pixels, to the nearest (a half to the even neighbour).
inline int PixelsDeTwips(double twips) {
    return static_cast<int>(std::nearbyint(twips / kTwipsPorPixel));
}

// A length in millimetres as whole pixels, to the nearest (a half away from zero).
inline int PixelsDeMm(double mm) {
    return static_cast<int>(std::lround(mm * kPixelsPorMm));
}

} // namespace oraculandia::unidades
