#pragma once
// The words for a failure nobody expected, for the windows' messages: running out of memory is
// told as such, and every other failure gets one and the same description (the program never
// shows the library's own English text).

#include <QString>
#include <new>

#include "engine/resultado.h"

namespace oraculandia {

// What the Qt code returns from a step that can fail: the value, or the reason in Portuguese (a
// phrase or a whole message, as each function tells).
template <class T> using ResultadoQt = Resultado<T, QString>;

// Called inside a catch block: `semMemoria` when the failure being handled is std::bad_alloc,
// `inesperada` for any other.
inline QString FalhaAtual(const QString& semMemoria, const QString& inesperada) {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return semMemoria;
    } catch (...) {
        return inesperada;
    }
}

// Called inside a catch block: the whole message for an action (in the infinitive, "imprimir a
// análise") that a failure stopped.
inline QString MensagemFalhaAtual(const QString& acao) {
    return FalhaAtual(QStringLiteral("Não foi possível %1: faltou memória. Feche outras análises ou outros "
                                     "programas e tente novamente.")
                          .arg(acao),
                      QStringLiteral("Não foi possível %1: ocorreu um erro inesperado. Tente novamente; se o "
                                     "erro continuar, feche o programa e abra-o de novo.")
                          .arg(acao));
}

} // namespace oraculandia
