#pragma once
#include <QImage>
#include <QString>
#include <functional>

class QWidget;

// The few services of the platform the handlers call directly. Beeps and
// event pumping go through hooks, so that tests can count them.
namespace Platform {

void Beep();
void DoEvents();

using Hook = std::function<void()>;
// Replaces the action behind Beep or DoEvents; an empty hook restores the real one.
void setBeepHook(Hook hook);
void setDoEventsHook(Hook hook);

// Asks where a file is to be saved, starting at suggested; an empty
// answer means the user cancelled. A hook stands in for the dialog in tests.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
using SaveFileHook = std::function<QString(const QString& suggested)>;
void setSaveFileHook(SaveFileHook hook);

// The largest picture the program loads; larger claims in a file's header
// are refused before any memory is taken for them, and a picture that comes
// out larger than its header said is refused once read.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;

struct LoadedPicture {
    QImage image;  // null when loading failed; always opaque
    QString error;
    bool tooLarge = false;  // refused for the size its header claims
    // For a picture with an alpha channel: a one-bit mask (Format_Mono)
    // that is 1 where the alpha is below 128. Those pixels are white in
    // image. Null for a picture without alpha.
    QImage seeThrough;
    bool notRegular = false;  // a folder, a device or a FIFO has the name
};

// Loads a picture file by the handlers' path (through FileAccess): a
// bitmap, PNG, GIF or JPEG.
LoadedPicture LoadPicture(const QString& name);

// Makes the pictures and default files built into the program available.
void initResources();

}  // namespace Platform
