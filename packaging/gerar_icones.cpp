// Draws the program's SVG icon as PNG files of the sizes the desktop icon theme asks for, and as
// a Windows .ico: gerar-icones ICONE.svg PASTA TAMANHO... writes PASTA/TAMANHO/oraculandia.png
// for each size and PASTA/oraculandia.ico (256 pixels).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "uso: gerar-icones ICONE.svg PASTA TAMANHO...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "gerar-icones: não foi possível ler %s\n", argv[1]);
        return 1;
    }
    const QString pasta = QString::fromLocal8Bit(argv[2]);
    auto desenhar = [&svg](int lado) {
        QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        QPainter p(&imagem);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, lado, lado));
        return imagem;
    };
    for (int i = 3; i < argc; ++i) {
        const int lado = QString::fromLocal8Bit(argv[i]).toInt();
        if (lado < 8 || lado > 1024) {
            std::fprintf(stderr, "gerar-icones: tamanho inválido %s\n", argv[i]);
            return 2;
        }
        const QString destino = pasta + QLatin1Char('/') + QString::number(lado);
        if (!QDir().mkpath(destino) ||
            !desenhar(lado).save(destino + QStringLiteral("/oraculandia.png"), "PNG")) {
            std::fprintf(stderr, "gerar-icones: não foi possível gravar em %s\n", qPrintable(destino));
            return 1;
        }
    }
    // The .ico is for the Windows installer; a platform without the ICO writer just skips it.
    desenhar(256).save(pasta + QStringLiteral("/oraculandia.ico"), "ICO");
    return 0;
}
