#pragma once
// Small positioned reads and writes of the program's fixed-layout data files. Every call opens
// the file, handles one stretch of bytes and closes it again; nothing throws.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace oraculandia::arquivos {

struct Trecho {
    std::string bytes;    // what the file holds at the asked offset (possibly fewer bytes)
    uint64_t tamanho = 0; // length of the whole file
};

// Reads up to `n` bytes at `deslocamento`. With `criar` a missing file is created empty first
// (when the folder allows it). A read-only file is read as any other. Nothing when the
// file cannot be opened at all.
std::optional<Trecho> Ler(const std::filesystem::path& caminho, uint64_t deslocamento, std::size_t n,
                          bool criar);

// The same without the file's length: just the bytes (fewer at the end of the file). Used for
// the interpretation records, read dozens of times per analysis.
std::optional<std::string> LerBytes(const std::filesystem::path& caminho, uint64_t deslocamento,
                                    std::size_t n, bool criar);

// Writes `bytes` at `deslocamento` in one positioned write, creating the file when missing and
// never truncating it. When the file is shorter than `deslocamento`, the gap is filled with
// `preenchimento` in the same write. False on any failure.
bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes,
            char preenchimento = '\0');

// Length of the file, or nothing when it does not exist or cannot be examined.
std::optional<uint64_t> Tamanho(const std::filesystem::path& caminho);

// Loads a settings record kept in the first `n` bytes of its file. A missing or empty file gets
// the defaults, written at once through `salvar`; a file that cannot be opened gives the defaults
// too. `ok` (when given) tells whether the file could be read or created.
template <class T, class Salvar, class Desserializar>
T CarregarRegistro(const std::filesystem::path& caminho, std::size_t n, const T& padrao, Salvar salvar,
                   Desserializar desserializar, bool* ok) {
    bool lido = false;
    T registro = padrao;
    if (const auto trecho = Ler(caminho, 0, n, true)) {
        if (trecho->tamanho == 0) {
            lido = salvar(padrao);
        } else {
            lido = true;
            registro = desserializar(trecho->bytes);
        }
    }
    if (ok != nullptr) {
        *ok = lido;
    }
    return registro;
}

} // namespace oraculandia::arquivos
