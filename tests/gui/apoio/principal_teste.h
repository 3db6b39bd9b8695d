#pragma once
// Helpers for the main-window tests: a started main window over a temporary program folder,
// synthetic mouse moves, and the window that a modal dialog opened.

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "apoio/duplos.h"
#include "app/qt/frmPrincipal.h"

namespace oraculandia::teste {

// A main window over its own AmbienteTeste. `fins` counts the calls of FimDoPrograma (the
// program would leave its event loop there).
struct PrincipalTeste {
    explicit PrincipalTeste(bool iniciar = true, bool comTextos = false);
    // Starts the window as the program does. Without the interpretation files, the start-up
    // notice that names them is taken out of the recorded messages (it has tests of its own),
    // so that a test can check what else was shown.
    void Iniciar(bool comAbertura = false);
    AmbienteTeste ambiente;
    std::unique_ptr<frmPrincipal> janela;
    int fins = 0;

private:
    bool comTextos_;
};

// True for the start-up notice that names missing or empty interpretation files.
bool AvisoDeArquivosDeInterpretacao(const MensagemMostrada& m);

// Sends a mouse move to `alvo` at its local point (the centre when not given).
void MoverMouse(QWidget* alvo, QPoint local = QPoint(-1, -1));

// Composes an analysis for the subject and shows it in a new viewer, as the creation does after
// its dialog; returns the active viewer.
frmExibeRelatorio* CriarAnalise(PrincipalTeste& t, const char* nome, const char* data);

// Runs `acao` on the next modal dialog shown (polling briefly), for code that calls exec().
void AoAbrirModal(std::function<void(QWidget*)> acao);

} // namespace oraculandia::teste
