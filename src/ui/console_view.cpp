#include "ui/console_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

#include "console/screen_geometry.h"
#include "model/row_encoding.h"
#include "sheet/screen_picture.h"
#include "ui/menu_bar_keys.h"
#include "ui/playback_clock.h"
#include "ui/scene_panel.h"
#include "ui/timeline_panel.h"
#include "ui/window_placement.h"

namespace tw::ui {
namespace {

QString TvCaption(const Named<TvSystem>& tv)
{
    return QStringLiteral("%1, %2 frames a second").arg(QLatin1String(tv.Name.data(), qsizetype(tv.Name.size()))).arg(FrameRate(tv.Value));
}

// A page that scrolls where the window is too small for it, so that the
// window fits any screen whole.
QScrollArea* Scrolled(QWidget* page)
{
    auto* scroller = new QScrollArea;
    scroller->setWidget(page);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    return scroller;
}

} // namespace

ConsoleView::ConsoleView(document::ProjectDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), dialogs_(dialogs), settings_(ConsoleViewSettings::Load()),
      clock_(new PlaybackClock(this))
{
    setObjectName(QStringLiteral("consoleView"));
    screen_ = new ConsolePicture(this);
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("consoleScroller"));
    scroller_->setWidget(screen_);
    scroller_->setAlignment(Qt::AlignCenter);
    scroller_->setMinimumSize(120, 80);
    scroller_->viewport()->installEventFilter(this); // Ctrl+wheel zooms
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("consoleCollisions"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout_->setWordWrap(true);
    readout_->setToolTip(QStringLiteral("What a program reads from the collision registers at this moment: 0x19FC (each sprite against "
                                        "characters) and 0x19FD (each pair of sprites), a clear bit for each that touches"));
    timeline_ = new TimelinePanel(this);
    scene_ = new ScenePanel(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("consoleTabs"));
    tabs_->addTab(Scrolled(timeline_), QStringLiteral("Frames"));
    tabs_->addTab(Scrolled(scene_), QStringLiteral("Scene"));
    tabs_->addTab(Scrolled(BuildSettings()), QStringLiteral("Console"));
    // The picture over the rest, the split the user's to move: on a small
    // screen the picture comes first (FitSplit).
    auto* rest = new QWidget(this);
    auto* restLayout = new QVBoxLayout(rest);
    restLayout->setContentsMargins({});
    restLayout->addWidget(readout_);
    restLayout->addWidget(tabs_);
    split_ = new QSplitter(Qt::Vertical, this);
    split_->setObjectName(QStringLiteral("consoleSplit"));
    split_->setChildrenCollapsible(false);
    split_->addWidget(scroller_);
    split_->addWidget(rest);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(BuildMenus());
    layout->addWidget(split_);

    connect(clock_, &PlaybackClock::FrameDue, this, [this](long long t) {
        ShowMoment();
        timeline_->Show(document_.Project(), document::kAllProject, shows_.Frames, settings_.Colours);
        Q_EMIT FrameShown(t);
    });
    connect(clock_, &PlaybackClock::Stopped, this, [this] { ShowDocument(document::kAllProject); });
    connect(timeline_, &TimelinePanel::PlayClicked, this, [this] { Playing() ? Stop() : Play(); });
    connect(timeline_, &TimelinePanel::OnionClicked, this, &ConsoleView::OnionChosen);
    connect(timeline_, &TimelinePanel::FrameSelected, &document_, &document::ProjectDocument::SelectFrame);
    connect(timeline_, &TimelinePanel::CommandChosen, this, &ConsoleView::RunCommand);
    ConnectScreen();
    ConnectScene();
    connect(&document_, &document::ProjectDocument::Changed, this, &ConsoleView::ShowDocument);
    ShowDocument(document::kAllProject);
    if (restoreGeometry(settings_.Geometry))
        placing_ = true; // brought wholly on the screen once framed
}

ConsoleView::~ConsoleView() = default;

QWidget* ConsoleView::BuildSettings()
{
    tv_ = new QComboBox(this);
    tv_->setObjectName(QStringLiteral("consoleTv"));
    for (const Named<TvSystem>& tv : kTvNames)
        tv_->addItem(TvCaption(tv));
    connect(tv_, &QComboBox::activated, this, [this](int index) { document_.SetTv(kTvNames.at(std::size_t(index)).Value); });
    squareBox_ = new QCheckBox(QStringLiteral("Square pixels"), this);
    squareBox_->setObjectName(QStringLiteral("consoleSquare"));
    squareBox_->setChecked(settings_.Square);
    connect(squareBox_, &QCheckBox::clicked, this, [this](bool checked) {
        settings_.Square = checked;
        ShowPicture();
    });
    coloursBox_ = new QComboBox(this);
    coloursBox_->setObjectName(QStringLiteral("consoleColours"));
    coloursBox_->addItems({QStringLiteral("As MAME shows them"), QStringLiteral("As the editor names them")});
    coloursBox_->setCurrentIndex(settings_.Colours == ColourModel::Names ? 1 : 0);
    connect(coloursBox_, &QComboBox::activated, this, [this](int index) {
        settings_.Colours = index == 1 ? ColourModel::Names : ColourModel::Mame;
        ShowDocument(document::kAllProject); // the strips' and the scene's colours too
    });
    auto* heights = new QHBoxLayout;
    for (int k = 0; k < kSprites; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("consoleLines_%1").arg(k));
        box->addItems({QStringLiteral("16 lines"), QStringLiteral("8 lines")});
        connect(box, &QComboBox::activated, this, [this, k](int index) { document_.SetSpriteLines(k, index == 1 ? kShortLines : kTallLines); });
        auto* label = new QLabel(QStringLiteral("#%1").arg(k + 1), this);
        label->setBuddy(box);
        heights->addWidget(label);
        heights->addWidget(box);
        lines_[std::size_t(k)] = box;
    }
    heights->addStretch();
    bytes_ = new QLineEdit(this);
    bytes_->setObjectName(QStringLiteral("consoleBytes"));
    bytes_->setReadOnly(true);
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("TV:"), tv_);
    form->addRow(QStringLiteral("Colours:"), coloursBox_);
    form->addRow(QString(), squareBox_);
    form->addRow(QStringLiteral("Heights:"), heights);
    form->addRow(QStringLiteral("The chip gets:"), bytes_);
    return page;
}

bool ConsoleView::event(QEvent* event)
{
    if (event->type() == QEvent::Show && windowHandle())
        windowHandle()->installEventFilter(this);
    return QWidget::event(event);
}

void ConsoleView::ArrangeBeside(QWidget* editor)
{
    const QScreen* target = editor->screen();
    if (!target)
        return;
    // Until it is shown this window has no frame: the editor's is the best
    // guess, and the first show corrects it.
    const QMargins frame = FrameMargins(editor->frameGeometry(), editor->geometry());
    // The picture takes the width it needs and the height the rest leaves;
    // the rest is as tall as its size hint and as wide as its least width.
    layout()->activate();
    const QMargins margins = layout()->contentsMargins();
    const int restHeight = layout()->sizeHint().height() - scroller_->sizeHint().height();
    const auto viewAt = [&](int zoom) {
        const ScreenScale scale{zoom, settings_.Square ? PixelShape::Square : TvShape(document_.Project().Console.Tv)};
        const int edges = 2 * scroller_->frameWidth() + 2; // and a pixel to spare, or the picture scrolls
        const QSize size(std::max(layout()->minimumSize().width(), scale.Width() + edges + margins.left() + margins.right()),
                         restHeight + scale.Height() + edges);
        return size.grownBy(frame);
    };
    const SideBySide arranged = ArrangeSideBySide(editor->frameGeometry(), target->availableGeometry(), settings_.Zoom, viewAt);
    editor->move(arranged.Editor);
    SetZoom(arranged.Zoom);
    resize(arranged.View.size().shrunkBy(frame));
    move(arranged.View.topLeft());
    placing_ = true;
}

void ConsoleView::SetZoom(int zoom, std::optional<QPoint> keep)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == settings_.Zoom)
        return;
    // The console point to keep in place, and where in the viewport it is.
    const QPoint middle(scroller_->viewport()->width() / 2, scroller_->viewport()->height() / 2);
    const QPoint inView = keep ? screen_->mapTo(scroller_->viewport(), screen_->PixelRect(keep->x(), keep->y()).center()) : middle;
    const QPoint console = keep.value_or(screen_->ConsolePoint(screen_->mapFrom(scroller_->viewport(), middle)));
    settings_.Zoom = zoom;
    ShowPicture();
    const QPoint now = screen_->PixelRect(console.x(), console.y()).center();
    scroller_->horizontalScrollBar()->setValue(now.x() - inView.x());
    scroller_->verticalScrollBar()->setValue(now.y() - inView.y());
}

void ConsoleView::FitZoom()
{
    const QSize room = scroller_->viewport()->size();
    int zoom = kMinZoom;
    for (int z = kMaxZoom; z > kMinZoom; --z) {
        const ScreenScale scale{z, settings_.Square ? PixelShape::Square : TvShape(document_.Project().Console.Tv)};
        if (scale.Width() <= room.width() && scale.Height() <= room.height()) {
            zoom = z;
            break;
        }
    }
    SetZoom(zoom);
}

void ConsoleView::FitSplit()
{
    // The picture as tall as it is where there is room, else at least most
    // of the window; the rest scrolls inside its tabs.
    const QList<int> sizes = split_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int wanted = screen_->height() + 2 * scroller_->frameWidth() + 2;
    const int picture = std::min(wanted, std::max(total - split_->widget(1)->sizeHint().height(), total * 3 / 5));
    split_->setSizes({picture, total - picture});
}

void ConsoleView::FrameOnScene()
{
    // The field and the sprites where they are drawn: what holds anything
    // but the border. Where the room is smaller, the sprites, centred.
    const ChipState& chip = shows_.Chip;
    const QRect screen(0, 0, kScreenWidth, kScreenLines);
    QRect sprites, scene(kFieldLeft, FieldTopLine(chip), kFieldColumns * kCellWidth, kFieldRows * CellLines(chip));
    for (int k = 0; k < kSprites; ++k)
        if (const SpritePlace place = PlaceOf(chip, k); place.Drawn)
            sprites = sprites.united(QRect(place.Left, place.Top, kRowWidth, place.Lines));
    const QSize room = scroller_->viewport()->size();
    QRect shown = screen_->WidgetRect(scene.united(sprites).intersected(screen));
    if ((shown.width() > room.width() || shown.height() > room.height()) && !sprites.intersected(screen).isEmpty())
        shown = screen_->WidgetRect(sprites.intersected(screen));
    scroller_->ensureVisible(shown.center().x(), shown.center().y(), std::min(shown.width(), room.width()) / 2,
                             std::min(shown.height(), room.height()) / 2);
}

QString ConsoleView::ChipBytes() const { return QString::fromStdString(RegisterText(shows_.Chip)); }

bool ConsoleView::Playing() const { return clock_->Playing(); }

void ConsoleView::ShowDocument(document::Parts parts)
{
    const SpriteProject& project = document_.Project();
    if (parts & (document::Part::File | document::Part::Modified)) {
        const QString file = QString::fromStdString(project.ProjectFileTitle());
        // The editor's [*]: unsaved changes show here too.
        setWindowTitle(file.isEmpty() ? QStringLiteral("Console View[*]")
                                      : QString(file).replace(QLatin1String("[*]"), QLatin1String("[*][*]")) + QStringLiteral("[*] - Console View"));
        setWindowModified(document_.IsModified());
    }
    tv_->setCurrentIndex(project.Console.Tv == TvSystem::Pal ? 1 : 0);
    for (int k = 0; k < kSprites; ++k)
        lines_[std::size_t(k)]->setCurrentIndex(project.Console.SpriteLines[std::size_t(k)] == kShortLines ? 1 : 0);
    clock_->SetFrameRate(FrameRate(project.Console.Tv));
    ShowMoment();
    timeline_->Show(project, parts, Playing() ? std::optional(shows_.Frames) : std::nullopt, settings_.Colours);
}

void ConsoleView::ShowMoment()
{
    const SpriteProject& project = document_.Project();
    shows_ = ShownAt(project, {clock_->Now(), onion_});
    collisions_ = CollisionsOf(shows_);
    if (const QString bytes = ChipBytes(); bytes_->text() != bytes) {
        bytes_->setText(bytes);
        bytes_->setCursorPosition(0); // from its first register
    }
    readout_->setText(CollisionText());
    screen_->ShowCollisions(overlay_ ? std::optional(collisions_.Pixels) : std::nullopt);
    scene_->Show(project, shows_, settings_.Colours);
    ShowPicture();
}

QString ConsoleView::CollisionText() const
{
    QStringList touches;
    for (int k = 0; k < kSprites; ++k)
        if (collisions_.TouchesCharacters(k))
            touches << QStringLiteral("sprite %1 touches characters").arg(k + 1);
    for (int p = 0; p < kSpritePairs; ++p)
        if (collisions_.PairTouches(p))
            touches << QStringLiteral("sprites %1 and %2 touch").arg(kPairSprites[std::size_t(p)][0] + 1).arg(kPairSprites[std::size_t(p)][1] + 1);
    const auto hex = [](std::uint8_t byte) { return QString::number(byte, 16).toUpper().rightJustified(2, u'0'); };
    return QStringLiteral("19FC=%1 19FD=%2: %3")
        .arg(hex(collisions_.Characters), hex(collisions_.Pairs),
             touches.isEmpty() ? QStringLiteral("nothing touches") : touches.join(QStringLiteral(", ")));
}

void ConsoleView::ShowPicture()
{
    const ScreenScale scale{settings_.Zoom, settings_.Square ? PixelShape::Square : TvShape(document_.Project().Console.Tv)};
    sheet::DrawScreenImage(RenderConsoleScreen(shows_, settings_.Colours), scale, picture_);
    screen_->Show(picture_, scale, shows_);
}

void ConsoleView::FocusFrames(int k)
{
    tabs_->setCurrentIndex(0);
    timeline_->Strip(k)->setFocus(Qt::OtherFocusReason);
}

void ConsoleView::SetOnion(bool onion)
{
    timeline_->ShowOnion(onion);
    if (onionAction_)
        onionAction_->setChecked(onion);
    if (std::exchange(onion_, onion) != onion && !Playing())
        ShowMoment();
}

void ConsoleView::Play() { clock_->Play(FrameRate(document_.Project().Console.Tv)); }

void ConsoleView::Stop() { clock_->Stop(); }

void ConsoleView::closeEvent(QCloseEvent* event)
{
    Stop();
    settings_.Geometry = saveGeometry();
    settings_.Save();
    QWidget::closeEvent(event);
}

bool ConsoleView::eventFilter(QObject* watched, QEvent* event)
{
    // Once framed, the window is brought wholly on the screen, and the
    // picture framed on the scene; later the user places the window,
    // partly off the screen if so.
    if (watched == windowHandle() && event->type() == QEvent::Expose && std::exchange(placing_, false))
        QTimer::singleShot(0, this, [this] {
            if (const QScreen* target = screen())
                move(OnScreen(frameGeometry(), target->availableGeometry()));
            FitSplit();
            FrameOnScene();
        });
    if (watched == scroller_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const QPoint under = screen_->ConsolePoint(screen_->mapFrom(scroller_->viewport(), wheel->position().toPoint()));
            if (wheel->angleDelta().y() != 0)
                SetZoom(settings_.Zoom + (wheel->angleDelta().y() > 0 ? 1 : -1), under);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tw::ui
