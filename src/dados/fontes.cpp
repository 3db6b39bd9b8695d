#include "dados/fontes.h"

#include <string_view>

#include "dados/arquivos.h"

namespace oraculandia {

namespace {

constexpr std::size_t kTamanhoNome = 50;
constexpr std::size_t kTamanhoEntrada = 56; // name, bold, italic, size

void Escrever16(uint8_t* p, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<uint8_t>(u & 0xFF);
    p[1] = static_cast<uint8_t>(u >> 8);
}

int16_t Ler16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

void EscreverEntrada(uint8_t* p, const FonteTexto& f) {
    for (std::size_t i = 0; i < kTamanhoNome; ++i) {
        p[i] = i < f.Nome.size() ? static_cast<uint8_t>(f.Nome[i]) : static_cast<uint8_t>(' ');
    }
    Escrever16(p + 50, f.Negrito);
    Escrever16(p + 52, f.Italico);
    Escrever16(p + 54, f.Tamanho);
}

// A size from the file passes the limits a typed size passes; outside them, the default's.
FonteTexto LerEntrada(const uint8_t* p, const FonteTexto& padrao) {
    FonteTexto f;
    std::string_view nome(reinterpret_cast<const char*>(p), kTamanhoNome);
    // Blanks (and the NUL bytes of a record another program left unfinished) around the name
    // are padding.
    auto branco = [](char c) { return c == ' ' || c == '\0' || c == '\t'; };
    while (!nome.empty() && branco(nome.front())) {
        nome.remove_prefix(1);
    }
    while (!nome.empty() && branco(nome.back())) {
        nome.remove_suffix(1);
    }
    f.Nome = std::string(nome);
    f.Negrito = Ler16(p + 50);
    f.Italico = Ler16(p + 52);
    f.Tamanho = Ler16(p + 54);
    if (f.Tamanho < kTamanhoFonteMinimo || f.Tamanho > kTamanhoFonteMaximo)
        f.Tamanho = padrao.Tamanho;
    return f;
}

} // namespace

std::array<uint8_t, kTamanhoFontes> SerializarFontes(const FontesAnalise& f) {
    std::array<uint8_t, kTamanhoFontes> b{};
    EscreverEntrada(&b[0], f.FonteTitulo);
    EscreverEntrada(&b[kTamanhoEntrada], f.FonteDescricao);
    EscreverEntrada(&b[2 * kTamanhoEntrada], f.FonteCorpo);
    return b;
}

FontesAnalise DesserializarFontes(const uint8_t* bytes, std::size_t tamanho) {
    // Missing name bytes are blanks, missing numbers zero.
    std::array<uint8_t, kTamanhoFontes> b{};
    for (std::size_t e = 0; e < 3; ++e) {
        for (std::size_t i = 0; i < kTamanhoNome; ++i) {
            b[e * kTamanhoEntrada + i] = ' ';
        }
    }
    for (std::size_t i = 0; i < tamanho && i < b.size() && bytes != nullptr; ++i) {
        b[i] = bytes[i];
    }
    const FontesAnalise padrao;
    FontesAnalise f;
    f.FonteTitulo = LerEntrada(&b[0], padrao.FonteTitulo);
    f.FonteDescricao = LerEntrada(&b[kTamanhoEntrada], padrao.FonteDescricao);
    f.FonteCorpo = LerEntrada(&b[2 * kTamanhoEntrada], padrao.FonteCorpo);
    return f;
}

FontesAnalise CarregaFontes(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado) {
    return arquivos::CarregarRegistro(
        pastaPrograma / kArquivoFontes, kTamanhoFontes, FontesAnalise{},
        [&](const FontesAnalise& padrao) { return SalvarFontes(pastaPrograma, padrao); },
        [](const std::string& b) {
            return DesserializarFontes(reinterpret_cast<const uint8_t*>(b.data()), b.size());
        },
        true, estado);
}

bool SalvarFontes(const std::filesystem::path& pastaPrograma, const FontesAnalise& f) {
    const auto b = SerializarFontes(f);
    return arquivos::Gravar(pastaPrograma / kArquivoFontes, 0,
                            std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

} // namespace oraculandia
