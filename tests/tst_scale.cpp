// The window at scale 2, as on a high-density screen: twice the size,
// every control where the design puts it, and the pictures doubled pixel
// for pixel, with no blurred in-between colours.
#include "TestSupport.h"
#include "window/shell/ControlTable.h"

#include <QSet>
#include <QtTest>

namespace {

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    return colours;
}

}  // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowIsTwiceTheSizeWithEveryControlInItsPlace();
    void figureIsDoubledPixelForPixel();
    void buttonFacesKeepTheirOwnColours_data();
    void buttonFacesKeepTheirOwnColours();

private:
    std::unique_ptr<DataFolderFixture> folder_;
    std::unique_ptr<Form1> window_;
};

void ScaleTest::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    folder_ = std::make_unique<DataFolderFixture>();
    window_ = folder_->start();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::mouseClick(window_->LetsGo, Qt::LeftButton);
    clickEntry(window_->Wardrobe, "Summer dress");
}

void ScaleTest::windowIsTwiceTheSizeWithEveryControlInItsPlace()
{
    Form1 design(Form1::Start::DesignOnly);  // before any handler moves a control
    const QPixmap shot = design.grab();
    QCOMPARE(shot.size(), QSize(2 * Form1::kInnerWidth, 2 * Form1::kInnerHeight));
    for (const ControlTable::Row& row : ControlTable::rows()) {
        const QWidget* control = design.control(QLatin1String(row.name));
        QVERIFY2(control, row.name);
        // A picture box that sizes itself takes its picture's size.
        if (row.autoSize)
            QCOMPARE(control->pos(), QPoint(row.x, row.y));
        else if (!row.container)
            QCOMPARE(control->geometry(), QRect(row.x, row.y, row.w, row.h));
    }
}

// Each pixel of the figure is a block of 2 x 2 screen pixels of its colour.
void ScaleTest::figureIsDoubledPixelForPixel()
{
    const QImage figure = window_->BodyPic->surface();
    const QImage shown = window_->BodyPic->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), 2 * figure.size());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != figure.pixel(x / 2, y / 2))
                QFAIL(qPrintable(QStringLiteral("screen pixel %1,%2 is not its figure pixel").arg(x).arg(y)));
}

void ScaleTest::buttonFacesKeepTheirOwnColours_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"DressItem", "RemoveAllItems", "SaveOutfit", "MoveLayerUp", "NewProject"})
        QTest::newRow(name) << name;
}

// Scaled with blur, a face would show colours between its own.
void ScaleTest::buttonFacesKeepTheirOwnColours()
{
    QFETCH(QString, name);
    auto* button = qobject_cast<Button*>(window_->control(name));
    QVERIFY(button);
    const QSet<QRgb> own = coloursOf(button->shownFace());
    const QSet<QRgb> shown = coloursOf(button->grab().toImage());
    QVERIFY2(shown.size() > 2, "the face is not drawn");
    QSet<QRgb> foreign = shown - own;
    QVERIFY2(foreign.size() <= 4, qPrintable(QStringLiteral("%1 colours not in the face").arg(foreign.size())));
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scale.moc"
