// The command line program, run as a separate process: options, refusals, output formats.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "arquivos_exemplo.h"
#include "cli_apoio.h"
#include "dados/configuracao.h"
#include "engine/cp1252.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const char* kMensagemData =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, tente "
    "informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)";
const char* kMensagemNome =
    "Para gerar uma análise numerológica você precisa informar um nome completo. Tente novamente.";

} // namespace

TEST(Cli, TextoIgualAoDaExportacao) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT",
                        "Texto com \xE1, \x80 e \x93\x61spas\x94\r\nem duas linhas");
    ConfiguracaoPrograma c;
    c.ImprimirNumero = kLigado;
    c.CalculosSelecionados[3] = kDesligado;
    c.CalculosSelecionados[17] = kDesligado;
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    const SecoesComplementares k = ComporComplementos(pasta.caminho(), "ANA SILVA", "15/03/1970");
    EXPECT_EQ(e.saida, Cp1252ParaUtf8(TextoExportacaoCompleta(s, k, c, LerSelecaoComplementos({}))));
    EXPECT_NE(e.saida.find("Texto com á, € e “aspas”\r\nem duas linhas"), std::string::npos);
    EXPECT_NE(e.saida.find("Interpretações do Caminho da Vida: Número 8\r\n"), std::string::npos);
    EXPECT_EQ(e.saida.find("CPROD"), std::string::npos);
}

TEST(Cli, JsonComAs28Secoes) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 7, "INTEXEXP.DAT", "Aspas \"x\", barra \\, tab\t, \x01 e \x81 \x80");
    // All sections go to JSON whatever the settings say.
    ConfiguracaoPrograma c;
    c.CalculosSelecionados.fill(kDesligado);
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    const Execucao e = Executar({"--nome", "ana silva", "--data", "15/3/70", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    Json j;
    ASSERT_NO_THROW(j = LeitorJson(e.saida).Documento()) << e.saida;
    EXPECT_EQ(j["nome"].str(), "ANA SILVA");
    EXPECT_EQ(j["data"].str(), "15/03/1970");
    EXPECT_EQ(j["hoje"].str(), "06/12/2026");
    const Lista& secoes = std::get<Lista>(j["secoes"].v);
    ASSERT_EQ(secoes.size(), 28u);
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    for (std::size_t i = 0; i < 28; ++i) {
        const Json& x = secoes[i];
        EXPECT_EQ(std::get<double>(x["id"].v), static_cast<double>(i + 1));
        EXPECT_EQ(x["titulo"].str(), Cp1252ParaUtf8(s[i + 1].Titulo));
        EXPECT_EQ(x["introducao"].str(), Cp1252ParaUtf8(s[i + 1].Introducao));
        EXPECT_EQ(x["texto"].str(), Cp1252ParaUtf8(s[i + 1].Texto));
        EXPECT_EQ(x["numero"].str(), s[i + 1].Numero);
    }
    // The worked examples: Life Path 8, health 6, Expression 7, Soul Urge 3, Silent Self 4,
    // first vowel A, Name Characteristic 8, universal 1, 4, 1.
    const char* numeros[] = {"8", "3", "6", "8", "6", "4", "5", "9", "5", "5", "2", "1", "3", "2",
                             "5", "6", "1", "4", "1", "1", "4", "1", "7", "3", "4", "A", "8", "6"};
    for (std::size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(secoes[i]["numero"].str(), numeros[i]) << i + 1;
    }
    EXPECT_EQ(secoes[22]["texto"].str(), "Aspas \"x\", barra \\, tab\t, \x01 e \xC2\x81 €");
    // CR LF stands as \r\n inside the strings, and raw control characters never appear.
    EXPECT_NE(e.saida.find("\\r\\n"), std::string::npos);
    EXPECT_NE(e.saida.find("\\u0001"), std::string::npos);
    EXPECT_EQ(e.saida.find('\r'), std::string::npos);
    EXPECT_EQ(e.saida.find('\t'), std::string::npos);
}

TEST(Cli, RecusasSaemComStatus2) {
    PastaTemporaria pasta;
    const std::string dir = pasta.caminho().string();
    struct Caso {
        std::vector<std::string> args;
        const char* mensagem;
    };
    const Caso casos[] = {
        {{"--nome", "Ana Silva", "--data", "31/02/2000", "--diretorio", dir}, kMensagemData},
        {{"--nome", "Ana", "--data", "31/02/2000", "--diretorio", dir}, kMensagemData}, // date first
        {{"--nome", "Ana", "--data", "29/02/1900", "--diretorio", dir}, kMensagemData},
        {{"--nome", "Ana ", "--data", "15/03/1970", "--diretorio", dir}, kMensagemNome},
        {{"--nome", "", "--data", "15/03/1970", "--diretorio", dir}, kMensagemNome},
        {{"--nome", "          ", "--data", "15/03/1970", "--diretorio", dir},
         kMensagemNome}, // as the dialog
        {{"--nome", "Ана Silva", "--data", "15/03/1970", "--diretorio", dir}, "“А”"},
        {{"--nome", "Ana\nSilva", "--data", "15/03/1970", "--diretorio", dir}, "controle"},
        {{"--nome", "Ana \xFF Silva", "--data", "15/03/1970", "--diretorio", dir}, "UTF-8"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "32/12/2026", "--diretorio", dir}, "Uso:"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--formato", "xml", "--diretorio", dir}, "Uso:"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", dir + "/nao-existe"}, "nao-existe"},
        {{"--nome", "Ana Silva", "--diretorio", dir}, "--data"},
        {{"--data", "15/03/1970", "--diretorio", dir}, "--nome"},
        {{"--nome", "Ana Silva", "--data"}, "--data"},
        {{"--desconhecida"}, "--desconhecida"},
    };
    for (const Caso& c : casos) {
        const Execucao e = Executar(c.args);
        std::string linha;
        for (const auto& a : c.args) {
            linha += a + " ";
        }
        SCOPED_TRACE(linha);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.saida, "");
        EXPECT_NE(e.erros.find(c.mensagem), std::string::npos) << e.erros;
    }
}

TEST(Cli, AjudaEOpcoesComIgual) {
    const Execucao ajuda = Executar({"--ajuda"});
    EXPECT_EQ(ajuda.status, 0);
    EXPECT_EQ(ajuda.saida.rfind("Uso: oraculandia-cli --nome NOME --data DATA", 0), 0u);
    EXPECT_EQ(ajuda.erros, "");

    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const Execucao e = Executar({"--nome=MARIA DA CONCEIÇÃO", "--data=20/08", "--hoje=07/12/2026",
                                 "--diretorio=" + pasta.caminho().string(), "--formato=json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    const Json j = LeitorJson(e.saida).Documento();
    EXPECT_EQ(j["nome"].str(), "MARIA DA CONCEICAO");
    EXPECT_EQ(j["nomeDigitado"].str(), "MARIA DA CONCEIÇÃO"); // as typed, accents kept
    EXPECT_EQ(j["data"].str(), "20/08/2026");                 // "dd/mm" alone takes the year of the day used
}

// Control bytes of a data file never reach the terminal raw: U+FFFD in their place; CR, LF and
// TAB are kept.
TEST(Cli, CaracteresDeControleNaSaidaTexto) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT",
                        std::string("ESC\x1B[2J BEL\x07 NUL") + std::string(1, '\0') +
                            " DEL\x7F C1\x81\x9D TAB\t fim\r\nlinha \x80");
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("ESC\xEF\xBF\xBD[2J BEL\xEF\xBF\xBD NUL\xEF\xBF\xBD DEL\xEF\xBF\xBD "
                           "C1\xEF\xBF\xBD\xEF\xBF\xBD TAB\t fim\r\nlinha €"),
              std::string::npos)
        << e.saida;
    for (char c : e.saida) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_FALSE((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7F) << static_cast<int>(u);
    }
    // The JSON form escapes them instead.
    const Execucao j = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(j.status, 0) << j.erros;
    EXPECT_NE(j.saida.find("ESC\\u001b[2J BEL\\u0007 NUL\\u0000"), std::string::npos) << j.saida;
}

// A name typed with separate accents (letter + combining mark) is the same name.
TEST(Cli, NomeComAcentosSeparados) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const Execucao e = Executar({"--nome", "Jose\u0301 Conceic\u0327a\u0303o", "--data", "15/03/1970",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(LeitorJson(e.saida).Documento()["nome"].str(), "JOSE CONCEICAO");
    EXPECT_EQ(LeitorJson(e.saida).Documento()["nomeDigitado"].str(), "José Conceição");
    // A lone accent is still refused, by name.
    const Execucao r = Executar(
        {"--nome", "\u0301Jose Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erros.find("\u201C\u0301\u201D"), std::string::npos) << r.erros;
}

// A word outside any option (a name with spaces typed without quotes) gets its own message.
TEST(Cli, ArgumentoSemOpcao) {
    PastaTemporaria pasta;
    const Execucao e =
        Executar({"--nome", "Ana", "Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("Erro: o argumento “Silva” não pertence a nenhuma opção"), std::string::npos)
        << e.erros;
    EXPECT_EQ(e.erros.find("desconhecida"), std::string::npos) << e.erros;
}

// The help lists every exit status, and every date form it shows is accepted.
TEST(Cli, AjudaListaAsSaidasEAsFormasDeData) {
    const Execucao ajuda = Executar({"--ajuda"});
    ASSERT_EQ(ajuda.status, 0);
    for (const char* linha : {"\n  0  a análise", "\n  1  não foi possível escrever", "\n  2  uma opção",
                              "\n  3  a pasta do programa não permite"}) {
        EXPECT_NE(ajuda.saida.find(linha), std::string::npos) << linha;
    }
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    // The examples of the help, then the rules it states in words (two-digit years, a
    // three-digit year, day and month alone).
    struct Forma {
        const char* texto;
        const char* esperado;
        bool exemplo;
    };
    const Forma formas[] = {{"15/03/1970", "15/03/1970", true}, {"5-3-1970", "05/03/1970", true},
                            {"15.03.70", "15/03/1970", true},   {"15/03", "15/03/2026", true},
                            {"15/03/29", "15/03/2029", false},  {"15/03/30", "15/03/1930", false},
                            {"15/03/999", "15/03/0999", false}};
    for (const auto& [forma, esperado, exemplo] : formas) {
        if (exemplo) {
            EXPECT_NE(ajuda.saida.find(forma), std::string::npos) << forma << " is not in the help";
        }
        const Execucao e = Executar({"--nome", "Ana Silva", "--data", forma, "--hoje", "6-12-26",
                                     "--diretorio", pasta.caminho().string(), "--formato", "json"});
        ASSERT_EQ(e.status, 0) << forma << ": " << e.erros;
        EXPECT_EQ(LeitorJson(e.saida).Documento()["data"].str(), esperado) << forma;
    }
}
