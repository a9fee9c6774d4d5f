#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace glyphora::platform {
namespace fs = std::filesystem;

// ---- Device ---------------------------------------------------------------

FakeTexture::FakeTexture(Size size, std::string source, std::shared_ptr<int> liveCount)
    : size_(size), source_(std::move(source)), liveCount_(std::move(liveCount)) {
    if (liveCount_) ++*liveCount_;
}

FakeTexture::~FakeTexture() {
    if (liveCount_) --*liveCount_;
}

void FakeDevice::clear(Colour colour) {
    DrawCall call;
    call.kind = DrawCall::Kind::Clear;
    call.colour = colour;
    calls.push_back(call);
}

void FakeDevice::fillRect(Rect rect, Colour colour) {
    DrawCall call;
    call.kind = DrawCall::Kind::Fill;
    call.rect = rect;
    call.colour = colour;
    calls.push_back(call);
}

void FakeDevice::drawQuad(const Texture* texture, const QuadVertices& corners) {
    DrawCall call;
    call.kind = DrawCall::Kind::Quad;
    call.texture = texture;
    for (int i = 0; i < 4; ++i) call.corners[i] = corners[i];
    call.alpha = alpha_;
    call.filter = filter_;
    calls.push_back(call);
}

void FakeDevice::present() {
    journal.push_back("present");
    DrawCall call;
    call.kind = DrawCall::Kind::Present;
    calls.push_back(call);
    ++presents;
}

namespace {

// Only the signature is read: the fake device decodes nothing.
bool StartsWithPngSignature(const std::string& path, FileForm form) {
    static constexpr char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    char head[8] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(head, sizeof head)) return false;
    if (form == FileForm::PairSwapped)
        for (int i = 0; i < 8; i += 2) std::swap(head[i], head[i + 1]);
    return std::equal(head, head + 8, kSignature);
}

}  // namespace

std::unique_ptr<Texture> FakeDevice::loadTexture(const std::string& path, FileForm form, Size requested, Colour) {
    loadedTextures.push_back(path);
    journal.push_back("load " + path);
    if (failingTextures.count(path) || !StartsWithPngSignature(path, form)) return nullptr;
    return std::make_unique<FakeTexture>(requested, path, live_);
}

std::unique_ptr<Texture> FakeDevice::createTexture(const Image& image) {
    return std::make_unique<FakeTexture>(Size{image.width, image.height}, "", live_);
}

bool FakeDevice::readFrame(Image& out) {
    out = Image{};
    return false;
}

// ---- Window, messages, desktop ----------------------------------------------

bool FakeWindow::open(const WindowSpec& spec) {
    opened = spec;
    return true;
}

WindowView FakeWindow::view() {
    const Size picture = opened ? opened->size : Size{700, 450};
    const Size window = resizedTo ? *resizedTo : Size{picture.width * scale, picture.height * scale};
    WindowView view = ViewInWindow(picture, window, display);
    if (view.fullScreen) view.displayCorner = displayCorner;
    return view;
}

std::unique_ptr<Device> FakeWindow::createDevice() {
    if (deviceFails) return nullptr;
    auto created = std::make_unique<FakeDevice>();
    device = created.get();
    return created;
}

bool FakeMessageQueue::peek(Message& out) {
    if (quitCode) {
        out = {MessageKind::Quit, static_cast<std::uint32_t>(*quitCode), 0};
        quitCode.reset();
        return true;
    }
    if (script.empty()) return false;
    out = script.front();
    script.pop_front();
    return true;
}

Message FakeMessageQueue::wait() {
    ++waits;
    Message out;
    if (peek(out)) return out;
    if (arrivingWhileWaiting.empty()) return {MessageKind::Quit, 0, 0};
    out = arrivingWhileWaiting.front();
    arrivingWhileWaiting.pop_front();
    return out;
}

// ---- Fonts ----------------------------------------------------------------

std::string FakeFontSystem::resolveFace(const std::string& face, bool, bool& substituted) {
    for (const std::string& file : registered) {
        const auto family = fileFamilies.find(fs::path(file).filename().string());
        if (family != fileFamilies.end() && family->second == face) {
            substituted = false;
            return file;
        }
    }
    substituted = knownFaces.count(face) == 0;
    return substituted ? "substitute.ttf" : face + ".ttf";
}

std::optional<FontAtlas> FakeFontSystem::rasterise(const std::string& file, int cellHeight, bool) {
    rasterised.push_back(file + "@" + std::to_string(cellHeight));
    if (cellHeight <= 0) return std::nullopt;
    FontAtlas atlas;
    const int width = cellHeight / 2;
    atlas.ascent = cellHeight * 4 / 5;
    atlas.descent = cellHeight - atlas.ascent;
    atlas.lineHeight = cellHeight;
    atlas.image = Image{width * 16, cellHeight * 16, {}};
    atlas.image.pixels.assign(static_cast<std::size_t>(atlas.image.width) * atlas.image.height, 0xFFFFFFFF);
    for (int c = 32; c < 256; ++c) {
        GlyphMetrics& g = atlas.glyphs[c];
        g.atlasX = (c % 16) * width;
        g.atlasY = (c / 16) * cellHeight;
        g.width = width;
        g.height = cellHeight;
        g.advance = width;
    }
    atlas.family = "Fake";
    return atlas;
}

bool FakeFontSystem::registerFont(const std::string& file) {
    if (registrationFails) return false;
    registered.push_back(file);
    return true;
}

bool FakeFontSystem::unregisterFonts() {
    ++unregisterCalls;
    if (onUnregister) onUnregister();
    const bool any = !registered.empty();
    registered.clear();
    return any;
}

// ---- Files, libraries, processes, shell, HTTP -------------------------------

namespace {

class FakeLibrary final : public Library {
public:
    explicit FakeLibrary(const std::map<std::string, void*>& symbols) : symbols_(symbols) {}
    void* symbol(const std::string& name) override {
        const auto found = symbols_.find(name);
        return found == symbols_.end() ? nullptr : found->second;
    }

private:
    std::map<std::string, void*> symbols_;
};

class FakeProcess final : public Process {
public:
    explicit FakeProcess(std::optional<int> exitCode) : exitCode_(exitCode) {}
    std::optional<int> wait(std::uint32_t) override { return exitCode_; }

private:
    std::optional<int> exitCode_;
};

}  // namespace

std::unique_ptr<Library> FakeLibraries::open(const std::string& name) {
    opened.push_back(name);
    if (!available.count(name)) return nullptr;
    return std::make_unique<FakeLibrary>(symbols);
}

std::unique_ptr<Process> FakeProcesses::start(const std::string& program, const std::vector<std::string>& arguments,
                                              const std::string& workingFolder) {
    started.push_back({program, arguments, workingFolder});
    if (startFails) return nullptr;
    return std::make_unique<FakeProcess>(exitCode);
}

int FakeShell::open(const std::string& target) {
    opened.push_back(target);
    return result;
}

bool FakeHttp::probe(const std::string& url, std::uint32_t) {
    requests.push_back("HEAD " + url);
    return reachable;
}

bool FakeHttp::download(const std::string& url, const std::string& path) {
    requests.push_back("GET " + url);
    const auto reply = replies.find(url);
    if (!reachable || reply == replies.end()) return false;
    std::ofstream(path, std::ios::binary) << reply->second;
    return true;
}

namespace {

class FakeHttpSession final : public HttpSession {
public:
    explicit FakeHttpSession(FakeHttp& http) : http_(http) {}
    bool probe(const std::string& url, std::uint32_t timeoutMs) override { return http_.probe(url, timeoutMs); }
    int fetch(const std::string& url, const std::string& path) override {
        http_.requests.push_back("GET " + url);
        if (!http_.reachable) return 0;
        const auto reply = http_.replies.find(url);
        std::ofstream(path, std::ios::binary) << (reply == http_.replies.end() ? "" : reply->second);
        return reply == http_.replies.end() ? 404 : 200;
    }

private:
    FakeHttp& http_;
};

}  // namespace

std::unique_ptr<HttpSession> FakeHttp::openSession() {
    if (noLibrary) return nullptr;
    ++sessionsOpened;
    return std::make_unique<FakeHttpSession>(*this);
}

// ---- The bundle -------------------------------------------------------------

FakePlatform::FakePlatform() {
    bundle_.window = &window;
    bundle_.messages = &messages;
    bundle_.desktop = &desktop;
    bundle_.clock = &clock;
    bundle_.fonts = &fonts;
    bundle_.files = &files;
    bundle_.libraries = &libraries;
    bundle_.processes = &processes;
    bundle_.shell = &shell;
    bundle_.http = &http;
}

}  // namespace glyphora::platform
