// Outfits: the worn list saved under a name in the project's outfit file,
// loaded back, and deleted; a deletion can be undone.
#include "formats/dressing/OutfitFile.h"
#include "formats/files/FileAccess.h"
#include "formats/files/RewriteRecord.h"
#include "formats/text/Cp1252.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

#include <QBuffer>
#include <QFileInfo>

namespace {
constexpr int kMaxOutfitName = 30;
}

QString Form1::OutfitFileName() const
{
    return State.BaseDir + QStringLiteral("Projects\\") + State.ProjectBaseName + QStringLiteral(".Outfit");
}

// A missing or unreadable outfit file lists no outfits; reading never
// writes it. A file that is there but cannot be read is told.
void Form1::FillOutfitList()
{
    OutfitList->Clear();
    QByteArray bytes;
    if (!ReadOutfitFile(bytes))
        return;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    for (const QString& name : OutfitFile::names(in))
        OutfitList->AddItem(name);
}

bool Form1::ReadOutfitFile(QByteArray& bytes)
{
    const FileAccess::Result read = FileAccess::readAll(OutfitFileName(), bytes);
    if (!read && FileAccess::isThere(FileAccess::resolvePath(OutfitFileName())))
        Report(MsgFileUnreadable, FileAccess::resolvePath(OutfitFileName()) + QStringLiteral(": ") + read.error);
    return read.ok;
}

void Form1::SaveOutfit_Click()
{
    const QString name = NameOfOutfit->Text();
    if (name.isEmpty()) {
        Platform::Beep();
        Warnings->setLeft(300);
        ShowWarning(40);
        return;
    }
    for (int i = 0; i < OutfitList->ListCount(); ++i) {
        if (OutfitList->List(i).toUpper() == name.toUpper()) {
            Platform::Beep();
            ShowWarning(41);
            return;
        }
    }
    // The file holds Windows-1252 text; a name it cannot hold would not be
    // found again.
    if (!Cp1252::canEncode(name)) {
        Platform::Beep();
        ShowWarning(MsgNameNotStorable);
        return;
    }
    QStringList worn;
    for (int i = 0; i < Dressed->ListCount(); ++i)
        worn.append(Dressed->List(i));
    // Through a working file, as every rewrite: a kill in the middle of an
    // append could leave part of an outfit, whose last line would swallow
    // the heading of the next one saved.
    const QByteArray added = OutfitFile::outfit(name, worn);
    const FileAccess::Result saved = FileAccess::rewriteThrough(
        OutfitFileName(), OutfitFileName() + QStringLiteral(".new"),
        [&added](QIODevice& in, QIODevice& out) { return OutfitFile::copyAdding(in, out, added); });
    if (!saved) {
        Platform::Beep();
        ShowWarning(MsgOutfitsNotSaved, saved.error);
        return;
    }
    FillOutfitList();
    NameOfOutfit->setText(QString());
    Warnings->setCaption(QString());
    SaveOutfit->setEnabled(false);
    DeleteOutfit->setEnabled(false);
}

// Puts the chosen outfit on: the worn list becomes its entries.
void Form1::OutfitList_Click()
{
    State.ItemShiftX = 0;
    State.ItemShiftY = 0;
    DeleteOutfit->setEnabled(true);
    const QString heading = QLatin1String(OutfitFile::kHeadingPrefix) + OutfitList->List(OutfitList->ListIndex());
    QByteArray bytes;
    ReadOutfitFile(bytes);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    bool found = false;
    const QStringList worn = OutfitFile::entries(in, heading, found);
    if (found) {
        Dressed->Clear();
        for (const QString& entry : worn)
            Dressed->AddItem(entry);
    }
    BodyPic->Cls();
    RedrawDressed();
    SaveOutfit->setEnabled(false);
    State.DressingMark.clear();
}

// Rewrites the outfit file without the chosen outfit, through the working
// file; the old file stays whole until the copy is complete. The outfit's
// lines are kept, for Ctrl+Z to put back.
void Form1::DeleteOutfit_Click()
{
    const WindowSnapshot before = TakeSnapshot();
    const QString name = OutfitList->List(OutfitList->ListIndex());
    // With nothing selected the heading is the bare prefix, which no saved
    // outfit has.
    const QString heading = QLatin1String(OutfitFile::kHeadingPrefix) + name;
    const QString file = OutfitFileName();
    const QString working = State.BaseDir + QStringLiteral("Projects\\") + State.ProjectBaseName + QStringLiteral(".txt");
    auto record = std::make_shared<RewriteRecord>();
    if (FileAccess::exists(file)) {
        const FileAccess::Result rewritten = FileAccess::rewriteThrough(
            file, working,
            record->recording(
                [&heading](QIODevice& in, QIODevice& out) { return OutfitFile::copyWithout(in, out, heading); }));
        if (!rewritten) {
            Platform::Beep();
            ShowWarning(MsgOutfitsNotSaved, rewritten.error);
            return;
        }
    }
    Dressed->Clear();
    BodyPic->Cls();
    FillOutfitList();
    SaveOutfit->setEnabled(false);
    DeleteOutfit->setEnabled(false);
    if (!record->changed())
        return;
    ShowNamedWarning(MsgOutfitDeleted, name);
    KeepDeletion([=, this] { return ReplayOutfitDeletion(*record, true, file, working, name); },
                 [=, this] { return ReplayOutfitDeletion(*record, false, file, working, name); }, before);
}

// Puts the outfit back in the outfit file (back), or drops it again,
// through the same working file, and lists the outfits of that side.
bool Form1::ReplayOutfitDeletion(const RewriteRecord& record, bool back, const QString& file, const QString& working,
                                 const QString& name)
{
    bool differs = false;
    const FileAccess::Result rewritten =
        FileAccess::rewriteThrough(file, working, back ? record.back(&differs) : record.forward(&differs));
    if (!rewritten) {
        Platform::Beep();
        if (differs)
            ShowWarning(MsgChangedSince, FileAccess::resolvePath(file));
        else
            ShowWarning(MsgOutfitsNotSaved, rewritten.error);
        return false;
    }
    FillOutfitList();
    // The message that the outfit went is out of date once it is back.
    if (back) {
        Warnings->setCaption(QString());
        Warnings->setToolTipText(QString());
    } else {
        ShowNamedWarning(MsgOutfitDeleted, name);
    }
    return true;
}

void Form1::NameOfOutfit_Change()
{
    SaveOutfit->setEnabled(true);
    if (Dressed->ListCount() == 0)
        SaveOutfit->setEnabled(false);
    Warnings->setCaption(QString());
    if (NameOfOutfit->Text() == QLatin1String(" "))
        NameOfOutfit->setText(QString());
    // Past 30 characters the name is cut to 29, as it always was.
    if (NameOfOutfit->Text().size() > kMaxOutfitName)
        NameOfOutfit->setText(NameOfOutfit->Text().left(kMaxOutfitName - 1));
}
