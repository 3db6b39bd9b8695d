#include "cli/json.h"

#include <cstdio>
#include <vector>

#include "engine/cp1252.h"

namespace oraculandia::cli {

std::string Json(std::string_view cp1252) {
    const std::string utf8 = Cp1252ParaUtf8(cp1252);
    std::string s = "\"";
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\b':
            s += "\\b";
            break;
        case '\f':
            s += "\\f";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s += buf;
            } else if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
                // The C1 controls U+0080 to U+009F (bytes Windows-1252 leaves undefined).
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(utf8[i + 1]));
                s += buf;
                ++i;
            } else {
                s += static_cast<char>(c);
            }
        }
        ++i;
    }
    s += '"';
    return s;
}

namespace {

template <typename T> std::string ListaNumeros(const std::vector<T>& v) {
    std::string j = "[";
    for (std::size_t i = 0; i < v.size(); ++i) {
        j += (i ? ", " : "") + std::to_string(v[i]);
    }
    return j + "]";
}

std::string Secao(int id, const SecaoAnalise& s) {
    return "{\"id\": " + std::to_string(id) + ", \"titulo\": " + Json(s.Titulo) +
           ", \"introducao\": " + Json(s.Introducao) + ", \"texto\": " + Json(s.Texto) +
           ", \"numero\": " + Json(s.Numero) + "}";
}

std::string Pares(const std::vector<NumeroNaPosicao>& pares) {
    std::string j = "[";
    for (std::size_t i = 0; i < pares.size(); ++i) {
        j += std::string(i ? ", " : "") + "{\"posicao\": \"" + ChavePosicao(pares[i].posicao) +
             "\", \"numero\": " + std::to_string(pares[i].numero) + "}";
    }
    return j + "]";
}

std::string Complementos(const SecoesComplementares& c) {
    const BlocoCarmico& b = c.Bloco;
    std::string j = "  \"complementos\": {\n";
    j += "    \"inclusao\": " + ListaNumeros(std::vector<int64_t>(b.inclusao.begin(), b.inclusao.end())) +
         ",\n";
    j += "    \"licoesCarmicas\": " + ListaNumeros(b.licoes) + ",\n";
    j += "    \"paixaoOculta\": " + ListaNumeros(b.paixao) + ",\n";
    j += "    \"tendenciasOcultas\": " + ListaNumeros(b.tendencias) + ",\n";
    j += "    \"respostaSubconsciente\": " +
         (b.respostaSubconsciente ? std::to_string(*b.respostaSubconsciente) : std::string("null")) + ",\n";
    j += "    \"dividasCarmicas\": " + Pares(b.dividas) + ",\n";
    j += "    \"numerosMestres\": " + Pares(b.mestres) + ",\n";
    j += "    \"secoes\": [\n";
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        j += "      " + Secao(id, c[id]) + (id < kUltimoComplemento ? ",\n" : "\n");
    }
    return j + "    ]\n  }\n";
}

} // namespace

std::string DocumentoJson(std::string_view nome, std::string_view nomeDigitado, const std::string& data,
                          const std::string& hoje, const SecoesAnalise& secoes,
                          const SecoesComplementares& complementos) {
    const auto inicio = nomeDigitado.find_first_not_of(' ');
    nomeDigitado = inicio == std::string_view::npos
                       ? std::string_view()
                       : nomeDigitado.substr(inicio, nomeDigitado.find_last_not_of(' ') + 1 - inicio);
    std::string j = "{\n";
    j += "  \"nome\": " + Json(nome) + ",\n";
    j += "  \"nomeDigitado\": " + Json(nomeDigitado) + ",\n";
    j += "  \"data\": " + Json(data) + ",\n";
    j += "  \"hoje\": " + Json(hoje) + ",\n";
    j += "  \"secoes\": [\n";
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        const SecaoAnalise& s = secoes[static_cast<std::size_t>(id)];
        j += "    " + Secao(id, s);
        j += id < kNumeroCalculos ? ",\n" : "\n";
    }
    j += "  ],\n";
    j += Complementos(complementos);
    return j + "}\n";
}

namespace {

std::string Booleano(bool b) {
    return b ? "true" : "false";
}

const char* Tipo(TipoLetra t) {
    switch (t) {
    case TipoLetra::Vogal:
        return "\"vogal\"";
    case TipoLetra::Consoante:
        return "\"consoante\"";
    case TipoLetra::Espaco:
        return "\"espaco\"";
    case TipoLetra::Outro:
        break;
    }
    return "\"outro\"";
}

std::string Letra(unsigned char c) {
    return Json(std::string(1, static_cast<char>(c)));
}

std::string Soma(const SomaEstudo& s) {
    std::string j = "{\"parcelas\": " + ListaNumeros(s.parcelas) + ", \"total\": " + std::to_string(s.total) +
                    ", \"passos\": [";
    for (std::size_t i = 0; i < s.passos.size(); ++i) {
        const PassoReducao& p = s.passos[i];
        j += std::string(i ? ", " : "") + "{\"numero\": " + std::to_string(p.numero) +
             ", \"digitos\": " + ListaNumeros(p.digitos) + ", \"soma\": " + std::to_string(p.soma) + "}";
    }
    return j + "]}";
}

// The keys of the six numbers, in the order of the table's columns.
constexpr const char* kChaves[6] = {"expressao",     "impulsoAlma",        "euSilencioso",
                                    "primeiraVogal", "caracteristicaNome", "numeroRealidade"};

std::string Grafia(const EstudoNome& estudo, std::size_t indice) {
    const EstudoGrafia& g = estudo.grafias[indice];
    const std::string numeros[6] = {
        std::to_string(g.expressao.numero),
        std::to_string(g.alma.numero),
        std::to_string(g.silencioso.numero),
        g.primeiraVogal ? Letra(static_cast<unsigned char>(g.primeiraVogal->letra)) : std::string("null"),
        std::to_string(g.caracteristica.numero),
        std::to_string(g.realidade.numero)};
    const DiferencasGrafia d = CompararComNascimento(estudo, indice);
    const bool difere[6] = {d.expressao,     d.alma,           d.silencioso,
                            d.primeiraVogal, d.caracteristica, d.realidade};
    const SomaEstudo* somas[6] = {&g.expressao, &g.alma,           &g.silencioso,
                                  nullptr,      &g.caracteristica, &g.realidade};

    std::string j =
        "    {\n      \"nome\": " + Json(g.digitado) + ",\n      \"nomeCalculo\": " + Json(g.nome) + ",\n";
    for (int c = 0; c < 6; ++c) {
        j += std::string("      \"") + kChaves[c] + "\": " + numeros[c] + ",\n";
    }
    j += "      \"licoesCarmicas\": " + ListaNumeros(g.carmico.licoes) + ",\n";
    j += "      \"dividasCarmicas\": " + Pares(g.carmico.dividas) + ",\n";
    j += "      \"numerosMestres\": " + Pares(g.carmico.mestres) + ",\n";
    j += "      \"difere\": {";
    for (int c = 0; c < 6; ++c) {
        j += std::string(c ? ", " : "") + "\"" + kChaves[c] + "\": " + Booleano(difere[c]);
    }
    const bool difereCarmico[3] = {d.licoes, d.dividas, d.mestres};
    constexpr const char* kChavesCarmicas[3] = {"licoesCarmicas", "dividasCarmicas", "numerosMestres"};
    for (int c = 0; c < 3; ++c) {
        j += std::string(", \"") + kChavesCarmicas[c] + "\": " + Booleano(difereCarmico[c]);
    }
    j += "},\n      \"letras\": [";
    for (std::size_t i = 0; i < g.letras.size(); ++i) {
        const LetraEstudo& l = g.letras[i];
        j += std::string(i ? "," : "") + "\n        {\"digitada\": " + Letra(l.digitada) +
             ", \"lida\": " + Letra(l.dobrada) + ", \"tipo\": " + Tipo(l.tipo) +
             ", \"valor\": " + std::to_string(l.valor) + "}";
    }
    j += "\n      ],\n      \"somas\": {";
    bool primeira = true;
    for (int c = 0; c < 6; ++c) {
        if (somas[c] != nullptr) {
            j += std::string(primeira ? "" : ",") + "\n        \"" + kChaves[c] + "\": " + Soma(*somas[c]);
            primeira = false;
        }
    }
    return j + "\n      }\n    }";
}

} // namespace

std::string EstudoJson(const EstudoNome& estudo) {
    std::string j = "{\n";
    j += "  \"data\": " + Json(FormatarData(estudo.nascimento)) + ",\n";
    j += "  \"caminhoVida\": " + std::to_string(estudo.caminhoVida) + ",\n";
    j += "  \"grafias\": [\n";
    for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
        j += Grafia(estudo, i) + (i + 1 < estudo.grafias.size() ? ",\n" : "\n");
    }
    j += "  ]\n}\n";
    return j;
}

} // namespace oraculandia::cli
