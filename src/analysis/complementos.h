#pragma once
// The sections after the 28: the karmic block and the master numbers (ids 29 to 35), composed
// into a table of their own beside SecoesAnalise so that the 28 keep every byte they had.
//
//   29 Quadro de Inclusão       the nine counts of the name's letters
//   30 Lições Cármicas          LICOESC.DAT record v for each missing number v
//   31 Dívidas Cármicas         DIVIDASC.DAT record N for each debt N (13, 14, 16, 19)
//   32 Tendências Ocultas       TENDOCUL.DAT record v for each v counted 4 times or more
//   33 Paixão Oculta            PAIXOCUL.DAT record v for each v of the highest count
//   34 Resposta Subconsciente   RESPSUBC.DAT record n
//   35 Números Mestres          NUMMESTR.DAT record m * 5 + p + 1 (m 0, 1, 2 for 11, 22, 33;
//                               p the position, 0 Caminho da Vida ... 4 Eu Silencioso)
//
// Their introductions are CDATA.DAT records 14 to 20. A section with nothing to show (no lesson,
// no debt, no master number...) says so in one sentence.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "analysis/composicao.h"
#include "dados/configuracao.h"
#include "dados/preferencias.h"
#include "engine/carmico.h"
#include "engine/datas.h"

namespace oraculandia {

inline constexpr int kPrimeiroComplemento = 29;
inline constexpr int kUltimoComplemento = 35;
inline constexpr int kNumeroComplementos = kUltimoComplemento - kPrimeiroComplemento + 1;
inline constexpr int kSecaoQuadroInclusao = 29;

struct SecoesComplementares {
    BlocoCarmico Bloco;
    std::array<SecaoAnalise, kNumeroComplementos> Secoes;
    // Section `id` (29 to 35).
    const SecaoAnalise& operator[](int id) const {
        return Secoes[static_cast<std::size_t>(id - kPrimeiroComplemento)];
    }
};

// Names of the sections (UTF-8) as the editor and the settings dialog list them.
const char* NomeComplemento(int id);

// The interpretation files of the new sections, in id order (29, the inclusion table, has
// none and gives nullptr), and the record that holds the introduction of each.
const char* ArquivoComplemento(int id);
inline int RegistroIntroducaoComplemento(int id) {
    return id - kPrimeiroComplemento + 14;
}

// Which of the sections are shown: the switches "secao.quadro_inclusao" ... of
// preferencias.ini, all on when missing.
using SelecaoComplementos = std::array<bool, kNumeroComplementos>;
const char* ChaveComplemento(int id);
SelecaoComplementos LerSelecaoComplementos(const Preferencias& p);
void GravarSelecaoComplementos(Preferencias& p, const SelecaoComplementos& s);
inline bool Selecionado(const SelecaoComplementos& s, int id) {
    return s[static_cast<std::size_t>(id - kPrimeiroComplemento)];
}

// Composes the seven sections for the accepted name and birth date; the files are read as
// ComporAnalise reads them.
SecoesComplementares ComporComplementos(const std::filesystem::path& pastaPrograma, std::string_view nome,
                                        std::string_view dataNascimento, bool criarArquivos = true);

// The heading with " Número n" (" Números a, b" for a list) when ImprimirNumero is on and the
// section has a number.
std::string TituloComplemento(const SecaoAnalise& secao, const ConfiguracaoPrograma& config);

// The plain text of the selected sections, in the form of TextoExportacao, to follow it.
std::string TextoExportacaoComplementos(const SecoesComplementares& c, const ConfiguracaoPrograma& config,
                                        const SelecaoComplementos& selecao);
// The whole export: TextoExportacao of the 28, then the selected sections after them.
std::string TextoExportacaoCompleta(const SecoesAnalise& secoes, const SecoesComplementares& c,
                                    const ConfiguracaoPrograma& config, const SelecaoComplementos& selecao);

} // namespace oraculandia
