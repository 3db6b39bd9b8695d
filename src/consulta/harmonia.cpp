#include "consulta/harmonia.h"

#include "consulta/textos_consulta.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"
#include "engine/numerologia.h"

namespace oraculandia {

int RegistroPar(int aspecto, Relacao r) {
    return 4 * aspecto + static_cast<int>(r);
}

PessoaHarmonia CalcularPessoa(std::string_view nomeCp1252, const Data& nascimento) {
    PessoaHarmonia p;
    p.nome.assign(nomeCp1252);
    p.nascimento = nascimento;
    // The same calls as the composition of an analysis: the folded name, the accepted date.
    const std::string nome = NormalizarNome(nomeCp1252);
    const NumerosNascimento n = CalcularNumerosNascimento(FormatarData(nascimento), nascimento);
    p.numeros = {n.caminhoVida, ValorNome(nome), ValorVogais(nome), ValorConsoantes(nome), n.vibracaoDia};
    return p;
}

Harmonia CalcularHarmonia(const PessoaHarmonia& a, const PessoaHarmonia& b, const TabelaRelacoes& tabela) {
    Harmonia h;
    h.pessoas = {a, b};
    int comparados = 0;
    for (std::size_t i = 0; i < kAspectosHarmonia; ++i) {
        ParHarmonia& par = h.pares[i];
        par.primeiro = a.numeros[i];
        par.segundo = b.numeros[i];
        par.semNumero = par.primeiro < 1 || par.primeiro > 9 || par.segundo < 1 || par.segundo > 9;
        if (!par.semNumero) {
            par.relacao = tabela.Entre(par.primeiro, par.segundo);
            ++h.contagem[static_cast<std::size_t>(par.relacao)];
            ++comparados;
        }
    }
    // The overall reading weighs the challenging pairs against the others.
    const int desafiadores = h.contagem[static_cast<std::size_t>(Relacao::Desafiadores)];
    const int afinados = comparados - desafiadores;
    if (desafiadores == 0) {
        h.registroGeral = 21;
    } else if (afinados > desafiadores + 1) {
        h.registroGeral = 22;
    } else if (afinados >= desafiadores) {
        h.registroGeral = 23;
    } else {
        h.registroGeral = 24;
    }
    return h;
}

Harmonia ComporHarmonia(const std::filesystem::path& pasta, const PessoaHarmonia& a, const PessoaHarmonia& b,
                        const TabelaRelacoes& tabela) {
    Harmonia h = CalcularHarmonia(a, b, tabela);
    TextosConsulta textos(pasta);
    for (int i = 0; i < kAspectosHarmonia; ++i) {
        ParHarmonia& par = h.pares[static_cast<std::size_t>(i)];
        if (!par.semNumero) {
            par.texto = textos.Texto(kArquivoHarmonia, RegistroPar(i, par.relacao), kRegistrosHarmonia);
        }
    }
    h.leituraGeral = ResumoRelacoes(h);
    const std::string geral = textos.Texto(kArquivoHarmonia, h.registroGeral, kRegistrosHarmonia);
    if (!geral.empty()) {
        h.leituraGeral += "\n\n" + geral;
    }
    h.problemas = textos.Problemas();
    return h;
}

std::string ResumoRelacoes(const Harmonia& h) {
    const char* singular[] = {"", "de números idênticos", "natural", "compatível", "desafiador"};
    const char* plural[] = {"", "de números idênticos", "naturais", "compatíveis", "desafiadores"};
    int total = 0;
    std::vector<std::string> partes;
    for (int r = 1; r <= 4; ++r) {
        const int n = h.contagem[static_cast<std::size_t>(r)];
        total += n;
        if (n > 0) {
            partes.push_back(std::to_string(n) + " " + (n == 1 ? "par " : "pares ") +
                             (n == 1 ? singular[r] : plural[r]));
        }
    }
    if (total == 0) {
        return "Nenhum par de números pôde ser comparado.";
    }
    std::string lista;
    for (std::size_t i = 0; i < partes.size(); ++i) {
        lista += (i == 0 ? "" : i + 1 == partes.size() ? " e " : ", ") + partes[i];
    }
    return "Dos " + std::to_string(total) + " pares comparados: " + lista + ".";
}

std::string TextoHarmonia(const Harmonia& h) {
    const std::string n1 = Cp1252ParaUtf8SemControles(h.pessoas[0].nome);
    const std::string n2 = Cp1252ParaUtf8SemControles(h.pessoas[1].nome);
    std::string t = "Harmonia\n";
    t += "1ª pessoa: " + n1 + " (" + FormatarData(h.pessoas[0].nascimento) + ")\n";
    t += "2ª pessoa: " + n2 + " (" + FormatarData(h.pessoas[1].nascimento) + ")\n\n";
    t += "Número\t" + n1 + "\t" + n2 + "\tRelação\n";
    for (int i = 0; i < kAspectosHarmonia; ++i) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(i)];
        t += std::string(kNomesAspectos[i]) + "\t" + std::to_string(p.primeiro) + "\t" +
             std::to_string(p.segundo) + "\t" +
             (p.semNumero ? "sem relação (número 0)" : NomeRelacao(p.relacao)) + "\n";
    }
    for (int i = 0; i < kAspectosHarmonia; ++i) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(i)];
        if (!p.texto.empty()) {
            t += "\n" + std::string(kNomesAspectos[i]) + " " + std::to_string(p.primeiro) + " e " +
                 std::to_string(p.segundo) + " (" + NomeRelacao(p.relacao) + "): " + p.texto + "\n";
        }
    }
    t += "\nLeitura geral\n" + (h.leituraGeral.empty() ? ResumoRelacoes(h) : h.leituraGeral) + "\n";
    return t;
}

} // namespace oraculandia
