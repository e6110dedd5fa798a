// What the window shows can be read whole, in both languages. Every
// message, laid out with the window's own font at each place the message
// line takes: no visible control lies over any of its letters and no line
// runs past the label's edge. Every caption and list entry: it fits its
// control.
#include "TestSupport.h"
#include "formats/localisation/LanguageFile.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/controls/Controls.h"
#include "window/controls/ListBoxes.h"
#include "window/controls/Platform.h"

#include <QPainter>
#include <QToolTip>
#include <QtTest>

namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// The texts handlers show in the message line, by number.
const QList<int> kMessages = {9,  19, 20, 21, 34, 38, 39, 40, 41,  51,  52,  53,  55,  56,  69,  70,  86,  87,
                              88, 89, 90, 91, 92, 93, 94, 95, 96,  97,  98,  99,  100, 101, 102, 103, 104, 105,
                              106, 107, 108, 120, 121, 122, 123};

// A name longer than the line holds, and a picture saved deep in folders:
// the message shortens them and the tooltip keeps them whole.
const QString kName = QStringLiteral("Summer dress with a belt, a collar and very long sleeves");
const QString kFolder = QStringLiteral("Pictures/Figures of the summer collection, second draft");

// Shows message number n as its handler does.
void show(Form1& w, int n)
{
    if (n == 70) {
        w.Warnings->setCaption(w.EnclosedKeyPixelsText(12345));
    } else if (n == Form1::MsgFigureSaved) {
        w.SaveFigure();
    } else {
        w.ShowNamedWarning(n, kName);
    }
}

// Where the whole of a shortened name or file can still be read.
QString wholeValueProblem(const Form1& w, int n, const QString& file)
{
    const QString value = n == Form1::MsgFigureSaved ? QDir::toNativeSeparators(file) : kName;
    const bool named = n == Form1::MsgFigureSaved || w.AddedText(n).contains(QLatin1String("#NAME#"));
    if (!named || w.Warnings->Caption().contains(value) || w.Warnings->ToolTipText().contains(value))
        return QString();
    return QStringLiteral("the whole name is nowhere");
}

// The window as it looks with every control but the message line hidden.
QImage aloneWith(Form1& w)
{
    QList<QWidget*> hidden;
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != w.Warnings && control->isVisible()) {
            control->hide();
            hidden.append(control);
        }
    }
    const QImage alone = w.grab().toImage();
    for (QWidget* control : hidden)
        control->show();
    return alone;
}

// What is wrong with the message the line shows, or nothing: a message is
// read whole when it fits its label and every pixel of its letters looks
// in the window as it does on the bare background.
QString problemWith(Form1& w, const QImage& bare)
{
    const Label* label = w.Warnings;
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap,
                                                           label->text());
    if (!room.contains(needed))
        return QStringLiteral("needs %1x%2 of %3x%4").arg(needed.width()).arg(needed.height())
            .arg(room.width()).arg(room.height());
    const QImage alone = aloneWith(w);
    const QImage shown = w.grab().toImage();
    int letters = 0;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            if (alone.pixel(x, y) == bare.pixel(x, y))
                continue;
            ++letters;
            if (shown.pixel(x, y) != alone.pixel(x, y)) {
                const QWidget* over = w.childAt(QPoint(x, y));
                return QStringLiteral("covered at %1,%2 (%3)").arg(x).arg(y)
                    .arg(over ? over->objectName() : QStringLiteral("?"));
            }
        }
    }
    return letters == 0 ? QStringLiteral("shows nothing") : QString();
}

// Brings the window to one of the message line's places.
using Place = void (*)(Form1&);
void welcome(Form1&) {}
void dressing(Form1& w) { click(w.LetsGo); }
void outfits(Form1& w)
{
    click(w.LetsGo);
    click(w.SaveOutfit);  // without a name: the line moves to its outfit place
}
void newProject(Form1& w)
{
    click(w.LetsGo);
    click(w.NewProject);
}
void import(Form1& w)
{
    click(w.LetsGo);
    click(w.AddBMPItem);
}

void dressingWithHelp(Form1& w)
{
    dressing(w);
    click(w.ShowHelp);
}
void projectInfos(Form1& w)
{
    newProject(w);
    clickEntry(w.ProjectFileList, QStringLiteral("Default.Project"));
}
void itemQuestion(Form1& w)
{
    import(w);
    clickEntry(w.Wardrobe, w.Wardrobe->List(0));
    click(w.DeleteSkirt);
}
void longItemQuestion(Form1& w)
{
    import(w);
    clickEntry(w.Wardrobe, kName);
    click(w.DeleteSkirt);
}
void projectQuestion(Form1& w)
{
    newProject(w);
    clickEntry(w.ProjectFileList, QStringLiteral("Default.Project"));
    click(w.DeleteProject);
}

// Where the letters of a caption, drawn without the label's edges, reach
// past its room, or nothing.
QString cutLabel(const QLabel* label)
{
    constexpr int kMargin = 60;
    const QRect room = label->contentsRect().translated(kMargin, kMargin);
    QImage free(label->size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
    free.fill(Qt::transparent);
    QPainter painter(&free);
    painter.setFont(label->font());
    label->style()->drawItemText(&painter, room, int(label->alignment()) | Qt::TextWordWrap, label->palette(), true,
                                 label->text());
    painter.end();
    for (int y = 0; y < free.height(); ++y)
        for (int x = 0; x < free.width(); ++x)
            if (qAlpha(free.pixel(x, y)) > 0 && !room.contains(x, y))
                return QStringLiteral("%1 \"%2\" reaches %3,%4 past its room")
                    .arg(label->objectName(), label->text()).arg(x - kMargin).arg(y - kMargin);
    return QString();
}

// The first entry of a list that is cut and does not show whole as the
// tooltip over it, or nothing.
QString cutEntry(const QListWidget* list)
{
    for (int i = 0; i < list->count(); ++i) {
        const QString text = list->item(i)->text();
        const QRect entry = list->visualItemRect(list->item(i));
        if (list->fontMetrics().horizontalAdvance(text) <= list->viewport()->width() - entry.left())
            continue;
        const QPoint at = entry.center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        const bool shown = QToolTip::isVisible() && QToolTip::text() == text;
        QToolTip::hideText();
        if (!shown)
            return QStringLiteral("%1 entry \"%2\" is cut").arg(list->objectName(), text);
    }
    return QString();
}

// Where a caption needs more room than its control gives it, or nothing.
QString cutCaption(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return cutLabel(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return QString();  // a picture button
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
        const int needed = button->fontMetrics().horizontalAdvance(button->text());
        if (needed > room.width() || button->fontMetrics().height() > button->height())
            return QStringLiteral("%1 \"%2\" needs %3 of %4").arg(button->objectName(), button->text())
                .arg(needed).arg(room.width());
        return QString();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        const int needed = frame->fontMetrics().horizontalAdvance(frame->title());
        if (needed > frame->width() - 16)
            return QStringLiteral("%1 \"%2\" is cut").arg(frame->objectName(), frame->title());
        return QString();
    }
    if (const auto* list = qobject_cast<const QListWidget*>(control))
        return cutEntry(list);
    return QString();
}

}  // namespace

class ReadableTest : public QObject {
    Q_OBJECT
private slots:
    void everyMessageCanBeRead_data();
    void everyMessageCanBeRead();
    void aMessageTakesClicksOnlyOnItsLines();
    void everyCaptionFits_data();
    void everyCaptionFits();
};

void ReadableTest::everyMessageCanBeRead_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    const struct {
        const char* name;
        Place place;
        int left, top;
    } places[] = {
        {"welcome, a start-up problem", welcome, 230, 372},
        {"dressing", dressing, 430, 448},
        {"dressing, help", dressingWithHelp, 430, 448},
        {"dressing, outfit refused", outfits, 300, 448},
        {"new project", newProject, 230, 448},
        {"import", import, 230, 448},
    };
    for (const char* language : {"Tavolin_ENG.txt", "Tavolin_GER.txt"})
        for (const auto& p : places)
            QTest::addRow("%s, %s", language, p.name) << QString::fromLatin1(language) << p.place << p.left << p.top;
}

void ReadableTest::everyMessageCanBeRead()
{
    QFETCH(QString, language);
    QFETCH(Place, place);
    QFETCH(int, left);
    QFETCH(int, top);
    DataFolderFixture folder;
    // A settings value naming a path is a start-up problem, which puts the
    // message line where the welcome screen shows it.
    folder.write(QStringLiteral("Tavolin.ini"), settingsFile(QStringLiteral("../Default.Project"), language));
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.State.Language, language);
    place(w);
    QCOMPARE(w.Warnings->geometry().topLeft(), QPoint(left, top));

    w.Warnings->setCaption(QString());
    const QImage bare = aloneWith(w);
    QDir().mkpath(folder.path(kFolder));
    const QString file = folder.path(kFolder + QStringLiteral("/Lina.png"));
    Platform::setSaveFileHook([&](const QString&) { return file; });
    const auto forgetHook = qScopeGuard([] { Platform::setSaveFileHook({}); });
    QStringList unreadable;
    for (int n : kMessages) {
        show(w, n);
        QString problem = problemWith(w, bare);
        if (problem.isEmpty())
            problem = wholeValueProblem(w, n, file);
        if (!problem.isEmpty())
            unreadable.append(QStringLiteral("%1 \"%2\": %3").arg(n).arg(w.Warnings->Caption(), problem));
    }
    for (const QString& message : std::as_const(unreadable))
        qWarning("%s", qPrintable(message));
    QVERIFY2(unreadable.isEmpty(), qPrintable(QStringLiteral("%1 messages cannot be read").arg(unreadable.size())));
}

// The message lies over the outfit list at its outfit place: its lines take
// the clicks there, the list beside and below them still gets its own, and
// once the message is gone the whole list does.
void ReadableTest::aMessageTakesClicksOnlyOnItsLines()
{
    DataFolderFixture folder;
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    outfits(w);
    QCOMPARE(w.Warnings->Caption(), w.State.Texts[40]);
    const QPoint onTheLine(w.Warnings->x() + 10, w.Warnings->y() + 10);
    const QPoint belowTheLine(w.Warnings->x() + 10, w.OutfitList->geometry().bottom() - 5);
    const QPoint pastTheLine(w.Warnings->geometry().right() - 5, w.Warnings->y() + 10);
    QCOMPARE(w.childAt(onTheLine), w.Warnings);
    QVERIFY(w.OutfitList->isAncestorOf(w.childAt(belowTheLine)));
    QVERIFY(w.childAt(pastTheLine) != w.Warnings);

    QTest::keyClicks(w.NameOfOutfit, "Sunday");  // typing clears the message
    QCOMPARE(w.Warnings->Caption(), QString());
    QVERIFY(w.OutfitList->isAncestorOf(w.childAt(onTheLine)));
}

void ReadableTest::everyCaptionFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Place>("place");
    const struct {
        const char* name;
        Place place;
    } places[] = {
        {"welcome", welcome},
        {"dressing", dressing},
        {"dressing, help", dressingWithHelp},
        {"new project", newProject},
        {"project chosen", projectInfos},
        {"import", import},
        {"item question", itemQuestion},
        {"item question, a long name", longItemQuestion},
        {"project question", projectQuestion},
    };
    for (const char* language : {"Tavolin_ENG.txt", "Tavolin_GER.txt"})
        for (const auto& p : places)
            QTest::addRow("%s, %s", language, p.name) << QString::fromLatin1(language) << p.place;
}

void ReadableTest::everyCaptionFits()
{
    QFETCH(QString, language);
    QFETCH(Place, place);
    DataFolderFixture folder;
    folder.write(QStringLiteral("Tavolin.ini"), settingsFile(QStringLiteral("Default.Project"), language));
    // A figure's name that reaches below the line and above the capitals.
    QByteArray project = folder.read(QStringLiteral("Projects/Default.Project"));
    project.replace("Lina", "\xC4gypty");
    folder.write(QStringLiteral("Projects/Default.Project"), project);
    // An item whose name is wider than the wardrobe and the question box.
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(qRgb(255, 0, 0));
    const QByteArray data = folder.read(QStringLiteral("Projects/Default.Data")) +
                            ItemFormat::record(kName, 10, 50, 1, pixel, 16777215);
    folder.write(QStringLiteral("Projects/Default.Data"), data);
    folder.write(QStringLiteral("Projects/Default.Table"), itemTableFor(data));
    auto window = folder.start();
    Form1& w = *window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    place(w);
    QCOMPARE(w.State.BodyName, QStringLiteral("\u00C4gypty"));

    QStringList cut;
    for (const QWidget* control : w.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->objectName().isEmpty())
            continue;
        const QString problem = cutCaption(control);
        if (!problem.isEmpty())
            cut.append(problem);
    }
    // A question shortened to fit gives itself whole as the tooltip.
    if (w.AskMe->isVisible() && !w.QuestionIs->ToolTipText().isEmpty()) {
        QVERIFY(w.QuestionIs->Caption().contains(QChar(0x2026)));
        QVERIFY(w.QuestionIs->ToolTipText().contains(kName));
    }
    for (const QString& problem : std::as_const(cut))
        qWarning("%s", qPrintable(problem));
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 captions are cut").arg(cut.size())));
}

QTEST_MAIN(ReadableTest)
#include "tst_readable.moc"
