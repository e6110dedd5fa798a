// The item table as painting reads it: finding an item's line number and
// painting the item from there, over a small data file that stays the same.
#include "FuzzWindow.h"
#include "formats/wardrobe/ItemFormat.h"

namespace {

// The items of the data file, among them a name with a comma (which the
// table's fields cut) and one the file lacks.
const char* const kNames[] = {"First", "Second", "Skirt, red", "Hat", "Summer dress", "Missing"};

QByteArray record(const QByteArray& name, int offsetX, int offsetY, int pixels)
{
    QByteArray bytes = ItemFormat::kHeadingPrefix + name + "\r\n" + ItemFormat::kSeparator + "\r\n" +
                       ItemFormat::numberLine(offsetX) + "\r\n" + ItemFormat::numberLine(offsetY) + "\r\n" +
                       ItemFormat::numberLine(1) + "\r\n" + ItemFormat::kSeparator + "\r\n";
    for (int i = 0; i < pixels; ++i)
        bytes += ItemFormat::pixelLine(255 + 256 * i, i % 5, i / 5);
    return bytes + ItemFormat::kEndLine + "\r\n";
}

QByteArray itemData()
{
    return record("First", 10, 50, 20) + record("Second", -3, 0, 3) + record("Skirt, red", 20, 40, 2) +
           record("Hat", 0, 0, 1) + record("Summer dress", 199, 449, 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzWindow fuzz{itemData()};
    fuzz.write(QStringLiteral("Projects/Default.Table"), inputBytes(data, size));
    Form1& window = fuzz.window();
    for (const char* name : kNames) {
        window.State.CurrentItemName = QLatin1String(name);
        window.LocateItem();
        window.BodyPic->Cls();
        window.DrawItem();
    }
    return 0;
}
