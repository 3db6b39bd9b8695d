// oraculandia-cli --previsoes and --harmonia. Dates and names are checked as the entry dialog
// checks them, with its messages, each refusal naming the field (and, for the harmony, the
// person). The texts come from the program folder, which is only read; a text file that cannot
// be read is reported once on standard error and the numbers are written all the same.
#include "cli/consulta_cli.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

#include "cli/entrada_cli.h"
#include "consulta/harmonia.h"
#include "consulta/previsoes.h"
#include "dados/plataforma.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"

namespace oraculandia::cli {

namespace {

void Mensagem(const char* titulo, std::string_view m) {
    std::fprintf(stderr, "%s %.*s\n", titulo, static_cast<int>(m.size()), m.data());
}

int Recusar(std::string_view m) {
    Mensagem("Erro:", m);
    return kArgumentosInvalidos;
}

int ErroDeUso(std::string_view m) {
    Mensagem("Erro:", m);
    std::fputs("\n", stderr);
    std::fputs(kUso, stderr);
    return kArgumentosInvalidos;
}

bool Escrever(const std::string& saida) {
    return std::fwrite(saida.data(), 1, saida.size(), stdout) == saida.size() && std::fflush(stdout) == 0;
}

// A JSON string from UTF-8 text.
std::string J(std::string_view utf8) {
    std::string s = "\"";
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (c == '\n') {
            s += "\\n";
        } else if (u < 0x20 || u == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            s += buf;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

std::string N(int v) {
    return std::to_string(v);
}

// A year of four digits (or three) within the program's dates, as typed in --ano.
std::optional<int> LerAno(std::string_view t) {
    if (t.size() < 3 || t.size() > 4) {
        return std::nullopt;
    }
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
    }
    if (v < 100) {
        return std::nullopt;
    }
    return v;
}

std::string PrevisaoJson(const Previsao& p, const std::string& nome) {
    std::string s = "{\n  \"nome\": " + J(nome) + ",\n  \"nascimento\": " + J(FormatarData(p.nascimento)) +
                    ",\n  \"referencia\": " + J(FormatarData(p.referencia)) + ",\n  \"anos\": [";
    for (std::size_t i = 0; i < p.anos.size(); ++i) {
        const AnoPrevisao& a = p.anos[i];
        s += std::string(i ? "," : "") + "\n    {\"ano\": " + N(a.ano) +
             ", \"anoUniversal\": " + N(a.universal) + ", \"anoPessoal\": " + N(a.pessoal) +
             ", \"novoCiclo\": " + (a.novoCiclo ? "true" : "false") + ", \"texto\": " + J(a.texto) + "}";
    }
    s += "\n  ],\n  \"anoDosMeses\": " + N(p.anoMeses) + ",\n  \"meses\": [";
    for (std::size_t i = 0; i < p.meses.size(); ++i) {
        const MesPrevisao& m = p.meses[i];
        s += std::string(i ? "," : "") + "\n    {\"mes\": " + N(m.mes) + ", \"nome\": " + J(NomeMes(m.mes)) +
             ", \"mesUniversal\": " + N(m.universal) + ", \"mesPessoal\": " + N(m.pessoal) +
             ", \"texto\": " + J(m.texto) + "}";
    }
    s += "\n  ],\n  \"calendario\": {\n    \"mes\": " + N(p.mesCalendario) +
         ",\n    \"ano\": " + N(p.anoCalendario) + ",\n    \"dias\": [";
    for (std::size_t i = 0; i < p.dias.size(); ++i) {
        const DiaCalendario& d = p.dias[i];
        s += std::string(i ? "," : "") + "\n      {\"dia\": " + N(d.dia) +
             ", \"diaDaSemana\": " + J(NomeDiaSemana(d.diaSemana)) + ", \"diaPessoal\": " + N(d.pessoal) +
             "}";
    }
    s += "\n    ],\n    \"legenda\": {";
    for (int n = 1; n <= 9; ++n) {
        s += std::string(n > 1 ? "," : "") + "\n      \"" + N(n) +
             "\": " + J(p.legenda[static_cast<std::size_t>(n)]);
    }
    return s + "\n    }\n  }\n}\n";
}

std::string HarmoniaJson(const Harmonia& h) {
    const char* chaves[kAspectosHarmonia] = {"caminhoDaVida", "expressao", "impulsoDaAlma", "euSilencioso",
                                             "vibracaoDoDiaDoNascimento"};
    std::string s = "{\n  \"pessoas\": [";
    for (std::size_t i = 0; i < 2; ++i) {
        const PessoaHarmonia& p = h.pessoas[i];
        s += std::string(i ? "," : "") + "\n    {\"nome\": " + J(Cp1252ParaUtf8SemControles(p.nome)) +
             ", \"nascimento\": " + J(FormatarData(p.nascimento));
        for (std::size_t k = 0; k < kAspectosHarmonia; ++k) {
            s += ", \"" + std::string(chaves[k]) + "\": " + N(p.numeros[k]);
        }
        s += "}";
    }
    s += "\n  ],\n  \"pares\": [";
    for (std::size_t k = 0; k < kAspectosHarmonia; ++k) {
        const ParHarmonia& p = h.pares[k];
        s += std::string(k ? "," : "") + "\n    {\"numero\": " + J(kNomesAspectos[k]) +
             ", \"primeiro\": " + N(p.primeiro) + ", \"segundo\": " + N(p.segundo) +
             ", \"relacao\": " + (p.semNumero ? std::string("null") : J(NomeRelacao(p.relacao))) +
             ", \"texto\": " + J(p.texto) + "}";
    }
    return s + "\n  ],\n  \"leituraGeral\": " + J(h.leituraGeral) + "\n}\n";
}

Data HojeDoSistema() {
    const std::tm local = plataforma::HoraLocal(std::time(nullptr));
    return Data{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

void AvisarProblemas(const std::vector<std::string>& problemas) {
    for (const std::string& p : problemas) {
        Mensagem("Aviso:", p + "; os números são mostrados sem esses textos.");
    }
}

int Previsoes(const Argumentos& a, const PastaEscolhida& pasta, const Data& hoje) {
    if (a.datas.size() != 1) {
        return ErroDeUso(a.datas.empty() ? "falta a opção --data (a data de nascimento)"
                                         : "as previsões são de uma pessoa, e a opção --data foi dada " +
                                               N(static_cast<int>(a.datas.size())) + " vezes");
    }
    if (a.nomes.size() > 1) {
        return ErroDeUso("as previsões são de uma pessoa, e a opção --nome foi dada " +
                         N(static_cast<int>(a.nomes.size())) + " vezes");
    }
    int anoMeses = hoje.ano, mes = hoje.mes, anoMes = hoje.ano;
    if (a.ano) {
        const auto v = LerAno(*a.ano);
        if (!v) {
            return ErroDeUso("o ano de --ano (" + *a.ano +
                             ") não é um ano válido; escreva-o com quatro dígitos (2027)");
        }
        anoMeses = *v;
    }
    if (a.mes) {
        const std::string& t = *a.mes;
        const auto barra = t.find('/');
        const auto ano =
            barra == std::string::npos ? std::nullopt : LerAno(std::string_view(t).substr(barra + 1));
        int m = 0;
        bool ok = barra == 1 || barra == 2;
        for (std::size_t i = 0; ok && i < barra; ++i) {
            ok = t[i] >= '0' && t[i] <= '9';
            m = m * 10 + (t[i] - '0');
        }
        if (!ok || !ano || m < 1 || m > 12) {
            return ErroDeUso("o mês de --mes (" + t +
                             ") não é um mês válido; escreva-o como mês/ano (03/2027)");
        }
        mes = m;
        anoMes = *ano;
    }
    const auto nascimento = InterpretarData(a.datas.front(), hoje);
    if (!nascimento) {
        return Recusar(std::string("data de nascimento: ") + kMensagemDataInvalida);
    }
    std::string nome;
    if (!a.nomes.empty()) {
        const auto aceito = VerificarNome(a.nomes.front());
        if (!aceito) {
            return Recusar("nome: " + aceito.error());
        }
        nome = Cp1252ParaUtf8SemControles(*aceito);
    }
    Previsao p;
    if (pasta.erro.empty()) {
        p = ComporPrevisao(pasta.pasta, *nascimento, hoje, anoMeses, mes, anoMes);
        AvisarProblemas(p.problemas);
    } else {
        p = CalcularPrevisao(*nascimento, hoje, anoMeses, mes, anoMes);
        Mensagem("Aviso:", pasta.erro + "; os números são mostrados sem os textos.");
    }
    if (!Escrever(a.formato == "json" ? PrevisaoJson(p, nome) : TextoPrevisao(p, nome))) {
        Mensagem("Erro:", "não foi possível escrever as previsões na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}

int HarmoniaDeDuas(const Argumentos& a, const PastaEscolhida& pasta, const Data& hoje) {
    if (a.nomes.size() != 2 || a.datas.size() != 2) {
        return ErroDeUso(
            "a harmonia é de duas pessoas: dê --nome e --data duas vezes, a primeira pessoa antes "
            "(foram dados " +
            N(static_cast<int>(a.nomes.size())) + " --nome e " + N(static_cast<int>(a.datas.size())) +
            " --data)");
    }
    std::array<PessoaHarmonia, 2> pessoas;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string quem = N(static_cast<int>(i) + 1) + "ª pessoa, ";
        // The date first, then the name, as the entry dialog checks them.
        const auto nascimento = InterpretarData(a.datas[i], hoje);
        if (!nascimento) {
            return Recusar(quem + "data de nascimento: " + kMensagemDataInvalida);
        }
        const auto aceito = VerificarNome(a.nomes[i]);
        if (!aceito) {
            return Recusar(quem + "nome: " + aceito.error());
        }
        pessoas[i] = CalcularPessoa(*aceito, *nascimento);
    }
    Harmonia h;
    if (pasta.erro.empty()) {
        const TabelaCarregada tabela = CarregarTabela(pasta.pasta);
        if (tabela.situacao == SituacaoTabela::Invalida) {
            Mensagem("Aviso:", tabela.erro + "; vale a tabela padrão.");
        }
        h = ComporHarmonia(pasta.pasta, pessoas[0], pessoas[1], tabela.tabela);
        AvisarProblemas(h.problemas);
    } else {
        h = CalcularHarmonia(pessoas[0], pessoas[1], TabelaPadrao());
        h.leituraGeral = ResumoRelacoes(h);
        Mensagem("Aviso:", pasta.erro + "; os números são mostrados sem os textos, com a tabela padrão.");
    }
    if (!Escrever(a.formato == "json" ? HarmoniaJson(h) : TextoHarmonia(h))) {
        Mensagem("Erro:", "não foi possível escrever a harmonia na saída padrão.");
        return kFalhaSaida;
    }
    return kSucesso;
}

} // namespace

int ExecutarConsulta(const Argumentos& a, const PastaEscolhida& pasta) {
    if (a.previsoes && a.harmonia) {
        return ErroDeUso("use --previsoes ou --harmonia, não as duas");
    }
    if (a.estudoNome) {
        return ErroDeUso("use --estudo-nome sem --previsoes e sem --harmonia");
    }
    if (a.harmonia && (a.ano || a.mes)) {
        return ErroDeUso("--ano e --mes são opções das previsões, não da harmonia");
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
    return a.previsoes ? Previsoes(a, pasta, hoje) : HarmoniaDeDuas(a, pasta, hoje);
}

} // namespace oraculandia::cli
