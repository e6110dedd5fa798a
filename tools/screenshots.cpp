// Takes the README's screenshots: the real window on the X server it is
// started on (see scripts/screenshots.sh), played through its controls as a
// user would, and captured from the screen. QT_SCALE_FACTOR sets the scale.
//   screenshots <output folder> <suffix>
#include "TestSupport.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QTest::qWait(25);
    }
}

bool shoot(QWidget& window, const QString& file)
{
    settle();
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const bool saved = shot.save(file, "PNG");
    std::printf("%s: %dx%d %s\n", qPrintable(file), shot.width(), shot.height(), saved ? "saved" : "NOT SAVED");
    return saved;
}

// A green dress on white with a white collar and buttons inside it: a white
// key would make them see-through.
void drawCollarDress(const QString& file)
{
    QImage dress(90, 120, QImage::Format_RGB32);
    dress.fill(Qt::white);
    QPainter p(&dress);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 70));
    p.drawPolygon(QPolygon({{30, 5}, {60, 5}, {70, 40}, {85, 115}, {5, 115}, {20, 40}}));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(33, 8, 24, 12));
    for (int y : {45, 62, 79})
        p.drawEllipse(QRect(42, y, 6, 6));
    p.end();
    QDir().mkpath(QFileInfo(file).path());
    dress.save(file, "BMP");
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshots <output folder> <suffix>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString suffix = QString::fromLocal8Bit(argv[2]);
    DataFolderFixture folder;
    drawCollarDress(folder.path("Pictures/Collar_dress_on_white.bmp"));
    bool ok = true;

    {
        auto window = folder.start();
        Form1& w = *window;
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return 1;
        click(w.LetsGo);
        for (const char* item : {"Pleated skirt", "Striped top", "Sun hat"}) {
            clickEntry(w.Wardrobe, item);
            click(w.DressItem);
        }
        clickEntry(w.Dressed, "Striped top");
        ok &= shoot(w, out + "/dressed" + suffix + ".png");

        // The figure's menu over the dressed figure.
        QTimer::singleShot(400, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                ok &= shoot(w, out + "/figure_menu" + suffix + ".png");
                menu->close();
            }
        });
        const QPoint at(120, 200);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, w.BodyPic->mapToGlobal(at));
        QApplication::sendEvent(w.BodyPic, &menuEvent);

        click(w.AddBMPItem);
        w.Harddrive->setPath(folder.path("Pictures"));
        clickEntry(w.SkirtFiles, "Collar_dress_on_white.bmp");
        click(w.WhiteButton);
        QTest::mousePress(w.BodyPic, Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(w.BodyPic, QPoint(80, 120));
        QTest::mouseMove(w.BodyPic, QPoint(95, 150));
        QTest::mouseRelease(w.BodyPic, Qt::LeftButton, {}, QPoint(95, 150));
        ok &= shoot(w, out + "/import_key_colour" + suffix + ".png");
    }
    // The message line over the outfit list and the question box, in both
    // languages, at scale 1.
    for (const bool german : {false, true}) {
        if (!suffix.isEmpty())
            break;
        const QString language = german ? QStringLiteral("_de") : QString();
        auto window = folder.start();
        Form1& w = *window;
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return 1;
        click(german ? static_cast<QWidget*>(w.German) : w.English);
        click(w.LetsGo);
        for (const char* outfit : {"Sunday", "Garden party"}) {
            clickEntry(w.Wardrobe, "Sun hat");
            click(w.DressItem);
            w.NameOfOutfit->setText(QString::fromLatin1(outfit));
            click(w.SaveOutfit);
        }
        // A name typed and taken back again: the button is on, the name empty.
        QTest::keyClicks(w.NameOfOutfit, "x");
        QTest::keyClick(w.NameOfOutfit, Qt::Key_Backspace);
        click(w.SaveOutfit);
        ok &= shoot(w, out + "/message_outfit_name" + language + ".png");
        clickEntry(w.OutfitList, "Sunday");
        click(w.DeleteOutfit);
        ok &= shoot(w, out + "/message_outfit_deleted" + language + ".png");
        clickEntry(w.Wardrobe, "Striped top");
        click(w.AddBMPItem);
        click(w.DeleteSkirt);
        ok &= shoot(w, out + "/question" + language + ".png");
        click(w.SayNo);
    }
    return ok ? 0 : 1;
}
