// The windows around a report: the numerologist asked once for the footer at the first start.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "apoio/principal_teste.h"
#include "app/qt/frmPrincipal.h"
#include "dados/preferencias.h"
#include "dados/rodape.h"
#include "layout/qt/frmConfiguraRodape.h"
#include "programa/programa.h"

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteRelatorioJanelas : public QObject {
    Q_OBJECT
private slots:
    void primeiroInicioPedeODoNumerologoUmaVez();
};

void TesteRelatorioJanelas::primeiroInicioPedeODoNumerologoUmaVez() {
    PrincipalTeste t(false);
    int pedidos = 0;
    QString motivo;
    auto responder = [&](const QString& linhaDois) {
        AoAbrirModal([&, linhaDois](QWidget* w) {
            auto* d = qobject_cast<frmConfiguraRodape*>(w);
            QVERIFY(d);
            ++pedidos;
            motivo = d->lblMotivo->isVisible() ? d->lblMotivo->text() : QString();
            if (linhaDois.isEmpty()) {
                d->reject();
                // Cancelling asks whether to leave.
                return;
            }
            d->txtRodapeLinhaDois->setText(linhaDois);
            d->cmdOk->click();
        });
    };
    // Cancelled: asked, and not asked again at the next start.
    t.ambiente.mensagens.respostas.append(RespostaMensagem::Sim);
    responder(QString());
    t.janela->Iniciar(false, true);
    QCOMPARE(pedidos, 1);
    QVERIFY(motivo.startsWith(QStringLiteral("Estas linhas saem em todas as páginas")));
    QVERIFY(
        CarregarPreferencias(t.ambiente.programa->PastaPrograma).Chave(kChaveDadosNumerologoPedidos, false));

    // A fresh folder, answered: the footer is the one typed.
    PrincipalTeste u(false);
    responder(QStringLiteral("Telefone (11) 5555-0000"));
    u.janela->Iniciar(false, true);
    QCOMPARE(pedidos, 2);
    QCOMPARE(u.ambiente.programa->Rodape.RodapeLinhaDois, std::string("Telefone (11) 5555-0000"));
    QVERIFY(!RodapeProvisorio(u.ambiente.programa->Rodape));
    QVERIFY(RodapeProvisorio(LinhasRodapeIniciais()));

    // The next start in the first folder, whose footer is still the placeholder, asks nothing
    // (a dialog shown by mistake would be counted and closed).
    t.ambiente.mensagens.respostas.append(RespostaMensagem::Sim);
    responder(QString());
    frmPrincipal segunda(*t.ambiente.programa);
    segunda.Iniciar(false, true);
    QTest::qWait(100);
    QCOMPARE(pedidos, 2);
}

QTEST_MAIN(TesteRelatorioJanelas)
#include "teste_relatorio_janelas.moc"
