#include "dados/pasta_programa.h"

#include "dados/plataforma.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace oraculandia {

namespace {

constexpr const char* kNomePasta = "Oraculandia";

bool EhArquivoRegular(const fs::path& p) {
    std::error_code erro;
    return fs::is_regular_file(fs::symlink_status(p, erro)) ||
           (fs::is_symlink(fs::symlink_status(p, erro)) && fs::is_regular_file(fs::status(p, erro)));
}

bool EhPasta(const fs::path& p) {
    std::error_code erro;
    return fs::is_directory(fs::status(p, erro));
}

// A folder is a program folder when it holds at least one interpretation file: a copy with a
// file missing is still the user's folder (the program recreates the missing file and says so).
bool TemArquivosDeInterpretacao(const fs::path& pasta) {
    const auto& nomes = ArquivosDeInterpretacao();
    return std::any_of(nomes.begin(), nomes.end(),
                       [&](const std::string& n) { return EhArquivoRegular(pasta / n); });
}

bool TemTodosOsArquivosDeInterpretacao(const fs::path& pasta) {
    const auto& nomes = ArquivosDeInterpretacao();
    return std::all_of(nomes.begin(), nomes.end(),
                       [&](const std::string& n) { return EhArquivoRegular(pasta / n); });
}

} // namespace

const std::vector<std::string>& ArquivosDeInterpretacao() {
    static const std::vector<std::string> nomes = {
        "CDATA.DAT",    "CVIDA.DAT",    "CFORM.DAT",    "CPROD.DAT",    "CCOLH.DAT",    "CDNAS.DAT",
        "DESNASC.DAT",  "PRESNASC.DAT", "APICES.DAT",   "DESVIDA.DAT",  "INDSAUDE.DAT", "INTANOUN.DAT",
        "INTMESUN.DAT", "INTDIAUN.DAT", "INTANOPS.DAT", "INTMESPS.DAT", "INTDIAPS.DAT", "INTEXEXP.DAT",
        "IMPXALMA.DAT", "EUXSILEN.DAT", "INTVOG.DAT",   "INTNOME.DAT",  "INTREALI.DAT", "LICOESC.DAT",
        "DIVIDASC.DAT", "TENDOCUL.DAT", "PAIXOCUL.DAT", "RESPSUBC.DAT", "NUMMESTR.DAT", "PREVANO.DAT",
        "PREVMES.DAT",  "PREVDIA.DAT",  "HARMONIA.DAT"};
    return nomes;
}

LocaisPrograma LocaisPadrao(const fs::path& pastaExecutavel) {
    LocaisPrograma l;
    l.pastaExecutavel = pastaExecutavel;
    const fs::path acima = pastaExecutavel.parent_path();
    l.dadosInstalados = acima / "share" / "oraculandia";
    if (!EhPasta(l.dadosInstalados) && EhPasta(acima / "Resources" / "oraculandia")) {
        l.dadosInstalados = acima / "Resources" / "oraculandia"; // inside a macOS bundle
    }
    if (const fs::path base = plataforma::PastaDadosAplicativos(); !base.empty()) {
        l.dadosUsuario = base / kNomePasta;
    }
    l.gravavel = plataforma::PastaGravavel;
    return l;
}

fs::path PastaDoExecutavel() {
    return plataforma::ExecutavelAtual().parent_path();
}

std::optional<std::string> ProblemaDoDiretorio(std::string_view valor) {
    if (valor.empty()) {
        return std::string("a opção --diretorio recebeu um texto vazio; informe a pasta do programa "
                           "(para a pasta atual, use --diretorio .).");
    }
    if (!EhPasta(plataforma::CaminhoDeUtf8(valor))) {
        return "a pasta " + std::string(valor) + " não existe ou não é uma pasta.";
    }
    return std::nullopt;
}

PastaEscolhida EscolherPastaPrograma(const std::optional<std::string>& opcaoDiretorio,
                                     const LocaisPrograma& locais, bool preparar) {
    PastaEscolhida r;
    if (opcaoDiretorio) {
        r.origem = OrigemPasta::Opcao;
        if (const auto problema = ProblemaDoDiretorio(*opcaoDiretorio)) {
            r.erro = *problema;
            return r;
        }
        const fs::path p = plataforma::CaminhoDeUtf8(*opcaoDiretorio);
        std::error_code erro;
        const fs::path absoluta = fs::absolute(p, erro);
        r.pasta = erro ? p : absoluta.lexically_normal();
        return r;
    }

    const auto gravavel = locais.gravavel ? locais.gravavel : plataforma::PastaGravavel;
    // A portable copy: the executable's folder holds the interpretation files.
    const bool portatil =
        !locais.pastaExecutavel.empty() && TemArquivosDeInterpretacao(locais.pastaExecutavel);
    if (portatil && gravavel(locais.pastaExecutavel)) {
        r.origem = OrigemPasta::Executavel;
        r.pasta = locais.pastaExecutavel;
        return r;
    }

    if (locais.dadosUsuario.empty()) {
        r.erro = "o sistema não informa uma pasta pessoal onde o programa possa guardar os seus "
                 "dados; use a opção --diretorio.";
        return r;
    }
    if (!preparar) {
        // Only reading: the user's folder when it is ready, else the installed files.
        if (!TemTodosOsArquivosDeInterpretacao(locais.dadosUsuario) && portatil) {
            r.origem = OrigemPasta::Executavel;
            r.pasta = locais.pastaExecutavel;
        } else if (TemTodosOsArquivosDeInterpretacao(locais.dadosUsuario) ||
                   !TemArquivosDeInterpretacao(locais.dadosInstalados)) {
            r.origem = OrigemPasta::Usuario;
            r.pasta = locais.dadosUsuario;
        } else {
            r.origem = OrigemPasta::Instalada;
            r.pasta = locais.dadosInstalados;
        }
        return r;
    }

    r.origem = OrigemPasta::Usuario;
    std::error_code erro;
    fs::create_directories(locais.dadosUsuario, erro);
    if (!EhPasta(locais.dadosUsuario)) {
        r.erro = "não foi possível criar a pasta de dados \"" +
                 plataforma::Utf8DoCaminho(locais.dadosUsuario) + "\"" +
                 (erro ? " (" + erro.message() + ")" : std::string()) + ".";
        return r;
    }
    r.pasta = locais.dadosUsuario;
    if (portatil) {
        // Only the data of the copy (not the program, its libraries or its settings).
        const auto& textos = ArquivosDeInterpretacao();
        r.naoCopiados = CopiarArquivosQueFaltam(
            locais.pastaExecutavel, locais.dadosUsuario, [&textos](const std::string& n) {
                return std::find(textos.begin(), textos.end(), n) != textos.end() ||
                       (n.size() > 4 && n.compare(n.size() - 4, 4, ".wav") == 0);
            });
    }
    if (EhPasta(locais.dadosInstalados)) {
        std::vector<std::string> falhas =
            CopiarArquivosQueFaltam(locais.dadosInstalados, locais.dadosUsuario);
        for (std::string& f : falhas)
            if (std::find(r.naoCopiados.begin(), r.naoCopiados.end(), f) == r.naoCopiados.end())
                r.naoCopiados.push_back(std::move(f));
        std::sort(r.naoCopiados.begin(), r.naoCopiados.end());
    }
    return r;
}

std::vector<std::string> CopiarArquivosQueFaltam(const fs::path& origem, const fs::path& destino,
                                                 const std::function<bool(const std::string&)>& aceitar) {
    std::vector<std::string> falhas;
    std::error_code erro;
    fs::directory_iterator it(origem, erro);
    if (erro) {
        return falhas;
    }
    for (const auto& entrada : it) {
        const fs::path fonte = entrada.path();
        if (!EhArquivoRegular(fonte) || (aceitar && !aceitar(fonte.filename().string()))) {
            continue;
        }
        const fs::path alvo = destino / fonte.filename();
        std::error_code existe;
        if (fs::exists(fs::symlink_status(alvo, existe))) {
            continue; // the user's own file, or something in its place: never replaced
        }
        const fs::path temporario = fs::path(destino / fonte.filename())
                                        .concat(".copiando-" + std::to_string(plataforma::IdProcesso()));
        std::error_code falha;
        fs::remove(temporario, falha);
        bool ok = fs::copy_file(fonte, temporario, fs::copy_options::none, falha) && !falha;
        if (ok) {
            // A hard link puts the complete copy in place only when the name is still free, so
            // a file that another instance copied meanwhile is not replaced either.
            fs::create_hard_link(temporario, alvo, falha);
            if (falha && !fs::exists(fs::symlink_status(alvo, existe))) {
                falha.clear();
                fs::rename(temporario, alvo, falha); // a file system without hard links
            }
            ok = EhArquivoRegular(alvo);
        }
        fs::remove(temporario, falha);
        if (!ok) {
            falhas.push_back(plataforma::Utf8DoCaminho(fonte.filename()));
        }
    }
    std::sort(falhas.begin(), falhas.end());
    return falhas;
}

} // namespace oraculandia
