// A person at work on a large wardrobe, for tst_crashsafety, which kills
// this program at random moments. Started in a data folder, it opens the
// window as the program does and then, in turn, stores a nudge of an item,
// saves an outfit, deletes one, deletes an item and captures a new one,
// all through the window's controls.
//
// Before each action that may change the item data file, the item table or
// the outfit file it works out with the program's own functions what each
// of them must hold afterwards and journals both hashes, synced before the
// action starts (see CrashJournal in TestSupport.h); afterwards it checks
// that the files hold exactly that. On any surprise it exits with 1 and a
// message.
//
// crash_worker JOURNAL SEED ITEMS [ACTIONS]
//   JOURNAL  the journal, outside the data folder
//   SEED     for the choice of items, arrows and the first action
//   ITEMS    the size the store is kept at: an item is deleted only from a
//            full store, and one is captured into a store that is short
//   ACTIONS  actions before a clean exit, which lists the wardrobe on
//            standard output ("item: NAME" lines); without it the actions
//            go on until the kill
#include "TestSupport.h"
#include "formats/dressing/OutfitFile.h"
#include "formats/wardrobe/ItemFormat.h"
#include "formats/wardrobe/ItemRewrite.h"

#include <QApplication>
#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

using CrashJournal::Contents;

constexpr int kKinds = 5;        // kinds of action
constexpr int kKeptOutfits = 3;  // outfits are deleted only beyond these
constexpr int kMaxShownWidth = 200;
constexpr int kMaxShownHeight = 320;

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "crash_worker: %s\n", qPrintable(why));
    std::fflush(stderr);
    // No destructors: the window must not write anything on the way out.
    ::_exit(1);
}

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts.append(list->List(i));
    return texts;
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// What a rewrite through copy makes of bytes (a missing file reads as an
// empty one, as FileAccess::rewriteThrough reads it).
QByteArray rewritten(const std::optional<QByteArray>& bytes, const std::function<bool(QIODevice&, QIODevice&)>& copy)
{
    QBuffer in;
    in.setData(bytes.value_or(QByteArray()));
    in.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer out(&result);
    out.open(QIODevice::WriteOnly);
    if (!copy(in, out))
        fail(QStringLiteral("the expected bytes could not be made"));
    return result;
}

// "stem N" with the smallest N that no entry has in any letter case: both
// the wardrobe and the outfit list refuse a name they hold.
QString freeName(const QString& stem, const QStringList& taken)
{
    for (int n = 1;; ++n) {
        const QString name = stem + QLatin1Char(' ') + QString::number(n);
        if (!taken.contains(name, Qt::CaseInsensitive))
            return name;
    }
}

class Worker {
public:
    Worker(const QString& journal, quint32 seed, int items);

    void start();
    void act(int action);
    void listWardrobe() const;

private:
    void storeNudge();
    void saveOutfit();
    void deleteOutfit();
    void deleteItem();
    void captureItem();

    void begin(const QString& action, const Contents& before, const Contents& after);
    void finish(const Contents& after);
    void journal(const QByteArray& line);

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickEntry(ListBox* list, int row);
    int anyRow(const ListBox* list) { return int(random_.bounded(quint32(list->ListCount()))); }
    Form1& w() { return *window_; }

    QFile journal_;
    QRandomGenerator random_;
    int items_;
    int firstAction_;
    QString action_;
    std::unique_ptr<Form1> window_;
};

Worker::Worker(const QString& journal, quint32 seed, int items)
    : journal_(journal), random_(seed), items_(items), firstAction_(int(random_.bounded(kKinds)))
{
    // Unbuffered: each line goes down in one write, and is synced at once.
    if (!journal_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        fail(QStringLiteral("cannot open the journal %1").arg(journal));
}

void Worker::journal(const QByteArray& line)
{
    if (journal_.write(line) != line.size() || ::fsync(journal_.handle()) != 0)
        fail(QStringLiteral("cannot write the journal"));
}

void Worker::begin(const QString& action, const Contents& before, const Contents& after)
{
    action_ = action;
    journal(CrashJournal::beginLine(action, CrashJournal::hashes(before), CrashJournal::hashes(after)));
}

// The files must hold exactly what the action was to leave, and the lists
// must show what the files hold.
void Worker::finish(const Contents& after)
{
    const Contents now = CrashJournal::read(QStringLiteral("."));
    for (int i = 0; i < CrashJournal::kFiles; ++i) {
        if (now[i] != after[i])
            fail(QStringLiteral("after %1, %2 holds %3 bytes, not the %4 expected")
                     .arg(action_, QLatin1String(CrashJournal::kFileNames[i]))
                     .arg(now[i] ? now[i]->size() : -1)
                     .arg(after[i] ? after[i]->size() : -1));
    }
    // The expected table holds every heading of the expected data file, and
    // is far quicker to read. The wardrobe keeps its entries sorted.
    if (sorted(entries(w().Wardrobe)) != sorted(itemNames(after[CrashJournal::Table].value_or(QByteArray()))))
        fail(QStringLiteral("after %1, the wardrobe does not list the items of the data file").arg(action_));
    QBuffer outfits;
    outfits.setData(after[CrashJournal::Outfit].value_or(QByteArray()));
    outfits.open(QIODevice::ReadOnly);
    if (entries(w().OutfitList) != OutfitFile::names(outfits))
        fail(QStringLiteral("after %1, the outfit list does not list the outfit file").arg(action_));
    journal(CrashJournal::endLine(action_));
}

void Worker::clickEntry(ListBox* list, int row)
{
    if (row < 0 || row >= list->ListCount())
        fail(QStringLiteral("%1 has no row %2").arg(list->objectName()).arg(row));
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    if (list->ListIndex() != row)
        fail(QStringLiteral("a click on row %1 of %2 did not choose it").arg(row).arg(list->objectName()));
}

// Start-up reads the store and brings the item table in line with the
// data file; it must do so without a message.
void Worker::start()
{
    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    after[CrashJournal::Table] = itemTableFor(before[CrashJournal::Data].value_or(QByteArray()));
    begin(QStringLiteral("start"), before, after);
    window_ = std::make_unique<Form1>();
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        fail(QStringLiteral("the window did not show"));
    if (!w().Warnings->Caption().isEmpty())
        fail(QStringLiteral("start-up reported: %1 (%2)").arg(w().Warnings->Caption(), w().Warnings->toolTip()));
    finish(after);
    click(w().LetsGo);
    if (w().State.WorkMode != 1 || !w().Wardrobe->isVisible())
        fail(QStringLiteral("LetsGo did not open the dressing panel"));
}

// The actions in turn, the first of them the seed's choice, so that kills
// soon after a start land in each kind of action.
void Worker::act(int action)
{
    const std::function<void()> kinds[kKinds] = {
        [this] { storeNudge(); },
        [this] { saveOutfit(); },
        [this] { deleteOutfit(); },
        [this] {
            if (w().Wardrobe->ListCount() >= items_)
                deleteItem();
        },
        [this] {
            if (w().Wardrobe->ListCount() < items_)
                captureItem();
        },
    };
    kinds[(firstAction_ + action) % kKinds]();
}

// One to three clicks on one arrow: the shift along its axis is never zero,
// so UpdateItem is on.
void Worker::storeNudge()
{
    if (w().Wardrobe->ListCount() == 0)
        return;
    const int row = anyRow(w().Wardrobe);
    clickEntry(w().Wardrobe, row);
    const QString name = w().Wardrobe->List(row);
    PictureBox* const arrows[] = {w().Picture1, w().Picture2, w().Picture3, w().Picture4};
    const QPoint steps[] = {{0, -1}, {1, 0}, {-1, 0}, {0, 1}};  // up, right, left, down
    const int arrow = int(random_.bounded(4));
    const int clicks = 1 + int(random_.bounded(3));
    for (int i = 0; i < clicks; ++i)
        click(arrows[arrow]);
    const QPoint shift = steps[arrow] * clicks;
    if (!w().UpdateItem->Enabled())
        fail(QStringLiteral("UpdateItem is off after a nudge"));

    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    if (before[CrashJournal::Data]) {
        const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + name;
        after[CrashJournal::Data] = rewritten(before[CrashJournal::Data], [&](QIODevice& in, QIODevice& out) {
            return ItemRewrite::copyShifted(in, out, heading, shift.x(), shift.y());
        });
        after[CrashJournal::Table] = itemTableFor(*after[CrashJournal::Data]);
    }
    begin(QStringLiteral("nudge"), before, after);
    click(w().UpdateItem);
    finish(after);
}

void Worker::saveOutfit()
{
    if (w().Wardrobe->ListCount() == 0)
        return;
    click(w().RemoveAllItems);
    const int worn = 1 + int(random_.bounded(3));
    for (int i = 0; i < worn; ++i) {
        clickEntry(w().Wardrobe, anyRow(w().Wardrobe));
        click(w().DressItem);
    }
    const QString name = freeName(QStringLiteral("Look"), entries(w().OutfitList));
    QTest::keyClicks(w().NameOfOutfit, name);
    if (w().NameOfOutfit->Text() != name || !w().SaveOutfit->Enabled())
        fail(QStringLiteral("the outfit name %1 was not taken").arg(name));

    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    after[CrashJournal::Outfit] =
        before[CrashJournal::Outfit].value_or(QByteArray()) + OutfitFile::outfit(name, entries(w().Dressed));
    begin(QStringLiteral("save-outfit"), before, after);
    click(w().SaveOutfit);
    finish(after);
}

void Worker::deleteOutfit()
{
    if (w().OutfitList->ListCount() <= kKeptOutfits)
        return;
    const int row = anyRow(w().OutfitList);
    clickEntry(w().OutfitList, row);
    const QString heading = QLatin1String(OutfitFile::kHeadingPrefix) + w().OutfitList->List(row);

    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    if (before[CrashJournal::Outfit])
        after[CrashJournal::Outfit] = rewritten(before[CrashJournal::Outfit], [&](QIODevice& in, QIODevice& out) {
            return OutfitFile::copyWithout(in, out, heading);
        });
    begin(QStringLiteral("delete-outfit"), before, after);
    click(w().DeleteOutfit);
    finish(after);
}

void Worker::deleteItem()
{
    const int row = anyRow(w().Wardrobe);
    clickEntry(w().Wardrobe, row);
    const QString heading = QLatin1String(ItemFormat::kHeadingPrefix) + w().Wardrobe->List(row);
    click(w().DeleteSkirt);
    if (!w().AskMe->isVisible() || !w().SayYes->Enabled())
        fail(QStringLiteral("DeleteSkirt did not ask"));

    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    if (before[CrashJournal::Data]) {
        after[CrashJournal::Data] = rewritten(before[CrashJournal::Data], [&](QIODevice& in, QIODevice& out) {
            return ItemRewrite::copyWithout(in, out, heading);
        });
        after[CrashJournal::Table] = itemTableFor(*after[CrashJournal::Data]);
    }
    begin(QStringLiteral("delete-item"), before, after);
    click(w().SayYes);
    finish(after);
}

// Through the import panel: the folder, the picture, a nudge or two and a
// name. The record is the one the program makes of what the panel shows.
void Worker::captureItem()
{
    click(w().AddBMPItem);
    w().Harddrive->setPath(QFileInfo(QLatin1String(CrashJournal::kCapturePicture)).absolutePath());
    const QString file = QFileInfo(QLatin1String(CrashJournal::kCapturePicture)).fileName();
    const QList<QListWidgetItem*> found = w().SkirtFiles->findItems(file, Qt::MatchExactly);
    if (found.size() != 1)
        fail(QStringLiteral("the import panel does not list %1").arg(file));
    w().SkirtFiles->scrollToItem(found.first());
    QTest::mouseClick(w().SkirtFiles->viewport(), Qt::LeftButton, {},
                      w().SkirtFiles->visualItemRect(found.first()).center());
    if (!w().AddToWardrobe->Enabled())
        fail(QStringLiteral("the picture was not taken"));
    Button* const nudges[] = {w().SkirtLeft, w().SkirtRight, w().SkirtUp, w().SkirtDown};
    for (int i = int(random_.bounded(3)); i > 0; --i)
        click(nudges[random_.bounded(4)]);
    const QString name = freeName(QStringLiteral("Capture"), entries(w().Wardrobe));
    QTest::keyClicks(w().NameSkirt, name);
    if (w().NameSkirt->Text() != name)
        fail(QStringLiteral("the item name %1 was not taken").arg(name));
    if (w().State.TransColorName == QLatin1String("AUTO"))
        fail(QStringLiteral("the key colour is AUTO: the record would be made with another key"));

    const QImage picture(QLatin1String(CrashJournal::kCapturePicture));
    const QImage shown =
        picture.copy(0, 0, qMin(picture.width(), kMaxShownWidth), qMin(picture.height(), kMaxShownHeight));
    const QByteArray record = ItemFormat::record(name, w().State.OffsetX, w().State.OffsetY, w().State.ItemReserved,
                                                 shown, w().State.TransColor);
    const Contents before = CrashJournal::read(QStringLiteral("."));
    Contents after = before;
    after[CrashJournal::Data] = before[CrashJournal::Data].value_or(QByteArray()) + record;
    after[CrashJournal::Table] = itemTableFor(*after[CrashJournal::Data]);
    begin(QStringLiteral("capture"), before, after);
    click(w().AddToWardrobe);
    finish(after);
}

void Worker::listWardrobe() const
{
    for (const QString& name : entries(window_->Wardrobe))
        std::printf("item: %s\n", name.toUtf8().constData());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4)
        fail(QStringLiteral("usage: crash_worker JOURNAL SEED ITEMS [ACTIONS]"));
    Worker worker(args[1], args[2].toUInt(), args[3].toInt());
    const int actions = args.size() > 4 ? args[4].toInt() : -1;
    worker.start();
    for (int i = 0; actions < 0 || i < actions; ++i)
        worker.act(i);
    worker.listWardrobe();
    return 0;
}
