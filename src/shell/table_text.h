#pragma once
#include <QString>

#include <string_view>

// Text from our constant tables (UTF-8, as every source file is) as a QString.
inline QString To_QString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
