#include "atrium/text_info.hpp"

#include "atrium/proto_path.hpp"
#include "atrium/template_ctl.hpp"
#include "holvane/error.hpp"

namespace atrium {

TextInfo::TextInfo()
    : root_(MakeCoreNode<holvane::Transform>()),
      billboard_(MakeCoreNode<holvane::Billboard>()),
      shape_(MakeCoreNode<holvane::Shape>()),
      text_(MakeCoreNode<holvane::Text>()),
      fontStyle_(MakeCoreNode<holvane::FontStyle>()),
      appearance_(MakeCoreNode<holvane::Appearance>()),
      material_(MakeCoreNode<holvane::Material>()) {
    shape_->GeometryField()->SetValue(text_);
    shape_->AppearanceField()->SetValue(appearance_);
    text_->FontStyleField()->SetValue(fontStyle_);
    // The family is set rather than appended to, so that it holds exactly one name.
    fontStyle_->FamilyField()->Clear();
    fontStyle_->FamilyField()->Add(std::string(VRMLString(VRMLFontFamily::VRML_SERIF)));
    fontStyle_->JustifyField()->Clear();
    fontStyle_->JustifyField()->Add("MIDDLE");
    appearance_->MaterialField()->SetValue(material_);
    material_->DiffuseColorField()->SetRGBValue(0xFFFFFF);
    BuildTree();
}

void TextInfo::BuildTree() {
    root_->ChildrenField()->Clear();
    billboard_->ChildrenField()->Clear();
    if (billboarded_) {
        billboard_->ChildrenField()->Add(shape_);
        root_->ChildrenField()->Add(billboard_);
    } else {
        root_->ChildrenField()->Add(shape_);
    }
}

std::string TextInfo::Text() const {
    const auto& strings = text_->StringField()->Values();
    return strings.empty() ? std::string() : strings.front();
}

void TextInfo::SetText(std::string_view text) {
    auto strings = text_->StringField();
    std::string value(AtriumModule::TrimSpaces(text));
    if (strings->size() > 0) {
        strings->Set(1, std::move(value));
    } else {
        strings->Add(std::move(value));
    }
}

std::int32_t TextInfo::TextColor() const { return material_->DiffuseColorField()->RGBValue(); }

void TextInfo::SetTextColor(std::int32_t color) { material_->DiffuseColorField()->SetRGBValue(color); }

VRMLFontFamily TextInfo::TextFont() const {
    const auto& families = fontStyle_->FamilyField()->Values();
    return families.empty() ? VRMLFontFamily{} : FromVRMLString<VRMLFontFamily>(families.front());
}

void TextInfo::SetTextFont(VRMLFontFamily font) {
    if (!IsValid(font)) return;
    auto families = fontStyle_->FamilyField();
    std::string name(VRMLString(font));
    if (families->size() > 0) {
        families->Set(1, std::move(name));
    } else {
        families->Add(std::move(name));
    }
}

VRMLFontStyle TextInfo::TextStyle() const {
    return FromVRMLString<VRMLFontStyle>(fontStyle_->StyleField()->Value());
}

void TextInfo::SetTextStyle(VRMLFontStyle style) {
    if (!IsValid(style)) return;
    fontStyle_->StyleField()->SetValue(std::string(VRMLString(style)));
}

float TextInfo::TextHeight() const { return fontStyle_->SizeField()->Value(); }

void TextInfo::SetTextHeight(float height) {
    if (!(height > 0.0f)) holvane::Fail("Invalid Text height, must be greater than 0");
    fontStyle_->SizeField()->SetValue(height);
}

void TextInfo::SetIsBillboarded(bool billboarded) {
    if (billboarded == billboarded_) return;
    billboarded_ = billboarded;
    BuildTree();
}

}  // namespace atrium
