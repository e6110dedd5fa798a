#include "window/controls/Controls.h"

#include "formats/picture/Colour.h"
#include "formats/text/Cp1252.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QValidator>

void setBackColour(QWidget* widget, int colour)
{
    QPalette palette = widget->palette();
    const QColor qcolour = Colour::toQColor(colour);
    palette.setColor(QPalette::Window, qcolour);
    palette.setColor(QPalette::Base, qcolour);
    palette.setColor(QPalette::Button, qcolour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setProperty("BackColor", colour);
}

int backColour(const QWidget* widget)
{
    const QVariant stored = widget->property("BackColor");
    if (stored.isValid())
        return stored.toInt();
    // Text boxes and lists are drawn on the Base colour, the rest on Window.
    const bool base = qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
    return Colour::fromQColor(widget->palette().color(base ? QPalette::Base : QPalette::Window));
}

static void setTextColour(QWidget* widget, int colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Colour::toQColor(colour));
    palette.setColor(QPalette::Text, Colour::toQColor(colour));
    widget->setPalette(palette);
}

// ---- Label

Label::Label(QWidget* parent) : Control<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeColor(0);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    setAccessibleCaption(caption);
    liftOverControls();
}

QString Label::fittedCaption(QString text, const QString& placeholder, const QString& value,
                             Qt::TextElideMode mode) const
{
    const QFontMetrics metrics = fontMetrics();
    const QRect room = contentsRect();
    const int flags = int(alignment()) | Qt::TextWordWrap;
    const auto with = [&](const QString& shown) { return QString(text).replace(placeholder, shown); };
    const auto fits = [&](const QString& caption) { return room.contains(metrics.boundingRect(room, flags, caption)); };
    if (!text.contains(placeholder) || fits(with(value)))
        return with(value);
    // The widest shortened value that lets the caption fit.
    constexpr int kStep = 8;
    for (int width = room.width(); width > 0; width -= kStep) {
        const QString caption = with(metrics.elidedText(value, mode, width));
        if (fits(caption))
            return caption;
    }
    return with(QString(QChar(0x2026)));
}

void Label::setBackdrop(const QImage& backdrop)
{
    backdrop_ = backdrop;
    liftOverControls();
}

void Label::liftOverControls()
{
    if (backdrop_.isNull())
        return;
    const bool empty = text().isEmpty();
    setAttribute(Qt::WA_TransparentForMouseEvents, empty);
    if (empty) {
        clearMask();
        return;
    }
    setMask(linesRegion());
    raise();
}

// The room of each line of the caption as it is drawn: from the left edge
// to a little past its last letter, a line's height high.
QRegion Label::linesRegion() const
{
    QImage ink(size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    QPainter painter(&ink);
    painter.setFont(font());
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextWordWrap, palette(), true, text());
    painter.end();

    const QRect room = contentsRect();
    const int lineHeight = qMax(1, fontMetrics().lineSpacing());
    QList<int> rightEnds;
    for (int y = room.top(); y <= room.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = ink.width() - 1; x >= 0; --x) {
            if (qAlpha(row[x]) == 0)
                continue;
            const int line = (y - room.top()) / lineHeight;
            while (rightEnds.size() <= line)
                rightEnds.append(-1);
            rightEnds[line] = qMax(rightEnds[line], x);
            break;
        }
    }
    constexpr int kMargin = 3;
    QRegion lines;
    for (int line = 0; line < rightEnds.size(); ++line)
        if (rightEnds[line] >= 0)
            lines += QRect(0, room.top() + line * lineHeight, rightEnds[line] + 1 + kMargin, lineHeight) & rect();
    return lines;
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!backdrop_.isNull() && !text().isEmpty()) {
        QPainter painter(this);
        painter.drawImage(rect(), backdrop_, geometry());
    }
    QLabel::paintEvent(event);
}

void Label::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    liftOverControls();
}

void Label::setForeColor(int colour)
{
    foreColour_ = colour;
    setTextColour(this, colour);
}

// ---- Button

namespace {

QImage greyedCopy(const QImage& face)
{
    if (face.isNull())
        return face;
    QImage grey = face.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 96 + qGray(line[x]) / 2;
            line[x] = qRgb(level, level, level);
        }
    }
    return grey;
}

}  // namespace

Button::Button(QWidget* parent) : Control<QAbstractButton>(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void Button::setFaces(const QImage& face, const QImage& pressed, const QImage& disabled)
{
    face_ = face;
    pressed_ = pressed;
    disabled_ = disabled;
    greyed_ = greyedCopy(face);
    update();
}

QImage Button::shownFace() const
{
    if (!isEnabled())
        return disabled_.isNull() ? greyed_ : disabled_;
    if (isDown() && !pressed_.isNull())
        return pressed_;
    return face_;
}

void Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(60, 60, 60));
    const QImage shown = shownFace();
    // Centred; a face larger than the button is drawn from its top-left corner.
    QPoint at(qMax(0, (width() - shown.width()) / 2), qMax(0, (height() - shown.height()) / 2));
    if (isDown() && pressed_.isNull())
        at += QPoint(1, 1);
    painter.drawImage(at, shown);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

// ---- CheckBox, OptionButton, Frame, TextBox

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

namespace {

// The step options were laid out for a tighter gap between the round mark
// and the caption than today's styles leave: with it, "10 Pixel" fits the
// 57 pixels it has.
class TightOptionStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing)
            return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* tightOptionStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new TightOptionStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

OptionButton::OptionButton(QWidget* parent) : Control<QRadioButton>(parent) { setStyle(tightOptionStyle()); }

void OptionButton::setForeColor(int colour)
{
    foreColour_ = colour;
    setTextColour(this, colour);
}

Frame::Frame(QWidget* parent) : Control<QGroupBox>(parent) {}

namespace {

// Whether a text box may hold ch: a character with a Windows-1252 byte
// that is no control character. A line end, tab or other control in a
// name would split a record of the files or add a line of its own.
bool storable(QChar ch)
{
    const char16_t code = ch.unicode();
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    return !control && Cp1252::canEncode(QString(ch));
}

// Drops from a text box's new text every character it may not hold; the
// cursor keeps its place among the characters that stay.
class StorableText : public QValidator {
public:
    StorableText(TextBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& position) const override
    {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (!storable(input[i]))
                continue;
            kept.append(input[i]);
            if (i < position)
                ++keptBeforeCursor;
        }
        if (kept.size() != input.size()) {
            input = kept;
            position = keptBeforeCursor;
            // Told once the box holds the text, not from inside its edit.
            QMetaObject::invokeMethod(box_, &TextBox::CharactersDropped, Qt::QueuedConnection);
        }
        return Acceptable;
    }

private:
    TextBox* box_;
};

}  // namespace

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent)
{
    setValidator(new StorableText(this));
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}
