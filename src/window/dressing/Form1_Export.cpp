// The figure as a picture of its own: saved as a PNG file or copied, from
// the figure's menu or with Ctrl+S and Ctrl+C, exactly as BodyPic shows it.
// The message line says what was done.
#include "formats/dressing/FigureExport.h"
#include "window/controls/Platform.h"
#include "window/shell/Form1.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QStandardPaths>

// Ctrl+C in a text box copies its text, not the figure.
void Form1::ConnectExport()
{
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &Form1::SaveFigure);
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form1::CopyFigure);
}

// While the question box waits for its answer the figure's menu and keys
// do nothing, as every other control behind it.
void Form1::ShowFigureMenu(const QPoint& at)
{
    if (AskMe->Visible())
        return;
    QMenu menu(this);
    QAction* save = menu.addAction(AddedText(TextSaveFigure), this, &Form1::SaveFigure);
    save->setShortcut(QKeySequence::Save);
    QAction* copy = menu.addAction(AddedText(TextCopyFigure), this, &Form1::CopyFigure);
    copy->setShortcut(QKeySequence::Copy);
    menu.exec(at);
}

// The dialog starts in the user's pictures folder with the figure's name;
// a name typed without the extension gets it.
void Form1::SaveFigure()
{
    if (AskMe->Visible())
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString suggested = QDir(folder).filePath(FigureExport::suggestedFileName(State.BodyName));
    QString path = Platform::ChooseFileToSave(this, AddedText(TextSaveFigure), suggested, QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".png");
    const FileAccess::Result saved = FigureExport::savePng(BodyPic->surface(), path);
    if (!saved) {
        Platform::Beep();
        ShowWarning(MsgFigureNotSaved, saved.error);
        return;
    }
    ShowFigureSaved(QDir::toNativeSeparators(path));
}

// Says where the figure went: text 106 with the file in place of "#FILE#",
// free to wrap after each folder and shortened in its middle where the line
// is still too narrow for it, and the file whole as the tooltip.
void Form1::ShowFigureSaved(const QString& file)
{
    QString wrappable = file;
    wrappable.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
    Warnings->setCaption(Warnings->fittedCaption(AddedText(MsgFigureSaved), QStringLiteral("#FILE#"), wrappable,
                                                 Qt::ElideMiddle));
    Warnings->setToolTipText(file);
}

void Form1::CopyFigure()
{
    if (AskMe->Visible())
        return;
    QGuiApplication::clipboard()->setImage(BodyPic->surface());
    ShowWarning(MsgFigureCopied);
}
