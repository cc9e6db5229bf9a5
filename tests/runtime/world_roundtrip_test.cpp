// A world with every kind of object the runtime has, changed by
// set-commands and by action commands, saved as text and as a container,
// and loaded in fresh runs of the program: every property of every object,
// the drawing order, the shown page, variables, procedures, events,
// behaviours and property lists come back, and saving again gives the same
// text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace lx {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string withoutHeader(const std::string& text) {
  const size_t end = text.find("\r\n");
  return end == std::string::npos ? text : text.substr(end);
}

// Builds the world. Turtles are changed by their setters and by commands;
// one stands on a pane of a page that is not the last page made; the page
// shown is not the last one made; the drawing order is changed.
constexpr const char* kBuild = R"(newclass "Turtle "Runner [own'speed 3 define'dash [[] [forward speed]]]
newclass [] "Swimmer [define'swim [[] [output "splash]]]
new "Turtle [name ta]
new "Turtle [name tb]
new "Runner [name r1 pencolour "red]
new "Pane [name pane1 apos [10 10] size [200 150]]
ask "pane1 [new "Turtle [name pt]]
ask "MainWindow [(newpage "p2)]
ask "p2 [new "Turtle [name onp2]]
ask "ta [forward 30 right 45 penup hideturtle setpenwidth 3]
ask "tb [setheading 270.5 sethomestate [[10 20] 90]]
ask "tb [setpencolour 12 setfillcolour [10 20 30] back 15]
ask "r1 [dash dash setspeed 7 addbehaviour "Swimmer setevent "onClick [print "clicked]]
ask "pt [forward 5 left 30]
ask "ta [toback]
new "TextBox [name tx apos [300 20] size [120 40]]
ask "tx [setvalue [hello world] setcolour "blue setoneline "true]
new "Button [name bu apos [300 80] caption Go switch true group 3]
ask "bu [setdown "true]
new "Slider [name sl apos [300 120] min 5 max -5 value 2 vertical true]
ask "MainWindow [showpage "page1]
make "score 42
make "items [1 [2 3] x]
define "twice [[n] [output 2 * :n]]
pprop "colours "sky "blue
pprop "colours "grass [green 2]
)";

// Prints everything the comparison looks at.
constexpr const char* kDump = R"(to dumpobject :o
foreach "p [name aPos pos xCor yCor size shown heading homeState fillColour fillPattern pen penColour penWidth penPattern rangeStyle range shape shapeScale shapeColour font frame frameItem bgColour bgLineColour bgLineWidth origin value oneLine colour caption down group switch min max vertical] [catch "error [print (list :o :p ask :o (list :p))]]
end
to dump
foreach "o [t1 ta tb r1 pt onp2 page1 p2 pane1 tx bu sl] [dumpobject :o]
print ask "page1 [allturtles]
print ask "pane1 [allturtles]
print ask "MainWindow [activepage]
print :score
show :items
show ask "t1 [text "twice]
show plist "colours
print ask "r1 [mybehaviours]
print ask "r1 [swim]
print ask "r1 [speed]
show ask "r1 [event "onClick]
end
dump
)";

class WorldRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lx-world-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }

  fs::path file(const std::string& name) const { return dir_ / name; }
  std::string bar(const std::string& name) const { return "\"|" + file(name).string() + "|"; }

  // Runs a console script in a fresh run of the program; its standard
  // output, which must come without errors.
  std::string console(const std::string& name, const std::string& script) {
    std::ofstream(file(name)) << script;
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " LX_LUMAXIS " --headless --seed 1 --console '" +
                                file(name).string() + "' >'" + file(name + ".out").string() + "' 2>'" +
                                file(name + ".err").string() + "' </dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name;
    EXPECT_EQ(readAll(file(name + ".err")), "") << name;
    return readAll(file(name + ".out"));
  }

  fs::path dir_;
};

TEST_F(WorldRoundTrip, EverythingComesBackFromTextAndFromAContainer) {
  const std::string built = console("build.lgo", std::string(kBuild) + kDump + "save " + bar("w.lxt") + "\nsave " +
                                                     bar("again.lxt") + "\nsave " + bar("w.lxp") + "\n");
  ASSERT_NE(built.find("splash"), std::string::npos) << built;
  const std::string text = readAll(file("w.lxt"));
  EXPECT_EQ(withoutHeader(readAll(file("again.lxt"))), withoutHeader(text)) << "saving twice";
  EXPECT_NE(text.find("reorder"), std::string::npos) << text;

  for (const char* saved : {"w.lxt", "w.lxp"}) {
    SCOPED_TRACE(saved);
    const std::string reloaded = console(std::string("load-") + saved + ".lgo",
                                         "loadproject (list " + bar(saved) + " [erased])\n" + kDump + "save " +
                                             bar(std::string("re-") + saved + ".lxt") + "\n");
    EXPECT_EQ(reloaded, built);
    EXPECT_EQ(withoutHeader(readAll(file(std::string("re-") + saved + ".lxt"))), withoutHeader(text));
  }
}

}  // namespace
}  // namespace lx
