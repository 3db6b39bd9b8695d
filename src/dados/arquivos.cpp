// The reads and writes of arquivos.h, the same on every platform: they stand on ArquivoAberto,
// which each platform file provides.
#include "dados/arquivos.h"

#include "dados/arquivo_aberto.h"

#include <system_error>

namespace oraculandia::arquivos {

Situacao Examinar(const std::filesystem::path& caminho) {
    bool ausente = false;
    const ArquivoAberto a = ArquivoAberto::ParaLeitura(caminho, false, ausente);
    if (!a.aberto()) {
        return ausente ? Situacao::Ausente : Situacao::Ilegivel;
    }
    const auto tamanho = a.Tamanho();
    if (!tamanho) {
        return Situacao::Ilegivel;
    }
    return *tamanho == 0 ? Situacao::Vazio : Situacao::Legivel;
}

std::optional<Trecho> Ler(const std::filesystem::path& caminho, uint64_t deslocamento, std::size_t n,
                          bool criar, Situacao* situacao) {
    auto falhou = [situacao](Situacao s) -> std::optional<Trecho> {
        if (situacao != nullptr) {
            *situacao = s;
        }
        return std::nullopt;
    };
    bool ausente = false;
    const ArquivoAberto a = ArquivoAberto::ParaLeitura(caminho, criar, ausente);
    if (!a.aberto()) {
        return falhou(ausente ? Situacao::Ausente : Situacao::Ilegivel);
    }
    const auto tamanho = a.Tamanho();
    if (!tamanho) {
        return falhou(Situacao::Ilegivel);
    }
    Trecho t;
    t.tamanho = *tamanho;
    if (deslocamento < t.tamanho && n > 0) {
        const uint64_t disponivel = t.tamanho - deslocamento;
        auto bytes = a.LerEm(deslocamento, disponivel < n ? static_cast<std::size_t>(disponivel) : n);
        if (!bytes) {
            return falhou(Situacao::Ilegivel);
        }
        t.bytes = std::move(*bytes);
    }
    if (situacao != nullptr) {
        *situacao = t.tamanho == 0 ? Situacao::Vazio : Situacao::Legivel;
    }
    return t;
}

std::optional<std::string> LerBytes(const std::filesystem::path& caminho, uint64_t deslocamento,
                                    std::size_t n, bool criar) {
    bool ausente = false;
    const ArquivoAberto a = ArquivoAberto::ParaLeitura(caminho, criar, ausente);
    if (!a.aberto()) {
        return std::nullopt;
    }
    return a.LerEm(deslocamento, n);
}

bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes) {
    // Opened for reading too: a file the program cannot read is one it must not write over.
    ArquivoAberto a = ArquivoAberto::ParaGravacao(caminho);
    // Only the bytes asked for: a file shorter than the offset gets its gap from the system (zero
    // bytes), in the same operation, so no stretch written meanwhile by another program is
    // overwritten by filler.
    return a.aberto() && a.EscreverEm(deslocamento, bytes) && a.Fechar();
}

std::optional<uint64_t> Tamanho(const std::filesystem::path& caminho) {
    std::error_code erro;
    const auto t = std::filesystem::file_size(caminho, erro);
    if (erro) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(t);
}

} // namespace oraculandia::arquivos
