// The item data file as the window reads it: the wardrobe list, the item
// table rebuilt from it, painting the first listed items, and the two
// rewrites that store a nudge and delete an item.
#include "FuzzWindow.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/ItemRewrite.h"

#include <limits>

namespace {

// Painting reads the file again for each item; a few bound the time per input.
constexpr int kItemsPainted = 3;

void paintListed(Form1& window)
{
    const int count = qMin(window.Wardrobe->ListCount(), kItemsPainted);
    for (int i = 0; i < count; ++i) {
        window.BodyPic->Cls();
        window.State.CurrentItemName = window.Wardrobe->List(i);
        window.DrawItem();
    }
}

// Both rewrites of the record the wardrobe lists first, with the largest
// nudges an int holds.
void rewriteFirst(Form1& window, const QByteArray& bytes)
{
    const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + window.Wardrobe->List(0);
    {
        InputDevice in(bytes);
        OutputDevice out;
        ItemRewrite::copyShifted(in, out, heading, std::numeric_limits<int>::max(), std::numeric_limits<int>::min());
    }
    InputDevice in(bytes);
    OutputDevice out;
    ItemRewrite::copyWithout(in, out, heading);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzWindow fuzz{QByteArray()};
    const QByteArray bytes = inputBytes(data, size);
    fuzz.write(QStringLiteral("Projects/Default.Data"), bytes);
    Form1& window = fuzz.window();
    window.State.ItemShiftX = window.State.ItemShiftY = 0;
    window.FillWardrobeList();
    window.RebuildItemTable();
    paintListed(window);
    rewriteFirst(window, bytes);
    return 0;
}
