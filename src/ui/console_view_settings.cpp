#include "ui/console_view_settings.h"

#include <QSettings>

#include <algorithm>

namespace tw::ui {
namespace {

const QString kGeometryKey = QStringLiteral("ConsoleView/geometry");
const QString kZoomKey = QStringLiteral("ConsoleView/zoom");
const QString kColoursKey = QStringLiteral("ConsoleView/colours");
const QString kSquareKey = QStringLiteral("ConsoleView/square");

} // namespace

ConsoleViewSettings ConsoleViewSettings::Load()
{
    const QSettings stored(QStringLiteral("Tilewright"), QStringLiteral("Tilewright"));
    ConsoleViewSettings settings;
    settings.Zoom = std::clamp(stored.value(kZoomKey, kDefaultScreenScale).toInt(), kMinZoom, kMaxZoom);
    const QByteArray colours = stored.value(kColoursKey).toString().toLatin1();
    settings.Colours = ValueNamed(kColourModelNames, std::string_view(colours.constData(), std::size_t(colours.size()))).value_or(ColourModel::Mame);
    settings.Square = stored.value(kSquareKey, false).toBool();
    settings.Geometry = stored.value(kGeometryKey).toByteArray();
    return settings;
}

void ConsoleViewSettings::Save() const
{
    QSettings stored(QStringLiteral("Tilewright"), QStringLiteral("Tilewright"));
    const std::string_view colours = NameOf(kColourModelNames, Colours);
    stored.setValue(kGeometryKey, Geometry);
    stored.setValue(kZoomKey, Zoom);
    stored.setValue(kColoursKey, QString::fromLatin1(colours.data(), qsizetype(colours.size())));
    stored.setValue(kSquareKey, Square);
}

} // namespace tw::ui
