#pragma once
#include <QString>

// Whether a project name can become the names of the project's files on
// this machine and on Windows: no folder separator, not "." or "..", no
// control character and none of the characters Windows does not allow in
// file names (< > : " | ? *), and every character one that the program's
// Windows-1252 files can hold.
bool isSafeProjectName(const QString& name);
