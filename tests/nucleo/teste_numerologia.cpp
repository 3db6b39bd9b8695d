// Letter tables, reduction and the numbers of the name.
#include <gtest/gtest.h>

#include <string>

#include "engine/numerologia.h"

using namespace oraculandia;

TEST(ReduzirNumero, DigitosSimplesVoltamIguais) {
    for (int16_t n = 0; n <= 9; ++n) {
        EXPECT_EQ(ReduzirNumero(n), n);
    }
}

TEST(ReduzirNumero, NenhumNumeroMestreSobrevive) {
    EXPECT_EQ(ReduzirNumero(10), 1);
    EXPECT_EQ(ReduzirNumero(11), 2);
    EXPECT_EQ(ReduzirNumero(19), 1); // 19, 10, 1
    EXPECT_EQ(ReduzirNumero(22), 4);
    EXPECT_EQ(ReduzirNumero(29), 2); // 29, 11, 2
    EXPECT_EQ(ReduzirNumero(33), 6);
    EXPECT_EQ(ReduzirNumero(1999), 1); // 28, 10, 1
    EXPECT_EQ(ReduzirNumero(2026), 1);
    EXPECT_EQ(ReduzirNumero(32767), 7); // 25, 7
}

TEST(ReduzirNumero, SinalDeMenosNaoConta) {
    EXPECT_EQ(ReduzirNumero(-5), 5);
    EXPECT_EQ(ReduzirNumero(-19), 1);
    EXPECT_EQ(ReduzirNumero(-32768), 8); // 3+2+7+6+8 = 26, 8; no overflow taking the magnitude
}

TEST(ReduzirNumero, ZeroSoParaZero) {
    for (int n = 1; n <= 32767; ++n) {
        const int16_t r = ReduzirNumero(static_cast<int16_t>(n));
        ASSERT_GE(r, 1) << n;
        ASSERT_LE(r, 9) << n;
        ASSERT_EQ(r, (n - 1) % 9 + 1) << n; // the digital root
    }
    EXPECT_EQ(ReduzirSoma(0), 0);
    EXPECT_EQ(ReduzirSoma(int64_t{9999999999}), 9);
}

TEST(TabelasDeLetras, TabelaCompleta) {
    const std::string grupos[] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
    for (int v = 1; v <= 9; ++v) {
        for (char c : grupos[v - 1]) {
            EXPECT_EQ(ValorLetra(c), v) << c;
            EXPECT_EQ(ValorLetra(static_cast<char>(c + 32)), v) << "minuscula " << c;
        }
    }
    for (char d = '0'; d <= '9'; ++d) {
        EXPECT_EQ(ValorLetra(d), d - '0');
    }
    for (char c : std::string(" -'.,/")) {
        EXPECT_EQ(ValorLetra(c), 0) << c;
    }
}

TEST(TabelasDeLetras, ConsoantesEVogais) {
    const std::string consoantes = "BCDFGHJKLMNPQRSTVWXZ";
    for (char c : consoantes) {
        EXPECT_EQ(ValorConsoante(c), ValorLetra(c)) << c;
        EXPECT_EQ(ValorVogal(c), 0) << c;
    }
    const std::string vogais = "AEIOUY";
    const int16_t valores[] = {1, 5, 9, 6, 3, 7};
    for (std::size_t i = 0; i < vogais.size(); ++i) {
        EXPECT_EQ(ValorVogal(vogais[i]), valores[i]);
        EXPECT_EQ(ValorConsoante(vogais[i]), 0) << "vogal nunca consoante " << vogais[i];
    }
    EXPECT_EQ(ValorVogal('y'), 7);
    EXPECT_EQ(ValorConsoante('w'), 5); // W is always a consonant
    for (char d = '0'; d <= '9'; ++d) {
        EXPECT_EQ(ValorConsoante(d), 0);
        EXPECT_EQ(ValorVogal(d), 0);
    }
}

TEST(TabelasDeLetras, AcentosNaoDobradosValemZero) {
    // É, È, Ç (and their small forms) as Windows-1252 bytes, not folded by the tables.
    for (unsigned char c : {0xC9, 0xE9, 0xC8, 0xC7, 0xE7, 0xD1, 0xDD, 0xD6}) {
        EXPECT_EQ(ValorLetra(static_cast<char>(c)), 0) << int(c);
        EXPECT_EQ(ValorVogal(static_cast<char>(c)), 0) << int(c);
        EXPECT_EQ(ValorConsoante(static_cast<char>(c)), 0) << int(c);
    }
}

TEST(Maiusculas, Cp1252) {
    EXPECT_EQ(MaiusculaCp1252('a'), 'A');
    EXPECT_EQ(MaiusculaCp1252('z'), 'Z');
    EXPECT_EQ(MaiusculaCp1252(0xE0), 0xC0); // à -> À
    EXPECT_EQ(MaiusculaCp1252(0xE7), 0xC7); // ç -> Ç
    EXPECT_EQ(MaiusculaCp1252(0xFE), 0xDE); // þ -> Þ
    EXPECT_EQ(MaiusculaCp1252(0xF7), 0xF7); // ÷ stays
    EXPECT_EQ(MaiusculaCp1252(0xDF), 0xDF); // ß stays
    EXPECT_EQ(MaiusculaCp1252(0xFF), 0x9F); // ÿ -> Ÿ
    EXPECT_EQ(MaiusculaCp1252(0x9A), 0x8A); // š -> Š
    EXPECT_EQ(MaiusculaCp1252('1'), '1');
    EXPECT_EQ(MaiusculaCp1252(0xC9), 0xC9);
}

TEST(Maiusculas, DobraDeAcentos) {
    const std::pair<unsigned char, char> tabela[] = {{0xC1, 'A'}, {0xC0, 'A'}, {0xC2, 'A'}, {0xC3, 'A'},
                                                     {0xC9, 'E'}, {0xCA, 'E'}, {0xCD, 'I'}, {0xCE, 'I'},
                                                     {0xCF, 'I'}, {0xD3, 'O'}, {0xD4, 'O'}, {0xD5, 'O'},
                                                     {0xDA, 'U'}, {0xDB, 'U'}, {0xDC, 'U'}, {0xC7, 'C'}};
    for (auto [de, para] : tabela) {
        EXPECT_EQ(DobrarAcento(de), static_cast<unsigned char>(para)) << int(de);
    }
    // È Ì Ò Ù Ë Ö Ñ Ý stay.
    for (unsigned char c : {0xC8, 0xCC, 0xD2, 0xD9, 0xCB, 0xD6, 0xD1, 0xDD, 0xC4}) {
        EXPECT_EQ(DobrarAcento(c), c);
    }
    // Small letters are not folded: folding comes after upper-casing.
    EXPECT_EQ(DobrarAcento(0xE1), 0xE1);
}

TEST(NumerosDoNome, AnaSilva) {
    const std::string nome = "ANA SILVA";
    EXPECT_EQ(ValorNome(nome), 7);       // 25
    EXPECT_EQ(ValorVogais(nome), 3);     // 12
    EXPECT_EQ(ValorConsoantes(nome), 4); // 13
    const auto v = AcharPrimeiraVogal(nome);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->letra, 'A');
    EXPECT_EQ(v->indice, 1);
    EXPECT_EQ(CaracteristicaNome(nome), 8);
    // Lower case gives the same numbers.
    EXPECT_EQ(ValorNome("ana silva"), 7);
    EXPECT_EQ(ValorVogais("ana silva"), 3);
    EXPECT_EQ(ValorConsoantes("ana silva"), 4);
}

TEST(NumerosDoNome, JoseComEsemAcento) {
    EXPECT_EQ(ValorNome("JOSE"), 4); // 1+6+1+5 = 13
    // Unfolded, the É counts nothing; folded by the entry it is the same as JOSE.
    EXPECT_EQ(ValorNome("JOS\xC9"), 8);
}

TEST(NumerosDoNome, DigitosSoNaExpressao) {
    EXPECT_EQ(ValorNome("ANA 7"), ReduzirNumero(1 + 5 + 1 + 7));
    EXPECT_EQ(ValorVogais("ANA 7"), ValorVogais("ANA"));
    EXPECT_EQ(ValorConsoantes("ANA 7"), ValorConsoantes("ANA"));
}

TEST(NumerosDoNome, PrimeiraVogal) {
    EXPECT_EQ(AcharPrimeiraVogal("BRYN")->letra, 'Y');
    EXPECT_EQ(AcharPrimeiraVogal("BRYN")->indice, 6);
    EXPECT_EQ(ValorVogais("BRYN"), 7);
    EXPECT_EQ(ValorConsoantes("BRYN"), ReduzirNumero(2 + 9 + 5));
    EXPECT_EQ(AcharPrimeiraVogal("xu")->letra, 'U');
    EXPECT_EQ(AcharPrimeiraVogal("xu")->indice, 5);
    EXPECT_EQ(AcharPrimeiraVogal("MOEMA")->indice, 4);
    EXPECT_EQ(AcharPrimeiraVogal("TIAGO")->letra, 'I');
    EXPECT_EQ(AcharPrimeiraVogal("KLEBER")->letra, 'E');
    EXPECT_FALSE(AcharPrimeiraVogal("BRR ZZ").has_value());
    EXPECT_FALSE(AcharPrimeiraVogal("").has_value());
    EXPECT_FALSE(AcharPrimeiraVogal("\xC9").has_value()); // an unfolded É is no vowel
}

TEST(NumerosDoNome, CaracteristicaNaoContaEspacos) {
    EXPECT_EQ(CaracteristicaNome("ANA  SILVA"), 8);
    EXPECT_EQ(CaracteristicaNome(" ANA SILVA "), 8);
    EXPECT_EQ(CaracteristicaNome("D'ARC-1"), 7); // hyphens, apostrophes, digits count
    EXPECT_EQ(CaracteristicaNome("     "), 0);
}

TEST(NumerosDoNome, Realidade) {
    EXPECT_EQ(NumeroRealidade(7, 9), 7);
    EXPECT_EQ(NumeroRealidade(7, 8), 6);
    EXPECT_EQ(NumeroRealidade(0, 8), 8);
}

TEST(NumerosDoNome, NomeLongoNaoTransborda) {
    // 4,000 Z's sum to 32,000 (no 16-bit overflow); 5,000 sum to 40,000, beyond 16 bits.
    EXPECT_EQ(ValorNome(std::string(4000, 'Z')), ReduzirNumero(32000));
    EXPECT_EQ(ValorNome(std::string(5000, 'Z')), 4); // 40000 -> 4
    EXPECT_EQ(ValorConsoantes(std::string(5000, 'Z')), 4);
    EXPECT_EQ(ValorVogais(std::string(6000, 'I')), 9);         // 54000 -> 9
    EXPECT_EQ(CaracteristicaNome(std::string(40000, 'A')), 4); // 40000 characters
}
