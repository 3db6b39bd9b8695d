// oraculandia-cli: composes an analysis exactly as the program does and writes it to standard
// output in UTF-8, as the export text (the default) or as JSON with all 28 sections.

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/composicao.h"
#include "analysis/cp1252.h"
#include "analysis/exportacao.h"
#include "app/configuracao.h"
#include "engine/datas.h"
#include "engine/entrada.h"

using namespace oraculandia;

namespace {

constexpr int kSucesso = 0;
constexpr int kFalhaSaida = 1;
constexpr int kArgumentosInvalidos = 2;

constexpr const char* kUso =
    "Uso: oraculandia-cli --nome NOME --data DATA [--hoje DD/MM/AAAA] [--diretorio PASTA]\n"
    "                     [--formato texto|json]\n"
    "\n"
    "Compõe a análise numerológica de uma pessoa, como o programa Oraculandia a compõe, e a\n"
    "escreve na saída padrão em UTF-8.\n"
    "\n"
    "  --nome NOME          nome completo da pessoa (pelo menos 5 caracteres)\n"
    "  --data DATA          data de nascimento: dd/mm/aaaa, d/m/aa ou dd/mm (ano corrente)\n"
    "  --hoje DD/MM/AAAA    dia usado nos números universais e pessoais (padrão: hoje)\n"
    "  --diretorio PASTA    pasta dos arquivos de interpretação e do oraculandia.dat\n"
    "                       (padrão: a pasta do programa)\n"
    "  --formato texto      o texto que o botão Exportar copia, com as escolhas do\n"
    "                       oraculandia.dat (padrão)\n"
    "  --formato json       o nome, as datas e as 28 seções da análise em JSON\n"
    "  --ajuda              mostra esta ajuda\n"
    "\n"
    "Saída: 0 quando a análise foi escrita; 2 quando um argumento, o nome ou a data é recusado\n"
    "(a mensagem vai para a saída de erros e nada é escrito na saída padrão).\n";

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

struct Argumentos {
    std::optional<std::string> nome, data, hoje, diretorio;
    std::string formato = "texto";
    bool ajuda = false;
};

// Reads the options; a message (UTF-8) when something is wrong.
std::optional<std::string> LerArgumentos(int argc, char** argv, Argumentos& a) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--ajuda" || arg == "-h" || arg == "--help") {
            a.ajuda = true;
            continue;
        }
        std::string_view opcao = arg;
        std::optional<std::string> valor;
        if (const auto igual = arg.find('='); arg.rfind("--", 0) == 0 && igual != std::string_view::npos) {
            opcao = arg.substr(0, igual);
            valor = std::string(arg.substr(igual + 1));
        }
        std::optional<std::string>* destino = nullptr;
        std::string formato;
        if (opcao == "--nome") {
            destino = &a.nome;
        } else if (opcao == "--data") {
            destino = &a.data;
        } else if (opcao == "--hoje") {
            destino = &a.hoje;
        } else if (opcao == "--diretorio") {
            destino = &a.diretorio;
        } else if (opcao != "--formato") {
            return "opção desconhecida: " + std::string(arg);
        }
        if (!valor) {
            if (i + 1 >= argc) {
                return "falta o valor da opção " + std::string(opcao);
            }
            valor = argv[++i];
        }
        if (destino != nullptr) {
            *destino = *valor;
        } else if (*valor == "texto" || *valor == "json") {
            a.formato = *valor;
        } else {
            return "formato desconhecido: " + *valor + " (use texto ou json)";
        }
    }
    return std::nullopt;
}

Data HojeDoSistema() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return Data{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::filesystem::path PastaDoExecutavel(const char* argv0) {
    std::error_code erro;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", erro);
    if (!erro && !exe.empty()) {
        return exe.parent_path();
    }
    // Elsewhere: the folder of the path the program was started with.
    if (argv0 != nullptr && std::string_view(argv0).find('/') != std::string_view::npos) {
        const auto absoluto = std::filesystem::absolute(argv0, erro);
        if (!erro) {
            return absoluto.parent_path();
        }
    }
    return std::filesystem::current_path(erro);
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

// A JSON string from a Windows-1252 text: UTF-8, with quotes, backslashes and every control
// character escaped (CR LF become \r\n).
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

constexpr const char* kArquivosInterpretacao[] = {
    "CDATA.DAT",    "CVIDA.DAT",    "CFORM.DAT",    "CPROD.DAT",    "CCOLH.DAT",    "CDNAS.DAT",
    "DESNASC.DAT",  "PRESNASC.DAT", "APICES.DAT",   "DESVIDA.DAT",  "INDSAUDE.DAT", "INTANOUN.DAT",
    "INTMESUN.DAT", "INTDIAUN.DAT", "INTANOPS.DAT", "INTMESPS.DAT", "INTDIAPS.DAT", "INTEXEXP.DAT",
    "IMPXALMA.DAT", "EUXSILEN.DAT", "INTVOG.DAT",   "INTNOME.DAT",  "INTREALI.DAT"};

// Tells on standard error which interpretation files could not be read (their texts are empty).
void AvisarArquivosIlegiveis(const std::filesystem::path& pasta) {
    for (const char* arquivo : kArquivosInterpretacao) {
        const auto caminho = pasta / arquivo;
        std::error_code erro;
        std::ifstream f(caminho, std::ios::binary);
        if (!f.is_open() || !std::filesystem::is_regular_file(caminho, erro)) {
            Aviso("não foi possível ler o arquivo " + caminho.string() +
                  "; as interpretações dele ficam vazias.");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    Argumentos a;
    if (const auto problema = LerArgumentos(argc, argv, a)) {
        return ErroDeUso(*problema);
    }
    if (a.ajuda) {
        std::fputs(kUso, stdout);
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
            return ErroDeUso("a data de --hoje (" + *a.hoje + ") não é uma data válida; use DD/MM/AAAA");
        }
        hoje = *d;
    }

    std::filesystem::path pasta =
        a.diretorio ? std::filesystem::path(*a.diretorio) : PastaDoExecutavel(argc > 0 ? argv[0] : nullptr);
    {
        std::error_code erro;
        if (!std::filesystem::is_directory(pasta, erro)) {
            return ErroDeUso("a pasta " + pasta.string() + " não existe ou não é uma pasta");
        }
    }

    // The date is checked before the name, as the entry dialog does.
    const auto nascimento = InterpretarData(*a.data, hoje);
    if (!nascimento) {
        Erro(kMensagemDataInvalida);
        return kArgumentosInvalidos;
    }
    const ConversaoCp1252 nomeCp = Utf8ParaCp1252(*a.nome);
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

    const std::string nome = NormalizarNome(nomeCp.texto);
    const std::string data = FormatarData(*nascimento);
    bool configuracaoLida = true;
    const ConfiguracaoPrograma config = CarregarConfiguracao(pasta, &configuracaoLida);
    if (!configuracaoLida) {
        Aviso("não foi possível ler nem criar o arquivo " + (pasta / kArquivoConfiguracao).string() +
              "; vale a configuração padrão.");
    }
    const SecoesAnalise secoes = ComporAnalise(pasta, nome, data, hoje);
    AvisarArquivosIlegiveis(pasta);

    const std::string saida = a.formato == "json" ? DocumentoJson(nome, data, FormatarData(hoje), secoes)
                                                  : Cp1252ParaUtf8(TextoExportacao(secoes, config));
    if (std::fwrite(saida.data(), 1, saida.size(), stdout) != saida.size() || std::fflush(stdout) != 0) {
        Erro("não foi possível escrever a análise na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}
