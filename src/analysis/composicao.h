#pragma once
// Composition of an analysis: 28 sections, each with heading, introduction, text and number.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/datas.h"

namespace oraculandia {

inline constexpr int kNumeroCalculos = 28;

// All texts are Windows-1252 with CR LF line breaks.
struct SecaoAnalise {
    std::string Titulo;
    std::string Introducao;
    std::string Texto;
    std::string Numero;
};

// Indexed by CalculationId 1 to 28; element 0 is never used.
using SecoesAnalise = std::array<SecaoAnalise, kNumeroCalculos + 1>;

// Names of the 28 calculations as the editor lists them (UTF-8), index 1 to 28, and as the
// settings dialog shows them (without "(=primeira)" and "(=menor)").
const char* NomeCalculoEditor(int calculationId);
const char* NomeCalculoConfiguracao(int calculationId);

// Composes every section for the subject. `nome` is the accepted name (Windows-1252, upper case,
// folded), `dataNascimento` dd/mm/yyyy. Reads the interpretation files of `pastaPrograma`,
// creating the missing ones empty unless `criarArquivos` is false (the command line only reads).
SecoesAnalise ComporAnalise(const std::filesystem::path& pastaPrograma, std::string_view nome,
                            std::string_view dataNascimento, const Data& hoje, bool criarArquivos = true);

} // namespace oraculandia
