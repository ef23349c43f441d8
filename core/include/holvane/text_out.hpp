#pragma once
// The output buffer of the writers: text and numbers are appended straight into one string.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

// Appends VRML text to a growing buffer; numbers are formatted in place, never through a stream.
class TextOut {
public:
    void Append(std::string_view text) { buffer_.append(text); }
    void Append(char c) { buffer_.push_back(c); }
    // The shortest text that reads back as the same single float; raises for NaN and infinity.
    void AppendFloat(float value) {
        if (!std::isfinite(value)) RefuseNotFinite();
        AppendNumber(value);
    }
    // The shortest text that reads back as the same double; raises for NaN and infinity.
    void AppendDouble(double value) {
        if (!std::isfinite(value)) RefuseNotFinite();
        AppendNumber(value);
    }
    void AppendInt(std::int32_t value) { AppendNumber(value); }
    // TRUE or FALSE.
    void AppendBool(bool value) { Append(value ? "TRUE" : "FALSE"); }
    // A VRML string: the text between double quotes with '"' and '\' escaped by a backslash.
    // The world is UTF-8: each ill-formed UTF-8 sequence is written as U+FFFD (see AppendUtf8),
    // so whatever bytes a string field holds, the world stays readable.
    void AppendString(std::string_view text);

    std::string& buffer() { return buffer_; }
    std::size_t size() const { return buffer_.size(); }

private:
    [[noreturn]] static void RefuseNotFinite();
    template <class T>
    void AppendNumber(T value) {
        char text[32];
        buffer_.append(text, std::to_chars(text, text + sizeof text, value).ptr);
    }

    std::string buffer_;
};

}  // namespace holvane
ATRIUM_EXPORT_END
