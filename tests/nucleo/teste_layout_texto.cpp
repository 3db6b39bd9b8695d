// ImprimeTexto on a surface where every character is 2 mm wide and every line 5 mm high.
#include <gtest/gtest.h>

#include <random>

#include "layout/paginacao.h"
#include "teste_layout_superficie.h"

namespace oraculandia {
namespace {

using teste::SuperficieTeste;

struct Pos {
    std::string texto;
    double x, y;
};

std::vector<Pos> Posicoes(const SuperficieTeste& s) {
    std::vector<Pos> r;
    for (const auto& t : s.Textos())
        r.push_back({t.texto, t.x, t.y});
    return r;
}

void EsperarPosicoes(const SuperficieTeste& s, const std::vector<Pos>& esperado) {
    const auto obtido = Posicoes(s);
    ASSERT_EQ(obtido.size(), esperado.size());
    for (std::size_t i = 0; i < esperado.size(); ++i) {
        EXPECT_EQ(obtido[i].texto, esperado[i].texto) << "output " << i;
        EXPECT_NEAR(obtido[i].x, esperado[i].x, 1e-9) << "output " << i << " " << esperado[i].texto;
        EXPECT_NEAR(obtido[i].y, esperado[i].y, 1e-9) << "output " << i << " " << esperado[i].texto;
    }
}

TEST(ImprimeTexto, JustifiesBrokenLinesToTheRightEdgeAndLeavesTheLastLineLeftAligned) {
    SuperficieTeste s;
    std::string texto = "aaa bbb ccc ddd eee fff ggg";
    // Column 10..50: 20 characters. The 21st character overflows, so the line is cut before
    // "fff": 19 characters (38 mm) in 4 gaps of 0.5 mm extra each.
    EXPECT_TRUE(ImprimeTexto(s, 100, 10, 50, 272, texto));
    EsperarPosicoes(s, {{"aaa", 10, 100},
                        {"bbb", 18.5, 100},
                        {"ccc", 27, 100},
                        {"ddd", 35.5, 100},
                        {"eee", 44, 100},
                        {"fff ggg", 10, 105}});
    // The last word of a justified line ends exactly at XDireita (2 mm per character).
    const auto p = Posicoes(s);
    ASSERT_GE(p.size(), 5u);
    EXPECT_DOUBLE_EQ(p[4].x + 2.0 * static_cast<double>(p[4].texto.size()), 50);
    EXPECT_DOUBLE_EQ(s.Y(), 105); // top of the last line printed
}

TEST(ImprimeTexto, ParagraphBreaksEmptyLinesAndLoneBreaks) {
    SuperficieTeste s;
    std::string texto = "aaa bbb\r\nccc\r\n\r\nddd\rZ\nW";
    EXPECT_TRUE(ImprimeTexto(s, 50, 10, 100, 272, texto));
    // Every paragraph's last line is left-aligned; CR LF is one break; an empty line advances by
    // one line height; a lone CR or LF breaks the line and loses no character.
    EsperarPosicoes(s, {{"aaa bbb", 10, 50}, {"ccc", 10, 55}, {"ddd", 10, 65}, {"Z", 10, 70}, {"W", 10, 75}});
}

TEST(ImprimeTexto, TextEndingWithAParagraphBreakEndsCleanly) {
    SuperficieTeste s;
    std::string texto = "aaa bbb\r\n";
    EXPECT_TRUE(ImprimeTexto(s, 50, 10, 100, 272, texto));
    EsperarPosicoes(s, {{"aaa bbb", 10, 50}});
    EXPECT_DOUBLE_EQ(s.Y(), 50);
}

TEST(ImprimeTexto, DoubleSpacesAreEmptyWordsWidenedLikeAnyOther) {
    SuperficieTeste s;
    std::string texto = "aaa  bbb ccc ddd ee ff";
    // Column 10..50 (40 mm). The line "aaa  bbb ccc ddd ee" (38 mm) has 5 gaps
    // (two between aaa and bbb): 0.4 mm extra each.
    EXPECT_TRUE(ImprimeTexto(s, 0, 10, 50, 272, texto));
    EsperarPosicoes(
        s,
        {{"aaa", 10, 0}, {"bbb", 20.8, 0}, {"ccc", 29.2, 0}, {"ddd", 37.6, 0}, {"ee", 46, 0}, {"ff", 10, 5}});
    // The gap between aaa and bbb is two stretched gaps: 2 x (2 + 0.4) after the 6 mm of aaa.
    const auto p = Posicoes(s);
    ASSERT_GE(p.size(), 2u);
    EXPECT_NEAR(p[1].x - (p[0].x + 2.0 * static_cast<double>(p[0].texto.size())), 2 * 2.4, 1e-9);
}

TEST(ImprimeTexto, LeadingSpacesOfABrokenLinePrintAsWidenedEmptyWords) {
    SuperficieTeste s;
    // The line breaks on the second of three spaces; the next line starts with the third.
    std::string texto = "aaaa bbbb   cc dd eeeeeeeeee";
    EXPECT_TRUE(ImprimeTexto(s, 0, 0, 20, 272, texto));
    // Line 1 "aaaa bbbb" (18 of 20 mm, 1 gap of +2): bbbb at 12. Line 2 " cc dd" starts with an
    // empty word: 2 gaps, (20 - 12) / 2 extra each.
    const auto p = Posicoes(s);
    ASSERT_GE(p.size(), 4u);
    EXPECT_EQ(p[0].texto, "aaaa");
    EXPECT_EQ(p[1].texto, "bbbb");
    EXPECT_DOUBLE_EQ(p[1].x, 12);
    EXPECT_EQ(p[2].texto, "cc");
    const double extra = (20.0 - 12.0) / 2; // " cc dd": 2 gaps
    EXPECT_NEAR(p[2].x, 2 + extra, 1e-9);
    EXPECT_EQ(p[3].texto, "dd");
    EXPECT_NEAR(p[3].x + 4, 20, 1e-9);
}

TEST(ImprimeTexto, OverflowOnTheLastCharacterBreaksLikeAnyOtherLine) {
    SuperficieTeste s;
    std::string texto = "aa bb cccccc"; // 12 characters in a column of 11
    EXPECT_TRUE(ImprimeTexto(s, 0, 10, 32, 272, texto));
    EsperarPosicoes(s, {{"aa", 10, 0}, {"bb", 28, 0}, {"cccccc", 10, 5}});
}

TEST(ImprimeTexto, AWordWiderThanTheColumnIsCutAtTheEdgeAndNothingIsLost) {
    SuperficieTeste s;
    std::string texto = "ab abcdefghijkl xy";
    EXPECT_TRUE(ImprimeTexto(s, 0, 0, 10, 272, texto));
    // "ab" is a justified line of one word: left-aligned. The long word is cut every 5
    // characters (10 mm), never past the column's edge.
    EsperarPosicoes(s, {{"ab", 0, 0}, {"abcde", 0, 5}, {"fghij", 0, 10}, {"kl xy", 0, 15}});
}

TEST(ImprimeTexto, AColumnNarrowerThanOneCharacterStillAdvancesAndEnds) {
    SuperficieTeste s;
    std::string texto = "ab c";
    EXPECT_TRUE(ImprimeTexto(s, 0, 10, 9, 272, texto)); // XDireita left of XEsquerda
    std::string impresso;
    for (const auto& t : s.Textos()) {
        EXPECT_DOUBLE_EQ(t.x, 10);
        impresso += t.texto + "|";
    }
    EXPECT_EQ(impresso, "a|b|c|");
}

TEST(ImprimeTexto, PageFullRulePrintsTheCrossingLineAndReturnsTheRestWithoutLeadingBreaks) {
    SuperficieTeste s;
    std::string texto = "aaa\r\nbbb\r\nccc\r\n\r\n\tddd\r\neee";
    // Tops 100, 105, 110: 110 + 5 > 112, so the line at 110 is printed and is the last one.
    EXPECT_FALSE(ImprimeTexto(s, 100, 10, 100, 112, texto));
    EsperarPosicoes(s, {{"aaa", 10, 100}, {"bbb", 10, 105}, {"ccc", 10, 110}});
    EXPECT_EQ(texto, "ddd\r\neee"); // CR LF CR LF and the tab removed from the start
    EXPECT_DOUBLE_EQ(s.Y(), 110);
}

TEST(ImprimeTexto, PageFullInsideAJustifiedParagraphContinuesWithTheNextWord) {
    SuperficieTeste s;
    std::string texto = "aaa bbb ccc ddd";
    EXPECT_FALSE(ImprimeTexto(s, 0, 0, 14, 4, texto)); // 7 characters a line; first line fills the page
    EsperarPosicoes(s, {{"aaa", 0, 0}, {"bbb", 8, 0}});
    EXPECT_EQ(texto, "ccc ddd");
}

TEST(ImprimeTexto, APageFullOnTheLastLineReturnsTrue) {
    SuperficieTeste s;
    std::string texto = "aaa\r\nbbb\r\nccc";
    EXPECT_TRUE(ImprimeTexto(s, 100, 10, 100, 112, texto));
    std::string comQuebras = "aaa\r\nbbb\r\nccc\r\n\r\n";
    SuperficieTeste s2;
    EXPECT_TRUE(ImprimeTexto(s2, 100, 10, 100, 112, comQuebras));
}

// The page fills on the last printed line and only line breaks are left: the text is done, and
// nothing past its end is read (the scan once went on with the old length, reading beyond the
// emptied text and moving Y down one line per trailing break).
TEST(ImprimeTexto, APageFullFollowedOnlyByLineBreaksEndsThere) {
    for (const char* quebras : {"\r\n", "\r\n\r\n", "\r\n\r\n\r\n\r\n", "\n\r\r"}) {
        SuperficieTeste s;
        std::string texto = std::string("aaa\r\n") + quebras;
        SCOPED_TRACE(testing::PrintToString(texto));
        EXPECT_TRUE(ImprimeTexto(s, 20, 10, 100, 24, texto));
        EXPECT_EQ(texto, "");
        EsperarPosicoes(s, {{"aaa", 10, 20}});
        EXPECT_DOUBLE_EQ(s.Y(), 20); // the top of the last line printed
    }
}

TEST(ImprimeTexto, AccentedLettersAreNotControlCharacters) {
    SuperficieTeste s;
    std::string texto = "aaa\r\n\xC9poca";
    EXPECT_FALSE(ImprimeTexto(s, 0, 0, 100, 1, texto));
    EXPECT_EQ(texto, "\xC9poca");
}

TEST(ImprimeTexto, EmptyTextPrintsNothingButTakesOneLine) {
    SuperficieTeste s;
    std::string texto;
    EXPECT_TRUE(ImprimeTexto(s, 80, 10, 100, 272, texto));
    EXPECT_TRUE(s.saidas.empty());
    EXPECT_DOUBLE_EQ(s.Y(), 80);
}

// Whatever the text and the column, calling ImprimeTexto page after page prints every
// non-blank character exactly once, in order, and never outside the column.
TEST(ImprimeTexto, PageAfterPageNothingIsLost) {
    std::mt19937 gerador(20261207);
    const std::string alfabeto = "abcdefg \xE9\xC7  \r\n";
    for (int rodada = 0; rodada < 300; ++rodada) {
        std::uniform_int_distribution<int> tamanho(0, 400), letra(0, static_cast<int>(alfabeto.size()) - 1),
            coluna(1, 60);
        std::string texto;
        const int n = tamanho(gerador);
        for (int i = 0; i < n; ++i) {
            char c = alfabeto[static_cast<std::size_t>(letra(gerador))];
            // Mostly CR LF pairs, sometimes a lone CR or LF.
            if (c == '\r' && i % 5 != 0)
                texto += "\r\n";
            else
                texto += c;
        }
        const double largura = coluna(gerador);
        std::string esperado;
        for (char c : texto)
            if (c != ' ' && c != '\r' && c != '\n')
                esperado += c;

        std::string resto = texto, impresso;
        int paginas = 0;
        for (;;) {
            SuperficieTeste s;
            const bool ok = ImprimeTexto(s, 10, 10, 10 + largura, 40, resto);
            for (const auto& t : s.Textos()) {
                for (char c : t.texto)
                    if (c != ' ')
                        impresso += c;
                EXPECT_GE(t.x, 10 - 1e-9);
                // A word never passes the right edge (a one-character column may hold one char).
                EXPECT_LE(t.x + 2 * static_cast<double>(t.texto.size()), 10 + std::max(largura, 2.0) + 1e-9)
                    << "'" << t.texto << "' column " << largura;
            }
            ++paginas;
            if (ok)
                break;
            ASSERT_LT(paginas, 1000);
        }
        EXPECT_EQ(impresso, esperado) << "column " << largura;
    }
}

} // namespace
} // namespace oraculandia
