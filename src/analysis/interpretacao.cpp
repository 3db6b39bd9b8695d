#include "analysis/interpretacao.h"

#include <algorithm>
#include <utility>

#include "dados/arquivos.h"

namespace oraculandia {

namespace {

std::string_view SemBrancosNasPontas(std::string_view s) {
    // Spaces are the padding of the record; NUL bytes are what a gap left by another program
    // would hold. Line breaks and other white space are part of the text.
    auto branco = [](char c) { return c == ' ' || c == '\0'; };
    while (!s.empty() && branco(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && branco(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

std::string LerInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                             std::string_view arquivo, bool criar) {
    if (numero < 1) {
        return {};
    }
    const uint64_t deslocamento = static_cast<uint64_t>(numero - 1) * kTamanhoRegistro;
    auto bytes =
        arquivos::LerBytes(pastaPrograma / std::string(arquivo), deslocamento, kTamanhoRegistro, criar);
    if (!bytes) {
        return {};
    }
    const std::string_view texto = SemBrancosNasPontas(*bytes);
    // Trim in place: one buffer per text.
    const auto inicio = static_cast<std::size_t>(texto.data() - bytes->data());
    bytes->resize(inicio + texto.size());
    bytes->erase(0, inicio);
    return std::move(*bytes);
}

ResultadoGravacao GravarInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                                      std::string_view arquivo, std::string_view texto) {
    if (numero < 1) {
        return ResultadoGravacao::NumeroInvalido;
    }
    std::string registro(texto.substr(0, std::min(texto.size(), kTamanhoRegistro)));
    registro.resize(kTamanhoRegistro, ' ');
    const uint64_t deslocamento = static_cast<uint64_t>(numero - 1) * kTamanhoRegistro;
    // Only this record is written: records before it that do not exist yet are left to the
    // system, which fills them with zero bytes (read as no text).
    if (!arquivos::Gravar(pastaPrograma / std::string(arquivo), deslocamento, registro)) {
        return ResultadoGravacao::FalhaEscrita;
    }
    return ResultadoGravacao::Ok;
}

} // namespace oraculandia
