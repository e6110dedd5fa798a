#pragma once
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// Controls that speak the properties the handlers use (Caption, Left,
// Visible, Enabled, Value, ...). Each wraps a Qt widget; colours cross into
// Qt only here.

// Properties every control has, added to a Qt widget class.
template <class Widget>
class Control : public Widget {
public:
    using Widget::Widget;

    int Left() const { return this->x(); }
    int Top() const { return this->y(); }
    int Width() const { return this->width(); }
    int Height() const { return this->height(); }
    void setLeft(int left) { this->move(left, this->y()); }
    void setTop(int top) { this->move(this->x(), top); }
    void setWidth(int width) { this->resize(width, this->height()); }
    void setHeight(int height) { this->resize(this->width(), height); }

    // The control's own flags, whatever its parents show.
    bool Visible() const
    {
        const QWidget* parent = this->parentWidget();
        return parent ? this->isVisibleTo(parent) : !this->isHidden();
    }
    bool Enabled() const { return !this->testAttribute(Qt::WA_ForceDisabled); }

    QString ToolTipText() const { return this->toolTip(); }
    void setToolTipText(const QString& text)
    {
        this->setToolTip(text);
        updateAccessibleTexts();
    }

    // What a screen reader tells of the control: its caption, else its
    // tooltip, else the name given here; and as its description the
    // tooltip, else that same name. Both follow every change.
    void setAccessibleFallback(const QString& name)
    {
        accessibleFallback_ = name;
        updateAccessibleTexts();
    }

protected:
    // Subclasses with a caption pass each new one here.
    void setAccessibleCaption(const QString& caption)
    {
        accessibleCaption_ = caption;
        accessibleCaption_.replace(QLatin1String("\r\n"), QLatin1String(" "));
        updateAccessibleTexts();
    }

private:
    void updateAccessibleTexts()
    {
        const QString tip = this->toolTip();
        const QString name = !accessibleCaption_.trimmed().isEmpty() ? accessibleCaption_
                             : !tip.trimmed().isEmpty()              ? tip
                                                                     : accessibleFallback_;
        this->setAccessibleName(name);
        this->setAccessibleDescription(tip.trimmed().isEmpty() ? name : tip);
    }

    QString accessibleCaption_;
    QString accessibleFallback_;
};

// Fills a widget's background with a colour of the handlers' kind.
void setBackColour(QWidget* widget, int colour);
int backColour(const QWidget* widget);

class Label : public Control<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    // The caption as the handlers set it; line breaks are carriage return
    // + line feed, shown as one break.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    int ForeColor() const { return foreColour_; }
    void setForeColor(int colour);

    // text with value in place of placeholder, the value shortened with an
    // ellipsis (where mode says) as far as the whole caption needs to fit
    // the label.
    QString fittedCaption(QString text, const QString& placeholder, const QString& value,
                          Qt::TextElideMode mode) const;

    // Lets the label lie above the controls beside it while it has a
    // caption, for a message that has to be read whatever it lands on: the
    // backdrop (the window's background, in the parent's coordinates) is
    // drawn behind its lines, so nothing beneath shows through them. Only
    // its lines take the mouse; the rest of its room, and the whole label
    // without a caption, let clicks through to the controls beneath.
    void setBackdrop(const QImage& backdrop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void liftOverControls();
    QRegion linesRegion() const;

    QString caption_;
    int foreColour_ = 0;
    QImage backdrop_;
};

// A command button whose face is a picture, with an optional pressed face
// and disabled face. Without its own disabled face it shows a greyed copy of
// its face; without a pressed face the face moves one pixel when pressed.
class Button : public Control<QAbstractButton> {
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);

    void setFaces(const QImage& face, const QImage& pressed, const QImage& disabled);
    const QImage& face() const { return face_; }
    const QImage& pressedFace() const { return pressed_; }
    const QImage& disabledFace() const { return disabled_; }

    // The picture the button shows in its present state.
    QImage shownFace() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage face_, pressed_, disabled_, greyed_;
};

class CheckBox : public Control<QCheckBox> {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);

    // 0 unchecked, 1 checked. Setting it from code runs the click handler
    // when the value changes, as a click does.
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

    int BackColor() const { return backColour(this); }
    void setBackColor(int colour) { setBackColour(this, colour); }

signals:
    void Click();
};

class OptionButton : public Control<QRadioButton> {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption)
    {
        setText(caption);
        setAccessibleCaption(caption);
    }
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }

    int BackColor() const { return backColour(this); }
    void setBackColor(int colour) { setBackColour(this, colour); }
    int ForeColor() const { return foreColour_; }
    void setForeColor(int colour);

private:
    int foreColour_ = 0;
};

class Frame : public Control<QGroupBox> {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);

    QString Caption() const { return title(); }
    void setCaption(const QString& caption)
    {
        setTitle(caption);
        setAccessibleCaption(caption);
    }
    int BackColor() const { return backColour(this); }
    void setBackColor(int colour) { setBackColour(this, colour); }
};

// A one-line text box. Its Change signal follows every change of its text,
// also a change made by a handler. It takes only characters the program's
// files can hold in a line, so that what is stored is always what was
// shown: characters Windows-1252 lacks and control characters (C0, DEL,
// C1), typed or pasted, are left out and CharactersDropped tells of it.
class TextBox : public Control<QLineEdit> {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    void setTextValue(const QString& text) { setText(text); }
    int BackColor() const { return backColour(this); }
    void setBackColor(int colour) { setBackColour(this, colour); }

signals:
    void Change();
    void CharactersDropped();
};
