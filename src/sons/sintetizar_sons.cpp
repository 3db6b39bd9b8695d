// Synthesizes the program's three sounds as 16-bit mono PCM WAV files:
//   welcomeb.wav  a short rising chime of bell-like tones (start-up and About window)
//   aguarda.wav   a soft, seamlessly looping hum (played looped while an analysis is made)
//   virafolh.wav  the rustle of a page being turned
// Usage: sintetizar-sons PASTA
// Everything is computed (no random source other than a fixed generator), so every build
// produces the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kTaxa = 22050; // samples per second
constexpr double kDoisPi = 2.0 * std::numbers::pi;

void Escrever16(std::ofstream& f, uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}
void Escrever32(std::ofstream& f, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool GravarWav(const std::filesystem::path& caminho, const std::vector<double>& amostras) {
    const auto temporario = std::filesystem::path(caminho).concat(".tmp");
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        if (!f)
            return false;
        const uint32_t bytesDados = static_cast<uint32_t>(amostras.size() * 2);
        f.write("RIFF", 4);
        Escrever32(f, 36 + bytesDados);
        f.write("WAVEfmt ", 8);
        Escrever32(f, 16); // size of the fmt chunk
        Escrever16(f, 1);  // PCM
        Escrever16(f, 1);  // mono
        Escrever32(f, kTaxa);
        Escrever32(f, kTaxa * 2); // bytes per second
        Escrever16(f, 2);         // bytes per frame
        Escrever16(f, 16);        // bits per sample
        f.write("data", 4);
        Escrever32(f, bytesDados);
        for (double a : amostras) {
            const double limitada = std::clamp(a, -1.0, 1.0);
            const auto v = static_cast<int16_t>(std::lround(limitada * 32767.0));
            Escrever16(f, static_cast<uint16_t>(v));
        }
        if (!f)
            return false;
    }
    std::error_code erro;
    std::filesystem::rename(temporario, caminho, erro);
    return !erro;
}

// Scales the whole sound so that its loudest sample reaches `pico`.
void Normalizar(std::vector<double>& s, double pico) {
    double maior = 0;
    for (double a : s)
        maior = std::max(maior, std::abs(a));
    if (maior > 0)
        for (double& a : s)
            a *= pico / maior;
}

// A bell-like tone: a few inharmonic partials with their own decays and a soft attack.
void SomarSino(std::vector<double>& s, double inicio, double frequencia, double amplitude, double duracao) {
    struct Parcial {
        double razao, peso, decaimento;
    };
    const Parcial parciais[] = {
        {1.0, 1.0, 2.2}, {2.0, 0.45, 3.5}, {2.76, 0.22, 5.0}, {5.40, 0.10, 8.0}, {0.5, 0.12, 1.6}};
    const int n0 = static_cast<int>(inicio * kTaxa);
    const int n = static_cast<int>(duracao * kTaxa);
    for (int i = 0; i < n && n0 + i < static_cast<int>(s.size()); ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double ataque = std::min(1.0, t / 0.006);
        double v = 0;
        for (const Parcial& p : parciais)
            v += p.peso * std::exp(-p.decaimento * t) * std::sin(kDoisPi * frequencia * p.razao * t);
        s[static_cast<std::size_t>(n0 + i)] += amplitude * ataque * v;
    }
}

std::vector<double> BoasVindas() {
    // A rising arpeggio (C major with an added ninth) and a soft final chord.
    std::vector<double> s(static_cast<std::size_t>(2.6 * kTaxa), 0.0);
    const double notas[] = {523.25, 659.25, 783.99, 1046.50, 1174.66};
    for (int k = 0; k < 5; ++k)
        SomarSino(s, 0.11 * k, notas[k], 1.0 - 0.08 * k, 2.6 - 0.11 * k);
    SomarSino(s, 0.62, 261.63, 0.5, 1.9);
    // Fade the last 0.3 s to silence so the sound ends cleanly.
    const std::size_t fim = s.size();
    const std::size_t rampa = static_cast<std::size_t>(0.3 * kTaxa);
    for (std::size_t i = 0; i < rampa; ++i)
        s[fim - rampa + i] *= 1.0 - static_cast<double>(i) / static_cast<double>(rampa);
    Normalizar(s, 0.7);
    return s;
}

std::vector<double> Aguarda() {
    // Two seconds whose every component completes a whole number of cycles, so the file loops
    // without a click: a low fifth, a faint octave and a slow swell at 0.5 Hz.
    const int n = 2 * kTaxa;
    std::vector<double> s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double ondulacao = 0.65 + 0.35 * std::sin(kDoisPi * 0.5 * t);
        const double v = 0.55 * std::sin(kDoisPi * 220.0 * t) + 0.30 * std::sin(kDoisPi * 330.0 * t) +
                         0.12 * std::sin(kDoisPi * 440.0 * t) + 0.06 * std::sin(kDoisPi * 660.0 * t + 0.7);
        s[static_cast<std::size_t>(i)] = ondulacao * v;
    }
    Normalizar(s, 0.28);
    return s;
}

std::vector<double> ViraFolha() {
    // Band-limited noise under a quick swell and a longer tail, with a slight flutter: paper
    // sliding over paper.
    const int n = static_cast<int>(0.42 * kTaxa);
    std::vector<double> s(static_cast<std::size_t>(n));
    uint32_t semente = 0x2545F491u;
    double passaBaixa = 0, passaBaixa2 = 0;
    for (int i = 0; i < n; ++i) {
        semente = semente * 1664525u + 1013904223u;
        const double ruido = static_cast<double>(semente >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
        const double t = static_cast<double>(i) / kTaxa;
        // The band moves upwards as the page speeds up.
        const double corte = 0.08 + 0.25 * std::min(1.0, t / 0.25);
        passaBaixa += corte * (ruido - passaBaixa);
        passaBaixa2 += 0.02 * (passaBaixa - passaBaixa2);
        const double banda = passaBaixa - passaBaixa2;
        const double envelope = (t < 0.12 ? std::pow(t / 0.12, 1.5) : std::exp(-(t - 0.12) * 11.0));
        const double tremulo = 0.75 + 0.25 * std::sin(kDoisPi * 31.0 * t);
        s[static_cast<std::size_t>(i)] = banda * envelope * tremulo;
    }
    Normalizar(s, 0.6);
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: sintetizar-sons PASTA\n");
        return 2;
    }
    const std::filesystem::path pasta = argv[1];
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    const bool ok = GravarWav(pasta / "welcomeb.wav", BoasVindas()) &&
                    GravarWav(pasta / "aguarda.wav", Aguarda()) &&
                    GravarWav(pasta / "virafolh.wav", ViraFolha());
    if (!ok) {
        std::fprintf(stderr, "sintetizar-sons: não foi possível gravar os sons em %s\n",
                     pasta.string().c_str());
        return 1;
    }
    return 0;
}
