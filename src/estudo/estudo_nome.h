#pragma once
// The name study: the numbers of several spellings of one person's name side by side, and the
// working behind each number, letter by letter and sum by sum, so that a client can follow it
// with a pencil. Every number comes from the core functions of the analysis (numerologia.h);
// the working only lays out the letter values and digit sums that lead to it.
// Names are Windows-1252 texts as the entry accepts them; the texts made here are UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/carmico.h"
#include "engine/datas.h"
#include "engine/numerologia.h"

namespace oraculandia {

// The most spellings one study holds: the birth name and eight others.
inline constexpr int kMaximoGrafias = 9;

// One digit sum of a reduction: 43 -> 4 + 3 = 7.
struct PassoReducao {
    int64_t numero = 0;       // the number being reduced (two digits or more)
    std::vector<int> digitos; // its decimal digits, left to right
    int64_t soma = 0;         // their sum
};

// The digit sums that take a non-negative number down to one digit, as by hand: 43 gives one
// step, 99 gives two (9 + 9 = 18, then 1 + 8 = 9), a single digit none.
std::vector<PassoReducao> ReduzirPassoAPasso(int64_t n);

// The number and its reduction as one line: "43 → 4 + 3 = 7", "99 → 9 + 9 = 18 → 1 + 8 = 9",
// "7" (UTF-8).
std::string TextoReducao(int64_t n);

enum class TipoLetra {
    Vogal,     // A E I O U Y, once folded
    Consoante, // a letter of the table that is not a vowel
    Espaco,    // a blank between words: no value, not counted in the characteristic
    Outro,     // digits, hyphens, apostrophes, letters the tables do not know
};

struct LetraEstudo {
    unsigned char digitada = 0; // the character as typed, upper-cased (Ç, Ã, ...)
    unsigned char dobrada = 0;  // the character the core reads (C, A, ...)
    TipoLetra tipo = TipoLetra::Outro;
    int16_t valor = 0; // its value in the full-name table
    bool Dobrada() const { return digitada != dobrada; }
};

// A sum of the working: the values added, their total, the reduction steps, and the number the
// core computes for the same name (which the steps reach).
struct SomaEstudo {
    std::vector<int64_t> parcelas;
    int64_t total = 0;
    std::vector<PassoReducao> passos;
    int16_t numero = 0;
    // Where the working arrives: the last sum of the steps, or the total when it has one digit.
    int64_t Resultado() const { return passos.empty() ? total : passos.back().soma; }
};

struct EstudoGrafia {
    std::string digitado; // the spelling as typed (Windows-1252, accents kept)
    std::string nome;     // the spelling the core reads: upper case, accents folded
    std::vector<LetraEstudo> letras;
    SomaEstudo expressao;  // every letter, full-name table
    SomaEstudo alma;       // vowels, vowel table
    SomaEstudo silencioso; // consonants, consonant table
    std::optional<PrimeiraVogal> primeiraVogal;
    SomaEstudo caracteristica; // one parcel: the number of characters other than blanks
    SomaEstudo realidade;      // two parcels: Expression and Life Path
    // The karmic lessons, debts and master numbers of the spelling with the study's birth date
    // (filled by EstudarNome).
    BlocoCarmico carmico;
};

struct EstudoNome {
    Data nascimento;
    int16_t caminhoVida = 0;
    std::vector<EstudoGrafia> grafias; // the first is the birth name
};

// The study of one spelling. `digitadoCp1252` is the spelling as the entry accepted it (the
// entry's checks already passed); the core's folding is applied here.
EstudoGrafia EstudarGrafia(std::string_view digitadoCp1252, int16_t caminhoVida);

// The study of a person: the Life Path of the birth date, and every spelling in order.
EstudoNome EstudarNome(const Data& nascimento, const std::vector<std::string>& grafiasCp1252);

// Which numbers of a spelling differ from the birth name's (the first spelling).
struct DiferencasGrafia {
    bool expressao = false, alma = false, silencioso = false, primeiraVogal = false, caracteristica = false,
         realidade = false;
    bool licoes = false, dividas = false, mestres = false;
    bool Alguma() const {
        return expressao || alma || silencioso || primeiraVogal || caracteristica || realidade || licoes ||
               dividas || mestres;
    }
};
DiferencasGrafia CompararComNascimento(const EstudoNome& estudo, std::size_t indice);

// The names of the six columns, in order (UTF-8).
inline constexpr const char* kColunasEstudo[6] = {
    "Expressão",      "Impulso da Alma",        "Eu Silencioso",
    "Primeira Vogal", "Característica do Nome", "Número da Realidade"};

// The three karmic columns beside the six (UTF-8), and their cells for a spelling: the lessons
// ("2, 5, 8"), the debts and the master numbers (each number once, ascending), or "nenhuma" /
// "nenhum" when there is none.
inline constexpr const char* kColunasCarmicas[3] = {"Lições Cármicas", "Dívidas Cármicas", "Números Mestres"};
std::vector<std::string> CelulasCarmicas(const EstudoGrafia& g);

// The six numbers of a spelling as the table shows them; the first vowel is its letter, or an
// empty text for a name without vowels (as in the analysis).
std::vector<std::string> CelulasGrafia(const EstudoGrafia& g);

// The working of one spelling as lines of text (UTF-8), for the window, the printed page and
// the clipboard.
std::vector<std::string> LinhasTrabalho(const EstudoGrafia& g, int16_t caminhoVida);

// The whole study as plain text (UTF-8, lines ending in "\n"): the birth date and Life Path,
// the table, and the working of every spelling.
std::string TextoEstudo(const EstudoNome& estudo);

} // namespace oraculandia
