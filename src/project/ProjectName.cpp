#include "project/ProjectName.h"

#include "toolkit/Cp1252.h"

bool isSafeProjectName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar ch : name) {
        if (ch.unicode() < 32 || ch.unicode() == 127 || QStringLiteral("/\\<>:\"|?*").contains(ch))
            return false;
    }
    return Cp1252::canEncode(name);
}
