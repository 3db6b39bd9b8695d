// The section walker over a target of test pages (2 mm per character, 5 mm per line).
#include <gtest/gtest.h>

#include <memory>

#include "layout/percurso.h"
#include "teste_layout_alvo.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::Saida;
using teste::SuperficieTeste;

using teste::AlvoTeste;

// Avoids `"literal" + std::string`, on which GCC 12 warns wrongly (-Wrestrict).
std::string Junta(std::string a, const std::string& b, const char* c = "") {
    a.append(b);
    a.append(c);
    return a;
}

struct Cenario {
    SecoesAnalise secoes;
    ConfiguracaoPrograma cfg;
    FontesAnalise fontes;
    ContextoPagina ctx;
    GeometriaPagina g{210, 297, 272};
    Cenario() {
        ctx.MargensImpressao = {10, 5, 10, 5};
        ctx.NomeCompleto = "ANA SILVA";
        ctx.DataNascimento = "20/08/1978";
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            secoes[c].Titulo = Junta("Titulo ", std::to_string(c));
            secoes[c].Texto = Junta("Texto ", std::to_string(c));
            secoes[c].Numero = std::to_string(c % 9 + 1);
        }
        cfg.CalculosSelecionados.fill(kDesligado);
    }
    int Executar(AlvoTeste& alvo) {
        Paginacao p(ctx);
        return ImprimirSecoes(alvo, p, g, secoes, cfg, fontes).value();
    }
};

std::vector<const Saida*> Textos(const SuperficieTeste& s, std::string_view prefixo) {
    std::vector<const Saida*> r;
    for (const auto& x : s.saidas)
        if (x.tipo == Saida::Tipo::Texto && x.texto.rfind(prefixo, 0) == 0)
            r.push_back(&x);
    return r;
}

TEST(ImprimirSecoes, NothingSelectedGivesOnePageWithHeaderAndFooter) {
    Cenario c;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 1);
    ASSERT_EQ(alvo.paginas.size(), 1u);
    EXPECT_NE(alvo.paginas[0]->Procurar("ANA SILVA"), nullptr);
    EXPECT_NE(alvo.paginas[0]->Procurar("1"), nullptr);
}

TEST(ImprimirSecoes, BlocksFollowEachOtherFiveMillimetresApartAndTheDividerIsCentred) {
    Cenario c;
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    c.secoes[1].Introducao = "Intro text";
    c.secoes[2].Introducao = "Curta"; // 5 characters: never printed
    AlvoTeste alvo;
    c.Executar(alvo);
    const SuperficieTeste& p = *alvo.paginas[0];

    const Saida* intro = p.Procurar("Intro text");
    ASSERT_NE(intro, nullptr);
    EXPECT_DOUBLE_EQ(intro->y, 5 + 27);
    EXPECT_DOUBLE_EQ(intro->x, 12);
    EXPECT_EQ(intro->fonte, "Arial");
    EXPECT_TRUE(intro->italico);

    const Saida* titulo = p.Procurar("Titulo 1");
    ASSERT_NE(titulo, nullptr);
    EXPECT_DOUBLE_EQ(titulo->y, 32 + 5 + 5);
    EXPECT_EQ(titulo->fonte, "Courier New");
    EXPECT_TRUE(titulo->negrito);

    const Saida* texto = p.Procurar("Texto 1");
    ASSERT_NE(texto, nullptr);
    EXPECT_DOUBLE_EQ(texto->y, 42 + 10);
    EXPECT_EQ(texto->fonte, "Times New Roman");
    EXPECT_EQ(texto->tamanho, 12);

    std::vector<const Saida*> divisorias;
    for (const auto& x : p.saidas)
        if (x.texto == "divisoria")
            divisorias.push_back(&x);
    ASSERT_EQ(divisorias.size(), 2u);
    EXPECT_DOUBLE_EQ(divisorias[0]->x, 50);
    EXPECT_DOUBLE_EQ(divisorias[0]->y, 52 + 5 + 5);
    EXPECT_DOUBLE_EQ(divisorias[0]->largura, 110);
    EXPECT_DOUBLE_EQ(divisorias[0]->altura, 3);

    EXPECT_EQ(p.Procurar("Curta"), nullptr);
    // Section 2 starts 8 mm below the divider's top, plus the usual 5 mm.
    const Saida* titulo2 = p.Procurar("Titulo 2");
    ASSERT_NE(titulo2, nullptr);
    EXPECT_DOUBLE_EQ(titulo2->y, 62 + 8);
}

TEST(ImprimirSecoes, DescriptionSettingOffAndHeadingNumbers) {
    Cenario c;
    c.cfg.ImprimirDescricao = kDesligado;
    c.cfg.ImprimirNumero = kLigado;
    c.cfg.CalculosSelecionados[5] = kLigado;
    c.cfg.CalculosSelecionados[26] = kLigado;
    c.secoes[5].Introducao = "Uma introducao longa";
    c.secoes[26].Numero = "A";
    AlvoTeste alvo;
    c.Executar(alvo);
    const SuperficieTeste& p = *alvo.paginas[0];
    EXPECT_EQ(p.Procurar("Uma introducao longa"), nullptr);
    EXPECT_NE(p.Procurar("Titulo 5 N\xFAmero 6"), nullptr);
    EXPECT_NE(p.Procurar("Titulo 26 Letra A"), nullptr);
    // The heading of section 5 is where the text starts: nothing before it.
    EXPECT_DOUBLE_EQ(p.Procurar("Titulo 5 N\xFAmero 6")->y, 32);
}

TEST(ImprimirSecoes, AHeadingWithoutRoomForOneLineMovesToTheNextPage) {
    Cenario c;
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    // Body of section 1 fills the first page down to a line at 252: then the body's next
    // position is 252 + 10 = 262, the divider fits (262 + 5 <= 272), section 2's heading would
    // start at 262 + 8 - 5 = 265 below the margin: 265 + 5 + 5 > 272.
    std::string corpo;
    for (int i = 0; i < 42; ++i)
        corpo += "linha\r\n";
    corpo += "ultima";
    c.secoes[1].Texto = corpo;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 2);
    ASSERT_EQ(alvo.paginas.size(), 2u);
    const Saida* ultima = alvo.paginas[0]->Procurar("ultima");
    ASSERT_NE(ultima, nullptr);
    EXPECT_DOUBLE_EQ(ultima->y, 252);
    EXPECT_EQ(alvo.paginas[0]->Procurar("Titulo 2"), nullptr);
    const Saida* titulo2 = alvo.paginas[1]->Procurar("Titulo 2");
    ASSERT_NE(titulo2, nullptr);
    EXPECT_DOUBLE_EQ(titulo2->y, 5); // later pages without header: text at the top margin
    EXPECT_NE(alvo.paginas[1]->Procurar("2"), nullptr);
}

TEST(ImprimirSecoes, AHeadingWhoseTextHasNoRoomMovesWithIt) {
    Cenario c;
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    // Last body line at 242: divider at 252, section 2 from 255 below the margin. Its heading
    // would fit (255 + 5 + 5 <= 272), its text, from 265 below the margin, would not
    // (265 + 5 + 5 > 272): both start the next page.
    std::string corpo;
    for (int i = 0; i < 40; ++i)
        corpo += "linha\r\n";
    corpo += "ultima";
    c.secoes[1].Texto = corpo;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 2);
    EXPECT_DOUBLE_EQ(alvo.paginas[0]->Procurar("ultima")->y, 242);
    EXPECT_EQ(alvo.paginas[0]->Procurar("Titulo 2"), nullptr);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("Titulo 2")->y, 5);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("Texto 2")->y, 15);
}

TEST(ImprimirSecoes, AnIntroductionMovesWithItsHeadingAndText) {
    Cenario c;
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    c.secoes[2].Introducao = "Uma introducao";
    // Section 2 from 245 below the margin: the introduction (line at 250) and the heading (260)
    // would fit, the text would not: all three start the next page.
    std::string corpo;
    for (int i = 0; i < 38; ++i)
        corpo += "linha\r\n";
    corpo += "ultima";
    c.secoes[1].Texto = corpo;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 2);
    EXPECT_EQ(alvo.paginas[0]->Procurar("Uma introducao"), nullptr);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("Uma introducao")->y, 5);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("Titulo 2")->y, 15);
    EXPECT_DOUBLE_EQ(alvo.paginas[1]->Procurar("Texto 2")->y, 25);
}

TEST(ImprimirSecoes, ABlockOnAnEmptyPageStartsThereEvenWithoutRoom) {
    Cenario c;
    c.g.LimiteTexto = 20; // less than the header: not even one line fits anywhere
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    AlvoTeste alvo;
    const int paginas = c.Executar(alvo);
    EXPECT_LE(paginas, 6); // at most one page per block and divider, never a run of empty pages
    EXPECT_NE(alvo.paginas[0]->Procurar("Titulo 1"), nullptr);
    int blocos = 0;
    for (const auto& p : alvo.paginas)
        for (const char* nome : {"Titulo 1", "Texto 1", "Titulo 2", "Texto 2"})
            blocos += p->Procurar(nome) != nullptr;
    EXPECT_EQ(blocos, 4);
}

TEST(ImprimirSecoes, ADividerWithoutRoomGoesToTheTopOfTheNextPage) {
    Cenario c;
    c.ctx.ImprimirCabecalho = true;
    c.cfg.CalculosSelecionados[1] = kLigado;
    c.cfg.CalculosSelecionados[2] = kLigado;
    // Last body line at 262: the next position is 272, 272 + 5 > 272.
    std::string corpo;
    for (int i = 0; i < 44; ++i)
        corpo += "linha\r\n";
    corpo += "ultima";
    c.secoes[1].Texto = corpo;
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 2);
    EXPECT_DOUBLE_EQ(alvo.paginas[0]->Procurar("ultima")->y, 262);
    const Saida* divisoria = alvo.paginas[1]->Procurar("divisoria");
    ASSERT_NE(divisoria, nullptr);
    EXPECT_DOUBLE_EQ(divisoria->y, 5 + 27); // where the text area of that page begins
    EXPECT_EQ(alvo.paginas[0]->Procurar("divisoria"), nullptr);
}

TEST(ImprimirSecoes, ALongBlockContinuesOverAsManyPagesAsItNeedsInItsOwnFont) {
    Cenario c;
    c.cfg.CalculosSelecionados[3] = kLigado;
    c.fontes.FonteCorpo = {"Times New Roman", -1, -1, 11};
    std::string corpo;
    const int linhas = 300; // 46 lines on the first page, 53 on the next ones
    for (int i = 0; i < linhas; ++i)
        corpo += Junta("L", std::to_string(i), "\r\n");
    c.secoes[3].Texto = corpo;
    AlvoTeste alvo;
    const int paginas = c.Executar(alvo);
    EXPECT_EQ(paginas, 6);
    EXPECT_EQ(static_cast<std::size_t>(paginas), alvo.paginas.size());
    int encontradas = 0;
    for (std::size_t n = 0; n < alvo.paginas.size(); ++n) {
        const auto& p = *alvo.paginas[n];
        // Every page carries its number in the footer.
        EXPECT_NE(p.Procurar(std::to_string(n + 1)), nullptr) << "page " << n + 1;
        for (const Saida* t : Textos(p, "L")) {
            if (t->texto == "Linha um")
                continue;
            EXPECT_EQ(t->texto, Junta("L", std::to_string(encontradas)));
            // The block keeps its own font on every page, after the footer's.
            EXPECT_EQ(t->fonte, "Times New Roman");
            EXPECT_EQ(t->tamanho, 11);
            EXPECT_TRUE(t->negrito);
            EXPECT_TRUE(t->italico);
            EXPECT_LE(t->y, 272);
            ++encontradas;
        }
    }
    EXPECT_EQ(encontradas, linhas); // nothing dropped
}

TEST(DesenhaFolhaRosto, BorderCoverPictureAndTwoCentredWords) {
    SuperficieTeste s(210, 297);
    DesenhaFolhaRosto(s, {10, 10, 10, 10});
    const Saida* borda = s.Procurar("borda");
    ASSERT_NE(borda, nullptr);
    EXPECT_DOUBLE_EQ(borda->largura, 190);
    EXPECT_DOUBLE_EQ(borda->altura, 277);
    const Saida* capa = s.Procurar("capa");
    ASSERT_NE(capa, nullptr);
    EXPECT_DOUBLE_EQ(capa->x, 10 + 38);
    EXPECT_DOUBLE_EQ(capa->y, 10 + 27.7);
    EXPECT_DOUBLE_EQ(capa->largura, 114);
    EXPECT_DOUBLE_EQ(capa->altura, 114); // portrait: square
    const Saida* analise = s.Procurar("An\xE1lise");
    ASSERT_NE(analise, nullptr);
    EXPECT_DOUBLE_EQ(analise->x, (190 - 14) / 2.0 + 10);
    EXPECT_DOUBLE_EQ(analise->y, 10 + 0.7 * 277);
    EXPECT_EQ(analise->tamanho, 40);
    const Saida* numerologica = s.Procurar("Numerol\xF3gica");
    ASSERT_NE(numerologica, nullptr);
    EXPECT_DOUBLE_EQ(numerologica->y, analise->y + 5);
    EXPECT_DOUBLE_EQ(numerologica->x, (190 - 24) / 2.0 + 10);
    EXPECT_DOUBLE_EQ(s.Y(), 297);

    SuperficieTeste deitada(297, 210);
    DesenhaFolhaRosto(deitada, {10, 10, 10, 10});
    EXPECT_DOUBLE_EQ(deitada.Procurar("capa")->largura, 0.6 * 277);
    EXPECT_DOUBLE_EQ(deitada.Procurar("capa")->altura, 0.5 * 190);
}

} // namespace
// A target that takes only so many pages stops the walk: the failure, and not one page more.
class AlvoLimitado : public AlvoTeste {
public:
    explicit AlvoLimitado(std::size_t maximo) : maximo_(maximo) {}
    bool AceitaNovaFolha() const override { return paginas.size() < maximo_; }

private:
    std::size_t maximo_;
};

TEST(ImprimirSecoes, ATargetWithoutRoomForMorePagesStopsTheWalk) {
    Cenario c;
    c.cfg.CalculosSelecionados[3] = kLigado;
    c.cfg.CalculosSelecionados[4] = kLigado;
    std::string corpo;
    for (int i = 0; i < 300; ++i)
        corpo += Junta("L", std::to_string(i), "\r\n");
    c.secoes[3].Texto = corpo;
    AlvoTeste livre;
    const int todas = c.Executar(livre);
    ASSERT_GT(todas, 2);
    for (int maximo = 1; maximo <= todas + 1; ++maximo) {
        AlvoLimitado alvo(static_cast<std::size_t>(maximo));
        Paginacao p(c.ctx);
        const Resultado<int, FalhaPercurso> r = ImprimirSecoes(alvo, p, c.g, c.secoes, c.cfg, c.fontes);
        ASSERT_EQ(r.has_value(), maximo >= todas) << maximo;
        if (r) {
            EXPECT_EQ(*r, todas);
        } else {
            EXPECT_EQ(r.error(), FalhaPercurso::PaginasDemais);
            EXPECT_EQ(alvo.paginas.size(), static_cast<std::size_t>(maximo));
            // Nothing of what comes after the last page it took was drawn.
            EXPECT_EQ(alvo.PaginaDe("Titulo 4"), -1);
        }
    }
}

} // namespace oraculandia
