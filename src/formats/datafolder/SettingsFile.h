#pragma once
#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

class QIODevice;

// The settings file "Tavolin.ini": pairs of a marker line and a value line,
// closed by a line "#EOF#". Other lines are kept as they stand.
namespace SettingsFile {

inline constexpr char kFileName[] = "Tavolin.ini";
inline constexpr char kTempName[] = "TMP.txt";
inline constexpr char kEndMarker[] = "#EOF#";

// Every key the program keeps, with the value a new settings file starts with.
struct Key {
    const char* marker;
    const char* defaultValue;
};
inline constexpr Key kHelpMode{"#HELPMODE#", "TRUE"};
inline constexpr Key kTransColor{"#TRANSCOLOR#", "PURPLE"};
inline constexpr Key kCurrentProject{"#CURRENT_PROJECT#", "Default.Project"};
inline constexpr Key kLanguage{"#LANGUAGE#", "Tavolin_ENG.txt"};
inline constexpr Key kKeys[] = {kHelpMode, kTransColor, kCurrentProject, kLanguage};

inline constexpr char kGermanFile[] = "Tavolin_GER.txt";
inline constexpr char kEnglishFile[] = "Tavolin_ENG.txt";

// The values found; a key whose marker is absent stays empty.
struct Values {
    std::optional<QString> HelpMode, TransColorName, CurrentProject, Language;
};

// Reads up to the "#EOF#" line, or to the end when the file has none. A
// marker takes the next line as its value; a marker with no value line
// after it (the last line, or followed by "#EOF#") takes none.
Values read(QIODevice& in);

// Copies the settings file from in to out, with the value line after each
// marker line equal to key replaced by value. Lines after "#EOF#" are
// dropped; a key that is not in the file is not added. A key with no value
// line after it gets one. Every line is written with CR LF.
bool rewriteValue(QIODevice& in, QIODevice& out, const QString& key, const QString& value);

// The file a new data folder starts with, in the given language file.
QByteArray defaultFile(const QString& languageFile);

}  // namespace SettingsFile
