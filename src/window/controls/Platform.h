#pragma once
#include <QString>
#include <functional>

class QWidget;

// The few services of the platform the handlers call directly. Beeps and
// event pumping go through hooks, so that tests can count them.
namespace Platform {

void Beep();
void DoEvents();

using Hook = std::function<void()>;
// Replaces the action behind Beep or DoEvents; an empty hook restores the real one.
void setBeepHook(Hook hook);
void setDoEventsHook(Hook hook);

// Asks where a file is to be saved, starting at suggested; an empty
// answer means the user cancelled. A hook stands in for the dialog in tests.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
using SaveFileHook = std::function<QString(const QString& suggested)>;
void setSaveFileHook(SaveFileHook hook);

// Makes the window's pictures and the default files built into the
// program available.
void initResources();

}  // namespace Platform
