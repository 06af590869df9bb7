#include "ui/frm_tilewright.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "cartridge/cartridge.h"
#include "project/eap_reader.h"
#include "ui/block_grid.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
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

frmTilewright::frmTilewright(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmTilewright"));
    setWindowTitle(QStringLiteral("Tilewright"));
    setFont(WindowFont());

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

    mnuFile = bar->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](const char* name, const char* caption, void (frmTilewright::*handler)()) {
        QAction* action = mnuFile->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    const auto separator = [this](const char* name) { mnuFile->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    item("mnuFileNewProject", "New Project", &frmTilewright::mnuFileNewProject_Click);
    separator("mnuFileSep1");
    item("mnuFileLoadProject", "Load Project", &frmTilewright::mnuFileLoadProject_Click);
    item("mnuFileSaveProject", "Save Project", &frmTilewright::mnuFileSaveProject_Click);
    separator("mnuFileSep2");
    item("mnuFileCreateBinary", "Create Binary", &frmTilewright::mnuFileCreateBinary_Click);
    separator("mnuFileSep3");
    item("mnuFileExit", "Exit", &frmTilewright::mnuFileExit_Click);

    // A menu title without items that acts when clicked.
    mnuHelp = bar->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, &frmTilewright::mnuHelp_Click);
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
        connect(panel, &SpritePanel::NameChanged, this, &frmTilewright::rtbSpriteName_Change);
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
    Model_.ApplyScreenColor();
    RefreshView();
    RefreshScreenLabel();
    for (SpritePanel* panel : fmeSprite)
        panel->RefreshBlocks();
}

void frmTilewright::picSpriteBlock_Click(int k, int Index)
{
    Model_.ClickBlock(k, Index);
    fmeSprite.at(k)->RefreshBlock(Index);
    fmeSprite.at(k)->RefreshRow(Index / 8);
}

void frmTilewright::cmdSpriteColor_Click(int Index)
{
    Model_.ApplySpriteColor(Index);
    fmeSprite.at(Index)->RefreshSquare();
    RefreshSpriteLabel(Index);
    fmeSprite.at(Index)->RefreshBlocks();
}

void frmTilewright::cmdSpriteClear_Click(int Index)
{
    Model_.ClearSprite(Index);
    fmeSprite.at(Index)->RefreshBlocks();
    fmeSprite.at(Index)->RefreshRows();
}

void frmTilewright::cmdThumbNail_Click(int Index)
{
    Model_.ViewSprite(Index);
    RefreshView();
}

void frmTilewright::rtbSpriteName_Change(int Index, const QString& text) { Model_.RenameSprite(Index, text.toStdString()); }

void frmTilewright::mnuFileNewProject_Click()
{
    const Dialogs::Answer answer = dialogs_.ShowMessage(
        this, {QStringLiteral("New Project Creation"), kNewProjectQuestion, QString(), Dialogs::Buttons::OkCancel});
    if (answer != Dialogs::Answer::Ok)
        return;
    Model_.NewProject();
    RefreshAll();
}

void frmTilewright::mnuFileLoadProject_Click()
{
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
    const storage::ReadOutcome read = storage::ReadProject(path);
    if (!read.Ok) {
        ShowFileError(read);
        return;
    }
    ApplyProjectRecord(Model_, read.Record, path.toStdString(), storage::FileTitle(path).toStdString());
    RefreshAll();
}

void frmTilewright::mnuFileSaveProject_Click()
{
    const std::optional<QString> path = dialogs_.ChooseProjectFile(this, Dialogs::FileMode::Save);
    if (!path) {
        ShowFileError({});
        return;
    }
    const storage::Outcome saved = storage::SaveProject(*path, Model_);
    if (!saved.Ok) {
        ShowFileError(saved);
        return;
    }
    // Only a file that was written becomes the project file.
    Model_.SetProjectFile(path->toStdString(), storage::FileTitle(*path).toStdString());
    RefreshCaption();
}

void frmTilewright::mnuFileCreateBinary_Click()
{
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
    mnuFile->menuAction()->setEnabled(false);
    mnuHelp->setEnabled(false);
    fmeHelp->show();
    fmeHelp->raise();
    rtbHelp->setPlainText(BuildHelpText());
}

void frmTilewright::cmdCloseHelp_Click()
{
    fmeHelp->hide();
    fmeSpriteGen->raise();
    mnuFile->menuAction()->setEnabled(true);
    mnuHelp->setEnabled(true);
}

void frmTilewright::Form_Terminate()
{
    // Nothing is asked and nothing is saved: no file stays open between
    // commands, so ending the event loop ends the program.
    QCoreApplication::quit();
}

void frmTilewright::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Terminate();
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
