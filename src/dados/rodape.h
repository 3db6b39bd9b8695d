#pragma once
// The header line and the two footer lines, rodape.dat (three records of 200 bytes: a 16-bit
// little-endian character count, then the Windows-1252 characters).

#include <filesystem>
#include <string>

#include "dados/arquivos.h"

namespace oraculandia {

struct LinhasRodape {
    std::string RodapeLinhaUm;
    std::string RodapeLinhaDois;
    std::string CabecalhoLinhaUm;
};

inline constexpr std::size_t kTamanhoRegistroRodape = 200;
inline constexpr std::size_t kMaximoRodape = 198; // characters a record can hold
inline constexpr std::size_t kMaximoCabecalho = 40;
inline constexpr const char* kArquivoRodape = "rodape.dat";

// The lines used while rodape.dat does not exist or is empty (Windows-1252).
LinhasRodape LinhasRodapeIniciais();

// Whether the footer still carries the placeholder for the numerologist's contacts (the second
// initial line): the pages then reach the client without them.
bool RodapeProvisorio(const LinhasRodape& l);

// Reads rodape.dat; missing or empty file: the initial lines (the file is not created). A record
// beyond the end reads as empty; a count beyond the record (nonsense) is limited to what the
// record and the file hold. A file that cannot be read gives the initial lines and is left alone;
// `estado` (when given) tells what happened.
LinhasRodape CarregaLinhasRodape(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado = nullptr);

// Writes the three records; texts longer than 198 characters are refused (false, nothing
// written). False also when the file cannot be written.
bool SalvarLinhasRodape(const std::filesystem::path& pastaPrograma, const LinhasRodape& l);

} // namespace oraculandia
