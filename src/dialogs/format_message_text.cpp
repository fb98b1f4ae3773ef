#include "dialogs/format_message_text.h"

namespace tessary {

QString FormatMessageText(const char* format, const QString& value) {
    return QString::fromUtf8(format).replace(QLatin1String("%s"), value);
}

}  // namespace tessary
