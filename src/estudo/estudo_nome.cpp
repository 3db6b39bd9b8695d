#include "estudo/estudo_nome.h"

#include <algorithm>
#include <cstdint>

#include "engine/cp1252.h"
#include "engine/entrada.h"

namespace oraculandia {

namespace {

const char* const kSeta = " \xE2\x86\x92 "; // " → "

std::vector<int> Digitos(int64_t n) {
    std::vector<int> d;
    do {
        d.insert(d.begin(), static_cast<int>(n % 10));
        n /= 10;
    } while (n > 0);
    return d;
}

bool EhVogal(unsigned char c) {
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y';
}

std::string Utf8(unsigned char c) {
    return Cp1252ParaUtf8(std::string_view(reinterpret_cast<const char*>(&c), 1));
}

SomaEstudo Somar(std::vector<int64_t> parcelas, int16_t numero) {
    SomaEstudo s;
    s.parcelas = std::move(parcelas);
    for (int64_t p : s.parcelas) {
        s.total += p;
    }
    s.passos = ReduzirPassoAPasso(s.total);
    s.numero = numero;
    return s;
}

// The chain of reduction steps after a number: " → 4 + 3 = 7 → ..." (empty for one digit).
std::string CadeiaReducao(const std::vector<PassoReducao>& passos) {
    std::string t;
    for (const PassoReducao& p : passos) {
        t += kSeta;
        for (std::size_t i = 0; i < p.digitos.size(); ++i) {
            t += (i ? " + " : "") + std::to_string(p.digitos[i]);
        }
        t += " = " + std::to_string(p.soma);
    }
    return t;
}

// "4 + 1 + 9 = 14 → 1 + 4 = 5"; a single parcel is not repeated as a sum, no parcel at all
// reads `nenhuma`.
std::string TextoSoma(const SomaEstudo& s, const char* nenhuma) {
    if (s.parcelas.empty()) {
        return std::string(nenhuma) + " = 0";
    }
    std::string t;
    for (std::size_t i = 0; i < s.parcelas.size(); ++i) {
        t += (i ? " + " : "") + std::to_string(s.parcelas[i]);
    }
    if (s.parcelas.size() > 1) {
        t += " = " + std::to_string(s.total);
    }
    return t + CadeiaReducao(s.passos);
}

// One letter of the working: "M 4", vowels in brackets "[A 1]", folded letters with the letter
// the core reads "Ç→C 3".
std::string TextoLetra(const LetraEstudo& l) {
    std::string t = Utf8(l.digitada);
    if (l.Dobrada()) {
        t += "\xE2\x86\x92" + Utf8(l.dobrada);
    }
    t += " " + std::to_string(l.valor);
    return l.tipo == TipoLetra::Vogal ? "[" + t + "]" : t;
}

} // namespace

std::vector<PassoReducao> ReduzirPassoAPasso(int64_t n) {
    std::vector<PassoReducao> passos;
    if (n < 0) {
        n = 0; // sums of letter values are never negative
    }
    while (n >= 10) {
        PassoReducao p;
        p.numero = n;
        p.digitos = Digitos(n);
        for (int d : p.digitos) {
            p.soma += d;
        }
        n = p.soma;
        passos.push_back(std::move(p));
    }
    return passos;
}

std::string TextoReducao(int64_t n) {
    const int64_t valor = n < 0 ? 0 : n;
    return std::to_string(valor) + CadeiaReducao(ReduzirPassoAPasso(valor));
}

EstudoGrafia EstudarGrafia(std::string_view digitadoCp1252, int16_t caminhoVida) {
    EstudoGrafia g;
    g.digitado.assign(digitadoCp1252);
    g.nome = NormalizarNome(digitadoCp1252);
    std::vector<int64_t> todas, vogais, consoantes;
    for (std::size_t i = 0; i < g.nome.size(); ++i) {
        LetraEstudo l;
        l.digitada = MaiusculaCp1252(static_cast<unsigned char>(g.digitado[i]));
        l.dobrada = static_cast<unsigned char>(g.nome[i]);
        l.valor = ValorLetra(g.nome[i]);
        if (l.dobrada == ' ') {
            l.tipo = TipoLetra::Espaco;
        } else if (EhVogal(l.dobrada)) {
            l.tipo = TipoLetra::Vogal;
            vogais.push_back(ValorVogal(g.nome[i]));
        } else if (ValorConsoante(g.nome[i]) != 0) {
            l.tipo = TipoLetra::Consoante;
            consoantes.push_back(ValorConsoante(g.nome[i]));
        }
        if (l.valor != 0) {
            todas.push_back(l.valor);
        }
        g.letras.push_back(l);
    }
    g.expressao = Somar(std::move(todas), ValorNome(g.nome));
    g.alma = Somar(std::move(vogais), ValorVogais(g.nome));
    g.silencioso = Somar(std::move(consoantes), ValorConsoantes(g.nome));
    g.primeiraVogal = AcharPrimeiraVogal(g.nome);
    // The characteristic counts every character but the blanks: the count is its one parcel.
    int64_t contagem = 0;
    for (const LetraEstudo& l : g.letras) {
        contagem += l.tipo == TipoLetra::Espaco ? 0 : 1;
    }
    g.caracteristica.parcelas = {contagem};
    g.caracteristica.total = contagem;
    g.caracteristica.passos = ReduzirPassoAPasso(contagem);
    g.caracteristica.numero = CaracteristicaNome(g.nome);
    g.realidade = Somar({int64_t{g.expressao.numero}, int64_t{caminhoVida}},
                        NumeroRealidade(g.expressao.numero, caminhoVida));
    return g;
}

EstudoNome EstudarNome(const Data& nascimento, const std::vector<std::string>& grafiasCp1252) {
    EstudoNome e;
    e.nascimento = nascimento;
    // The Life Path depends on the birth date only; today's date does not enter it.
    const NumerosNascimento numeros = CalcularNumerosNascimento(FormatarData(nascimento), nascimento);
    e.caminhoVida = numeros.caminhoVida;
    for (const std::string& g : grafiasCp1252) {
        e.grafias.push_back(EstudarGrafia(g, e.caminhoVida));
        e.grafias.back().carmico = CalcularBlocoCarmico(e.grafias.back().nome, numeros);
    }
    return e;
}

DiferencasGrafia CompararComNascimento(const EstudoNome& estudo, std::size_t indice) {
    DiferencasGrafia d;
    if (indice == 0 || indice >= estudo.grafias.size()) {
        return d;
    }
    const EstudoGrafia& a = estudo.grafias[0];
    const EstudoGrafia& b = estudo.grafias[indice];
    auto letra = [](const EstudoGrafia& g) { return g.primeiraVogal ? g.primeiraVogal->letra : '\0'; };
    d.expressao = a.expressao.numero != b.expressao.numero;
    d.alma = a.alma.numero != b.alma.numero;
    d.silencioso = a.silencioso.numero != b.silencioso.numero;
    d.primeiraVogal = letra(a) != letra(b);
    d.caracteristica = a.caracteristica.numero != b.caracteristica.numero;
    d.realidade = a.realidade.numero != b.realidade.numero;
    d.licoes = a.carmico.licoes != b.carmico.licoes;
    d.dividas = a.carmico.dividas != b.carmico.dividas;
    d.mestres = a.carmico.mestres != b.carmico.mestres;
    return d;
}

namespace {

template <typename T> std::string ListaOuNada(const std::vector<T>& v, const char* nada) {
    std::string r;
    for (std::size_t i = 0; i < v.size(); ++i) {
        r += (i ? ", " : "") + std::to_string(v[i]);
    }
    return r.empty() ? std::string(nada) : r;
}

std::vector<int16_t> Numeros(const std::vector<NumeroNaPosicao>& pares) {
    std::vector<int16_t> n;
    for (const NumeroNaPosicao& p : pares) {
        n.push_back(p.numero);
    }
    std::sort(n.begin(), n.end());
    n.erase(std::unique(n.begin(), n.end()), n.end());
    return n;
}

// "13 na Expressão, 16 no Caminho da Vida" (UTF-8), in the block's order.
std::string ParesPorExtenso(const std::vector<NumeroNaPosicao>& pares, const char* nada) {
    static constexpr const char* kNa[kNumeroPosicoes] = {"no", "no", "na", "no", "no"};
    std::string r;
    for (const NumeroNaPosicao& p : pares) {
        r += (r.empty() ? "" : ", ") + std::to_string(p.numero) + " " + kNa[static_cast<int>(p.posicao)] +
             " " + NomePosicao(p.posicao);
    }
    return r.empty() ? std::string(nada) : r;
}

} // namespace

std::vector<std::string> CelulasCarmicas(const EstudoGrafia& g) {
    return {ListaOuNada(g.carmico.licoes, "nenhuma"), ListaOuNada(Numeros(g.carmico.dividas), "nenhuma"),
            ListaOuNada(Numeros(g.carmico.mestres), "nenhum")};
}

std::vector<std::string> CelulasGrafia(const EstudoGrafia& g) {
    return {std::to_string(g.expressao.numero),
            std::to_string(g.alma.numero),
            std::to_string(g.silencioso.numero),
            g.primeiraVogal ? std::string(1, g.primeiraVogal->letra) : std::string(),
            std::to_string(g.caracteristica.numero),
            std::to_string(g.realidade.numero)};
}

std::vector<std::string> LinhasTrabalho(const EstudoGrafia& g, int16_t caminhoVida) {
    std::vector<std::string> linhas;
    linhas.push_back(Cp1252ParaUtf8SemControles(g.digitado));
    linhas.push_back(
        "Letras e valores (vogais entre colchetes; \xE2\x86\x92 mostra a letra que o cálculo lê):");
    // One line per word, so that a long name stays readable.
    std::string linha;
    for (const LetraEstudo& l : g.letras) {
        if (l.tipo == TipoLetra::Espaco) {
            if (!linha.empty()) {
                linhas.push_back("  " + linha);
                linha.clear();
            }
            continue;
        }
        linha += (linha.empty() ? "" : "  ") + TextoLetra(l);
    }
    if (!linha.empty()) {
        linhas.push_back("  " + linha);
    }
    linhas.push_back("Expressão (todas as letras): " + TextoSoma(g.expressao, "nenhuma letra"));
    linhas.push_back("Impulso da Alma (vogais): " + TextoSoma(g.alma, "nenhuma vogal"));
    linhas.push_back("Eu Silencioso (consoantes): " + TextoSoma(g.silencioso, "nenhuma consoante"));
    linhas.push_back(std::string("Primeira Vogal: ") +
                     (g.primeiraVogal ? std::string(1, g.primeiraVogal->letra) : std::string("nenhuma")));
    linhas.push_back("Característica do Nome: " + std::to_string(g.caracteristica.total) +
                     (g.caracteristica.total == 1 ? " caractere" : " caracteres") + " sem os espaços" +
                     CadeiaReducao(g.caracteristica.passos));
    linhas.push_back("Número da Realidade: Expressão " + std::to_string(g.expressao.numero) +
                     " + Caminho da Vida " + std::to_string(caminhoVida) + " = " +
                     std::to_string(g.realidade.total) + CadeiaReducao(g.realidade.passos));
    linhas.push_back("Lições Cármicas (números que faltam no nome): " +
                     ListaOuNada(g.carmico.licoes, "nenhuma"));
    linhas.push_back("Dívidas Cármicas: " + ParesPorExtenso(g.carmico.dividas, "nenhuma"));
    linhas.push_back("Números Mestres: " + ParesPorExtenso(g.carmico.mestres, "nenhum"));
    return linhas;
}

std::string TextoEstudo(const EstudoNome& estudo) {
    std::string t = "Estudo do Nome\n";
    t += "Data de nascimento: " + FormatarData(estudo.nascimento) + " (Caminho da Vida " +
         std::to_string(estudo.caminhoVida) + ")\n\n";
    t += "Grafia";
    for (const char* coluna : kColunasEstudo) {
        t += std::string("\t") + coluna;
    }
    for (const char* coluna : kColunasCarmicas) {
        t += std::string("\t") + coluna;
    }
    t += "\n";
    for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
        const EstudoGrafia& g = estudo.grafias[i];
        t += Cp1252ParaUtf8SemControles(g.digitado);
        const DiferencasGrafia d = CompararComNascimento(estudo, i);
        const bool difere[6] = {d.expressao,     d.alma,           d.silencioso,
                                d.primeiraVogal, d.caracteristica, d.realidade};
        const std::vector<std::string> celulas = CelulasGrafia(g);
        for (std::size_t c = 0; c < celulas.size(); ++c) {
            // In plain text the numbers that differ from the birth name carry an asterisk.
            // A name without vowels has no first vowel: the cell says so rather than stay blank.
            const std::string celula = celulas[c].empty() ? "nenhuma" : celulas[c];
            t += "\t" + celula + (difere[c] ? "*" : "");
        }
        const bool difereCarmico[3] = {d.licoes, d.dividas, d.mestres};
        const std::vector<std::string> carmicas = CelulasCarmicas(g);
        for (std::size_t c = 0; c < carmicas.size(); ++c) {
            t += "\t" + carmicas[c] + (difereCarmico[c] ? "*" : "");
        }
        t += "\n";
    }
    if (estudo.grafias.size() > 1) {
        t += "* difere do nome de nascimento\n";
    }
    for (std::size_t i = 0; i < estudo.grafias.size(); ++i) {
        t += "\n";
        t += i == 0 ? "Nome de nascimento\n" : "Grafia " + std::to_string(i + 1) + "\n";
        for (const std::string& linha : LinhasTrabalho(estudo.grafias[i], estudo.caminhoVida)) {
            t += linha + "\n";
        }
    }
    return t;
}

} // namespace oraculandia
