#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GUIFixture.h"

namespace {

using Engine::cUIElementBase;
using Engine::UIVector2;

class LayoutTest : public GUIFixture {
protected:
    bool Load(const std::string& xml) { return gui().LoadLayout(dir.Write("layout.xml", xml)); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& [name, element] : gui().Elements()) names.push_back(name);
        return names;
    }
};

TEST_F(LayoutTest, PanelChildrenAreNumberedAcrossKindsInGroupOrder) {
    // Children are added text boxes first, then editable boxes, interactive
    // images, buttons and images, whatever their order in the file.
    ASSERT_TRUE(Load(R"(<Menu>
        <UIPanel name="Left" TSname="buttonTS" normwidth="0.5" normheight="0.5" normPosX="0.5" normPosY="0.5">
          <UIImage normwidth="0.1" normheight="0.1" normPosX="0.5" normPosY="0.5" TSname="buttonTS"/>
          <UIButton text="A" normwidth="0.1" normheight="0.1" normPosX="0.1" normPosY="0.1" TSname="buttonTS"
                    framewidth="64" frameheight="64"/>
          <UITextbox text="Title" normwidth="0.2" normheight="0.1" normPosX="0.5" normPosY="0.9"/>
          <UIButton text="B" normwidth="0.1" normheight="0.1" normPosX="0.9" normPosY="0.1"/>
          <UIEditableTextbox normwidth="0.2" normheight="0.1" normPosX="0.5" normPosY="0.5"/>
          <UIInteractiveImage normwidth="0.1" normheight="0.1" normPosX="0.2" normPosY="0.2"/>
        </UIPanel>
        <UIPanel name="Right" normwidth="0.2" normheight="0.2" normPosX="0.8" normPosY="0.5">
          <UIButton text="C" normwidth="0.1" normheight="0.1" normPosX="0.5" normPosY="0.5"/>
        </UIPanel>
      </Menu>)"));
    const std::vector<std::string> expected{"Left",
                                            "Left_button_3",
                                            "Left_button_4",
                                            "Left_editabletextbox_1",
                                            "Left_image_5",
                                            "Left_interactiveimage_2",
                                            "Left_textbox_0",
                                            "Right",
                                            "Right_button_0"};
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(gui().FindElement("Left_button_3")->kind, cUIElementBase::kButton);
    EXPECT_EQ(gui().FindElement("Left_textbox_0")->GetScreenPosition(), (UIVector2{500.0f, 350.0f}));
}

TEST_F(LayoutTest, TopLevelElementsTakeTheirAttributesAndDefaults) {
    ASSERT_TRUE(Load(R"(<Screen>
        <GUIBackground TSname="textboxTS"/>
        <UIButton name="Play" text="Play" normwidth="0.2" normheight="0.1" normPosX="0.5" normPosY="0.6"
                  TSname="buttonTS" framewidth="64" frameheight="64" layer="7"/>
        <UIButton name="Bare" normwidth="0.1" normheight="0.1" normPosX="0.1" normPosY="0.1"/>
        <UITextbox name="Hidden" text="Boo" visible="0"/>
        <UIImage name="invalid" TSname="buttonTS"/>
        <UIImage TSname="buttonTS"/>
        <UIEditableTextbox name="Entry" normwidth="0.2" normheight="0.1" normPosX="0.5" normPosY="0.3"/>
      </Screen>)"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Background", "Bare", "Entry", "Hidden", "Play"}));
    ASSERT_NE(gui().Background(), nullptr);
    EXPECT_EQ(gui().Background()->Sprite().Layer(), 0);

    auto* play = static_cast<Engine::cUIButton*>(gui().FindElement("Play"));
    EXPECT_EQ(play->Text(), "Play");
    EXPECT_EQ(play->Sprite().Layer(), 7);
    EXPECT_EQ(play->hitRect, (Engine::UIRect{400.0f, 275.0f, 600.0f, 325.0f}));
    // No texture set and no frames: still a button with a hit rectangle.
    auto* bare = static_cast<Engine::cUIButton*>(gui().FindElement("Bare"));
    EXPECT_EQ(bare->Sprite().Layer(), 5);
    EXPECT_EQ(bare->hitRect, (Engine::UIRect{50.0f, 25.0f, 150.0f, 75.0f}));
    EXPECT_FALSE(gui().FindElement("Hidden")->IsVisible());
    EXPECT_TRUE(play->IsVisible());
    auto* entry = static_cast<Engine::cUIEditableTextbox*>(gui().FindElement("Entry"));
    ASSERT_NE(entry->Sprite().TextureSet(), nullptr);
    EXPECT_EQ(entry->Sprite().TextureSet()->Name(), "textboxTS");
}

TEST_F(LayoutTest, UnknownKindsAreSkippedWithALogLine) {
    ASSERT_TRUE(Load(R"(<Screen>
        <UISlider name="Volume"/>
        <UIImage name="Logo" TSname="buttonTS" normwidth="0.1" normheight="0.1"/>
        <UIPanel name="P" normwidth="0.5" normheight="0.5"><UIGizmo/><UIImage/></UIPanel>
      </Screen>)"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Logo", "P", "P_image_0"}));
    const std::string log = EngineLog();
    EXPECT_NE(log.find("Error: unknown GUI element \"UISlider\""), std::string::npos);
    EXPECT_NE(log.find("Error: unknown GUI element \"UIGizmo\" in P"), std::string::npos);
}

TEST_F(LayoutTest, BadFilesBuildNothing) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"missing", ""}, {"malformed", "<Screen><UIImage name=\"A\"</Screen>"}, {"empty", ""}};
    for (const auto& [label, text] : cases) {
        const std::string path = label == "missing" ? dir.File("none.xml") : dir.Write(label + ".xml", text);
        EXPECT_FALSE(gui().LoadLayout(path)) << label;
        EXPECT_TRUE(gui().Elements().empty()) << label;
    }
    EXPECT_NE(EngineLog().find("Error: GUI layout"), std::string::npos);
}

TEST_F(LayoutTest, LoadingTwiceMakesTwinsThatLookupsIgnore) {
    const std::string xml = R"(<S><UIButton name="Go" normwidth="0.1" normheight="0.1"/></S>)";
    ASSERT_TRUE(Load(xml));
    cUIElementBase* first = gui().FindElement("Go");
    ASSERT_TRUE(Load(xml));
    EXPECT_EQ(gui().FindElement("Go"), first);
    EXPECT_EQ(gui().Elements().size(), 1u);
}

TEST_F(LayoutTest, AnOutOfRangeLayerFallsBackToTheDefault) {
    ASSERT_TRUE(Load(R"(<S><UIImage name="Deep" TSname="buttonTS" layer="12"/></S>)"));
    EXPECT_EQ(static_cast<Engine::cUIImage*>(gui().FindElement("Deep"))->Sprite().Layer(), 5);
    EXPECT_NE(EngineLog().find("Error: GUI element \"Deep\" has layer 12"), std::string::npos);
}

}  // namespace
