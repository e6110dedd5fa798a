#pragma once
#include "formats/files/FileAccess.h"

#include <QString>

// Where the program keeps its files. Started in a folder that holds
// "Tavolin.ini", it works there (a portable installation); otherwise it works
// in the user's data folder, which it fills from the defaults built into
// the program.
namespace DataFolder {

// The folder to work in, given the folder the program was started in and
// the user's data folder.
QString choose(const QString& startFolder, const QString& userDataFolder);

// Writes every default file that folder lacks; a file that exists, in any
// letter case, is never touched. The settings file is made for languageFile.
FileAccess::Result fillDefaults(const QString& folder, const QString& languageFile);

// The files fillDefaults may write, relative to the data folder
// ("Tavolin.ini", "Projects/Default.bmp").
QStringList defaultFiles();

// The language file a new settings file names: German for a German-speaking
// user, English otherwise.
QString defaultLanguageFile();

// Chooses the folder, fills it and makes it the working folder; false with
// a message when the folder cannot be made ready.
FileAccess::Result prepare(const QString& startFolder, const QString& userDataFolder);

// Makes the default files built into the program (the language files and
// the default project) available to defaultFiles and the language files'
// built-in texts.
void initResources();

}  // namespace DataFolder
