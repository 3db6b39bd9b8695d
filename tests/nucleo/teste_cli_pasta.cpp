// The command line program and its program folder: it only reads it, refuses a folder that
// cannot give an analysis, and never blocks on what stands under a file's name.
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

// The command line only reads: against an empty folder it creates nothing, names the missing
// interpretation files and writes nothing on standard output.
TEST(Cli, PastaVaziaFicaVaziaEERecusada) {
    PastaTemporaria pasta;
    for (const char* formato : {"texto", "json"}) {
        const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio",
                                     pasta.caminho().string(), "--formato", formato});
        EXPECT_EQ(e.status, 3);
        EXPECT_EQ(e.saida, "");
        // The analysis' files are named; those of the consultation tools are not needed for it.
        for (std::size_t i = 0; i < std::size(teste::kArquivosInterpretacao); ++i) {
            const char* nome = teste::kArquivosInterpretacao[i];
            EXPECT_EQ(e.erros.find(std::string(nome) + ".DAT") != std::string::npos, i < kArquivosDaAnalise)
                << nome << ": " << e.erros;
        }
        EXPECT_EQ(e.erros.rfind("Erro: ", 0), 0u) << e.erros;
        EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
    }
}

// Without oraculandia.dat the defaults hold, and the file is not created; nothing in the folder
// changes.
TEST(Cli, SemConfiguracaoValemOsPadroesENadaMuda) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::map<std::string, std::string> antes;
    for (const auto& a : std::filesystem::directory_iterator(pasta.caminho())) {
        antes[a.path().filename().string()] = LerArquivo(a.path());
    }
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    const SecoesComplementares k = ComporComplementos(pasta.caminho(), "ANA SILVA", "15/03/1970");
    EXPECT_EQ(e.saida, Cp1252ParaUtf8(TextoExportacaoCompleta(s, k, ConfiguracaoPrograma{},
                                                              LerSelecaoComplementos({}))));
    std::map<std::string, std::string> depois;
    for (const auto& a : std::filesystem::directory_iterator(pasta.caminho())) {
        depois[a.path().filename().string()] = LerArquivo(a.path());
    }
    EXPECT_TRUE(antes == depois);
    EXPECT_FALSE(std::filesystem::exists(pasta / "oraculandia.dat"));
}

// A missing, empty or unreadable interpretation file is an error naming it; nothing is written.
TEST(Cli, ArquivosDeInterpretacaoQueFaltam) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::filesystem::remove(pasta / "CVIDA.DAT");
    std::filesystem::create_directory(pasta / "CVIDA.DAT");
    std::filesystem::remove(pasta / "INTVOG.DAT");
    teste::EscreverArquivo(pasta / "APICES.DAT", "");
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("Não existem: INTVOG.DAT."), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("Estão vazios: APICES.DAT."), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("não são arquivos comuns): CVIDA.DAT."), std::string::npos) << e.erros;
    EXPECT_EQ(e.erros.find("CFORM.DAT"), std::string::npos) << e.erros;
    EXPECT_FALSE(std::filesystem::exists(pasta / "INTVOG.DAT"));
}

// Named pipes and devices under a data file's name: refused at once, never read or waited on.
TEST(Cli, PipesEDispositivosNaoTravam) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::filesystem::remove(pasta / "CVIDA.DAT");
    ASSERT_EQ(::mkfifo((pasta / "CVIDA.DAT").c_str(), 0666), 0);
    const std::vector<std::string> args = {"--nome",     "Ana Silva",   "--data",
                                           "15/03/1970", "--diretorio", pasta.caminho().string()};
    Execucao e = Executar(args);
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("CVIDA.DAT"), std::string::npos) << e.erros;

    std::filesystem::remove(pasta / "CVIDA.DAT");
    std::filesystem::create_symlink("/dev/urandom", pasta / "CVIDA.DAT");
    e = Executar(args);
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("CVIDA.DAT"), std::string::npos) << e.erros;

    // A pipe as oraculandia.dat: the defaults, with a warning.
    std::filesystem::remove(pasta / "CVIDA.DAT");
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT", "CVIDA 8");
    ASSERT_EQ(::mkfifo((pasta / "oraculandia.dat").c_str(), 0666), 0);
    e = Executar(args);
    EXPECT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.erros.find("Aviso: não foi possível ler o arquivo " + (pasta / "oraculandia.dat").string()),
              std::string::npos)
        << e.erros;
    EXPECT_NE(e.saida.find("CVIDA 8"), std::string::npos);
}

// Settings that select no calculation would give an empty text: an error. JSON holds every
// section whatever the settings say, so it is not affected.
TEST(Cli, ConfiguracaoSemNenhumCalculo) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    ConfiguracaoPrograma c;
    for (int id = 1; id <= 28; ++id) {
        c.CalculosSelecionados[static_cast<std::size_t>(id)] = kDesligado;
    }
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    // The sections after the 28 are off too.
    Preferencias p;
    GravarSelecaoComplementos(p, SelecaoComplementos{});
    ASSERT_TRUE(SalvarPreferencias(pasta.caminho(), p));
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("não seleciona nenhum cálculo"), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("oraculandia.dat"), std::string::npos) << e.erros;
}

// An empty --diretorio is refused (it would mean the current folder), with the same words as
// the window program; nothing is created in the current folder.
TEST(Cli, DiretorioVazioRecusado) {
    PastaTemporaria atual;
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", ""}, kCli, atual.caminho());
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros.rfind("Erro: a opção --diretorio recebeu um texto vazio; informe a pasta do programa "
                            "(para a pasta atual, use --diretorio .).\n",
                            0),
              0u)
        << e.erros;
    EXPECT_TRUE(std::filesystem::is_empty(atual.caminho()));
    const Execucao igual =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio="}, kCli, atual.caminho());
    EXPECT_EQ(igual.status, 2);
    EXPECT_NE(igual.erros.find("texto vazio"), std::string::npos);
}

TEST(Cli, PastaPadraoEADoExecutavel) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const auto copia = pasta / "oraculandia-cli";
    std::filesystem::copy_file(kCli, copia);
    PastaTemporaria outra;
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026"}, copia);
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("CVIDA 8"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pasta / "oraculandia.dat")); // only read
}

TEST(Cli, PastaSomenteLeitura) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    // An oraculandia.dat the user cannot read: the defaults, with a warning naming it.
    teste::EscreverArquivo(pasta / "oraculandia.dat", std::string(76, '\0'));
    // The program itself is run from a folder the unprivileged user can reach.
    PastaTemporaria programa;
    const auto cli = programa / "oraculandia-cli";
    std::filesystem::copy_file(kCli, cli);
    std::filesystem::permissions(programa.caminho(), std::filesystem::perms::all,
                                 std::filesystem::perm_options::add);
    const std::string r = teste::ComoUsuarioComum(pasta.caminho(), [&pasta, &cli]() -> std::string {
        namespace fs = std::filesystem;
        fs::permissions(pasta / "oraculandia.dat", fs::perms::owner_write);
        fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
        const Execucao e = Executar(
            {"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()}, cli);
        fs::permissions(pasta.caminho(), fs::perms::owner_all);
        fs::permissions(pasta / "oraculandia.dat", fs::perms::owner_read | fs::perms::owner_write);
        std::string falhas;
        if (e.status != 0) {
            falhas += "status " + std::to_string(e.status) + "; ";
        }
        if (e.erros.find("Aviso: não foi possível ler o arquivo " + (pasta / "oraculandia.dat").string()) ==
            std::string::npos) {
            falhas += "no warning: " + e.erros;
        }
        if (e.saida.find("CVIDA 8") == std::string::npos) {
            falhas += "texts missing; ";
        }
        return falhas;
    });
    if (r == teste::kSemUsuarioComum) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(r, "");
}

TEST(Cli, DadosReaisDoPrograma) {
    // The interpretation files the build generated, copied so that the program folder is left
    // untouched.
    PastaTemporaria pasta;
    int copiados = 0;
    for (const char* nome : teste::kArquivosInterpretacao) {
        const auto origem = std::filesystem::path(PASTA_PROGRAMA_TESTE) / (std::string(nome) + ".DAT");
        if (std::filesystem::exists(origem)) {
            std::filesystem::copy_file(origem, pasta / (std::string(nome) + ".DAT"));
            ++copiados;
        }
    }
    if (copiados == 0) {
        GTEST_SKIP() << "no interpretation files in " << PASTA_PROGRAMA_TESTE;
    }
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    const Json j = LeitorJson(e.saida).Documento();
    const Lista& secoes = std::get<Lista>(j["secoes"].v);
    ASSERT_EQ(secoes.size(), 28u);
    EXPECT_EQ(secoes[0]["numero"].str(), "8");
    EXPECT_EQ(secoes[15]["numero"].str(), "6");
    EXPECT_EQ(secoes[22]["numero"].str(), "7");
    // Every text that the real files hold comes out whole, in UTF-8.
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    for (std::size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(secoes[i]["texto"].str(), Cp1252ParaUtf8(s[i + 1].Texto)) << i + 1;
    }
}
