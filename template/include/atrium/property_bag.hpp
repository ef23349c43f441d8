#pragma once
// The store in which a host keeps the persisted properties of a control between sessions.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// String properties by name, as a host's form saves them for each control it holds.
// A property is only stored while its value differs from the default it was written with,
// so a bag holds exactly the properties that were changed from their defaults.
class PropertyBag {
public:
    // The value stored under name, or defaultValue when the bag holds none.
    std::string Read(std::string_view name, std::string_view defaultValue = {}) const;
    // Stores value under name; a value equal to defaultValue removes the entry instead.
    void Write(std::string_view name, std::string_view value, std::string_view defaultValue = {});
    // True when the bag holds a value under name.
    bool Contains(std::string_view name) const;
    // Every stored property, ordered by name, for the host to persist.
    const std::map<std::string, std::string, std::less<>>& Values() const { return values_; }

private:
    std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace atrium
ATRIUM_EXPORT_END
