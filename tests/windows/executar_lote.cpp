// Test tool, for Windows only (run under Wine by scripts/testar-wine.sh): runs one program once for
// each case of a batch, inside a single Windows session, so that hundreds of runs cost one start
// of the system's emulation rather than one each.
//
//   executar_lote.exe PROGRAMA CASOS SAIDA
//
// CASOS holds the cases one after another, each argument as UTF-8 text ended by a zero byte and
// each case ended by an argument that is the single byte 0x1E. Case n (from 1) runs PROGRAMA with
// its arguments, quoted in the command line so that the program's own reading gets them back
// exactly, with standard output in SAIDA\n.out, standard error in SAIDA\n.err and the exit
// status, in decimal, in SAIDA\n.rc. An argument starting with @PASTA_ATUAL@ gets the current
// folder's path in its place. PARALELOS cases (default 1) run at the same time. Exit
// status 0 when every case could be started.

// windows.h first: shellapi.h needs its definitions.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::wstring Largo(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring r(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), r.data(), n);
    return r;
}

std::string Utf8(const std::wstring& largo) {
    if (largo.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), nullptr, 0,
                                        nullptr, nullptr);
    std::string r(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, largo.data(), static_cast<int>(largo.size()), r.data(), n, nullptr,
                          nullptr);
    return r;
}

// An argument that starts with this stands for the current folder's full path, followed by the
// rest of the argument: the same case names a folder by its absolute path on either system.
constexpr const char* kPastaAtual = "@PASTA_ATUAL@";

// The quoting that CommandLineToArgvW and the C runtime undo: backslashes are literal except
// before a double quote, where they are doubled, and the quote itself is escaped.
void AcrescentarArgumento(std::wstring& linha, const std::wstring& arg) {
    if (!linha.empty()) {
        linha += L' ';
    }
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        linha += arg;
        return;
    }
    linha += L'"';
    std::size_t barras = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++barras;
            continue;
        }
        linha.append(c == L'"' ? 2 * barras + 1 : barras, L'\\');
        barras = 0;
        linha += c;
    }
    linha.append(2 * barras, L'\\');
    linha += L'"';
}

HANDLE Criar(const std::wstring& caminho) {
    SECURITY_ATTRIBUTES herdavel{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(caminho.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &herdavel, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One case started: its process, and where its exit status goes.
struct EmCurso {
    HANDLE processo;
    std::wstring base;
};

std::optional<EmCurso> Iniciar(const std::wstring& programa, const std::vector<std::string>& args,
                               const std::wstring& base) {
    std::wstring linha;
    AcrescentarArgumento(linha, programa);
    for (const auto& a : args) {
        AcrescentarArgumento(linha, Largo(a));
    }
    SECURITY_ATTRIBUTES herdavel{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE entrada = ::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &herdavel,
                                   OPEN_EXISTING, 0, nullptr);
    HANDLE saida = Criar(base + L".out");
    HANDLE erros = Criar(base + L".err");
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = entrada;
    si.hStdOutput = saida;
    si.hStdError = erros;
    PROCESS_INFORMATION pi{};
    // The three handles are inherited by this process only: they are closed here before the next
    // case is started.
    const bool iniciado = ::CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                           nullptr, &si, &pi) != 0;
    const DWORD erro = ::GetLastError();
    ::CloseHandle(entrada);
    ::CloseHandle(saida);
    ::CloseHandle(erros);
    if (!iniciado) {
        ::SetLastError(erro);
        return std::nullopt;
    }
    ::CloseHandle(pi.hThread);
    return EmCurso{pi.hProcess, base};
}

void Concluir(const EmCurso& caso) {
    ::WaitForSingleObject(caso.processo, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(caso.processo, &status);
    ::CloseHandle(caso.processo);
    std::ofstream((caso.base + L".rc").c_str()) << status << '\n';
}

// Waits for one of the running cases to end and records it.
void ConcluirUm(std::vector<EmCurso>& ativos) {
    std::vector<HANDLE> processos;
    for (const auto& a : ativos) {
        processos.push_back(a.processo);
    }
    const DWORD r =
        ::WaitForMultipleObjects(static_cast<DWORD>(processos.size()), processos.data(), FALSE, INFINITE);
    const std::size_t i = r >= WAIT_OBJECT_0 && r < WAIT_OBJECT_0 + processos.size() ? r - WAIT_OBJECT_0 : 0;
    Concluir(ativos[i]);
    ativos.erase(ativos.begin() + static_cast<std::ptrdiff_t>(i));
}

} // namespace

int main() {
    int n = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (argv == nullptr || n < 4 || n > 5) {
        std::fputs("uso: executar_lote PROGRAMA CASOS SAIDA [PARALELOS]\n", stderr);
        return 2;
    }
    const std::wstring programa = argv[1];
    std::ifstream arquivo(argv[2], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
    const std::wstring saida = argv[3];
    const std::size_t paralelos = n == 5 ? std::max(1, _wtoi(argv[4])) : 1;
    std::vector<EmCurso> ativos;
    std::wstring atual(MAX_PATH, L'\0');
    atual.resize(::GetCurrentDirectoryW(static_cast<DWORD>(atual.size()), atual.data()));
    const std::string pastaAtual = Utf8(atual);
    int caso = 0, falhas = 0;
    std::vector<std::string> args;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = bytes.find('\0', inicio)) != std::string::npos; inicio = fim + 1) {
        std::string arg = bytes.substr(inicio, fim - inicio);
        if (arg.rfind(kPastaAtual, 0) == 0) {
            arg = pastaAtual + arg.substr(std::string_view(kPastaAtual).size());
        }
        if (arg != "\x1e") {
            args.push_back(std::move(arg));
            continue;
        }
        ++caso;
        if (ativos.size() >= paralelos) {
            ConcluirUm(ativos);
        }
        if (auto iniciado = Iniciar(programa, args, saida + L"\\" + std::to_wstring(caso))) {
            ativos.push_back(std::move(*iniciado));
        } else {
            std::fprintf(stderr, "executar_lote: o caso %d não pôde ser iniciado (erro %lu)\n", caso,
                         ::GetLastError());
            ++falhas;
        }
        args.clear();
    }
    for (const auto& a : ativos) {
        Concluir(a);
    }
    ::LocalFree(argv);
    return falhas == 0 ? 0 : 1;
}
