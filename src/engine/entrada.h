#pragma once
// The rules that turn what the user typed into an accepted name and birth date.

#include <optional>
#include <string>
#include <string_view>

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

// Reads a typed date: d/m/yy, d/m/yyyy (one or two digits for day and month; "/", "-" or "." as
// separator) and "d/m" alone (today's year); a one- or two-digit year 00-29 is 20xx, 30-99 is
// 19xx; a three- or four-digit year is taken as written (100 to 9999). Blanks around the text are
// ignored. Nothing for text that is not a date or for an impossible date (31/02/2000, 29/02/1900).
std::optional<Data> InterpretarData(std::string_view texto, const Data& hoje);

// The text as it should stand in the field after it is left: dd/mm/yyyy for a date, the text
// unchanged otherwise.
std::string NormalizarData(std::string_view texto, const Data& hoje);

} // namespace oraculandia
