// A language file: one text per line into the text table.
#include "FuzzInput.h"
#include "formats/localisation/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputDevice in(inputBytes(data, size));
    TextTable texts;
    LanguageFile::read(in, texts);
    return 0;
}
