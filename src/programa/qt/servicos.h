#pragma once
// The few platform services that would block a test or reach outside the process, behind small
// interfaces. The program uses the Qt implementations (servicos_qt.h); tests use doubles that
// record what was asked and answer as the test says.

#include <QDate>
#include <QString>
#include <QUrl>

class QWidget;

namespace oraculandia {

enum class IconeMensagem { Informacao, Critico, Pergunta, Exclamacao };
enum class BotoesMensagem { Ok, SimNao, SimNaoPadraoNao };
enum class RespostaMensagem { Ok, Sim, Nao };

class Mensagens {
public:
    virtual ~Mensagens() = default;
    // Shows a modal message box and returns the button pressed (Ok for an Ok-only box; closing a
    // Yes/No box by its frame counts as No).
    virtual RespostaMensagem Mostrar(QWidget* pai, const QString& titulo, const QString& texto,
                                     IconeMensagem icone, BotoesMensagem botoes) = 0;
    // The system beep.
    virtual void Bipe() = 0;
};

class Sons {
public:
    virtual ~Sons() = default;
    // Plays a WAV file asynchronously, once or looped; a new sound cuts the one playing. A
    // missing file, or a machine without an audio device, plays nothing and never blocks.
    virtual void Tocar(const QString& caminhoWav, bool repetir) = 0;
    virtual void Parar() = 0;
};

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual QDate Hoje() const = 0;
};

class Navegador {
public:
    virtual ~Navegador() = default;
    // Opens the address in the default browser; a failure is silent.
    virtual void Abrir(const QUrl& endereco) = 0;
};

} // namespace oraculandia
