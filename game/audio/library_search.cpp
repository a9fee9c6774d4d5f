#include "game/audio/library_search.h"

namespace glyphora {

LoadedLibrary OpenBundledFirst(platform::Libraries& libraries, const std::string& folder, const std::string& name,
                               std::span<const char* const> companions) {
    LoadedLibrary loaded;
    if (!folder.empty()) {
        for (const char* companion : companions) {
            if (auto library = libraries.open(folder + "/" + companion))
                loaded.companions.push_back(std::move(library));
        }
        loaded.library = libraries.open(folder + "/" + name);
        if (loaded) return loaded;
        loaded.companions.clear();
    }
    loaded.library = libraries.open(name);
    return loaded;
}

}  // namespace glyphora
