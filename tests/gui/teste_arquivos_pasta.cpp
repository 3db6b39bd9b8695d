// The files of the program folder at start: one "Erro:" naming the files that exist but cannot
// be read (never written over afterwards, not at the exit nor by the dialogs), and one
// "Aviso:" naming the interpretation files that are missing or empty.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

#include "analysis/interpretacao.h"
#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmConfiguraFonte.h"
#include "app/qt/frmConfiguraRodape.h"
#include "print/qt/frmImprimir.h"
#include "programa/qt/programa.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// Ends the test program with a message when a call blocks for good, as opening a named pipe
// for reading would: the test fails instead of hanging the run.
class LimiteDeTempo {
public:
    explicit LimiteDeTempo(unsigned segundos) {
        std::signal(SIGALRM, Estourou);
        ::alarm(segundos);
    }
    ~LimiteDeTempo() { ::alarm(0); }
    LimiteDeTempo(const LimiteDeTempo&) = delete;
    LimiteDeTempo& operator=(const LimiteDeTempo&) = delete;

private:
    static void Estourou(int) {
        const char m[] = "FAIL: the start-up blocked on a file of the program folder\n";
        // Nothing more can be done if even this write fails: the exit status tells anyway.
        if (::write(2, m, sizeof m - 1) < 0) {
            ::_exit(2);
        }
        ::_exit(1);
    }
};

bool CriarPipe(const QString& caminho) {
    QFile::remove(caminho);
    return ::mkfifo(QFile::encodeName(caminho).constData(), 0666) == 0;
}

} // namespace

class TesteArquivosPasta : public QObject {
    Q_OBJECT

private slots:
    void comTodosOsArquivosNenhumaMensagem() {
        PrincipalTeste t(false, true);
        t.janela->Iniciar(false);
        QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
    }

    void pastaSemTextosAvisaUmaVez() {
        PrincipalTeste t(false);
        t.janela->Iniciar(false);
        const auto& m = t.ambiente.mensagens.mostradas;
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].titulo, QStringLiteral("Aviso:"));
        QCOMPARE(m[0].icone, IconeMensagem::Informacao);
        QVERIFY(AvisoDeArquivosDeInterpretacao(m[0]));
        // The analysis' own files (the consultation windows name theirs themselves).
        QStringList todos;
        for (std::size_t i = 0; i < kArquivosDaAnalise; ++i)
            todos << QString::fromLatin1(kArquivosInterpretacao[i]);
        QVERIFY2(m[0].texto.contains(todos.join(QStringLiteral(", ")) + QStringLiteral(".")),
                 qPrintable(m[0].texto));
        QVERIFY(m[0].texto.contains(QDir::toNativeSeparators(t.ambiente.Pasta())));
        // The notice creates nothing; the analysis still creates the files, as before.
        QVERIFY(!QFile::exists(t.ambiente.Arquivo("CVIDA.DAT")));
    }

    void arquivosDeInterpretacaoAusentesOuVazios() {
        PrincipalTeste t(false, true);
        QVERIFY(QFile::remove(t.ambiente.Arquivo("CVIDA.DAT")));
        QFile vazio(t.ambiente.Arquivo("INTVOG.DAT"));
        QVERIFY(vazio.open(QIODevice::WriteOnly | QIODevice::Truncate));
        vazio.close();
        t.janela->Iniciar(false);
        const auto& m = t.ambiente.mensagens.mostradas;
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].titulo, QStringLiteral("Aviso:"));
        QVERIFY2(m[0].texto.contains(QStringLiteral("): CVIDA.DAT, INTVOG.DAT.\n")), qPrintable(m[0].texto));
        QVERIFY(!m[0].texto.contains(QStringLiteral("CFORM.DAT")));
    }

    // Named pipes in place of the settings files and of one interpretation file: the start-up
    // goes through, one "Erro:" names them, and nothing is written where they were, even once
    // the names are free again.
    void arquivosIlegiveisUmErroENuncaGravados() {
        PrincipalTeste t(false, true);
        for (const char* nome :
             {"fontes.dat", "oraculandia.dat", "rodape.dat", "preferencias.ini", "margens.dat", "CFORM.DAT"})
            QVERIFY(CriarPipe(t.ambiente.Arquivo(nome)));
        {
            LimiteDeTempo limite(20);
            t.janela->Iniciar(false);
        }
        const auto& m = t.ambiente.mensagens.mostradas;
        QCOMPARE(m.size(), 1);
        QCOMPARE(m[0].titulo, QStringLiteral("Erro:"));
        QCOMPARE(m[0].icone, IconeMensagem::Critico);
        for (const QString& parte :
             {QStringLiteral(
                  "• fontes.dat (fontes da análise)\n• oraculandia.dat (configurações do programa)\n"
                  "• rodape.dat (cabeçalho e rodapé)\n• preferencias.ini (preferências do programa)\n"
                  "• margens.dat (margens de impressão)"),
              QStringLiteral("não vai gravar por cima deles"),
              QStringLiteral("arquivos de interpretação: CFORM.DAT.")})
            QVERIFY2(m[0].texto.contains(parte), qPrintable(m[0].texto));
        Programa& p = *t.ambiente.programa;
        QVERIFY(p.Configuracao.Selecionado(1));    // the defaults for the run
        QVERIFY(p.Ilegivel(kArquivoPreferencias)); // never written over in this run
        QCOMPARE(p.Fontes.FonteCorpo.Nome, std::string("Times New Roman"));

        // The names are free again: the dialogs still refuse to write there.
        for (const char* nome : {"fontes.dat", "oraculandia.dat", "rodape.dat"})
            QVERIFY(QFile::remove(t.ambiente.Arquivo(nome)));
        t.ambiente.mensagens.mostradas.clear();
        {
            frmConfiguraFonte d(p);
            d.show();
            Filho<QPushButton>(d, "cmdOk")->click();
            QCOMPARE(m.size(), 1);
            QCOMPARE(m[0].titulo, QStringLiteral("Erro:"));
            QVERIFY2(m[0].texto.contains(QDir::toNativeSeparators(t.ambiente.Arquivo("fontes.dat"))),
                     qPrintable(m[0].texto));
            QVERIFY(d.isVisible());
            QVERIFY(!QFile::exists(t.ambiente.Arquivo("fontes.dat")));
        }
        t.ambiente.mensagens.mostradas.clear();
        {
            frmConfiguraRodape d(p);
            d.show();
            Filho<QLineEdit>(d, "txtRodapeLinhaUm")->setText(QStringLiteral("Nova linha"));
            Filho<QPushButton>(d, "cmdOk")->click();
            QCOMPARE(m.size(), 1);
            QCOMPARE(m[0].titulo, QStringLiteral("Erro:"));
            QVERIFY(m[0].texto.contains(QDir::toNativeSeparators(t.ambiente.Arquivo("rodape.dat"))));
            QVERIFY(d.isVisible());
            QCOMPARE(Filho<QLineEdit>(d, "txtRodapeLinhaUm")->text(), QStringLiteral("Nova linha"));
            QVERIFY(!QFile::exists(t.ambiente.Arquivo("rodape.dat")));
        }
        // The print job prints with the margins given, and says they are not kept.
        t.ambiente.mensagens.mostradas.clear();
        {
            p.NomeCompleto = "MARIA DA CONCEICAO";
            p.DataNascimento = "15/03/1970";
            p.ComporAnalise();
            ServicosImpressaoDuplo servicos;
            servicos.arquivoEscolhido = t.ambiente.Arquivo("analise.pdf");
            frmImprimir f(p, servicos);
            f.show();
            teste::Filho<QPushButton>(f, "cmdSalvarPdf")->click();
            QVERIFY(QFile::exists(t.ambiente.Arquivo("analise.pdf")));
            // One message says both: the PDF was saved, the margins are not kept.
            QCOMPARE(m.size(), 1);
            QCOMPARE(m[0].titulo, QStringLiteral("Erro:"));
            QVERIFY(m[0].texto.contains(QDir::toNativeSeparators(t.ambiente.Arquivo("margens.dat"))));
            QVERIFY(
                m[0].texto.contains(QStringLiteral("A análise foi salva no arquivo %1")
                                        .arg(QDir::toNativeSeparators(t.ambiente.Arquivo("analise.pdf")))));
            QVERIFY(m[0].texto.contains(QStringLiteral("valeram para ela, mas não ficam guardadas")));
        }
        // The exit does not write the settings, and says nothing more.
        t.ambiente.mensagens.mostradas.clear();
        Filho<QAction>(*t.janela, "mnuEncerrar")->trigger();
        QCOMPARE(t.fins, 1);
        QVERIFY(m.isEmpty());
        QVERIFY(!QFile::exists(t.ambiente.Arquivo("oraculandia.dat")));
        QFileInfo margens(t.ambiente.Arquivo("margens.dat"));
        QVERIFY(margens.exists() && !margens.isFile()); // still the pipe
    }
};

QTEST_MAIN(TesteArquivosPasta)
#include "teste_arquivos_pasta.moc"
