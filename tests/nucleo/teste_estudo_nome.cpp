// The name study: reduction texts, the working of known names line by line, and the comparison
// of spellings with the birth name. The property test over random names is in
// teste_estudo_nome_aleatorio.cpp.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/cp1252.h"
#include "engine/numerologia.h"
#include "estudo/estudo_nome.h"

using namespace oraculandia;

namespace {

// Names are written here in UTF-8 and handed to the study in Windows-1252, as the entry does.
std::string W(const char* utf8) {
    const auto c = Utf8ParaCp1252(utf8);
    EXPECT_TRUE(c.ok()) << utf8;
    return c.texto;
}

const Data k21071985{21, 7, 1985}; // Life Path 6: 3 + 7 + (1 + 9 + 8 + 5 = 23 -> 5) = 15 -> 6

} // namespace

TEST(TextoReducao, UmPassoDoisPassosENenhum) {
    EXPECT_EQ(TextoReducao(43), "43 → 4 + 3 = 7");
    EXPECT_EQ(TextoReducao(99), "99 → 9 + 9 = 18 → 1 + 8 = 9");
    EXPECT_EQ(TextoReducao(10), "10 → 1 + 0 = 1");
    EXPECT_EQ(TextoReducao(19), "19 → 1 + 9 = 10 → 1 + 0 = 1");
    EXPECT_EQ(TextoReducao(0), "0");
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(TextoReducao(d), std::to_string(d));
    }
    // Sums of letter values are never negative; a negative argument reads as 0.
    EXPECT_EQ(TextoReducao(-5), "0");
}

TEST(TextoReducao, NumerosGrandes) {
    EXPECT_EQ(TextoReducao(9999999999),
              "9999999999 → 9 + 9 + 9 + 9 + 9 + 9 + 9 + 9 + 9 + 9 = 90 → 9 + 0 = 9");
    EXPECT_EQ(TextoReducao(INT64_MAX),
              "9223372036854775807 → 9 + 2 + 2 + 3 + 3 + 7 + 2 + 0 + 3 + 6 + 8 + 5 + 4 + "
              "7 + 7 + 5 + 8 + 0 + 7 = 88 → 8 + 8 = 16 → 1 + 6 = 7");
    EXPECT_EQ(TextoReducao(100000), "100000 → 1 + 0 + 0 + 0 + 0 + 0 = 1");
}

TEST(ReduzirPassoAPasso, PassosDe99) {
    const auto p = ReduzirPassoAPasso(99);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].numero, 99);
    EXPECT_EQ(p[0].digitos, (std::vector<int>{9, 9}));
    EXPECT_EQ(p[0].soma, 18);
    EXPECT_EQ(p[1].numero, 18);
    EXPECT_EQ(p[1].digitos, (std::vector<int>{1, 8}));
    EXPECT_EQ(p[1].soma, 9);
    EXPECT_TRUE(ReduzirPassoAPasso(0).empty());
    EXPECT_TRUE(ReduzirPassoAPasso(9).empty());
    EXPECT_TRUE(ReduzirPassoAPasso(-12).empty());
}

// The steps reach the number the core's reduction gives, for every sum a name can reach.
TEST(ReduzirPassoAPasso, ChegaAoNumeroDoNucleo) {
    for (int64_t n = 0; n <= 200000; n += (n < 2000 ? 1 : 97)) {
        const auto passos = ReduzirPassoAPasso(n);
        const int64_t fim = passos.empty() ? n : passos.back().soma;
        ASSERT_EQ(fim, ReduzirSoma(n)) << n;
    }
}

TEST(LinhasTrabalho, MariaDaConceicaoSouza) {
    const EstudoNome e = EstudarNome(k21071985, {W("Maria da Conceição Souza")});
    ASSERT_EQ(e.caminhoVida, 6);
    const EstudoGrafia& g = e.grafias[0];
    EXPECT_EQ(g.nome, "MARIA DA CONCEICAO SOUZA");
    const std::vector<std::string> esperado = {
        "Maria da Conceição Souza",
        "Letras e valores (vogais entre colchetes; → mostra a letra que o cálculo lê):",
        "  M 4  [A 1]  R 9  [I 9]  [A 1]",
        "  D 4  [A 1]",
        "  C 3  [O 6]  N 5  C 3  [E 5]  [I 9]  Ç→C 3  [Ã→A 1]  [O 6]",
        "  S 1  [O 6]  [U 3]  Z 8  [A 1]",
        "Expressão (todas as letras): 4 + 1 + 9 + 9 + 1 + 4 + 1 + 3 + 6 + 5 + 3 + 5 + 9 + 3 + 1 + 6 + 1 + 6 "
        "+ "
        "3 + 8 + 1 = 89 → 8 + 9 = 17 → 1 + 7 = 8",
        "Impulso da Alma (vogais): 1 + 9 + 1 + 1 + 6 + 5 + 9 + 1 + 6 + 6 + 3 + 1 = 49 → 4 + 9 = 13 → 1 + 3 = "
        "4",
        "Eu Silencioso (consoantes): 4 + 9 + 4 + 3 + 5 + 3 + 3 + 1 + 8 = 40 → 4 + 0 = 4",
        "Primeira Vogal: A",
        "Característica do Nome: 21 caracteres sem os espaços → 2 + 1 = 3",
        "Número da Realidade: Expressão 8 + Caminho da Vida 6 = 14 → 1 + 4 = 5",
        // No letter worth 2 or 7; the Soul Urge 49 passes through 13.
        "Lições Cármicas (números que faltam no nome): 2, 7",
        "Dívidas Cármicas: 13 no Impulso da Alma",
        "Números Mestres: nenhum",
    };
    EXPECT_EQ(LinhasTrabalho(g, e.caminhoVida), esperado);
    EXPECT_EQ(CelulasGrafia(g), (std::vector<std::string>{"8", "4", "4", "A", "3", "5"}));
    // The folded letters keep what was typed, upper-cased, next to what the core reads.
    ASSERT_EQ(g.letras.size(), 24u);
    EXPECT_EQ(g.letras[15].digitada, 0xC7); // Ç
    EXPECT_EQ(g.letras[15].dobrada, 'C');
    EXPECT_EQ(g.letras[15].tipo, TipoLetra::Consoante);
    EXPECT_EQ(g.letras[16].digitada, 0xC3); // Ã
    EXPECT_EQ(g.letras[16].dobrada, 'A');
    EXPECT_EQ(g.letras[16].tipo, TipoLetra::Vogal);
    EXPECT_EQ(g.letras[5].tipo, TipoLetra::Espaco);
    EXPECT_EQ(g.letras[5].valor, 0);
}

TEST(LinhasTrabalho, NomeSemVogais) {
    const EstudoNome e = EstudarNome(k21071985, {"xptz crwd"});
    const std::vector<std::string> esperado = {
        "xptz crwd",
        "Letras e valores (vogais entre colchetes; → mostra a letra que o cálculo lê):",
        "  X 6  P 7  T 2  Z 8",
        "  C 3  R 9  W 5  D 4",
        "Expressão (todas as letras): 6 + 7 + 2 + 8 + 3 + 9 + 5 + 4 = 44 → 4 + 4 = 8",
        "Impulso da Alma (vogais): nenhuma vogal = 0",
        "Eu Silencioso (consoantes): 6 + 7 + 2 + 8 + 3 + 9 + 5 + 4 = 44 → 4 + 4 = 8",
        "Primeira Vogal: nenhuma",
        "Característica do Nome: 8 caracteres sem os espaços",
        "Número da Realidade: Expressão 8 + Caminho da Vida 6 = 14 → 1 + 4 = 5",
        "Lições Cármicas (números que faltam no nome): 1",
        "Dívidas Cármicas: nenhuma",
        "Números Mestres: nenhum",
    };
    EXPECT_EQ(LinhasTrabalho(e.grafias[0], e.caminhoVida), esperado);
    EXPECT_EQ(CelulasGrafia(e.grafias[0]), (std::vector<std::string>{"8", "0", "8", "", "8", "5"}));
}

TEST(LinhasTrabalho, SoVogais) {
    const EstudoNome e = EstudarNome(Data{1, 1, 2000}, {W("aéiou y")}); // Life Path 1 + 1 + 2 = 4
    ASSERT_EQ(e.caminhoVida, 4);
    const std::vector<std::string> esperado = {
        "aéiou y",
        "Letras e valores (vogais entre colchetes; → mostra a letra que o cálculo lê):",
        "  [A 1]  [É→E 5]  [I 9]  [O 6]  [U 3]",
        "  [Y 7]",
        "Expressão (todas as letras): 1 + 5 + 9 + 6 + 3 + 7 = 31 → 3 + 1 = 4",
        "Impulso da Alma (vogais): 1 + 5 + 9 + 6 + 3 + 7 = 31 → 3 + 1 = 4",
        "Eu Silencioso (consoantes): nenhuma consoante = 0",
        "Primeira Vogal: A",
        "Característica do Nome: 6 caracteres sem os espaços",
        "Número da Realidade: Expressão 4 + Caminho da Vida 4 = 8",
        "Lições Cármicas (números que faltam no nome): 2, 4, 8",
        "Dívidas Cármicas: nenhuma",
        "Números Mestres: nenhum",
    };
    EXPECT_EQ(LinhasTrabalho(e.grafias[0], e.caminhoVida), esperado);
}

// Digits count their value in the Expression only; an apostrophe or a hyphen is worth nothing
// but is a character of the characteristic.
TEST(LinhasTrabalho, DigitosHifenEApostrofo) {
    const EstudoNome e = EstudarNome(k21071985, {W("João D'Ávila-Neto 2")});
    const EstudoGrafia& g = e.grafias[0];
    const std::vector<std::string> esperado = {
        "João D'Ávila-Neto 2",
        "Letras e valores (vogais entre colchetes; → mostra a letra que o cálculo lê):",
        "  J 1  [O 6]  [Ã→A 1]  [O 6]",
        "  D 4  ' 0  [Á→A 1]  V 4  [I 9]  L 3  [A 1]  - 0  N 5  [E 5]  T 2  [O 6]",
        "  2 2",
        "Expressão (todas as letras): 1 + 6 + 1 + 6 + 4 + 1 + 4 + 9 + 3 + 1 + 5 + 5 + 2 + 6 + 2 = 56 → 5 + 6 "
        "= "
        "11 → 1 + 1 = 2",
        "Impulso da Alma (vogais): 6 + 1 + 6 + 1 + 9 + 1 + 5 + 6 = 35 → 3 + 5 = 8",
        "Eu Silencioso (consoantes): 1 + 4 + 4 + 3 + 5 + 2 = 19 → 1 + 9 = 10 → 1 + 0 = 1",
        "Primeira Vogal: O",
        "Característica do Nome: 17 caracteres sem os espaços → 1 + 7 = 8",
        "Número da Realidade: Expressão 2 + Caminho da Vida 6 = 8",
        // The digit is not a letter: no 7 and no 8 in the table. Expression 56 passes through
        // 11, Silent Self 19 is a debt.
        "Lições Cármicas (números que faltam no nome): 7, 8",
        "Dívidas Cármicas: 19 no Eu Silencioso",
        "Números Mestres: 11 na Expressão",
    };
    EXPECT_EQ(LinhasTrabalho(g, e.caminhoVida), esperado);
    EXPECT_EQ(g.letras[6].tipo, TipoLetra::Outro);  // '
    EXPECT_EQ(g.letras[12].tipo, TipoLetra::Outro); // -
    EXPECT_EQ(g.letras[18].tipo, TipoLetra::Outro); // 2
    EXPECT_EQ(g.letras[18].valor, 2);
}

// A name of one letter repeated: a single parcel is not written as a sum.
TEST(LinhasTrabalho, UmaSoParcelaEUmCaractere) {
    const EstudoNome e = EstudarNome(Data{1, 1, 2000}, {"B    "});
    const std::vector<std::string> linhas = LinhasTrabalho(e.grafias[0], e.caminhoVida);
    ASSERT_EQ(linhas.size(), 12u);
    EXPECT_EQ(linhas[9], "Lições Cármicas (números que faltam no nome): 1, 3, 4, 5, 6, 7, 8, 9");
    EXPECT_EQ(linhas[2], "  B 2");
    EXPECT_EQ(linhas[3], "Expressão (todas as letras): 2");
    EXPECT_EQ(linhas[5], "Eu Silencioso (consoantes): 2");
    EXPECT_EQ(linhas[7], "Característica do Nome: 1 caractere sem os espaços");
    EXPECT_EQ(linhas[8], "Número da Realidade: Expressão 2 + Caminho da Vida 4 = 6");
}

TEST(CompararComNascimento, MarcaSoAsCelulasQueDiferem) {
    const EstudoNome e = EstudarNome(k21071985, {
                                                    "ANA SILVA",    // 7 3 4 A 8 4
                                                    "ANA SYLVA",    // Y for I: 5 1 4 A 8 2
                                                    "ANNA SILVA",   // one more N: 3 3 9 A 9 9
                                                    "ANA SILVA",    // the same name
                                                    "ELA SILVA",    // 9 7 2 E 8 6
                                                    "ANA SILVA DE", // 7 8 8 A 1 4: same Expression
                                                });
    ASSERT_EQ(e.grafias.size(), 6u);
    auto flags = [&](std::size_t i) {
        const DiferencasGrafia d = CompararComNascimento(e, i);
        return std::vector<bool>{d.expressao,     d.alma,           d.silencioso,
                                 d.primeiraVogal, d.caracteristica, d.realidade};
    };
    auto celulas = [&](std::size_t i) { return CelulasGrafia(e.grafias[i]); };
    EXPECT_EQ(celulas(0), (std::vector<std::string>{"7", "3", "4", "A", "8", "4"}));
    EXPECT_EQ(celulas(1), (std::vector<std::string>{"5", "1", "4", "A", "8", "2"}));
    EXPECT_EQ(celulas(2), (std::vector<std::string>{"3", "3", "9", "A", "9", "9"}));
    EXPECT_EQ(celulas(4), (std::vector<std::string>{"9", "7", "2", "E", "8", "6"}));
    EXPECT_EQ(celulas(5), (std::vector<std::string>{"7", "8", "8", "A", "1", "4"}));
    EXPECT_EQ(flags(0), std::vector<bool>(6, false)); // the birth name is never marked
    EXPECT_EQ(flags(1), (std::vector<bool>{true, true, false, false, false, true}));
    EXPECT_EQ(flags(2), (std::vector<bool>{true, false, true, false, true, true}));
    EXPECT_EQ(flags(3), std::vector<bool>(6, false));
    EXPECT_FALSE(CompararComNascimento(e, 3).Alguma());
    EXPECT_EQ(flags(4), (std::vector<bool>{true, true, true, true, false, true}));
    EXPECT_EQ(flags(5), (std::vector<bool>{false, true, true, false, true, false}));
    EXPECT_TRUE(CompararComNascimento(e, 5).Alguma());
    EXPECT_FALSE(CompararComNascimento(e, 6).Alguma()); // beyond the last spelling
}

// A spelling without vowels differs in the first vowel from a birth name that has one.
TEST(CompararComNascimento, PrimeiraVogalAusente) {
    const EstudoNome e = EstudarNome(k21071985, {"ANA SILVA", "NN SLV"});
    EXPECT_TRUE(CompararComNascimento(e, 1).primeiraVogal);
    EXPECT_EQ(CelulasGrafia(e.grafias[1])[3], "");
}

// A spelling without vowels reads "nenhuma" as its first vowel, marked; the same spelling as the
// birth name has no mark, and the note about the marks follows the table.
TEST(TextoEstudo, TabelaComAsteriscosETrabalhoDeCadaGrafia) {
    const EstudoNome e = EstudarNome(k21071985, {"ANA SILVA", "NN SLV", "ANA SILVA"});
    const std::string t = TextoEstudo(e);
    // The karmic columns after the six: Silent Self 13 is a debt of ANA SILVA, NN SLV has none.
    const std::string tabela = "\nANA SILVA\t7\t3\t4\tA\t8\t4\t2, 6, 7, 8\t13\tnenhum\n"
                               "NN SLV\t9*\t0*\t9*\tnenhuma*\t5*\t6*\t2, 6, 7, 8, 9*\tnenhuma*\tnenhum\n"
                               "ANA SILVA\t7\t3\t4\tA\t8\t4\t2, 6, 7, 8\t13\tnenhum\n"
                               "* difere do nome de nascimento\n\nNome de nascimento\nANA SILVA\n";
    EXPECT_NE(t.find(tabela), std::string::npos) << t;
    EXPECT_NE(t.find("\n\nGrafia 2\nNN SLV\n"), std::string::npos);
    EXPECT_NE(t.find("\n\nGrafia 3\nANA SILVA\n"), std::string::npos);
    EXPECT_EQ(t.back(), '\n');
    // A single spelling has nothing to differ from: no note.
    EXPECT_EQ(TextoEstudo(EstudarNome(k21071985, {"ANA SILVA"})).find("difere"), std::string::npos);
}

// The entry sets no length limit on a name: a name longer than a 16-bit count keeps its true
// character count as the characteristic's parcel, and the sums stay exact.
TEST(EstudoGrafia, NomeMaisLongoQueUmaContagemDe16Bits) {
    const std::string nome = std::string(20000, 'A') + " " + std::string(20000, 'B');
    const EstudoGrafia g = EstudarGrafia(nome, 6);
    EXPECT_EQ(g.caracteristica.parcelas, (std::vector<int64_t>{40000}));
    EXPECT_EQ(g.caracteristica.total, 40000);
    EXPECT_EQ(g.caracteristica.Resultado(), g.caracteristica.numero);
    EXPECT_EQ(g.caracteristica.numero, CaracteristicaNome(nome));
    EXPECT_EQ(g.expressao.total, 20000 * 1 + 20000 * 2);
    EXPECT_EQ(g.expressao.Resultado(), ValorNome(nome));
}
