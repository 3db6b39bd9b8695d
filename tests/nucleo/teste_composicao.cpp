// Composition of the 28 sections from the name, the birth date, today's date and the files.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "analysis/composicao.h"
#include "analysis/interpretacao.h"
#include "arquivos_exemplo.h"
#include "engine/cp1252.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::PastaTemporaria;

namespace {

const Data kHoje{6, 12, 2026};

// The expected texts are written here in UTF-8, as the reader sees them.
std::string W(const char* utf8) {
    const auto c = Utf8ParaCp1252(utf8);
    EXPECT_TRUE(c.ok()) << utf8;
    return c.texto;
}

struct Esperado {
    int id;
    const char* titulo;
    const char* introducao;
    const char* texto;
    const char* numero;
};

} // namespace

TEST(ComporAnalise, AnaSilvaNascidaEm15DeMarcoDe1970) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", kHoje);
    const Esperado esperado[] = {
        {1, "Interpretações do Caminho da Vida:", "CDATA 1", "CVIDA 8", "8"},
        {2, "Dia em que Começa o Ciclo Formativo: 15/03/1970", "CDATA 2\r\n", "CFORM 3", "3"},
        {3, "Dia em que Termina o Ciclo Formativo e Começa o Ciclo Produtivo: 15/03/1999", "", "CPROD 6",
         "6"},
        {4, "Dia em que Termina o Ciclo Produtivo e Começa o Ciclo da Colheita: 15/03/2026", "", "CCOLH 8",
         "8"},
        {5, "Vibrações do Dia do Nascimento:", "CDATA 3", "CDNAS 6", "6"},
        {6, "Desafios do Dia do Nascimento: ",
         "Esta é uma lição a ser aprendida. Esta vibração pode causar ansiedade ou tensão na vida, "
         "até ser superada ou compreendida.",
         "DESNASC 5", "4"},
        {7, "Presente do Dia de Nascimento: ",
         "Este é um dom oferecido para compensar o Desafio do Dia do Nascimento.",
         "O seu dom para o Presente de Nascimento é PRESNASC 6.", "5"},
        {8,
         "Interpretação das Realizações/Ápices\r\n\r\nA sua primeira realização tem início na data "
         "de seu nascimento e prolonga-se até os seus 28 anos.",
         "CDATA 4", "APICES 9.", "9"},
        {9, "A sua segunda realização tem início aos seus 28 anos e prolonga-se até os seus 37 anos.", "",
         "APICES 5.", "5"},
        {10, "A sua terceira realização tem início aos seus 37 anos e prolonga-se até os seus 46 anos.", "",
         "APICES 5.", "5"},
        {11, "A sua quarta realização tem início aos seus 46 anos e prolonga-se até o fim de sua vida.", "",
         "APICES 2.", "2"},
        {12, "Interpretações dos Desafios da Vida\r\n\r\nDesafio Maior (Sentido durante a vida inteira):",
         "CDATA 5", "DESVIDA 2.", "1"},
        {13, "1º Desafio Menor (Vibra principalmente durante a primeira metade da vida):", "", "DESVIDA 4.",
         "3"},
        {14, "2º Desafio Menor (Vibra principalmente durante a última metade da vida):", "", "DESVIDA 3.",
         "2"},
        {15, "Desafio Menor Adicional:", "", "DESVIDA 6.", "5"},
        {16, "Indicações para a Saúde",
         "São esses os números que usamos para indicar precauções relativas à saúde ou para apontar "
         "onde podem ocorrer os sintomas.",
         "INDSAUDE 6", "6"},
        {17, "Interpretações do Ano Universal:", "CDATA 6", "INTANOUN 1", "1"},
        {18, "Interpretações do Mês Universal:", "", "INTMESUN 4", "4"},
        {19, "Interpretações do Dia Universal:", "", "INTDIAUN 1", "1"},
        {20, "Interpretações do Ano Pessoal:", "CDATA 7", "INTANOPS 1", "1"},
        {21, "Interpretações do Mês Pessoal:", "", "INTMESPS 4", "4"},
        {22, "Interpretações do Dia Pessoal:", "", "INTDIAPS 1", "1"},
        {23, "Interpretações da Expressão:", "CDATA 8", "INTEXEXP 7", "7"},
        {24, "Interpretações do Impulso da Alma:", "CDATA 9", "IMPXALMA 3", "3"},
        {25, "O Eu Silencioso:", "CDATA 10", "EUXSILEN 4\r\n", "4"},
        {26, "Interpretação da Primeira Vogal:", "CDATA 11", "INTVOG 1\r\n", "A"},
        {27, "Interpretações da Característica do Nome:", "CDATA 12", "INTNOME 8", "8"},
        {28, "Interpretações do Número da Realidade:", "CDATA 13", "INTREALI 6", "6"},
    };
    for (const Esperado& e : esperado) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(s[e.id].Titulo, W(e.titulo));
        EXPECT_EQ(s[e.id].Introducao, W(e.introducao));
        EXPECT_EQ(s[e.id].Texto, W(e.texto));
        EXPECT_EQ(s[e.id].Numero, W(e.numero));
    }
    EXPECT_TRUE(s[0].Titulo.empty());
}

TEST(ComporAnalise, DesafioZeroTrazOsNoveTextos) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    for (const char* data : {"11/05/1980", "22/07/1965"}) {
        const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", data, kHoje);
        EXPECT_EQ(s[6].Numero, "0");
        EXPECT_EQ(s[6].Texto, "DESNASC 2\r\nDESNASC 3\r\nDESNASC 4\r\nDESNASC 5\r\nDESNASC 6\r\nDESNASC 7\r\n"
                              "DESNASC 8\r\nDESNASC 9\r\nDESNASC 10\r\n");
        EXPECT_EQ(s[7].Numero, "9");
        EXPECT_EQ(s[7].Texto, W("O seu dom para o Presente de Nascimento é PRESNASC 10."));
    }
    // Challenge 9 reads record 10, gift 0 record 1.
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "09/05/1980", kHoje);
    EXPECT_EQ(s[6].Texto, "DESNASC 10");
    EXPECT_EQ(s[7].Texto, W("O seu dom para o Presente de Nascimento é PRESNASC 1."));
}

TEST(ComporAnalise, SaudeSlotDezEEmpate) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    // 09/09/1989: the digit 9 is the most frequent, slot 10, shown as 1.
    SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "09/09/1989", kHoje);
    EXPECT_EQ(s[16].Numero, "1");
    EXPECT_EQ(s[16].Texto, "INDSAUDE 10");
    // 10/10/2008: sequence 1 1 1 1 1 1 8 2 2 4 2 0 0 0 0 -> ones six times.
    const NumerosNascimento n = CalcularNumerosNascimento("10/10/2008", kHoje);
    s = ComporAnalise(pasta.caminho(), "ANA SILVA", "10/10/2008", kHoje);
    EXPECT_EQ(s[16].Texto, "INDSAUDE " + std::to_string(n.slotSaude));
    // A tie: the highest tied slot stands.
    int datasComEmpate = 0;
    for (int dia = 1; dia <= 28; ++dia) {
        const std::string data = FormatarData(Data{dia, 6, 1977});
        const NumerosNascimento m = CalcularNumerosNascimento(data, kHoje);
        int maior = 0;
        int empatados = 0;
        for (int slot = 1; slot <= 10; ++slot) {
            maior = std::max<int>(maior, m.contagens[slot]);
        }
        int ultimo = 0;
        for (int slot = 1; slot <= 10; ++slot) {
            if (m.contagens[slot] == maior) {
                ++empatados;
                ultimo = slot;
            }
        }
        if (empatados > 1) {
            ++datasComEmpate;
            s = ComporAnalise(pasta.caminho(), "ANA SILVA", data, kHoje);
            EXPECT_EQ(s[16].Texto, "INDSAUDE " + std::to_string(ultimo)) << data;
            EXPECT_EQ(s[16].Numero, std::to_string((ultimo - 1) % 9 + 1)) << data;
        }
    }
    EXPECT_GT(datasComEmpate, 0);
}

TEST(ComporAnalise, NomeSemVogal) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "BRR ZZK", "15/03/1970", kHoje);
    EXPECT_EQ(s[26].Titulo, W("Interpretação da Primeira Vogal:"));
    EXPECT_EQ(s[26].Introducao, "CDATA 11");
    EXPECT_EQ(s[26].Texto, "");
    EXPECT_EQ(s[26].Numero, "");
    // Soul urge 0: no record 0, number "0" and no text.
    EXPECT_EQ(s[24].Numero, "0");
    EXPECT_EQ(s[24].Texto, "");
    // The rest is composed as usual.
    EXPECT_EQ(s[23].Texto, "INTEXEXP " + s[23].Numero);
    EXPECT_EQ(s[25].Texto, "EUXSILEN " + s[25].Numero + "\r\n");
    EXPECT_EQ(s[1].Texto, "CVIDA 8");
}

TEST(ComporAnalise, NomeSemConsoantesNemLetras) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    SecoesAnalise s = ComporAnalise(pasta.caminho(), "AIA EOU", "15/03/1970", kHoje);
    EXPECT_EQ(s[25].Numero, "0");
    EXPECT_EQ(s[25].Texto, "");
    s = ComporAnalise(pasta.caminho(), "-- .. --", "15/03/1970", kHoje);
    EXPECT_EQ(s[23].Numero, "0");
    EXPECT_EQ(s[23].Texto, "");
    EXPECT_EQ(s[27].Numero, "6"); // six characters that are not spaces
    EXPECT_EQ(s[28].Numero, "8"); // Expression 0 + Life Path 8
    EXPECT_EQ(s[28].Texto, "INTREALI 8");
    s = ComporAnalise(pasta.caminho(), "         ", "15/03/1970", kHoje);
    EXPECT_EQ(s[27].Numero, "0");
    EXPECT_EQ(s[27].Texto, "");
}

TEST(ComporAnalise, SemArquivos) {
    PastaTemporaria pasta;
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", kHoje);
    EXPECT_EQ(s[1].Texto, "");
    EXPECT_EQ(s[1].Numero, "8");
    EXPECT_EQ(s[2].Introducao, "\r\n");
    EXPECT_EQ(s[8].Texto, ".");
    EXPECT_EQ(s[25].Texto, "\r\n");
    EXPECT_EQ(s[7].Texto, W("O seu dom para o Presente de Nascimento é ."));
    // The missing files of the 28 sections were created empty.
    for (const char* nome : std::span(teste::kArquivosInterpretacao).first(23)) {
        EXPECT_TRUE(std::filesystem::exists(pasta / (std::string(nome) + ".DAT"))) << nome;
    }
    // A folder that cannot be used at all gives the same empty texts and no fault.
    const SecoesAnalise t = ComporAnalise(pasta / "nao-existe", "ANA SILVA", "15/03/1970", kHoje);
    EXPECT_EQ(t[1].Texto, "");
    EXPECT_EQ(t[23].Numero, "7");
}

TEST(ComporAnalise, OutroDiaMudaSoOsNumerosDoDia) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const SecoesAnalise a = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", kHoje);
    const SecoesAnalise b = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", kHoje);
    const SecoesAnalise c = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", Data{7, 12, 2026});
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        EXPECT_EQ(a[id].Texto, b[id].Texto);
        EXPECT_EQ(a[id].Numero, b[id].Numero);
        if (id < 17 || id > 22) {
            EXPECT_EQ(a[id].Titulo, c[id].Titulo) << id;
            EXPECT_EQ(a[id].Texto, c[id].Texto) << id;
            EXPECT_EQ(a[id].Numero, c[id].Numero) << id;
        }
    }
    EXPECT_NE(a[19].Numero, c[19].Numero);
    EXPECT_NE(a[22].Numero, c[22].Numero);
}

TEST(ComporAnalise, TextosLongosECom5120Caracteres) {
    PastaTemporaria pasta;
    teste::CriarArquivosExemplo(pasta.caminho());
    const std::string longo(kTamanhoRegistro, 'k');
    GravarInterpretacao(pasta.caminho(), 9, "APICES.DAT", longo);
    const SecoesAnalise s = ComporAnalise(pasta.caminho(), "ANA SILVA", "15/03/1970", kHoje);
    EXPECT_EQ(s[8].Texto, longo + ".");
}

TEST(NomesDosCalculos, EditorEConfiguracao) {
    EXPECT_STREQ(NomeCalculoEditor(1), "Caminho da Vida");
    EXPECT_STREQ(NomeCalculoEditor(9), "Segunda Realização (=primeira)");
    EXPECT_STREQ(NomeCalculoEditor(15), "Desafio Menor Adicional (=menor)");
    EXPECT_STREQ(NomeCalculoEditor(28), "Número da Realidade");
    EXPECT_STREQ(NomeCalculoConfiguracao(9), "Segunda Realização");
    EXPECT_STREQ(NomeCalculoConfiguracao(15), "Desafio Menor Adicional");
    EXPECT_STREQ(NomeCalculoConfiguracao(27), "Características do Nome");
    EXPECT_STREQ(NomeCalculoEditor(0), "");
    EXPECT_STREQ(NomeCalculoEditor(29), "");
    for (int id = 1; id <= kNumeroCalculos; ++id) {
        std::string editor = NomeCalculoEditor(id);
        for (const char* fim : {" (=primeira)", " (=menor)"}) {
            const auto p = editor.find(fim);
            if (p != std::string::npos) {
                editor.erase(p);
            }
        }
        EXPECT_EQ(editor, NomeCalculoConfiguracao(id)) << id;
    }
}
