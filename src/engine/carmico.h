#pragma once
// The karmic block of a map and its master numbers: the inclusion table (how many letters of the
// name are worth each number 1 to 9), the karmic lessons, the hidden passion, the hidden
// tendencies, the subconscious response, and the karmic debts and master numbers that the
// reduction chains of the five main totals pass through.
//
// Everything is read from the name as the analysis has it (upper case, accents folded) with the
// letter tables of numerologia.h, and from the birth-date numbers of datas.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/datas.h"

namespace oraculandia {

// The five positions whose totals are searched for debts and master numbers, in report order.
enum class PosicaoMapa : int { CaminhoDaVida = 0, DiaDoNascimento, Expressao, ImpulsoDaAlma, EuSilencioso };
inline constexpr int kNumeroPosicoes = 5;

// UTF-8 names: as the JSON writes them ("caminhoDaVida") and as a report names them
// ("Caminho da Vida").
const char* ChavePosicao(PosicaoMapa p);
const char* NomePosicao(PosicaoMapa p);

struct NumeroNaPosicao {
    PosicaoMapa posicao = PosicaoMapa::CaminhoDaVida;
    int16_t numero = 0;
    friend bool operator==(const NumeroNaPosicao&, const NumeroNaPosicao&) = default;
};

inline constexpr std::array<int16_t, 4> kDividasCarmicas = {13, 14, 16, 19};
inline constexpr std::array<int16_t, 3> kNumerosMestres = {11, 22, 33};

struct BlocoCarmico {
    // inclusao[v - 1]: the letters A-Z of the name whose full-name value is v.
    std::array<int64_t, 9> inclusao{};
    std::vector<int16_t> licoes;     // each v with count 0, ascending
    std::vector<int16_t> paixao;     // each v with the highest count (when at least 1), ascending
    std::vector<int16_t> tendencias; // each v with count 4 or more, ascending
    // 9 minus the number of lessons; nothing for a name without letters.
    std::optional<int16_t> respostaSubconsciente;
    // The totals of the five positions, in PosicaoMapa order.
    std::array<int64_t, kNumeroPosicoes> totais{};
    // Pairs (position, number) in position order, ascending within a position.
    std::vector<NumeroNaPosicao> dividas;
    std::vector<NumeroNaPosicao> mestres;
    friend bool operator==(const BlocoCarmico&, const BlocoCarmico&) = default;
};

// The block for a name (as accepted by the entry) and the numbers of its birth date.
BlocoCarmico CalcularBlocoCarmico(std::string_view nome, const NumerosNascimento& nascimento);

} // namespace oraculandia
