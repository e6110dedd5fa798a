// The project file: its marker lines and their values, and the values that
// name files are plain names.
#include "FuzzInput.h"
#include "formats/project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    InputDevice in(inputBytes(data, size));
    const ProjectFile::Values values = ProjectFile::read(in);
    checkPathValue(values.BodyPic);
    checkPathValue(values.Wardrobe);
    return 0;
}
