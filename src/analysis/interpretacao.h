#pragma once
// The interpretation files: records of 5120 Windows-1252 characters, space-padded, no header.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace oraculandia {

inline constexpr std::size_t kTamanhoRegistro = 5120;

// Text of record `numero` (from 1) of `arquivo` in the program directory, with leading and
// trailing spaces removed. A missing file is created empty; a record beyond the end, a record
// number below 1, or a file that cannot be opened at all give an empty text.
std::string LerInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                             std::string_view arquivo);

enum class ResultadoGravacao { Ok, NumeroInvalido, FalhaEscrita };

// Writes `texto` (Windows-1252) as record `numero` of `arquivo`: left-aligned in 5120 characters,
// padded with spaces or cut after the 5120th character. Other records are untouched; records
// before `numero` that did not exist read as empty afterwards. The record is written in place
// (never a half-written file: on failure the file keeps its former bytes for that record as far
// as the system allows).
ResultadoGravacao GravarInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                                      std::string_view arquivo, std::string_view texto);

} // namespace oraculandia
