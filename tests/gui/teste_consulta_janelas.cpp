// The Previsões and Harmonia windows: what they show against the core, the messages of the
// entry naming the field and the person, a missing text file said once, copy, the PDF read back
// with pdftotext, the table of relations' dialog, and the menu entries of the main window
// (Previsões from an analysis window opens for that person).
//
// With ORACULANDIA_CAPTURAS set to a folder, the windows are also saved there as pictures
// (docs/capturas is made so).
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "apoio/principal_teste.h"
#include "consulta/qt/dlgTabelaRelacoes.h"
#include "consulta/qt/frmHarmonia.h"
#include "consulta/qt/frmPrevisoes.h"
#include "consulta/qt/saida_consulta.h"
#include "engine/entrada.h"
#include "programa/qt/programa.h"
#include "teste_clientes_apoio.h"
#include "teste_impressao_duplo.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

const QString kMensagemData = QString::fromUtf8(kMensagemDataInvalida);
const QString kMensagemNome = QString::fromUtf8(kMensagemNomeCurto);

struct ComServicos {
    ComServicos() { DefinirServicosImpressao(&duplo); }
    ~ComServicos() { DefinirServicosImpressao(nullptr); }
    ServicosImpressaoDuplo duplo;
};

void Digitar(QLineEdit* campo, const QString& texto) {
    campo->setText(texto);
    emit campo->editingFinished();
}

void Capturar(QWidget& w, const char* nome) {
    const QString pasta = qEnvironmentVariable("ORACULANDIA_CAPTURAS");
    if (pasta.isEmpty())
        return;
    w.show();
    QTest::qWait(50);
    w.grab().save(QDir(pasta).filePath(QString::fromLatin1(nome)));
}

// The access keys of a window's labels, buttons and tabs: each letter once.
void TeclasUnicas(QWidget& janela) {
    QStringList textos;
    for (const QLabel* l : janela.findChildren<QLabel*>())
        textos << l->text();
    for (const QPushButton* b : janela.findChildren<QPushButton*>())
        textos << b->text();
    for (const QTabWidget* t : janela.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            textos << t->tabText(i);
    QMap<QChar, QString> usadas;
    for (const QString& t : textos) {
        const qsizetype e = t.indexOf(u'&');
        if (e < 0 || e + 1 >= t.size())
            continue;
        const QChar letra = t[e + 1].toLower();
        QVERIFY2(!usadas.contains(letra), qPrintable(t + QStringLiteral(" / ") + usadas.value(letra)));
        usadas.insert(letra, t);
    }
    QVERIFY(usadas.size() >= 8);
}

} // namespace

class TesteConsultaJanelas : public QObject {
    Q_OBJECT
private slots:
    void previsoesIguaisAoNucleo();
    void previsoesSemTextosAvisaUmaVez();
    void previsoesPdf();
    void harmoniaIguaisAoNucleo();
    void harmoniaTabelaDeRelacoes();
    void harmoniaPdf();
    void menusEAnalise();
    void clientesDoCadastro();
};

void TesteConsultaJanelas::previsoesIguaisAoNucleo() {
    AmbienteTeste a(true);
    frmPrevisoes j(*a.programa);
    QVERIFY(!j.cmdCopiar->isEnabled());
    TeclasUnicas(j);
    // A refused date: the entry's message, naming the field; nothing computed.
    Digitar(j.txtDataNasc, QStringLiteral("31/02/1970"));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(a.mensagens.mostradas[0].texto, QStringLiteral("Data de nascimento: ") + kMensagemData);
    QVERIFY(!j.PrevisaoAtual());
    Digitar(j.txtDataNasc, QStringLiteral("15-3-70"));
    QCOMPARE(j.txtDataNasc->text(), QStringLiteral("15/03/1970"));
    Digitar(j.txtNome, QStringLiteral("Ana"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("Nome: ") + kMensagemNome);
    Digitar(j.txtNome, QStringLiteral("Ana Souza"));
    QCOMPARE(a.mensagens.mostradas.size(), 2);
    j.spnAnoMeses->setValue(2030);
    j.cboMes->setCurrentIndex(1);
    j.spnAnoCalendario->setValue(2024);

    // The reference date is the clock's day (7 December 2026).
    const Previsao p = ComporPrevisao(a.programa->PastaPrograma, {15, 3, 1970}, {7, 12, 2026}, 2030, 2, 2024);
    QCOMPARE(j.txtReferencia->text(), QStringLiteral("07/12/2026"));
    QCOMPARE(j.tblAnos->rowCount(), 9);
    for (int i = 0; i < 9; ++i) {
        const AnoPrevisao& e = p.anos[static_cast<std::size_t>(i)];
        QCOMPARE(j.tblAnos->item(i, 0)->text(), QString::number(e.ano));
        QCOMPARE(j.tblAnos->item(i, 1)->text(), QString::number(e.universal));
        QCOMPARE(j.tblAnos->item(i, 2)->text(), QString::number(e.pessoal));
        QCOMPARE(j.tblAnos->item(i, 3)->text(), e.novoCiclo ? QStringLiteral("novo ciclo") : QString());
    }
    for (int i = 0; i < 12; ++i)
        QCOMPARE(j.tblMeses->item(i, 2)->text(),
                 QString::number(p.meses[static_cast<std::size_t>(i)].pessoal));
    // February 2024 starts on a Thursday: the first week has four empty days.
    QCOMPARE(j.tblCalendario->horizontalHeaderItem(4)->text(), QStringLiteral("Qui"));
    QVERIFY(j.tblCalendario->item(0, 3) == nullptr);
    QCOMPARE(j.tblCalendario->item(0, 4)->text(), QStringLiteral("1\n(%1)").arg(p.dias[0].pessoal));
    QCOMPARE(j.tblCalendario->rowCount(), 5);
    QVERIFY(j.lblLegenda->text().contains(QStringLiteral("9: ") + QString::fromStdString(p.legenda[9])));
    j.tblAnos->setCurrentCell(2, 0);
    QVERIFY(j.txtAnos->toPlainText().endsWith(QString::fromStdString(p.anos[2].texto)));
    j.cmdCopiar->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoPrevisao(p, "Ana Souza")));
    // A new reference date takes the months and the calendar along.
    Digitar(j.txtReferencia, QStringLiteral("1/1/2040"));
    QCOMPARE(j.tblAnos->item(0, 0)->text(), QStringLiteral("2040"));
    QCOMPARE(j.spnAnoMeses->value(), 2040);
    QCOMPARE(j.cboMes->currentIndex(), 0);
    Digitar(j.txtReferencia, QStringLiteral("xx"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("Data de referência: ") + kMensagemData);
    QCOMPARE(j.tblAnos->item(0, 0)->text(), QStringLiteral("2040"));
    Digitar(j.txtReferencia, QString());
    QCOMPARE(j.txtReferencia->text(), QStringLiteral("07/12/2026"));
    QCOMPARE(j.tblAnos->item(0, 0)->text(), QStringLiteral("2026"));
    j.resize(900, 640);
    Digitar(j.txtReferencia, QStringLiteral("9/12/2026"));
    Capturar(j, "previsoes.png");
    j.abas->setCurrentIndex(2);
    Capturar(j, "previsoes-calendario.png");
}

void TesteConsultaJanelas::previsoesSemTextosAvisaUmaVez() {
    AmbienteTeste a(false);
    frmPrevisoes j(*a.programa);
    Digitar(j.txtDataNasc, QStringLiteral("15/03/1970"));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QVERIFY(a.mensagens.mostradas[0].texto.contains(QStringLiteral("PREVANO.DAT")));
    QVERIFY(a.mensagens.mostradas[0].texto.contains(QStringLiteral("PREVDIA.DAT")));
    j.spnAnoMeses->setValue(2031);
    j.cboMes->setCurrentIndex(5);
    QCOMPARE(a.mensagens.mostradas.size(), 1); // said once
    QCOMPARE(j.tblAnos->rowCount(), 9);        // the numbers are there
    QCOMPARE(j.tblAnos->item(0, 2)->text(),
             QString::number(CalcularPrevisao({15, 3, 1970}, {7, 12, 2026}, 2031, 6, 2026).anos[0].pessoal));
    QVERIFY(!QDir(a.Pasta()).exists(QStringLiteral("PREVANO.DAT"))); // nothing created
}

void TesteConsultaJanelas::previsoesPdf() {
    AmbienteTeste a(true);
    a.programa->Rodape.CabecalhoLinhaUm = "Consult\xF3rio Estrela";
    ComServicos s;
    QTemporaryDir pasta;
    s.duplo.arquivoEscolhido = pasta.filePath(QStringLiteral("previsoes"));
    frmPrevisoes j(*a.programa);
    Digitar(j.txtDataNasc, QStringLiteral("15/03/1970"));
    Digitar(j.txtNome, QStringLiteral("Ana Souza"));
    j.cmdSalvarPdf->click();
    QCOMPARE(s.duplo.titulos, QStringList{QStringLiteral("Salvar as previsões em PDF")});
    QVERIFY(s.duplo.sugestoes[0].endsWith(QStringLiteral("/Previsões - Ana Souza.pdf")));
    const QString arquivo = pasta.filePath(QStringLiteral("previsoes.pdf"));
    QCOMPARE(a.mensagens.mostradas.last().texto,
             QStringLiteral("O arquivo %1 foi salvo.").arg(QDir::toNativeSeparators(arquivo)));
    const QString texto = TextoPdf(arquivo);
    const Previsao& p = *j.PrevisaoAtual();
    for (const QString& esperado :
         {QStringLiteral("Consultório Estrela"), QStringLiteral("ANA SOUZA"), QStringLiteral("Previsões"),
          QStringLiteral("Anos Pessoais"), QStringLiteral("Meses Pessoais de 2026"),
          QStringLiteral("Dias Pessoais de dezembro de 2026"), QStringLiteral("Dom Seg Ter Qua Qui Sex Sáb"),
          QStringLiteral("Entre parênteses, o Dia Pessoal."), QStringLiteral("1 (%1)").arg(p.dias[0].pessoal),
          QStringLiteral("2026 (Ano Pessoal %1):").arg(p.anos[0].pessoal)})
        QVERIFY2(texto.contains(esperado), qPrintable(esperado + QStringLiteral("\n---\n") + texto));
    // The printer: the same pages on the "printer" file.
    s.duplo.haImpressora = true;
    s.duplo.arquivoImpressora = pasta.filePath(QStringLiteral("impressora.pdf"));
    j.cmdImprimir->click();
    QCOMPARE(s.duplo.trabalhos, 1);
    QCOMPARE(TextoPdf(s.duplo.arquivoImpressora), texto);
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS"))
        QFile::copy(
            arquivo,
            QDir(qEnvironmentVariable("ORACULANDIA_CAPTURAS")).filePath(QStringLiteral("previsoes.pdf")));
}

void TesteConsultaJanelas::harmoniaIguaisAoNucleo() {
    AmbienteTeste a(true);
    frmHarmonia j(*a.programa);
    QVERIFY(!j.cmdCopiar->isEnabled());
    TeclasUnicas(j);
    Digitar(j.txtNome[0], QStringLiteral("Ana Maria Souza"));
    Digitar(j.txtDataNasc[0], QStringLiteral("15/03/1970"));
    Digitar(j.txtNome[1], QStringLiteral("Jo"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("2ª pessoa, nome: ") + kMensagemNome);
    Digitar(j.txtDataNasc[1], QStringLiteral("30/02/1968"));
    QCOMPARE(a.mensagens.mostradas.last().texto,
             QStringLiteral("2ª pessoa, data de nascimento: ") + kMensagemData);
    QCOMPARE(a.mensagens.mostradas.size(), 2);
    QVERIFY(!j.HarmoniaAtual());
    Digitar(j.txtNome[1], QStringLiteral("José Carlos Lima"));
    Digitar(j.txtDataNasc[1], QStringLiteral("29/11/1968"));
    QVERIFY(j.HarmoniaAtual());
    const Harmonia h =
        ComporHarmonia(a.programa->PastaPrograma, CalcularPessoa("Ana Maria Souza", {15, 3, 1970}),
                       CalcularPessoa("Jos\xE9 Carlos Lima", {29, 11, 1968}), TabelaPadrao());
    QCOMPARE(j.tblHarmonia->horizontalHeaderItem(2)->text(), QStringLiteral("José Carlos Lima"));
    for (int k = 0; k < kAspectosHarmonia; ++k) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(k)];
        QCOMPARE(j.tblHarmonia->item(k, 0)->text(), QString::fromUtf8(kNomesAspectos[k]));
        QCOMPARE(j.tblHarmonia->item(k, 1)->text(), QString::number(p.primeiro));
        QCOMPARE(j.tblHarmonia->item(k, 2)->text(), QString::number(p.segundo));
        QCOMPARE(j.tblHarmonia->item(k, 3)->text(), QString::fromUtf8(NomeRelacao(p.relacao)));
        QVERIFY(j.txtLeitura->toPlainText().contains(QString::fromStdString(p.texto)));
    }
    QVERIFY(j.txtLeitura->toPlainText().endsWith(QString::fromStdString(h.leituraGeral)));
    Capturar(j, "harmonia.png");
    j.cmdCopiar->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoHarmonia(h)));
}

void TesteConsultaJanelas::harmoniaTabelaDeRelacoes() {
    AmbienteTeste a(true);
    frmHarmonia j(*a.programa);
    Digitar(j.txtNome[0], QStringLiteral("Ana Maria Souza"));
    Digitar(j.txtDataNasc[0], QStringLiteral("15/03/1970"));
    Digitar(j.txtNome[1], QStringLiteral("José Carlos Lima"));
    Digitar(j.txtDataNasc[1], QStringLiteral("29/11/1968"));
    QCOMPARE(j.tblHarmonia->item(0, 3)->text(), QStringLiteral("desafiadores")); // Life Paths 8 and 1
    {
        dlgTabelaRelacoes d(*a.programa);
        QCOMPARE(d.Tabela(), TabelaPadrao());
        QVERIFY(d.lblSituacao->text().contains(QStringLiteral("ainda não existe")));
        d.Celula(8, 1)->setCurrentIndex(2);                                     // compatíveis
        QCOMPARE(d.Celula(1, 8)->currentText(), QStringLiteral("compatíveis")); // mirrored
        d.cmdSalvar->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    const TabelaCarregada c = CarregarTabela(a.programa->PastaPrograma);
    QCOMPARE(c.situacao, SituacaoTabela::Lida);
    QCOMPARE(c.tabela.Entre(1, 8), Relacao::Compativeis);
    j.Recalcular();
    QCOMPARE(j.tblHarmonia->item(0, 3)->text(), QStringLiteral("compatíveis"));
    {
        dlgTabelaRelacoes d(*a.programa);
        QCOMPARE(d.Celula(8, 1)->currentText(), QStringLiteral("compatíveis"));
        d.cmdPadrao->click();
        QCOMPARE(d.Tabela(), TabelaPadrao());
    }
    // A file that is not a table: the default in use, said once; never written over.
    QFile f(a.Arquivo(kArquivoRelacoes));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("minha tabela\n");
    f.close();
    const qsizetype antes = a.mensagens.mostradas.size();
    j.Recalcular();
    j.Recalcular();
    QCOMPARE(a.mensagens.mostradas.size(), antes + 1);
    QVERIFY(a.mensagens.mostradas.last().texto.contains(QStringLiteral("vale a tabela padrão")));
    dlgTabelaRelacoes d(*a.programa);
    QVERIFY(!d.cmdSalvar->isEnabled());
    QCOMPARE(a.Ler(kArquivoRelacoes), QByteArray("minha tabela\n"));
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS")) {
        QFile::remove(a.Arquivo(kArquivoRelacoes));
        dlgTabelaRelacoes limpo(*a.programa);
        Capturar(limpo, "tabela-relacoes.png");
    }
}

void TesteConsultaJanelas::harmoniaPdf() {
    AmbienteTeste a(true);
    ComServicos s;
    QTemporaryDir pasta;
    s.duplo.arquivoEscolhido = pasta.filePath(QStringLiteral("harmonia.pdf"));
    frmHarmonia j(*a.programa);
    j.AbrirPessoa(0, QStringLiteral("Ana Maria Souza"), {15, 3, 1970});
    j.AbrirPessoa(1, QStringLiteral("José Carlos Lima"), {29, 11, 1968});
    j.cmdSalvarPdf->click();
    QVERIFY(
        s.duplo.sugestoes[0].endsWith(QStringLiteral("/Harmonia - Ana Maria Souza e José Carlos Lima.pdf")));
    const QString texto = TextoPdf(s.duplo.arquivoEscolhido);
    const Harmonia& h = *j.HarmoniaAtual();
    for (const QString& esperado :
         {QStringLiteral("ANA MARIA SOUZA e JOSE CARLOS LIMA"), QStringLiteral("Harmonia"),
          QStringLiteral("1ª pessoa: Ana Maria Souza (15/03/1970)"), QStringLiteral("Leitura geral"),
          QString::fromStdString(ResumoRelacoes(h)), QStringLiteral("Caminho da Vida: 8 e 1, desafiadores")})
        QVERIFY2(texto.contains(esperado), qPrintable(esperado + QStringLiteral("\n---\n") + texto));
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS"))
        QFile::copy(
            s.duplo.arquivoEscolhido,
            QDir(qEnvironmentVariable("ORACULANDIA_CAPTURAS")).filePath(QStringLiteral("harmonia.pdf")));
}

void TesteConsultaJanelas::menusEAnalise() {
    PrincipalTeste t(true, true);
    QCOMPARE(t.janela->mnuPrevisoes->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QCOMPARE(t.janela->mnuHarmonia->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    // Neither shortcut nor access key is used by another entry of the Arquivo menu.
    QSet<QString> atalhos, teclas;
    for (QAction* acao : t.janela->mnuArquivo->actions()) {
        if (!acao->shortcut().isEmpty()) {
            QVERIFY2(!atalhos.contains(acao->shortcut().toString()), qPrintable(acao->text()));
            atalhos.insert(acao->shortcut().toString());
        }
    }
    for (QAction* acao :
         {t.janela->mnuPrevisoes, t.janela->mnuHarmonia, t.janela->mnuClientes, t.janela->mnuEstudoNome})
        teclas.insert(acao->text().mid(acao->text().indexOf(u'&') + 1, 1).toUpper());
    QCOMPARE(teclas.size(), 4);

    t.janela->mnuHarmonia->trigger();
    auto* h = qobject_cast<frmHarmonia*>(t.janela->areaMdi()->currentSubWindow()->widget());
    QVERIFY(h);
    // The toolbar's export button: refused while the window shows nothing, its Copiar after.
    const qsizetype antes = t.ambiente.mensagens.mostradas.size();
    t.janela->cmdExportar->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), antes + 1);
    QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Erro:"));
    h->AbrirPessoa(0, QStringLiteral("Ana Maria Souza"), {15, 3, 1970});
    h->AbrirPessoa(1, QStringLiteral("José Carlos Lima"), {29, 11, 1968});
    QGuiApplication::clipboard()->clear();
    t.janela->cmdExportar->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), antes + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), h->TextoParaCopiar());
    {
        // The print button: its own print path (no printer here: the offer of a PDF, declined).
        ComServicos s;
        t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
        t.janela->cmdImprimir->click();
        QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Aviso:"));
        QVERIFY(t.ambiente.mensagens.mostradas.last().texto.contains(
            QStringLiteral("salvar a harmonia em um arquivo PDF")));
    }
    t.janela->mnuPrevisoes->trigger();
    auto* vazia = qobject_cast<frmPrevisoes*>(t.janela->areaMdi()->currentSubWindow()->widget());
    QVERIFY(vazia);
    QVERIFY(vazia->txtDataNasc->text().isEmpty());
    // From an analysis window: Previsões for that person.
    CriarAnalise(t, "Maria Souza", "21/07/1985");
    t.janela->mnuPrevisoes->trigger();
    auto* p = qobject_cast<frmPrevisoes*>(t.janela->areaMdi()->currentSubWindow()->widget());
    QVERIFY(p);
    QCOMPARE(p->txtDataNasc->text(), QStringLiteral("21/07/1985"));
    QCOMPARE(p->txtNome->text(), QStringLiteral("Maria Souza"));
    QVERIFY(p->PrevisaoAtual());
    QCOMPARE(t.janela->areaMdi()->currentSubWindow()->windowTitle(),
             QStringLiteral("Previsões - Maria Souza"));
}

void TesteConsultaJanelas::clientesDoCadastro() {
    AmbienteTeste a(true);
    QString erro;
    auto cadastro = AbrirCadastro(a.Pasta(), &erro);
    QVERIFY2(cadastro, qPrintable(erro));
    QVERIFY(cadastro->Adicionar(Novo("Ana Maria Souza", "15/03/1970"), kHojeClientes).ok());
    QVERIFY(cadastro->Adicionar(Novo("José Carlos Lima", "29/11/1968"), kHojeClientes).ok());
    // The chooser: the search ignores case and accents, Enter chooses.
    {
        dlgEscolherCliente d(*cadastro);
        QCOMPARE(d.lstClientes->count(), 2);
        d.txtProcurar->setText(QStringLiteral("jose"));
        QCOMPARE(d.lstClientes->count(), 1);
        QCOMPARE(d.lstClientes->item(0)->text(), QStringLiteral("José Carlos Lima (29/11/1968)"));
        d.txtProcurar->setText(QStringLiteral("ninguém"));
        QVERIFY(!d.cmdEscolher->isEnabled());
        d.txtProcurar->setText(QStringLiteral("SOUZA"));
        QTest::keyClick(d.txtProcurar, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Escolhido()->nome, QStringLiteral("Ana Maria Souza"));
    }
    // The windows' buttons open it and take the client chosen.
    frmHarmonia h(*a.programa);
    h.DefinirCadastro([&cadastro] { return cadastro.get(); });
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<dlgEscolherCliente*>(w);
        QVERIFY(d);
        d->txtProcurar->setText(QStringLiteral("lima"));
        d->cmdEscolher->click();
    });
    h.cmdCliente[1]->click();
    QCOMPARE(h.txtNome[1]->text(), QStringLiteral("José Carlos Lima"));
    QCOMPARE(h.txtDataNasc[1]->text(), QStringLiteral("29/11/1968"));
    frmPrevisoes p(*a.programa);
    p.DefinirCadastro([&cadastro] { return cadastro.get(); });
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<dlgEscolherCliente*>(w);
        QVERIFY(d);
        d->cmdEscolher->click(); // the first of the list: Ana Maria Souza
    });
    p.cmdCliente->click();
    QCOMPARE(p.txtDataNasc->text(), QStringLiteral("15/03/1970"));
    QVERIFY(p.PrevisaoAtual());
    QCOMPARE(p.windowTitle(), QStringLiteral("Previsões - Ana Maria Souza"));
    QCOMPARE(a.mensagens.mostradas.size(), 0);
}

QTEST_MAIN(TesteConsultaJanelas)
#include "teste_consulta_janelas.moc"
