#pragma once
#include <QString>
#include <QStringList>

#include <array>

class QIODevice;

// The text table: texts numbered 0 to 100, filled from the language file.
using TextTable = std::array<QString, 101>;

// A language file: line n carries text n, for n from 1 to 99. The first
// three characters of a line are not part of its text; a text is at most
// 1000 characters. The texts the program added beyond the 99 follow from
// line 100 on, read into a table of their own (each line's number and a
// blank before the text, four characters there); a file that stops at line
// 99 (an older one, or one made on Windows) gets the built-in wording of
// its language for them.
namespace LanguageFile {

inline constexpr int kFirstText = 1;
inline constexpr int kLastText = 99;
inline constexpr int kFirstLaterText = 100;
inline constexpr int kLastLaterText = 199;
inline constexpr int kMaxTextLength = 1000;
inline constexpr char kBuiltInEnglish[] = ":/defaults/Tavolin_ENG.txt";

// Fills the texts of the lines the file has; texts whose lines are missing
// keep what they held. Returns how many of the lines 1 to 99 were read.
// With later, the texts of lines 100 on go there, text 100 first.
int read(QIODevice& in, TextTable& texts, QStringList* later = nullptr);

// Whether any of texts 1 to 99 holds a text: a file of no such line (a
// picture renamed, a file of blank lines) is no language file.
bool hasTexts(const TextTable& texts);

// Text number of the language file built into the program under the name
// languageFile (its English one when there is none of that name). Texts
// the program added to the numbers once unused fall back on it, for
// language files older than those texts.
QString builtInText(const QString& languageFile, int number);

// The language file built in under the name languageFile, or the English
// one; its bytes.
QByteArray builtInFile(const QString& languageFile);

}  // namespace LanguageFile
