// The sections after the 28: their composition, the exact bytes of their export and of the
// command line's text and JSON for known names.
#include <gtest/gtest.h>

#include <string>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "analysis/exportacao.h"
#include "arquivos_exemplo.h"
#include "cli_apoio.h"
#include "dados/configuracao.h"
#include "dados/preferencias.h"
#include "engine/cp1252.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

std::string W(const char* utf8) {
    return Utf8ParaCp1252(utf8).texto;
}

const std::string kSep = "-=-=-=-=-=-=-=-=-=-=-\r\n\r\n";

// MARIA DA SILVA, 29/11/1975: counts 5 0 1 3 0 0 0 0 3; master 11 in the birth day (29) and the
// Expression (47), 22 in the Soul Urge; no debt.
const std::string kMaria =
    W("CDATA 14\r\n\r\nQuadro de Inclusão:\r\n\r\n1: 5    2: -    3: 1\r\n4: 3    5: -    6: -\r\n"
      "7: -    8: -    9: 3\r\n\r\n") +
    kSep +
    W("CDATA 15\r\n\r\nLições Cármicas: Números 2, 5, 6, 7, 8\r\n\r\n"
      "Lição Cármica 2:\r\nLICOESC 2\r\n\r\nLição Cármica 5:\r\nLICOESC 5\r\n\r\n"
      "Lição Cármica 6:\r\nLICOESC 6\r\n\r\nLição Cármica 7:\r\nLICOESC 7\r\n\r\n"
      "Lição Cármica 8:\r\nLICOESC 8\r\n\r\n") +
    kSep +
    W("CDATA 16\r\n\r\nDívidas Cármicas:\r\n\r\nNenhum dos cinco totais é 13, 14, 16 ou 19 nem passa por "
      "eles ao ser reduzido, por isso o seu mapa não tem Dívidas Cármicas.\r\n\r\n") +
    kSep +
    W("CDATA 17\r\n\r\nTendências Ocultas: Número 1\r\n\r\nNúmero 1, presente 5 vezes no nome:\r\n"
      "TENDOCUL 1\r\n\r\n") +
    kSep +
    W("CDATA 18\r\n\r\nPaixão Oculta: Número 1\r\n\r\nNúmero 1, presente 5 vezes no nome:\r\nPAIXOCUL "
      "1\r\n\r\n") +
    kSep + W("CDATA 19\r\n\r\nResposta Subconsciente: Número 4\r\n\r\nRESPSUBC 4\r\n\r\n") + kSep +
    W("CDATA 20\r\n\r\nNúmeros Mestres: Números 11, 22\r\n\r\n"
      "Número Mestre 11 no Dia do Nascimento:\r\nNUMMESTR 2\r\n\r\n"
      "Número Mestre 11 na Expressão:\r\nNUMMESTR 3\r\n\r\n"
      "Número Mestre 22 no Impulso da Alma:\r\nNUMMESTR 9\r\n\r\n") +
    kSep;

} // namespace

TEST(Complementos, ExportacaoExataDeUmNomeConhecido) {
    PastaTemporaria pasta;
    CriarArquivosExemplo(pasta.caminho(), 20);
    const SecoesComplementares c = ComporComplementos(pasta.caminho(), "MARIA DA SILVA", "29/11/1975");
    ConfiguracaoPrograma cfg;
    cfg.ImprimirNumero = kLigado;
    SelecaoComplementos todas;
    todas.fill(true);
    EXPECT_EQ(TextoExportacaoComplementos(c, cfg, todas), kMaria);
    // Without numbers and introductions, and with only some sections.
    cfg.ImprimirNumero = kDesligado;
    cfg.ImprimirDescricao = kDesligado;
    SelecaoComplementos algumas{};
    algumas[34 - kPrimeiroComplemento] = true;
    EXPECT_EQ(TextoExportacaoComplementos(c, cfg, algumas),
              W("Resposta Subconsciente:\r\n\r\nRESPSUBC 4\r\n\r\n") + kSep);
}

TEST(Complementos, VariasDividasEUmNomeSemLetras) {
    PastaTemporaria pasta;
    CriarArquivosExemplo(pasta.caminho(), 20);
    // Debt 13 in three positions: one text, the positions named together.
    const SecoesComplementares j = ComporComplementos(pasta.caminho(), "JOSE", "13/04/1985");
    EXPECT_EQ(j[31].Texto,
              W("Dívida Cármica 13 no Caminho da Vida, no Dia do Nascimento e na Expressão:\r\nDIVIDASC 13"));
    EXPECT_EQ(j[31].Numero, "13");
    EXPECT_EQ(j[35].Texto, W("Número Mestre 11 no Impulso da Alma:\r\nNUMMESTR 4"));
    // Letters only from digits and signs: every section says it has nothing to show.
    const SecoesComplementares v = ComporComplementos(pasta.caminho(), "12 - 34", "05/05/2005");
    EXPECT_EQ(v[29].Texto, "1: -    2: -    3: -\r\n4: -    5: -    6: -\r\n7: -    8: -    9: -");
    EXPECT_EQ(v[33].Texto, W("O nome não tem letras, por isso não há Paixão Oculta a indicar."));
    EXPECT_EQ(v[34].Texto, W("O nome não tem letras, por isso não há Resposta Subconsciente a indicar."));
    EXPECT_EQ(v[34].Numero, "");
    EXPECT_EQ(v[32].Texto, W("Nenhum valor de 1 a 9 aparece em quatro letras ou mais do seu nome, por "
                             "isso o seu mapa não tem Tendências Ocultas."));
    // An empty record leaves the heading line alone.
    const SecoesComplementares semTextos =
        ComporComplementos(pasta.caminho() / "nada", "MARIA DA SILVA", "29/11/1975");
    EXPECT_EQ(semTextos[34].Texto, "");
    EXPECT_EQ(semTextos[32].Texto, W("Número 1, presente 5 vezes no nome:"));
}

TEST(Complementos, SelecaoNasPreferencias) {
    Preferencias p;
    SelecaoComplementos s = LerSelecaoComplementos(p);
    for (bool b : s) {
        EXPECT_TRUE(b); // missing: on
    }
    s[1] = false;
    GravarSelecaoComplementos(p, s);
    EXPECT_EQ(p.Alteradas(), (std::set<std::string>{"secao.licoes_carmicas"}));
    EXPECT_EQ(LerSelecaoComplementos(DesserializarPreferencias(SerializarPreferencias(p))), s);
    // A value that is not a switch counts as missing.
    EXPECT_TRUE(LerSelecaoComplementos(DesserializarPreferencias("secao.numeros_mestres=talvez\n"))[6]);
}

TEST(Cli, TextoEJsonComOsComplementos) {
    PastaTemporaria pasta;
    CriarArquivosExemplo(pasta.caminho(), 20);
    Preferencias p;
    SelecaoComplementos s;
    s.fill(true);
    s[29 - kPrimeiroComplemento] = false;
    s[33 - kPrimeiroComplemento] = false;
    GravarSelecaoComplementos(p, s);
    ASSERT_TRUE(SalvarPreferencias(pasta.caminho(), p));
    ConfiguracaoPrograma cfg;
    cfg.ImprimirNumero = kLigado;
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), cfg));
    const Data hoje{9, 12, 2026};
    const std::vector<std::string> base = {
        "--nome", "Maria da Silva", "--data",      "29/11/1975",
        "--hoje", "09/12/2026",     "--diretorio", pasta.caminho().string()};

    const Execucao t = Executar(base);
    ASSERT_EQ(t.status, 0) << t.erros;
    const SecoesAnalise secoes = ComporAnalise(pasta.caminho(), "MARIA DA SILVA", "29/11/1975", hoje);
    const SecoesComplementares c = ComporComplementos(pasta.caminho(), "MARIA DA SILVA", "29/11/1975");
    EXPECT_EQ(t.saida, Cp1252ParaUtf8(TextoExportacao(secoes, cfg) + TextoExportacaoComplementos(c, cfg, s)));
    EXPECT_EQ(t.saida.find("Quadro de Inclus"), std::string::npos);
    EXPECT_EQ(t.saida.find("PAIXOCUL"), std::string::npos);
    EXPECT_NE(t.saida.find("RESPSUBC 4"), std::string::npos);

    std::vector<std::string> json = base;
    json.insert(json.end(), {"--formato", "json"});
    const Execucao j = Executar(json);
    ASSERT_EQ(j.status, 0) << j.erros;
    EXPECT_NE(j.saida.find("  ],\n  \"complementos\": {\n"
                           "    \"inclusao\": [5, 0, 1, 3, 0, 0, 0, 0, 3],\n"
                           "    \"licoesCarmicas\": [2, 5, 6, 7, 8],\n"
                           "    \"paixaoOculta\": [1],\n"
                           "    \"tendenciasOcultas\": [1],\n"
                           "    \"respostaSubconsciente\": 4,\n"
                           "    \"dividasCarmicas\": [],\n"
                           "    \"numerosMestres\": [{\"posicao\": \"diaDoNascimento\", \"numero\": 11}, "
                           "{\"posicao\": \"expressao\", \"numero\": 11}, {\"posicao\": \"impulsoDaAlma\", "
                           "\"numero\": 22}],\n"
                           "    \"secoes\": [\n"),
              std::string::npos)
        << j.saida;
    const Json d = LeitorJson(j.saida).Documento();
    ASSERT_EQ(std::get<Lista>(d["secoes"].v).size(), 28u);
    const Lista& k = std::get<Lista>(d["complementos"]["secoes"].v);
    ASSERT_EQ(k.size(), 7u);
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        const Json& x = k[static_cast<std::size_t>(id - kPrimeiroComplemento)];
        EXPECT_EQ(std::get<double>(x["id"].v), id);
        EXPECT_EQ(x["titulo"].str(), Cp1252ParaUtf8(c[id].Titulo));
        EXPECT_EQ(x["introducao"].str(), Cp1252ParaUtf8(c[id].Introducao));
        EXPECT_EQ(x["texto"].str(), Cp1252ParaUtf8(c[id].Texto));
        EXPECT_EQ(x["numero"].str(), c[id].Numero);
    }
    // A name without debt or master number writes empty lists; one without letters, null.
    const Execucao n = Executar({"--nome", "12345 67", "--data", "05/05/2005", "--diretorio",
                                 pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(n.status, 0) << n.erros;
    EXPECT_NE(n.saida.find("\"respostaSubconsciente\": null,\n"), std::string::npos) << n.saida;
}
