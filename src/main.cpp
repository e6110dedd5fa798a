#include "formats/datafolder/DataFolder.h"
#include "formats/datafolder/InstanceLock.h"
#include "window/shell/Form1.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name of the data folder in the user's data location
    // (~/.local/share/Tavolin): set here, not taken from the executable's name.
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    // The installed desktop entry's name, so that the desktop matches the
    // window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVOLIN_APP_ID));
    // One look on every desktop: the window's pixels are designed, not themed.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The lock comes before anything is written, so that a second start
    // leaves a folder in use exactly as it is.
    const QString folder = DataFolder::choose(QDir::currentPath(), userData);
    QDir().mkpath(folder);
    const InstanceLock::Outcome lock = InstanceLock::acquire(folder);
    if (lock.inUse) {
        const QString message = InstanceLock::inUseMessage(folder);
        std::fprintf(stderr, "tavolin: %s\n", qPrintable(message));
        QMessageBox::warning(nullptr, QStringLiteral("Tavolin"), message);
        return 1;
    }

    const FileAccess::Result ready = DataFolder::prepare(QDir::currentPath(), userData);
    if (!ready)
        std::fprintf(stderr, "tavolin: %s\n", qPrintable(ready.error));

    Form1 window;
    if (lock.noLock) {
        // The program runs all the same: the folder may be one that is only
        // read, and the window tells of each write that fails.
        std::fprintf(stderr, "tavolin: %s (%s)\n", qPrintable(window.AddedText(Form1::MsgNoLock)),
                     qPrintable(lock.noLockReason));
        window.ReportNoLock(lock.noLockReason);
    }
    window.show();
    return app.exec();
}
