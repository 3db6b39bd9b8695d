// Reports without the window when things go wrong: a disk that fills up in the middle of a batch,
// a run interrupted by a signal, temporary files left by an earlier run, and command lines that
// are refused (the help and an unknown option without a display, an empty file name).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include "apoio/duplos.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

QString Executavel() {
    return QStringLiteral(PASTA_PROGRAMA_TESTE "/oraculandia");
}

struct Execucao {
    int codigo = -1;
    QString erro;
    QString saida;
};

// The program started as from a terminal without a display.
void Preparar(QProcess& p) {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(ambiente);
}

Execucao Rodar(const QStringList& argumentos, QProcess* processo = nullptr) {
    QProcess local;
    QProcess& p = processo ? *processo : local;
    Preparar(p);
    p.start(Executavel(), argumentos);
    if (!p.waitForFinished(240000))
        p.kill();
    p.waitForFinished(5000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError()), QString::fromUtf8(p.readAllStandardOutput())};
}

QByteArray Conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escrever(const QString& arquivo, const QByteArray& conteudo) {
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(conteudo), conteudo.size());
}

// A whole PDF: the header at the start, the end mark at the end.
bool PdfInteiro(const QByteArray& b) {
    return b.startsWith("%PDF-") && b.trimmed().endsWith("%%EOF");
}

QByteArray Lote(int pessoas) {
    QByteArray csv;
    for (int i = 1; i <= pessoas; ++i)
        csv += QStringLiteral("Cliente Número %1;%2/%3/19%4\n")
                   .arg(i)
                   .arg(1 + i % 28)
                   .arg(1 + i % 12)
                   .arg(50 + i)
                   .toUtf8();
    return csv;
}

QStringList Temporarios(const QString& pasta) {
    return QDir(pasta).entryList({QStringLiteral(".oraculandia-*")}, QDir::Files | QDir::Hidden);
}

// A 2 MB file system of its own, when this process may mount one (root); unmounted at the end.
class DiscoPequeno {
public:
    DiscoPequeno() {
        pasta_ = dir_.filePath(QStringLiteral("disco"));
        QDir().mkpath(pasta_);
        montado_ = ::mount("tmpfs", QFile::encodeName(pasta_).constData(), "tmpfs", 0, "size=2m") == 0;
    }
    ~DiscoPequeno() {
        if (montado_)
            ::umount2(QFile::encodeName(pasta_).constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;
    bool Montado() const { return montado_; }
    QString Pasta() const { return pasta_; }

private:
    QTemporaryDir dir_;
    QString pasta_;
    bool montado_ = false;
};

} // namespace

class TesteRelatoriosFalhas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void discoCheioNoMeioDoLote();
    void interrompidoNaoDeixaTemporario();
    void temporariosAntigosRemovidos();
    void ajudaEOpcoesSemTela();
};

void TesteRelatoriosFalhas::initTestCase() {
    QVERIFY2(QFile::exists(Executavel()), "the program must be built before this test");
}

// Every report the batch says it wrote is whole; the rows that did not fit are listed as failed;
// no empty file and no temporary file is left; a report that existed is never replaced by a
// failed one.
void TesteRelatoriosFalhas::discoCheioNoMeioDoLote() {
    AmbienteTeste amb(true);
    const QString csv = amb.Arquivo("lote.csv");
    Escrever(csv, Lote(30));
    DiscoPequeno disco;
    QProcess p;
    QString pasta;
    if (disco.Montado()) {
        pasta = disco.Pasta();
    } else {
        // Without the right to mount: every file this run writes is limited to 64 KB, which no
        // report fits in, so every row meets the full disk.
        pasta = amb.Arquivo("saida");
        p.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limite);
        });
    }
    // Two reports of an earlier run, replaced by this one only when the new one is whole.
    QDir().mkpath(pasta);
    const QString primeiro = QDir(pasta).filePath(QStringLiteral("Cliente Número 1 02-02-1951.pdf"));
    const QString ultimo = QDir(pasta).filePath(QStringLiteral("Cliente Número 30 03-07-1980.pdf"));
    Escrever(primeiro, "%PDF-1.4 antigo 1 %%EOF\n");
    Escrever(ultimo, "%PDF-1.4 antigo 30 %%EOF\n");

    const Execucao e = Rodar({QStringLiteral("--lote"), csv, QStringLiteral("--pasta-pdf"), pasta,
                              QStringLiteral("--diretorio"), amb.Pasta(), QStringLiteral("--substituir")},
                             &p);
    QCOMPARE(e.codigo, 1);
    const QRegularExpression total(QStringLiteral("\n(\\d+) de 30 relatórios gravados em "));
    const QRegularExpressionMatch m = total.match(e.erro);
    QVERIFY2(m.hasMatch(), qPrintable(e.erro));
    const int gravados = m.captured(1).toInt();
    const int falhas = static_cast<int>(e.erro.count(QStringLiteral(" falhou: ")));
    QVERIFY2(falhas > 0, qPrintable(e.erro));
    QCOMPARE(gravados + falhas, 30);
    if (disco.Montado())
        QVERIFY2(gravados > 0, qPrintable(e.erro));

    QCOMPARE(Temporarios(pasta), QStringList());
    int inteiros = 0;
    for (const QFileInfo& f : QDir(pasta).entryInfoList(QDir::Files | QDir::Hidden)) {
        const QByteArray b = Conteudo(f.absoluteFilePath());
        QVERIFY2(f.size() > 0, qPrintable(f.fileName()));
        QVERIFY2(PdfInteiro(b), qPrintable(f.fileName()));
        if (b.contains(" antigo "))
            continue;
        ++inteiros;
        // A report said to be written is in the progress lines.
        QVERIFY2(e.erro.contains(QStringLiteral(" de 30: %1\n").arg(f.fileName())), qPrintable(f.fileName()));
    }
    QCOMPARE(inteiros, gravados);
    // The last row came when the disk was full: the old report stays as it was.
    QCOMPARE(Conteudo(ultimo), QByteArray("%PDF-1.4 antigo 30 %%EOF\n"));
}

void TesteRelatoriosFalhas::interrompidoNaoDeixaTemporario() {
    AmbienteTeste amb(true);
    const QString csv = amb.Arquivo("lote.csv");
    Escrever(csv, Lote(200));
    for (int sinal : {SIGINT, SIGTERM}) {
        QTemporaryDir saida;
        QProcess p;
        Preparar(p);
        p.start(Executavel(), {QStringLiteral("--lote"), csv, QStringLiteral("--pasta-pdf"), saida.path(),
                               QStringLiteral("--diretorio"), amb.Pasta()});
        QVERIFY(p.waitForStarted());
        // Interrupted while the second report is being written.
        QElapsedTimer relogio;
        relogio.start();
        bool escrevendo = false;
        while (!escrevendo && relogio.elapsed() < 120000) {
            QTest::qWait(2);
            escrevendo = Temporarios(saida.path()).size() == 1 &&
                         QDir(saida.path()).entryList(QDir::Files).size() == 1;
        }
        if (escrevendo)
            ::kill(static_cast<pid_t>(p.processId()), sinal);
        QVERIFY(escrevendo);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(Temporarios(saida.path()), QStringList());
        for (const QFileInfo& f : QDir(saida.path()).entryInfoList(QDir::Files | QDir::Hidden))
            QVERIFY2(PdfInteiro(Conteudo(f.absoluteFilePath())), qPrintable(f.fileName()));
    }
}

// Only our own temporary files, by their exact name, and only those older than the run.
void TesteRelatoriosFalhas::temporariosAntigosRemovidos() {
    AmbienteTeste amb(true);
    QTemporaryDir saida;
    const QStringList antigos{QStringLiteral(".oraculandia-a1B2c3.pdf"),
                              QStringLiteral(".oraculandia-XXXXXX.pdf")};
    const QStringList alheios{
        QStringLiteral(".oraculandia-a1B2c.pdf"), QStringLiteral(".oraculandia-a1B2c3.pdf.txt"),
        QStringLiteral("oraculandia-a1B2c3.pdf"), QStringLiteral(".oraculandia-a1B2c3d.pdf")};
    for (const QString& n : antigos + alheios) {
        Escrever(saida.filePath(n), "parcial");
        QFile f(saida.filePath(n));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    // One another instance may be writing now (touched a minute ago) stays too.
    const QString recente = QStringLiteral(".oraculandia-R3c3nt.pdf");
    Escrever(saida.filePath(recente), "em curso");
    {
        QFile f(saida.filePath(recente));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    // A link of that name to a file elsewhere is not ours either.
    const QString alvo = amb.Arquivo("alvo.pdf");
    Escrever(alvo, "do usuario");
    QVERIFY(QFile::link(alvo, saida.filePath(QStringLiteral(".oraculandia-LINK00.pdf"))));
    const Execucao e =
        Rodar({QStringLiteral("--nome"), QStringLiteral("Maria Silva"), QStringLiteral("--data"),
               QStringLiteral("01/01/1990"), QStringLiteral("--pdf"), saida.filePath(QStringLiteral("m.pdf")),
               QStringLiteral("--diretorio"), amb.Pasta()});
    QVERIFY2(e.codigo == 0, qPrintable(e.erro));
    QStringList esperados = alheios;
    esperados << QStringLiteral(".oraculandia-LINK00.pdf") << recente << QStringLiteral("m.pdf");
    esperados.sort();
    QStringList ficaram = QDir(saida.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    ficaram.sort();
    QCOMPARE(ficaram, esperados);
    QCOMPARE(Conteudo(alvo), QByteArray("do usuario"));
}

void TesteRelatoriosFalhas::ajudaEOpcoesSemTela() {
    for (const char* ajuda : {"--ajuda", "--help", "-h"}) {
        const Execucao e = Rodar({QString::fromLatin1(ajuda)});
        QCOMPARE(e.codigo, 0);
        QVERIFY2(e.saida.startsWith(QStringLiteral("Uso: oraculandia [--diretorio PASTA]")),
                 qPrintable(e.erro));
        QVERIFY(e.saida.contains(QStringLiteral("  --ajuda, --help     mostra esta ajuda\n")));
        QCOMPARE(e.erro, QString());
    }
    struct Caso {
        QStringList argumentos;
        QString erro;
    } casos[] = {
        {{QStringLiteral("--desconhecida")},
         QStringLiteral("Erro: opção desconhecida: --desconhecida\n\nUso: ")},
        {{QStringLiteral("-x")}, QStringLiteral("Erro: opção desconhecida: -x\n\nUso: ")},
        {{QStringLiteral("--sem-abertura"), QStringLiteral("sobra")},
         QStringLiteral("Erro: argumento inesperado: sobra\n\nUso: ")},
        {{QStringLiteral("--diretorio")},
         QStringLiteral("Erro: falta o valor da opção --diretorio\n\nUso: ")},
        {{QStringLiteral("--nome"), QStringLiteral("Maria Silva"), QStringLiteral("--data"),
          QStringLiteral("01/01/1990"), QStringLiteral("--pdf"), QString()},
         QStringLiteral("Erro: a opção --pdf precisa de um nome de arquivo\n\nUso:\n")},
        {{QStringLiteral("--lote"), QStringLiteral(" "), QStringLiteral("--pasta-pdf"),
          QStringLiteral("/tmp")},
         QStringLiteral("Erro: a opção --lote precisa de um nome de arquivo\n\nUso:\n")},
        {{QStringLiteral("--lote"), QStringLiteral("a.csv"), QStringLiteral("--pasta-pdf"), QString()},
         QStringLiteral("Erro: a opção --pasta-pdf precisa de um nome de pasta\n\nUso:\n")},
    };
    for (const Caso& c : casos) {
        const Execucao e = Rodar(c.argumentos);
        QCOMPARE(e.codigo, 2);
        QVERIFY2(e.erro.startsWith(c.erro), qPrintable(e.erro));
        QCOMPARE(e.saida, QString());
    }
}

QTEST_MAIN(TesteRelatoriosFalhas)
#include "teste_relatorios_falhas.moc"
