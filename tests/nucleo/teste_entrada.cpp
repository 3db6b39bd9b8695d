// Normalisation and checks of the typed name and birth date.
#include <gtest/gtest.h>

#include <cctype>
#include <iterator>
#include <string>

#include "engine/entrada.h"
#include "engine/numerologia.h"

using namespace oraculandia;

namespace {
const Data kHoje{7, 12, 2026};
}

TEST(EntradaNome, MaiusculasEAcentos) {
    // maria da conceição, joão (Windows-1252).
    EXPECT_EQ(NormalizarNome("maria da concei\xE7\xE3o"), "MARIA DA CONCEICAO");
    EXPECT_EQ(NormalizarNome("jo\xE3o"), "JOAO");
    EXPECT_EQ(NormalizarNome("JOS\xC9"), "JOSE");
    EXPECT_EQ(NormalizarNome("jos\xE9"), "JOSE");
    EXPECT_EQ(NormalizarNome("descartar"), "DESCARTAR");
    // Every character is kept in place; letters outside the table stay (upper-cased).
    EXPECT_EQ(NormalizarNome("d'arc-2 \xE8\xF1"), "D'ARC-2 \xC8\xD1");
    EXPECT_EQ(NormalizarNome("\xE0\xE1\xE2\xE3\xE9\xEA\xED\xEE\xEF\xF3\xF4\xF5\xFA\xFB\xFC\xE7"),
              "AAAAEEIIIOOOUUUC");
    EXPECT_EQ(ValorNome(NormalizarNome("jos\xE9")), ValorNome("JOSE"));
}

TEST(EntradaNome, CincoCaracteresBastam) {
    EXPECT_FALSE(NomeAceitavel("ANA "));
    EXPECT_TRUE(NomeAceitavel("ANA S"));
    EXPECT_TRUE(NomeAceitavel("MARIA"));
    EXPECT_FALSE(NomeAceitavel(""));
    EXPECT_TRUE(NomeAceitavel("A    ")); // spaces count; no second word needed
    EXPECT_TRUE(NomeAceitavel("    A"));
    EXPECT_FALSE(NomeAceitavel("     ")); // blanks only are no name, however many
    EXPECT_FALSE(NomeAceitavel("          "));
}

TEST(EntradaNome, CaracteresDeControle) {
    EXPECT_FALSE(TemCaractereDeControle("MARIA DA CONCEI\xC7\xC3O"));
    EXPECT_FALSE(TemCaractereDeControle("D'AVILA-SOUZA JR."));
    EXPECT_TRUE(TemCaractereDeControle("ANA\tSILVA"));
    EXPECT_TRUE(TemCaractereDeControle("ANA\nSILVA"));
    EXPECT_TRUE(TemCaractereDeControle("ANA\rSILVA"));
    EXPECT_TRUE(TemCaractereDeControle(std::string_view("ANA\0SILVA", 9)));
    EXPECT_TRUE(TemCaractereDeControle("ANA\x7FSILVA"));
    EXPECT_TRUE(TemCaractereDeControle("ANA\x81SILVA"));  // undefined in Windows-1252
    EXPECT_FALSE(TemCaractereDeControle("ANA\x80SILVA")); // the euro sign is a character
}

// Letter + combining accent, as some keyboards and pasted texts give it, becomes the one
// precomposed letter (Unicode NFC), for every letter of Windows-1252 that has one.
TEST(EntradaNome, AcentosSeparadosSaoCompostos) {
    EXPECT_EQ(ComporAcentos("Jose\u0301 da Silva"), "José da Silva");
    EXPECT_EQ(ComporAcentos("Joa\u0303o Conceic\u0327a\u0303o"), "João Conceição");
    EXPECT_EQ(ComporAcentos("MARIA DA CONCEIÇÃO"), "MARIA DA CONCEIÇÃO"); // already composed
    // The cedilla sorts before the accents above the letter (canonical order), and a second
    // accent of the same kind is left apart, as in NFC.
    EXPECT_EQ(ComporAcentos("a\u0301\u0327"), "á\u0327");
    EXPECT_EQ(ComporAcentos("e\u0301\u0301"), "é\u0301");
    // An accent with no letter before it, or after bytes that are not UTF-8, stays as it is
    // (and is refused later, by name).
    EXPECT_EQ(ComporAcentos("\u0301abc"), "\u0301abc");
    EXPECT_EQ(ComporAcentos("a \u0301"), "a \u0301");
    EXPECT_EQ(ComporAcentos("\xFF\u0301x"), "\xFF\u0301x");
    EXPECT_EQ(ComporAcentos("\xE2\x82"), "\xE2\x82"); // a cut sequence is passed on
    EXPECT_EQ(ComporAcentos(""), "");

    // Every Latin letter with every accent: the composed letters, independently listed from the
    // Unicode data; everything else unchanged.
    const std::string bases = "aaaaaaceeeeiiiinooooosuuuuyyzAAAAAACEEEEIIIINOOOOOSUUUUYYZ";
    const char32_t acentos[] = {0x300, 0x301, 0x302, 0x303, 0x308, 0x30a, 0x327, 0x300, 0x301, 0x302,
                                0x308, 0x300, 0x301, 0x302, 0x308, 0x303, 0x300, 0x301, 0x302, 0x303,
                                0x308, 0x30c, 0x300, 0x301, 0x302, 0x308, 0x301, 0x308, 0x30c, 0x300,
                                0x301, 0x302, 0x303, 0x308, 0x30a, 0x327, 0x300, 0x301, 0x302, 0x308,
                                0x300, 0x301, 0x302, 0x308, 0x303, 0x300, 0x301, 0x302, 0x303, 0x308,
                                0x30c, 0x300, 0x301, 0x302, 0x308, 0x301, 0x308, 0x30c};
    const std::u32string compostas = U"àáâãäåçèéêëìíîïñòóôõöšùúûüýÿžÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖŠÙÚÛÜÝŸŽ";
    ASSERT_EQ(bases.size(), std::size(acentos));
    ASSERT_EQ(bases.size(), compostas.size());
    auto utf8 = [](char32_t c) {
        std::string s;
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
        return s;
    };
    int compostos = 0;
    for (char base = 'A'; base <= 'z'; ++base) {
        if (!std::isalpha(static_cast<unsigned char>(base))) {
            continue;
        }
        for (char32_t acento : {0x300, 0x301, 0x302, 0x303, 0x308, 0x30a, 0x30c, 0x327}) {
            std::string esperado = std::string(1, base) + utf8(acento);
            for (std::size_t i = 0; i < bases.size(); ++i) {
                if (bases[i] == base && acentos[i] == acento) {
                    esperado = utf8(compostas[i]);
                    ++compostos;
                }
            }
            EXPECT_EQ(ComporAcentos(std::string(1, base) + utf8(acento) + "x"), esperado + "x")
                << base << " U+" << std::hex << static_cast<unsigned>(acento);
        }
    }
    EXPECT_EQ(compostos, 58);
}

TEST(EntradaData, FormasAceitas) {
    EXPECT_EQ(NormalizarData("20/8/78", kHoje), "20/08/1978");
    EXPECT_EQ(NormalizarData("20/08/1978", kHoje), "20/08/1978");
    EXPECT_EQ(NormalizarData("1/2/3", kHoje), "01/02/2003");
    EXPECT_EQ(NormalizarData("5/3/1970", kHoje), "05/03/1970");
    EXPECT_EQ(NormalizarData(" 15/03/1970 ", kHoje), "15/03/1970");
    EXPECT_EQ(NormalizarData("20/08", kHoje), "20/08/2026");
    EXPECT_EQ(NormalizarData("15-03-1970", kHoje), "15/03/1970");
    EXPECT_EQ(NormalizarData("15.03.70", kHoje), "15/03/1970");
}

TEST(EntradaData, JanelaDoSeculo) {
    EXPECT_EQ(NormalizarData("01/01/00", kHoje), "01/01/2000");
    EXPECT_EQ(NormalizarData("01/01/29", kHoje), "01/01/2029");
    EXPECT_EQ(NormalizarData("01/01/30", kHoje), "01/01/1930");
    EXPECT_EQ(NormalizarData("01/01/99", kHoje), "01/01/1999");
}

TEST(EntradaData, DatasImpossiveisRecusadas) {
    for (const char* t :
         {"31/02/2000", "29/02/1900", "29/02/2023",  "00/01/2000",  "01/00/2000", "32/01/2000",
          "01/13/2000", "",           "abc",         "15/03/19700", "1/1/1/1",    "15//1970",
          "/03/1970",   "15/03/",     "115/03/1970", "15/3a/1970",  "15 03 1970", "29/02",
          "01/01/0050", "+1/01/2000", "-1/01/2000"}) {
        EXPECT_FALSE(InterpretarData(t, kHoje).has_value()) << t;
        EXPECT_EQ(NormalizarData(t, kHoje), t) << "left unchanged";
    }
    EXPECT_TRUE(InterpretarData("29/02/2000", kHoje).has_value());
    EXPECT_TRUE(InterpretarData("29/02", Data{1, 1, 2024}).has_value()); // a leap year today
    EXPECT_TRUE(InterpretarData("29/2/00", kHoje).has_value());
}
