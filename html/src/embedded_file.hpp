#pragma once
// A file a page carries: the URL the page asks for it by, its media type and its bytes.
#include <string>

namespace atrium::html {

struct EmbeddedFile {
    std::string url;  // absolute, or relative to the page (and so to the world beside it)
    std::string type;  // empty: the page answers with the file at URL `bytes` instead
    std::string bytes;
};

}  // namespace atrium::html
