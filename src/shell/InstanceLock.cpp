#include "shell/InstanceLock.h"

#include "localisation/LanguageFile.h"
#include "shell/SettingsFile.h"
#include "toolkit/FileAccess.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace {

constexpr int kInUseText = 54;  // the language files' line for a folder in use

// The texts of a language file, or an empty table when it cannot be read.
TextTable textsOf(const QString& path)
{
    TextTable texts;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        LanguageFile::read(file, texts);
    return texts;
}

}  // namespace

namespace InstanceLock {

Outcome acquire(const QString& folder)
{
    Outcome outcome;
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(kFileName)));
    // Never stale by age: a program may stay open for days. A lock whose
    // process no longer runs is stale all the same.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        outcome.lock = std::move(lock);
    else
        outcome.inUse = lock->error() == QLockFile::LockFailedError;
    return outcome;
}

QString inUseMessage(const QString& folder)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QString language;
    QByteArray settings;
    if (FileAccess::readAll(base + QLatin1String(SettingsFile::kFileName), settings)) {
        QBuffer in(&settings);
        in.open(QIODevice::ReadOnly);
        language = SettingsFile::read(in).Language.value_or(QString());
    }
    if (!language.isEmpty()) {
        const QString text = textsOf(FileAccess::resolvePath(base + language))[kInUseText];
        if (!text.isEmpty())
            return text;
    }
    return textsOf(QLatin1String(LanguageFile::kBuiltInEnglish))[kInUseText];
}

}  // namespace InstanceLock
