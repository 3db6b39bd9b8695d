#pragma once
// The Qt implementations of the platform services used by the program itself.

#include <QObject>
#include <QPointer>

#include "programa/servicos.h"

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

} // namespace oraculandia
