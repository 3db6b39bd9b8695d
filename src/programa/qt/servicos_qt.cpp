#include "programa/qt/servicos_qt.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTranslator>
#include <QUrl>

namespace oraculandia {

RespostaMensagem MensagensQt::Mostrar(QWidget* pai, const QString& titulo, const QString& texto,
                                      IconeMensagem icone, BotoesMensagem botoes) {
    QMessageBox caixa(pai);
    caixa.setWindowTitle(titulo);
    caixa.setText(texto);
    caixa.setTextFormat(Qt::PlainText);
    switch (icone) {
    case IconeMensagem::Informacao:
        caixa.setIcon(QMessageBox::Information);
        break;
    case IconeMensagem::Critico:
        caixa.setIcon(QMessageBox::Critical);
        break;
    case IconeMensagem::Pergunta:
        caixa.setIcon(QMessageBox::Question);
        break;
    case IconeMensagem::Exclamacao:
        caixa.setIcon(QMessageBox::Warning);
        break;
    }
    if (botoes == BotoesMensagem::Ok) {
        caixa.setStandardButtons(QMessageBox::Ok);
        caixa.setDefaultButton(QMessageBox::Ok);
        caixa.exec();
        return RespostaMensagem::Ok;
    }
    caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    caixa.setDefaultButton(botoes == BotoesMensagem::SimNaoPadraoNao ? QMessageBox::No : QMessageBox::Yes);
    caixa.setEscapeButton(QMessageBox::No);
    caixa.exec();
    return caixa.clickedButton() == caixa.button(QMessageBox::Yes) ? RespostaMensagem::Sim
                                                                   : RespostaMensagem::Nao;
}

void MensagensQt::Bipe() {
    QApplication::beep();
}

SonsQt::SonsQt(QObject* pai) : QObject(pai) {}

SonsQt::~SonsQt() {
    Parar();
}

void SonsQt::Tocar(const QString& caminhoWav, bool repetir) {
    Parar();
    if (!QFileInfo(caminhoWav).isFile())
        return; // no file, no sound, no message
    const QAudioDevice saida = QMediaDevices::defaultAudioOutput();
    if (saida.isNull())
        return; // no audio device: silence
    auto* efeito = new QSoundEffect(saida, this);
    efeito->setSource(QUrl::fromLocalFile(caminhoWav));
    efeito->setLoopCount(repetir ? QSoundEffect::Infinite : 1);
    // A file that cannot be decoded ends in the Error status; drop the effect then.
    connect(efeito, &QSoundEffect::statusChanged, efeito, [efeito] {
        if (efeito->status() == QSoundEffect::Error)
            efeito->deleteLater();
    });
    efeito->play(); // queued until the file is loaded; returns at once
    efeito_ = efeito;
}

void SonsQt::Parar() {
    if (efeito_) {
        efeito_->stop();
        efeito_->deleteLater();
        efeito_ = nullptr;
    }
}

QDate RelogioQt::Hoje() const {
    return QDate::currentDate();
}

void NavegadorQt::Abrir(const QUrl& endereco) {
    // A failure (no browser) is silent: the program carries on.
    QDesktopServices::openUrl(endereco);
}

bool InstalarTraducaoQt(QObject* dono) {
    auto* traducao = new QTranslator(dono);
    if (!traducao->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducao;
        return false;
    }
    QCoreApplication::installTranslator(traducao);
    return true;
}

bool EscolherFonteProporcional() {
    QFont fonte = QApplication::font();
    if (!QFontInfo(fonte).fixedPitch())
        return false;
    const QStringList instaladas = QFontDatabase::families();
    for (const char* familia : {"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans"}) {
        const QString nome = QString::fromLatin1(familia);
        if (!instaladas.contains(nome) || QFontDatabase::isFixedPitch(nome))
            continue;
        fonte.setFamilies({nome});
        QApplication::setFont(fonte);
        return true;
    }
    return false;
}

} // namespace oraculandia
