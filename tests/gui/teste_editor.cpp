// The interpretation editor: which file and record each choice addresses, the write-back of one
// record, the Cancel question, and the refusals that keep the typed text in the window.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "analysis/interpretacao.h"
#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "editor/qt/frmAlteraForm.h"
#include "editor/qt/frmSelecionaAlteracao.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// Record n of a file of the folder, as raw bytes (empty when the file is shorter).
QByteArray Registro(const AmbienteTeste& amb, const char* arquivo, int n) {
    const QByteArray tudo = amb.Ler(arquivo);
    const qsizetype inicio = static_cast<qsizetype>(n - 1) * 5120;
    if (tudo.size() < inicio + 5120)
        return {};
    return tudo.mid(inicio, 5120);
}

QByteArray Preenchido(const QByteArray& texto) {
    QByteArray r = texto.left(5120);
    r.append(QByteArray(5120 - r.size(), ' '));
    return r;
}

void Escolher(frmSelecionaAlteracao& f, int posicao, int numero) {
    teste::Filho<QComboBox>(f, "cmbItem")->setCurrentIndex(posicao - 1);
    teste::Filho<QRadioButton>(f, ("optNumeros" + QByteArray::number(numero - 1)).constData())
        ->setChecked(true);
}

} // namespace

class TesteEditor : public QObject {
    Q_OBJECT
private slots:
    void listaEOpcoes();
    void mapaDosRegistros_data();
    void mapaDosRegistros();
    void mapaDosCabecalhos();
    void desafioMaiorNoveGravaRegistroUm();
    void presenteGravaKMaisUm();
    void vogaisGravamSeusRegistros();
    void realizacoesCompartilhamArquivo();
    void textoLidoSemEspacosDasPontas();
    void textoLongoCortadoAposAviso();
    void textoLongoRecusadoMantemJanela();
    void caracteresForaDoCp1252();
    void arquivoQueNaoPodeSerGravado();
    void cancelarPerguntaENaoMantemTexto();
    void cancelarSimNaoGrava();
    void fecharPelaMolduraPergunta();
    void cabecalhoPorGrupo();
    void cabecalhoAusenteOuCurto();
    void fluxoCompletoPelosBotoes();
    void secoesDepoisDas28();
};

void TesteEditor::listaEOpcoes() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    QCOMPARE(f.windowTitle(), QStringLiteral("Informe o texto a ser alterado..."));
    QCOMPARE(f.findChild<QLabel*>(QStringLiteral("lblSelecione"))->text(),
             QStringLiteral("Selecione abaixo o item onde está localizado o texto que você deseja alterar:"));
    QCOMPARE(teste::Filho<QGroupBox>(f, "frmInfo")->title(),
             QStringLiteral("Selecione o número que corresponde ao texto que você deseja alterar:"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->count(), 37);
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->currentIndex(), 0);
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(0), QStringLiteral("Caminho da Vida"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(8),
             QStringLiteral("Segunda Realização (=primeira)"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(11), QStringLiteral("Desafio Maior"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(14),
             QStringLiteral("Desafio Menor Adicional (=menor)"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(25),
             QStringLiteral("Interpretação da Primeira Vogal"));
    QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(27), QStringLiteral("Número da Realidade"));
    QVERIFY(teste::Filho<QRadioButton>(f, "optNumeros0")->isChecked());
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros0")->text(), QStringLiteral("Número 1 (ou \"a\")"));
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros5")->text(), QStringLiteral("Número 6 (ou \"y\")"));
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros8")->text(), QStringLiteral("Número 9"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdAlterarTexto")->text(), QStringLiteral("A&lterar Texto"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdAlterarHeader")->text(),
             QStringLiteral("Alterar o &Cabeçalho"));
    QCOMPARE(teste::Filho<QPushButton>(f, "cmdRetornar")->text(), QStringLiteral("Retorna&r ao Programa"));
    QCOMPARE(f.ArquivosInterpretacao[1], QStringLiteral("CVIDA"));
    QCOMPARE(f.ArquivosInterpretacao[11], QStringLiteral("APICES"));
    QCOMPARE(f.ArquivosInterpretacao[15], QStringLiteral("DESVIDA"));
    QCOMPARE(f.ArquivosInterpretacao[16], QStringLiteral("INDSAUDE"));
    QCOMPARE(f.ArquivosInterpretacao[28], QStringLiteral("INTREALI"));
}

void TesteEditor::mapaDosRegistros_data() {
    QTest::addColumn<int>("posicao");
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("registro");
    QTest::newRow("vida 1") << 1 << 1 << 1;
    QTest::newRow("vida 9") << 1 << 9 << 9;
    QTest::newRow("desafio nasc 1") << 6 << 1 << 2;
    QTest::newRow("desafio nasc 9") << 6 << 9 << 10;
    QTest::newRow("presente 4") << 7 << 4 << 5;
    QTest::newRow("realizacao 3") << 8 << 3 << 3;
    QTest::newRow("quarta realizacao 9") << 11 << 9 << 9;
    QTest::newRow("desafio maior 1") << 12 << 1 << 2;
    QTest::newRow("desafio maior 8") << 12 << 8 << 9;
    QTest::newRow("desafio maior 9") << 12 << 9 << 1;
    QTest::newRow("adicional 9") << 15 << 9 << 1;
    QTest::newRow("adicional 5") << 15 << 5 << 6;
    QTest::newRow("saude 9") << 16 << 9 << 9;
    QTest::newRow("vogal y") << 26 << 6 << 6;
    QTest::newRow("realidade 9") << 28 << 9 << 9;
}

void TesteEditor::mapaDosRegistros() {
    QFETCH(int, posicao);
    QFETCH(int, numero);
    QFETCH(int, registro);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(posicao, numero), registro);
}

void TesteEditor::mapaDosCabecalhos() {
    // The group numbering the composition reads: 13 introductions, by first calculation.
    const int esperado[29] = {0, 1, 2, 0, 0, 3, 0, 0, 4, 0, 0,  0,  5,  0, 0,
                              0, 0, 6, 0, 0, 7, 0, 0, 8, 9, 10, 11, 12, 13};
    for (int p = 1; p <= 28; ++p)
        QCOMPARE(frmSelecionaAlteracao::RegistroDoCabecalho(p), esperado[p]);
}

void TesteEditor::desafioMaiorNoveGravaRegistroUm() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 12, 9);
    auto form = f.PreparaAlteracaoTexto();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Alterando interpretação da análise..."));
    // The description names the number chosen; the record label holds the record written.
    QCOMPARE(teste::Filho<QLabel>(*form, "lblInfo")->text(),
             QStringLiteral("Texto referente ao cálculo Desafio Maior\nVocê está alterando a "
                            "interpretação do número 9"));
    QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QStringLiteral("1"));
    QCOMPARE(QFileInfo(teste::Filho<QLabel>(*form, "lblArquivo")->text()).fileName(),
             QStringLiteral("DESVIDA.DAT"));
    QCOMPARE(QFileInfo(teste::Filho<QLabel>(*form, "lblArquivo")->text()).absolutePath(),
             QDir(amb.Pasta()).absolutePath());
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(), QString());
    QCOMPARE(teste::Filho<QPushButton>(*form, "cmdSalvar")->text(),
             QStringLiteral("Atualizar Interpretação (&Salvar)"));
    QCOMPARE(teste::Filho<QPushButton>(*form, "cmdRetornar")->text(),
             QStringLiteral("Retornar sem Salva&r (Cancelar)"));

    teste::Filho<QPlainTextEdit>(*form, "txtTexto")
        ->setPlainText(QStringLiteral("Desafio zero: não há obstáculo único.\nSegunda linha."));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(amb.mensagens.mostradas.isEmpty()); // no message confirms the save
    // Windows-1252, CR LF, padded with spaces to 5120 bytes; only record 1 exists.
    QCOMPARE(amb.Ler("DESVIDA.DAT"), Preenchido("Desafio zero: n\xE3o h\xE1 obst\xE1"
                                                "culo \xFAnico.\r\nSegunda linha."));

    // Number 1 of the same entry is record 2.
    Escolher(f, 12, 1);
    auto form2 = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QLabel>(*form2, "lblPosicao")->text(), QStringLiteral("2"));
}

void TesteEditor::presenteGravaKMaisUm() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 7, 4);
    auto form = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QStringLiteral("5"));
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("Presente quatro"));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(amb.Ler("PRESNASC.DAT").size(), 5 * 5120);
    QCOMPARE(Registro(amb, "PRESNASC.DAT", 5), Preenchido("Presente quatro"));
    // Records before it were never written: zero bytes, read as no text.
    QCOMPARE(Registro(amb, "PRESNASC.DAT", 4), QByteArray(5120, '\0'));
    QCOMPARE(LerInterpretacao(amb.programa->PastaPrograma, 4, "PRESNASC.DAT"), std::string());

    Escolher(f, 6, 9);
    auto form2 = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QLabel>(*form2, "lblPosicao")->text(), QStringLiteral("10"));
    QCOMPARE(QFileInfo(teste::Filho<QLabel>(*form2, "lblArquivo")->text()).fileName(),
             QStringLiteral("DESNASC.DAT"));
}

void TesteEditor::vogaisGravamSeusRegistros() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    const char* vogais = "aeiouy";
    for (int k = 1; k <= 6; ++k) {
        Escolher(f, 26, k);
        auto form = f.PreparaAlteracaoTexto();
        QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QString::number(k));
        teste::Filho<QPlainTextEdit>(*form, "txtTexto")
            ->setPlainText(QStringLiteral("Vogal ") + QChar::fromLatin1(vogais[k - 1]));
        teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    }
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(LerInterpretacao(amb.programa->PastaPrograma, static_cast<int16_t>(k), "INTVOG.DAT"),
                 std::string("Vogal ") + vogais[k - 1]);
    }
}

void TesteEditor::realizacoesCompartilhamArquivo() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 9, 3); // Segunda Realização (=primeira)
    auto form = f.PreparaAlteracaoTexto();
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("Terceiro ápice"));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    Escolher(f, 8, 3); // Primeira Realização shows the same record
    auto form2 = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form2, "txtTexto")->toPlainText(),
             QStringLiteral("Terceiro ápice"));
    QCOMPARE(teste::Filho<QLabel>(*form2, "lblArquivo")->text(),
             teste::Filho<QLabel>(*form, "lblArquivo")->text());
}

void TesteEditor::textoLidoSemEspacosDasPontas() {
    AmbienteTeste amb;
    QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, 2, "CVIDA.DAT", "   Dois\r\nlinhas\r\n"),
             ResultadoGravacao::Ok);
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 1, 2);
    auto form = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(),
             QStringLiteral("Dois\nlinhas\n"));
}

void TesteEditor::textoLongoCortadoAposAviso() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 23, 5);
    auto form = f.PreparaAlteracaoTexto();
    const QString texto = QString(5120, u'x') + u'Z'; // 5121 characters
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(texto);
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Atenção:"));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNaoPadraoNao);
    QVERIFY(m.texto.contains(QStringLiteral("5121")));
    QVERIFY(m.texto.contains(QStringLiteral("5120")));
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(Registro(amb, "INTEXEXP.DAT", 5), QByteArray(5120, 'x'));
    QCOMPARE(amb.Ler("INTEXEXP.DAT").size(), 5 * 5120);
}

void TesteEditor::textoLongoRecusadoMantemJanela() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    // 2561 lines of one character: 5121 + 2560 * 2 bytes... counted with CR LF as two.
    QString texto;
    for (int i = 0; i < 1707; ++i)
        texto += QStringLiteral("ab\n");
    texto.chop(1); // 1707 * 3 - 1 characters typed = 1707 * 4 - 2 = 6826 bytes with CR LF
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(texto);
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QVERIFY(amb.mensagens.mostradas[0].texto.contains(QStringLiteral("6826")));
    QVERIFY(form->isVisible());
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(), texto);
    QVERIFY(amb.Ler("CVIDA.DAT").isEmpty()); // created empty by the read, nothing written
}

void TesteEditor::caracteresForaDoCp1252() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    const QString texto = QStringLiteral("Estrela \u2605 e outra \u2605, \u0100 e \u20AC ok");
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(texto);
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
    // Each refused character named once; the euro sign is in the code page and is not named.
    QVERIFY(m.texto.contains(QStringLiteral("\u201C\u2605\u201D (U+2605), \u201C\u0100\u201D (U+0100)")));
    QVERIFY(!m.texto.contains(QStringLiteral("\u20AC")));
    QVERIFY(form->isVisible());
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(), texto);
    QVERIFY(amb.Ler("CVIDA.DAT").isEmpty());

    // The euro sign and a non-breaking space are stored as their Windows-1252 bytes.
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("\u20AC\u00A0x"));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(Registro(amb, "CVIDA.DAT", 1), Preenchido("\x80\xA0x"));
}

void TesteEditor::arquivoQueNaoPodeSerGravado() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 2, 3);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    // A folder where the file should be: no write can succeed, whoever runs the test.
    QFile::remove(amb.Arquivo("CFORM.DAT"));
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("CFORM.DAT")));
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")
        ->setPlainText(QStringLiteral("Texto que não pode se perder"));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Erro:"));
    QCOMPARE(m.icone, IconeMensagem::Critico);
    QVERIFY(m.texto.contains(QStringLiteral("CFORM.DAT")));
    QVERIFY(form->isVisible());
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(),
             QStringLiteral("Texto que não pode se perder"));
}

void TesteEditor::cancelarPerguntaENaoMantemTexto() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("editado"));
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    teste::Filho<QPushButton>(*form, "cmdRetornar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Importante:"));
    QCOMPARE(m.texto,
             QStringLiteral("Cancelando esta edição as modificações que você acabou de fazer não "
                            "serão atualizadas no arquivo de interpretações. Cancelar assim mesmo?"));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNaoPadraoNao);
    QVERIFY(form->isVisible());
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(), QStringLiteral("editado"));
}

void TesteEditor::cancelarSimNaoGrava() {
    AmbienteTeste amb;
    QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, 1, "CVIDA.DAT", "original"),
             ResultadoGravacao::Ok);
    const QByteArray antes = amb.Ler("CVIDA.DAT");
    frmSelecionaAlteracao f(*amb.programa);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(), QStringLiteral("original"));
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("editado"));
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    teste::Filho<QPushButton>(*form, "cmdRetornar")->click();
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(amb.Ler("CVIDA.DAT"), antes);
}

void TesteEditor::fecharPelaMolduraPergunta() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    auto form = f.PreparaAlteracaoTexto();
    form->show();
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    QTest::keyClick(form.get(), Qt::Key_Escape);
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QVERIFY(form->isVisible());
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    form->close();
    QVERIFY(!form->isVisible());
}

void TesteEditor::cabecalhoPorGrupo() {
    AmbienteTeste amb;
    // Record 3 introduces the birth-day group (calculation 5).
    QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, 3, "CDATA.DAT",
                                 "Introdu\xE7\xE3o do dia do nascimento."),
             ResultadoGravacao::Ok);
    frmSelecionaAlteracao f(*amb.programa);
    Escolher(f, 5, 7); // the number plays no part for an introduction
    auto form = f.PreparaAlteracaoCabecalho();
    QVERIFY(form);
    QVERIFY(amb.mensagens.mostradas.isEmpty());
    QCOMPARE(teste::Filho<QLabel>(*form, "lblInfo")->text(),
             QStringLiteral("Texto referente ao cabeçalho do cálculo Vibrações do Dia do Nascimento"));
    QCOMPARE(QFileInfo(teste::Filho<QLabel>(*form, "lblArquivo")->text()).fileName(),
             QStringLiteral("CDATA.DAT"));
    QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QStringLiteral("3"));
    QCOMPARE(teste::Filho<QPlainTextEdit>(*form, "txtTexto")->toPlainText(),
             QStringLiteral("Introdução do dia do nascimento."));
    teste::Filho<QPlainTextEdit>(*form, "txtTexto")
        ->setPlainText(QStringLiteral("Nova introdução do grupo."));
    teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    QCOMPARE(Registro(amb, "CDATA.DAT", 3), Preenchido("Nova introdu\xE7\xE3o do grupo."));
}

void TesteEditor::cabecalhoAusenteOuCurto() {
    AmbienteTeste amb;
    for (int r = 1; r <= 13; ++r) {
        QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, static_cast<int16_t>(r), "CDATA.DAT",
                                     r == 8 ? "Curta." : "Uma introdução longa o bastante."),
                 ResultadoGravacao::Ok);
    }
    frmSelecionaAlteracao f(*amb.programa);
    // Ciclo Produtivo (3) belongs to the cycles group, whose introduction is calculation 2's.
    Escolher(f, 3, 1);
    QVERIFY(!f.PreparaAlteracaoCabecalho());
    // Número da Expressão (23) has record 8, which holds fewer than 10 characters.
    Escolher(f, 23, 1);
    QVERIFY(!f.PreparaAlteracaoCabecalho());
    QCOMPARE(amb.mensagens.mostradas.size(), 2);
    for (const MensagemMostrada& m : amb.mensagens.mostradas) {
        QCOMPARE(m.titulo, QStringLiteral("Erro:"));
        QCOMPARE(m.texto, QStringLiteral("Desculpe mas não há cabeçalho referente ao item "
                                         "selecionado. Impossível continuar."));
        QCOMPARE(m.icone, IconeMensagem::Critico);
    }
    // Reality number (28) has record 13.
    Escolher(f, 28, 1);
    auto form = f.PreparaAlteracaoCabecalho();
    QVERIFY(form);
    QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QStringLiteral("13"));
}

void TesteEditor::fluxoCompletoPelosBotoes() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    f.show();
    Escolher(f, 14, 9);
    bool visto = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<frmAlteraForm*>(QApplication::activeModalWidget());
        QVERIFY(form);
        visto = true;
        QCOMPARE(teste::Filho<QLabel>(*form, "lblPosicao")->text(), QStringLiteral("1"));
        teste::Filho<QPlainTextEdit>(*form, "txtTexto")->setPlainText(QStringLiteral("pelo botão"));
        teste::Filho<QPushButton>(*form, "cmdSalvar")->click();
    });
    teste::Filho<QPushButton>(f, "cmdAlterarTexto")->click();
    QVERIFY(visto);
    QCOMPARE(Registro(amb, "DESVIDA.DAT", 1), Preenchido("pelo bot\xE3o"));
    QVERIFY(f.isVisible()); // the choice window stays open behind
    teste::Filho<QPushButton>(f, "cmdRetornar")->click();
    QVERIFY(!f.isVisible());
}

void TesteEditor::secoesDepoisDas28() {
    AmbienteTeste amb;
    frmSelecionaAlteracao f(*amb.programa);
    f.show();
    const char* const nomes[9] = {"Quadro de Inclusão", "Lições Cármicas",        "Dívidas Cármicas",
                                  "Tendências Ocultas", "Paixão Oculta",          "Resposta Subconsciente",
                                  "Número Mestre 11",   "Número Mestre 22 (=11)", "Número Mestre 33 (=11)"};
    const char* const arquivos[9] = {"",         "LICOESC",  "DIVIDASC", "TENDOCUL", "PAIXOCUL",
                                     "RESPSUBC", "NUMMESTR", "NUMMESTR", "NUMMESTR"};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(teste::Filho<QComboBox>(f, "cmbItem")->itemText(28 + i), QString::fromUtf8(nomes[i]));
        QCOMPARE(f.ArquivosInterpretacao[static_cast<std::size_t>(29 + i)], QString::fromLatin1(arquivos[i]));
    }
    // Records: the lesson's number, the debt's number, the master number's place in its file.
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(30, 7), 7);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(31, 1), 13);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(31, 4), 19);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(34, 9), 9);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(35, 1), 1);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(36, 3), 8);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoNumero(37, 5), 15);
    // Introductions: CDATA 14 to 20; 22 and 33 share that of 11.
    for (int p = 29; p <= 35; ++p)
        QCOMPARE(frmSelecionaAlteracao::RegistroDoCabecalho(p), p - 15);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoCabecalho(36), 0);
    QCOMPARE(frmSelecionaAlteracao::RegistroDoCabecalho(37), 0);

    // The debts offer four choices, the master numbers the five positions, the others nine.
    Escolher(f, 31, 4);
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros0")->text(), QStringLiteral("Dívida 13"));
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros3")->text(), QStringLiteral("Dívida 19"));
    QVERIFY(teste::Filho<QRadioButton>(f, "optNumeros3")->isVisible());
    QVERIFY(!teste::Filho<QRadioButton>(f, "optNumeros4")->isVisible());
    auto divida = f.PreparaAlteracaoTexto();
    QVERIFY(divida);
    QCOMPARE(teste::Filho<QLabel>(*divida, "lblPosicao")->text(), QStringLiteral("19"));
    QCOMPARE(teste::Filho<QLabel>(*divida, "lblInfo")->text(),
             QStringLiteral("Texto referente ao cálculo Dívidas Cármicas\nVocê está "
                            "alterando a interpretação da dívida 19"));
    teste::Filho<QPlainTextEdit>(*divida, "txtTexto")->setPlainText(QStringLiteral("Dívida dezenove"));
    teste::Filho<QPushButton>(*divida, "cmdSalvar")->click();
    QCOMPARE(Registro(amb, "DIVIDASC.DAT", 19), Preenchido("D\xEDvida dezenove"));

    Escolher(f, 36, 3);
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros2")->text(), QStringLiteral("Expressão"));
    QVERIFY(!teste::Filho<QRadioButton>(f, "optNumeros5")->isVisible());
    auto mestre = f.PreparaAlteracaoTexto();
    QCOMPARE(teste::Filho<QLabel>(*mestre, "lblPosicao")->text(), QStringLiteral("8"));
    QCOMPARE(teste::Filho<QLabel>(*mestre, "lblInfo")->text(),
             QStringLiteral("Texto referente ao cálculo Número Mestre 22 (=11)\nVocê "
                            "está alterando a interpretação do número 22 na Expressão"));
    // A choice the new entry does not offer goes back to the first.
    Escolher(f, 30, 9);
    QCOMPARE(teste::Filho<QRadioButton>(f, "optNumeros8")->text(), QStringLiteral("Número 9"));
    QVERIFY(teste::Filho<QRadioButton>(f, "optNumeros8")->isVisible());
    teste::Filho<QComboBox>(f, "cmbItem")->setCurrentIndex(36 - 1);
    QVERIFY(teste::Filho<QRadioButton>(f, "optNumeros0")->isChecked());
    QVERIFY(!teste::Filho<QRadioButton>(f, "optNumeros8")->isVisible());

    // The inclusion table has only an introduction.
    Escolher(f, 29, 1);
    QVERIFY(!teste::Filho<QGroupBox>(f, "frmInfo")->isEnabled());
    QVERIFY(!f.PreparaAlteracaoTexto());
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(GravarInterpretacao(amb.programa->PastaPrograma, 14, "CDATA.DAT",
                                 "Como ler o quadro de inclus\xE3o."),
             ResultadoGravacao::Ok);
    auto cabecalho = f.PreparaAlteracaoCabecalho();
    QVERIFY(cabecalho);
    QCOMPARE(teste::Filho<QLabel>(*cabecalho, "lblPosicao")->text(), QStringLiteral("14"));
    QCOMPARE(teste::Filho<QPlainTextEdit>(*cabecalho, "txtTexto")->toPlainText(),
             QStringLiteral("Como ler o quadro de inclusão."));
}

QTEST_MAIN(TesteEditor)
#include "teste_editor.moc"
