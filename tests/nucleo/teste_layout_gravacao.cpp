// Pages recorded as display lists: a recorded analysis played back makes exactly the outputs of
// the same analysis drawn directly, page by page; each page plays back on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "layout/gravacao.h"
#include "layout/percurso.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::Saida;
using teste::SuperficieTeste;

class AlvoDireto : public AlvoPaginas {
public:
    AlvoDireto() { NovaFolha(); }
    SuperficieDesenho& Superficie() override { return *paginas.back(); }
    void NovaFolha() override { paginas.push_back(std::make_unique<SuperficieTeste>()); }
    std::vector<std::unique_ptr<SuperficieTeste>> paginas;
};

// Records into a document through one recording surface, measuring with `medidor`.
class AlvoGravado : public AlvoPaginas {
public:
    explicit AlvoGravado(DocumentoGravado& documento) : superficie(medidor, documento, 0, 210, 297) {}
    SuperficieDesenho& Superficie() override { return superficie; }
    void NovaFolha() override { superficie.MudarDePagina(++pagina); }
    SuperficieTeste medidor;
    SuperficieGravacao superficie;
    int pagina = 0;
};

// An analysis of a few pages: long texts in the body font, a heading font of its own, coloured
// header rules, the zodiac picture and the dividers.
struct Analise {
    SecoesAnalise secoes;
    ConfiguracaoPrograma cfg;
    FontesAnalise fontes;
    ContextoPagina ctx;
    Analise() {
        ctx.MargensImpressao = {10, 5, 10, 5};
        ctx.NomeCompleto = "ANA SILVA";
        ctx.DataNascimento = "20/08/1978";
        ctx.CabecalhoLinhaUm = "Cabe\xE7\x61lho";
        ctx.RodapeLinhaUm = "Rodap\xE9 um";
        ctx.RodapeLinhaDois = "Rodap\xE9 dois";
        ctx.ImprimirCabecalho = true;
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            secoes[c].Titulo = "T\xEDtulo " + std::to_string(c);
            std::string texto;
            for (int i = 0; i < c * 7; ++i)
                texto += "palavra" + std::to_string(i) + (i % 11 == 10 ? "\r\n" : " ");
            secoes[c].Texto = texto;
            secoes[c].Introducao = c % 3 == 0 ? "Introdu\xE7\xE3o do grupo " + std::to_string(c) : "";
            secoes[c].Numero = std::to_string(c % 9 + 1);
        }
        cfg.ImprimirDescricao = kLigado;
    }
    int Desenhar(AlvoPaginas& alvo) const {
        Paginacao p(ctx);
        return ImprimirSecoes(alvo, p, GeometriaPagina{210, 297, 272}, secoes, cfg, fontes).value();
    }
};

void EsperarIguais(const std::vector<Saida>& direto, const std::vector<Saida>& reproduzido, int pagina) {
    ASSERT_EQ(direto.size(), reproduzido.size()) << "page " << pagina;
    for (std::size_t i = 0; i < direto.size(); ++i) {
        const Saida& a = direto[i];
        const Saida& b = reproduzido[i];
        SCOPED_TRACE("page " + std::to_string(pagina) + ", output " + std::to_string(i) + ": " + a.texto);
        // A line printed with a new line is recorded as the text at its place.
        const bool texto = a.tipo == Saida::Tipo::Texto || a.tipo == Saida::Tipo::TextoComLinha;
        EXPECT_EQ(texto ? Saida::Tipo::Texto : a.tipo, b.tipo);
        EXPECT_EQ(a.texto, b.texto);
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
        EXPECT_EQ(a.largura, b.largura);
        EXPECT_EQ(a.altura, b.altura);
        if (texto) {
            EXPECT_EQ(a.fonte, b.fonte);
            EXPECT_EQ(a.tamanho, b.tamanho);
            EXPECT_EQ(a.negrito, b.negrito);
            EXPECT_EQ(a.italico, b.italico);
        }
    }
}

TEST(PaginasGravadas, PlayedBackTheyDrawWhatTheLayoutDrawsDirectly) {
    const Analise analise;
    AlvoDireto direto;
    const int paginas = analise.Desenhar(direto);
    ASSERT_GT(paginas, 3);

    DocumentoGravado documento;
    AlvoGravado gravado(documento);
    ASSERT_EQ(analise.Desenhar(gravado), paginas);
    gravado.superficie.Terminar();
    ASSERT_EQ(documento.Paginas(), paginas);
    // Each page played back on its own, in any order, on a surface left in another state.
    for (int n = paginas - 1; n >= 0; --n) {
        SuperficieTeste destino;
        destino.DefinirNomeFonte("Outra");
        destino.DefinirTamanhoFonte(99);
        destino.DefinirNegrito(true);
        destino.DefinirItalico(true);
        documento.Reproduzir(n, destino);
        EsperarIguais(direto.paginas[static_cast<std::size_t>(n)]->saidas, destino.saidas, n + 1);
    }
    // Every font used is kept once for the whole document.
    std::vector<FonteGravada> usadas;
    for (const auto& pagina : direto.paginas)
        for (const Saida& x : pagina->saidas) {
            const FonteGravada f{x.fonte, x.tamanho, x.negrito, x.italico};
            if (x.tipo == Saida::Tipo::Texto && std::find(usadas.begin(), usadas.end(), f) == usadas.end())
                usadas.push_back(f);
        }
    EXPECT_GE(usadas.size(), 8u); // body, heading, introduction, three in the header, three in the footer
    EXPECT_EQ(documento.Fontes().size(), usadas.size());
}

TEST(PaginasGravadas, FontAndColourAreRecordedOnlyWhenTheyChangeBeforeAnOutput) {
    DocumentoGravado documento;
    SuperficieTeste medidor;
    SuperficieGravacao s(medidor, documento, 0, 210, 297);
    s.DefinirNomeFonte("Arial");
    s.DefinirTamanhoFonte(30); // never used for an output
    s.DefinirTamanhoFonte(12);
    s.DefinirCor(0x112233);
    s.DefinirX(3);
    s.DefinirY(4);
    s.Imprimir("um");
    s.DefinirTamanhoFonte(12);
    s.Imprimir(""); // nothing to draw
    s.DefinirY(9);
    s.ImprimirLinha("dois");
    EXPECT_EQ(s.X(), 0);
    EXPECT_EQ(s.Y(), 9 + medidor.alturaLinha);
    s.Retangulo(1, 2, 3, 4, 0x445566);
    s.Figura("divisoria", 5, 6, 7, 8);
    // font, colour, "um", "dois", rectangle, picture
    EXPECT_EQ(documento.Pagina(0).Comandos(), 6u);
    // The measurements follow the recording's font, through the measuring surface.
    EXPECT_EQ(medidor.TamanhoFonte(), 12);
    EXPECT_EQ(s.LarguraTexto("abc"), 6);

    SuperficieTeste destino;
    documento.Reproduzir(0, destino);
    ASSERT_EQ(destino.saidas.size(), 4u);
    EXPECT_EQ(destino.saidas[0].texto, "um");
    EXPECT_EQ(destino.saidas[0].x, 3);
    EXPECT_EQ(destino.saidas[0].y, 4);
    EXPECT_EQ(destino.saidas[0].tamanho, 12);
    EXPECT_EQ(destino.saidas[1].texto, "dois");
    EXPECT_EQ(destino.saidas[1].y, 9);
    EXPECT_EQ(destino.saidas[2].tipo, Saida::Tipo::Retangulo);
    EXPECT_EQ(destino.saidas[2].altura, 4);
    EXPECT_EQ(destino.saidas[3].texto, "divisoria");
    EXPECT_EQ(destino.saidas[3].largura, 7);
    EXPECT_EQ(destino.saidas[3].altura, 8);
}

TEST(PaginasGravadas, ANewPageStartsFromTheStateOfAFreshSurface) {
    DocumentoGravado documento;
    SuperficieTeste medidor; // Arial 10, as every fresh surface
    SuperficieGravacao s(medidor, documento, 0, 210, 297);
    s.DefinirNomeFonte("Courier New");
    s.DefinirNegrito(true);
    s.DefinirX(50);
    s.DefinirY(60);
    s.Imprimir("a");
    s.MudarDePagina(1);
    EXPECT_EQ(s.NomeFonte(), "Arial");
    EXPECT_EQ(s.TamanhoFonte(), 10);
    EXPECT_FALSE(s.Negrito());
    EXPECT_EQ(s.X(), 0);
    EXPECT_EQ(s.Y(), 0);
    EXPECT_EQ(medidor.NomeFonte(), "Arial");
    EXPECT_FALSE(medidor.Negrito());
    s.Imprimir("b");
    ASSERT_EQ(documento.Paginas(), 2);
    SuperficieTeste destino;
    destino.DefinirNomeFonte("Outra");
    documento.Reproduzir(1, destino);
    ASSERT_EQ(destino.saidas.size(), 1u);
    EXPECT_EQ(destino.saidas[0].fonte, "Arial");
    EXPECT_FALSE(destino.saidas[0].negrito);
    EXPECT_EQ(s.LarguraEscala(), 210);
    EXPECT_EQ(s.AlturaEscala(), 297);
}

TEST(PaginasGravadas, MemoryFollowsTheText) {
    DocumentoGravado documento;
    SuperficieTeste medidor;
    SuperficieGravacao s(medidor, documento, 0, 210, 297);
    const std::size_t vazio = documento.Bytes();
    for (int i = 0; i < 1000; ++i)
        s.Imprimir("palavra");
    s.Terminar();
    const std::size_t cheio = documento.Bytes();
    // 1,000 outputs of 7 characters: the texts and one small command each.
    EXPECT_GE(cheio - vazio, 7000u);
    EXPECT_LT(cheio - vazio, 7000u + 1000u * 40u);
    EXPECT_EQ(documento.Pagina(0).Comandos(), 1002u);
    // Recording a page again replaces it.
    s.MudarDePagina(0);
    s.Terminar();
    EXPECT_EQ(documento.Pagina(0).Comandos(), 0u);
    EXPECT_EQ(documento.Paginas(), 1);
    documento.Limpar();
    EXPECT_EQ(documento.Paginas(), 0);
    EXPECT_TRUE(documento.Fontes().empty());
}

} // namespace
} // namespace oraculandia
