// The editor's window and the bytes of other files: shapes imported from any
// binary, a sprite copied as text for other tools.
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

#include "project/exports.h"
#include "ui/block_grid.h"
#include "ui/frm_tilewright.h"
#include "ui/shapes_window.h"
#include "ui/sprite_panel.h"
#include "ui/window_placement.h"

namespace tw::ui {

void frmTilewright::picSpriteBlock_CopyAs(int Index, ExportForm form)
{
    const LabelledBlocks frame{EditedFrameBlock(document_->Project(), Index)};
    const std::string text = form == ExportForm::Raw ? RawHexText(frame) : Export(frame, form);
    // Text on the desktop's clipboard has the desktop's line ends.
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), qsizetype(text.size())).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void frmTilewright::ImportShapes()
{
    for (int k = 0; k < kSprites; ++k)
        if (fmeSprite[k]->Grid()->hasFocus())
            return ImportShapesFor(k);
    ImportShapesFor(-1);
}

void frmTilewright::ImportShapesFor(int k)
{
    const std::optional<QString> path = dialogs_.ChooseBinaryFile(this, shapesWindow_ ? shapesWindow_->File() : QString());
    if (!path)
        return;
    // Made when first asked for: most sessions never open it.
    const bool first = !shapesWindow_;
    if (first)
        shapesWindow_ = new ShapesWindow(*document_, this);
    if (const storage::Outcome opened = shapesWindow_->Open(*path); !opened.Ok)
        return ShowFileError(opened, *path);
    // Beside the editor, as the Console View first is; the editor's frame is
    // the best guess for its own until it is shown.
    if (first && screen()) {
        shapesWindow_->adjustSize();
        const QSize framed = shapesWindow_->size().grownBy(FrameMargins(frameGeometry(), geometry()));
        shapesWindow_->move(Beside(frameGeometry(), framed, screen()->availableGeometry()));
    }
    if (k >= 0)
        shapesWindow_->SetTarget(k);
    shapesWindow_->show();
    shapesWindow_->raise();
    shapesWindow_->activateWindow();
    shapesWindow_->Grid()->setFocus(Qt::OtherFocusReason);
}

} // namespace tw::ui
