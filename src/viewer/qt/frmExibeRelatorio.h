#pragma once
// The viewer window of one analysis: a child of the main window's MDI area that holds the
// recorded pages (the page store, viewer/armazem_paginas.h) and shows one page at a time on a
// surface larger than the window, scrolled in both directions. Each page remembers where it was
// scrolled to. The window keeps its own copy of the subject, so that printing and export can
// work on whichever analysis is active.
//
// A page becomes pixels only when it is shown, at the device pixel ratio of the window; right
// after a page is shown, the pages beside it are drawn ahead (one per pass of the event loop), so
// that turning to them is a plain image copy. Only a few page images are kept.
//
// Lengths are millimetres; the screen is measured as in the rest of the program, 15 twips per
// pixel and 56.7 twips per millimetre, so 3.78 pixels per millimetre (layout/unidades.h).
//
// Calling order of the rendering: create the window; PreparaPictureBox(n) before drawing page n
// (0-based, the store grows as needed); draw on picFolha(n), which records the page;
// GravaDados(pages, 1, date, name); show the window.

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/datas.h"
#include "layout/superficie.h"

class QScrollBar;

namespace oraculandia {

struct Programa;
class ArmazemPaginas;

class frmExibeRelatorio : public QWidget {
    Q_OBJECT

public:
    explicit frmExibeRelatorio(Programa& programa, QWidget* pai = nullptr);
    ~frmExibeRelatorio() override;

    static QString Titulo(); // "Relatório de Análise Numerológica"
    // The status line when no analysis is shown ("Para obter a sua análise clique no primeiro
    // botão !"), sent when the window closes; the main window starts with it too.
    static QString TextoStatusInicial();

    // Page width in millimetres: 90% of the screen width.
    float GetLarguraEmMm() const;
    // Starts page `indice` (0-based) of the store: an empty page GetLarguraEmMm x 297 mm. The
    // store grows to hold it; a page already there is emptied.
    void PreparaPictureBox(int indice);
    // The surface that records page `indice` (0-based); it must be the page last prepared
    // (std::out_of_range otherwise).
    SuperficieDesenho& picFolha(int indice);
    int PaginasNaMemoria() const;
    // The page store: the recorded pages and the few page images kept.
    ArmazemPaginas& Armazem() { return *armazem_; }

    // Hands the finished analysis over and shows page `Atual` (1-based). Texts are Windows-1252.
    // `nmDigitado`: the name as typed (Windows-1252); the window's caption names the client with
    // it: "Maria da Conceição Souza: 21/07/1985".
    void GravaDados(int Paginas, int Atual, const std::string& dtAnalisada, const std::string& nmAnalisado,
                    const std::string& nmDigitado = {});
    // "<name as typed>: dd/mm/yyyy".
    static QString TituloCliente(const std::string& nomeDigitado, const std::string& data);
    // Shows page `Pagina` (1-based) where the user left it (top left the first time), plays the
    // page sound when sounds are on and writes the status line. A page outside the store keeps
    // the previous image.
    void ExibePagina(int Pagina);
    int PaginaExibida() const { return PaginaAtual; }
    int TotalDePaginas() const { return TotalPaginas; }
    // Makes this window's subject the program's current subject (before printing or export).
    void AjustaDadosNaMemoria();

    // "Navegando: Página 2 de 7".
    QString TextoStatus() const;

    const std::string& NomeAnalisado() const { return nomeAnalisado_; }
    const std::string& DataAnalisada() const { return dataAnalisada_; }
    // The reference date the analysis was made for (none: the day it is printed or exported).
    const std::optional<Data>& DataReferencia() const { return referencia_; }

    float MargemPagina = 0; // gap above and beside the page: 4% of the screen height, mm

    // Scroll positions remembered for page `pagina` (1-based): horizontal, vertical.
    std::pair<float, float> PosicaoGuardada(int pagina) const;

    // Screen measures used by the window (millimetres, from the screen's pixel size).
    static double PixelsPorMm();
    static double LarguraTelaMm();
    static double AlturaTelaMm();

    // Tests and benchmarks: the image now on the page surface (null when the page could not be
    // drawn), and its device pixel ratio follows the page surface's.
    const QImage& ImagemExibida() const { return imagemExibida_; }
    // The device pixel ratio pages are drawn at: the page surface's.
    double RazaoPixels() const;
    // Draws the pages beside the one shown that are not drawn yet, one per call; true when one
    // was drawn. Runs by itself from the event loop after each page shown.
    bool PrepararVizinhas();

    // Zoom of the page on the screen (1 = the page width above, 90% of the screen); the page is
    // drawn again at each zoom, at the pixels it covers, never scaled. Ctrl++ and Ctrl+- step by
    // a quarter (also Ctrl with the wheel), Ctrl+0 fits the page to the window's width.
    double Zoom() const { return zoom_; }
    void DefinirZoom(double zoom);
    void AjustarLargura();
    static constexpr double kZoomMinimo = 0.5;
    static constexpr double kZoomMaximo = 3.0;

signals:
    // The status line text the main window should show (on every page shown, on activation,
    // and the initial text when the window closes).
    void StatusNavegacao(const QString& texto);
    // The mouse moved over the window or its page: the main window forgets and closes its tip.
    void MouseSobreJanela();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    // The wheel scrolls the page; at its end (or top) it goes on to the next (or previous) page.
    void wheelEvent(QWheelEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    friend class SuperficieExibe;
    // Scroll values are millimetres of page movement.
    QScrollBar* vScroll = nullptr;
    QScrollBar* hScroll = nullptr;
    QWidget* picExibe = nullptr; // the visible page surface
    void AoRolarVertical(int valor);
    void AoRolarHorizontal(int valor);
    void Reposicionar();
    void GuardarPosicao(int pagina);
    void PosicionarExibe(double esquerdaMm, double topoMm);
    void LigarAtivacao();
    // True while another viewer of the same MDI area closes (the activation it hands on is not
    // the user's).
    bool VizinhoFechando() const;
    void AgendarVizinhas();
    void AtualizarResolucao();
    void MostrarImagem(int pagina);
    // The resolution pages are drawn at: the screen's pixel ratio times the zoom.
    double RazaoDesenho() const { return RazaoPixels() * zoom_; }
    // Scrolls by `passo` millimetres; past the end of the page, shows the next one from its top
    // (past the top, the previous one from its end). True when a page was turned.
    bool Rolar(int passo);
    static int Px(double mm);

    Programa& programa_;
    std::unique_ptr<ArmazemPaginas> armazem_;
    std::vector<float> PosicaoHorizontal; // index page - 1; grows with the store
    std::vector<float> PosicaoVertical;
    int TotalPaginas = 0;
    int PaginaAtual = 0;
    std::string nomeAnalisado_;
    std::string nomeDigitado_;
    double zoom_ = 1.0;
    std::string dataAnalisada_;
    std::optional<Data> referencia_;
    QImage imagemExibida_; // shares the pixels of the image kept by the store
    QString falhaExibida_; // why the page shown has no image
    bool vizinhasAgendadas_ = false;
    bool resolucaoAgendada_ = false;
    bool ativacaoLigada_ = false;
    bool fechando_ = false; // between closeEvent and the end of the closing
};

} // namespace oraculandia
