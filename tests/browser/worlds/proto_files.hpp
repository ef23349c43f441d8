#pragma once
// Puts the three proto files beside the worlds a test program writes, so their relative
// EXTERNPROTO URLs resolve.
#include <cstdio>
#include <filesystem>

#ifndef ATRIUM_PROTO_DIR
#error "ATRIUM_PROTO_DIR must name the folder holding the assembled proto files"
#endif

// Copies HV_GRAPH.wrl, HV_UI.wrl and HV_NAV.wrl into folder; false (with a message) on failure.
inline bool CopyProtoFiles(const std::filesystem::path& folder) {
    const std::filesystem::path from = ATRIUM_PROTO_DIR;
    for (const char* name : {"HV_GRAPH.wrl", "HV_UI.wrl", "HV_NAV.wrl"}) {
        std::error_code ec;
        std::filesystem::copy_file(from / name, folder / name, std::filesystem::copy_options::overwrite_existing, ec);
        if (ec) {
            std::fprintf(stderr, "cannot copy %s: %s\n", (from / name).c_str(), ec.message().c_str());
            return false;
        }
    }
    return true;
}
