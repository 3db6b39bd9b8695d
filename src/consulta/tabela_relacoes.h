#pragma once
// The table of relations between two numbers 1 to 9, used by the harmony of two people. It is
// data: numerologists of different schools use different tables, so it lives in a small text
// file of the program folder that the user can change (in the program or with any editor).
//
// File format (UTF-8 or plain ASCII; kArquivoRelacoes):
//   - blank lines and lines starting with '#' are ignored;
//   - exactly nine table lines, the rows for the numbers 1 to 9; each holds nine letters
//     separated by blanks, the columns 1 to 9: I (idênticos), N (naturais), C (compatíveis),
//     D (desafiadores), upper or lower case;
//   - the table must be symmetric (the relation of 3 and 7 is that of 7 and 3).
// The program ships the default table as data/relacoes-harmonia.txt (the same as TabelaPadrao);
// a missing or empty file means the default table too. A file that is unreadable or not in this
// format gives the default table as well, with the reason, and is never written over.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/resultado.h"

namespace oraculandia {

inline constexpr const char* kArquivoRelacoes = "relacoes-harmonia.txt";

enum class Relacao { Identicos = 1, Naturais = 2, Compativeis = 3, Desafiadores = 4 };

// "idênticos", "naturais", "compatíveis", "desafiadores" (UTF-8), and the file's letters.
const char* NomeRelacao(Relacao r);
char LetraRelacao(Relacao r);

struct TabelaRelacoes {
    std::array<std::array<Relacao, 9>, 9> r{};
    // The relation of two numbers 1 to 9.
    Relacao Entre(int a, int b) const {
        return r[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)];
    }
    friend bool operator==(const TabelaRelacoes&, const TabelaRelacoes&) = default;
};

// The classic families 1-5-7, 2-4-8 and 3-6-9: the same number "idênticos", the same family
// "naturais", the compatible pairs of kParesCompativeis "compatíveis", the rest "desafiadores".
TabelaRelacoes TabelaPadrao();
inline constexpr std::array<std::array<int, 2>, 10> kParesCompativeis = {
    {{1, 3}, {1, 9}, {2, 6}, {2, 9}, {3, 5}, {3, 8}, {4, 6}, {4, 7}, {5, 8}, {7, 9}}};

// The file's text for a table, with a heading that explains the format.
std::string SerializarTabela(const TabelaRelacoes& t);
// Reads a file's text; the reason instead (Portuguese, naming the line) when it is not a table of
// the format above.
Resultado<TabelaRelacoes, std::string> LerTabela(const std::string& texto);

enum class SituacaoTabela { Lida, Padrao, Invalida };
struct TabelaCarregada {
    TabelaRelacoes tabela;
    SituacaoTabela situacao = SituacaoTabela::Padrao;
    std::string erro; // for Invalida: why the default table is in use (UTF-8)
};
// The table of the program folder; nothing is created there.
TabelaCarregada CarregarTabela(const std::filesystem::path& pasta);
// Writes the table through a temporary file renamed over the old one. The reason instead on
// failure (the old file is then untouched).
Resultado<void, std::string> SalvarTabela(const std::filesystem::path& pasta, const TabelaRelacoes& t);

} // namespace oraculandia
