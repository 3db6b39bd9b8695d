#include "layout/quadro_inclusao.h"

#include <algorithm>
#include <string>

namespace oraculandia {

namespace {

// The font of the counts: twice the text's size, bold.
void FonteContagem(SuperficieDesenho& s, double tamanho) {
    s.DefinirTamanhoFonte(tamanho * 2);
    s.DefinirNegrito(true);
}

} // namespace

MedidasQuadro MedirQuadroInclusao(SuperficieDesenho& s) {
    const double tamanho = s.TamanhoFonte();
    const bool negrito = s.Negrito();
    const double alturaNumero = s.AlturaTexto("9");
    FonteContagem(s, tamanho);
    MedidasQuadro m;
    m.celulaLargura = std::max(20.0, s.LarguraTexto("9999") + 4);
    m.celulaAltura = std::max(12.0, s.AlturaTexto("9") + alturaNumero + 2);
    s.DefinirTamanhoFonte(tamanho);
    s.DefinirNegrito(negrito);
    return m;
}

void DesenharQuadroInclusao(SuperficieDesenho& s, double x, double y,
                            const std::array<int64_t, 9>& contagens) {
    const double tamanho = s.TamanhoFonte();
    const bool negrito = s.Negrito();
    const double x0 = s.X();
    const double y0 = s.Y();
    const MedidasQuadro m = MedirQuadroInclusao(s);
    const double l = m.celulaLargura;
    const double a = m.celulaAltura;

    for (int i = 0; i < 9; ++i) {
        const double cx = x + (i % 3) * l;
        const double cy = y + (i / 3) * a;
        const int64_t n = contagens[static_cast<std::size_t>(i)];
        if (n == 0) {
            s.Retangulo(cx, cy, cx + l, cy + a, kCorCelulaVazia);
        }
        // The number of the cell, small, in its corner.
        s.DefinirCor(kCorPreta);
        s.DefinirTamanhoFonte(tamanho);
        s.DefinirNegrito(false);
        s.DefinirX(cx + 1);
        s.DefinirY(cy + 0.5);
        s.Imprimir(std::to_string(i + 1));
        // The count, large, centred.
        FonteContagem(s, tamanho);
        const std::string contagem = n == 0 ? std::string("-") : std::to_string(n);
        s.DefinirX(cx + (l - s.LarguraTexto(contagem)) / 2);
        s.DefinirY(cy + (a - s.AlturaTexto(contagem)) / 2);
        s.Imprimir(contagem);
    }
    // The lines over the cells: four across, four down.
    const double e = kEspessuraQuadro;
    for (int k = 0; k <= 3; ++k) {
        s.Retangulo(x, y + k * a - e / 2, x + 3 * l, y + k * a + e / 2, kCorPreta);
        s.Retangulo(x + k * l - e / 2, y, x + k * l + e / 2, y + 3 * a, kCorPreta);
    }
    s.DefinirTamanhoFonte(tamanho);
    s.DefinirNegrito(negrito);
    s.DefinirX(x0);
    s.DefinirY(y0);
}

} // namespace oraculandia
