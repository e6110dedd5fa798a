#include "shell/Form1.h"

#include "toolkit/Fonts.h"
#include "toolkit/Platform.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace {

// The window icon in all the sizes its file holds.
QIcon windowIcon()
{
    QIcon icon;
    QImageReader reader(QStringLiteral(":/tavolin.ico"));
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    Platform::initResources();

    // A fixed window: no resizing, no maximise and no minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kInnerWidth, kInnerHeight);
    setFont(Fonts::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    setWindowIcon(windowIcon());

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(palette);
    setAutoFillBackground(true);
    background_.load(QStringLiteral(":/background.bmp"));

    BuildControls();
    BindControls();
    ConnectHandlers();
    Form_Load();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kInnerWidth / 2, kInnerHeight / 2));
    }
}

// The background picture is drawn unscaled from the top-left corner; only
// the part that fits the window is seen.
void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

void Form1::ShowWarning(int textNumber, const QString& detail)
{
    Warnings->setCaption(State.Texts[textNumber]);
    Warnings->setToolTipText(detail);
}
