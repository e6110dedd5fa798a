#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// The project file: marker lines "#BODYPIC#", "#WARDROBE#" and "#BODYNAME#",
// each followed by its value line, and "#VERSION#" with the version that
// wrote it, which is never read.
namespace ProjectFile {

inline constexpr char kFolder[] = "Projects\\";
inline constexpr char kExtension[] = ".Project";
inline constexpr char kDefaultProject[] = "Default.Project";

struct Values {
    std::optional<QString> BodyPic, Wardrobe, BodyName;
    bool anyMarker() const { return BodyPic || Wardrobe || BodyName; }
};

// A marker takes the next line as its value; the later of two equal
// markers wins. A marker on the last line has no value and is not counted.
Values read(QIODevice& in);

// The project name of a project file name: the name without its last
// eight characters (".Project"); empty for a shorter name.
inline QString baseName(const QString& projectFile)
{
    return projectFile.chopped(qMin<qsizetype>(8, projectFile.size()));
}

// The eight lines of a new project file.
QByteArray write(const QString& bodyPic, const QString& wardrobe, const QString& bodyName,
                 const QString& version);

}  // namespace ProjectFile
