#pragma once
// A full set of small interpretation files for tests: record r of FILE.DAT holds "FILE r", so
// that every text in a composed analysis tells which record it came from. Independent of the
// real texts of the program.

#include <filesystem>
#include <string>

#include "analysis/interpretacao.h"

namespace oraculandia::teste {

inline constexpr const char* kArquivosInterpretacao[] = {
    "CDATA",    "CVIDA",    "CFORM",    "CPROD",    "CCOLH",    "CDNAS",    "DESNASC",
    "PRESNASC", "APICES",   "DESVIDA",  "INDSAUDE", "INTANOUN", "INTMESUN", "INTDIAUN",
    "INTANOPS", "INTMESPS", "INTDIAPS", "INTEXEXP", "IMPXALMA", "EUXSILEN", "INTVOG",
    "INTNOME",  "INTREALI", "LICOESC",  "DIVIDASC", "TENDOCUL", "PAIXOCUL", "RESPSUBC",
    "NUMMESTR", "PREVANO",  "PREVMES",  "PREVDIA",  "HARMONIA"};

inline void CriarArquivosExemplo(const std::filesystem::path& pasta, int registros = 13) {
    for (const char* nome : kArquivosInterpretacao) {
        for (int r = 1; r <= registros; ++r) {
            GravarInterpretacao(pasta, static_cast<int16_t>(r), std::string(nome) + ".DAT",
                                std::string(nome) + " " + std::to_string(r));
        }
    }
}

} // namespace oraculandia::teste
