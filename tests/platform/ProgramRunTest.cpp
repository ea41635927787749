// The program itself on the headless runner: it starts and draws text on a system without fonts, and
// a pad's Start reaches it as the key it stands for.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/DataRootTest.h"
#include "platform/Platform.h"

namespace {

// The advance widths of some characters in the face "Verdana" opens as.
std::vector<int> verdanaWidths() {
    platform::FontFace* face = platform::openFont(u"Verdana", 13);
    std::vector<int> widths;
    for (char16_t c : std::u16string(u"0123456789 Playtions")) widths.push_back(platform::glyphAdvance(face, c));
    platform::closeFont(face);
    return widths;
}

// Whether this system's fontconfig gives DejaVu Sans for "Verdana", as Debian's does.
bool systemVerdanaIsDejaVu() {
    const std::vector<int> system = verdanaWidths();
    platform::pinFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const std::vector<int> dejaVu = verdanaWidths();
    platform::pinFontFile("");
    return system == dejaVu;
}

class ProgramRun : public DataRootTest {
protected:
    // Runs the program on a script with the environment settings in front; its exit status.
    int run(const std::string& name, const std::string& script, const std::string& environment = "") {
        std::ofstream(root / (name + ".txt")) << script;
        const std::string command = environment + " \"" VX_EXECUTABLE "\" --headless --minute 7 --data-dir \"" +
                                    (root / (name + "-data")).string() + "\" --script \"" +
                                    (root / (name + ".txt")).string() + "\" >/dev/null 2>\"" +
                                    (root / (name + ".err")).string() + "\"";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string shot(const std::string& name) const { return bytesOf(name + ".png"); }
    std::string shotCommand(const std::string& name) const { return "shot " + (root / (name + ".png")).string() + "\n"; }
};

}  // namespace

// With a fontconfig that knows no fonts at all the program still starts and draws its menu, in the
// same DejaVu Sans that Debian's fontconfig gives for "Verdana".
TEST_F(ProgramRun, StartsAndDrawsTextWithoutAnyFonts) {
    std::ofstream(root / "empty.conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const std::string noFonts =
        "FONTCONFIG_FILE=\"" + (root / "empty.conf").string() + "\" XDG_CACHE_HOME=\"" + root.string() + "\"";
    ASSERT_EQ(run("bare", "wait 100\n" + shotCommand("bare"), noFonts), 0) << bytesOf("bare.err");
    ASSERT_EQ(run("system", "wait 100\n" + shotCommand("system")), 0) << bytesOf("system.err");
    EXPECT_EQ(bytesOf("bare.err").find("font"), std::string::npos) << bytesOf("bare.err");
    EXPECT_GT(shot("bare").size(), 1000u);
    if (!systemVerdanaIsDejaVu()) GTEST_SKIP() << "this system draws \"Verdana\" in another face";
    EXPECT_TRUE(shot("bare") == shot("system")) << "the menus differ";
}

// Start is the phone's '*': during play it opens the menu, exactly as the key does.
TEST_F(ProgramRun, PadStartDoesWhatTheStarKeyDoes) {
    const std::string play = "wait 100\nkey 49\nwait 100\nkey 49\nwait 300\n";
    for (const auto& [name, press] : {std::pair{"pad", "pad start"}, {"key", "key 119"}, {"none", ""}})
        ASSERT_EQ(run(name, play + press + "\nwait 100\n" + shotCommand(name)), 0) << bytesOf(std::string(name) + ".err");
    EXPECT_TRUE(shot("pad") == shot("key")) << "Start showed another screen than '*'";
    EXPECT_FALSE(shot("pad") == shot("none")) << "Start changed nothing";
}
