#include "project/ProjectName.h"

#include "toolkit/Cp1252.h"

bool isSafeProjectName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar ch : name) {
        const char16_t code = ch.unicode();
        const bool control = code < 32 || (code >= 127 && code < 160);
        if (control || QStringLiteral("/\\<>:\"|?*").contains(ch))
            return false;
    }
    return Cp1252::canEncode(name);
}
