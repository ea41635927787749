#pragma once
// The one contract between the portable system and the operating system. Everything the game and its
// framework need from outside (window and messages, screen, time, resources, sound, fonts, files,
// the browser) is declared here; two backends implement it: SDL2 for a real window and a headless
// one for tests, benchmarks and screenshots. Nothing outside src/platform/ includes a system header.
//
// Beside it: the key table (Keys.h), the services both backends share (common/), the SDL2 backend
// (sdl/), the headless backend and its script runner (headless/), and the start-up that chooses
// between them (Startup.cpp).
//
// Messages keep the numeric codes and wParam/lParam shape of the handheld platform the game was
// written for, so the window procedure and the main loop read exactly as they behave.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Messages

enum MessageCode : uint32_t {
    WM_ACTIVATE = 6,
    WM_PAINT = 15,
    WM_CLOSE = 16,
    WM_QUIT = 18,
    WM_ERASEBKGND = 20,
    WM_KEYDOWN = 256,
    WM_KEYUP = 257,
    WM_SYSCOMMAND = 274,
    WM_MOUSEMOVE = 512,
    WM_LBUTTONDOWN = 513,
    WM_LBUTTONUP = 514,
    WM_LBUTTONDBLCLK = 515,
    WM_RBUTTONDOWN = 516,
    WM_RBUTTONUP = 517,
    WM_RBUTTONDBLCLK = 518,
};
constexpr uint32_t WA_INACTIVE = 0;
constexpr uint32_t WA_ACTIVE = 1;
constexpr uint32_t SC_CLOSE = 0xF060;

// Virtual-key codes the system uses.
enum KeyCode : uint32_t {
    VK_BACK = 8,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_DELETE = 46,
    VK_NUMPAD0 = 96,
    VK_NUMPAD9 = 105,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SEPARATOR = 108,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F8 = 119,  // a phone's '*' key
    VK_F9 = 120,  // a phone's '#' key
    // A gamepad's buttons, with the codes Windows gives them (Start and Back arrive as VK_F8 and VK_F9).
    VK_GAMEPAD_A = 195,
    VK_GAMEPAD_B = 196,
    VK_GAMEPAD_X = 197,
    VK_GAMEPAD_Y = 198,
    VK_GAMEPAD_RIGHT_SHOULDER = 199,
    VK_GAMEPAD_LEFT_SHOULDER = 200,
    VK_GAMEPAD_DPAD_UP = 203,
    VK_GAMEPAD_DPAD_DOWN = 204,
    VK_GAMEPAD_DPAD_LEFT = 205,
    VK_GAMEPAD_DPAD_RIGHT = 206,
};

struct Message {
    uint32_t message = 0;
    uint32_t wParam = 0;
    int32_t lParam = 0;
};

// Pointer coordinates travel as two signed 16-bit halves of lParam: x low, y high.
constexpr int32_t makePointLParam(int x, int y) {
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x));
}
constexpr int pointX(int32_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
constexpr int pointY(int32_t lParam) { return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF); }

// The application's window procedure; the backend's dispatchMessage calls it.
using WindowProcedure = intptr_t (*)(uint32_t message, uint32_t wParam, int32_t lParam);

// ---------------------------------------------------------------------------------------------
// Window

enum class WindowResult {
    Created,
    AnotherInstanceRaised,    // a copy already runs on this data root; it was asked to come to the front
    ClassRegistrationFailed,  // the window system refused us (no display, say)
    CreationFailed,
};

// Opens the one main window, sized to the simulated screen's work area, with icon iconId.
WindowResult createWindow(const std::u16string& className, const std::u16string& title, int iconId,
                          WindowProcedure procedure);

// Takes the next message without waiting; false when the queue is empty.
bool peekMessage(Message& message);
// Waits for the next message (the process sleeps meanwhile); false when it is WM_QUIT.
bool getMessage(Message& message);
intptr_t dispatchMessage(const Message& message);
// What the system does with a message the program does not handle itself.
intptr_t defaultWindowProcedure(const Message& message);
void postQuitMessage(int exitCode);

// ---------------------------------------------------------------------------------------------
// Screen (the simulated handheld screen)

int screenWidth();
int screenHeight();
int workAreaTop();  // height of the task bar at the top of the screen
int windowHeight();
void moveWindow(int width, int height);  // keeps the window where it is, takes the new client size
// Shows width x height RGB565 pixels, rows top first, stride width.
void present(const uint16_t* pixels, int width, int height);

// ---------------------------------------------------------------------------------------------
// Time

uint32_t tickCount();  // monotonic milliseconds, wrapping at 2^32
struct SystemTime {
    int year, month, day, hour, minute, second;
};
SystemTime systemTimeUtc();
// The same clock as milliseconds since 1970-01-01 UTC (the headless runner's advances with its
// virtual clock from its start, or from midnight of --date).
int64_t utcMilliseconds();
void sleepMs(uint32_t milliseconds);

// ---------------------------------------------------------------------------------------------
// Dialogs, browser

// A modal notice with an OK button; standard error where no display exists.
void messageBox(const std::u16string& text, const std::u16string& title);
// Opens address in the user's browser, never through a shell. False when nothing could be started.
bool openUrl(const std::u16string& address);

// ---------------------------------------------------------------------------------------------
// Resources embedded in the executable

enum class ResourceType { Bitmap, Wave, Icon, Data };
// The bytes of a resource, or an empty span when there is none with that type and id.
std::span<const uint8_t> findResource(ResourceType type, int id);

// ---------------------------------------------------------------------------------------------
// Sound: one voice

constexpr uint32_t SND_NOSTOP = 16;  // do not interrupt a sound that is playing; drop this one instead
// Plays WAVE resource id asynchronously, cutting off the sound playing unless flags has SND_NOSTOP.
void playSound(int resourceId, uint32_t flags);

// ---------------------------------------------------------------------------------------------
// Fonts (FreeType and fontconfig)

// One opened font face at one pixel size; opaque to the portable code.
struct FontFace;

// Text metrics in whole pixels at the face's pixel size.
struct FontMetrics {
    int height = 0;        // ascent plus descent
    int descent = 0;       // below the baseline, positive
    int averageWidth = 0;  // the face's average character width
};

// An anti-aliased glyph as 8-bit coverage (0 transparent, 255 solid), rows top first, pitch bytes apart.
// left and top place its top-left corner relative to the pen on the baseline (top counts upwards).
// The coverage is valid until the next call on the same face.
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int pitch = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::span<const uint8_t> coverage;
};

// Opens the best match for faceName ("Verdana" falls back to the system's match for it, and that to
// the DejaVu Sans the program carries) at pixelHeight pixels of character height (the em, not the
// line). Null when no usable font exists (only a pinned file that cannot serve, or a damaged build).
FontFace* openFont(const std::u16string& faceName, int pixelHeight);
void closeFont(FontFace* face);  // null is allowed
FontMetrics fontMetrics(const FontFace* face);
// The advance width in pixels of one UTF-16 code unit, as the glyph is drawn.
int glyphAdvance(FontFace* face, char16_t code);
// Renders one code unit; false (and an empty bitmap) when the face has no glyph for it.
bool rasteriseGlyph(FontFace* face, char16_t code, GlyphBitmap& glyph);
// Makes every later openFont use this font file, whatever face is asked for (tests pin one so that
// measured widths are the same on every machine). An empty path goes back to the system's lookup.
void pinFontFile(const std::string& path);
// True when some font can be opened; without one the program cannot show any text.
bool fontsAvailable();

// ---------------------------------------------------------------------------------------------
// Files (the device's file system is a folder on the host, the data root)
//
// Device paths use backslashes ("\My Documents\x.dat"); '/' separates too, and a drive ("C:") names
// the one volume there is. Empty and "." names are skipped. A ".." name, a NUL or a symbolic link below
// the root is refused as a file that cannot be opened, so no device path reaches outside the root.

// The host folder that holds the device's files: --data-dir, else $XDG_DATA_HOME/vortellanox, else
// ~/.local/share/vortellanox. It is created (for the user alone) when something is first written.
void setDataRoot(std::string folder);  // an empty folder goes back to the default
std::string dataRoot();
// The device path of the program's own folder, ending in a backslash: the root itself.
std::u16string programFolder();
// The host path a device path maps to; empty when the path is refused.
std::string hostPath(const std::u16string& devicePath);

// Why a data root cannot be used (empty when it can): a path the system cannot hold, or one that
// names something other than a folder. Checked at start, so that no save fails later for it.
std::string dataRootProblem(const std::string& folder);

// Opens an existing regular device file for reading; null when it is refused or cannot be opened.
std::FILE* openDeviceFile(const std::u16string& devicePath);

// A device file being replaced. Its bytes go to a temporary file of its own beside the target
// (a name no other copy or save uses), which takes the target's place only when commit succeeds,
// so a kill, a crash or a full disk leaves the old file whole. Dropped uncommitted, it removes its
// temporary file and nothing else.
class FileReplacement {
public:
    FileReplacement();
    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&& other) noexcept;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    // Opens the replacement; an empty handle (and error() set) when the target is refused or the
    // temporary file cannot be made.
    static FileReplacement open(const std::u16string& devicePath);

    std::FILE* stream() const;
    explicit operator bool() const { return stream() != nullptr; }
    // Flushes and syncs the bytes, renames them over the target and syncs the folder. 0 on success,
    // otherwise an error number, and then the target is as it was. The handle is empty afterwards.
    int commit();
    // Removes the temporary file; the target stays as it was.
    void discard();
    // The error number of the failed open, or 0.
    int error() const { return openError; }

    struct State;

private:
    std::unique_ptr<State> state;
    int openError = 0;
};

// Removes a device file; true when it is gone afterwards.
bool removeDeviceFile(const std::u16string& devicePath);
// Creates one folder (mode 0700; the parent must exist). True when it exists afterwards.
bool createDeviceFolder(const std::u16string& devicePath);
// A short description of an error number from the file functions, for the player and the log.
std::string describeFileError(int error);

// ---------------------------------------------------------------------------------------------
// Start-up and backends

// Reads the command line and readies the chosen backend. Returns -1 to go on and run the program,
// or the exit status to end with at once (--help, --version, a bad option: 2).
int configureFromCommandLine(int argc, char** argv);
// The file --export-history named ("-": standard output), or empty. When set, no backend was chosen:
// the program writes the export and exits.
const std::string& historyExportFile();
// Chooses the headless backend with default settings (tests and benchmarks).
void useHeadlessBackend();
// Releases the backend after the program has run; returns the process's exit status, which is not
// 0 once a failure was noted.
int shutdown();
// Notes that something failed that the player must know of, so that the exit status says so.
void noteFailure();
// Writes "vortellanox: text" on standard error and notes the failure.
void reportFailure(const std::u16string& text);

// A line for the headless runner's log of events ("posed 7 x 8"), printed with the virtual time;
// nothing happens with a real window.
void logEvent(std::string_view line);

// What the headless runner's "answer" command asks the program, through the hook the entry point
// installs: a line saying what is posed (the runner prints it) and the characters that answer it.
// False when nothing is posed.
using AnswerQuery = std::function<bool(std::string& posed, std::string& answer)>;
void setAnswerQuery(AnswerQuery query);

}  // namespace platform
