// Language files and the texts of the window: the line rules of the reader,
// the two flags, the texts on the controls, the welcome layout and the help
// label across task and language switches.
#include "TestSupport.h"
#include "formats/localisation/LanguageFile.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

namespace {

const QString kBr = QStringLiteral("\r\n");

// Text n of a generated language file whose texts are tagged (e.g. "G15").
// Text 10 carries the figure-name placeholder; German text 15 has an umlaut
// and a euro sign.
QString textOf(const QString& tag, int n)
{
    if (n == 10)
        return tag + QStringLiteral(" start #NAME# ") + tag + QStringLiteral(" dropped");
    if (tag == QLatin1String("G") && n == 15)
        return QString::fromUtf8("Hilfe zeigen \xC3\xA4 \xE2\x82\xAC");
    return tag + QString::number(n);
}

QByteArray lineBytes(const QString& tag, int n)
{
    const QByteArray prefix = QString::number(n).rightJustified(2, QLatin1Char('0')).toLatin1() + ' ';
    if (tag == QLatin1String("G") && n == 15)
        return prefix + QByteArray("Hilfe zeigen \xE4 \x80");
    return prefix + textOf(tag, n).toLatin1();
}

// A language file of count lines, each with its three leading characters.
QByteArray languageFile(const QString& tag, int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += lineBytes(tag, n) + "\r\n";
    return bytes;
}

// Bytes of every value, CR and LF among them, from a fixed generator.
QByteArray junk(int size)
{
    QByteArray bytes;
    quint32 x = 12345;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes += char((x >> 16) & 0xFF);
    }
    return bytes;
}

QStringList settingsLines(const QString& helpMode, const QString& language)
{
    return {"#HELPMODE#", helpMode, "#TRANSCOLOR#", "PURPLE", "#CURRENT_PROJECT#", "Default.Project",
            "#LANGUAGE#", language, "#EOF#"};
}

QString builtInEnglish(int n)
{
    QFile file(QLatin1String(LanguageFile::kBuiltInEnglish));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    TextTable texts;
    QBuffer in;
    in.setData(file.readAll());
    in.open(QIODevice::ReadOnly);
    LanguageFile::read(in, texts);
    return texts[n];
}

// Everything a user can see of the window, one line a control.
QStringList snapshot(const Form1& window)
{
    QStringList lines;
    for (auto it = window.controls().cbegin(); it != window.controls().cend(); ++it) {
        QWidget* control = it.value();
        QString line = it.key() + QLatin1Char('|') +
                       QStringLiteral("%1,%2,%3,%4")
                           .arg(control->x())
                           .arg(control->y())
                           .arg(control->width())
                           .arg(control->height()) +
                       QLatin1Char('|') + QString::number(control->isVisibleTo(&const_cast<Form1&>(window))) +
                       QString::number(control->isEnabled()) + QLatin1Char('|') + control->toolTip();
        if (auto* label = qobject_cast<Label*>(control))
            line += QLatin1Char('|') + label->Caption() + QLatin1Char('|') + QString::number(label->ForeColor());
        lines += line;
    }
    lines.sort();
    return lines;
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { window_.reset(); folder_.reset(); }

    void lineRules_data();
    void lineRules();
    void junkLoadsWithinLimits();

    void flagSwitch_data();
    void flagSwitch();
    void sameFlagGivesSameWindow_data();
    void sameFlagGivesSameWindow();
    void helpLabelFollowsSwitch_data();
    void helpLabelFollowsSwitch();
    void shorterFileKeepsTailTexts();
    void flagToMissingFileFallsBackToEnglish();
    void figureNameTooltip_data();
    void figureNameTooltip();

    void welcomeLayout_data();
    void welcomeLayout();

    void helpAcrossTasks();
    void quitBeforeWelcomeCloseKeepsHelpSetting_data();
    void quitBeforeWelcomeCloseKeepsHelpSetting();

    void badLanguageFileAtStart_data();
    void badLanguageFileAtStart();
    void laterTextsReadOnFromLine100_data();
    void laterTextsReadOnFromLine100();

private:
    // A data folder with the generated English ("E") and German ("G") files.
    void prepare(const QString& helpMode, const QString& language, int englishLines = 99, int germanLines = 99);
    bool startShown();

    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
};

void LanguageTest::prepare(const QString& helpMode, const QString& language, int englishLines, int germanLines)
{
    folder_ = std::make_unique<DataFolderFixture>();
    folder_->write("Tavolin.ini", crlfLines(settingsLines(helpMode, language)));
    folder_->write("Tavolin_ENG.txt", languageFile("E", englishLines));
    folder_->write("Tavolin_GER.txt", languageFile("G", germanLines));
}

bool LanguageTest::startShown()
{
    window_ = folder_->start();
    window_->show();
    return QTest::qWaitForWindowExposed(window_.get());
}

// ---- The reader

void LanguageTest::lineRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    const QByteArray ninety = languageFile("E", 90);
    const QByteArray long120 = languageFile("E", 120);
    QTest::newRow("90 lines: text 1") << ninety << 1 << "E1";
    QTest::newRow("90 lines: text 90") << ninety << 90 << "E90";
    QTest::newRow("90 lines: text 91 kept") << ninety << 91 << "old 91";
    QTest::newRow("90 lines: text 99 kept") << ninety << 99 << "old 99";
    QTest::newRow("120 lines: text 99") << long120 << 99 << "E99";
    QTest::newRow("120 lines: text 100 stays empty") << long120 << 100 << "";
    QTest::newRow("120 lines: text 0 stays empty") << long120 << 0 << "";
    QTest::newRow("number, blank, word") << QByteArray("12 word\r\n") << 1 << "word";
    QTest::newRow("two characters") << QByteArray("ab\r\n") << 1 << "";
    QTest::newRow("three characters") << QByteArray("abc\r\n") << 1 << "";
    QTest::newRow("six characters") << QByteArray("abcdef\r\n") << 1 << "def";
    QTest::newRow("empty line counts") << QByteArray("01 one\r\n\r\n03 three\r\n") << 2 << "";
    QTest::newRow("line after an empty line") << QByteArray("01 one\r\n\r\n03 three\r\n") << 3 << "three";
    QTest::newRow("last line without line end") << QByteArray("01 one\r\n02 two") << 2 << "two";
    QTest::newRow("line of 1003 characters") << QByteArray("01 ") + QByteArray(1000, 'x') << 1
                                              << QString(1000, 'x');
    QTest::newRow("line of 1004 characters") << QByteArray("01 ") + QByteArray(1000, 'x') + "y\r\n" << 1
                                              << QString(1000, 'x');
    QTest::newRow("line of 5000 characters") << QByteArray("01 ") + QByteArray(4997, 'z') + "\r\n" << 1
                                              << QString(1000, 'z');
    QTest::newRow("0xE4 is a-umlaut") << QByteArray("01 K\xE4se\r\n") << 1 << QString::fromUtf8("K\xC3\xA4se");
    QTest::newRow("0x80 is the euro sign") << QByteArray("01 5 \x80\r\n") << 1 << QString::fromUtf8("5 \xE2\x82\xAC");
    QTest::newRow("umlaut in the skipped characters") << QByteArray("\xE4\xF6\xFCtext\r\n") << 1 << "text";
    QTest::newRow("placeholder kept as read") << QByteArray("10 Take #NAME# off\r\n") << 1 << "Take #NAME# off";
}

void LanguageTest::lineRules()
{
    QFETCH(QByteArray, file);
    QFETCH(int, number);
    QFETCH(QString, expected);
    TextTable texts;
    for (int n = 1; n <= 99; ++n)
        texts[n] = QStringLiteral("old %1").arg(n);
    QBuffer in(&file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    LanguageFile::read(in, texts);
    QCOMPARE(texts[number], expected);
}

void LanguageTest::junkLoadsWithinLimits()
{
    for (int size : {1, 3, 100, 4096, 200000}) {
        QByteArray bytes = junk(size);
        TextTable texts;
        QBuffer in(&bytes);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const int lines = LanguageFile::read(in, texts);
        QVERIFY(lines >= 0 && lines <= 99);
        QVERIFY(texts[0].isEmpty());
        QVERIFY(texts[100].isEmpty());
        for (const QString& text : texts)
            QVERIFY(text.size() <= 1000);
    }
}

// ---- The flags

void LanguageTest::flagSwitch_data()
{
    QTest::addColumn<QString>("startLanguage");
    QTest::addColumn<bool>("clickGerman");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("welcomeClosed");
    QTest::newRow("English to German, welcome") << "Tavolin_ENG.txt" << true << "G" << false;
    QTest::newRow("German to English, welcome") << "Tavolin_GER.txt" << false << "E" << false;
    QTest::newRow("English to German, dressing") << "Tavolin_ENG.txt" << true << "G" << true;
    QTest::newRow("German to English, dressing") << "Tavolin_GER.txt" << false << "E" << true;
}

void LanguageTest::flagSwitch()
{
    QFETCH(QString, startLanguage);
    QFETCH(bool, clickGerman);
    QFETCH(QString, tag);
    QFETCH(bool, welcomeClosed);
    prepare("FALSE", startLanguage);
    QVERIFY(startShown());
    if (welcomeClosed)
        click(window_->LetsGo);
    const QByteArray before = folder_->read("Tavolin.ini");
    const QString target = clickGerman ? "Tavolin_GER.txt" : "Tavolin_ENG.txt";

    click(clickGerman ? window_->German : window_->English);

    QCOMPARE(folder_->read("Tavolin.ini"), crlfLines(settingsLines("FALSE", target)));
    QVERIFY(before != folder_->read("Tavolin.ini"));
    QCOMPARE(window_->State.Language, target);
    Form1& w = *window_;
    auto t = [&tag](int n) { return textOf(tag, n); };
    QCOMPARE(w.ShowHelpLabel->Caption(), t(15));
    QCOMPARE(w.ShowHelpLabel->ToolTipText(), t(15));
    QCOMPARE(w.ProjectLabel->Caption(), t(81));
    QCOMPARE(w.DollyLabel->Caption(), t(82));
    QCOMPARE(w.BasePic->Caption(), t(85));
    QCOMPARE(w.Wardrobe->ToolTipText(), t(3));
    QCOMPARE(w.SaveOutfit->ToolTipText(), t(43));
    QCOMPARE(w.MoveDownList->ToolTipText(), t(84));
    QCOMPARE(w.PlaygroundOnOff->ToolTipText(), t(35));
    const QString welcome = t(45) + kBr + kBr + t(46) + kBr + t(47) + kBr + t(48) + kBr + t(49) + kBr + kBr +
                            t(50) + kBr;
    QCOMPARE(w.WelcomeText->Caption(), welcome);
    for (Label* shadow : {w.WelcomeShadow, w.Welcome_Shadow2, w.WelcomeRealShadow})
        QCOMPARE(shadow->Caption(), welcome);
    QCOMPARE(w.HelpMe->Caption(), t(60) + kBr + t(61));
}

void LanguageTest::sameFlagGivesSameWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("clickGerman");
    QTest::addColumn<bool>("welcomeClosed");
    QTest::newRow("German again, welcome") << "Tavolin_GER.txt" << true << false;
    QTest::newRow("English again, welcome") << "Tavolin_ENG.txt" << false << false;
    QTest::newRow("German again, dressing") << "Tavolin_GER.txt" << true << true;
    QTest::newRow("English again, dressing") << "Tavolin_ENG.txt" << false << true;
}

void LanguageTest::sameFlagGivesSameWindow()
{
    QFETCH(QString, language);
    QFETCH(bool, clickGerman);
    QFETCH(bool, welcomeClosed);
    prepare("TRUE", language);
    QVERIFY(startShown());
    if (welcomeClosed)
        click(window_->LetsGo);
    const QStringList before = snapshot(*window_);
    const QByteArray settings = folder_->read("Tavolin.ini");
    const TextTable texts = window_->State.Texts;

    click(clickGerman ? window_->German : window_->English);

    QCOMPARE(snapshot(*window_), before);
    QCOMPARE(folder_->read("Tavolin.ini"), settings);
    QVERIFY(window_->State.Texts == texts);
}

void LanguageTest::helpLabelFollowsSwitch_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<int>("firstText");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("dressing") << "" << 60 << 500 << 130;
    QTest::newRow("projects") << "NewProject" << 62 << 220 << 60;
    QTest::newRow("import") << "AddBMPItem" << 64 << 220 << 60;
}

void LanguageTest::helpLabelFollowsSwitch()
{
    QFETCH(QString, task);
    QFETCH(int, firstText);
    QFETCH(int, left);
    QFETCH(int, top);
    prepare("TRUE", "Tavolin_ENG.txt");
    QVERIFY(startShown());
    click(window_->LetsGo);
    if (!task.isEmpty())
        click(window_->control(task));
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->Caption(), textOf("E", firstText) + kBr + textOf("E", firstText + 1));

    click(window_->German);

    QCOMPARE(window_->HelpMe->Caption(), textOf("G", firstText) + kBr + textOf("G", firstText + 1));
    QCOMPARE(window_->HelpMe->Left(), left);
    QCOMPARE(window_->HelpMe->Top(), top);
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->ShowHelp->Value(), 1);
}

void LanguageTest::shorterFileKeepsTailTexts()
{
    prepare("FALSE", "Tavolin_GER.txt", /*englishLines=*/50, /*germanLines=*/99);
    QVERIFY(startShown());
    click(window_->LetsGo);

    click(window_->English);

    const TextTable& texts = window_->State.Texts;
    QCOMPARE(texts[50], textOf("E", 50));
    QCOMPARE(texts[51], textOf("G", 51));
    QCOMPARE(texts[99], textOf("G", 99));
    QCOMPARE(window_->ShowHelpLabel->Caption(), textOf("E", 15));
    QCOMPARE(window_->ProjectLabel->Caption(), textOf("G", 81));
    QCOMPARE(window_->BasePic->Caption(), textOf("G", 85));
    QCOMPARE(window_->HelpMe->Caption(), textOf("G", 60) + kBr + textOf("G", 61));
    QCOMPARE(window_->Warnings->Caption(), QString());
}

void LanguageTest::flagToMissingFileFallsBackToEnglish()
{
    prepare("FALSE", "Tavolin_ENG.txt");
    folder_->remove("Tavolin_GER.txt");
    QVERIFY(startShown());
    click(window_->LetsGo);

    click(window_->German);

    QVERIFY(window_->isVisible());
    QCOMPARE(window_->State.Texts[15], builtInEnglish(15));
    QCOMPARE(window_->ShowHelpLabel->Caption(), builtInEnglish(15));
    QCOMPARE(window_->Warnings->Caption(), builtInEnglish(90));
    QVERIFY(!window_->Warnings->Caption().isEmpty());
    // The choice is stored all the same, as the flag asked.
    QCOMPARE(folder_->read("Tavolin.ini"), crlfLines(settingsLines("FALSE", "Tavolin_GER.txt")));
}

void LanguageTest::figureNameTooltip_data()
{
    QTest::addColumn<QByteArray>("line10");
    QTest::addColumn<QString>("start");
    QTest::newRow("phrase, placeholder, more words") << QByteArray("10 Zieh #NAME# ganz aus") << "Zieh ";
    QTest::newRow("placeholder first") << QByteArray("10 #NAME# zuerst") << "";
    QTest::newRow("placeholder last") << QByteArray("10 Nur #NAME#") << "Nur ";
    QTest::newRow("two placeholders: the first counts") << QByteArray("10 A #NAME# B #NAME# C") << "A ";
    QTest::newRow("umlaut before the placeholder") << QByteArray("10 F\xFCr #NAME# alles") << QString::fromUtf8("F\xC3\xBCr ");
    // The program's own choice: without the placeholder text 10 is used whole.
    QTest::newRow("no placeholder") << QByteArray("10 Alles weg") << "Alles weg";
    QTest::newRow("placeholder in other case") << QByteArray("10 Zieh #name# aus") << "Zieh #name# aus";
}

void LanguageTest::figureNameTooltip()
{
    QFETCH(QByteArray, line10);
    QFETCH(QString, start);
    prepare("FALSE", "Tavolin_ENG.txt");
    QByteArray german = languageFile("G", 99);
    german.replace(lineBytes("G", 10), line10);
    folder_->write("Tavolin_GER.txt", german);
    QVERIFY(startShown());
    click(window_->LetsGo);
    const QString name = window_->NameOfBody->Caption();
    QVERIFY(!name.isEmpty());
    QCOMPARE(window_->RemoveAllItems->ToolTipText(), "E start " + name + " E11");

    click(window_->German);

    QCOMPARE(window_->RemoveAllItems->ToolTipText(), start + name + " G11");
    QCOMPARE(window_->BodyPic->ToolTipText(), name);
    QCOMPARE(window_->ShadowText->Caption(), name);
}

// ---- The welcome layout

void LanguageTest::welcomeLayout_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<QPoint>("moveTo");
    QTest::newRow("start-up") << 0 << QPoint();
    QTest::newRow("run once more") << 1 << QPoint();
    QTest::newRow("run twice more") << 2 << QPoint();
    QTest::newRow("main copy moved, run once") << 1 << QPoint(100, 20);
    QTest::newRow("main copy moved, run twice") << 2 << QPoint(17, 203);
}

void LanguageTest::welcomeLayout()
{
    QFETCH(int, runs);
    QFETCH(QPoint, moveTo);
    prepare("FALSE", "Tavolin_GER.txt");
    QVERIFY(startShown());
    Form1& w = *window_;
    if (!moveTo.isNull())
        w.WelcomeText->move(moveTo);
    const QRect main = w.WelcomeText->geometry();
    for (int i = 0; i < runs; ++i)
        w.ApplyLanguageTexts();

    QCOMPARE(w.WelcomeText->geometry(), main);
    QCOMPARE(w.WelcomeShadow->pos(), main.topLeft() + QPoint(-1, -1));
    QCOMPARE(w.Welcome_Shadow2->pos(), main.topLeft() + QPoint(1, 1));
    QCOMPARE(w.WelcomeRealShadow->pos(), main.topLeft() + QPoint(3, 3));
    QCOMPARE(w.WelcomeRealShadow->size(), main.size());
    QCOMPARE(w.WelcomeText->ForeColor(), 683700);
    QCOMPARE(w.WelcomeShadow->ForeColor(), 8578790);
    QCOMPARE(w.Welcome_Shadow2->ForeColor(), 986985);
    QCOMPARE(w.WelcomeRealShadow->ForeColor(), 11507350);
    auto t = [](int n) { return textOf("G", n); };
    const QString caption = t(45) + kBr + kBr + t(46) + kBr + t(47) + kBr + t(48) + kBr + t(49) + kBr + kBr +
                            t(50) + kBr;
    for (Label* label : {w.WelcomeText, w.WelcomeShadow, w.Welcome_Shadow2, w.WelcomeRealShadow})
        QCOMPARE(label->Caption(), caption);
}

// ---- Help mode

void LanguageTest::helpAcrossTasks()
{
    prepare("FALSE", "Tavolin_ENG.txt");
    QVERIFY(startShown());
    click(window_->LetsGo);
    QVERIFY(!window_->HelpMe->Visible());
    click(window_->AddBMPItem);
    QCOMPARE(window_->State.WorkMode, 3);

    click(window_->ShowHelp);
    QCOMPARE(window_->ShowHelp->Value(), 1);
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->pos(), QPoint(220, 60));
    QCOMPARE(window_->HelpMe->Caption(), textOf("E", 64) + kBr + textOf("E", 65));
    QCOMPARE(folder_->read("Tavolin.ini"), crlfLines(settingsLines("TRUE", "Tavolin_ENG.txt")));

    click(window_->PlaygroundOnOff);
    QCOMPARE(window_->State.WorkMode, 1);
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->pos(), QPoint(500, 130));
    QCOMPARE(window_->HelpMe->Caption(), textOf("E", 60) + kBr + textOf("E", 61));
    QCOMPARE(window_->HelpMe->size(), QSize(209, 377));

    click(window_->ShowHelp);
    QVERIFY(!window_->HelpMe->Visible());
    QCOMPARE(folder_->read("Tavolin.ini"), crlfLines(settingsLines("FALSE", "Tavolin_ENG.txt")));
    // While help is off the text follows the task, so that it is current
    // when help comes on again.
    click(window_->NewProject);
    QVERIFY(!window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->Caption(), textOf("E", 62) + kBr + textOf("E", 63));

    click(window_->ShowHelp);
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->pos(), QPoint(220, 60));
    QCOMPARE(folder_->read("Tavolin.ini"), crlfLines(settingsLines("TRUE", "Tavolin_ENG.txt")));
}

void LanguageTest::quitBeforeWelcomeCloseKeepsHelpSetting_data()
{
    QTest::addColumn<QString>("helpMode");
    QTest::newRow("help on") << "TRUE";
    QTest::newRow("help off") << "FALSE";
}

void LanguageTest::quitBeforeWelcomeCloseKeepsHelpSetting()
{
    QFETCH(QString, helpMode);
    prepare(helpMode, "Tavolin_ENG.txt");
    const QByteArray settings = folder_->read("Tavolin.ini");
    QVERIFY(startShown());
    QVERIFY(!window_->HelpMe->Visible());
    QCOMPARE(window_->ShowHelp->Value(), 0);
    // The box is off on the welcome screen; a click does nothing.
    click(window_->ShowHelp);
    QCOMPARE(window_->ShowHelp->Value(), 0);
    window_.reset();
    QCOMPARE(folder_->read("Tavolin.ini"), settings);
}

// ---- Bad language files at start-up

void LanguageTest::badLanguageFileAtStart_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("told");  // the message shown; 0: none, the file's texts are used

    QByteArray tooShort;
    for (int n = 1; n <= 5; ++n)
        tooShort += lineBytes("E", n) + "\r\n";
    QByteArray tiny;
    for (int n = 1; n <= 99; ++n)
        tiny += QByteArray(n % 3, 'x') + "\r\n";

    const int unreadable = Form1::MsgLanguageUnreadable, textless = Form1::MsgLanguageWithoutTexts;
    QTest::newRow("missing English") << "Tavolin_ENG.txt" << false << QByteArray() << unreadable;
    QTest::newRow("missing German") << "Tavolin_GER.txt" << false << QByteArray() << unreadable;
    QTest::newRow("empty") << "Tavolin_ENG.txt" << true << QByteArray() << textless;
    QTest::newRow("five lines") << "Tavolin_ENG.txt" << true << tooShort << 0;
    QTest::newRow("lines under three characters") << "Tavolin_ENG.txt" << true << tiny << textless;
    QTest::newRow("blank lines") << "Tavolin_ENG.txt" << true << QByteArray(99 * 2, '\n') << textless;
    QTest::newRow("150 lines") << "Tavolin_ENG.txt" << true << languageFile("E", 150) << 0;
    QTest::newRow("junk bytes") << "Tavolin_ENG.txt" << true << junk(30000) << 0;
    QTest::newRow("one long line without end") << "Tavolin_ENG.txt" << true << QByteArray(100000, '\x81') << 0;
}

void LanguageTest::badLanguageFileAtStart()
{
    QFETCH(QString, language);
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    QFETCH(int, told);
    prepare("TRUE", language);
    if (present)
        folder_->write(language, content);
    else
        folder_->remove(language);
    const QByteArray settings = folder_->read("Tavolin.ini");

    QVERIFY(startShown());
    const TextTable& texts = window_->State.Texts;
    QVERIFY(texts[0].isEmpty());
    QVERIFY(texts[100].isEmpty());
    for (const QString& text : texts)
        QVERIFY(text.size() <= 1000);
    if (told) {
        QCOMPARE(texts[15], builtInEnglish(15));
        QVERIFY(!LanguageFile::builtInText("Tavolin_ENG.txt", told).isEmpty());
        QCOMPARE(window_->Warnings->Caption(), LanguageFile::builtInText("Tavolin_ENG.txt", told));
        QVERIFY(window_->Warnings->Visible());
    } else {
        QCOMPARE(window_->Warnings->Caption(), QString());
    }

    click(window_->LetsGo);
    QVERIFY(!window_->WelcomeText->Visible());
    QVERIFY(!window_->LetsGo->Visible());
    QVERIFY(window_->Wardrobe->Visible() && window_->Wardrobe->Enabled());
    QVERIFY(window_->HelpMe->Visible());
    QCOMPARE(window_->HelpMe->Caption(), texts[60] + kBr + texts[61]);
    // Nothing is written back: the settings file and the language file stay.
    QCOMPARE(folder_->read("Tavolin.ini"), settings);
    QCOMPARE(folder_->exists(language), present);
    if (present)
        QCOMPARE(folder_->read(language), content);
}

void LanguageTest::laterTextsReadOnFromLine100_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("tail");  // after line 99
    QTest::addColumn<QString>("shown");    // text 102 as the window shows it; empty: the built-in one
    QTest::newRow("an older file that stops at 99, English") << "Tavolin_ENG.txt" << QByteArray() << "";
    QTest::newRow("an older file that stops at 99, German") << "Tavolin_GER.txt" << QByteArray() << "";
    QTest::newRow("the file's own texts")
        << "Tavolin_GER.txt" << QByteArray("100 Pfad\r\n101 Keine Datei\r\n102 Nicht OUTFIT:\r\n") << "Nicht OUTFIT:";
    QTest::newRow("stops before the text, no last line end")
        << "Tavolin_ENG.txt" << QByteArray("100 Path\r\n101 No file") << "";
    QTest::newRow("an empty line gives way to the built-in text")
        << "Tavolin_GER.txt" << QByteArray("100 Pfad\r\n101 Keine Datei\r\n102\r\n") << "";
}

// Lines 1 to 99 stay the Parts' table exactly; the later texts come from
// line 100 on, and from the built-in file of the same language where the
// user's file has none.
void LanguageTest::laterTextsReadOnFromLine100()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, tail);
    QFETCH(QString, shown);
    prepare("FALSE", language);
    const QString tag = language == QLatin1String("Tavolin_GER.txt") ? "G" : "E";
    folder_->write(language, languageFile(tag, 99) + tail);
    QVERIFY(startShown());
    QCOMPARE(window_->State.Texts[99], textOf(tag, 99));
    QCOMPARE(window_->State.LangLineNo, 99);
    QVERIFY(window_->State.Texts[100].isEmpty());
    const QString builtIn = LanguageFile::builtInText(language, Form1::MsgNameLikeOutfit);
    QVERIFY(builtIn.contains("OUTFIT:"));
    QCOMPARE(window_->AddedText(Form1::MsgNameLikeOutfit), shown.isEmpty() ? builtIn : shown);
    window_->ShowWarning(Form1::MsgNameLikeOutfit);
    QCOMPARE(window_->Warnings->Caption(), shown.isEmpty() ? builtIn : shown);
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
