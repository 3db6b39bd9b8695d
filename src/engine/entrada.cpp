#include "engine/entrada.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/cp1252.h"
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

// The Unicode white space (categories Zs, Zl, Zp and the controls tab to carriage return and
// U+0085), in UTF-8: what QString::trimmed removes around a text.
constexpr std::array<std::string_view, 25> kBrancos = {
    "\t",           "\n",           "\v",           "\f",           "\r",           " ",
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80"};

// Characters as the windows count them: one UTF-16 code unit per character, two beyond U+FFFF
// (lead bytes 0xF0 and above). Continuation bytes are not counted.
std::size_t UnidadesUtf16(std::string_view utf8) {
    std::size_t n = 0;
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) != 0x80)
            n += c >= 0xF0 ? 2 : 1;
    }
    return n;
}

} // namespace

std::string_view AparaBrancos(std::string_view t) {
    for (bool mudou = true; mudou;) {
        mudou = false;
        for (std::string_view b : kBrancos) {
            if (t.starts_with(b)) {
                t.remove_prefix(b.size());
                mudou = true;
            }
            if (t.ends_with(b)) {
                t.remove_suffix(b.size());
                mudou = true;
            }
        }
    }
    return t;
}

bool TemLetraCp1252(std::string_view nomeCp1252) {
    const std::string n = NormalizarNome(nomeCp1252);
    return std::any_of(n.begin(), n.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

NomeVerificado VerificarNomeUtf8(std::string_view utf8, const RegrasNome& regras) {
    NomeVerificado v;
    // Accents typed as a letter followed by a combining mark become the one character that
    // Windows-1252 holds.
    std::string nome = ComporAcentos(utf8);
    if (regras.aparar)
        nome = std::string(AparaBrancos(nome));
    if (nome.empty()) {
        v.recusa = RecusaNome::Vazio;
        return v;
    }
    if (regras.maximo > 0 && UnidadesUtf16(nome) > regras.maximo) {
        v.recusa = RecusaNome::Longo;
        return v;
    }
    ConversaoCp1252 cp = Utf8ParaCp1252(nome);
    if (!cp.ok()) {
        v.recusa = RecusaNome::ComInvalidos;
        v.invalidos = std::move(cp.invalidos);
        return v;
    }
    if (TemCaractereDeControle(cp.texto)) {
        v.recusa = RecusaNome::ComControle;
        return v;
    }
    const bool completo = NomeAceitavel(cp.texto);
    switch (regras.exigencia) {
    case ExigenciaNome::NomeCompleto:
        if (!completo)
            v.recusa = RecusaNome::Curto;
        break;
    case ExigenciaNome::UmaLetra:
        if (!TemLetraCp1252(cp.texto))
            v.recusa = RecusaNome::SemLetra;
        break;
    case ExigenciaNome::NomeCompletoOuUmaLetra:
        if (!completo && !TemLetraCp1252(cp.texto))
            v.recusa = RecusaNome::SemLetra;
        break;
    }
    if (!v.ok())
        return v;
    v.utf8 = std::move(nome);
    v.analise = NormalizarNome(cp.texto);
    v.cp1252 = std::move(cp.texto);
    return v;
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
