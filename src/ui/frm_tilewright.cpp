#include "ui/frm_tilewright.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <utility>

#include "cartridge/cartridge.h"
#include "project/eap_reader.h"
#include "sheet/picture_import.h"
#include "ui/block_grid.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "ui/project_history.h"
#include "ui/sprite_clipboard.h"
#include "ui/sprite_panel.h"
#include "ui/titled_frame.h"
#include "ui/twips.h"

namespace tw::ui {
namespace {

QString Indexed(const QString& name, int index) { return QStringLiteral("%1_%2").arg(name).arg(index); }

QLabel* Label(const QString& name, const QString& caption, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

struct ColorOption {
    const char* Caption;
    int Top; // twips
};

// Indexed by colour code; the list runs from code 7 at the top down to 0.
constexpr std::array<ColorOption, kColorCodes> kColorOptions = {{
    {"Black = 0", 2760},
    {"Blue = 1", 2415},
    {"Red = 2 ", 2040},
    {"Majenta = 3", 1680},
    {"Green = 4", 1320},
    {"Cyan = 5", 960},
    {"Yellow = 6", 600},
    {"White = 7", 240},
}};

const QString kFileErrorText = QStringLiteral("File error");
const QString kFileErrorTitle = QStringLiteral("File Error");

} // namespace

const QString frmTilewright::kWelcomeText =
    QStringLiteral("Welcome to Tilewright.  This program allows you to easily create up to 4") +
    QStringLiteral("\r\n") +
    QStringLiteral("sprites with full color control for the Emerson Arcadia 2001 Video game console.") +
    QStringLiteral("\r\n\r\n") + QStringLiteral("Tilewright defaults to a color scheme of White on Black.");

const QString frmTilewright::kNewProjectQuestion =
    QStringLiteral("Warning!  Creating a new project will erase all existing data that has not\r\n"
                   "been saved and reset the foreground/background color scheme to\r\n"
                   "White on Black.  Are you sure you want create a new project?\r\n"
                   "Select <OK> to begin a new project, or <Cancel> to return\r\n"
                   "to the existing project.");

const QString frmTilewright::kUnsavedQuestion = QStringLiteral("Save changes to the project?");

frmTilewright::frmTilewright(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmTilewright"));
    setWindowTitle(QStringLiteral("Tilewright[*]"));
    setFont(WindowFont());
    setAcceptDrops(true);

    history_ = new ProjectHistory(Model_, [this] { RefreshAll(); }, this);
    connect(history_, &ProjectHistory::ModifiedChanged, this, &QWidget::setWindowModified);

    BuildMenu();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    // The window takes exactly the menu bar and the client area; the user
    // cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BuildDesignFrame();
    BuildColorFrame();
    BuildViewFrame();
    BuildHelpFrame();
    RefreshAll();
    // Where the editing starts; it takes effect when the window is first
    // activated, instead of the first box in the tab order (a read-only row).
    fmeSprite[0]->Grid()->setFocus();
}

frmTilewright::~frmTilewright() = default;

void frmTilewright::BuildMenu()
{
    QMenuBar* bar = menuBar();
    // Kept inside the window, never moved to a desktop-wide menu bar.
    bar->setNativeMenuBar(false);

    keys_ = new QActionGroup(this);
    keys_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

    mnuFile = bar->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](const char* name, const char* caption, void (frmTilewright::*handler)(), QKeyCombination key) {
        QAction* action = mnuFile->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        connect(AddKey({key}), &QAction::triggered, action, &QAction::trigger);
    };
    const auto separator = [this](const char* name) { mnuFile->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    item("mnuFileNewProject", "New Project", &frmTilewright::mnuFileNewProject_Click, Qt::CTRL | Qt::Key_N);
    separator("mnuFileSep1");
    item("mnuFileLoadProject", "Load Project", &frmTilewright::mnuFileLoadProject_Click, Qt::CTRL | Qt::Key_O);
    item("mnuFileSaveProject", "Save Project", &frmTilewright::mnuFileSaveProject_Click, Qt::CTRL | Qt::Key_S);
    separator("mnuFileSep2");
    item("mnuFileCreateBinary", "Create Binary", &frmTilewright::mnuFileCreateBinary_Click, Qt::CTRL | Qt::Key_B);
    separator("mnuFileSep3");
    item("mnuFileExit", "Exit", &frmTilewright::mnuFileExit_Click, Qt::CTRL | Qt::Key_Q);

    // A menu title without items that acts when clicked.
    mnuHelp = bar->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, &frmTilewright::mnuHelp_Click);
    connect(AddKey({Qt::Key_F1}), &QAction::triggered, mnuHelp, &QAction::trigger);

    // The platform's undo and redo keys, and always Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.
    const auto standard = [](QKeySequence::StandardKey which, std::initializer_list<QKeyCombination> always) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(which);
        for (const QKeyCombination key : always)
            if (!keys.contains(QKeySequence(key)))
                keys << QKeySequence(key);
        return keys;
    };
    connect(AddKey(standard(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z})), &QAction::triggered, this, &frmTilewright::EditUndo);
    connect(AddKey(standard(QKeySequence::Redo, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})),
            &QAction::triggered, this, &frmTilewright::EditRedo);
}

QAction* frmTilewright::AddKey(const QList<QKeySequence>& keys)
{
    // An action of its own, kept off the menus: on a menu item the key would
    // be printed beside it.
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    addAction(action);
    keys_->addAction(action);
    return action;
}

void frmTilewright::BuildDesignFrame()
{
    fmeSpriteGen = new TitledFrame(centralWidget());
    fmeSpriteGen->setObjectName(QStringLiteral("fmeSpriteGen"));
    fmeSpriteGen->setGeometry(TwipsRect(120, 120, 9900, 8055));

    constexpr std::array<QPoint, kSprites> kPanelCorners{{{240, 360}, {3960, 360}, {240, 4200}, {3960, 4200}}};
    for (int k = 0; k < kSprites; ++k) {
        auto* panel = new SpritePanel(k, &Model_.Sprites[k], fmeSpriteGen);
        panel->setGeometry(TwipsRect(kPanelCorners[k].x(), kPanelCorners[k].y(), 3525, 3735));
        connect(panel, &SpritePanel::BlockClicked, this, &frmTilewright::picSpriteBlock_Click);
        connect(panel, &SpritePanel::RowEdited, this, &frmTilewright::rtbSpriteHex_Change);
        connect(panel, &SpritePanel::NameChanged, this, &frmTilewright::rtbSpriteName_Change);
        connect(panel, &SpritePanel::NameFinished, history_, &ProjectHistory::EndTyping);
        connect(panel, &SpritePanel::TransformChosen, this, &frmTilewright::picSpriteBlock_Transform);
        connect(panel, &SpritePanel::CopyChosen, this, &frmTilewright::picSpriteBlock_Copy);
        connect(panel, &SpritePanel::PasteChosen, this, &frmTilewright::picSpriteBlock_Paste);
        connect(panel, &SpritePanel::ViewClicked, this, &frmTilewright::cmdThumbNail_Click);
        connect(panel, &SpritePanel::ColorClicked, this, &frmTilewright::cmdSpriteColor_Click);
        connect(panel, &SpritePanel::ClearClicked, this, &frmTilewright::cmdSpriteClear_Click);
        fmeSprite[k] = panel;
    }
}

void frmTilewright::BuildColorFrame()
{
    fmeColor = new TitledFrame(QStringLiteral("Color Select"), fmeSpriteGen);
    fmeColor->setObjectName(QStringLiteral("fmeColor"));
    fmeColor->setGeometry(TwipsRect(7875, 360, 1770, 3735));

    optColorGroup = new QButtonGroup(this);
    optColorGroup->setExclusive(true);
    // Created top to bottom, so that the tab order follows the list.
    for (int code = kColorCodes - 1; code >= 0; --code) {
        auto* option = new QRadioButton(QString::fromLatin1(kColorOptions[code].Caption), fmeColor);
        option->setObjectName(Indexed(QStringLiteral("optColor"), code));
        option->setGeometry(TwipsRect(210, kColorOptions[code].Top, 1185, 240));
        QPalette palette = option->palette();
        // A button fills itself from its Button role.
        palette.setColor(QPalette::Button, DisplayColor(Model_.ColorValue(code)));
        palette.setColor(QPalette::WindowText, code <= 3 ? Qt::white : Qt::black);
        option->setPalette(palette);
        option->setAutoFillBackground(true);
        optColorGroup->addButton(option, code);
        optColor[code] = option;
    }
    // A selection made by the program counts as much as one made by a click.
    connect(optColorGroup, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        if (checked)
            optColor_Click(code);
    });

    cmdSetBGnd = new QPushButton(QStringLiteral("Screen Color"), fmeColor);
    cmdSetBGnd->setObjectName(QStringLiteral("cmdSetBGnd"));
    cmdSetBGnd->setGeometry(TwipsRect(315, 3255, 1095, 255));
    connect(cmdSetBGnd, &QPushButton::clicked, this, &frmTilewright::cmdSetBGnd_Click);
}

void frmTilewright::BuildViewFrame()
{
    fmeThumbNail = new TitledFrame(QStringLiteral("Sprite View"), fmeSpriteGen);
    fmeThumbNail->setObjectName(QStringLiteral("fmeThumbNail"));
    fmeThumbNail->setGeometry(TwipsRect(7770, 4215, 1980, 3720));

    picThumbNail =
        new BlockGrid(BlockGrid::kViewGeometry, &Model_.ThumbNailCells, &Model_.ThumbNailSurround, fmeThumbNail);
    picThumbNail->setObjectName(QStringLiteral("picThumbNail"));
    picThumbNail->setGeometry(TwipsRect(420, 240, 1215, 1215));

    Label(QStringLiteral("lblBackGround"), QStringLiteral("BGnd Value:"), TwipsRect(105, 1680, 975, 255), fmeThumbNail);
    lblBackGroundValue =
        Label(QStringLiteral("lblBackGroundValue"), QString(), TwipsRect(1785, 1680, 150, 255), fmeThumbNail);
    for (int k = 0; k < kSprites; ++k) {
        const int top = 1995 + 315 * k;
        Label(Indexed(QStringLiteral("lblForeGround"), k), QStringLiteral("Sprite #%1 FGnd Value:").arg(k + 1),
              TwipsRect(105, top, 1620, 255), fmeThumbNail);
        lblForeGroundValue[k] =
            Label(Indexed(QStringLiteral("lblForeGroundValue"), k), QString(), TwipsRect(1785, top, 150, 255), fmeThumbNail);
    }
}

void frmTilewright::BuildHelpFrame()
{
    fmeHelp = new TitledFrame(QStringLiteral("Help"), fmeSpriteGen);
    fmeHelp->setObjectName(QStringLiteral("fmeHelp"));
    fmeHelp->setGeometry(TwipsRect(0, 0, 9855, 8055));
    // Opaque, so that nothing of the design frame shows through around the text.
    fmeHelp->setAutoFillBackground(true);

    rtbHelp = new QPlainTextEdit(fmeHelp);
    rtbHelp->setObjectName(QStringLiteral("rtbHelp"));
    rtbHelp->setGeometry(TwipsRect(120, 240, 9615, 7335));
    rtbHelp->setReadOnly(true);

    cmdCloseHelp = new QPushButton(QStringLiteral("Close"), fmeHelp);
    cmdCloseHelp->setObjectName(QStringLiteral("cmdCloseHelp"));
    cmdCloseHelp->setGeometry(TwipsRect(4200, 7680, 1215, 255));
    connect(cmdCloseHelp, &QPushButton::clicked, this, &frmTilewright::cmdCloseHelp_Click);
}

void frmTilewright::ShowCentred()
{
    ensurePolished();
    adjustSize();
    if (const QScreen* target = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry()));
    show();
}

void frmTilewright::Form_Load()
{
    // The model starts with the palette filled, every sprite White and the
    // screen and the selected colour Black.
    UserResponse_ = dialogs_.ShowMessage(this, {QStringLiteral("Welcome"), kWelcomeText, QString(), Dialogs::Buttons::Ok});
    fmeHelp->hide();
    fmeSpriteGen->raise();
}

void frmTilewright::optColor_Click(int Index) { Model_.SelectColor(Index); }

void frmTilewright::cmdSetBGnd_Click()
{
    SpriteProject before = Model_;
    Model_.ApplyScreenColor();
    RefreshView();
    RefreshScreenLabel();
    for (SpritePanel* panel : fmeSprite)
        panel->RefreshBlocks();
    history_->Record(std::move(before));
}

void frmTilewright::picSpriteBlock_Click(int k, int Index)
{
    SpritePart before = SpritePart::Of(Model_, k);
    Model_.ClickBlock(k, Index);
    fmeSprite.at(k)->RefreshBlock(Index);
    fmeSprite.at(k)->RefreshRow(Index / 8);
    history_->Record(std::move(before));
}

void frmTilewright::cmdSpriteColor_Click(int Index)
{
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.ApplySpriteColor(Index);
    fmeSprite.at(Index)->RefreshSquare();
    RefreshSpriteLabel(Index);
    fmeSprite.at(Index)->RefreshBlocks();
    history_->Record(std::move(before));
}

void frmTilewright::cmdSpriteClear_Click(int Index)
{
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.ClearSprite(Index);
    fmeSprite.at(Index)->RefreshBlocks();
    fmeSprite.at(Index)->RefreshRows();
    history_->Record(std::move(before));
}

void frmTilewright::cmdThumbNail_Click(int Index)
{
    SpriteProject before = Model_;
    Model_.ViewSprite(Index);
    RefreshView();
    history_->Record(std::move(before));
}

void frmTilewright::rtbSpriteHex_Change(int Index, int row, const QString& text)
{
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.SetRowText(Index, row, text.toStdString());
    fmeSprite.at(Index)->RefreshRow(row);
    fmeSprite.at(Index)->RefreshBlocks();
    history_->Record(std::move(before));
}

void frmTilewright::rtbSpriteName_Change(int Index, const QString& text)
{
    // The model follows every key, so that Save writes what the box shows;
    // the history keeps one step for the whole edit of the box.
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.RenameSprite(Index, text.toStdString());
    history_->Record(std::move(before), Index);
}

void frmTilewright::picSpriteBlock_Transform(int Index, SpriteTransform transform)
{
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.TransformSprite(Index, transform);
    fmeSprite.at(Index)->RefreshBlocks();
    fmeSprite.at(Index)->RefreshRows();
    history_->Record(std::move(before));
}

void frmTilewright::picSpriteBlock_Copy(int Index) { PutSpriteOnClipboard(Model_.CopySprite(Index)); }

void frmTilewright::picSpriteBlock_Paste(int Index)
{
    const std::optional<SpriteClip> clip = SpriteOnClipboard();
    if (!clip)
        return;
    SpritePart before = SpritePart::Of(Model_, Index);
    Model_.PasteSprite(Index, *clip);
    fmeSprite.at(Index)->RefreshSquare();
    RefreshSpriteLabel(Index);
    fmeSprite.at(Index)->RefreshBlocks();
    fmeSprite.at(Index)->RefreshRows();
    history_->Record(std::move(before));
}

void frmTilewright::EditUndo()
{
    FinishTyping();
    history_->Undo();
}

void frmTilewright::EditRedo()
{
    FinishTyping();
    history_->Redo();
}

void frmTilewright::FinishTyping()
{
    for (SpritePanel* panel : fmeSprite)
        panel->FinishTyping();
    history_->EndTyping();
}

bool frmTilewright::ConfirmUnsavedChanges()
{
    FinishTyping();
    if (!history_->IsModified())
        return true;
    switch (dialogs_.ShowMessage(this, {QStringLiteral("Tilewright"), kUnsavedQuestion, QString(),
                                        Dialogs::Buttons::SaveDiscardCancel})) {
    case Dialogs::Answer::Save:
        return SaveProjectFile(); // a save that fails or is cancelled keeps the project
    case Dialogs::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void frmTilewright::mnuFileNewProject_Click()
{
    FinishTyping();
    const Dialogs::Answer answer = dialogs_.ShowMessage(
        this, {QStringLiteral("New Project Creation"), kNewProjectQuestion, QString(), Dialogs::Buttons::OkCancel});
    if (answer != Dialogs::Answer::Ok)
        return;
    SpriteProject before = Model_;
    Model_.NewProject();
    history_->Record(std::move(before), ProjectHistory::Scope::WholeProject);
    history_->MarkSaved();
    RefreshAll();
}

void frmTilewright::mnuFileLoadProject_Click()
{
    if (!ConfirmUnsavedChanges())
        return;
    const std::optional<QString> path = dialogs_.ChooseProjectFile(this, Dialogs::FileMode::Load);
    if (!path) {
        ShowFileError({});
        return;
    }
    OpenProjectFile(*path);
}

void frmTilewright::OpenProjectFile(const QString& path)
{
    // The file is read in full before anything of the project changes, so a
    // bad file leaves the project as it was.
    const bool picture = sheet::IsPictureName(path);
    const storage::ReadOutcome read = picture ? sheet::ImportPictureFile(path) : storage::ReadProject(path);
    if (!read.Ok) {
        ShowFileError(read);
        return;
    }
    SpriteProject before = Model_;
    // A picture's sprites are a new project: saved nowhere yet.
    ApplyProjectRecord(Model_, read.Record, picture ? std::string() : path.toStdString(),
                       picture ? std::string() : storage::FileTitle(path).toStdString());
    history_->Record(std::move(before), ProjectHistory::Scope::WholeProject);
    if (!picture)
        history_->MarkSaved();
    RefreshAll();
}

void frmTilewright::mnuFileSaveProject_Click() { SaveProjectFile(); }

bool frmTilewright::SaveProjectFile()
{
    FinishTyping();
    const std::optional<QString> path = dialogs_.ChooseProjectFile(this, Dialogs::FileMode::Save);
    if (!path) {
        ShowFileError({});
        return false;
    }
    const storage::Outcome saved = storage::SaveProject(*path, Model_);
    if (!saved.Ok) {
        ShowFileError(saved);
        return false;
    }
    // Only a file that was written becomes the project file.
    Model_.SetProjectFile(path->toStdString(), storage::FileTitle(*path).toStdString());
    RefreshCaption();
    history_->MarkSaved();
    return true;
}

void frmTilewright::mnuFileCreateBinary_Click()
{
    FinishTyping();
    if (Model_.ProjectFileName.empty()) {
        dialogs_.ShowMessage(this, {QStringLiteral("Project error"), QStringLiteral("No project file has been chosen!"),
                                    QString(), Dialogs::Buttons::Ok});
        return;
    }
    const QString image = QString::fromStdString(CartridgeImagePath(Model_.ProjectFileName));
    const storage::Outcome written = storage::WriteCartridgeImage(image, Model_);
    if (!written.Ok)
        ShowFileError(written);
}

void frmTilewright::mnuFileExit_Click() { close(); }

void frmTilewright::mnuHelp_Click()
{
    FinishTyping();
    SetDesignEnabled(false);
    fmeHelp->show();
    fmeHelp->raise();
    rtbHelp->setPlainText(BuildHelpText());
}

void frmTilewright::cmdCloseHelp_Click()
{
    fmeHelp->hide();
    fmeSpriteGen->raise();
    SetDesignEnabled(true);
}

void frmTilewright::SetDesignEnabled(bool enabled)
{
    mnuFile->menuAction()->setEnabled(enabled);
    mnuHelp->setEnabled(enabled);
    keys_->setEnabled(enabled);
    // Hidden under the help: no key may reach a grid or box there.
    for (SpritePanel* panel : fmeSprite)
        panel->setEnabled(enabled);
    fmeColor->setEnabled(enabled);
    fmeThumbNail->setEnabled(enabled);
}

void frmTilewright::Form_Terminate()
{
    // No file stays open between commands, so ending the event loop ends the
    // program.
    QCoreApplication::quit();
}

void frmTilewright::closeEvent(QCloseEvent* event)
{
    if (!ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Terminate();
}

void frmTilewright::dragEnterEvent(QDragEnterEvent* event)
{
    if (TakeDrop(event->mimeData(), false))
        event->acceptProposedAction();
}

void frmTilewright::dropEvent(QDropEvent* event)
{
    if (TakeDrop(event->mimeData(), true))
        event->acceptProposedAction();
}

bool frmTilewright::TakeDrop(const QMimeData* data, bool open)
{
    // One local project file or picture, and only while the menus could load
    // one too.
    const QList<QUrl> urls = data->urls();
    if (!fmeHelp->isHidden() || urls.size() != 1 || !urls.first().isLocalFile())
        return false;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QLatin1String(".eap"), Qt::CaseInsensitive) && !sheet::IsPictureName(path))
        return false;
    // Opened once the drop is over: the file manager waits for its end, and
    // the unsaved-changes question may come first.
    if (open)
        QTimer::singleShot(0, this, [this, path] {
            if (ConfirmUnsavedChanges())
                OpenProjectFile(path);
        });
    return true;
}

void frmTilewright::ShowFileError(const storage::Outcome& failure)
{
    QString reason;
    if (!failure.Ok) {
        reason = failure.Reason;
        if (failure.Line > 0)
            reason = QStringLiteral("Line %1: %2").arg(failure.Line).arg(reason);
    }
    dialogs_.ShowMessage(this, {kFileErrorTitle, kFileErrorText, reason, Dialogs::Buttons::Ok});
}

void frmTilewright::RefreshCaption() { fmeSpriteGen->setTitle(QString::fromStdString(Model_.FrameCaption)); }

void frmTilewright::RefreshColorSelection()
{
    QRadioButton* selected = optColor.at(Model_.SelectedColor);
    if (!selected->isChecked())
        selected->setChecked(true);
}

void frmTilewright::RefreshScreenLabel() { lblBackGroundValue->setText(QString::fromStdString(Model_.BackGroundValue)); }

void frmTilewright::RefreshSpriteLabel(int k)
{
    lblForeGroundValue.at(k)->setText(QString::fromStdString(Model_.Sprites.at(k).ForeGroundValue));
}

void frmTilewright::RefreshView() { picThumbNail->update(); }

void frmTilewright::RefreshAll()
{
    RefreshCaption();
    RefreshColorSelection();
    RefreshScreenLabel();
    for (int k = 0; k < kSprites; ++k) {
        RefreshSpriteLabel(k);
        fmeSprite[k]->RefreshAll();
    }
    RefreshView();
}

} // namespace tw::ui
