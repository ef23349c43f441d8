// ServeUntilStopped of a build without cpp-httplib or without the viewer page: it says so.
#include <iostream>

#include "serve_until_stopped.hpp"

namespace atrium_serve {

int ServeUntilStopped(ServedFolders, const std::vector<std::string>&, bool, const std::string& program) {
    std::cerr << program << ": this build cannot serve worlds (it was configured without cpp-httplib or npm; "
                 "apt-get install libcpp-httplib-dev nodejs npm and build again)\n";
    return 1;
}

}  // namespace atrium_serve
