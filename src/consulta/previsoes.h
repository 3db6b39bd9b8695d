#pragma once
// Previsões: the years and months ahead of one person. For a birth date and a reference date
// (today by default): the Personal Year of each of the next nine years beside the Universal Year,
// with the years in which a new nine-year cycle starts (Personal Year 1) marked; the twelve
// Personal Months of a chosen year; and a calendar of the Personal Days of a chosen month.
//
// Every number comes from CalcularNumerosNascimento (engine/datas.h), the function the analysis
// uses, with the day in question in place of today: the first of January for a year, the first
// of the month for a month, the day itself for a day. Texts are UTF-8.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/datas.h"

namespace oraculandia {

inline constexpr int kAnosPrevisao = 9;

// The files of the forecast's own short texts: a year, a month, and the calendar legend (one line
// per number), records 1 to 9.
inline constexpr const char* kArquivoPrevisaoAno = "PREVANO.DAT";
inline constexpr const char* kArquivoPrevisaoMes = "PREVMES.DAT";
inline constexpr const char* kArquivoPrevisaoDia = "PREVDIA.DAT";

// Portuguese names: months 1 to 12 ("janeiro"), weekdays 0 (Sunday) to 6, in full
// ("segunda-feira") and as calendar headings ("Seg").
const char* NomeMes(int mes);
const char* NomeDiaSemana(int diaSemana);
const char* AbreviaturaDiaSemana(int diaSemana);
// 0 (Sunday) to 6 (Saturday), from the standard library's calendar.
int DiaDaSemana(const Data& d);

struct AnoPrevisao {
    int ano = 0;
    int16_t universal = 0;
    int16_t pessoal = 0;
    bool novoCiclo = false; // Personal Year 1: a new nine-year cycle starts
    std::string texto;
};

struct MesPrevisao {
    int mes = 0;
    int16_t universal = 0;
    int16_t pessoal = 0;
    std::string texto;
};

struct DiaCalendario {
    int dia = 0;
    int diaSemana = 0; // 0 Sunday ... 6 Saturday
    int16_t pessoal = 0;
};

struct Previsao {
    Data nascimento;
    Data referencia;
    int anoMeses = 0; // the year of the twelve months
    int mesCalendario = 0, anoCalendario = 0;
    std::vector<AnoPrevisao> anos;         // the reference year and the eight after it
    std::vector<MesPrevisao> meses;        // January to December of anoMeses
    std::vector<DiaCalendario> dias;       // every day of the calendar's month
    std::array<std::string, 10> legenda{}; // one line per number 1 to 9 (element 0 unused)
    std::vector<std::string> problemas;    // text files that could not be read (the numbers stand)

    // The month grid: weeks from Sunday to Saturday, 0 where the cell holds no day of the month.
    std::vector<std::array<int, 7>> Semanas() const;
};

// The Personal Months grouped by number, in the order of first appearance: (number, months).
std::vector<std::pair<int, std::vector<int>>> MesesPorNumero(const Previsao& p);

// The numbers alone; no file is read.
Previsao CalcularPrevisao(const Data& nascimento, const Data& referencia, int anoMeses, int mesCalendario,
                          int anoCalendario);
// The numbers and the texts of `pasta`.
Previsao ComporPrevisao(const std::filesystem::path& pasta, const Data& nascimento, const Data& referencia,
                        int anoMeses, int mesCalendario, int anoCalendario);

// The forecast as plain text (UTF-8, lines ending in "\n"), for the clipboard and the command
// line; `nome` (UTF-8, may be empty) heads it.
std::string TextoPrevisao(const Previsao& p, const std::string& nome);

} // namespace oraculandia
