#pragma once
// The started window the item store targets drive: one QApplication on the
// offscreen platform, one fresh data folder and one Form1 on it, made on the
// first input and kept for the rest of the run, since starting a window
// costs far more than one input.
#include "FuzzInput.h"
#include "formats/datafolder/DataFolder.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

class FuzzWindow : OffscreenArguments {
public:
    // itemData goes in as the default project's item data file before the
    // window starts, so that start-up reads it instead of the big default.
    explicit FuzzWindow(const QByteArray& itemData)
    {
        Platform::initResources();
        if (!dir_.isValid() || !DataFolder::fillDefaults(dir_.path(), QStringLiteral("Tavolin_ENG.txt")).ok ||
            !QDir::setCurrent(dir_.path()))
            failSetup("cannot prepare the data folder");
        Platform::setBeepHook([] {});
        write(QStringLiteral("Projects/Default.Data"), itemData);
        window_ = std::make_unique<Form1>();
    }

    Form1& window() { return *window_; }

    // Puts bytes in as a file of the data folder, replacing what was there.
    void write(const QString& relative, const QByteArray& bytes) { writeInputFile(dir_.filePath(relative), bytes); }

private:
    QApplication app_{argc_, argv_};
    QTemporaryDir dir_;
    std::unique_ptr<Form1> window_;
};

