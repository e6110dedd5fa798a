#include "localisation/LanguageFile.h"

#include "toolkit/LineReader.h"

namespace LanguageFile {

int read(QIODevice& in, TextTable& texts)
{
    LineReader reader(in);
    int number = kFirstText;
    for (; number <= kLastText && !reader.atEnd(); ++number)
        texts[number] = reader.readLine().mid(3, kMaxTextLength);
    return number - kFirstText;
}

}  // namespace LanguageFile
