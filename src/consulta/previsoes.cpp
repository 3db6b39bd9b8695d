#include "consulta/previsoes.h"

#include <algorithm>
#include <chrono>

#include "consulta/textos_consulta.h"

namespace oraculandia {

namespace {

constexpr const char* kMeses[] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                                  "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
constexpr const char* kDias[] = {"domingo",      "segunda-feira", "terça-feira", "quarta-feira",
                                 "quinta-feira", "sexta-feira",   "sábado"};
constexpr const char* kAbreviaturas[] = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};

std::string Maiuscula(std::string s) {
    // The month names start with an ASCII letter.
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') {
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    }
    return s;
}

} // namespace

const char* NomeMes(int mes) {
    return mes >= 1 && mes <= 12 ? kMeses[mes - 1] : "";
}

const char* NomeDiaSemana(int diaSemana) {
    return diaSemana >= 0 && diaSemana <= 6 ? kDias[diaSemana] : "";
}

const char* AbreviaturaDiaSemana(int diaSemana) {
    return diaSemana >= 0 && diaSemana <= 6 ? kAbreviaturas[diaSemana] : "";
}

int DiaDaSemana(const Data& d) {
    using namespace std::chrono;
    const year_month_day ymd{year{d.ano}, month{static_cast<unsigned>(d.mes)},
                             day{static_cast<unsigned>(d.dia)}};
    return static_cast<int>(weekday{sys_days{ymd}}.c_encoding());
}

std::vector<std::pair<int, std::vector<int>>> MesesPorNumero(const Previsao& p) {
    std::vector<std::pair<int, std::vector<int>>> grupos;
    for (const MesPrevisao& m : p.meses) {
        auto it =
            std::find_if(grupos.begin(), grupos.end(), [&m](const auto& g) { return g.first == m.pessoal; });
        if (it == grupos.end()) {
            grupos.push_back({m.pessoal, {m.mes}});
        } else {
            it->second.push_back(m.mes);
        }
    }
    return grupos;
}

std::vector<std::array<int, 7>> Previsao::Semanas() const {
    std::vector<std::array<int, 7>> semanas;
    for (const DiaCalendario& d : dias) {
        if (semanas.empty() || d.diaSemana == 0) {
            semanas.push_back({});
        }
        semanas.back()[static_cast<std::size_t>(d.diaSemana)] = d.dia;
    }
    return semanas;
}

Previsao CalcularPrevisao(const Data& nascimento, const Data& referencia, int anoMeses, int mesCalendario,
                          int anoCalendario) {
    Previsao p;
    p.nascimento = nascimento;
    p.referencia = referencia;
    p.anoMeses = anoMeses;
    p.mesCalendario = mesCalendario;
    p.anoCalendario = anoCalendario;
    const std::string data = FormatarData(nascimento);
    // A year's numbers are those of its first day, a month's those of its first day: the
    // Personal Year follows the calendar year and the Personal Month the calendar month.
    for (int i = 0; i < kAnosPrevisao; ++i) {
        const int ano = referencia.ano + i;
        const NumerosNascimento n = CalcularNumerosNascimento(data, Data{1, 1, ano});
        p.anos.push_back({ano, n.anoUniversal, n.anoPessoal, n.anoPessoal == 1, {}});
    }
    for (int mes = 1; mes <= 12; ++mes) {
        const NumerosNascimento n = CalcularNumerosNascimento(data, Data{1, mes, anoMeses});
        p.meses.push_back({mes, n.mesUniversal, n.mesPessoal, {}});
    }
    const int total = DiasNoMes(mesCalendario, anoCalendario);
    for (int dia = 1; dia <= total; ++dia) {
        const Data d{dia, mesCalendario, anoCalendario};
        const NumerosNascimento n = CalcularNumerosNascimento(data, d);
        p.dias.push_back({dia, DiaDaSemana(d), n.diaPessoal});
    }
    return p;
}

Previsao ComporPrevisao(const std::filesystem::path& pasta, const Data& nascimento, const Data& referencia,
                        int anoMeses, int mesCalendario, int anoCalendario) {
    Previsao p = CalcularPrevisao(nascimento, referencia, anoMeses, mesCalendario, anoCalendario);
    TextosConsulta textos(pasta);
    for (AnoPrevisao& a : p.anos) {
        a.texto = textos.Texto(kArquivoPrevisaoAno, a.pessoal);
    }
    for (MesPrevisao& m : p.meses) {
        m.texto = textos.Texto(kArquivoPrevisaoMes, m.pessoal);
    }
    for (int n = 1; n <= 9; ++n) {
        p.legenda[static_cast<std::size_t>(n)] = textos.Texto(kArquivoPrevisaoDia, n);
    }
    p.problemas = textos.Problemas();
    return p;
}

std::string TextoPrevisao(const Previsao& p, const std::string& nome) {
    std::string t = "Previsões\n";
    if (!nome.empty()) {
        t += "Nome: " + nome + "\n";
    }
    t += "Data de nascimento: " + FormatarData(p.nascimento) + "\n";
    t += "Data de referência: " + FormatarData(p.referencia) + "\n";

    t += "\nAnos Pessoais (* começa um novo ciclo de nove anos)\n";
    t += "Ano\tAno Universal\tAno Pessoal\n";
    for (const AnoPrevisao& a : p.anos) {
        t += std::to_string(a.ano) + "\t" + std::to_string(a.universal) + "\t" + std::to_string(a.pessoal) +
             (a.novoCiclo ? "*" : "") + "\n";
    }
    for (const AnoPrevisao& a : p.anos) {
        if (!a.texto.empty()) {
            t += "\n" + std::to_string(a.ano) + " - Ano Pessoal " + std::to_string(a.pessoal) + ": " +
                 a.texto + "\n";
        }
    }

    t += "\nMeses Pessoais de " + std::to_string(p.anoMeses) + "\n";
    t += "Mês\tMês Universal\tMês Pessoal\n";
    for (const MesPrevisao& m : p.meses) {
        t += Maiuscula(NomeMes(m.mes)) + "\t" + std::to_string(m.universal) + "\t" +
             std::to_string(m.pessoal) + "\n";
    }
    // A number comes back every nine months: its text is given once, with the months it rules.
    for (const auto& [numero, meses] : MesesPorNumero(p)) {
        const std::string& texto = p.meses[static_cast<std::size_t>(meses.front() - 1)].texto;
        if (texto.empty()) {
            continue;
        }
        std::string nomes;
        for (std::size_t i = 0; i < meses.size(); ++i) {
            nomes += std::string(i == 0 ? "" : i + 1 == meses.size() ? " e " : ", ") + NomeMes(meses[i]);
        }
        t += "\nMês Pessoal " + std::to_string(numero) + " (" + nomes + "): " + texto + "\n";
    }

    t += "\nDias Pessoais de " + std::string(NomeMes(p.mesCalendario)) + " de " +
         std::to_string(p.anoCalendario) + "\n";
    for (int s = 0; s < 7; ++s) {
        t += std::string(s ? "\t" : "") + AbreviaturaDiaSemana(s);
    }
    t += "\n";
    for (const auto& semana : p.Semanas()) {
        for (std::size_t s = 0; s < 7; ++s) {
            if (s) {
                t += "\t";
            }
            if (semana[s] != 0) {
                const int dia = semana[s];
                t += std::to_string(dia) + " (" +
                     std::to_string(p.dias[static_cast<std::size_t>(dia - 1)].pessoal) + ")";
            }
        }
        t += "\n";
    }
    t += "Entre parênteses, o Dia Pessoal.\n";
    bool legenda = false;
    for (int n = 1; n <= 9; ++n) {
        legenda = legenda || !p.legenda[static_cast<std::size_t>(n)].empty();
    }
    if (legenda) {
        t += "\nLegenda\n";
        for (int n = 1; n <= 9; ++n) {
            t += std::to_string(n) + ": " + p.legenda[static_cast<std::size_t>(n)] + "\n";
        }
    }
    return t;
}

} // namespace oraculandia
