#pragma once
// The program settings record, oraculandia.dat: 76 bytes at offset 0, little-endian.

#include <array>
#include <cstdint>
#include <filesystem>

#include "dados/arquivos.h"

namespace oraculandia {

inline constexpr int16_t kLigado = -1;
inline constexpr int16_t kDesligado = 0;
inline bool Ligado(int16_t chave) {
    return chave != 0;
}

struct ConfiguracaoPrograma {
    int16_t ImprimirDescricao = kLigado;
    int16_t ImprimirNumero = kDesligado;
    int16_t PretoEmBranco = kLigado;
    int16_t ImprimirFolhaRosto = kDesligado;
    int16_t ImprimirCabecalho = kDesligado;
    std::array<uint8_t, 6> Reservado{};
    // Index 0 carries no setting and is written back as read; index c is CalculationId c.
    std::array<int16_t, 29> CalculosSelecionados = Padrao();
    int16_t EscutarSons = kLigado;

    bool Selecionado(int calculationId) const { return Ligado(CalculosSelecionados[calculationId]); }

private:
    static std::array<int16_t, 29> Padrao() {
        std::array<int16_t, 29> a{};
        a.fill(kLigado);
        a[0] = 0;
        return a;
    }
};

inline constexpr std::size_t kTamanhoConfiguracao = 76;
inline constexpr const char* kArquivoConfiguracao = "oraculandia.dat";

// Reads oraculandia.dat; a missing or empty file is created with the defaults (76 bytes) unless
// `criar` is false (the command line only reads). A short file is read with its missing bytes as
// zero. When the file cannot be read the defaults are returned and the file is left alone;
// `estado` (when given) tells what happened.
ConfiguracaoPrograma CarregarConfiguracao(const std::filesystem::path& pastaPrograma,
                                          EstadoArquivo* estado = nullptr, bool criar = true);

// Writes the 76 bytes at offset 0, leaving any later bytes of the file as they are. False when
// the file could not be written.
bool SalvarConfiguracao(const std::filesystem::path& pastaPrograma, const ConfiguracaoPrograma& c);

// Byte form of the record (used by both functions above and by tests).
std::array<uint8_t, kTamanhoConfiguracao> SerializarConfiguracao(const ConfiguracaoPrograma& c);
ConfiguracaoPrograma DesserializarConfiguracao(const uint8_t* bytes, std::size_t tamanho);

} // namespace oraculandia
