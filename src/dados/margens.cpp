#include "dados/margens.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "dados/arquivos.h"

namespace oraculandia {

namespace {

constexpr std::size_t kTamanhoMargens = 16;
constexpr float kPadrao = 10.0F;

void EscreverFloat(char* p, float v) {
    const auto u = std::bit_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
}

// A field the file does not hold, or that holds no number (NaN, infinity), takes the default.
float LerFloat(const std::string& b, std::size_t deslocamento) {
    if (b.size() < deslocamento + 4) {
        return kPadrao;
    }
    uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        u |= static_cast<uint32_t>(static_cast<unsigned char>(b[deslocamento + i])) << (8 * i);
    }
    const float v = std::bit_cast<float>(u);
    return std::isfinite(v) ? v : kPadrao;
}

} // namespace

Margens CarregaMargens(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado) {
    return arquivos::CarregarRegistro(
        pastaPrograma / kArquivoMargens, kTamanhoMargens, Margens{kPadrao, kPadrao, kPadrao, kPadrao},
        [&](const Margens& padrao) { return SalvarMargens(pastaPrograma, padrao); },
        [](const std::string& b) {
            return Margens{LerFloat(b, 0), LerFloat(b, 4), LerFloat(b, 8), LerFloat(b, 12)};
        },
        true, estado);
}

bool SalvarMargens(const std::filesystem::path& pastaPrograma, const Margens& m) {
    std::string b(kTamanhoMargens, '\0');
    EscreverFloat(&b[0], m.Esquerda);
    EscreverFloat(&b[4], m.Superior);
    EscreverFloat(&b[8], m.Direita);
    EscreverFloat(&b[12], m.Inferior);
    return arquivos::Gravar(pastaPrograma / kArquivoMargens, 0, b);
}

} // namespace oraculandia
