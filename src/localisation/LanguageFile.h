#pragma once
#include "shell/EditorState.h"

class QIODevice;

// A language file: line n carries text n, for n from 1 to 99. The first
// three characters of a line are not part of its text; a text is at most
// 1000 characters.
namespace LanguageFile {

inline constexpr int kFirstText = 1;
inline constexpr int kLastText = 99;
inline constexpr int kMaxTextLength = 1000;
inline constexpr char kBuiltInEnglish[] = ":/defaults/Tavolin_ENG.txt";

// Fills the texts of the lines the file has; texts whose lines are missing
// keep what they held. Returns how many lines were read.
int read(QIODevice& in, TextTable& texts);

// Text number of the language file built into the program under the name
// languageFile (its English one when there is none of that name). Texts
// the program added to the numbers once unused fall back on it, for
// language files older than those texts.
QString builtInText(const QString& languageFile, int number);

}  // namespace LanguageFile
