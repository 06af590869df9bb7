#include "ui/console_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

#include "sheet/screen_picture.h"
#include "ui/keys.h"
#include "ui/playback_clock.h"
#include "ui/window_placement.h"

namespace tw::ui {
namespace {

// Paints the picture the view keeps, only where asked: the repaint of an
// edit costs no more than the pixels it shows.
class ScreenWidget final : public QWidget {
public:
    ScreenWidget(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QStringLiteral("consoleScreen"));
    }
    QSize sizeHint() const override { return picture_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), picture_, event->rect());
    }

private:
    const QImage& picture_;
};

QString TvCaption(const Named<TvSystem>& tv)
{
    return QStringLiteral("%1, %2 frames a second").arg(QLatin1String(tv.Name.data(), qsizetype(tv.Name.size()))).arg(FrameRate(tv.Value));
}

} // namespace

ConsoleView::ConsoleView(document::ProjectDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), dialogs_(dialogs), settings_(ConsoleViewSettings::Load()),
      clock_(new PlaybackClock(this))
{
    setObjectName(QStringLiteral("consoleView"));
    screen_ = new ScreenWidget(picture_, this);
    scroller_ = new QScrollArea(this);
    scroller_->setWidget(screen_);
    scroller_->setAlignment(Qt::AlignCenter);
    scroller_->viewport()->installEventFilter(this); // Ctrl+wheel zooms

    QWidget* settings = BuildSettings(); // first in the tab order, as they were made first
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroller_, 1);
    layout->addWidget(BuildStrips());
    layout->addWidget(settings);
    BuildKeys();

    connect(clock_, &PlaybackClock::FrameDue, this, [this](long long t) {
        ShowMoment();
        ShowStrips(document::kAllProject);
        Q_EMIT FrameShown(t);
    });
    connect(clock_, &PlaybackClock::Stopped, this, [this] { ShowDocument(document::kAllProject); });
    connect(&document_, &document::ProjectDocument::Changed, this, &ConsoleView::ShowDocument);
    ShowDocument(document::kAllProject);
    if (!restoreGeometry(settings_.Geometry))
        PlaceBeside(parent);
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
        ShowDocument(document::kAllProject); // the strips' colours too
    });

    auto* heights = new QHBoxLayout;
    for (int k = 0; k < kSprites; ++k) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("consoleLines_%1").arg(k));
        box->addItems({QStringLiteral("16 lines"), QStringLiteral("8 lines")});
        connect(box, &QComboBox::activated, this, [this, k](int index) { document_.SetSpriteLines(k, index == 1 ? kShortLines : kTallLines); });
        auto* label = new QLabel(QStringLiteral("Sprite #%1:").arg(k + 1), this);
        label->setBuddy(box);
        heights->addWidget(label);
        heights->addWidget(box);
        lines_[k] = box;
    }
    heights->addStretch();

    bytes_ = new QLineEdit(this);
    bytes_->setObjectName(QStringLiteral("consoleBytes"));
    bytes_->setReadOnly(true);

    auto* settings = new QWidget(this);
    auto* form = new QFormLayout(settings);
    form->setContentsMargins({});
    form->addRow(QStringLiteral("TV:"), tv_);
    form->addRow(QStringLiteral("Colours:"), coloursBox_);
    form->addRow(QString(), squareBox_);
    form->addRow(QStringLiteral("Heights:"), heights);
    form->addRow(QStringLiteral("The chip gets:"), bytes_);
    return settings;
}

QWidget* ConsoleView::BuildStrips()
{
    auto* strips = new QWidget;
    auto* stripRows = new QFormLayout(strips);
    for (int k = 0; k < kSprites; ++k) {
        strips_[k] = new FrameStrip(k, strips);
        connect(strips_[k], &FrameStrip::FrameSelected, &document_, &document::ProjectDocument::SelectFrame);
        connect(strips_[k], &FrameStrip::CommandChosen, this, &ConsoleView::RunCommand);
        stripRows->addRow(QStringLiteral("Sprite #%1:").arg(k + 1), strips_[k]);
    }
    auto* stripScroller = new QScrollArea(this);
    stripScroller->setObjectName(QStringLiteral("frameStrips"));
    stripScroller->setWidget(strips);
    stripScroller->setWidgetResizable(true);
    stripScroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stripScroller->setFixedHeight(strips->sizeHint().height() + stripScroller->horizontalScrollBar()->sizeHint().height() +
                                  2 * stripScroller->frameWidth());
    return stripScroller;
}

void ConsoleView::BuildKeys()
{
    new QShortcut(QKeySequence(Qt::Key_Space), this, this, [this] { Playing() ? Stop() : Play(); });
    // Escape closes the window; zoom by the platform's keys, and always
    // Ctrl+plus, Ctrl+= and Ctrl+minus.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    for (const QKeySequence& key : StandardKeys(QKeySequence::ZoomIn, {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}))
        new QShortcut(key, this, this, [this] { SetZoom(settings_.Zoom + 1); });
    for (const QKeySequence& key : StandardKeys(QKeySequence::ZoomOut, {Qt::CTRL | Qt::Key_Minus}))
        new QShortcut(key, this, this, [this] { SetZoom(settings_.Zoom - 1); });
    // The project's history here as in the editor's window.
    for (const QKeySequence& key : UndoKeys())
        new QShortcut(key, this, this, [this] { document_.Undo(); });
    for (const QKeySequence& key : RedoKeys())
        new QShortcut(key, this, this, [this] { document_.Redo(); });
}

void ConsoleView::PlaceBeside(const QWidget* editor)
{
    // The whole picture with the settings below it, where the screen has room.
    const QSize chrome = sizeHint() - scroller_->sizeHint() + QSize(2, 2) * scroller_->frameWidth();
    resize((picture_.size() + chrome).boundedTo(screen()->availableGeometry().size() * 4 / 5));
    if (!editor)
        return;
    // Until it is shown this window has no frame: the editor's is the best
    // guess, and the first show corrects it.
    const QMargins decoration = FrameMargins(editor->frameGeometry(), editor->geometry());
    move(Beside(editor->frameGeometry(), size().grownBy(decoration), screen()->availableGeometry()));
    placing_ = true;
}

bool ConsoleView::event(QEvent* event)
{
    if (event->type() == QEvent::Show && windowHandle())
        windowHandle()->installEventFilter(this);
    return QWidget::event(event);
}

void ConsoleView::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == settings_.Zoom)
        return;
    settings_.Zoom = zoom;
    ShowPicture();
}

QString ConsoleView::ChipBytes() const { return QString::fromStdString(RegisterText(shows_.Chip)); }

bool ConsoleView::Playing() const { return clock_->Playing(); }

void ConsoleView::ShowDocument(document::Parts parts)
{
    const SpriteProject& project = document_.Project();
    if (parts & document::Part::File) {
        const QString file = QString::fromStdString(project.ProjectFileTitle());
        setWindowTitle(file.isEmpty() ? QStringLiteral("Console View") : file + QStringLiteral(" - Console View"));
    }
    tv_->setCurrentIndex(project.Console.Tv == TvSystem::Pal ? 1 : 0);
    for (int k = 0; k < kSprites; ++k)
        lines_[k]->setCurrentIndex(project.Console.SpriteLines[k] == kShortLines ? 1 : 0);
    clock_->SetFrameRate(FrameRate(project.Console.Tv));
    ShowMoment();
    ShowStrips(parts);
}

void ConsoleView::ShowMoment()
{
    shows_ = ShownAt(document_.Project(), {clock_->Now(), onion_});
    if (const QString bytes = ChipBytes(); bytes_->text() != bytes) {
        bytes_->setText(bytes);
        bytes_->setCursorPosition(0); // from its first register
    }
    ShowPicture();
}

void ConsoleView::ShowPicture()
{
    const ScreenScale scale{settings_.Zoom, settings_.Square ? PixelShape::Square : TvShape(document_.Project().Console.Tv)};
    sheet::DrawScreenImage(RenderConsoleScreen(shows_, settings_.Colours), scale, picture_);
    screen_->resize(picture_.size());
    screen_->update();
}

void ConsoleView::ShowStrips(document::Parts parts)
{
    const SpriteProject& project = document_.Project();
    for (int k = 0; k < kSprites; ++k)
        if (parts & document::SpritePart(k) || parts & document::Part::Shared || Playing())
            strips_[k]->Show(project.Sprites[k], project.EditedFrame[k], Playing() ? std::optional(shows_.Frames[k]) : std::nullopt,
                             ConsoleRgb(project.SpriteFGndColor[k], settings_.Colours), ConsoleRgb(project.ScreenBGndColor, settings_.Colours));
}

void ConsoleView::FocusFrames(int k) { strips_.at(k)->setFocus(Qt::OtherFocusReason); }

void ConsoleView::SetOnion(bool onion)
{
    if (std::exchange(onion_, onion) != onion && !Playing())
        ShowMoment();
}

void ConsoleView::Play() { clock_->Play(FrameRate(document_.Project().Console.Tv)); }

void ConsoleView::Stop() { clock_->Stop(); }

void ConsoleView::RunCommand(int k, FrameStrip::Command command)
{
    switch (command) {
    case FrameStrip::Command::Add: document_.AddFrame(k); break;
    case FrameStrip::Command::Delete: document_.DeleteFrame(k); break;
    case FrameStrip::Command::Earlier: document_.MoveFrame(k, -1); break;
    case FrameStrip::Command::Later: document_.MoveFrame(k, 1); break;
    case FrameStrip::Command::Time:
        if (const std::optional<int> time = dialogs_.AskNumber(this, QStringLiteral("Frame Time"),
                                                               QStringLiteral("Console frames the frame shows (%1 to %2):").arg(kMinFrameTime).arg(kMaxFrameTime),
                                                               document_.Project().Edited(k).Time, kMinFrameTime, kMaxFrameTime))
            document_.SetFrameTime(k, *time);
        break;
    }
}

void ConsoleView::closeEvent(QCloseEvent* event)
{
    Stop();
    settings_.Geometry = saveGeometry();
    settings_.Save();
    QWidget::closeEvent(event);
}

bool ConsoleView::eventFilter(QObject* watched, QEvent* event)
{
    // Once framed, the window placed beside the editor is brought wholly on
    // the screen; later the user places it, partly off the screen if so.
    if (watched == windowHandle() && event->type() == QEvent::Expose && std::exchange(placing_, false))
        QTimer::singleShot(0, this, [this] {
            if (const QScreen* target = screen())
                move(OnScreen(frameGeometry(), target->availableGeometry()));
        });
    if (watched == scroller_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() != 0)
                SetZoom(settings_.Zoom + (wheel->angleDelta().y() > 0 ? 1 : -1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tw::ui
