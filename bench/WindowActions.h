#pragma once
#include <QString>

#include <memory>

class Form1;
class ListBox;
class QListWidget;

// What a person does in the window, click by click, shared by the timed
// runs and the run that measures peak memory.
namespace WindowActions {

// A window started in folder and taken on to the dressing panel.
std::unique_ptr<Form1> dressingWindow(const QString& folder);

void clickEntry(QListWidget* list, int row);
// The row of list that reads text; fatal when there is none, since every
// run depends on the generated names being there.
int rowOf(const ListBox* list, const QString& text);
void clickItem(Form1& window, const QString& name);

// Puts the named items on, in order.
void wear(Form1& window, const QStringList& names);

// Opens the import panel, picks the picture and types its name: all that
// comes before the click that stores it.
void prepareImport(Form1& window, const QString& picture, const QString& name);

// Selects the item and nudges it one pixel up: all that comes before the
// click that updates it.
void prepareUpdate(Form1& window, const QString& name);

// Selects the item and asks to delete it: the click on the question's
// yes button remains.
void prepareDelete(Form1& window, const QString& name);

}  // namespace WindowActions
