#include "dados/configuracao.h"

#include <string>

#include "dados/arquivos.h"

namespace oraculandia {

namespace {

void Escrever16(uint8_t* p, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<uint8_t>(u & 0xFF);
    p[1] = static_cast<uint8_t>(u >> 8);
}

int16_t Ler16(const uint8_t* p) {
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

constexpr std::size_t kOffsetReservado = 10;
constexpr std::size_t kOffsetCalculos = 16;
constexpr std::size_t kOffsetSons = 74;

} // namespace

std::array<uint8_t, kTamanhoConfiguracao> SerializarConfiguracao(const ConfiguracaoPrograma& c) {
    std::array<uint8_t, kTamanhoConfiguracao> b{};
    Escrever16(&b[0], c.ImprimirDescricao);
    Escrever16(&b[2], c.ImprimirNumero);
    Escrever16(&b[4], c.PretoEmBranco);
    Escrever16(&b[6], c.ImprimirFolhaRosto);
    Escrever16(&b[8], c.ImprimirCabecalho);
    for (std::size_t i = 0; i < c.Reservado.size(); ++i) {
        b[kOffsetReservado + i] = c.Reservado[i];
    }
    for (std::size_t i = 0; i < c.CalculosSelecionados.size(); ++i) {
        Escrever16(&b[kOffsetCalculos + 2 * i], c.CalculosSelecionados[i]);
    }
    Escrever16(&b[kOffsetSons], c.EscutarSons);
    return b;
}

ConfiguracaoPrograma DesserializarConfiguracao(const uint8_t* bytes, std::size_t tamanho) {
    // A short record (a file cut while it was written) is read with its missing bytes as zero.
    std::array<uint8_t, kTamanhoConfiguracao> b{};
    for (std::size_t i = 0; i < tamanho && i < b.size() && bytes != nullptr; ++i) {
        b[i] = bytes[i];
    }
    ConfiguracaoPrograma c;
    c.ImprimirDescricao = Ler16(&b[0]);
    c.ImprimirNumero = Ler16(&b[2]);
    c.PretoEmBranco = Ler16(&b[4]);
    c.ImprimirFolhaRosto = Ler16(&b[6]);
    c.ImprimirCabecalho = Ler16(&b[8]);
    for (std::size_t i = 0; i < c.Reservado.size(); ++i) {
        c.Reservado[i] = b[kOffsetReservado + i];
    }
    for (std::size_t i = 0; i < c.CalculosSelecionados.size(); ++i) {
        c.CalculosSelecionados[i] = Ler16(&b[kOffsetCalculos + 2 * i]);
    }
    c.EscutarSons = Ler16(&b[kOffsetSons]);
    return c;
}

ConfiguracaoPrograma CarregarConfiguracao(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado,
                                          bool criar) {
    return arquivos::CarregarRegistro(
        pastaPrograma / kArquivoConfiguracao, kTamanhoConfiguracao, ConfiguracaoPrograma{},
        [&](const ConfiguracaoPrograma& padrao) { return SalvarConfiguracao(pastaPrograma, padrao); },
        [](const std::string& b) {
            return DesserializarConfiguracao(reinterpret_cast<const uint8_t*>(b.data()), b.size());
        },
        criar, estado);
}

bool SalvarConfiguracao(const std::filesystem::path& pastaPrograma, const ConfiguracaoPrograma& c) {
    const auto b = SerializarConfiguracao(c);
    return arquivos::Gravar(pastaPrograma / kArquivoConfiguracao, 0,
                            std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

} // namespace oraculandia
