#pragma once

// How both programs word a reason on standard error. Their own reasons start
// in lower case and end without a full stop; Qt's ("No such file or
// directory", "Unknown option 'x'.") are brought to the same style.

#include <QString>

namespace tw::app {

inline QString AsReason(QString text)
{
    if (text.endsWith(u'.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace tw::app
