#include "formats/project/ProjectFile.h"

#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"

namespace ProjectFile {

Values read(QIODevice& in)
{
    Values values;
    LineReader reader(in);
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        std::optional<QString>* field = nullptr;
        if (line == QLatin1String("#BODYPIC#"))
            field = &values.BodyPic;
        else if (line == QLatin1String("#WARDROBE#"))
            field = &values.Wardrobe;
        else if (line == QLatin1String("#BODYNAME#"))
            field = &values.BodyName;
        if (field && !reader.atEnd())
            *field = reader.readLine();
    }
    return values;
}

QByteArray write(const QString& bodyPic, const QString& wardrobe, const QString& bodyName,
                 const QString& version)
{
    QByteArray bytes;
    for (const QString& line : {QStringLiteral("#BODYPIC#"), bodyPic, QStringLiteral("#WARDROBE#"), wardrobe,
                                QStringLiteral("#BODYNAME#"), bodyName, QStringLiteral("#VERSION#"), version})
        bytes += Cp1252::encode(line) + "\r\n";
    return bytes;
}

}  // namespace ProjectFile
