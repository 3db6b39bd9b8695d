// The platform edge of the command line on Linux: the arguments, paths built from UTF-8 text and
// told back as UTF-8, and output written byte for byte. scripts/testar-wine.sh compares the
// Windows side of the same functions with this one, through the command line, under Wine.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dados/pasta_programa.h"
#include "dados/plataforma.h"
#include "pasta_temporaria.h"

namespace oraculandia {
namespace {

const std::vector<std::string> kNomes = {"Usuários", "Jose\xCC\x81", "Conceição d'Ávila", "Ç-ção 2º",
                                         "\xFF\xFE não UTF-8"};

TEST(Plataforma, OsArgumentosSaoOsDeMainEmCopia) {
    std::vector<std::string> textos = {"oraculandia-cli", "--nome", "Jose\xCC\x81 d'A\xCC\x81vila",
                                       "\xFF bytes", ""};
    std::vector<char*> argv;
    for (auto& t : textos) {
        argv.push_back(t.data());
    }
    argv.push_back(nullptr);
    plataforma::ArgumentosUtf8 utf8(static_cast<int>(textos.size()), argv.data());
    ASSERT_EQ(utf8.argc(), static_cast<int>(textos.size()));
    for (std::size_t i = 0; i < textos.size(); ++i) {
        EXPECT_EQ(utf8.argv()[i], textos[i]);
        EXPECT_NE(utf8.argv()[i], argv[i]);
    }
    EXPECT_EQ(utf8.argv()[textos.size()], nullptr);
}

TEST(Plataforma, CaminhosDeTextoUtf8VoltamAoMesmoTextoEServemAPasta) {
    teste::PastaTemporaria pasta;
    const std::string base = plataforma::Utf8DoCaminho(pasta.caminho());
    EXPECT_TRUE(plataforma::CaminhoDeUtf8("").empty());
    for (const auto& nome : kNomes) {
        const std::string texto = base + "/" + nome;
        const std::filesystem::path caminho = plataforma::CaminhoDeUtf8(texto);
        ASSERT_TRUE(std::filesystem::create_directory(caminho)) << texto;
        EXPECT_EQ(plataforma::Utf8DoCaminho(caminho), texto);
        EXPECT_EQ(plataforma::Utf8DoCaminho(caminho.filename()), nome);
        // --diretorio with the same text finds the folder, and names it back in the same letters.
        EXPECT_EQ(ProblemaDoDiretorio(texto), std::nullopt) << texto;
        const PastaEscolhida escolhida = EscolherPastaPrograma(texto, LocaisPadrao({}), false);
        EXPECT_EQ(plataforma::Utf8DoCaminho(escolhida.pasta), texto);
    }
}

TEST(Plataforma, ASaidaRecebeOsBytesComoSao) {
    std::FILE* arquivo = std::tmpfile();
    ASSERT_NE(arquivo, nullptr);
    const std::string partes[] = {"Análise\r\n", "{\"nome\": \"JOSE\"}\n", std::string("\0\xFF", 2), ""};
    std::string tudo;
    for (const auto& p : partes) {
        EXPECT_TRUE(plataforma::EscreverSaida(arquivo, p));
        tudo += p;
    }
    std::rewind(arquivo);
    std::string lido(tudo.size() + 1, '\0');
    lido.resize(std::fread(lido.data(), 1, lido.size(), arquivo));
    std::fclose(arquivo);
    EXPECT_EQ(lido, tudo);
}

} // namespace
} // namespace oraculandia
