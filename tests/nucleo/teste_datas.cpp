// Birth-date numbers, cycles, ages, challenges, health, universal and personal numbers, zodiac.
#include <gtest/gtest.h>

#include <string>

#include "engine/datas.h"
#include "engine/numerologia.h"

using namespace oraculandia;

namespace {
const Data kHoje{6, 12, 2026};
}

TEST(NumerosNascimento, ExemploDe15DeMarcoDe1970) {
    const NumerosNascimento n = CalcularNumerosNascimento("15/03/1970", kHoje);
    EXPECT_EQ(n.caminhoVida, 8);
    EXPECT_EQ(n.cicloFormativo, 3);
    EXPECT_EQ(n.cicloProdutivo, 6);
    EXPECT_EQ(n.cicloColheita, 8);
    EXPECT_EQ(n.inicioProdutivo, "15/03/1999");
    EXPECT_EQ(n.inicioColheita, "15/03/2026");
    EXPECT_EQ(n.vibracaoDia, 6);
    EXPECT_EQ(n.desafioDia, 4);
    EXPECT_EQ(n.presenteDia, 5);
    EXPECT_EQ(n.realizacoes, (std::array<int16_t, 4>{9, 5, 5, 2}));
    EXPECT_EQ(n.idadesRealizacao, (std::array<int16_t, 3>{28, 37, 46}));
    EXPECT_EQ(n.primeiroDesafioMenor, 3);
    EXPECT_EQ(n.segundoDesafioMenor, 2);
    EXPECT_EQ(n.desafioMaior, 1);
    EXPECT_EQ(n.desafioMenorAdicional, 5);
    EXPECT_EQ(n.sequenciaNumeros, "863864595523215");
    EXPECT_EQ(n.contagens[6], 4); // digit 5, four times
    EXPECT_EQ(n.slotSaude, 6);
    EXPECT_EQ(n.numeroSaude, 6);
}

TEST(NumerosNascimento, NumerosUniversaisEPessoais) {
    const NumerosNascimento n = CalcularNumerosNascimento("15/03/1970", kHoje);
    EXPECT_EQ(n.anoUniversal, 1);
    EXPECT_EQ(n.mesUniversal, 4);
    EXPECT_EQ(n.diaUniversal, 1);
    EXPECT_EQ(n.anoPessoal, 1); // 1 + 6 + 3 = 10 -> 1
    EXPECT_EQ(n.mesPessoal, 4); // 1 + 3
    EXPECT_EQ(n.diaPessoal, 1); // 4 + 6 = 10 -> 1
    // The birth year does not enter the personal numbers.
    const NumerosNascimento outroAno = CalcularNumerosNascimento("15/03/1971", kHoje);
    EXPECT_EQ(outroAno.anoPessoal, n.anoPessoal);
    EXPECT_EQ(outroAno.mesPessoal, n.mesPessoal);
    EXPECT_EQ(outroAno.diaPessoal, n.diaPessoal);
    // Another day changes only the day numbers.
    const NumerosNascimento amanha = CalcularNumerosNascimento("15/03/1970", Data{7, 12, 2026});
    EXPECT_EQ(amanha.diaUniversal, 2);
    EXPECT_EQ(amanha.diaPessoal, 2);
    EXPECT_EQ(amanha.mesUniversal, 4);
    const NumerosNascimento ano2027 = CalcularNumerosNascimento("15/03/1970", Data{31, 1, 2027});
    EXPECT_EQ(ano2027.anoUniversal, 2);
    EXPECT_EQ(ano2027.mesUniversal, 3);
    EXPECT_EQ(ano2027.diaUniversal, 7); // 3 + 4
    EXPECT_EQ(ano2027.anoPessoal, 2);   // 2 + 6 + 3 = 11 -> 2
}

TEST(NumerosNascimento, DesafioEPresenteDoDia) {
    auto desafio = [](const char* data) { return CalcularNumerosNascimento(data, kHoje); };
    EXPECT_EQ(desafio("11/05/1980").desafioDia, 0);
    EXPECT_EQ(desafio("11/05/1980").presenteDia, 9);
    EXPECT_EQ(desafio("22/05/1980").desafioDia, 0);
    EXPECT_EQ(desafio("01/05/1980").desafioDia, 1);
    EXPECT_EQ(desafio("09/05/1980").desafioDia, 9);
    EXPECT_EQ(desafio("09/05/1980").presenteDia, 0);
    EXPECT_EQ(desafio("29/11/1980").desafioDia, 7);
    EXPECT_EQ(desafio("29/11/1980").presenteDia, 2);
    EXPECT_EQ(desafio("30/11/1980").desafioDia, 3);
}

TEST(NumerosNascimento, DesafiosDaVidaZerados) {
    // rM = rD = rY = 1: 10/10/2008 (1, 1, 10 -> 1).
    const NumerosNascimento n = CalcularNumerosNascimento("10/10/2008", kHoje);
    EXPECT_EQ(n.primeiroDesafioMenor, 0);
    EXPECT_EQ(n.segundoDesafioMenor, 0);
    EXPECT_EQ(n.desafioMaior, 0);
    EXPECT_EQ(n.desafioMenorAdicional, 0);
    // Only rM = rD: 03/12/1970.
    const NumerosNascimento m = CalcularNumerosNascimento("03/12/1970", kHoje);
    EXPECT_EQ(m.primeiroDesafioMenor, 0);
    EXPECT_EQ(m.segundoDesafioMenor, 5);
    EXPECT_EQ(m.desafioMaior, 5);
}

TEST(NumerosNascimento, Ciclos) {
    // Offsets for every personal year P: the year found always has personal year 1.
    for (int ano = 1900; ano <= 2030; ++ano) {
        for (int mes = 1; mes <= 12; ++mes) {
            const int16_t rM = ReduzirNumero(static_cast<int16_t>(mes));
            const int16_t rD = 6;
            for (int K : {27, 57}) {
                const int inicio = AnoInicioCiclo(ano, rM, rD, K);
                const int16_t p =
                    ReduzirNumero(static_cast<int16_t>(ReduzirNumero(static_cast<int16_t>(inicio)) +
                                                       ReduzirNumero(static_cast<int16_t>(rM + rD))));
                ASSERT_EQ(p, 1) << ano << " " << mes << " " << K;
                ASSERT_GE(inicio - (ano + K), -3);
                ASSERT_LE(inicio - (ano + K), 5);
            }
        }
    }
    // P = 5 moves forward five years rather than back four.
    // rM + rD = 9: T = 1970 + 27 = 1997 -> 8, so P = 8; choose a birth year giving P = 5.
    // T reduced = 5 with rM + rD = 9: T = 1994 (23 -> 5) -> birth year 1967.
    EXPECT_EQ(AnoInicioCiclo(1967, 3, 6, 27), 1999);
    // P = 1 gives no offset: T = 1999 + 27? T reduced 1 with rM + rD = 9: T = 2008 (birth 1981).
    EXPECT_EQ(AnoInicioCiclo(1981, 3, 6, 27), 2008);
    const NumerosNascimento n = CalcularNumerosNascimento("15/03/1981", kHoje);
    EXPECT_EQ(n.inicioProdutivo, "15/03/2008");
}

TEST(NumerosNascimento, DataDeCicloSemZerosAEsquerda) {
    // A year below 1000 is written without leading zeros in the cycle dates.
    const NumerosNascimento n = CalcularNumerosNascimento("15/03/0900", kHoje);
    EXPECT_EQ(n.inicioProdutivo.substr(0, 6), "15/03/");
    EXPECT_EQ(n.inicioProdutivo.size(), 9u);
}

TEST(NumerosNascimento, SaudeEmpates) {
    // Build sequences through dates and check the rule against a direct count.
    for (int ano : {1950, 1970, 1988, 2001, 2019}) {
        for (int dia = 1; dia <= 28; dia += 3) {
            for (int mes = 1; mes <= 12; ++mes) {
                const std::string data = FormatarData(Data{dia, mes, ano});
                const NumerosNascimento n = CalcularNumerosNascimento(data, kHoje);
                ASSERT_EQ(n.sequenciaNumeros.size(), 15u);
                int contagem[10] = {};
                for (char c : n.sequenciaNumeros) {
                    ++contagem[c - '0'];
                }
                int maior = 0;
                int escolhido = 0;
                for (int v = 0; v <= 9; ++v) {
                    if (contagem[v] >= maior) { // ties: the highest digit wins
                        maior = contagem[v];
                        escolhido = v;
                    }
                }
                ASSERT_EQ(n.slotSaude, escolhido + 1) << data;
                ASSERT_EQ(n.numeroSaude, ReduzirNumero(static_cast<int16_t>(escolhido + 1)));
            }
        }
    }
}

TEST(NumerosNascimento, SaudeSlotDez) {
    // 09/09/1989: rD 9, rM 9, rY 27 -> 9; Life Path 27 -> 9; the digit 9 dominates.
    const NumerosNascimento n = CalcularNumerosNascimento("09/09/1989", kHoje);
    EXPECT_EQ(n.slotSaude, 10);
    EXPECT_EQ(n.numeroSaude, 1);
}

TEST(NumerosNascimento, DataMalFormadaNaoQuebra) {
    for (const char* t : {"", "x", "15/03", "aa/bb/cccc", "15/03/19", "99/99/99999999"}) {
        const NumerosNascimento n = CalcularNumerosNascimento(t, kHoje);
        EXPECT_EQ(n.sequenciaNumeros.size(), 15u) << t;
    }
}

TEST(Signo, Limites) {
    EXPECT_EQ(SignoDoZodiaco("21/03"), 9);
    EXPECT_EQ(SignoDoZodiaco("20/03"), 10);
    EXPECT_EQ(SignoDoZodiaco("22/12"), 12);
    EXPECT_EQ(SignoDoZodiaco("20/01"), 12);
    EXPECT_EQ(SignoDoZodiaco("21/01"), 11);
    EXPECT_EQ(SignoDoZodiaco("29/02"), 10);
    EXPECT_EQ(SignoDoZodiaco("19/02"), 11);
    EXPECT_EQ(SignoDoZodiaco("20/02"), 10);
    EXPECT_EQ(SignoDoZodiaco("23/10"), 1);
    EXPECT_EQ(SignoDoZodiaco("21/11"), 1);
    EXPECT_EQ(SignoDoZodiaco("22/11"), 5);
    EXPECT_EQ(SignoDoZodiaco("21/12"), 5);
    EXPECT_EQ(SignoDoZodiaco("22/10"), 2);
    EXPECT_EQ(SignoDoZodiaco("23/09"), 2);
    EXPECT_EQ(SignoDoZodiaco("22/09"), 3);
    EXPECT_EQ(SignoDoZodiaco("23/08"), 3);
    EXPECT_EQ(SignoDoZodiaco("22/08"), 4);
    EXPECT_EQ(SignoDoZodiaco("22/07"), 4);
    EXPECT_EQ(SignoDoZodiaco("21/07"), 6);
    EXPECT_EQ(SignoDoZodiaco("21/06"), 6);
    EXPECT_EQ(SignoDoZodiaco("20/06"), 7);
    EXPECT_EQ(SignoDoZodiaco("21/05"), 7);
    EXPECT_EQ(SignoDoZodiaco("20/05"), 8);
    EXPECT_EQ(SignoDoZodiaco("21/04"), 8);
    EXPECT_EQ(SignoDoZodiaco("20/04"), 9);
    EXPECT_EQ(SignoDoZodiaco("01/01"), 12);
    EXPECT_EQ(SignoDoZodiaco("31/12"), 12);
    EXPECT_EQ(SignoDoZodiaco("ab/cd"), 0);
}

TEST(Signo, CadaDiaDoAnoTemUmSigno) {
    int anterior = SignoDoZodiaco(31, 12);
    int trocas = 0;
    for (int mes = 1; mes <= 12; ++mes) {
        for (int dia = 1; dia <= DiasNoMes(mes, 2000); ++dia) {
            const int s = SignoDoZodiaco(dia, mes);
            ASSERT_GE(s, 1);
            ASSERT_LE(s, 12);
            trocas += s != anterior;
            anterior = s;
        }
    }
    EXPECT_EQ(trocas, 12);
}

TEST(Datas, Validade) {
    EXPECT_TRUE(DataValida({29, 2, 2000}));
    EXPECT_FALSE(DataValida({29, 2, 1900}));
    EXPECT_TRUE(DataValida({29, 2, 2024}));
    EXPECT_FALSE(DataValida({31, 2, 2000}));
    EXPECT_FALSE(DataValida({31, 4, 2000}));
    EXPECT_FALSE(DataValida({0, 1, 2000}));
    EXPECT_FALSE(DataValida({1, 13, 2000}));
    EXPECT_EQ(FormatarData({5, 3, 1970}), "05/03/1970");
    EXPECT_EQ(LerDataNormalizada("15/03/1970"), (Data{15, 3, 1970}));
    EXPECT_FALSE(LerDataNormalizada("15/3/1970"));
    EXPECT_FALSE(LerDataNormalizada("31/02/2000"));
}
