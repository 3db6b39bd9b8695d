#pragma once
// The Qt implementations of the platform services used by the program itself.

#include <QObject>
#include <QPointer>

#include "programa/qt/servicos.h"

class QSoundEffect;

namespace oraculandia {

// QMessageBox with the icon and buttons asked for; Qt's own button texts come from its pt_BR
// translation, which main loads.
class MensagensQt : public Mensagens {
public:
    RespostaMensagem Mostrar(QWidget* pai, const QString& titulo, const QString& texto, IconeMensagem icone,
                             BotoesMensagem botoes) override;
    void Bipe() override;
};

// QSoundEffect: plays in the background and returns at once. A new sound cuts the previous one.
// A missing file or a machine without an audio output plays nothing.
class SonsQt : public QObject, public Sons {
    Q_OBJECT

public:
    explicit SonsQt(QObject* pai = nullptr);
    ~SonsQt() override;
    void Tocar(const QString& caminhoWav, bool repetir) override;
    void Parar() override;

private:
    QPointer<QSoundEffect> efeito_;
};

class RelogioQt : public Relogio {
public:
    QDate Hoje() const override;
};

class NavegadorQt : public Navegador {
public:
    void Abrir(const QUrl& endereco) override;
};

// Installs Qt's own Brazilian Portuguese translation (buttons of message boxes and standard
// dialogs) in the application; the translator belongs to `dono`. False when Qt's translation
// files are not installed (the texts stay in English then).
bool InstalarTraducaoQt(QObject* dono);

// On a minimal system without the usual desktop fonts, the default sans-serif font can resolve
// to a monospaced one, and the whole interface then looks like a terminal. When the application
// font is of fixed pitch, it becomes the first proportional one installed of DejaVu Sans,
// Liberation Sans, Noto Sans and FreeSans (same size). True when the font was changed.
bool EscolherFonteProporcional();

} // namespace oraculandia
