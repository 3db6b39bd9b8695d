// The report's pages as a client receives them: headings kept with their text, no page for a
// divider alone, long names fitted beside the sign picture, repeated pinnacle and challenge
// texts pointing back, and the cover naming the client.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

#include "engine/entrada.h"
#include "layout/percurso.h"
#include "layout/seus_numeros.h"
#include "teste_layout_alvo.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::Saida;
using teste::SuperficieTeste;

using teste::AlvoTeste;

// Lines "<prefixo> 0" ... "<prefixo> n-1", one paragraph each.
std::string Linhas(const std::string& prefixo, int n) {
    std::string t;
    for (int i = 0; i < n; ++i) {
        if (i)
            t += "\r\n";
        t += prefixo;
        t += ' ';
        t += std::to_string(i);
    }
    return t;
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
        cfg.CalculosSelecionados.fill(kDesligado);
    }
    void Secao(int c, int introducao, int titulo, int texto) {
        cfg.CalculosSelecionados[static_cast<std::size_t>(c)] = kLigado;
        const std::string n = std::to_string(c);
        secoes[c].Introducao = introducao ? Linhas("Intro" + n, introducao) : std::string();
        secoes[c].Titulo = Linhas("Titulo" + n, titulo);
        secoes[c].Texto = Linhas("Texto" + n, texto);
        secoes[c].Numero = "1";
    }
    int Executar(AlvoTeste& alvo) {
        Paginacao p(ctx);
        return ImprimirSecoes(alvo, p, g, secoes, cfg, fontes).value();
    }
};

// Over every position of the page where a section can begin: its introduction and heading are
// on the page where its text begins, with the text's first two lines; no page is left without
// a line of a section; every line is printed once.
TEST(PaginasDoRelatorio, HeadingsAndIntroductionsStayWithTheFirstTwoLinesOfTheirText) {
    std::mt19937 gerador(23);
    for (int caso = 0; caso < 400; ++caso) {
        Cenario c;
        c.ctx.ImprimirCabecalho = caso % 3 == 0;
        const int antes = 1 + static_cast<int>(gerador() % 60);
        const int intro = static_cast<int>(gerador() % 4);
        const int titulo = 1 + static_cast<int>(gerador() % 3);
        const int texto = 1 + static_cast<int>(gerador() % 12);
        c.Secao(1, 0, 1, antes);
        c.Secao(2, intro, titulo, texto);
        c.Secao(3, 0, 1, 1 + static_cast<int>(gerador() % 5));
        AlvoTeste alvo;
        const int paginas = c.Executar(alvo);
        SCOPED_TRACE(testing::Message() << "antes " << antes << " intro " << intro << " titulo " << titulo
                                        << " texto " << texto << " cabecalho " << c.ctx.ImprimirCabecalho);
        ASSERT_EQ(static_cast<std::size_t>(paginas), alvo.paginas.size());
        const int pagina = alvo.PaginaDe("Texto2 0");
        ASSERT_GE(pagina, 0);
        if (intro) {
            EXPECT_EQ(alvo.PaginaDe("Intro2 0"), pagina);
        }
        for (int i = 0; i < titulo; ++i)
            EXPECT_EQ(alvo.PaginaDe("Titulo2 " + std::to_string(i)), pagina);
        if (texto >= 2) {
            EXPECT_EQ(alvo.PaginaDe("Texto2 1"), pagina);
        }
        // Every page carries section text (not only a header, a divider and a footer).
        for (const auto& p : alvo.paginas) {
            bool comTexto = false;
            for (const Saida& s : p->Textos())
                comTexto = comTexto || s.texto.rfind("Texto", 0) == 0 || s.texto.rfind("Titulo", 0) == 0 ||
                           s.texto.rfind("Intro", 0) == 0;
            EXPECT_TRUE(comTexto);
        }
        for (int i = 0; i < antes; ++i)
            ASSERT_GE(alvo.PaginaDe("Texto1 " + std::to_string(i)), 0);
    }
}

TEST(PaginasDoRelatorio, ADividerWithoutRoomStartsTheNextSectionsPageAndIsLeftOutAfterTheLast) {
    // The last text line at 262: the divider would start at 272, with no room (272 + 5 > 272).
    Cenario c;
    c.Secao(1, 0, 1, 47);
    AlvoTeste so;
    EXPECT_EQ(c.Executar(so), 1);
    EXPECT_EQ(so.paginas[0]->Procurar("divisoria"), nullptr);

    c.Secao(2, 0, 1, 1);
    AlvoTeste dois;
    EXPECT_EQ(c.Executar(dois), 2);
    const Saida* divisoria = dois.paginas[1]->Procurar("divisoria");
    ASSERT_NE(divisoria, nullptr);
    EXPECT_DOUBLE_EQ(divisoria->y, 5);
    EXPECT_DOUBLE_EQ(dois.paginas[1]->Procurar("Titulo2 0")->y, 5 + 8);
}

TEST(PaginasDoRelatorio, AnEmptyTextNeverStartsAPage) {
    // Section 2's heading fits at 265; its empty text, from 270 below the margin, would have
    // failed the room check and started a page of its own.
    Cenario c;
    c.Secao(1, 0, 1, 42);
    c.Secao(2, 0, 1, 1);
    c.secoes[2].Texto = "\r\n";
    AlvoTeste alvo;
    EXPECT_EQ(c.Executar(alvo), 1);
    EXPECT_DOUBLE_EQ(alvo.paginas[0]->Procurar("Titulo2 0")->y, 265);
}

TEST(PaginasDoRelatorio, ARepeatedPinnacleOrChallengePointsToWhereItsTextWasPrinted) {
    Cenario c;
    for (int s = 8; s <= 15; ++s)
        c.Secao(s, 0, 1, 1);
    for (int s = 8; s <= 11; ++s)
        c.secoes[s].Texto = "pinnacle text";
    for (int s = 12; s <= 15; ++s)
        c.secoes[s].Texto = "challenge text";
    c.secoes[8].Numero = "3";
    c.secoes[9].Numero = "5";
    c.secoes[10].Numero = "3";
    c.secoes[11].Numero = "5";
    c.secoes[12].Numero = "2";
    c.secoes[13].Numero = "2";
    c.secoes[14].Numero = "0";
    c.secoes[15].Numero = "2";
    // The same number with another text (a file changed in the editor) is not a repetition.
    c.secoes[11].Texto = "other text";
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 8), "pinnacle text");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 9), "pinnacle text");
    EXPECT_EQ(
        TextoNasPaginas(c.secoes, c.cfg, 10),
        "O n\xFAmero 3 volta aqui: a sua interpreta\xE7\xE3o est\xE1 na Primeira Realiza\xE7\xE3o, acima.");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 11), "other text");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 12), "challenge text");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 13),
              "O n\xFAmero 2 volta aqui: a sua interpreta\xE7\xE3o est\xE1 no Desafio Maior, acima.");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 14), "challenge text");
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 15),
              "O n\xFAmero 2 volta aqui: a sua interpreta\xE7\xE3o est\xE1 no Desafio Maior, acima.");
    // Only a text that was printed is pointed to.
    c.cfg.CalculosSelecionados[12] = kDesligado;
    EXPECT_EQ(TextoNasPaginas(c.secoes, c.cfg, 13), "challenge text");
    EXPECT_EQ(
        TextoNasPaginas(c.secoes, c.cfg, 15),
        "O n\xFAmero 2 volta aqui: a sua interpreta\xE7\xE3o est\xE1 no Primeiro Desafio Menor, acima.");
    // The pages show the sentence; the sections themselves are left as they are.
    AlvoTeste alvo;
    c.Executar(alvo);
    int textos = 0;
    for (const auto& p : alvo.paginas)
        for (const Saida& s : p->Textos())
            textos += s.texto == "challenge text";
    EXPECT_EQ(textos, 2); // 13 and 14
    EXPECT_EQ(c.secoes[15].Texto, "challenge text");
}

// Long names in the header: inside the band beside the picture, never below the floor size,
// every word kept in order, the rule below the last line.
TEST(PaginasDoRelatorio, ALongNameWrapsInsideTheBandBesideTheSignPicture) {
    for (const std::string& nome :
         {std::string("MARIA"), std::string(62, 'A'),
          std::string("MARIA DA CONCEI\xC7\xC3O DE JESUS SOUZA DOS SANTOS OLIVEIRA E SILVA PEREIRA LIMA ") +
              "FERREIRA DE ALBUQUERQUE MARANH\xC3O",
          std::string(200, 'X')}) {
        SuperficieTeste s;
        ContextoPagina c;
        c.MargensImpressao = {10, 5, 10, 5};
        c.NomeCompleto = "FOLDED";
        c.NomeExibido = nome;
        c.DataNascimento = "21/07/1985";
        const float altura = DesenhaCabecalho(s, 210, c);
        std::string junto;
        double ultimaLinha = 0;
        for (const Saida& t : s.Textos()) {
            if (t.tamanho != 20 && t.tamanho != 12) {
                EXPECT_GE(t.tamanho, kTamanhoMinimoNomeCabecalho);
                EXPECT_GE(t.x, 10 + 24 - 1e-9) << nome;
                EXPECT_LE(t.x + 2 * static_cast<double>(t.texto.size()), 200 + 1e-9) << nome;
                junto += t.texto;
                ultimaLinha = t.y;
            }
        }
        std::string semEspacos = nome;
        std::erase(semEspacos, ' ');
        std::erase(junto, ' ');
        EXPECT_EQ(junto, semEspacos);
        const Saida* regra = &s.saidas[0];
        ASSERT_EQ(regra->tipo, Saida::Tipo::Retangulo);
        EXPECT_GT(regra->y, ultimaLinha + 5); // below the date, which follows the name
        EXPECT_DOUBLE_EQ(altura, regra->y + 3 - 5);
        if (nome == "MARIA") {
            EXPECT_FLOAT_EQ(altura, 27);
        }
    }
}

TEST(PaginasDoRelatorio, TheCoverNamesTheClientTheDatesTheSignAndTheNumerologist) {
    ContextoPagina ctx;
    ctx.NomeCompleto = "MARIA DA CONCEICAO SOUZA";
    ctx.NomeExibido = "MARIA DA CONCEI\xC7\xC3O SOUZA";
    ctx.DataNascimento = "21/07/1985";
    ctx.RodapeLinhaUm = "Joana Numer\xF3loga";
    ctx.RodapeLinhaDois = "(11) 5555-0000 joana@example.com";
    const DadosFolhaRosto dados = FolhaRostoDe(ctx, "09/12/2026");
    SuperficieTeste s(210, 297);
    DesenhaFolhaRosto(s, {10, 10, 10, 10}, &dados);
    for (const char* texto :
         {"An\xE1lise", "Numerol\xF3gica", "MARIA DA CONCEI\xC7\xC3O SOUZA",
          "Nascimento: 21 de julho de 1985 - C\xE2ncer", "An\xE1lise preparada em 09 de dezembro de 2026",
          "Joana Numer\xF3loga", "(11) 5555-0000 joana@example.com"}) {
        const Saida* t = s.Procurar(texto);
        ASSERT_NE(t, nullptr) << texto;
        EXPECT_GE(t->x, 25 - 1e-9) << texto;
        EXPECT_LE(t->x + 2 * static_cast<double>(t->texto.size()), 185 + 1e-9) << texto;
        EXPECT_LE(t->y + 5, 287) << texto;
    }
    EXPECT_GT(s.Procurar("Joana Numer\xF3loga")->y,
              s.Procurar("An\xE1lise preparada em 09 de dezembro de 2026")->y);
    // A name too long for one line is broken, on the cover too.
    ctx.NomeExibido = std::string(30, 'N') + " " + std::string(30, 'M') + " " + std::string(30, 'O');
    const DadosFolhaRosto longo = FolhaRostoDe(ctx, "09/12/2026");
    SuperficieTeste l(210, 297);
    DesenhaFolhaRosto(l, {10, 10, 10, 10}, &longo);
    EXPECT_NE(l.Procurar(std::string(30, 'N') + " " + std::string(30, 'M')), nullptr);
    EXPECT_NE(l.Procurar(std::string(30, 'O')), nullptr);
    EXPECT_EQ(std::string(NomeSigno(12)), "Capric\xF3rnio");
    EXPECT_EQ(std::string(NomeSigno(0)), "");
}

} // namespace
} // namespace oraculandia

namespace oraculandia {
namespace {

TEST(NomeMaiusculo, UpperCaseWithTheAccentsKeptAndBlanksAroundRemoved) {
    EXPECT_EQ(NomeMaiusculo("  Maria da Concei\xE7\xE3o  "), "MARIA DA CONCEI\xC7\xC3O");
    EXPECT_EQ(NomeMaiusculo("jos\xE9 \xE2ngelo m\xFCller"), "JOS\xC9 \xC2NGELO M\xDCLLER");
    EXPECT_EQ(NomeMaiusculo("   "), "");
    // Folded, it is the name the numbers come from.
    EXPECT_EQ(NormalizarNome(NomeMaiusculo("Concei\xE7\xE3o")), NormalizarNome("Concei\xE7\xE3o"));
}

} // namespace
} // namespace oraculandia

namespace oraculandia {
namespace {

bool TerminaCom(const std::string& texto, const std::string& fim) {
    return texto.size() >= fim.size() && texto.compare(texto.size() - fim.size(), fim.size(), fim) == 0;
}

// Over generated birth dates: the table holds every selected number as the sections have it,
// the working arrives at the client's own Life Path and Expression, the bands of each row cover
// the ages from birth to 90 without gaps.
TEST(SeusNumeros, TheClientsOwnNumbersTheirAgesAndTheirWorking) {
    const Data hoje{9, 12, 2026};
    std::mt19937 gerador(7);
    const char* const nomes[] = {"Maria da Concei\xE7\xE3o Souza", "Jos\xE9 Lima",
                                 "Ana Beatriz de Ara\xFAjo"};
    for (int caso = 0; caso < 24; ++caso) {
        char data[16];
        std::snprintf(data, sizeof data, "%02d/%02d/%04d", 1 + static_cast<int>(gerador() % 28),
                      1 + static_cast<int>(gerador() % 12), 1940 + static_cast<int>(gerador() % 80));
        const std::string digitado = nomes[caso % 3];
        const std::string nome = NormalizarNome(digitado);
        const SecoesAnalise secoes = ComporAnalise(PASTA_PROGRAMA_TESTE, nome, data, hoje, false);
        ConfiguracaoPrograma cfg;
        if (caso % 2)
            cfg.CalculosSelecionados[5] = kDesligado;
        const SeusNumeros s = MontarSeusNumeros(secoes, cfg, digitado, nome, data, hoje);
        SCOPED_TRACE(data);
        std::size_t linha = 0;
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            if (!cfg.Selecionado(c))
                continue;
            ASSERT_LT(linha, s.Linhas.size());
            EXPECT_EQ(s.Linhas[linha].Numero, secoes[c].Numero);
            ++linha;
        }
        EXPECT_EQ(linha, s.Linhas.size());
        ASSERT_GE(s.Calculo.size(), 3u);
        EXPECT_TRUE(TerminaCom(s.Calculo.front(), secoes[1].Numero + ".")) << s.Calculo.front();
        EXPECT_EQ(s.Calculo.back().rfind("Express\xE3o", 0), 0u);
        EXPECT_TRUE(TerminaCom(s.Calculo.back(), secoes[23].Numero)) << s.Calculo.back();
        for (int l = 0; l < 4; ++l) {
            double ate = 0;
            for (const FaixaVida& f : s.Faixas) {
                if (f.Linha != l)
                    continue;
                EXPECT_DOUBLE_EQ(f.De, ate);
                ate = f.Ate;
            }
            EXPECT_DOUBLE_EQ(ate, 90);
        }
    }
}

TEST(SeusNumeros, ThePageOfMariaAndItsPlaceBeforeSectionOne) {
    const Data hoje{9, 12, 2026};
    const std::string nome = "MARIA DA CONCEICAO SOUZA";
    const SecoesAnalise secoes = ComporAnalise(PASTA_PROGRAMA_TESTE, nome, "21/07/1985", hoje, false);
    ConfiguracaoPrograma cfg;
    const SeusNumeros s =
        MontarSeusNumeros(secoes, cfg, "Maria da Concei\xE7\xE3o Souza", nome, "21/07/1985", hoje);
    EXPECT_NEAR(s.IdadeHoje, 41.39, 0.01);
    EXPECT_EQ(s.Linhas[1].Quando, "do nascimento a 21/07/2016"); // Ciclo Formativo
    EXPECT_EQ(s.Linhas[8].Quando, "dos 30 aos 39 anos");         // Segunda Realização (Life Path 6)
    EXPECT_EQ(s.Calculo.front(),
              "Caminho da Vida: dia 21 \xBB 2 + 1 = 3; m\xEAs 7; ano 1985 \xBB 1 + 9 + 8 + 5 = 23 "
              "\xBB 2 + 3 = 5; 3 + 7 + 5 = 15 \xBB 1 + 5 = 6.");

    SuperficieTeste p(210, 297);
    p.alturaLinha = 4.2; // about the line of the 10-point font the page uses
    const double fim = DesenhaSeusNumeros(p, s, {10, 5, 10, 5}, 210, 32, 272);
    EXPECT_LE(fim, 272);
    EXPECT_NE(p.Procurar(kTituloSeusNumeros), nullptr);
    EXPECT_NE(p.Procurar("hoje: 41 anos"), nullptr);
    for (const LinhaSeusNumeros& l : s.Linhas)
        EXPECT_NE(p.Procurar(l.Posicao), nullptr) << l.Posicao;
    for (const Saida& t : p.Textos())
        EXPECT_LE(t.x + 2 * static_cast<double>(t.texto.size()), 200.5) << t.texto;

    // In the walk: its own first page, section 1 from the next.
    Cenario c;
    c.Secao(1, 0, 1, 2);
    AlvoTeste sem, com;
    EXPECT_EQ(c.Executar(sem), 1);
    Paginacao pag(c.ctx);
    EXPECT_EQ(ImprimirSecoes(com, pag, c.g, c.secoes, c.cfg, c.fontes, &s).value(), 2);
    EXPECT_NE(com.paginas[0]->Procurar(kTituloSeusNumeros), nullptr);
    EXPECT_EQ(com.PaginaDe("Titulo1 0"), 1);
}

} // namespace
} // namespace oraculandia
