#pragma once

#include <QImage>
#include <QWidget>

#include <array>

#include "cartridge/console_screen.h"
#include "document/project_document.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollArea;

namespace tw::ui {

// The console's own picture of the project, in a window of its own: the
// screen the test cartridge shows, pixel for pixel as MAME draws it (or in the
// colours the editor names), shaped as a TV shows it, and the console
// settings the side file holds. It follows the document live: every edit,
// undo, load and setting shows at once.
class ConsoleView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinZoom = 1, kMaxZoom = 8;

    ConsoleView(document::ProjectDocument& document, QWidget* parent);
    ~ConsoleView() override;

    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    // The picture as shown, one screen pixel a block of the zoom's size.
    const QImage& Picture() const { return picture_; }
    // What the chip is given, as the window shows it to be copied.
    QString ChipBytes() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowDocument(document::Parts parts);
    void ShowPicture();
    void PlaceBeside(const QWidget* editor);

    document::ProjectDocument& document_;
    int zoom_ = kDefaultScreenScale;
    ColourModel colours_ = ColourModel::Mame;
    bool square_ = false;
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
