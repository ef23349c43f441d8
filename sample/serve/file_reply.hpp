#pragma once
// A world server's reply with a file: the bytes streamed in pieces, one byte range at most.
#include <httplib.h>

#include <filesystem>
#include <string>

namespace atrium_serve {

// Answers req with file's bytes, read piece by piece as they are sent, so a reply never holds
// more than one piece of the file in memory. A Range of one byte range gets 206 and that range
// (its end clamped to the file); one that starts past the end gets 416. A Range of several
// ranges is ignored, as HTTP allows: 200 and the whole file, so no request costs more than
// sending the file once. Returns false when the file cannot be opened.
bool ReplyWithFile(const httplib::Request& req, httplib::Response& res, const std::filesystem::path& file,
                   const std::string& contentType);

// Keeps httplib from applying req's byte ranges to the reply; the server calls it on every
// request first, so every reply but ReplyWithFile's is whole.
void DropRanges(const httplib::Request& req);

}  // namespace atrium_serve
