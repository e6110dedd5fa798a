#pragma once
#include <QString>
#include <QStringList>

#include "formats/localisation/LanguageFile.h"

// The window's one state record. Every handler and routine reads and writes
// these fields; routines take no arguments and pass their data here. A text
// never assigned is empty and a number never assigned is 0.
struct EditorState {
    QString AppVersion;
    QString LineBreak;
    TextTable Texts;
    QString IniKey;        // the marker WriteIniValue rewrites
    QString IniValue;      // the value it writes
    int SkipCounter = 0;
    QString DressingMark;  // what the figure should show (one character)
    QString PictureMark;   // what the figure shows now
    QString BaseDir;
    QString CurrentProject;   // project file name inside "Projects\"
    QString WardrobeFile;     // item data file name, from the project file
    QString BodyPicFile;      // body picture file name, from the project file
    QString BodyName;         // the figure's name, from the project file
    QString Language;         // language file name
    QString HelpMode;         // "TRUE" when help comes on at the welcome close
    int WorkMode = 0;         // 1 dressing, 2 projects, 3 import
    int OffsetX = 0;
    int OffsetY = 0;
    int ItemReserved = 0;
    int StepSize = 0;
    QString HeaderLine;
    int TransColor = 0;       // the key colour
    QString TransColorName;   // the key-colour setting as read at start-up
    QStringList LayerBuffer;
    int ItemShiftY = 0;
    int ItemShiftX = 0;
    int ItemLineNumber = 0;
    QString ItemHeadLine;
    QString PixelColor;
    QString CurrentItemName;
    QString LineBuffer;
    QString MovedEntry;
    QString SwapEntry;
    int EntryCount = 0;
    int ListPos = 0;
    int LangLineNo = 0;
    QString ProjectBaseName;  // CurrentProject without ".Project"
    // The item UpdateItem stores, chosen by a click in the wardrobe. It has
    // a field of its own: the settings writer's IniKey changes with every
    // setting stored in between.
    QString ItemToUpdate;
};
