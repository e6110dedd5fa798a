#include "formats/project/ProjectName.h"

#include "formats/files/FileAccess.h"
#include "formats/text/Cp1252.h"

bool isSafeProjectName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar ch : name)
        if (!FileAccess::allowedInFileName(ch))
            return false;
    return Cp1252::canEncode(name);
}
