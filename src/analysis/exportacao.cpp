#include "analysis/exportacao.h"

namespace oraculandia {

namespace {
constexpr const char* kNl = "\r\n";
constexpr const char* kSeparador = "-=-=-=-=-=-=-=-=-=-=-";
// Minimum length of an introduction worth printing.
constexpr std::size_t kMinimoIntroducao = 6;
} // namespace

std::string TituloComNumero(const SecoesAnalise& secoes, int calculationId,
                            const ConfiguracaoPrograma& config) {
    if (calculationId < 1 || calculationId > kNumeroCalculos) {
        return {};
    }
    const SecaoAnalise& s = secoes[static_cast<std::size_t>(calculationId)];
    if (!Ligado(config.ImprimirNumero)) {
        return s.Titulo;
    }
    if (calculationId == 26) {
        return s.Titulo + " Letra " + s.Numero;
    }
    return s.Titulo + " N\xFAmero " + s.Numero; // "Número" in Windows-1252
}

std::string TextoExportacao(const SecoesAnalise& secoes, const ConfiguracaoPrograma& config) {
    std::string texto;
    for (int c = 1; c <= kNumeroCalculos; ++c) {
        if (!config.Selecionado(c)) {
            continue;
        }
        const SecaoAnalise& s = secoes[static_cast<std::size_t>(c)];
        if (Ligado(config.ImprimirDescricao) && s.Introducao.size() >= kMinimoIntroducao) {
            texto += s.Introducao;
            texto += kNl;
            texto += kNl;
        }
        texto += TituloComNumero(secoes, c, config);
        texto += kNl;
        texto += kNl;
        texto += s.Texto;
        texto += kNl;
        texto += kNl;
        texto += kSeparador;
        texto += kNl;
        texto += kNl;
    }
    return texto;
}

} // namespace oraculandia
