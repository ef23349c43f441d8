#pragma once
// Splits VRML value text into tokens: brackets, quoted strings and words; commas count as space.
#include <string>
#include <string_view>

namespace holvane::detail {

class VrmlTokens {
public:
    explicit VrmlTokens(std::string_view text) : text_(text) {}

    // True when only space, commas and comments are left.
    bool AtEnd() {
        SkipSpace();
        return pos_ >= text_.size();
    }
    // The next token without taking it; empty at the end.
    std::string_view Peek() {
        std::size_t saved = pos_;
        std::string_view token = Next();
        pos_ = saved;
        return token;
    }
    // The next token: "[", "]", "{", "}", a whole quoted string with its quotes, or a word.
    std::string_view Next() {
        SkipSpace();
        if (pos_ >= text_.size()) return {};
        std::size_t start = pos_;
        char c = text_[pos_];
        if (c == '[' || c == ']' || c == '{' || c == '}') {
            ++pos_;
        } else if (c == '"') {
            for (++pos_; pos_ < text_.size() && text_[pos_] != '"'; ++pos_)
                if (text_[pos_] == '\\') ++pos_;
            ++pos_;
            if (pos_ > text_.size()) pos_ = text_.size();
        } else {
            while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_.substr(pos_, 1).find_first_of("[]{}\"#") == std::string_view::npos)
                ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    // The text of a quoted token with its escapes resolved; false when the token is not one whole
    // string (opening quote, text, and an unescaped closing quote as its last character).
    static bool Unquote(std::string_view token, std::string& out) {
        if (token.size() < 2 || token.front() != '"') return false;
        out.clear();
        for (std::size_t i = 1; i < token.size(); ++i) {
            char c = token[i];
            if (c == '"') return i + 1 == token.size();
            if (c == '\\' && ++i == token.size()) return false;
            out.push_back(token[i]);
        }
        return false;
    }

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ','; }
    void SkipSpace() {
        while (pos_ < text_.size()) {
            if (IsSpace(text_[pos_])) {
                ++pos_;
            } else if (text_[pos_] == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace holvane::detail
