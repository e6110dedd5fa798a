#pragma once
// What every target does with the fuzzer's bytes.
#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

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
