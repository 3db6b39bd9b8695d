// Speed of the register of clients and of the reports made without the window, each beside what
// it is measured against in the same iterations, with the ratios printed at the end of the run:
//   * one keystroke in the Clientes window's search box over a register of 10,000 clients (the
//     check that no other program changed the file, the filter, the list refilled and the
//     selection kept, then, with the second argument 1, the event loop that lays out and paints
//     what changed) beside a bare SQLite query that returns the same rows (goal: at most 2x);
//   * a batch of 100 reports (--lote) beside single headless reports (--pdf) of the same people,
//     made in the same process with the settings read and the printer set up each time (goal:
//     per report, at most 1.2x).
// Run: build/bin/bench_clientes (the offscreen platform is chosen when there is no display). The
// interpretation files are the build's, next to the program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>

#include "app/qt/esquema_programa.h"
#include "app/qt/gerador_pdf.h"
#include "app/qt/relatorios_sem_janela.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/csv_clientes.h"
#include "clientes/qt/frmClientes.h"
#include "clientes/qt/modelo_clientes.h"
#include "clientes/qt/servicos_clientes.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/servicos.h"

using namespace oraculandia;

namespace {

constexpr Data kHoje{7, 12, 2026};
constexpr int kClientes = 10000;
constexpr int kLote = 100;

struct Servicos : Mensagens, Relogio {
    RespostaMensagem Mostrar(QWidget*, const QString&, const QString&, IconeMensagem,
                             BotoesMensagem) override {
        return RespostaMensagem::Ok;
    }
    void Bipe() override {}
    QDate Hoje() const override { return QDate(2026, 12, 7); }
};

// A varied name for person i: first names, middle names and surnames with and without accents.
QString NomePessoa(int i) {
    static const char* const kPrimeiros[] = {
        "Maria", "José",  "Ana",    "João",      "Antônio",  "Francisca", "Carlos", "Paulo", "Lúcia",
        "Pedro", "Luíza", "Marcos", "Conceição", "Raimundo", "Sebastião", "Helena", "Fábio", "Márcia"};
    static const char* const kMeios[] = {"da",     "de",      "dos",  "Aparecida", "Cristina", "Luís",
                                         "Helena", "Eduardo", "Inês", "Augusto",   "Beatriz",  "Vitória"};
    static const char* const kSobrenomes[] = {"Silva",    "Santos",    "Oliveira",  "Souza",     "Rodrigues",
                                              "Ferreira", "Alves",     "Pereira",   "Lima",      "Gomes",
                                              "Ribeiro",  "Carvalho",  "Araújo",    "Conceição", "Brandão",
                                              "Simões",   "Gonçalves", "Magalhães", "Teixeira",  "Nóbrega"};
    const auto n = static_cast<unsigned>(i) * 2654435761u;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::fromUtf8(kPrimeiros[n % std::size(kPrimeiros)]),
             QString::fromUtf8(kMeios[(n >> 8) % std::size(kMeios)]),
             QString::fromUtf8(kSobrenomes[(n >> 13) % std::size(kSobrenomes)]),
             QString::fromUtf8(kSobrenomes[(n >> 19) % std::size(kSobrenomes)]));
}

Data NascimentoPessoa(int i) {
    return Data{1 + i % 28, 1 + (i / 28) % 12, 1940 + i % 70};
}

// The register of 10,000 clients, made once for the run.
struct Registro {
    Registro() {
        ResultadoQt<std::unique_ptr<CadastroClientes>> aberto =
            CadastroClientes::Abrir(pasta.path(), PassosEsquemaPrograma());
        if (!aberto)
            qFatal("register: %s", qPrintable(aberto.error()));
        cadastro = std::move(*aberto);
        std::vector<VerificacaoCliente> lista;
        for (int i = 0; lista.size() < std::size_t{kClientes}; ++i) {
            VerificacaoCliente v = VerificarCliente(NomePessoa(i), DataExibida(NascimentoPessoa(i)), kHoje,
                                                    QStringLiteral("Cliente desde 2019; prefere a tarde."));
            if (v.ok())
                lista.push_back(std::move(v));
        }
        const ResultadoImportacao r = cadastro->Importar(lista, kHoje);
        if (!r || r->adicionados < kClientes * 9 / 10)
            qFatal("import: %s (%d)", qPrintable(r ? QString() : r.error()), r ? r->adicionados : 0);
        // The bare query runs on a connection of its own, as another program would.
        banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pura"));
        banco.setDatabaseName(cadastro->Arquivo());
        banco.open();
    }
    QTemporaryDir pasta;
    std::unique_ptr<CadastroClientes> cadastro;
    QSqlDatabase banco;
    Servicos servicos;
    ServicosClientesQt clientes;
    ~Registro() {
        cadastro.reset();
        banco.close();
        banco = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("pura"));
    }
};

// Made on first use, released by main before the application object goes (the database
// connections and the temporary folder with them).
std::unique_ptr<Registro>& RegistroDoProcesso() {
    static std::unique_ptr<Registro> r;
    return r;
}

Registro& Reg() {
    auto& r = RegistroDoProcesso();
    if (!r)
        r = std::make_unique<Registro>();
    return *r;
}

const char* const kBuscas[] = {"", "a", "conceicao", "maria silva"};

// Real and processor time of one piece of work, milliseconds.
struct Medida {
    double real = 0;
    double cpu = 0;
};

template <class F> Medida Medir(F&& trabalho) {
    timespec r0{}, c0{}, r1{}, c1{};
    clock_gettime(CLOCK_MONOTONIC, &r0);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
    trabalho();
    clock_gettime(CLOCK_MONOTONIC, &r1);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
    auto ms = [](const timespec& a, const timespec& b) {
        return (b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6;
    };
    return Medida{ms(r0, r1), ms(c0, c1)};
}

// The machine is shared: the two sides are measured one right after the other in every
// iteration, so that both meet the same load, and the ratio is taken from their sums.
void Comparar(benchmark::State& estado, const Medida& a, const Medida& b, const char* nomeA,
              const char* nomeB, double porA) {
    const double n = static_cast<double>(estado.iterations());
    estado.counters[std::string(nomeA) + "_ms"] = a.real / n / porA;
    estado.counters[std::string(nomeB) + "_ms"] = b.real / n;
    estado.counters["razao"] = (a.real / porA) / b.real;
    estado.counters["razao_cpu"] = (a.cpu / porA) / b.cpu;
}

// One keystroke in the search box (then, with the second argument 1, the event loop: layout and
// painting of what changed) beside the bare query for the same rows on a connection of its own.
void BM_Busca(benchmark::State& estado) {
    Registro& r = Reg();
    frmClientes janela(*r.cadastro, r.servicos, r.servicos, r.clientes);
    janela.show();
    // The search box, found once by its object name so that the lookup is not measured.
    QLineEdit* txtProcurar = janela.findChild<QLineEdit*>(QStringLiteral("txtProcurar"));
    QCoreApplication::processEvents();
    const QString busca = QString::fromUtf8(kBuscas[estado.range(0)]);
    // Two texts with the same words, so that every keystroke runs the whole search again.
    const QString outra = busca + u' ';

    const QStringList palavras = ChaveDeBusca(busca).split(u' ', Qt::SkipEmptyParts);
    QString sql = QStringLiteral("SELECT id, nome, nascimento, ultima_analise FROM clientes");
    for (qsizetype i = 0; i < palavras.size(); ++i)
        sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
               QStringLiteral("instr(nome_busca, ?) > 0");
    sql += QStringLiteral(" ORDER BY nome_busca, nascimento");
    QSqlQuery q(r.banco);
    q.setForwardOnly(true);
    q.prepare(sql);

    bool vez = false;
    int linhas = 0;
    Medida janelaTotal, consultaTotal;
    for (auto _ : estado) {
        const Medida j = Medir([&] {
            txtProcurar->setText((vez = !vez) ? busca : outra);
            if (estado.range(1) != 0)
                QCoreApplication::processEvents();
        });
        const Medida c = Medir([&] {
            for (qsizetype i = 0; i < palavras.size(); ++i)
                q.bindValue(static_cast<int>(i), palavras[i]);
            q.exec();
            linhas = 0;
            while (q.next()) {
                benchmark::DoNotOptimize(q.value(0).toLongLong());
                benchmark::DoNotOptimize(q.value(1).toString());
                benchmark::DoNotOptimize(q.value(2).toString());
                benchmark::DoNotOptimize(q.value(3).toString());
                ++linhas;
            }
            q.finish();
        });
        janelaTotal.real += j.real;
        janelaTotal.cpu += j.cpu;
        consultaTotal.real += c.real;
        consultaTotal.cpu += c.cpu;
    }
    if (linhas != janela.Modelo().Total())
        estado.SkipWithError("the two sides found different rows");
    estado.counters["linhas"] = linhas;
    Comparar(estado, janelaTotal, consultaTotal, "tecla", "consulta", 1);
}

// ---- Reports ---------------------------------------------------------------------------------------

// A program folder with the build's interpretation files and default settings.
struct PastaRelatorios {
    PastaRelatorios() {
        const QDir origem(QCoreApplication::applicationDirPath());
        for (const QString& nome : origem.entryList({QStringLiteral("*.DAT")}, QDir::Files))
            QFile::copy(origem.filePath(nome), programa.filePath(nome));
        if (!QFile::exists(programa.filePath(QStringLiteral("CVIDA.DAT"))))
            qFatal("the interpretation files are not next to the benchmark");
        QString csv = QStringLiteral("nome;nascimento;observacoes\r\n");
        for (int i = 0; i < kLote; ++i)
            csv += QStringLiteral("%1;%2;\r\n").arg(NomePessoa(i), DataExibida(NascimentoPessoa(i)));
        QFile f(programa.filePath(QStringLiteral("lote.csv")));
        f.open(QIODevice::WriteOnly);
        f.write(csv.toUtf8());
    }
    QTemporaryDir programa;
    QTemporaryDir saida;
};

PastaRelatorios& Relatorios() {
    static PastaRelatorios p;
    return p;
}

// A batch of 100 reports (what --lote does, the settings read and the printer set up once) beside
// 100 single reports of the same people (what --pdf does, all of it each time, in this process).
void BM_Relatorios(benchmark::State& estado) {
    PastaRelatorios& p = Relatorios();
    const std::filesystem::path pasta(p.programa.path().toStdString());
    // The default printer's page, as --pdf and --lote take it.
    ServicosImpressaoQt impressao;
    std::FILE* nulo = std::fopen("/dev/null", "w");
    // Once before measuring, so that neither side pays for the words and pictures met for the
    // first time (the print job keeps them for the whole run).
    {
        GeradorPdf gerador(pasta, kHoje, impressao);
        ExecutarLote(gerador, p.programa.filePath(QStringLiteral("lote.csv")), p.saida.path(), true, kHoje,
                     nulo);
    }
    Medida lote, unicos;
    bool primeiroLote = true;
    for (auto _ : estado) {
        auto fazerLote = [&] {
            GeradorPdf gerador(pasta, kHoje, impressao);
            if (ExecutarLote(gerador, p.programa.filePath(QStringLiteral("lote.csv")), p.saida.path(), true,
                             kHoje, nulo) != 0)
                estado.SkipWithError("a row of the batch failed");
        };
        auto fazerUnicos = [&] {
            for (int i = 0; i < kLote; ++i) {
                const VerificacaoCliente v =
                    VerificarCliente(NomePessoa(i), DataExibida(NascimentoPessoa(i)), kHoje);
                GeradorPdf gerador(pasta, kHoje, impressao);
                if (!gerador.Gravar(v.nomeAnalise, v.nascimento, p.saida.filePath(QStringLiteral("um.pdf")),
                                    true))
                    estado.SkipWithError("a single report failed");
            }
        };
        // Each side goes first in every other iteration, so that neither always meets the other's
        // aftermath (the files it left, the memory it freed).
        Medida l, u;
        if (primeiroLote) {
            l = Medir(fazerLote);
            u = Medir(fazerUnicos);
        } else {
            u = Medir(fazerUnicos);
            l = Medir(fazerLote);
        }
        primeiroLote = !primeiroLote;
        lote.real += l.real;
        lote.cpu += l.cpu;
        unicos.real += u.real / kLote;
        unicos.cpu += u.cpu / kLote;
    }
    std::fclose(nulo);
    Comparar(estado, lote, unicos, "lote_por_relatorio", "um_pdf", kLote);
}

// Prints the runs as usual, and at the end each ratio with its goal.
class Relator : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                razoes_.push_back(
                    {r.benchmark_name(), r.counters.at("razao").value, r.counters.at("razao_cpu").value});
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRazões (tempo real; tempo de processador), metas: busca <= 2, lote <= 1.2\n");
        for (const Razao& r : razoes_) {
            std::string busca;
            const std::string prefixo = "BM_Busca/";
            if (r.nome.rfind(prefixo, 0) == 0)
                busca = std::string(" \"") + kBuscas[std::stoi(r.nome.substr(prefixo.size()))] + "\"";
            std::printf("  %-40s%s: %.2f; %.2f\n", r.nome.c_str(), busca.c_str(), r.real, r.cpu);
        }
    }

private:
    struct Razao {
        std::string nome;
        double real;
        double cpu;
    };
    std::vector<Razao> razoes_;
};

} // namespace

BENCHMARK(BM_Busca)->ArgsProduct({{0, 1, 2, 3}, {1, 0}})->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_Relatorios)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform remarks on every window shown; the figures are what matters here.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo != QtWarningMsg || !texto.contains(QStringLiteral("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(texto));
    });
    benchmark::Initialize(&argc, argv);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    benchmark::Shutdown();
    RegistroDoProcesso().reset();
    return 0;
}
