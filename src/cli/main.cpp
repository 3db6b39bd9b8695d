// oraculandia-cli: composes an analysis exactly as the program does and writes it to standard
// output in UTF-8, as the export text (the default) or as JSON with all 28 sections. It only
// reads the program folder: no file there is ever created or changed. With --estudo-nome it
// writes the name study of several spellings instead, which reads no file at all.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "cli/argumentos.h"
#include "cli/consulta_cli.h"
#include "cli/entrada_cli.h"
#include "cli/json.h"
#include "dados/arquivos.h"
#include "dados/configuracao.h"
#include "dados/pasta_programa.h"
#include "dados/plataforma.h"
#include "dados/preferencias.h"
#include "engine/cp1252.h"
#include "engine/datas.h"
#include "engine/entrada.h"
#include "estudo/estudo_nome.h"
#include "versao.h"

using namespace oraculandia;
using namespace oraculandia::cli;

namespace {

// Every output goes through plataforma::EscreverSaida, which writes to a Windows console too.
void Erro(std::string_view mensagem) {
    plataforma::EscreverSaida(stderr, "Erro: " + std::string(mensagem) + "\n");
}

void Aviso(std::string_view mensagem) {
    plataforma::EscreverSaida(stderr, "Aviso: " + std::string(mensagem) + "\n");
}

int ErroDeUso(std::string_view mensagem) {
    Erro(mensagem);
    plataforma::EscreverSaida(stderr, std::string("\n") + kUso);
    return kArgumentosInvalidos;
}

Data HojeDoSistema() {
    const std::tm local = plataforma::HoraLocal(std::time(nullptr));
    return Data{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string Juntar(const std::vector<std::string>& nomes) {
    std::string r;
    for (const auto& n : nomes) {
        r += (r.empty() ? "" : ", ") + n;
    }
    return r;
}

// The interpretation files that cannot serve an analysis: missing, empty, or unreadable (which
// includes anything that is not a regular file). Without them the analysis would be headings
// only, so this is an error and nothing is written.
std::optional<std::string> ProblemaDosArquivosDeInterpretacao(const std::filesystem::path& pasta) {
    std::vector<std::string> ausentes, vazios, ilegiveis;
    for (std::size_t i = 0; i < kArquivosDaAnalise; ++i) {
        const char* arquivo = kArquivosInterpretacao[i];
        switch (arquivos::Examinar(pasta / arquivo)) {
        case arquivos::Situacao::Ausente:
            ausentes.emplace_back(arquivo);
            break;
        case arquivos::Situacao::Vazio:
            vazios.emplace_back(arquivo);
            break;
        case arquivos::Situacao::Ilegivel:
            ilegiveis.emplace_back(arquivo);
            break;
        case arquivos::Situacao::Legivel:
            break;
        }
    }
    if (ausentes.empty() && vazios.empty() && ilegiveis.empty()) {
        return std::nullopt;
    }
    std::string m = "a pasta " + plataforma::Utf8DoCaminho(pasta) +
                    " não tem os arquivos de interpretação de que a análise precisa.";
    if (!ausentes.empty()) {
        m += " Não existem: " + Juntar(ausentes) + ".";
    }
    if (!vazios.empty()) {
        m += " Estão vazios: " + Juntar(vazios) + ".";
    }
    if (!ilegiveis.empty()) {
        m += " Não podem ser lidos (sem permissão de leitura, ou não são arquivos comuns): " +
             Juntar(ilegiveis) + ".";
    }
    return m;
}

// Writes the whole output; false when standard output refused it.
bool Escrever(const std::string& saida) {
    return plataforma::EscreverSaida(stdout, saida);
}

// The name study: every spelling in order (the date was checked first), each refused with the
// entry's message and its position; no file is read, so the program folder is not needed.
int EstudoDoNome(const std::vector<std::string>& nomes, const Data& nascimento, const std::string& formato) {
    std::vector<std::string> grafias;
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        auto aceito = VerificarNome(nomes[i], i > 0);
        if (!aceito) {
            Erro(std::to_string(i + 1) + "º nome" + (i == 0 ? " (nome de nascimento)" : "") + ": " +
                 aceito.error());
            return kArgumentosInvalidos;
        }
        grafias.push_back(std::move(*aceito));
    }
    const EstudoNome estudo = EstudarNome(nascimento, grafias);
    if (!Escrever(formato == "json" ? EstudoJson(estudo) : TextoEstudo(estudo))) {
        Erro("não foi possível escrever o estudo do nome na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}

bool AlgumCalculoSelecionado(const ConfiguracaoPrograma& c, const SelecaoComplementos& complementos) {
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        if (c.Selecionado(id)) {
            return true;
        }
    }
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        if (Selecionado(complementos, id)) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Windows: the arguments in UTF-8, and the output bytes written as they are (see plataforma.h).
    plataforma::ArgumentosUtf8 utf8(argc, argv);
    plataforma::PrepararSaidasPadrao();
    auto lidos = LerArgumentos(utf8.argc(), utf8.argv());
    if (!lidos) {
        return ErroDeUso(lidos.error());
    }
    Argumentos a = std::move(*lidos);
    if (a.versao) {
        return Escrever(std::string("oraculandia-cli ") + kVersao + "\n") ? kSucesso : kFalhaSaida;
    }
    // The folder, by the window program's rule; this program never creates or fills it.
    const PastaEscolhida escolhida =
        EscolherPastaPrograma(a.diretorio, LocaisPadrao(PastaDoExecutavel()), false);
    if (a.ajuda) {
        const std::string pasta = escolhida.erro.empty() ? plataforma::Utf8DoCaminho(escolhida.pasta)
                                                         : "nenhuma (" + escolhida.erro + ")";
        return Escrever(kUso + ("\nPasta do programa em uso: " + pasta + "\n")) ? kSucesso : kFalhaSaida;
    }
    if (a.previsoes || a.harmonia) {
        return ExecutarConsulta(a, escolhida);
    }
    if (a.nomes.empty()) {
        return ErroDeUso("falta a opção --nome");
    }
    if (a.estudoNome && a.nomes.size() > static_cast<std::size_t>(kMaximoGrafias)) {
        return ErroDeUso("o estudo do nome compara no máximo " + std::to_string(kMaximoGrafias) +
                         " grafias (o nome de nascimento e mais " + std::to_string(kMaximoGrafias - 1) +
                         "); foram dadas " + std::to_string(a.nomes.size()) + " opções --nome");
    }
    if (!a.estudoNome && a.nomes.size() > 1) {
        return ErroDeUso("a análise é de um só nome, e a opção --nome foi dada " +
                         std::to_string(a.nomes.size()) +
                         " vezes; para comparar grafias do nome, use --estudo-nome");
    }
    if (!a.data) {
        return ErroDeUso("falta a opção --data");
    }

    Data hoje = HojeDoSistema();
    if (a.hoje) {
        const auto d = InterpretarData(*a.hoje, hoje);
        if (!d) {
            return ErroDeUso("a data de --hoje (" + *a.hoje +
                             ") não é uma data válida; escreva-a como em --data (15/03/2026)");
        }
        hoje = *d;
    }

    // The study reads no file, so only the analysis needs a usable folder.
    if (!a.estudoNome && !escolhida.erro.empty()) {
        return ErroDeUso(escolhida.erro);
    }

    // The date is checked before any name, as the entry dialog does.
    const auto nascimento = InterpretarData(*a.data, hoje);
    if (!nascimento) {
        Erro(kMensagemDataInvalida);
        return kArgumentosInvalidos;
    }
    if (a.estudoNome) {
        return EstudoDoNome(a.nomes, *nascimento, a.formato);
    }
    auto aceito = VerificarNome(a.nomes.front());
    if (!aceito) {
        Erro(aceito.error());
        return kArgumentosInvalidos;
    }
    const std::string nomeCp = std::move(*aceito);

    const std::filesystem::path& pasta = escolhida.pasta;
    if (const auto problema = ProblemaDosArquivosDeInterpretacao(pasta)) {
        Erro(*problema);
        return kPastaInutilizavel;
    }
    const std::string nome = NormalizarNome(nomeCp);
    const std::string data = FormatarData(*nascimento);

    std::string saida;
    if (a.formato == "json") {
        // Every section goes to JSON, whatever the settings say: they are not needed.
        saida = DocumentoJson(nome, nomeCp, data, FormatarData(hoje),
                              ComporAnalise(pasta, nome, data, hoje, false),
                              ComporComplementos(pasta, nome, data, false));
    } else {
        // Read only: a missing settings file means the defaults, and is not created.
        EstadoArquivo estado = EstadoArquivo::Lido;
        const ConfiguracaoPrograma config = CarregarConfiguracao(pasta, &estado, false);
        if (estado == EstadoArquivo::Ilegivel) {
            Aviso("não foi possível ler o arquivo " +
                  plataforma::Utf8DoCaminho(pasta / kArquivoConfiguracao) +
                  " (sem permissão de leitura, ou não é um arquivo comum); vale a configuração padrão.");
        }
        const Preferencias preferencias = CarregarPreferencias(pasta, &estado);
        if (estado == EstadoArquivo::Ilegivel) {
            Aviso("não foi possível ler o arquivo " +
                  plataforma::Utf8DoCaminho(pasta / kArquivoPreferencias) +
                  " (sem permissão de leitura, não é um arquivo comum, ou não é texto UTF-8); valem as "
                  "preferências padrão.");
        }
        const SelecaoComplementos complementos = LerSelecaoComplementos(preferencias);
        if (!AlgumCalculoSelecionado(config, complementos)) {
            Erro("o arquivo " + plataforma::Utf8DoCaminho(pasta / kArquivoConfiguracao) +
                 " não seleciona nenhum cálculo, e a análise ficaria vazia. Marque pelo menos um "
                 "cálculo em Configuração, no programa, ou use --formato json.");
            return kPastaInutilizavel;
        }
        const SecoesAnalise secoes = ComporAnalise(pasta, nome, data, hoje, false);
        saida = Cp1252ParaUtf8SemControles(TextoExportacaoCompleta(
            secoes, ComporComplementos(pasta, nome, data, false), config, complementos));
    }
    if (!Escrever(saida)) {
        Erro("não foi possível escrever a análise na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}
