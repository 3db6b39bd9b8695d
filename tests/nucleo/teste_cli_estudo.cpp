// The name study on the command line (--estudo-nome), run as a separate process: the text and
// JSON forms, the refusals of each spelling, and that no program folder is needed or touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_apoio.h"
#include "engine/cp1252.h"
#include "estudo/estudo_nome.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const std::string kMensagemData =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, tente "
    "informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)";
const std::string kMensagemNome =
    "Para gerar uma análise numerológica você precisa informar um nome completo. Tente novamente.";
const std::string kMensagemControle =
    "O nome contém caracteres de controle (quebras de linha, tabulações). Tente novamente sem eles.";

double Numero(const Json& j) {
    return std::get<double>(j.v);
}

std::vector<double> Numeros(const Json& j) {
    std::vector<double> v;
    for (const Json& x : std::get<Lista>(j.v)) {
        v.push_back(Numero(x));
    }
    return v;
}

} // namespace

TEST(CliEstudo, TextoExato) {
    // No folder at all: the study reads no file.
    const Execucao e = Executar({"--estudo-nome", "--data", "21/07/1985", "--nome", "Ana Silva", "--nome",
                                 "Ana Sylva", "--diretorio", "/nao/existe"});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const std::string letras =
        "Letras e valores (vogais entre colchetes; → mostra a letra que o cálculo lê):\n";
    EXPECT_EQ(e.saida, "Estudo do Nome\n"
                       "Data de nascimento: 21/07/1985 (Caminho da Vida 6)\n"
                       "\n"
                       "Grafia\tExpressão\tImpulso da Alma\tEu Silencioso\tPrimeira Vogal\t"
                       "Característica do Nome\tNúmero da Realidade\tLições Cármicas\tDívidas Cármicas\t"
                       "Números Mestres\n"
                       "Ana Silva\t7\t3\t4\tA\t8\t4\t2, 6, 7, 8\t13\tnenhum\n"
                       "Ana Sylva\t5*\t1*\t4\tA\t8\t2*\t2, 6, 8, 9*\t13\tnenhum\n"
                       "* difere do nome de nascimento\n"
                       "\n"
                       "Nome de nascimento\n"
                       "Ana Silva\n" +
                           letras +
                           "  [A 1]  N 5  [A 1]\n"
                           "  S 1  [I 9]  L 3  V 4  [A 1]\n"
                           "Expressão (todas as letras): 1 + 5 + 1 + 1 + 9 + 3 + 4 + 1 = 25 → 2 + 5 = 7\n"
                           "Impulso da Alma (vogais): 1 + 1 + 9 + 1 = 12 → 1 + 2 = 3\n"
                           "Eu Silencioso (consoantes): 5 + 1 + 3 + 4 = 13 → 1 + 3 = 4\n"
                           "Primeira Vogal: A\n"
                           "Característica do Nome: 8 caracteres sem os espaços\n"
                           "Número da Realidade: Expressão 7 + Caminho da Vida 6 = 13 → 1 + 3 = 4\n"
                           "Lições Cármicas (números que faltam no nome): 2, 6, 7, 8\n"
                           "Dívidas Cármicas: 13 no Eu Silencioso\n"
                           "Números Mestres: nenhum\n"
                           "\n"
                           "Grafia 2\n"
                           "Ana Sylva\n" +
                           letras +
                           "  [A 1]  N 5  [A 1]\n"
                           "  S 1  [Y 7]  L 3  V 4  [A 1]\n"
                           "Expressão (todas as letras): 1 + 5 + 1 + 1 + 7 + 3 + 4 + 1 = 23 → 2 + 3 = 5\n"
                           "Impulso da Alma (vogais): 1 + 1 + 7 + 1 = 10 → 1 + 0 = 1\n"
                           "Eu Silencioso (consoantes): 5 + 1 + 3 + 4 = 13 → 1 + 3 = 4\n"
                           "Primeira Vogal: A\n"
                           "Característica do Nome: 8 caracteres sem os espaços\n"
                           "Número da Realidade: Expressão 5 + Caminho da Vida 6 = 11 → 1 + 1 = 2\n"
                           "Lições Cármicas (números que faltam no nome): 2, 6, 8, 9\n"
                           "Dívidas Cármicas: 13 no Eu Silencioso\n"
                           "Números Mestres: nenhum\n");
}

// The text is the core's own, for any spellings (here with accents typed separately, joined as
// the entry joins them).
TEST(CliEstudo, TextoIgualAoDoNucleo) {
    const Execucao e = Executar({"--estudo-nome", "--data=5-3-70", "--nome=Maria da Conceic\u0327a\u0303o",
                                 "--nome", "MARIA CONCEIÇÃO", "--nome", "Mª Conceição Souza-Lima"});
    ASSERT_EQ(e.status, 0) << e.erros;
    const auto w = [](const char* utf8) { return Utf8ParaCp1252(utf8).texto; };
    const EstudoNome estudo = EstudarNome(
        Data{5, 3, 1970}, {w("Maria da Conceição"), w("MARIA CONCEIÇÃO"), w("Mª Conceição Souza-Lima")});
    EXPECT_EQ(e.saida, TextoEstudo(estudo));
}

TEST(CliEstudo, Json) {
    PastaTemporaria pasta;
    const Execucao e = Executar({"--estudo-nome", "--data", "21/07/1985", "--nome",
                                 "Maria da Conceição Souza", "--nome", "xptz crwd", "--nome", "Maria Souza",
                                 "--formato", "json", "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho())); // nothing written in the folder
    Json j;
    ASSERT_NO_THROW(j = LeitorJson(e.saida).Documento()) << e.saida;
    EXPECT_EQ(j["data"].str(), "21/07/1985");
    EXPECT_EQ(Numero(j["caminhoVida"]), 6);
    const Lista& grafias = std::get<Lista>(j["grafias"].v);
    ASSERT_EQ(grafias.size(), 3u);

    const Json& m = grafias[0];
    EXPECT_EQ(m["nome"].str(), "Maria da Conceição Souza");
    EXPECT_EQ(m["nomeCalculo"].str(), "MARIA DA CONCEICAO SOUZA");
    EXPECT_EQ(Numero(m["expressao"]), 8);
    EXPECT_EQ(Numero(m["impulsoAlma"]), 4);
    EXPECT_EQ(Numero(m["euSilencioso"]), 4);
    EXPECT_EQ(m["primeiraVogal"].str(), "A");
    EXPECT_EQ(Numero(m["caracteristicaNome"]), 3);
    EXPECT_EQ(Numero(m["numeroRealidade"]), 5);
    const Lista& letras = std::get<Lista>(m["letras"].v);
    ASSERT_EQ(letras.size(), 24u);
    EXPECT_EQ(letras[0]["digitada"].str(), "M");
    EXPECT_EQ(letras[0]["tipo"].str(), "consoante");
    EXPECT_EQ(Numero(letras[0]["valor"]), 4);
    EXPECT_EQ(letras[5]["tipo"].str(), "espaco");
    EXPECT_EQ(letras[15]["digitada"].str(), "Ç");
    EXPECT_EQ(letras[15]["lida"].str(), "C");
    EXPECT_EQ(Numero(letras[15]["valor"]), 3);
    EXPECT_EQ(letras[16]["digitada"].str(), "Ã");
    EXPECT_EQ(letras[16]["lida"].str(), "A");
    EXPECT_EQ(letras[16]["tipo"].str(), "vogal");
    const Json& expressao = m["somas"]["expressao"];
    EXPECT_EQ(Numeros(expressao["parcelas"]).size(), 21u);
    EXPECT_EQ(Numero(expressao["total"]), 89);
    const Lista& passos = std::get<Lista>(expressao["passos"].v);
    ASSERT_EQ(passos.size(), 2u);
    EXPECT_EQ(Numero(passos[0]["numero"]), 89);
    EXPECT_EQ(Numeros(passos[0]["digitos"]), (std::vector<double>{8, 9}));
    EXPECT_EQ(Numero(passos[0]["soma"]), 17);
    EXPECT_EQ(Numero(passos[1]["soma"]), 8);
    EXPECT_EQ(Numeros(m["somas"]["numeroRealidade"]["parcelas"]), (std::vector<double>{8, 6}));
    EXPECT_EQ(Numeros(m["somas"]["caracteristicaNome"]["parcelas"]), (std::vector<double>{21}));
    for (const char* chave : {"expressao", "impulsoAlma", "euSilencioso", "primeiraVogal",
                              "caracteristicaNome", "numeroRealidade"}) {
        EXPECT_FALSE(std::get<bool>(m["difere"][chave].v)) << chave;
    }

    // No vowels: no first vowel (null) and an empty vowel sum.
    const Json& x = grafias[1];
    EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(x["primeiraVogal"].v));
    EXPECT_TRUE(Numeros(x["somas"]["impulsoAlma"]["parcelas"]).empty());
    EXPECT_EQ(Numero(x["impulsoAlma"]), 0);
    EXPECT_TRUE(std::get<bool>(x["difere"]["primeiraVogal"].v));

    // MARIA SOUZA: 24 + 19 = 43 -> 7, vowels 11 + 10 = 21 -> 3, consonants 13 + 9 = 22 -> 4,
    // 10 characters -> 1, Reality 7 + 6 = 13 -> 4.
    const Json& s = grafias[2];
    EXPECT_EQ(Numero(s["expressao"]), 7);
    EXPECT_EQ(Numero(s["impulsoAlma"]), 3);
    EXPECT_EQ(Numero(s["euSilencioso"]), 4);
    EXPECT_EQ(Numero(s["caracteristicaNome"]), 1);
    EXPECT_EQ(Numero(s["numeroRealidade"]), 4);
    const std::vector<bool> difere = {true, true, false, false, true, true};
    const char* chaves[] = {"expressao",     "impulsoAlma",        "euSilencioso",
                            "primeiraVogal", "caracteristicaNome", "numeroRealidade"};
    for (std::size_t c = 0; c < 6; ++c) {
        EXPECT_EQ(std::get<bool>(s["difere"][chaves[c]].v), difere[c]) << chaves[c];
    }
    // The karmic block beside the six numbers: the birth name lacks 2 and 7 and its Soul Urge 49
    // passes through 13; MARIA SOUZA also lacks 5, has no debt, and its consonants make 22.
    EXPECT_NE(e.saida.find("      \"numeroRealidade\": 5,\n      \"licoesCarmicas\": [2, 7],\n"
                           "      \"dividasCarmicas\": [{\"posicao\": \"impulsoDaAlma\", \"numero\": 13}],\n"
                           "      \"numerosMestres\": [],\n"),
              std::string::npos)
        << e.saida;
    EXPECT_EQ(Numeros(s["licoesCarmicas"]), (std::vector<double>{2, 5, 7}));
    EXPECT_TRUE(std::get<Lista>(s["dividasCarmicas"].v).empty());
    EXPECT_EQ(s["numerosMestres"][0]["posicao"].str(), "euSilencioso");
    EXPECT_EQ(Numero(s["numerosMestres"][0]["numero"]), 22);
    for (const char* chave : {"licoesCarmicas", "dividasCarmicas", "numerosMestres"}) {
        EXPECT_FALSE(std::get<bool>(m["difere"][chave].v)) << chave;
        EXPECT_TRUE(std::get<bool>(s["difere"][chave].v)) << chave;
    }
    const Lista& passos43 = std::get<Lista>(s["somas"]["expressao"]["passos"].v);
    ASSERT_EQ(passos43.size(), 1u);
    EXPECT_EQ(Numeros(passos43[0]["digitos"]), (std::vector<double>{4, 3}));
}

TEST(CliEstudo, NoveGrafiasAceitasDezRecusadas) {
    std::vector<std::string> args = {"--estudo-nome", "--data", "21/07/1985"};
    for (int i = 0; i < kMaximoGrafias; ++i) {
        args.insert(args.end(), {"--nome", "Ana Silva " + std::to_string(i)});
    }
    const Execucao nove = Executar(args);
    ASSERT_EQ(nove.status, 0) << nove.erros;
    EXPECT_NE(nove.saida.find("\nGrafia 9\nAna Silva 8\n"), std::string::npos);
    args.insert(args.end(), {"--nome", "Ana Silva 9"});
    const Execucao dez = Executar(args);
    EXPECT_EQ(dez.status, 2);
    EXPECT_EQ(dez.saida, "");
    EXPECT_EQ(
        dez.erros.rfind("Erro: o estudo do nome compara no máximo 9 grafias (o nome de nascimento e mais "
                        "8); foram dadas 10 opções --nome\n",
                        0),
        0u)
        << dez.erros;
    EXPECT_NE(dez.erros.find("Uso:"), std::string::npos);
}

// Each spelling passes the entry's checks in the entry's order, after the date; the message
// says which --nome was refused. Nothing is written on standard output.
TEST(CliEstudo, Recusas) {
    struct Caso {
        std::vector<std::string> args;
        std::string erros; // the whole of standard error
    };
    const std::string d = "21/07/1985";
    const Caso casos[] = {
        {{"--data", "31/02/2000", "--nome", "Ana"}, "Erro: " + kMensagemData + "\n"}, // the date first
        {{"--data", d, "--nome", "Ana"}, "Erro: 1º nome (nome de nascimento): " + kMensagemNome + "\n"},
        // After the birth name, a nickname of any length is a spelling; one letter is needed.
        {{"--data", d, "--nome", "Ana Silva", "--nome", "Zé", "--nome", "12 3"},
         "Erro: 3º nome: a grafia precisa ter pelo menos uma letra.\n"},
        {{"--data", d, "--nome", "Ana Silva", "--nome", "Ana Sylva", "--nome", "     "},
         "Erro: 3º nome: a grafia precisa ter pelo menos uma letra.\n"},
        {{"--data", d, "--nome", "Ana Silva", "--nome", "Ana Sylva", "--nome", "Ana\tSilva"},
         "Erro: 3º nome: " + kMensagemControle + "\n"},
        // Characters Windows-1252 cannot hold come before a short name, as in the entry.
        {{"--data", d, "--nome", "Ana Silva", "--nome", "Ана", "--nome", "Ana"},
         "Erro: 2º nome: O nome contém caracteres que o programa não consegue guardar: “А”, “н”, “а”. Tente "
         "novamente sem eles.\n"},
        {{"--data", d, "--nome", "Ana Silva", "--nome", "Ana \xFF Silva"},
         "Erro: 2º nome: O nome contém caracteres que o programa não consegue guardar: bytes que não formam "
         "texto UTF-8. Tente novamente sem eles.\n"},
    };
    for (const Caso& c : casos) {
        std::vector<std::string> args = {"--estudo-nome"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::string linha;
        for (const auto& a : args) {
            linha += a + " ";
        }
        SCOPED_TRACE(linha);
        const Execucao e = Executar(args);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.saida, "");
        EXPECT_EQ(e.erros, c.erros);
    }
}

// Missing options and a repeated --nome without --estudo-nome are usage errors.
TEST(CliEstudo, ErrosDeUso) {
    struct Caso {
        std::vector<std::string> args;
        const char* mensagem;
    };
    const Caso casos[] = {
        {{"--estudo-nome", "--data", "21/07/1985"}, "Erro: falta a opção --nome\n"},
        {{"--estudo-nome", "--nome", "Ana Silva"}, "Erro: falta a opção --data\n"},
        {{"--estudo-nome", "--data", "21/07/1985", "--nome"}, "Erro: falta o valor da opção --nome\n"},
        {{"--estudo-nome=sim", "--data", "21/07/1985", "--nome", "Ana Silva"},
         "Erro: opção desconhecida: --estudo-nome=sim\n"},
        {{"--nome", "Ana Silva", "--nome", "Ana Sylva", "--data", "21/07/1985"},
         "Erro: a análise é de um só nome, e a opção --nome foi dada 2 vezes; para comparar grafias do nome, "
         "use --estudo-nome\n"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensagem);
        const Execucao e = Executar(c.args);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.saida, "");
        EXPECT_EQ(e.erros.rfind(c.mensagem, 0), 0u) << e.erros;
        EXPECT_NE(e.erros.find("\nUso: oraculandia-cli"), std::string::npos);
    }
}

// A study that cannot be written ends with status 1 and says so.
TEST(CliEstudo, SaidaQueNaoAceitaEscrita) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    for (const char* formato : {"texto", "json"}) {
        const Execucao e =
            Executar({"--estudo-nome", "--data", "21/07/1985", "--nome", "Ana Silva", "--formato", formato},
                     kCli, {}, "/dev/full");
        EXPECT_EQ(e.status, 1) << formato;
        EXPECT_EQ(e.erros, "Erro: não foi possível escrever o estudo do nome na saída padrão.\n");
    }
}

TEST(CliEstudo, AjudaMostraOEstudo) {
    const Execucao ajuda = Executar({"--ajuda"});
    ASSERT_EQ(ajuda.status, 0);
    EXPECT_NE(
        ajuda.saida.find("\n     oraculandia-cli --estudo-nome --data DATA --nome NOME [--nome NOME ...]\n"),
        std::string::npos);
    EXPECT_NE(ajuda.saida.find("\n  --estudo-nome        o estudo do nome, em vez da análise\n"),
              std::string::npos);
}
