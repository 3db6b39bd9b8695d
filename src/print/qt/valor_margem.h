#pragma once
// How the margin boxes of the print dialog read and show a number.

#include <QString>
#include <string_view>

namespace oraculandia {

// The number a text begins with: blanks anywhere are skipped, reading stops at the first
// character that cannot continue a decimal number (so "12,5" is 12), the full stop is the decimal
// separator, an exponent (E or D) is allowed; 0 when the text does not begin with a number.
double ValorNumerico(std::u16string_view texto);
inline double ValorNumerico(const QString& texto) {
    return ValorNumerico(std::u16string_view(reinterpret_cast<const char16_t*>(texto.utf16()),
                                             static_cast<std::size_t>(texto.size())));
}

// A margin as its box shows it: at most 7 significant digits, no trailing zeros (10 shows as
// "10", 12.5 as "12.5"). The decimal separator is always the full stop, the one ValorNumerico
// reads, so a value shown and read back is the same value.
QString TextoMargem(float valor);

} // namespace oraculandia
