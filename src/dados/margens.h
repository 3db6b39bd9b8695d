#pragma once
// Print margins in millimetres and margens.dat (16 bytes of little-endian floats at offset 0).

#include <filesystem>

#include "dados/arquivos.h"

namespace oraculandia {

struct Margens {
    float Esquerda = 0;
    float Superior = 0;
    float Direita = 0;
    float Inferior = 0;
};

inline constexpr const char* kArquivoMargens = "margens.dat";

// Reads margens.dat; missing or empty: created with 10, 10, 10, 10. Fields that a short file
// lacks, or that hold no number, take 10. A file that cannot be read gives 10, 10, 10, 10 and is
// left alone; `estado` (when given) tells what happened.
Margens CarregaMargens(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado = nullptr);
bool SalvarMargens(const std::filesystem::path& pastaPrograma, const Margens& m);

} // namespace oraculandia
