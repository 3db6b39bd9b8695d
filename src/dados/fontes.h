#pragma once
// The three report fonts and fontes.dat (record 1 of 168 bytes).

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "dados/arquivos.h"

namespace oraculandia {

struct FonteTexto {
    std::string Nome; // Windows-1252, without the padding blanks
    int16_t Negrito = 0;
    int16_t Italico = 0;
    int16_t Tamanho = 0;
};

struct FontesAnalise {
    FonteTexto FonteTitulo{"Courier New", -1, 0, 14};
    FonteTexto FonteDescricao{"Arial", 0, -1, 10};
    FonteTexto FonteCorpo{"Times New Roman", 0, 0, 12};
};

// The font sizes the program takes, in points, typed in the font dialog or read from fontes.dat.
inline constexpr int16_t kTamanhoFonteMinimo = 6;
inline constexpr int16_t kTamanhoFonteMaximo = 72;

inline constexpr std::size_t kTamanhoFontes = 168;
inline constexpr const char* kArquivoFontes = "fontes.dat";

std::array<uint8_t, kTamanhoFontes> SerializarFontes(const FontesAnalise& f); // names cut to 50
// A short record reads as blanks (names) and zeros; a size outside kTamanhoFonteMinimo to
// kTamanhoFonteMaximo (a zero of a short record included) takes the entry's default size.
FontesAnalise DesserializarFontes(const uint8_t* bytes, std::size_t tamanho);

// Reads fontes.dat; a missing or empty file is created with the defaults. A file that cannot be
// read gives the defaults and is left alone; `estado` (when given) tells what happened.
FontesAnalise CarregaFontes(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado = nullptr);
bool SalvarFontes(const std::filesystem::path& pastaPrograma, const FontesAnalise& f);

} // namespace oraculandia
