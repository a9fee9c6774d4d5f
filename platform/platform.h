#pragma once
// The whole platform contract of Glyphora.
//
// Game code sees the operating system only through the interfaces below. Each
// call carries its promise beside it; the real implementations (SDL2, libpng,
// libcurl, POSIX) live in platform/sdl and platform/posix, the fakes that unit
// tests use in platform/fake. No SDL, curl or POSIX type appears here.
//
// Sections:
//   1. Plain types: colours, points, rectangles, images
//   2. Messages (Win32 meanings)
//   3. Window, message queue and desktop
//   4. Clock
//   5. 2D device and textures
//   6. Fonts
//   7. Files, dynamic libraries, processes, shell and HTTP
//   8. The platform bundle handed to the game

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glyphora::platform {

// ---------------------------------------------------------------------------
// 1. Plain types
// ---------------------------------------------------------------------------

using Colour = std::uint32_t;  // ARGB, alpha in the top byte

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Window-client pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A picture in memory: rows top to bottom, one ARGB value per pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// ---------------------------------------------------------------------------
// 2. Messages
// ---------------------------------------------------------------------------

// The message numbers are the Win32 ones, so wParam and lParam keep their
// Win32 meanings: KeyDown carries a virtual-key code (keys.h), Char a byte,
// Activate 0 for "deactivated" and 1 for "activated", Quit the exit code.
enum class MessageKind : std::uint32_t {
    None = 0x0000,
    Destroy = 0x0002,   // the user asked to close the window
    Activate = 0x0006,  // focus gained (1) or lost / minimised (0)
    Paint = 0x000F,     // the window was exposed and should be redrawn
    Quit = 0x0012,      // posted by MessageQueue::postQuit
    KeyDown = 0x0100,   // also for auto-repeat
    Char = 0x0102,      // one byte 32..126, or the synthesised 8, 9, 13, 27
    MouseMove = 0x0200,
    LButtonDown = 0x0201,
    LButtonUp = 0x0202,
};

struct Message {
    MessageKind kind = MessageKind::None;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
};

// ---------------------------------------------------------------------------
// 3. Window, message queue and desktop
// ---------------------------------------------------------------------------

class Device;

struct WindowSpec {
    std::string title;
    Point position;
    Size size;
};

// How the window shows the picture of the size it was opened with: every
// picture pixel as a scale × scale square (nearest neighbour), the picture's
// top-left corner at origin in window pixels, black around it.
struct WindowView {
    int scale = 1;
    Point origin{0, 0};
    Size window{0, 0};        // the window's size in screen pixels
    bool fullScreen = false;  // the window covers the whole display
    // Full screen: the display's top-left corner in screen pixels (not 0, 0
    // on a second display).
    Point displayCorner{0, 0};
    friend bool operator==(const WindowView&, const WindowView&) = default;
};

class Window {
public:
    virtual ~Window() = default;
    // Opens the one borderless window at spec.position with spec.size and
    // shows it. False when no window can be made (no video at all).
    virtual bool open(const WindowSpec& spec) = 0;
    // Moves the window's top-left corner to screen position p; size unchanged.
    // The window is repainted (a Paint message follows when it is visible).
    virtual void move(Point p) = 0;
    virtual void minimise() = 0;
    // Sets the picture the desktop shows for the window (taskbar, switcher)
    // from a PNG file; a missing or broken file leaves the desktop's default.
    virtual void setIcon(const std::string& pngPath) = 0;
    // Creates the 2D device that draws into this window; nullptr when it
    // cannot be created. At most one device exists per window.
    virtual std::unique_ptr<Device> createDevice() = 0;
    // Resizes the window to scale times the size it was opened with; the
    // top-left corner stays. A window that cannot scale ignores it.
    virtual void setScale(int scale) { (void)scale; }
    // Where the picture stands now: the largest whole scale that fits the
    // window's size (a window manager may have resized it, full screen),
    // centred.
    virtual WindowView view() { return {}; }
};

// The view of a picture in a window on a display of the given sizes.
inline WindowView ViewInWindow(Size picture, Size window, Size display) {
    WindowView view;
    view.window = window;
    if (picture.width > 0 && picture.height > 0)
        view.scale = std::max(1, std::min(window.width / picture.width, window.height / picture.height));
    view.origin = {(window.width - picture.width * view.scale) / 2, (window.height - picture.height * view.scale) / 2};
    view.fullScreen = window.width >= display.width && window.height >= display.height;
    return view;
}

class MessageQueue {
public:
    virtual ~MessageQueue() = default;
    // Takes the next waiting message without blocking (PeekMessage with
    // remove). False when none waits. A posted Quit comes before other
    // messages.
    virtual bool peek(Message& out) = 0;
    // Blocks until a message arrives and takes it (GetMessage). Uses no
    // processor time while waiting. A posted Quit is returned as a message.
    virtual Message wait() = 0;
    // Posts Quit with the exit code in wParam (PostQuitMessage).
    virtual void postQuit(int exitCode) = 0;
};

enum class MessageBoxStyle { Error, YesNoQuestion };
enum class MessageBoxAnswer { Ok, Yes, No };

class Desktop {
public:
    virtual ~Desktop() = default;
    // The cursor in screen coordinates (GetCursorPos).
    virtual Point cursorPosition() = 0;
    virtual void showCursor(bool visible) = 0;
    // Size of the primary display (GetSystemMetrics of the primary screen).
    virtual Size screenSize() = 0;
    // Dots per inch of the primary display, from its reported physical size;
    // 0 when the display does not say.
    virtual int screenDensity() = 0;
    // Shows a modal message box and returns the answer. Without a display the
    // text goes to stderr and the default answer (Ok, or Yes) is returned.
    virtual MessageBoxAnswer messageBox(const std::string& caption, const std::string& text, MessageBoxStyle style) = 0;
};

// ---------------------------------------------------------------------------
// 4. Clock
// ---------------------------------------------------------------------------

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds from a monotonic clock as a 32-bit value that wraps like
    // GetTickCount.
    virtual std::uint32_t tickCount() = 0;
    // Sleeps for at least ms milliseconds.
    virtual void sleep(std::uint32_t ms) = 0;
};

// ---------------------------------------------------------------------------
// 5. 2D device and textures
// ---------------------------------------------------------------------------

// A picture in device memory, owned by whoever loaded it. It may outlive the
// device that made it (it then draws nowhere, and releasing it is safe).
class Texture {
public:
    virtual ~Texture() = default;
    virtual Size size() const = 0;
};

// One corner of a textured quad. Texture coordinates follow Direct3D 9's
// convention for pre-transformed vertices: pixel centres lie on whole
// numbers, so a quad drawn at its region's own size with
// u = srcX / (width - 1) samples texel srcX in its first column.
struct Vertex {
    float x = 0;
    float y = 0;
    Colour colour = 0xFFFFFFFF;
    float u = 0;
    float v = 0;
};

// Corner order of every quad: top-left, top-right, bottom-left, bottom-right.
using QuadVertices = Vertex[4];

enum class AlphaSource { Texture, Vertex };

// How a picture file lies on disk: as it is, or with the two bytes of every
// pair exchanged (the form the game stores its pictures in). A swapped file
// is brought back into its plain form in memory; the file is never changed.
enum class FileForm { Plain, PairSwapped };
enum class Filter { Point, Linear };

class Device {
public:
    virtual ~Device() = default;
    // Fills the whole frame with the colour.
    virtual void clear(Colour colour) = 0;
    // Replaces the pixels of rect with the colour, alpha included (no
    // blending). The rect is clipped to the frame.
    virtual void fillRect(Rect rect, Colour colour) = 0;
    // Draws a textured quad. Colour is texture x vertex colour per channel.
    // Alpha: with AlphaSource::Texture the texture's alpha (the vertex alpha
    // is ignored); with AlphaSource::Vertex the vertex alpha scales the
    // texture's alpha. A pixel of alpha 0 leaves the frame unchanged, other
    // alphas blend the colour over what is there. A null texture draws
    // nothing.
    virtual void drawQuad(const Texture* texture, const QuadVertices& corners) = 0;
    virtual void setAlphaSource(AlphaSource source) = 0;
    // Sampling of the quads drawn from now on; Point is the default.
    virtual void setFilter(Filter filter) = 0;
    // Shows the frame: waits for the display's vertical sync, or sleeps to
    // its refresh interval where no sync is in force, so frames never run
    // faster than the display shows them.
    virtual void present() = 0;
    // Shows the frame at once, without present()'s wait: for single frames
    // outside the frame loop (the loading screen's progress), which must not
    // hold up the work between them. The next present() paces from now.
    virtual void presentNow() { present(); }
    // Loads a PNG file lying on disk in the given form: texels exactly equal
    // to colourKey (when not 0) become transparent black; a picture whose
    // size differs from the requested one (each dimension above 0) is
    // resampled to it. Nullptr when the file is missing, truncated or not a
    // PNG.
    virtual std::unique_ptr<Texture> loadTexture(const std::string& path, FileForm form, Size requested,
                                                 Colour colourKey) = 0;
    // Creates a texture from a picture in memory (used for glyph atlases).
    virtual std::unique_ptr<Texture> createTexture(const Image& image) = 0;
    // Copies the current frame into out. False when the device cannot.
    virtual bool readFrame(Image& out) = 0;
};

// ---------------------------------------------------------------------------
// 6. Fonts
// ---------------------------------------------------------------------------

// One face opened at one cell height, rasterised once into a glyph atlas.
// A glyph's box is the picture SDL_ttf made for it; offsetX and offsetY place
// the box relative to the pen: the pen stands on the left edge of the
// character cell, whose top is the top of the line (the baseline lies
// `ascent` pixels below it).
struct GlyphMetrics {
    int atlasX = 0, atlasY = 0;    // glyph box in the atlas
    int width = 0, height = 0;     // glyph box size; 0 x 0 when the glyph has no picture
    int offsetX = 0, offsetY = 0;  // box position relative to the pen and the cell top
    int advance = 0;               // pen advance in pixels
};

struct FontAtlas {
    Image image;               // white glyphs, coverage in alpha
    int ascent = 0;            // pixels above the baseline
    int descent = 0;           // pixels below the baseline (positive)
    int lineHeight = 0;        // ascent + descent: the GDI cell height
    GlyphMetrics glyphs[256];  // bytes 32..255 (Windows-1252); unused entries are zero
    std::string family;        // the family actually opened
};

class FontSystem {
public:
    virtual ~FontSystem() = default;
    // Finds the file for a face name through the font configuration (fonts
    // registered by this process included); an unknown face is substituted.
    // substituted tells whether the family found differs from the one asked
    // for. Empty when no font at all can be found.
    virtual std::string resolveFace(const std::string& face, bool bold, bool& substituted) = 0;
    // Opens the file so that ascent + descent equal cellHeight pixels (GDI's
    // cell height: the OS/2 table's usWinAscent + usWinDescent scaled to it)
    // and rasterises the single-byte characters 32..255, read as Windows-1252,
    // into an atlas. bold makes a face that is not bold itself look bold.
    // Nothing when the file cannot be opened or cellHeight is not positive.
    virtual std::optional<FontAtlas> rasterise(const std::string& file, int cellHeight, bool bold) = 0;
    // Makes a font file known to this process (AddFontResource); faces
    // resolved afterwards find it. False when the file cannot be registered.
    virtual bool registerFont(const std::string& file) = 0;
    // Forgets every font registered by this process (RemoveFontResource).
    // True when at least one was registered.
    virtual bool unregisterFonts() = 0;
    // The per-user font folder ($XDG_DATA_HOME/fonts, default
    // ~/.local/share/fonts).
    virtual std::string userFontFolder() = 0;
};

// ---------------------------------------------------------------------------
// 7. Files, dynamic libraries, processes, shell and HTTP
// ---------------------------------------------------------------------------

class Files {
public:
    virtual ~Files() = default;
    // Copies from to to, replacing an existing file. False on any failure.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Moves from over to in one step (rename), replacing to.
    virtual bool moveReplacing(const std::string& from, const std::string& to) = 0;
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    virtual bool makeFolder(const std::string& path) = 0;
    // The folder that holds the running program (from /proc/self/exe).
    virtual std::string programFolder() = 0;
};

class Library {
public:
    virtual ~Library() = default;
    // The address of an exported symbol, or nullptr.
    virtual void* symbol(const std::string& name) = 0;
};

class Libraries {
public:
    virtual ~Libraries() = default;
    // Loads a shared library by name (dlopen); nullptr when it is missing.
    // Unloaded when the returned object is destroyed.
    virtual std::unique_ptr<Library> open(const std::string& name) = 0;
};

class Process {
public:
    virtual ~Process() = default;
    // Waits up to timeoutMs for the program to end. Returns its exit code,
    // or nothing when it still runs after the time-out. A program that has
    // ended is seen within about 10 ms.
    virtual std::optional<int> wait(std::uint32_t timeoutMs) = 0;
};

class Processes {
public:
    virtual ~Processes() = default;
    // Starts program with the arguments in the working folder (empty: the
    // current one). Nullptr when it cannot be started (missing, not
    // executable).
    virtual std::unique_ptr<Process> start(const std::string& program, const std::vector<std::string>& arguments,
                                           const std::string& workingFolder) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document or web address with the desktop's handler (xdg-open,
    // or $BROWSER when set) without waiting for it. Returns a value above 32
    // on success and 32 or less on failure (a local target that does not
    // exist, a handler that cannot be started), as ShellExecute does.
    virtual int open(const std::string& target) = 0;
};

// A run of requests that share one connection: it is opened by the first
// request, kept open between requests (HTTP keep-alive) and closed when the
// session is destroyed. A session must end before the Http that opened it.
class HttpSession {
public:
    virtual ~HttpSession() = default;
    // True when the server answers a HEAD request for url within timeoutMs,
    // whatever the status of the answer.
    virtual bool probe(const std::string& url, std::uint32_t timeoutMs) = 0;
    // GETs url and replaces the file at path with the body byte for byte,
    // whatever the HTTP status (a server's reason for a refusal is kept).
    // Returns the status, or 0 when no complete answer came within the
    // request's time limit (no connection, a time-out, a broken reply); path
    // is then left untouched.
    virtual int fetch(const std::string& url, const std::string& path) = 0;
};

// HTTP over the network. Nothing of the HTTP library is loaded into the
// process before the first request.
class Http {
public:
    virtual ~Http() = default;
    // True when the server answers a HEAD request within timeoutMs.
    virtual bool probe(const std::string& url, std::uint32_t timeoutMs) = 0;
    // GETs url and writes the body to path byte for byte. False on a network
    // failure or an HTTP status of 400 or above; path is then left untouched.
    virtual bool download(const std::string& url, const std::string& path) = 0;
    // A session for a run of requests to one server; nullptr when HTTP cannot
    // be used at all (the HTTP library is missing).
    virtual std::unique_ptr<HttpSession> openSession() = 0;
};

// ---------------------------------------------------------------------------
// 8. The platform bundle
// ---------------------------------------------------------------------------

// Everything the game receives at start-up. The pointers are not owned and
// outlive the game; a test fills them with fakes (platform/fake).
struct Platform {
    Window* window = nullptr;
    MessageQueue* messages = nullptr;
    Desktop* desktop = nullptr;
    Clock* clock = nullptr;
    FontSystem* fonts = nullptr;
    Files* files = nullptr;
    Libraries* libraries = nullptr;
    Processes* processes = nullptr;
    Shell* shell = nullptr;
    Http* http = nullptr;
};

}  // namespace glyphora::platform
