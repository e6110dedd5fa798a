#include "window/controls/Platform.h"

#include "formats/datafolder/DataFolder.h"

#include <QApplication>
#include <QFileDialog>

static void initArtworkResources() { Q_INIT_RESOURCE(artwork); }

namespace {
Platform::Hook beepHook;
Platform::Hook doEventsHook;
Platform::SaveFileHook saveFileHook;

}  // namespace

namespace Platform {

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    if (saveFileHook)
        return saveFileHook(suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void setSaveFileHook(SaveFileHook hook) { saveFileHook = std::move(hook); }

void Beep()
{
    if (beepHook)
        beepHook();
    else
        QApplication::beep();
}

void DoEvents()
{
    if (doEventsHook)
        doEventsHook();
    else
        QCoreApplication::processEvents();
}

void setBeepHook(Hook hook) { beepHook = std::move(hook); }
void setDoEventsHook(Hook hook) { doEventsHook = std::move(hook); }

void initResources()
{
    initArtworkResources();
    DataFolder::initResources();
}

}  // namespace Platform
