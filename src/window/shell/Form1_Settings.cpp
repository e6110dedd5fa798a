// The settings file: read once at start-up, one value rewritten per change.
#include "formats/datafolder/DataFolder.h"
#include "formats/datafolder/SettingsFile.h"
#include "formats/files/FileAccess.h"
#include "window/shell/Form1.h"

#include <QBuffer>

namespace {
QString settingsName() { return QLatin1String(SettingsFile::kFileName); }
}  // namespace

// Fills HelpMode, TransColorName, CurrentProject and Language from the
// settings file; a marker that is absent leaves its field empty. A file
// that cannot be read at all gives the settings a new file would hold.
void Form1::ReadIniFile()
{
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::readAll(State.BaseDir + settingsName(), bytes);
    if (!read) {
        Report(MsgSettingsUnreadable, read.error);
        State.HelpMode = QLatin1String(SettingsFile::kHelpMode.defaultValue);
        State.TransColorName = QLatin1String(SettingsFile::kTransColor.defaultValue);
        State.CurrentProject = QLatin1String(SettingsFile::kCurrentProject.defaultValue);
        State.Language = DataFolder::defaultLanguageFile();
        return;
    }
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const SettingsFile::Values values = SettingsFile::read(in);
    State.HelpMode = values.HelpMode.value_or(QString());
    State.TransColorName = values.TransColorName.value_or(QString());
    State.CurrentProject = values.CurrentProject.value_or(QString());
    State.Language = values.Language.value_or(QString());
}

// Rewrites the value line after the marker IniKey with IniValue. The new
// file replaces the old one in one step, so a failure leaves the old one
// whole; a rewrite that would change nothing writes nothing.
void Form1::WriteIniValue()
{
    QByteArray old;
    FileAccess::Result result = FileAccess::readAll(State.BaseDir + settingsName(), old);
    if (!result) {
        ShowWarning(MsgSettingsNotSaved, result.error);
        return;
    }
    QBuffer in(&old);
    in.open(QIODevice::ReadOnly);
    QByteArray rewritten;
    QBuffer out(&rewritten);
    out.open(QIODevice::WriteOnly);
    SettingsFile::rewriteValue(in, out, State.IniKey, State.IniValue);
    if (rewritten == old)
        return;
    result = FileAccess::replaceWith(State.BaseDir + settingsName(),
                                     State.BaseDir + QLatin1String(SettingsFile::kTempName), rewritten);
    if (!result)
        ShowWarning(MsgSettingsNotSaved, result.error);
}
