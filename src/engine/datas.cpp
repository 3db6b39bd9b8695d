#include "engine/datas.h"

#include <algorithm>
#include <cstdlib>

#include "engine/numerologia.h"

namespace oraculandia {

bool AnoBissexto(int ano) {
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int DiasNoMes(int mes, int ano) {
    static constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12) {
        return 0;
    }
    if (mes == 2 && AnoBissexto(ano)) {
        return 29;
    }
    return kDias[mes - 1];
}

bool DataValida(const Data& d) {
    // Years 100 to 9999: the range of the platform's dates, and always four digits or fewer.
    return d.ano >= 100 && d.ano <= 9999 && d.mes >= 1 && d.mes <= 12 && d.dia >= 1 &&
           d.dia <= DiasNoMes(d.mes, d.ano);
}

namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// Number of the digits texto[inicio, inicio + n); -1 when any is not a digit or the text is
// too short.
int NumeroEm(std::string_view texto, std::size_t inicio, std::size_t n) {
    if (inicio + n > texto.size()) {
        return -1;
    }
    int v = 0;
    for (std::size_t i = inicio; i < inicio + n; ++i) {
        if (!Digito(texto[i])) {
            return -1;
        }
        v = v * 10 + (texto[i] - '0');
    }
    return v;
}

std::string DoisDigitos(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

} // namespace

std::optional<Data> LerDataNormalizada(std::string_view texto) {
    if (texto.size() != 10 || texto[2] != '/' || texto[5] != '/') {
        return std::nullopt;
    }
    const Data d{NumeroEm(texto, 0, 2), NumeroEm(texto, 3, 2), NumeroEm(texto, 6, 4)};
    if (!DataValida(d)) {
        return std::nullopt;
    }
    return d;
}

std::string FormatarData(const Data& d) {
    std::string ano = std::to_string(d.ano);
    while (ano.size() < 4) {
        ano.insert(ano.begin(), '0');
    }
    return DoisDigitos(d.dia) + "/" + DoisDigitos(d.mes) + "/" + ano;
}

int AnoInicioCiclo(int anoNascimento, int16_t rM, int16_t rD, int K) {
    const int t = anoNascimento + K;
    const int16_t p =
        ReduzirSoma(static_cast<int64_t>(ReduzirSoma(t)) + ReduzirSoma(static_cast<int64_t>(rM) + rD));
    int deslocamento = 0;
    if (p >= 5) {
        deslocamento = 10 - p; // forward 1 to 5 years
    } else if (p >= 2) {
        deslocamento = 1 - p; // back 1 to 3 years
    }
    return t + deslocamento;
}

NumerosNascimento CalcularNumerosNascimento(std::string_view dataNascimento, const Data& hoje) {
    NumerosNascimento n;
    // The date comes from the entry as dd/mm/yyyy; anything else is read leniently (a field that
    // is not a number counts 0) so that the composition never fails.
    const int dia = std::max(0, NumeroEm(dataNascimento, 0, 2));
    const int mes = std::max(0, NumeroEm(dataNascimento, 3, 2));
    const int ano = std::max(0, NumeroEm(dataNascimento, 6, 4));
    const int d1 = dia / 10 % 10;
    const int d2 = dia % 10;
    const int16_t rD = ReduzirSoma(dia);
    const int16_t rM = ReduzirSoma(mes);
    const int16_t rY = ReduzirSoma(ano);
    auto r = [](int v) { return ReduzirSoma(v); };

    n.diaNascimento = static_cast<int16_t>(dia);
    n.somaCaminhoVida = static_cast<int16_t>(rM + rD + rY);
    n.caminhoVida = r(n.somaCaminhoVida);
    n.cicloFormativo = rM;
    n.cicloProdutivo = rD;
    n.cicloColheita = rY;
    const std::string diaMes(dataNascimento.substr(0, std::min<std::size_t>(6, dataNascimento.size())));
    n.inicioProdutivo = diaMes + std::to_string(AnoInicioCiclo(ano, rM, rD, 27));
    n.inicioColheita = diaMes + std::to_string(AnoInicioCiclo(ano, rM, rD, 57));

    n.vibracaoDia = rD;
    n.desafioDia = static_cast<int16_t>(std::abs(d1 - d2));
    n.presenteDia = static_cast<int16_t>(9 - n.desafioDia);

    n.realizacoes[0] = r(rM + rD);
    n.realizacoes[1] = r(rD + rY);
    n.realizacoes[2] = r(n.realizacoes[0] + n.realizacoes[1]);
    n.realizacoes[3] = r(rM + rY);
    n.idadesRealizacao = {static_cast<int16_t>(36 - n.caminhoVida), static_cast<int16_t>(45 - n.caminhoVida),
                          static_cast<int16_t>(54 - n.caminhoVida)};

    n.primeiroDesafioMenor = static_cast<int16_t>(std::abs(rM - rD));
    n.segundoDesafioMenor = static_cast<int16_t>(std::abs(rD - rY));
    n.desafioMaior = static_cast<int16_t>(std::abs(n.primeiroDesafioMenor - n.segundoDesafioMenor));
    n.desafioMenorAdicional = static_cast<int16_t>(std::abs(rM - rY));

    // Health: the fifteen digits in their fixed order, counted per value.
    const int16_t sequencia[] = {n.caminhoVida,         n.cicloProdutivo, n.cicloFormativo,
                                 n.cicloColheita,       n.vibracaoDia,    n.desafioDia,
                                 n.presenteDia,         n.realizacoes[0], n.realizacoes[1],
                                 n.realizacoes[2],      n.realizacoes[3], n.primeiroDesafioMenor,
                                 n.segundoDesafioMenor, n.desafioMaior,   n.desafioMenorAdicional};
    for (int16_t v : sequencia) {
        n.sequenciaNumeros += std::to_string(v);
    }
    for (char c : n.sequenciaNumeros) {
        if (Digito(c)) {
            ++n.contagens[static_cast<std::size_t>(c - '0') + 1];
        }
    }
    int16_t maior = 0;
    for (std::size_t s = 1; s <= 10; ++s) {
        if (n.contagens[s] > maior) {
            maior = n.contagens[s];
        }
    }
    for (std::size_t s = 1; s <= 10; ++s) {
        if (n.contagens[s] == maior) {
            n.slotSaude = static_cast<int16_t>(s); // the highest tied slot wins
        }
    }
    n.numeroSaude = ReduzirNumero(n.slotSaude);

    n.anoUniversal = r(hoje.ano);
    n.mesUniversal = r(n.anoUniversal + r(hoje.mes));
    n.diaUniversal = r(n.mesUniversal + r(hoje.dia));
    n.anoPessoal = r(n.anoUniversal + rD + rM);
    n.mesPessoal = r(n.anoPessoal + r(hoje.mes));
    n.diaPessoal = r(n.mesPessoal + r(hoje.dia));
    return n;
}

int16_t SignoDoZodiaco(int dia, int mes) {
    // Each range is inclusive and compared on (month, day); the tests run in this order.
    struct Faixa {
        int16_t signo;
        int mesDe, diaDe, mesAte, diaAte;
    };
    static constexpr Faixa kFaixas[] = {
        {1, 10, 23, 11, 21}, {2, 9, 23, 10, 22}, {3, 8, 23, 9, 22},  {4, 7, 22, 8, 22},
        {5, 11, 22, 12, 21}, {6, 6, 21, 7, 21},  {7, 5, 21, 6, 20},  {8, 4, 21, 5, 20},
        {9, 3, 21, 4, 20},   {10, 2, 20, 3, 20}, {11, 1, 21, 2, 19},
    };
    const int chave = mes * 100 + dia;
    int16_t signo = 0;
    for (const Faixa& f : kFaixas) {
        if (chave >= f.mesDe * 100 + f.diaDe && chave <= f.mesAte * 100 + f.diaAte) {
            signo = f.signo;
        }
    }
    // Capricorn wraps over the new year.
    if (chave >= 1222 || chave <= 120) {
        signo = 12;
    }
    return signo;
}

int16_t SignoDoZodiaco(std::string_view diaMes) {
    const int dia = NumeroEm(diaMes, 0, 2);
    const int mes = NumeroEm(diaMes, 3, 2);
    if (dia < 0 || mes < 0) {
        return 0;
    }
    return SignoDoZodiaco(dia, mes);
}

} // namespace oraculandia
