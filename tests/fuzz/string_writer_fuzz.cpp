// The string writer with random strings in string fields, a proto's URL and a DEF name: the
// world must read back (with the tests' own reader) to exactly the strings set, or, for text
// that is not UTF-8, to well-formed UTF-8; a refused DEF name raises the library's error.
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.hpp"
#include "holvane/holvane.hpp"
#include "holvane/vrml_text.hpp"
#include "vrml_reader.hpp"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The read-back value of a string that was set: the same, or well-formed when it was not.
void CheckBack(const std::string& set, const std::string& back) {
    Check(holvane::IsValidUtf8(set) ? back == set : holvane::IsValidUtf8(back));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    holvane::VRMLStringTraverser writer;
    writer.SetIncludeLineBreaks(in.Bool());
    writer.SetIncludeTabs(in.Bool());

    auto anchor = std::make_shared<holvane::Anchor>();
    auto text = std::make_shared<holvane::Text>();
    auto router = std::make_shared<holvane::qrx_Router>();
    anchor->ChildrenField()->Add(text);
    anchor->ChildrenField()->Add(router);
    const std::string description = in.Text();
    anchor->DescriptionField()->SetValue(description);
    const std::string sourceFile = in.Text();
    router->SetSourceFile(sourceFile);
    const std::string name = in.Text();
    bool named = true;
    try {
        text->SetDEFName(name);
    } catch (const holvane::Error&) {
        named = false;
        Check(text->DEFName().empty());
    }
    std::vector<std::string> strings;
    while (!in.Empty()) strings.push_back(in.Text());
    text->StringField()->Values() = strings;
    router->UrlField()->Values() = strings;

    const std::string world = writer.Write(*anchor, holvane::RouteCollection());
    Check(holvane::IsValidUtf8(world));
    Check(world.find('\n') == 15);
    const vrml_reader::World back = vrml_reader::Read(world);
    const auto& root = *back.nodes.at(0);
    CheckBack(description, root.Find("description") ? root.At("description").tokens.at(0) : "");
    const auto& children = root.At("children").nodes;
    const auto* strs = children.at(0)->Find("string");
    const auto* urls = children.at(1)->Find("url");
    Check(strs ? strs->tokens.size() == strings.size() : strings.empty());
    for (std::size_t i = 0; strs && i < strings.size(); ++i) CheckBack(strings[i], strs->tokens[i]);
    for (std::size_t i = 0; urls && i < strings.size(); ++i) CheckBack(strings[i], urls->tokens[i]);
    if (!sourceFile.empty()) CheckBack(sourceFile + "#qrx_Router", back.externProtos.at(0).urls.at(0));
    if (named && !name.empty()) Check(children.at(0)->def == name);
    return 0;
}
