#include "atrium/proto_path.hpp"

namespace atrium {
namespace {

std::string& Store() {
    static std::string path;
    return path;
}

}  // namespace

const std::string& ProtoPath() { return Store(); }
void SetProtoPath(std::string path) { Store() = std::move(path); }

}  // namespace atrium
