#pragma once
// Windows-1252 texts of the core meeting Qt: conversion both ways and the wording used when a
// typed text holds characters that the data files cannot store. Every Qt file converts through
// here; the conversion itself is engine/cp1252.h.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cp1252.h"

namespace oraculandia {

// Every byte is a character (engine/cp1252.h: the five undefined bytes become C1 controls).
QString Cp1252ParaQString(std::string_view texto);

// For a text from a data file shown as it is: the control characters other than CR, LF and TAB
// become U+FFFD (Cp1252ParaUtf8SemControles).
inline QString Cp1252ParaQStringSemControles(std::string_view texto) {
    return QString::fromStdString(Cp1252ParaUtf8SemControles(texto));
}

// A typed text for the core. Check `ok()` first: the characters Windows-1252 cannot hold are
// listed in `invalidos`.
inline ConversaoCp1252 QStringParaCp1252(const QString& texto) {
    return Utf8ParaCp1252(texto.toStdString());
}

// "“★” (U+2605), “☺” (U+263A)": each refused character quoted, with its code so that invisible
// or look-alike characters can still be found in the text.
inline QString ListaCaracteresInvalidos(const std::vector<char32_t>& invalidos) {
    QStringList partes;
    for (const char32_t c : invalidos) {
        const QString simbolo = QString::fromStdString(CodigoParaUtf8(c));
        partes << QStringLiteral("\u201C%1\u201D (U+%2)")
                      .arg(simbolo)
                      .arg(QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0'));
    }
    return partes.join(QStringLiteral(", "));
}

// Line breaks of a plain-text widget (\n) as the files keep them (CR LF), and back.
inline QString QuebrasParaCrLf(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    texto.replace(QChar::ParagraphSeparator, u'\n');
    texto.replace(QChar::LineSeparator, u'\n');
    texto.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return texto;
}
inline QString QuebrasParaLf(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texto;
}

} // namespace oraculandia
