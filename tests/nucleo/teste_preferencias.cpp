// preferencias.ini: the settings added after oraculandia.dat.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <sys/stat.h>

#include "dados/preferencias.h"
#include "pasta_temporaria.h"

using namespace oraculandia;
using oraculandia::teste::EscreverArquivo;
using oraculandia::teste::LerArquivo;
using oraculandia::teste::PastaTemporaria;

TEST(Preferencias, LimitesDosValoresLidos) {
    const Preferencias p = DesserializarPreferencias("\xEF\xBB\xBF# comentario\r\n"
                                                     "a=sim\r\nb=nao\nc=talvez\n"
                                                     "n=42\nm=9999999999\nx=4a\nneg=-3\n"
                                                     "t=Maria José\nsem-igual\n=vazio\nchave ruim=1\n"
                                                     "ctl=a\x01z\nc1=a\xC2\x85z\nutf=\xC3\x28\n"
                                                     "a=nao\n");
    EXPECT_FALSE(p.Chave("a", true)); // the later line wins
    EXPECT_FALSE(p.Chave("b", true));
    EXPECT_TRUE(p.Chave("c", true)); // not a switch: the default
    EXPECT_FALSE(p.Chave("c", false));
    EXPECT_TRUE(p.Chave("ausente", true));
    EXPECT_EQ(p.Inteiro("n", 0, 100, 7), 42);
    EXPECT_EQ(p.Inteiro("n", 0, 41, 7), 7); // out of the limits a window would accept
    EXPECT_EQ(p.Inteiro("m", 0, 1 << 30, 7), 7);
    EXPECT_EQ(p.Inteiro("x", 0, 100, 7), 7);
    EXPECT_EQ(p.Inteiro("neg", -5, 5, 7), -3);
    EXPECT_EQ(p.Texto("t", ""), "Maria José");
    // Lines that are not key=value, bad keys and values with control bytes or bad UTF-8 are dropped.
    EXPECT_EQ(p.Valores().size(), 8u); // a b c n m x neg t
    for (const char* k : {"ctl", "c1", "utf", "chave ruim"}) {
        EXPECT_EQ(p.Texto(k, "padrao"), "padrao") << k;
    }
    EXPECT_TRUE(p.Alteradas().empty());
}

TEST(Preferencias, IdaEVoltaDeValoresGerados) {
    std::mt19937 g(20261209);
    const std::string alfabeto = "abcXYZ019 ;=#çãé\"'";
    for (int rodada = 0; rodada < 300; ++rodada) {
        Preferencias p;
        std::map<std::string, std::string> esperado;
        for (int i = 0; i < 8; ++i) {
            const std::string chave = "k" + std::to_string(g() % 20);
            std::string valor;
            for (unsigned n = g() % 12; n > 0; --n) {
                valor += alfabeto[g() % alfabeto.size()];
            }
            if (ValorValido(valor)) {
                ASSERT_TRUE(p.DefinirTexto(chave, valor));
                esperado[chave] = valor;
            }
        }
        const Preferencias lido = DesserializarPreferencias(SerializarPreferencias(p));
        EXPECT_EQ(lido.Valores(), esperado);
    }
    Preferencias p;
    EXPECT_FALSE(p.DefinirTexto("t", "duas\nlinhas"));
    EXPECT_FALSE(p.DefinirTexto("t", std::string(1001, 'a')));
    EXPECT_TRUE(p.Valores().empty());
}

TEST(Preferencias, GravacaoSoDoQueMudouENuncaSobreOIlegivel) {
    PastaTemporaria pasta;
    EstadoArquivo estado = EstadoArquivo::Ilegivel;
    Preferencias a = CarregarPreferencias(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Padrao);
    EXPECT_FALSE(std::filesystem::exists(pasta / kArquivoPreferencias)); // reading creates nothing

    // Two programs open at once: each keeps the other's change, and keys it does not know.
    Preferencias b = CarregarPreferencias(pasta.caminho());
    EscreverArquivo(pasta / kArquivoPreferencias, "futura.chave=123\n");
    a.DefinirChave("secao.x", false);
    ASSERT_TRUE(SalvarPreferencias(pasta.caminho(), a));
    b.DefinirInteiro("n", 5);
    ASSERT_TRUE(SalvarPreferencias(pasta.caminho(), b));
    EXPECT_EQ(LerArquivo(pasta / kArquivoPreferencias),
              "# Oraculandia: preferências do programa (chave=valor)\nfutura.chave=123\nn=5\nsecao.x=nao\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.caminho()), {}),
              1); // no temporary left

    // Unreadable: not UTF-8, too large, a folder, a named pipe. Defaults, and never written.
    Preferencias c;
    c.DefinirChave("y", true);
    const std::string grande(kTamanhoMaximoPreferencias + 1, 'a');
    for (const std::string& conteudo : {std::string("a=\xFF\n"), grande}) {
        EscreverArquivo(pasta / kArquivoPreferencias, conteudo);
        CarregarPreferencias(pasta.caminho(), &estado);
        EXPECT_EQ(estado, EstadoArquivo::Ilegivel);
        EXPECT_FALSE(SalvarPreferencias(pasta.caminho(), c));
        EXPECT_EQ(LerArquivo(pasta / kArquivoPreferencias), conteudo);
    }
    std::filesystem::remove(pasta / kArquivoPreferencias);
    ASSERT_EQ(::mkfifo((pasta / kArquivoPreferencias).c_str(), 0600), 0);
    CarregarPreferencias(pasta.caminho(), &estado);
    EXPECT_EQ(estado, EstadoArquivo::Ilegivel);
    EXPECT_FALSE(SalvarPreferencias(pasta.caminho(), c));
}
