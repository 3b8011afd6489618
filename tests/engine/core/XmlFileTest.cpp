// XML file access: element paths, attribute readers, cursors and atomic saving.

#include <gtest/gtest.h>
#include <sys/stat.h>  // stat, chmod: a save keeps the file's permissions

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::cLog;
using Engine::cXmlCursor;
using Engine::cXmlFile;
using TestSupport::ReadFile;
using tinyxml2::XMLElement;

// Root "Settings", an A without B before an A with B, and an X whose children
// are B, D, B, E for paths with a start element.
const char* const kFixture = R"(<Settings id="settings"/>
<A id="a1"><C id="a1c"/></A>
<A id="a2"><B id="a2b"/></A>
<X id="x"><B id="xb"/><D id="d"/><B id="b-after-d"/><E id="e"/></X>
)";

// The element whose "id" attribute is id, anywhere below node, or null.
XMLElement* ById(tinyxml2::XMLNode* node, std::string_view id) {
    for (XMLElement* element = node->FirstChildElement(); element; element = element->NextSiblingElement()) {
        const char* own = element->Attribute("id");
        if (own != nullptr && id == own) return element;
        if (XMLElement* inner = ById(element, id)) return inner;
    }
    return nullptr;
}

// The "id" of an element, or "none" for null.
std::string IdOf(const XMLElement* element) {
    return element == nullptr ? "none" : element->Attribute("id");
}

// Names of everything in a folder.
std::set<std::string> Listing(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// Each test runs in its own folder (Engine.log lands there) with a fresh log.
class XmlFileTest : public ::testing::Test {
protected:
    void SetUp() override { cLog::Destroy(); }
    void TearDown() override { cLog::Destroy(); }

    // Writes text as a file in the test folder and opens it.
    std::unique_ptr<cXmlFile> Open(const std::string& name, const std::string& text) {
        return std::make_unique<cXmlFile>(dir.Write(name, text));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(XmlFileTest, FindElementFollowsPathRules) {
    struct Case {
        const char* start;  // id of the start element, or null for none
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, "Settings", "settings"},
        {nullptr, "A", "a1"},
        {nullptr, "A/C", "a1c"},
        {nullptr, "A/B", "none"},  // only the first A is searched, and it has no B
        {nullptr, "X/B", "xb"},
        {nullptr, "X/E", "e"},
        {nullptr, "B", "none"},  // not a top-level element
        {nullptr, "Missing", "none"},
        {nullptr, "Missing/B", "none"},
        {nullptr, "X/Missing", "none"},
        {nullptr, "X/B/Deeper", "none"},
        {nullptr, "settings", "none"},
        {nullptr, "Setting", "none"},
        {nullptr, "SettingsX", "none"},
        {nullptr, "", "none"},
        {nullptr, "X/", "none"},
        {"d", "X/B", "b-after-d"},  // X ignored; first B among d and its following siblings
        {"d", "Any/Thing/B", "b-after-d"},
        {"d", "B", "b-after-d"},
        {"xb", "X/B", "xb"},  // the start element itself
        {"b-after-d", "X/D", "none"},  // earlier siblings are not searched
        {"xb", "X/E", "e"},
        {"xb", "X/C", "none"},
        {"a1", "Settings", "none"},
        {"a1", "X", "x"},
    };
    auto file = Open("fixture.xml", kFixture);
    ASSERT_TRUE(file->IsOpen());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("start ") + (c.start ? c.start : "none") + ", path \"" + c.path + "\"");
        XMLElement* start = c.start ? ById(&file->Document(), c.start) : nullptr;
        ASSERT_TRUE(c.start == nullptr || start != nullptr) << "fixture lacks the start element";
        EXPECT_EQ(IdOf(file->FindElement(c.path, start)), c.expected);
    }
    EXPECT_FALSE(std::filesystem::exists("Engine.log")) << "finding in an open file logs nothing";
}

TEST_F(XmlFileTest, UnreadableFilesAreNotOpenAndLogOnAccess) {
    struct Case {
        const char* name;
        const char* text;  // null: no such file
    };
    const Case cases[] = {
        {"missing.xml", nullptr},
        {"malformed.xml", "<Settings><A></Settings>"},
        {"empty.xml", ""},
        {"folder", nullptr},
    };
    std::filesystem::create_directory("folder");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cLog::Destroy();
        std::filesystem::remove("Engine.log");
        const std::string path = c.text ? dir.Write(c.name, c.text) : dir.File(c.name);
        cXmlFile file(path);
        EXPECT_FALSE(file.IsOpen());
        EXPECT_FALSE(file.IsLoaded());
        EXPECT_EQ(file.First(), file.Last());
        EXPECT_FALSE(std::filesystem::exists("Engine.log")) << "construction writes no message";
        EXPECT_EQ(file.FindElement("Settings"), nullptr);
        EXPECT_EQ(ReadFile("Engine.log"), "Error: Accessing unopened file: " + path + "\n");
    }
}

TEST_F(XmlFileTest, FirstCursorIsFreshTopLevelElementOrEnd) {
    auto file = Open("fixture.xml", kFixture);
    EXPECT_TRUE(file->IsLoaded());
    EXPECT_EQ(file->First(), (cXmlCursor{ById(&file->Document(), "settings"), true}));
    EXPECT_EQ(file->Last(), cXmlCursor{});

    auto comments = Open("comments.xml", "<?xml version=\"1.0\"?><!-- no elements -->");
    ASSERT_TRUE(comments->IsOpen());
    EXPECT_EQ(comments->First(), comments->Last()) << "a walk over no elements must not start";
}

TEST_F(XmlFileTest, BackslashesInPathReadAsSlashes) {
    dir.Write("Data/Level/Level1.xml", "<Level id=\"level\"/>");
    cXmlFile file("Data\\Level\\Level1.xml");
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Path(), "Data/Level/Level1.xml");
    EXPECT_EQ(IdOf(file.FindElement("Level")), "level");
}

TEST(CursorTest, EqualOnlyWhenBothMembersAgree) {
    tinyxml2::XMLDocument document;
    XMLElement* some = document.NewElement("Some");
    document.InsertEndChild(some);
    EXPECT_EQ((cXmlCursor{some, true}), (cXmlCursor{some, true}));
    EXPECT_NE((cXmlCursor{some, true}), (cXmlCursor{some, false}));
    EXPECT_NE((cXmlCursor{nullptr, true}), cXmlCursor{});
    EXPECT_NE((cXmlCursor{some, false}), cXmlCursor{});
}

// Typed readers over one attribute "a" of Values/V holding the given text.
class TypedReaderTest : public XmlFileTest {
protected:
    // Opens a file whose Values/V element has a="text".
    std::unique_ptr<cXmlFile> WithValue(const std::string& text) {
        return Open("values.xml", "<Values><V a=\"" + text + "\"/></Values>");
    }
};

TEST_F(TypedReaderTest, IntegersByStreamExtraction) {
    struct Case {
        const char* text;
        int expected;
    };
    const int fallback = -7;
    const Case cases[] = {{"12", 12},          {" 12", 12},       {"12abc", 12}, {"-5", -5}, {"+3", 3},
                          {"abc", fallback},   {"", fallback},    {"99999999999", fallback}, {"0x10", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        auto file = WithValue(c.text);
        cXmlCursor cursor;
        EXPECT_EQ(Engine::GetAttributeInt("a", *file, cursor, "Values/V", fallback), c.expected);
        EXPECT_EQ(Engine::ReadInt(file->FindElement("Values/V"), "a", fallback), c.expected);
    }
}

TEST_F(TypedReaderTest, UnsignedRefusesNegativeText) {
    struct Case {
        const char* text;
        unsigned expected;
    };
    const unsigned fallback = 77;
    const Case cases[] = {{"5", 5},           {" 5", 5},          {"+5", 5},           {"-5", fallback},
                          {" -5", fallback},  {"-0", fallback},   {"abc", fallback},   {"4294967295", 4294967295u},
                          {"4294967296", fallback}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        auto file = WithValue(c.text);
        cXmlCursor cursor;
        EXPECT_EQ(Engine::GetAttributeUnsigned("a", *file, cursor, "Values/V", fallback), c.expected);
        EXPECT_EQ(Engine::ReadUnsigned(file->FindElement("Values/V"), "a", fallback), c.expected);
    }
}

TEST_F(TypedReaderTest, FloatsByStreamExtraction) {
    struct Case {
        const char* text;
        float expected;
    };
    const float fallback = -1.5f;
    const Case cases[] = {{"0.2f", 0.2f}, {" 0.5", 0.5f},     {"3", 3.0f},        {"-2.25", -2.25f},
                          {"1e3", 1000.0f}, {"abc", fallback}, {"", fallback},     {"1e999", fallback}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        auto file = WithValue(c.text);
        cXmlCursor cursor;
        EXPECT_FLOAT_EQ(Engine::GetAttributeFloat("a", *file, cursor, "Values/V", fallback), c.expected);
        EXPECT_FLOAT_EQ(Engine::ReadFloat(file->FindElement("Values/V"), "a", fallback), c.expected);
    }
}

TEST_F(TypedReaderTest, BooleansAreOnlyTheWords) {
    struct Case {
        const char* text;
        bool fallback;
        bool expected;
    };
    const Case cases[] = {{"true", false, true}, {"false", true, false}, {" true", false, true},
                          {"1", false, false},   {"1", true, true},      {"0", true, true},
                          {"True", false, false}, {"FALSE", true, true}, {"", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\", default " + (c.fallback ? "true" : "false"));
        auto file = WithValue(c.text);
        cXmlCursor cursor;
        EXPECT_EQ(Engine::GetAttributeBool("a", *file, cursor, "Values/V", c.fallback), c.expected);
        EXPECT_EQ(Engine::ReadBool(file->FindElement("Values/V"), "a", c.fallback), c.expected);
    }
}

TEST_F(TypedReaderTest, MissingAttributeOrElementGivesDefaultAndKeepsCursor) {
    struct Case {
        const char* path;
        const char* attribute;
    };
    const Case cases[] = {{"Values/V", "missing"}, {"Values/Missing", "a"}, {"Missing/V", "a"}};
    auto file = WithValue("1");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " @" + c.attribute);
        cXmlCursor cursor;
        EXPECT_EQ(Engine::GetAttribute(c.attribute, *file, cursor, c.path, "fallback"), "fallback");
        EXPECT_EQ(Engine::GetAttributeInt(c.attribute, *file, cursor, c.path, -3), -3);
        EXPECT_EQ(Engine::GetAttributeUnsigned(c.attribute, *file, cursor, c.path, 9u), 9u);
        EXPECT_FLOAT_EQ(Engine::GetAttributeFloat(c.attribute, *file, cursor, c.path, 4.5f), 4.5f);
        EXPECT_TRUE(Engine::GetAttributeBool(c.attribute, *file, cursor, c.path, true));
        EXPECT_FALSE(Engine::GetAttributeBool(c.attribute, *file, cursor, c.path, false));
        EXPECT_EQ(cursor, cXmlCursor{}) << "a failed read leaves the cursor where it was";
    }
    EXPECT_EQ(Engine::ReadInt(nullptr, "a", 8), 8);
    EXPECT_EQ(Engine::ReadString(file->FindElement("Values/V"), "missing", "none"), "none");
    EXPECT_EQ(Engine::ReadString(file->FindElement("Values/V"), "a", "none"), "1");
}

TEST_F(XmlFileTest, SuccessfulReadMovesCursorAndClearsFlag) {
    auto file = Open("fixture.xml", kFixture);
    cXmlCursor cursor = file->First();
    ASSERT_TRUE(cursor.fresh);
    EXPECT_EQ(Engine::GetAttribute("id", *file, cursor, "Settings", ""), "settings");
    EXPECT_EQ(cursor, (cXmlCursor{ById(&file->Document(), "settings"), false}));

    cursor = cXmlCursor{};
    EXPECT_EQ(Engine::GetAttribute("id", *file, cursor, "X/D", ""), "d");
    EXPECT_EQ(cursor.element, ById(&file->Document(), "d"));
    EXPECT_EQ(Engine::GetAttribute("id", *file, cursor, "X/B", ""), "b-after-d") << "reads walk on from the cursor";
    EXPECT_EQ(cursor, (cXmlCursor{ById(&file->Document(), "b-after-d"), false}));

    const cXmlCursor before = cursor;
    EXPECT_EQ(Engine::GetAttributeInt("missing", *file, cursor, "X/B", 5), 5);
    EXPECT_EQ(cursor, before);
}

TEST_F(XmlFileTest, NextSameNameWalksLikeSiblingsToTheEnd) {
    auto file = Open("list.xml", R"(<List>
        <Item n="1"/><Other n="x"/><Item n="2"/><Item n="3"/><Other n="y"/>
    </List><Item n="top-level"/>)");
    std::vector<std::string> seen;
    cXmlCursor cursor;
    ASSERT_EQ(Engine::GetAttribute("n", *file, cursor, "List/Item", ""), "1");
    for (; cursor != file->Last(); Engine::NextSameName(cursor)) {
        seen.push_back(Engine::GetAttribute("n", *file, cursor, "List/Item", "?"));
        ASSERT_LE(seen.size(), 4u) << "the walk must end";
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3"}));
    Engine::NextSameName(cursor);
    EXPECT_EQ(cursor, file->Last()) << "the end stays the end";

    cursor = file->First();
    Engine::NextSameName(cursor);
    EXPECT_EQ(cursor, file->Last()) << "no second top-level List";
}

TEST_F(XmlFileTest, SaveRoundTrip) {
    auto file = Open("settings.xml", R"(<Settings width="640"><Window title="Brambleby"/></Settings>)");
    file->FindElement("Settings")->SetAttribute("width", 1280);
    ASSERT_TRUE(file->Save());

    cXmlFile reread(file->Path());
    ASSERT_TRUE(reread.IsOpen());
    cXmlCursor cursor;
    EXPECT_EQ(Engine::GetAttributeInt("width", reread, cursor, "Settings", 0), 1280);
    cursor = cXmlCursor{};
    EXPECT_EQ(Engine::GetAttribute("title", reread, cursor, "Settings/Window", ""), "Brambleby");
}

TEST_F(XmlFileTest, EmptyDocumentIsBuiltAndSaved) {
    cXmlFile created = cXmlFile::CreateEmpty(dir.File("Level9.xml"));
    EXPECT_TRUE(created.IsOpen());
    EXPECT_FALSE(created.IsLoaded());
    EXPECT_EQ(created.First(), created.Last());
    XMLElement* level = created.Document().NewElement("Level");
    level->SetAttribute("name", "Nine");
    created.Document().InsertEndChild(level);
    ASSERT_TRUE(created.Save());

    cXmlFile reread(dir.File("Level9.xml"));
    ASSERT_TRUE(reread.IsLoaded());
    EXPECT_EQ(Engine::ReadString(reread.FindElement("Level"), "name", ""), "Nine");
}

TEST_F(XmlFileTest, SaveReplacesOldFileWithoutLeftovers) {
    const std::string path = dir.Write("Level1.xml", "<Level version=\"1\"/>");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    // A second name for the old file shows whether it was rewritten in place.
    std::filesystem::create_hard_link(path, dir.File("old-name.xml"));
    cXmlFile file(path);
    file.FindElement("Level")->SetAttribute("version", 2);
    ASSERT_TRUE(file.Save());

    EXPECT_EQ(ReadFile(dir.File("old-name.xml")), "<Level version=\"1\"/>") << "the old file is never half-written";
    EXPECT_EQ(Listing(dir.Path()), (std::set<std::string>{"Level1.xml", "old-name.xml"})) << "no temporary is left";
    EXPECT_EQ(Engine::ReadInt(cXmlFile(path).FindElement("Level"), "version", 0), 2);
    struct stat saved;
    ASSERT_EQ(stat(path.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 0777, 0640u) << "the file keeps its permissions";
}

TEST_F(XmlFileTest, FailedSaveReturnsFalseLogsAndLeavesNothing) {
    std::filesystem::create_directory("occupied");
    dir.Write("occupied/keep.txt", "keep");
    const std::string cases[] = {dir.File("no-such-folder/out.xml"), dir.File("occupied")};
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        cLog::Destroy();
        cXmlFile file = cXmlFile::CreateEmpty(path);
        file.Document().InsertEndChild(file.Document().NewElement("Level"));
        EXPECT_FALSE(file.Save());
        EXPECT_EQ(ReadFile("Engine.log"), "Error: Failed to save file: " + path + "\n");
        EXPECT_EQ(Listing(dir.Path()), (std::set<std::string>{"occupied", "Engine.log"}));
        EXPECT_EQ(Listing("occupied"), (std::set<std::string>{"keep.txt"}));
    }
}

}  // namespace
