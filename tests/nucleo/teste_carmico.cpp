// The karmic block over generated names and dates, checked against a count of the letters made
// here from the alphabet (A = 1 ... I = 9, J = 1 ...), not from the core's tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/carmico.h"
#include "engine/datas.h"
#include "engine/entrada.h"
#include "engine/numerologia.h"

using namespace oraculandia;

namespace {

// Digit sum written out on the decimal text.
int64_t SomaDigitosTexto(int64_t v) {
    int64_t s = 0;
    for (char c : std::to_string(v)) {
        s += c - '0';
    }
    return s;
}

int64_t Reduzir(int64_t v) {
    while (v >= 10) {
        v = SomaDigitosTexto(v);
    }
    return v;
}

std::vector<int64_t> Cadeia(int64_t v) {
    std::vector<int64_t> r;
    for (; v >= 10; v = SomaDigitosTexto(v)) {
        r.push_back(v);
    }
    return r;
}

class Gerador {
public:
    explicit Gerador(uint32_t semente) : r_(semente) {}
    int Ate(int n) { return std::uniform_int_distribution<int>(0, n - 1)(r_); }

    // Windows-1252 as typed: letters of both cases, accented letters, Ç, digits, punctuation and
    // the particles of Brazilian names.
    std::string Nome() {
        static const char* const kParticulas[] = {"da", "de", "do", "dos", "das", "e", "DA", "DOS"};
        static const unsigned char kAcentos[] = {0xE1, 0xE3, 0xE2, 0xE9, 0xEA, 0xED, 0xF3, 0xF5, 0xF4,
                                                 0xFA, 0xFC, 0xE7, 0xC7, 0xC1, 0xC9, 0xD3, 0xDA, 0xF1};
        static const char kOutros[] = "0123456789-.'&/";
        std::string nome;
        const int palavras = 1 + Ate(6);
        for (int p = 0; p < palavras; ++p) {
            if (p > 0) {
                nome += ' ';
            }
            if (Ate(5) == 0) {
                nome += kParticulas[Ate(8)];
                continue;
            }
            const int tamanho = Ate(12);
            for (int i = 0; i < tamanho; ++i) {
                const int tipo = Ate(20);
                if (tipo < 3) {
                    nome += static_cast<char>(kAcentos[Ate(sizeof kAcentos)]);
                } else if (tipo < 4) {
                    nome += kOutros[Ate(sizeof kOutros - 1)];
                } else {
                    nome += static_cast<char>((Ate(2) ? 'a' : 'A') + Ate(26));
                }
            }
        }
        return nome;
    }

    Data Nascimento() {
        Data d{0, 1 + Ate(12), 100 + Ate(9900)};
        d.dia = 1 + Ate(DiasNoMes(d.mes, d.ano));
        return d;
    }

private:
    std::mt19937 r_;
};

// What the block must hold, worked out from the letters.
struct Esperado {
    std::array<int64_t, 9> inclusao{};
    int64_t expressao = 0, alma = 0, silencioso = 0;
};

Esperado Contar(const std::string& nome) {
    Esperado e;
    for (char c : nome) {
        if (c >= 'A' && c <= 'Z') {
            const int v = (c - 'A') % 9 + 1;
            ++e.inclusao[static_cast<std::size_t>(v - 1)];
            e.expressao += v;
            if (std::string_view("AEIOUY").find(c) != std::string_view::npos) {
                e.alma += v;
            } else {
                e.silencioso += v;
            }
        } else if (c >= '0' && c <= '9') {
            e.expressao += c - '0'; // digits count in the Expression, not in the table
        }
    }
    return e;
}

} // namespace

TEST(BlocoCarmico, CadeiaDeReducao) {
    EXPECT_EQ(CadeiaReducao(49), (std::vector<int64_t>{49, 13}));
    EXPECT_EQ(CadeiaReducao(29), (std::vector<int64_t>{29, 11}));
    EXPECT_TRUE(CadeiaReducao(7).empty());
    EXPECT_TRUE(CadeiaReducao(0).empty());
    for (int64_t v = 0; v < 20000; v += 7) {
        EXPECT_EQ(CadeiaReducao(v), Cadeia(v)) << v;
    }
}

TEST(BlocoCarmico, NomesEDatasGerados) {
    Gerador g(20261209);
    const Data hoje{9, 12, 2026};
    int comDivida = 0, comMestre = 0, semLicao = 0, semLetra = 0;
    for (int caso = 0; caso < 5000; ++caso) {
        const std::string nome = NormalizarNome(g.Nome());
        const Data d = g.Nascimento();
        const NumerosNascimento n = CalcularNumerosNascimento(FormatarData(d), hoje);
        const BlocoCarmico b = CalcularBlocoCarmico(nome, n);
        const Esperado e = Contar(nome);
        SCOPED_TRACE(nome + " " + FormatarData(d));

        ASSERT_EQ(b.inclusao, e.inclusao);
        const int64_t maior = *std::max_element(e.inclusao.begin(), e.inclusao.end());
        std::vector<int16_t> licoes, paixao, tendencias;
        for (int16_t v = 1; v <= 9; ++v) {
            const int64_t c = e.inclusao[static_cast<std::size_t>(v - 1)];
            if (c == 0)
                licoes.push_back(v);
            if (c >= 1 && c == maior)
                paixao.push_back(v);
            if (c >= 4)
                tendencias.push_back(v);
        }
        EXPECT_EQ(b.licoes, licoes);
        EXPECT_EQ(b.paixao, paixao);
        EXPECT_EQ(b.tendencias, tendencias);
        if (maior == 0) {
            ++semLetra;
            EXPECT_FALSE(b.respostaSubconsciente.has_value());
        } else {
            EXPECT_EQ(b.respostaSubconsciente,
                      std::optional<int16_t>(9 - static_cast<int16_t>(licoes.size())));
        }
        semLicao += licoes.empty();

        const int64_t caminho = Reduzir(d.mes) + Reduzir(d.dia) + Reduzir(d.ano);
        const std::array<int64_t, 5> totais = {caminho, d.dia, e.expressao, e.alma, e.silencioso};
        EXPECT_EQ(b.totais, totais);
        // The sections 1 to 28 keep their single digits.
        EXPECT_EQ(n.caminhoVida, Reduzir(caminho));
        EXPECT_EQ(ValorNome(nome), Reduzir(e.expressao));
        std::vector<NumeroNaPosicao> dividas, mestres;
        for (int p = 0; p < 5; ++p) {
            const std::vector<int64_t> cadeia = Cadeia(totais[static_cast<std::size_t>(p)]);
            for (int16_t x : {11, 13, 14, 16, 19, 22, 33}) {
                if (std::count(cadeia.begin(), cadeia.end(), x) == 0)
                    continue;
                auto& lista = (x == 11 || x == 22 || x == 33) ? mestres : dividas;
                lista.push_back({static_cast<PosicaoMapa>(p), x});
            }
        }
        EXPECT_EQ(b.dividas, dividas);
        EXPECT_EQ(b.mestres, mestres);
        comDivida += !dividas.empty();
        comMestre += !mestres.empty();
    }
    // The generator reaches every kind of case.
    EXPECT_GT(comDivida, 500);
    EXPECT_GT(comMestre, 500);
    EXPECT_GT(semLicao, 50);
    EXPECT_GT(semLetra, 5);
}

TEST(BlocoCarmico, ExemploConhecido) {
    // MARIA DA SILVA, 29/11/1975: M4 A1 R9 I9 A1 D4 A1 S1 I9 L3 V4 A1.
    const NumerosNascimento n = CalcularNumerosNascimento("29/11/1975", Data{9, 12, 2026});
    const BlocoCarmico b = CalcularBlocoCarmico("MARIA DA SILVA", n);
    EXPECT_EQ(b.inclusao, (std::array<int64_t, 9>{5, 0, 1, 3, 0, 0, 0, 0, 3}));
    EXPECT_EQ(b.licoes, (std::vector<int16_t>{2, 5, 6, 7, 8}));
    EXPECT_EQ(b.paixao, (std::vector<int16_t>{1}));
    EXPECT_EQ(b.tendencias, (std::vector<int16_t>{1}));
    EXPECT_EQ(b.respostaSubconsciente, std::optional<int16_t>(4));
    // Life Path 2 + 2 + 4 = 8; day 29 (29, 11); Expression 47 (47, 11); Soul Urge 22; Silent Self
    // 25 (25).
    EXPECT_EQ(b.totais, (std::array<int64_t, 5>{8, 29, 47, 22, 25}));
    EXPECT_TRUE(b.dividas.empty());
    EXPECT_EQ(b.mestres, (std::vector<NumeroNaPosicao>{{PosicaoMapa::DiaDoNascimento, 11},
                                                       {PosicaoMapa::Expressao, 11},
                                                       {PosicaoMapa::ImpulsoDaAlma, 22}}));
    // JOSE, 13/04/1985: Life Path 4 + 4 + 5 = 13, day 13, Expression J1 O6 S1 E5 = 13, Soul Urge
    // 11, Silent Self 2.
    const BlocoCarmico j =
        CalcularBlocoCarmico("JOSE", CalcularNumerosNascimento("13/04/1985", Data{9, 12, 2026}));
    EXPECT_EQ(j.dividas, (std::vector<NumeroNaPosicao>{{PosicaoMapa::CaminhoDaVida, 13},
                                                       {PosicaoMapa::DiaDoNascimento, 13},
                                                       {PosicaoMapa::Expressao, 13}}));
    EXPECT_EQ(j.mestres, (std::vector<NumeroNaPosicao>{{PosicaoMapa::ImpulsoDaAlma, 11}}));
}
