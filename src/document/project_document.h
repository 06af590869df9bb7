#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <utility>

#include "model/sprite_project.h"
#include "storage/storage.h"

class QFileSystemWatcher;
class QUndoStack;

namespace tw::document {

// What a user action came to, for the window to show.
struct Outcome {
    enum class Kind {
        Done,
        FileError,         // Failure holds the reason (and the line, for a file that cannot be read)
        NoProjectFile,     // Create Binary before any Save or Load
        AskReplace,        // Save: File (and OtherFile) is there and is not the project's own
        AskReplaceChanged, // Save: File, the project's own, has changed on disk since it was read or written
        AskReplaceSideFile, // Save: File is the side file, which could not be read when the project was
    };
    Outcome(Kind result = Kind::Done, storage::Outcome failure = {}, QString file = {})
        : Result(result), Failure(std::move(failure)), File(std::move(file))
    {
    }
    Kind Result = Kind::Done;
    storage::Outcome Failure;
    QString File; // the file a FileError or a question is about, as a full path
    QString OtherFile; // a second file a question is about: the side file beside File
    // Done, but with something to tell: a side file that could not be read
    // (its File, Line and Reason), without which the project was opened;
    // or one that was read but not saved with its project file.
    storage::Outcome Warning;
    storage::Outcome SideWarning;

    bool Ok() const { return Result == Kind::Done; }
};

// A file action that failed, for the window to show.
Outcome FileError(const storage::Outcome& failure, const QString& file);

// The parts of the project an action may have changed. A view brings those
// parts up to date and repaints within them only what differs.
enum class Part : unsigned {
    Sprite1 = 1u << 0, // a sprite's blocks, row texts, name or colour
    Sprite2 = 1u << 1,
    Sprite3 = 1u << 2,
    Sprite4 = 1u << 3,
    Shared = 1u << 4,   // the screen colour, the selected colour, the view cells
    File = 1u << 5,     // the project file
    Modified = 1u << 6, // IsModified() changed
    Scene = 1u << 7,    // the scene: cells, characters, colour set, cell height, positions
};
Q_DECLARE_FLAGS(Parts, Part)
Q_DECLARE_OPERATORS_FOR_FLAGS(Parts)

inline Parts SpritePart(int k) { return Part(1u << k); }
inline constexpr Parts kAllProject =
    Part::Sprite1 | Part::Sprite2 | Part::Sprite3 | Part::Sprite4 | Part::Shared | Part::File | Part::Scene;

// The open project behind the editor window: the project, its file, its
// undo history and whether it has unsaved changes. Every user action is one
// function here; the window calls it, shows the outcome, and repaints from
// Changed(), which each action emits once with what it changed.
//
// Modified means that Save would change a file: what it would write now
// differs from what the project's files hold (from what a new project saves
// as, when there is no file). Viewing a sprite, an edit undone, and New
// Project undone back to a saved project are no changes; opening a file
// written by hand in another spelling is none either; a file another program
// changed, and kept so, is one.
class ProjectDocument : public QObject {
    Q_OBJECT

public:
    static constexpr int kUndoSteps = 1000;

    explicit ProjectDocument(QObject* parent = nullptr);
    ~ProjectDocument() override;

    const SpriteProject& Project() const { return project_; }
    // The project file's full path; empty when there is none.
    QString FileName() const { return QString::fromStdString(project_.ProjectFileName); }
    // What Save offers: the project file, or the project file beside the
    // image or picture the project was read from; empty for neither.
    QString OfferedFileName() const;
    bool IsModified() const { return modified_; }

    // The editing actions. None can fail; an action that changes nothing
    // leaves no step in the history.
    void SelectColor(int code); // only records the choice: no step
    void ClickBlock(int k, int block);
    // A stroke of the mouse over a grid, one step: the press toggles its
    // block as a click does, and every other block of the sprite it passes
    // over takes the colour that block took; EndStroke() ends it (any other
    // action does too).
    void StrokeStart(int k, int block);
    void StrokeOver(int k, int block);
    void EndStroke();
    void ApplySpriteColor(int k);
    void ApplyScreenColor();
    void ClearSprite(int k);
    void ViewSprite(int k);
    // What a box holds after each key the user types in it. The keys of one
    // edit of a box make one step, until the typing ends: at EndTyping() (the
    // box is left, Return), or at any other action, each of which ends it
    // first.
    //
    // A row box's text, as the row-text rule takes it (TypedRowText): the
    // row gets it filled to two digits, and is drawn from it, at every key.
    void SetRowText(int k, int row, const std::string& text);
    // The row of sprite k whose box is being typed in, while it is.
    std::optional<int> TypedRow(int k) const;
    // A name box's text, without the characters a project file cannot hold.
    void RenameSprite(int k, const std::string& name);
    void EndTyping();
    void TransformSprite(int k, SpriteTransform transform);
    void PasteSprite(int k, const SpriteClip& clip);
    // A shape found in a binary (Import Shapes) becomes the rows of sprite
    // k's edited frame, drawn as typed rows are, whatever the colours; or of
    // user-defined character c (0 to 3). One step each.
    void PutShapeInSprite(int k, const RowBytes& rows);
    void PutShapeInCharacter(int c, const RowBytes& rows);
    // The console settings: a sprite's height (16 or 8 lines), the TV.
    void SetSpriteLines(int k, int lines);
    void SetTv(TvSystem tv);
    // The scene. A project without one gets the test cartridge's screen
    // with the first edit of it, in that edit's step; an edit that changes
    // nothing makes none. Placing a sprite is a step; a drag's places merge
    // into one until EndStroke(), as painting cells does, and the keys of a
    // run of typing into cells until EndTyping().
    void PlaceSprite(int k, int vertical, int horizontal);
    void DragSprite(int k, int vertical, int horizontal);
    void PaintCell(int cell, std::uint8_t byte);
    void StrokeCell(int cell, std::uint8_t byte);
    void TypeCell(int cell, std::uint8_t byte);
    // Every cell of the rectangle from one cell to another gets `byte`.
    void FillCells(int from, int to, std::uint8_t byte);
    // Block i of user-defined character c (0 to 3) set or clear; a stroke's
    // blocks merge as painting cells does.
    void SetCharacterBlock(int c, int i, bool set);
    void StrokeCharacterBlock(int c, int i, bool set);
    void SetCellLines(int lines);
    void SetColourSet(bool second);
    // The project without a scene again: the test cartridge's screen.
    void RemoveScene();
    // Sprite k's frames. Selecting one makes the design panel edit it: no
    // step, as picking a colour is none. The others are steps (see
    // SpriteProject for what each does).
    void SelectFrame(int k, int f);
    void AddFrame(int k);
    void DeleteFrame(int k);
    void MoveFrame(int k, int by);
    void SetFrameTime(int k, int time);
    void Undo();
    void Redo();

    // The file actions. New Project and Open are steps that undo to the
    // project before them, with its file; Save and Create Binary are none.
    void NewProject();
    // A file of any kind (KindOf): a project file, or a cartridge image or a
    // picture whose sprites become a new project saved nowhere yet. Read in
    // full first: on failure nothing changes.
    Outcome Open(const QString& path);
    // Writes the project to `path`, which then becomes its file. On failure
    // the file keeps its old bytes and the project its old file. Unless
    // `replacing` says the user agreed, nothing is written but the question
    // comes back when `path` is another file that is there (AskReplace), or
    // the project's own file changed on disk since it was read or written
    // (AskReplaceChanged).
    enum class Replacing { AskFirst, Agreed };
    Outcome Save(const QString& path, Replacing replacing = Replacing::AskFirst);
    // Reads the project file again, as a step that undo takes back.
    Outcome Reload();
    // The project file's side file; empty while there is no project file.
    QString SideFileName() const;
    // The test cartridge image beside the project file.
    Outcome CreateBinary();
    // Where CreateBinary writes; empty while there is no project file.
    QString CartridgeImageFile() const;

Q_SIGNALS:
    void Changed(tw::document::Parts parts);
    // Another program changed the project file or its side file (`file`
    // names the one that changed): its bytes are no longer those the project
    // was read from or saved as. Told once per change.
    void FileChangedOnDisk(const QString& file);

protected:
    // For the tests of states no action reaches (stray block colours, odd
    // row texts): the project as it is, without a step or a signal.
    SpriteProject& MutableProject() { return project_; }

private:
    class Step;
    static const SpriteProject& EmptyProject();
    struct Saved; // the whole project with what its file held

    // Runs `edit` on sprite k alone, or on the whole project; records a step
    // and announces it if it changed anything. Edits with the same
    // `typingKey` (0 or more) merge into one step until EndTyping().
    template <typename Edit>
    void EditSprite(int k, Edit edit, int typingKey = -1);
    template <typename Edit>
    void EditProject(Edit edit);
    template <typename Edit>
    void EditScene(Edit edit, int runKey = -1);
    // Records the scene as it was before an edit as one step.
    void PushSceneStep(std::optional<ConsoleScene> before, int runKey);
    // The project's files' bytes: as they were read or written, what a change
    // on disk is told from; and as they are on the disk now.
    struct DiskState {
        QByteArray Project;
        std::optional<QByteArray> Side; // none: no side file
        bool SideUnreadable = false;    // there, but of no use: not to be replaced without asking
        friend bool operator==(const DiskState&, const DiskState&) = default;
    };
    // Puts `next` in place of the whole project, as one step; `inFile` is
    // what its file holds, as a project and as bytes.
    void Replace(SpriteProject next, SpriteProject inFile, DiskState disk);

    void Announce(Parts parts);
    // Whether Save would change a file (IsModified).
    bool WouldChangeFiles() const;
    // The project's files as they are on the disk now.
    DiskState ReadDisk() const;
    // Ends the run of merged edits under way: typing or a stroke.
    void EndRun();
    // Whether `file` is the project's file; which of its files has changed
    // on disk since it was read or written (empty: neither).
    bool IsProjectFile(const QString& file) const;
    QString ChangedFile() const;
    // Watches the project's files, and sees what they hold now.
    void WatchFile();
    void FileEvent(const QString& file);

    SpriteProject project_;
    // The project as Save last wrote it or Open read it: what Modified
    // compares with. A new project when there is no file.
    SpriteProject saved_;
    DiskState disk_;
    DiskState now_;  // what the disk holds, as last seen
    DiskState told_; // the last change on disk told, not to tell it twice
    bool modified_ = false;
    QUndoStack* history_;
    QFileSystemWatcher* watcher_;
    int run_ = 0;     // bumped to end the merging of a run of edits
    int runKey_ = -1; // the box typed in or the grid stroked, while the run goes on
    ColorNumber strokeColor_ = kBlackColorNumber; // what the blocks a stroke passes over become
};

} // namespace tw::document
