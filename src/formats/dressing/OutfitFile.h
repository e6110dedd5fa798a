#pragma once
#include <QString>
#include <QStringList>

class QIODevice;

// The outfit file: outfits one after the other, each a heading line
// "OUTFIT: " + name and then one line per worn item, lowest layer first.
// An outfit ends at the next heading or at the end of the file.
namespace OutfitFile {

inline constexpr char kHeadingPrefix[] = "OUTFIT: ";
// What makes a line a heading to names(): its first seven characters.
inline constexpr char kHeadingWord[] = "OUTFIT:";

// The names of the outfits, in file order: every line whose first seven
// characters are "OUTFIT:", from its ninth character on, at most 100.
QStringList names(QIODevice& in);

// The entries of the first outfit whose heading line is exactly heading;
// found tells whether there was one.
QStringList entries(QIODevice& in, const QString& heading, bool& found);

// The lines of a new outfit: its heading and the non-empty entries.
QByteArray outfit(const QString& name, const QStringList& entries);

// Copies the file from in to out without the first outfit whose heading is
// exactly heading: its heading and its lines up to the next heading go.
bool copyWithout(QIODevice& in, QIODevice& out, const QString& heading);

// Copies the file from in to out and adds bytes, a new outfit, at its end:
// what an append would leave, made in the working file, since a kill in
// the middle of an append can leave part of an outfit. A last line without
// its line end gets CR LF first, so that the heading starts a line of its own.
bool copyAdding(QIODevice& in, QIODevice& out, const QByteArray& bytes);

}  // namespace OutfitFile
