#pragma once
// The interpretation files: records of 5120 Windows-1252 characters, space-padded, no header.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace oraculandia {

inline constexpr std::size_t kTamanhoRegistro = 5120;

// The interpretation files, CDATA.DAT (the group introductions) first: the 23 of the 28 sections,
// then those of the sections after them (analysis/complementos.h), then those of the consultation
// tools (src/consulta).
inline constexpr const char* kArquivosInterpretacao[] = {
    "CDATA.DAT",    "CVIDA.DAT",    "CFORM.DAT",    "CPROD.DAT",    "CCOLH.DAT",    "CDNAS.DAT",
    "DESNASC.DAT",  "PRESNASC.DAT", "APICES.DAT",   "DESVIDA.DAT",  "INDSAUDE.DAT", "INTANOUN.DAT",
    "INTMESUN.DAT", "INTDIAUN.DAT", "INTANOPS.DAT", "INTMESPS.DAT", "INTDIAPS.DAT", "INTEXEXP.DAT",
    "IMPXALMA.DAT", "EUXSILEN.DAT", "INTVOG.DAT",   "INTNOME.DAT",  "INTREALI.DAT", "LICOESC.DAT",
    "DIVIDASC.DAT", "TENDOCUL.DAT", "PAIXOCUL.DAT", "RESPSUBC.DAT", "NUMMESTR.DAT", "PREVANO.DAT",
    "PREVMES.DAT",  "PREVDIA.DAT",  "HARMONIA.DAT"};
// How many of them, from the first, an analysis reads (the others serve other tools, which say
// for themselves when one is missing).
inline constexpr std::size_t kArquivosDaAnalise = 29;

// Text of record `numero` (from 1) of `arquivo` in the program directory, with leading and
// trailing spaces (and zero bytes, what a record never written holds) removed. A missing file is
// created empty unless `criar` is false; a record beyond the end, a record number below 1, or a
// file that cannot be read (or is not a regular file) give an empty text.
std::string LerInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                             std::string_view arquivo, bool criar = true);

enum class ResultadoGravacao { Ok, NumeroInvalido, FalhaEscrita };

// Writes `texto` (Windows-1252) as record `numero` of `arquivo`: left-aligned in 5120 characters,
// padded with spaces or cut after the 5120th character. Other records are untouched; records
// before `numero` that did not exist read as empty afterwards. The record is written in place
// (never a half-written file: on failure the file keeps its former bytes for that record as far
// as the system allows). Records before `numero` that did not exist are left as zero bytes.
ResultadoGravacao GravarInterpretacao(const std::filesystem::path& pastaPrograma, int16_t numero,
                                      std::string_view arquivo, std::string_view texto);

} // namespace oraculandia
