#include "dados/rodape.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "dados/arquivos.h"

namespace oraculandia {

LinhasRodape LinhasRodapeIniciais() {
    LinhasRodape l;
    // Windows-1252: "Análise numerológica preparada com o programa Oraculandia",
    // "Seu numerólogo: informe aqui o seu telefone e o seu e-mail",
    // "Sua vida através da Oraculandia".
    l.RodapeLinhaUm = "An\xE1lise numerol\xF3gica preparada com o programa Oraculandia";
    l.RodapeLinhaDois = "Seu numer\xF3logo: informe aqui o seu telefone e o seu e-mail";
    l.CabecalhoLinhaUm = "Sua vida atrav\xE9s da Oraculandia";
    return l;
}

bool RodapeProvisorio(const LinhasRodape& l) {
    return l.RodapeLinhaDois == LinhasRodapeIniciais().RodapeLinhaDois;
}

namespace {

// One record: the count, then at most what the record and the file really hold.
std::string LerRegistro(std::string_view arquivo, std::size_t registro) {
    const std::size_t inicio = registro * kTamanhoRegistroRodape;
    if (arquivo.size() < inicio + 2) {
        return {};
    }
    const auto b0 = static_cast<unsigned char>(arquivo[inicio]);
    const auto b1 = static_cast<unsigned char>(arquivo[inicio + 1]);
    std::size_t n = static_cast<std::size_t>(b0 | (b1 << 8));
    n = std::min(n, kMaximoRodape);
    n = std::min(n, arquivo.size() - (inicio + 2));
    return std::string(arquivo.substr(inicio + 2, n));
}

} // namespace

LinhasRodape CarregaLinhasRodape(const std::filesystem::path& pastaPrograma, EstadoArquivo* estado) {
    arquivos::Situacao s = arquivos::Situacao::Ilegivel;
    const auto trecho =
        arquivos::Ler(pastaPrograma / kArquivoRodape, 0, 3 * kTamanhoRegistroRodape, false, &s);
    if (!trecho || trecho->tamanho == 0) {
        if (estado != nullptr) {
            *estado = s == arquivos::Situacao::Ilegivel ? EstadoArquivo::Ilegivel : EstadoArquivo::Padrao;
        }
        return LinhasRodapeIniciais();
    }
    if (estado != nullptr) {
        *estado = EstadoArquivo::Lido;
    }
    LinhasRodape l;
    l.RodapeLinhaUm = LerRegistro(trecho->bytes, 0);
    l.RodapeLinhaDois = LerRegistro(trecho->bytes, 1);
    l.CabecalhoLinhaUm = LerRegistro(trecho->bytes, 2);
    return l;
}

bool SalvarLinhasRodape(const std::filesystem::path& pastaPrograma, const LinhasRodape& l) {
    const std::string* linhas[] = {&l.RodapeLinhaUm, &l.RodapeLinhaDois, &l.CabecalhoLinhaUm};
    for (const std::string* s : linhas) {
        if (s->size() > kMaximoRodape) {
            return false; // refused whole: nothing is cut silently
        }
    }
    std::string dados(3 * kTamanhoRegistroRodape, '\0');
    for (std::size_t r = 0; r < 3; ++r) {
        const std::string& s = *linhas[r];
        char* p = dados.data() + r * kTamanhoRegistroRodape;
        p[0] = static_cast<char>(s.size() & 0xFF);
        p[1] = static_cast<char>((s.size() >> 8) & 0xFF);
        s.copy(p + 2, s.size());
    }
    return arquivos::Gravar(pastaPrograma / kArquivoRodape, 0, dados);
}

} // namespace oraculandia
