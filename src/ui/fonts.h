#pragma once

#include <QFont>
#include <QStringList>

namespace tw::ui {

// The layout's widths were measured in MS Sans Serif; where that face is
// missing, the closest narrow sans faces come next, and the style hint picks
// any sans face when none of them is there either.
inline QFont ClassicSansFont(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// The text boxes of the design panels.
inline QFont TextBoxFont() { return ClassicSansFont(8.5); }
// Everything else in the window: frames, labels, buttons and menus.
inline QFont WindowFont() { return ClassicSansFont(8); }

} // namespace tw::ui
