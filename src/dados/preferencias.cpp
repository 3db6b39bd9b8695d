#include "dados/preferencias.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <system_error>

#include "dados/plataforma.h"

namespace oraculandia {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kTamanhoMaximoValor = 1000;

// Length of the UTF-8 sequence starting at s[i], or 0 when it is malformed (overlong forms,
// surrogates and code points past U+10FFFF included).
std::size_t SequenciaUtf8(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    uint32_t cp = 0;
    if ((b & 0xE0) == 0xC0) {
        n = 2;
        cp = b & 0x1Fu;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3;
        cp = b & 0x0Fu;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4;
        cp = b & 0x07u;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (c & 0x3Fu);
    }
    constexpr uint32_t kMinimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimo[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return n;
}

bool Utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = SequenciaUtf8(s, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

// Reads the whole file when it is a regular file within the size limit and valid UTF-8.
// Nothing when it is missing (`ausente` set) or unusable.
std::optional<std::string> LerArquivo(const fs::path& caminho, bool& ausente) {
    ausente = false;
    arquivos::Situacao s = arquivos::Situacao::Ilegivel;
    const auto trecho = arquivos::Ler(caminho, 0, kTamanhoMaximoPreferencias + 1, false, &s);
    if (!trecho) {
        ausente = s == arquivos::Situacao::Ausente;
        return std::nullopt;
    }
    if (trecho->tamanho > kTamanhoMaximoPreferencias || !Utf8Valido(trecho->bytes)) {
        return std::nullopt;
    }
    return trecho->bytes;
}

} // namespace

bool NomeChaveValido(std::string_view nome) {
    if (nome.empty() || nome.size() > 64) {
        return false;
    }
    for (const char c : nome) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '.' || c == '_' || c == '-';
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool ValorValido(std::string_view valor) {
    if (valor.size() > kTamanhoMaximoValor || !Utf8Valido(valor)) {
        return false;
    }
    for (const char c : valor) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            return false;
        }
    }
    // C1 control characters (U+0080 to U+009F), encoded as C2 80 to C2 9F.
    for (std::size_t i = 0; i + 1 < valor.size(); ++i) {
        if (static_cast<unsigned char>(valor[i]) == 0xC2 &&
            static_cast<unsigned char>(valor[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(valor[i + 1]) <= 0x9F) {
            return false;
        }
    }
    return true;
}

const std::string* Preferencias::Valor(std::string_view nome) const {
    const auto it = valores_.find(std::string(nome));
    return it == valores_.end() ? nullptr : &it->second;
}

void Preferencias::Definir(std::string_view nome, std::string valor) {
    if (!NomeChaveValido(nome)) {
        return;
    }
    valores_[std::string(nome)] = std::move(valor);
    alteradas_.insert(std::string(nome));
}

void Preferencias::ValorLido(std::string nome, std::string valor) {
    if (NomeChaveValido(nome) && ValorValido(valor)) {
        valores_[std::move(nome)] = std::move(valor);
    }
}

bool Preferencias::Chave(std::string_view nome, bool padrao) const {
    const std::string* v = Valor(nome);
    if (v == nullptr) {
        return padrao;
    }
    if (*v == "sim") {
        return true;
    }
    if (*v == "nao") {
        return false;
    }
    return padrao;
}

void Preferencias::DefinirChave(std::string_view nome, bool valor) {
    Definir(nome, valor ? "sim" : "nao");
}

int Preferencias::Inteiro(std::string_view nome, int minimo, int maximo, int padrao) const {
    const std::string* v = Valor(nome);
    if (v == nullptr || v->empty()) {
        return padrao;
    }
    int n = 0;
    const char* fim = v->data() + v->size();
    const auto r = std::from_chars(v->data(), fim, n);
    if (r.ec != std::errc{} || r.ptr != fim || n < minimo || n > maximo) {
        return padrao;
    }
    return n;
}

void Preferencias::DefinirInteiro(std::string_view nome, int valor) {
    Definir(nome, std::to_string(valor));
}

std::string Preferencias::Texto(std::string_view nome, std::string_view padrao) const {
    const std::string* v = Valor(nome);
    return v == nullptr ? std::string(padrao) : *v;
}

bool Preferencias::DefinirTexto(std::string_view nome, std::string_view valor) {
    if (!NomeChaveValido(nome) || !ValorValido(valor)) {
        return false;
    }
    Definir(nome, std::string(valor));
    return true;
}

std::string SerializarPreferencias(const Preferencias& p) {
    std::string s = "# Oraculandia: preferências do programa (chave=valor)\n";
    for (const auto& [chave, valor] : p.Valores()) {
        s += chave;
        s += '=';
        s += valor;
        s += '\n';
    }
    return s;
}

Preferencias DesserializarPreferencias(std::string_view texto) {
    Preferencias p;
    if (texto.size() >= 3 && texto.substr(0, 3) == "\xEF\xBB\xBF") {
        texto.remove_prefix(3); // a byte order mark left by a text editor
    }
    while (!texto.empty()) {
        const std::size_t fim = texto.find('\n');
        std::string_view linha = texto.substr(0, fim);
        texto = fim == std::string_view::npos ? std::string_view{} : texto.substr(fim + 1);
        if (!linha.empty() && linha.back() == '\r') {
            linha.remove_suffix(1);
        }
        if (linha.empty() || linha.front() == '#') {
            continue;
        }
        const std::size_t igual = linha.find('=');
        if (igual == std::string_view::npos) {
            continue;
        }
        p.ValorLido(std::string(linha.substr(0, igual)), std::string(linha.substr(igual + 1)));
    }
    return p;
}

Preferencias CarregarPreferencias(const fs::path& pastaPrograma, EstadoArquivo* estado) {
    bool ausente = false;
    const auto texto = LerArquivo(pastaPrograma / kArquivoPreferencias, ausente);
    EstadoArquivo e = EstadoArquivo::Ilegivel;
    Preferencias p;
    if (texto) {
        e = texto->empty() ? EstadoArquivo::Padrao : EstadoArquivo::Lido;
        p = DesserializarPreferencias(*texto);
    } else if (ausente) {
        e = EstadoArquivo::Padrao;
    }
    if (estado != nullptr) {
        *estado = e;
    }
    return p;
}

bool SalvarPreferencias(const fs::path& pastaPrograma, const Preferencias& p) {
    const fs::path caminho = pastaPrograma / kArquivoPreferencias;
    bool ausente = false;
    const auto atual = LerArquivo(caminho, ausente);
    if (!atual && !ausente) {
        return false; // something we cannot read: never written over
    }
    // What another program saved meanwhile stays; only this run's changes go over it.
    Preferencias novo = atual ? DesserializarPreferencias(*atual) : Preferencias{};
    for (const auto& chave : p.Alteradas()) {
        const auto it = p.Valores().find(chave);
        if (it != p.Valores().end()) {
            novo.ValorLido(chave, it->second);
        }
    }
    const std::string bytes = SerializarPreferencias(novo);
    const fs::path temporario = pastaPrograma / (std::string(kArquivoPreferencias) + ".gravando-" +
                                                 std::to_string(plataforma::IdProcesso()));
    std::error_code erro;
    fs::remove(temporario, erro);
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        saida.flush();
        if (!saida) {
            saida.close();
            fs::remove(temporario, erro);
            return false;
        }
    }
    // Checked after closing: a full disk may only show then.
    if (fs::file_size(temporario, erro) != bytes.size() || erro) {
        fs::remove(temporario, erro);
        return false;
    }
    fs::rename(temporario, caminho, erro);
    if (erro) {
        std::error_code outro;
        fs::remove(temporario, outro);
        return false;
    }
    return true;
}

} // namespace oraculandia
