#include "print/qt/valor_margem.h"

#include <charconv>
#include <cmath>
#include <string>

namespace oraculandia {

namespace {
bool Branco(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
bool Digito(char16_t c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

double ValorNumerico(std::u16string_view texto) {
    // Collect the characters that form the number (blanks dropped), then convert them at once so
    // that the result is the correctly rounded double of the decimal text.
    std::string numero;
    enum class Parte { Sinal, Inteira, Fracao, ExpoenteSinal, Expoente } parte = Parte::Sinal;
    for (const char16_t c : texto) {
        if (Branco(c)) {
            continue;
        }
        if (parte == Parte::Sinal && (c == u'+' || c == u'-')) {
            numero += static_cast<char>(c);
            parte = Parte::Inteira;
        } else if (Digito(c) && parte != Parte::ExpoenteSinal) {
            numero += static_cast<char>(c);
            if (parte == Parte::Sinal) {
                parte = Parte::Inteira;
            }
        } else if (Digito(c)) {
            numero += static_cast<char>(c);
            parte = Parte::Expoente;
        } else if (c == u'.' && (parte == Parte::Sinal || parte == Parte::Inteira)) {
            numero += '.';
            parte = Parte::Fracao;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') &&
                   (parte == Parte::Inteira || parte == Parte::Fracao)) {
            numero += 'e';
            parte = Parte::ExpoenteSinal;
        } else if (parte == Parte::ExpoenteSinal && (c == u'+' || c == u'-') && numero.back() == 'e') {
            numero += static_cast<char>(c);
        } else {
            break;
        }
    }
    // An exponent mark without digits counts for nothing ("12e" is 12).
    while (!numero.empty() && (numero.back() == 'e' || numero.back() == '+' || numero.back() == '-')) {
        numero.pop_back();
    }
    if (numero.empty() || numero == ".") {
        return 0.0;
    }
    // from_chars ignores the C locale (a Portuguese LC_NUMERIC would make strtod expect a comma).
    double valor = 0.0;
    const char* inicio = numero.data();
    if (*inicio == '+') {
        ++inicio; // from_chars does not take a plus sign
    }
    const auto [fim, erro] = std::from_chars(inicio, numero.data() + numero.size(), valor);
    (void)fim;
    if (erro == std::errc::result_out_of_range) {
        // Too small for a double is 0; too large is as large as it gets, with the sign typed.
        if (numero.find("e-") != std::string::npos) {
            return 0.0;
        }
        return numero.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return erro == std::errc() ? valor : 0.0;
}

QString TextoMargem(float valor) {
    return QString::number(static_cast<double>(valor), 'g', 7);
}

} // namespace oraculandia
