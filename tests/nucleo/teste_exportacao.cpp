// The plain-text export of an analysis.
#include <gtest/gtest.h>

#include <string>

#include "analysis/exportacao.h"

using namespace oraculandia;

namespace {

SecoesAnalise SecoesSimples() {
    SecoesAnalise s;
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        s[id] = {"T" + std::to_string(id), "", "X" + std::to_string(id), std::to_string(id % 10)};
    }
    s[26].Numero = "E";
    return s;
}

ConfiguracaoPrograma SoAs(std::initializer_list<int> ids) {
    ConfiguracaoPrograma c;
    for (int i = 1; i <= kNumeroCalculos; ++i) {
        c.CalculosSelecionados[i] = kDesligado;
    }
    for (int id : ids) {
        c.CalculosSelecionados[id] = kLigado;
    }
    return c;
}

const std::string kSep = "-=-=-=-=-=-=-=-=-=-=-\r\n\r\n";

} // namespace

TEST(TextoExportacao, BytesExatos) {
    SecoesAnalise s = SecoesSimples();
    s[1].Introducao = "Intro1"; // six characters: exported
    s[2].Introducao = "Intr2";  // five: not exported
    s[2].Texto = "linha 1\r\nlinha 2\r\n";
    const ConfiguracaoPrograma c = SoAs({1, 2});
    EXPECT_EQ(TextoExportacao(s, c), "Intro1\r\n\r\nT1\r\n\r\nX1\r\n\r\n" + kSep +
                                         "T2\r\n\r\nlinha 1\r\nlinha 2\r\n\r\n\r\n" + kSep);
}

TEST(TextoExportacao, DescricaoDesligada) {
    SecoesAnalise s = SecoesSimples();
    s[1].Introducao = "Introducao longa";
    ConfiguracaoPrograma c = SoAs({1});
    c.ImprimirDescricao = kDesligado;
    EXPECT_EQ(TextoExportacao(s, c), "T1\r\n\r\nX1\r\n\r\n" + kSep);
    c.ImprimirDescricao = 1; // any non-zero value is on
    EXPECT_EQ(TextoExportacao(s, c), "Introducao longa\r\n\r\nT1\r\n\r\nX1\r\n\r\n" + kSep);
}

TEST(TextoExportacao, NumeroELetra) {
    const SecoesAnalise s = SecoesSimples();
    ConfiguracaoPrograma c = SoAs({25, 26});
    c.ImprimirNumero = kLigado;
    EXPECT_EQ(TextoExportacao(s, c),
              "T25 N\xFAmero 5\r\n\r\nX25\r\n\r\n" + kSep + "T26 Letra E\r\n\r\nX26\r\n\r\n" + kSep);
    EXPECT_EQ(TituloComNumero(s, 25, c), "T25 N\xFAmero 5");
    c.ImprimirNumero = kDesligado;
    EXPECT_EQ(TituloComNumero(s, 26, c), "T26");
    EXPECT_EQ(TituloComNumero(s, 0, c), "");
    EXPECT_EQ(TituloComNumero(s, 29, c), "");
}

TEST(TextoExportacao, SelecaoEOrdem) {
    const SecoesAnalise s = SecoesSimples();
    EXPECT_EQ(TextoExportacao(s, SoAs({})), "");
    const std::string todas = TextoExportacao(s, ConfiguracaoPrograma{});
    std::size_t anterior = 0;
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        const auto p = todas.find("T" + std::to_string(id) + "\r\n");
        ASSERT_NE(p, std::string::npos) << id;
        EXPECT_GE(p, anterior);
        anterior = p;
    }
    // Entry 0 of the selection carries no setting.
    ConfiguracaoPrograma c = SoAs({3});
    c.CalculosSelecionados[0] = kLigado;
    EXPECT_EQ(TextoExportacao(s, c), "T3\r\n\r\nX3\r\n\r\n" + kSep);
}
