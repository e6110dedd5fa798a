#include "toolkit/Platform.h"

#include "toolkit/FileAccess.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>

static void initArtworkResources() { Q_INIT_RESOURCE(artwork); }
static void initDefaultsResources() { Q_INIT_RESOURCE(defaults); }

namespace {
Platform::Hook beepHook;
Platform::Hook doEventsHook;
}  // namespace

namespace Platform {

void Beep()
{
    if (beepHook)
        beepHook();
    else
        QApplication::beep();
}

void DoEvents()
{
    if (doEventsHook)
        doEventsHook();
    else
        QCoreApplication::processEvents();
}

void setBeepHook(Hook hook) { beepHook = std::move(hook); }
void setDoEventsHook(Hook hook) { doEventsHook = std::move(hook); }

LoadedPicture LoadPicture(const QString& name)
{
    const QString path = FileAccess::resolvePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QImage(), file.errorString()};

    QImageReader reader(&file);
    const QSize claimed = reader.size();
    if (!claimed.isValid())
        return {QImage(), reader.errorString()};
    if (claimed.width() > kMaxPictureSide || claimed.height() > kMaxPictureSide ||
        qint64(claimed.width()) * claimed.height() > kMaxPicturePixels)
        return {QImage(), QStringLiteral("picture too large")};

    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), reader.errorString()};
    return {image.convertToFormat(QImage::Format_RGB32), QString()};
}

void initResources()
{
    initArtworkResources();
    initDefaultsResources();
}

}  // namespace Platform
