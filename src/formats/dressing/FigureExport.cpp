#include "formats/dressing/FigureExport.h"

#include <QImageWriter>
#include <QSaveFile>

namespace FigureExport {

FileAccess::Result writePng(const QImage& figure, QIODevice& out)
{
    QImageWriter writer(&out, "png");
    if (!writer.write(figure.convertToFormat(QImage::Format_RGB32)))
        return FileAccess::Result::failure(writer.errorString());
    return FileAccess::Result::success();
}

FileAccess::Result savePng(const QImage& figure, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileAccess::Result::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const FileAccess::Result written = writePng(figure, file);
    if (!written) {
        file.cancelWriting();
        return FileAccess::Result::failure(QStringLiteral("%1: %2").arg(path, written.error));
    }
    if (!file.commit())
        return FileAccess::Result::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return FileAccess::Result::success();
}

// Characters no file system of the desktops takes become blanks; an empty
// name is the program's.
QString suggestedFileName(const QString& figureName)
{
    QString name;
    for (const QChar c : figureName)
        name += FileAccess::allowedInFileName(c) ? c : QChar(' ');
    name = name.trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Tavolin");
    return name + QStringLiteral(".png");
}

}  // namespace FigureExport
