#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "console/renderer.h"
#include "document/project_document.h"
#include "ui/console_view_settings.h"
#include "ui/dialogs.h"
#include "ui/frame_strip.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollArea;

namespace tw::ui {

class PlaybackClock;

// The console's own picture of the project, in a window of its own: the
// screen the test cartridge shows, pixel for pixel as MAME draws it (or in the
// colours the editor names), shaped as a TV shows it, and the console
// settings the side file holds. It follows the document live: every edit,
// undo, load and setting shows at once. At rest it shows the frame of each
// sprite that is edited; Space plays the animation at the TV's rate.
//
// Under the picture each sprite's frames stand in a strip: selecting one
// makes the design panel edit it; its keys and context menu add, delete,
// move and time frames.
class ConsoleView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinZoom = ConsoleViewSettings::kMinZoom, kMaxZoom = ConsoleViewSettings::kMaxZoom;

    ConsoleView(document::ProjectDocument& document, Dialogs& dialogs, QWidget* parent);
    ~ConsoleView() override;

    int Zoom() const { return settings_.Zoom; }
    void SetZoom(int zoom);
    // The frames before the edited ones, faintly under them (not while playing).
    void SetOnion(bool onion);
    // Space: the four sprites animate together, each through its frames and
    // times, from console frame 0, round and round.
    void Play();
    void Stop();
    bool Playing() const;
    // Gives sprite k's strip of frames the keys.
    void FocusFrames(int k);
    // The picture as shown, one screen pixel a block of the zoom's size.
    const QImage& Picture() const { return picture_; }
    // What the chip is given, as the window shows it to be copied.
    QString ChipBytes() const;

Q_SIGNALS:
    // The picture now shows console frame `t` of the animation.
    void FrameShown(long long t);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSettings();
    QWidget* BuildStrips();
    void BuildKeys();
    void ShowDocument(document::Parts parts);
    // Works out what the console shows now, once, and shows it.
    void ShowMoment();
    void ShowPicture();
    void ShowStrips(document::Parts parts);
    void PlaceBeside(const QWidget* editor);
    void RunCommand(int k, FrameStrip::Command command);

    document::ProjectDocument& document_;
    Dialogs& dialogs_;
    ConsoleViewSettings settings_;
    bool onion_ = false;
    PlaybackClock* clock_;
    ConsoleShows shows_;
    std::array<FrameStrip*, kSprites> strips_{};
    bool placing_ = false; // placed beside the editor, not yet framed
    QImage picture_;
    QWidget* screen_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QComboBox* tv_ = nullptr;
    QCheckBox* squareBox_ = nullptr;
    QComboBox* coloursBox_ = nullptr;
    std::array<QComboBox*, kSprites> lines_{};
    QLineEdit* bytes_ = nullptr;
};

} // namespace tw::ui
