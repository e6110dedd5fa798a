// The project file: its marker lines and their values.
#include "FuzzInput.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputDevice in(inputBytes(data, size));
    ProjectFile::read(in);
    return 0;
}
