// Files of the program folder that are not what they should be: a named pipe, a device or a
// link to one under a data file's name, a file without read permission, and two programs
// writing the same interpretation file at once.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/composicao.h"
#include "analysis/interpretacao.h"
#include "dados/arquivos.h"
#include "dados/configuracao.h"
#include "dados/fontes.h"
#include "dados/margens.h"
#include "dados/rodape.h"
#include "limite_tempo.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::EscreverArquivo;
using oraculandia::teste::LerArquivo;
using oraculandia::teste::PastaTemporaria;

namespace {

namespace fs = std::filesystem;

// Puts something that is not a regular file under `caminho`.
struct Incomum {
    const char* descricao;
    std::function<bool(const fs::path&)> criar;
};

const std::vector<Incomum>& Incomuns() {
    static const std::vector<Incomum> lista = {
        {"named pipe", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0666) == 0; }},
        {"link to /dev/zero",
         [](const fs::path& p) {
             std::error_code e;
             fs::create_symlink("/dev/zero", p, e);
             return !e;
         }},
        {"link to /dev/urandom",
         [](const fs::path& p) {
             std::error_code e;
             fs::create_symlink("/dev/urandom", p, e);
             return !e;
         }},
    };
    return lista;
}

// Still the pipe or device, not replaced by a regular one.
bool Intacto(const fs::path& p) {
    std::error_code e;
    return fs::exists(fs::symlink_status(p, e)) && !fs::is_regular_file(fs::symlink_status(p, e));
}

} // namespace

TEST(ArquivosIncomuns, ConfiguracoesSaoIlegiveisENuncaGravadas) {
    for (const Incomum& incomum : Incomuns()) {
        SCOPED_TRACE(incomum.descricao);
        PastaTemporaria pasta;
        for (const char* nome : {kArquivoConfiguracao, kArquivoFontes, kArquivoRodape, kArquivoMargens}) {
            ASSERT_TRUE(incomum.criar(pasta / nome)) << nome;
        }
        const std::string r = teste::ComLimiteDeTempo(5, [&pasta]() -> std::string {
            std::string falhas;
            const fs::path& p = pasta.caminho();
            EstadoArquivo e = EstadoArquivo::Lido;
            const ConfiguracaoPrograma c = CarregarConfiguracao(p, &e);
            if (e != EstadoArquivo::Ilegivel || !c.Selecionado(1)) {
                falhas += "settings not unreadable; ";
            }
            if (SalvarConfiguracao(p, c)) {
                falhas += "settings written; ";
            }
            e = EstadoArquivo::Lido;
            const FontesAnalise f = CarregaFontes(p, &e);
            if (e != EstadoArquivo::Ilegivel || f.FonteCorpo.Nome != "Times New Roman") {
                falhas += "fonts not unreadable; ";
            }
            if (SalvarFontes(p, f)) {
                falhas += "fonts written; ";
            }
            e = EstadoArquivo::Lido;
            const LinhasRodape l = CarregaLinhasRodape(p, &e);
            if (e != EstadoArquivo::Ilegivel ||
                l.CabecalhoLinhaUm != LinhasRodapeIniciais().CabecalhoLinhaUm) {
                falhas += "footer not unreadable; ";
            }
            if (SalvarLinhasRodape(p, l)) {
                falhas += "footer written; ";
            }
            e = EstadoArquivo::Lido;
            const Margens m = CarregaMargens(p, &e);
            if (e != EstadoArquivo::Ilegivel || m.Esquerda != 10.0F) {
                falhas += "margins not unreadable; ";
            }
            if (SalvarMargens(p, m)) {
                falhas += "margins written; ";
            }
            if (arquivos::Examinar(p / kArquivoConfiguracao) != arquivos::Situacao::Ilegivel) {
                falhas += "examined as usable; ";
            }
            return falhas;
        });
        EXPECT_EQ(r, "");
        for (const char* nome : {kArquivoConfiguracao, kArquivoFontes, kArquivoRodape, kArquivoMargens}) {
            EXPECT_TRUE(Intacto(pasta / nome)) << nome;
        }
    }
}

TEST(ArquivosIncomuns, InterpretacaoNaoELidaNemGravada) {
    for (const Incomum& incomum : Incomuns()) {
        SCOPED_TRACE(incomum.descricao);
        PastaTemporaria pasta;
        ASSERT_TRUE(incomum.criar(pasta / "CVIDA.DAT"));
        const std::string r = teste::ComLimiteDeTempo(5, [&pasta]() -> std::string {
            std::string falhas;
            // A device is never read as a text (random bytes, or thousands of zero bytes).
            if (!LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT").empty()) {
                falhas += "read as a text; ";
            }
            if (GravarInterpretacao(pasta.caminho(), 1, "CVIDA.DAT", "x") !=
                ResultadoGravacao::FalhaEscrita) {
                falhas += "written; ";
            }
            // The whole composition goes through (Life Path 8 for this subject).
            const SecoesAnalise s =
                ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
            if (!s[1].Texto.empty() || s[1].Numero != "8") {
                falhas += "composition; ";
            }
            if (arquivos::Examinar(pasta / "CVIDA.DAT") != arquivos::Situacao::Ilegivel) {
                falhas += "examined as usable; ";
            }
            return falhas;
        });
        EXPECT_EQ(r, "");
        EXPECT_TRUE(Intacto(pasta / "CVIDA.DAT"));
    }
}

TEST(ArquivosIncomuns, Examinar) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "vazio", "");
    EscreverArquivo(pasta / "cheio", "x");
    fs::create_directory(pasta / "pasta");
    EXPECT_EQ(arquivos::Examinar(pasta / "nao-existe"), arquivos::Situacao::Ausente);
    EXPECT_EQ(arquivos::Examinar(pasta / "vazio"), arquivos::Situacao::Vazio);
    EXPECT_EQ(arquivos::Examinar(pasta / "cheio"), arquivos::Situacao::Legivel);
    EXPECT_EQ(arquivos::Examinar(pasta / "pasta"), arquivos::Situacao::Ilegivel);
    // Looking creates nothing.
    EXPECT_FALSE(fs::exists(pasta / "nao-existe"));
}

// A file the user cannot read (mode 0200) is unreadable: the defaults hold for the run and the
// file is never written over, so what it holds is not lost.
TEST(ArquivosIncomuns, ArquivoSemPermissaoDeLeituraNaoEGravado) {
    PastaTemporaria pasta;
    std::string configuracao(76, '\0');
    configuracao[16 + 2 * 5] = configuracao[16 + 2 * 5 + 1] = static_cast<char>(0xFF);
    configuracao[10] = 'R';
    EscreverArquivo(pasta / kArquivoConfiguracao, configuracao);
    EscreverArquivo(pasta / kArquivoFontes, std::string(168, 'F'));
    EscreverArquivo(pasta / "CVIDA.DAT", std::string(5120, 'V'));
    const std::string r = teste::ComoUsuarioComum(pasta.caminho(), [&pasta]() -> std::string {
        std::string falhas;
        for (const char* nome : {kArquivoConfiguracao, kArquivoFontes, "CVIDA.DAT"}) {
            fs::permissions(pasta / nome, fs::perms::owner_write);
        }
        EstadoArquivo e = EstadoArquivo::Lido;
        const ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho(), &e);
        if (e != EstadoArquivo::Ilegivel || !c.Selecionado(1)) {
            falhas += "settings not unreadable; ";
        }
        if (SalvarConfiguracao(pasta.caminho(), c)) {
            falhas += "settings written over; ";
        }
        e = EstadoArquivo::Lido;
        if (CarregaFontes(pasta.caminho(), &e); e != EstadoArquivo::Ilegivel) {
            falhas += "fonts not unreadable; ";
        }
        if (SalvarFontes(pasta.caminho(), FontesAnalise{})) {
            falhas += "fonts written over; ";
        }
        if (GravarInterpretacao(pasta.caminho(), 1, "CVIDA.DAT", "x") != ResultadoGravacao::FalhaEscrita) {
            falhas += "interpretation written over; ";
        }
        if (arquivos::Examinar(pasta / "CVIDA.DAT") != arquivos::Situacao::Ilegivel) {
            falhas += "interpretation examined as usable; ";
        }
        for (const char* nome : {kArquivoConfiguracao, kArquivoFontes, "CVIDA.DAT"}) {
            fs::permissions(pasta / nome, fs::perms::owner_read | fs::perms::owner_write);
        }
        return falhas;
    });
    if (r == teste::kSemUsuarioComum) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(r, "");
    EXPECT_EQ(LerArquivo(pasta / kArquivoConfiguracao), configuracao);
    EXPECT_EQ(LerArquivo(pasta / kArquivoFontes), std::string(168, 'F'));
    EXPECT_EQ(LerArquivo(pasta / "CVIDA.DAT"), std::string(5120, 'V'));
}

// Two programs saving records past the end of the same interpretation file: each writes only its
// own record, so neither can overwrite the other's with filler.
TEST(GravarInterpretacao, DoisProcessosGravandoAlemDoFimNaoPerdemRegistros) {
    PastaTemporaria pasta;
    constexpr int kRodadas = 60;
    constexpr int kRegistrosPorProcesso = 20;
    int perdidos = 0;
    for (int rodada = 0; rodada < kRodadas; ++rodada) {
        const std::string nome = "R" + std::to_string(rodada) + ".DAT";
        int largada[2];
        ASSERT_EQ(::pipe(largada), 0);
        pid_t filhos[2];
        for (int f = 0; f < 2; ++f) {
            filhos[f] = ::fork();
            ASSERT_GE(filhos[f], 0);
            if (filhos[f] == 0) {
                ::close(largada[1]);
                char c;
                // Both start together, when the pipe closes (the read then returns 0).
                bool ok = ::read(largada[0], &c, 1) >= 0;
                // Process 0 writes the odd records, process 1 the even ones, always past the end.
                for (int k = 0; k < kRegistrosPorProcesso; ++k) {
                    const int registro = 2 * k + 1 + f;
                    ok = GravarInterpretacao(pasta.caminho(), static_cast<int16_t>(registro), nome,
                                             "Registro " + std::to_string(registro)) ==
                             ResultadoGravacao::Ok &&
                         ok;
                }
                ::_exit(ok ? 0 : 1);
            }
        }
        ::close(largada[0]);
        ::close(largada[1]);
        for (pid_t filho : filhos) {
            int estado = 0;
            ::waitpid(filho, &estado, 0);
            ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
        }
        for (int registro = 1; registro <= 2 * kRegistrosPorProcesso; ++registro) {
            if (LerInterpretacao(pasta.caminho(), static_cast<int16_t>(registro), nome) !=
                "Registro " + std::to_string(registro)) {
                ++perdidos;
            }
        }
    }
    EXPECT_EQ(perdidos, 0) << "of " << kRodadas * 2 * kRegistrosPorProcesso << " records";
}
