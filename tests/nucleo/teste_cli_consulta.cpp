// oraculandia-cli --previsoes and --harmonia, run as a separate process: the JSON against the
// core, the refusals naming the field and the person, and the numbers without the text files.
#include <gtest/gtest.h>

#include <string>

#include "cli_apoio.h"
#include "consulta/harmonia.h"
#include "consulta/previsoes.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const std::string kMensagemData =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, tente "
    "informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)";
const std::string kMensagemNome =
    "Para gerar uma análise numerológica você precisa informar um nome completo. Tente novamente.";

int N(const Json& j) {
    return static_cast<int>(std::get<double>(j.v));
}

} // namespace

TEST(CliConsulta, PrevisoesEmJsonIguaisAoNucleo) {
    const Execucao e = Executar({"--previsoes", "--data", "5-3-70", "--hoje", "06/12/2026", "--ano", "2030",
                                 "--mes", "2/2024", "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    Json j;
    ASSERT_NO_THROW(j = LeitorJson(e.saida).Documento()) << e.saida;
    const Previsao p = ComporPrevisao(PASTA_PROGRAMA_TESTE, {5, 3, 1970}, {6, 12, 2026}, 2030, 2, 2024);
    EXPECT_EQ(j["nascimento"].str(), "05/03/1970");
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(N(j["anos"][i]["ano"]), p.anos[i].ano);
        EXPECT_EQ(N(j["anos"][i]["anoPessoal"]), p.anos[i].pessoal);
        EXPECT_EQ(N(j["anos"][i]["anoUniversal"]), p.anos[i].universal);
        EXPECT_EQ(std::get<bool>(j["anos"][i]["novoCiclo"].v), p.anos[i].novoCiclo);
        EXPECT_EQ(j["anos"][i]["texto"].str(), p.anos[i].texto);
        EXPECT_FALSE(p.anos[i].texto.empty());
    }
    EXPECT_EQ(N(j["anoDosMeses"]), 2030);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(N(j["meses"][i]["mesPessoal"]), p.meses[i].pessoal);
    const Lista& dias = std::get<Lista>(j["calendario"]["dias"].v);
    ASSERT_EQ(dias.size(), 29u); // 2024 is a leap year
    EXPECT_EQ(dias[0]["diaDaSemana"].str(), "quinta-feira");
    for (std::size_t i = 0; i < dias.size(); ++i)
        EXPECT_EQ(N(dias[i]["diaPessoal"]), p.dias[i].pessoal);
    EXPECT_EQ(j["calendario"]["legenda"]["1"].str(), p.legenda[1]);

    const Execucao texto = Executar({"--previsoes", "--data", "5-3-70", "--hoje", "06/12/2026", "--ano",
                                     "2030", "--mes", "02/2024", "--nome", "Ana Souza"});
    ASSERT_EQ(texto.status, 0) << texto.erros;
    EXPECT_EQ(texto.saida, TextoPrevisao(p, "Ana Souza"));
}

TEST(CliConsulta, HarmoniaEmJsonIgualAoNucleo) {
    const Execucao e = Executar({"--harmonia", "--nome", "Ana Maria Souza", "--data", "15/03/1970", "--nome",
                                 "José Carlos Lima", "--data", "29/11/1968", "--formato=json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    Json j;
    ASSERT_NO_THROW(j = LeitorJson(e.saida).Documento()) << e.saida;
    const Harmonia h = ComporHarmonia(PASTA_PROGRAMA_TESTE, CalcularPessoa("Ana Maria Souza", {15, 3, 1970}),
                                      CalcularPessoa("Jos\xE9 Carlos Lima", {29, 11, 1968}), TabelaPadrao());
    EXPECT_EQ(j["pessoas"][1]["nome"].str(), "José Carlos Lima");
    EXPECT_EQ(N(j["pessoas"][0]["caminhoDaVida"]), h.pessoas[0].numeros[0]);
    EXPECT_EQ(N(j["pessoas"][1]["euSilencioso"]), h.pessoas[1].numeros[3]);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(j["pares"][k]["relacao"].str(), NomeRelacao(h.pares[k].relacao));
        EXPECT_EQ(j["pares"][k]["texto"].str(), h.pares[k].texto);
    }
    EXPECT_EQ(j["leituraGeral"].str(), h.leituraGeral);
    const Execucao texto = Executar({"--harmonia", "--nome", "Ana Maria Souza", "--data", "15/03/1970",
                                     "--nome", "José Carlos Lima", "--data", "29/11/1968"});
    EXPECT_EQ(texto.saida, TextoHarmonia(h));
}

TEST(CliConsulta, RecusasNomeiamOCampoEAPessoa) {
    const struct {
        std::vector<std::string> args;
        std::string erro;
    } casos[] = {
        {{"--previsoes", "--data", "31/02/1970"}, "Erro: data de nascimento: " + kMensagemData + "\n"},
        {{"--previsoes", "--data", "01/02/1970", "--nome", "Ana"}, "Erro: nome: " + kMensagemNome + "\n"},
        {{"--harmonia", "--nome", "Ana Maria", "--data", "1/1/80", "--nome", "Jo", "--data", "2/2/82"},
         "Erro: 2ª pessoa, nome: " + kMensagemNome + "\n"},
        {{"--harmonia", "--nome", "Ana Maria", "--data", "30/02/80", "--nome", "Jo", "--data", "2/2/82"},
         "Erro: 1ª pessoa, data de nascimento: " + kMensagemData + "\n"},
    };
    for (const auto& c : casos) {
        const Execucao e = Executar(c.args);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.saida, "");
        EXPECT_EQ(e.erros, c.erro);
    }
    // Options in the wrong shape: the message and the usage.
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--previsoes", "--data", "1/1/80", "--mes", "13/2024"},
                                               {"--previsoes", "--data", "1/1/80", "--ano", "20x0"},
                                               {"--previsoes"},
                                               {"--harmonia", "--nome", "Ana Maria", "--data", "1/1/80"},
                                               {"--harmonia", "--previsoes", "--data", "1/1/80"}}) {
        const Execucao e = Executar(args);
        EXPECT_EQ(e.status, 2) << args[1];
        EXPECT_EQ(e.saida, "");
        EXPECT_NE(e.erros.find("Uso: oraculandia-cli"), std::string::npos);
    }
    EXPECT_NE(Executar({"--previsoes", "--data", "1/1/80", "--mes", "13/2024"}).erros.find("--mes (13/2024)"),
              std::string::npos);
}

TEST(CliConsulta, SemOsArquivosDeTextoOsNumerosSaemComUmAviso) {
    PastaTemporaria pasta;
    const Execucao e = Executar({"--previsoes", "--data", "15/03/1970", "--hoje", "06/12/2026", "--diretorio",
                                 pasta.caminho().string()});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.saida, TextoPrevisao(CalcularPrevisao({15, 3, 1970}, {6, 12, 2026}, 2026, 12, 2026), ""));
    EXPECT_EQ(e.erros, "Aviso: o arquivo de interpretação PREVANO.DAT não existe na pasta do programa; os "
                       "números são mostrados "
                       "sem esses textos.\n"
                       "Aviso: o arquivo de interpretação PREVMES.DAT não existe na pasta do programa; os "
                       "números são mostrados "
                       "sem esses textos.\n"
                       "Aviso: o arquivo de interpretação PREVDIA.DAT não existe na pasta do programa; os "
                       "números são mostrados "
                       "sem esses textos.\n");
    EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
    // An invalid table of relations: the default table, said.
    EscreverArquivo(pasta / kArquivoRelacoes, "x\n");
    const Execucao h = Executar({"--harmonia", "--nome", "Ana Maria", "--data", "1/1/80", "--nome",
                                 "Rita Lima", "--data", "2/2/82", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.erros.find("não é uma tabela de relações válida (linha 1: "), std::string::npos) << h.erros;
    EXPECT_NE(h.erros.find("vale a tabela padrão."), std::string::npos);
    EXPECT_NE(h.saida.find("Caminho da Vida\t"), std::string::npos);
}
