#include "cli/entrada_cli.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/cp1252.h"
#include "engine/entrada.h"

namespace oraculandia::cli {

namespace {

// Describes the characters that Windows-1252 cannot hold, for the refusal message.
std::string ListarInvalidos(const std::vector<char32_t>& invalidos) {
    std::string lista;
    for (char32_t c : invalidos) {
        if (!lista.empty()) {
            lista += ", ";
        }
        lista += c == 0xFFFD ? std::string("bytes que não formam texto UTF-8")
                             : "\xE2\x80\x9C" + CodigoParaUtf8(c) + "\xE2\x80\x9D";
    }
    return lista;
}

} // namespace

Resultado<std::string, std::string> VerificarNome(std::string_view utf8, bool grafia) {
    // Letters typed with separate accents are joined first, as the entry dialog does.
    ConversaoCp1252 nome = Utf8ParaCp1252(ComporAcentos(utf8));
    if (!nome.ok()) {
        return Falha("O nome contém caracteres que o programa não consegue guardar: " +
                     ListarInvalidos(nome.invalidos) + ". Tente novamente sem eles.");
    }
    if (TemCaractereDeControle(nome.texto)) {
        return Falha(std::string(kMensagemNomeComControle));
    }
    if (grafia) {
        const std::string n = NormalizarNome(nome.texto);
        if (std::none_of(n.begin(), n.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            return Falha(std::string("a grafia precisa ter pelo menos uma letra."));
    } else if (!NomeAceitavel(nome.texto)) {
        return Falha(std::string(kMensagemNomeCurto));
    }
    return std::move(nome.texto);
}

} // namespace oraculandia::cli
