#pragma once
// Fakes of every platform contract, for tests that run without a window, a
// display, a network or other programs. Each records what the game asked of
// it and answers from what the test scripted.
#include <deque>
#include <functional>
#include <map>
#include <set>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_files.h"
#include "platform/platform.h"

namespace glyphora::platform {

// ---- Device ---------------------------------------------------------------

// Counts itself in its device's count of live textures while it exists.
class FakeTexture final : public Texture {
public:
    FakeTexture(Size size, std::string source, std::shared_ptr<int> liveCount = nullptr);
    ~FakeTexture() override;
    FakeTexture(const FakeTexture&) = delete;
    FakeTexture& operator=(const FakeTexture&) = delete;
    Size size() const override { return size_; }
    const std::string& source() const { return source_; }

private:
    Size size_;
    std::string source_;
    std::shared_ptr<int> liveCount_;
};

struct DrawCall {
    enum class Kind { Clear, Fill, Quad, Present };
    Kind kind = Kind::Clear;
    Colour colour = 0;
    Rect rect;
    const Texture* texture = nullptr;
    Vertex corners[4];
    AlphaSource alpha = AlphaSource::Texture;
    Filter filter = Filter::Point;
};

class FakeDevice final : public Device {
public:
    void clear(Colour colour) override;
    void fillRect(Rect rect, Colour colour) override;
    void drawQuad(const Texture* texture, const QuadVertices& corners) override;
    void setAlphaSource(AlphaSource source) override { alpha_ = source; }
    void setFilter(Filter filter) override { filter_ = filter; }
    void present() override;
    // Succeeds for every existing file that begins with the PNG signature
    // (nothing more is decoded) unless the path is listed in failingTextures;
    // the texture has the requested size.
    std::unique_ptr<Texture> loadTexture(const std::string& path, FileForm form, Size requested,
                                         Colour colourKey) override;
    std::unique_ptr<Texture> createTexture(const Image& image) override;
    bool readFrame(Image& out) override;
    // Textures made by this device that still exist.
    int liveTextures() const { return *live_; }

    std::vector<DrawCall> calls;
    std::vector<std::string> loadedTextures;
    std::set<std::string> failingTextures;
    // "load <path>" and "present", in the order they happened.
    std::vector<std::string> journal;
    int presents = 0;

private:
    AlphaSource alpha_ = AlphaSource::Texture;
    Filter filter_ = Filter::Point;
    std::shared_ptr<int> live_ = std::make_shared<int>(0);
};

// ---- Window, messages, desktop ----------------------------------------------

class FakeWindow final : public Window {
public:
    bool open(const WindowSpec& spec) override;
    void move(Point p) override { moves.push_back(p); }
    void minimise() override { ++minimised; }
    void setIcon(const std::string& pngPath) override { iconPath = pngPath; }
    // A fresh FakeDevice, or nullptr when deviceFails is set.
    std::unique_ptr<Device> createDevice() override;
    void setScale(int s) override {
        scale = s;
        resizedTo.reset();
    }
    // The opened size times the scale, or what a window manager resized it to.
    WindowView view() override;

    std::optional<WindowSpec> opened;
    int scale = 1;
    std::optional<Size> resizedTo;  // a window manager's resize (full screen)
    Size display{1024, 768};
    Point displayCorner{0, 0};  // where the display the window covers in full screen begins
    std::vector<Point> moves;
    int minimised = 0;
    std::string iconPath;
    bool deviceFails = false;
    FakeDevice* device = nullptr;  // the last device created, owned by the caller
};

class FakeMessageQueue final : public MessageQueue {
public:
    // peek and wait take scripted messages in order. Messages in
    // arrivingWhileWaiting only reach wait, as if they came while the program
    // was blocked. Once both are used up, wait returns Quit with code 0 so
    // that a loop under test ends.
    bool peek(Message& out) override;
    Message wait() override;
    void postQuit(int exitCode) override { quitCode = exitCode; }

    void push(Message m) { script.push_back(m); }
    std::deque<Message> script;
    std::deque<Message> arrivingWhileWaiting;
    std::optional<int> quitCode;
    int waits = 0;
};

// ---- Fonts ----------------------------------------------------------------

// Monospaced block glyphs: every character 32..255 is a box cellHeight / 2
// wide and the full cell high, placed at the pen, so layouts can be computed
// by hand in tests. Faces resolve when they are installed (knownFaces) or
// come from a registered file listed in fileFamilies.
class FakeFontSystem final : public FontSystem {
public:
    std::string resolveFace(const std::string& face, bool bold, bool& substituted) override;
    std::optional<FontAtlas> rasterise(const std::string& file, int cellHeight, bool bold) override;
    bool registerFont(const std::string& file) override;
    bool unregisterFonts() override;
    std::string userFontFolder() override { return fontFolder; }

    std::set<std::string> knownFaces{"Bebas Neue"};
    // Family of a font file by its name (without folder).
    std::map<std::string, std::string> fileFamilies{{"BebasNeue-Regular.otf", "Bebas Neue"}};
    std::vector<std::string> registered;
    std::vector<std::string> rasterised;  // "file@height", in order
    bool registrationFails = false;
    int unregisterCalls = 0;
    std::function<void()> onUnregister;  // runs before the registrations are dropped
    std::string fontFolder = "fonts";
};

// ---- Files, libraries, processes, shell, HTTP -------------------------------

class FakeLibraries final : public Libraries {
public:
    // Opens only the names in available; their symbols are the addresses
    // registered in symbols (nullptr otherwise).
    std::unique_ptr<Library> open(const std::string& name) override;

    std::set<std::string> available;
    std::map<std::string, void*> symbols;
    std::vector<std::string> opened;
};

class FakeProcesses final : public Processes {
public:
    std::unique_ptr<Process> start(const std::string& program, const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) override;

    struct Started {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder;
    };
    std::vector<Started> started;
    bool startFails = false;
    std::optional<int> exitCode = 0;  // what wait reports; nothing = still running
};

class FakeShell final : public Shell {
public:
    int open(const std::string& target) override;
    std::vector<std::string> opened;
    int result = 42;
};

class FakeHttp final : public Http {
public:
    bool probe(const std::string& url, std::uint32_t timeoutMs) override;
    // Writes the scripted reply for url (if any) to path.
    bool download(const std::string& url, const std::string& path) override;
    // Sessions record into requests as well; their fetch answers 200 with
    // the scripted reply, 404 with an empty body when none is scripted, and
    // 0 (no answer) while the server is not reachable.
    std::unique_ptr<HttpSession> openSession() override;

    bool reachable = true;
    bool noLibrary = false;  // openSession gives nullptr, as without libcurl
    int sessionsOpened = 0;
    std::map<std::string, std::string> replies;
    std::vector<std::string> requests;
};

// ---- The bundle -------------------------------------------------------------

class FakePlatform {
public:
    FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
    Platform& bundle() { return bundle_; }

    FakeWindow window;
    FakeMessageQueue messages;
    FakeDesktop desktop;
    FakeClock clock;
    FakeFontSystem fonts;
    FakeFiles files;
    FakeLibraries libraries;
    FakeProcesses processes;
    FakeShell shell;
    FakeHttp http;

private:
    Platform bundle_;
};

}  // namespace glyphora::platform
