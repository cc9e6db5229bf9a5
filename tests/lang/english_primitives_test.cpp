// The English language dictionary: the spellings that projects, the
// built-in library and the rest of the runtime rely on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "lang/dictionary.h"

namespace lx {
namespace {

// Internal names of the global primitives of the main object.
// clang-format off
const char* const kPrimitives[] = {
    "count", "first", "!", "!2", "fput", "lput", "quotient", "difference", "random",
    "randompos", "abs", "int", "round", "sin", "cos", "tan", "arctan", "exp", "ln", "sqrt",
    "vectorangle", "spline", "topoints", "tovectors", "rotate", "tintcolour", "butfirst",
    "last", "butlast", "shuffle", "sort", "pick", "reverse", "ascii", "char", "bitnot",
    "not", "butmember", "less?", "greater?", "div", "mod", "item", "frommember", "member?",
    "member", "imagesize", "delay", "setdelay", "sethotspot", "hotspot", "setimageinfo",
    "imageinfo", "replace", "deepreplace", "deepitem", "butitem", "type", "print",
    "printline", "show", "printto", "printtotextbox", "readlist", "readword", "readfrom",
    "eof?", "readkey", "lastkey", "key", "key?", "readchar", "readlistdialog",
    "readworddialog", "messagebox", "dialogbox", "word", "list", "sentence", "image",
    "emptyimage", "toanimfilm", "toframes", "equal?", "sum", "product", "bitand", "bitor",
    "bitxor", "and", "or", "xor", "empty?", "word?", "list?", "image?", "number?",
    "lumaxiscolours", "torgb", "any", "parse", "parselines", ".translate", ".keyword?",
    "reducepath", "repeat", "repcount", "ignore", "if", "ifelse", "run", "apply", "map",
    "filter", "generate", "while", "loop", "for", "foreach", "waituntil", "test", "iftrue",
    "iffalse", "case", "output", "stop", "catch", "throw", "error", "throwerror",
    "runcritical", "bye", "set", "make", "havecommon", "haveown", "name_command", "thing",
    "get", "local", "let", "inc", "dec", "define", "text", "name?", "defined?",
    "primitive?", "mydefined?", "myprimitive?", ".procedures", ".variables", "names",
    "variables", "procs", "po", "pps", "erase", "bury", "unbury", "buried", "setbury",
    ".donotsave", ".donotsaveproc", ".donotsaveevent", ".donotsavevar",
    ".donotsaveallvars", "launch", "forever", "every", "after", "cancel", "stopme",
    "stopall", "done?", "allprocesses", "processname", "wait", "pauseall", "resumeall",
    "ask", "askeach", "each", "tell", "who", "create", "destroy", "home", "clone", "new",
    "newclass", ".new.", "newobject", "eraseobject", "erasecomplete", "changeme",
    "addBehaviour", ".addbehaviour", "removeBehaviour", "mybehaviours", "behaviourof",
    "descendants", "parent?", "is?", "object?", "class?", "objname?", "myobjname?",
    "lastname", ".lastname", "myname", ".objects", "objects", "getparam", "peekparam",
    "event", "setevent", "eraseevent", "runevent", "event?", "myevent?", "events", "pprop",
    "gprop", "remprop", "plist", "setplist", "props", "toscreen", "toobject", "toabsolute",
    "tocartesian", "setstate", ".setstate", ".setstate.", ".planned", "activetoolbutton?",
    "finishselection", ".hide", "load", ".load", "loadimage", "loadbitmap",
    "loadimagelist", ".loadimage", ".setloadimage", ".setsaveoptions", "saveimage",
    "savebitmap", "appendimage", "file?", "folder?", "erasefile", "erasefile?",
    "renamefile", "renamefile?", "expandfilename", "loadpath", "filelist", "folderlist",
    "erasefolder", "erasefolder?", "createfolder", "createfolder?", "loadtext", "savetext",
    "appendtext", "loadtable", "savetable", "setpath", "path", "save", ".save",
    "loadproject", "eraseall", "saveforweb", "unpackwebproject", ".changed?",
    ".setchanged", "openchooser", "URLchooser", "openprojectchooser", "savechooser",
    "saveprojectchooser", "savehtmlchooser", "colourchooser", "printersetup",
    "savepicturechooser", "loadpicturechooser", "loadpicturechooser1", "loadimagechooser",
    "wavechooser", "linepatternchooser", "fillpatternchooser", "linewidthchooser",
    "playChooser", "voiceChooser", "chooser", "popup", "explore", "explorer?",
    "closeExplorer", "edit", "editimage", "playwave", "playfile", "play", "note", "rest",
    "setinstrument", "mci", "openvideo", "closevideo", "say", "setvoice", "numJoysticks",
    "activeJoysticks", "mousepos", "setmousepos", "setmousecursor", "in", "inW", "inD",
    "out", "outW", "outD", "systemmetrics", "runprogram", "showdocument", "browseDocument",
    "clipboard", "date", "time", "dateWord", "timeWord", "timer", "resettimer",
    "randomize", "showTime", "setoption", "option", "setbuttons", "buttons",
    "setbuttonssize", "buttonssize", "showbuttons", "hidebuttons", ".bubblewindow",
    ".setbubblewindow", "dormantall", ".mem", ".clpaint", ".paintcnt", ".paintrc"};
// clang-format on

// Words the interpreter looks up by internal name besides the primitives.
const char* const kInterpreterWords[] = {"toplevel", "novalue", "true", "false"};

std::vector<std::string> wordsOf(const std::string& value) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < value.size()) {
    size_t end = value.find(' ', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) words.push_back(value.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::string lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

class EnglishDictionary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(selectLanguage("english")); }
};

TEST_F(EnglishDictionary, EveryPrimitiveIsSpelledByItsInternalName) {
  for (const char* name : kPrimitives) {
    const std::string expected = std::string(name) == "name_command" ? "name" : name;
    EXPECT_EQ(localName(name), expected) << name;
  }
  for (const char* name : kInterpreterWords) EXPECT_EQ(localName(name), name);
}

TEST_F(EnglishDictionary, ClassicShortFormsAndAmericanSpellingsAreSynonyms) {
  // clang-format off
  const std::pair<const char*, const char*> synonyms[] = {
      {"print", "pr"}, {"butfirst", "bf"}, {"butlast", "bl"}, {"sentence", "se"}, {"output", "op"},
      {"readlist", "rl"}, {"readword", "rw"}, {"readchar", "rc"}, {"edit", "ed"}, {"erase", "er"},
      {"iftrue", "ift"}, {"iffalse", "iff"}, {"empty?", "emptyp"}, {"word?", "wordp"}, {"list?", "listp"},
      {"number?", "numberp"}, {"member?", "memberp"}, {"equal?", "equalp"}, {"name?", "namep"},
      {"defined?", "definedp"}, {"primitive?", "primitivep"}, {"less?", "lessp"}, {"greater?", "greaterp"},
      {"key?", "keyp"}, {"eof?", "eofp"}, {"tintcolour", "tintcolor"}, {"lumaxiscolours", "lumaxiscolors"},
      {"colourchooser", "colorchooser"}, {"addBehaviour", "addBehavior"},
      {"removeBehaviour", "removeBehavior"}};
  // clang-format on
  for (const auto& [name, synonym] : synonyms)
    EXPECT_TRUE(isLocalName(name, synonym)) << name << " " << synonym;
}

// A synonym that is also another entry's word would register two procedures
// under one name, and the later one would silently replace the earlier.
TEST_F(EnglishDictionary, SynonymsOfPrimitivesBelongToNoOtherEntry) {
  const TDTable* dict = currentDictionary()->section("dict");
  ASSERT_NE(dict, nullptr);
  std::map<std::string, std::set<std::string>> keysOfWord;
  for (const TDEntry& entry : dict->entries())
    for (const std::string& word : wordsOf(entry.value)) keysOfWord[lower(word)].insert(entry.key);
  for (const char* name : kPrimitives) {
    const std::vector<std::string> words = wordsOf(getStr("dict", name, false));
    for (size_t i = 1; i < words.size(); ++i)
      EXPECT_EQ(keysOfWord[lower(words[i])], std::set<std::string>{lower(name)}) << name << " " << words[i];
  }
}

TEST_F(EnglishDictionary, DictionaryReferencesResolveToEnglishWords) {
  const std::string mark(1, kDictionaryMark);
  EXPECT_EQ(resolveDictionaryWord(mark + "loadproject"), "loadproject");
  EXPECT_EQ(resolveDictionaryWord(mark + "member?"), "member?");
  EXPECT_EQ(resolveDictionaryWord(mark + "other" + mark + "to"), "to");
  EXPECT_EQ(resolveDictionaryWord(mark + "param" + mark + "usual'create"), "usual'create");
  EXPECT_EQ(translateLine(mark + "repeat 4 [" + mark + "print " + mark + "repcount]"),
            "repeat 4 [print repcount]");
}

TEST_F(EnglishDictionary, LanguageSettings) {
  EXPECT_EQ(firstWord(trueWords()), "true");
  EXPECT_EQ(firstWord(falseWords()), "false");
  EXPECT_EQ(usualPrefix(), "usual'");
  EXPECT_EQ(setNameOf("pencolour"), "setpencolour");
  // English compares names without regard to case but keeps accents apart.
  EXPECT_TRUE(isLocalEntry("other", "to", "TO"));
  EXPECT_FALSE(isLocalEntry("other", "to", "t\xF3"));
}

TEST_F(EnglishDictionary, WordsOfOtherSectionsAreSpelledByTheirKeys) {
  const std::map<std::string, std::vector<std::string>> keys = {
      {"other", {"to", "end", "true", "false", "error", "clipboard", "event", "startup", "unknown"}},
      {"name",
       {"namePrefix", "fileName", "defaultaction", "initList", "savePicture", "voiceCommand", "icon",
        "loading"}},
      {"param", {"usual",    "verbose",  "common", "event",        "procedure", "define", "setting",
                 "var",      "variable", "own",    "backup",       "readonly",  "pagebg", "panebg",
                 "extraimg", "startup",  "erased", "ignoreerrors", "wrap",      "window", "fence",
                 "bounce",   "step",     "wait",   "todo",         "no",        "client", "server"}},
      {"option",
       {"error", "picker", "colourcursor", "ansi", "sound", "fkeys", "thresholdy2k", "ellapseunit",
        "timeunit", "strict", "octaves", "homepage", "pluginpage", "HTMLcharset", "HTMLbottomLine", "state",
        "version", "build", "params"}},
      {"colors",
       {"magenta", "pink", "purple", "darkBlue", "blue", "paleBlue", "cyan", "darkGreen", "green", "olive",
        "yellow", "orange", "taupe", "paleRed", "red", "grey", "white", "black", "lightGrey"}},
      {"keynames", {"f1",    "f2",    "f3",     "f4",       "f5",     "f6",     "f7",    "f8",        "f9",
                    "f10",   "f11",   "f12",    "home",     "up",     "pageup", "nokey", "left",      "num5",
                    "right", "end",   "down",   "pagedown", "insert", "delete", "enter", "backspace", "tab",
                    "esc",   "space", "shift.", "ctrl.",    "alt.",   "off."}},
  };
  for (const auto& [sectionName, names] : keys)
    for (const std::string& key : names)
      EXPECT_EQ(localEntryRaw(sectionName, key), key) << sectionName << " " << key;
  EXPECT_TRUE(isLocalEntry("colors", "grey", "gray"));
  EXPECT_TRUE(isLocalEntry("colors", "lightGrey", "lightgray"));
}

TEST_F(EnglishDictionary, ParameterWordsDropTheirDisambiguatingSuffix) {
  // clang-format off
  const std::pair<const char*, const char*> words[] = {
      {"top_align", "top"}, {"bottom_align", "bottom"}, {"left_align", "left"},
      {"right_align", "right"}, {"style_putpicture", "style"}, {"upperleft_putpicture", "upperleft"},
      {"center_putpicture", "center"}, {"tile_putpicture", "tile"}, {"stretch_putpicture", "stretch"},
      {"rect_putpicture", "rect"}, {"arect_putpicture", "arect"}, {"pos_putpicture", "pos"},
      {"apos_putpicture", "apos"}, {"size_putpicture", "size"}, {"scale_putpicture", "scale"}};
  // clang-format on
  for (const auto& [key, word] : words) EXPECT_EQ(localEntryRaw("param", key), word) << key;
}

// A file kind is found by the first kind one of whose words matches, so a
// word shared by two kinds would make the later kind unreachable.
TEST_F(EnglishDictionary, FileKindWordsAreDistinctAndEveryKindHasAFolder) {
  std::map<std::string, std::string> kindOfWord;
  for (const char* key :
       {"project", "screen", "demo", "help", "image", "media", "wave", "sound", "text", "web", "button"}) {
    const std::vector<std::string> words = wordsOf(getStr("pathnames", key, false));
    ASSERT_FALSE(words.empty()) << key;
    for (const std::string& word : words) EXPECT_TRUE(kindOfWord.emplace(lower(word), key).second) << word;
  }
  for (const char* key : {"project", "demo", "help", "image", "media", "text", "web", "button"}) {
    const std::string folder = localEntryRaw("directories", key);
    EXPECT_FALSE(folder.empty()) << key;
    EXPECT_EQ(folder.find_first_of("\\/:$%"), std::string::npos) << key;
  }
}

// New objects are named by the prefix followed by a number, and a number at
// the end of a name is read back as the count: a prefix may hold no digit.
TEST_F(EnglishDictionary, EveryKindOfObjectHasANamePrefix) {
  for (const char* kind : {"main", "window", "page", "pane", "turtle", "text", "button", "toolbutton",
                           "toolwindow", "slider", "net"}) {
    const std::string prefix = localEntryRaw("prefix", kind);
    EXPECT_FALSE(prefix.empty()) << kind;
    EXPECT_EQ(prefix.find_first_of("0123456789"), std::string::npos) << kind;
  }
  EXPECT_EQ(localEntryRaw("prefix", "turtle"), "t");
}

TEST_F(EnglishDictionary, MessagesHaveWellFormedPlaceholders) {
  const TDTable* texts = currentDictionary()->section("text");
  ASSERT_NE(texts, nullptr);
  for (const TDEntry& entry : texts->entries()) {
    const std::string& text = entry.value;
    EXPECT_FALSE(text.empty()) << entry.key;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
      EXPECT_TRUE(at + 1 < text.size() && (text[at + 1] == 's' || text[at + 1] == 'S')) << entry.key;
  }
  EXPECT_EQ(message1("anistanceof", "Turtle"), "an instance of Turtle");
}

}  // namespace
}  // namespace lx
