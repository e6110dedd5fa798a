#include "shell/DataFolder.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavolin"));
    // One look on every desktop: the window's pixels are designed, not themed.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const FileAccess::Result ready = DataFolder::prepare(QDir::currentPath(), userData);
    if (!ready)
        std::fprintf(stderr, "tavolin: %s\n", qPrintable(ready.error));

    Form1 window;
    window.show();
    return app.exec();
}
