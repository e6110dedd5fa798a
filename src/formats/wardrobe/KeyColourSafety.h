#pragma once
#include <QImage>

// Pixels of the key colour that lie inside an item. Storing leaves out every
// pixel of the key colour, wherever it is: a white collar on a picture with
// a white key would vanish with the background. The background is what the
// picture's edge reaches through pixels of the key colour; what the edge
// cannot reach lies inside the item.
namespace KeyColourSafety {

struct Enclosed {
    qint64 count = 0;
    // One bit per pixel of the picture (Format_Mono), 1 where an enclosed
    // pixel of the key colour is; null for a null picture.
    QImage mask;
};

// The pixels of picture whose colour (in the handlers' form) is keyColour
// and that cannot be reached from the picture's edge through neighbours
// left, right, above or below of the key colour. seeThrough is the one-bit
// mask of pixels that were see-through in the picture's file (1 there; may
// be null): they lead on like the key colour, since they vanish from the
// stored item as well, but they are never counted, being see-through in the
// file already. Linear in the number of pixels.
Enclosed findEnclosed(const QImage& picture, int keyColour, const QImage& seeThrough = QImage());

// The mark laid over a picture where mask is 1: 45-degree stripes of red
// and black, each stripe 4 pixels along a row. Every marked pixel is
// opaque red or black; every other pixel is fully see-through. An enclosed
// pixel is always drawn over, so even a single one shows.
QImage hatch(const QImage& mask);

}  // namespace KeyColourSafety
