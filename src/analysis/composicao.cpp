#include "analysis/composicao.h"

#include <algorithm>
#include <array>

#include "analysis/interpretacao.h"
#include "engine/cp1252.h"
#include "engine/numerologia.h"

namespace oraculandia {

namespace {

constexpr const char* kNomesEditor[kNumeroCalculos + 1] = {
    "",
    "Caminho da Vida",
    "Ciclo Formativo",
    "Ciclo Produtivo",
    "Ciclo da Colheita",
    "Vibrações do Dia do Nascimento",
    "Desafios do Dia do Nascimento",
    "Presente do Dia do Nascimento",
    "Primeira Realização",
    "Segunda Realização (=primeira)",
    "Terceira Realização (=primeira)",
    "Quarta Realização (=primeira)",
    "Desafio Maior",
    "Primeiro Desafio Menor (=menor)",
    "Segundo Desafio Menor (=menor)",
    "Desafio Menor Adicional (=menor)",
    "Indicações para a Saúde",
    "Interpretação do Ano Universal",
    "Interpretação do Mês Universal",
    "Interpretação do Dia Universal",
    "Interpretação do Ano Pessoal",
    "Interpretação do Mês Pessoal",
    "Interpretação do Dia Pessoal",
    "Número da Expressão",
    "Impulso da Alma",
    "O Eu Silencioso",
    "Interpretação da Primeira Vogal",
    "Características do Nome",
    "Número da Realidade",
};

// The fixed texts of the analysis, written here in UTF-8 and converted once to the core's
// Windows-1252.
struct TextosFixos {
    std::string titulos[kNumeroCalculos + 1];
    std::string introducaoDesafioDia, introducaoPresenteDia, introducaoSaude;
    std::string prefixoPresente;
    std::string titulo8Inicio, titulo8Fim;
    std::string titulo9Inicio, titulo9Meio, titulo9Fim;
    std::string titulo10Inicio, titulo10Meio, titulo10Fim;
    std::string titulo11Inicio, titulo11Fim;
};

std::string Cp(const char* utf8) {
    return Utf8ParaCp1252(utf8).texto;
}

const TextosFixos& Textos() {
    static const TextosFixos t = [] {
        TextosFixos f;
        const char* titulos[kNumeroCalculos + 1] = {
            "",
            "Interpretações do Caminho da Vida:",
            "Dia em que Começa o Ciclo Formativo: ",
            "Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: ",
            "Dia em que Termina o Ciclo Produtivo e Começa o Ciclo da Colheita: ",
            "Vibrações do Dia do Nascimento:",
            "Desafios do Dia do Nascimento: ",
            "Presente do Dia de Nascimento: ",
            "", // 8 to 11 carry the pinnacle ages
            "",
            "",
            "",
            "Interpretações dos Desafios da Vida\r\n\r\nDesafio Maior (Sentido durante a vida inteira):",
            "1º Desafio Menor (Vibra principalmente durante a primeira metade da vida):",
            "2º Desafio Menor (Vibra principalmente durante a última metade da vida):",
            "Desafio Menor Adicional:",
            "Indicações para a Saúde",
            "Interpretações do Ano Universal:",
            "Interpretações do Mês Universal:",
            "Interpretações do Dia Universal:",
            "Interpretações do Ano Pessoal:",
            "Interpretações do Mês Pessoal:",
            "Interpretações do Dia Pessoal:",
            "Interpretações da Expressão:",
            "Interpretações do Impulso da Alma:",
            "O Eu Silencioso:",
            "Interpretação da Primeira Vogal:",
            "Interpretações da Característica do Nome:",
            "Interpretações do Número da Realidade:",
        };
        for (int i = 0; i <= kNumeroCalculos; ++i) {
            f.titulos[i] = Cp(titulos[i]);
        }
        f.introducaoDesafioDia =
            Cp("Esta é uma lição a ser aprendida. Esta vibração pode causar ansiedade ou tensão na "
               "vida, até ser superada ou compreendida.");
        f.introducaoPresenteDia =
            Cp("Este é um dom oferecido para compensar o Desafio do Dia do Nascimento.");
        f.introducaoSaude =
            Cp("São esses os números que usamos para indicar precauções relativas à saúde ou para "
               "apontar onde podem ocorrer os sintomas.");
        f.prefixoPresente = Cp("O seu dom para o Presente de Nascimento é ");
        f.titulo8Inicio = Cp("Interpretação das Realizações/Ápices\r\n\r\nA sua primeira realização tem "
                             "início na data de seu nascimento e prolonga-se até os seus ");
        f.titulo8Fim = Cp(" anos.");
        f.titulo9Inicio = Cp("A sua segunda realização tem início aos seus ");
        f.titulo9Meio = Cp(" anos e prolonga-se até os seus ");
        f.titulo9Fim = Cp(" anos.");
        f.titulo10Inicio = Cp("A sua terceira realização tem início aos seus ");
        f.titulo10Meio = f.titulo9Meio;
        f.titulo10Fim = f.titulo9Fim;
        f.titulo11Inicio = Cp("A sua quarta realização tem início aos seus ");
        f.titulo11Fim = Cp(" anos e prolonga-se até o fim de sua vida.");
        return f;
    }();
    return t;
}

constexpr const char* kCrLf = "\r\n";

// The birth year of a dd/mm/yyyy text written in decimal without leading zeros.
std::string AnoSemZeros(std::string_view data) {
    if (data.size() < 7) {
        return {};
    }
    const std::string_view ano = data.substr(6);
    int v = 0;
    for (char c : ano) {
        if (c < '0' || c > '9' || v > 99999) {
            return std::string(ano);
        }
        v = v * 10 + (c - '0');
    }
    return std::to_string(v);
}

} // namespace

const char* NomeCalculoEditor(int calculationId) {
    if (calculationId < 1 || calculationId > kNumeroCalculos) {
        return "";
    }
    return kNomesEditor[calculationId];
}

const char* NomeCalculoConfiguracao(int calculationId) {
    // The settings dialog shows the editor's names without the marks "(=primeira)" and "(=menor)"
    // that tell which entries share a file.
    static const auto nomes = [] {
        std::array<std::string, kNumeroCalculos + 1> r;
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            std::string nome = kNomesEditor[c];
            if (const auto marca = nome.find(" (="); marca != std::string::npos) {
                nome.erase(marca);
            }
            r[c] = nome;
        }
        return r;
    }();
    if (calculationId < 1 || calculationId > kNumeroCalculos) {
        return "";
    }
    return nomes[calculationId].c_str();
}

SecoesAnalise ComporAnalise(const std::filesystem::path& pastaPrograma, std::string_view nome,
                            std::string_view dataNascimento, const Data& hoje, bool criarArquivos) {
    const TextosFixos& fixos = Textos();
    const NumerosNascimento n = CalcularNumerosNascimento(dataNascimento, hoje);
    SecoesAnalise s;

    auto ler = [&pastaPrograma, criarArquivos](int registro, const char* arquivo) {
        return LerInterpretacao(pastaPrograma, static_cast<int16_t>(registro), arquivo, criarArquivos);
    };
    auto introducao = [&ler](int grupo) { return ler(grupo, "CDATA.DAT"); };
    auto num = [](int v) { return std::to_string(v); };
    // The records hold the numbers 1 to 9; a number 0 (a name without vowels, consonants or
    // letters) has no record: the section shows "0" and no text.
    auto porNumero = [&ler](int v, const char* arquivo) { return v >= 1 ? ler(v, arquivo) : std::string(); };
    auto titulo = [&fixos](int id) { return fixos.titulos[id]; };
    const std::string diaMes(dataNascimento.substr(0, std::min<std::size_t>(6, dataNascimento.size())));
    const std::string anoNascimento = AnoSemZeros(dataNascimento);

    // 1 to 4: Life Path and the three cycles.
    s[1] = {titulo(1), introducao(1), ler(n.caminhoVida, "CVIDA.DAT"), num(n.caminhoVida)};
    s[2] = {titulo(2) + diaMes + anoNascimento, introducao(2) + kCrLf, ler(n.cicloFormativo, "CFORM.DAT"),
            num(n.cicloFormativo)};
    s[3] = {titulo(3) + n.inicioProdutivo, "", ler(n.cicloProdutivo, "CPROD.DAT"), num(n.cicloProdutivo)};
    s[4] = {titulo(4) + n.inicioColheita, "", ler(n.cicloColheita, "CCOLH.DAT"), num(n.cicloColheita)};

    // 5 to 7: the birth day.
    s[5] = {titulo(5), introducao(3), ler(n.vibracaoDia, "CDNAS.DAT"), num(n.vibracaoDia)};
    std::string desafios;
    if (n.desafioDia == 0) {
        // Challenge 0 holds every challenge: the texts of challenges 1 to 9.
        for (int r = 2; r <= 10; ++r) {
            desafios += ler(r, "DESNASC.DAT");
            desafios += kCrLf;
        }
    } else {
        desafios = ler(n.desafioDia + 1, "DESNASC.DAT");
    }
    s[6] = {titulo(6), fixos.introducaoDesafioDia, desafios, num(n.desafioDia)};
    s[7] = {titulo(7), fixos.introducaoPresenteDia,
            fixos.prefixoPresente + ler(n.presenteDia + 1, "PRESNASC.DAT") + ".", num(n.presenteDia)};

    // 8 to 11: the pinnacles and the ages that bound them.
    const std::string a1 = num(n.idadesRealizacao[0]);
    const std::string a2 = num(n.idadesRealizacao[1]);
    const std::string a3 = num(n.idadesRealizacao[2]);
    auto apice = [&](int i) { return ler(n.realizacoes[i], "APICES.DAT") + "."; };
    s[8] = {fixos.titulo8Inicio + a1 + fixos.titulo8Fim, introducao(4), apice(0), num(n.realizacoes[0])};
    s[9] = {fixos.titulo9Inicio + a1 + fixos.titulo9Meio + a2 + fixos.titulo9Fim, "", apice(1),
            num(n.realizacoes[1])};
    s[10] = {fixos.titulo10Inicio + a2 + fixos.titulo10Meio + a3 + fixos.titulo10Fim, "", apice(2),
             num(n.realizacoes[2])};
    s[11] = {fixos.titulo11Inicio + a3 + fixos.titulo11Fim, "", apice(3), num(n.realizacoes[3])};

    // 12 to 15: the life challenges (records challenge + 1).
    auto desafio = [&](int v) { return ler(v + 1, "DESVIDA.DAT") + "."; };
    s[12] = {titulo(12), introducao(5), desafio(n.desafioMaior), num(n.desafioMaior)};
    s[13] = {titulo(13), "", desafio(n.primeiroDesafioMenor), num(n.primeiroDesafioMenor)};
    s[14] = {titulo(14), "", desafio(n.segundoDesafioMenor), num(n.segundoDesafioMenor)};
    s[15] = {titulo(15), "", desafio(n.desafioMenorAdicional), num(n.desafioMenorAdicional)};

    // 16: health. Among the slots tied for the highest count the last one stands, so only its
    // record is read.
    s[16] = {titulo(16), fixos.introducaoSaude, ler(n.slotSaude, "INDSAUDE.DAT"), num(n.numeroSaude)};

    // 17 to 22: universal and personal numbers of the given day.
    s[17] = {titulo(17), introducao(6), ler(n.anoUniversal, "INTANOUN.DAT"), num(n.anoUniversal)};
    s[18] = {titulo(18), "", ler(n.mesUniversal, "INTMESUN.DAT"), num(n.mesUniversal)};
    s[19] = {titulo(19), "", ler(n.diaUniversal, "INTDIAUN.DAT"), num(n.diaUniversal)};
    s[20] = {titulo(20), introducao(7), ler(n.anoPessoal, "INTANOPS.DAT"), num(n.anoPessoal)};
    s[21] = {titulo(21), "", ler(n.mesPessoal, "INTMESPS.DAT"), num(n.mesPessoal)};
    s[22] = {titulo(22), "", ler(n.diaPessoal, "INTDIAPS.DAT"), num(n.diaPessoal)};

    // 23 to 28: the name numbers.
    const int16_t expressao = ValorNome(nome);
    const int16_t alma = ValorVogais(nome);
    const int16_t silencioso = ValorConsoantes(nome);
    s[23] = {titulo(23), introducao(8), porNumero(expressao, "INTEXEXP.DAT"), num(expressao)};
    s[24] = {titulo(24), introducao(9), porNumero(alma, "IMPXALMA.DAT"), num(alma)};
    s[25] = {titulo(25), introducao(10),
             silencioso >= 1 ? ler(silencioso, "EUXSILEN.DAT") + kCrLf : std::string(), num(silencioso)};
    // A name without any of A E I O U Y has no first vowel: empty number and text.
    s[26] = {titulo(26), introducao(11), "", ""};
    if (const auto vogal = AcharPrimeiraVogal(nome)) {
        s[26].Texto = ler(vogal->indice, "INTVOG.DAT") + kCrLf;
        s[26].Numero = std::string(1, vogal->letra);
    }
    const int16_t caracteristica = CaracteristicaNome(nome);
    s[27] = {titulo(27), introducao(12), porNumero(caracteristica, "INTNOME.DAT"), num(caracteristica)};
    const int16_t realidade = NumeroRealidade(expressao, n.caminhoVida);
    s[28] = {titulo(28), introducao(13), porNumero(realidade, "INTREALI.DAT"), num(realidade)};
    return s;
}

} // namespace oraculandia
