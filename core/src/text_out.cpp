#include "holvane/text_out.hpp"

#include "holvane/fields.hpp"

namespace holvane {

void TextOut::RefuseNotFinite() { throw NotFiniteError(""); }

void TextOut::AppendString(std::string_view text) {
    buffer_.push_back('"');
    for (char c : text) {
        if (c == '"' || c == '\\') buffer_.push_back('\\');
        buffer_.push_back(c);
    }
    buffer_.push_back('"');
}

}  // namespace holvane
