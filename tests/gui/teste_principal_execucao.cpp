// Runs the real program headless over a temporary program folder and lets it close itself:
// start-up with and without the opening animation, the files of a first start, the welcome
// sound on a machine that may have no audio device, and a bad --diretorio.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Programa() {
    return QStringLiteral(PASTA_PROGRAMA_TESTE "/oraculandia");
}

struct Resultado {
    bool terminou = false;
    int codigo = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray erros;
    qint64 ms = 0;
};

// A program folder as installed: the interpretation files of the build (without them the
// start-up stops at a notice that names them).
void CopiarTextos(const QTemporaryDir& pasta) {
    const QDir origem(QStringLiteral(PASTA_PROGRAMA_TESTE));
    for (const QString& nome : origem.entryList({QStringLiteral("*.DAT")}, QDir::Files))
        QFile::copy(origem.filePath(nome), pasta.filePath(nome));
}

Resultado Executar(const QStringList& argumentos, int limiteMs = 60000, const QString& pastaAtual = {}) {
    QProcess p;
    if (!pastaAtual.isEmpty())
        p.setWorkingDirectory(pastaAtual);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(ambiente);
    QElapsedTimer relogio;
    relogio.start();
    p.start(Programa(), argumentos);
    Resultado r;
    if (!p.waitForStarted(10000))
        return r;
    r.terminou = p.waitForFinished(limiteMs);
    if (!r.terminou) {
        p.kill();
        p.waitForFinished(5000);
    }
    r.ms = relogio.elapsed();
    r.codigo = p.exitCode();
    r.status = p.exitStatus();
    r.erros = p.readAllStandardError();
    return r;
}

} // namespace

class TesteExecucao : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(Programa()), qPrintable(Programa())); }

    void semAberturaFechaSozinho() {
        QTemporaryDir pasta;
        CopiarTextos(pasta);
        // The sounds of the build folder, so the welcome sound is really played (or skipped
        // quietly when there is no audio device).
        QFile::copy(QStringLiteral(PASTA_PROGRAMA_TESTE "/welcomeb.wav"),
                    pasta.filePath(QStringLiteral("welcomeb.wav")));
        const Resultado r = Executar({QStringLiteral("--sem-abertura"), QStringLiteral("--diretorio"),
                                      pasta.path(), QStringLiteral("--fechar-apos"), QStringLiteral("700")});
        QVERIFY2(r.terminou, r.erros.constData());
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.codigo, 0);
        QCOMPARE(QFile(pasta.filePath(QStringLiteral("oraculandia.dat"))).size(), 76);
        QCOMPARE(QFile(pasta.filePath(QStringLiteral("fontes.dat"))).size(), 168);
    }

    void comAberturaDuraOTempoDaAnimacao() {
        QTemporaryDir pasta;
        CopiarTextos(pasta);
        const Resultado r = Executar({QStringLiteral("--diretorio"), pasta.path(),
                                      QStringLiteral("--fechar-apos"), QStringLiteral("100")});
        QVERIFY2(r.terminou, r.erros.constData());
        QCOMPARE(r.status, QProcess::NormalExit);
        QCOMPARE(r.codigo, 0);
        // 3.5 s of growth and 1 s at full size before the window can close.
        QVERIFY2(r.ms >= 4400, qPrintable(QString::number(r.ms)));
        QCOMPARE(QFile(pasta.filePath(QStringLiteral("oraculandia.dat"))).size(), 76);
    }

    void pastaInexistenteERecusada() {
        QTemporaryDir pasta;
        const QString inexistente = pasta.filePath(QStringLiteral("nao-existe"));
        const Resultado r =
            Executar({QStringLiteral("--sem-abertura"), QStringLiteral("--diretorio"), inexistente});
        QVERIFY(r.terminou);
        QCOMPARE(r.codigo, 2);
        QVERIFY(r.erros.contains("nao-existe"));
        QVERIFY(!QFile::exists(inexistente));
    }

    // An empty --diretorio would silently mean the current folder: refused, with the same words
    // as the command line program, and nothing is written in the current folder.
    void pastaVaziaERecusada() {
        QTemporaryDir atual;
        const Resultado r = Executar({QStringLiteral("--sem-abertura"), QStringLiteral("--diretorio"),
                                      QString(), QStringLiteral("--fechar-apos"), QStringLiteral("100")},
                                     60000, atual.path());
        QVERIFY(r.terminou);
        QCOMPARE(r.codigo, 2);
        // (Qt may add notes of its own on other lines.)
        const QStringList linhas = QString::fromUtf8(r.erros).split(u'\n');
        QVERIFY2(
            linhas.contains(QStringLiteral("Erro: a opção --diretorio recebeu um texto vazio; informe a "
                                           "pasta do programa (para a pasta atual, use --diretorio .).")),
            r.erros.constData());
        QVERIFY(QDir(atual.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TesteExecucao)
#include "teste_principal_execucao.moc"
