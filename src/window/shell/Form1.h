#pragma once
#include "formats/files/FileAccess.h"
#include "formats/picture/PictureFile.h"
#include "formats/wardrobe/ItemIndex.h"
#include "window/controls/Controls.h"
#include "window/controls/ListBoxes.h"
#include "window/controls/PictureBox.h"
#include "window/shell/Deletion.h"
#include "window/shell/EditorState.h"
#include "window/shell/WindowSnapshot.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QWidget>

#include <optional>

namespace Platform {
struct LoadedPicture;
}

class LineReader;
class RewriteRecord;
struct RemovedItem;
struct RemovedProject;
class QFile;
class QShortcut;
class QUndoStack;

// The one window. It owns every control and the one EditorState; its
// handlers and routines live in one file per subsystem (Form1_*.cpp in the
// folder of that subsystem).
class Form1 : public QWidget {
    Q_OBJECT
public:
    // DesignOnly leaves the window in its design state, before the load
    // sequence runs (for looking at the design itself).
    enum class Start { Load, DesignOnly };
    explicit Form1(Start start = Start::Load, QWidget* parent = nullptr);

    static constexpr int kInnerWidth = 752;
    static constexpr int kInnerHeight = 561;

    EditorState State;

    // Every control by its name, for tests and the language routines.
    QWidget* control(const QString& name) const { return controls_.value(name); }
    const QHash<QString, QWidget*>& controls() const { return controls_; }

    // ---- Controls, in the table's order
    PictureBox* AskMe;
    Button* SayYes;
    Button* SayNo;
    Label* QuestionIs;
    Button* MoveDownList;
    Button* MoveUpList;
    TextBox* ItemRename;
    PictureBox* English;
    PictureBox* German;
    CheckBox* ShowHelp;
    PictureBox* AutoButton;
    PictureBox* WhiteButton;
    PictureBox* PinkButton;
    Button* UpdateItem;
    PictureBox* Picture4;
    PictureBox* Picture3;
    PictureBox* Picture2;
    PictureBox* Picture1;
    Button* DeleteOutfit;
    Button* SaveOutfit;
    TextBox* NameOfOutfit;
    ListBox* OutfitList;
    FileListBox* GetBodyPic;
    Button* PlaygroundOnOff;
    Button* LetsGo;
    Button* DeleteProject;
    Button* CreatProject;
    TextBox* EnterLadyName;
    TextBox* EnterProjectName;
    Button* AddBMPItem;
    FileListBox* ProjectFileList;
    Button* NewProject;
    Button* RemoveItem;
    Button* MoveLayerUp;
    Button* MoveLayerDown;
    Button* DressItem;
    ListBox* Dressed;
    DirListBox* Harddrive;
    FileListBox* SkirtFiles;
    Button* DeleteSkirt;
    OptionButton* Option3;
    OptionButton* Option2;
    OptionButton* Option1;
    ListBox* Wardrobe;
    TextBox* NameSkirt;
    Button* AddToWardrobe;
    PictureBox* Clothes;
    Button* SkirtUp;
    Button* SkirtDown;
    Button* SkirtLeft;
    Button* SkirtRight;
    Button* RemoveAllItems;
    PictureBox* BodyPic;
    Frame* TransColorInfo;
    Label* WelcomeText;
    Label* BasePic;
    Label* DollyLabel;
    Label* ProjectLabel;
    Label* ShowHelpLabel;
    Label* HelpMe;
    Label* LabelTMP;
    Label* ProjectInfos;
    Label* Warnings;
    Label* NameOfBody;
    Label* VersionText;
    Label* ShadowText;
    Label* WelcomeShadow;
    Label* Welcome_Shadow2;
    Label* WelcomeRealShadow;

    // ---- Start-up and editor state (window/shell/Form1_Startup.cpp)
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    // ---- Settings file (window/shell/Form1_Settings.cpp)
    void ReadIniFile();
    void WriteIniValue();

    // ---- Panels (window/shell/Form1_Panels.cpp)
    void HideAllPanels();
    void ShowImportPanel();
    void ShowProjectPanel();
    void ShowDressingPanel();
    void LetsGo_Click();

    // ---- Help mode (window/shell/Form1_Help.cpp)
    void ShowHelp_Click();
    void UpdateHelpLabel();
    void ShowTaskHelpText();

    // ---- Project file (window/project/Form1_Project.cpp)
    void LoadProjectFile();
    void ShowBodyPicture();

    // ---- Item store (window/wardrobe/Form1_ItemStore.cpp)
    void RebuildItemTable();
    void FillWardrobeList();
    void LocateItem();
    void DrawItem();
    void Wardrobe_Click();

    // ---- Import and capture (window/wardrobe/Form1_Import.cpp, window/wardrobe/Form1_Capture.cpp)
    void AddBMPItem_Click();
    void Harddrive_Change();
    void SkirtFiles_Click();
    void AutoButton_Click();
    void PinkButton_Click();
    void WhiteButton_Click();
    void SkirtLeft_Click();
    void SkirtRight_Click();
    void SkirtUp_Click();
    void SkirtDown_Click();
    void NameSkirt_Change();
    void PreviewItemOnBody();
    void ShowKeyColour();
    void MarkEnclosedKeyPixels();
    void AddToWardrobe_Click();

    // ---- Worn list (window/dressing/Form1_Dressing.cpp, window/dressing/Form1_Reorder.cpp)
    void RedrawDressed();
    void DressItem_Click();
    void Dressed_Click();
    void RemoveItem_Click();
    void RemoveAllItems_Click();
    void MoveLayerUp_Click();
    void MoveLayerDown_Click();
    void MoveUpList_Click();
    void MoveDownList_Click();

    // ---- Question box (window/shell/Form1_Question.cpp)
    void SayYes_Click();
    void SayNo_Click();
    // A mode button drops an open question: the box goes and the window
    // is as it was before the question.
    void DropQuestion();

    // ---- Wardrobe editing (window/wardrobe/Form1_Editing.cpp)
    void UpdateItem_Click();
    void ItemRename_Change();
    void DeleteSkirt_Click();
    void DeleteItemData();

    // ---- Deleting a project (window/project/Form1_DeleteProject.cpp)
    void DeleteProject_Click();
    void DeleteCurrentProject();

    // ---- Playground (window/dressing/Form1_Playground.cpp)
    void PlaygroundOnOff_Click();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();

    // ---- Outfits (window/dressing/Form1_Outfits.cpp)
    void FillOutfitList();
    void SaveOutfit_Click();
    void OutfitList_Click();
    void DeleteOutfit_Click();
    void NameOfOutfit_Change();

    // ---- Choosing and creating projects (window/project/Form1_Projects.cpp)
    void ProjectFileList_Click();
    void GetBodyPic_Click();
    void NewProject_Click();
    void EnterProjectName_Change();
    void EnterLadyName_Change();
    void CreatProject_Click();
    void ShowProjectSummary();

    // ---- Language (window/localisation/Form1_Language.cpp)
    void LoadLanguageFile();
    void ApplyLanguageTexts();
    void German_Click();
    void English_Click();
    QString FigureNameTooltip() const;
    QString EnclosedKeyPixelsText(qint64 count) const;
    // A text the program added, to a number the language files left unused
    // or after line 99: from the language file, or where an older file
    // leaves it empty or stops before it, from the one built in.
    QString AddedText(int number) const;
    enum AddedTextNumber {
        TextYes = 31,
        TextNo = 57,
        TextItemNewName = 58,
        TextQuestion = 59,
        TextMessages = 66,
        TextSaveFigure = 67,
        TextCopyFigure = 68,
        MsgFigureNotSaved = 69,
    };

    // ---- The figure as a picture (window/dressing/Form1_Export.cpp)
    void SaveFigure();
    void CopyFigure();

    // ---- Undo and redo (window/shell/Form1_Undo.cpp)
    WindowSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const WindowSnapshot& snapshot);
    void Undo();
    void Redo();
    QUndoStack* undoStack() const { return undoStack_; }

    // What the project panel shows beyond the window's snapshot.
    struct ProjectView {
        QString chosen;  // the entry selected in ProjectFileList
        QString infos;
        bool infosVisible = false;
        bool deleteOn = false;
        bool createOn = false;
    };

    // ---- Dragging on the figure (window/shell/Form1_Drag.cpp and the panels' files)
    void DragImportPicture(int dx, int dy);
    void DragShownItem(int dx, int dy);

    // The message for a picture that did not load.
    static int PictureProblem(const PictureFile::LoadedPicture& loaded);

    // Shows text number textNumber of the text table in Warnings, with the
    // technical detail of a failure as its tooltip.
    void ShowWarning(int textNumber, const QString& detail = QString());
    // The same for a text that names something: "#NAME#" in it becomes name.
    void ShowNamedWarning(int textNumber, const QString& name, const QString& detail = QString());
    // The same, kept until the texts are loaded while the window starts.
    void Report(int textNumber, const QString& detail = QString());
    // Tells that no lock could be made in the data folder (detail: why), so
    // that nothing keeps a second program off it; shown where start-up
    // problems show.
    void ReportNoLock(const QString& detail);

    // Texts of this program's own messages, beyond the catalogue of the
    // language files' older numbers.
    enum Message {
        MsgProjectUnreadable = 86,
        MsgBodyPictureUnreadable = 87,
        MsgSettingsUnreadable = 88,
        MsgSettingsNotSaved = 89,
        MsgLanguageUnreadable = 90,
        MsgDefaultProjectMissing = 91,
        MsgItemTableNotSaved = 92,
        MsgPictureUnreadable = 93,
        MsgPictureTooLarge = 94,
        MsgItemNotStored = 95,
        MsgNameNotStorable = 96,
        MsgUnsafeProjectName = 97,
        MsgOutfitsNotSaved = 98,
        MsgProjectNotCreated = 99,
        MsgItemNotChanged = 51,
        MsgProjectNotDeleted = 52,
        MsgLeftoverNotRemoved = 53,
        MsgCharactersDropped = 55,
        MsgFileUnreadable = 56,
        MsgEnclosedKeyPixels = 70,
        // After line 99 of the language files.
        MsgNotAPlainName = 100,
        MsgNotARegularFile = 101,
        MsgNameLikeOutfit = 102,
        MsgWardrobeNotWritable = 103,
        MsgLanguageWithoutTexts = 104,
        MsgNoLock = 105,
        MsgFigureSaved = 106,
        MsgFigureCopied = 107,
        MsgOutfitDeleted = 108,
        MsgChangedSince = 120,
        MsgProjectNameTaken = 121,
        MsgProjectNotBack = 122,
        MsgTrashCopyLeft = 123,
    };

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // window/shell/Form1_Controls.cpp
    void BuildControls();
    void BindControls();
    void ConnectHandlers();
    // window/shell/Form1_Keys.cpp
    void ConnectKeys();
    bool ArrowKey(int key);

    // window/shell/Form1_Question.cpp
    void AskQuestion(int textNumber, const QString& name);
    void HoldWindowForQuestion();
    void ReleaseWindowFromQuestion();

    // window/shell/Form1_Undo.cpp
    void ConnectUndo();
    void RunUndoable(void (Form1::*handler)());
    void RunBarrier(void (Form1::*handler)());
    void RunDeletion(void (Form1::*handler)());
    // What a deletion handler made undoable; the history takes it once the
    // handler is done.
    void KeepDeletion(std::function<bool()> putBack, std::function<bool()> removeAgain, const WindowSnapshot& before);
    void RecordStep(const WindowSnapshot& before);
    bool CanUndoNow() const;
    // Connects a control's signal to a handler whose change can be undone,
    // or to one after which the history is cleared.
    auto undoable(void (Form1::*handler)()) { return [this, handler] { RunUndoable(handler); }; }
    auto barrier(void (Form1::*handler)()) { return [this, handler] { RunBarrier(handler); }; }
    // Connects a control's signal to a handler that may delete: the history
    // starts afresh, with the deletion as its one step.
    auto deletion(void (Form1::*handler)()) { return [this, handler] { RunDeletion(handler); }; }

    // window/localisation/Form1_Accessibility.cpp
    void ApplyAccessibleNames();

    // window/dressing/Form1_Export.cpp
    void ConnectExport();
    void ShowFigureMenu(const QPoint& at);
    void ShowFigureSaved(const QString& file);

    // window/shell/Form1_Drag.cpp
    bool FigureDragEvent(QEvent* event);
    bool CanDragFigure() const;
    void UpdateFigureCursor();
    template <class T> void bind(T*& member, const char* name);

    // window/wardrobe/Form1_ItemStore.cpp
    // The item data file the project file names: the one file the wardrobe
    // is listed, painted, added to, changed and deleted from.
    QString WardrobePath() const;
    QString ItemTablePath() const;
    void PaintItemPixels(LineReader& reader);
    bool OpenStoreFile(QFile& file, const QString& name);
    const ItemIndex* StoreIndex(const QString& name);
    bool DrawIndexedItem(const ItemIndex& index, qint64 start);
    FileAccess::Result RewriteStore(const QString& name, const QString& tempName, const FileAccess::CopyFunction& copy);
    bool ReadOutfitFile(QByteArray& bytes);

    // window/wardrobe/Form1_Import.cpp, window/wardrobe/Form1_Capture.cpp
    void ChooseKeyColour(int colour, const QString& settingsWord);
    void DropImportPicture();
    bool AcceptItemName();

    // window/dressing/Form1_Outfits.cpp
    QString OutfitFileName() const;
    bool ReplayOutfitDeletion(const RewriteRecord& record, bool back, const QString& file, const QString& working,
                              const QString& name);

    // window/wardrobe/Form1_Editing.cpp
    void ChooseWardrobeItem();
    void NudgeShownItem(int& shift, int step);
    bool ReplayItemDeletion(const RemovedItem& removed, bool back);
    void PutItemTable(const QString& table, const std::optional<QByteArray>& bytes);

    // window/project/Form1_DeleteProject.cpp
    ProjectView TakeProjectView() const;
    void ShowProjectView(const ProjectView& view);
    bool KeepProjectFiles(RemovedProject& removed);
    bool RemoveProjectFiles(RemovedProject& removed);
    void ShowDefaultProject();
    bool BringProjectBack(RemovedProject& removed);
    bool RemoveProjectAgain(RemovedProject& removed);

    // window/project/Form1_Projects.cpp
    bool AcceptNewProject();
    bool WriteNewProjectFiles(const QString& name, const QString& figure);
    void EnterNewProject(const QString& name, const QString& figure);

    // window/dressing/Form1_Reorder.cpp
    void CopyDressedToLayerBuffer(int count);
    void SwapLayer(int offset);
    void MoveLayerToEnd(bool toStart);

    // window/localisation/Form1_Language.cpp
    void LayOutWelcomeText();
    void SwitchLanguage(const QString& languageFile);

    // window/shell/Form1_Startup.cpp
    void SweepInterruptedWrites();
    void ShowStartupProblems();
    bool LoadStartupProject();

    QHash<QString, QWidget*> controls_;
    QImage background_;
    // Problems met while starting, shown once the texts are loaded.
    QList<QPair<int, QString>> startupProblems_;
    static constexpr int kStartupWarningTop = 372;
    static constexpr int kWarningsTop = 448;
    bool starting_ = true;
    // Whether the last LoadProjectFile found a project file with its markers.
    bool projectFileLoaded_ = false;
    // Why it did not, for the window's message.
    QString projectFileProblem_;
    // Texts 100 on of the language file, text 100 first.
    QStringList laterTexts_;
    // Where the records of the item data file stand, kept between clicks.
    ItemIndexCache storeIndex_;
    // Where the picture in Clothes was see-through in its file (alpha
    // below 128); null for a picture without an alpha channel.
    QImage importSeeThrough_;
    // The message MarkEnclosedKeyPixels last put in Warnings, so that it
    // takes away its own message only.
    QString enclosedKeyWarning_;
    // Why the last ShowBodyPicture showed no picture, and its message;
    // empty when it did.
    QString bodyPictureProblem_;
    int bodyPictureMessage_ = MsgBodyPictureUnreadable;
    // Whether the entry chosen in GetBodyPic loaded as a picture: a new
    // project needs a body picture that shows.
    bool chosenBodyPictureLoaded_ = false;

    // While the question box is open: each control it turned off, with its
    // own Enabled flag from before, to give back when it closes.
    QList<QPair<QWidget*, bool>> heldByQuestion_;
    // Escape answers no, only while the question is open.
    QShortcut* escapeAnswersNo_ = nullptr;

    QUndoStack* undoStack_ = nullptr;
    // The window when the question box asked about a deletion: what its
    // undo shows again.
    WindowSnapshot askedWindow_;
    ProjectView askedProject_;
    // The deletion the running handler made, until the history takes it.
    std::optional<Deletion> deleted_;
    static constexpr int kUndoLimit = 64;  // each step holds up to two figures (360 KB each)
    // A drag on the figure: where the mouse was last, and the window as it
    // was when the drag began (one undo step for the whole drag).
    bool dragging_ = false;
    QPoint dragLast_;
    WindowSnapshot dragStart_;
};
