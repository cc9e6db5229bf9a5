// The English words of the object world: the commands that pages, panes,
// windows, turtles and controls own, the properties by code, the events, the
// class names and the status texts of network objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lang/dictionary.h"

namespace lx {
namespace {

std::vector<std::string> wordsOf(const std::string& entry) {
  std::istringstream in(entry);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The English spelling rule: the internal name without a disambiguating
// suffix ("caption_window" is spelled "caption").
std::string ruleSpelling(const std::string& internalName) {
  return internalName.substr(0, internalName.find('_'));
}

bool sameName(const std::string& a, const std::string& b) {
  return lowered(a) == lowered(b);
}

// clang-format off
// Commands that objects own, grouped by the kind of object that registers
// them. Commands shared with the main object's global primitives are not here.
const std::vector<std::string> kObjectCommands = {
    // every control
    "clickedpos", "showme", "hideme", "enable", "disable", ".setapos", "freezeme", "unfreezeme", ".setpos",
    "isfrozen?", "startMove", "startDrag", "tofront", "toback",
    // pages and panes
    "clearscreen", "cleanbgpicture", "dotcolourat", "upperleft", "bgline", "bgdots", "bgfilledrectangle",
    "bgrectangle", "bgfilledellipse", "bgellipse", "bgellipsearc", "bgfill", "bgfreehand", "bgspray",
    "bgflexibleline", "bgflexiblefilledrectangle", "bgflexiblefilledellipse", "bgflexiblerectangle",
    "bgflexibleellipse", "createselection", "createfileselection", "saveforundo", "savebgpicture", "putpicture",
    "takepicture", "allturtles", "allof_page", "reorder", "loadbgpicture", "mousestate", "overlappedpos",
    "printme", ".new",
    // turtles
    "forward", "back", "left", "right", "setxy", "towards", "penup", "pendown", "penreverse", "penerase",
    "penstate", "setpenstate", "turtlestate", "hideturtle", "showturtle", "shown?", "settt", "dot", "point",
    "dotcolor", "circle", "filledcircle", "ellipse", "filledellipse", "polygon", "outline", "drawspline",
    "drawlist", "glide", "fill", "wrap", "window", "label", "label2", "textsize", "stamp", "stamppicture",
    "shapeimage", "getimage", "overlaplist", "overlap?", "overlapped", "shaperectangle", "inside?", "outside?",
    // drawing lists
    "drawvectors",
    // windows
    "newpage", ".newpage", "erasepage", "showpage", "namepage", "pagelist", ".setmousepos", ".windowspos",
    "maketurtle", "printgraphics", "showspeedbar", "hidespeedbar", "splitscreen", "graphicscreen", "textscreen",
    "setmenu", "maximize", "minimize", "restore", "fullscreen", "setlogosize", ".setmenucheck", "printtext",
    "getts", "setts", "cleartext", "undodrawing",
    // text boxes, tool windows
    "printme_text", "stamp_text", "picture_text", "setWholeFont", "allof",
    // network objects
    "connect", "disconnect", "abort_net", "connected?", "send", "sendRun", "sendObject", "message", "sender",
    "receiveObject", "users", "info", "status",
};

// Words that name an object relative to the running one.
const std::vector<std::string> kObjectPseudoNames = {"receiver",  "myParent",   "myPage",
                                                     "myWindow",  "lastObject", "activeToolbutton"};

struct Property {
  int code;
  const char* name;
};

// Every property code with its internal name; code 29 is not assigned.
const std::vector<Property> kProperties = {
    {0, "name"}, {1, "aPos"}, {2, "xCor"}, {3, "yCor"},
    {4, "pos"}, {5, "size"}, {6, "width"}, {7, "height"},
    {8, "hint"}, {9, "enabled"}, {10, "shown"}, {11, "value"},
    {12, "richText"}, {13, "font_text"}, {14, "colour"}, {15, "bgcolour_text"},
    {16, "editing"}, {17, "transparent"}, {18, "stayEditing"}, {19, "activePage"},
    {20, "caption_window"}, {21, "caption"}, {22, "oneShot"}, {23, "style"},
    {24, "down"}, {25, "allUp"}, {26, "flat"}, {27, "group"},
    {28, "picture"}, {30, "min"}, {31, "max"}, {32, "value_slider"},
    {33, "vertical"}, {34, "origin"}, {35, "bgLineColour"}, {36, "bgLineWidth"},
    {37, "bgPicture"}, {38, "pageWho"}, {39, "bgColour"}, {40, "heading"},
    {41, "homeState"}, {42, "xCor"}, {43, "yCor"}, {44, "fillColour"},
    {45, "fillPattern"}, {46, "pen"}, {47, "penColour"}, {48, "penWidth"},
    {49, "penPattern"}, {50, "rangeStyle"}, {51, "range"}, {52, "frame"},
    {53, "shape"}, {54, "shapeScale"}, {55, "shapeColour"}, {56, "animation"},
    {57, "font"}, {58, "transparentClick"}, {59, "parentHandle"}, {60, "fullPicture"},
    {61, "voiceMenu"}, {62, "mainvoiceMenu"}, {63, "frameItem"}, {64, "autoDrag"},
    {65, "sensitive"}, {66, "windowState"}, {67, "x"}, {68, "y"},
    {69, "z"}, {70, "r"}, {71, "u"}, {72, "v"},
    {73, "rangeX"}, {74, "rangeY"}, {75, "rangeZ"}, {76, "rangeR"},
    {77, "rangeU"}, {78, "rangeV"}, {79, "deadZoneX"}, {80, "deadZoneY"},
    {81, "deadZoneZ"}, {82, "deadZoneR"}, {83, "deadZoneU"}, {84, "deadZoneV"},
    {85, "axesCount"}, {86, "buttonCount"}, {87, "pov"}, {88, "button1"},
    {89, "button2"}, {90, "button3"}, {91, "button4"}, {92, "button5"},
    {93, "button6"}, {94, "button7"}, {95, "button8"}, {96, "button9"},
    {97, "button10"}, {98, "button11"}, {99, "button12"}, {100, "button13"},
    {101, "button14"}, {102, "button15"}, {103, "button16"}, {104, "button17"},
    {105, "button18"}, {106, "button19"}, {107, "button20"}, {108, "button21"},
    {109, "button22"}, {110, "button23"}, {111, "button24"}, {112, "button25"},
    {113, "button26"}, {114, "button27"}, {115, "button28"}, {116, "button29"},
    {117, "button30"}, {118, "button31"}, {119, "button32"}, {120, "frameMode"},
    {121, "bgcolour_slider"}, {122, "thumbLength"}, {123, "bgLinePattern"}, {124, "selection"},
    {125, "selectedText"}, {126, "velocityXY"}, {127, "velocity"}, {128, "angle"},
    {129, "prompt"}, {130, "readlistPrompt"}, {131, "shownRange"}, {132, ".name"},
    {133, "switch"}, {134, "useWho"}, {135, "transparent_slider"}, {136, "filename"},
    {137, "showbuttons_mm"}, {138, "address"}, {139, "maximized_web"}, {140, "style_web"},
    {141, "host"}, {142, "userID"}, {143, "port_email"}, {144, "attachments"},
    {145, "body"}, {146, "fromAddress"}, {147, "fromName"}, {148, "replyTo"},
    {149, "subject"}, {150, "toAddress"}, {151, "toBlindCarbonCopy"}, {152, "toCarbonCopy"},
    {153, "showToolbar"}, {154, "server"}, {155, "delayScale"}, {156, "position"},
    {157, "playState"}, {158, "style_net"}, {159, "port"}, {160, "controlledObject"},
    {161, "align"}, {162, "order"}, {163, "caption_web"}, {164, "showTitleBar"},
    {165, "caption_mm"}, {166, "showtitlebar_mm"}, {167, "maximized"}, {168, "style_mm"},
    {169, "runEnabled"}, {170, "nickName"}, {171, "myPlace"}, {172, "number"},
    {173, "borderColour"}, {174, "acceptCommands"}, {175, "acceptKeyMenu"}, {176, "keyMenu"},
    {177, "acceptVoiceMenu"}, {178, "frozen"}, {179, "userCanStop"}, {180, "growWithValue"},
    {181, "oneLine"}, {182, "screenState"}, {183, "mainbarShown"}, {184, "paintbarShown"},
};

// The event names in the order they are interned.
const std::vector<std::string> kEvents = {
    "onCreate", "onClean", "onClick", "onDoubleClick",
    "onLeftDown", "onRightDown", "onMiddleDown", "onLeftUp",
    "onRightUp", "onMiddleUp", "onDrag", "onPush",
    "onRelease", "onTool", "onChange", "onChanged",
    "onPagelistChanged", "onMouseMove", "onMouseEnter", "onMouseLeave",
    "onVoiceCommand", "onAddBehaviour", "onDeleteBehaviour", "onCollide",
    "onBounce", "onLoad", "onPositionChange", "onPlayStateChange",
    "onStatusChanged", "onReceive", "onJoystickButton1Down", "onJoystickButton1Up",
    "onJoystickButton2Down", "onJoystickButton2Up", "onJoystickButton3Down", "onJoystickButton3Up",
    "onJoystickButton4Down", "onJoystickButton4Up", "onJoystickMove", "onBegin",
    "onComplete", "onShowPage", "onHidePage", "onTurnToolBar",
    "onReceiveObject", "onErase",
};

const std::vector<std::string> kClasses = {"main",   "mainwindow", "Window",     "Page",       "Pane",
                                           "Turtle", "TextBox",    "Button",     "ToolButton", "ToolWindow",
                                           "Slider", "Net"};

// clang-format on

class EnglishObjects : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(selectLanguage("english")); }

  static std::string dictEntry(const std::string& key) { return getStr("dict", key, false); }
};

TEST_F(EnglishObjects, EveryObjectCommandIsSpelledByItsInternalName) {
  for (const std::string& name : kObjectCommands) {
    SCOPED_TRACE(name);
    std::vector<std::string> words = wordsOf(dictEntry(name));
    ASSERT_FALSE(words.empty());
    EXPECT_TRUE(sameName(words.front(), ruleSpelling(name)));
    EXPECT_TRUE(sameName(localName(name), ruleSpelling(name)));
  }
  for (const std::string& name : kObjectPseudoNames) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(sameName(localName(name), name));
  }
}

TEST_F(EnglishObjects, ClassicShortFormsAndAmericanSpellingsAreSynonyms) {
  const std::map<std::string, std::string> synonyms = {{"forward", "fd"},
                                                       {"back", "bk"},
                                                       {"left", "lt"},
                                                       {"right", "rt"},
                                                       {"penup", "pu"},
                                                       {"pendown", "pd"},
                                                       {"hideturtle", "ht"},
                                                       {"showturtle", "st"},
                                                       {"clearscreen", "cs"},
                                                       {"dotcolor", "dotcolour"},
                                                       {"dotcolourat", "dotcolorat"}};
  for (const auto& [name, synonym] : synonyms) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(isLocalName(name, synonym));
    EXPECT_TRUE(isLocalName(name, name));
    // A synonym never replaces the main spelling.
    EXPECT_TRUE(sameName(localName(name), name));
  }
}

TEST_F(EnglishObjects, EveryPropertyCodeHasItsWords) {
  std::set<int> codes;
  for (const Property& property : kProperties) codes.insert(property.code);
  ASSERT_EQ(codes.size(), 184u);
  EXPECT_EQ(codes.count(29), 0u);
  EXPECT_EQ(*codes.rbegin(), 184);

  for (const Property& property : kProperties) {
    SCOPED_TRACE(property.name);
    std::vector<std::string> words = wordsOf(dictEntry(property.name));
    ASSERT_FALSE(words.empty());
    EXPECT_TRUE(sameName(words.front(), ruleSpelling(property.name)));
    // Set-names are made by putting the pattern around the main spelling, so
    // it is written in lower case: "setpencolour", not "setpenColour".
    EXPECT_EQ(words.front(), lowered(words.front()));
    std::set<std::string> distinct;
    for (const std::string& word : words) distinct.insert(lowered(word));
    EXPECT_EQ(distinct.size(), words.size()) << "a synonym repeats";
  }
}

TEST_F(EnglishObjects, ColourPropertiesAnswerToAmericanSpelling) {
  int colourProperties = 0;
  for (const Property& property : kProperties) {
    std::string spelling = lowered(ruleSpelling(property.name));
    std::string::size_type at = spelling.find("colour");
    if (at == std::string::npos) continue;
    ++colourProperties;
    SCOPED_TRACE(property.name);
    EXPECT_TRUE(isLocalName(property.name, spelling));
    EXPECT_TRUE(isLocalName(property.name, spelling.replace(at, 6, "color")));
  }
  // text colour, three background colours, background line, fill, pen, shape
  // and border colour
  EXPECT_EQ(colourProperties, 9);
}

TEST_F(EnglishObjects, ExtraSetAndGetNamesBelongToPropertiesAndAreCommandWords) {
  std::set<std::string> propertyKeys;
  std::set<std::string> propertyWords;
  for (const Property& property : kProperties) {
    propertyKeys.insert(lowered(property.name));
    for (const std::string& word : wordsOf(dictEntry(property.name))) propertyWords.insert(lowered(word));
  }
  const TDTables* dictionary = currentDictionary();
  ASSERT_NE(dictionary, nullptr);
  for (const char* sectionName : {"set", "get"}) {
    const TDTable* section = dictionary->section(sectionName);
    ASSERT_NE(section, nullptr) << sectionName;
    for (const TDEntry& entry : section->entries()) {
      SCOPED_TRACE(std::string(sectionName) + "/" + entry.key);
      EXPECT_EQ(propertyKeys.count(entry.key), 1u) << "not a property";
      std::vector<std::string> words = wordsOf(entry.value);
      EXPECT_FALSE(words.empty());
      for (const std::string& word : words) {
        // Whole command words: setters carry the English set-name prefix,
        // getters must not look like setters, and neither repeats a word the
        // property's own spellings already give.
        EXPECT_EQ(word.rfind("set", 0) == 0, std::string(sectionName) == "set") << word;
        EXPECT_EQ(propertyWords.count(lowered(word)), 0u) << word;
      }
    }
  }
  EXPECT_TRUE(isLocalEntry("set", "heading", "seth"));
  EXPECT_TRUE(isLocalEntry("get", "penColour", "pc"));
}

TEST_F(EnglishObjects, NoPropertySetterHidesAnObjectCommand) {
  std::set<std::string> commandWords;
  for (const std::string& name : kObjectCommands)
    for (const std::string& word : wordsOf(dictEntry(name))) commandWords.insert(lowered(word));
  for (const Property& property : kProperties) {
    for (const std::string& word : wordsOf(dictEntry(property.name))) {
      std::string setter = "set" + lowered(word);
      EXPECT_EQ(commandWords.count(setter), 0u) << setter << " of " << property.name;
    }
  }
}

TEST_F(EnglishObjects, EventsAreSpelledExactlyAndDistinctly) {
  ASSERT_EQ(kEvents.size(), 46u);
  std::set<std::string> spellings;
  for (const std::string& event : kEvents) {
    SCOPED_TRACE(event);
    std::string entry = dictEntry(event);
    // Saved projects name events by the main spelling; synonyms would not be
    // interned as event codes, so an event has exactly one word.
    EXPECT_EQ(entry, event);
    spellings.insert(lowered(localName(event)));
  }
  // Event codes are told apart by their spelling: two equal spellings would
  // make two events one.
  EXPECT_EQ(spellings.size(), kEvents.size());
  for (const std::string& name : kObjectCommands)
    EXPECT_EQ(spellings.count(lowered(localName(name))), 0u) << name;
}

TEST_F(EnglishObjects, ClassesHaveDistinctNames) {
  std::set<std::string> names;
  for (const std::string& key : kClasses) {
    SCOPED_TRACE(key);
    std::string name = localEntryRaw("class", key);
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(wordsOf(getStr("class", key, false)).size(), 1u);
    names.insert(lowered(name));
  }
  // Classes are registered in one table of named objects.
  EXPECT_EQ(names.size(), kClasses.size());
  EXPECT_EQ(localEntry("class", "main"), "main");
  EXPECT_TRUE(sameName(localEntry("class", "Window"), "Window"));
  EXPECT_TRUE(sameName(localEntry("class", "Turtle"), "Turtle"));
  EXPECT_TRUE(sameName(localEntry("class", "Page"), "Page"));
}

TEST_F(EnglishObjects, NetworkStatusTextsFillTheirPlaceholders) {
  const std::vector<std::string> twoValues = {"trialconnection", "disconnected", "clientconnected2"};
  const std::vector<std::string> oneValue = {"receivedconfusedmessage"};
  const std::vector<std::string> plain = {
      "clientdisconnected", "clientconnected", "receiveddata", "receivedobject",
      "errorconnecting",    "eegeneral",       "eesend",       "eereceive",
      "eeconnect",          "eedisconnect",    "eeaccept"};
  for (const std::string& key : twoValues) {
    SCOPED_TRACE(key);
    std::string text = message2(key, "10.0.0.7", "alpha");
    EXPECT_NE(text.find("10.0.0.7"), std::string::npos);
    EXPECT_NE(text.find("alpha"), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
  }
  for (const std::string& key : oneValue) {
    SCOPED_TRACE(key);
    std::string text = message1(key, "q");
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_NE(text.find("(q)"), std::string::npos);
  }
  for (const std::string& key : plain) {
    SCOPED_TRACE(key);
    std::string text = message(key);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.front(), '@') << "missing";
    EXPECT_EQ(text.find('%'), std::string::npos);
  }
}

TEST_F(EnglishObjects, DictionaryReferencesInBuiltInLinesResolve) {
  // The drag line of controls and the drawing lists name these words by
  // reference; a reference to a setter goes through the set-name pattern.
  const std::string mark(1, kDictionaryMark);
  EXPECT_EQ(resolveDictionaryWord(mark + "ondrag"), "onDrag");
  EXPECT_EQ(resolveDictionaryWord(mark + "myplace"), "myplace");
  EXPECT_EQ(resolveDictionaryWord(mark + "clickedpos"), "clickedpos");
  EXPECT_EQ(resolveDictionaryWord(mark + ".setpos"), ".setpos");
  EXPECT_EQ(resolveDictionaryWord(mark + "setpencolour"), setNameOf("pencolour"));
  EXPECT_EQ(resolveDictionaryWord(mark + "parenthandle"), "parenthandle");
}

}  // namespace
}  // namespace lx
