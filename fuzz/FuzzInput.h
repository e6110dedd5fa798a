#pragma once
// What every target does with the fuzzer's bytes.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include "formats/files/FileAccess.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

// The fuzzer's bytes without a copy, so that reading past them is caught.
inline QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A device that reads bytes from the start, as a reader gets a file; each
// reader gets its own, so that none starts where another stopped.
class InputDevice : public QBuffer {
public:
    explicit InputDevice(const QByteArray& bytes) : bytes_(bytes)
    {
        setBuffer(&bytes_);
        open(QIODevice::ReadOnly);
    }
    ~InputDevice() override { close(); }

private:
    QByteArray bytes_;
};

// A device that collects what a rewrite writes.
class OutputDevice : public QBuffer {
public:
    OutputDevice()
    {
        setBuffer(&bytes_);
        open(QIODevice::WriteOnly);
    }
    ~OutputDevice() override { close(); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Ends the run when a target cannot set itself up: no input is to blame.
[[noreturn]] inline void failSetup(const char* why)
{
    std::fprintf(stderr, "fuzz setup: %s\n", why);
    std::abort();
}

// Puts bytes in as the file at path, replacing what was there.
inline void writeInputFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        failSetup("cannot write the input file");
}

// The arguments of a Qt application on the offscreen platform. Qt reads
// the platform when the application is made, so a target's class takes
// this as its base: it is ready before the application member.
class OffscreenArguments {
protected:
    static int offscreen()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }

    int argc_ = offscreen();
    char name_[8] = "tavolin";
    char* argv_[2] = {name_, nullptr};
};

// A value that forms a path ("Projects\\" + value) and passes the plain-name
// rule must name one entry of that folder and nothing else: no way up, no
// way down, no way to the root. Anything else is a hole in the rule.
inline void checkPathValue(const std::optional<QString>& value)
{
    if (!value || !FileAccess::isPlainName(*value))
        return;
    QString path = QStringLiteral("Projects\\") + *value;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'));
    const bool oneEntry = parts.size() == 2 && parts[1] != QLatin1String("..") && parts[1] != QLatin1String(".") &&
                          !parts[1].isEmpty();
    if (!oneEntry) {
        std::fprintf(stderr, "plain name leads elsewhere: %s\n", qPrintable(*value));
        std::abort();
    }
}

