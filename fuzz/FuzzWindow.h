#pragma once
// The started window the item store targets drive: one QApplication on the
// offscreen platform, one fresh data folder and one Form1 on it, made on the
// first input and kept for the rest of the run, since starting a window
// costs far more than one input.
#include "FuzzInput.h"
#include "shell/DataFolder.h"
#include "shell/Form1.h"
#include "toolkit/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

class FuzzWindow {
public:
    // itemData goes in as the default project's item data file before the
    // window starts, so that start-up reads it instead of the big default.
    explicit FuzzWindow(const QByteArray& itemData)
    {
        Platform::initResources();
        if (!dir_.isValid() || !DataFolder::fillDefaults(dir_.path(), QStringLiteral("Tavolin_ENG.txt")).ok ||
            !QDir::setCurrent(dir_.path()))
            fail("cannot prepare the data folder");
        Platform::setBeepHook([] {});
        write(QStringLiteral("Projects/Default.Data"), itemData);
        window_ = std::make_unique<Form1>();
    }

    Form1& window() { return *window_; }

    // Puts bytes in as a file of the data folder, replacing what was there.
    void write(const QString& relative, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(relative));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail("cannot write the input file");
    }

private:
    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "fuzz setup: %s\n", why);
        std::abort();
    }

    // Qt reads the platform when the application is made.
    static int offscreen()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }

    int argc_ = offscreen();
    char name_[8] = "tavolin";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
    QTemporaryDir dir_;
    std::unique_ptr<Form1> window_;
};

