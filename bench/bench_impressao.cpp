// Speed of printing a full analysis into a PDF file, beside the screen rendering of the same
// analysis (goal: printing at most 1.5x the screen rendering).
//
// The analysis: a program folder whose interpretation files hold a 5120-character text in every
// record, so that all 28 sections (and the 13 introductions) are as long as the files allow.
// Both sides compose the analysis from those files first, as the program does:
//   * screen: ComporAnalise, then the section walker with the screen margins and page size,
//     recording every page into a viewer page store and drawing page 1, as the viewer does
//     (argument 2), or painting every page into a page image, kept (1) or one image reused (0),
//     as the viewer did before it recorded its pages;
//   * print: the print job (ImprimirAnalise) into a PDF file on a 1200-dpi QPrinter, with the
//     cover sheet, A4 and 10 mm margins.
// Run: build/bin/bench_impressao (the offscreen platform is chosen when there is no display).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <memory>

#include "analysis/interpretacao.h"
#include "clientes/qt/servicos_clientes.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"
#include "layout/unidades.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/trabalho_impressao.h"
#include "programa/qt/programa.h"
#include "viewer/qt/armazem_paginas.h"

using namespace oraculandia;

namespace {

using unidades::kPixelsPorMm;
constexpr float kLarguraTela = 304.8f; // the viewer's page on a 1280-pixel screen

struct Servicos : Mensagens, Sons, Relogio, Navegador {
    RespostaMensagem Mostrar(QWidget*, const QString&, const QString&, IconeMensagem,
                             BotoesMensagem) override {
        return RespostaMensagem::Ok;
    }
    void Bipe() override {}
    void Tocar(const QString&, bool) override {}
    void Parar() override {}
    QDate Hoje() const override { return QDate(2026, 12, 7); }
    void Abrir(const QUrl&) override {}
};

// A 5120-character text of ordinary Portuguese words, different for each file and record.
std::string Texto(int semente) {
    static const char* const kPalavras[] = {"numerologia",
                                            "caminho",
                                            "vida",
                                            "de",
                                            "o",
                                            "a",
                                            "que",
                                            "n\xFAmero",
                                            "energia",
                                            "voc\xEA",
                                            "com",
                                            "para",
                                            "express\xE3o",
                                            "alma",
                                            "ciclo",
                                            "realiza\xE7\xE3o",
                                            "desafio",
                                            "e",
                                            "um",
                                            "sua",
                                            "harmonia",
                                            "trabalho",
                                            "fam\xEDlia",
                                            "coragem",
                                            "sabedoria",
                                            "em",
                                            "mais",
                                            "se"};
    std::string t;
    unsigned x = static_cast<unsigned>(semente) * 2654435761u + 1;
    int palavrasNaFrase = 0;
    while (t.size() < kTamanhoRegistro) {
        x = x * 1664525u + 1013904223u;
        t += kPalavras[(x >> 16) % std::size(kPalavras)];
        if (++palavrasNaFrase > 12 && (x >> 8) % 5 == 0) {
            t += (x >> 4) % 4 == 0 ? ".\r\n\r\n" : ". ";
            palavrasNaFrase = 0;
        } else {
            t += ' ';
        }
    }
    t.resize(kTamanhoRegistro);
    return t;
}

// The program folder with every record of every interpretation file full.
const std::filesystem::path& PastaCheia() {
    static QTemporaryDir pasta;
    static const std::filesystem::path caminho = [] {
        const std::filesystem::path p(pasta.path().toStdString());
        const char* const arquivos[] = {
            "CDATA",    "CVIDA",    "CFORM",    "CPROD",    "CCOLH",    "CDNAS",    "DESNASC",  "PRESNASC",
            "APICES",   "DESVIDA",  "INDSAUDE", "INTANOUN", "INTMESUN", "INTDIAUN", "INTANOPS", "INTMESPS",
            "INTDIAPS", "INTEXEXP", "IMPXALMA", "EUXSILEN", "INTVOG",   "INTNOME",  "INTREALI"};
        int semente = 0;
        for (const char* nome : arquivos)
            for (int16_t r = 1; r <= 13; ++r)
                GravarInterpretacao(p, r, std::string(nome) + ".DAT", Texto(++semente));
        return p;
    }();
    return caminho;
}

struct Ambiente {
    Servicos servicos;
    ServicosImpressaoQt impressao;
    ServicosClientesQt clientes;
    Programa programa{PastaCheia(), servicos, servicos, servicos, servicos, impressao, clientes};
    Ambiente() {
        programa.NomeCompleto = "MARIA DA CONCEICAO";
        programa.DataNascimento = "15/03/1970";
        programa.Rodape = LinhasRodapeIniciais();
        programa.Configuracao.PretoEmBranco = kDesligado;
    }
};

QImage PaginaTela() {
    QImage p(static_cast<int>(std::lround(kLarguraTela * kPixelsPorMm)),
             static_cast<int>(std::lround(297 * kPixelsPorMm)), QImage::Format_RGB32);
    p.setDotsPerMeterX(3780);
    p.setDotsPerMeterY(3780);
    p.fill(Qt::white);
    return p;
}

class AlvoTela : public AlvoPaginas {
public:
    explicit AlvoTela(bool guardar) : guardar_(guardar) { Abrir(); }
    SuperficieDesenho& Superficie() override { return *sup_; }
    void NovaFolha() override { Abrir(); }
    std::deque<QImage> paginas;

private:
    void Abrir() {
        sup_.reset();
        if (guardar_ || paginas.empty())
            paginas.push_back(PaginaTela());
        else
            paginas.back().fill(Qt::white);
        sup_ = std::make_unique<SuperficieQt>(&paginas.back());
    }
    bool guardar_;
    std::unique_ptr<SuperficieQt> sup_;
};

// The viewer's page store as a page target.
class AlvoArmazem : public AlvoPaginas {
public:
    explicit AlvoArmazem(ArmazemPaginas& armazem) : armazem_(armazem) { armazem_.GravarPagina(0); }
    SuperficieDesenho& Superficie() override { return *armazem_.PaginaEmGravacao(indice_); }
    void NovaFolha() override { armazem_.GravarPagina(++indice_); }

private:
    ArmazemPaginas& armazem_;
    int indice_ = 0;
};

void BM_AnaliseNaTela(benchmark::State& estado) {
    Ambiente a;
    int paginas = 0;
    const bool gravar = estado.range(0) == 2;
    // Second argument 1: the sections after the 28 too, as the program draws them; 0: the 28 alone.
    ComplementosRelatorio complementos;
    if (estado.range(1) != 0)
        complementos = a.programa.ComplementosDoRelatorio();
    for (auto _ : estado) {
        a.programa.ComporAnalise();
        ContextoPagina ctx;
        ctx.MargensImpressao = {10, 5, 10, 5};
        ctx.CabecalhoLinhaUm = a.programa.Rodape.CabecalhoLinhaUm;
        ctx.RodapeLinhaUm = a.programa.Rodape.RodapeLinhaUm;
        ctx.RodapeLinhaDois = a.programa.Rodape.RodapeLinhaDois;
        ctx.NomeCompleto = a.programa.NomeCompleto;
        ctx.DataNascimento = a.programa.DataNascimento;
        Paginacao p(ctx);
        const GeometriaPagina geometria{kLarguraTela, 297, 272};
        if (gravar) {
            ArmazemPaginas armazem(kLarguraTela, 297, kPixelsPorMm);
            AlvoArmazem alvo(armazem);
            paginas = ImprimirSecoes(alvo, p, geometria, a.programa.Secoes, complementos,
                                     a.programa.Configuracao, a.programa.Fontes)
                          .value();
            armazem.TerminarGravacao();
            benchmark::DoNotOptimize(armazem.Imagem(1, 1).value().constBits());
            continue;
        }
        AlvoTela alvo(estado.range(0) != 0);
        paginas = ImprimirSecoes(alvo, p, geometria, a.programa.Secoes, complementos, a.programa.Configuracao,
                                 a.programa.Fontes)
                      .value();
        benchmark::DoNotOptimize(alvo.paginas.back().constBits());
    }
    estado.counters["paginas"] = paginas;
}

void BM_AnaliseEmPdf(benchmark::State& estado) {
    Ambiente a;
    a.programa.MargensImpressao = {10, 10, 10, 10};
    a.programa.Configuracao.PretoEmBranco = estado.range(0) != 0 ? kLigado : kDesligado;
    QTemporaryDir saida;
    const QString arquivo = saida.filePath(QStringLiteral("analise.pdf"));
    const QPageLayout pagina = QPdfWriter(QString{}).pageLayout();
    int paginas = 0;
    for (auto _ : estado) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(pagina);
        pdf.setOutputFileName(arquivo);
        const ResultadoImpressao r = ImprimirAnalise(a.programa, pdf, true);
        if (!r) {
            estado.SkipWithError("the print job failed");
            break;
        }
        paginas = *r;
    }
    estado.counters["paginas"] = paginas;
}

} // namespace

// Argument 2: the page store of the viewer (pages recorded, page 1 drawn). 1: every page image
// is kept, as the viewer kept them before; 0: one page image is reused (layout and painting
// alone).
BENCHMARK(BM_AnaliseNaTela)->ArgsProduct({{2, 1, 0}, {1, 0}})->Unit(benchmark::kMillisecond)->MinTime(2.0);
// Argument 0: colour; 1: black and white (pictures drawn as grey images).
BENCHMARK(BM_AnaliseEmPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
