#include "engine/numerologia.h"

#include <cstdlib>

namespace oraculandia {

namespace {

uint64_t SomaDosDigitos(uint64_t valor) {
    uint64_t soma = 0;
    while (valor > 0) {
        soma += valor % 10;
        valor /= 10;
    }
    return soma;
}

uint64_t Modulo(int64_t n) {
    return n < 0 ? static_cast<uint64_t>(-(n + 1)) + 1 : static_cast<uint64_t>(n);
}

} // namespace

int16_t ReduzirSoma(int64_t n) {
    // The digits of the decimal text; a minus sign counts nothing. The loop runs at least once,
    // so a single digit comes back unchanged.
    uint64_t valor = Modulo(n);
    do {
        valor = SomaDosDigitos(valor);
    } while (valor >= 10);
    return static_cast<int16_t>(valor);
}

std::vector<int64_t> CadeiaReducao(int64_t total) {
    std::vector<int64_t> cadeia;
    uint64_t valor = Modulo(total);
    while (valor >= 10) {
        cadeia.push_back(static_cast<int64_t>(valor));
        valor = SomaDosDigitos(valor);
    }
    return cadeia;
}

int16_t ReduzirNumero(int16_t n) {
    return ReduzirSoma(n);
}

unsigned char MaiusculaCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned char>(c - 0x20);
    }
    // à to þ, except the division sign ÷ (0xF7), have their capitals 0x20 below.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A; // š -> Š
    case 0x9C:
        return 0x8C; // œ -> Œ
    case 0x9E:
        return 0x8E; // ž -> Ž
    case 0xFF:
        return 0x9F; // ÿ -> Ÿ
    default:
        return c; // ß and µ have no single-character capital
    }
}

unsigned char DobrarAcento(unsigned char c) {
    switch (c) {
    case 0xC1:
    case 0xC0:
    case 0xC2:
    case 0xC3:
        return 'A'; // Á À Â Ã
    case 0xC9:
    case 0xCA:
        return 'E'; // É Ê
    case 0xCD:
    case 0xCE:
    case 0xCF:
        return 'I'; // Í Î Ï
    case 0xD3:
    case 0xD4:
    case 0xD5:
        return 'O'; // Ó Ô Õ
    case 0xDA:
    case 0xDB:
    case 0xDC:
        return 'U'; // Ú Û Ü
    case 0xC7:
        return 'C'; // Ç
    default:
        return c;
    }
}

namespace {

// The letter tables work on the upper-cased character only: an accented letter that was not
// folded beforehand (the entry folds every name) is worth 0, as any other unknown character.
unsigned char Maiuscula(char c) {
    return MaiusculaCp1252(static_cast<unsigned char>(c));
}

int16_t ValorNaTabela(unsigned char c) {
    switch (c) {
    case 'A':
    case 'J':
    case 'S':
        return 1;
    case 'B':
    case 'K':
    case 'T':
        return 2;
    case 'C':
    case 'L':
    case 'U':
        return 3;
    case 'D':
    case 'M':
    case 'V':
        return 4;
    case 'E':
    case 'N':
    case 'W':
        return 5;
    case 'F':
    case 'O':
    case 'X':
        return 6;
    case 'G':
    case 'P':
    case 'Y':
        return 7;
    case 'H':
    case 'Q':
    case 'Z':
        return 8;
    case 'I':
    case 'R':
        return 9;
    default:
        return 0;
    }
}

bool EhVogal(unsigned char c) {
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'Y';
}

template <typename Valor> int64_t Somar(std::string_view nome, Valor valor) {
    // The sum is kept wide so that no name, however long, can overflow it; its reduction equals
    // the 16-bit rule wherever that one does not overflow.
    int64_t soma = 0;
    for (char c : nome) {
        soma += valor(c);
    }
    return soma;
}

} // namespace

int16_t ValorLetra(char c) {
    const unsigned char m = Maiuscula(c);
    if (m >= '0' && m <= '9') {
        return static_cast<int16_t>(m - '0');
    }
    return ValorNaTabela(m);
}

int16_t ValorConsoante(char c) {
    const unsigned char m = Maiuscula(c);
    if (EhVogal(m)) {
        return 0;
    }
    return ValorNaTabela(m);
}

int16_t ValorVogal(char c) {
    switch (Maiuscula(c)) {
    case 'A':
        return 1;
    case 'E':
        return 5;
    case 'I':
        return 9;
    case 'O':
        return 6;
    case 'U':
        return 3;
    case 'Y':
        return 7;
    default:
        return 0;
    }
}

int64_t SomaNome(std::string_view nome) {
    return Somar(nome, ValorLetra);
}
int64_t SomaConsoantes(std::string_view nome) {
    return Somar(nome, ValorConsoante);
}
int64_t SomaVogais(std::string_view nome) {
    return Somar(nome, ValorVogal);
}

int16_t ValorNome(std::string_view nome) {
    return ReduzirSoma(SomaNome(nome));
}
int16_t ValorConsoantes(std::string_view nome) {
    return ReduzirSoma(SomaConsoantes(nome));
}
int16_t ValorVogais(std::string_view nome) {
    return ReduzirSoma(SomaVogais(nome));
}

std::optional<PrimeiraVogal> AcharPrimeiraVogal(std::string_view nome) {
    static constexpr char kVogais[] = {'A', 'E', 'I', 'O', 'U', 'Y'};
    for (char c : nome) {
        const unsigned char m = Maiuscula(c);
        for (int16_t i = 0; i < 6; ++i) {
            if (m == static_cast<unsigned char>(kVogais[i])) {
                return PrimeiraVogal{kVogais[i], static_cast<int16_t>(i + 1)};
            }
        }
    }
    return std::nullopt;
}

int16_t CaracteristicaNome(std::string_view nome) {
    int64_t caracteres = 0;
    for (char c : nome) {
        if (c != ' ') {
            ++caracteres;
        }
    }
    return ReduzirSoma(caracteres);
}

int16_t NumeroRealidade(int16_t expressao, int16_t caminhoVida) {
    return ReduzirSoma(static_cast<int64_t>(expressao) + caminhoVida);
}

} // namespace oraculandia
