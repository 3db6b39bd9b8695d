#include "engine/cp1252.h"

#include <algorithm>
#include <array>

namespace oraculandia {

namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char32_t Cp1252ParaUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kFaixa80[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> UnicodeParaCp1252(char32_t ponto) {
    if (ponto < 0x80 || (ponto >= 0xA0 && ponto <= 0xFF)) {
        return static_cast<unsigned char>(ponto);
    }
    for (std::size_t i = 0; i < kFaixa80.size(); ++i) {
        if (kFaixa80[i] == ponto) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string CodigoParaUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string Cp1252ParaUtf8(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 8);
    for (char ch : texto) {
        saida += CodigoParaUtf8(Cp1252ParaUnicode(static_cast<unsigned char>(ch)));
    }
    return saida;
}

std::string Cp1252ParaUtf8SemControles(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 8);
    for (char ch : texto) {
        const char32_t c = Cp1252ParaUnicode(static_cast<unsigned char>(ch));
        const bool controle = (c < 0x20 && c != '\r' && c != '\n' && c != '\t') || (c >= 0x7F && c <= 0x9F);
        saida += CodigoParaUtf8(controle ? U'\uFFFD' : c);
    }
    return saida;
}

ConversaoCp1252 Utf8ParaCp1252(std::string_view utf8) {
    ConversaoCp1252 r;
    r.texto.reserve(utf8.size());
    auto recusar = [&r](char32_t c) {
        if (std::find(r.invalidos.begin(), r.invalidos.end(), c) == r.invalidos.end()) {
            r.invalidos.push_back(c);
        }
    };
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        std::size_t n = 0;
        if (b0 < 0x80) {
            c = b0;
            n = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            n = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            n = 3;
        } else if ((b0 & 0xF8) == 0xF0) {
            c = b0 & 0x07;
            n = 4;
        }
        bool valido = n > 0 && i + n <= utf8.size();
        for (std::size_t k = 1; valido && k < n; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) {
                valido = false;
            } else {
                c = (c << 6) | (b & 0x3F);
            }
        }
        // Overlong forms and surrogates are malformed too.
        if (valido && ((n == 2 && c < 0x80) || (n == 3 && c < 0x800) || (n == 4 && c < 0x10000) ||
                       (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) {
            valido = false;
        }
        if (!valido) {
            recusar(0xFFFD);
            i += 1;
            continue;
        }
        i += n;
        if (auto byte = UnicodeParaCp1252(c)) {
            r.texto += static_cast<char>(*byte);
        } else {
            recusar(c);
        }
    }
    if (!r.ok()) {
        r.texto.clear();
    }
    return r;
}

} // namespace oraculandia
