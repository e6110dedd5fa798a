#include "formats/datafolder/SettingsFile.h"

#include "formats/text/Cp1252.h"
#include "formats/text/LineReader.h"

#include <QIODevice>

namespace SettingsFile {

namespace {

QByteArray lineBytes(const QString& text) { return Cp1252::encode(text) + "\r\n"; }

std::optional<QString>* fieldFor(Values& values, const QString& marker)
{
    if (marker == QLatin1String(kHelpMode.marker))
        return &values.HelpMode;
    if (marker == QLatin1String(kTransColor.marker))
        return &values.TransColorName;
    if (marker == QLatin1String(kCurrentProject.marker))
        return &values.CurrentProject;
    if (marker == QLatin1String(kLanguage.marker))
        return &values.Language;
    return nullptr;
}

}  // namespace

Values read(QIODevice& in)
{
    Values values;
    LineReader reader(in);
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (line == QLatin1String(kEndMarker))
            break;
        std::optional<QString>* field = fieldFor(values, line);
        if (!field || reader.atEnd())
            continue;
        const QString value = reader.readLine();
        if (value == QLatin1String(kEndMarker))
            break;
        *field = value;
    }
    return values;
}

bool rewriteValue(QIODevice& in, QIODevice& out, const QString& key, const QString& value)
{
    LineReader reader(in);
    QByteArray copy;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (line == QLatin1String(kEndMarker)) {
            copy += lineBytes(line);
            break;
        }
        copy += lineBytes(line);
        if (line != key)
            continue;
        copy += lineBytes(value);
        // The old value goes, unless the marker has none and "#EOF#" follows.
        if (!reader.atEnd()) {
            const QString old = reader.readLine();
            if (old == QLatin1String(kEndMarker)) {
                copy += lineBytes(old);
                break;
            }
        }
    }
    return out.write(copy) == copy.size();
}

QByteArray defaultFile(const QString& languageFile)
{
    QByteArray bytes;
    for (const Key& key : kKeys) {
        bytes += lineBytes(QLatin1String(key.marker));
        const bool language = QLatin1String(key.marker) == QLatin1String(kLanguage.marker);
        bytes += lineBytes(language ? languageFile : QLatin1String(key.defaultValue));
    }
    bytes += lineBytes(QLatin1String(kEndMarker));
    return bytes;
}

}  // namespace SettingsFile
