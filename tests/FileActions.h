#pragma once
// The actions that change files, as a person does them through the window:
// the table the fault, kill and power-cut tests run step by step.
#include "TestSupport.h"

#include <QList>
#include <QStringList>

#include <functional>

class TextBox;

namespace FileActions {

using Handler = std::function<void(Form1&)>;

void click(QWidget* widget);
void type(TextBox* box, const QString& text);

// A second project beside the default one, with one outfit.
extern const QStringList kAnnaFiles;
void addAnna(const DataFolderFixture& folder);

// An action: the files the fixture adds, what brings the window to the
// moment before it, the action itself and a second try after a failure
// left everything as it was.
struct Action {
    const char* name;
    std::function<void(const DataFolderFixture&)> lay = [](const DataFolderFixture&) {};
    Handler prepare;
    Handler act;
    Handler retry;  // empty: act again
    QStringList together = {};  // files that change all at once or not at all
};

const QList<Action>& actions();

}  // namespace FileActions
