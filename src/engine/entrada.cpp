#include "engine/entrada.h"

#include <vector>

#include "engine/numerologia.h"

namespace oraculandia {

std::string NormalizarNome(std::string_view nomeCp1252) {
    std::string s;
    s.reserve(nomeCp1252.size());
    for (char c : nomeCp1252) {
        s += static_cast<char>(DobrarAcento(MaiusculaCp1252(static_cast<unsigned char>(c))));
    }
    return s;
}

std::string NomeMaiusculo(std::string_view nomeCp1252) {
    const auto inicio = nomeCp1252.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return {};
    const auto fim = nomeCp1252.find_last_not_of(' ');
    std::string s;
    s.reserve(fim + 1 - inicio);
    for (char c : nomeCp1252.substr(inicio, fim + 1 - inicio))
        s += static_cast<char>(MaiusculaCp1252(static_cast<unsigned char>(c)));
    return s;
}

bool TemCaractereDeControle(std::string_view cp1252) {
    for (char ch : cp1252) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
            return true;
        }
    }
    return false;
}

bool NomeAceitavel(std::string_view nome) {
    // A name of blanks only is no name at all, however long.
    return nome.size() >= 5 && nome.find_first_not_of(' ') != std::string_view::npos;
}

namespace {

bool Branco(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool Separador(char c) {
    return c == '/' || c == '-' || c == '.';
}

// Splits "d/m/y" or "d/m" into runs of digits; nothing when anything else is present.
std::optional<std::vector<std::string_view>> Partes(std::string_view t) {
    std::vector<std::string_view> partes;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i <= t.size(); ++i) {
        if (i == t.size() || Separador(t[i])) {
            partes.push_back(t.substr(inicio, i - inicio));
            inicio = i + 1;
        } else if (t[i] < '0' || t[i] > '9') {
            return std::nullopt;
        }
    }
    return partes;
}

int Numero(std::string_view digitos) {
    int v = 0;
    for (char c : digitos) {
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::optional<Data> InterpretarData(std::string_view texto, const Data& hoje) {
    while (!texto.empty() && Branco(texto.front())) {
        texto.remove_prefix(1);
    }
    while (!texto.empty() && Branco(texto.back())) {
        texto.remove_suffix(1);
    }
    const auto partes = Partes(texto);
    if (!partes || partes->size() < 2 || partes->size() > 3) {
        return std::nullopt;
    }
    const auto& p = *partes;
    for (std::size_t i = 0; i < 2; ++i) {
        if (p[i].empty() || p[i].size() > 2) {
            return std::nullopt;
        }
    }
    Data d{Numero(p[0]), Numero(p[1]), hoje.ano};
    if (p.size() == 3) {
        const std::string_view ano = p[2];
        if (ano.size() == 1 || ano.size() == 2) {
            // The usual century window of two-digit years.
            const int aa = Numero(ano);
            d.ano = aa <= 29 ? 2000 + aa : 1900 + aa;
        } else if (ano.size() == 3 || ano.size() == 4) {
            d.ano = Numero(ano);
        } else {
            return std::nullopt;
        }
    }
    if (!DataValida(d)) {
        return std::nullopt;
    }
    return d;
}

std::string NormalizarData(std::string_view texto, const Data& hoje) {
    if (auto d = InterpretarData(texto, hoje)) {
        return FormatarData(*d);
    }
    return std::string(texto);
}

} // namespace oraculandia
