// oraculandia-cli: composes an analysis exactly as the program does and writes it to standard
// output in UTF-8, as the export text (the default) or as JSON with all 28 sections. It only
// reads the program folder: no file there is ever created or changed.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dados/arquivos.h"
#include "analysis/composicao.h"
#include "analysis/cp1252.h"
#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "dados/configuracao.h"
#include "cli/argumentos.h"
#include "cli/json.h"
#include "dados/pasta_programa.h"
#include "dados/plataforma.h"
#include "engine/datas.h"
#include "engine/entrada.h"
#include "versao.h"

using namespace oraculandia;
using namespace oraculandia::cli;

namespace {

void Erro(std::string_view mensagem) {
    std::fprintf(stderr, "Erro: %.*s\n", static_cast<int>(mensagem.size()), mensagem.data());
}

void Aviso(std::string_view mensagem) {
    std::fprintf(stderr, "Aviso: %.*s\n", static_cast<int>(mensagem.size()), mensagem.data());
}

int ErroDeUso(std::string_view mensagem) {
    Erro(mensagem);
    std::fputs("\n", stderr);
    std::fputs(kUso, stderr);
    return kArgumentosInvalidos;
}

Data HojeDoSistema() {
    const std::tm local = plataforma::HoraLocal(std::time(nullptr));
    return Data{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

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
    for (const char* arquivo : kArquivosInterpretacao) {
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
    std::string m =
        "a pasta " + pasta.string() + " não tem os arquivos de interpretação de que a análise precisa.";
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

bool AlgumCalculoSelecionado(const ConfiguracaoPrograma& c) {
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        if (c.Selecionado(id)) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    Argumentos a;
    if (const auto problema = LerArgumentos(argc, argv, a)) {
        return ErroDeUso(*problema);
    }
    if (a.versao) {
        std::printf("oraculandia-cli %s\n", kVersao);
        return std::fflush(stdout) == 0 ? kSucesso : kFalhaSaida;
    }
    // The folder, by the window program's rule; this program never creates or fills it.
    const PastaEscolhida escolhida =
        EscolherPastaPrograma(a.diretorio, LocaisPadrao(PastaDoExecutavel()), false);
    if (a.ajuda) {
        std::fputs(kUso, stdout);
        std::printf("\nPasta do programa em uso: %s\n", escolhida.erro.empty()
                                                            ? escolhida.pasta.string().c_str()
                                                            : ("nenhuma (" + escolhida.erro + ")").c_str());
        return std::fflush(stdout) == 0 ? kSucesso : kFalhaSaida;
    }
    if (!a.nome) {
        return ErroDeUso("falta a opção --nome");
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

    if (!escolhida.erro.empty()) {
        return ErroDeUso(escolhida.erro);
    }
    const std::filesystem::path& pasta = escolhida.pasta;

    // The date is checked before the name, as the entry dialog does.
    const auto nascimento = InterpretarData(*a.data, hoje);
    if (!nascimento) {
        Erro(kMensagemDataInvalida);
        return kArgumentosInvalidos;
    }
    // Letters typed with separate accents are joined first, as the entry dialog does.
    const ConversaoCp1252 nomeCp = Utf8ParaCp1252(ComporAcentos(*a.nome));
    if (!nomeCp.ok()) {
        Erro("O nome contém caracteres que o programa não consegue guardar: " +
             ListarInvalidos(nomeCp.invalidos) + ". Tente novamente sem eles.");
        return kArgumentosInvalidos;
    }
    if (TemCaractereDeControle(nomeCp.texto)) {
        Erro(kMensagemNomeComControle);
        return kArgumentosInvalidos;
    }
    if (!NomeAceitavel(nomeCp.texto)) {
        Erro(kMensagemNomeCurto);
        return kArgumentosInvalidos;
    }

    if (const auto problema = ProblemaDosArquivosDeInterpretacao(pasta)) {
        Erro(*problema);
        return kPastaInutilizavel;
    }
    const std::string nome = NormalizarNome(nomeCp.texto);
    const std::string data = FormatarData(*nascimento);

    std::string saida;
    if (a.formato == "json") {
        // Every section goes to JSON, whatever the settings say: they are not needed.
        saida = DocumentoJson(nome, data, FormatarData(hoje), ComporAnalise(pasta, nome, data, hoje, false));
    } else {
        // Read only: a missing settings file means the defaults, and is not created.
        EstadoArquivo estado = EstadoArquivo::Lido;
        const ConfiguracaoPrograma config = CarregarConfiguracao(pasta, &estado, false);
        if (estado == EstadoArquivo::Ilegivel) {
            Aviso("não foi possível ler o arquivo " + (pasta / kArquivoConfiguracao).string() +
                  " (sem permissão de leitura, ou não é um arquivo comum); vale a configuração padrão.");
        }
        if (!AlgumCalculoSelecionado(config)) {
            Erro("o arquivo " + (pasta / kArquivoConfiguracao).string() +
                 " não seleciona nenhum cálculo, e a análise ficaria vazia. Marque pelo menos um "
                 "cálculo em Configuração, no programa, ou use --formato json.");
            return kPastaInutilizavel;
        }
        const SecoesAnalise secoes = ComporAnalise(pasta, nome, data, hoje, false);
        saida = Cp1252ParaUtf8SemControles(TextoExportacao(secoes, config));
    }
    if (std::fwrite(saida.data(), 1, saida.size(), stdout) != saida.size() || std::fflush(stdout) != 0) {
        Erro("não foi possível escrever a análise na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}
