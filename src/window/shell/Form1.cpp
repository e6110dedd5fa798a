#include "window/shell/Form1.h"

#include "formats/localisation/LanguageFile.h"

#include "window/controls/Fonts.h"
#include "window/controls/Platform.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>

Form1::Form1(Start start, QWidget* parent) : QWidget(parent)
{
    Platform::initResources();

    // A fixed window: no resizing, no maximise and no minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kInnerWidth, kInnerHeight);
    setFont(Fonts::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    setWindowIcon(QIcon(QStringLiteral(":/tavolin.ico")));  // all five sizes of the file

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(palette);
    setAutoFillBackground(true);
    background_.load(QStringLiteral(":/background.bmp"));

    BuildControls();
    BindControls();
    // A message lands on lists and buttons at some of its places (the
    // outfit list, for one, at 300): it lies above them while it shows.
    Warnings->setBackdrop(background_);
    ConnectUndo();
    ConnectHandlers();
    ConnectKeys();
    ConnectExport();
    if (start == Start::Load)
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
    Warnings->setCaption(textNumber >= LanguageFile::kFirstLaterText ? AddedText(textNumber) : State.Texts[textNumber]);
    Warnings->setToolTipText(detail);
}

// A name too long for the line is shortened there; the tooltip then
// carries the message whole.
void Form1::ShowNamedWarning(int textNumber, const QString& name, const QString& detail)
{
    ShowWarning(textNumber, detail);
    const QString text = Warnings->Caption();
    const QString whole = QString(text).replace(QLatin1String("#NAME#"), name);
    const QString fitted = Warnings->fittedCaption(text, QStringLiteral("#NAME#"), name, Qt::ElideRight);
    Warnings->setCaption(fitted);
    if (fitted != whole)
        Warnings->setToolTipText(detail.isEmpty() ? whole : whole + QLatin1Char('\n') + detail);
}

