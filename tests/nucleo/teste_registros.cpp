// The small settings files: oraculandia.dat, fontes.dat, rodape.dat and margens.dat.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "dados/configuracao.h"
#include "dados/fontes.h"
#include "dados/margens.h"
#include "dados/rodape.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::EscreverArquivo;
using oraculandia::teste::LerArquivo;
using oraculandia::teste::PastaTemporaria;

namespace {

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int v : b) {
        s += static_cast<char>(v);
    }
    return s;
}

std::string Repetir(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) {
        r += s;
    }
    return r;
}

std::string Aleatorio(std::mt19937& g, std::size_t n) {
    std::string s(n, '\0');
    for (char& c : s) {
        c = static_cast<char>(g() & 0xFF);
    }
    return s;
}

} // namespace

// ---- oraculandia.dat

TEST(Configuracao, ArquivoNovoComOsPadroes) {
    PastaTemporaria pasta;
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    const ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Padrao);
    const std::string esperado = Bytes({0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0}) + std::string(6, '\0') +
                                 Bytes({0, 0}) + Repetir(Bytes({0xFF, 0xFF}), 28) + Bytes({0xFF, 0xFF});
    ASSERT_EQ(esperado.size(), 76u);
    EXPECT_EQ(LerArquivo(pasta / "oraculandia.dat"), esperado);
    EXPECT_TRUE(Ligado(c.ImprimirDescricao));
    EXPECT_FALSE(Ligado(c.ImprimirNumero));
    EXPECT_TRUE(Ligado(c.PretoEmBranco));
    EXPECT_FALSE(Ligado(c.ImprimirFolhaRosto));
    EXPECT_FALSE(Ligado(c.ImprimirCabecalho));
    EXPECT_TRUE(Ligado(c.EscutarSons));
    for (int id = 1; id <= 28; ++id) {
        EXPECT_TRUE(c.Selecionado(id)) << id;
    }
    EXPECT_EQ(c.CalculosSelecionados[0], 0);
    // An empty file is treated as new.
    EscreverArquivo(pasta / "oraculandia.dat", "");
    CarregarConfiguracao(pasta.caminho());
    EXPECT_EQ(LerArquivo(pasta / "oraculandia.dat"), esperado);
}

TEST(Configuracao, ReservadosEEntradaZeroVoltamComoLidos) {
    PastaTemporaria pasta;
    std::string b(76, '\0');
    b[0] = 1; // any non-zero is on
    b[10] = 'R';
    b[15] = static_cast<char>(0xEE);
    b[16] = 0x34;
    b[17] = 0x12; // entry 0
    b[16 + 2 * 5] = static_cast<char>(0xFF);
    b[16 + 2 * 5 + 1] = static_cast<char>(0xFF);
    b += "resto do registro de 168"; // bytes after the record are left alone
    EscreverArquivo(pasta / "oraculandia.dat", b);
    ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho());
    EXPECT_EQ(c.ImprimirDescricao, 1);
    EXPECT_TRUE(Ligado(c.ImprimirDescricao));
    EXPECT_EQ(c.Reservado[0], 'R');
    EXPECT_EQ(c.Reservado[5], 0xEE);
    EXPECT_EQ(c.CalculosSelecionados[0], 0x1234);
    EXPECT_TRUE(c.Selecionado(5));
    EXPECT_FALSE(c.Selecionado(6));
    EXPECT_FALSE(Ligado(c.EscutarSons));
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    EXPECT_EQ(LerArquivo(pasta / "oraculandia.dat"), b);
    c.CalculosSelecionados[6] = kLigado;
    c.EscutarSons = kLigado;
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    std::string depois = b;
    depois[16 + 12] = depois[16 + 13] = static_cast<char>(0xFF);
    depois[74] = depois[75] = static_cast<char>(0xFF);
    EXPECT_EQ(LerArquivo(pasta / "oraculandia.dat"), depois);
}

TEST(Configuracao, ArquivoCurtoLidoComZeros) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "oraculandia.dat", Bytes({0xFF, 0xFF, 0xFF}));
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    const ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Lido);
    EXPECT_EQ(c.ImprimirDescricao, -1);
    EXPECT_EQ(c.ImprimirNumero, 0xFF);
    EXPECT_EQ(c.PretoEmBranco, 0);
    EXPECT_FALSE(c.Selecionado(1));
    EXPECT_EQ(c.EscutarSons, 0);
    // Reading leaves the short file as it was.
    EXPECT_EQ(std::filesystem::file_size(pasta / "oraculandia.dat"), 3u);
}

TEST(Configuracao, SerializacaoIdaEVolta) {
    std::mt19937 g(77);
    for (int i = 0; i < 50; ++i) {
        const std::string b = Aleatorio(g, 76);
        const auto c = DesserializarConfiguracao(reinterpret_cast<const uint8_t*>(b.data()), b.size());
        const auto volta = SerializarConfiguracao(c);
        ASSERT_EQ(std::memcmp(volta.data(), b.data(), 76), 0);
    }
    const auto vazio = DesserializarConfiguracao(nullptr, 0);
    EXPECT_EQ(vazio.EscutarSons, 0);
}

TEST(Configuracao, ArquivoQueNaoPodeSerUsado) {
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta / "oraculandia.dat");
    EstadoArquivo estado = EstadoArquivo::Lido;
    const ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Ilegivel);
    EXPECT_TRUE(c.Selecionado(1)); // the defaults for the run
    EXPECT_FALSE(SalvarConfiguracao(pasta.caminho(), c));
    estado = EstadoArquivo::Lido;
    CarregarConfiguracao(pasta / "nao-existe", &estado);
    EXPECT_EQ(estado, EstadoArquivo::PadraoNaoGravado); // missing, not unreadable
    EXPECT_FALSE(SalvarConfiguracao(pasta / "nao-existe", c));
}

TEST(Configuracao, PastaEArquivoSomenteLeitura) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "oraculandia.dat", std::string(76, '\0'));
    EscreverArquivo(pasta / "fontes.dat", "");
    const std::string r = teste::ComoUsuarioComum(pasta.caminho(), [&pasta]() -> std::string {
        namespace fs = std::filesystem;
        std::string falhas;
        fs::permissions(pasta / "oraculandia.dat", fs::perms::owner_read);
        fs::permissions(pasta / "fontes.dat", fs::perms::owner_read);
        fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
        EstadoArquivo estado = EstadoArquivo::Ilegivel;
        // A read-only file is still read.
        ConfiguracaoPrograma c = CarregarConfiguracao(pasta.caminho(), &estado);
        if (estado != EstadoArquivo::Lido || c.Selecionado(1)) {
            falhas += "read-only settings not read; ";
        }
        if (SalvarConfiguracao(pasta.caminho(), c)) {
            falhas += "saving to a read-only file reported success; ";
        }
        // An empty read-only file cannot take the defaults: they hold for the run.
        FontesAnalise f = CarregaFontes(pasta.caminho(), &estado);
        if (estado != EstadoArquivo::PadraoNaoGravado || f.FonteCorpo.Nome != "Times New Roman") {
            falhas += "empty read-only fonts; ";
        }
        // Missing files in a read-only folder.
        Margens m = CarregaMargens(pasta.caminho(), &estado);
        if (estado != EstadoArquivo::PadraoNaoGravado || m.Esquerda != 10.0F ||
            fs::exists(pasta / "margens.dat")) {
            falhas += "margins in read-only folder; ";
        }
        if (SalvarLinhasRodape(pasta.caminho(), LinhasRodapeIniciais())) {
            falhas += "footer saved in read-only folder; ";
        }
        fs::permissions(pasta.caminho(), fs::perms::owner_all);
        return falhas;
    });
    if (r == teste::kSemUsuarioComum) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(r, "");
}

TEST(Configuracao, ArquivosAleatoriosETruncados) {
    PastaTemporaria pasta;
    std::mt19937 g(5);
    for (std::size_t n = 0; n <= 200; n += 7) {
        EscreverArquivo(pasta / "oraculandia.dat", Aleatorio(g, n));
        EstadoArquivo estado = EstadoArquivo::Ilegivel;
        CarregarConfiguracao(pasta.caminho(), &estado);
        EXPECT_EQ(estado, n == 0 ? EstadoArquivo::Padrao : EstadoArquivo::Lido);
    }
}

// ---- fontes.dat

TEST(Fontes, ArquivoNovoCom168Bytes) {
    PastaTemporaria pasta;
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    const FontesAnalise f = CarregaFontes(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Padrao);
    auto nome = [](const std::string& n) { return n + std::string(50 - n.size(), ' '); };
    const std::string esperado = nome("Courier New") + Bytes({0xFF, 0xFF, 0, 0, 14, 0}) + nome("Arial") +
                                 Bytes({0, 0, 0xFF, 0xFF, 10, 0}) + nome("Times New Roman") +
                                 Bytes({0, 0, 0, 0, 12, 0});
    EXPECT_EQ(LerArquivo(pasta / "fontes.dat"), esperado);
    EXPECT_EQ(f.FonteTitulo.Nome, "Courier New");
    EXPECT_EQ(f.FonteDescricao.Italico, -1);
    EXPECT_EQ(f.FonteCorpo.Tamanho, 12);
    EscreverArquivo(pasta / "fontes.dat", "");
    CarregaFontes(pasta.caminho());
    EXPECT_EQ(LerArquivo(pasta / "fontes.dat"), esperado);
}

TEST(Fontes, NomesDe50CaracteresECortes) {
    PastaTemporaria pasta;
    FontesAnalise f;
    f.FonteTitulo.Nome = std::string(50, 'N');
    f.FonteDescricao.Nome = std::string(49, 'D') + "XYZ";
    f.FonteCorpo.Nome = "Fonte \xC1gil";
    f.FonteCorpo.Tamanho = 22;
    ASSERT_TRUE(SalvarFontes(pasta.caminho(), f));
    const std::string bytes = LerArquivo(pasta / "fontes.dat");
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(bytes.substr(0, 50), std::string(50, 'N'));
    EXPECT_EQ(bytes.substr(56, 50), std::string(49, 'D') + "X");
    const FontesAnalise lidas = CarregaFontes(pasta.caminho());
    EXPECT_EQ(lidas.FonteTitulo.Nome, std::string(50, 'N'));
    EXPECT_EQ(lidas.FonteDescricao.Nome, std::string(49, 'D') + "X");
    EXPECT_EQ(lidas.FonteCorpo.Nome, "Fonte \xC1gil");
    EXPECT_EQ(lidas.FonteCorpo.Tamanho, 22);
}

TEST(Fontes, TamanhosDoArquivoPassamOsLimitesDosDigitados) {
    // Each size as the file holds it: the limits 6 and 72 are kept, anything outside them (0, 5,
    // 73, 999, negative) gives the entry's default size, as a typed size outside them is refused.
    PastaTemporaria pasta;
    const std::pair<int16_t, int16_t> casos[] = {{6, 6},  {72, 72},  {13, 13},  {5, 14},     {73, 14},
                                                 {0, 14}, {999, 14}, {-12, 14}, {32767, 14}, {-32768, 14}};
    for (const auto& [noArquivo, lido] : casos) {
        FontesAnalise f;
        f.FonteTitulo.Tamanho = noArquivo;
        f.FonteDescricao.Tamanho = noArquivo;
        f.FonteCorpo.Tamanho = noArquivo;
        ASSERT_TRUE(SalvarFontes(pasta.caminho(), f));
        const FontesAnalise l = CarregaFontes(pasta.caminho());
        const bool dentro = noArquivo == lido;
        EXPECT_EQ(l.FonteTitulo.Tamanho, lido) << noArquivo;
        EXPECT_EQ(l.FonteDescricao.Tamanho, dentro ? lido : int16_t{10}) << noArquivo;
        EXPECT_EQ(l.FonteCorpo.Tamanho, dentro ? lido : int16_t{12}) << noArquivo;
    }
}

TEST(Fontes, ArquivoCurtoEAleatorio) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "fontes.dat", "  Arial  ");
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    FontesAnalise f = CarregaFontes(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Lido);
    EXPECT_EQ(f.FonteTitulo.Nome, "Arial");
    EXPECT_EQ(f.FonteTitulo.Tamanho, 14); // no size in the file: the default's
    EXPECT_EQ(f.FonteCorpo.Nome, "");
    std::mt19937 g(9);
    for (std::size_t n = 1; n <= 400; n += 13) {
        EscreverArquivo(pasta / "fontes.dat", Aleatorio(g, n));
        f = CarregaFontes(pasta.caminho());
        EXPECT_LE(f.FonteTitulo.Nome.size(), 50u);
        EXPECT_LE(f.FonteDescricao.Nome.size(), 50u);
        EXPECT_LE(f.FonteCorpo.Nome.size(), 50u);
    }
    std::filesystem::remove(pasta / "fontes.dat");
    std::filesystem::create_directory(pasta / "fontes.dat");
    estado = EstadoArquivo::Lido;
    f = CarregaFontes(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Ilegivel);
    EXPECT_EQ(f.FonteCorpo.Nome, "Times New Roman");
}

// ---- rodape.dat

TEST(Rodape, LinhasIniciaisSemArquivo) {
    PastaTemporaria pasta;
    const LinhasRodape l = CarregaLinhasRodape(pasta.caminho());
    EXPECT_EQ(l.CabecalhoLinhaUm, "Sua vida atrav\xE9s da Oraculandia");
    EXPECT_FALSE(l.RodapeLinhaUm.empty());
    EXPECT_FALSE(l.RodapeLinhaDois.empty());
    EXPECT_LE(l.CabecalhoLinhaUm.size(), kMaximoCabecalho);
    EXPECT_LE(l.RodapeLinhaUm.size(), kMaximoRodape);
    EXPECT_FALSE(std::filesystem::exists(pasta / "rodape.dat")); // reading creates nothing
    EscreverArquivo(pasta / "rodape.dat", "");
    EXPECT_EQ(CarregaLinhasRodape(pasta.caminho()).CabecalhoLinhaUm, l.CabecalhoLinhaUm);
}

TEST(Rodape, BytesGravados) {
    PastaTemporaria pasta;
    const LinhasRodape l{"Primeira", "",
                         "Cabe\xE7"
                         "alho"};
    ASSERT_TRUE(SalvarLinhasRodape(pasta.caminho(), l));
    const std::string bytes = LerArquivo(pasta / "rodape.dat");
    ASSERT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes.substr(0, 10), Bytes({8, 0}) + "Primeira");
    EXPECT_EQ(bytes.substr(200, 2), Bytes({0, 0}));
    EXPECT_EQ(bytes.substr(400, 11), Bytes({9, 0}) + "Cabe\xE7"
                                                     "alho");
    const LinhasRodape lidas = CarregaLinhasRodape(pasta.caminho());
    EXPECT_EQ(lidas.RodapeLinhaUm, "Primeira");
    EXPECT_EQ(lidas.RodapeLinhaDois, "");
    EXPECT_EQ(lidas.CabecalhoLinhaUm, "Cabe\xE7"
                                      "alho");
}

TEST(Rodape, LimiteDe198Caracteres) {
    PastaTemporaria pasta;
    const std::string longa(198, 'L');
    ASSERT_TRUE(SalvarLinhasRodape(pasta.caminho(), {longa, longa, "C"}));
    EXPECT_EQ(CarregaLinhasRodape(pasta.caminho()).RodapeLinhaDois, longa);
    // 199 characters do not fit: refused, the file keeps what it had.
    const std::string antes = LerArquivo(pasta / "rodape.dat");
    EXPECT_FALSE(SalvarLinhasRodape(pasta.caminho(), {std::string(199, 'x'), "b", "c"}));
    EXPECT_FALSE(SalvarLinhasRodape(pasta.caminho(), {"a", std::string(200, 'x'), "c"}));
    EXPECT_EQ(LerArquivo(pasta / "rodape.dat"), antes);
}

TEST(Rodape, ContagensSemSentido) {
    PastaTemporaria pasta;
    // Record 1 claims 0xFFFF characters, record 2 claims 150 but the file ends first, record 3
    // does not exist.
    std::string b = Bytes({0xFF, 0xFF}) + std::string(198, 'a') + Bytes({150, 0}) + "curta";
    EscreverArquivo(pasta / "rodape.dat", b);
    LinhasRodape l = CarregaLinhasRodape(pasta.caminho());
    EXPECT_EQ(l.RodapeLinhaUm, std::string(198, 'a'));
    EXPECT_EQ(l.RodapeLinhaDois, "curta");
    EXPECT_EQ(l.CabecalhoLinhaUm, "");
    // One byte of a count only.
    EscreverArquivo(pasta / "rodape.dat", Bytes({3}));
    l = CarregaLinhasRodape(pasta.caminho());
    EXPECT_EQ(l.RodapeLinhaUm, "");
    std::mt19937 g(3);
    for (std::size_t n = 1; n <= 700; n += 11) {
        EscreverArquivo(pasta / "rodape.dat", Aleatorio(g, n));
        l = CarregaLinhasRodape(pasta.caminho());
        EXPECT_LE(l.RodapeLinhaUm.size(), kMaximoRodape);
        EXPECT_LE(l.RodapeLinhaDois.size(), kMaximoRodape);
        EXPECT_LE(l.CabecalhoLinhaUm.size(), kMaximoRodape);
    }
}

TEST(Rodape, ArquivoQueNaoPodeSerGravado) {
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta / "rodape.dat");
    EXPECT_FALSE(SalvarLinhasRodape(pasta.caminho(), {"a", "b", "c"}));
    EXPECT_EQ(CarregaLinhasRodape(pasta.caminho()).CabecalhoLinhaUm, LinhasRodapeIniciais().CabecalhoLinhaUm);
}

// ---- margens.dat

TEST(Margens, ArquivoNovo) {
    PastaTemporaria pasta;
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    const Margens m = CarregaMargens(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Padrao);
    EXPECT_EQ(LerArquivo(pasta / "margens.dat"), Repetir(Bytes({0, 0, 0x20, 0x41}), 4));
    EXPECT_EQ(m.Esquerda, 10.0F);
    EXPECT_EQ(m.Inferior, 10.0F);
}

TEST(Margens, GravaELe) {
    PastaTemporaria pasta;
    ASSERT_TRUE(SalvarMargens(pasta.caminho(), Margens{1.5F, -2.0F, 25.25F, 0.0F}));
    EXPECT_EQ(LerArquivo(pasta / "margens.dat"),
              Bytes({0, 0, 0xC0, 0x3F, 0, 0, 0, 0xC0, 0, 0, 0xCA, 0x41, 0, 0, 0, 0}));
    const Margens m = CarregaMargens(pasta.caminho());
    EXPECT_EQ(m.Esquerda, 1.5F);
    EXPECT_EQ(m.Superior, -2.0F); // negative values are kept
    EXPECT_EQ(m.Direita, 25.25F);
    EXPECT_EQ(m.Inferior, 0.0F);
    // Bytes after the 16 are left alone.
    EscreverArquivo(pasta / "margens.dat", std::string(168, '\0'));
    ASSERT_TRUE(SalvarMargens(pasta.caminho(), Margens{10, 10, 10, 10}));
    EXPECT_EQ(std::filesystem::file_size(pasta / "margens.dat"), 168u);
}

TEST(Margens, ArquivoCurtoENumerosInvalidos) {
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "margens.dat", Bytes({0, 0, 0xA0, 0x40, 0, 0, 0})); // 5.0 and 3 bytes
    Margens m = CarregaMargens(pasta.caminho());
    EXPECT_EQ(m.Esquerda, 5.0F);
    EXPECT_EQ(m.Superior, 10.0F);
    EXPECT_EQ(m.Direita, 10.0F);
    EXPECT_EQ(m.Inferior, 10.0F);
    // NaN and infinity are no margins.
    EscreverArquivo(pasta / "margens.dat",
                    Bytes({0, 0, 0xC0, 0x7F, 0, 0, 0x80, 0x7F, 0, 0, 0x80, 0xFF, 0, 0, 0x80, 0x3F}));
    m = CarregaMargens(pasta.caminho());
    EXPECT_EQ(m.Esquerda, 10.0F);
    EXPECT_EQ(m.Superior, 10.0F);
    EXPECT_EQ(m.Direita, 10.0F);
    EXPECT_EQ(m.Inferior, 1.0F);
    std::mt19937 g(11);
    for (std::size_t n = 1; n <= 40; ++n) {
        EscreverArquivo(pasta / "margens.dat", Aleatorio(g, n));
        m = CarregaMargens(pasta.caminho());
        EXPECT_TRUE(std::isfinite(m.Esquerda) && std::isfinite(m.Superior) && std::isfinite(m.Direita) &&
                    std::isfinite(m.Inferior));
    }
    std::filesystem::remove(pasta / "margens.dat");
    std::filesystem::create_directory(pasta / "margens.dat");
    EstadoArquivo estado = EstadoArquivo::Lido;
    m = CarregaMargens(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Ilegivel);
    EXPECT_EQ(m.Esquerda, 10.0F);
    EXPECT_FALSE(SalvarMargens(pasta.caminho(), m));
}
