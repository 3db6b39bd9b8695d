#include "app/qt/frmEntraNome.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <cmath>
#include <limits>

#include "analysis/cp1252.h"
#include "engine/entrada.h"
#include "layout/qt/dialogo_fixo.h"
#include "layout/qt/superficie_qt.h"
#include "programa/programa.h"

namespace oraculandia {

namespace {

// Window measures are given in twips, 15 to a pixel.
int Tw(int twips) {
    return static_cast<int>(std::nearbyint(twips / 15.0));
}

QRect RetanguloTw(int esquerda, int topo, int largura, int altura) {
    return QRect(Tw(esquerda), Tw(topo), Tw(largura), Tw(altura));
}

} // namespace

QuadroFigura::QuadroFigura(const QColor& fundo, QWidget* pai) : QWidget(pai), fundo_(fundo) {}

void QuadroFigura::DefinirFigura(const std::string& nome) {
    figura_ = nome;
    update();
}

void QuadroFigura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), fundo_);
    if (figura_.empty())
        return;
    if (QSvgRenderer* desenho = FiguraSvg(figura_)) {
        p.setRenderHint(QPainter::Antialiasing);
        desenho->setAspectRatioMode(Qt::IgnoreAspectRatio);
        desenho->render(&p, QRectF(rect()));
    }
}

frmEntraNome::frmEntraNome(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Dados para análise..."));
    // The positions are those of a small dialog font (8 points, 11 pixels): with the larger
    // desktop default the first label would run under the buttons.
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    setFont(fonte);
    FixarDialogo(*this, QSize(Tw(4980), Tw(1995)));

    lblInfo[0] = new QLabel(QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"), this);
    lblInfo[0]->move(Tw(45), Tw(90));
    lblInfo[0]->adjustSize();

    txtDataNasc = new QLineEdit(this);
    txtDataNasc->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc->setGeometry(RetanguloTw(45, 360, 1230, 315));
    txtDataNasc->installEventFilter(this);

    lblInfo[1] = new QLabel(QStringLiteral("Digite abaixo o NOME COMPLETO:"), this);
    lblInfo[1]->move(Tw(45), Tw(810));
    lblInfo[1]->adjustSize();

    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setGeometry(RetanguloTw(45, 1035, 4830, 315));
    txtNome->setMaxLength(std::numeric_limits<int>::max()); // no limit: the widget's own is 32767

    cmdOk = new QPushButton(QStringLiteral("&Analisar"), this);
    cmdOk->setGeometry(RetanguloTw(3690, 45, 1275, 420));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    // Enter activates the focused button; in a text box, the default button "Analisar".
    cmdOk->setDefault(true);
    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar->setGeometry(RetanguloTw(3690, 540, 1275, 420));

    for (int i = 0; i < 16; ++i) {
        const bool primeiraFila = i < 8;
        picSigno[static_cast<std::size_t>(i)] =
            new QuadroFigura(primeiraFila ? QColor(Qt::white) : QColor(0xE0, 0xE0, 0xE0), this);
        picSigno[static_cast<std::size_t>(i)]->setGeometry(
            RetanguloTw(630 * (i % 8), primeiraFila ? 1395 : 2025, 555, 510));
    }

    setTabOrder(txtDataNasc, txtNome);
    setTabOrder(txtNome, cmdOk);
    setTabOrder(cmdOk, cmdCancelar);
    txtDataNasc->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, &frmEntraNome::cmdOk_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmEntraNome::cmdCancelar_Click);
}

bool frmEntraNome::eventFilter(QObject* objeto, QEvent* evento) {
    // Leaving the field for another control of the dialog; not the dialog closing, nor the
    // user switching to another program.
    if (objeto == txtDataNasc && evento->type() == QEvent::FocusOut && !aceito_ && !fechando_ &&
        isVisible()) {
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
            SairDaData(true);
    }
    return QDialog::eventFilter(objeto, evento);
}

bool frmEntraNome::SairDaData(bool selecionarSeInvalida) {
    const ConversaoCp1252 conv = Utf8ParaCp1252(txtDataNasc->text().toStdString());
    std::string data = conv.ok() ? NormalizarData(conv.texto, programa_.Hoje()) : conv.texto;
    if (conv.ok()) {
        programa_.DataNascimento = data;
        const QString novo = QString::fromStdString(Cp1252ParaUtf8(data));
        if (novo != txtDataNasc->text())
            txtDataNasc->setText(novo);
    }
    const auto valida = conv.ok() ? LerDataNormalizada(data) : std::nullopt;
    if (valida) {
        setCursor(Qt::WaitCursor);
        signo_ = SignoDoZodiaco(valida->dia, valida->mes);
        for (std::size_t i = 0; i < 8; ++i)
            picSigno[i]->DefinirFigura(NomeFiguraSigno(signo_));
        unsetCursor();
        return true;
    }
    // The line edit drops its selection when it loses the focus, after this handler has run:
    // select once the focus change is over, so that the user can type over the whole text.
    if (selecionarSeInvalida)
        QTimer::singleShot(0, txtDataNasc, [campo = txtDataNasc] {
            campo->setSelection(0, static_cast<int>(campo->text().size()));
        });
    return false;
}

void frmEntraNome::cmdOk_Click() {
    // The date is brought to dd/mm/yyyy here too: Enter in the date field does not leave it.
    const bool dataValida = SairDaData(false);
    const ConversaoCp1252 data = Utf8ParaCp1252(txtDataNasc->text().toStdString());
    programa_.DataNascimento = data.texto;
    if (!dataValida) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), QString::fromUtf8(kMensagemDataInvalida),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        txtDataNasc->setFocus();
        return;
    }
    if (txtNome->text().isEmpty()) {
        txtNome->setFocus();
        return;
    }
    // Letters typed or pasted with separate accents are joined first (José, not Jose + U+0301).
    const ConversaoCp1252 nome = Utf8ParaCp1252(ComporAcentos(txtNome->text().toStdString()));
    if (!nome.ok()) {
        QStringList caracteres;
        for (char32_t c : nome.invalidos)
            caracteres << QStringLiteral("\"%1\"").arg(QString::fromStdString(CodigoParaUtf8(c)));
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("O nome informado contém caracteres que o programa não consegue usar numa "
                           "análise: %1. Digite o nome novamente sem esses caracteres.")
                .arg(caracteres.join(QStringLiteral(", "))),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        txtNome->setFocus();
        return;
    }
    // A line break or a tab pasted into the field would break the page header and the export.
    if (TemCaractereDeControle(nome.texto)) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                    QString::fromUtf8(kMensagemNomeComControle), IconeMensagem::Critico,
                                    BotoesMensagem::Ok);
        txtNome->setFocus();
        return;
    }
    if (!NomeAceitavel(nome.texto)) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), QString::fromUtf8(kMensagemNomeCurto),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        txtNome->setFocus();
        return;
    }
    aceito_ = true;
    setWindowTitle(QStringLiteral("Gerando análise, aguarde..."));
    cmdOk->setEnabled(false);
    cmdCancelar->setEnabled(false);
    programa_.NomeCompleto = NormalizarNome(nome.texto);
    programa_.NomeDigitado = nome.texto;
    accept();
}

void frmEntraNome::cmdCancelar_Click() {
    reject();
}

void frmEntraNome::reject() {
    if (aceito_)
        return;
    fechando_ = true;
    programa_.NomeCompleto = "Descartar";
    programa_.NomeDigitado.clear();
    QDialog::reject();
}

} // namespace oraculandia
