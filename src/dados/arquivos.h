#pragma once
// Small positioned reads and writes of the program's fixed-layout data files. Every call opens
// the file, handles one stretch of bytes and closes it again; nothing throws.
//
// Only regular files are used. Anything else under a file's name (a folder, a named pipe, a
// device, a link to one) counts as a file that cannot be read, and is never written: it is
// recognised without blocking, so a named pipe cannot stop the program.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace oraculandia::arquivos {

// What a look at a file found, without creating or changing anything.
enum class Situacao {
    Ausente,  // nothing under that name
    Vazio,    // a regular file of length 0
    Legivel,  // a regular file with bytes in it, opened for reading
    Ilegivel, // present but not usable: no read permission, not a regular file, system error
};

// Looks at the file as a reader would (opening it for reading), never blocking.
Situacao Examinar(const std::filesystem::path& caminho);

struct Trecho {
    std::string bytes;    // what the file holds at the asked offset (possibly fewer bytes)
    uint64_t tamanho = 0; // length of the whole file
};

// Reads up to `n` bytes at `deslocamento`. With `criar` a missing file is created empty first
// (when the folder allows it). A read-only file is read as any other. Nothing when the file
// cannot be opened or is not a regular file; `situacao` (when given) then tells whether it was
// missing or unreadable.
std::optional<Trecho> Ler(const std::filesystem::path& caminho, uint64_t deslocamento, std::size_t n,
                          bool criar, Situacao* situacao = nullptr);

// The same without the file's length: just the bytes (fewer at the end of the file). Used for
// the interpretation records, read dozens of times per analysis.
std::optional<std::string> LerBytes(const std::filesystem::path& caminho, uint64_t deslocamento,
                                    std::size_t n, bool criar);

// Writes `bytes` at `deslocamento` in one positioned write, creating the file when missing and
// never truncating it. Nothing else is written: when the file is shorter than `deslocamento`,
// the system fills the gap with zero bytes, so that two programs writing past the end at the same
// time cannot overwrite each other's records. A file that cannot be read (no read permission, not
// a regular file) is never written. False on any failure.
bool Gravar(const std::filesystem::path& caminho, uint64_t deslocamento, std::string_view bytes);

// Length of the file, or nothing when it does not exist or cannot be examined.
std::optional<uint64_t> Tamanho(const std::filesystem::path& caminho);

} // namespace oraculandia::arquivos

namespace oraculandia {

// How a settings record was loaded.
enum class EstadoArquivo {
    Lido,             // read from the file
    Padrao,           // the file was missing or empty: the defaults, written to it when asked
    PadraoNaoGravado, // missing or empty, and the defaults could not be written (read-only folder)
    Ilegivel,         // the file exists but could not be read: the defaults, for this run only
};

// True when the record came from the file or the file now holds the defaults.
inline bool Utilizavel(EstadoArquivo e) {
    return e == EstadoArquivo::Lido || e == EstadoArquivo::Padrao;
}

namespace arquivos {

// Loads a settings record kept in the first `n` bytes of its file. A missing or empty file gets
// the defaults, written at once through `salvar` when `criar` is set; a file that cannot be read
// gives the defaults and is left alone. `estado` (when given) tells which of these happened.
template <class T, class Salvar, class Desserializar>
T CarregarRegistro(const std::filesystem::path& caminho, std::size_t n, const T& padrao, Salvar salvar,
                   Desserializar desserializar, bool criar, EstadoArquivo* estado) {
    EstadoArquivo e = EstadoArquivo::Ilegivel;
    T registro = padrao;
    Situacao s = Situacao::Ilegivel;
    const auto trecho = Ler(caminho, 0, n, false, &s);
    if (trecho && trecho->tamanho > 0) {
        e = EstadoArquivo::Lido;
        registro = desserializar(trecho->bytes);
    } else if (trecho || s == Situacao::Ausente) {
        e = !criar || salvar(padrao) ? EstadoArquivo::Padrao : EstadoArquivo::PadraoNaoGravado;
    }
    if (estado != nullptr) {
        *estado = e;
    }
    return registro;
}

} // namespace arquivos

} // namespace oraculandia
