// Speed and memory of the monitor rendering and of the viewer, each beside a baseline, in one run:
//   * opening an analysis whose 28 interpretation texts are all 5120 characters: the layout
//     records every page into the viewer's page store and page 1 is drawn and shown
//     (BM_Abertura_Armazem, goal: at most 0.5x) beside the former way, every page painted into a
//     page image that is kept (BM_Renderizacao_Oraculandia/1), and beside QTextDocument laying out
//     and painting the same texts, justified, into pages of the same size;
//   * a page turn of the viewer to the page beside the one shown (ExibePagina and the repaint of
//     the page surface; the pages beside were drawn ahead between turns, as the viewer does when
//     idle), beside one drawImage of a page image (goal: at most 2x);
//   * a jump to a page far away, not drawn yet (ExibePagina of a page whose image is not kept),
//     beside laying out and painting one page from scratch, the average over the analysis of the
//     former rendering (goal: at most 1.5x);
//   * the bytes held by the page store (display lists and page images) for this analysis and for
//     one of about 1,000 pages (each text 61 times as long), after paging through it;
//   * the analysis with a 200-point body font (BM_Abertura_Fonte200): pages and time; run it alone
//     under /usr/bin/time -v for the peak memory.
// Every page is as wide as the viewer's page on the screen the program runs on (90% of it).
// Run: build/bin/bench_renderizacao (the offscreen platform is chosen when there is no display).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <deque>
#include <filesystem>
#include <memory>

#include "clientes/qt/servicos_clientes.h"
#include "engine/cp1252.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/programa.h"
#include "viewer/qt/armazem_paginas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;

namespace {

constexpr int kTamanhoTexto = 5120;

double PixelsPorMm() {
    return frmExibeRelatorio::PixelsPorMm();
}
// The viewer's page width on this screen.
float LarguraPagina() {
    return static_cast<float>(frmExibeRelatorio::LarguraTelaMm() * 0.9);
}

// Real interpretation prose from the sources, cut into texts of `copias` x 5120 characters.
std::string Texto(int c, int copias) {
    static std::string fonte = [] {
        std::string t;
        const auto pasta = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "textos";
        for (const char* nome : {"CVIDA.txt", "INTEXEXP.txt", "IMPXALMA.txt", "CPROD.txt"}) {
            QFile f(QString::fromStdString((pasta / nome).string()));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray& linha : f.readAll().split('\n')) {
                if (linha.startsWith("@@"))
                    continue;
                if (linha.trimmed().isEmpty()) {
                    if (!t.empty() && t.back() != '\n')
                        t += "\r\n\r\n";
                    continue;
                }
                if (!t.empty() && t.back() != '\n')
                    t += ' ';
                t += Utf8ParaCp1252(linha.trimmed().toStdString()).texto;
            }
        }
        if (t.size() < 1000)
            for (int i = 0; i < 400; ++i)
                t += "Texto de interpreta\xE7\xE3o com palavras de tamanhos variados. ";
        return t;
    }();
    const std::size_t tamanho = static_cast<std::size_t>(kTamanhoTexto) * static_cast<std::size_t>(copias);
    std::string r;
    std::size_t inicio = static_cast<std::size_t>(c) * 997 % fonte.size();
    while (r.size() < tamanho)
        r += fonte.substr(inicio), inicio = 0;
    r.resize(tamanho);
    return r;
}

SecoesAnalise Analise(int copias = 1) {
    SecoesAnalise s;
    for (int c = 1; c <= kNumeroCalculos; ++c) {
        s[c].Titulo = "Interpreta\xE7\xE3o do c\xE1lculo " + std::to_string(c) + ":";
        s[c].Texto = Texto(c, copias);
        s[c].Numero = std::to_string(c % 9 + 1);
    }
    return s;
}

ContextoPagina Contexto() {
    ContextoPagina ctx;
    ctx.MargensImpressao = {10, 5, 10, 5};
    ctx.NomeCompleto = "MARIA DA CONCEICAO";
    ctx.DataNascimento = "15/03/1970";
    ctx.CabecalhoLinhaUm = "Sua vida atrav\xE9s da Oraculandia";
    return ctx;
}

ConfiguracaoPrograma Configuracao() {
    ConfiguracaoPrograma cfg;
    cfg.ImprimirDescricao = kDesligado;
    return cfg;
}

QImage PaginaVazia() {
    QImage p(static_cast<int>(std::lround(LarguraPagina() * PixelsPorMm())),
             static_cast<int>(std::lround(297 * PixelsPorMm())), QImage::Format_RGB32);
    p.setDotsPerMeterX(3780);
    p.setDotsPerMeterY(3780);
    p.fill(Qt::white);
    return p;
}

// The former page store: every page painted into its own page image.
class AlvoImagens : public AlvoPaginas {
public:
    explicit AlvoImagens(bool guardar) : guardar_(guardar) { Abrir(); }
    SuperficieDesenho& Superficie() override { return *sup_; }
    void NovaFolha() override { Abrir(); }
    std::deque<QImage> paginas; // a page being painted never moves

private:
    void Abrir() {
        sup_.reset();
        if (guardar_ || paginas.empty())
            paginas.push_back(PaginaVazia());
        else
            paginas.back().fill(Qt::white);
        sup_ = std::make_unique<SuperficieQt>(&paginas.back());
    }
    bool guardar_;
    std::unique_ptr<SuperficieQt> sup_;
};

// The page store as a page target, as the monitor rendering fills it.
class AlvoArmazem : public AlvoPaginas {
public:
    explicit AlvoArmazem(ArmazemPaginas& armazem) : armazem_(armazem) { armazem_.GravarPagina(0); }
    SuperficieDesenho& Superficie() override { return *armazem_.PaginaEmGravacao(indice_); }
    void NovaFolha() override { armazem_.GravarPagina(++indice_); }

private:
    ArmazemPaginas& armazem_;
    int indice_ = 0;
};

int Gravar(ArmazemPaginas& armazem, const SecoesAnalise& secoes, const FontesAnalise& fontes) {
    Paginacao p(Contexto());
    AlvoArmazem alvo(armazem);
    const int paginas =
        ImprimirSecoes(alvo, p, GeometriaPagina{LarguraPagina(), 297, 272}, secoes, Configuracao(), fontes)
            .value();
    armazem.TerminarGravacao();
    return paginas;
}

void BM_Renderizacao_Oraculandia(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    const ConfiguracaoPrograma cfg = Configuracao();
    const FontesAnalise fontes;
    int paginas = 0;
    for (auto _ : estado) {
        Paginacao p(Contexto());
        AlvoImagens alvo(estado.range(0) != 0);
        paginas =
            ImprimirSecoes(alvo, p, GeometriaPagina{LarguraPagina(), 297, 272}, secoes, cfg, fontes).value();
        benchmark::DoNotOptimize(alvo.paginas.back().constBits());
    }
    estado.counters["paginas"] = paginas;
}

// Opening with the page store: every page recorded, page 1 drawn at device pixel ratio
// range(0) and copied onto a screen-sized surface.
void BM_Abertura_Armazem(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    const FontesAnalise fontes;
    const double razao = static_cast<double>(estado.range(0));
    QImage tela(PaginaVazia().size() * razao, QImage::Format_RGB32);
    tela.setDevicePixelRatio(razao);
    int paginas = 0;
    for (auto _ : estado) {
        ArmazemPaginas armazem(LarguraPagina(), 297, PixelsPorMm());
        paginas = Gravar(armazem, secoes, fontes);
        const QImage pagina1 = armazem.Imagem(1, razao).value();
        QPainter p(&tela);
        p.drawImage(0, 0, pagina1);
    }
    estado.counters["paginas"] = paginas;
}

void BM_Renderizacao_QTextDocument(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    // The same column and text area as ours: 12 mm to width - 12 mm, 32 mm to 272 mm.
    const double larguraColuna = (LarguraPagina() - 24) * PixelsPorMm();
    const double alturaTexto = (272 - 32) * PixelsPorMm();
    QFont corpo(QStringLiteral("Liberation Serif"));
    corpo.setPointSizeF(12);
    QFont titulo(QStringLiteral("Liberation Mono"));
    titulo.setPointSizeF(14);
    titulo.setBold(true);
    int paginas = 0;
    for (auto _ : estado) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(corpo);
        QTextCursor cursor(&doc);
        QTextBlockFormat justificado;
        justificado.setAlignment(Qt::AlignJustify);
        QTextCharFormat fc, ft;
        fc.setFont(corpo);
        ft.setFont(titulo);
        bool primeiro = true;
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            if (!primeiro)
                cursor.insertBlock(justificado);
            primeiro = false;
            cursor.setBlockFormat(justificado);
            cursor.insertText(SuperficieQt::Texto(secoes[c].Titulo), ft);
            for (const QString& par : SuperficieQt::Texto(secoes[c].Texto).split(QStringLiteral("\r\n"))) {
                cursor.insertBlock(justificado);
                cursor.insertText(par, fc);
            }
        }
        doc.setPageSize(QSizeF(larguraColuna, alturaTexto));
        paginas = doc.pageCount();
        // Every page image is kept (argument 1) or one is reused (0).
        std::deque<QImage> imagens;
        const bool guardar = estado.range(0) != 0;
        for (int n = 0; n < paginas; ++n) {
            if (guardar || imagens.empty())
                imagens.push_back(PaginaVazia());
            else
                imagens.back().fill(Qt::white);
            QPainter pintor(&imagens.back());
            pintor.setRenderHint(QPainter::Antialiasing);
            pintor.translate(12 * PixelsPorMm(), 32 * PixelsPorMm() - n * alturaTexto);
            doc.drawContents(&pintor, QRectF(0, n * alturaTexto, larguraColuna, alturaTexto));
        }
    }
    estado.counters["paginas"] = paginas;
}

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

// A viewer window holding the benchmark analysis, shown.
struct Visualizador {
    Servicos servicos;
    ServicosImpressaoQt impressao;
    ServicosClientesQt clientes;
    Programa programa{
        std::filesystem::temp_directory_path(), servicos, servicos, servicos, servicos, impressao, clientes};
    frmExibeRelatorio janela{programa};
    // The page surface, found by its object name.
    QWidget* picExibe = janela.findChild<QWidget*>(QStringLiteral("picExibe"));
    QImage destino;
    int paginas = 0;

    explicit Visualizador(int copias = 1) {
        paginas = Gravar(janela.Armazem(), Analise(copias), FontesAnalise{});
        janela.resize(1200, 700);
        janela.show();
        janela.GravaDados(paginas, 1, "15/03/1970", "MARIA");
        QApplication::processEvents();
        // The page surface painted into an image the size of a page, as the screen would show it.
        destino = QImage(picExibe->size(), QImage::Format_RGB32);
    }
    // The page shown and the page surface repainted. The surface paints every pixel itself
    // (an opaque widget), so the window background is not drawn under it, as on the screen.
    void Mostrar(int pagina) {
        janela.ExibePagina(pagina);
        picExibe->render(&destino, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    // What the viewer does when idle after a page is shown.
    void PrepararVizinhas() {
        while (janela.PrepararVizinhas()) {
        }
    }
};

// Argument 1: page after page through the analysis, each time to the page beside the one shown;
// between turns (untimed) the viewer draws the pages beside the new one, as it does when idle.
// Argument 0: back and forth between two pages whose images are kept, nothing drawn in between.
void BM_VirarPagina_Visualizador(benchmark::State& estado) {
    Visualizador v;
    const bool percorrer = estado.range(0) != 0;
    int pagina = 1, passo = 1;
    v.PrepararVizinhas();
    for (auto _ : estado) {
        if (!percorrer || pagina + passo < 1 || pagina + passo > v.paginas)
            passo = percorrer ? -passo : (pagina == 1 ? 1 : -1);
        pagina += passo;
        v.Mostrar(pagina);
        if (percorrer) {
            estado.PauseTiming();
            v.PrepararVizinhas();
            estado.ResumeTiming();
        }
    }
    estado.counters["imagens"] = v.janela.Armazem().ImagensGuardadas();
}

// Argument 0: the same page image drawn again and again (its pixels stay in the processor's
// cache). Argument 1: between draws (untimed), another page image is painted over, the memory
// traffic of the viewer drawing the next page ahead while the user reads.
void BM_VirarPagina_DrawImage(benchmark::State& estado) {
    const QImage pagina = PaginaVazia();
    QImage outra = PaginaVazia();
    QImage destino(pagina.size(), QImage::Format_RGB32);
    int n = 0;
    for (auto _ : estado) {
        if (estado.range(0) != 0) {
            estado.PauseTiming();
            outra.fill(++n % 2 ? Qt::white : Qt::lightGray);
            estado.ResumeTiming();
        }
        QPainter p(&destino);
        p.drawImage(0, 0, pagina);
    }
}

// A jump between the first and the last page, neither of them drawn yet.
void BM_Salto_Visualizador(benchmark::State& estado) {
    Visualizador v;
    int pagina = 1;
    for (auto _ : estado) {
        estado.PauseTiming();
        pagina = pagina == 1 ? v.paginas : 1;
        v.janela.Armazem().EsquecerImagens();
        estado.ResumeTiming();
        v.Mostrar(pagina);
    }
}

// One page laid out and painted from scratch: the former full rendering into one reused page
// image, timed per page.
void BM_PaginaDoZero(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    const ConfiguracaoPrograma cfg = Configuracao();
    const FontesAnalise fontes;
    for (auto _ : estado) {
        QElapsedTimer relogio;
        relogio.start();
        Paginacao p(Contexto());
        AlvoImagens alvo(false);
        const int paginas =
            ImprimirSecoes(alvo, p, GeometriaPagina{LarguraPagina(), 297, 272}, secoes, cfg, fontes).value();
        benchmark::DoNotOptimize(alvo.paginas.back().constBits());
        estado.SetIterationTime(static_cast<double>(relogio.nsecsElapsed()) * 1e-9 / paginas);
    }
}

// Bytes held by the page store of a viewer after paging through the analysis: to the middle,
// back and forth there, and to the last page. Argument: copies of each text (1: the 27-page
// analysis; 61: about 1,000 pages).
void BM_Memoria_Armazem(benchmark::State& estado) {
    for (auto _ : estado) {
        Visualizador v(static_cast<int>(estado.range(0)));
        for (int pagina : {2, 3, v.paginas / 2, v.paginas / 2 + 1, v.paginas / 2, v.paginas}) {
            v.Mostrar(pagina);
            v.PrepararVizinhas();
        }
        const ArmazemPaginas& a = v.janela.Armazem();
        estado.counters["paginas"] = v.paginas;
        estado.counters["bytes_listas"] = static_cast<double>(a.BytesListas());
        estado.counters["bytes_imagens"] = static_cast<double>(a.BytesImagens());
        estado.counters["imagens"] = a.ImagensGuardadas();
    }
}

// The analysis with a 200-point body font: every page recorded, page 1 drawn.
void BM_Abertura_Fonte200(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    FontesAnalise fontes;
    fontes.FonteCorpo.Tamanho = static_cast<int16_t>(estado.range(0));
    int paginas = 0;
    std::size_t bytes = 0;
    for (auto _ : estado) {
        ArmazemPaginas armazem(LarguraPagina(), 297, PixelsPorMm());
        paginas = Gravar(armazem, secoes, fontes);
        benchmark::DoNotOptimize(armazem.Imagem(1, 1).value().constBits());
        bytes = armazem.BytesListas() + armazem.BytesImagens();
    }
    estado.counters["paginas"] = paginas;
    estado.counters["bytes_armazem"] = static_cast<double>(bytes);
}

} // namespace

// Argument 1: every page image is kept, as the former page store did (memory for the whole
// analysis is part of the cost). Argument 0: one page image is reused (layout and painting alone).
BENCHMARK(BM_Renderizacao_Oraculandia)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
// Argument: device pixel ratio of page 1.
BENCHMARK(BM_Abertura_Armazem)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Renderizacao_QTextDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_VirarPagina_Visualizador)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VirarPagina_DrawImage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Salto_Visualizador)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaginaDoZero)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_Memoria_Armazem)->Arg(1)->Arg(61)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Abertura_Fonte200)->Arg(200)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Without a display: the offscreen platform with a 1280 x 800 screen, 96 dpi.
    QTemporaryFile tela(QDir::tempPath() + QStringLiteral("/tela-XXXXXX.json"));
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        tela.open()) {
        tela.write(R"({"screens": [{"name": "tela", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        tela.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(tela.fileName()));
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
