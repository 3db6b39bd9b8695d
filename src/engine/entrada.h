#pragma once
// The rules that turn what the user typed into an accepted name and birth date.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/datas.h"

namespace oraculandia {

// Messages of the entry (UTF-8), shared by the entry dialog and the command line.
inline constexpr const char* kMensagemDataInvalida =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, tente "
    "informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)";
inline constexpr const char* kMensagemNomeCurto =
    "Para gerar uma análise numerológica você precisa informar um nome completo. Tente novamente.";
inline constexpr const char* kMensagemNomeComControle =
    "O nome contém caracteres de controle (quebras de linha, tabulações). Tente novamente sem eles.";

// Joins a letter and the combining accents typed after it into the one precomposed character
// (Unicode normalisation form C), for the letters and accents that Windows-1252 can hold: grave,
// acute, circumflex, tilde, diaeresis, ring, cedilla and caron on Latin letters ("Jose" followed
// by U+0301 becomes "José"). UTF-8 in and out; everything else, malformed bytes included, is left
// as it is. Applied to a typed or pasted name before any check.
std::string ComporAcentos(std::string_view utf8);

// Upper case, then the accent table; every character kept in place (Windows-1252 in and out).
std::string NormalizarNome(std::string_view nomeCp1252);

// The name as the pages show it: blanks around it removed, upper case, accents kept ("Maria da
// Conceição" becomes "MARIA DA CONCEIÇÃO"). Windows-1252 in and out.
std::string NomeMaiusculo(std::string_view nomeCp1252);

// True when the text (Windows-1252) holds a control character: a line break or a tab pasted
// into the name, or one of the codes that Windows-1252 leaves without a character.
bool TemCaractereDeControle(std::string_view cp1252);

// A name is accepted when it has at least 5 characters, spaces included, and is not made of
// blanks only.
bool NomeAceitavel(std::string_view nome);

// Why a typed name is refused by VerificarNomeUtf8. The callers turn each kind into their own
// message (the windows' boxes, the command line's lines).
enum class RecusaNome {
    Nenhuma,
    Vazio,        // nothing typed (nothing left once the blanks around it are removed, when asked)
    Longo,        // more characters than the limit asked for
    ComInvalidos, // characters Windows-1252 cannot hold, listed in `invalidos`
    ComControle,  // line breaks, tabs, codes without a character
    Curto,        // fewer than 5 characters, or blanks only
    SemLetra,     // a spelling without a letter that the analyses count
};

// What a name must have once it is made of Windows-1252 characters without controls.
enum class ExigenciaNome {
    NomeCompleto,          // the entry's rule: NomeAceitavel (refused as Curto)
    UmaLetra,              // a spelling on the command line: a letter (refused as SemLetra)
    NomeCompletoOuUmaLetra // a spelling of the name study's window: either (refused as SemLetra)
};

struct RegrasNome {
    // Remove the blanks around the name first, as the windows' register does: the Unicode white
    // space that QString::trimmed removes (tab, line breaks, space, no-break space, ...).
    bool aparar = false;
    // The most characters the name may have, counted as the windows count them (UTF-16 code
    // units); 0 for no limit.
    std::size_t maximo = 0;
    ExigenciaNome exigencia = ExigenciaNome::NomeCompleto;
};

struct NomeVerificado {
    RecusaNome recusa = RecusaNome::Nenhuma;
    std::vector<char32_t> invalidos; // with ComInvalidos: as Utf8ParaCp1252 lists them
    std::string utf8;                // the accepted name: accents composed, blanks removed if asked
    std::string cp1252;              // the same in Windows-1252, as typed (case and accents kept)
    std::string analise;             // the name of the analysis: NormalizarNome(cp1252)
    bool ok() const { return recusa == RecusaNome::Nenhuma; }
};

// The one rule of a typed name (UTF-8), for the windows and the command line alike. In order:
// separate accents are joined (ComporAcentos); with `aparar` the blanks around are removed; then
// refused as Vazio when nothing is left, Longo past `maximo`, ComInvalidos when Windows-1252
// cannot hold a character (malformed bytes are U+FFFD), ComControle, and finally what
// `exigencia` asks (Curto or SemLetra). On success `utf8`, `cp1252` and `analise` are filled.
NomeVerificado VerificarNomeUtf8(std::string_view utf8, const RegrasNome& regras = {});

// The text (UTF-8) without the Unicode white space around it (see RegrasNome::aparar).
std::string_view AparaBrancos(std::string_view utf8);

// True when the Windows-1252 name holds a letter that the analyses count (A to Z, accents folded).
bool TemLetraCp1252(std::string_view nomeCp1252);

// Reads a typed date: d/m/yy, d/m/yyyy (one or two digits for day and month; "/", "-" or "." as
// separator) and "d/m" alone (today's year); a one- or two-digit year 00-29 is 20xx, 30-99 is
// 19xx; a three- or four-digit year is taken as written (100 to 9999). Blanks around the text are
// ignored. Nothing for text that is not a date or for an impossible date (31/02/2000, 29/02/1900).
std::optional<Data> InterpretarData(std::string_view texto, const Data& hoje);

// The text as it should stand in the field after it is left: dd/mm/yyyy for a date, the text
// unchanged otherwise.
std::string NormalizarData(std::string_view texto, const Data& hoje);

} // namespace oraculandia
