#include "ui/sprite_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "model/row_encoding.h"
#include "project/eap_writer.h"

namespace tw::ui {

// The eight row bytes, top row first, then the colour code.
void PutSpriteOnClipboard(const SpriteClip& clip)
{
    auto* data = new QMimeData;
    QByteArray bytes(reinterpret_cast<const char*>(clip.Rows.data()), kRows);
    data->setData(kSpriteMimeType, bytes + char(clip.Color));
    std::array<std::string, kRows> rows;
    for (int r = 0; r < kRows; ++r)
        rows[r] = RowText(clip.Rows[r]);
    data->setText(QString::fromStdString(DataLine(rows)));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<SpriteClip> SpriteOnClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QByteArray bytes = data ? data->data(kSpriteMimeType) : QByteArray();
    if (bytes.size() != kRows + 1 || std::uint8_t(bytes[kRows]) >= kColorCodes)
        return std::nullopt;
    SpriteClip clip;
    for (int r = 0; r < kRows; ++r)
        clip.Rows[r] = std::uint8_t(bytes[r]);
    clip.Color = std::uint8_t(bytes[kRows]);
    return clip;
}

} // namespace tw::ui
