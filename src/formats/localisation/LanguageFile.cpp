#include "formats/localisation/LanguageFile.h"

#include "formats/text/LineReader.h"

#include <QBuffer>
#include <QFile>
#include <QHash>

namespace LanguageFile {

namespace {

// A line from 100 on begins with its number and a blank, four characters
// where the first 99 have three.
QString laterText(const QString& line)
{
    qsizetype start = 0;
    while (start < line.size() && line.at(start).isDigit())
        ++start;
    if (start < line.size() && line.at(start) == QLatin1Char(' '))
        ++start;
    return line.mid(start, kMaxTextLength);
}

}  // namespace

int read(QIODevice& in, TextTable& texts, QStringList* later)
{
    LineReader reader(in);
    int number = kFirstText;
    for (; number <= kLastText && !reader.atEnd(); ++number)
        texts[number] = reader.readLine().mid(3, kMaxTextLength);
    const int read = number - kFirstText;
    if (later) {
        later->clear();
        for (number = kFirstLaterText; number <= kLastLaterText && !reader.atEnd(); ++number)
            later->append(laterText(reader.readLine()));
    }
    return read;
}

bool hasTexts(const TextTable& texts)
{
    for (int number = kFirstText; number <= kLastText; ++number)
        if (!texts[number].trimmed().isEmpty())
            return true;
    return false;
}

QByteArray builtInFile(const QString& languageFile)
{
    QFile file(QStringLiteral(":/defaults/") + languageFile);
    if (languageFile.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        file.setFileName(QLatin1String(kBuiltInEnglish));
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
    }
    return file.readAll();
}

QString builtInText(const QString& languageFile, int number)
{
    // Each built-in file is read once: the later texts are asked for as
    // their messages show.
    struct Tables {
        TextTable texts;
        QStringList later;
    };
    static QHash<QString, Tables> read;
    auto found = read.find(languageFile);
    if (found == read.end()) {
        QByteArray bytes = builtInFile(languageFile);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        Tables tables;
        LanguageFile::read(in, tables.texts, &tables.later);
        found = read.insert(languageFile, tables);
    }
    if (number >= kFirstLaterText)
        return found->later.value(number - kFirstLaterText);
    return number >= 0 && number < int(found->texts.size()) ? found->texts[number] : QString();
}

}  // namespace LanguageFile
