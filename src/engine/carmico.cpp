#include "engine/carmico.h"

#include <algorithm>

#include "engine/numerologia.h"

namespace oraculandia {

namespace {

bool LetraAZ(char c) {
    const unsigned char m = MaiusculaCp1252(static_cast<unsigned char>(c));
    return m >= 'A' && m <= 'Z';
}

// The numbers of `lista` that the reduction chain of each total passes through.
std::vector<NumeroNaPosicao> ProcurarNaCadeia(const std::array<int64_t, kNumeroPosicoes>& totais,
                                              const auto& lista) {
    std::vector<NumeroNaPosicao> achados;
    for (int p = 0; p < kNumeroPosicoes; ++p) {
        const std::vector<int64_t> cadeia = CadeiaReducao(totais[static_cast<std::size_t>(p)]);
        // `lista` is ascending, so the pairs of one position come out ascending and once each.
        for (int16_t n : lista) {
            if (std::find(cadeia.begin(), cadeia.end(), n) != cadeia.end()) {
                achados.push_back({static_cast<PosicaoMapa>(p), n});
            }
        }
    }
    return achados;
}

} // namespace

const char* ChavePosicao(PosicaoMapa p) {
    static constexpr const char* kChaves[kNumeroPosicoes] = {"caminhoDaVida", "diaDoNascimento", "expressao",
                                                             "impulsoDaAlma", "euSilencioso"};
    return kChaves[static_cast<int>(p)];
}

const char* NomePosicao(PosicaoMapa p) {
    static constexpr const char* kNomes[kNumeroPosicoes] = {"Caminho da Vida", "Dia do Nascimento",
                                                            "Expressão", "Impulso da Alma", "Eu Silencioso"};
    return kNomes[static_cast<int>(p)];
}

BlocoCarmico CalcularBlocoCarmico(std::string_view nome, const NumerosNascimento& nascimento) {
    BlocoCarmico b;
    bool temLetra = false;
    for (char c : nome) {
        if (!LetraAZ(c)) {
            continue; // digits and every other character are not letters
        }
        temLetra = true;
        const int16_t v = ValorLetra(c);
        ++b.inclusao[static_cast<std::size_t>(v - 1)];
    }
    const int64_t maior = *std::max_element(b.inclusao.begin(), b.inclusao.end());
    for (int16_t v = 1; v <= 9; ++v) {
        const int64_t n = b.inclusao[static_cast<std::size_t>(v - 1)];
        if (n == 0) {
            b.licoes.push_back(v);
        }
        if (maior >= 1 && n == maior) {
            b.paixao.push_back(v);
        }
        if (n >= 4) {
            b.tendencias.push_back(v);
        }
    }
    if (temLetra) {
        b.respostaSubconsciente = static_cast<int16_t>(9 - static_cast<int>(b.licoes.size()));
    }

    b.totais = {nascimento.somaCaminhoVida, nascimento.diaNascimento, SomaNome(nome), SomaVogais(nome),
                SomaConsoantes(nome)};
    b.dividas = ProcurarNaCadeia(b.totais, kDividasCarmicas);
    b.mestres = ProcurarNaCadeia(b.totais, kNumerosMestres);
    return b;
}

} // namespace oraculandia
