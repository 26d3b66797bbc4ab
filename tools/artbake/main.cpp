// Bakes one of the game's SVG artworks at one size into plain pixels for the program's resources (see
// core/ArtDrawing.h): the build runs it for each picture of the first windows, so the game takes them ready-made.
// Usage: artbake <art/name.svg> <width> <height> <output.rgb|output.argb>
#include "core/ArtDrawing.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no screen: the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool widthOk = false, heightOk = false;
    const int width = arguments.value(2).toInt(&widthOk);
    const int height = arguments.value(3).toInt(&heightOk);
    if (arguments.size() != 5 || !widthOk || !heightOk || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: artbake <art/name.svg> <width> <height> <output.rgb|output.argb>\n");
        return 2;
    }
    const QString source = arguments.at(1);
    if (!QSvgRenderer(source).isValid()) {
        std::fprintf(stderr, "artbake: %s is not an SVG picture that can be drawn\n", qPrintable(source));
        return 1;
    }
    // The pixels as drawn, nothing else: the size is in the name, the format in the suffix.
    const QImage image = DrawSvgArt(source, QSize(width, height), 1.0);
    QSaveFile output(arguments.at(4));
    const bool opaque = image.format() == QImage::Format_RGB888;
    if (!output.fileName().endsWith(QLatin1String(opaque ? ".rgb" : ".argb")) || !output.open(QIODevice::WriteOnly)
        || output.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes()
        || !output.commit()) {
        std::fprintf(stderr, "artbake: could not write %s as a%s picture\n", qPrintable(arguments.at(4)),
            opaque ? "n opaque" : " transparent");
        return 1;
    }
    return 0;
}
