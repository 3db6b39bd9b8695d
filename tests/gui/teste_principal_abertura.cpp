// The start-up with the opening window: the order of the steps, the busy pointer around the
// animation, the animation's duration and its closing by itself.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "apoio/principal_teste.h"
#include "app/qt/frmEntrada.h"

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteAbertura : public QObject {
    Q_OBJECT

private slots:
    void aberturaNaOrdemEComDuracao();
};

void TesteAbertura::aberturaNaOrdemEComDuracao() {
    PrincipalTeste t(false);
    frmPrincipal& p = *t.janela;
    bool visivelDurante = false, ocupadoDurante = false, arquivosProntos = false, somAntes = false;
    QString titulo;
    AoAbrirModal([&](QWidget* modal) {
        titulo = modal->windowTitle();
        visivelDurante = p.isVisible();
        ocupadoDurante = p.Ocupado();
        arquivosProntos = QFile::exists(t.ambiente.Arquivo("oraculandia.dat")) &&
                          QFile::exists(t.ambiente.Arquivo("fontes.dat"));
        somAntes = t.ambiente.sons.tocados.size() == 1;
        QVERIFY(qobject_cast<frmEntrada*>(modal));
        // Escape does not cut the opening short.
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QElapsedTimer relogio;
    relogio.start();
    p.Iniciar(true);
    const qint64 ms = relogio.elapsed();

    QCOMPARE(titulo, QStringLiteral("Programa de Oraculandia"));
    QVERIFY(visivelDurante);
    QVERIFY(ocupadoDurante);
    QVERIFY(arquivosProntos);
    QVERIFY(somAntes);
    QVERIFY(!p.Ocupado());
    QVERIFY2(ms >= 4400 && ms < 15000, qPrintable(QString::number(ms)));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TesteAbertura)
#include "teste_principal_abertura.moc"
