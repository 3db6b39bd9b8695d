#pragma once
// Helpers of the command line tests: the program run as a separate process with its output
// captured, and a small JSON reader to check what it wrote.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "engine/cp1252.h"
#include "pasta_temporaria.h"

namespace oraculandia::teste {

inline const std::filesystem::path kCli = std::filesystem::path(PASTA_PROGRAMA_TESTE) / "oraculandia-cli";

struct Execucao {
    int status = -1;
    std::string saida;
    std::string erros;
};

// Runs the program with the arguments, standard output and error captured in files, in the
// folder `atual` when given. Standard output goes to `destinoSaida` instead when given (such as
// /dev/full, where every write fails). A run that takes more than 20 s is stopped (status -1):
// a hang fails the test instead of stopping it.
inline Execucao Executar(const std::vector<std::string>& argumentos,
                         const std::filesystem::path& programa = kCli,
                         const std::filesystem::path& atual = {},
                         const std::filesystem::path& destinoSaida = {}) {
    PastaTemporaria temp;
    const auto arqSaida = destinoSaida.empty() ? temp / "saida" : destinoSaida;
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
    e.saida = destinoSaida.empty() ? LerArquivo(arqSaida) : std::string();
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
        for (const auto& [palavra, valor] : {std::pair<std::string_view, Json>{"true", Json{true}},
                                             std::pair<std::string_view, Json>{"false", Json{false}},
                                             std::pair<std::string_view, Json>{"null", Json{nullptr}}}) {
            if (t_.substr(p_, palavra.size()) == palavra) {
                p_ += palavra.size();
                return valor;
            }
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

} // namespace oraculandia::teste
