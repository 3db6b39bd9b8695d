// The About window and the help question.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/enderecos.h"
#include "app/qt/frmSobre.h"
#include "dados/pasta_programa.h"
#include "versao.h"

#include <QDir>
#include <QStandardPaths>

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteSobre : public QObject {
    Q_OBJECT

private slots:
    void janelaSobre();
    void pastaDoUsuarioEADoQt();
    void somACadaAbertura();
    void linkAbreAPaginaEJanelaFica();
    void abertaPeloMenu();
    void ajudaSimAbreASuporte();
    void ajudaNaoNaoAbreNada();
};

void TesteSobre::janelaSobre() {
    AmbienteTeste a;
    frmSobre s(*a.programa);
    QCOMPARE(s.windowTitle(), QStringLiteral("Sobre o Programa de Oraculandia"));
    QCOMPARE(Filho<QLabel>(s, "lblInfo_0")->text(),
             QStringLiteral("Este programa de oraculandia foi desenvolvido por:"));
    QCOMPARE(Filho<QPushButton>(s, "cmdSair")->text(), QStringLiteral("O&k"));
    // The link's caption is the maker's address.
    const QString endereco = QString::fromLatin1(enderecos::kPaginaDoFabricante);
    QVERIFY(Filho<QLabel>(s, "lblInternet")->text().contains(endereco));
    QVERIFY(QUrl(endereco).isValid());
    QVERIFY(!QUrl(endereco).isRelative());
    QVERIFY(Filho<QWidget>(s, "imgLogotipo"));
    // The version and the program folder in use, for whoever gives support.
    QCOMPARE(Filho<QLabel>(s, "lblVersao")->text(),
             QStringLiteral("Versão %1\nPasta do programa:\n%2")
                 .arg(QString::fromLatin1(kVersao),
                      QDir::toNativeSeparators(QString::fromStdString(a.programa->PastaPrograma.string()))));
}

void TesteSobre::pastaDoUsuarioEADoQt() {
    // The Qt-free rule names the same user folder that Qt gives the program.
    const QString nomeAntes = QCoreApplication::applicationName();
    const QString orgAntes = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("Oraculandia"));
    QCoreApplication::setOrganizationName(QString());
    const QString doQt = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(nomeAntes);
    QCoreApplication::setOrganizationName(orgAntes);
    QCOMPARE(QString::fromStdString(LocaisPadrao("/usr/bin").dadosUsuario.string()), doQt);
}

void TesteSobre::somACadaAbertura() {
    AmbienteTeste a;
    a.programa->Configuracao.EscutarSons = kDesligado; // plays whatever the setting
    for (int vez = 1; vez <= 2; ++vez) {
        frmSobre s(*a.programa);
        AoAbrirModal([](QWidget* modal) {
            auto* sobre = qobject_cast<frmSobre*>(modal);
            QVERIFY(sobre);
            QTest::mouseClick(Filho<QPushButton>(*sobre, "cmdSair"), Qt::LeftButton);
        });
        s.exec();
        QCOMPARE(a.sons.tocados.size(), vez);
        QCOMPARE(a.sons.tocados.last().caminho, a.Arquivo("welcomeb.wav"));
        QVERIFY(!a.sons.tocados.last().repetir);
    }
}

void TesteSobre::linkAbreAPaginaEJanelaFica() {
    AmbienteTeste a;
    frmSobre s(*a.programa);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    emit Filho<QLabel>(s, "lblInternet")->linkActivated(QString::fromLatin1(enderecos::kPaginaDoFabricante));
    QCOMPARE(a.navegador.abertos.size(), 1);
    QCOMPARE(a.navegador.abertos[0], QUrl(QString::fromLatin1(enderecos::kPaginaDoFabricante)));
    QVERIFY(s.isVisible());
    QVERIFY(a.mensagens.mostradas.isEmpty());
}

void TesteSobre::abertaPeloMenu() {
    PrincipalTeste t;
    frmPrincipal& p = *t.janela;
    MoverMouse(Filho<QToolButton>(p, "cmdCriaAnalise"));
    QVERIFY(p.Dica());
    QString titulo;
    bool semDica = false;
    AoAbrirModal([&](QWidget* modal) {
        titulo = modal->windowTitle();
        semDica = !p.Dica();
        modal->close();
    });
    Filho<QAction>(p, "mnuSobreEstePrograma")->trigger();
    QCOMPARE(titulo, QStringLiteral("Sobre o Programa de Oraculandia"));
    QVERIFY(semDica);
    QCOMPARE(p.BotaoComAjuda(), QStringLiteral("Nenhum"));
    QCOMPARE(t.ambiente.sons.tocados.size(), 2); // start-up, then the About window
}

void TesteSobre::ajudaSimAbreASuporte() {
    PrincipalTeste t;
    t.ambiente.mensagens.respostas = {RespostaMensagem::Sim};
    QTest::mouseClick(Filho<QToolButton>(*t.janela, "cmdAjuda"), Qt::LeftButton);
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
    QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
    QCOMPARE(m.texto, QStringLiteral("ATENÇÃO: A ajuda deste programa está disponível somente através da "
                                     "internet. Se você não possui acesso à internet neste computador e "
                                     "realmente necessita de ajuda, ligue para o nosso atendimento de "
                                     "suporte no telefone (00) 0000-0000. Você gostaria de obter a ajuda "
                                     "deste programa através da internet agora?"));
    QCOMPARE(m.icone, IconeMensagem::Pergunta);
    QCOMPARE(m.botoes, BotoesMensagem::SimNao);
    QCOMPARE(t.ambiente.navegador.abertos.size(), 1);
    QCOMPARE(t.ambiente.navegador.abertos[0], QUrl(QString::fromLatin1(enderecos::kPaginaDeSuporte)));
    QVERIFY(t.ambiente.navegador.abertos[0] != QUrl(QString::fromLatin1(enderecos::kPaginaDoFabricante)));
}

void TesteSobre::ajudaNaoNaoAbreNada() {
    PrincipalTeste t;
    t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
    MoverMouse(Filho<QToolButton>(*t.janela, "cmdAjuda"));
    QTest::mouseClick(Filho<QToolButton>(*t.janela, "cmdAjuda"), Qt::LeftButton);
    QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
    QVERIFY(t.ambiente.navegador.abertos.isEmpty());
    QTest::qWait(0);
    QVERIFY(!t.janela->Dica());
}

QTEST_MAIN(TesteSobre)
#include "teste_sobre.moc"
