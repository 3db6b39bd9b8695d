#include "ferramentas/textos_fonte.h"

#include "engine/cp1252.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace oraculandia::textos {

namespace {

std::string Hex(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

bool EhBranco(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Aparar(std::string_view s) {
    while (!s.empty() && EhBranco(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && EhBranco(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Bytes that Windows-1252 leaves undefined, and control characters: neither belongs in a text
// that the program lays out (line breaks excepted).
bool EhControle(unsigned char b) {
    if (b == '\r' || b == '\n') {
        return false;
    }
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

struct RegistroAberto {
    int numero = 0;
    std::size_t linha = 0; // line of its marker
    std::vector<std::string_view> linhas;
    bool valido = true; // false for a refused marker: its lines are skipped
};

// Reads the number of a marker line "@@ N"; -1 when the line is not a well-formed marker.
long NumeroDoMarcador(std::string_view linha) {
    std::string_view resto = linha.substr(2);
    if (resto.empty() || resto.front() != ' ') {
        return -1;
    }
    resto = Aparar(resto);
    if (resto.empty() || resto.size() > 6 ||
        !std::all_of(resto.begin(), resto.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stol(std::string(resto));
}

} // namespace

const std::vector<std::string>& NomesArquivos() {
    static const std::vector<std::string> nomes = {
        "CDATA",    "CVIDA",    "CFORM",    "CPROD",    "CCOLH",    "CDNAS",    "DESNASC",
        "PRESNASC", "APICES",   "DESVIDA",  "INDSAUDE", "INTANOUN", "INTMESUN", "INTDIAUN",
        "INTANOPS", "INTMESPS", "INTDIAPS", "INTEXEXP", "IMPXALMA", "EUXSILEN", "INTVOG",
        "INTNOME",  "INTREALI", "LICOESC",  "DIVIDASC", "TENDOCUL", "PAIXOCUL", "RESPSUBC",
        "NUMMESTR", "PREVANO",  "PREVMES",  "PREVDIA",  "HARMONIA"};
    return nomes;
}

int RegistroMaximo(std::string_view nome) {
    const auto& nomes = NomesArquivos();
    if (std::find(nomes.begin(), nomes.end(), nome) == nomes.end()) {
        return 0;
    }
    if (nome == "CDATA") {
        return 20; // 1 to 13 for the 28 sections, 14 to 20 for the sections after them
    }
    if (nome == "DIVIDASC") {
        return 19; // the debts 13, 14, 16 and 19 are their own record numbers
    }
    if (nome == "NUMMESTR") {
        return 15; // 11, 22 and 33 in each of the five positions
    }
    if (nome == "DESNASC" || nome == "PRESNASC" || nome == "INDSAUDE") {
        return 10;
    }
    if (nome == "HARMONIA") {
        return 24; // five pairs of numbers times four relations, then the four overall readings
    }
    // INTVOG: the composition reads 1 to 6, but the editor reaches 7 to 9 as well.
    return 9;
}

bool TerminaComQuebraDeLinha(std::string_view nomeArquivo) {
    return nomeArquivo == "DESNASC";
}

ResultadoFonte LerFonte(std::string_view nomeArquivo, std::string_view conteudo) {
    Registros registros;
    std::vector<std::string> erros;
    const std::string arquivo = std::string(nomeArquivo) + ".txt";
    const int maximo = RegistroMaximo(nomeArquivo);
    auto erro = [&](std::string msg) { erros.push_back(arquivo + ", " + std::move(msg)); };

    if (conteudo.starts_with("\xEF\xBB\xBF")) {
        conteudo.remove_prefix(3);
    }

    std::vector<RegistroAberto> abertos;
    std::map<int, std::size_t> linhaDoRegistro;
    bool textoAntes = false;
    std::size_t numeroLinha = 0;
    std::size_t inicio = 0;
    while (inicio <= conteudo.size()) {
        std::size_t fim = conteudo.find('\n', inicio);
        if (fim == std::string_view::npos) {
            fim = conteudo.size();
        }
        std::string_view linha = conteudo.substr(inicio, fim - inicio);
        if (!linha.empty() && linha.back() == '\r') {
            linha.remove_suffix(1);
        }
        ++numeroLinha;
        inicio = fim + 1;

        if (linha.starts_with("@@")) {
            RegistroAberto novo;
            novo.linha = numeroLinha;
            const long n = NumeroDoMarcador(linha);
            if (n < 0) {
                erro("linha " + std::to_string(numeroLinha) + ": marcador inválido \"" + std::string(linha) +
                     "\"; escreva \"@@ \" seguido do número do registro.");
                novo.valido = false;
            } else if (n < 1 || n > maximo) {
                erro("linha " + std::to_string(numeroLinha) + ": o registro " + std::to_string(n) +
                     " está fora da faixa deste arquivo (1 a " + std::to_string(maximo) + ").");
                novo.valido = false;
            } else if (auto ja = linhaDoRegistro.find(static_cast<int>(n)); ja != linhaDoRegistro.end()) {
                erro("linha " + std::to_string(numeroLinha) + ": o registro " + std::to_string(n) +
                     " aparece duas vezes (a primeira na linha " + std::to_string(ja->second) + ").");
                novo.valido = false;
            } else {
                novo.numero = static_cast<int>(n);
                linhaDoRegistro[novo.numero] = numeroLinha;
            }
            abertos.push_back(std::move(novo));
        } else if (abertos.empty()) {
            if (!Aparar(linha).empty() && !textoAntes) {
                textoAntes = true;
                erro("linha " + std::to_string(numeroLinha) +
                     ": há texto antes do primeiro marcador \"@@ N\".");
            }
        } else {
            abertos.back().linhas.push_back(linha);
        }
        if (fim == conteudo.size()) {
            break;
        }
    }

    for (const auto& reg : abertos) {
        if (!reg.valido) {
            continue;
        }
        std::string utf8;
        for (std::size_t i = 0; i < reg.linhas.size(); ++i) {
            if (i > 0) {
                utf8 += "\r\n";
            }
            utf8 += reg.linhas[i];
        }
        const std::string_view texto = Aparar(utf8);
        const std::string rotulo =
            "registro " + std::to_string(reg.numero) + " (linha " + std::to_string(reg.linha) + "): ";
        ConversaoCp1252 conv = Utf8ParaCp1252(texto);
        if (!conv.ok()) {
            std::string lista;
            for (char32_t c : conv.invalidos) {
                if (!lista.empty()) {
                    lista += ", ";
                }
                lista += "\xE2\x80\x9C" + CodigoParaUtf8(c) + "\xE2\x80\x9D (" + Hex(c) + ")";
            }
            std::string msg = rotulo + "caracteres que o Windows-1252 não representa: " + lista;
            if (std::find(conv.invalidos.begin(), conv.invalidos.end(), U'\uFFFD') != conv.invalidos.end()) {
                msg += " (U+FFFD indica também UTF-8 malformado)";
            }
            erro(msg + ".");
            continue;
        }
        std::string controles;
        for (char ch : conv.texto) {
            const auto b = static_cast<unsigned char>(ch);
            const std::string h = Hex(Cp1252ParaUnicode(b));
            if (EhControle(b) && controles.find(h) == std::string::npos) {
                controles += (controles.empty() ? "" : ", ") + h;
            }
        }
        if (!controles.empty()) {
            erro(rotulo + "caracteres de controle no texto: " + controles + ".");
            continue;
        }
        // The birth-day challenge texts are printed one after another when the challenge is 0,
        // each followed by a line break of the analysis: ending each with a line break of its own
        // puts a blank line between them.
        if (!conv.texto.empty() && TerminaComQuebraDeLinha(nomeArquivo)) {
            conv.texto += "\r\n";
        }
        if (conv.texto.size() > kBytesRegistro) {
            erro(rotulo + "o texto tem " + std::to_string(conv.texto.size()) +
                 " caracteres em Windows-1252; o máximo é " + std::to_string(kBytesRegistro) + ".");
            continue;
        }
        if (!conv.texto.empty()) {
            registros[reg.numero] = std::move(conv.texto);
        }
    }
    if (!erros.empty()) {
        return Falha(std::move(erros));
    }
    return registros;
}

std::string MontarDat(const Registros& registros) {
    if (registros.empty()) {
        return {};
    }
    const int maior = registros.rbegin()->first;
    std::string bytes(static_cast<std::size_t>(maior) * kBytesRegistro, ' ');
    for (const auto& [numero, texto] : registros) {
        if (numero < 1 || texto.size() > kBytesRegistro) {
            throw std::invalid_argument("registro inválido para MontarDat");
        }
        std::copy(texto.begin(), texto.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>((numero - 1) * kBytesRegistro));
    }
    return bytes;
}

Registros DesmontarDat(std::string_view bytes) {
    Registros r;
    int numero = 1;
    for (std::size_t pos = 0; pos < bytes.size(); pos += kBytesRegistro, ++numero) {
        std::string_view campo = bytes.substr(pos, kBytesRegistro);
        while (!campo.empty() && campo.front() == ' ') {
            campo.remove_prefix(1);
        }
        while (!campo.empty() && campo.back() == ' ') {
            campo.remove_suffix(1);
        }
        if (!campo.empty()) {
            r[numero] = std::string(campo);
        }
    }
    return r;
}

namespace {

bool LerArquivo(const std::filesystem::path& caminho, std::string& conteudo) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) {
        return false;
    }
    conteudo.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

// Writes through a temporary file in the same folder, renamed over the target only when
// complete, so that a reader never sees a half-written file.
bool GravarInteiro(const std::filesystem::path& destino, const std::string& bytes) {
    std::filesystem::path temporario = destino;
    temporario += ".novo";
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        if (!f) {
            return false;
        }
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.close();
        if (!f) {
            std::error_code ec;
            std::filesystem::remove(temporario, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporario, destino, ec);
    if (ec) {
        std::filesystem::remove(temporario, ec);
        return false;
    }
    return true;
}

} // namespace

int Empacotar(const std::filesystem::path& pastaFontes, const std::filesystem::path& pastaSaida,
              std::ostream& erros) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_directory(pastaFontes, ec)) {
        erros << "Erro: a pasta dos textos " << pastaFontes.string() << " não existe.\n";
        return 1;
    }

    const auto& nomes = NomesArquivos();
    std::vector<std::string> mensagens;
    std::vector<std::string> desconhecidos;
    for (const auto& entrada : fs::directory_iterator(pastaFontes, ec)) {
        const std::string nome = entrada.path().filename().string();
        if (nome.starts_with(".")) {
            continue; // editor swap files and the like
        }
        const bool conhecido =
            entrada.path().extension() == ".txt" &&
            std::find(nomes.begin(), nomes.end(), entrada.path().stem().string()) != nomes.end();
        if (!conhecido) {
            desconhecidos.push_back(nome);
        }
    }
    if (ec) {
        erros << "Erro: não foi possível listar a pasta " << pastaFontes.string() << ".\n";
        return 1;
    }
    std::sort(desconhecidos.begin(), desconhecidos.end());
    for (const auto& nome : desconhecidos) {
        mensagens.push_back(nome +
                            ": nome de arquivo desconhecido; cada arquivo da pasta deve ter o nome "
                            "de um dos " +
                            std::to_string(nomes.size()) +
                            " arquivos de interpretação seguido de \".txt\" (por exemplo CVIDA.txt).");
    }

    std::vector<std::string> dats;
    for (const auto& nome : nomes) {
        const fs::path fonte = pastaFontes / (nome + ".txt");
        Registros registros;
        if (fs::exists(fonte, ec)) {
            std::string conteudo;
            if (!LerArquivo(fonte, conteudo)) {
                mensagens.push_back(nome + ".txt: não foi possível ler o arquivo.");
            } else {
                ResultadoFonte lido = LerFonte(nome, conteudo);
                if (lido) {
                    registros = std::move(*lido);
                } else {
                    mensagens.insert(mensagens.end(), lido.error().begin(), lido.error().end());
                }
            }
        }
        dats.push_back(MontarDat(registros));
    }
    if (!mensagens.empty()) {
        for (const auto& m : mensagens) {
            erros << "Erro: " << m << '\n';
        }
        erros << "Nenhum arquivo .DAT foi gravado.\n";
        return 1;
    }

    fs::create_directories(pastaSaida, ec);
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        const fs::path destino = pastaSaida / (nomes[i] + ".DAT");
        if (!GravarInteiro(destino, dats[i])) {
            erros << "Erro: não foi possível gravar " << destino.string() << ".\n";
            return 1;
        }
    }
    return 0;
}

} // namespace oraculandia::textos
