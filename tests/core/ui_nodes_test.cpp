// The user-interface and navigation protos: declarations, instance text, events and factories.
#include <gtest/gtest.h>

#include "holvane/holvane.hpp"

using namespace holvane;

TEST(UiProtos, DeclarationsAreTheExternProtoHeader) {
    qrx_CheckBox box;
    box.SetSourceFile("protos/HV_UI.wrl");
    EXPECT_EQ(VRMLStringTraverser().WriteDeclaration(box),
              "EXTERNPROTO qrx_CheckBox [\n"
              "    exposedField SFFloat size\n"
              "    exposedField SFBool value\n"
              "    exposedField SFColor color\n"
              "] \"protos/HV_UI.wrl#qrx_CheckBox\"\n"
              "\n");
    qrx_Router router;
    router.SetSourceFile("HV_NAV.wrl");
    EXPECT_EQ(VRMLStringTraverser().WriteDeclaration(router),
              "EXTERNPROTO qrx_Router [\n"
              "    exposedField MFString url\n"
              "    exposedField MFString parameter\n"
              "    eventIn SFInt32 set_linkIndex\n"
              "] \"HV_NAV.wrl#qrx_Router\"\n"
              "\n");
    qrx_Slider slider;
    EXPECT_EQ(VRMLStringTraverser().WriteDeclaration(slider),
              "# NO SOURCE FILE WAS SUPPLIED FOR THE qrx_Slider NODE !\n\n");
}

TEST(UiProtos, InstancesWriteOnlyChangedFields) {
    qrx_ContentToggle toggle;
    toggle.SetDEFName("SERIES_TOGGLE_1");
    toggle.ContentsExistField()->SetValue(true);
    EXPECT_EQ(VRMLStringTraverser().WriteFragment(toggle), "DEF SERIES_TOGGLE_1 qrx_ContentToggle { \n}\n");
    toggle.ContentsExistField()->SetValue(false);
    toggle.ChildrenField()->Add(std::make_shared<Group>());
    EXPECT_EQ(VRMLStringTraverser().WriteFragment(toggle, 1),
              "\tDEF SERIES_TOGGLE_1 qrx_ContentToggle { \n\t\tchildren [\n\t\t\tGroup {\n\t\t\t}\n\t\t]\n"
              "\t\tcontentsExist FALSE\n\t}\n");

    qrx_CheckBox box;
    box.ValueField()->SetValue(true);
    box.SizeField()->SetValue(0.5f);
    EXPECT_EQ(VRMLStringTraverser().WriteFragment(box), "qrx_CheckBox { \n\tvalue TRUE\n}\n");
    qrx_Router router;
    router.UrlField()->Add("drill.wrl");
    EXPECT_EQ(VRMLStringTraverser().WriteFragment(router), "qrx_Router { \n\turl [ \"drill.wrl\" ]\n}\n");
}

TEST(UiProtos, EventsAreExactlyTheDeclaredOnes) {
    qrx_CheckBox box;
    EXPECT_EQ(box.GetEventOutType("value_changed"), "SFBool");
    EXPECT_EQ(box.GetEventInType("set_value"), "SFBool");
    qrx_ContentToggle toggle;
    EXPECT_EQ(toggle.GetEventInType("set_contentsExist"), "SFBool");
    qrx_Slider slider;
    EXPECT_EQ(slider.GetEventOutType("value_changed"), "SFInt32");
    qrx_Router router;
    EXPECT_EQ(router.GetEventInType("set_linkIndex"), "SFInt32");
    for (auto bad : {"value", "Set_value", "set_linkindex"}) {
        try {
            box.GetEventInType(bad);
            ADD_FAILURE() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kEventInNotSupported);
            EXPECT_EQ(std::string(e.what()), "This eventIn is not supported by this node.");
        }
    }
    try {
        router.GetEventOutType("linkIndex_changed");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kEventOutNotSupported);
        EXPECT_EQ(std::string(e.what()), "This eventOut is not supported by this node.");
    }
}

TEST(UiProtos, ControlsHandOutOneFactoryThatPassesOtherNamesToTheCore) {
    HVUICtl ui;
    EXPECT_EQ(ui.Factory(), ui.Factory());
    EXPECT_EQ(ui.Factory()->CreateNode("qrx_CheckBox")->NodeType(), "qrx_CheckBox");
    EXPECT_EQ(ui.Factory()->CreateNode("qrx_Slider")->NodeType(), "qrx_Slider");
    EXPECT_NE(ui.Factory()->CreateNode("qrx_ContentToggle"), ui.Factory()->CreateNode("qrx_ContentToggle"));
    EXPECT_EQ(ui.Factory()->CreateNode("Transform")->NodeType(), "Transform");
    EXPECT_THROW(ui.Factory()->CreateNode("qrx_Router"), Error);
    EXPECT_THROW(ui.Factory()->CreateNode("QRX_CHECKBOX"), Error);
    HVNavCtl nav;
    EXPECT_EQ(nav.Factory()->CreateNode("qrx_Router")->NodeType(), "qrx_Router");
    EXPECT_EQ(nav.Factory()->CreateField("MFString")->TypeName(), "MFString");
    EXPECT_NE(std::dynamic_pointer_cast<VRMLStringTraverser>(nav.Factory()->CreateTraverser("VRMLStringTraverser")),
              nullptr);
    HolvaneCtl core;
    EXPECT_EQ(core.Factory(), core.Factory());
}
