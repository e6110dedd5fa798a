// Loading a picture with the size guard, as the import and the body
// picture do: the input is the picture file.
#include "FuzzInput.h"
#include "formats/picture/PictureFile.h"

#include <QGuiApplication>
#include <QTemporaryDir>


namespace {

// A picture folder on the offscreen platform, so that Qt's image plugins
// load as they do in the program.
class PictureFolder : OffscreenArguments {
public:
    PictureFolder()
    {
        if (!dir_.isValid())
            failSetup("cannot make the picture folder");
    }

    QString put(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("Picture.bmp"));
        writeInputFile(path, bytes);
        return path;
    }

private:
    QGuiApplication app_{argc_, argv_};
    QTemporaryDir dir_;
};

// The guard's promise: no picture beyond the limits ever comes back.
bool withinLimits(const QImage& image)
{
    return image.width() <= PictureFile::kMaxPictureSide && image.height() <= PictureFile::kMaxPictureSide &&
           qint64(image.width()) * image.height() <= PictureFile::kMaxPicturePixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static PictureFolder folder;
    const PictureFile::LoadedPicture loaded = PictureFile::load(folder.put(inputBytes(data, size)));
    if (!loaded.image.isNull() && !withinLimits(loaded.image)) {
        std::fprintf(stderr, "fuzz: a picture beyond the limits was loaded\n");
        std::abort();  // libFuzzer keeps the input as a crash
    }
    return 0;
}
