// The figure saved as a PNG file and copied: from the keys and from the
// figure's menu, pixel for pixel as BodyPic shows it, and a save that
// cannot be written told in the window with nothing left behind.
#include "TestSupport.h"
#include "formats/dressing/FigureExport.h"
#include "window/controls/Platform.h"

#include <QClipboard>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

// A message with a path as it reads: the path may wrap after each folder.
QString shownPath(QString caption) { return caption.remove(QChar(0x200B)); }

// Opens the figure's menu and, once it shows, chooses the entry at index
// (or closes the menu for -1); returns the entries' texts.
QStringList useFigureMenu(Form1& w, int index)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts, index] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction* action : menu->actions())
            texts.append(action->text());
        if (index >= 0)
            menu->actions().at(index)->trigger();
        menu->close();
    });
    const QPoint at(40, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w.BodyPic->mapToGlobal(at));
    QApplication::sendEvent(w.BodyPic, &event);
    return texts;
}

enum class Way { Keys, Menu };

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveWritesTheFigureAsShown_data();
    void saveWritesTheFigureAsShown();
    void cancelledSaveWritesNothing();
    void saveThatCannotBeWrittenIsTold_data();
    void saveThatCannotBeWrittenIsTold();
    void copyPutsTheFigureOnTheClipboard_data();
    void copyPutsTheFigureOnTheClipboard();
    void copyInATextBoxCopiesItsText();
    void suggestedNameIsAFileName_data();
    void suggestedNameIsAFileName();
    void menuTextsComeFromTheLanguageFile_data();
    void menuTextsComeFromTheLanguageFile();
    void confirmationsComeFromTheLanguageFile_data();
    void confirmationsComeFromTheLanguageFile();

private:
    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
    QString suggested_;
};

// The window goes before its folder, which gives back the working folder.
void ExportTest::cleanup()
{
    Platform::setSaveFileHook({});
    window_.reset();
    folder_.reset();
}

// A dressed figure on show: two worn items over the body.
void ExportTest::init()
{
    folder_ = std::make_unique<DataFolderFixture>();
    window_ = folder_->start();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    click(window_->LetsGo);
    for (const char* item : {"Summer dress", "Denim jacket"}) {
        clickEntry(window_->Wardrobe, item);
        click(window_->DressItem);
    }
    clickEntry(window_->Dressed, "Summer dress");
    window_->BodyPic->setFocus();
    suggested_.clear();
}

void ExportTest::saveWritesTheFigureAsShown_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("Ctrl+S") << int(Way::Keys) << "Lady.png" << "Lady.png";
    QTest::newRow("the figure's menu") << int(Way::Menu) << "Lady.PNG" << "Lady.PNG";
    QTest::newRow("a name without its extension gets it") << int(Way::Keys) << "Lady" << "Lady.png";
    QTest::newRow("over an older file") << int(Way::Menu) << "Old.png" << "Old.png";
}

void ExportTest::saveWritesTheFigureAsShown()
{
    QFETCH(int, way);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir out;
    QFile old(out.filePath("Old.png"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not yet the figure");
    old.close();
    Platform::setSaveFileHook([&](const QString& suggested) {
        suggested_ = suggested;
        return out.filePath(typed);
    });
    if (Way(way) == Way::Keys)
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    else
        useFigureMenu(*window_, 0);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QCOMPARE(suggested_, QDir(pictures).filePath(window_->State.BodyName + ".png"));
    QImage saved;
    QVERIFY(saved.load(out.filePath(written), "PNG"));
    QCOMPARE(saved.size(), QSize(200, 450));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), window_->BodyPic->surface());
    const QString file = QDir::toNativeSeparators(out.filePath(written));
    QCOMPARE(shownPath(window_->Warnings->Caption()), "Saved as a picture: " + file);
    QCOMPARE(window_->Warnings->ToolTipText(), file);
}

void ExportTest::cancelledSaveWritesNothing()
{
    QTemporaryDir out;
    Platform::setSaveFileHook([](const QString&) { return QString(); });
    const Snapshot files = snapshot(folder_->path());
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(snapshot(folder_->path()), files);
    QCOMPARE(folder_->beeps(), 0);
    QCOMPARE(window_->Warnings->Caption(), QString());
}

void ExportTest::saveThatCannotBeWrittenIsTold_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that does not exist") << "Gone/Lady.png";
    QTest::newRow("a name that is a folder") << "Taken.png";
}

// The message names the file, nothing is left half written, and a file of
// that name stays as it was.
void ExportTest::saveThatCannotBeWrittenIsTold()
{
    QFETCH(QString, where);
    QTemporaryDir out;
    QDir(out.path()).mkdir("Taken.png");
    Platform::setSaveFileHook([&](const QString&) { return out.filePath(where); });
    folder_->resetBeeps();
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(folder_->beeps(), 1);
    QCOMPARE(window_->Warnings->Caption(), window_->State.Texts[Form1::MsgFigureNotSaved]);
    QVERIFY(!window_->Warnings->Caption().isEmpty());
    QVERIFY(window_->Warnings->ToolTipText().contains(where.section('/', -1)));
    QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"Taken.png"});
    QVERIFY(QFileInfo(out.filePath("Taken.png")).isDir());
}

void ExportTest::copyPutsTheFigureOnTheClipboard_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Ctrl+C") << int(Way::Keys);
    QTest::newRow("the figure's menu") << int(Way::Menu);
}

void ExportTest::copyPutsTheFigureOnTheClipboard()
{
    QFETCH(int, way);
    QGuiApplication::clipboard()->clear();
    if (Way(way) == Way::Keys)
        QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
    else
        useFigureMenu(*window_, 1);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(200, 450));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), window_->BodyPic->surface());
    QCOMPARE(window_->Warnings->Caption(), QString("The figure was copied; paste it where you like."));
}

void ExportTest::copyInATextBoxCopiesItsText()
{
    QGuiApplication::clipboard()->clear();
    window_->NameOfOutfit->setFocus();
    QTest::keyClicks(window_->NameOfOutfit, "Rainy");
    QTest::keyClick(window_->NameOfOutfit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window_->NameOfOutfit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Rainy"));
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
}

void ExportTest::menuTextsComeFromTheLanguageFile_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QByteArray>("line67");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << "English" << QByteArray() << QStringList{"save the figure as a picture", "copy the figure"};
    QTest::newRow("German") << "German" << QByteArray()
                            << QStringList{"die Figur als Bild speichern", "die Figur kopieren"};
    QTest::newRow("a file's own wording") << "English" << QByteArray("67 keep her picture")
                                          << QStringList{"keep her picture", "copy the figure"};
    // A language file from before these texts has empty lines there.
    QTest::newRow("an older file") << "English" << QByteArray("67 ")
                                   << QStringList{"save the figure as a picture", "copy the figure"};
}

void ExportTest::menuTextsComeFromTheLanguageFile()
{
    QFETCH(QString, flag);
    QFETCH(QByteArray, line67);
    QFETCH(QStringList, texts);
    if (!line67.isEmpty()) {
        QList<QByteArray> lines = folder_->read("Tavolin_ENG.txt").split('\n');
        lines[66] = line67 + "\r";
        lines[67] = "68 \r";
        if (line67 != "67 ")
            lines[67] = "68 copy the figure\r";
        folder_->write("Tavolin_ENG.txt", lines.join('\n'));
    }
    click(flag == "German" ? static_cast<QWidget*>(window_->German) : window_->English);
    QCOMPARE(useFigureMenu(*window_, -1), texts);
}

// What the message line says after a save (%1: the file) or a copy, in
// either language; a language file that stops at line 99 gets the wording
// built into the program.
void ExportTest::confirmationsComeFromTheLanguageFile_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("stopsAt99");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("copied");
    const QString savedEnglish = "Saved as a picture: %1";
    const QString copiedEnglish = "The figure was copied; paste it where you like.";
    const QString savedGerman = "Als Bild gespeichert: %1";
    const QString copiedGerman = QString::fromUtf8("Die Figur wurde kopiert; sie lässt sich nun einfügen.");
    QTest::newRow("English") << "English" << false << savedEnglish << copiedEnglish;
    QTest::newRow("German") << "German" << false << savedGerman << copiedGerman;
    QTest::newRow("a German file that stops at line 99") << "German" << true << savedGerman << copiedGerman;
}

void ExportTest::confirmationsComeFromTheLanguageFile()
{
    QFETCH(QString, flag);
    QFETCH(bool, stopsAt99);
    QFETCH(QString, saved);
    QFETCH(QString, copied);
    if (stopsAt99) {
        const QList<QByteArray> lines = folder_->read("Tavolin_GER.txt").split('\n');
        folder_->write("Tavolin_GER.txt", lines.mid(0, 99).join('\n') + '\n');
    }
    click(flag == "German" ? static_cast<QWidget*>(window_->German) : window_->English);
    QTemporaryDir out;
    Platform::setSaveFileHook([&](const QString&) { return out.filePath("Lady.png"); });
    useFigureMenu(*window_, 0);
    QCOMPARE(shownPath(window_->Warnings->Caption()), saved.arg(QDir::toNativeSeparators(out.filePath("Lady.png"))));
    useFigureMenu(*window_, 1);
    QCOMPARE(window_->Warnings->Caption(), copied);
}

void ExportTest::suggestedNameIsAFileName_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("file");
    QTest::newRow("a plain name") << "Lina Rose" << "Lina Rose.png";
    QTest::newRow("characters Windows refuses") << "A/B:C*D?" << "A B C D.png";
    QTest::newRow("control characters") << QString("Tab\tName\x7F") << "Tab Name.png";
    QTest::newRow("no name") << "" << "Tavolin.png";
    QTest::newRow("a folder's name") << ".." << "Tavolin.png";
}

void ExportTest::suggestedNameIsAFileName()
{
    QFETCH(QString, figure);
    QFETCH(QString, file);
    QCOMPARE(FigureExport::suggestedFileName(figure), file);
}

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
