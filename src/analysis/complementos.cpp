#include "analysis/complementos.h"

#include <algorithm>
#include <vector>

#include "analysis/exportacao.h"
#include "analysis/interpretacao.h"
#include "engine/cp1252.h"

namespace oraculandia {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kSeparador = "-=-=-=-=-=-=-=-=-=-=-";
constexpr std::size_t kMinimoIntroducao = 6;

std::size_t Indice(int id) {
    return static_cast<std::size_t>(id - kPrimeiroComplemento);
}

bool IdValido(int id) {
    return id >= kPrimeiroComplemento && id <= kUltimoComplemento;
}

constexpr const char* kNomes[kNumeroComplementos] = {
    "Quadro de Inclusão", "Lições Cármicas",        "Dívidas Cármicas", "Tendências Ocultas",
    "Paixão Oculta",      "Resposta Subconsciente", "Números Mestres"};
constexpr const char* kArquivos[kNumeroComplementos] = {
    nullptr, "LICOESC.DAT", "DIVIDASC.DAT", "TENDOCUL.DAT", "PAIXOCUL.DAT", "RESPSUBC.DAT", "NUMMESTR.DAT"};
constexpr const char* kChaves[kNumeroComplementos] = {
    "secao.quadro_inclusao",    "secao.licoes_carmicas", "secao.dividas_carmicas",
    "secao.tendencias_ocultas", "secao.paixao_oculta",   "secao.resposta_subconsciente",
    "secao.numeros_mestres"};

// The fixed texts, written in UTF-8 and converted once.
struct TextosComplementos {
    std::array<std::string, kNumeroComplementos> titulos;
    std::array<std::string, kNumeroComplementos> nenhum; // the sentence of an empty section
    std::array<std::string, kNumeroPosicoes> naPosicao;  // "no Caminho da Vida", "na Expressão"...
    std::string licao, divida, mestre, numero, presente, vez, vezes, e;
};

std::string Cp(const char* utf8) {
    return Utf8ParaCp1252(utf8).texto;
}

const TextosComplementos& Textos() {
    static const TextosComplementos t = [] {
        TextosComplementos f;
        for (int i = 0; i < kNumeroComplementos; ++i) {
            f.titulos[static_cast<std::size_t>(i)] = Cp(kNomes[i]) + ":";
        }
        const char* nenhum[kNumeroComplementos] = {
            "",
            "Todos os valores de 1 a 9 aparecem nas letras do seu nome, por isso o seu mapa não tem "
            "Lições Cármicas.",
            "Nenhum dos cinco totais é 13, 14, 16 ou 19 nem passa por eles ao ser reduzido, por isso o "
            "seu mapa não tem Dívidas Cármicas.",
            "Nenhum valor de 1 a 9 aparece em quatro letras ou mais do seu nome, por isso o seu mapa não "
            "tem Tendências Ocultas.",
            "O nome não tem letras, por isso não há Paixão Oculta a indicar.",
            "O nome não tem letras, por isso não há Resposta Subconsciente a indicar.",
            "Nenhum dos cinco totais é 11, 22 ou 33 nem passa por eles ao ser reduzido, por isso o seu "
            "mapa não tem Números Mestres.",
        };
        for (int i = 0; i < kNumeroComplementos; ++i) {
            f.nenhum[static_cast<std::size_t>(i)] = Cp(nenhum[i]);
        }
        const char* na[kNumeroPosicoes] = {"no Caminho da Vida", "no Dia do Nascimento", "na Expressão",
                                           "no Impulso da Alma", "no Eu Silencioso"};
        for (int i = 0; i < kNumeroPosicoes; ++i) {
            f.naPosicao[static_cast<std::size_t>(i)] = Cp(na[i]);
        }
        f.licao = Cp("Lição Cármica ");
        f.divida = Cp("Dívida Cármica ");
        f.mestre = Cp("Número Mestre ");
        f.numero = Cp("Número ");
        f.presente = Cp(", presente ");
        f.vez = Cp(" vez no nome:");
        f.vezes = Cp(" vezes no nome:");
        f.e = Cp(" e ");
        return f;
    }();
    return t;
}

// "a, b e c".
std::string Enumerar(const std::vector<std::string>& itens) {
    std::string r;
    for (std::size_t i = 0; i < itens.size(); ++i) {
        if (i > 0) {
            r += i + 1 == itens.size() ? Textos().e : std::string(", ");
        }
        r += itens[i];
    }
    return r;
}

// "2, 5, 7".
template <typename T> std::string Lista(const std::vector<T>& v) {
    std::string r;
    for (std::size_t i = 0; i < v.size(); ++i) {
        r += (i ? ", " : "") + std::to_string(v[i]);
    }
    return r;
}

// The items of a section, each a heading line and its text, a blank line between them.
struct Itens {
    std::string texto;
    void Juntar(const std::string& rotulo, const std::string& corpo) {
        if (!texto.empty()) {
            texto += kCrLf;
            texto += kCrLf;
        }
        texto += rotulo;
        if (!corpo.empty()) {
            texto += kCrLf;
            texto += corpo;
        }
    }
};

// The inclusion table as text: three lines "1: n    2: n    3: n", a dash for a number the name
// lacks.
std::string QuadroTexto(const BlocoCarmico& b) {
    std::string t;
    for (int linha = 0; linha < 3; ++linha) {
        if (linha > 0) {
            t += kCrLf;
        }
        for (int coluna = 0; coluna < 3; ++coluna) {
            const int v = linha * 3 + coluna + 1;
            const int64_t n = b.inclusao[static_cast<std::size_t>(v - 1)];
            if (coluna > 0) {
                t += "    ";
            }
            t += std::to_string(v) + ": " + (n == 0 ? std::string("-") : std::to_string(n));
        }
    }
    return t;
}

} // namespace

const char* NomeComplemento(int id) {
    return IdValido(id) ? kNomes[Indice(id)] : "";
}

const char* ArquivoComplemento(int id) {
    return IdValido(id) ? kArquivos[Indice(id)] : nullptr;
}

const char* ChaveComplemento(int id) {
    return IdValido(id) ? kChaves[Indice(id)] : "";
}

SelecaoComplementos LerSelecaoComplementos(const Preferencias& p) {
    SelecaoComplementos s{};
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        s[Indice(id)] = p.Chave(ChaveComplemento(id), true);
    }
    return s;
}

void GravarSelecaoComplementos(Preferencias& p, const SelecaoComplementos& s) {
    const SelecaoComplementos atual = LerSelecaoComplementos(p);
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        // Only what changed is set, so an untouched default stays out of the file.
        if (atual[Indice(id)] != s[Indice(id)]) {
            p.DefinirChave(ChaveComplemento(id), s[Indice(id)]);
        }
    }
}

SecoesComplementares ComporComplementos(const std::filesystem::path& pastaPrograma, std::string_view nome,
                                        std::string_view dataNascimento, bool criarArquivos) {
    const TextosComplementos& fixos = Textos();
    // Today's date plays no part in the block: the universal numbers are not used.
    const NumerosNascimento n = CalcularNumerosNascimento(dataNascimento, Data{1, 1, 2000});
    SecoesComplementares c;
    c.Bloco = CalcularBlocoCarmico(nome, n);
    const BlocoCarmico& b = c.Bloco;

    auto ler = [&](int registro, const char* arquivo) {
        return LerInterpretacao(pastaPrograma, static_cast<int16_t>(registro), arquivo, criarArquivos);
    };
    auto secao = [&](int id) -> SecaoAnalise& {
        SecaoAnalise& s = c.Secoes[Indice(id)];
        s.Titulo = fixos.titulos[Indice(id)];
        s.Introducao = ler(RegistroIntroducaoComplemento(id), "CDATA.DAT");
        return s;
    };
    auto nenhum = [&](int id) { return fixos.nenhum[Indice(id)]; };
    auto vezes = [&](int16_t v) {
        const int64_t q = b.inclusao[static_cast<std::size_t>(v - 1)];
        return fixos.numero + std::to_string(v) + fixos.presente + std::to_string(q) +
               (q == 1 ? fixos.vez : fixos.vezes);
    };

    // 29: the table itself; the renderers draw it as a grid.
    secao(29).Texto = QuadroTexto(b);

    // 30: one text per missing number.
    {
        SecaoAnalise& s = secao(30);
        Itens itens;
        for (int16_t v : b.licoes) {
            itens.Juntar(fixos.licao + std::to_string(v) + ":", ler(v, "LICOESC.DAT"));
        }
        s.Texto = b.licoes.empty() ? nenhum(30) : itens.texto;
        s.Numero = Lista(b.licoes);
    }

    // 31: one text per debt, naming every position where it occurs.
    {
        SecaoAnalise& s = secao(31);
        Itens itens;
        std::vector<int16_t> numeros;
        for (int16_t d : kDividasCarmicas) {
            std::vector<std::string> onde;
            for (const NumeroNaPosicao& p : b.dividas) {
                if (p.numero == d) {
                    onde.push_back(fixos.naPosicao[static_cast<std::size_t>(p.posicao)]);
                }
            }
            if (!onde.empty()) {
                numeros.push_back(d);
                itens.Juntar(fixos.divida + std::to_string(d) + " " + Enumerar(onde) + ":",
                             ler(d, "DIVIDASC.DAT"));
            }
        }
        s.Texto = numeros.empty() ? nenhum(31) : itens.texto;
        s.Numero = Lista(numeros);
    }

    // 32 and 33: a text per number, with how often the name holds it.
    auto porContagem = [&](int id, const std::vector<int16_t>& lista, const char* arquivo) {
        SecaoAnalise& s = secao(id);
        Itens itens;
        for (int16_t v : lista) {
            itens.Juntar(vezes(v), ler(v, arquivo));
        }
        s.Texto = lista.empty() ? nenhum(id) : itens.texto;
        s.Numero = Lista(lista);
    };
    porContagem(32, b.tendencias, "TENDOCUL.DAT");
    porContagem(33, b.paixao, "PAIXOCUL.DAT");

    // 34: a single number.
    {
        SecaoAnalise& s = secao(34);
        if (b.respostaSubconsciente && *b.respostaSubconsciente >= 1) {
            s.Texto = ler(*b.respostaSubconsciente, "RESPSUBC.DAT");
            s.Numero = std::to_string(*b.respostaSubconsciente);
        } else {
            s.Texto = nenhum(34);
        }
    }

    // 35: each master number in each position, the text of that pair.
    {
        SecaoAnalise& s = secao(35);
        Itens itens;
        std::vector<int16_t> numeros;
        for (const NumeroNaPosicao& p : b.mestres) {
            const auto m =
                static_cast<int>(std::find(kNumerosMestres.begin(), kNumerosMestres.end(), p.numero) -
                                 kNumerosMestres.begin());
            const int registro = m * kNumeroPosicoes + static_cast<int>(p.posicao) + 1;
            itens.Juntar(fixos.mestre + std::to_string(p.numero) + " " +
                             fixos.naPosicao[static_cast<std::size_t>(p.posicao)] + ":",
                         ler(registro, "NUMMESTR.DAT"));
            numeros.push_back(p.numero);
        }
        std::sort(numeros.begin(), numeros.end());
        numeros.erase(std::unique(numeros.begin(), numeros.end()), numeros.end());
        s.Texto = b.mestres.empty() ? nenhum(35) : itens.texto;
        s.Numero = Lista(numeros);
    }
    return c;
}

std::string TituloComplemento(const SecaoAnalise& secao, const ConfiguracaoPrograma& config) {
    if (!Ligado(config.ImprimirNumero) || secao.Numero.empty()) {
        return secao.Titulo;
    }
    const bool varios = secao.Numero.find(',') != std::string::npos;
    return secao.Titulo + (varios ? " N\xFAmeros " : " N\xFAmero ") + secao.Numero;
}

std::string TextoExportacaoComplementos(const SecoesComplementares& c, const ConfiguracaoPrograma& config,
                                        const SelecaoComplementos& selecao) {
    std::string texto;
    for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
        if (!Selecionado(selecao, id)) {
            continue;
        }
        const SecaoAnalise& s = c[id];
        if (Ligado(config.ImprimirDescricao) && s.Introducao.size() >= kMinimoIntroducao) {
            texto += s.Introducao + kCrLf + kCrLf;
        }
        texto += TituloComplemento(s, config) + kCrLf + kCrLf;
        texto += s.Texto + kCrLf + kCrLf;
        texto += std::string(kSeparador) + kCrLf + kCrLf;
    }
    return texto;
}

std::string TextoExportacaoCompleta(const SecoesAnalise& secoes, const SecoesComplementares& c,
                                    const ConfiguracaoPrograma& config, const SelecaoComplementos& selecao) {
    return TextoExportacao(secoes, config) + TextoExportacaoComplementos(c, config, selecao);
}

} // namespace oraculandia
