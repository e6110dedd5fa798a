#pragma once
#include <QString>
#include <QStringList>

// The files an interrupted write of the program leaves in a data folder,
// spelled out from the files the program manages: its working files, the
// working copy of each file it rewrites and the copies a project deletion
// sets aside. A file of any other name is the user's and stays, however
// much its name looks like a leftover ("notes.new", "Holiday.bmp.deleted").
namespace Leftovers {

// The leftovers in the data folder and its folders, as paths relative to
// it ("TMP.txt", "Projects/Default.Data.new"). defaultFiles are the files a
// new data folder starts with, relative to it ("Projects/Default.bmp"),
// whose working copies the first start writes. Names match without regard
// to case, as the program's file names do.
QStringList find(const QString& dataFolder, const QStringList& defaultFiles);

// The projects whose deletion was confirmed and interrupted: their project
// file is set aside (P + ".Project.deleted") and no project of that name
// exists again. Their other files go with them.
QStringList interruptedDeletions(const QString& dataFolder);

}  // namespace Leftovers
