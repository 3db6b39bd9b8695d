#include "cli/json.h"

#include <cstdio>

#include "analysis/cp1252.h"

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

std::string DocumentoJson(std::string_view nome, const std::string& data, const std::string& hoje,
                          const SecoesAnalise& secoes) {
    std::string j = "{\n";
    j += "  \"nome\": " + Json(nome) + ",\n";
    j += "  \"data\": " + Json(data) + ",\n";
    j += "  \"hoje\": " + Json(hoje) + ",\n";
    j += "  \"secoes\": [\n";
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        const SecaoAnalise& s = secoes[static_cast<std::size_t>(id)];
        j += "    {\"id\": " + std::to_string(id) + ", \"titulo\": " + Json(s.Titulo) +
             ", \"introducao\": " + Json(s.Introducao) + ", \"texto\": " + Json(s.Texto) +
             ", \"numero\": " + Json(s.Numero) + "}";
        j += id < kNumeroCalculos ? ",\n" : "\n";
    }
    j += "  ]\n}\n";
    return j;
}

} // namespace oraculandia::cli
