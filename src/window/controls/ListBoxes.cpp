#include "window/controls/ListBoxes.h"

#include "formats/files/FileAccess.h"

#include <QCollator>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

// ---- ListBox

namespace {

QCollator makeCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace

int compareNames(const QString& a, const QString& b)
{
    static const QCollator collator = makeCollator();
    return collator.compare(a, b);
}

ListBox::ListBox(QWidget* parent) : Control<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void ListBox::AddItem(const QString& text)
{
    if (!sorted_) {
        addItem(text);
        return;
    }
    // After the last entry that does not sort behind the new one, so that
    // equal entries keep the order in which they came.
    int lo = 0, hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (compareNames(item(mid)->text(), text) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    insertItem(lo, text);
}

void ListBox::RemoveItem(int index)
{
    if (index >= 0 && index < count())
        delete takeItem(index);
}

void ListBox::Clear() { clear(); }

QString ListBox::List(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::setList(int index, const QString& text)
{
    if (QListWidgetItem* entry = item(index))
        entry->setText(text);
}

int ListBox::ListIndex() const
{
    const QListWidgetItem* entry = currentItem();
    return entry && entry->isSelected() ? currentRow() : -1;
}

void ListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
}

void ListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit Click();
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = ListIndex();
    QListWidget::keyPressEvent(event);
    if (ListIndex() != before && ListIndex() >= 0)
        emit Click();
}

bool ListBox::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const QListWidgetItem* entry = itemAt(help->pos())) {
            const QRect room = visualItemRect(entry);
            if (fontMetrics().horizontalAdvance(entry->text()) > viewport()->width() - room.left()) {
                QToolTip::showText(help->globalPos(), entry->text(), viewport(), room);
                return true;
            }
        }
    }
    return Control<QListWidget>::viewportEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    const bool unselects = flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle);
    if (unselects && selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

// ---- FileListBox

FileListBox::FileListBox(QWidget* parent) : ListBox(parent), path_(QDir::currentPath())
{
    setSorted(true);
    Refresh();
}

void FileListBox::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    Refresh();
}

void FileListBox::setPath(const QString& path)
{
    path_ = path;
    Refresh();
}

void FileListBox::Refresh()
{
    Clear();
    if (path_.isNull())
        return;
    QString folder = FileAccess::resolvePath(path_);
    if (folder.isEmpty())
        folder = QStringLiteral(".");
    // QDir matches name filters without regard to case unless told otherwise.
    const QDir dir(folder, pattern_, QDir::Unsorted, QDir::Files);
    QStringList names = dir.entryList();
    // In order first, so that each entry goes in at the end.
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return compareNames(a, b) < 0; });
    for (const QString& name : std::as_const(names))
        AddItem(name);
}

void FileListBox::RefreshKeepingChoice()
{
    const QString chosen = List(ListIndex());
    Refresh();
    if (chosen.isEmpty())
        return;
    const QList<QListWidgetItem*> found = findItems(chosen, Qt::MatchExactly);
    if (!found.isEmpty())
        setListIndex(row(found.first()));
}

// ---- DirListBox

namespace {

constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndent = 10;

// Draws each folder, icon and name, indented by its depth in the tree.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + kIndent * index.data(kDepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

}  // namespace

DirListBox::DirListBox(QWidget* parent) : Control<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* entry) { chooseEntry(row(entry)); });
    setPath(QDir::currentPath());
}

void DirListBox::setPath(const QString& path)
{
    const QString resolved = FileAccess::resolvePath(path);
    const QString absolute = QDir(resolved.isEmpty() ? QStringLiteral(".") : resolved).absolutePath();
    const bool changed = absolute != path_;
    path_ = QDir::cleanPath(absolute);
    Refresh();
    if (changed)
        emit Change();
}

QString DirListBox::List(int index) const
{
    return index >= 0 && index < entryPaths_.size() ? entryPaths_.at(index) : QString();
}

void DirListBox::Refresh()
{
    clear();
    entryPaths_.clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain of folders from the root down to the chosen one.
    QStringList chain;
    for (QDir dir(path_);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const auto addFolder = [this](const QIcon& icon, const QString& name, const QString& path, int depth) {
        auto* entry = new QListWidgetItem(icon, name);
        entry->setData(kDepthRole, depth);
        addItem(entry);
        entryPaths_.append(path);
    };
    int depth = 0;
    for (const QString& folder : chain) {
        addFolder(open, QDir(folder).isRoot() ? folder : QDir(folder).dirName(), folder, depth);
        ++depth;
    }
    setCurrentRow(count() - 1);

    const QDir current(path_);
    const QStringList subfolders =
        current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addFolder(closed, name, current.absoluteFilePath(name), depth);
    // The chosen folder and its subfolders are what a person looks for.
    doItemsLayout();
    scrollToItem(item(chain.size() - 1), QAbstractItemView::PositionAtTop);
}

void DirListBox::chooseEntry(int index)
{
    if (index >= 0 && index < entryPaths_.size())
        setPath(entryPaths_.at(index));
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        chooseEntry(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
