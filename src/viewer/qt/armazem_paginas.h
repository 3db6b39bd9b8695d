#pragma once
// The page store of a viewer window. The rendering records each page as a display list
// (layout/gravacao.h), measured at the screen resolution the layout is made for (3.78 pixels per
// millimetre, 96 dpi); a page becomes pixels only when it is asked for, at the device pixel
// ratio of the window that shows it, and only a few page images are kept: the store's memory
// follows the text of the analysis, not its number of pages times the size of the screen.

#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "layout/gravacao.h"
#include "programa/qt/falhas.h"

namespace oraculandia {

class SuperficieQt;

class ArmazemPaginas {
public:
    // Page images kept at most: the page shown, the two beside it and the one shown before.
    static constexpr int kImagensGuardadas = 4;

    // Pages of `larguraMm` x `alturaMm`, at `pixelsPorMm` logical pixels per millimetre.
    ArmazemPaginas(double larguraMm, double alturaMm, double pixelsPorMm);
    ~ArmazemPaginas();
    ArmazemPaginas(const ArmazemPaginas&) = delete;
    ArmazemPaginas& operator=(const ArmazemPaginas&) = delete;

    // ---- recording ----
    // Starts recording page `indice` (0-based) from an empty page; the store grows to hold it.
    // Its page image, if one was kept, is dropped.
    SuperficieDesenho& GravarPagina(int indice);
    // The page being recorded, when it is page `indice`; nullptr otherwise.
    SuperficieDesenho* PaginaEmGravacao(int indice);
    // Ends the recording of the last page.
    void TerminarGravacao();
    // Drops every page and every image.
    void Limpar();

    int Paginas() const { return documento_.Paginas(); }
    const DocumentoGravado& Documento() const { return documento_; }
    // The page's size in logical pixels.
    QSize TamanhoLogico() const { return tamanho_; }

    // ---- pixels ----
    // Page `pagina` (1-based) drawn at device pixel ratio `dpr`: the kept image when there is one,
    // otherwise drawn now and kept (the oldest image goes when the store is full). The reason
    // instead when the page does not exist or could not be drawn.
    ResultadoQt<QImage> Imagem(int pagina, double dpr);
    // Whether page `pagina` is kept at `dpr`.
    bool Guardada(int pagina, double dpr) const;
    // Draws page `pagina` at `dpr` ahead of time, without making it the most recent image when it
    // is already kept. Returns false when it could not be drawn.
    bool Preparar(int pagina, double dpr);
    // Forgets every page image (the display lists stay).
    void EsquecerImagens() { imagens_.clear(); }

    // Memory held: display lists, and page images kept.
    std::size_t BytesListas() const { return documento_.Bytes(); }
    std::size_t BytesImagens() const;
    int ImagensGuardadas() const { return static_cast<int>(imagens_.size()); }

    // How page images are allocated (tests make it fail). The default is a QImage of that size.
    using Alocador = std::function<QImage(QSize pixels)>;
    void DefinirAlocador(Alocador alocador);

private:
    struct ImagemGuardada {
        int pagina;
        double dpr;
        QImage imagem;
    };
    ResultadoQt<QImage> Desenhar(int pagina, double dpr);
    void Guardar(int pagina, double dpr, QImage imagem);
    void Esquecer(int pagina);

    QSize tamanho_;
    double pixelsPorMm_;
    DocumentoGravado documento_;
    QImage imagemMedidor_;
    std::unique_ptr<SuperficieQt> medidor_;
    std::unique_ptr<SuperficieGravacao> gravacao_;
    int paginaEmGravacao_ = -1;
    std::vector<ImagemGuardada> imagens_; // the most recent first
    Alocador alocador_;
};

} // namespace oraculandia
