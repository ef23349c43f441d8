#include "atrium/property_bag.hpp"

namespace atrium {

std::string PropertyBag::Read(std::string_view name, std::string_view defaultValue) const {
    const auto it = values_.find(name);
    return it != values_.end() ? it->second : std::string(defaultValue);
}

void PropertyBag::Write(std::string_view name, std::string_view value, std::string_view defaultValue) {
    const auto it = values_.find(name);
    if (value == defaultValue) {
        if (it != values_.end()) values_.erase(it);
    } else if (it != values_.end()) {
        it->second.assign(value);
    } else {
        values_.emplace(std::string(name), std::string(value));
    }
}

bool PropertyBag::Contains(std::string_view name) const { return values_.find(name) != values_.end(); }

}  // namespace atrium
