// Canonical composition (Unicode NFC) restricted to the precomposed Latin letters that
// Windows-1252 holds: a name typed or pasted as letter + combining accent must be read as the
// letter with its accent, or the code page would refuse the lone accent.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/entrada.h"

namespace oraculandia {

namespace {

struct Composicao {
    char32_t base;
    char32_t acento;
    char32_t composto;
};

constexpr char32_t kGrave = 0x300, kAgudo = 0x301, kCircunflexo = 0x302, kTil = 0x303, kTrema = 0x308,
                   kAnel = 0x30A, kCaron = 0x30C, kCedilha = 0x327;

// Every precomposed letter of Windows-1252 with its base letter and accent.
constexpr Composicao kComposicoes[] = {
    {U'A', kGrave, 0xC0},       {U'E', kGrave, 0xC8},       {U'I', kGrave, 0xCC},
    {U'O', kGrave, 0xD2},       {U'U', kGrave, 0xD9},       {U'a', kGrave, 0xE0},
    {U'e', kGrave, 0xE8},       {U'i', kGrave, 0xEC},       {U'o', kGrave, 0xF2},
    {U'u', kGrave, 0xF9},       {U'A', kAgudo, 0xC1},       {U'E', kAgudo, 0xC9},
    {U'I', kAgudo, 0xCD},       {U'O', kAgudo, 0xD3},       {U'U', kAgudo, 0xDA},
    {U'Y', kAgudo, 0xDD},       {U'a', kAgudo, 0xE1},       {U'e', kAgudo, 0xE9},
    {U'i', kAgudo, 0xED},       {U'o', kAgudo, 0xF3},       {U'u', kAgudo, 0xFA},
    {U'y', kAgudo, 0xFD},       {U'A', kCircunflexo, 0xC2}, {U'E', kCircunflexo, 0xCA},
    {U'I', kCircunflexo, 0xCE}, {U'O', kCircunflexo, 0xD4}, {U'U', kCircunflexo, 0xDB},
    {U'a', kCircunflexo, 0xE2}, {U'e', kCircunflexo, 0xEA}, {U'i', kCircunflexo, 0xEE},
    {U'o', kCircunflexo, 0xF4}, {U'u', kCircunflexo, 0xFB}, {U'A', kTil, 0xC3},
    {U'N', kTil, 0xD1},         {U'O', kTil, 0xD5},         {U'a', kTil, 0xE3},
    {U'n', kTil, 0xF1},         {U'o', kTil, 0xF5},         {U'A', kTrema, 0xC4},
    {U'E', kTrema, 0xCB},       {U'I', kTrema, 0xCF},       {U'O', kTrema, 0xD6},
    {U'U', kTrema, 0xDC},       {U'Y', kTrema, 0x178},      {U'a', kTrema, 0xE4},
    {U'e', kTrema, 0xEB},       {U'i', kTrema, 0xEF},       {U'o', kTrema, 0xF6},
    {U'u', kTrema, 0xFC},       {U'y', kTrema, 0xFF},       {U'A', kAnel, 0xC5},
    {U'a', kAnel, 0xE5},        {U'C', kCedilha, 0xC7},     {U'c', kCedilha, 0xE7},
    {U'S', kCaron, 0x160},      {U's', kCaron, 0x161},      {U'Z', kCaron, 0x17D},
    {U'z', kCaron, 0x17E},
};

std::optional<char32_t> Compor(char32_t base, char32_t acento) {
    for (const Composicao& c : kComposicoes) {
        if (c.base == base && c.acento == acento) {
            return c.composto;
        }
    }
    return std::nullopt;
}

// Canonical combining class of the accents above; 0 for everything else, which is treated as a
// letter that starts a new character (other combining marks then block the composition, so the
// result is never a wrong letter, at worst an accent left apart and refused later).
int Classe(char32_t c) {
    switch (c) {
    case kGrave:
    case kAgudo:
    case kCircunflexo:
    case kTil:
    case kTrema:
    case kAnel:
    case kCaron:
        return 230;
    case kCedilha:
        return 202;
    default:
        return 0;
    }
}

// One character of the text: its code point when the bytes are well-formed UTF-8, and the bytes
// themselves, written back unchanged unless the character was composed.
struct Caractere {
    char32_t ponto = 0;
    bool valido = false;
    bool mudou = false;
    std::string_view bytes;
};

std::vector<Caractere> Decodificar(std::string_view s) {
    std::vector<Caractere> r;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        char32_t ponto = 0;
        char32_t minimo = 0;
        if (b < 0x80) {
            n = 1;
            ponto = b;
        } else if ((b & 0xE0) == 0xC0) {
            n = 2;
            ponto = b & 0x1F;
            minimo = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            n = 3;
            ponto = b & 0x0F;
            minimo = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            n = 4;
            ponto = b & 0x07;
            minimo = 0x10000;
        }
        bool valido = n > 0 && i + n <= s.size();
        for (std::size_t k = 1; valido && k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            valido = (c & 0xC0) == 0x80;
            ponto = (ponto << 6) | (c & 0x3F);
        }
        valido = valido && ponto >= minimo && ponto <= 0x10FFFF && (ponto < 0xD800 || ponto > 0xDFFF);
        if (!valido) {
            n = 1; // one stray byte, passed on as it is
        }
        r.push_back({valido ? ponto : 0, valido, false, s.substr(i, n)});
        i += n;
    }
    return r;
}

void Codificar(char32_t p, std::string& s) {
    if (p < 0x80) {
        s += static_cast<char>(p);
    } else {
        // The letters of the table all lie below U+0800: two bytes.
        s += static_cast<char>(0xC0 | (p >> 6));
        s += static_cast<char>(0x80 | (p & 0x3F));
    }
}

int ClasseDe(const Caractere& c) {
    return c.valido ? Classe(c.ponto) : 0;
}

} // namespace

std::string ComporAcentos(std::string_view utf8) {
    std::vector<Caractere> cs = Decodificar(utf8);

    // Canonical order: within a run of accents, by combining class (the cedilla before the
    // accents above the letter), keeping the typed order otherwise.
    for (std::size_t i = 0; i < cs.size();) {
        std::size_t fim = i;
        while (fim < cs.size() && ClasseDe(cs[fim]) != 0) {
            ++fim;
        }
        std::stable_sort(cs.begin() + static_cast<std::ptrdiff_t>(i),
                         cs.begin() + static_cast<std::ptrdiff_t>(fim),
                         [](const Caractere& a, const Caractere& b) { return ClasseDe(a) < ClasseDe(b); });
        i = fim == i ? i + 1 : fim;
    }

    // Composition: each accent joins the last letter unless an accent of the same or a higher
    // class stands between them and was left apart.
    std::vector<bool> removido(cs.size(), false);
    std::optional<std::size_t> letra;
    int ultimaClasse = 0; // class of the last accent left apart since the letter (0: none)
    for (std::size_t i = 0; i < cs.size(); ++i) {
        const int classe = ClasseDe(cs[i]);
        if (classe == 0) {
            letra = cs[i].valido ? std::optional<std::size_t>(i) : std::nullopt;
            ultimaClasse = 0;
            continue;
        }
        if (letra && ultimaClasse < classe) {
            if (const auto composto = Compor(cs[*letra].ponto, cs[i].ponto)) {
                cs[*letra].ponto = *composto;
                cs[*letra].mudou = true;
                removido[i] = true;
                continue;
            }
        }
        ultimaClasse = classe;
    }

    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < cs.size(); ++i) {
        if (removido[i]) {
            continue;
        }
        if (cs[i].mudou) {
            Codificar(cs[i].ponto, r);
        } else {
            r.append(cs[i].bytes);
        }
    }
    return r;
}

} // namespace oraculandia
