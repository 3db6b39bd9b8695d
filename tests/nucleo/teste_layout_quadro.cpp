// The inclusion table's grid and the sections after the 28 in the page walk, on the test surface
// (2 mm per character, 5 mm per line).
#include <gtest/gtest.h>

#include <memory>

#include "layout/percurso.h"
#include "layout/quadro_inclusao.h"
#include "teste_layout_alvo.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::Saida;
using teste::SuperficieTeste;

const std::array<int64_t, 9> kContagens = {5, 0, 1, 3, 0, 0, 0, 0, 12};

std::vector<const Saida*> Retangulos(const SuperficieTeste& s) {
    std::vector<const Saida*> r;
    for (const auto& x : s.saidas)
        if (x.tipo == Saida::Tipo::Retangulo)
            r.push_back(&x);
    return r;
}

// The rectangles of a grid centred in the walker's column (x 75 .. 135), not the header's or
// the footer's rules.
std::size_t RetangulosDoQuadro(const SuperficieTeste& s) {
    std::size_t n = 0;
    for (const Saida* x : Retangulos(s))
        n += x->x >= 74 && x->largura <= 136;
    return n;
}

TEST(QuadroInclusao, TresPorTresComContagensETracos) {
    SuperficieTeste s;
    s.DefinirX(7);
    s.DefinirY(9);
    const MedidasQuadro m = MedirQuadroInclusao(s);
    EXPECT_DOUBLE_EQ(m.celulaLargura, 20); // "9999" at 20 points is 8 mm: the minimum holds
    EXPECT_DOUBLE_EQ(m.celulaAltura, 12);
    DesenharQuadroInclusao(s, 50, 100, kContagens);

    // Each cell: its number in the corner, then its count (or a dash) centred, bold, twice the size.
    const std::vector<Saida> textos = s.Textos();
    ASSERT_EQ(textos.size(), 18u);
    const char* contagens[9] = {"5", "-", "1", "3", "-", "-", "-", "-", "12"};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i + 1);
        const Saida& numero = textos[static_cast<std::size_t>(2 * i)];
        const Saida& contagem = textos[static_cast<std::size_t>(2 * i + 1)];
        const double cx = 50 + (i % 3) * 20.0;
        const double cy = 100 + (i / 3) * 12.0;
        EXPECT_EQ(numero.texto, std::to_string(i + 1));
        EXPECT_DOUBLE_EQ(numero.x, cx + 1);
        EXPECT_DOUBLE_EQ(numero.y, cy + 0.5);
        EXPECT_EQ(numero.tamanho, 10);
        EXPECT_FALSE(numero.negrito);
        EXPECT_EQ(contagem.texto, contagens[i]);
        EXPECT_DOUBLE_EQ(contagem.x, cx + (20 - 2.0 * contagem.texto.size()) / 2);
        EXPECT_DOUBLE_EQ(contagem.y, cy + 3.5);
        EXPECT_EQ(contagem.tamanho, 20);
        EXPECT_TRUE(contagem.negrito);
    }
    // Five shaded cells (2, 5, 6, 7, 8), then four lines across and four down.
    const auto r = Retangulos(s);
    ASSERT_EQ(r.size(), 13u);
    const int vazias[5] = {1, 4, 5, 6, 7};
    for (int k = 0; k < 5; ++k) {
        EXPECT_DOUBLE_EQ(r[static_cast<std::size_t>(k)]->x, 50 + (vazias[k] % 3) * 20.0);
        EXPECT_DOUBLE_EQ(r[static_cast<std::size_t>(k)]->y, 100 + (vazias[k] / 3) * 12.0);
        EXPECT_DOUBLE_EQ(r[static_cast<std::size_t>(k)]->largura, 50 + (vazias[k] % 3) * 20.0 + 20);
    }
    for (int k = 0; k <= 3; ++k) {
        const Saida& h = *r[static_cast<std::size_t>(5 + 2 * k)];
        const Saida& v = *r[static_cast<std::size_t>(6 + 2 * k)];
        EXPECT_DOUBLE_EQ(h.x, 50);
        EXPECT_DOUBLE_EQ(h.largura, 110);
        EXPECT_DOUBLE_EQ((h.y + h.altura) / 2, 100 + 12.0 * k);
        EXPECT_DOUBLE_EQ(v.y, 100);
        EXPECT_DOUBLE_EQ(v.altura, 136);
        EXPECT_DOUBLE_EQ((v.x + v.largura) / 2, 50 + 20.0 * k);
    }
    // The surface is left as it was.
    EXPECT_EQ(s.TamanhoFonte(), 10);
    EXPECT_FALSE(s.Negrito());
    EXPECT_DOUBLE_EQ(s.X(), 7);
    EXPECT_DOUBLE_EQ(s.Y(), 9);
}

using teste::AlvoTeste;

struct Cenario {
    SecoesAnalise secoes;
    SecoesComplementares complementos;
    ConfiguracaoPrograma cfg;
    FontesAnalise fontes;
    ContextoPagina ctx;
    GeometriaPagina g{210, 297, 272};
    SelecaoComplementos selecao{};
    Cenario() {
        ctx.MargensImpressao = {10, 5, 10, 5};
        cfg.CalculosSelecionados.fill(kDesligado);
        complementos.Bloco.inclusao = kContagens;
        for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
            SecaoAnalise& s = complementos.Secoes[static_cast<std::size_t>(id - kPrimeiroComplemento)];
            s.Titulo = "Titulo " + std::to_string(id);
            s.Texto = "Texto " + std::to_string(id);
        }
    }
    int Executar(AlvoTeste& alvo) {
        Paginacao p(ctx);
        return ImprimirSecoes(alvo, p, g, secoes, ComplementosRelatorio{&complementos, selecao}, cfg, fontes)
            .value();
    }
};

TEST(ImprimirSecoes, OsComplementosDepoisDos28EOQuadroNoLugarDoTexto) {
    Cenario c;
    c.cfg.CalculosSelecionados[28] = kLigado;
    c.secoes[28].Titulo = "Titulo 28";
    c.selecao[0] = c.selecao[1] = true;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 1);
    const SuperficieTeste& p = *alvo.paginas[0];
    const Saida* t28 = p.Procurar("Titulo 28");
    const Saida* t29 = p.Procurar("Titulo 29");
    ASSERT_NE(t28, nullptr);
    ASSERT_NE(t29, nullptr);
    EXPECT_GT(t29->y, t28->y);
    // The grid, not the text, 5 mm below the heading and centred in the column 12 .. 198.
    EXPECT_EQ(p.Procurar("Texto 29"), nullptr);
    const Saida* canto = nullptr;
    for (const auto& x : p.saidas)
        if (x.texto == "1" && x.tamanho == 12)
            canto = &x;
    ASSERT_NE(canto, nullptr);
    EXPECT_DOUBLE_EQ(canto->x, 12 + (186 - 60) / 2.0 + 1);
    EXPECT_DOUBLE_EQ(canto->y, t29->y + 5 + 5 + 0.5);
    // The divider 5 mm below the grid, then section 30 8 mm below it.
    const Saida* divisoria = nullptr;
    for (const auto& x : p.saidas)
        if (x.texto == "divisoria" && x.y > t29->y && divisoria == nullptr)
            divisoria = &x;
    ASSERT_NE(divisoria, nullptr);
    EXPECT_DOUBLE_EQ(divisoria->y, t29->y + 10 + 36 + 5);
    ASSERT_NE(p.Procurar("Titulo 30"), nullptr);
    EXPECT_DOUBLE_EQ(p.Procurar("Titulo 30")->y, divisoria->y + 8);
    EXPECT_NE(p.Procurar("Texto 30"), nullptr);
    EXPECT_EQ(p.Procurar("Titulo 31"), nullptr);
}

TEST(ImprimirSecoes, OQuadroSemEspacoVaiInteiroParaAProximaPagina) {
    Cenario c;
    c.g.LimiteTexto = 60; // the heading fits at 32, the 36 mm grid below it does not
    c.selecao[0] = true;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 2);
    EXPECT_NE(alvo.paginas[0]->Procurar("Titulo 29"), nullptr);
    EXPECT_EQ(RetangulosDoQuadro(*alvo.paginas[0]), 0u);
    ASSERT_EQ(alvo.paginas.size(), 2u);
    EXPECT_EQ(RetangulosDoQuadro(*alvo.paginas[1]), 13u);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("5")->y, 5 + 3.5);
}

} // namespace
} // namespace oraculandia
