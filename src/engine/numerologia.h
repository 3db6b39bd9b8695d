#pragma once
// Letter values, the digit-sum reduction and the numbers computed from the letters of a name.
// Names are Windows-1252 texts; every character is upper-cased before it is looked up. The
// lookup does not fold accents: the entry folds every accepted name (NormalizarNome in
// entrada.h), and an accented letter that reaches the tables unfolded is worth 0.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace oraculandia {

// Repeated digit sum down to one digit; 0 only for 0. A negative argument (never produced by
// the engine) has its minus sign worth 0.
int16_t ReduzirNumero(int16_t n);
// The same reduction for a wide sum (letter sums are accumulated wide so that a long name can
// never overflow them).
int16_t ReduzirSoma(int64_t n);
// Every value of 10 or more that the reduction of `total` passes through, starting with `total`
// itself: 49 gives 49, 13; 29 gives 29, 11; 7 gives nothing. This is where the karmic debts and
// the master numbers are seen, since ReduzirNumero keeps none of them.
std::vector<int64_t> CadeiaReducao(int64_t total);

// Upper-casing of one Windows-1252 character (Latin-1 letters included).
unsigned char MaiusculaCp1252(unsigned char c);
// Accent folding of an upper-case Windows-1252 character (Á À Â Ã -> A, É Ê -> E, Í Î Ï -> I,
// Ó Ô Õ -> O, Ú Û Ü -> U, Ç -> C); every other character is returned unchanged.
unsigned char DobrarAcento(unsigned char c);

int16_t ValorLetra(char c);     // full-name table; digits count their value
int16_t ValorConsoante(char c); // consonant table
int16_t ValorVogal(char c);     // vowel table (A E I O U Y)

// The unreduced sums of the three tables over the name (the totals of Expression, Silent Self and
// Soul Urge); the three numbers below are their reductions.
int64_t SomaNome(std::string_view nome);
int64_t SomaConsoantes(std::string_view nome);
int64_t SomaVogais(std::string_view nome);

int16_t ValorNome(std::string_view nome);       // Expression
int16_t ValorConsoantes(std::string_view nome); // Silent Self
int16_t ValorVogais(std::string_view nome);     // Soul Urge

struct PrimeiraVogal {
    char letra;     // 'A', 'E', 'I', 'O', 'U' or 'Y'
    int16_t indice; // A 1, E 2, I 3, O 4, U 5, Y 6
};
// The first of A E I O U Y in the upper-cased name; nothing for a name without any of them.
std::optional<PrimeiraVogal> AcharPrimeiraVogal(std::string_view nome);

// ReduzirNumero(length of the name minus its spaces).
int16_t CaracteristicaNome(std::string_view nome);

// ReduzirNumero(Expression + Life Path).
int16_t NumeroRealidade(int16_t expressao, int16_t caminhoVida);

} // namespace oraculandia
