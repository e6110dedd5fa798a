// Loading a picture with the size guard, as the import and the body
// picture do: the input is the picture file.
#include "FuzzInput.h"
#include "toolkit/Platform.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// A picture folder on the offscreen platform, so that Qt's image plugins
// load as they do in the program.
class PictureFolder {
public:
    PictureFolder()
    {
        if (!dir_.isValid())
            fail("cannot make the picture folder");
    }

    QString put(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("Picture.bmp"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail("cannot write the picture file");
        return path;
    }

    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "fuzz: %s\n", why);
        std::abort();
    }

private:
    static int offscreen()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }

    int argc_ = offscreen();
    char name_[8] = "tavolin";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication app_{argc_, argv_};
    QTemporaryDir dir_;
};

// The guard's promise: no picture beyond the limits ever comes back.
bool withinLimits(const QImage& image)
{
    return image.width() <= Platform::kMaxPictureSide && image.height() <= Platform::kMaxPictureSide &&
           qint64(image.width()) * image.height() <= Platform::kMaxPicturePixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static PictureFolder folder;
    const Platform::LoadedPicture loaded = Platform::LoadPicture(folder.put(inputBytes(data, size)));
    if (!loaded.image.isNull() && !withinLimits(loaded.image))
        PictureFolder::fail("a picture beyond the limits was loaded");
    return 0;
}
