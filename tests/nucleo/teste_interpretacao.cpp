// The interpretation files: reading and writing single 5120-byte records.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "analysis/interpretacao.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::EscreverArquivo;
using oraculandia::teste::LerArquivo;
using oraculandia::teste::PastaTemporaria;

namespace {

std::string Registro(std::string_view texto) {
    std::string r(texto);
    r.resize(kTamanhoRegistro, ' ');
    return r;
}

} // namespace

TEST(LerInterpretacao, ArquivoAusenteECriadoVazio) {
    PastaTemporaria pasta;
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT"), "");
    ASSERT_TRUE(std::filesystem::exists(pasta / "CVIDA.DAT"));
    EXPECT_EQ(std::filesystem::file_size(pasta / "CVIDA.DAT"), 0u);
}

TEST(LerInterpretacao, RegistrosEPontas) {
    PastaTemporaria pasta;
    const std::string texto3 = "   Texto com espa\xE7os\r\nna frente e quebra no fim\r\n";
    EscreverArquivo(pasta / "CVIDA.DAT",
                    Registro("Um") + Registro("") + Registro(texto3) + Registro("Quatro"));
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT"), "Um");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 2, "CVIDA.DAT"), "");
    // Leading spaces removed, the trailing line break kept.
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 3, "CVIDA.DAT"),
              "Texto com espa\xE7os\r\nna frente e quebra no fim\r\n");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 4, "CVIDA.DAT"), "Quatro");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 5, "CVIDA.DAT"), "");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 32767, "CVIDA.DAT"), "");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 0, "CVIDA.DAT"), "");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), -3, "CVIDA.DAT"), "");
    // Reading never changes the file.
    EXPECT_EQ(std::filesystem::file_size(pasta / "CVIDA.DAT"), 4 * kTamanhoRegistro);
}

TEST(LerInterpretacao, RegistroFinalIncompleto) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "X.DAT", Registro("A") + "  parte do segundo");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 2, "X.DAT"), "parte do segundo");
}

TEST(LerInterpretacao, ArquivoQueNaoPodeSerAberto) {
    PastaTemporaria pasta;
    // A folder under the file's name, and a folder that does not exist.
    std::filesystem::create_directory(pasta / "CVIDA.DAT");
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT"), "");
    EXPECT_EQ(LerInterpretacao(pasta / "nao-existe", 1, "CVIDA.DAT"), "");
    EXPECT_FALSE(std::filesystem::exists(pasta / "nao-existe"));
}

TEST(LerInterpretacao, ArquivoSomenteLeituraAindaELido) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "CVIDA.DAT", Registro("Lido"));
    const std::string r = teste::ComoUsuarioComum(pasta.caminho(), [&pasta]() -> std::string {
        namespace fs = std::filesystem;
        fs::permissions(pasta / "CVIDA.DAT", fs::perms::owner_read);
        fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
        std::string falhas;
        if (LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT") != "Lido") {
            falhas += "read-only file not read; ";
        }
        if (!LerInterpretacao(pasta.caminho(), 1, "OUTRO.DAT").empty() || fs::exists(pasta / "OUTRO.DAT")) {
            falhas += "missing file in read-only folder; ";
        }
        if (GravarInterpretacao(pasta.caminho(), 1, "CVIDA.DAT", "x") != ResultadoGravacao::FalhaEscrita) {
            falhas += "write to read-only file reported success; ";
        }
        if (GravarInterpretacao(pasta.caminho(), 1, "NOVO.DAT", "x") != ResultadoGravacao::FalhaEscrita) {
            falhas += "write in read-only folder reported success; ";
        }
        if (LerInterpretacao(pasta.caminho(), 1, "CVIDA.DAT") != "Lido") {
            falhas += "file changed; ";
        }
        fs::permissions(pasta.caminho(), fs::perms::owner_all);
        return falhas;
    });
    if (r == teste::kSemUsuarioComum) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(r, "");
}

TEST(GravarInterpretacao, TamanhosExatos) {
    PastaTemporaria pasta;
    const std::string exato(kTamanhoRegistro, 'x');
    ASSERT_EQ(GravarInterpretacao(pasta.caminho(), 1, "T.DAT", exato), ResultadoGravacao::Ok);
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 1, "T.DAT"), exato);

    std::string maior(kTamanhoRegistro, 'y');
    maior += 'z';
    ASSERT_EQ(GravarInterpretacao(pasta.caminho(), 2, "T.DAT", maior), ResultadoGravacao::Ok);
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 2, "T.DAT"), std::string(kTamanhoRegistro, 'y'));
    EXPECT_EQ(std::filesystem::file_size(pasta / "T.DAT"), 2 * kTamanhoRegistro);
}

TEST(GravarInterpretacao, RegistroCincoDeArquivoVazio) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "V.DAT", "");
    ASSERT_EQ(GravarInterpretacao(pasta.caminho(), 5, "V.DAT", "Quinto"), ResultadoGravacao::Ok);
    EXPECT_EQ(std::filesystem::file_size(pasta / "V.DAT"), 25600u);
    for (int16_t r = 1; r <= 4; ++r) {
        EXPECT_EQ(LerInterpretacao(pasta.caminho(), r, "V.DAT"), "") << r;
    }
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 5, "V.DAT"), "Quinto");
    // Only the record itself is written; the gap is what the system fills it with, zero bytes,
    // which read as no text.
    const std::string bytes = LerArquivo(pasta / "V.DAT");
    EXPECT_EQ(bytes, std::string(4 * kTamanhoRegistro, '\0') + Registro("Quinto"));
    // A record made of zero bytes, or of zero bytes around a text, reads as that text.
    EscreverArquivo(pasta / "Z.DAT", std::string(10, '\0') + "  Texto \r\n" + std::string(5100, '\0'));
    EXPECT_EQ(LerInterpretacao(pasta.caminho(), 1, "Z.DAT"), "Texto \r\n");
}

TEST(GravarInterpretacao, SoOUmRegistroMuda) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "C.DAT", Registro("Um") + Registro("Dois") + Registro("Tres"));
    ASSERT_EQ(GravarInterpretacao(pasta.caminho(), 2, "C.DAT", "Novo\r\n"), ResultadoGravacao::Ok);
    EXPECT_EQ(LerArquivo(pasta / "C.DAT"), Registro("Um") + Registro("Novo\r\n") + Registro("Tres"));
    // A missing file is created.
    ASSERT_EQ(GravarInterpretacao(pasta.caminho(), 1, "NOVO.DAT", "\xC1gua"), ResultadoGravacao::Ok);
    EXPECT_EQ(LerArquivo(pasta / "NOVO.DAT"), Registro("\xC1gua"));
}

TEST(GravarInterpretacao, Falhas) {
    PastaTemporaria pasta;
    EXPECT_EQ(GravarInterpretacao(pasta.caminho(), 0, "A.DAT", "x"), ResultadoGravacao::NumeroInvalido);
    EXPECT_EQ(GravarInterpretacao(pasta.caminho(), -1, "A.DAT", "x"), ResultadoGravacao::NumeroInvalido);
    EXPECT_FALSE(std::filesystem::exists(pasta / "A.DAT"));
    std::filesystem::create_directory(pasta / "PASTA.DAT");
    EXPECT_EQ(GravarInterpretacao(pasta.caminho(), 1, "PASTA.DAT", "x"), ResultadoGravacao::FalhaEscrita);
    EXPECT_EQ(GravarInterpretacao(pasta / "nao-existe", 1, "A.DAT", "x"), ResultadoGravacao::FalhaEscrita);
}

TEST(LerInterpretacao, ArquivosAleatorios) {
    // Random and truncated files: every record reads without fault and never exceeds 5120 bytes.
    PastaTemporaria pasta;
    std::mt19937 gerador(1234);
    for (int rodada = 0; rodada < 40; ++rodada) {
        std::uniform_int_distribution<std::size_t> tamanho(0, 3 * kTamanhoRegistro + 17);
        std::string bytes(tamanho(gerador), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(gerador() & 0xFF);
        }
        EscreverArquivo(pasta / "R.DAT", bytes);
        for (int16_t r = -1; r <= 5; ++r) {
            const std::string t = LerInterpretacao(pasta.caminho(), r, "R.DAT");
            ASSERT_LE(t.size(), kTamanhoRegistro);
            if (!t.empty()) {
                ASSERT_NE(t.front(), ' ');
                ASSERT_NE(t.back(), ' ');
            }
        }
    }
}
