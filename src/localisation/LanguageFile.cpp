#include "localisation/LanguageFile.h"

#include "toolkit/LineReader.h"

#include <QFile>

namespace LanguageFile {

int read(QIODevice& in, TextTable& texts)
{
    LineReader reader(in);
    int number = kFirstText;
    for (; number <= kLastText && !reader.atEnd(); ++number)
        texts[number] = reader.readLine().mid(3, kMaxTextLength);
    return number - kFirstText;
}

QString builtInText(const QString& languageFile, int number)
{
    QFile file(QStringLiteral(":/defaults/") + languageFile);
    if (!file.open(QIODevice::ReadOnly)) {
        file.setFileName(QLatin1String(kBuiltInEnglish));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
    }
    TextTable texts;
    read(file, texts);
    return number >= 0 && number < int(texts.size()) ? texts[number] : QString();
}

}  // namespace LanguageFile
