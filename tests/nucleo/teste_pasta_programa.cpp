// The rule that finds the program folder: --diretorio, the executable's folder, or the user's
// data folder filled from the installed files without ever replacing the user's own.
#include "dados/pasta_programa.h"
#include "dados/plataforma.h"
#include "pasta_temporaria.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// An installed program: bin/ with nothing in it, share/oraculandia with data, and a home.
struct Instalacao {
    PastaTemporaria raiz;
    LocaisPrograma locais;
    bool executavelGravavel = true;
    Instalacao() {
        fs::create_directories(raiz / "usr/bin");
        fs::create_directories(raiz / "usr/share/oraculandia");
        for (const auto& n : ArquivosDeInterpretacao()) {
            EscreverArquivo(raiz / ("usr/share/oraculandia/" + n), "instalado " + n);
        }
        EscreverArquivo(raiz / "usr/share/oraculandia/welcomeb.wav", "RIFF");
        locais = LocaisPadrao(raiz / "usr/bin");
        locais.dadosUsuario = raiz / "home/.local/share/Oraculandia";
        locais.gravavel = [this](const fs::path&) { return executavelGravavel; };
    }
    fs::path usuario() const { return locais.dadosUsuario; }
};

std::vector<std::string> Nomes(const fs::path& pasta) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(pasta)) {
        n.push_back(e.path().filename().string());
    }
    std::sort(n.begin(), n.end());
    return n;
}

} // namespace

TEST(PastaPrograma, OpcaoDiretorioVemPrimeiroEUmNomeVazioOuInexistenteERecusado) {
    Instalacao inst;
    const auto vazia = EscolherPastaPrograma(std::string(), inst.locais, true);
    EXPECT_TRUE(vazia.pasta.empty());
    EXPECT_EQ(vazia.erro, "a opção --diretorio recebeu um texto vazio; informe a pasta do "
                          "programa (para a pasta atual, use --diretorio .).");

    const auto inexistente = EscolherPastaPrograma((inst.raiz / "nao-ha").string(), inst.locais, true);
    EXPECT_TRUE(inexistente.pasta.empty());
    EXPECT_EQ(inexistente.erro,
              "a pasta " + (inst.raiz / "nao-ha").string() + " não existe ou não é uma pasta.");
    EscreverArquivo(inst.raiz / "arquivo", "x");
    EXPECT_EQ(EscolherPastaPrograma((inst.raiz / "arquivo").string(), inst.locais, true).erro,
              "a pasta " + (inst.raiz / "arquivo").string() + " não existe ou não é uma pasta.");

    const auto dada = EscolherPastaPrograma((inst.raiz / "usr/bin/../bin").string(), inst.locais, true);
    EXPECT_EQ(dada.origem, OrigemPasta::Opcao);
    EXPECT_EQ(dada.pasta, inst.raiz / "usr/bin");
    EXPECT_TRUE(dada.erro.empty());
    EXPECT_FALSE(fs::exists(inst.usuario())) << "the user's folder is not touched";
}

TEST(PastaPrograma, PastaDoExecutavelComTextosEGravavelEAPastaDoPrograma) {
    Instalacao inst;
    EscreverArquivo(inst.raiz / "usr/bin/CVIDA.DAT", "portatil");
    auto r = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    EXPECT_EQ(r.origem, OrigemPasta::Executavel);
    EXPECT_EQ(r.pasta, inst.raiz / "usr/bin");
    EXPECT_FALSE(fs::exists(inst.usuario()));

    // The same folder without write access is an installed program: the user's folder is used.
    inst.executavelGravavel = false;
    r = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    EXPECT_EQ(r.origem, OrigemPasta::Usuario);
    EXPECT_EQ(r.pasta, inst.usuario());

    // A writable folder without interpretation files is not a program folder either.
    fs::remove(inst.raiz / "usr/bin/CVIDA.DAT");
    inst.executavelGravavel = true;
    EXPECT_EQ(EscolherPastaPrograma(std::nullopt, inst.locais, true).origem, OrigemPasta::Usuario);
}

// A portable copy in a folder the user cannot write (owned by another user): the user's folder
// is filled from the copy's own texts and sounds (not its program or settings files), the
// installed files fill only what the copy lacks, and the command line reads the copy.
TEST(PastaPrograma, CopiaPortatilSemGravacaoEncheAPastaDoUsuario) {
    Instalacao inst;
    const fs::path copia = inst.raiz / "portatil";
    fs::create_directories(copia);
    const auto& textos = ArquivosDeInterpretacao();
    for (std::size_t i = 1; i < textos.size(); ++i) // all but the first
        EscreverArquivo(copia / textos[i], "portátil " + textos[i]);
    EscreverArquivo(copia / "aguarda.wav", "RIFF portátil");
    EscreverArquivo(copia / "oraculandia", "\x7F"
                                           "ELF");
    EscreverArquivo(copia / "oraculandia.dat", "configuração de outro usuário");
    inst.locais.pastaExecutavel = copia;
    inst.executavelGravavel = false;

    auto r = EscolherPastaPrograma(std::nullopt, inst.locais, false);
    EXPECT_EQ(r.origem, OrigemPasta::Executavel);
    EXPECT_EQ(r.pasta, copia);
    EXPECT_FALSE(fs::exists(inst.usuario()));

    r = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    ASSERT_TRUE(r.erro.empty()) << r.erro;
    EXPECT_EQ(r.origem, OrigemPasta::Usuario);
    EXPECT_TRUE(r.naoCopiados.empty());
    for (std::size_t i = 1; i < textos.size(); ++i)
        EXPECT_EQ(LerArquivo(inst.usuario() / textos[i]), "portátil " + textos[i]);
    EXPECT_EQ(LerArquivo(inst.usuario() / textos[0]), "instalado " + textos[0]);
    EXPECT_EQ(LerArquivo(inst.usuario() / "aguarda.wav"), "RIFF portátil");
    EXPECT_EQ(LerArquivo(inst.usuario() / "welcomeb.wav"), "RIFF");
    EXPECT_FALSE(fs::exists(inst.usuario() / "oraculandia"));
    EXPECT_FALSE(fs::exists(inst.usuario() / "oraculandia.dat"));
    // Ready now: the command line reads the user's folder.
    EXPECT_EQ(EscolherPastaPrograma(std::nullopt, inst.locais, false).origem, OrigemPasta::Usuario);
}

TEST(PastaPrograma, PrimeiraExecucaoCriaAPastaDoUsuarioEACopiaSemNuncaSubstituir) {
    Instalacao inst;
    const auto r = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    ASSERT_TRUE(r.erro.empty()) << r.erro;
    EXPECT_EQ(r.origem, OrigemPasta::Usuario);
    EXPECT_TRUE(r.naoCopiados.empty());
    EXPECT_EQ(Nomes(inst.usuario()), Nomes(inst.raiz / "usr/share/oraculandia"))
        << "every installed file copied, and no temporary file left behind";
    EXPECT_EQ(LerArquivo(inst.usuario() / "CVIDA.DAT"), "instalado CVIDA.DAT");

    // The user edits a text and loses another file; a new version installs a new file.
    EscreverArquivo(inst.usuario() / "CVIDA.DAT", "texto do usuário");
    fs::remove(inst.usuario() / "INTVOG.DAT");
    EscreverArquivo(inst.raiz / "usr/share/oraculandia/CVIDA.DAT", "versão nova");
    EscreverArquivo(inst.raiz / "usr/share/oraculandia/NOVO.DAT", "arquivo novo");
    EscreverArquivo(inst.usuario() / "oraculandia.dat", "configuração");

    const auto de_novo = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    EXPECT_TRUE(de_novo.naoCopiados.empty());
    EXPECT_EQ(LerArquivo(inst.usuario() / "CVIDA.DAT"), "texto do usuário");
    EXPECT_EQ(LerArquivo(inst.usuario() / "INTVOG.DAT"), "instalado INTVOG.DAT");
    EXPECT_EQ(LerArquivo(inst.usuario() / "NOVO.DAT"), "arquivo novo");
    EXPECT_EQ(LerArquivo(inst.usuario() / "oraculandia.dat"), "configuração");
}

TEST(PastaPrograma, LinhaDeComandoNuncaEscreveELeOsArquivosInstaladosQuandoPreciso) {
    Instalacao inst;
    auto r = EscolherPastaPrograma(std::nullopt, inst.locais, false);
    EXPECT_EQ(r.origem, OrigemPasta::Instalada);
    EXPECT_EQ(r.pasta, inst.raiz / "usr/share/oraculandia");
    EXPECT_FALSE(fs::exists(inst.usuario())) << "nothing created";

    // Once the window program has prepared the user's folder, its (edited) texts are read.
    EscolherPastaPrograma(std::nullopt, inst.locais, true);
    r = EscolherPastaPrograma(std::nullopt, inst.locais, false);
    EXPECT_EQ(r.origem, OrigemPasta::Usuario);
    EXPECT_EQ(r.pasta, inst.usuario());
}

TEST(PastaPrograma, CopiaQueFalhaNaoDeixaArquivoPelaMetadeEAlgoNoLugarNaoESubstituido) {
    Instalacao inst;
    fs::create_directories(inst.usuario());
    // Something that is not a file where a file would go: left alone.
    fs::create_directories(inst.usuario() / "CFORM.DAT");
    // A copy that cannot be made: its temporary name is taken by a folder that is not empty.
    const fs::path ocupado =
        inst.usuario() / ("CPROD.DAT.copiando-" + std::to_string(plataforma::IdProcesso()));
    fs::create_directories(ocupado);
    EscreverArquivo(ocupado / "x", "x");
    ASSERT_EQ(::mkfifo((inst.raiz / "usr/share/oraculandia/fila.DAT").c_str(), 0600), 0);

    const auto r = EscolherPastaPrograma(std::nullopt, inst.locais, true);
    EXPECT_EQ(r.naoCopiados, std::vector<std::string>{"CPROD.DAT"});
    EXPECT_FALSE(fs::exists(inst.usuario() / "CPROD.DAT"));
    EXPECT_TRUE(fs::is_directory(inst.usuario() / "CFORM.DAT"));
    EXPECT_FALSE(fs::exists(inst.usuario() / "fila.DAT")) << "only regular files are copied";
    EXPECT_EQ(LerArquivo(inst.usuario() / "CVIDA.DAT"), "instalado CVIDA.DAT");
}

TEST(PastaPrograma, PastaDeDadosDoUsuarioSegueAsRegrasDoSistema) {
    PastaTemporaria t;
    const char* xdgAntes = std::getenv("XDG_DATA_HOME");
    const std::string guardado = xdgAntes ? xdgAntes : "";
    ::setenv("XDG_DATA_HOME", (t / "dados").c_str(), 1);
    auto l = LocaisPadrao(t / "prefixo/bin");
    EXPECT_EQ(l.dadosUsuario, t / "dados/Oraculandia");
    EXPECT_EQ(l.dadosInstalados, t / "prefixo/share/oraculandia");
    // A relative XDG_DATA_HOME is ignored, as the XDG rules say.
    ::setenv("XDG_DATA_HOME", "relativa", 1);
    l = LocaisPadrao(t / "prefixo/bin");
    EXPECT_EQ(l.dadosUsuario, fs::path(std::getenv("HOME")) / ".local/share/Oraculandia");
    if (xdgAntes) {
        ::setenv("XDG_DATA_HOME", guardado.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
    // The executable of this very test.
    EXPECT_EQ(PastaDoExecutavel().filename(), fs::path(PASTA_PROGRAMA_TESTE).filename());
}

TEST(PastaPrograma, VerificacaoDeGravacaoDoSistema) {
    PastaTemporaria t;
    fs::create_directories(t / "livre");
    fs::create_directories(t / "trancada");
    ::chmod((t / "trancada").c_str(), 0555);
    const std::string r = ComoUsuarioComum(t.caminho(), [&] {
        std::string falhas;
        if (!plataforma::PastaGravavel(t / "livre"))
            falhas += "livre não gravável; ";
        if (plataforma::PastaGravavel(t / "trancada"))
            falhas += "trancada gravável; ";
        return falhas;
    });
    if (r == kSemUsuarioComum) {
        GTEST_SKIP() << r;
    }
    EXPECT_EQ(r, "");
}
