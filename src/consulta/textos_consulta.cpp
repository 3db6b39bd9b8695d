#include "consulta/textos_consulta.h"

#include <algorithm>

#include "analysis/interpretacao.h"
#include "dados/arquivos.h"
#include "engine/cp1252.h"

namespace oraculandia {

namespace {

// A record as LerInterpretacao gives it: the spaces (padding) and zero bytes (a record never
// written) at both ends removed; then UTF-8 with plain line feeds.
std::string Registro(std::string_view bruto) {
    auto branco = [](char c) { return c == ' ' || c == '\0'; };
    while (!bruto.empty() && branco(bruto.front())) {
        bruto.remove_prefix(1);
    }
    while (!bruto.empty() && branco(bruto.back())) {
        bruto.remove_suffix(1);
    }
    const std::string utf8 = Cp1252ParaUtf8SemControles(bruto);
    std::string limpo;
    limpo.reserve(utf8.size());
    for (char c : utf8) {
        if (c != '\r') {
            limpo += c;
        }
    }
    return limpo;
}

} // namespace

std::string TextosConsulta::Texto(const std::string& arquivo, int numero, int registros) {
    auto it = bytes_.find(arquivo);
    if (it == bytes_.end()) {
        // One look and one read per file: the few records of a consultation come in one stretch.
        const arquivos::Situacao s = arquivos::Examinar(pasta_ / arquivo);
        std::optional<std::string> bytes;
        if (s == arquivos::Situacao::Legivel) {
            bytes = arquivos::LerBytes(pasta_ / arquivo, 0,
                                       static_cast<std::size_t>(std::max(registros, 1)) * kTamanhoRegistro,
                                       false);
        }
        if (!bytes && s == arquivos::Situacao::Ausente) {
            problemas_.push_back("o arquivo de interpretação " + arquivo +
                                 " não existe na pasta do programa");
        } else if (!bytes && s == arquivos::Situacao::Vazio) {
            problemas_.push_back("o arquivo de interpretação " + arquivo + " está vazio");
        } else if (!bytes) {
            problemas_.push_back("o arquivo de interpretação " + arquivo +
                                 " não pode ser lido (sem permissão de leitura, ou não é um arquivo comum)");
        }
        it = bytes_.emplace(arquivo, std::move(bytes)).first;
    }
    const std::size_t inicio = static_cast<std::size_t>(numero - 1) * kTamanhoRegistro;
    if (!it->second || numero < 1 || inicio >= it->second->size()) {
        return {};
    }
    return Registro(std::string_view(*it->second).substr(inicio, kTamanhoRegistro));
}

} // namespace oraculandia
