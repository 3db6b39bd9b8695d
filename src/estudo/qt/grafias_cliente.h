#pragma once
// The other spellings of a client's name that the name study keeps in the register
// (grafias_clientes, see esquema_estudo.h), in the order the study shows them.

#include <QString>
#include <QStringList>

#include "programa/qt/falhas.h"

namespace oraculandia {

class CadastroClientes;

// The spellings of client `id` (empty when none were kept); the reason (Portuguese) instead when
// the file could not be read.
ResultadoQt<QStringList> LerGrafiasCliente(CadastroClientes& cadastro, qint64 id);

// Replaces the spellings of client `id` by `grafias`, in one transaction: all or nothing. The
// reason instead when the file refused (the spellings kept before stay as they were), or when the
// client is no longer in the register.
ResultadoQt<void> GravarGrafiasCliente(CadastroClientes& cadastro, qint64 id, const QStringList& grafias);

} // namespace oraculandia
