#pragma once
// The inclusion table of the report (section 29) drawn as a 3 x 3 grid, 1 2 3 / 4 5 6 / 7 8 9:
// each cell holds its number small in the top-left corner and its count large in the middle; a
// number the name lacks has a shaded cell and a dash. Drawn on any SuperficieDesenho, so the
// screen, the printer and the PDF show the same grid.

#include <array>
#include <cstdint>

#include "layout/superficie.h"

namespace oraculandia {

// Light grey of a cell whose number the name lacks.
inline constexpr uint32_t kCorCelulaVazia = 0xE0E0E0;
// Thickness of the grid's lines, millimetres.
inline constexpr double kEspessuraQuadro = 0.3;

struct MedidasQuadro {
    double celulaLargura = 0;
    double celulaAltura = 0;
    double Largura() const { return 3 * celulaLargura; }
    double Altura() const { return 3 * celulaAltura; }
};

// Cell size for the surface's current font: at least 20 x 12 mm, and wide and tall enough for a
// count of up to four digits at twice the font's size.
MedidasQuadro MedirQuadroInclusao(SuperficieDesenho& superficie);

// Draws the grid with its top-left corner at (x, y), in the current font (restored on return,
// as are X and Y).
void DesenharQuadroInclusao(SuperficieDesenho& superficie, double x, double y,
                            const std::array<int64_t, 9>& contagens);

} // namespace oraculandia
