// The outfit file: the list of outfit names, the entries of one outfit and
// deleting it, each for the first outfit the file names.
#include "FuzzInput.h"
#include "formats/dressing/OutfitFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    QStringList names;
    {
        InputDevice in(bytes);
        names = OutfitFile::names(in);
    }
    const QString heading = QLatin1String(OutfitFile::kHeadingPrefix) + names.value(0);
    {
        InputDevice in(bytes);
        bool found = false;
        OutfitFile::entries(in, heading, found);
    }
    InputDevice in(bytes);
    OutputDevice out;
    OutfitFile::copyWithout(in, out, heading);
    return 0;
}
