// The settings file "Tavolin.ini": read at start-up, and rewritten for each
// key the program stores; the values that name files are plain names.
#include "FuzzInput.h"
#include "formats/datafolder/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    {
        InputDevice in(bytes);
        const SettingsFile::Values values = SettingsFile::read(in);
        checkPathValue(values.CurrentProject);
        checkPathValue(values.Language);
    }
    for (const SettingsFile::Key& key : SettingsFile::kKeys) {
        InputDevice in(bytes);
        OutputDevice out;
        SettingsFile::rewriteValue(in, out, QLatin1String(key.marker), QLatin1String(key.defaultValue));
    }
    return 0;
}
