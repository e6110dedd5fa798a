#pragma once
#include "window/controls/Controls.h"

#include <QListWidget>

// A list of texts. Click follows a click on an entry or a change of the
// selection by keyboard; a selection made by code runs nothing. The user
// can choose another entry but never leave the list without one: a
// Ctrl+click or Ctrl+Space on the chosen entry keeps it chosen, since the
// handlers act on the chosen entry.
class ListBox : public Control<QListWidget> {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // A sorted list keeps its entries in the alphabetical order of the
    // user's language without regard to case (a dictionary's order, with
    // accented letters beside their base letters): an added entry takes
    // its place in that order, after the entries equal to it.
    void setSorted(bool sorted) { sorted_ = sorted; }
    bool Sorted() const { return sorted_; }

    void AddItem(const QString& text);
    void RemoveItem(int index);
    void Clear();
    QString List(int index) const;
    void setList(int index, const QString& text);
    int ListCount() const { return count(); }
    int ListIndex() const;
    void setListIndex(int index);
    void Refresh() { viewport()->update(); }
    int BackColor() const { return backColour(this); }
    void setBackColor(int colour) { setBackColour(this, colour); }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // An entry too wide for the list shows whole as the tooltip over it.
    bool viewportEvent(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    bool sorted_ = false;
};

// The order of sorted lists: the collation of the user's language, or of
// English where the system names none ("C"), without regard to case.
int compareNames(const QString& a, const QString& b);

// The files of one folder whose names match a pattern, matched without
// regard to case, listed by name in alphabetical order.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // The folder, in the handlers' form; it is read again at once.
    QString Path() const { return path_; }
    void setPath(const QString& path);
    // Reads the folder again.
    void Refresh();
    // Reads the folder again and keeps the chosen entry chosen where its
    // file is still there, without running Click.
    void RefreshKeepingChoice();

private:
    QString pattern_ = QStringLiteral("*.*");
    QString path_;
};

// A folder chooser: the folders from the root down to the chosen one, then
// the chosen folder's subfolders. A double click or Enter on an entry
// chooses that folder, which runs Change.
class DirListBox : public Control<QListWidget> {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);

    // The chosen folder as an absolute path.
    QString Path() const { return path_; }
    void setPath(const QString& path);
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    QString List(int index) const;
    int ListCount() const { return count(); }
    void Refresh();

    // Chooses the folder of entry index, as a double click on it does.
    void chooseEntry(int index);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString path_;
    QStringList entryPaths_;
};
