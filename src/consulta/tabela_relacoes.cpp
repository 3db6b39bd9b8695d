#include "consulta/tabela_relacoes.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "dados/arquivos.h"
#include "dados/plataforma.h"

namespace oraculandia {

namespace {

// A table file is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kTamanhoMaximo = 64 * 1024;

std::optional<Relacao> DeLetra(char c) {
    switch (c) {
    case 'I':
    case 'i':
        return Relacao::Identicos;
    case 'N':
    case 'n':
        return Relacao::Naturais;
    case 'C':
    case 'c':
        return Relacao::Compativeis;
    case 'D':
    case 'd':
        return Relacao::Desafiadores;
    default:
        return std::nullopt;
    }
}

int Familia(int n) {
    return n == 1 || n == 5 || n == 7 ? 0 : n == 2 || n == 4 || n == 8 ? 1 : 2;
}

bool Branco(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

const char* NomeRelacao(Relacao r) {
    switch (r) {
    case Relacao::Identicos:
        return "idênticos";
    case Relacao::Naturais:
        return "naturais";
    case Relacao::Compativeis:
        return "compatíveis";
    case Relacao::Desafiadores:
        return "desafiadores";
    }
    return "";
}

char LetraRelacao(Relacao r) {
    switch (r) {
    case Relacao::Identicos:
        return 'I';
    case Relacao::Naturais:
        return 'N';
    case Relacao::Compativeis:
        return 'C';
    case Relacao::Desafiadores:
        return 'D';
    }
    return '?';
}

TabelaRelacoes TabelaPadrao() {
    TabelaRelacoes t;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            Relacao r = a == b                     ? Relacao::Identicos
                        : Familia(a) == Familia(b) ? Relacao::Naturais
                                                   : Relacao::Desafiadores;
            for (const auto& par : kParesCompativeis) {
                if ((par[0] == a && par[1] == b) || (par[0] == b && par[1] == a)) {
                    r = Relacao::Compativeis;
                }
            }
            t.r[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] = r;
        }
    }
    return t;
}

std::string SerializarTabela(const TabelaRelacoes& t) {
    std::string s =
        "# Tabela das relações entre os números, usada na Harmonia de duas pessoas.\n"
        "# Nove linhas, uma para cada número de 1 a 9; em cada uma, nove letras separadas por\n"
        "# espaços, as colunas de 1 a 9: I (idênticos), N (naturais), C (compatíveis),\n"
        "# D (desafiadores). A tabela deve ser simétrica. Linhas que começam com # são comentários.\n"
        "# Colunas: 1 2 3 4 5 6 7 8 9\n";
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            s += std::string(b == 1 ? "" : " ") + LetraRelacao(t.Entre(a, b));
        }
        s += "\n";
    }
    return s;
}

Resultado<TabelaRelacoes, std::string> LerTabela(const std::string& texto) {
    auto falha = [](std::string m) { return Falha(std::move(m)); };
    TabelaRelacoes t;
    int linhas = 0;
    std::size_t inicio = 0;
    int numeroLinha = 0;
    while (inicio <= texto.size()) {
        std::size_t fim = texto.find('\n', inicio);
        if (fim == std::string::npos) {
            fim = texto.size();
        }
        const std::string linha = texto.substr(inicio, fim - inicio);
        ++numeroLinha;
        inicio = fim + 1;
        std::size_t p = 0;
        while (p < linha.size() && Branco(linha[p])) {
            ++p;
        }
        if (p == linha.size() || linha[p] == '#') {
            continue;
        }
        const std::string onde = "linha " + std::to_string(numeroLinha);
        if (linhas == 9) {
            return falha(onde + ": a tabela já tem as nove linhas dos números de 1 a 9");
        }
        std::vector<Relacao> celulas;
        for (; p < linha.size(); ++p) {
            if (Branco(linha[p])) {
                continue;
            }
            const auto r = DeLetra(linha[p]);
            if (!r || (p + 1 < linha.size() && !Branco(linha[p + 1]))) {
                return falha(onde + ": cada relação é uma das letras I, N, C ou D, separadas por espaços");
            }
            celulas.push_back(*r);
        }
        if (celulas.size() != 9) {
            return falha(onde + ": a linha do número " + std::to_string(linhas + 1) + " tem " +
                         std::to_string(celulas.size()) + " relações, e deve ter 9");
        }
        for (std::size_t c = 0; c < 9; ++c) {
            t.r[static_cast<std::size_t>(linhas)][c] = celulas[c];
        }
        ++linhas;
        if (inicio > texto.size()) {
            break;
        }
    }
    if (linhas < 9) {
        return falha("a tabela tem " + std::to_string(linhas) + " linhas de relações, e deve ter 9");
    }
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            if (t.Entre(a, b) != t.Entre(b, a)) {
                return falha("a tabela não é simétrica: " + std::to_string(a) + " com " + std::to_string(b) +
                             " é " + NomeRelacao(t.Entre(a, b)) + ", mas " + std::to_string(b) + " com " +
                             std::to_string(a) + " é " + NomeRelacao(t.Entre(b, a)));
            }
        }
    }
    return t;
}

TabelaCarregada CarregarTabela(const std::filesystem::path& pasta) {
    TabelaCarregada c;
    c.tabela = TabelaPadrao();
    const std::filesystem::path caminho = pasta / kArquivoRelacoes;
    arquivos::Situacao s = arquivos::Situacao::Ilegivel;
    const auto trecho = arquivos::Ler(caminho, 0, kTamanhoMaximo + 1, false, &s);
    if (!trecho) {
        if (s == arquivos::Situacao::Ausente) {
            return c;
        }
        c.situacao = SituacaoTabela::Invalida;
        c.erro = "o arquivo " + caminho.string() +
                 " não pode ser lido (sem permissão de leitura, ou não é um arquivo comum)";
        return c;
    }
    if (trecho->tamanho == 0) {
        return c; // an empty file holds nothing to lose: the default, and it may be written
    }
    if (trecho->tamanho > kTamanhoMaximo) {
        c.situacao = SituacaoTabela::Invalida;
        c.erro = "o arquivo " + caminho.string() + " é grande demais para ser uma tabela de relações";
        return c;
    }
    if (const auto t = LerTabela(trecho->bytes)) {
        c.tabela = *t;
        c.situacao = SituacaoTabela::Lida;
    } else {
        c.situacao = SituacaoTabela::Invalida;
        c.erro = "o arquivo " + caminho.string() + " não é uma tabela de relações válida (" + t.error() + ")";
    }
    return c;
}

Resultado<void, std::string> SalvarTabela(const std::filesystem::path& pasta, const TabelaRelacoes& t) {
    const std::filesystem::path destino = pasta / kArquivoRelacoes;
    // Never in place of something that is not a readable file (a folder, a named pipe, a file
    // without read permission): what it holds could not be known, so it is not replaced.
    if (arquivos::Examinar(destino) == arquivos::Situacao::Ilegivel) {
        return Falha("o arquivo " + destino.string() +
                     " não pode ser lido (sem permissão de leitura, ou não é um arquivo comum) e não é "
                     "substituído");
    }
    // A temporary name of this process, cleared first: whatever was left under it (even a named
    // pipe, which opening would wait on) is ours to remove, never to open.
    const std::filesystem::path temporario =
        pasta / (std::string(kArquivoRelacoes) + ".gravando-" + std::to_string(plataforma::IdProcesso()));
    const std::string texto = SerializarTabela(t);
    {
        std::error_code limpo;
        std::filesystem::remove(temporario, limpo);
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        f << texto;
        f.flush();
        if (!f) {
            std::error_code ec;
            std::filesystem::remove(temporario, ec);
            return Falha("não foi possível gravar o arquivo " + temporario.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporario, destino, ec);
    if (ec) {
        std::filesystem::remove(temporario, ec);
        return Falha("não foi possível dar ao arquivo o nome " + destino.string());
    }
    return {};
}

} // namespace oraculandia
