#pragma once
// The settings added after the 76 bytes of oraculandia.dat: preferencias.ini in the program
// folder, a UTF-8 text of "chave=valor" lines (lines starting with '#' are comments). Each part
// of the program declares its own keys beside the code that uses them and reads them through the
// typed accessors below, which apply the same limits as the windows that set them: a value out of
// its limits counts as missing and gives the default.
//
// Unknown keys are kept and written back, so an older copy of the program never erases the
// settings of a newer one. Saving writes a temporary file and renames it, after reading the file
// again and changing only the keys this run changed, so two programs open at once do not undo
// each other's choices.

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dados/arquivos.h"

namespace oraculandia {

inline constexpr const char* kArquivoPreferencias = "preferencias.ini";
// A larger file is not ours (or is damaged): it is treated as unreadable and never written over.
inline constexpr std::size_t kTamanhoMaximoPreferencias = 64 * 1024;

class Preferencias {
public:
    // A switch: "sim" or "nao". Missing or anything else: `padrao`.
    bool Chave(std::string_view nome, bool padrao) const;
    void DefinirChave(std::string_view nome, bool valor);

    // A whole number within [minimo, maximo]. Missing, not a number or out of limits: `padrao`.
    int Inteiro(std::string_view nome, int minimo, int maximo, int padrao) const;
    void DefinirInteiro(std::string_view nome, int valor);

    // A text of one line (UTF-8, no control characters, at most 1000 bytes). Missing or not
    // acceptable: `padrao`.
    std::string Texto(std::string_view nome, std::string_view padrao) const;
    // False (and nothing changed) when the text is not acceptable as a value.
    bool DefinirTexto(std::string_view nome, std::string_view valor);

    // The keys set in this run (with DefinirChave, DefinirInteiro or DefinirTexto).
    const std::set<std::string>& Alteradas() const { return alteradas_; }
    const std::map<std::string, std::string>& Valores() const { return valores_; }

    // Sets a value as read from a file (not counted as changed). Used by the reader.
    void ValorLido(std::string nome, std::string valor);

private:
    void Definir(std::string_view nome, std::string valor);
    const std::string* Valor(std::string_view nome) const;

    std::map<std::string, std::string> valores_;
    std::set<std::string> alteradas_;
};

// Whether `nome` may be a key: 1 to 64 of a-z, A-Z, 0-9, '.', '_' and '-'.
bool NomeChaveValido(std::string_view nome);
// Whether `valor` may be stored: valid UTF-8, at most 1000 bytes, no control characters.
bool ValorValido(std::string_view valor);

// The text of the file for these values (sorted by key, LF line ends, a comment first).
std::string SerializarPreferencias(const Preferencias& p);
// Reads the text of the file. Lines that are not "chave=valor" with a valid key and value are
// ignored (and not written back); a later line wins over an earlier one with the same key.
Preferencias DesserializarPreferencias(std::string_view texto);

// Reads preferencias.ini. Missing or empty: the defaults (nothing is created: the file is written
// the first time a setting changes). A file that cannot be read, is not a regular file, is larger
// than the limit or is not UTF-8: the defaults, and `estado` says Ilegivel.
Preferencias CarregarPreferencias(const std::filesystem::path& pastaPrograma,
                                  EstadoArquivo* estado = nullptr);

// Writes the keys changed in `p` over the file as it is now (read again here). False, and nothing
// written, when the file exists but cannot be read, or when the new file could not be written
// whole (the old one is then left as it was).
bool SalvarPreferencias(const std::filesystem::path& pastaPrograma, const Preferencias& p);

} // namespace oraculandia
