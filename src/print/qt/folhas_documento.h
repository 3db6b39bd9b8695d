#pragma once
// What the printed documents other than the analysis (the name study, the forecasts, the harmony)
// share: the sheet's geometry inside the margins, the program's header and footer on every sheet
// (Paginacao), Unicode text drawn through the surface's painter and font, and the page break.

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include "dados/fontes.h"
#include "layout/paginacao.h"
#include "layout/qt/superficie_qt.h"

namespace oraculandia {

class FolhasDocumento {
public:
    bool falhou = false; // a new sheet could not be started

protected:
    // The surface's painter works in hundredths of a millimetre.
    static constexpr double kUnidade = 100.0;

    FolhasDocumento(QPrinter& impressora, SuperficieQt& s, const ContextoPagina& contexto)
        : impressora_(impressora), s_(s), m_(contexto.MargensImpressao), paginacao_(contexto) {
        largura_ = static_cast<float>(s.LarguraEscala());
        altura_ = static_cast<float>(s.AlturaEscala());
        limite_ = altura_ - m_.Inferior - 20; // above the footer, as the analysis leaves it
        esquerda_ = m_.Esquerda + 2;
        direita_ = largura_ - m_.Direita - 2;
    }

    // The first sheet, with its header.
    void Comecar() {
        y_ = m_.Superior + paginacao_.NovaPagina(s_, largura_, altura_, 1) + 2;
        inicioPagina_ = y_;
    }

    void Fonte(const FonteTexto& f, bool negrito) {
        s_.DefinirNomeFonte(f.Nome);
        s_.DefinirTamanhoFonte(f.Tamanho);
        s_.DefinirNegrito(negrito || f.Negrito != 0);
        s_.DefinirItalico(f.Italico != 0);
        s_.DefinirCor(kCorPreta);
    }
    double Altura() { return s_.AlturaTexto("Ag"); }
    double Largura(const QString& t) {
        return QFontMetricsF(s_.FonteQt(), s_.Pintor().device()).horizontalAdvance(t) / kUnidade;
    }
    // `texto` in lines of at most `largura` millimetres in the current font: each paragraph (line
    // break) on lines of its own, broken between words; a word wider than the line is cut where
    // it reaches the edge, and nothing of it is lost.
    QStringList Quebrar(const QString& texto, double largura) {
        QStringList linhas;
        for (const QString& paragrafo : texto.split(u'\n')) {
            QString atual;
            const QStringList palavras = paragrafo.split(u' ');
            for (QString palavra : palavras) {
                const QString tentativa = atual.isEmpty() ? palavra : atual + u' ' + palavra;
                if (Largura(tentativa) <= largura || (atual.isEmpty() && palavra.isEmpty())) {
                    atual = tentativa;
                    continue;
                }
                if (!atual.isEmpty())
                    linhas << atual;
                atual.clear();
                while (Largura(palavra) > largura && palavra.size() > 1) {
                    qsizetype n = 1;
                    while (n < palavra.size() && Largura(palavra.left(n + 1)) <= largura)
                        ++n;
                    linhas << palavra.left(n);
                    palavra = palavra.mid(n);
                }
                atual = palavra;
            }
            linhas << atual;
        }
        return linhas;
    }
    void Escrever(double x, double y, const QString& t) {
        QPainter& p = s_.Pintor();
        p.setFont(s_.FonteQt());
        p.setPen(Qt::black);
        const double ascent = QFontMetricsF(s_.FonteQt(), p.device()).ascent();
        p.drawText(QPointF(x * kUnidade, y * kUnidade + ascent), t);
    }

    // A new sheet when `altura` millimetres do not fit above the limit any more (never on a page
    // with nothing on it yet, so a block taller than a page still goes on).
    bool Garantir(double altura) {
        if (y_ + altura <= limite_ || y_ <= inicioPagina_)
            return false;
        paginacao_.SalvarFontesTela(s_);
        if (!impressora_.newPage())
            falhou = true;
        y_ = m_.Superior + paginacao_.NovaPagina(s_, largura_, altura_, 2) + 2;
        inicioPagina_ = y_;
        paginacao_.RestaurarFontesTela(s_);
        return true;
    }

    QPrinter& impressora_;
    SuperficieQt& s_;
    Margens m_;
    Paginacao paginacao_;
    float largura_ = 0, altura_ = 0;
    double limite_ = 0, esquerda_ = 0, direita_ = 0;
    double y_ = 0;
    double inicioPagina_ = 0;
};

} // namespace oraculandia
