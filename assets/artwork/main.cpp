// tavolin-artwork: draws every picture the editor's window carries and the
// default project's body picture, and writes them into the repository.
//
//   tavolin-artwork <repo-root>
//
// Every run writes the same bytes: all noise comes from fixed seeds.
#include "artwork.h"
#include "clothes.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

int failures = 0;

void report(const QString &path, bool ok)
{
    std::printf("%s %s\n", ok ? "wrote " : "FAILED", qPrintable(QDir::toNativeSeparators(path)));
    if (!ok)
        ++failures;
}

// Saves a picture as an uncompressed 24-bit Windows bitmap: the window's
// toolkit loads these as they are, and 32-bit RGB images are written by Qt
// with three bytes a pixel.
void saveBmp(const QImage &img, const QString &path, QSize expected)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    bool ok = img.size() == expected;
    if (ok) {
        QImageWriter writer(path, "BMP");
        ok = writer.write(img.convertToFormat(QImage::Format_RGB32));
    }
    report(path, ok);
}

// The desktop's icons: the icon motif drawn afresh at each size of the icon
// theme (never a small image scaled up), with its soft edges and
// transparency, as <size>x<size>/tavolin.png. They are installed under the
// application id's name (desktop/CMakeLists.txt).
void writeDesktopIcons(const QString &dir)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QString("%1/%2x%2/tavolin.png").arg(dir).arg(size);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QImage img = art::iconImage(size).convertToFormat(QImage::Format_ARGB32);
        QImageWriter writer(path, "PNG");
        report(path, img.size() == QSize(size, size) && writer.write(img));
    }
}

void writeFaces(const QString &dir)
{
    using art::FaceState;
    for (const art::FaceEntry &f : art::faceTable()) {
        const std::uint32_t seed = art::seedOf(f.name);
        const QString base = dir + "/" + f.name;
        saveBmp(art::buttonFace(f.size, f.button, FaceState::Normal, f.draw, seed),
                base + ".bmp", f.size);
        if (f.pressed)
            saveBmp(art::buttonFace(f.size, f.button, FaceState::Pressed, f.draw, seed),
                    base + "_pressed.bmp", f.size);
        if (f.disabled)
            saveBmp(art::buttonFace(f.size, f.button, FaceState::Disabled, f.draw, seed),
                    base + "_disabled.bmp", f.size);
    }
}

// The four arrow pictures of playground mode, in the order of their names:
// Picture1 up, Picture2 right, Picture3 left, Picture4 down.
void writeArrowTiles(const QString &dir)
{
    const art::Dir dirs[] = {art::Up, art::Right, art::Left, art::Down};
    for (int i = 0; i < 4; ++i)
        saveBmp(art::arrowTile(dirs[i]), dir + QString("/Picture%1.bmp").arg(i + 1), QSize(17, 17));
}

void writeKeysAndFlags(const QString &dir)
{
    for (const char *name : {"AutoButton", "WhiteButton", "PinkButton"})
        saveBmp(art::keyColourButton(name), dir + "/" + name + ".bmp", QSize(41, 17));
    saveBmp(art::unionFlag(), dir + "/English.bmp", QSize(25, 18));
    saveBmp(art::germanFlag(), dir + "/German.bmp", QSize(25, 18));
}

// The default wardrobe (item data file and item table) and the bitmaps a
// user can try the import with.
void writeClothes(const QString &root)
{
    const QString projects = root + "/defaults/Projects";
    report(projects + "/Default.Data + .Table",
           art::writeWardrobeFiles(projects + "/Default.Data", projects + "/Default.Table"));
    for (const art::SampleBitmap &s : art::sampleBitmaps())
        saveBmp(s.picture, root + "/defaults/Samples/" + s.fileName, s.picture.size());
}

void writeAll(const QString &root)
{
    const QString assets = root + "/assets";
    const QString faces = assets + "/faces";
    saveBmp(art::background(), assets + "/background.bmp", QSize(792, 588));
    saveBmp(art::askMePanel(), assets + "/askme.bmp", QSize(232, 111));
    writeFaces(faces);
    writeArrowTiles(faces);
    writeKeysAndFlags(faces);
    QDir().mkpath(assets);
    report(assets + "/tavolin.ico", art::writeIcon(assets + "/tavolin.ico", {16, 24, 32, 48, 64}));
    writeDesktopIcons(assets + "/icons");
    saveBmp(art::defaultBody(), root + "/defaults/Projects/Default.bmp", QSize(200, 450));
    writeClothes(root);
}

}  // namespace

int main(int argc, char **argv)
{
    // No window is opened; the offscreen platform still gives us fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavolin-artwork <repo-root>\n");
        return 2;
    }
    const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir(root).exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }
    writeAll(root);
    return failures == 0 ? 0 : 1;
}
