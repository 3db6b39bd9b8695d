// The command line program, run as a separate process.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/composicao.h"
#include "analysis/cp1252.h"
#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "app/configuracao.h"
#include "arquivos_exemplo.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::LerArquivo;
using oraculandia::teste::PastaTemporaria;

namespace {

const std::filesystem::path kCli = std::filesystem::path(PASTA_PROGRAMA_TESTE) / "oraculandia-cli";

struct Execucao {
    int status = -1;
    std::string saida;
    std::string erros;
};

// Runs the program with the arguments, standard output and error captured in files, in the
// folder `atual` when given. A run that takes more than 20 s is stopped (status -1): a hang
// fails the test instead of stopping it.
Execucao Executar(const std::vector<std::string>& argumentos, const std::filesystem::path& programa = kCli,
                  const std::filesystem::path& atual = {}) {
    PastaTemporaria temp;
    const auto arqSaida = temp / "saida";
    const auto arqErros = temp / "erros";
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(arqSaida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(arqErros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (!atual.empty() && ::chdir(atual.c_str()) != 0) {
            ::_exit(126);
        }
        ::alarm(20); // kept across exec: ends the program if it blocks
        std::vector<char*> argv;
        std::string nome = programa.string();
        argv.push_back(nome.data());
        std::vector<std::string> copia = argumentos;
        for (auto& a : copia) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::execv(nome.c_str(), argv.data());
        ::_exit(127);
    }
    Execucao e;
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    e.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    e.saida = LerArquivo(arqSaida);
    e.erros = LerArquivo(arqErros);
    return e;
}

// A small JSON reader, enough to check the program's output.
struct Json;
using Objeto = std::map<std::string, Json>;
using Lista = std::vector<Json>;
struct Json {
    std::variant<std::nullptr_t, bool, double, std::string, Lista, Objeto> v;
    const Json& operator[](const std::string& k) const { return std::get<Objeto>(v).at(k); }
    const Json& operator[](std::size_t i) const { return std::get<Lista>(v).at(i); }
    const std::string& str() const { return std::get<std::string>(v); }
};

class LeitorJson {
public:
    explicit LeitorJson(std::string_view t) : t_(t) {}
    Json Documento() {
        Json j = Valor();
        Brancos();
        if (p_ != t_.size()) {
            throw std::runtime_error("sobra depois do documento");
        }
        return j;
    }

private:
    void Brancos() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\r' || t_[p_] == '\t')) {
            ++p_;
        }
    }
    char Proximo() {
        Brancos();
        if (p_ >= t_.size()) {
            throw std::runtime_error("fim inesperado");
        }
        return t_[p_];
    }
    void Esperar(char c) {
        if (Proximo() != c) {
            throw std::runtime_error(std::string("esperado ") + c);
        }
        ++p_;
    }
    Json Valor() {
        const char c = Proximo();
        if (c == '{') {
            ++p_;
            Objeto o;
            if (Proximo() == '}') {
                ++p_;
                return Json{o};
            }
            for (;;) {
                std::string k = Texto();
                Esperar(':');
                o[k] = Valor();
                if (Proximo() == ',') {
                    ++p_;
                    continue;
                }
                Esperar('}');
                return Json{o};
            }
        }
        if (c == '[') {
            ++p_;
            Lista l;
            if (Proximo() == ']') {
                ++p_;
                return Json{l};
            }
            for (;;) {
                l.push_back(Valor());
                if (Proximo() == ',') {
                    ++p_;
                    continue;
                }
                Esperar(']');
                return Json{l};
            }
        }
        if (c == '"') {
            return Json{Texto()};
        }
        std::size_t fim = p_;
        while (fim < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[fim])) || t_[fim] == '-' ||
                                   t_[fim] == '.' || t_[fim] == 'e' || t_[fim] == 'E' || t_[fim] == '+')) {
            ++fim;
        }
        if (fim == p_) {
            throw std::runtime_error("valor desconhecido");
        }
        const double d = std::stod(std::string(t_.substr(p_, fim - p_)));
        p_ = fim;
        return Json{d};
    }
    std::string Texto() {
        Esperar('"');
        std::string s;
        while (p_ < t_.size() && t_[p_] != '"') {
            const auto c = static_cast<unsigned char>(t_[p_]);
            if (c < 0x20) {
                throw std::runtime_error("controle sem escape");
            }
            if (c != '\\') {
                s += static_cast<char>(c);
                ++p_;
                continue;
            }
            const char e = t_.at(p_ + 1);
            p_ += 2;
            switch (e) {
            case '"':
                s += '"';
                break;
            case '\\':
                s += '\\';
                break;
            case '/':
                s += '/';
                break;
            case 'b':
                s += '\b';
                break;
            case 'f':
                s += '\f';
                break;
            case 'n':
                s += '\n';
                break;
            case 'r':
                s += '\r';
                break;
            case 't':
                s += '\t';
                break;
            case 'u': {
                const auto cp = static_cast<char32_t>(std::stoul(std::string(t_.substr(p_, 4)), nullptr, 16));
                p_ += 4;
                s += CodigoParaUtf8(cp);
                break;
            }
            default:
                throw std::runtime_error("escape desconhecido");
            }
        }
        Esperar('"');
        return s;
    }
    std::string_view t_;
    std::size_t p_ = 0;
};

const char* kMensagemData =
    "A data informada não é uma data válida. Se você informou o ano com apenas dois dígitos, tente "
    "informá-lo com quatro. (ex. 20/08/78 = 20/08/1978)";
const char* kMensagemNome =
    "Para gerar uma análise numerológica você precisa informar um nome completo. Tente novamente.";

} // namespace

TEST(Cli, TextoIgualAoDaExportacao) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT",
                        "Texto com \xE1, \x80 e \x93\x61spas\x94\r\nem duas linhas");
    ConfiguracaoPrograma c;
    c.ImprimirNumero = kLigado;
    c.CalculosSelecionados[3] = kDesligado;
    c.CalculosSelecionados[17] = kDesligado;
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    EXPECT_EQ(e.saida, Cp1252ParaUtf8(TextoExportacao(s, c)));
    EXPECT_NE(e.saida.find("Texto com á, € e “aspas”\r\nem duas linhas"), std::string::npos);
    EXPECT_NE(e.saida.find("Interpretações do Caminho da Vida: Número 8\r\n"), std::string::npos);
    EXPECT_EQ(e.saida.find("CPROD"), std::string::npos);
}

TEST(Cli, JsonComAs28Secoes) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 7, "INTEXEXP.DAT", "Aspas \"x\", barra \\, tab\t, \x01 e \x81 \x80");
    // All sections go to JSON whatever the settings say.
    ConfiguracaoPrograma c;
    c.CalculosSelecionados.fill(kDesligado);
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    const Execucao e = Executar({"--nome", "ana silva", "--data", "15/3/70", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    Json j;
    ASSERT_NO_THROW(j = LeitorJson(e.saida).Documento()) << e.saida;
    EXPECT_EQ(j["nome"].str(), "ANA SILVA");
    EXPECT_EQ(j["data"].str(), "15/03/1970");
    EXPECT_EQ(j["hoje"].str(), "06/12/2026");
    const Lista& secoes = std::get<Lista>(j["secoes"].v);
    ASSERT_EQ(secoes.size(), 28u);
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    for (std::size_t i = 0; i < 28; ++i) {
        const Json& x = secoes[i];
        EXPECT_EQ(std::get<double>(x["id"].v), static_cast<double>(i + 1));
        EXPECT_EQ(x["titulo"].str(), Cp1252ParaUtf8(s[i + 1].Titulo));
        EXPECT_EQ(x["introducao"].str(), Cp1252ParaUtf8(s[i + 1].Introducao));
        EXPECT_EQ(x["texto"].str(), Cp1252ParaUtf8(s[i + 1].Texto));
        EXPECT_EQ(x["numero"].str(), s[i + 1].Numero);
    }
    // The worked examples: Life Path 8, health 6, Expression 7, Soul Urge 3, Silent Self 4,
    // first vowel A, Name Characteristic 8, universal 1, 4, 1.
    const char* numeros[] = {"8", "3", "6", "8", "6", "4", "5", "9", "5", "5", "2", "1", "3", "2",
                             "5", "6", "1", "4", "1", "1", "4", "1", "7", "3", "4", "A", "8", "6"};
    for (std::size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(secoes[i]["numero"].str(), numeros[i]) << i + 1;
    }
    EXPECT_EQ(secoes[22]["texto"].str(), "Aspas \"x\", barra \\, tab\t, \x01 e \xC2\x81 €");
    // CR LF stands as \r\n inside the strings, and raw control characters never appear.
    EXPECT_NE(e.saida.find("\\r\\n"), std::string::npos);
    EXPECT_NE(e.saida.find("\\u0001"), std::string::npos);
    EXPECT_EQ(e.saida.find('\r'), std::string::npos);
    EXPECT_EQ(e.saida.find('\t'), std::string::npos);
}

TEST(Cli, RecusasSaemComStatus2) {
    PastaTemporaria pasta;
    const std::string dir = pasta.caminho().string();
    struct Caso {
        std::vector<std::string> args;
        const char* mensagem;
    };
    const Caso casos[] = {
        {{"--nome", "Ana Silva", "--data", "31/02/2000", "--diretorio", dir}, kMensagemData},
        {{"--nome", "Ana", "--data", "31/02/2000", "--diretorio", dir}, kMensagemData}, // date first
        {{"--nome", "Ana", "--data", "29/02/1900", "--diretorio", dir}, kMensagemData},
        {{"--nome", "Ana ", "--data", "15/03/1970", "--diretorio", dir}, kMensagemNome},
        {{"--nome", "", "--data", "15/03/1970", "--diretorio", dir}, kMensagemNome},
        {{"--nome", "          ", "--data", "15/03/1970", "--diretorio", dir},
         kMensagemNome}, // as the dialog
        {{"--nome", "Ана Silva", "--data", "15/03/1970", "--diretorio", dir}, "“А”"},
        {{"--nome", "Ana\nSilva", "--data", "15/03/1970", "--diretorio", dir}, "controle"},
        {{"--nome", "Ana \xFF Silva", "--data", "15/03/1970", "--diretorio", dir}, "UTF-8"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "32/12/2026", "--diretorio", dir}, "Uso:"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--formato", "xml", "--diretorio", dir}, "Uso:"},
        {{"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", dir + "/nao-existe"}, "nao-existe"},
        {{"--nome", "Ana Silva", "--diretorio", dir}, "--data"},
        {{"--data", "15/03/1970", "--diretorio", dir}, "--nome"},
        {{"--nome", "Ana Silva", "--data"}, "--data"},
        {{"--desconhecida"}, "--desconhecida"},
    };
    for (const Caso& c : casos) {
        const Execucao e = Executar(c.args);
        std::string linha;
        for (const auto& a : c.args) {
            linha += a + " ";
        }
        SCOPED_TRACE(linha);
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.saida, "");
        EXPECT_NE(e.erros.find(c.mensagem), std::string::npos) << e.erros;
    }
}

TEST(Cli, AjudaEOpcoesComIgual) {
    const Execucao ajuda = Executar({"--ajuda"});
    EXPECT_EQ(ajuda.status, 0);
    EXPECT_EQ(ajuda.saida.rfind("Uso: oraculandia-cli --nome NOME --data DATA", 0), 0u);
    EXPECT_EQ(ajuda.erros, "");

    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const Execucao e = Executar({"--nome=MARIA DA CONCEIÇÃO", "--data=20/08", "--hoje=07/12/2026",
                                 "--diretorio=" + pasta.caminho().string(), "--formato=json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    const Json j = LeitorJson(e.saida).Documento();
    EXPECT_EQ(j["nome"].str(), "MARIA DA CONCEICAO");
    EXPECT_EQ(j["data"].str(), "20/08/2026"); // "dd/mm" alone takes the year of the day used
}

// The command line only reads: against an empty folder it creates nothing, names the missing
// interpretation files and writes nothing on standard output.
TEST(Cli, PastaVaziaFicaVaziaEERecusada) {
    PastaTemporaria pasta;
    for (const char* formato : {"texto", "json"}) {
        const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio",
                                     pasta.caminho().string(), "--formato", formato});
        EXPECT_EQ(e.status, 3);
        EXPECT_EQ(e.saida, "");
        for (const char* nome : teste::kArquivosInterpretacao) {
            EXPECT_NE(e.erros.find(std::string(nome) + ".DAT"), std::string::npos) << nome << ": " << e.erros;
        }
        EXPECT_EQ(e.erros.rfind("Erro: ", 0), 0u) << e.erros;
        EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
    }
}

// Without oraculandia.dat the defaults hold, and the file is not created; nothing in the folder
// changes.
TEST(Cli, SemConfiguracaoValemOsPadroesENadaMuda) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::map<std::string, std::string> antes;
    for (const auto& a : std::filesystem::directory_iterator(pasta.caminho())) {
        antes[a.path().filename().string()] = LerArquivo(a.path());
    }
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    EXPECT_EQ(e.saida, Cp1252ParaUtf8(TextoExportacao(s, ConfiguracaoPrograma{})));
    std::map<std::string, std::string> depois;
    for (const auto& a : std::filesystem::directory_iterator(pasta.caminho())) {
        depois[a.path().filename().string()] = LerArquivo(a.path());
    }
    EXPECT_TRUE(antes == depois);
    EXPECT_FALSE(std::filesystem::exists(pasta / "oraculandia.dat"));
}

// A missing, empty or unreadable interpretation file is an error naming it; nothing is written.
TEST(Cli, ArquivosDeInterpretacaoQueFaltam) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::filesystem::remove(pasta / "CVIDA.DAT");
    std::filesystem::create_directory(pasta / "CVIDA.DAT");
    std::filesystem::remove(pasta / "INTVOG.DAT");
    teste::EscreverArquivo(pasta / "APICES.DAT", "");
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("Não existem: INTVOG.DAT."), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("Estão vazios: APICES.DAT."), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("não são arquivos comuns): CVIDA.DAT."), std::string::npos) << e.erros;
    EXPECT_EQ(e.erros.find("CFORM.DAT"), std::string::npos) << e.erros;
    EXPECT_FALSE(std::filesystem::exists(pasta / "INTVOG.DAT"));
}

// Named pipes and devices under a data file's name: refused at once, never read or waited on.
TEST(Cli, PipesEDispositivosNaoTravam) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    std::filesystem::remove(pasta / "CVIDA.DAT");
    ASSERT_EQ(::mkfifo((pasta / "CVIDA.DAT").c_str(), 0666), 0);
    const std::vector<std::string> args = {"--nome",     "Ana Silva",   "--data",
                                           "15/03/1970", "--diretorio", pasta.caminho().string()};
    Execucao e = Executar(args);
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("CVIDA.DAT"), std::string::npos) << e.erros;

    std::filesystem::remove(pasta / "CVIDA.DAT");
    std::filesystem::create_symlink("/dev/urandom", pasta / "CVIDA.DAT");
    e = Executar(args);
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("CVIDA.DAT"), std::string::npos) << e.erros;

    // A pipe as oraculandia.dat: the defaults, with a warning.
    std::filesystem::remove(pasta / "CVIDA.DAT");
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT", "CVIDA 8");
    ASSERT_EQ(::mkfifo((pasta / "oraculandia.dat").c_str(), 0666), 0);
    e = Executar(args);
    EXPECT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.erros.find("Aviso: não foi possível ler o arquivo " + (pasta / "oraculandia.dat").string()),
              std::string::npos)
        << e.erros;
    EXPECT_NE(e.saida.find("CVIDA 8"), std::string::npos);
}

// Settings that select no calculation would give an empty text: an error. JSON holds every
// section whatever the settings say, so it is not affected.
TEST(Cli, ConfiguracaoSemNenhumCalculo) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    ConfiguracaoPrograma c;
    for (int id = 1; id <= 28; ++id) {
        c.CalculosSelecionados[static_cast<std::size_t>(id)] = kDesligado;
    }
    ASSERT_TRUE(SalvarConfiguracao(pasta.caminho(), c));
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 3);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("não seleciona nenhum cálculo"), std::string::npos) << e.erros;
    EXPECT_NE(e.erros.find("oraculandia.dat"), std::string::npos) << e.erros;
}

// Control bytes of a data file never reach the terminal raw: U+FFFD in their place; CR, LF and
// TAB are kept.
TEST(Cli, CaracteresDeControleNaSaidaTexto) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    GravarInterpretacao(pasta.caminho(), 8, "CVIDA.DAT",
                        std::string("ESC\x1B[2J BEL\x07 NUL") + std::string(1, '\0') +
                            " DEL\x7F C1\x81\x9D TAB\t fim\r\nlinha \x80");
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string()});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("ESC\xEF\xBF\xBD[2J BEL\xEF\xBF\xBD NUL\xEF\xBF\xBD DEL\xEF\xBF\xBD "
                           "C1\xEF\xBF\xBD\xEF\xBF\xBD TAB\t fim\r\nlinha €"),
              std::string::npos)
        << e.saida;
    for (char c : e.saida) {
        const auto u = static_cast<unsigned char>(c);
        EXPECT_FALSE((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7F) << static_cast<int>(u);
    }
    // The JSON form escapes them instead.
    const Execucao j = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(j.status, 0) << j.erros;
    EXPECT_NE(j.saida.find("ESC\\u001b[2J BEL\\u0007 NUL\\u0000"), std::string::npos) << j.saida;
}

// A name typed with separate accents (letter + combining mark) is the same name.
TEST(Cli, NomeComAcentosSeparados) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const Execucao e = Executar({"--nome", "Jose\u0301 Conceic\u0327a\u0303o", "--data", "15/03/1970",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(LeitorJson(e.saida).Documento()["nome"].str(), "JOSE CONCEICAO");
    // A lone accent is still refused, by name.
    const Execucao r = Executar(
        {"--nome", "\u0301Jose Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erros.find("\u201C\u0301\u201D"), std::string::npos) << r.erros;
}

// An empty --diretorio is refused (it would mean the current folder), with the same words as
// the window program; nothing is created in the current folder.
TEST(Cli, DiretorioVazioRecusado) {
    PastaTemporaria atual;
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", ""}, kCli, atual.caminho());
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros.rfind("Erro: a opção --diretorio recebeu um texto vazio; informe a pasta do programa "
                            "(para a pasta atual, use --diretorio .).\n",
                            0),
              0u)
        << e.erros;
    EXPECT_TRUE(std::filesystem::is_empty(atual.caminho()));
    const Execucao igual =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio="}, kCli, atual.caminho());
    EXPECT_EQ(igual.status, 2);
    EXPECT_NE(igual.erros.find("texto vazio"), std::string::npos);
}

// A word outside any option (a name with spaces typed without quotes) gets its own message.
TEST(Cli, ArgumentoSemOpcao) {
    PastaTemporaria pasta;
    const Execucao e =
        Executar({"--nome", "Ana", "Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("Erro: o argumento “Silva” não pertence a nenhuma opção"), std::string::npos)
        << e.erros;
    EXPECT_EQ(e.erros.find("desconhecida"), std::string::npos) << e.erros;
}

// The help lists every exit status, and every date form it shows is accepted.
TEST(Cli, AjudaListaAsSaidasEAsFormasDeData) {
    const Execucao ajuda = Executar({"--ajuda"});
    ASSERT_EQ(ajuda.status, 0);
    for (const char* linha : {"\n  0  a análise", "\n  1  não foi possível escrever", "\n  2  uma opção",
                              "\n  3  a pasta do programa não permite"}) {
        EXPECT_NE(ajuda.saida.find(linha), std::string::npos) << linha;
    }
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    // The examples of the help, then the rules it states in words (two-digit years, a
    // three-digit year, day and month alone).
    struct Forma {
        const char* texto;
        const char* esperado;
        bool exemplo;
    };
    const Forma formas[] = {{"15/03/1970", "15/03/1970", true}, {"5-3-1970", "05/03/1970", true},
                            {"15.03.70", "15/03/1970", true},   {"15/03", "15/03/2026", true},
                            {"15/03/29", "15/03/2029", false},  {"15/03/30", "15/03/1930", false},
                            {"15/03/999", "15/03/0999", false}};
    for (const auto& [forma, esperado, exemplo] : formas) {
        if (exemplo) {
            EXPECT_NE(ajuda.saida.find(forma), std::string::npos) << forma << " is not in the help";
        }
        const Execucao e = Executar({"--nome", "Ana Silva", "--data", forma, "--hoje", "6-12-26",
                                     "--diretorio", pasta.caminho().string(), "--formato", "json"});
        ASSERT_EQ(e.status, 0) << forma << ": " << e.erros;
        EXPECT_EQ(LeitorJson(e.saida).Documento()["data"].str(), esperado) << forma;
    }
}

TEST(Cli, PastaPadraoEADoExecutavel) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const auto copia = pasta / "oraculandia-cli";
    std::filesystem::copy_file(kCli, copia);
    PastaTemporaria outra;
    const Execucao e =
        Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026"}, copia);
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("CVIDA 8"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pasta / "oraculandia.dat")); // only read
}

TEST(Cli, PastaSomenteLeitura) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    // An oraculandia.dat the user cannot read: the defaults, with a warning naming it.
    teste::EscreverArquivo(pasta / "oraculandia.dat", std::string(76, '\0'));
    // The program itself is run from a folder the unprivileged user can reach.
    PastaTemporaria programa;
    const auto cli = programa / "oraculandia-cli";
    std::filesystem::copy_file(kCli, cli);
    std::filesystem::permissions(programa.caminho(), std::filesystem::perms::all,
                                 std::filesystem::perm_options::add);
    const std::string r = teste::ComoUsuarioComum(pasta.caminho(), [&pasta, &cli]() -> std::string {
        namespace fs = std::filesystem;
        fs::permissions(pasta / "oraculandia.dat", fs::perms::owner_write);
        fs::permissions(pasta.caminho(), fs::perms::owner_read | fs::perms::owner_exec);
        const Execucao e = Executar(
            {"--nome", "Ana Silva", "--data", "15/03/1970", "--diretorio", pasta.caminho().string()}, cli);
        fs::permissions(pasta.caminho(), fs::perms::owner_all);
        fs::permissions(pasta / "oraculandia.dat", fs::perms::owner_read | fs::perms::owner_write);
        std::string falhas;
        if (e.status != 0) {
            falhas += "status " + std::to_string(e.status) + "; ";
        }
        if (e.erros.find("Aviso: não foi possível ler o arquivo " + (pasta / "oraculandia.dat").string()) ==
            std::string::npos) {
            falhas += "no warning: " + e.erros;
        }
        if (e.saida.find("CVIDA 8") == std::string::npos) {
            falhas += "texts missing; ";
        }
        return falhas;
    });
    if (r == teste::kSemUsuarioComum) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(r, "");
}

TEST(Cli, DadosReaisDoPrograma) {
    // The interpretation files the build generated, copied so that the program folder is left
    // untouched.
    PastaTemporaria pasta;
    int copiados = 0;
    for (const char* nome : teste::kArquivosInterpretacao) {
        const auto origem = std::filesystem::path(PASTA_PROGRAMA_TESTE) / (std::string(nome) + ".DAT");
        if (std::filesystem::exists(origem)) {
            std::filesystem::copy_file(origem, pasta / (std::string(nome) + ".DAT"));
            ++copiados;
        }
    }
    if (copiados == 0) {
        GTEST_SKIP() << "no interpretation files in " << PASTA_PROGRAMA_TESTE;
    }
    const Execucao e = Executar({"--nome", "Ana Silva", "--data", "15/03/1970", "--hoje", "06/12/2026",
                                 "--diretorio", pasta.caminho().string(), "--formato", "json"});
    ASSERT_EQ(e.status, 0) << e.erros;
    const Json j = LeitorJson(e.saida).Documento();
    const Lista& secoes = std::get<Lista>(j["secoes"].v);
    ASSERT_EQ(secoes.size(), 28u);
    EXPECT_EQ(secoes[0]["numero"].str(), "8");
    EXPECT_EQ(secoes[15]["numero"].str(), "6");
    EXPECT_EQ(secoes[22]["numero"].str(), "7");
    // Every text that the real files hold comes out whole, in UTF-8.
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
    for (std::size_t i = 0; i < 28; ++i) {
        EXPECT_EQ(secoes[i]["texto"].str(), Cp1252ParaUtf8(s[i + 1].Texto)) << i + 1;
    }
}
