#include "ui/widgets/qt_text.h"

#include "core/text/sjis.h"

namespace vk {

QString fromSjis(std::string_view sjis) {
    const std::string utf8 = sjisToUtf8(sjis);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toSjis(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToSjis(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace vk
