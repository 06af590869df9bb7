#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "console/collisions.h"
#include "console/renderer.h"
#include "document/project_document.h"
#include "ui/console_picture.h"
#include "ui/console_view_settings.h"
#include "ui/dialogs.h"
#include "ui/frame_strip.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QScrollArea;
class QSplitter;
class QTabWidget;

namespace tw::ui {

class PlaybackClock;
class ScenePanel;
class TimelinePanel;

// The console's own picture of the project, in a window of its own: the
// screen the test cartridge shows, pixel for pixel as MAME draws it (or in
// the colours the editor names), shaped as a TV shows it, and where the
// scene is designed. It follows the document live: every edit, undo, load
// and setting shows at once. At rest it shows the frame of each sprite that
// is edited; Play animates at the TV's rate.
//
// Its tabs: the frames of each sprite in a timeline, the scene's tools, the
// console's settings. The registers the program reads back (collisions)
// show under the picture, and on it as an overlay.
class ConsoleView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinZoom = ConsoleViewSettings::kMinZoom, kMaxZoom = ConsoleViewSettings::kMaxZoom;

    ConsoleView(document::ProjectDocument& document, Dialogs& dialogs, QWidget* parent);
    ~ConsoleView() override;

    // The editor's own actions (Save, Load, Exit, Help...), whose keys then
    // work here as in the editor.
    void AddEditorActions(const QList<QAction*>& actions);
    // Places the view beside the editor where neither covers the other;
    // the editor moves to the screen's edge if it must.
    void ArrangeBeside(QWidget* editor);
    bool HasPlace() const { return !settings_.Geometry.isEmpty(); }

    int Zoom() const { return settings_.Zoom; }
    // Zooms keeping console point `keep` where it is in the view (none: the
    // middle of the view).
    void SetZoom(int zoom, std::optional<QPoint> keep = std::nullopt);
    // The largest zoom that shows the whole picture in the room there is.
    void FitZoom();
    // The frames before the edited ones, faintly under them (not while playing).
    void SetOnion(bool onion);
    bool Onion() const { return onion_; }
    // The four sprites animate together, each through its frames and times,
    // from console frame 0, round and round.
    void Play();
    void Stop();
    bool Playing() const;
    // Gives sprite k's strip of frames the keys.
    void FocusFrames(int k);
    // The picture as shown, one screen pixel a block of the zoom's size.
    const QImage& Picture() const { return picture_; }
    ConsolePicture* Screen() const { return screen_; }
    // What the chip is given, as the window shows it to be copied.
    QString ChipBytes() const;
    // The collision registers and what touches, as the readout shows them.
    QString CollisionText() const;

Q_SIGNALS:
    // The picture now shows console frame `t` of the animation.
    void FrameShown(long long t);
    void RunInMameChosen();
    void EditorChosen();
    void OnionChosen(bool onion);
    void ImportShapesChosen();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenuBar* BuildMenus();
    QWidget* BuildSettings();
    void ConnectScreen();
    void ConnectScene();
    void ShowDocument(document::Parts parts);
    // Works out what the console shows now, once, and shows it.
    void ShowMoment();
    void ShowPicture();
    void RunCommand(int k, FrameStrip::Command command);
    void SetTool(ConsolePicture::Tool tool);
    void CopyCells(bool screen);
    void FillSelection(std::uint8_t byte);
    void SaveAnimation();
    // Frames the picture on what it holds: the field and the sprites.
    void FitSplit();
    void FrameOnScene();

    document::ProjectDocument& document_;
    Dialogs& dialogs_;
    ConsoleViewSettings settings_;
    bool onion_ = false;
    bool overlay_ = false;
    bool strokeSets_ = false; // what a stroke on a user-defined character makes its blocks
    PlaybackClock* clock_;
    ConsoleShows shows_;
    Collisions collisions_;
    bool placing_ = false; // placed, not yet framed
    bool framed_ = false;  // the picture framed on the scene once shown
    QImage picture_;
    ConsolePicture* screen_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QLabel* readout_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QSplitter* split_ = nullptr;
    TimelinePanel* timeline_ = nullptr;
    ScenePanel* scene_ = nullptr;
    QComboBox* tv_ = nullptr;
    QCheckBox* squareBox_ = nullptr;
    QComboBox* coloursBox_ = nullptr;
    std::array<QComboBox*, kSprites> lines_{};
    QLineEdit* bytes_ = nullptr;
    QAction* playAction_ = nullptr;
    QAction* onionAction_ = nullptr;
    QAction* overlayAction_ = nullptr;
    std::array<QAction*, 5> toolActions_{};
};

} // namespace tw::ui
