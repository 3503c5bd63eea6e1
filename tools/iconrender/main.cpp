// metalweight-iconrender: makes the program's icon files from its one drawing, the
// 32 × 32 XPM of the window icon, at build time.
//
//   metalweight-iconrender png SIZE OUTPUT.png   the drawing scaled to SIZE × SIZE
//   metalweight-iconrender svg OUTPUT.svg        the drawing as scalable squares
//   metalweight-iconrender ico OUTPUT.ico        16, 32, 48 and 256 px in one icon file
//
// Scaling keeps the drawing's hard pixel edges: each pixel becomes a block.
#include <QBuffer>
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

void appendLittleEndian(QByteArray& bytes, quint32 value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// An icon file holding PNG images: a header, one directory entry per image, the images.
bool writeIco(const QString& path) {
    const int sizes[] = {16, 32, 48, 256};
    QList<QByteArray> images;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        scaled(size).save(&buffer, "PNG");
        images.append(png);
    }
    QByteArray ico;
    appendLittleEndian(ico, 0, 2);  // reserved
    appendLittleEndian(ico, 1, 2);  // type: icon
    appendLittleEndian(ico, static_cast<quint32>(images.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size));  // 0 stands for 256
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0');                // no palette
        ico.append('\0');                // reserved
        appendLittleEndian(ico, 1, 2);   // colour planes
        appendLittleEndian(ico, 32, 2);  // bits per pixel
        appendLittleEndian(ico, static_cast<quint32>(images[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) {
        ico.append(image);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
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
    } else if (argc == 3 && std::strcmp(argv[1], "ico") == 0) {
        written = writeIco(QString::fromLocal8Bit(argv[2]));
    } else {
        std::fprintf(stderr, "usage: metalweight-iconrender png SIZE OUT | svg OUT | ico OUT\n");
        return 2;
    }
    return written ? 0 : 1;
}
