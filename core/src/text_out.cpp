#include "holvane/text_out.hpp"

#include "holvane/fields.hpp"
#include "holvane/vrml_text.hpp"

namespace holvane {

void TextOut::RefuseNotFinite() { throw NotFiniteError(""); }

void TextOut::AppendString(std::string_view text) {
    buffer_.push_back('"');
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            if (c == '"' || c == '\\') buffer_.push_back('\\');
            buffer_.push_back(c);
            ++i;
            continue;
        }
        // A run of non-ASCII bytes holds neither quote nor backslash: check it as UTF-8.
        std::size_t end = i;
        while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x80) ++end;
        AppendUtf8(buffer_, text.substr(i, end - i));
        i = end;
    }
    buffer_.push_back('"');
}

}  // namespace holvane
