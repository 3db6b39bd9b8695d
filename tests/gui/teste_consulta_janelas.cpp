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

#include "apoio/filhos.h"
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
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdCopiar")->isEnabled());
    TeclasUnicas(j);
    // A refused date: the entry's message, naming the field; nothing computed.
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc"), QStringLiteral("31/02/1970"));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(a.mensagens.mostradas[0].texto, QStringLiteral("Data de nascimento: ") + kMensagemData);
    QVERIFY(!j.PrevisaoAtual());
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc"), QStringLiteral("15-3-70"));
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtDataNasc")->text(), QStringLiteral("15/03/1970"));
    Digitar(teste::Filho<QLineEdit>(j, "txtNome"), QStringLiteral("Ana"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("Nome: ") + kMensagemNome);
    Digitar(teste::Filho<QLineEdit>(j, "txtNome"), QStringLiteral("Ana Souza"));
    QCOMPARE(a.mensagens.mostradas.size(), 2);
    teste::Filho<QSpinBox>(j, "spnAnoMeses")->setValue(2030);
    teste::Filho<QComboBox>(j, "cboMes")->setCurrentIndex(1);
    teste::Filho<QSpinBox>(j, "spnAnoCalendario")->setValue(2024);

    // The reference date is the clock's day (7 December 2026).
    const Previsao p = ComporPrevisao(a.programa->PastaPrograma, {15, 3, 1970}, {7, 12, 2026}, 2030, 2, 2024);
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtReferencia")->text(), QStringLiteral("07/12/2026"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->rowCount(), 9);
    for (int i = 0; i < 9; ++i) {
        const AnoPrevisao& e = p.anos[static_cast<std::size_t>(i)];
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(i, 0)->text(), QString::number(e.ano));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(i, 1)->text(), QString::number(e.universal));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(i, 2)->text(), QString::number(e.pessoal));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(i, 3)->text(),
                 e.novoCiclo ? QStringLiteral("novo ciclo") : QString());
    }
    for (int i = 0; i < 12; ++i)
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblMeses")->item(i, 2)->text(),
                 QString::number(p.meses[static_cast<std::size_t>(i)].pessoal));
    // February 2024 starts on a Thursday: the first week has four empty days.
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblCalendario")->horizontalHeaderItem(4)->text(),
             QStringLiteral("Qui"));
    QVERIFY(teste::Filho<QTableWidget>(j, "tblCalendario")->item(0, 3) == nullptr);
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblCalendario")->item(0, 4)->text(),
             QStringLiteral("1\n(%1)").arg(p.dias[0].pessoal));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblCalendario")->rowCount(), 5);
    QVERIFY(teste::Filho<QLabel>(j, "lblLegenda")
                ->text()
                .contains(QStringLiteral("9: ") + QString::fromStdString(p.legenda[9])));
    teste::Filho<QTableWidget>(j, "tblAnos")->setCurrentCell(2, 0);
    QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtAnos")
                ->toPlainText()
                .endsWith(QString::fromStdString(p.anos[2].texto)));
    teste::Filho<QPushButton>(j, "cmdCopiar")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoPrevisao(p, "Ana Souza")));
    // A new reference date takes the months and the calendar along.
    Digitar(teste::Filho<QLineEdit>(j, "txtReferencia"), QStringLiteral("1/1/2040"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(0, 0)->text(), QStringLiteral("2040"));
    QCOMPARE(teste::Filho<QSpinBox>(j, "spnAnoMeses")->value(), 2040);
    QCOMPARE(teste::Filho<QComboBox>(j, "cboMes")->currentIndex(), 0);
    Digitar(teste::Filho<QLineEdit>(j, "txtReferencia"), QStringLiteral("xx"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("Data de referência: ") + kMensagemData);
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(0, 0)->text(), QStringLiteral("2040"));
    Digitar(teste::Filho<QLineEdit>(j, "txtReferencia"), QString());
    QCOMPARE(teste::Filho<QLineEdit>(j, "txtReferencia")->text(), QStringLiteral("07/12/2026"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(0, 0)->text(), QStringLiteral("2026"));
    j.resize(900, 640);
    Digitar(teste::Filho<QLineEdit>(j, "txtReferencia"), QStringLiteral("9/12/2026"));
    Capturar(j, "previsoes.png");
    teste::Filho<QTabWidget>(j, "abas")->setCurrentIndex(2);
    Capturar(j, "previsoes-calendario.png");
}

void TesteConsultaJanelas::previsoesSemTextosAvisaUmaVez() {
    AmbienteTeste a(false);
    frmPrevisoes j(*a.programa);
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc"), QStringLiteral("15/03/1970"));
    QCOMPARE(a.mensagens.mostradas.size(), 1);
    QCOMPARE(a.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QVERIFY(a.mensagens.mostradas[0].texto.contains(QStringLiteral("PREVANO.DAT")));
    QVERIFY(a.mensagens.mostradas[0].texto.contains(QStringLiteral("PREVDIA.DAT")));
    teste::Filho<QSpinBox>(j, "spnAnoMeses")->setValue(2031);
    teste::Filho<QComboBox>(j, "cboMes")->setCurrentIndex(5);
    QCOMPARE(a.mensagens.mostradas.size(), 1);                         // said once
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->rowCount(), 9); // the numbers are there
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblAnos")->item(0, 2)->text(),
             QString::number(CalcularPrevisao({15, 3, 1970}, {7, 12, 2026}, 2031, 6, 2026).anos[0].pessoal));
    QVERIFY(!QDir(a.Pasta()).exists(QStringLiteral("PREVANO.DAT"))); // nothing created
}

void TesteConsultaJanelas::previsoesPdf() {
    AmbienteTeste a(true);
    a.programa->Rodape.CabecalhoLinhaUm = "Consult\xF3rio Estrela";
    QTemporaryDir pasta;
    a.impressao.arquivoEscolhido = pasta.filePath(QStringLiteral("previsoes"));
    frmPrevisoes j(*a.programa);
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc"), QStringLiteral("15/03/1970"));
    Digitar(teste::Filho<QLineEdit>(j, "txtNome"), QStringLiteral("Ana Souza"));
    teste::Filho<QPushButton>(j, "cmdSalvarPdf")->click();
    QCOMPARE(a.impressao.titulos, QStringList{QStringLiteral("Salvar as previsões em PDF")});
    QVERIFY(a.impressao.sugestoes[0].endsWith(QStringLiteral("/Previsões - Ana Souza.pdf")));
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
    a.impressao.haImpressora = true;
    a.impressao.arquivoImpressora = pasta.filePath(QStringLiteral("impressora.pdf"));
    teste::Filho<QPushButton>(j, "cmdImprimir")->click();
    QCOMPARE(a.impressao.trabalhos, 1);
    QCOMPARE(TextoPdf(a.impressao.arquivoImpressora), texto);
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS"))
        QFile::copy(
            arquivo,
            QDir(qEnvironmentVariable("ORACULANDIA_CAPTURAS")).filePath(QStringLiteral("previsoes.pdf")));
}

void TesteConsultaJanelas::harmoniaIguaisAoNucleo() {
    AmbienteTeste a(true);
    frmHarmonia j(*a.programa);
    QVERIFY(!teste::Filho<QPushButton>(j, "cmdCopiar")->isEnabled());
    TeclasUnicas(j);
    Digitar(teste::Filho<QLineEdit>(j, "txtNome1"), QStringLiteral("Ana Maria Souza"));
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc1"), QStringLiteral("15/03/1970"));
    Digitar(teste::Filho<QLineEdit>(j, "txtNome2"), QStringLiteral("Jo"));
    QCOMPARE(a.mensagens.mostradas.last().texto, QStringLiteral("2ª pessoa, nome: ") + kMensagemNome);
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc2"), QStringLiteral("30/02/1968"));
    QCOMPARE(a.mensagens.mostradas.last().texto,
             QStringLiteral("2ª pessoa, data de nascimento: ") + kMensagemData);
    QCOMPARE(a.mensagens.mostradas.size(), 2);
    QVERIFY(!j.HarmoniaAtual());
    Digitar(teste::Filho<QLineEdit>(j, "txtNome2"), QStringLiteral("José Carlos Lima"));
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc2"), QStringLiteral("29/11/1968"));
    QVERIFY(j.HarmoniaAtual());
    const Harmonia h =
        ComporHarmonia(a.programa->PastaPrograma, CalcularPessoa("Ana Maria Souza", {15, 3, 1970}),
                       CalcularPessoa("Jos\xE9 Carlos Lima", {29, 11, 1968}), TabelaPadrao());
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->horizontalHeaderItem(2)->text(),
             QStringLiteral("José Carlos Lima"));
    for (int k = 0; k < kAspectosHarmonia; ++k) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(k)];
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(k, 0)->text(),
                 QString::fromUtf8(kNomesAspectos[k]));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(k, 1)->text(),
                 QString::number(p.primeiro));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(k, 2)->text(),
                 QString::number(p.segundo));
        QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(k, 3)->text(),
                 QString::fromUtf8(NomeRelacao(p.relacao)));
        QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtLeitura")
                    ->toPlainText()
                    .contains(QString::fromStdString(p.texto)));
    }
    QVERIFY(teste::Filho<QPlainTextEdit>(j, "txtLeitura")
                ->toPlainText()
                .endsWith(QString::fromStdString(h.leituraGeral)));
    Capturar(j, "harmonia.png");
    teste::Filho<QPushButton>(j, "cmdCopiar")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(TextoHarmonia(h)));
}

void TesteConsultaJanelas::harmoniaTabelaDeRelacoes() {
    AmbienteTeste a(true);
    frmHarmonia j(*a.programa);
    Digitar(teste::Filho<QLineEdit>(j, "txtNome1"), QStringLiteral("Ana Maria Souza"));
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc1"), QStringLiteral("15/03/1970"));
    Digitar(teste::Filho<QLineEdit>(j, "txtNome2"), QStringLiteral("José Carlos Lima"));
    Digitar(teste::Filho<QLineEdit>(j, "txtDataNasc2"), QStringLiteral("29/11/1968"));
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(0, 3)->text(),
             QStringLiteral("desafiadores")); // Life Paths 8 and 1
    {
        dlgTabelaRelacoes d(*a.programa);
        QCOMPARE(d.Tabela(), TabelaPadrao());
        QVERIFY(teste::Filho<QLabel>(d, "lblSituacao")->text().contains(QStringLiteral("ainda não existe")));
        teste::Filho<QComboBox>(d, "cbo81")->setCurrentIndex(2); // compatíveis
        QCOMPARE(teste::Filho<QComboBox>(d, "cbo18")->currentText(),
                 QStringLiteral("compatíveis")); // mirrored
        teste::Filho<QPushButton>(d, "cmdSalvar")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    const TabelaCarregada c = CarregarTabela(a.programa->PastaPrograma);
    QCOMPARE(c.situacao, SituacaoTabela::Lida);
    QCOMPARE(c.tabela.Entre(1, 8), Relacao::Compativeis);
    j.Recalcular();
    QCOMPARE(teste::Filho<QTableWidget>(j, "tblHarmonia")->item(0, 3)->text(), QStringLiteral("compatíveis"));
    {
        dlgTabelaRelacoes d(*a.programa);
        QCOMPARE(teste::Filho<QComboBox>(d, "cbo81")->currentText(), QStringLiteral("compatíveis"));
        teste::Filho<QPushButton>(d, "cmdPadrao")->click();
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
    QVERIFY(!teste::Filho<QPushButton>(d, "cmdSalvar")->isEnabled());
    QCOMPARE(a.Ler(kArquivoRelacoes), QByteArray("minha tabela\n"));
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS")) {
        QFile::remove(a.Arquivo(kArquivoRelacoes));
        dlgTabelaRelacoes limpo(*a.programa);
        Capturar(limpo, "tabela-relacoes.png");
    }
}

void TesteConsultaJanelas::harmoniaPdf() {
    AmbienteTeste a(true);
    QTemporaryDir pasta;
    a.impressao.arquivoEscolhido = pasta.filePath(QStringLiteral("harmonia.pdf"));
    frmHarmonia j(*a.programa);
    j.AbrirPessoa(0, QStringLiteral("Ana Maria Souza"), {15, 3, 1970});
    j.AbrirPessoa(1, QStringLiteral("José Carlos Lima"), {29, 11, 1968});
    teste::Filho<QPushButton>(j, "cmdSalvarPdf")->click();
    QVERIFY(a.impressao.sugestoes[0].endsWith(
        QStringLiteral("/Harmonia - Ana Maria Souza e José Carlos Lima.pdf")));
    const QString texto = TextoPdf(a.impressao.arquivoEscolhido);
    const Harmonia& h = *j.HarmoniaAtual();
    for (const QString& esperado :
         {QStringLiteral("ANA MARIA SOUZA e JOSE CARLOS LIMA"), QStringLiteral("Harmonia"),
          QStringLiteral("1ª pessoa: Ana Maria Souza (15/03/1970)"), QStringLiteral("Leitura geral"),
          QString::fromStdString(ResumoRelacoes(h)), QStringLiteral("Caminho da Vida: 8 e 1, desafiadores")})
        QVERIFY2(texto.contains(esperado), qPrintable(esperado + QStringLiteral("\n---\n") + texto));
    if (!qEnvironmentVariableIsEmpty("ORACULANDIA_CAPTURAS"))
        QFile::copy(
            a.impressao.arquivoEscolhido,
            QDir(qEnvironmentVariable("ORACULANDIA_CAPTURAS")).filePath(QStringLiteral("harmonia.pdf")));
}

void TesteConsultaJanelas::menusEAnalise() {
    PrincipalTeste t(true, true);
    QCOMPARE(Filho<QAction>(*t.janela, "mnuPrevisoes")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QCOMPARE(Filho<QAction>(*t.janela, "mnuHarmonia")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    // Neither shortcut nor access key is used by another entry of the Arquivo menu.
    QSet<QString> atalhos, teclas;
    for (QAction* acao : Filho<QMenu>(*t.janela, "mnuArquivo")->actions()) {
        if (!acao->shortcut().isEmpty()) {
            QVERIFY2(!atalhos.contains(acao->shortcut().toString()), qPrintable(acao->text()));
            atalhos.insert(acao->shortcut().toString());
        }
    }
    for (QAction* acao :
         {Filho<QAction>(*t.janela, "mnuPrevisoes"), Filho<QAction>(*t.janela, "mnuHarmonia"),
          Filho<QAction>(*t.janela, "mnuClientes"), Filho<QAction>(*t.janela, "mnuEstudoNome")})
        teclas.insert(acao->text().mid(acao->text().indexOf(u'&') + 1, 1).toUpper());
    QCOMPARE(teclas.size(), 4);

    Filho<QAction>(*t.janela, "mnuHarmonia")->trigger();
    auto* h = qobject_cast<frmHarmonia*>(Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow()->widget());
    QVERIFY(h);
    // The toolbar's export button: refused while the window shows nothing, its Copiar after.
    const qsizetype antes = t.ambiente.mensagens.mostradas.size();
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), antes + 1);
    QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Erro:"));
    h->AbrirPessoa(0, QStringLiteral("Ana Maria Souza"), {15, 3, 1970});
    h->AbrirPessoa(1, QStringLiteral("José Carlos Lima"), {29, 11, 1968});
    QGuiApplication::clipboard()->clear();
    Filho<QToolButton>(*t.janela, "cmdExportar")->click();
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), antes + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), h->TextoParaCopiar());
    {
        // The print button: its own print path (no printer here: the offer of a PDF, declined).
        t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
        Filho<QToolButton>(*t.janela, "cmdImprimir")->click();
        QCOMPARE(t.ambiente.mensagens.mostradas.last().titulo, QStringLiteral("Aviso:"));
        QVERIFY(t.ambiente.mensagens.mostradas.last().texto.contains(
            QStringLiteral("salvar a harmonia em um arquivo PDF")));
    }
    Filho<QAction>(*t.janela, "mnuPrevisoes")->trigger();
    auto* vazia =
        qobject_cast<frmPrevisoes*>(Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow()->widget());
    QVERIFY(vazia);
    QVERIFY(teste::Filho<QLineEdit>(*vazia, "txtDataNasc")->text().isEmpty());
    // From an analysis window: Previsões for that person.
    CriarAnalise(t, "Maria Souza", "21/07/1985");
    Filho<QAction>(*t.janela, "mnuPrevisoes")->trigger();
    auto* p =
        qobject_cast<frmPrevisoes*>(Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow()->widget());
    QVERIFY(p);
    QCOMPARE(teste::Filho<QLineEdit>(*p, "txtDataNasc")->text(), QStringLiteral("21/07/1985"));
    QCOMPARE(teste::Filho<QLineEdit>(*p, "txtNome")->text(), QStringLiteral("Maria Souza"));
    QVERIFY(p->PrevisaoAtual());
    QCOMPARE(Filho<QMdiArea>(*t.janela, "areaMdi")->currentSubWindow()->windowTitle(),
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
        QCOMPARE(teste::Filho<QListWidget>(d, "lstClientes")->count(), 2);
        teste::Filho<QLineEdit>(d, "txtProcurar")->setText(QStringLiteral("jose"));
        QCOMPARE(teste::Filho<QListWidget>(d, "lstClientes")->count(), 1);
        QCOMPARE(teste::Filho<QListWidget>(d, "lstClientes")->item(0)->text(),
                 QStringLiteral("José Carlos Lima (29/11/1968)"));
        teste::Filho<QLineEdit>(d, "txtProcurar")->setText(QStringLiteral("ninguém"));
        QVERIFY(!teste::Filho<QPushButton>(d, "cmdEscolher")->isEnabled());
        teste::Filho<QLineEdit>(d, "txtProcurar")->setText(QStringLiteral("SOUZA"));
        QTest::keyClick(teste::Filho<QLineEdit>(d, "txtProcurar"), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Escolhido()->nome, QStringLiteral("Ana Maria Souza"));
    }
    // The windows' buttons open it and take the client chosen.
    frmHarmonia h(*a.programa);
    h.DefinirCadastro([&cadastro] { return cadastro.get(); });
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<dlgEscolherCliente*>(w);
        QVERIFY(d);
        teste::Filho<QLineEdit>(*d, "txtProcurar")->setText(QStringLiteral("lima"));
        teste::Filho<QPushButton>(*d, "cmdEscolher")->click();
    });
    teste::Filho<QPushButton>(h, "cmdCliente2")->click();
    QCOMPARE(teste::Filho<QLineEdit>(h, "txtNome2")->text(), QStringLiteral("José Carlos Lima"));
    QCOMPARE(teste::Filho<QLineEdit>(h, "txtDataNasc2")->text(), QStringLiteral("29/11/1968"));
    frmPrevisoes p(*a.programa);
    p.DefinirCadastro([&cadastro] { return cadastro.get(); });
    AoAbrirModal([](QWidget* w) {
        auto* d = qobject_cast<dlgEscolherCliente*>(w);
        QVERIFY(d);
        teste::Filho<QPushButton>(*d, "cmdEscolher")->click(); // the first of the list: Ana Maria Souza
    });
    teste::Filho<QPushButton>(p, "cmdCliente")->click();
    QCOMPARE(teste::Filho<QLineEdit>(p, "txtDataNasc")->text(), QStringLiteral("15/03/1970"));
    QVERIFY(p.PrevisaoAtual());
    QCOMPARE(p.windowTitle(), QStringLiteral("Previsões - Ana Maria Souza"));
    QCOMPARE(a.mensagens.mostradas.size(), 0);
}

QTEST_MAIN(TesteConsultaJanelas)
#include "teste_consulta_janelas.moc"
