// Page starts: header, footer, page numbers and the font kept across a page break.
#include <gtest/gtest.h>

#include "layout/paginacao.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::Saida;
using teste::SuperficieTeste;

ContextoPagina Contexto(bool cabecalhoSempre = false) {
    ContextoPagina c;
    c.MargensImpressao = {10, 5, 10, 5};
    c.CabecalhoLinhaUm = "ORACULANDIA";
    c.RodapeLinhaUm = "Linha um";
    c.RodapeLinhaDois = "Linha dois";
    c.NomeCompleto = "MARIA DA CONCEICAO";
    c.DataNascimento = "15/03/1970";
    c.ImprimirCabecalho = cabecalhoSempre;
    return c;
}

int Contar(const SuperficieTeste& s, Saida::Tipo tipo) {
    int n = 0;
    for (const auto& x : s.saidas)
        n += x.tipo == tipo;
    return n;
}

TEST(DataPorExtenso, PortugueseMonthNamesWithTwoDigitDay) {
    EXPECT_EQ(DataPorExtenso("15/03/1970"), "15 de mar\xE7o de 1970");
    EXPECT_EQ(DataPorExtenso("05/01/2001"), "05 de janeiro de 2001");
    EXPECT_EQ(DataPorExtenso("31/12/1999"), "31 de dezembro de 1999");
    EXPECT_EQ(DataPorExtenso("20/08/0978"), "20 de agosto de 0978");
    EXPECT_EQ(DataPorExtenso("lixo"), "lixo");
    EXPECT_EQ(DataPorExtenso("31/02/2000"), "31/02/2000");
}

TEST(NovaPagina, FirstPageAlwaysHasTheHeaderLaterPagesOnlyWhenAsked) {
    SuperficieTeste s;
    Paginacao p(Contexto(false));
    s.DefinirY(123);
    EXPECT_EQ(p.NovaPagina(s, 210, 297, 1), 27);
    EXPECT_EQ(p.NumeroPagina, 1);
    EXPECT_DOUBLE_EQ(s.Y(), 123); // Y as on entry
    EXPECT_EQ(Contar(s, Saida::Tipo::Figura), 1);
    EXPECT_EQ(Contar(s, Saida::Tipo::Retangulo), 2); // header rule and footer rule

    SuperficieTeste s2;
    EXPECT_EQ(p.NovaPagina(s2, 210, 297, 2), 0);
    EXPECT_EQ(p.NumeroPagina, 2);
    EXPECT_EQ(Contar(s2, Saida::Tipo::Figura), 0);
    EXPECT_EQ(Contar(s2, Saida::Tipo::Retangulo), 1); // footer only
    ASSERT_NE(s2.Procurar("2"), nullptr);

    // Any other kind leaves the number as it is.
    SuperficieTeste s3;
    EXPECT_EQ(p.NovaPagina(s3, 210, 297, 7), 0);
    EXPECT_EQ(p.NumeroPagina, 2);

    // A new analysis starts again at 1.
    SuperficieTeste s4;
    p.NovaPagina(s4, 210, 297, 1);
    EXPECT_EQ(p.NumeroPagina, 1);
    EXPECT_NE(s4.Procurar("1"), nullptr);
}

TEST(NovaPagina, HeaderOnEveryPageWhenTheSettingIsOn) {
    Paginacao p(Contexto(true));
    SuperficieTeste s1, s2;
    EXPECT_EQ(p.NovaPagina(s1, 210, 297, 1), 27);
    EXPECT_EQ(p.NovaPagina(s2, 210, 297, 2), 27);
    EXPECT_EQ(Contar(s2, Saida::Tipo::Figura), 1);
    EXPECT_NE(s2.Procurar("MARIA DA CONCEICAO"), nullptr);
}

TEST(DesenhaCabecalho, RulePictureAndThreeCentredLines) {
    SuperficieTeste s;
    const ContextoPagina c = Contexto();
    s.DefinirY(77);
    DesenhaCabecalho(s, 200, c);
    EXPECT_DOUBLE_EQ(s.Y(), 77);
    ASSERT_EQ(s.saidas.size(), 5u);
    const Saida& regra = s.saidas[0];
    EXPECT_EQ(regra.tipo, Saida::Tipo::Retangulo);
    EXPECT_DOUBLE_EQ(regra.x, 10);
    EXPECT_DOUBLE_EQ(regra.y, 29);
    EXPECT_DOUBLE_EQ(regra.largura, 190); // second corner x
    EXPECT_DOUBLE_EQ(regra.altura, 30);   // second corner y

    const Saida& figura = s.saidas[1];
    EXPECT_EQ(figura.texto, "signo10"); // 15 March: Pisces
    EXPECT_DOUBLE_EQ(figura.x, 12);
    EXPECT_DOUBLE_EQ(figura.y, 5);
    EXPECT_DOUBLE_EQ(figura.largura, 22);
    EXPECT_DOUBLE_EQ(figura.altura, 22);

    // Band right of the picture: 200 - (10 + 10 + 24) = 156 mm wide, starting at 34.
    const Saida& l1 = s.saidas[2];
    EXPECT_EQ(l1.texto, "ORACULANDIA");
    EXPECT_DOUBLE_EQ(l1.x, (156 - 22) / 2.0 + 34);
    EXPECT_DOUBLE_EQ(l1.y, 7);
    EXPECT_EQ(l1.fonte, "Times New Roman");
    EXPECT_EQ(l1.tamanho, 20);
    EXPECT_TRUE(l1.negrito);
    EXPECT_FALSE(l1.italico);

    const Saida& l2 = s.saidas[3];
    EXPECT_EQ(l2.texto, "MARIA DA CONCEICAO");
    EXPECT_DOUBLE_EQ(l2.x, (156 - 36) / 2.0 + 34);
    EXPECT_DOUBLE_EQ(l2.y, 7 + 5 + 1);
    EXPECT_EQ(l2.tamanho, 14);
    EXPECT_FALSE(l2.negrito);

    const Saida& l3 = s.saidas[4];
    EXPECT_EQ(l3.texto, "15 de mar\xE7o de 1970");
    EXPECT_DOUBLE_EQ(l3.y, 18);
    EXPECT_EQ(l3.tamanho, 12);
    EXPECT_DOUBLE_EQ(l3.x, (156 - 2 * 19) / 2.0 + 34);
}

TEST(DesenhaRodape, RuleTwoLinesAndPageNumberAtTheBottomRight) {
    SuperficieTeste s;
    s.DefinirY(3);
    DesenhaRodape(s, 200, 297, "12", Contexto());
    EXPECT_DOUBLE_EQ(s.Y(), 3);
    ASSERT_EQ(s.saidas.size(), 4u);
    EXPECT_EQ(s.saidas[0].tipo, Saida::Tipo::Retangulo);
    EXPECT_DOUBLE_EQ(s.saidas[0].x, 10);
    EXPECT_DOUBLE_EQ(s.saidas[0].y, 297 - 5 - 12);
    EXPECT_DOUBLE_EQ(s.saidas[0].largura, 190);
    EXPECT_DOUBLE_EQ(s.saidas[0].altura, 297 - 5 - 11);

    EXPECT_EQ(s.saidas[1].texto, "Linha um");
    EXPECT_DOUBLE_EQ(s.saidas[1].x, 12);
    EXPECT_DOUBLE_EQ(s.saidas[1].y, 282);
    EXPECT_TRUE(s.saidas[1].negrito);
    EXPECT_EQ(s.saidas[1].tamanho, 12);

    EXPECT_EQ(s.saidas[2].texto, "Linha dois");
    EXPECT_DOUBLE_EQ(s.saidas[2].y, 287);
    EXPECT_FALSE(s.saidas[2].negrito);
    EXPECT_EQ(s.saidas[2].tamanho, 10);

    EXPECT_EQ(s.saidas[3].texto, "12");
    EXPECT_DOUBLE_EQ(s.saidas[3].x, 190 - 4);
    EXPECT_DOUBLE_EQ(s.saidas[3].y, 292 - 5);
    EXPECT_EQ(s.saidas[3].tamanho, 16);
    EXPECT_TRUE(s.saidas[3].negrito);
    EXPECT_EQ(s.saidas[3].fonte, "Times New Roman");

    SuperficieTeste semNumero;
    DesenhaRodape(semNumero, 200, 297, "0", Contexto());
    EXPECT_EQ(semNumero.saidas.size(), 3u);
}

TEST(FonteSalva, SavedFromOnePageRestoredOnAnother) {
    Paginacao p(Contexto());
    SuperficieTeste velha, nova;
    velha.DefinirNomeFonte("Courier New");
    velha.DefinirTamanhoFonte(12.5);
    velha.DefinirNegrito(true);
    velha.DefinirItalico(true);
    p.SalvarFontesTela(velha);
    EXPECT_EQ(p.FonteSalva.Tamanho, 12); // half to even
    p.RestaurarFontesTela(nova);
    EXPECT_EQ(nova.NomeFonte(), "Courier New");
    EXPECT_EQ(nova.TamanhoFonte(), 12);
    EXPECT_TRUE(nova.Negrito());
    EXPECT_TRUE(nova.Italico());

    velha.DefinirTamanhoFonte(13.5);
    velha.DefinirNegrito(false);
    p.SalvarFontesTela(velha);
    EXPECT_EQ(p.FonteSalva.Tamanho, 14);
    EXPECT_FALSE(p.FonteSalva.Negrito);
}

} // namespace
} // namespace oraculandia
