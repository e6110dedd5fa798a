#pragma once
#include "formats/files/FileAccess.h"

#include <QImage>

class QIODevice;

// The figure as a picture file of its own: PNG, pixel for pixel as shown.
namespace FigureExport {

// Writes figure to out as PNG.
FileAccess::Result writePng(const QImage& figure, QIODevice& out);

// Saves figure as the PNG file at path (a path of the user's file system,
// chosen in a dialog): the file is whole or, on failure, as it was.
FileAccess::Result savePng(const QImage& figure, const QString& path);

// The file name the save dialog suggests for a figure of that name.
QString suggestedFileName(const QString& figureName);

}  // namespace FigureExport
