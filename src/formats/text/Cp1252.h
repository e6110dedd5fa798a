#pragma once
#include <QByteArray>
#include <QString>

// The program's text files hold one byte per character in Windows-1252, so
// that files written on Windows open here byte for byte, and back.
namespace Cp1252 {

QString decode(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray encode(const QString& text);

// True when every character of text has a Windows-1252 byte.
bool canEncode(const QString& text);

}  // namespace Cp1252
