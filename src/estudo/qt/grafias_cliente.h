#pragma once
// The other spellings of a client's name that the name study keeps in the register
// (grafias_clientes, see esquema_estudo.h), in the order the study shows them.

#include <QString>
#include <QStringList>

namespace oraculandia {

class CadastroClientes;

// Reads the spellings of client `id` into `grafias` (empty when none were kept). False, with the
// reason in `erro` (Portuguese), when the file could not be read.
bool LerGrafiasCliente(CadastroClientes& cadastro, qint64 id, QStringList& grafias, QString* erro);

// Replaces the spellings of client `id` by `grafias`, in one transaction: all or nothing. False,
// with the reason in `erro`, when the file refused (the spellings kept before stay as they were),
// or when the client is no longer in the register.
bool GravarGrafiasCliente(CadastroClientes& cadastro, qint64 id, const QStringList& grafias, QString* erro);

} // namespace oraculandia
