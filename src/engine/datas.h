#pragma once
// Numbers derived from the birth date (alone or with today's date) and the zodiac sign.
// The engine never reads the clock: today's date is always a parameter.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace oraculandia {

struct Data {
    int dia = 0;
    int mes = 0;
    int ano = 0;
    friend bool operator==(const Data&, const Data&) = default;
};

bool AnoBissexto(int ano);
int DiasNoMes(int mes, int ano);
bool DataValida(const Data& d);

// Reads a date already in the form dd/mm/yyyy (ten characters); nothing for anything else or
// for an impossible date.
std::optional<Data> LerDataNormalizada(std::string_view texto);
// Writes dd/mm/yyyy.
std::string FormatarData(const Data& d);

struct NumerosNascimento {
    int16_t diaNascimento = 0;   // D, the day of the month
    int16_t somaCaminhoVida = 0; // rM + rD + rY before its reduction
    int16_t caminhoVida = 0;
    int16_t cicloFormativo = 0, cicloProdutivo = 0, cicloColheita = 0;
    std::string inicioProdutivo; // "dd/mm/" + year without leading zeros
    std::string inicioColheita;
    int16_t vibracaoDia = 0, desafioDia = 0, presenteDia = 0;
    std::array<int16_t, 4> realizacoes{};      // pinnacles 1 to 4
    std::array<int16_t, 3> idadesRealizacao{}; // 36, 45 and 54 minus the Life Path
    int16_t primeiroDesafioMenor = 0, segundoDesafioMenor = 0, desafioMaior = 0, desafioMenorAdicional = 0;
    std::string sequenciaNumeros;        // the fifteen digits of the health indication
    std::array<int16_t, 11> contagens{}; // slot v + 1 holds the count of digit v; slot 0 unused
    int16_t slotSaude = 0;               // highest slot among those with the highest count
    int16_t numeroSaude = 0;             // ReduzirNumero(slotSaude)
    int16_t anoUniversal = 0, mesUniversal = 0, diaUniversal = 0;
    int16_t anoPessoal = 0, mesPessoal = 0, diaPessoal = 0;
};

// Computes every date-derived number; `dataNascimento` is dd/mm/yyyy as accepted by the entry.
NumerosNascimento CalcularNumerosNascimento(std::string_view dataNascimento, const Data& hoje);

// Start year of the Productive (K = 27) or Harvest (K = 57) cycle.
int AnoInicioCiclo(int anoNascimento, int16_t rM, int16_t rD, int K);

// Sign 1 to 12 for a day and month written "dd/mm" (1 Scorpio ... 12 Capricorn); 0 when the
// text does not start with two digits, a slash and two digits.
int16_t SignoDoZodiaco(std::string_view diaMes);
int16_t SignoDoZodiaco(int dia, int mes);

} // namespace oraculandia
