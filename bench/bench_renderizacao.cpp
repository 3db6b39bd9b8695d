// Speed of the monitor rendering and of a page turn, each beside what Qt itself offers:
//   * an analysis whose 28 interpretation texts are all 5120 characters, laid out and painted
//     into viewer page images by our layout (ImprimirSecoes over SuperficieQt), beside
//     QTextDocument laying out and painting the same texts, justified, into pages of the same
//     size (goal: ours at most 1.0x);
//   * a page turn of the viewer (ExibePagina and the repaint of the page surface), beside one
//     drawImage of a page image (goal: at most 2x).
// Run: build/bench/bench_renderizacao (the offscreen platform is chosen when there is no display).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <deque>
#include <filesystem>
#include <memory>

#include "analysis/cp1252.h"
#include "app/qt/programa.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"
#include "viewer/frmExibeRelatorio.h"

using namespace oraculandia;

namespace {

constexpr double kPixelsPorMm = 56.7 / 15;
constexpr float kLarguraPagina = 304.8f; // a 1280-pixel screen
constexpr int kTamanhoTexto = 5120;

// Real interpretation prose from the sources, cut into 5120-character texts.
std::string TextoDe5120(int c) {
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
    std::string r;
    std::size_t inicio = static_cast<std::size_t>(c) * 997 % fonte.size();
    while (r.size() < kTamanhoTexto)
        r += fonte.substr(inicio), inicio = 0;
    r.resize(kTamanhoTexto);
    return r;
}

SecoesAnalise Analise() {
    SecoesAnalise s;
    for (int c = 1; c <= kNumeroCalculos; ++c) {
        s[c].Titulo = "Interpreta\xE7\xE3o do c\xE1lculo " + std::to_string(c) + ":";
        s[c].Texto = TextoDe5120(c);
        s[c].Numero = std::to_string(c % 9 + 1);
    }
    return s;
}

QImage PaginaVazia() {
    QImage p(static_cast<int>(std::lround(kLarguraPagina * kPixelsPorMm)),
             static_cast<int>(std::lround(297 * kPixelsPorMm)), QImage::Format_RGB32);
    p.setDotsPerMeterX(3780);
    p.setDotsPerMeterY(3780);
    p.fill(Qt::white);
    return p;
}

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

void BM_Renderizacao_Oraculandia(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    ConfiguracaoPrograma cfg;
    cfg.ImprimirDescricao = kDesligado;
    const FontesAnalise fontes;
    ContextoPagina ctx;
    ctx.MargensImpressao = {10, 5, 10, 5};
    ctx.NomeCompleto = "MARIA DA CONCEICAO";
    ctx.DataNascimento = "15/03/1970";
    ctx.CabecalhoLinhaUm = "Sua vida atrav\xE9s da Oraculandia";
    int paginas = 0;
    for (auto _ : estado) {
        Paginacao p(ctx);
        AlvoImagens alvo(estado.range(0) != 0);
        paginas = ImprimirSecoes(alvo, p, GeometriaPagina{kLarguraPagina, 297, 272}, secoes, cfg, fontes);
        benchmark::DoNotOptimize(alvo.paginas.back().constBits());
    }
    estado.counters["paginas"] = paginas;
}

void BM_Renderizacao_QTextDocument(benchmark::State& estado) {
    const SecoesAnalise secoes = Analise();
    // The same column and text area as ours: 12 mm to width - 12 mm, 32 mm to 272 mm.
    const double larguraColuna = (kLarguraPagina - 24) * kPixelsPorMm;
    const double alturaTexto = (272 - 32) * kPixelsPorMm;
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
        // Every page image is kept, as the viewer keeps them.
        std::deque<QImage> imagens;
        const bool guardar = estado.range(0) != 0;
        for (int n = 0; n < paginas; ++n) {
            if (guardar || imagens.empty())
                imagens.push_back(PaginaVazia());
            else
                imagens.back().fill(Qt::white);
            QPainter pintor(&imagens.back());
            pintor.setRenderHint(QPainter::Antialiasing);
            pintor.translate(12 * kPixelsPorMm, 32 * kPixelsPorMm - n * alturaTexto);
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

void BM_VirarPagina_Visualizador(benchmark::State& estado) {
    Servicos servicos;
    Programa programa(std::filesystem::temp_directory_path(), servicos, servicos, servicos, servicos);
    frmExibeRelatorio janela(programa);
    for (int n = 0; n < 4; ++n) {
        janela.PreparaPictureBox(n);
        janela.picFolha(n).fill(QColor::fromHsv(n * 60, 80, 250));
    }
    janela.resize(1200, 700);
    janela.show();
    janela.GravaDados(4, 1, "15/03/1970", "MARIA");
    QApplication::processEvents();
    // The page surface painted into an image the size of a page, as the screen would show it.
    QImage destino(janela.picExibe->size(), QImage::Format_RGB32);
    int pagina = 1;
    for (auto _ : estado) {
        pagina = pagina % 4 + 1;
        janela.ExibePagina(pagina);
        janela.picExibe->render(&destino);
    }
}

void BM_VirarPagina_DrawImage(benchmark::State& estado) {
    const QImage pagina = PaginaVazia();
    QImage destino(pagina.size(), QImage::Format_RGB32);
    for (auto _ : estado) {
        QPainter p(&destino);
        p.drawImage(0, 0, pagina);
    }
}

} // namespace

// Argument 1: every page image is kept, as in the viewer (memory for the whole analysis is part
// of the cost). Argument 0: one page image is reused (layout and painting alone).
BENCHMARK(BM_Renderizacao_Oraculandia)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Renderizacao_QTextDocument)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_VirarPagina_Visualizador)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VirarPagina_DrawImage)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
