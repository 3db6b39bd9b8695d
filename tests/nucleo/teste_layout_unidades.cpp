// The measures of the screen and the page: 15 twips to a pixel, 56.7 to a millimetre, and each
// conversion rounding as its windows always did (twips: a half to the even pixel; millimetres: a
// half away from zero).
#include <gtest/gtest.h>

#include "layout/unidades.h"

using namespace oraculandia::unidades;

TEST(Unidades, MedidasERedondamentos) {
    EXPECT_EQ(kPixelsPorMm, 56.7 / 15);
    EXPECT_EQ(kAlturaPaginaMm, 297);
    // The main window's bar and the name dialog's width; a half goes to the even pixel.
    EXPECT_EQ(PixelsDeTwips(735), 49);
    EXPECT_EQ(PixelsDeTwips(4980), 332);
    EXPECT_EQ(PixelsDeTwips(22.5 * 15), 22);
    EXPECT_EQ(PixelsDeTwips(23.5 * 15), 24);
    // The font preview (120 x 32 mm) and the page height; a half goes away from zero.
    EXPECT_EQ(PixelsDeMm(120), 454);
    EXPECT_EQ(PixelsDeMm(32), 121);
    EXPECT_EQ(PixelsDeMm(297), 1123);
    EXPECT_EQ(PixelsDeMm(22.5 / kPixelsPorMm), 23);
}
