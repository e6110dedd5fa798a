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

}  // namespace LanguageFile
