// The header and footer lines dialog: what it shows, the bytes of rodape.dat it writes, the
// limits of its boxes, the Cancel question and the refusals that keep the dialog open.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "apoio/duplos.h"
#include "apoio/filhos.h"
#include "app/qt/frmConfiguraRodape.h"
#include "dados/rodape.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// One 200-byte record as the file keeps it: count, characters, the rest unread.
QByteArray Registro(const QByteArray& arquivo, int n) {
    return arquivo.mid((n - 1) * 200, 200);
}

int Contagem(const QByteArray& registro) {
    return static_cast<unsigned char>(registro[0]) | (static_cast<unsigned char>(registro[1]) << 8);
}

} // namespace

class TesteRodape : public QObject {
    Q_OBJECT
private slots:
    void mostraAsLinhasAtuais();
    void okGravaOsTresRegistros();
    void limitesDasCaixas();
    void caixasVaziasGravamContagemZero();
    void cancelarComNaoMantemEdicoes();
    void cancelarComSimNaoGrava();
    void caracteresForaDoCp1252();
    void arquivoQueNaoPodeSerGravado();
};

void TesteRodape::mostraAsLinhasAtuais() {
    AmbienteTeste amb;
    amb.programa->Rodape = {"Linha um \xE9", "Linha dois",
                            "Cabe\xE7"
                            "alho"};
    frmConfiguraRodape f(*amb.programa);
    QCOMPARE(f.windowTitle(), QStringLiteral("Configuração do cabeçalho e do rodapé..."));
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaUm")->text(), QStringLiteral("Linha um é"));
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaDois")->text(), QStringLiteral("Linha dois"));
    QCOMPARE(Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->text(), QStringLiteral("Cabeçalho"));
    QCOMPARE(Filho<QPushButton>(f, "cmdOk")->text(), QStringLiteral("O&k"));
    QCOMPARE(Filho<QPushButton>(f, "cmdCancelar")->text(), QStringLiteral("Cancela&r"));
    QStringList rotulos;
    for (QLabel* l : f.findChildren<QLabel*>(QStringLiteral("lblInfo")))
        rotulos << l->text();
    QCOMPARE(rotulos, QStringList({QStringLiteral("Informe abaixo o texto para o cabeçalho (o texto deverá "
                                                  "ser extremamente pequeno):"),
                                   QStringLiteral("Informe abaixo o texto para a primeira linha do rodapé "
                                                  "(aparecerá em negrito):"),
                                   QStringLiteral("Informe abaixo o texto para a segunda linha do rodapé "
                                                  "(procure informar o seu telefone e e-mail):")}));
}

void TesteRodape::okGravaOsTresRegistros() {
    AmbienteTeste amb;
    frmConfiguraRodape f(*amb.programa);
    f.show();
    Filho<QLineEdit>(f, "txtRodapeLinhaUm")->setText(QStringLiteral("Numeróloga Ana"));
    Filho<QLineEdit>(f, "txtRodapeLinhaDois")->setText(QStringLiteral("(11) 5555-0000 ana@exemplo.com.br"));
    Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->setText(QStringLiteral("Sua análise"));
    Filho<QPushButton>(f, "cmdOk")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Informação:"));
    QCOMPARE(m.texto,
             QStringLiteral("Atenção: Na próxima análise que você gerar estas alterações terão efeito!"));
    QCOMPARE(m.icone, IconeMensagem::Informacao);
    QCOMPARE(m.botoes, BotoesMensagem::Ok);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Accepted));

    const QByteArray arquivo = amb.Ler("rodape.dat");
    QVERIFY(arquivo.size() >= 400 + 2 + 11);
    QCOMPARE(Contagem(Registro(arquivo, 1)), 14);
    QCOMPARE(Registro(arquivo, 1).mid(2, 14), QByteArray("Numer\xF3loga Ana"));
    QCOMPARE(Contagem(Registro(arquivo, 2)), 33);
    QCOMPARE(Registro(arquivo, 2).mid(2, 33), QByteArray("(11) 5555-0000 ana@exemplo.com.br"));
    QCOMPARE(arquivo.mid(400, 2), QByteArray("\x0B\x00", 2));
    QCOMPARE(arquivo.mid(402, 11), QByteArray("Sua an\xE1lise"));
    // The dialog writes the file, never the lines in memory (the main window reloads them).
    QCOMPARE(amb.programa->Rodape.CabecalhoLinhaUm, LinhasRodape{}.CabecalhoLinhaUm);
    const LinhasRodape lidas = CarregaLinhasRodape(amb.programa->PastaPrograma);
    QCOMPARE(lidas.CabecalhoLinhaUm, std::string("Sua an\xE1lise"));
}

void TesteRodape::limitesDasCaixas() {
    AmbienteTeste amb;
    frmConfiguraRodape f(*amb.programa);
    f.show();
    QCOMPARE(Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->maxLength(), 40);
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaUm")->maxLength(), 198);
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaDois")->maxLength(), 198);
    // Typing past the limit keeps the first 198 characters: a record always holds its line.
    Filho<QLineEdit>(f, "txtRodapeLinhaUm")->clear();
    QTest::keyClicks(Filho<QLineEdit>(f, "txtRodapeLinhaUm"), QString(200, u'r'));
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaUm")->text().size(), 198);
    Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->clear();
    QTest::keyClicks(Filho<QLineEdit>(f, "txtCabecalhoLinhaUm"), QString(41, u'c'));
    QCOMPARE(Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->text().size(), 40);
    Filho<QPushButton>(f, "cmdOk")->click();
    const QByteArray arquivo = amb.Ler("rodape.dat");
    QCOMPARE(Contagem(Registro(arquivo, 1)), 198);
    QCOMPARE(Registro(arquivo, 1).mid(2), QByteArray(198, 'r'));
}

void TesteRodape::caixasVaziasGravamContagemZero() {
    AmbienteTeste amb;
    frmConfiguraRodape f(*amb.programa);
    Filho<QLineEdit>(f, "txtRodapeLinhaUm")->clear();
    Filho<QLineEdit>(f, "txtRodapeLinhaDois")->clear();
    Filho<QLineEdit>(f, "txtCabecalhoLinhaUm")->clear();
    Filho<QPushButton>(f, "cmdOk")->click();
    const QByteArray arquivo = amb.Ler("rodape.dat");
    QCOMPARE(Contagem(Registro(arquivo, 1)), 0);
    QCOMPARE(Contagem(Registro(arquivo, 2)), 0);
    QCOMPARE(arquivo.mid(400, 2), QByteArray("\0\0", 2));
    const LinhasRodape lidas = CarregaLinhasRodape(amb.programa->PastaPrograma);
    QCOMPARE(lidas.RodapeLinhaUm, std::string());
    QCOMPARE(lidas.CabecalhoLinhaUm, std::string());
}

void TesteRodape::cancelarComNaoMantemEdicoes() {
    AmbienteTeste amb;
    frmConfiguraRodape f(*amb.programa);
    f.show();
    Filho<QLineEdit>(f, "txtRodapeLinhaDois")->setText(QStringLiteral("editado"));
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    Filho<QPushButton>(f, "cmdCancelar")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = amb.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Atenção:"));
    QCOMPARE(m.texto, QStringLiteral("Tem certeza de que deseja cancelar esta alteração da "
                                     "linha de rodapé? Nenhuma alteração terá efeito."));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNao);
    QVERIFY(f.isVisible());
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaDois")->text(), QStringLiteral("editado"));
    QVERIFY(!QFile::exists(amb.Arquivo("rodape.dat")));
}

void TesteRodape::cancelarComSimNaoGrava() {
    AmbienteTeste amb;
    QVERIFY(SalvarLinhasRodape(amb.programa->PastaPrograma, {"um", "dois", "tres"}));
    const QByteArray antes = amb.Ler("rodape.dat");
    frmConfiguraRodape f(*amb.programa);
    f.show();
    Filho<QLineEdit>(f, "txtRodapeLinhaUm")->setText(QStringLiteral("outro"));
    amb.mensagens.respostas = {RespostaMensagem::Sim};
    Filho<QPushButton>(f, "cmdCancelar")->click();
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QCOMPARE(amb.Ler("rodape.dat"), antes);
    // Escape asks the same question.
    frmConfiguraRodape g(*amb.programa);
    g.show();
    amb.mensagens.respostas = {RespostaMensagem::Nao};
    QTest::keyClick(&g, Qt::Key_Escape);
    QCOMPARE(amb.mensagens.mostradas.size(), 2);
    QVERIFY(g.isVisible());
}

void TesteRodape::caracteresForaDoCp1252() {
    AmbienteTeste amb;
    frmConfiguraRodape f(*amb.programa);
    f.show();
    Filho<QLineEdit>(f, "txtRodapeLinhaDois")->setText(QStringLiteral("Tel \u260E 5555"));
    Filho<QPushButton>(f, "cmdOk")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Aviso:"));
    QVERIFY(amb.mensagens.mostradas[0].texto.contains(QStringLiteral("\u201C\u260E\u201D (U+260E)")));
    QVERIFY(f.isVisible());
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaDois")->text(), QStringLiteral("Tel \u260E 5555"));
    QVERIFY(!QFile::exists(amb.Arquivo("rodape.dat")));
}

void TesteRodape::arquivoQueNaoPodeSerGravado() {
    AmbienteTeste amb;
    QVERIFY(QDir(amb.Pasta()).mkdir(QStringLiteral("rodape.dat"))); // a folder in its place
    frmConfiguraRodape f(*amb.programa);
    f.show();
    Filho<QLineEdit>(f, "txtRodapeLinhaUm")->setText(QStringLiteral("não se perde"));
    Filho<QPushButton>(f, "cmdOk")->click();
    QCOMPARE(amb.mensagens.mostradas.size(), 1);
    QCOMPARE(amb.mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    QCOMPARE(amb.mensagens.mostradas[0].icone, IconeMensagem::Critico);
    QVERIFY(amb.mensagens.mostradas[0].texto.contains(QStringLiteral("rodape.dat")));
    QVERIFY(f.isVisible());
    QCOMPARE(Filho<QLineEdit>(f, "txtRodapeLinhaUm")->text(), QStringLiteral("não se perde"));
}

QTEST_MAIN(TesteRodape)
#include "teste_rodape.moc"
