#include "cli/entrada_cli.h"

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
    // The engine's rule as the command line takes a name: as given (no blanks removed, no length
    // limit), five characters, or one letter for a spelling.
    NomeVerificado nome = VerificarNomeUtf8(
        utf8, RegrasNome{false, 0, grafia ? ExigenciaNome::UmaLetra : ExigenciaNome::NomeCompleto});
    switch (nome.recusa) {
    case RecusaNome::Nenhuma:
        return std::move(nome.cp1252);
    case RecusaNome::ComInvalidos:
        return Falha("O nome contém caracteres que o programa não consegue guardar: " +
                     ListarInvalidos(nome.invalidos) + ". Tente novamente sem eles.");
    case RecusaNome::ComControle:
        return Falha(std::string(kMensagemNomeComControle));
    case RecusaNome::Vazio:
    case RecusaNome::Curto:
    case RecusaNome::SemLetra:
    case RecusaNome::Longo: // no limit is asked for here
        break;
    }
    if (grafia)
        return Falha(std::string("a grafia precisa ter pelo menos uma letra."));
    return Falha(std::string(kMensagemNomeCurto));
}

} // namespace oraculandia::cli
