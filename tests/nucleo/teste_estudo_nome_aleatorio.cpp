// The name study over random names: the working (letters, sums and reduction steps) arrives at
// exactly the numbers that the analysis composes for the same name and birth date.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "analysis/composicao.h"
#include "arquivos_exemplo.h"
#include "engine/cp1252.h"
#include "engine/datas.h"
#include "engine/entrada.h"
#include "estudo/estudo_nome.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::PastaTemporaria;

namespace {

// A character the generator types, the capital the study must show, and the letter the
// analysis reads (written here from the Portuguese alphabet, not from the core's tables).
struct Caractere {
    unsigned char digitado;
    unsigned char maiuscula;
    unsigned char lida;
};

// Accented letters and the cedilla in Windows-1252, lower and upper case.
const Caractere kAcentuadas[] = {{0xE1, 0xC1, 'A'},
                                 {0xE0, 0xC0, 'A'},
                                 {0xE2, 0xC2, 'A'},
                                 {0xE3, 0xC3, 'A'},
                                 {0xE9, 0xC9, 'E'},
                                 {0xEA, 0xCA, 'E'},
                                 {0xED, 0xCD, 'I'},
                                 {0xEE, 0xCE, 'I'},
                                 {0xEF, 0xCF, 'I'},
                                 {0xF3, 0xD3, 'O'},
                                 {0xF4, 0xD4, 'O'},
                                 {0xF5, 0xD5, 'O'},
                                 {0xFA, 0xDA, 'U'},
                                 {0xFB, 0xDB, 'U'},
                                 {0xFC, 0xDC, 'U'},
                                 {0xE7, 0xC7, 'C'},
                                 {0xC1, 0xC1, 'A'},
                                 {0xC3, 0xC3, 'A'},
                                 {0xC9, 0xC9, 'E'},
                                 {0xCD, 0xCD, 'I'},
                                 {0xD3, 0xD3, 'O'},
                                 {0xD5, 0xD5, 'O'},
                                 {0xDA, 0xDA, 'U'},
                                 {0xC7, 0xC7, 'C'},
                                 {0xE2, 0xC2, 'A'},
                                 // Letters outside the tables: kept as typed, worth nothing.
                                 {0xF1, 0xD1, 0xD1},
                                 {0xD1, 0xD1, 0xD1},
                                 {0xDF, 0xDF, 0xDF}};

const char kVogais[] = "AEIOUY";
const char kConsoantes[] = "BCDFGHJKLMNPQRSTVWXZ";
const char* const kParticulas[] = {"da", "de", "do", "dos", "das", "e", "DA", "De", "DOS", "y"};

class Gerador {
public:
    explicit Gerador(uint32_t semente) : r_(semente) {}

    int Ate(int n) { return std::uniform_int_distribution<int>(0, n - 1)(r_); }

    // A name and, for each of its characters, what the study must show and read.
    std::string Nome(std::vector<Caractere>& esperado) {
        std::string nome;
        esperado.clear();
        const int palavras = 1 + Ate(5);
        for (int p = 0; p < palavras || nome.size() < 5; ++p) {
            if (p > 0) {
                const int espacos = Ate(10) == 0 ? 2 : 1; // now and then a double blank
                for (int i = 0; i < espacos; ++i) {
                    Por(nome, esperado, {' ', ' ', ' '});
                }
            }
            Palavra(nome, esperado);
        }
        return nome;
    }

    Data Nascimento() {
        Data d;
        d.ano = 1900 + Ate(131);
        d.mes = 1 + Ate(12);
        d.dia = 1 + Ate(DiasNoMes(d.mes, d.ano));
        return d;
    }

private:
    static void Por(std::string& nome, std::vector<Caractere>& esperado, Caractere c) {
        nome += static_cast<char>(c.digitado);
        esperado.push_back(c);
    }
    static Caractere Ascii(char maiuscula, bool minuscula) {
        const auto m = static_cast<unsigned char>(maiuscula);
        const bool letra = m >= 'A' && m <= 'Z';
        return {static_cast<unsigned char>(minuscula && letra ? m + 0x20 : m), m, m};
    }

    void Palavra(std::string& nome, std::vector<Caractere>& esperado) {
        const int tipo = Ate(10);
        if (tipo == 0) { // a particle
            for (const char* c = kParticulas[Ate(10)]; *c; ++c) {
                const unsigned char m = static_cast<unsigned char>(*c) & ~0x20;
                Por(nome, esperado, {static_cast<unsigned char>(*c), m, m});
            }
            return;
        }
        const bool minuscula = Ate(2) == 0;
        const int tamanho = 1 + Ate(9);
        for (int i = 0; i < tamanho; ++i) {
            const int k = Ate(20);
            if (tipo == 1) { // vowels only
                Por(nome, esperado, Ascii(kVogais[Ate(6)], minuscula));
            } else if (tipo == 2) { // no vowels
                Por(nome, esperado, Ascii(kConsoantes[Ate(20)], minuscula));
            } else if (k < 3) {
                Por(nome, esperado, kAcentuadas[Ate(static_cast<int>(std::size(kAcentuadas)))]);
            } else if (k == 3 && i > 0) {
                Por(nome, esperado, Ascii(Ate(2) ? '-' : '\'', false));
            } else if (k == 4 && Ate(4) == 0) {
                Por(nome, esperado, Ascii(static_cast<char>('0' + Ate(10)), false));
            } else if (k < 12) {
                Por(nome, esperado, Ascii(kVogais[Ate(6)], minuscula));
            } else {
                Por(nome, esperado, Ascii(kConsoantes[Ate(20)], minuscula));
            }
        }
    }

    std::mt19937 r_;
};

// The sum's parcels add up to its total; every reduction step adds the digits of its number;
// the chain starts at the total and ends at one digit, which is the core's number.
void ConferirSoma(const SomaEstudo& s, const char* qual) {
    SCOPED_TRACE(qual);
    int64_t soma = 0;
    for (int64_t p : s.parcelas) {
        EXPECT_GE(p, 0);
        soma += p;
    }
    EXPECT_EQ(soma, s.total);
    int64_t anterior = s.total;
    for (const PassoReducao& p : s.passos) {
        EXPECT_EQ(p.numero, anterior);
        EXPECT_GE(p.numero, 10);
        ASSERT_FALSE(p.digitos.empty());
        EXPECT_NE(p.digitos.front(), 0);
        int64_t numero = 0, digitos = 0;
        for (int d : p.digitos) {
            EXPECT_GE(d, 0);
            EXPECT_LE(d, 9);
            numero = numero * 10 + d;
            digitos += d;
        }
        EXPECT_EQ(numero, p.numero);
        EXPECT_EQ(digitos, p.soma);
        anterior = p.soma;
    }
    EXPECT_LT(s.Resultado(), 10);
    EXPECT_EQ(s.Resultado(), s.numero);
}

// The six numbers of a spelling as the analysis writes them in sections 23 to 28.
std::vector<std::string> NumerosDaAnalise(const SecoesAnalise& s) {
    return {s[23].Numero, s[24].Numero, s[25].Numero, s[26].Numero, s[27].Numero, s[28].Numero};
}

} // namespace

TEST(EstudoNomeAleatorio, TrabalhoChegaAosNumerosDaAnalise) {
    PastaTemporaria pasta;
    // One record per file keeps the composition cheap; only the numbers are compared.
    teste::CriarArquivosExemplo(pasta.caminho(), 1);
    const Data hoje{6, 12, 2026};
    Gerador g(20261214);
    int nomes = 0, semVogais = 0, soVogais = 0, dobradas = 0;
    while (nomes < 1200) {
        const Data nascimento = g.Nascimento();
        const int quantas = 1 + g.Ate(kMaximoGrafias);
        std::vector<std::string> grafias;
        std::vector<std::vector<Caractere>> esperados(static_cast<std::size_t>(quantas));
        for (auto& esperado : esperados) {
            grafias.push_back(g.Nome(esperado));
        }
        const EstudoNome estudo = EstudarNome(nascimento, grafias);
        ASSERT_EQ(estudo.grafias.size(), grafias.size());
        std::vector<std::vector<std::string>> numeros;
        for (std::size_t i = 0; i < grafias.size(); ++i, ++nomes) {
            const EstudoGrafia& e = estudo.grafias[i];
            SCOPED_TRACE(Cp1252ParaUtf8(grafias[i]) + " " + FormatarData(nascimento));
            ASSERT_TRUE(NomeAceitavel(grafias[i]));
            EXPECT_EQ(e.digitado, grafias[i]);
            // What the entry hands to the analysis.
            const std::string nome = NormalizarNome(grafias[i]);
            EXPECT_EQ(e.nome, nome);
            const SecoesAnalise s =
                ComporAnalise(pasta.caminho(), nome, FormatarData(nascimento), hoje, false);

            // Letter by letter: what was typed, upper-cased, and the letter the analysis reads.
            const std::vector<Caractere>& esperado = esperados[i];
            ASSERT_EQ(e.letras.size(), esperado.size());
            std::vector<int64_t> valores;
            for (std::size_t k = 0; k < esperado.size(); ++k) {
                EXPECT_EQ(e.letras[k].digitada, esperado[k].maiuscula) << k;
                EXPECT_EQ(e.letras[k].dobrada, esperado[k].lida) << k;
                if (e.letras[k].valor != 0) {
                    valores.push_back(e.letras[k].valor);
                }
                dobradas += e.letras[k].Dobrada() ? 1 : 0;
            }
            // The Expression adds every letter's value, in order.
            EXPECT_EQ(e.expressao.parcelas, valores);
            ConferirSoma(e.expressao, "Expressão");
            ConferirSoma(e.alma, "Impulso da Alma");
            ConferirSoma(e.silencioso, "Eu Silencioso");
            ConferirSoma(e.caracteristica, "Característica do Nome");
            ConferirSoma(e.realidade, "Número da Realidade");
            ASSERT_EQ(e.realidade.parcelas.size(), 2u);
            EXPECT_EQ(e.realidade.parcelas[0], e.expressao.numero);
            EXPECT_EQ(std::to_string(e.realidade.parcelas[1]), s[1].Numero); // the Life Path
            EXPECT_EQ(std::to_string(estudo.caminhoVida), s[1].Numero);

            // The numbers the working reaches are the analysis' numbers.
            const std::vector<std::string> daAnalise = NumerosDaAnalise(s);
            const std::vector<std::string> doTrabalho = {
                std::to_string(e.expressao.Resultado()),
                std::to_string(e.alma.Resultado()),
                std::to_string(e.silencioso.Resultado()),
                e.primeiraVogal ? std::string(1, e.primeiraVogal->letra) : std::string(),
                std::to_string(e.caracteristica.Resultado()),
                std::to_string(e.realidade.Resultado())};
            EXPECT_EQ(doTrabalho, daAnalise);
            EXPECT_EQ(CelulasGrafia(e), daAnalise);
            numeros.push_back(daAnalise);
            semVogais += e.alma.parcelas.empty() ? 1 : 0;
            soVogais += e.silencioso.parcelas.empty() ? 1 : 0;
        }
        // The marks of the table are exactly the cells whose analysis numbers differ from the
        // birth name's.
        for (std::size_t i = 0; i < numeros.size(); ++i) {
            const DiferencasGrafia d = CompararComNascimento(estudo, i);
            const bool marcas[6] = {d.expressao,     d.alma,           d.silencioso,
                                    d.primeiraVogal, d.caracteristica, d.realidade};
            for (std::size_t c = 0; c < 6; ++c) {
                EXPECT_EQ(marcas[c], i > 0 && numeros[i][c] != numeros[0][c]) << i << " " << c;
            }
        }
    }
    // The generator did reach the awkward cases.
    EXPECT_GT(semVogais, 10);
    EXPECT_GT(soVogais, 10);
    EXPECT_GT(dobradas, 500);
}
