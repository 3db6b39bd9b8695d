// The Qt implementations of the platform services: message boxes with the asked icon, buttons
// and default, and sounds that never block nor fail, with or without a file or audio device.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "apoio/principal_teste.h"
#include "programa/qt/servicos_qt.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

struct CaixaVista {
    QString titulo, texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botoes;
    QMessageBox::StandardButton padrao = QMessageBox::NoButton;
};

// Inspects the box that MensagensQt shows, then presses `tecla` on it.
CaixaVista Responder(MensagensQt& m, IconeMensagem icone, BotoesMensagem botoes, int tecla,
                     RespostaMensagem* resposta) {
    CaixaVista vista;
    AoAbrirModal([&vista, tecla](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        QVERIFY(caixa);
        vista.titulo = caixa->windowTitle();
        vista.texto = caixa->text();
        vista.icone = caixa->icon();
        vista.botoes = caixa->standardButtons();
        if (caixa->defaultButton())
            vista.padrao = caixa->standardButton(caixa->defaultButton());
        QTest::keyClick(caixa, static_cast<Qt::Key>(tecla));
    });
    *resposta = m.Mostrar(nullptr, QStringLiteral("Título:"), QStringLiteral("Texto"), icone, botoes);
    return vista;
}

} // namespace

class TesteServicos : public QObject {
    Q_OBJECT

private slots:
    void caixaDeInformacao();
    void perguntaSimNao();
    void perguntaComNaoComoPadrao();
    void botoesEmPortugues();
    void somInexistenteNaoFazNada();
    void somNuncaBloqueia();
    void fonteMonoespacadaTrocada();
};

void TesteServicos::caixaDeInformacao() {
    MensagensQt m;
    RespostaMensagem r = RespostaMensagem::Nao;
    const CaixaVista v = Responder(m, IconeMensagem::Critico, BotoesMensagem::Ok, Qt::Key_Return, &r);
    QCOMPARE(v.titulo, QStringLiteral("Título:"));
    QCOMPARE(v.texto, QStringLiteral("Texto"));
    QCOMPARE(v.icone, QMessageBox::Critical);
    QCOMPARE(v.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(r, RespostaMensagem::Ok);

    const CaixaVista i = Responder(m, IconeMensagem::Informacao, BotoesMensagem::Ok, Qt::Key_Escape, &r);
    QCOMPARE(i.icone, QMessageBox::Information);
    QCOMPARE(r, RespostaMensagem::Ok);
}

void TesteServicos::perguntaSimNao() {
    MensagensQt m;
    RespostaMensagem r = RespostaMensagem::Ok;
    const CaixaVista v = Responder(m, IconeMensagem::Pergunta, BotoesMensagem::SimNao, Qt::Key_Return, &r);
    QCOMPARE(v.icone, QMessageBox::Question);
    QCOMPARE(v.botoes, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(v.padrao, QMessageBox::Yes);
    QCOMPARE(r, RespostaMensagem::Sim);
    // Escape (or closing the box) is No.
    Responder(m, IconeMensagem::Pergunta, BotoesMensagem::SimNao, Qt::Key_Escape, &r);
    QCOMPARE(r, RespostaMensagem::Nao);
}

void TesteServicos::perguntaComNaoComoPadrao() {
    MensagensQt m;
    RespostaMensagem r = RespostaMensagem::Ok;
    const CaixaVista v =
        Responder(m, IconeMensagem::Exclamacao, BotoesMensagem::SimNaoPadraoNao, Qt::Key_Return, &r);
    QCOMPARE(v.icone, QMessageBox::Warning);
    QCOMPARE(v.padrao, QMessageBox::No);
    QCOMPARE(r, RespostaMensagem::Nao);
}

void TesteServicos::botoesEmPortugues() {
    QVERIFY2(InstalarTraducaoQt(this), "Qt's pt_BR translation (qt6-translations-l10n) is missing");
    MensagensQt m;
    QStringList textos;
    AoAbrirModal([&textos](QWidget* modal) {
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        QVERIFY(caixa);
        textos << caixa->button(QMessageBox::Yes)->text() << caixa->button(QMessageBox::No)->text();
        QTest::keyClick(caixa, Qt::Key_Escape);
    });
    m.Mostrar(nullptr, QStringLiteral("Oraculandia:"), QStringLiteral("?"), IconeMensagem::Pergunta,
              BotoesMensagem::SimNao);
    QCOMPARE(textos.size(), 2);
    QCOMPARE(textos[0].remove(QLatin1Char('&')), QStringLiteral("Sim"));
    QCOMPARE(textos[1].remove(QLatin1Char('&')), QStringLiteral("Não"));
}

void TesteServicos::somInexistenteNaoFazNada() {
    SonsQt sons;
    QTemporaryDir pasta;
    QElapsedTimer relogio;
    relogio.start();
    sons.Tocar(pasta.filePath(QStringLiteral("nao-existe.wav")), false);
    sons.Tocar(pasta.filePath(QStringLiteral("nao-existe.wav")), true);
    QVERIFY(sons.findChildren<QSoundEffect*>().isEmpty());
    sons.Parar();
    sons.Parar();
    QVERIFY(relogio.elapsed() < 1000);
}

void TesteServicos::somNuncaBloqueia() {
    // A real sound of the build: played at once, looped or not, each cutting the one before;
    // on a machine without an audio device nothing is played at all. Never a wait, never a crash.
    const QString arquivo = QStringLiteral(PASTA_PROGRAMA_TESTE "/welcomeb.wav");
    if (!QFile::exists(arquivo))
        QSKIP("the build's sounds are not there");
    SonsQt sons;
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < 20; ++i)
        sons.Tocar(arquivo, i % 2 == 0);
    QVERIFY(relogio.elapsed() < 2000);
    QTest::qWait(50);
    // At most one sound is alive: every new one cut and dropped the previous.
    int vivos = 0;
    for (QSoundEffect* e : sons.findChildren<QSoundEffect*>())
        if (e->isPlaying() || e->status() == QSoundEffect::Loading)
            ++vivos;
    QVERIFY(vivos <= 1);
    sons.Parar();
    QTest::qWait(50);
    QVERIFY(sons.findChildren<QSoundEffect*>().isEmpty());
}

// A default font of fixed pitch (a minimal system without DejaVu) gives way to a proportional
// one of the same size; a proportional default is left alone.
void TesteServicos::fonteMonoespacadaTrocada() {
    const QFont antes = QApplication::font();
    QFont mono(QStringLiteral("Liberation Mono"), 10);
    QApplication::setFont(mono);
    QVERIFY(QFontInfo(QApplication::font()).fixedPitch());
    QVERIFY(EscolherFonteProporcional());
    QVERIFY(!QFontInfo(QApplication::font()).fixedPitch());
    QCOMPARE(QApplication::font().pointSize(), 10);
    const QFont escolhida = QApplication::font();
    QVERIFY(!EscolherFonteProporcional());
    QCOMPARE(QApplication::font(), escolhida);
    QApplication::setFont(antes);
}

QTEST_MAIN(TesteServicos)
#include "teste_principal_servicos.moc"
