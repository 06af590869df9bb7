#include "ui/timeline_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace tw::ui {
namespace {

// "260 console frames, 4.33 s on NTSC"; a long time in minutes and hours.
QString Length(long long frames, TvSystem tv)
{
    const double seconds = double(frames) / FrameRate(tv);
    const long long whole = frames / FrameRate(tv);
    const QString time = seconds < 60 ? QStringLiteral("%1 s").arg(seconds, 0, 'f', 2)
                         : seconds < 3600 ? QStringLiteral("%1 min %2 s").arg(whole / 60).arg(whole % 60)
                                          : QStringLiteral("%1 h %2 min").arg(whole / 3600).arg(whole / 60 % 60);
    return QStringLiteral("%1 console frames, %2 on %3").arg(QLocale::c().toString(frames), time, QLatin1String(NameOf(kTvNames, tv).data()));
}

} // namespace

TimelinePanel::TimelinePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timeline"));
    auto* grid = new QGridLayout(this);
    play_ = new QPushButton(QStringLiteral("Play"), this);
    play_->setObjectName(QStringLiteral("consolePlay"));
    play_->setToolTip(QStringLiteral("Plays the animation at the TV's rate, and stops it (Space)"));
    play_->setFocusPolicy(Qt::TabFocus);
    connect(play_, &QPushButton::clicked, this, &TimelinePanel::PlayClicked);
    onion_ = new QCheckBox(QStringLiteral("Onion Skin"), this);
    onion_->setObjectName(QStringLiteral("consoleOnion"));
    onion_->setToolTip(QStringLiteral("The frame before each edited one, faintly under it (O)"));
    connect(onion_, &QCheckBox::clicked, this, &TimelinePanel::OnionClicked);
    round_ = new QLabel(this);
    round_->setObjectName(QStringLiteral("consoleRound"));
    round_->setWordWrap(true);
    auto* controls = new QHBoxLayout;
    controls->addWidget(play_);
    controls->addWidget(onion_);
    controls->addWidget(round_, 1);
    grid->addLayout(controls, 0, 0, 1, 2);
    for (int k = 0; k < kSprites; ++k) {
        auto* strip = new FrameStrip(k, this);
        connect(strip, &FrameStrip::FrameSelected, this, &TimelinePanel::FrameSelected);
        connect(strip, &FrameStrip::CommandChosen, this, &TimelinePanel::CommandChosen);
        // Each strip scrolls on its own, so that every sprite's selected
        // frame can be in sight at once.
        auto* scroller = new QScrollArea(this);
        scroller->setObjectName(QStringLiteral("frameScroller_%1").arg(k));
        scroller->setWidget(strip);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroller->setFixedHeight(strip->sizeHint().height() + scroller->horizontalScrollBar()->sizeHint().height());
        auto* label = new QLabel(QStringLiteral("Sprite #%1:").arg(k + 1), this);
        label->setBuddy(strip);
        grid->addWidget(label, 1 + k, 0);
        grid->addWidget(scroller, 1 + k, 1);
        strips_[std::size_t(k)] = strip;
        scrollers_[std::size_t(k)] = scroller;
    }
    grid->setColumnStretch(1, 1);
}

void TimelinePanel::Show(const SpriteProject& project, document::Parts parts, const std::optional<FrameChoice>& playing, ColourModel colours)
{
    play_->setText(playing ? QStringLiteral("Stop") : QStringLiteral("Play"));
    round_->setText(QStringLiteral("A round: %1").arg(Length(AnimationRound(project), project.Console.Tv)));
    for (int k = 0; k < kSprites; ++k) {
        if (!(parts & document::SpritePart(k) || parts & document::Part::Shared || playing))
            continue;
        const SpriteState& sprite = project.Sprites[std::size_t(k)];
        FrameStrip* strip = strips_[std::size_t(k)];
        strip->Show(sprite, project.EditedFrame[std::size_t(k)], playing ? std::optional((*playing)[std::size_t(k)]) : std::nullopt,
                    ConsoleRgb(project.SpriteFGndColor[std::size_t(k)], colours), ConsoleRgb(project.ScreenBGndColor, colours));
        strip->setToolTip(QStringLiteral("Sprite #%1: %2 frames, %3").arg(k + 1).arg(sprite.Frames()).arg(Length(sprite.TotalTime(), project.Console.Tv)));
        const QRect shown = strip->FrameRect(playing ? (*playing)[std::size_t(k)] : project.EditedFrame[std::size_t(k)]);
        scrollers_[std::size_t(k)]->ensureVisible(shown.center().x(), shown.center().y(), shown.width(), 0);
    }
}

void TimelinePanel::ShowOnion(bool onion) { onion_->setChecked(onion); }

} // namespace tw::ui
