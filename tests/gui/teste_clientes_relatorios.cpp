// Reports without the window: the real program run with --pdf and --lote, with no display and no
// platform chosen. The PDF of one person is the one the print dialog's "Salvar em PDF" writes
// (same settings, same text); names and dates are refused as the entry dialog refuses them; a
// batch of 50 rows with two bad ones writes 48 files, tells its progress and the bad lines, and
// never replaces a file without --substituir.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#include "apoio/duplos.h"
#include "app/qt/relatorios_sem_janela.h"
#include "clientes/qt/csv_clientes.h"
#include "engine/entrada.h"
#include "print/qt/frmImprimir.h"
#include "print/qt/servicos_impressao.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

struct Execucao {
    int codigo = -1;
    QString erro; // standard error
    QString saida;
    bool terminou = false;
};

QString Executavel() {
    return QStringLiteral(PASTA_PROGRAMA_TESTE "/oraculandia");
}

// The program run as from a terminal without a display: no DISPLAY, no WAYLAND_DISPLAY, no
// platform chosen.
Execucao Rodar(const QStringList& argumentos, int limiteMs = 240000) {
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(ambiente);
    p.start(Executavel(), argumentos);
    Execucao e;
    e.terminou = p.waitForFinished(limiteMs);
    if (!e.terminou) {
        p.kill();
        p.waitForFinished(5000);
    }
    e.codigo = p.exitCode();
    e.erro = QString::fromUtf8(p.readAllStandardError());
    e.saida = QString::fromUtf8(p.readAllStandardOutput());
    return e;
}

// Settings that differ from the defaults in every way the PDF shows: cover sheet, colour,
// margins, fonts, header and footer lines.
void ConfigurarPasta(AmbienteTeste& amb) {
    const auto pasta = amb.programa->PastaPrograma;
    ConfiguracaoPrograma c;
    c.ImprimirFolhaRosto = kLigado;
    c.PretoEmBranco = kDesligado;
    c.CalculosSelecionados[5] = kDesligado;
    QVERIFY(SalvarConfiguracao(pasta, c));
    QVERIFY(SalvarMargens(pasta, Margens{15, 12.5f, 14, 11}));
    FontesAnalise f = FontesAnalise{};
    f = CarregaFontes(pasta);
    f.FonteCorpo.Tamanho = 11;
    f.FonteTitulo.Nome = "Arial";
    QVERIFY(SalvarFontes(pasta, f));
    LinhasRodape r;
    r.CabecalhoLinhaUm = "Consult\xF3rio Estrela";
    r.RodapeLinhaUm = "Rua das Flores, 10 - S\xE3o Paulo";
    r.RodapeLinhaDois = "Telefone (11) 5555-0000";
    QVERIFY(SalvarLinhasRodape(pasta, r));
}

QString InfoPdf(const QString& arquivo, const QString& campo) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {arquivo});
    p.waitForFinished(60000);
    for (const QString& linha : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (linha.startsWith(campo + u':'))
            return linha.mid(campo.size() + 1).trimmed();
    return {};
}

QStringList Pdfs(const QString& pasta) {
    return QDir(pasta).entryList({QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray Conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TesteClientesRelatorios : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfIgualAoDoDialogo();
    void recusasComoNaEntrada();
    void nuncaSubstituiSemPedir();
    void loteDeCinquentaComDuasRuins();
    void loteQueNaoSubstitui();
    void nomesDeArquivo();
};

void TesteClientesRelatorios::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the reports back");
    QVERIFY2(QFile::exists(Executavel()), "the program must be built before this test");
}

void TesteClientesRelatorios::pdfIgualAoDoDialogo() {
    AmbienteTeste amb(true);
    ConfigurarPasta(amb);
    const QString semJanela = amb.Arquivo("sem-janela.pdf");
    const Execucao e =
        Rodar({QStringLiteral("--nome"), QStringLiteral("maria da conceição"), QStringLiteral("--data"),
               QStringLiteral("15/3/1970"), QStringLiteral("--pdf"), semJanela, QStringLiteral("--hoje"),
               QStringLiteral("07/12/2026"), QStringLiteral("--diretorio"), amb.Pasta()});
    QVERIFY(e.terminou);
    QVERIFY2(e.codigo == 0, qPrintable(e.erro));
    QCOMPARE(e.erro, QString());
    QCOMPARE(e.saida, QString());
    QVERIFY(QFile::exists(semJanela));

    // The same person through the print dialog's "Salvar em PDF", with the settings the main
    // window loads at start and the page of Qt's printer services, which the reports without a
    // window use.
    Programa& p = *amb.programa;
    p.Fontes = CarregaFontes(p.PastaPrograma);
    p.Configuracao = CarregarConfiguracao(p.PastaPrograma);
    p.Rodape = CarregaLinhasRodape(p.PastaPrograma);
    p.NomeCompleto = "MARIA DA CONCEICAO";
    p.NomeDigitado = "maria da concei\xE7\xE3o";
    p.DataNascimento = "15/03/1970";
    p.ComporAnalise();
    ServicosImpressaoDuplo servicos;
    servicos.pagina = ServicosImpressaoQt().Pagina();
    const QString doDialogo = amb.Arquivo("dialogo.pdf");
    servicos.arquivoEscolhido = doDialogo;
    {
        frmImprimir dialogo(p, servicos);
        dialogo.cmdSalvarPdf_Click();
    }
    QVERIFY(QFile::exists(doDialogo));

    const QString texto = TextoPdf(semJanela);
    QCOMPARE(texto, TextoPdf(doDialogo));
    // What the settings put there is in it: the cover sheet first, the footer lines, the header.
    QVERIFY(texto.contains(QStringLiteral("Consultório Estrela")));
    QVERIFY(texto.contains(QStringLiteral("Rua das Flores, 10 - São Paulo")));
    QVERIFY(texto.contains(QStringLiteral("MARIA DA CONCEIÇÃO")));
    QVERIFY(!texto.contains(QStringLiteral("CONCEICAO")));
    QCOMPARE(PaginasPdf(semJanela), PaginasPdf(doDialogo));
    QVERIFY(PaginasPdf(semJanela) > 5);
    for (const char* campo : {"Title", "Creator", "Page size"})
        QCOMPARE(InfoPdf(semJanela, QString::fromLatin1(campo)),
                 InfoPdf(doDialogo, QString::fromLatin1(campo)));
    QCOMPARE(InfoPdf(semJanela, QStringLiteral("Title")), QStringLiteral("MARIA DA CONCEIÇÃO"));
    // Only the report: no temporary file left, the settings files untouched by the run.
    QCOMPARE(Pdfs(amb.Pasta()),
             (QStringList{QStringLiteral("dialogo.pdf"), QStringLiteral("sem-janela.pdf")}));
}

void TesteClientesRelatorios::recusasComoNaEntrada() {
    AmbienteTeste amb(true);
    const QString pdf = amb.Arquivo("r.pdf");
    auto rodar = [&](const char* nome, const char* data) {
        return Rodar({QStringLiteral("--nome"), QString::fromUtf8(nome), QStringLiteral("--data"),
                      QString::fromUtf8(data), QStringLiteral("--pdf"), pdf, QStringLiteral("--diretorio"),
                      amb.Pasta()});
    };
    const QString data = QStringLiteral("Erro: %1\n").arg(QString::fromUtf8(kMensagemDataInvalida));
    const QString curto = QStringLiteral("Erro: %1\n").arg(QString::fromUtf8(kMensagemNomeCurto));
    struct Caso {
        const char* nome;
        const char* data;
        QString erro;
    } casos[] = {
        {"Maria da Conceição", "31/02/1970", data},
        {"Ana", "31/02/1970", data}, // the date first, as in the dialog
        {"Ana", "15/03/1970", curto},
        {"ANA ", "15/03/1970", curto}, // four characters and a blank
        {"     ", "15/03/1970", curto},
        {"", "15/03/1970", curto},
        {"Zé ★ Silva", "15/03/1970",
         QStringLiteral(
             "Erro: O nome informado contém caracteres que o programa não consegue usar numa análise: "
             "\"★\". Digite o nome novamente sem esses caracteres.\n")},
        {"Maria\tSilva", "15/03/1970",
         QStringLiteral("Erro: %1\n").arg(QString::fromUtf8(kMensagemNomeComControle))},
    };
    for (const Caso& c : casos) {
        const Execucao e = rodar(c.nome, c.data);
        QVERIFY(e.terminou);
        QCOMPARE(e.codigo, 2);
        QCOMPARE(e.erro, c.erro);
        QVERIFY(!QFile::exists(pdf));
    }
    // Accepted as the dialog accepts them: five characters, a two-digit year.
    const Execucao e = rodar("ANA S", "20/8/78");
    QVERIFY2(e.codigo == 0, qPrintable(e.erro));
    QVERIFY(TextoPdf(pdf).contains(QStringLiteral("20 de agosto de 1978")));

    // A wrong command line: the usage, exit status 2.
    Execucao u = Rodar({QStringLiteral("--nome"), QStringLiteral("Maria Silva"), QStringLiteral("--data"),
                        QStringLiteral("01/01/1990")});
    QCOMPARE(u.codigo, 2);
    QVERIFY(u.erro.startsWith(QStringLiteral("Erro: falta a opção --pdf (ou --lote)\n\nUso:\n")));
    u = Rodar({QStringLiteral("--lote"), QStringLiteral("x.csv")});
    QCOMPARE(u.codigo, 2);
    QVERIFY(u.erro.startsWith(QStringLiteral("Erro: falta a opção --pasta-pdf\n")));
    u = Rodar({QStringLiteral("--pdf"), pdf, QStringLiteral("--nome"), QStringLiteral("Maria Silva"),
               QStringLiteral("--data"), QStringLiteral("01/01/1990"), QStringLiteral("--hoje"),
               QStringLiteral("32/01/2026")});
    QCOMPARE(u.codigo, 2);
    QVERIFY(u.erro.startsWith(QStringLiteral("Erro: a data de --hoje (32/01/2026) não é uma data válida")));
}

void TesteClientesRelatorios::nuncaSubstituiSemPedir() {
    AmbienteTeste amb(true);
    const QString pdf = amb.Arquivo("existe.pdf");
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("anterior");
    f.close();
    QStringList args{QStringLiteral("--nome"),      QStringLiteral("Maria Silva"),
                     QStringLiteral("--data"),      QStringLiteral("01/01/1990"),
                     QStringLiteral("--pdf"),       pdf,
                     QStringLiteral("--diretorio"), amb.Pasta()};
    Execucao e = Rodar(args);
    QCOMPARE(e.codigo, 1);
    QCOMPARE(e.erro,
             QStringLiteral("Erro: não foi possível gravar o arquivo PDF %1: o arquivo %1 já existe (para "
                            "substituí-lo, use --substituir).\n")
                 .arg(pdf));
    QCOMPARE(Conteudo(pdf), QByteArray("anterior"));
    e = Rodar(args << QStringLiteral("--substituir"));
    QCOMPARE(e.codigo, 0);
    QCOMPARE(e.erro, QString::fromUtf8(kAvisoRodape)); // the folder's footer is the placeholder
    QVERIFY(Conteudo(pdf).startsWith("%PDF"));
    // A folder that does not exist: nothing written anywhere.
    e = Rodar({QStringLiteral("--nome"), QStringLiteral("Maria Silva"), QStringLiteral("--data"),
               QStringLiteral("01/01/1990"), QStringLiteral("--pdf"), amb.Arquivo("nao/existe.pdf"),
               QStringLiteral("--diretorio"), amb.Pasta()});
    QCOMPARE(e.codigo, 1);
    QVERIFY(e.erro.contains(QStringLiteral("não foi possível criar o arquivo na pasta")));
}

void TesteClientesRelatorios::loteDeCinquentaComDuasRuins() {
    AmbienteTeste amb(true);
    QTemporaryDir saida;
    const QString pasta = saida.filePath(QStringLiteral("relatorios")); // created by the batch
    QString csv = QStringLiteral("nome;nascimento;observacoes\r\n");
    QStringList esperados;
    // The good rows hold a line break in their notes: each takes two lines of the file.
    for (int i = 1; i <= 50; ++i) {
        if (i == 10) {
            csv += QStringLiteral("Ana;01/01/1990;curto demais\r\n");
            continue;
        }
        if (i == 36) {
            csv += QStringLiteral("Joana D'Arc;30/02/1990;\"data; impossível\"\r\n");
            continue;
        }
        const QString nome = i == 20 ? QStringLiteral("Conceição/Souza: \"Lima\"")
                                     : QStringLiteral("Cliente Número %1").arg(i);
        const Data d{1 + i % 28, 1 + i % 12, 1950 + i};
        csv +=
            QStringLiteral("%1;%2;\"nota %3\nsegunda linha\"\r\n").arg(CampoCsv(nome), DataExibida(d)).arg(i);
        esperados << NomeArquivoRelatorio(nome, d);
    }
    const QString arquivo = amb.Arquivo("lote.csv");
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF" + csv.toUtf8());
    }
    const Execucao e = Rodar({QStringLiteral("--lote"), arquivo, QStringLiteral("--pasta-pdf"), pasta,
                              QStringLiteral("--diretorio"), amb.Pasta(), QStringLiteral("--hoje"),
                              QStringLiteral("07/12/2026")});
    QVERIFY(e.terminou);
    QCOMPARE(e.codigo, 1);
    esperados.sort();
    QStringList escritos = Pdfs(pasta);
    escritos.sort();
    QCOMPARE(escritos, esperados);
    QCOMPARE(escritos.size(), 48);
    QVERIFY(escritos.contains(QStringLiteral("Conceição_Souza_ _Lima_ 21-09-1970.pdf")));
    // Progress, row by row, then the bad rows with their lines.
    const QStringList linhas = e.erro.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(linhas.size(), 50 + 5);
    QCOMPARE(linhas[0], QStringLiteral("1 de 50: %1")
                            .arg(NomeArquivoRelatorio(QStringLiteral("Cliente Número 1"), Data{2, 2, 1951})));
    QCOMPARE(linhas[9],
             QStringLiteral("10 de 50: linha 20 recusada: nome incompleto (menos de 5 caracteres)"));
    QCOMPARE(linhas[35],
             QStringLiteral("36 de 50: linha 71 recusada: data de nascimento inválida (\"30/02/1990\")"));
    QVERIFY(linhas[49].startsWith(QStringLiteral("50 de 50: ")));
    QCOMPARE(linhas[50], QStringLiteral("48 de 50 relatórios gravados em %1.").arg(pasta));
    QCOMPARE(linhas[51], QStringLiteral("Linhas com problema (nenhum relatório gravado para elas):"));
    QCOMPARE(linhas[52], QStringLiteral("  linha 20: nome incompleto (menos de 5 caracteres)"));
    QCOMPARE(linhas[53], QStringLiteral("  linha 71: data de nascimento inválida (\"30/02/1990\")"));
    // The folder has no footer of its own: the reports would reach the clients without the
    // numerologist's contacts, and the run says so last.
    QCOMPARE(linhas[54], QString::fromUtf8(kAvisoRodape).trimmed());
    // Every file is a whole report of its person.
    const QString um = QDir(pasta).filePath(escritos.first());
    QVERIFY(PaginasPdf(um) > 5);
    const QString texto = TextoPdf(
        QDir(pasta).filePath(NomeArquivoRelatorio(QStringLiteral("Cliente Número 7"), Data{8, 8, 1957})));
    QVERIFY(texto.contains(QStringLiteral("CLIENTE NÚMERO 7"))); // the name as written, accents kept
    QVERIFY(texto.contains(QStringLiteral("8 de agosto de 1957")));
}

void TesteClientesRelatorios::loteQueNaoSubstitui() {
    AmbienteTeste amb(true);
    QTemporaryDir pasta;
    const QString arquivo = amb.Arquivo("lote.csv");
    {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "Maria Silva;01/01/1990\nPedro Souza;02/02/1992\nmaria silva;1/1/1990\nMaria Silva;01/01/1991\n");
    }
    const QString existente = pasta.filePath(QStringLiteral("Maria Silva 01-01-1990.pdf"));
    {
        QFile f(existente);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("do cliente");
    }
    const QStringList args{QStringLiteral("--lote"),      arquivo,
                           QStringLiteral("--pasta-pdf"), pasta.path(),
                           QStringLiteral("--diretorio"), amb.Pasta()};
    Execucao e = Rodar(args);
    QCOMPARE(e.codigo, 1);
    QCOMPARE(Conteudo(existente), QByteArray("do cliente"));
    QVERIFY2(e.erro.contains(
                 QStringLiteral("1 de 4: linha 1 falhou: o arquivo %1 já existe (para substituí-lo, use "
                                "--substituir)\n")
                     .arg(existente)),
             qPrintable(e.erro));
    QVERIFY(e.erro.contains(QStringLiteral("3 de 4: linha 3 ignorada: a mesma pessoa da linha 1\n")));
    QVERIFY(e.erro.contains(QStringLiteral("2 de 4 relatórios gravados em %1.\n").arg(pasta.path())));
    QCOMPARE(Pdfs(pasta.path()), (QStringList{QStringLiteral("Maria Silva 01-01-1990.pdf"),
                                              QStringLiteral("Maria Silva 01-01-1991.pdf"),
                                              QStringLiteral("Pedro Souza 02-02-1992.pdf")}));
    e = Rodar(QStringList(args) << QStringLiteral("--substituir"));
    QVERIFY2(e.codigo == 0, qPrintable(e.erro));
    QVERIFY(Conteudo(existente).startsWith("%PDF"));
    QVERIFY(e.erro.contains(
        QStringLiteral("Linhas repetidas, ignoradas:\n  linha 3: a mesma pessoa da linha 1\n")));

    // A file that cannot be read: exit status 2, nothing written.
    e = Rodar(
        {QStringLiteral("--lote"), amb.Arquivo("nada.csv"), QStringLiteral("--pasta-pdf"), pasta.path()});
    QCOMPARE(e.codigo, 2);
    QCOMPARE(e.erro, QStringLiteral("Erro: não foi possível ler o arquivo %1: o arquivo não existe.\n")
                         .arg(amb.Arquivo("nada.csv")));
}

void TesteClientesRelatorios::nomesDeArquivo() {
    QCOMPARE(NomeArquivoRelatorio(QStringLiteral("Maria da Conceição"), Data{15, 3, 1970}),
             QStringLiteral("Maria da Conceição 15-03-1970.pdf"));
    QCOMPARE(NomeArquivoRelatorio(QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"), Data{1, 2, 2000}),
             QStringLiteral("a_b_c_d_e_f_g_h_i_j 01-02-2000.pdf"));
    QCOMPARE(NomeArquivoRelatorio(QStringLiteral("..  .oculto  demais.. "), Data{1, 2, 2000}),
             QStringLiteral("oculto demais 01-02-2000.pdf"));
    QCOMPARE(NomeArquivoRelatorio(QStringLiteral("..."), Data{1, 2, 2000}),
             QStringLiteral("Análise 01-02-2000.pdf"));
    const QString longo = NomeArquivoRelatorio(QString(300, QChar(u'ç')), Data{1, 2, 2000});
    QVERIFY(longo.toUtf8().size() <= 255);
    QVERIFY(longo.endsWith(QStringLiteral(" 01-02-2000.pdf")));
}

QTEST_MAIN(TesteClientesRelatorios)
#include "teste_clientes_relatorios.moc"
