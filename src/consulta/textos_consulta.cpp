#include "consulta/textos_consulta.h"

#include "analysis/cp1252.h"
#include "analysis/interpretacao.h"
#include "dados/arquivos.h"

namespace oraculandia {

std::string TextosConsulta::Texto(const std::string& arquivo, int numero) {
    auto it = examinados_.find(arquivo);
    if (it == examinados_.end()) {
        const arquivos::Situacao s = arquivos::Examinar(pasta_ / arquivo);
        const bool usavel = s == arquivos::Situacao::Legivel;
        it = examinados_.emplace(arquivo, usavel).first;
        if (s == arquivos::Situacao::Ausente) {
            problemas_.push_back("o arquivo de interpretação " + arquivo +
                                 " não existe na pasta do programa");
        } else if (s == arquivos::Situacao::Vazio) {
            problemas_.push_back("o arquivo de interpretação " + arquivo + " está vazio");
        } else if (s == arquivos::Situacao::Ilegivel) {
            problemas_.push_back("o arquivo de interpretação " + arquivo +
                                 " não pode ser lido (sem permissão de leitura, ou não é um arquivo comum)");
        }
    }
    if (!it->second || numero < 1) {
        return {};
    }
    const std::string cp = LerInterpretacao(pasta_, static_cast<int16_t>(numero), arquivo, false);
    // The records break lines with CR LF; the consultation texts use plain line feeds.
    std::string utf8 = Cp1252ParaUtf8SemControles(cp);
    std::string limpo;
    limpo.reserve(utf8.size());
    for (char c : utf8) {
        if (c != '\r') {
            limpo += c;
        }
    }
    return limpo;
}

} // namespace oraculandia
