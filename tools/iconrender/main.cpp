// metalweight-iconrender: makes the desktop's icon files from the program's one drawing,
// the 32 × 32 XPM of the window icon, at build time (the Windows icon file comes from
// metalweight-icowriter, which needs no toolkit).
//
//   metalweight-iconrender png SIZE OUTPUT.png   the drawing scaled to SIZE × SIZE
//   metalweight-iconrender svg OUTPUT.svg        the drawing as scalable squares
//
// Scaling keeps the drawing's hard pixel edges: each pixel becomes a block.
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "ui/qt/icons/metalweight.xpm"

namespace {

QImage drawing() {
    return QPixmap(metalweight_xpm).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage scaled(int size) {
    return drawing().scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool writeSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    const QImage image = drawing();
    QTextStream out(&file);
    out << "<?xml version='1.0' encoding='UTF-8'?>\n"
        << "<svg xmlns='http://www.w3.org/2000/svg' width='" << image.width() << "' height='"
        << image.height() << "' viewBox='0 0 " << image.width() << ' ' << image.height()
        << "' shape-rendering='crispEdges'>\n";
    for (int y = 0; y < image.height(); ++y) {
        // Runs of one colour on a row become one rectangle.
        int x = 0;
        while (x < image.width()) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour) {
                ++end;
            }
            if (qAlpha(colour) != 0) {
                out << "  <rect x='" << x << "' y='" << y << "' width='" << end - x
                    << "' height='1' fill='" << QColor(colour).name() << "'/>\n";
            }
            x = end;
        }
    }
    out << "</svg>\n";
    return out.status() == QTextStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool written = false;
    if (argc == 4 && std::strcmp(argv[1], "png") == 0) {
        const int size = QByteArray(argv[2]).toInt();
        written = size > 0 && scaled(size).save(QString::fromLocal8Bit(argv[3]), "PNG");
    } else if (argc == 3 && std::strcmp(argv[1], "svg") == 0) {
        written = writeSvg(QString::fromLocal8Bit(argv[2]));
    } else {
        std::fprintf(stderr, "usage: metalweight-iconrender png SIZE OUT | svg OUT\n");
        return 2;
    }
    return written ? 0 : 1;
}
