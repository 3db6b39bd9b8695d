// The one rule of a typed name (engine/entrada.h) and the command line's messages built on it;
// the windows' wrapper is checked against the same rule in tests/gui/teste_clientes_cadastro.cpp.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "cli/entrada_cli.h"
#include "engine/entrada.h"

using namespace oraculandia;

namespace {

// Pieces of generated names: letters, accents (precomposed and combining), blanks of several
// kinds, a character Windows-1252 holds outside Latin-1 (€), characters it cannot hold, a code
// without a character (U+0081), control characters, malformed bytes and a character beyond U+FFFF.
constexpr std::array<const char*, 18> kPedacos = {"a",
                                                  "Z",
                                                  "\xC3\xA7",
                                                  "e\xCC\x81",
                                                  " ",
                                                  "\t",
                                                  "\n",
                                                  "\xC2\xA0",
                                                  "\xE2\x82\xAC",
                                                  "\xC5\x82",
                                                  "\xFF",
                                                  "\xC2\x81",
                                                  "1",
                                                  "-",
                                                  "\xF0\x9F\x98\x80",
                                                  "\xE2\x80\x83",
                                                  "\xE2\x80\x9C",
                                                  "Jo\xC3\xA3o"};

class Nomes {
public:
    explicit Nomes(unsigned semente) : r_(semente) {}
    std::string Proximo() {
        std::string s;
        const int n = std::uniform_int_distribution<int>(0, 8)(r_);
        for (int i = 0; i < n; ++i)
            s += kPedacos[std::uniform_int_distribution<std::size_t>(0, kPedacos.size() - 1)(r_)];
        return s;
    }

private:
    std::mt19937 r_;
};

// The windows' options (see clientes/qt/regras_cliente.cpp): blanks removed, limit of the boxes.
RegrasNome Janelas(ExigenciaNome e = ExigenciaNome::NomeCompleto) {
    return RegrasNome{true, 32767, e};
}

} // namespace

// Where the two callers' rules coincide (no blanks around the name, far below the limit) the
// windows and the command line accept the same names, with the same bytes.
TEST(RegraNome, JanelasELinhaDeComandoConcordamOndeAsRegrasCoincidem) {
    Nomes nomes(20261209);
    int aceitos = 0, comparados = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string s = nomes.Proximo();
        const NomeVerificado janela = VerificarNomeUtf8(s, Janelas());
        const auto cli = cli::VerificarNome(s);
        const std::string aceito = cli ? *cli : std::string("?");
        // The command line's wrapper is the engine's rule taken as given.
        const NomeVerificado comoDado = VerificarNomeUtf8(s);
        ASSERT_EQ(cli.has_value(), comoDado.ok()) << s;
        if (comoDado.ok()) {
            ASSERT_EQ(aceito, comoDado.cp1252) << s;
        }
        if (AparaBrancos(ComporAcentos(s)).size() != ComporAcentos(s).size())
            continue; // the windows remove the blanks around the name, the command line keeps them
        ++comparados;
        ASSERT_EQ(janela.ok(), cli.has_value()) << s;
        if (janela.ok()) {
            ++aceitos;
            EXPECT_EQ(janela.cp1252, aceito) << s;
            EXPECT_EQ(janela.analise, NormalizarNome(aceito)) << s;
        }

        // Spellings: one letter is enough for both; only the window's study also takes a full
        // name of five characters without letters ("12345").
        const auto cliGrafia = cli::VerificarNome(s, true);
        const std::string grafia = cliGrafia ? *cliGrafia : std::string("?");
        const NomeVerificado janelaGrafia =
            VerificarNomeUtf8(s, Janelas(ExigenciaNome::NomeCompletoOuUmaLetra));
        if (janelaGrafia.ok() && !TemLetraCp1252(janelaGrafia.cp1252)) {
            ASSERT_FALSE(cliGrafia.has_value()) << s;
            EXPECT_EQ(cliGrafia.error(), "a grafia precisa ter pelo menos uma letra.") << s;
            EXPECT_TRUE(NomeAceitavel(janelaGrafia.cp1252)) << s;
        } else {
            ASSERT_EQ(janelaGrafia.ok(), cliGrafia.has_value()) << s;
            if (janelaGrafia.ok()) {
                EXPECT_EQ(janelaGrafia.cp1252, grafia) << s;
            }
        }
    }
    // The generator reaches both sides of the rule.
    EXPECT_GT(aceitos, 500);
    EXPECT_GT(comparados - aceitos, 500);
}

TEST(RegraNome, OrdemDasRecusasEOQueSeAceita) {
    // Blanks (tab, no-break space, em space) removed around the name only when asked.
    EXPECT_EQ(AparaBrancos("\t\xC2\xA0 Ana Maria\xE2\x80\x83\n"), "Ana Maria");
    EXPECT_EQ(VerificarNomeUtf8(" \xC2\xA0\t", Janelas()).recusa, RecusaNome::Vazio);
    EXPECT_EQ(VerificarNomeUtf8(" \xC2\xA0\t").recusa, RecusaNome::ComControle);
    EXPECT_EQ(VerificarNomeUtf8("").recusa, RecusaNome::Vazio);
    // The limit counts UTF-16 units and comes before the characters Windows-1252 cannot hold.
    const std::string limite(32767, 'a');
    EXPECT_TRUE(VerificarNomeUtf8(limite, Janelas()).ok());
    EXPECT_EQ(VerificarNomeUtf8(limite + "\xC5\x82", Janelas()).recusa, RecusaNome::Longo);
    EXPECT_EQ(VerificarNomeUtf8(limite.substr(1) + "\xC5\x82", Janelas()).recusa, RecusaNome::ComInvalidos);
    EXPECT_EQ(VerificarNomeUtf8(limite.substr(1) + "\xF0\x9F\x98\x80", Janelas()).recusa, RecusaNome::Longo);
    EXPECT_EQ(VerificarNomeUtf8(limite + "b").recusa, RecusaNome::Nenhuma); // no limit asked for
    // Characters that cannot be held come before controls, controls before the length.
    const NomeVerificado v = VerificarNomeUtf8("Ana\t\xC5\x82\xFF\xC5\x82");
    EXPECT_EQ(v.recusa, RecusaNome::ComInvalidos);
    EXPECT_EQ(v.invalidos, (std::vector<char32_t>{0x142, 0xFFFD}));
    EXPECT_EQ(VerificarNomeUtf8("A\xC2\x81").recusa, RecusaNome::ComControle);
    EXPECT_EQ(VerificarNomeUtf8("Ana").recusa, RecusaNome::Curto);
    EXPECT_EQ(VerificarNomeUtf8("12", RegrasNome{false, 0, ExigenciaNome::UmaLetra}).recusa,
              RecusaNome::SemLetra);
    // Accepted: accents composed, the name as typed and the name of the analysis.
    const NomeVerificado jose = VerificarNomeUtf8(" Jose\xCC\x81 da Silva ", Janelas());
    ASSERT_TRUE(jose.ok());
    EXPECT_EQ(jose.utf8, "Jos\xC3\xA9 da Silva");
    EXPECT_EQ(jose.cp1252, "Jos\xE9 da Silva");
    EXPECT_EQ(jose.analise, "JOSE DA SILVA");
}

// The command line's messages, byte for byte.
TEST(RegraNome, MensagensDaLinhaDeComando) {
    EXPECT_EQ(cli::VerificarNome("Ana").error(), kMensagemNomeCurto);
    EXPECT_EQ(cli::VerificarNome("").error(), kMensagemNomeCurto);
    EXPECT_EQ(cli::VerificarNome("Ana\nMaria").error(), kMensagemNomeComControle);
    EXPECT_EQ(
        cli::VerificarNome("Maria \xC5\x82\xFF\xE2\x80\x9C").error(),
        "O nome contém caracteres que o programa não consegue guardar: \xE2\x80\x9C\xC5\x82\xE2\x80\x9D, "
        "bytes que não formam texto UTF-8. Tente novamente sem eles.");
    for (const char* semLetra : {"", "12", "12345", "  -  "})
        EXPECT_EQ(cli::VerificarNome(semLetra, true).error(), "a grafia precisa ter pelo menos uma letra.");
    EXPECT_EQ(cli::VerificarNome("Z\xC3\xA9", true).value(), "Z\xE9");
    EXPECT_EQ(cli::VerificarNome(" Ana Maria ").value(), " Ana Maria "); // taken as given
}
