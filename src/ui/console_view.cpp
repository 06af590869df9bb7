#include "ui/console_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

#include "sheet/screen_picture.h"
#include "ui/keys.h"

namespace tw::ui {
namespace {

// Where the window keeps what it remembers between runs.
const QString kGeometryKey = QStringLiteral("ConsoleView/geometry");
const QString kZoomKey = QStringLiteral("ConsoleView/zoom");
const QString kColoursKey = QStringLiteral("ConsoleView/colours");
const QString kSquareKey = QStringLiteral("ConsoleView/square");

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

QString Hex(int value, int digits) { return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper(); }

} // namespace

ConsoleView::ConsoleView(document::ProjectDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), dialogs_(dialogs), ticker_(new QTimer(this))
{
    setObjectName(QStringLiteral("consoleView"));
    const QSettings settings(QStringLiteral("Tilewright"), QStringLiteral("Tilewright"));
    zoom_ = std::clamp(settings.value(kZoomKey, kDefaultScreenScale).toInt(), kMinZoom, kMaxZoom);
    colours_ = settings.value(kColoursKey).toString() == QLatin1String("names") ? ColourModel::Names : ColourModel::Mame;
    square_ = settings.value(kSquareKey, false).toBool();

    screen_ = new ScreenWidget(picture_, this);
    scroller_ = new QScrollArea(this);
    scroller_->setWidget(screen_);
    scroller_->setAlignment(Qt::AlignCenter);
    scroller_->viewport()->installEventFilter(this); // Ctrl+wheel zooms

    tv_ = new QComboBox(this);
    tv_->setObjectName(QStringLiteral("consoleTv"));
    tv_->addItems({QStringLiteral("NTSC, 60 frames a second"), QStringLiteral("PAL, 50 frames a second")});
    connect(tv_, &QComboBox::activated, this, [this](int index) { document_.SetTv(index == 1 ? TvSystem::Pal : TvSystem::Ntsc); });
    squareBox_ = new QCheckBox(QStringLiteral("Square pixels"), this);
    squareBox_->setObjectName(QStringLiteral("consoleSquare"));
    squareBox_->setChecked(square_);
    connect(squareBox_, &QCheckBox::clicked, this, [this](bool checked) {
        square_ = checked;
        ShowPicture();
    });
    coloursBox_ = new QComboBox(this);
    coloursBox_->setObjectName(QStringLiteral("consoleColours"));
    coloursBox_->addItems({QStringLiteral("As MAME shows them"), QStringLiteral("As the editor names them")});
    coloursBox_->setCurrentIndex(colours_ == ColourModel::Names ? 1 : 0);
    connect(coloursBox_, &QComboBox::activated, this, [this](int index) {
        colours_ = index == 1 ? ColourModel::Names : ColourModel::Mame;
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

    // Played by a clock, not by counting ticks: a late tick shows the frame
    // that is due, never an old one.
    ticker_->setTimerType(Qt::PreciseTimer);
    ticker_->setInterval(2);
    connect(ticker_, &QTimer::timeout, this, &ConsoleView::PlayOn);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("TV:"), tv_);
    form->addRow(QStringLiteral("Colours:"), coloursBox_);
    form->addRow(QString(), squareBox_);
    form->addRow(QStringLiteral("Heights:"), heights);
    form->addRow(QStringLiteral("The chip gets:"), bytes_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroller_, 1);
    layout->addWidget(stripScroller);
    layout->addLayout(form);
    new QShortcut(QKeySequence(Qt::Key_Space), this, this, [this] { Playing() ? Stop() : Play(); });

    // Escape closes the window; zoom by the platform's keys, and always
    // Ctrl+plus, Ctrl+= and Ctrl+minus.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    for (const QKeySequence& key : StandardKeys(QKeySequence::ZoomIn, {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}))
        new QShortcut(key, this, this, [this] { SetZoom(zoom_ + 1); });
    for (const QKeySequence& key : StandardKeys(QKeySequence::ZoomOut, {Qt::CTRL | Qt::Key_Minus}))
        new QShortcut(key, this, this, [this] { SetZoom(zoom_ - 1); });
    // The project's history here as in the editor's window.
    for (const QKeySequence& key : UndoKeys())
        new QShortcut(key, this, this, [this] { document_.Undo(); });
    for (const QKeySequence& key : RedoKeys())
        new QShortcut(key, this, this, [this] { document_.Redo(); });

    connect(&document_, &document::ProjectDocument::Changed, this, &ConsoleView::ShowDocument);
    ShowDocument(document::kAllProject);
    if (!restoreGeometry(settings.value(kGeometryKey).toByteArray()))
        PlaceBeside(parent);
}

void ConsoleView::PlaceBeside(const QWidget* editor)
{
    // The whole picture with the settings below it, where the screen has room.
    const QSize chrome = sizeHint() - scroller_->sizeHint() + QSize(2, 2) * scroller_->frameWidth();
    resize((picture_.size() + chrome).boundedTo(screen()->availableGeometry().size() * 4 / 5));
    if (!editor)
        return;
    // On the side of the editor with more room, its top level with the
    // editor's, and on the screen. Until it is shown this window has no
    // frame: the editor's is the best guess, and the first show corrects it.
    const QRect beside = editor->frameGeometry(), inside = editor->geometry();
    const QMargins decoration(inside.left() - beside.left(), inside.top() - beside.top(), beside.right() - inside.right(),
                              beside.bottom() - inside.bottom());
    const QSize framed = size().grownBy(decoration);
    const QRect area = screen()->availableGeometry();
    const bool right = area.right() - beside.right() >= beside.left() - area.left();
    move(OnScreen(QRect(QPoint(right ? beside.right() + 1 : beside.left() - framed.width(), beside.top()), framed), area));
    placing_ = true;
}

QPoint ConsoleView::OnScreen(const QRect& frame, const QRect& area)
{
    // Where the frame is wholly on the screen if it can be, else its top left.
    return {std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
            std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}

bool ConsoleView::event(QEvent* event)
{
    if (event->type() == QEvent::Show && windowHandle())
        windowHandle()->installEventFilter(this);
    return QWidget::event(event);
}

ConsoleView::~ConsoleView() = default;

void ConsoleView::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    ShowPicture();
}

QString ConsoleView::ChipBytes() const
{
    const ChipState chip = ChipStateOf(document_.Project());
    QStringList bytes{Hex(kScreenRegister, 4) + u'=' + Hex(chip.Screen, 2)};
    bytes << Hex(kPairRegisters[1], 4) + u'=' + Hex(chip.Pairs[1], 2) << Hex(kPairRegisters[0], 4) + u'=' + Hex(chip.Pairs[0], 2);
    for (int i = 0; i < int(chip.Positions.size()); ++i)
        bytes << Hex(kPositionRegisters + i, 4) + u'=' + Hex(chip.Positions[std::size_t(i)], 2);
    return bytes.join(u' ');
}

void ConsoleView::ShowDocument(document::Parts parts)
{
    const SpriteProject& project = document_.Project();
    if (parts & document::Part::File) {
        const QString file = QString::fromStdString(project.ProjectFileTitle());
        setWindowTitle(file.isEmpty() ? QStringLiteral("Console View") : file + QStringLiteral(" - Console View"));
    }
    tv_->setCurrentIndex(project.Console.Tv == TvSystem::Pal ? 1 : 0);
    for (int k = 0; k < kSprites; ++k)
        if (parts & document::SpritePart(k) || parts & document::Part::Shared)
            strips_[k]->Show(project.Sprites[k], project.EditedFrame[k], std::nullopt,
                             ConsoleRgb(project.SpriteFGndColor[k], colours_), ConsoleRgb(project.ScreenBGndColor, colours_));
    for (int k = 0; k < kSprites; ++k)
        lines_[k]->setCurrentIndex(project.Console.SpriteLines[k] == kShortLines ? 1 : 0);
    if (const QString bytes = ChipBytes(); bytes_->text() != bytes) {
        bytes_->setText(bytes);
        bytes_->setCursorPosition(0); // from its first register
    }
    if (!played_)
        ShowPicture(); // while playing, the next frame due shows the edit
}

void ConsoleView::ShowPicture()
{
    const SpriteProject& project = document_.Project();
    const ScreenScale scale{zoom_, square_ ? PixelShape::Square : TvShape(project.Console.Tv)};
    ConsoleScreen screen;
    if (played_) {
        // Exactly what screen --at T draws.
        screen = RenderConsoleScreen(ChipStateOf(project, FramesAt(project, *played_)), colours_);
    } else {
        // The frames edited; under the onion skin the frames before them,
        // for the sprites that have one.
        std::optional<ChipState> onion;
        FrameChoice before{};
        for (int k = 0; k < kSprites; ++k)
            before[k] = std::max(project.EditedFrame[k] - 1, 0);
        if (onion_) {
            onion = ChipStateOf(project, before);
            for (int k = 0; k < kSprites; ++k)
                if (project.EditedFrame[k] == 0)
                    std::fill_n(onion->Shapes.begin() + kRows * k, kRows, std::uint8_t(0));
        }
        screen = RenderConsoleScreen(ChipStateOf(project, project.EditedFrame), colours_, onion ? &*onion : nullptr);
    }
    sheet::DrawScreenImage(screen, scale, picture_);
    screen_->resize(picture_.size());
    screen_->update();
}

void ConsoleView::FocusFrames(int k) { strips_.at(k)->setFocus(Qt::OtherFocusReason); }

void ConsoleView::SetOnion(bool onion)
{
    if (std::exchange(onion_, onion) != onion && !played_)
        ShowPicture();
}

void ConsoleView::Play()
{
    played_ = 0;
    clock_.start();
    ticker_->start();
    ShowPicture();
    Q_EMIT FrameShown(0);
}

void ConsoleView::Stop()
{
    ticker_->stop();
    played_.reset();
    ShowDocument(document::kAllProject);
}

void ConsoleView::PlayOn()
{
    const SpriteProject& project = document_.Project();
    const long long t = clock_.nsecsElapsed() * FrameRate(project.Console.Tv) / 1'000'000'000;
    if (t == played_)
        return;
    played_ = t;
    ShowPicture();
    const FrameChoice frames = FramesAt(project, t);
    for (int k = 0; k < kSprites; ++k)
        strips_[k]->Show(project.Sprites[k], project.EditedFrame[k], frames[k], ConsoleRgb(project.SpriteFGndColor[k], colours_),
                         ConsoleRgb(project.ScreenBGndColor, colours_));
    Q_EMIT FrameShown(t);
}

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
    QSettings settings(QStringLiteral("Tilewright"), QStringLiteral("Tilewright"));
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kZoomKey, zoom_);
    settings.setValue(kColoursKey, colours_ == ColourModel::Names ? QStringLiteral("names") : QStringLiteral("mame"));
    settings.setValue(kSquareKey, square_);
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
                SetZoom(zoom_ + (wheel->angleDelta().y() > 0 ? 1 : -1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tw::ui
