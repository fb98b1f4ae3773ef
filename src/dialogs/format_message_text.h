#pragma once

#include <QString>

namespace tessary {

/// `format` (one of the program's texts, UTF-8) with its "%s" replaced by `value`.
QString FormatMessageText(const char* format, const QString& value);

}  // namespace tessary
