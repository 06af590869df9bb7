#include "ui/sprite_clipboard.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdlib>
#include <poll.h>
#include <xcb/xcb.h>

#include "model/row_encoding.h"
#include "project/eap_writer.h"

namespace tw::ui {
namespace {

// Qt asks the program that holds the clipboard for its data and waits up to
// five seconds for the answer, in the window's thread: a stopped program would
// freeze the editor that long at each Paste and each grid menu. On X11 the
// sprite is asked for on a connection of our own instead, and an owner that
// has not answered within this time has none.
constexpr int kOwnerAnswerMs = 250;

xcb_atom_t Atom(xcb_connection_t* x, const QByteArray& name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, name.size(), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// The owner's bytes of our sprite type, empty when it has none; nothing when
// the desktop is not X11 and Qt is to be asked.
std::optional<QByteArray> AskX11Owner()
{
    if (!qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return std::nullopt;
    static xcb_connection_t* const x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return std::nullopt;
    static const xcb_atom_t clipboard = Atom(x, "CLIPBOARD"), type = Atom(x, kSpriteMimeType.toLatin1()),
                            property = Atom(x, "TILEWRIGHT_SPRITE");
    static const xcb_window_t window = [] {
        const xcb_window_t id = xcb_generate_id(x);
        xcb_create_window(x, XCB_COPY_FROM_PARENT, id, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        return id;
    }();
    while (xcb_generic_event_t* late = xcb_poll_for_event(x)) // an answer that came after its time
        std::free(late);
    xcb_convert_selection(x, window, clipboard, type, property, XCB_CURRENT_TIME);
    xcb_flush(x);
    QElapsedTimer waited;
    waited.start();
    for (qint64 left = kOwnerAnswerMs; left > 0; left = kOwnerAnswerMs - waited.elapsed()) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const auto notify = *reinterpret_cast<const xcb_selection_notify_event_t*>(event);
            const bool answered = (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY && notify.requestor == window;
            std::free(event);
            if (!answered)
                continue;
            if (notify.property == XCB_NONE)
                return QByteArray();
            xcb_get_property_reply_t* reply =
                xcb_get_property_reply(x, xcb_get_property(x, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 16), nullptr);
            const QByteArray bytes =
                reply ? QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply))
                      : QByteArray();
            std::free(reply);
            return bytes;
        }
        pollfd ready{xcb_get_file_descriptor(x), POLLIN, 0};
        ::poll(&ready, 1, int(left));
    }
    return QByteArray();
}

} // namespace

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
    QClipboard* clipboard = QGuiApplication::clipboard();
    std::optional<QByteArray> bytes = clipboard->ownsClipboard() ? std::nullopt : AskX11Owner();
    if (!bytes) { // ours, or not on X11: Qt has it at hand
        const QMimeData* data = clipboard->mimeData();
        bytes = data ? data->data(kSpriteMimeType) : QByteArray();
    }
    if (bytes->size() != kRows + 1 || std::uint8_t(bytes->at(kRows)) >= kColorCodes)
        return std::nullopt;
    SpriteClip clip;
    for (int r = 0; r < kRows; ++r)
        clip.Rows[r] = std::uint8_t(bytes->at(r));
    clip.Color = std::uint8_t(bytes->at(kRows));
    return clip;
}

} // namespace tw::ui
