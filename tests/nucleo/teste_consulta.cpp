// The consultation tools' core: every number of the forecast and of the harmony against the
// numbers the analysis composes for the same person and day, over generated dates; the calendar
// against the standard library's; the table of relations and its file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <random>
#include <set>
#include <string>

#include "analysis/composicao.h"
#include "arquivos_exemplo.h"
#include "consulta/harmonia.h"
#include "consulta/previsoes.h"
#include "consulta/tabela_relacoes.h"
#include "engine/entrada.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::PastaTemporaria;

namespace {

class Gerador {
public:
    explicit Gerador(uint32_t semente) : r_(semente) {}
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(r_); }
    Data DataEntre(int anoDe, int anoAte) {
        const int ano = Entre(anoDe, anoAte), mes = Entre(1, 12);
        return Data{Entre(1, DiasNoMes(mes, ano)), mes, ano};
    }
    // A name of two to four words from letters with and without accents (Windows-1252).
    std::string Nome() {
        static const std::string letras =
            "abcdefghijklmnopqrstuvwxyzAEIOU\xE1\xE3\xE7\xE9\xEA\xED\xF3\xF5\xFA\xC7";
        std::string n;
        const int palavras = Entre(2, 4);
        for (int p = 0; p < palavras; ++p) {
            n += p ? " " : "";
            const int tamanho = Entre(2, 9);
            for (int i = 0; i < tamanho; ++i)
                n += letras[static_cast<std::size_t>(Entre(0, static_cast<int>(letras.size()) - 1))];
        }
        return n;
    }

private:
    std::mt19937 r_;
};

int16_t Numero(const SecoesAnalise& s, int id) {
    return static_cast<int16_t>(std::stoi(s[static_cast<std::size_t>(id)].Numero));
}

class Consulta : public ::testing::Test {
protected:
    void SetUp() override { teste::CriarArquivosExemplo(pasta.caminho(), 24); }
    SecoesAnalise Analise(const std::string& nome, const Data& nascimento, const Data& hoje) {
        return ComporAnalise(pasta.caminho(), NormalizarNome(nome), FormatarData(nascimento), hoje, false);
    }
    PastaTemporaria pasta;
};

} // namespace

TEST_F(Consulta, AnosMesesEDiasSaoOsDaAnaliseNoMesmoDia) {
    // Births over two centuries, reference days over a century: each year, month and day of the
    // forecast carries the numbers that an analysis made on a day of that year, month or day shows.
    Gerador g(20261209);
    for (int caso = 0; caso < 120; ++caso) {
        const Data nascimento = g.DataEntre(1900, 2099);
        const Data referencia = g.DataEntre(1950, 2049);
        const int anoMeses = g.Entre(1950, 2049), mesCal = g.Entre(1, 12), anoCal = g.Entre(1950, 2049);
        SCOPED_TRACE(FormatarData(nascimento) + " em " + FormatarData(referencia));
        const Previsao p = CalcularPrevisao(nascimento, referencia, anoMeses, mesCal, anoCal);
        ASSERT_EQ(p.anos.size(), 9u);
        for (std::size_t i = 0; i < p.anos.size(); ++i) {
            const AnoPrevisao& a = p.anos[i];
            EXPECT_EQ(a.ano, referencia.ano + static_cast<int>(i));
            const SecoesAnalise s = Analise("Fulana de Tal", nascimento, g.DataEntre(a.ano, a.ano));
            EXPECT_EQ(a.universal, Numero(s, 17));
            EXPECT_EQ(a.pessoal, Numero(s, 20));
            EXPECT_EQ(a.novoCiclo, a.pessoal == 1);
            // The nine-year cycle: each year one more than the year before, 9 followed by 1.
            if (i > 0) {
                EXPECT_EQ(a.pessoal, p.anos[i - 1].pessoal % 9 + 1);
            }
        }
        ASSERT_EQ(p.meses.size(), 12u);
        for (const MesPrevisao& m : p.meses) {
            const int dia = g.Entre(1, DiasNoMes(m.mes, anoMeses));
            const SecoesAnalise s = Analise("Fulana de Tal", nascimento, Data{dia, m.mes, anoMeses});
            EXPECT_EQ(m.universal, Numero(s, 18));
            EXPECT_EQ(m.pessoal, Numero(s, 21));
        }
        ASSERT_EQ(static_cast<int>(p.dias.size()), DiasNoMes(mesCal, anoCal));
        const DiaCalendario& d =
            p.dias[static_cast<std::size_t>(g.Entre(0, static_cast<int>(p.dias.size()) - 1))];
        EXPECT_EQ(d.pessoal, Numero(Analise("Fulana de Tal", nascimento, Data{d.dia, mesCal, anoCal}), 22));
    }
}

TEST(Calendario, DiasDaSemanaEGradeSegundoOCalendarioPadrao) {
    using namespace std::chrono;
    // Every month from 1896 to 2104 (leap years, 1900 and 2100 that are not, 2000 that is).
    for (int ano = 1896; ano <= 2104; ++ano) {
        for (int mes = 1; mes <= 12; ++mes) {
            const Previsao p = CalcularPrevisao({1, 1, 1980}, {1, 1, 2026}, 2026, mes, ano);
            const year_month_day_last ultimo{year{ano} / month{static_cast<unsigned>(mes)} / last};
            ASSERT_EQ(p.dias.size(), static_cast<unsigned>(ultimo.day()));
            for (const DiaCalendario& d : p.dias) {
                const weekday w{sys_days{year{ano} / month{static_cast<unsigned>(mes)} /
                                         day{static_cast<unsigned>(d.dia)}}};
                ASSERT_EQ(d.diaSemana, static_cast<int>(w.c_encoding())) << d.dia << "/" << mes << "/" << ano;
            }
            // The grid: each day once, in the column of its weekday, the weeks in order.
            int esperado = 1;
            const auto semanas = p.Semanas();
            for (std::size_t s = 0; s < semanas.size(); ++s) {
                for (std::size_t c = 0; c < 7; ++c) {
                    if (semanas[s][c] != 0) {
                        ASSERT_EQ(semanas[s][c], esperado);
                        ASSERT_EQ(static_cast<int>(c),
                                  p.dias[static_cast<std::size_t>(esperado - 1)].diaSemana);
                        ++esperado;
                    }
                }
            }
            ASSERT_EQ(esperado - 1, static_cast<int>(p.dias.size()));
        }
    }
    // A few days everybody can check on a printed calendar.
    EXPECT_STREQ(NomeDiaSemana(DiaDaSemana({1, 1, 2000})), "sábado");
    EXPECT_STREQ(NomeDiaSemana(DiaDaSemana({15, 3, 1970})), "domingo");
    EXPECT_STREQ(NomeDiaSemana(DiaDaSemana({9, 12, 2026})), "quarta-feira");
    EXPECT_STREQ(NomeDiaSemana(DiaDaSemana({29, 2, 2024})), "quinta-feira");
}

TEST_F(Consulta, TextoDaPrevisaoEProblemasDosArquivos) {
    // Fifteen March 1970 on 6 December 2026: Personal Year 1 (a new cycle), February 2024 starts
    // on a Thursday.
    const Data nascimento{15, 3, 1970};
    Previsao p = ComporPrevisao(pasta.caminho(), nascimento, {6, 12, 2026}, 2026, 2, 2024);
    EXPECT_TRUE(p.problemas.empty());
    EXPECT_EQ(p.anos[0].texto, "PREVANO 1");
    EXPECT_EQ(p.meses[0].texto, "PREVMES " + std::to_string(p.meses[0].pessoal));
    EXPECT_EQ(p.legenda[9], "PREVDIA 9");
    const std::string t = TextoPrevisao(p, "Ana Souza");
    EXPECT_EQ(
        t.rfind(
            "Previsões\nNome: Ana Souza\nData de nascimento: 15/03/1970\nData de referência: 06/12/2026\n",
            0),
        0u);
    EXPECT_NE(t.find("\n2026\t1\t1*\n2027\t2\t2\n"), std::string::npos) << t;
    EXPECT_NE(t.find("Dom\tSeg\tTer\tQua\tQui\tSex\tSáb\n\t\t\t\t1 (2)\t2 (3)\t3 (4)\n"), std::string::npos)
        << t;
    EXPECT_NE(t.find("\nMês Pessoal 2 (janeiro e outubro): PREVMES 2\n"), std::string::npos) << t;
    EXPECT_NE(t.find("\n9: PREVDIA 9\n"), std::string::npos);

    // Without the text files the numbers stand, and each file is named once.
    PastaTemporaria vazia;
    const Previsao sem = ComporPrevisao(vazia.caminho(), nascimento, {6, 12, 2026}, 2026, 2, 2024);
    ASSERT_EQ(sem.problemas.size(), 3u);
    EXPECT_EQ(sem.problemas[0], "o arquivo de interpretação PREVANO.DAT não existe na pasta do programa");
    EXPECT_EQ(sem.anos[0].pessoal, p.anos[0].pessoal);
    EXPECT_EQ(sem.anos[0].texto, "");
    EXPECT_EQ(TextoPrevisao(sem, "").find("Legenda"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(vazia.caminho())); // nothing created
}

TEST_F(Consulta, PessoasDaHarmoniaTemOsNumerosDaAnalise) {
    Gerador g(7);
    const TabelaRelacoes tabela = TabelaPadrao();
    for (int caso = 0; caso < 300; ++caso) {
        const std::string n1 = g.Nome(), n2 = g.Nome();
        const Data d1 = g.DataEntre(1900, 2099), d2 = g.DataEntre(1900, 2099);
        const PessoaHarmonia a = CalcularPessoa(n1, d1), b = CalcularPessoa(n2, d2);
        for (const auto& [p, nome, data] : {std::tuple{a, n1, d1}, std::tuple{b, n2, d2}}) {
            const SecoesAnalise s = Analise(nome, data, {9, 12, 2026});
            const int ids[kAspectosHarmonia] = {1, 23, 24, 25, 5};
            for (std::size_t k = 0; k < kAspectosHarmonia; ++k)
                EXPECT_EQ(p.numeros[k], Numero(s, ids[k])) << nome << " " << kNomesAspectos[k];
        }
        const Harmonia h = CalcularHarmonia(a, b, tabela);
        int total = 0;
        for (std::size_t k = 0; k < kAspectosHarmonia; ++k) {
            const ParHarmonia& par = h.pares[k];
            EXPECT_EQ(par.semNumero, a.numeros[k] == 0 || b.numeros[k] == 0);
            if (!par.semNumero) {
                EXPECT_EQ(par.relacao, tabela.Entre(a.numeros[k], b.numeros[k]));
                ++total;
            }
        }
        EXPECT_EQ(h.contagem[1] + h.contagem[2] + h.contagem[3] + h.contagem[4], total);
        const int desafios = h.contagem[4];
        const int esperado = desafios == 0                     ? 21
                             : total - desafios > desafios + 1 ? 22
                             : total - desafios >= desafios    ? 23
                                                               : 24;
        EXPECT_EQ(h.registroGeral, esperado);
    }
}

TEST_F(Consulta, HarmoniaComTextosDosParesELeituraGeral) {
    const PessoaHarmonia a = CalcularPessoa("Ana Maria Souza", {15, 3, 1970});
    const PessoaHarmonia b = CalcularPessoa("Jos\xE9 Carlos Lima", {29, 11, 1968});
    const Harmonia h = ComporHarmonia(pasta.caminho(), a, b, TabelaPadrao());
    // Life Path 8 and 1 (families 2-4-8 and 1-5-7, not a compatible pair): challenging.
    EXPECT_EQ(h.pares[0].primeiro, 8);
    EXPECT_EQ(h.pares[0].segundo, 1);
    EXPECT_EQ(h.pares[0].relacao, Relacao::Desafiadores);
    EXPECT_EQ(h.pares[0].texto, "HARMONIA 4");
    for (int k = 0; k < kAspectosHarmonia; ++k)
        EXPECT_EQ(h.pares[static_cast<std::size_t>(k)].texto,
                  "HARMONIA " + std::to_string(RegistroPar(k, h.pares[static_cast<std::size_t>(k)].relacao)));
    EXPECT_EQ(h.leituraGeral,
              "Dos 5 pares comparados: 1 par natural, 3 pares compatíveis e 1 par desafiador.\n\n"
              "HARMONIA 22");
    const std::string t = TextoHarmonia(h);
    EXPECT_NE(t.find("1ª pessoa: Ana Maria Souza (15/03/1970)\n2ª pessoa: José Carlos Lima (29/11/1968)\n"),
              std::string::npos);
    EXPECT_NE(t.find("Caminho da Vida\t8\t1\tdesafiadores\n"), std::string::npos) << t;
    PastaTemporaria vazia;
    const Harmonia sem = ComporHarmonia(vazia.caminho(), a, b, TabelaPadrao());
    ASSERT_EQ(sem.problemas.size(), 1u);
    EXPECT_EQ(sem.leituraGeral, ResumoRelacoes(h));
}

TEST(TabelaRelacoes, PadraoDasFamilias) {
    const TabelaRelacoes t = TabelaPadrao();
    const std::set<std::pair<int, int>> compativeis = {{1, 3}, {1, 9}, {2, 6}, {2, 9}, {3, 5},
                                                       {3, 8}, {4, 6}, {4, 7}, {5, 8}, {7, 9}};
    auto familia = [](int n) { return n == 1 || n == 5 || n == 7 ? 0 : n == 2 || n == 4 || n == 8 ? 1 : 2; };
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
            const Relacao esperada = a == b                     ? Relacao::Identicos
                                     : familia(a) == familia(b) ? Relacao::Naturais
                                     : compativeis.count({std::min(a, b), std::max(a, b)})
                                         ? Relacao::Compativeis
                                         : Relacao::Desafiadores;
            EXPECT_EQ(t.Entre(a, b), esperada) << a << " " << b;
        }
}

TEST(TabelaRelacoes, ArquivoIdaEVoltaERecusas) {
    Gerador g(3);
    for (int caso = 0; caso < 200; ++caso) {
        TabelaRelacoes t;
        for (int a = 1; a <= 9; ++a)
            for (int b = a; b <= 9; ++b) {
                const auto r = static_cast<Relacao>(g.Entre(1, 4));
                t.r[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] = r;
                t.r[static_cast<std::size_t>(b - 1)][static_cast<std::size_t>(a - 1)] = r;
            }
        const auto lida = LerTabela(SerializarTabela(t));
        ASSERT_TRUE(lida) << lida.error();
        EXPECT_EQ(*lida, t);
    }
    auto recusa = [](const std::string& texto) {
        const auto lida = LerTabela(texto);
        EXPECT_FALSE(lida);
        return lida ? std::string() : lida.error();
    };
    std::string linhas;
    for (int i = 0; i < 9; ++i)
        linhas += "i n n n n n n n n\n";
    EXPECT_EQ(recusa(linhas), "a tabela não é simétrica: 1 com 2 é naturais, mas 2 com 1 é idênticos");
    const std::string padrao = SerializarTabela(TabelaPadrao());
    EXPECT_EQ(recusa("# só um comentário\n\nI N\n"),
              "linha 3: a linha do número 1 tem 2 relações, e deve ter 9");
    EXPECT_EQ(recusa("I X N N N N N N N\n"),
              "linha 1: cada relação é uma das letras I, N, C ou D, separadas por espaços");
    EXPECT_EQ(recusa("IN N N N N N N N N\n"),
              "linha 1: cada relação é uma das letras I, N, C ou D, separadas por espaços");
    EXPECT_EQ(recusa(padrao + "D D D D D D D D D\n"),
              "linha 15: a tabela já tem as nove linhas dos números de 1 a 9");
    EXPECT_EQ(recusa("I I I I I I I I I\n"), "a tabela tem 1 linhas de relações, e deve ter 9");
    // Lower case, tabs and CR LF are accepted.
    std::string crlf;
    for (char c : padrao)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c == ' ' ? '\t' : c);
    EXPECT_EQ(LerTabela(crlf).value(), TabelaPadrao());
}

TEST(TabelaRelacoes, ArquivoDoProgramaEOPadrao) {
    // The file shipped in the program directory is the default table, in the writer's own form.
    EXPECT_EQ(teste::LerArquivo(std::filesystem::path(PASTA_FONTES) / "data" / kArquivoRelacoes),
              SerializarTabela(TabelaPadrao()));
    const TabelaCarregada c = CarregarTabela(PASTA_PROGRAMA_TESTE);
    EXPECT_EQ(c.situacao, SituacaoTabela::Lida) << c.erro;
    EXPECT_EQ(c.tabela, TabelaPadrao());
}

TEST(TabelaRelacoes, CarregarESalvar) {
    PastaTemporaria pasta;
    TabelaCarregada c = CarregarTabela(pasta.caminho());
    EXPECT_EQ(c.situacao, SituacaoTabela::Padrao);
    EXPECT_TRUE(std::filesystem::is_empty(pasta.caminho()));
    TabelaRelacoes t = TabelaPadrao();
    t.r[0][1] = t.r[1][0] = Relacao::Compativeis;
    const auto salva = SalvarTabela(pasta.caminho(), t);
    ASSERT_TRUE(salva) << salva.error();
    c = CarregarTabela(pasta.caminho());
    EXPECT_EQ(c.situacao, SituacaoTabela::Lida);
    EXPECT_EQ(c.tabela, t);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()), {}),
              1); // no temporary left

    teste::EscreverArquivo(pasta / kArquivoRelacoes, "");
    EXPECT_EQ(CarregarTabela(pasta.caminho()).situacao, SituacaoTabela::Padrao);
    teste::EscreverArquivo(pasta / kArquivoRelacoes, "I I I\n");
    c = CarregarTabela(pasta.caminho());
    EXPECT_EQ(c.situacao, SituacaoTabela::Invalida);
    EXPECT_EQ(c.tabela, TabelaPadrao());
    EXPECT_NE(c.erro.find("não é uma tabela de relações válida (linha 1: a linha do número 1 tem 3 relações"),
              std::string::npos);
    // A named pipe under the name is unusable, recognised without blocking.
    std::filesystem::remove(pasta / kArquivoRelacoes);
    ASSERT_EQ(::mkfifo((pasta / kArquivoRelacoes).c_str(), 0600), 0);
    c = CarregarTabela(pasta.caminho());
    EXPECT_EQ(c.situacao, SituacaoTabela::Invalida);
    EXPECT_NE(c.erro.find("não pode ser lido"), std::string::npos);
    // ... and is never replaced; nothing is left behind.
    const auto recusada = SalvarTabela(pasta.caminho(), t);
    EXPECT_FALSE(recusada);
    EXPECT_NE(recusada ? std::string::npos : recusada.error().find("não é substituído"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(pasta / kArquivoRelacoes));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()), {}), 1);
}

TEST(TabelaRelacoes, ArquivosAleatoriosETruncados) {
    // Whatever a file holds, the reader gives a table or a reason, never anything else; a table
    // cut short is refused, never taken in part.
    Gerador g(11);
    const std::string padrao = SerializarTabela(TabelaPadrao());
    for (std::size_t n = 0; n < padrao.size(); ++n) {
        const auto t = LerTabela(padrao.substr(0, n));
        if (t) {
            EXPECT_EQ(*t, TabelaPadrao()) << n; // only a cut inside the last line's end can still be whole
        } else {
            EXPECT_FALSE(t.error().empty());
        }
    }
    for (int caso = 0; caso < 2000; ++caso) {
        std::string bytes = padrao;
        const int mudancas = g.Entre(1, 5);
        for (int m = 0; m < mudancas; ++m)
            bytes[static_cast<std::size_t>(g.Entre(0, static_cast<int>(bytes.size()) - 1))] =
                static_cast<char>(g.Entre(0, 255));
        const auto t = LerTabela(bytes);
        if (t) {
            for (int a = 1; a <= 9; ++a)
                for (int b = 1; b <= 9; ++b)
                    ASSERT_EQ(t->Entre(a, b), t->Entre(b, a));
        } else {
            ASSERT_FALSE(t.error().empty());
        }
    }
}

TEST_F(Consulta, NomeSemVogaisNaoTemRelacaoNoImpulsoDaAlma) {
    const PessoaHarmonia a = CalcularPessoa("Brr Thx", {1, 1, 1980});
    EXPECT_EQ(a.numeros[2], 0);
    const Harmonia h =
        ComporHarmonia(pasta.caminho(), a, CalcularPessoa("Ana Maria", {2, 2, 1982}), TabelaPadrao());
    EXPECT_TRUE(h.pares[2].semNumero);
    EXPECT_EQ(h.pares[2].texto, "");
    EXPECT_EQ(h.contagem[1] + h.contagem[2] + h.contagem[3] + h.contagem[4], 4);
    EXPECT_NE(TextoHarmonia(h).find("Impulso da Alma\t0\t"), std::string::npos);
    EXPECT_NE(TextoHarmonia(h).find("\tsem relação (número 0)\n"), std::string::npos);
    EXPECT_EQ(h.leituraGeral.rfind("Dos 4 pares comparados: ", 0), 0u);
}
