#include "WindowActions.h"

#include "window/shell/Form1.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace WindowActions {

std::unique_ptr<Form1> dressingWindow(const QString& folder)
{
    QDir::setCurrent(folder);
    auto window = std::make_unique<Form1>();
    QTest::mouseClick(window->LetsGo, Qt::LeftButton);
    return window;
}

void clickEntry(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

int rowOf(const ListBox* list, const QString& text)
{
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == text)
            return i;
    qFatal("no entry %s in the list", qPrintable(text));
}

void clickItem(Form1& window, const QString& name) { clickEntry(window.Wardrobe, rowOf(window.Wardrobe, name)); }

void wear(Form1& window, const QStringList& names)
{
    for (const QString& name : names) {
        clickItem(window, name);
        QTest::mouseClick(window.DressItem, Qt::LeftButton);
    }
}

void prepareImport(Form1& window, const QString& picture, const QString& name)
{
    QTest::mouseClick(window.AddBMPItem, Qt::LeftButton);
    const QFileInfo file(picture);
    window.Harddrive->setPath(file.absolutePath());
    clickEntry(window.SkirtFiles, rowOf(window.SkirtFiles, file.fileName()));
    window.NameSkirt->setText(name);
}

void prepareUpdate(Form1& window, const QString& name)
{
    clickItem(window, name);
    QTest::mouseClick(window.Picture1, Qt::LeftButton);
}

void prepareDelete(Form1& window, const QString& name)
{
    clickItem(window, name);
    QTest::mouseClick(window.DeleteSkirt, Qt::LeftButton);
}

}  // namespace WindowActions
