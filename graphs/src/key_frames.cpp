#include "key_frames.hpp"

#include <algorithm>

namespace atrium {

std::vector<std::size_t> KeyFrameOrder(KeyFrameForm form, std::size_t n) {
    std::vector<std::size_t> order;
    for (std::size_t f = 0; f < n; ++f) order.push_back(f);
    if (form == KeyFrameForm::BackAndForth)
        for (std::size_t f = n - 1; f-- > 0;) order.push_back(f);
    if (form == KeyFrameForm::ClosedLoop) order.push_back(0);
    return order;
}

std::size_t BuildKeyFrames(const std::vector<std::shared_ptr<PointCollection>>& frames, KeyFrameForm form,
                           holvane::MFFloat& key, holvane::MFVec3f& keyValue) {
    key.Clear();
    keyValue.Clear();
    if (frames.size() < 2) return 0;
    std::size_t width = 0;
    for (const auto& frame : frames) width = std::max(width, frame->SphereCollectionNode()->LocationsField()->size());

    const auto order = KeyFrameOrder(form, frames.size());
    const std::size_t gaps = order.size() - 1;
    auto& values = keyValue.Values();
    values.reserve(order.size() * width);
    holvane::Vec3f last{0, 0, 0};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto& locations = frames[order[i]]->SphereCollectionNode()->LocationsField()->Values();
        values.insert(values.end(), locations.begin(), locations.end());
        if (!locations.empty()) last = locations.back();
        values.insert(values.end(), width - locations.size(), last);
        key.Add(static_cast<float>(static_cast<double>(i) * 0.99 / static_cast<double>(gaps)));
    }
    return gaps;
}

}  // namespace atrium
